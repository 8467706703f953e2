#include "database/SQLTable.h"

SQLTable::SQLTable(CDatabase* database) : CatalogRecordset(database)
{
    m_nFields = 5;
}

RETCODE SQLTable::CallCatalogFunction()
{
    return SQLTables(m_hstmt, Filter(m_strQualifierParam), SQL_NTS, Filter(m_strOwnerParam),
                     SQL_NTS, Filter(m_strNameParam), SQL_NTS, Filter(m_strTypeParam), SQL_NTS);
}

void SQLTable::DoFieldExchange(CFieldExchange* fx)
{
    RFX_Text(fx, "table_qualifier", m_table_qualifier);
    RFX_Text(fx, "table_owner", m_table_owner);
    RFX_Text(fx, "table_name", m_table_name);
    RFX_Text(fx, "table_type", m_table_type);
    RFX_Text(fx, "remarks", m_remarks);
}
