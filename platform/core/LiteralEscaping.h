#pragma once

#include "platform/core/CString.h"

// Model texts placed into generated literals, escaped for the literal they go into; ordinary
// text comes out unchanged.

// XML text or a quoted attribute value: & < > " and ' become entity references.
CString EscapeXml(CString text);

// The inside of a C# regular string literal: \ and " get a backslash, line breaks and tabs
// become \r \n \t, other control characters and the line ends U+0085, U+2028 and U+2029 \u
// escapes.
CString EscapeCSharpString(const CString& text);

// The inside of a JavaScript string literal in either quotes, also inside a page's script block
// or an event attribute: \ " ' get a backslash, line breaks and tabs become \r \n \t, other
// control characters, "<" and ">" (which would open or close a server block or end the script)
// \x escapes,
// and the line ends U+0085, U+2028 and U+2029 \u escapes.
CString EscapeJavaScriptString(const CString& text);

// HTML element text: & < > become entity references.
CString EscapeHtmlText(CString text);
