#include "database/SQLColumn.h"

SQLColumn::SQLColumn(CDatabase* database) : CatalogRecordset(database)
{
    m_nFields = 11;
}

RETCODE SQLColumn::CallCatalogFunction()
{
    return SQLColumns(m_hstmt, Filter(m_strQualifierParam), SQL_NTS, Filter(m_strOwnerParam),
                      SQL_NTS, Filter(m_strTableNameParam), SQL_NTS, nullptr, 0);
}

void SQLColumn::DoFieldExchange(CFieldExchange* fx)
{
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
