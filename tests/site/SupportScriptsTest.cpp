#include "gen_web/ProjectWriterSet.h"
#include "platform/core/HostPath.h"

#include "tests/gen_web/GoldenFiles.h"
#include "tests/gen_web/ShopProject.h"
#include "tests/gen_web/ToolRun.h"

#include <gtest/gtest.h>

#include <regex>
#include <set>

#ifndef WEAVO_NODE_TESTS
#error "WEAVO_NODE_TESTS names the folder of the browser tests and their node modules"
#endif

namespace
{
namespace fs = std::filesystem;

// The support files that Write All's folder set-up copies, as they lie beside the program.
fs::path SupportFiles()
{
    return fs::path(ProgramFolder()) / "KestraneWeavoFiles";
}

fs::path NodeTests()
{
    return fs::path(WEAVO_NODE_TESTS);
}

// The answers of ScriptAnswers.cs, built with the generated ReportXMLWriter and UtilHandler
// (with the menu and database classes its page guard reads) of the project "Shop", written into
// the folder.
void WriteAnswers(ShopProject& shop, const fs::path& answers)
{
    ProjectWriterSet writers(shop.Project(), shop.Report());
    for (const char* name : {"ReportXMLWriter.cs", "UtilHandler.cs", "DBHandler.cs"})
        writers.WriteUtilClass(name);
    writers.WriteMenus();
    const fs::path util = shop.ApplicationFolder() / "Util";
    const fs::path program = shop.Root() / "ScriptAnswers.exe";
    const ToolResult build = RunTool(
        "mcs -r:System.Data -r:System.Xml -r:System.Web -r:System.Configuration -out:" +
        ShellQuoted(program) + " " +
        ShellQuoted(fs::path(WEAVO_TEST_DATA) / "support" / "ScriptAnswers.cs") + " " +
        ShellQuoted(util / "ReportXMLWriter.cs") + " " + ShellQuoted(util / "UtilHandler.cs") +
        " " + ShellQuoted(util / "DBHandler.cs") + " " + ShellQuoted(util / "Menus.cs"));
    ASSERT_EQ(0, build.exitCode) << build.output;
    fs::create_directories(answers);
    const ToolResult run = RunTool("mono " + ShellQuoted(program) + " " +
                                   ShellQuoted(SupportFiles() / "includes" / "css" / "report.xsl") +
                                   " " + ShellQuoted(answers));
    ASSERT_EQ(0, run.exitCode) << run.output;
}

std::set<std::string> Matches(const std::string& text, const std::regex& pattern)
{
    std::set<std::string> found;
    for (auto it = std::sregex_iterator(text.begin(), text.end(), pattern);
         it != std::sregex_iterator(); ++it)
        found.insert((*it)[1]);
    return found;
}

// Every script of the support tree parses.
TEST(SupportScripts, EveryScriptParses)
{
    int checked = 0;
    for (const auto& entry : fs::recursive_directory_iterator(SupportFiles()))
    {
        if (entry.path().extension() != ".js")
            continue;
        ++checked;
        const ToolResult check = RunTool("node --check " + ShellQuoted(entry.path()));
        EXPECT_EQ(0, check.exitCode) << entry.path() << check.output;
    }
    EXPECT_EQ(5, checked);
}

// In Chromium, on answers that the generated ReportXMLWriter builds: combo, text, check box and
// radio button filling, getMessageString on success and failure, addGridRow on the grid that
// the report style sheet makes on the server, the request body of the page, validateString,
// isNumber1, isDate, updateReport and sendRequest, compared whole with the expected results.
TEST(SupportScripts, ClientFunctionsHandleTheGeneratedAnswers)
{
    ShopProject shop;
    const fs::path answers = shop.Root() / "answers";
    WriteAnswers(shop, answers);
    if (HasFatalFailure())
        return;
    const ToolResult run =
        RunTool("node " + ShellQuoted(NodeTests() / "support-scripts.mjs") + " " +
                ShellQuoted(SupportFiles()) + " " + ShellQuoted(answers) + " " +
                ShellQuoted(fs::path(WEAVO_TEST_DATA) / "support" / "ScriptResults.json"));
    EXPECT_EQ(0, run.exitCode) << run.output;
}

// Every class that the generated markup and the report style sheet's HTML name is defined by a
// style sheet of the support tree or of the theme.
TEST(SupportScripts, EveryClassOfTheMarkupHasAStyle)
{
    std::string styles;
    for (const fs::path& folder :
         {SupportFiles(), fs::path(ProgramFolder()) / "themes" / "theme1" / "scheme1"})
        for (const auto& entry : fs::recursive_directory_iterator(folder))
            if (entry.path().extension() == ".css")
                styles += ReadHostFile(entry.path());
    // The selectors alone: comments and declaration blocks away.
    styles = std::regex_replace(styles, std::regex(R"(/\*[\s\S]*?\*/|\{[^}]*\})"), " ");
    const std::set<std::string> defined =
        Matches(styles, std::regex(R"(\.([A-Za-z_][A-Za-z0-9_-]*))"));

    ShopProject shop;
    const fs::path answers = shop.Root() / "answers";
    WriteAnswers(shop, answers);
    if (HasFatalFailure())
        return;
    std::string markup =
        ReadHostFile(answers / "grid.html") + ReadHostFile(answers / "report.html");
    for (const auto& entry : fs::recursive_directory_iterator(GoldenPath("")))
        if (entry.path().extension() == ".aspx")
            markup += ReadHostFile(entry.path());
    const std::set<std::string> used = Matches(
        markup, std::regex(R"re((?:class|CssClass)\s*=\s*["']\s*([A-Za-z_][A-Za-z0-9_]*))re"));
    EXPECT_LE(40u, used.size());
    for (const std::string& name : used)
        EXPECT_TRUE(defined.contains(name)) << name;
}
} // namespace
