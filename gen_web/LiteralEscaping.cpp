#include "gen_web/LiteralEscaping.h"

#include "platform/core/StringFormat.h"

CString EscapeXml(CString text)
{
    text.Replace("&", "&amp;");
    text.Replace("<", "&lt;");
    text.Replace(">", "&gt;");
    text.Replace("\"", "&quot;");
    text.Replace("'", "&apos;");
    return text;
}

CString EscapeCSharpString(const CString& text)
{
    std::string escaped;
    for (const char c : text.str())
    {
        switch (c)
        {
        case '\\':
            escaped += "\\\\";
            break;
        case '"':
            escaped += "\\\"";
            break;
        case '\r':
            escaped += "\\r";
            break;
        case '\n':
            escaped += "\\n";
            break;
        case '\t':
            escaped += "\\t";
            break;
        default:
            if (static_cast<unsigned char>(c) < 0x20)
                escaped += FormatString("\\u%04x", static_cast<unsigned>(c));
            else
                escaped += c;
        }
    }
    return CString(escaped);
}
