#include "entities/DashBoardPage.h"
#include "entities/Menu.h"
#include "entities/RDLCInfo.h"
#include "entities/RDLCReport.h"
#include "model/LoginPageCreator.h"
#include "model/ProjectDiagnostics.h"

#include "tests/gen_web/DashBoardProject.h"
#include "tests/gen_web/FormPagesProject.h"
#include "tests/gen_web/GoldenFiles.h"
#include "tests/gen_web/PreparedProjectFolder.h"
#include "tests/gen_web/ReportKindsProject.h"
#include "tests/gen_web/TransactionProject.h"
#include "tests/model/ModelBuilders.h"
#include "tests/site/GeneratedSite.h"

#include <iostream>

namespace
{

// A screenshot of the browser tests, kept in the build folder.
std::filesystem::path Screenshot(const std::string& name)
{
    return std::filesystem::path(ProgramFolder()) / (name + ".png");
}

// Writes, serves and checks the project's site; the screenshot of its login page is named
// after the test.
void ExpectServed(ForgeonProject& project, const std::filesystem::path& root,
                  const std::string& name)
{
    served_site::GeneratedSite site(project, root);
    site.Write();
    if (testing::Test::HasFatalFailure())
        return;
    site.CheckAndCompile();
    if (testing::Test::HasFatalFailure())
        return;
    const std::string loginPage = "BaseModule/UI/Login.aspx";
    std::vector<std::string> arguments{loginPage, Screenshot(name + "-Login").string()};
    for (const std::string& page : site.Pages())
        if (page != loginPage)
            arguments.push_back(page);
    const ToolResult served = site.Serve("site-check.mjs", arguments);
    EXPECT_EQ(0, served.exitCode) << served.output;
}

// What the fixtures built for the page writers leave out and a user's project has: the login
// page with the user-account forms. The customers that their pages list have no page of their
// own: Write All writes and lists the data class that those pages call.
void AddLoginPages()
{
    LoginPageCreator().Create();
}

// The user's own report definition that an RDLC report on an existing file lists by its name.
void WriteOwnReportDefinition(const std::filesystem::path& application, const std::string& name)
{
    WriteHostFile(application / name,
                  "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n"
                  "<Report xmlns=\"http://schemas.microsoft.com/sqlserver/reporting/2005/01/"
                  "reportdefinition\"/>\n");
}

// A new project: Write All succeeds, every Include exists, the code compiles, the site serves
// its login page and sends every other page to it.
TEST(GeneratedSite, NewProjectIsServed)
{
    TempFolder temp("WeavoSite");
    ForgeonProject project;
    ScopedOpenProject open(&project);
    project.InitNewProject();
    project.SetProjectName("Fresh");
    project.SetProjectPath(temp.ModelPath());
    LoginPageCreator().Create();
    ExpectServed(project, temp.Path(), "NewProject");
}

// The form pages fixture: forms with a control of every kind (those of older project files
// among them), recomputes of both kinds, a pop-up form, an upload form, the user-account forms,
// search reports, dashboards and two modules with their login pages.
TEST(GeneratedSite, FormPagesAreServed)
{
    FormPagesProject fixture;
    std::filesystem::remove(fixture.ApplicationFolder() / "Themes" / "UI" / "Main.Master");
    WriteOwnDataSet(fixture.ApplicationFolder());
    ExpectServed(fixture.Project(), fixture.Root(), "FormPages");
}

// Master-detail pages with one and with two detail tables, a file
// upload, combo, editable combo, check box and date controls in the master part and the grids.
TEST(GeneratedSite, TransactionPagesAreServed)
{
    TransactionProject fixture;
    ScopedOpenProject open(&fixture.Project());
    AddLoginPages();
    ExpectServed(fixture.Project(), fixture.Root(), "Transactions");
}
// The report "orders_unwritten" names, besides its definition, a data set the user has not
// made: its pages are not written. A menu that the link controls of "orders_links" show opens
// it.
void LeaveReportPageUnwritten(EveryReportKind& fixture)
{
    WriteOwnReportDefinition(fixture.Root() / "Shop" / "Shop", "orders_unwritten.rdlc");
    RDLCReport* unwritten = fixture.Base().FindRDLCReportByName("orders_unwritten");
    unwritten->GetRDLCInfo()->AddDataSet("missing_set", "missingTableAdapter", "orders");
    fixture.Base().GetMenus().front()->SetAspFile(unwritten->GetAspFiles()[0]);
}

// Search reports of every kind (lists, levels, grids, paged lists, a single record, a chart and
// the other kinds) with filters of every kind and link cells, and its RDLC reports, one of them
// not written.
TEST(GeneratedSite, SearchReportsOfEveryKindAreServed)
{
    EveryReportKind fixture;
    ScopedOpenProject open(&fixture.Project());
    AddLoginPages();
    LeaveReportPageUnwritten(fixture);
    ExpectServed(fixture.Project(), fixture.Root(), "SearchReports");
}
// Dashboard pages of two modules: grids with static texts, links to menus with and without a
// page, a display field, an empty panel, a nested grid, dashboards without header or grid.
TEST(GeneratedSite, DashBoardPagesAreServed)
{
    DashBoardProject fixture;
    ExpectServed(fixture.Project(), fixture.Root(), "DashBoards");
}
// Writes the project, compiles it with the database stand-in in place of the generated
// DBHandler, lets a stand-in Global.asax log every session in, serves the site and runs the
// browser tests' script on it.
ToolResult ServeWithStandIns(ForgeonProject& project, const std::filesystem::path& root,
                             const std::filesystem::path& dbHandler, const std::string& script,
                             const std::vector<std::string>& arguments)
{
    served_site::GeneratedSite site(project, root);
    site.Write();
    if (testing::Test::HasFatalFailure())
        return {};
    site.CheckAndCompile({{"util/dbhandler.cs", dbHandler}});
    if (testing::Test::HasFatalFailure())
        return {};
    const std::string name = project.GetProjectName().GetString();
    WriteHostFile(root / name / name / "Global.asax",
                  ReadHostFile(GoldenPath("StandInGlobal.asax")));
    return site.Serve(script, arguments);
}

// A search report page in Chromium, with stand-ins for the database (every query finds two rows
// whose texts need escaping) and for a logged-in session: the page loads though a link of it
// leads to a report page not written, and View posts the filters and shows the answer's report
// through the report style sheet, with no console error.
TEST(GeneratedSite, SearchReportShowsItsReportInTheBrowser)
{
    EveryReportKind fixture;
    ScopedOpenProject open(&fixture.Project());
    AddLoginPages();
    LeaveReportPageUnwritten(fixture);
    const ToolResult shown = ServeWithStandIns(
        fixture.Project(), fixture.Root(), GoldenPath("ReportRowsDBHandler.cs"), "report-view.mjs",
        {"BaseModule/UI/orders_links_report.aspx", Screenshot("SearchReport").string()});
    EXPECT_EQ(0, shown.exitCode) << shown.output;
}

// The Add page of a master-detail page in Chromium, with stand-ins for the database (every query
// finds two rows whose texts need escaping, the grid's combo entries among them) and for a
// logged-in session: the grid that the server transformed with the report style sheet takes
// new rows from its "Add New Row" button, each numbered in its ids.
TEST(GeneratedSite, MasterDetailGridTakesNewRowsInTheBrowser)
{
    TransactionProject fixture;
    ScopedOpenProject open(&fixture.Project());
    AddLoginPages();
    const ToolResult shown = ServeWithStandIns(
        fixture.Project(), fixture.Root(), GoldenPath("ReportRowsDBHandler.cs"), "grid-rows.mjs",
        {"BaseModule/UI/saleAdd.aspx", "sale_lineDiv", Screenshot("Grid").string()});
    EXPECT_EQ(0, shown.exitCode) << shown.output;
}
} // namespace

namespace
{
// Fields named with "-" and signs above ASCII, and a dashboard page named as a C# keyword, in
// Chromium with the stand-ins: the Add page's Clear empties the control named after the field
// and ValidateData refuses the empty form; the dashboard page answers with its class.
TEST(GeneratedSite, ControlsAndPagesNamedWithoutIdentifierRulesWorkInTheBrowser)
{
    FormPagesProject fixture;
    fixture.RenameProductFields();
    DashBoardPage* board = NewPage<DashBoardPage>("event");
    fixture.Project().GetBaseModule()->AddDashBoardPage(board, false);
    board->CreateAspFile(1);
    std::filesystem::remove(fixture.ApplicationFolder() / "Themes" / "UI" / "Main.Master");
    WriteOwnDataSet(fixture.ApplicationFolder());
    const ToolResult shown = ServeWithStandIns(
        fixture.Project(), fixture.Root(), GoldenPath("ReportRowsDBHandler.cs"),
        "named-controls.mjs",
        {(std::filesystem::path(ProgramFolder()) / "NamedControls").string(), "column_1_x",
         "BaseModule/UI/productAdd.aspx", "BaseModule/UI/event.aspx"});
    EXPECT_EQ(0, shown.exitCode) << shown.output;
    std::cout << shown.output;
}
} // namespace
