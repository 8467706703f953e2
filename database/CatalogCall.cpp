#include "database/CatalogCall.h"

SQLCHAR* CatalogFilter(const CString& filter)
{
    if (filter.IsEmpty())
        return nullptr;
    return reinterpret_cast<SQLCHAR*>(const_cast<char*>(filter.GetString()));
}

RETCODE CallCatalog(const std::function<RETCODE()>& call)
{
    RETCODE retCode;
    do
        retCode = call();
    while (retCode == SQL_STILL_EXECUTING);
    return retCode;
}
