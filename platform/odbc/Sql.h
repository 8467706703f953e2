#pragma once

// The ODBC call-level interface of the driver manager. Its headers define BOOL as a macro;
// platform/core/Types.h gives the same integer types as type names.
#include <sql.h>
#include <sqlext.h>

#undef BOOL

#include "platform/core/Types.h"
