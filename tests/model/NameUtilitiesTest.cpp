#include "model/NameUtilities.h"

#include <gtest/gtest.h>

TEST(MakeCaptionTest, SplitsWordsAtUnderscoresAndCapitals)
{
    EXPECT_STREQ("Customer Name", MakeCaption("customer_name"));
    EXPECT_STREQ("Order Date", MakeCaption("orderDate"));
    EXPECT_STREQ("X Y", MakeCaption("x_y"));
    EXPECT_STREQ("Order Line Item", MakeCaption("OrderLine_item"));
}

TEST(MakeCaptionTest, NameWithoutLowerCaseStaysUnchanged)
{
    EXPECT_STREQ("CUSTOMER_ID", MakeCaption("CUSTOMER_ID"));
    EXPECT_STREQ("_A1", MakeCaption("_A1"));
    EXPECT_STREQ("", MakeCaption(""));
}

TEST(MakeCaptionTest, EachCapitalNotAfterUnderscoreGetsABlank)
{
    EXPECT_STREQ("A B Cdef", MakeCaption("ABCdef"));
    EXPECT_STREQ("Order I D", MakeCaption("orderID"));
    EXPECT_STREQ("Order Date", MakeCaption("order_Date"));
    EXPECT_STREQ("Order  Date", MakeCaption("order__date"));
}

TEST(MakeCaptionTest, DigitsAndOtherCharactersStay)
{
    EXPECT_STREQ("Line2 Total", MakeCaption("line2_total"));
    EXPECT_STREQ("Item 2nd", MakeCaption("item_2nd"));
    EXPECT_STREQ("_Name", MakeCaption("_name"));
    EXPECT_STREQ("Price$ Usd", MakeCaption("price$_usd"));
}

TEST(HasLowerCaseTest, OnlyAsciiLowerCaseLettersCount)
{
    EXPECT_TRUE(HasLowerCase("ABc"));
    EXPECT_FALSE(HasLowerCase("ABC_12"));
    EXPECT_FALSE(HasLowerCase(""));
    EXPECT_FALSE(HasLowerCase("\xE4\xF6"));
}

TEST(IsSqlKeywordTest, ListedWordsInAnyCase)
{
    EXPECT_TRUE(IsSqlKeyword("select"));
    EXPECT_TRUE(IsSqlKeyword("SELECT"));
    EXPECT_TRUE(IsSqlKeyword("SeLeCt"));
    EXPECT_TRUE(IsSqlKeyword("absolute"));
    EXPECT_TRUE(IsSqlKeyword("zone"));
    EXPECT_TRUE(IsSqlKeyword("end-exec"));
    EXPECT_TRUE(IsSqlKeyword("Current_Timestamp"));
    EXPECT_TRUE(IsSqlKeyword("distinct"));
    EXPECT_TRUE(IsSqlKeyword("prepare"));
}

TEST(IsSqlKeywordTest, MisspelledEntriesAreTheOnesListed)
{
    EXPECT_TRUE(IsSqlKeyword("alise"));
    EXPECT_FALSE(IsSqlKeyword("alias"));
    EXPECT_TRUE(IsSqlKeyword("roleup"));
    EXPECT_FALSE(IsSqlKeyword("rollup"));
    EXPECT_TRUE(IsSqlKeyword("traling"));
    EXPECT_FALSE(IsSqlKeyword("trailing"));
}

TEST(IsSqlKeywordTest, ComparisonIsExactIncludingBlanks)
{
    EXPECT_FALSE(IsSqlKeyword("unnest"));
    EXPECT_TRUE(IsSqlKeyword("unnest "));
    EXPECT_FALSE(IsSqlKeyword("select "));
    EXPECT_FALSE(IsSqlKeyword(" select"));
    EXPECT_FALSE(IsSqlKeyword("selects"));
    EXPECT_FALSE(IsSqlKeyword(""));
    EXPECT_FALSE(IsSqlKeyword("customer"));
}

TEST(ProjectFileExtensionTest, IsWvt)
{
    EXPECT_STREQ("wvt", GetProjectFileExtension());
}
