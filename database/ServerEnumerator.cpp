#include "database/ServerEnumerator.h"

#include "platform/odbc/Sql.h"

bool CServerEnumerator::EnumerateSQLServers()
{
    m_Servers.RemoveAll();
    SQLHENV environment = nullptr;
    SQLHDBC connection = nullptr;
    m_retCode = SQLAllocHandle(SQL_HANDLE_ENV, SQL_NULL_HANDLE, &environment);
    if (SQL_SUCCEEDED(m_retCode))
        m_retCode = SQLSetEnvAttr(environment, SQL_ATTR_ODBC_VERSION,
                                  reinterpret_cast<SQLPOINTER>(SQL_OV_ODBC3), 0);
    if (SQL_SUCCEEDED(m_retCode))
        m_retCode = SQLAllocHandle(SQL_HANDLE_DBC, environment, &connection);
    if (SQL_SUCCEEDED(m_retCode))
    {
        SQLCHAR request[] = "Driver={SQL Server}";
        SQLCHAR result[4824] = {};
        SQLSMALLINT length = 0;
        m_retCode = SQLBrowseConnect(connection, request, SQL_NTS, result, sizeof result, &length);
        ParseBrowseResult(reinterpret_cast<const char*>(result), m_Servers);
        SQLDisconnect(connection);
    }
    if (connection != nullptr)
        SQLFreeHandle(SQL_HANDLE_DBC, connection);
    if (environment != nullptr)
        SQLFreeHandle(SQL_HANDLE_ENV, environment);
    return true;
}

void CServerEnumerator::ParseBrowseResult(const CString& result, CStringArray& servers)
{
    const char* marker = "SERVER:Server=";
    const int start = result.Find(marker);
    if (start < 0)
        return;
    CString list = result.Mid(start + static_cast<int>(std::char_traits<char>::length(marker)));
    list = list.Mid(list.Find('{') + 1);
    const int close = list.Find('}');
    if (close >= 0)
        list = list.Left(close);
    if (list.Right(1) != ",")
        list += ",";
    for (int from = 0, comma; (comma = list.Find(',', from)) >= 0; from = comma + 1)
    {
        CString server = list.Mid(from, comma - from);
        server.Trim();
        if (!server.IsEmpty())
            servers.Add(server);
    }
}
