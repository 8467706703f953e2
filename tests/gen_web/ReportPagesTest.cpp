#include "gen_web/AspxObjectWriter.h"

#include "tests/gen_web/GoldenFiles.h"
#include "tests/gen_web/PageScript.h"
#include "tests/gen_web/ReportKindsProject.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace
{
namespace fs = std::filesystem;

// Writes every report page as Write All does and returns the page files.
std::vector<std::string> WriteReportPages(EveryReportKind& fixture, ProjectWriterSet& writers)
{
    for (ApplicationReport* report : fixture.Base().GetReports())
        AspxObjectWriter(&fixture.Project(), report, writers, fixture.Report()).WriteReport();
    return fixture.PageFiles();
}

// Write All writes markup, code-behind and designer files of every ASP.NET page file of every
// report and no file for the classic page of the graph report. The code-behind and designer
// files compile with mcs together with the Util and data classes; node accepts the inline
// scripts and event attributes of every page. Under mono's web server runtime every page
// compiles, its markup turned into a class derived from its code-behind class, shows itself
// with the report of rows whose texts need escaping, and answers SHOW with well-formed XML, as
// the single-record page answers NEXT, PREVIOUS and DELETE.
TEST(ReportPages, EveryKindCompilesAndRunsAndItsScriptsPass)
{
    EveryReportKind fixture;
    ProjectWriterSet writers(fixture.Project(), fixture.Report());
    WriteUtilClasses(writers);
    writers.WriteDataClass(*fixture.OrdersForm().GetTable());
    writers.WriteDataClass(fixture.Customer());
    const std::vector<std::string> pages = WriteReportPages(fixture, writers);
    EXPECT_TRUE(fixture.Report().IsEmpty()) << fixture.Report().GetText();
    ASSERT_EQ(9u, pages.size());

    std::set<std::string> expected;
    for (const std::string& page : pages)
        expected.insert({page, page + ".cs", page + ".designer.cs"});
    std::set<std::string> written;
    for (const fs::directory_entry& entry : fs::directory_iterator(fixture.PageFolder()))
        written.insert(entry.path().filename().string());
    EXPECT_EQ(expected, written);

    const fs::path application = fixture.Root() / "Shop" / "Shop";
    std::string sources;
    for (const std::string& page : pages)
        for (const char* suffix : {".cs", ".designer.cs"})
            sources += " " + ShellQuoted(fixture.PageFolder() / (page + suffix));
    const ToolResult compile =
        CompileWithUtilAndDataClasses(application, sources, application / "Reports.dll");
    ASSERT_EQ(0, compile.exitCode) << compile.output;

    const fs::path scripts = fixture.Root() / "scripts";
    std::string pagePaths;
    for (const std::string& page : pages)
    {
        const fs::path script = scripts / (page + ".js");
        WriteHostFile(script, PageScript(ReadHostFile(fixture.PageFolder() / page)));
        const ToolResult check = RunTool("node --check " + ShellQuoted(script));
        EXPECT_EQ(0, check.exitCode) << page << check.output;
        pagePaths += " " + ShellQuoted("BaseModule/UI/" + page);
    }
    for (const char* query : {"?ACTION=NEXT&page_no=0", "?ACTION=PREVIOUS&page_no=1",
                              "!ACTION=DELETE&record_id=1&REQUEST_TOKEN=stand-in"})
        pagePaths +=
            " " + ShellQuoted("BaseModule/UI/orders_record_report.aspx" + std::string(query));

    // The site under the web server's runtime: the pages' code and the data classes in bin
    // with the Util classes, whose DBHandler finds two rows for every query; stand-ins for the
    // master page, the report style sheet and a session's login.
    const fs::path bin = application / "bin";
    fs::create_directories(bin);
    for (const char* name :
         {"ControlFieldHandler.cs", "UtilHandler.cs", "ReportXMLWriter.cs", "Menus.cs"})
        sources += " " + ShellQuoted(application / "Util" / name);
    for (const fs::directory_entry& entry :
         fs::directory_iterator(application / "BaseModule" / "CS"))
        sources += " " + ShellQuoted(entry.path());
    const ToolResult site =
        RunTool("mcs -nowarn:169,219,414 -target:library -out:" + ShellQuoted(bin / "Shop.dll") +
                references + sources + " " + ShellQuoted(GoldenPath("ReportRowsDBHandler.cs")));
    ASSERT_EQ(0, site.exitCode) << site.output;
    const fs::path checker = bin / "AspxPagesCheck.exe";
    const ToolResult build =
        RunTool("mcs -r:System.Web -r:System.Xml -out:" + ShellQuoted(checker) + " " +
                ShellQuoted(GoldenPath("AspxPagesCheck.cs")));
    ASSERT_EQ(0, build.exitCode) << build.output;
    for (const auto& [standIn, target] :
         {std::pair{"StandIn.master", "Themes/UI/Main.master"},
          std::pair{"StandInGlobal.asax", "Global.asax"},
          std::pair{"StandInReport.xsl", "includes/css/report.xsl"}})
        WriteHostFile(application / target, ReadHostFile(GoldenPath(standIn)));
    // The runtime's compiled pages go to a temp folder of the fixture.
    const fs::path temp = fixture.Root() / "aspnet";
    fs::create_directories(temp);
    const ToolResult run = RunTool("TMPDIR=" + ShellQuoted(temp) + " mono " + ShellQuoted(checker) +
                                   " " + ShellQuoted(application) + pagePaths);
    EXPECT_EQ(0, run.exitCode) << run.output;
}

// The whole markup, code-behind and designer files of the report with link cells to a form
// page and to RDLC reports with and without their files, links before and after the report and
// a filter of every kind but the combo box.
TEST(ReportPages, LinkCellsAndDeclarationsAreWrittenAsExpected)
{
    EveryReportKind fixture;
    ProjectWriterSet writers(fixture.Project(), fixture.Report());
    WriteReportPages(fixture, writers);
    EXPECT_TRUE(fixture.Report().IsEmpty()) << fixture.Report().GetText();
    for (const char* name : {"orders_links_report.aspx", "orders_links_report.aspx.cs",
                             "orders_links_report.aspx.designer.cs"})
        EXPECT_EQ(GoldenBytes(std::string("ReportPages/") + name),
                  ReadHostFile(fixture.PageFolder() / name))
            << name;
}
} // namespace
