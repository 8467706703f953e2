#include "platform/core/LiteralEscaping.h"

#include <gtest/gtest.h>

#include <string>

// Each text as the inside of a C# and of a JavaScript string literal: the line ends beyond ASCII
// become \u escapes in both, as the bytes below 0x20 become escapes; both angle brackets are
// hexed in scripts, which stand in pages.
TEST(LiteralEscapingTest, StringLiteralsOfCSharpAndJavaScript)
{
    const struct
    {
        std::string text;
        std::string cSharp;
        std::string javaScript;
    } cases[] = {
        {"plain text", "plain text", "plain text"},
        {"\"'\\", "\\\"'\\\\", "\\\"\\'\\\\"},
        {"a\r\nb\tc\x01", "a\\r\\nb\\tc\\u0001", "a\\r\\nb\\tc\\x01"},
        {"</script><%=7*7%>", "</script><%=7*7%>", "\\x3c/script\\x3e\\x3c%=7*7%\\x3e"},
        {"a\xE2\x80\xA8"
         "b\xE2\x80\xA9"
         "c\xC2\x85"
         "d",
         "a\\u2028b\\u2029c\\u0085d", "a\\u2028b\\u2029c\\u0085d"},
        // Other characters beyond ASCII stay as they are, a bidirectional format among them.
        {"\xC3\xA9\xE2\x80\xAE\xC2\xA0", "\xC3\xA9\xE2\x80\xAE\xC2\xA0",
         "\xC3\xA9\xE2\x80\xAE\xC2\xA0"},
        // A lone lead byte is no line end.
        {"x\xE2\x80", "x\xE2\x80", "x\xE2\x80"},
    };
    for (const auto& each : cases)
    {
        EXPECT_EQ(each.cSharp, EscapeCSharpString(CString(each.text)).str()) << each.text;
        EXPECT_EQ(each.javaScript, EscapeJavaScriptString(CString(each.text)).str()) << each.text;
    }
}
