#include "model/NameUtilities.h"

#include <gtest/gtest.h>

#include <utility>

TEST(MakeCaptionTest, SplitsWordsAtUnderscoresAndCapitalsUnlessTheNameHasNoLowerCase)
{
    const std::pair<const char*, const char*> cases[] = {{"customer_name", "Customer Name"},
                                                         {"orderDate", "Order Date"},
                                                         {"OrderLine_item", "Order Line Item"},
                                                         {"x_y", "X Y"},
                                                         {"CUSTOMER_ID", "CUSTOMER_ID"},
                                                         {"_A1", "_A1"},
                                                         {"", ""},
                                                         {"ABCdef", "A B Cdef"},
                                                         {"orderID", "Order I D"},
                                                         {"order_Date", "Order Date"},
                                                         {"order__date", "Order  Date"},
                                                         {"line2_total", "Line2 Total"},
                                                         {"item_2nd", "Item 2nd"},
                                                         {"_name", "_Name"},
                                                         {"price$_usd", "Price$ Usd"}};
    for (const auto& [name, caption] : cases)
        EXPECT_STREQ(caption, MakeCaption(name)) << name;
}

TEST(HasLowerCaseTest, OnlyAsciiLowerCaseLettersCount)
{
    EXPECT_TRUE(HasLowerCase("ABc"));
    EXPECT_FALSE(HasLowerCase("ABC_12"));
    EXPECT_FALSE(HasLowerCase(""));
    EXPECT_FALSE(HasLowerCase("\xE4\xF6"));
}

TEST(IsSqlKeywordTest, ListedWordsInAnyCaseButOtherwiseExactIncludingMisspellingsAndBlanks)
{
    const std::pair<const char*, bool> cases[] = {
        {"select", true},   {"SeLeCt", true},   {"absolute", true},
        {"zone", true},     {"end-exec", true}, {"Current_Timestamp", true},
        {"alise", true},    {"alias", false},   {"roleup", true},
        {"rollup", false},  {"traling", true},  {"trailing", false},
        {"unnest ", true},  {"unnest", false},  {"select ", false},
        {" select", false}, {"selects", false}, {"", false},
        {"customer", false}};
    for (const auto& [word, keyword] : cases)
        EXPECT_EQ(keyword, IsSqlKeyword(word)) << '"' << word << '"';
}

TEST(ProjectFileExtensionTest, IsWvt)
{
    EXPECT_STREQ("wvt", GetProjectFileExtension());
}

TEST(NameChecksTest, EachCharacterClassAgainstTheFieldAndMenuSets)
{
    struct Case
    {
        const char* text;
        bool special;
        bool menuSpecial;
        bool blanks;
        bool digitFirst;
    };
    const Case cases[] = {
        {"Order_Line", false, false, false, false},
        {"a-b:c_d", false, true, false, false},
        {"a b", false, false, true, false},
        {"a\tb", true, true, true, false},
        {"a\nb", true, true, false, false},
        {"a\x7f", true, true, false, false},
        {"9lives", false, false, false, true},
        {"caf\xE9", false, false, false, false},
        {"a.b", true, true, false, false},
        {"x@y", true, true, false, false},
        {"[x]", true, true, false, false},
        {"a`b", true, true, false, false},
        {"{x}", true, true, false, false},
        {"~", true, true, false, false},
        {"!", true, true, false, false},
        {"/", true, true, false, false},
        {";", true, true, false, false},
        {"", false, false, false, false},
    };
    for (const Case& c : cases)
    {
        EXPECT_EQ(c.special, HasSpecialCharacters(c.text)) << c.text;
        EXPECT_EQ(c.menuSpecial, HasMenuSpecialCharacters(c.text)) << c.text;
        EXPECT_EQ(c.blanks, HasBlanks(c.text)) << c.text;
        EXPECT_EQ(c.digitFirst, StartsWithDigit(c.text)) << c.text;
    }
}

TEST(NameChecksTest, EveryPrintableAsciiCharacterFallsInTheSetItBelongsTo)
{
    const CString refused = "!\"#$%&'()*+,./;<=>?@[\\]^`{|}~";
    for (int c = 0x20; c < 0x7F; ++c)
    {
        const CString text(static_cast<char>(c), 1);
        EXPECT_EQ(refused.Find(static_cast<char>(c)) >= 0, HasSpecialCharacters(text)) << c;
        EXPECT_EQ(refused.Find(static_cast<char>(c)) >= 0 || c == '-',
                  HasMenuSpecialCharacters(text))
            << c;
    }
}

TEST(RefuseReadFieldNameTest, LineBreaksSeparatorsAndQuotesAreRefusedBlanksTaken)
{
    const struct
    {
        const char* name;
        const char* refusal;
    } cases[] = {
        {"customer", ""},
        {"full name", ""},
        {"Prix_€", ""},
        {"", "it is empty"},
        {"line\nbreak", "it holds control characters"},
        {"tab\there", "it holds control characters"},
        {"bad\xC3", "it holds bytes that are not UTF-8 text"},
        {"a/b", "it holds a path separator"},
        {"a\\b", "it holds a path separator"},
        {"x]y", "it holds a quoting character"},
        {"[x", "it holds a quoting character"},
        {"say\"so", "it holds a quoting character"},
        {"O'Brien", "it holds a quoting character"},
        {"back`tick", "it holds a quoting character"},
    };
    for (const auto& each : cases)
        EXPECT_EQ(RefuseReadFieldName(each.name), each.refusal) << each.name;
}
