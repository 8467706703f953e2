#include "database/SQLTable.h"

#include "database/CatalogCall.h"

SQLTable::SQLTable(CDatabase* database) : CRecordset(database)
{
    m_nFields = 5;
    m_nParams = 4;
}

BOOL SQLTable::Open(UINT, const char*, DWORD)
{
    if (!PrepareStatement())
        return FALSE;
    CheckStatement(CallCatalog(
        [this]
        {
            return SQLTables(m_hstmt, CatalogFilter(m_strQualifierParam), SQL_NTS,
                             CatalogFilter(m_strOwnerParam), SQL_NTS, CatalogFilter(m_strNameParam),
                             SQL_NTS, CatalogFilter(m_strTypeParam), SQL_NTS);
        }));
    CompleteOpen();
    return TRUE;
}

void SQLTable::DoFieldExchange(CFieldExchange* fx)
{
    fx->SetFieldType(CFieldExchange::outputColumn);
    RFX_Text(fx, "table_qualifier", m_table_qualifier);
    RFX_Text(fx, "table_owner", m_table_owner);
    RFX_Text(fx, "table_name", m_table_name);
    RFX_Text(fx, "table_type", m_table_type);
    RFX_Text(fx, "remarks", m_remarks);
}
