#include "entities/ApplicationReport.h"
#include "entities/AspFile.h"
#include "entities/DashBoard.h"
#include "entities/DashBoardCellInfo.h"
#include "entities/DashBoardPage.h"
#include "entities/DashBoardPageData.h"
#include "entities/Form.h"
#include "entities/GraphData.h"
#include "entities/Grid.h"
#include "entities/GridCell.h"
#include "entities/LoginPage.h"
#include "entities/MapForm.h"
#include "entities/ReportCollector.h"
#include "entities/ReportFieldControlProperty.h"
#include "entities/Transaction.h"
#include "gen_classic/AspWriteAll.h"
#include "model/ProjectDiagnostics.h"
#include "platform/core/ScriptedMessageBoxes.h"
#include "tests/gen_classic/ClassicGolden.h"
#include "tests/gen_classic/ReportProject.h"
#include "tests/gen_web/GenWebProject.h"
#include "tests/model/ModelBuilders.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

// The shell's side, answered by script.
class ClassicWriteAllServices : public ClassicWriteServices
{
public:
    void SaveBackupCopy(const CString& stamp) override { calls.push_back("backup " + stamp.str()); }
    bool SelectForWrite(const CString& message, bool& writeMenus, bool& copyModified) override
    {
        calls.push_back("select");
        shownMessage = message.str();
        shownOptions = {writeMenus, copyModified};
        writeMenus = answerMenus;
        copyModified = answerModifiedFiles;
        return answerOk;
    }
    void SetStatusText(const CString& text) override { statusTexts.push_back(text.str()); }

    std::vector<std::string> calls;
    std::vector<std::string> statusTexts;
    std::string shownMessage;
    std::pair<bool, bool> shownOptions;
    bool answerOk = true;
    bool answerMenus = false;
    bool answerModifiedFiles = false;
};

// Records each page writer call with the current module.
class ClassicWriteAllWriters : public ClassicPageWriters
{
public:
    using ClassicPageWriters::ClassicPageWriters;

    void WriteLoginPage(LoginPage&, Module& module) override { Call("login", module.GetName()); }
    void WriteMasterForm(Form& form, TextFile&) override { Call("master", form.GetFormName()); }
    void WriteMapForm(MapForm& form) override { Call("map", form.GetFormName()); }
    void WriteTransaction(Transaction& t) override { Call("transaction", t.GetFormName()); }
    void WriteDashboard(DashBoardPage& page) override { Call("dashboard", page.GetFormName()); }
    void WriteReport(ApplicationReport& report) override { Call("report", report.GetFormName()); }
    void WriteGroupReport(ApplicationReport& report, AspFile* file) override
    {
        Call("group", report.GetFormName());
        EXPECT_EQ(file, report.GetAspFileAt(0));
    }
    void WriteGraphReport(ApplicationReport& report) override
    {
        Call("graph", report.GetFormName());
    }
    void WriteReportCollector(ReportCollector& c) override { Call("collector", c.GetFormName()); }
    void WriteMenus(const CString& folder) override
    {
        Call("menus", folder == m_project.GetProjectPath() ? "project path" : folder);
    }

    std::vector<std::string> calls;

private:
    void Call(const char* kind, const CString& name)
    {
        calls.push_back(m_project.GetCurrentModule()->GetName().str() + ": " + kind + " " +
                        name.str());
    }
};

namespace
{
// The module checks file the given warnings after the real findings.
class CheckedWriteAll : public AspWriteAll
{
public:
    using AspWriteAll::AspWriteAll;

    std::vector<CString> warnings;

protected:
    void RunModuleChecks(Module& module) override
    {
        AspWriteAll::RunModuleChecks(module);
        if (module.GetName() != "BaseModule")
            return;
        for (const CString& warning : warnings)
            TheProjectDiagnostics().AddWarning(warning);
    }
};

ApplicationReport* NewReport(const char* name, int pageFiles, bool graph)
{
    auto* report = NewPage<ApplicationReport>(name);
    for (int i = 0; i < pageFiles; ++i)
        report->CreateAspFile(i == 0 ? 0 : 10, AspFile::reportOwner);
    if (graph)
        report->SetChartData(1, new GraphData);
    return report;
}
} // namespace

class ClassicWriteAllTest : public ::testing::Test
{
protected:
    ClassicWriteAllTest()
    {
        Module& base = m_fixture.Base();
        Table* customer = NewTable("customer");
        base.AppendMasterTable(customer);
        base.Append(NewForm("Customer", customer));
        base.Append(NewReport("OneFile", 1, false));
        base.Append(NewReport("TwoFiles", 2, false));
        base.Append(NewReport("TwoFilesGraph", 2, true));
        base.Append(NewReport("OneFileGraph", 1, true));
        m_fixture.Project().AddModule(m_second);
        m_second->Append(NewPage<MapForm>("Pairs"));
        m_second->Append(NewPage<ReportCollector>("Bundle"));
        m_fixture.Project().SetSqlServerDatabase(0);
        TheProjectDiagnostics().ClearErrorsAndWarnings();
    }

    // The run's log goes into the test's folder, away from the runs of other tests.
    void Isolate(AspWriteAll& writeAll) const
    {
        writeAll.SetWriteErrorsLogPath(m_fixture.Temp().ModelPath("ForgeonWriteErrors.txt"));
    }

    std::filesystem::path Path(const std::string& relative) const
    {
        return m_fixture.Root() / relative;
    }

    GenWebProject m_fixture;
    Module* m_second = new Module("Second");
    ClassicWriteAllServices m_services;
    ClassicWriteAllWriters m_writers{m_fixture.Project(), m_writeAllReport};
    GenerationReport m_writeAllReport;
    ScriptedMessageBoxes m_boxes;
};

TEST_F(ClassicWriteAllTest, TheCheckDecidesWhetherAnythingIsWritten)
{
    struct Case
    {
        const char* name;
        std::vector<CString> warnings;
        bool ok;
        std::string message;
        std::string errorLog;
        std::string warningLog;
        bool written;
    };
    const std::string path = m_fixture.Project().GetProjectPath().str();
    const std::vector<Case> cases = {
        {"warnings only",
         {"first warning", "second warning"},
         true,
         " Number of warnings = 2\n\nPlease See the warnings at\n" + path + "WarningLog.txt",
         "",
         "Warning : \r\nfirst warning\r\nWarning : \r\nsecond warning\r\n",
         true},
        {"neither", {}, true, "There are no Errors or Warnings", "", "", true},
        {"cancel", {}, false, "There are no Errors or Warnings", "", "", false},
        // The module's own check finds the procedure without main table.
        {"one error, two warnings",
         {"first warning", "second warning"},
         true,
         "Error has occured! \nPlease resolve the errorLog file before write all\nErrorLog is at " +
             path,
         "Error : \r\nMain Tables is not present for procedure\r\n\tPRC_x\r\n",
         "",
         false},
    };
    for (const Case& c : cases)
    {
        std::filesystem::remove(Path("ErrorLog.txt"));
        std::filesystem::remove(Path("WarningLog.txt"));
        m_writers.calls.clear();
        m_services.answerOk = c.ok;
        if (c.message.rfind("Error", 0) == 0)
            m_fixture.Base().Append(NewProcedure("PRC_x"));
        CheckedWriteAll writeAll(&m_fixture.Project(), nullptr, m_services, m_writers);
        Isolate(writeAll);
        writeAll.warnings = c.warnings;
        writeAll.Run(nullptr);
        EXPECT_EQ(m_services.shownMessage, c.message) << c.name;
        // A log with nothing to say is not written.
        EXPECT_EQ(std::filesystem::exists(Path("ErrorLog.txt")), !c.errorLog.empty()) << c.name;
        EXPECT_EQ(std::filesystem::exists(Path("WarningLog.txt")), !c.warningLog.empty()) << c.name;
        EXPECT_EQ(ReadHostFileIfAny(Path("ErrorLog.txt")), c.errorLog) << c.name;
        EXPECT_EQ(ReadHostFileIfAny(Path("WarningLog.txt")), c.warningLog) << c.name;
        EXPECT_EQ(!m_writers.calls.empty(), c.written) << c.name;
        EXPECT_EQ(
            std::filesystem::exists(Path("_system/scripts/KestraneWeavo_PGSQL_CreateTables.sql")),
            c.written)
            << c.name;
        std::filesystem::remove_all(Path("_system"));
    }
    EXPECT_EQ(m_services.shownOptions, std::make_pair(false, true)) << "the dialog's defaults";
}

TEST_F(ClassicWriteAllTest, AProjectPathThatCannotBeWrittenStopsBeforeTheCheck)
{
    WriteHostFile(Path("blocked"), "a file where the project folder goes");
    m_fixture.Project().GetProjectSettings()->SetProjectPath(
        m_fixture.Temp().ModelPath("blocked\\"));
    AspWriteAll writeAll(&m_fixture.Project(), nullptr, m_services, m_writers);
    Isolate(writeAll);
    EXPECT_FALSE(writeAll.Run(nullptr));
    ASSERT_EQ(m_boxes.Shown().size(), 1u);
    EXPECT_EQ(m_boxes.Shown()[0].text,
              "Could not write output at " + (Path("blocked") / "").string() + "\nNot a directory");
    EXPECT_EQ(m_services.calls, std::vector<std::string>{"backup _BeforeWriteAll"});
    EXPECT_TRUE(m_writers.calls.empty());
}

TEST_F(ClassicWriteAllTest, DuplicateNamesStopBeforeTheCheckAndAnyFile)
{
    Table* customer = NewTable("supplier");
    m_second->AppendMasterTable(customer);
    m_second->Append(NewForm("Customer", customer));
    AspWriteAll writeAll(&m_fixture.Project(), nullptr, m_services, m_writers);
    Isolate(writeAll);
    EXPECT_FALSE(writeAll.Run(nullptr));
    EXPECT_EQ(m_services.calls, std::vector<std::string>{"backup _BeforeWriteAll"});
    ASSERT_EQ(m_boxes.Shown().size(), 1u);
    EXPECT_EQ(m_boxes.Shown()[0].text.rfind("Following are the duplicate names", 0), 0u);
    EXPECT_FALSE(std::filesystem::exists(Path("_system")));
    EXPECT_TRUE(m_writers.calls.empty());
}

TEST_F(ClassicWriteAllTest, EachModuleRunsTheWritersInTheirOrderAndMenusOnlyForBaseModule)
{
    for (const bool menus : {false, true})
    {
        m_writers.calls.clear();
        m_services.statusTexts.clear();
        m_services.answerMenus = menus;
        AspWriteAll writeAll(&m_fixture.Project(), nullptr, m_services, m_writers);
        Isolate(writeAll);
        EXPECT_TRUE(writeAll.Run(nullptr));
        std::vector<std::string> expected = {
            "BaseModule: master Customer",     "BaseModule: report OneFile",
            "BaseModule: report OneFileGraph", "BaseModule: group TwoFiles",
            "BaseModule: group TwoFilesGraph", "BaseModule: graph TwoFilesGraph",
            "BaseModule: graph OneFileGraph",  "Second: map Pairs",
            "Second: collector Bundle"};
        if (menus)
            expected.insert(expected.begin() + 7, "BaseModule: menus project path");
        EXPECT_EQ(m_writers.calls, expected);
        const std::vector<std::string> steps = {
            " : Writing SQL File completed",          " : Writing Master forms completed",
            " : Writing Map forms completed",         " : Writing Tansactions completed",
            " : Writing Dashboards completed",        " : Writing Reports completed",
            " : Writing Group Reports completed",     " : Writing Graph Reports completed",
            " : Writing Report Collectors completed", " : Writing Menus completed"};
        std::vector<std::string> status;
        for (const char* module : {"BaseModule", "Second"})
            for (const std::string& step : steps)
                status.push_back(module + step);
        status.push_back("Writing completed");
        EXPECT_EQ(m_services.statusTexts, status);
        EXPECT_TRUE(std::filesystem::is_directory(Path("Second")));
        EXPECT_TRUE(std::filesystem::is_directory(Path("Login")));
    }
}

TEST_F(ClassicWriteAllTest, MenusNeedTheModuleNamedExactlyBaseModule)
{
    m_fixture.Base().SetName("basemodule");
    m_services.answerMenus = true;
    AspWriteAll writeAll(&m_fixture.Project(), nullptr, m_services, m_writers);
    Isolate(writeAll);
    EXPECT_TRUE(writeAll.Run(m_second));
    EXPECT_EQ(m_writers.calls,
              (std::vector<std::string>{"Second: map Pairs", "Second: collector Bundle"}));
    writeAll.Run(&m_fixture.Base());
    for (const std::string& call : m_writers.calls)
        EXPECT_EQ(call.find("menus"), std::string::npos) << call;
}

TEST_F(ClassicWriteAllTest, ModifiedFilesReplaceEachModulesAndTheLoginOutput)
{
    WriteHostFile(Path("_modifiedCode/BaseModule/custom.asp"), "base");
    WriteHostFile(Path("_modifiedCode/Second/sub/pairs.asp"), "second");
    WriteHostFile(Path("_modifiedCode/Login/Login.asp"), "login");
    WriteHostFile(Path("Login/Login.asp"), "generated");
    for (const bool copy : {false, true})
    {
        m_services.answerModifiedFiles = copy;
        AspWriteAll writeAll(&m_fixture.Project(), nullptr, m_services, m_writers);
        Isolate(writeAll);
        EXPECT_TRUE(writeAll.Run(nullptr));
        EXPECT_EQ(std::filesystem::exists(Path("BaseModule/custom.asp")), copy);
        EXPECT_EQ(std::filesystem::exists(Path("Second/sub/pairs.asp")), copy);
        EXPECT_EQ(ReadHostFileIfAny(Path("BaseModule/custom.asp")), copy ? "base" : "");
        EXPECT_EQ(ReadHostFileIfAny(Path("Second/sub/pairs.asp")), copy ? "second" : "");
        EXPECT_EQ(ReadHostFile(Path("Login/Login.asp")), copy ? "login" : "generated");
    }
    // A file standing where a copy goes is reported, not passed over.
    std::filesystem::remove(Path("BaseModule/custom.asp"));
    std::filesystem::create_directories(Path("BaseModule/custom.asp"));
    AspWriteAll writeAll(&m_fixture.Project(), nullptr, m_services, m_writers);
    Isolate(writeAll);
    EXPECT_FALSE(writeAll.Run(nullptr));
    EXPECT_NE(writeAll.GetReport().GetText().Find("custom.asp"), -1);
}

TEST_F(ClassicWriteAllTest, FailuresEndTheRunWithTheirCountTheMessageAndTheLog)
{
    // The real writers: a file stands where the login pages and the second module's pages go.
    auto* login = new LoginPage;
    login->CreateDefaultControls();
    m_fixture.Base().SetLoginPage(login);
    std::filesystem::create_directories(Path("_system"));
    WriteHostFile(Path("Second"), "a file where the module folder goes");
    WriteHostFile(Path("Login"), "a file where the login folder goes");
    AspWriteAll writeAll(&m_fixture.Project(), nullptr, m_services);
    Isolate(writeAll);
    EXPECT_FALSE(writeAll.Run(nullptr));
    const std::string text = writeAll.GetReport().GetText().str();
    for (const char* expected : {"Login.asp", "Logout.asp", "Second"})
        EXPECT_NE(text.find(expected), std::string::npos) << expected << "\n" << text;
    const std::size_t count = writeAll.GetReport().GetUnwrittenFiles().size() +
                              writeAll.GetReport().GetSkippedPages().size();
    EXPECT_EQ(m_services.statusTexts.back(),
              "Writing completed with " + std::to_string(count) + " errors");
    ASSERT_EQ(m_boxes.Shown().size(), 1u);
    EXPECT_EQ(m_boxes.Shown()[0].text, text);
    std::string log = ReadHostFile(Path("ForgeonWriteErrors.txt"));
    std::erase(log, '\r');
    EXPECT_EQ(log, text) << "every module's failures stay in the log";
}

// A log that cannot be written is named with the reason and counts as no error of the run: the
// fixture's two chart pages without a procedure are its only errors.
TEST_F(ClassicWriteAllTest, ALogThatCannotBeWrittenIsNamedAndIsNoErrorOfTheRun)
{
    std::filesystem::create_directories(Path("ForgeonWriteErrors.txt"));
    AspWriteAll writeAll(&m_fixture.Project(), nullptr, m_services);
    Isolate(writeAll);
    writeAll.Run(nullptr);
    EXPECT_TRUE(writeAll.GetReport().GetUnwrittenFiles().empty());
    ASSERT_EQ(writeAll.GetReport().GetSkippedPages().size(), 2u);
    EXPECT_EQ(m_services.statusTexts.back(), "Writing completed with 2 errors");
    ASSERT_EQ(m_boxes.Shown().size(), 1u);
    EXPECT_EQ(m_boxes.Shown()[0].text, writeAll.GetReport().GetText().str() + "\nThe log " +
                                           Path("ForgeonWriteErrors.txt").string() +
                                           " could not be written: Is a directory");
}

TEST_F(ClassicWriteAllTest, AMessageOfManyFailuresShowsTheFirstLinesAndWhereTheLogHoldsThemAll)
{
    for (int index = 0; index < 30; ++index)
        m_fixture.Base().Append(NewReport(("Report" + std::to_string(index)).c_str(), 1, false));
    WriteHostFile(Path("BaseModule"), "a file where the module folder goes");
    AspWriteAll writeAll(&m_fixture.Project(), nullptr, m_services);
    Isolate(writeAll);
    EXPECT_FALSE(writeAll.Run(nullptr));

    const auto lines = [](const std::string& text) { return std::ranges::count(text, '\n') + 1; };
    const std::string full = writeAll.GetReport().GetFullText().str();
    EXPECT_GT(lines(full), 30);
    ASSERT_EQ(1u, m_boxes.Shown().size());
    const std::string& text = m_boxes.Shown()[0].text;
    EXPECT_EQ(lines(text), 16) << text;
    EXPECT_NE(text.find("\nand "), std::string::npos) << text;
    EXPECT_EQ(text.substr(text.rfind('\n') + 1),
              "Every line is in " + Path("ForgeonWriteErrors.txt").string());
    std::string log = ReadHostFile(Path("ForgeonWriteErrors.txt"));
    std::erase(log, '\r');
    EXPECT_EQ(full, log);
}

TEST_F(ClassicWriteAllTest, NamesAndLinksThatLeadOutOfTheProjectPathWriteNothingThere)
{
    namespace fs = std::filesystem;
    m_fixture.Project().GetProjectSettings()->SetProjectPath(m_fixture.Temp().ModelPath("a\\b\\"));
    auto* login = new LoginPage;
    login->CreateDefaultControls();
    m_fixture.Base().SetLoginPage(login);
    m_second->SetName("..\\..\\escaped");
    const fs::path project = Path("a/b");
    const fs::path outside = Path("outside");
    WriteHostFile(outside / "Login.asp", "outside");
    WriteHostFile(project / "_modifiedCode" / "Login" / "Extra.asp", "mine");
    fs::create_directories(project / "Login");
    fs::create_symlink(outside / "Login.asp", project / "Login" / "Login.asp");
    fs::create_symlink(outside / "Extra.asp", project / "Login" / "Extra.asp");
    m_services.answerModifiedFiles = true;

    AspWriteAll writeAll(&m_fixture.Project(), nullptr, m_services);
    Isolate(writeAll);
    EXPECT_FALSE(writeAll.Run(nullptr));

    // Files outside the project path: the log and the link's target only, as they were.
    std::vector<std::string> files;
    for (auto it = fs::recursive_directory_iterator(m_fixture.Root()); it != fs::end(it); ++it)
    {
        if (it->path() == project)
            it.disable_recursion_pending();
        else if (!it->is_directory())
            files.push_back(fs::relative(it->path(), m_fixture.Root()).string());
    }
    std::ranges::sort(files);
    EXPECT_EQ((std::vector<std::string>{"ForgeonWriteErrors.txt", "outside/Login.asp"}), files);
    EXPECT_EQ("outside", ReadHostFile(outside / "Login.asp"));
    EXPECT_FALSE(fs::is_symlink(project / "Login" / "Login.asp"));
    EXPECT_NE(ReadHostFile(project / "Login" / "Login.asp").find("<%"), std::string::npos);
    EXPECT_EQ("mine", ReadHostFile(project / "Login" / "Extra.asp"));

    const GenerationReport& report = writeAll.GetReport();
    const std::string refusal = "outside the output folder " + project.string();
    ASSERT_FALSE(report.GetUnwrittenFiles().empty());
    for (const GenerationReport::Entry& entry : report.GetUnwrittenFiles())
    {
        EXPECT_NE(entry.name.Find("escaped"), -1) << entry.name;
        EXPECT_EQ(refusal, entry.reason.str()) << entry.name;
    }
    const std::string links = "These links were replaced by the files written:\n" +
                              (project / "Login" / "Login.asp").string() + " (it led to " +
                              (outside / "Login.asp").string() + ")\n" +
                              (project / "Login" / "Extra.asp").string() + " (it led to " +
                              (outside / "Extra.asp").string() + ")";
    EXPECT_NE(report.GetFullText().Find(links.c_str()), -1) << report.GetFullText();
}

// A project holding a list report with a button column, a group report, two graph reports (the
// second's first group calls no procedure), a collector and a dashboard page: every page Write
// All writes passes the classic page check and node --check, and the run lists only the chart
// data page it could not write.
TEST(ClassicWriteAllPagesTest, EveryReportKindCollectorAndDashboardPagePassTheChecks)
{
    ReportProject reports;
    Procedure* orders = reports.AddProcedure("PRC_Orders");
    ApplicationReport* list =
        reports.AddListReport("Order List", orders, {reports.Name(), reports.Placed()});
    ReportField* button = reports.AddColumn(*list->GetReportGroups().front(),
                                            reports.Orders().GetPrimaryKeyField(), "Close");
    auto* property = new ReportFieldControlProperty;
    property->SetControl(ClassicPageFixture::NewControl(reports.Orders().GetPrimaryKeyField(),
                                                        FieldRepData::Button));
    property->SetProcedure(reports.AddProcedure("PRC_Close"));
    property->AddBinding(new ReportFieldBinding{list->GetFieldVariableMaps().front()->variable,
                                                nullptr, nullptr, button->GetFieldInfo()});
    button->SetControlProperty(property);

    ApplicationReport* grouped = reports.AddListReport("Orders By Day", orders, {reports.Name()});
    reports.AddGroup(*grouped, reports.AddProcedure("PRC_Days"), {});
    reports.AddGroup(*grouped, reports.AddProcedure("PRC_Lines"), {reports.Amount()});
    grouped->CreateAspFile(10, AspFile::reportOwner);

    ApplicationReport* chart = reports.AddListReport("Sales Chart", orders, {reports.Name()});
    ApplicationReport* lost = reports.AddListReport("Lost Chart", nullptr, {});
    for (ApplicationReport* graph : {chart, lost})
    {
        graph->SetReportKind(3);
        graph->SetChartData(3, new GraphData);
        graph->GetChartData()->SetChartType(3);
    }
    // A page file of another kind leaves the graph page as it was written.
    chart->CreateAspFile(10, AspFile::reportOwner);

    auto* collector = new ReportCollector;
    collector->SetName("Board");
    collector->SetModule(&reports.Base());
    reports.Base().Append(collector);
    collector->CreateDefaultAspFiles(0);
    for (ApplicationReport* collected : {list, chart})
        collector->AddReport({collected, 250, 450});
    collector->AddFieldRep(ClassicPageFixture::NewControl(reports.Name(), FieldRepData::TextBox));
    auto* shared = new Variable;
    shared->SetName("reportCollector_name_var");
    collector->AddFieldVariableMap(new FieldVariableMap{reports.Name(), shared});

    auto* dashBoard = new DashBoard;
    dashBoard->SetName("Stock");
    reports.Base().Append(dashBoard);
    auto* stock = new ProcedureInvokation;
    stock->SetProcedure(reports.AddProcedure("PRC_Stock"));
    dashBoard->SetProcedureInvokation(stock);
    dashBoard->SetGrid(new Grid(1, 2));
    auto* label = new DashBoardCellInfo;
    label->SetCaption("On hand");
    dashBoard->GetGrid()->GetCellAt(0, 0)->SetCellData(label, GridCell::kDashBoardCellInfo);
    auto* page = new DashBoardPage;
    page->SetName("Overview");
    page->SetModule(&reports.Base());
    reports.Base().Append(page);
    page->CreateAspFile(0);
    page->AddPlacement(new DashBoardPageData(dashBoard));

    GenWebProject& project = reports.Project();
    project.Project().SetSqlServerDatabase(0);
    TheProjectDiagnostics().ClearErrorsAndWarnings();
    ClassicWriteAllServices services;
    ScriptedMessageBoxes boxes;
    AspWriteAll writeAll(&project.Project(), nullptr, services);
    writeAll.SetWriteErrorsLogPath(project.Temp().ModelPath("ForgeonWriteErrors.txt"));
    EXPECT_FALSE(writeAll.Run(nullptr));
    EXPECT_EQ(writeAll.GetReport().GetText().str(),
              "These pages were skipped:\nLost Chart (Lost_Chart_action.asp) (the chart data "
              "page needs a procedure in the report's first group)");

    std::filesystem::copy(ClassicData("_system"), project.Root() / "_system",
                          std::filesystem::copy_options::recursive |
                              std::filesystem::copy_options::skip_existing);
    std::vector<std::string> written;
    for (const auto& entry : std::filesystem::directory_iterator(project.Root() / "BaseModule"))
    {
        written.push_back(entry.path().filename().string());
        EXPECT_EQ("", Joined(CheckPageFile(entry.path()))) << written.back();
        ExpectNodeAccepts(PageScripts(ReadPage(entry.path())), project.Root());
    }
    EXPECT_NE(ReadPage(project.Root() / "BaseModule" / "Sales_Chart_report.asp").find("strGraph"),
              std::string::npos);
    std::sort(written.begin(), written.end());
    EXPECT_EQ(written,
              (std::vector<std::string>{"Board.asp", "Lost_Chart_report.asp",
                                        "Order_List_ReportCollector.asp", "Order_List_action.asp",
                                        "Order_List_report.asp", "Orders_By_Day_report.asp",
                                        "Overview.asp", "Sales_Chart_ReportCollector.asp",
                                        "Sales_Chart_action.asp", "Sales_Chart_report.asp"}));
}
