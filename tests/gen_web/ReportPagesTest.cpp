#include "entities/PieChartData.h"
#include "gen_web/AspxObjectWriter.h"

#include "tests/gen_web/GoldenFiles.h"
#include "tests/gen_web/PageScript.h"
#include "tests/gen_web/ReportProject.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace
{
namespace fs = std::filesystem;

// One search report of each kind, each with its ASP.NET page file, under the master page
// "Main.master":
// - orders_links: a list of one group whose cells link to a form page, to an RDLC report whose
//   files are not written and to one whose are; a filter of every kind but the combo box and a
//   link before and after the report;
// - orders_levels: three master-detail levels with the paging flag, the request argument
//   customer_id reused by every level and a link cell whose row variable has the same name;
// - orders_grid_links: a grid whose link cell has the name of its request argument;
// - orders_paged_list: a paged list of one group;
// - orders_record: a single record whose argument is named like its paging counter "start";
// - orders_group_kind, orders_graph and orders_notepad: kinds 0, 3 and 4;
// - orders_chart: a list with the settings of a pie chart.
class EveryReportKind : public ReportProject
{
public:
    EveryReportKind()
    {
        Project().GetProjectSettings()->SetMasterPageFile("Main.master");
        Table& orders = *OrdersForm().GetTable();
        Field* customerId = OrdersField("customer_id");

        ApplicationReport& links = AddReport("orders_links", 1, true);
        links.SetTitle("Orders & \"links\" <all>");
        ReportGroup& linkGroup = AddGroup(links, orders, "SelectAllRecords", {},
                                          {{"status", "Status"},
                                           {"customer_id", "Customer"},
                                           {"credit", "Credit"},
                                           {"odate", "Date"}});
        LinkToOrders(*linkGroup.GetReportFields()[0]);
        LinkToPage(*linkGroup.GetReportFields()[1],
                   *AddRDLCReport("orders_unwritten", false).GetAspFiles()[0]);
        LinkToPage(*linkGroup.GetReportFields()[2],
                   *AddRDLCReport("orders_print", true).GetAspFiles()[0]);
        FieldRep& combo = AddFilter(linkGroup, "customer_id", FieldRepData::EditableComboBox);
        Class* customerClass = Project().GetClassForTable(&Customer(), false);
        auto* comboCall = new ClassInvokation;
        comboCall->SetFunction(customerClass,
                               customerClass->FindFunctionByName("SelectAllRecords"));
        combo.GetFieldRepData()->SetDataCall(comboCall);
        combo.GetFieldRepData()->SetFrontField(Customer().FindFieldByName("cname"));
        combo.GetFieldRepData()->SetBackField(Customer().GetPrimaryKeyField());
        AddFilter(linkGroup, "status", FieldRepData::RadioButton);
        AddFilter(linkGroup, "odate", FieldRepData::DateControl);
        AddFilter(linkGroup, "notes", FieldRepData::TextBox);
        AddFilter(linkGroup, "urgent", FieldRepData::CheckBox);
        AddFilter(linkGroup, "credit", FieldRepData::Hidden);
        for (Menu* menu : Base().GetMenus())
        {
            auto* link = new LinkControl(menu, 0, 0, LinkControl::Left);
            link->SetCaption(menu->GetName() + " - report");
            if (links.GetPreLinkList().empty())
                links.AddPreLink(link);
            else
                links.AddPostLink(link);
        }

        ApplicationReport& levels = AddReport("orders_levels", 1, true);
        levels.SetPagingRequired(true);
        AddGroup(levels, orders, "SelectRecordForcustomer_id", {customerId}, {{"odate", "Date"}})
            .SetHeader("Order");
        AddGroup(levels, Customer(), "SelectRecord", {customerId}, {{"cname", "Name"}});
        LinkToOrders(*AddGroup(levels, orders, "SelectRecord", {customerId}, {{"status", "Status"}})
                          .GetReportFields()[0]);

        ApplicationReport& grid = AddReport("orders_grid_links", 2, true);
        grid.SetColumnLayout(2);
        LinkToOrders(*AddGroup(grid, orders, "SelectRecordForcustomer_id", {customerId},
                               {{"status", "Status"}, {"credit", "Credit"}})
                          .GetReportFields()[0]);

        ApplicationReport& paged = AddReport("orders_paged_list", 1, true);
        paged.SetPagingRequired(true);
        AddGroup(paged, orders, "SelectRecordForcustomer_id", {customerId}, {{"status", "Status"}});

        ApplicationReport& record = AddReport("orders_record", 5, true);
        record.SetTable(&orders);
        ReportGroup& recordGroup =
            AddGroup(record, orders, "SelectRecordForcustomer_id", {&LooseField("start")},
                     {{"odate", "Date"}, {"status", "Status"}, {"credit", "Credit"}});
        AddFilter(recordGroup, "status", FieldRepData::RadioButton);
        AddFilter(recordGroup, "notes", FieldRepData::TextBox);

        for (auto [name, kind] : {std::pair{"orders_group_kind", 0}, std::pair{"orders_graph", 3},
                                  std::pair{"orders_notepad", 4}, std::pair{"orders_chart", 1}})
        {
            ApplicationReport& report = AddReport(name, kind, true);
            AddGroup(report, orders, "SelectAllRecords", {}, {{"status", "Status"}});
            if (kind == 1)
            {
                auto* pie = new PieChartData;
                pie->SetValues("Orders", "by status", "status", "");
                report.SetChartData(6, pie);
            }
        }
    }

    // The page files of the reports, in report order.
    std::vector<std::string> PageFiles()
    {
        std::vector<std::string> names;
        for (ApplicationReport* report : Base().GetReports())
            for (AspFile* file : report->GetAspFiles())
                if (dynamic_cast<AspxFile*>(file) != nullptr)
                    names.emplace_back(file->GetFileName(FALSE).GetString());
        return names;
    }
};

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
    for (const char* query :
         {"?ACTION=NEXT&page_no=0", "?ACTION=PREVIOUS&page_no=1", "?ACTION=DELETE&record_id=1"})
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
