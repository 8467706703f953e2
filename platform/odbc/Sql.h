#pragma once

// The ODBC call-level interface of the driver manager. Its headers define BOOL as a macro;
// platform/core/Types.h gives the same integer types as type names.
// Its window handle type is renamed, so that the window layer's may live beside it.
#define HWND OdbcWindowHandle
#include <sql.h>
#include <sqlext.h>
#undef HWND

#undef BOOL

#include "platform/core/Types.h"
