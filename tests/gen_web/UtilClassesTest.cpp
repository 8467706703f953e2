#include "gen_web/ASPXMenuWriter.h"
#include "gen_web/ProjectWriterSet.h"
#include "model/TextFile.h"

#include "tests/gen_web/ControlRuns.h"
#include "tests/gen_web/GenWebProject.h"
#include "tests/gen_web/GoldenFiles.h"
#include "tests/gen_web/ShopProject.h"
#include "tests/gen_web/UtilLibrary.h"

#include <gtest/gtest.h>

#include <string>

namespace
{
namespace fs = std::filesystem;

// Written through the driver's writer set, the Util classes compile without a warning, and a
// C# program that runs them under mono finds every answer it expects: dates with short and
// long years, quote doubling, the number check, password hashes, list filling, XML answers
// that parse, and upload names refused for each character of the runs that the program's own
// name rule holds as control characters.
TEST(UtilClasses, CompileAndAnswerAsExpectedUnderMono)
{
    ShopProject shop;
    ProjectWriterSet writers(shop.Project(), shop.Report());
    WriteUtilClasses(writers);
    ASSERT_TRUE(shop.Report().IsEmpty()) << shop.Report().GetText();
    const fs::path util = shop.ApplicationFolder() / "Util";
    EXPECT_EQ(GoldenBytes("DBHandler.cs"), ReadHostFile(util / "DBHandler.cs"));

    const ToolResult library = CompileUtilLibrary(shop.ApplicationFolder());
    ASSERT_EQ(0, library.exitCode) << library.output;
    const fs::path program = util / "UtilClassesCheck.exe";
    const ToolResult check =
        RunTool("mcs -out:" + ShellQuoted(program) + " -r:" + ShellQuoted(util / "Util.dll") +
                " -r:System.Data -r:System.Web -r:System.Xml " +
                ShellQuoted(GoldenPath("UtilClassesCheck.cs")));
    ASSERT_EQ(0, check.exitCode) << check.output;
    // The runs of control characters are the program's own, of its name rule.
    const ToolResult run = RunTool("mono " + ShellQuoted(program) + " " + ControlRunsText(" "));
    EXPECT_EQ(0, run.exitCode) << run.output;
    EXPECT_EQ("all checks passed\n", run.output);
}

// Without any page that has a top menu, Menus.cs still declares both tables, the resolution
// table holding only the "Menus Not Required" row.
TEST(UtilClasses, MenusCompileWithoutAnyTopMenu)
{
    GenWebProject fixture;
    ASPXMenuWriter(&fixture.Project(), fixture.Report()).Write();
    ASSERT_TRUE(fixture.Report().IsEmpty()) << fixture.Report().GetText();
    const fs::path menus = fixture.Root() / "Shop" / "Shop" / "Util" / "Menus.cs";
    EXPECT_NE(std::string::npos,
              ReadHostFile(menus).find("{\"0\" , \"Menus Not Required\", null }"));
    const ToolResult compile = RunTool(
        "mcs -warnaserror -target:library -out:" + ShellQuoted(menus.parent_path() / "Menus.dll") +
        references + " " + ShellQuoted(menus));
    EXPECT_EQ(0, compile.exitCode) << compile.output;
}
} // namespace

namespace
{
TEST(MenuBarMarkup, PlacesMenu1InTheMenuTable)
{
    TextFile file(/*disabled=*/false, /*flush=*/false, '=', 60);
    WriteMenuBarMarkup(file, 2);
    EXPECT_EQ("\t\t\n"
              "\t\t<br/><table cellspacing=\"0\" class=\"MenuTable\">\n"
              "\t\t\t<tr>\n"
              "\t\t\t\t<td class=\"MenuPadding\">\n"
              "\t\t\t\t<asp:Menu ID=\"Menu1\" runat=\"server\" "
              "StaticMenuItemStyle-CssClass=\"menuFirstLevel\" Orientation=\"Horizontal\" "
              "DynamicMenuItemStyle-CssClass=\"menuSecondLevel\">\n"
              "\t\t\t</asp:Menu>\n"
              "\t\t</td>\n"
              "\t\t</tr>\n"
              "\t</table>\n",
              file.GetBuffer());
}
} // namespace
