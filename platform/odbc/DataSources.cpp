#include "platform/odbc/DataSources.h"

#include "platform/odbc/Sql.h"

namespace
{
template <class Next>
void ReadPairs(SQLHENV environment, Next next, const char* connectFormat,
               std::vector<DataSourceEntry>& out)
{
    SQLCHAR name[512];
    SQLCHAR description[1024];
    SQLSMALLINT nameLength = 0;
    SQLSMALLINT descriptionLength = 0;
    SQLUSMALLINT direction = SQL_FETCH_FIRST;
    while (SQL_SUCCEEDED(next(environment, direction, name, SQLSMALLINT(sizeof name), &nameLength,
                              description, SQLSMALLINT(sizeof description), &descriptionLength)))
    {
        DataSourceEntry entry;
        entry.name = reinterpret_cast<const char*>(name);
        entry.description = reinterpret_cast<const char*>(description);
        entry.connect.Format(connectFormat, entry.name.GetString());
        out.push_back(entry);
        direction = SQL_FETCH_NEXT;
    }
}
} // namespace

std::vector<DataSourceEntry> ListDataSourcesAndDrivers()
{
    std::vector<DataSourceEntry> entries;
    SQLHENV environment = SQL_NULL_HENV;
    if (!SQL_SUCCEEDED(SQLAllocHandle(SQL_HANDLE_ENV, SQL_NULL_HANDLE, &environment)))
        return entries;
    if (SQL_SUCCEEDED(SQLSetEnvAttr(environment, SQL_ATTR_ODBC_VERSION,
                                    reinterpret_cast<SQLPOINTER>(SQL_OV_ODBC3), 0)))
    {
        ReadPairs(environment, SQLDataSources, "DSN=%s;", entries);
        ReadPairs(environment, SQLDrivers, "Driver={%s};", entries);
    }
    SQLFreeHandle(SQL_HANDLE_ENV, environment);
    return entries;
}
