#include "model/Identifiers.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <string_view>
#include <utility>

namespace
{
// Each name as each language's rule writes it; a name that is an identifier everywhere comes
// out unchanged.
TEST(IdentifiersTest, EachLanguageWritesEachNameAsAnIdentifier)
{
    const struct
    {
        const char* name;
        const char* cSharp;
        const char* cSharpPart;
        const char* pageControl;
        const char* javaScript;
        const char* vbScript;
        const char* xml;
        const char* report;
    } cases[] = {
        {"customer_id", "customer_id", "customer_id", "customer_id", "customer_id", "customer_id",
         "customer_id", "customer_id"},
        {"MixedCase", "MixedCase", "MixedCase", "MixedCase", "MixedCase", "MixedCase", "MixedCase",
         "MixedCase"},
        {"event", "@event", "event", "event_", "event", "event", "event", "event"},
        {"default", "@default", "default", "default_", "default_", "default", "default", "default"},
        {"partial", "partial", "partial", "partial", "partial", "partial", "partial", "partial"},
        {"await", "@await", "await", "await_", "await_", "await", "await", "await"},
        {"var", "var", "var", "var_", "var_", "var", "var", "var"},
        {"function", "function", "function", "function_", "function_", "vfunction", "function",
         "function"},
        {"values", "values", "values", "values_", "values", "values", "values", "values"},
        {"Dim", "Dim", "Dim", "Dim", "Dim", "vDim", "Dim", "Dim"},
        {"a-b", "a_b", "a_b", "a_b", "a_b", "a_b", "a-b", "a_b"},
        {"x--y", "x__y", "x__y", "x__y", "x__y", "x__y", "x--y", "x__y"},
        {"x y", "x_y", "x_y", "x_y", "x_y", "x_y", "x_x0020_y", "x_y"},
        {"q\"x", "q_x", "q_x", "q_x", "q_x", "q_x", "q_x0022_x", "q_x"},
        {"<b>x</b>", "_b_x__b_", "_b_x__b_", "_b_x__b_", "_b_x__b_", "v_b_x__b_",
         "_x003C_b_x003E_x_x003C__x002F_b_x003E_", "r_b_x__b_"},
        {"View & Print", "View___Print", "View___Print", "View___Print", "View___Print",
         "View___Print", "View_x0020__x0026__x0020_Print", "View___Print"},
        {"Orders (all)", "Orders__all_", "Orders__all_", "Orders__all_", "Orders__all_",
         "Orders__all_", "Orders_x0020__x0028_all_x0029_", "Orders__all_"},
        {"2nd page", "_2nd_page", "2nd_page", "_2nd_page", "_2nd_page", "v2nd_page",
         "_x0032_nd_x0020_page", "r2nd_page"},
        {"Été", "Été", "Été", "Été", "Été", "v_t_", "_x00C9_t_x00E9_", "r_t_"},
        {"a€b", "a_b", "a_b", "a_b", "a_b", "a_b", "a_x20AC_b", "a_b"},
        {"", "_", "", "_", "_", "v", "_", "r"},
        {"_x0041_", "_x0041_", "_x0041_", "_x0041_", "_x0041_", "v_x0041_", "_x005F_x0041_",
         "r_x0041_"},
        {"Ab:c.d", "Ab_c_d", "Ab_c_d", "Ab_c_d", "Ab_c_d", "Ab_c_d", "Ab_x003A_c.d", "Ab_c_d"},
        {"a\U0001F600", "a_", "a_", "a_", "a_", "a_", "a_x0001F600_", "a_"},
    };
    for (const auto& each : cases)
    {
        SCOPED_TRACE(each.name);
        EXPECT_EQ(CSharpIdentifier(each.name), each.cSharp);
        EXPECT_EQ(CSharpIdentifierPart(each.name), each.cSharpPart);
        EXPECT_EQ(PageControlId(each.name), each.pageControl);
        EXPECT_EQ(JavaScriptIdentifier(each.name), each.javaScript);
        EXPECT_EQ(VBScriptIdentifier(each.name), each.vbScript);
        EXPECT_EQ(XmlName(each.name), each.xml);
        EXPECT_EQ(ReportName(each.name), each.report);
        EXPECT_EQ(IsCSharpIdentifier(each.name),
                  CString(each.name) == each.cSharp && !CString(each.name).IsEmpty());
    }
}

// Every keyword of the table but "partial" is reserved, and the rule keeps none of them bare.
TEST(IdentifiersTest, NoKeywordIsWrittenBare)
{
    EXPECT_EQ(std::ranges::count_if(cSharpKeywordTable, IsCSharpKeyword), 77);
    for (const std::string_view keyword : cSharpKeywordTable)
    {
        const CString name{std::string(keyword)};
        EXPECT_EQ(CSharpIdentifier(name), keyword == "partial" ? name : "@" + name);
        EXPECT_FALSE(IsCSharpKeyword(PageControlId(name).GetString())) << keyword;
        // A page's control id takes none either, and a longer name is no keyword.
        const bool reserved = keyword != "partial";
        EXPECT_EQ(IsPageIdentifierAsItStands(name), !reserved) << keyword;
        EXPECT_EQ(PageControlId(name), reserved ? name + "_" : name) << keyword;
        for (const CString& longer : {name + "s", name + "_1", "x" + name})
            EXPECT_TRUE(IsPageIdentifierAsItStands(longer)) << longer.GetString();
    }
}

// No word JavaScript reserves is declared bare by a script or stands bare as a control's id.
TEST(IdentifiersTest, NoJavaScriptWordIsWrittenBare)
{
    for (const char* word : JavaScriptReservedWords())
    {
        const CString name(word);
        EXPECT_EQ(JavaScriptIdentifier(name), name + "_") << word;
        EXPECT_EQ(PageControlId(name), name + "_") << word;
        EXPECT_FALSE(IsPageIdentifierAsItStands(name)) << word;
    }
}

// A statement calls a procedure by the name its script creates it under, bare only where SQL
// Server reads it so.
TEST(IdentifiersTest, SqlServerCallsANameBareOnlyWhenItIsARegularIdentifier)
{
    const std::pair<const char*, const char*> cases[] = {
        {"PRC_orders_Delete", "PRC_orders_Delete"},
        {"_x1", "_x1"},
        {"PRC_a-b_Delete", "[PRC_a-b_Delete]"},
        {"order", "[order]"},
        {"2nd", "[2nd]"},
        {"a]b", "[a]]b]"},
        {"Été", "[Été]"},
        {"Find big orders", "Find_big_orders"},
        {"Find big-orders", "[Find_big-orders]"},
    };
    for (const auto& [name, called] : cases)
        EXPECT_EQ(SqlServerCalledName(SqlProcedureName(name)), called) << name;
}
} // namespace
