#include "database/SQLColumn.h"

#include "database/CatalogCall.h"

SQLColumn::SQLColumn(CDatabase* database) : CRecordset(database)
{
    m_nFields = 11;
    m_nParams = 3;
}

BOOL SQLColumn::Open(UINT, const char*, DWORD)
{
    if (!PrepareStatement())
        return FALSE;
    CheckStatement(CallCatalog(
        [this]
        {
            return SQLColumns(m_hstmt, CatalogFilter(m_strQualifierParam), SQL_NTS,
                              CatalogFilter(m_strOwnerParam), SQL_NTS,
                              CatalogFilter(m_strTableNameParam), SQL_NTS, nullptr, 0);
        }));
    CompleteOpen();
    return TRUE;
}

void SQLColumn::DoFieldExchange(CFieldExchange* fx)
{
    fx->SetFieldType(CFieldExchange::outputColumn);
    RFX_Text(fx, "table_qualifier", m_table_qualifier);
    RFX_Text(fx, "table_owner", m_table_owner);
    RFX_Text(fx, "table_name", m_table_name);
    RFX_Text(fx, "column_name", m_column_name);
    RFX_Int(fx, "data_type", m_data_type);
    RFX_Text(fx, "type_name", m_type_name);
    RFX_Long(fx, "precision", m_precision);
    RFX_Long(fx, "length", m_length);
    RFX_Int(fx, "scale", m_scale);
    RFX_Int(fx, "radix", m_radix);
    RFX_Int(fx, "nullable", m_nullable);
}
