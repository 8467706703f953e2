#pragma once

#include "platform/core/CString.h"

// Model texts placed into generated literals, escaped for the literal they go into; ordinary
// text comes out unchanged.

// XML text or a quoted attribute value: & < > " and ' become entity references.
CString EscapeXml(CString text);

// The inside of a C# regular string literal: \ and " get a backslash, line breaks and tabs
// become \r \n \t, other control characters \u escapes.
CString EscapeCSharpString(const CString& text);
