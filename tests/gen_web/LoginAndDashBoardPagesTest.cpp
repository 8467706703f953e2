#include "entities/DashBoardPage.h"
#include "gen_web/AspxObjectWriter.h"
#include "gen_web/ProjectWriterSet.h"
#include "model/DefaultNames.h"
#include "model/Field.h"
#include "model/Identifiers.h"
#include "model/Module.h"
#include "model/Table.h"

#include "tests/gen_web/DashBoardProject.h"
#include "tests/gen_web/GoldenFiles.h"
#include "tests/gen_web/UtilLibrary.h"

#include <gtest/gtest.h>

#include <regex>
#include <set>
#include <string>
#include <vector>

namespace
{
namespace fs = std::filesystem;

// Each written file of the module's page folder equals its expected file under
// tests/data/gen_web/<folder>.
void ExpectPageFiles(const DashBoardProject& fixture, const std::string& folder,
                     const std::vector<std::string>& names)
{
    for (const std::string& name : names)
        EXPECT_EQ(GoldenBytes(folder + "/" + name), ReadHostFile(fixture.PageFolder() / name))
            << name;
}

// The login page: the user name box takes the 80 characters of the account table's column, the
// typed user name reaches SQL only through the quote-doubling helper, the account's id and role
// go into the session, Admin and Stock keeper are sent to their dashboard pages, Clerk gets no
// redirect; the designer declares the page's five controls.
TEST(LoginAndDashBoardPages, LoginPageIsWrittenAsExpected)
{
    DashBoardProject fixture;
    CString accounts = userAccountTableName;
    fixture.Base().FindTableByName(accounts)->FindFieldByName("username")->SetSize(80);
    ProjectWriterSet(fixture.Project(), fixture.Report()).WriteLoginPage(fixture.Login());
    EXPECT_TRUE(fixture.Report().IsEmpty()) << fixture.Report().GetText();
    ExpectPageFiles(fixture, "LoginPage",
                    {"Login.aspx", "Login.aspx.cs", "Login.aspx.designer.cs"});
}

// The page " Sales Board" is written as Sales_Board.aspx with the code-behind class, file and
// CodeBehind attribute Sales_Board; its dashboards are a table each, its link cells have their
// visibility lines and declarations; the grid without cells gets a title row and no cell, the
// dashboard without header no title row, the one without grid an empty row; the nested grid is a
// table inside its cell.
TEST(LoginAndDashBoardPages, DashBoardPageIsWrittenAsExpected)
{
    DashBoardProject fixture;
    ProjectWriterSet writers(fixture.Project(), fixture.Report());
    AspxObjectWriter(&fixture.Project(), &fixture.SalesBoard(), writers, fixture.Report())
        .WriteDashBoardPage();
    EXPECT_TRUE(fixture.Report().IsEmpty()) << fixture.Report().GetText();
    ExpectPageFiles(fixture, "DashBoardPage",
                    {"Sales_Board.aspx", "Sales_Board.aspx.cs", "Sales_Board.aspx.designer.cs"});
}

// The pages' code compiles with the Util classes and the login tables' data classes, also the
// class Stock___Reorders of the page "Stock & Reorders". Run under
// mono against a DBHandler that records the statements, the login keeps a typed user name that
// holds quotes inside the literal of its query.
TEST(LoginAndDashBoardPages, PagesCompileWithTheUtilAndDataClasses)
{
    DashBoardProject fixture;
    ProjectWriterSet writers(fixture.Project(), fixture.Report());
    WriteUtilClasses(writers);
    writers.WriteLoginDataClasses();
    writers.WriteLoginPage(fixture.Login());
    AspxObjectWriter(&fixture.Project(), &fixture.SalesBoard(), writers, fixture.Report())
        .WriteDashBoardPage();
    fixture.Project().SetCurrentModule(&fixture.Stock());
    AspxObjectWriter(&fixture.Project(), &fixture.StockBoard(), writers, fixture.Report())
        .WriteDashBoardPage();
    ASSERT_TRUE(fixture.Report().IsEmpty()) << fixture.Report().GetText();
    const fs::path application = fixture.Root() / "Shop" / "Shop";
    const ToolResult library = CompileUtilLibrary(application);
    ASSERT_EQ(0, library.exitCode) << library.output;

    std::string sources;
    for (const fs::path& folder :
         {application / "BaseModule" / "CS", fixture.PageFolder(), application / "Stock" / "UI"})
    {
        for (const fs::directory_entry& entry : fs::directory_iterator(folder))
        {
            if (entry.path().extension() == ".cs")
                sources += " " + ShellQuoted(entry.path());
        }
    }
    // A dashboard page without links declares its menu writer and keeps the role all the same.
    const ToolResult compile =
        RunTool("mcs -warnaserror -nowarn:219,414 -target:library -out:" +
                ShellQuoted(application / "Pages.dll") + references +
                " -r:" + ShellQuoted(application / "Util" / "Util.dll") + sources);
    ASSERT_EQ(0, compile.exitCode) << compile.output;

    const fs::path program = application / "LoginPageCheck.exe";
    const ToolResult check = RunTool("mcs -out:" + ShellQuoted(program) + references + " " +
                                     ShellQuoted(fixture.PageFolder() / "Login.aspx.cs") + " " +
                                     ShellQuoted(fixture.PageFolder() / "Login.aspx.designer.cs") +
                                     " " + ShellQuoted(application / "Util" / "UtilHandler.cs") +
                                     " " + ShellQuoted(application / "Util" / "Menus.cs") + " " +
                                     ShellQuoted(GoldenPath("RecordingDBHandler.cs")) + " " +
                                     ShellQuoted(GoldenPath("LoginPageCheck.cs")));
    ASSERT_EQ(0, check.exitCode) << check.output;
    const ToolResult run = RunTool("mono " + ShellQuoted(program));
    EXPECT_EQ(0, run.exitCode) << run.output;
    EXPECT_EQ("all checks passed\n", run.output);
}
} // namespace

// A page named as a C# keyword or with a sign above ASCII: its code-behind and designer file
// declare the class that its markup's Inherits names as the runtime names types, and they
// compile.
TEST(LoginAndDashBoardPages, APageDeclaresTheClassItsMarkupInherits)
{
    DashBoardProject fixture;
    for (const char* name : {"event", "Stock\xE2\x82\xAC"
                                      "Board"})
    {
        DashBoardPage* page = NewPage<DashBoardPage>(name);
        fixture.Stock().AddDashBoardPage(page, false);
        page->CreateAspFile(1);
    }
    ProjectWriterSet writers(fixture.Project(), fixture.Report());
    WriteUtilClasses(writers);
    writers.WriteLoginDataClasses();
    fixture.Project().SetCurrentModule(&fixture.Stock());
    for (DashBoardPage* page : fixture.Stock().GetDashBoardPages())
        AspxObjectWriter(&fixture.Project(), page, writers, fixture.Report()).WriteDashBoardPage();
    ASSERT_TRUE(fixture.Report().IsEmpty()) << fixture.Report().GetText();
    const fs::path application = fixture.Root() / "Shop" / "Shop";
    const ToolResult library = CompileUtilLibrary(application);
    ASSERT_EQ(0, library.exitCode) << library.output;
    const std::regex inherits(R"re(CodeBehind="([^"]*)" Inherits="Shop\.([^"]*)")re");
    std::set<std::string> classes;
    std::string sources;
    for (const fs::directory_entry& entry :
         fs::directory_iterator(application / "BaseModule" / "CS"))
        if (entry.path().extension() == ".cs")
            sources += " " + ShellQuoted(entry.path());
    for (const fs::directory_entry& entry : fs::directory_iterator(application / "Stock" / "UI"))
    {
        if (entry.path().extension() == ".cs")
            sources += " " + ShellQuoted(entry.path());
        if (entry.path().extension() != ".aspx")
            continue;
        const std::string markup = ReadHostFile(entry.path());
        std::smatch found;
        ASSERT_TRUE(std::regex_search(markup, found, inherits)) << entry.path();
        classes.insert(found[2]);
        const fs::path code = entry.path().parent_path() /
                              std::regex_replace(found[1].str(), std::regex("&amp;"), "&");
        const std::regex declared("public partial class " +
                                  std::regex_replace(CSharpIdentifier(found[2].str().c_str()).str(),
                                                     std::regex("[@]"), "[@]") +
                                  "[ \r]");
        for (const fs::path& file : {code, fs::path(code).replace_extension(".designer.cs")})
            EXPECT_TRUE(std::regex_search(ReadHostFile(file), declared)) << file;
    }
    // The runtime finds the class "event" that the code declares as "@event".
    EXPECT_EQ(classes, (std::set<std::string>{"event", "Stock_Board", "Stock___Reorders"}));
    const ToolResult compile =
        RunTool("mcs -warnaserror -nowarn:219,414 -target:library -out:" +
                ShellQuoted(application / "Pages.dll") + references +
                " -r:" + ShellQuoted(application / "Util" / "Util.dll") + sources);
    EXPECT_EQ(0, compile.exitCode) << compile.output;
}
