#include "database/CatalogRecordset.h"

BOOL CatalogRecordset::Open(UINT, const char*, DWORD)
{
    if (!PrepareStatement())
        return FALSE;
    RETCODE retCode;
    do
        retCode = CallCatalogFunction();
    while (retCode == SQL_STILL_EXECUTING);
    CheckStatement(retCode);
    CompleteOpen();
    return TRUE;
}

SQLCHAR* CatalogRecordset::Filter(const CString& filter)
{
    if (filter.IsEmpty())
        return nullptr;
    return reinterpret_cast<SQLCHAR*>(const_cast<char*>(filter.GetString()));
}
