#include "entities/LinkControl.h"
#include "entities/Menu.h"
#include "entities/RDLCReport.h"
#include "gen_web/AspxObjectWriter.h"
#include "gen_web/AspxWriteAll.h"
#include "gen_web/PageHeaderWriter.h"
#include "model/TextFile.h"

#include "tests/gen_web/GoldenFiles.h"
#include "tests/gen_web/PageScript.h"
#include "tests/gen_web/PreparedProjectFolder.h"
#include "tests/gen_web/ReportKindsProject.h"

#include <gtest/gtest.h>

#include <memory>
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

namespace
{
// A link to a menu whose page is an RDLC report whose files are not written has no control on
// the page: the link-visibility code leaves it alone, as it sets the others.
TEST(ReportPages, LinkVisibilitySkipsLinksToPagesNotWritten)
{
    EveryReportKind fixture;
    struct Target
    {
        const char* report;
        bool written;
    };
    const Target targets[] = {{"orders_unwritten", false}, {"orders_print", true}};
    std::vector<std::unique_ptr<Menu>> menus;
    std::vector<std::unique_ptr<LinkControl>> links;
    for (const Target& target : targets)
    {
        RDLCReport* report = fixture.Base().FindRDLCReportByName(target.report);
        ASSERT_NE(nullptr, report) << target.report;
        menus.push_back(std::make_unique<Menu>());
        menus.back()->SetAspFile(report->GetAspFiles()[0]);
        links.push_back(std::make_unique<LinkControl>(menus.back().get(), 0, 0, LinkControl::Left));
        links.back()->SetCaption(target.report);
    }
    TextFile out(/*disabled=*/false, /*flush=*/false, '=', 60);
    PageHeaderWriter(fixture.Project(), fixture.OrdersForm(), out)
        .WriteManageLinkVisibility({links[0].get(), links[1].get()}, 0);
    const std::string code(out.GetBuffer());
    for (const Target& target : targets)
        EXPECT_EQ(target.written,
                  code.find(std::string("this.") + target.report + ".Visible") != std::string::npos)
            << code;
}
} // namespace

namespace
{
// The customers have no page of their own, but the report filters call their class: Write All
// writes their data class, the project file lists it, and the run reports nothing missing.
TEST(ReportPages, DataClassThatAReportCallsIsWrittenAndListed)
{
    EveryReportKind fixture;
    PrepareProjectFolder(fixture.Project());
    WriteHostFile(fixture.Root() / "Shop" / "Shop" / "orders_unwritten.rdlc", "<Report/>\n");
    AspxWriteAll writeAll(&fixture.Project());
    EXPECT_TRUE(writeAll.Run(nullptr)) << writeAll.GetReport().GetText();
    const fs::path application = fixture.Root() / "Shop" / "Shop";
    EXPECT_TRUE(fs::is_regular_file(application / "BaseModule" / "CS" / "customer.cs"));
    EXPECT_NE(std::string::npos, ReadHostFile(application / "Shop.csproj")
                                     .find("<Compile Include=\"BaseModule\\CS\\customer.cs\""));
}
} // namespace
