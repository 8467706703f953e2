#pragma once

#include "database/CatalogRecordset.h"

// The tables of the catalogue, read with SQLTables.
class SQLTable : public CatalogRecordset
{
public:
    explicit SQLTable(CDatabase* database = nullptr);

    void DoFieldExchange(CFieldExchange* fx) override;

    CString m_table_qualifier;
    CString m_table_owner;
    CString m_table_name;
    CString m_table_type;
    CString m_remarks;

    CString m_strQualifierParam;
    CString m_strOwnerParam;
    CString m_strNameParam;
    CString m_strTypeParam;

protected:
    RETCODE CallCatalogFunction() override;
};
