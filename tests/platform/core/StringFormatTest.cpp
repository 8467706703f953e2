#include "platform/core/StringFormat.h"

#include "platform/core/CString.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

namespace
{

enum class Colour : short
{
    Red = 3,
};

// The FormatError message of a failing call, or "" when it does not fail.
template <typename... Args> std::string errorOf(const char* format, const Args&... args)
{
    try
    {
        FormatString(format, args...);
    }
    catch (const FormatError& error)
    {
        return error.what();
    }
    return "";
}

TEST(StringFormatTest, FlagsWidthAndPrecision)
{
    EXPECT_EQ(FormatString("[%-5d|%5d]", 42, 42), "[42   |   42]");
    EXPECT_EQ(FormatString("%+d % d %05d", 5, 5, -42), "+5  5 -0042");
    EXPECT_EQ(FormatString("%#x %#o %#X", 255, 8, 255), "0xff 010 0XFF");
    EXPECT_EQ(FormatString("%.3d|%8.3f|%-8.2e|", 7, 3.14159, 1234.5), "007|   3.142|1.23e+03|");
    EXPECT_EQ(FormatString("%g %G %E", 0.0001, 1e-10, 2.5), "0.0001 1E-10 2.500000E+00");
    EXPECT_EQ(FormatString("[%6s|%-6s|%.2s]", "abc", CString("de"), std::string("fgh")),
              "[   abc|de    |fg]");
}

TEST(StringFormatTest, StarTakesWidthAndPrecisionFromArguments)
{
    EXPECT_EQ(FormatString("[%*d]", 5, 42), "[   42]");
    EXPECT_EQ(FormatString("[%*d]", -5, 42), "[42   ]");
    EXPECT_EQ(FormatString("[%.*f]", 2, 1.5), "[1.50]");
    EXPECT_EQ(FormatString("[%*.*s]", 4, 2, "abc"), "[  ab]");
    EXPECT_EQ(FormatString("[%.*s]", -1, "abc"), "[abc]");
    EXPECT_NE(errorOf("%*d", 1.5, 2).find("argument 1 is a floating-point number"),
              std::string::npos);
    EXPECT_NE(errorOf("%*d", 5000000000LL, 2).find("out of range"), std::string::npos);
}

TEST(StringFormatTest, LengthModifiersSetTheIntegerWidth)
{
    const long long big = 1LL << 40;
    EXPECT_EQ(FormatString("%I64d %lld %d", big, big, big),
              "1099511627776 1099511627776 1099511627776");
    EXPECT_EQ(FormatString("%I64u", -1), "18446744073709551615");
    EXPECT_EQ(FormatString("%I64x", 255u), "ff");
    EXPECT_EQ(FormatString("%u %x", -1, -1), "4294967295 ffffffff");
    EXPECT_EQ(FormatString("%hx %hd %hhd %hhu", -1, 70000, 300, -1), "ffff 4464 44 255");
    EXPECT_EQ(FormatString("%ld %lu", -2, 3u), "-2 3");
    EXPECT_EQ(FormatString("%d", 4294967295u), "-1");
}

TEST(StringFormatTest, ArgumentKinds)
{
    EXPECT_EQ(FormatString("%d %d %u", Colour::Red, true, static_cast<unsigned char>(200)),
              "3 1 200");
    EXPECT_EQ(FormatString("%c%c[%3c]", 'A', 66, 'C'), "AB[  C]");
    EXPECT_EQ(FormatString("%f", 0.5f), "0.500000");
    EXPECT_EQ(FormatString("%s", CString("a\0b", 3)), std::string("a\0b", 3));
    int value = 0;
    char expected[64];
    std::snprintf(expected, sizeof expected, "%p", static_cast<void*>(&value));
    EXPECT_EQ(FormatString("%p", &value), expected);
}

TEST(StringFormatTest, PercentAndPlainText)
{
    EXPECT_EQ(FormatString("100%%"), "100%");
    EXPECT_EQ(FormatString("%d%%%s", 5, "!"), "5%!");
    EXPECT_EQ(FormatString(""), "");
}

TEST(StringFormatTest, ArgumentsTheFormatDoesNotUseAreIgnored)
{
    EXPECT_EQ(FormatString("%d", 1, 2, 3), "1");
    EXPECT_EQ(FormatString("100%%", "x"), "100%");
    CString text;
    text.Format("[%-5s]", "x", 7);
    EXPECT_EQ(text, "[x    ]");
}

TEST(StringFormatTest, NullStringWritesNothing)
{
    const char* none = nullptr;
    EXPECT_EQ(FormatString("[%s]", none), "[]");
    EXPECT_EQ(FormatString("[%3s]", none), "[   ]");
}

TEST(StringFormatTest, EachKindMismatchThrows)
{
    int value = 0;
    EXPECT_THROW(FormatString("%d", 1.0), FormatError);
    EXPECT_THROW(FormatString("%x", "1"), FormatError);
    EXPECT_THROW(FormatString("%u", &value), FormatError);
    EXPECT_THROW(FormatString("%c", "c"), FormatError);
    EXPECT_THROW(FormatString("%f", 1), FormatError);
    EXPECT_THROW(FormatString("%g", "1.0"), FormatError);
    EXPECT_THROW(FormatString("%s", 1), FormatError);
    EXPECT_THROW(FormatString("%s", &value), FormatError);
    EXPECT_THROW(FormatString("%p", "x"), FormatError);
    EXPECT_THROW(FormatString("%p", 1), FormatError);
}

TEST(StringFormatTest, ErrorsNameTheConversionAndArgument)
{
    EXPECT_NE(errorOf("ab %d %d", 1, "x").find("offset 6: argument 2 is a string, %d needs"),
              std::string::npos);
    EXPECT_NE(errorOf("%s and %s", "x").find("offset 7: argument 2 (value) is missing"),
              std::string::npos);
    EXPECT_NE(errorOf("x%q", 1).find("offset 1: unknown conversion 'q'"), std::string::npos);
    EXPECT_NE(errorOf("%5").find("incomplete"), std::string::npos);
    EXPECT_NE(errorOf("%ll").find("incomplete"), std::string::npos);
    EXPECT_NE(errorOf("%I32d", 1).find("unknown conversion 'I'"), std::string::npos);
    EXPECT_NE(errorOf("%99999999999d", 1).find("too large"), std::string::npos);
    EXPECT_THROW(FormatPrintf(nullptr, {}), FormatError);
}

TEST(StringFormatTest, LongOutputIsIntact)
{
    const std::string text(150000, 'x');
    const std::string result = FormatString("<%s|%s>", text, CString(text));
    EXPECT_EQ(result, "<" + text + "|" + text + ">");

    const std::string padded = FormatString("%120000d|%.110000f", 7, 1.0);
    ASSERT_EQ(padded.size(), 120000u + 1 + 2 + 110000);
    EXPECT_EQ(padded.substr(119998, 5), " 7|1.");
    EXPECT_EQ(padded.find_first_not_of('0', 120003), std::string::npos);
}

} // namespace
