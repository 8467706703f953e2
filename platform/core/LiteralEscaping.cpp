#include "platform/core/LiteralEscaping.h"

#include "platform/core/StringFormat.h"

#include <cstring>

CString EscapeXml(CString text)
{
    text.Replace("&", "&amp;");
    text.Replace("<", "&lt;");
    text.Replace(">", "&gt;");
    text.Replace("\"", "&quot;");
    text.Replace("'", "&apos;");
    return text;
}

namespace
{
// The escapes of C-like string literals: a backslash before \ and the characters of quoted,
// \r \n \t for line breaks and tabs, and the hex escape of hexFormat for other control
// characters and the characters of hexed.
CString BackslashEscaped(const CString& text, const char* quoted, const char* hexed,
                         const char* hexFormat)
{
    std::string escaped;
    for (const char c : text.str())
    {
        if (c == '\\' || (c != '\0' && std::strchr(quoted, c) != nullptr))
            escaped += {'\\', c};
        else if (c == '\r')
            escaped += "\\r";
        else if (c == '\n')
            escaped += "\\n";
        else if (c == '\t')
            escaped += "\\t";
        else if (static_cast<unsigned char>(c) < 0x20 || (c != '\0' && std::strchr(hexed, c)))
            escaped += FormatString(hexFormat, static_cast<unsigned>(c));
        else
            escaped += c;
    }
    return CString(escaped);
}
} // namespace

CString EscapeCSharpString(const CString& text)
{
    return BackslashEscaped(text, "\"", "", "\\u%04x");
}

CString EscapeJavaScriptString(const CString& text)
{
    return BackslashEscaped(text, "\"'", "<", "\\x%02x");
}

CString EscapeHtmlText(CString text)
{
    text.Replace("&", "&amp;");
    text.Replace("<", "&lt;");
    text.Replace(">", "&gt;");
    return text;
}
