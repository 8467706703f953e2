#pragma once

#include "platform/core/CException.h"
#include "platform/core/CString.h"
#include "platform/odbc/Sql.h"

#include <functional>
#include <optional>
#include <vector>

// Return code of a database exception raised when no connection could be made.
constexpr RETCODE AFX_SQL_ERROR_CONNECT_FAIL = 1001;

// A failure of an ODBC call: its return code and the driver's diagnostic texts, one a line.
class CDBException : public CException
{
public:
    // Reads the diagnostic records of the handle; without a handle, or when it has none, the
    // error text says what the return code means.
    CDBException(RETCODE retCode, SQLSMALLINT handleType = 0, SQLHANDLE handle = nullptr);
    // The failure with a line of the system's own before the driver's texts.
    CDBException(const CDBException& failure, const CString& firstLine);

    RETCODE m_nRetCode;
    CString m_strError;
    // "State:...,Native:..." of each diagnostic record.
    CString m_strStateNativeOrigin;
    // A diagnostic record says that the call's timeout expired.
    bool m_bTimedOut;

private:
    struct Diagnostics
    {
        CString messages;
        CString states;
        bool timedOut = false;
    };

    CDBException(RETCODE retCode, const Diagnostics& diagnostics);
    static Diagnostics WithFirstLine(const CString& line, Diagnostics diagnostics);
    static Diagnostics ReadDiagnostics(RETCODE retCode, SQLSMALLINT handleType, SQLHANDLE handle);
};

// True when a diagnostic record says that the call ended because its timeout expired: the states
// HYT00 and HYT01, or a message ending in "timeout expired" as the PostgreSQL driver's does.
bool IsTimeoutDiagnostic(const char* state, const char* message);

// Asked for a data source when a connect string names none: sets the full connection string
// and returns true, or returns false when the user cancels.
using DataSourcePrompt = std::function<bool(CString& connect)>;

// Installs a prompt and returns the previous one. Without one, every request is cancelled.
DataSourcePrompt SetDataSourcePrompt(DataSourcePrompt prompt);

// One connection to a data source, with an environment handle of its own.
class CDatabase
{
public:
    CDatabase() = default;
    virtual ~CDatabase();
    CDatabase(const CDatabase&) = delete;
    CDatabase& operator=(const CDatabase&) = delete;

    // Connects with the connect string ("ODBC;" and the driver's keywords). A string without
    // "DSN=", "FILEDSN=" or "Driver=" asks the data-source prompt; false when it is cancelled.
    // A failing connection raises CDBException; one that ended at the login timeout, as the
    // driver reports it or as the time waited shows, says that the server did not answer.
    BOOL OpenEx(const char* connect);
    // Seconds a connection waits for the server's answer; 0 waits as long as the driver does.
    void SetLoginTimeout(DWORD seconds) { m_dwLoginTimeout = seconds; }
    BOOL IsOpen() const { return m_hdbc != nullptr; }
    // Open, but the driver found the server gone: the connection is of no more use.
    bool IsConnectionDead() const;
    // Runs one statement to its end; a failure raises CDBException.
    void ExecuteSQL(const char* sql);
    void Close();

    SQLHDBC m_hdbc = nullptr;
    DWORD m_dwLoginTimeout = kDefaultLoginTimeout;

    static constexpr DWORD kDefaultLoginTimeout = 15;

private:
    SQLHENV m_henv = nullptr;
};

// Runs a query on a statement handle of the connection and returns its rows, each the first
// columnCount columns as text (a NULL as no value). A statement that fails yields the rows
// fetched before the failure.
std::vector<std::vector<std::optional<CString>>> QueryTextRows(const CDatabase& database,
                                                               const CString& sql, int columnCount);

// Reads one column of the fetched row of a statement as text; no value for NULL; throws
// CDBException when the driver fails.
std::optional<CString> ReadTextColumn(SQLHSTMT statement, SQLUSMALLINT column);

// Raises CDBException when the return code is neither success nor success with information.
void CheckSqlReturn(RETCODE retCode, SQLSMALLINT handleType, SQLHANDLE handle);
