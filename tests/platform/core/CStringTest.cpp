#include "platform/core/CString.h"

#include <gtest/gtest.h>

#include <compare>
#include <cstring>
#include <string>
#include <unordered_set>
#include <vector>

namespace
{

const CString withNul("a\0b", 3);

TEST(CStringTest, ConstructionKeepsEmbeddedNulsAndTreatsNullAsEmpty)
{
    EXPECT_TRUE(CString(static_cast<const char*>(nullptr)).IsEmpty());
    EXPECT_TRUE(CString(nullptr, 5).IsEmpty());
    EXPECT_TRUE(CString("abc", -1).IsEmpty());
    EXPECT_EQ(withNul.GetLength(), 3);
    EXPECT_EQ(withNul[2], 'b');
    EXPECT_EQ(CString('x', 3), "xxx");
    EXPECT_TRUE(CString('x', -2).IsEmpty());
    EXPECT_EQ(std::string(withNul).size(), 3u);
}

TEST(CStringTest, CharacterAccessOutOfRangeIsHarmless)
{
    CString s("abc");
    EXPECT_EQ(s.GetAt(-1), '\0');
    EXPECT_EQ(s[3], '\0');
    s.SetAt(3, 'z');
    s.SetAt(-1, 'z');
    s.SetAt(1, 'B');
    EXPECT_EQ(s, "aBc");
}

TEST(CStringTest, ExtractionClampsToTheString)
{
    const CString s("hello");
    EXPECT_EQ(s.Left(-1), "");
    EXPECT_EQ(s.Left(2), "he");
    EXPECT_EQ(s.Left(99), "hello");
    EXPECT_EQ(s.Mid(-3), "hello");
    EXPECT_EQ(s.Mid(4), "o");
    EXPECT_EQ(s.Mid(5), "");
    EXPECT_EQ(s.Mid(9), "");
    EXPECT_EQ(s.Mid(1, 3), "ell");
    EXPECT_EQ(s.Mid(3, 99), "lo");
    EXPECT_EQ(s.Mid(1, -1), "");
    EXPECT_EQ(s.Mid(9, 2), "");
    EXPECT_EQ(s.Right(0), "");
    EXPECT_EQ(s.Right(2), "lo");
    EXPECT_EQ(s.Right(99), "hello");
    EXPECT_EQ(s.Right(-1), "");
}

TEST(CStringTest, FindAtBoundaries)
{
    const CString s("abcabc");
    EXPECT_EQ(s.Find('c'), 2);
    EXPECT_EQ(s.Find('c', 3), 5);
    EXPECT_EQ(s.Find('c', 6), -1);
    EXPECT_EQ(s.Find('c', 60), -1);
    EXPECT_EQ(s.Find('a', -5), 0);
    EXPECT_EQ(s.Find('z'), -1);
    EXPECT_EQ(s.Find("bc", 2), 4);
    EXPECT_EQ(s.Find("bcd"), -1);
    EXPECT_EQ(s.Find("c", 7), -1);
    EXPECT_EQ(s.Find(""), 0);
    EXPECT_EQ(s.Find("", 6), 6);
    EXPECT_EQ(withNul.Find('b'), 2);
    EXPECT_EQ(s.ReverseFind('a'), 3);
    EXPECT_EQ(s.ReverseFind('z'), -1);
    EXPECT_EQ(CString().ReverseFind('a'), -1);
    EXPECT_EQ(s.FindOneOf("xc"), 2);
    EXPECT_EQ(s.FindOneOf(""), -1);
    EXPECT_EQ(s.FindOneOf("xyz"), -1);
}

TEST(CStringTest, ReplaceCountsNonOverlappingMatchesLeftToRight)
{
    CString s("aaaa");
    EXPECT_EQ(s.Replace("aa", "b"), 2);
    EXPECT_EQ(s, "bb");
    s = "aaa";
    EXPECT_EQ(s.Replace("aa", "b"), 1);
    EXPECT_EQ(s, "ba");
    s = "aXa";
    EXPECT_EQ(s.Replace("a", "aa"), 2);
    EXPECT_EQ(s, "aaXaa");
    EXPECT_EQ(s.Replace("", "z"), 0);
    EXPECT_EQ(s.Replace("X", nullptr), 1);
    EXPECT_EQ(s, "aaaa");
    EXPECT_EQ(s.Replace('a', 'b'), 4);
    EXPECT_EQ(s.Replace('b', 'b'), 0);
    EXPECT_EQ(s, "bbbb");
}

TEST(CStringTest, RemoveReturnsTheCount)
{
    CString s("a,b,,c");
    EXPECT_EQ(s.Remove(','), 3);
    EXPECT_EQ(s, "abc");
    EXPECT_EQ(s.Remove('z'), 0);
}

TEST(CStringTest, InsertAndDeleteClampPositions)
{
    CString s("bd");
    EXPECT_EQ(s.Insert(-4, 'a'), 3);
    EXPECT_EQ(s.Insert(2, 'c'), 4);
    EXPECT_EQ(s.Insert(99, "ef"), 6);
    EXPECT_EQ(s.Insert(0, nullptr), 6);
    EXPECT_EQ(s, "abcdef");
    EXPECT_EQ(s.Delete(99), 6);
    EXPECT_EQ(s.Delete(2, -1), 6);
    EXPECT_EQ(s.Delete(-1), 5);
    EXPECT_EQ(s, "bcdef");
    EXPECT_EQ(s.Delete(3, 99), 3);
    EXPECT_EQ(s, "bcd");
    EXPECT_EQ(s.Delete(1), 2);
    EXPECT_EQ(s, "bd");
}

TEST(CStringTest, CaseChangesFoldAsciiOnly)
{
    CString s("ab\xE4Z1_");
    EXPECT_EQ(s.MakeUpper(), "AB\xE4Z1_");
    EXPECT_EQ(s.MakeLower(), "ab\xE4z1_");
    EXPECT_EQ(s.MakeReverse(), "_1z\xE4"
                               "ba");
}

TEST(CStringTest, TrimWhitespaceCharactersAndSets)
{
    CString s(" \t\r\n x y \v\f");
    EXPECT_EQ(CString(s).TrimLeft(), "x y \v\f");
    EXPECT_EQ(CString(s).TrimRight(), " \t\r\n x y");
    EXPECT_EQ(s.Trim(), "x y");
    EXPECT_EQ(CString("--a-b--").TrimLeft('-'), "a-b--");
    EXPECT_EQ(CString("--a-b--").TrimRight('-'), "--a-b");
    EXPECT_EQ(CString("--a-b--").Trim('-'), "a-b");
    EXPECT_EQ(CString("[(a)]").Trim("[()]"), "a");
    EXPECT_EQ(CString("xyx").TrimLeft("yx"), "");
    EXPECT_EQ(CString("xyx").TrimRight("yx"), "");
    EXPECT_EQ(CString(" a ").Trim(""), " a ");
    EXPECT_EQ(CString(" a ").Trim(nullptr), " a ");
}

TEST(CStringTest, SpanStopsAtTheFirstByteOutsideOrInsideTheSet)
{
    const CString s("123abc;d");
    EXPECT_EQ(s.SpanIncluding("0123456789"), "123");
    EXPECT_EQ(s.SpanIncluding("xyz"), "");
    EXPECT_EQ(s.SpanIncluding(""), "");
    EXPECT_EQ(s.SpanExcluding(";,"), "123abc");
    EXPECT_EQ(s.SpanExcluding("!"), s);
    EXPECT_EQ(s.SpanExcluding(""), s);
}

TEST(CStringTest, CompareUsesUnsignedByteOrder)
{
    EXPECT_EQ(CString("abc").Compare("abd"), -1);
    EXPECT_EQ(CString("abc").Compare("ab"), 1);
    EXPECT_EQ(CString("abc").Compare("abc"), 0);
    EXPECT_EQ(CString("\x80").Compare("a"), 1);
    EXPECT_EQ(CString("").Compare(nullptr), 0);
    EXPECT_EQ(CString("B").Collate("a"), -1);
    EXPECT_EQ(withNul.Compare("a"), 1);
}

TEST(CStringTest, CompareNoCaseFoldsAsciiLettersToLower)
{
    EXPECT_EQ(CString("HeLLo").CompareNoCase("hello"), 0);
    EXPECT_EQ(CString("abc").CompareNoCase("ABD"), -1);
    EXPECT_EQ(CString("abcd").CompareNoCase("ABC"), 1);
    // '_' lies between the upper- and lower-case letters.
    EXPECT_EQ(CString("_").CompareNoCase("A"), -1);
    EXPECT_EQ(CString("[").CompareNoCase("{"), -1);
    EXPECT_NE(CString("\xE4").CompareNoCase("\xC4"), 0);
    EXPECT_EQ(CString("\xE4").CompareNoCase("a"), 1);
}

TEST(CStringTest, CompareNoCaseOrdersAsTheFoldedBytes)
{
    // Every pair of strings of up to two of these characters against the folded byte order.
    std::vector<std::string> texts{""};
    for (std::size_t from = 0; texts[from].size() < 2; ++from)
        for (const char ch : {'a', 'A', 'z', 'Z', '_', '\xE4', '\xC4'})
            texts.push_back(texts[from] + ch);
    const auto folded = [](std::string text)
    {
        for (char& ch : text)
            ch = ch >= 'A' && ch <= 'Z' ? static_cast<char>(ch - 'A' + 'a') : ch;
        return std::vector<unsigned char>(text.begin(), text.end());
    };
    for (const std::string& a : texts)
        for (const std::string& b : texts)
        {
            const auto order = folded(a) <=> folded(b);
            const int expected = order < 0 ? -1 : (order > 0 ? 1 : 0);
            ASSERT_EQ(CString(a).CompareNoCase(CString(b)), expected) << a << " " << b;
        }
}

TEST(CStringTest, BufferLengthComesFromTheFirstNulOrTheGivenLength)
{
    CString s("old text");
    std::strcpy(s.GetBuffer(20), "hi");
    EXPECT_GE(s.GetLength(), 20);
    s.ReleaseBuffer();
    EXPECT_EQ(s, "hi");
    EXPECT_EQ(s.GetLength(), 2);

    char* buffer = s.GetBuffer(0);
    EXPECT_EQ(buffer[1], 'i');
    buffer[1] = 'o';
    s.ReleaseBuffer(99);
    EXPECT_EQ(s, "ho");
    s.GetBuffer(4);
    s.ReleaseBuffer(1);
    EXPECT_EQ(s, "h");
}

TEST(CStringTest, ConcatenationInEveryCombination)
{
    const CString b("b");
    EXPECT_EQ(b + CString("c"), "bc");
    EXPECT_EQ(b + "c", "bc");
    EXPECT_EQ("a" + b, "ab");
    EXPECT_EQ(b + 'c', "bc");
    EXPECT_EQ('a' + b, "ab");
    EXPECT_EQ(withNul + withNul, CString("a\0ba\0b", 6));
    CString s;
    s += b;
    s += "c";
    s += 'd';
    s += static_cast<const char*>(nullptr);
    EXPECT_EQ(s, "bcd");
    s = 'x';
    EXPECT_EQ(s, "x");
    s = static_cast<const char*>(nullptr);
    EXPECT_TRUE(s.IsEmpty());
}

TEST(CStringTest, ComparisonOperatorsOnEitherSide)
{
    const CString b("b");
    EXPECT_TRUE(b == "b");
    EXPECT_TRUE("b" == b);
    EXPECT_TRUE(b != "a");
    EXPECT_TRUE("a" != b);
    EXPECT_TRUE(b > "a");
    EXPECT_TRUE("a" < b);
    EXPECT_TRUE(b <= "b");
    EXPECT_TRUE("c" >= b);
    EXPECT_TRUE(b < CString("c"));
    EXPECT_FALSE(withNul == "a");
    EXPECT_TRUE(withNul > "a");
    EXPECT_TRUE(CString("\xFF") > CString("a"));
}

TEST(CStringTest, HashAgreesWithEquality)
{
    std::unordered_set<CString> set{CString("a"), withNul};
    EXPECT_EQ(set.count(CString("a\0b", 3)), 1u);
    EXPECT_EQ(set.count(CString("a")), 1u);
    EXPECT_EQ(set.count(CString("b")), 0u);
}

TEST(CStringTest, FormatReplacesTheContent)
{
    CString s("old");
    s.Format("%s-%d-%s", s, 7, withNul);
    EXPECT_EQ(s, CString("old-7-a\0b", 9));
}

} // namespace
