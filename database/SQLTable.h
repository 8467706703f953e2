#pragma once

#include "platform/odbc/CRecordset.h"

// The tables of the catalogue, read with SQLTables.
class SQLTable : public CRecordset
{
public:
    explicit SQLTable(CDatabase* database = nullptr);

    // Calls SQLTables with the four filters instead of running SQL; empty filters match all.
    BOOL Open(UINT openType = AFX_DB_USE_DEFAULT_TYPE, const char* sql = nullptr,
              DWORD options = none) override;
    CString GetDefaultSQL() override { return "!"; }
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
};
