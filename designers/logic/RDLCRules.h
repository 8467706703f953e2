#pragma once

// The query parameter that carries a stored procedure's result; it is never mapped.
inline constexpr const char* returnValueParameter = "@RETURN_VALUE";
inline constexpr const char* returnValueRefusal =
    "@RETURN_VALUE is out parameter of stored procedure used which dose not requied to be mapped "
    "with Form Controls.";
