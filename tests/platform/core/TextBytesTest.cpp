#include "platform/core/TextBytes.h"

#include <gtest/gtest.h>

#include <string>

namespace
{
// Each text, whether it is well-formed UTF-8, and how a message shows it.
TEST(TextBytesTest, MalformedUtf8IsFoundAndShownEscaped)
{
    struct Case
    {
        std::string bytes;
        bool valid;
        std::string shown;
    };
    const Case cases[] = {
        {"", true, ""},
        {"customer_2", true, "customer_2"},
        {"gr\xC3\xB6\xC3\x9F"
         "e",
         true,
         "gr\xC3\xB6\xC3\x9F"
         "e"},
        {"\xE2\x82\xAC \xF0\x9F\x98\x80", true, "\xE2\x82\xAC \xF0\x9F\x98\x80"},
        {"gr\xF6\xDF"
         "e",
         false, "gr\\xF6\\xDFe"},
        {"\x80", false, "\\x80"},
        {"\xC0\xAF", false, "\\xC0\\xAF"},
        {"\xE0\x80\xAF", false, "\\xE0\\x80\\xAF"},
        {"\xED\xA0\x80", false, "\\xED\\xA0\\x80"},
        {"\xF4\x90\x80\x80", false, "\\xF4\\x90\\x80\\x80"},
        {"\xE2\x82", false, "\\xE2\\x82"},
        {std::string("a\0b\tc\x7F", 6), true, "a\\x00b\\x09c\\x7F"},
    };
    for (const Case& each : cases)
    {
        SCOPED_TRACE(each.shown);
        EXPECT_EQ(each.valid, IsValidUtf8(each.bytes));
        EXPECT_EQ(each.shown, PrintableBytes(each.bytes));
    }
}
} // namespace
