#pragma once

#include "platform/odbc/CRecordset.h"

// A recordset of the catalogue: Open calls a catalogue function instead of running SQL.
class CatalogRecordset : public CRecordset
{
public:
    using CRecordset::CRecordset;

    // Calls the catalogue function, again while the driver is still executing, and moves to
    // the first row; a failure raises CDBException.
    BOOL Open(UINT openType = AFX_DB_USE_DEFAULT_TYPE, const char* sql = nullptr,
              DWORD options = none) override;
    // Never run.
    CString GetDefaultSQL() override { return "!"; }

protected:
    // The catalogue call on m_hstmt with the recordset's filters.
    virtual RETCODE CallCatalogFunction() = 0;
    // A filter as the catalogue functions take it: null when empty.
    static SQLCHAR* Filter(const CString& filter);
};
