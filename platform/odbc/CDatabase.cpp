#include "platform/odbc/CDatabase.h"

#include <chrono>
#include <utility>

namespace
{
DataSourcePrompt& InstalledPrompt()
{
    static DataSourcePrompt prompt;
    return prompt;
}

bool Succeeded(RETCODE retCode)
{
    return retCode == SQL_SUCCESS || retCode == SQL_SUCCESS_WITH_INFO;
}

CString DescribeReturnCode(RETCODE retCode)
{
    switch (retCode)
    {
    case AFX_SQL_ERROR_CONNECT_FAIL:
        return "The connection to the data source failed.";
    case SQL_INVALID_HANDLE:
        return "The ODBC handle is not valid.";
    case SQL_NO_DATA:
        return "The ODBC call returned no data.";
    default:
    {
        CString text;
        text.Format("The ODBC call failed with return code %d.", static_cast<int>(retCode));
        return text;
    }
    }
}

// The connect string without its "ODBC;" prefix.
CString DriverConnectString(const char* connect)
{
    CString text(connect != nullptr ? connect : "");
    if (text.Left(5).CompareNoCase("ODBC;") == 0)
        text = text.Mid(5);
    return text;
}

CString NoAnswerText(DWORD seconds)
{
    CString text;
    text.Format("The server did not answer within %u seconds.", static_cast<unsigned>(seconds));
    return text;
}

bool NamesDataSource(const CString& connect)
{
    CString upper = connect;
    upper.MakeUpper();
    return upper.Find("DSN=") >= 0 || upper.Find("DRIVER=") >= 0;
}

// Frees the statement handle when it goes out of scope.
class StatementHandle
{
public:
    explicit StatementHandle(SQLHDBC connection)
    {
        CheckSqlReturn(SQLAllocHandle(SQL_HANDLE_STMT, connection, &m_handle), SQL_HANDLE_DBC,
                       connection);
    }
    ~StatementHandle() { SQLFreeHandle(SQL_HANDLE_STMT, m_handle); }
    StatementHandle(const StatementHandle&) = delete;
    StatementHandle& operator=(const StatementHandle&) = delete;

    SQLHSTMT Get() const { return m_handle; }

private:
    SQLHSTMT m_handle = nullptr;
};

} // namespace

CDBException::CDBException(RETCODE retCode, SQLSMALLINT handleType, SQLHANDLE handle)
    : CDBException(retCode, ReadDiagnostics(retCode, handleType, handle))
{
}

CDBException::CDBException(const CDBException& failure, const CString& firstLine)
    : CDBException(failure.m_nRetCode,
                   WithFirstLine(firstLine, {failure.m_strError, failure.m_strStateNativeOrigin,
                                             failure.m_bTimedOut}))
{
}

CDBException::Diagnostics CDBException::WithFirstLine(const CString& line, Diagnostics diagnostics)
{
    diagnostics.messages = line + "\n" + diagnostics.messages;
    return diagnostics;
}

CDBException::CDBException(RETCODE retCode, const Diagnostics& diagnostics)
    : CException(diagnostics.messages.GetString(), CString()), m_nRetCode(retCode),
      m_strError(diagnostics.messages), m_strStateNativeOrigin(diagnostics.states),
      m_bTimedOut(diagnostics.timedOut)
{
}

// The driver's records; without any, a line saying what the return code means.
CDBException::Diagnostics CDBException::ReadDiagnostics(RETCODE retCode, SQLSMALLINT handleType,
                                                        SQLHANDLE handle)
{
    Diagnostics diagnostics;
    for (SQLSMALLINT record = 1; handle != nullptr; ++record)
    {
        SQLCHAR state[SQL_SQLSTATE_SIZE + 1] = {};
        SQLINTEGER native = 0;
        SQLCHAR message[SQL_MAX_MESSAGE_LENGTH] = {};
        SQLSMALLINT length = 0;
        if (!Succeeded(SQLGetDiagRec(handleType, handle, record, state, &native, message,
                                     sizeof message, &length)))
            break;
        diagnostics.messages += reinterpret_cast<const char*>(message);
        diagnostics.messages += "\n";
        CString line;
        line.Format("State:%s,Native:%d\n", reinterpret_cast<const char*>(state),
                    static_cast<int>(native));
        diagnostics.states += line;
        diagnostics.timedOut =
            diagnostics.timedOut || IsTimeoutDiagnostic(reinterpret_cast<const char*>(state),
                                                        reinterpret_cast<const char*>(message));
    }
    if (diagnostics.messages.IsEmpty())
        diagnostics.messages = DescribeReturnCode(retCode) + "\n";
    return diagnostics;
}

bool IsTimeoutDiagnostic(const char* state, const char* message)
{
    const CString code(state);
    if (code == "HYT00" || code == "HYT01")
        return true;
    CString text(message);
    const CString ending("timeout expired");
    return text.TrimRight().Right(ending.GetLength()).CompareNoCase(ending) == 0;
}

DataSourcePrompt SetDataSourcePrompt(DataSourcePrompt prompt)
{
    return std::exchange(InstalledPrompt(), std::move(prompt));
}

void CheckSqlReturn(RETCODE retCode, SQLSMALLINT handleType, SQLHANDLE handle)
{
    if (!Succeeded(retCode))
        throw CDBException(retCode, handleType, handle);
}

CDatabase::~CDatabase()
{
    Close();
}

BOOL CDatabase::OpenEx(const char* connect)
{
    Close();
    CString connectString = DriverConnectString(connect);
    if (!NamesDataSource(connectString))
    {
        const DataSourcePrompt& prompt = InstalledPrompt();
        if (!prompt || !prompt(connectString))
            return FALSE;
        connectString = DriverConnectString(connectString);
    }

    try
    {
        CheckSqlReturn(SQLAllocHandle(SQL_HANDLE_ENV, SQL_NULL_HANDLE, &m_henv), 0, nullptr);
        CheckSqlReturn(SQLSetEnvAttr(m_henv, SQL_ATTR_ODBC_VERSION,
                                     reinterpret_cast<SQLPOINTER>(SQL_OV_ODBC3), 0),
                       SQL_HANDLE_ENV, m_henv);
        SQLHDBC connection = nullptr;
        CheckSqlReturn(SQLAllocHandle(SQL_HANDLE_DBC, m_henv, &connection), SQL_HANDLE_ENV, m_henv);
        if (m_dwLoginTimeout != 0)
            SQLSetConnectAttr(connection, SQL_ATTR_LOGIN_TIMEOUT,
                              reinterpret_cast<SQLPOINTER>(static_cast<SQLULEN>(m_dwLoginTimeout)),
                              0);
        const auto started = std::chrono::steady_clock::now();
        const RETCODE retCode = SQLDriverConnect(
            connection, nullptr,
            reinterpret_cast<SQLCHAR*>(const_cast<char*>(connectString.GetString())), SQL_NTS,
            nullptr, 0, nullptr, SQL_DRIVER_NOPROMPT);
        if (!Succeeded(retCode))
        {
            const CDBException failure(retCode, SQL_HANDLE_DBC, connection);
            SQLFreeHandle(SQL_HANDLE_DBC, connection);
            // The driver's report says so; one worded otherwise still took the whole timeout.
            const bool unanswered =
                m_dwLoginTimeout != 0 &&
                (failure.m_bTimedOut || std::chrono::steady_clock::now() - started >=
                                            std::chrono::seconds(m_dwLoginTimeout));
            if (unanswered)
                throw CDBException(failure, NoAnswerText(m_dwLoginTimeout));
            throw failure;
        }
        m_hdbc = connection;
    }
    catch (const CDBException&)
    {
        Close();
        throw;
    }
    return TRUE;
}

bool CDatabase::IsConnectionDead() const
{
    SQLUINTEGER dead = SQL_CD_FALSE;
    return m_hdbc != nullptr &&
           Succeeded(SQLGetConnectAttr(m_hdbc, SQL_ATTR_CONNECTION_DEAD, &dead, 0, nullptr)) &&
           dead == SQL_CD_TRUE;
}

void CDatabase::ExecuteSQL(const char* sql)
{
    StatementHandle statement(m_hdbc);
    RETCODE retCode =
        SQLExecDirect(statement.Get(), reinterpret_cast<SQLCHAR*>(const_cast<char*>(sql)), SQL_NTS);
    if (retCode == SQL_NO_DATA)
        return;
    CheckSqlReturn(retCode, SQL_HANDLE_STMT, statement.Get());
    // Later results of a batch carry their own errors.
    while (Succeeded(retCode = SQLMoreResults(statement.Get())))
    {
    }
    if (retCode != SQL_NO_DATA)
        CheckSqlReturn(retCode, SQL_HANDLE_STMT, statement.Get());
}

void CDatabase::Close()
{
    if (m_hdbc != nullptr)
    {
        SQLDisconnect(m_hdbc);
        SQLFreeHandle(SQL_HANDLE_DBC, m_hdbc);
        m_hdbc = nullptr;
    }
    if (m_henv != nullptr)
    {
        SQLFreeHandle(SQL_HANDLE_ENV, m_henv);
        m_henv = nullptr;
    }
}

std::optional<CString> ReadTextColumn(SQLHSTMT statement, SQLUSMALLINT column)
{
    std::string text;
    char buffer[512];
    for (;;)
    {
        SQLLEN indicator = 0;
        const RETCODE retCode =
            SQLGetData(statement, column, SQL_C_CHAR, buffer, sizeof buffer, &indicator);
        if (retCode == SQL_NO_DATA)
            break;
        CheckSqlReturn(retCode, SQL_HANDLE_STMT, statement);
        if (indicator == SQL_NULL_DATA)
            return std::nullopt;
        // A part that did not fit fills the buffer but its terminator.
        const bool truncated =
            indicator == SQL_NO_TOTAL || indicator >= static_cast<SQLLEN>(sizeof buffer);
        text.append(buffer, truncated ? sizeof buffer - 1 : static_cast<size_t>(indicator));
        if (!truncated)
            break;
    }
    return CString(std::move(text));
}

std::vector<std::vector<std::optional<CString>>> QueryTextRows(const CDatabase& database,
                                                               const CString& sql, int columnCount)
{
    std::vector<std::vector<std::optional<CString>>> rows;
    try
    {
        StatementHandle statement(database.m_hdbc);
        if (!Succeeded(SQLExecDirect(statement.Get(),
                                     reinterpret_cast<SQLCHAR*>(const_cast<char*>(sql.GetString())),
                                     SQL_NTS)))
            return rows;
        while (Succeeded(SQLFetch(statement.Get())))
        {
            std::vector<std::optional<CString>> row;
            for (int column = 1; column <= columnCount; ++column)
                row.push_back(ReadTextColumn(statement.Get(), static_cast<SQLUSMALLINT>(column)));
            rows.push_back(std::move(row));
        }
    }
    catch (const CDBException&)
    {
    }
    return rows;
}
