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
