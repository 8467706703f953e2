#include "gen_classic/PageLinkWriter.h"

#include "tests/gen_classic/ClassicPageFixture.h"

#include <gtest/gtest.h>

namespace
{
TEST(PageLinkWriterTest, RowsHoldTheColumnCountOfLinksAtMost)
{
    struct Case
    {
        int links;
        int columns;
        std::vector<std::size_t> rows;
    };
    const Case cases[] = {
        {5, 2, {2, 2, 1}}, {4, 2, {2, 2}},    {1, 3, {1}},
        {0, 2, {}},        {3, 0, {1, 1, 1}}, {2, -4, {1, 1}},
    };
    for (const Case& c : cases)
    {
        ClassicPageFixture page;
        for (int i = 0; i < c.links; ++i)
            page.Page().AddPreLink(ClassicPageFixture::NewLink("L", nullptr, LinkControl::Left));
        page.Page().AddPreLink(nullptr);
        PageLinkWriter::Rows rows{{nullptr}};
        PageLinkWriter::BuildLinkRows(rows, page.Page(), /*pre=*/true, c.columns);
        std::vector<std::size_t> sizes;
        for (const auto& row : rows)
            sizes.push_back(row.size());
        EXPECT_EQ(c.rows, sizes) << c.links << " in " << c.columns;
        PageLinkWriter::BuildLinkRows(rows, page.Page(), /*pre=*/false, c.columns);
        EXPECT_TRUE(rows.empty());
    }
}

TEST(PageLinkWriterTest, WritesTheLinksOfEachSideInRowsOfItsColumnCount)
{
    ClassicPageFixture page;
    Menu* edit = page.AddMenu("Edit", page.File(3));
    Menu* nowhere = page.AddMenu("Nowhere", nullptr);
    Variable* key = page.MapVariable(page.Key(), "ordersId");
    Variable* name = page.MapVariable(page.AddField("name", FieldTypeVarchar), "nameVar");
    Variable* targetKey = page.MapVariable(nullptr, "editId");
    Variable* targetName = page.MapVariable(nullptr, "editName");

    LinkControl* one = ClassicPageFixture::NewLink("One", edit, LinkControl::Left);
    one->AddVariableMap(new LinkVariableMap{key, targetKey});
    LinkControl* two = ClassicPageFixture::NewLink("Two", edit, LinkControl::Right);
    two->AddVariableMap(new LinkVariableMap{key, targetKey});
    two->AddVariableMap(nullptr);
    two->AddVariableMap(new LinkVariableMap{name, targetName});
    page.Page().AddPreLink(one);
    page.Page().AddPreLink(two);
    page.Page().AddPreLink(ClassicPageFixture::NewLink("Plain", edit, LinkControl::Center));
    page.Page().SetPreLinkColumnCount(2);
    page.Page().AddPostLink(ClassicPageFixture::NewLink("Lost", nowhere, LinkControl::Left));
    page.Page().SetPostLinkColumnCount(3);

    TextFile out = Collector();
    PageLinkWriter writer;
    writer.WriteLinkTable(/*pre=*/true, page.Page(), out, 0);
    writer.WriteLinkTable(/*pre=*/false, page.Page(), out, 1);
    EXPECT_EQ(
        CString("\t\t\t\t<TABLE align=\"center\" width=\"98%\" ID=\"Table1\">\n"
                "\t\t\t\t\t<TR>\n"
                "\t\t\t\t\t\t<TD align = \"left\"> <a href = \"../../BaseModule/orders_upd.asp"
                "?ordersId=<%=Server.URLEncode(editId & \"\")%>\" class=\"Link6\"> One </a> </TD>\n"
                "\t\t\t\t\t\t<TD align = \"Right\"> <a href = \"../../BaseModule/orders_upd.asp"
                "?ordersId=<%=Server.URLEncode(editId & \"\")%>&nameVar=<%=Server.URLEncode("
                "editName & \"\")%>\" class=\"Link6\"> Two </a> </TD>\n"
                "\t\t\t\t\t</TR>\n"
                "\t\t\t\t\t<TR>\n"
                "\t\t\t\t\t\t<TD align = \"center\"> <a href = \"../../BaseModule/"
                "orders_upd.asp?\" class=\"Link6\"> Plain </a> </TD>\n"
                "\t\t\t\t\t</TR>\n"
                "\t\t\t\t</TABLE>\n"
                "\t\t\t\t\t<TABLE align=\"center\" width=\"98%\" ID=\"Table1\">\n"
                "\t\t\t\t\t\t<TR>\n"
                "\t\t\t\t\t\t\t<TD align = \"left\"> <a href = \"?\" class=\"Link6\"> Lost "
                "</a> </TD>\n"
                "\t\t\t\t\t\t</TR>\n"
                "\t\t\t\t\t</TABLE>\n"),
        out.GetBuffer());

    ClassicPageFixture bare;
    TextFile none = Collector();
    writer.WriteLinkTable(/*pre=*/false, bare.Page(), none, 0);
    EXPECT_TRUE(none.GetBuffer().IsEmpty());
}
} // namespace
