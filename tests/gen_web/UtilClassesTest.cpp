#include "entities/AspFile.h"
#include "entities/Designation.h"
#include "entities/Menu.h"
#include "gen_web/ASPXMenuWriter.h"
#include "gen_web/ProjectWriterSet.h"
#include "model/Module.h"
#include "model/TextFile.h"

#include "tests/gen_web/ControlRuns.h"
#include "tests/gen_web/GenWebProject.h"
#include "tests/gen_web/GoldenFiles.h"
#include "tests/gen_web/ShopProject.h"
#include "tests/gen_web/UtilLibrary.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace
{
namespace fs = std::filesystem;

// Written through the driver's writer set, the Util classes compile without a warning, and a
// C# program that runs them under mono finds every answer it expects: dates with short and
// long years, quote doubling, the number check, posted texts with a character that no XML
// document carries refused, password hashes, list filling, XML answers that parse (a stored text
// with such a character too), and upload names refused for each character of the runs that the
// program's own name rule holds as control characters.
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

namespace
{
// The lines of the text, tabs and line ends trimmed, that begin with start and hold the piece.
std::string LinesHolding(const std::string& text, const std::string& start,
                         const std::string& piece)
{
    std::string lines;
    std::istringstream stream(text);
    for (std::string line; std::getline(stream, line);)
    {
        line.erase(0, line.find_first_not_of('\t'));
        if (line.ends_with('\r'))
            line.pop_back();
        if (line.starts_with(start) && line.find(piece) != std::string::npos)
            lines += line + "\n";
    }
    return lines;
}

// Each top menu is written once for each role that has an item on it, however many page files
// show it, and each role and page file resolve to it once, in the order of the pages.
TEST(UtilClasses, MenusWriteEachStructureAndEachPageFileOfARoleOnce)
{
    ShopProject shop;
    auto* clerk = new Designation(TRUE);
    clerk->SetName("Clerk");
    shop.Project().GetBaseModule()->Append(clerk);
    std::vector<Menu*> menus;
    for (const Module* module : shop.Project().GetModules())
        module->CollectMenus(menus, nullptr);
    for (Menu* menu : menus)
    {
        const AspFile* file = menu->GetAspFile();
        if (menu->GetSubMenus().empty() && file != nullptr &&
            (file->GetDefaultFileName() == "customerAdd.aspx" ||
             file->GetDefaultFileName() == "order_lineAdd.aspx"))
            clerk->AddMenu(menu);
    }
    ASPXMenuWriter(&shop.Project(), shop.Report()).Write();
    ASSERT_TRUE(shop.Report().IsEmpty()) << shop.Report().GetText();
    const std::string text = ReadHostFile(shop.ApplicationFolder() / "Util" / "Menus.cs");
    EXPECT_EQ("if(menuStructureName == \"BASEMODULEMENU_ADMIN\")\n"
              "else if(menuStructureName == \"BASEMODULEMENU_CLERK\")\n"
              "else if(menuStructureName == \"SALES_&_STOCKMENU_ADMIN\")\n"
              "else if(menuStructureName == \"SALES_&_STOCKMENU_CLERK\")\n",
              LinesHolding(text, "", "menuStructureName == \""));
    std::string rows;
    for (const char* page :
         {"ChangePassword_formAdd", "ChangePassword_formUpdate", "customerAdd", "customerUpdate",
          "useraccountAdd", "useraccountUpdate", "order_lineAdd", "order_lineUpdate",
          "customer_Report_report", "useraccount_Report_report", "order_line_Report_report",
          "customer_rdlc_report"})
    {
        const std::string menu =
            std::string(page).starts_with("order_line") ? "SALES_&_STOCKMENU" : "BASEMODULEMENU";
        for (const auto& [id, role] : {std::pair{"1", "ADMIN"}, std::pair{"2", "CLERK"}})
            rows += std::string("{\"") + id + "\", \"" + page + ".aspx\", \"" + menu + "_" + role +
                    "\"},\n";
    }
    EXPECT_EQ(rows, LinesHolding(text, "{", "MENU_"));
}
} // namespace
