#pragma once

#include "platform/core/CString.h"
#include "platform/odbc/Sql.h"

#include <functional>

// A catalogue filter as the catalogue functions take it: null when empty.
SQLCHAR* CatalogFilter(const CString& filter);

// Repeats the catalogue call while the driver is still executing; its last return code.
RETCODE CallCatalog(const std::function<RETCODE()>& call);
