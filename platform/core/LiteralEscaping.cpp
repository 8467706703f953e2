#include "platform/core/LiteralEscaping.h"

#include "platform/core/StringFormat.h"
#include "platform/core/TextBytes.h"

#include <cstddef>
#include <cstring>
#include <string>
#include <string_view>

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
// The character beyond ASCII at which C# ends a line (U+0085, U+2028, U+2029; JavaScript the
// last two) that the UTF-8 bytes begin with, with its length; a length of 0 for none.
DecodedCharacter LineEndAt(std::string_view bytes)
{
    if (bytes.starts_with("\xC2\x85"))
        return {0x85, 2};
    if (bytes.starts_with("\xE2\x80\xA8"))
        return {0x2028, 3};
    if (bytes.starts_with("\xE2\x80\xA9"))
        return {0x2029, 3};
    return {};
}

// The escapes of C-like string literals: a backslash before \ and the characters of quoted,
// \r \n \t for line breaks and tabs, the hex escape of hexFormat for other control characters
// and the characters of hexed, and \u escapes for the line ends beyond ASCII.
CString BackslashEscaped(const CString& text, const char* quoted, const char* hexed,
                         const char* hexFormat)
{
    const std::string& bytes = text.str();
    std::string escaped;
    escaped.reserve(bytes.size());
    for (std::size_t i = 0; i < bytes.size(); ++i)
    {
        const char c = bytes[i];
        const DecodedCharacter lineEnd = LineEndAt(std::string_view(bytes).substr(i));
        if (lineEnd.length != 0)
        {
            escaped += FormatString("\\u%04x", static_cast<unsigned>(lineEnd.code));
            i += lineEnd.length - 1;
        }
        else if (c == '\\' || (c != '\0' && std::strchr(quoted, c) != nullptr))
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
    return BackslashEscaped(text, "\"'", "<>", "\\x%02x");
}

CString EscapeHtmlText(CString text)
{
    text.Replace("&", "&amp;");
    text.Replace("<", "&lt;");
    text.Replace(">", "&gt;");
    return text;
}
