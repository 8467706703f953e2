#include "designers/logic/ReportDesigner.h"
#include "editors/logic/ProcedureAssigner.h"
#include "entities/AspFile.h"
#include "entities/ColumnGraphData.h"
#include "entities/DashBoardPage.h"
#include "entities/PieChartData.h"
#include "entities/Procedure.h"
#include "entities/ProcedureInvokation.h"
#include "entities/RDLCReport.h"
#include "entities/ReportField.h"
#include "entities/Variable.h"
#include "model/EventRecmpFields.h"
#include "model/FieldRep.h"
#include "model/FieldRepData.h"
#include "tests/designers/logic/DesignerTestSupport.h"
#include "tests/model/ModelBuilders.h"

#include <gtest/gtest.h>

#include <memory>

namespace
{

const std::string duplicate = "A report with this name already exists.";

struct ReportDesignerFixture
{
    ReportDesignerFixture() : designer(fixture.project, host, host) {}

    void Type(const char* name, const char* header = "Header")
    {
        designer.States().SetText(ReportDesigner::IDC_NAME, name);
        designer.States().SetText(ReportDesigner::IDC_HEADER, header);
    }
    // A new report populated by the function.
    void NewWithFunction(Function* function)
    {
        designer.LoadReport(nullptr);
        host.assignFunction = ReportProject::Choose(function);
        designer.AssignFunction();
        host.assignFunction = nullptr;
    }
    std::vector<CString> ReportNames()
    {
        std::vector<CString> names;
        for (const ApplicationReport* report : fixture.Current().GetReports())
            names.push_back(report->GetFormName());
        return names;
    }

    ReportProject fixture;
    RecordingDesignerHost host;
    ReportDesigner designer;
};

// One OK of the designer: what the report is before, what is typed, the answers, and what
// follows.
struct OkCase
{
    const char* title;
    // Load a stored report "Sales" (else a new one).
    bool stored;
    bool withGroup;
    int kind;
    const char* name;
    const char* header;
    std::vector<std::string> messages;
    // The module's report names after OK.
    std::vector<CString> reports;
    // The host calls after OK.
    std::vector<CString> calls;
};

class ReportOkTest : public ::testing::TestWithParam<OkCase>
{
};

TEST_P(ReportOkTest, StepsRunInOrder)
{
    const OkCase& c = GetParam();
    ReportDesignerFixture d;
    d.fixture.AddReport("Sales", d.fixture.listBooks);
    d.fixture.AddReport("Stock", d.fixture.listBooks);
    if (c.stored)
        d.designer.LoadReport(d.fixture.Current().FindReportByName("Sales"));
    else if (c.withGroup)
        d.NewWithFunction(d.fixture.listBooks);
    else
        d.designer.LoadReport(nullptr);
    if (c.kind != 1)
        d.designer.GetReport()->SetReportKind(c.kind);
    d.Type(c.name, c.header);
    d.host.calls.clear();
    ScriptedMessageBoxes boxes;
    ApplicationReport* report = d.designer.GetReport();

    d.designer.Ok();

    EXPECT_EQ(c.messages, boxes.ShownTexts());
    EXPECT_EQ(c.reports, d.ReportNames());
    EXPECT_EQ(c.calls, d.host.calls);
    const bool storedNow = c.messages.empty();
    EXPECT_EQ(!storedNow && !c.stored, d.designer.IsNew());
    if (storedNow)
    {
        EXPECT_EQ(CString(c.name), report->GetFormName());
        EXPECT_EQ(CString(c.header), report->GetTitle());
    }
}

INSTANTIATE_TEST_SUITE_P(
    Sequence, ReportOkTest,
    ::testing::Values(OkCase{"GraphWithoutDataFirst",
                             false,
                             true,
                             3,
                             "",
                             "",
                             {"Can not add or modify report. Please set graph data."},
                             {"Sales", "Stock"},
                             {}},
                      OkCase{"EmptyName",
                             false,
                             true,
                             1,
                             "",
                             "H",
                             {"Please enter report name and header"},
                             {"Sales", "Stock"},
                             {}},
                      OkCase{"EmptyHeader",
                             false,
                             true,
                             1,
                             "New",
                             "",
                             {"Please enter report name and header"},
                             {"Sales", "Stock"},
                             {}},
                      OkCase{"NewNameUsedIgnoringCase",
                             false,
                             true,
                             1,
                             "SALES",
                             "H",
                             {duplicate},
                             {"Sales", "Stock"},
                             {}},
                      OkCase{"Semicolon",
                             false,
                             true,
                             1,
                             "a;b",
                             "H",
                             {"Special charater in report name.Please Check."},
                             {"Sales", "Stock"},
                             {}},
                      OkCase{"ExclamationMark",
                             false,
                             true,
                             1,
                             "Hi!",
                             "H",
                             {"Special charater in report name.Please Check."},
                             {"Sales", "Stock"},
                             {}},
                      OkCase{"StoredRenamedOntoAnother",
                             true,
                             true,
                             1,
                             "stock",
                             "H",
                             {duplicate},
                             {"Sales", "Stock"},
                             {}},
                      OkCase{"StoredCaseOnlyRename",
                             true,
                             true,
                             1,
                             "SALES",
                             "H",
                             {},
                             {"SALES", "Stock"},
                             {"page item SALES", "start page"}},
                      OkCase{"NewWithoutFunction",
                             false,
                             false,
                             1,
                             "Orders",
                             "H",
                             {"Report method is not assigned"},
                             {"Sales", "Stock"},
                             {}},
                      OkCase{"NewWithColonAndBlank",
                             false,
                             true,
                             1,
                             "Due: Soon",
                             "H",
                             {},
                             {"Due: Soon", "Sales", "Stock"},
                             {"report item BaseModule Due: Soon", "start page"}}),
    [](const auto& info) { return std::string(info.param.title); });

TEST(ReportDesignerTest, TheNameRuleRefusesExactlyThePartsByteRanges)
{
    ReportDesignerFixture d;
    for (int byte = 1; byte < 256; ++byte)
    {
        // The Part's punctuation and the control characters, which no save reads back.
        const bool special =
            (byte >= 33 && byte <= 47 && byte != '-') || (byte >= 59 && byte <= 64) ||
            (byte >= 91 && byte <= 96 && byte != '_') || (byte >= 123 && byte <= 127) || byte < 32;
        d.designer.LoadReport(nullptr);
        d.Type(CString("a") + CString(static_cast<char>(byte)) + "b");
        ScriptedMessageBoxes boxes;
        d.designer.Ok();
        // Without a function a name that passes stops at the last refusal.
        EXPECT_EQ(std::vector<std::string>{special ? "Special charater in report name.Please Check."
                                                   : "Report method is not assigned"},
                  boxes.ShownTexts())
            << "byte " << byte;
    }
}

TEST(ReportDesignerTest, NameKillFocusRefusesOrStoresAtOnce)
{
    struct Case
    {
        bool stored;
        std::string typed;
        std::vector<std::string> messages;
        std::string edit;
        std::string reportName;
    };
    const std::string tooLong(232, 'r');
    const Case cases[] = {
        {true, "Stock", {duplicate}, "Sales", "Sales"},
        // An RDLC report of any module and a dashboard page of the module write its page file.
        {true, "SOLD", {duplicate}, "Sales", "Sales"},
        {true,
         "shelf",
         {"The name \"shelf\" cannot be taken: the dashboard page \"Shelf_report\" writes "
          "Shelf_report.aspx.\nPlease enter another name."},
         "Sales",
         "Sales"},
        {false,
         tooLong,
         {"The name \"" + tooLong.substr(0, 20) + "..." + tooLong.substr(0, 12) +
          "\" cannot be taken: its file rrrrrrrrrrrrrrrrrrrr...rrrrr_report.aspx.designer.cs "
          "would be 256 bytes long, longer than the 255 bytes a file name may hold.\nPlease "
          "enter another name."},
         "",
         ""},
        {true, "sALES", {}, "sALES", "sALES"},
        {true, "Sa;les", {"Special charater in report name.Please check."}, "Sales", "Sales"},
        {false, "Ne;w", {"Special charater in report name.Please check."}, "Ne;w", ""},
        {false, "Fresh", {}, "Fresh", "Fresh"},
        {true,
         "St;ock",
         {duplicate, "Special charater in report name.Please check."},
         "Sales",
         "Sales"},
    };
    for (const Case& c : cases)
    {
        ReportDesignerFixture d;
        d.fixture.AddReport("Sales", d.fixture.listBooks);
        d.fixture.AddReport("St;ock", d.fixture.listBooks);
        d.fixture.AddReport("Stock", d.fixture.listBooks);
        auto* sold = new RDLCReport;
        sold->SetName("Sold");
        d.fixture.Current().AddRDLCReport(sold, false);
        d.fixture.Current().Append(NewPage<DashBoardPage>("Shelf_report"));
        d.designer.LoadReport(c.stored ? d.fixture.Current().FindReportByName("Sales") : nullptr);
        d.designer.States().SetText(ReportDesigner::IDC_NAME, c.typed.c_str());
        ScriptedMessageBoxes boxes;
        d.designer.NameLostFocus();
        EXPECT_EQ(c.messages, boxes.ShownTexts()) << c.typed;
        EXPECT_EQ(CString(c.edit.c_str()), d.designer.States().GetText(ReportDesigner::IDC_NAME))
            << c.typed;
        EXPECT_EQ(CString(c.reportName.c_str()), d.designer.GetReport()->GetFormName()) << c.typed;
    }
}

TEST(ReportDesignerTest, LoadShowsTheReportAndOnlyANewOneHasItsNameEnabled)
{
    ReportDesignerFixture d;
    ApplicationReport* sales = d.fixture.AddReport("Sales", d.fixture.listBooks);
    sales->SetSubHeader("Sub");
    sales->SetColumnLayout(1);
    d.designer.LoadReport(sales);
    const ControlStates& s = d.designer.States();
    EXPECT_EQ("Sales", s.GetText(ReportDesigner::IDC_NAME));
    EXPECT_FALSE(s.IsEnabled(ReportDesigner::IDC_NAME));
    EXPECT_TRUE(s.IsChecked(ReportDesigner::IDC_SUB_HEADER_ON));
    EXPECT_TRUE(s.IsEnabled(ReportDesigner::IDC_SUB_HEADER));
    EXPECT_TRUE(s.IsEnabled(ReportDesigner::IDC_WITHOUT_LINKS));
    EXPECT_TRUE(s.IsChecked(ReportDesigner::IDC_SINGLE_COLUMN));
    EXPECT_EQ("Books.ListBooks", s.GetText(ReportDesigner::IDC_FUNCTION_LABEL));
    EXPECT_EQ(sales->GetReportGroups().front(), d.designer.GetCurrentGroup());
    EXPECT_EQ((std::vector<CString>{"id", "title", "publisher_id"}),
              Cells(d.designer.GetOutputRows()));

    d.designer.LoadReport(nullptr);
    EXPECT_TRUE(s.IsEnabled(ReportDesigner::IDC_NAME));
    EXPECT_TRUE(s.IsChecked(ReportDesigner::IDC_LIST_REPORT));
    EXPECT_FALSE(s.IsEnabled(ReportDesigner::IDC_WITHOUT_LINKS));
    EXPECT_FALSE(s.IsEnabled(ReportDesigner::IDC_SUB_HEADER));
    EXPECT_TRUE(s.IsChecked(ReportDesigner::IDC_TWO_COLUMNS));
    EXPECT_EQ("Function not assigned.", s.GetText(ReportDesigner::IDC_FUNCTION_LABEL));
    EXPECT_EQ(4, d.designer.GetReport()->GetColumnLayout());
}

TEST(ReportDesignerTest, KindChangesAskAndTheGridRefusesSeveralGroups)
{
    struct Case
    {
        int groups;
        int kind;
        int answer;
        std::vector<std::string> messages;
        int kindAfter;
    };
    const std::string question =
        "Do you really want to change Report type? Current report data will get lost";
    const Case cases[] = {
        {1, 0, IDYES, {question}, 0},
        {1, 4, IDNO, {question}, 1},
        {1, 1, IDYES, {}, 1},
        {1, 2, IDYES, {question}, 2},
        {2, 2, IDYES, {question, "Can not assign as Grid report."}, 1},
        {2, 2, IDNO, {question}, 1},
        {2, 5, IDYES, {question}, 5},
    };
    for (const Case& c : cases)
    {
        ReportDesignerFixture d;
        d.NewWithFunction(d.fixture.listBooks);
        if (c.groups > 1)
        {
            d.host.assignFunction = ReportProject::Choose(d.fixture.other);
            d.designer.AssignSubGroupFunction();
        }
        d.designer.GetReport()->SetTable(d.fixture.book);
        ScriptedMessageBoxes boxes{c.answer};
        d.designer.ChooseKind(c.kind);
        EXPECT_EQ(c.messages, boxes.ShownTexts()) << c.kind;
        EXPECT_EQ(c.kindAfter, d.designer.GetReport()->GetReportKind()) << c.kind;
        EXPECT_TRUE(d.designer.States().IsChecked(
            c.kindAfter == 5   ? ReportDesigner::IDC_SINGLE_RECORD_REPORT
            : c.kindAfter == 0 ? ReportDesigner::IDC_GROUP_REPORT
            : c.kindAfter == 2 ? ReportDesigner::IDC_GRID_REPORT
                               : ReportDesigner::IDC_LIST_REPORT));
        // The single-record kind starts without a source table.
        EXPECT_EQ(c.kindAfter == 5, d.designer.GetReport()->GetTable() == nullptr);
        if (!boxes.ShownTexts().empty())
        {
            EXPECT_EQ(MB_YESNO | MB_ICONQUESTION, boxes.Shown().front().type);
        }
    }
}

TEST(ReportDesignerTest, GraphTypeChangeDropsTheChartOnlyOnYes)
{
    for (const int answer : {IDYES, IDNO})
    {
        ReportDesignerFixture d;
        d.NewWithFunction(d.fixture.listBooks);
        d.designer.ChooseGraphType(3);
        d.designer.GetReport()->SetChartData(3, new ColumnGraphData);
        ScriptedMessageBoxes boxes{answer};
        d.designer.ChooseGraphType(5);
        EXPECT_EQ(
            std::vector<std::string>{"Do you really want to change graph type? Graph data will "
                                     "get lost"},
            boxes.ShownTexts());
        EXPECT_EQ(answer == IDYES, d.designer.GetReport()->GetChartData() == nullptr);
        EXPECT_EQ(answer == IDYES ? 5 : 3,
                  d.designer.States().GetSelection(ReportDesigner::IDC_GRAPH_TYPE));
    }
}

TEST(ReportDesignerTest, GraphDataMakesOrUpdatesTheChartOfTheChosenClass)
{
    ReportDesignerFixture d;
    d.NewWithFunction(d.fixture.listBooks);
    ScriptedMessageBoxes boxes;
    d.designer.ChooseGraphType(2);
    d.designer.EditGraphData();
    d.host.assignFunction = ReportProject::Choose(d.fixture.other);
    d.designer.AssignSubGroupFunction();
    d.designer.ClickGroupRow(0);
    d.designer.EditGraphData();
    d.Type("Chart");
    d.designer.NameLostFocus();
    CString caption;
    d.host.editChart = [&caption](GraphData& chart)
    {
        caption = chart.GetCaption();
        chart.SetSubcaption("sub");
        return true;
    };
    d.designer.EditGraphData();
    EXPECT_EQ(
        (std::vector<std::string>{"Please select correct procedure.", "Please Give Report Name."}),
        boxes.ShownTexts());
    EXPECT_EQ("Chart", caption);
    auto* column = dynamic_cast<ColumnGraphData*>(d.designer.GetReport()->GetChartData());
    ASSERT_NE(nullptr, column);
    EXPECT_EQ(2u, column->GetChartType());
    EXPECT_EQ("sub", column->GetSubcaption());
    EXPECT_EQ("chart data 1", d.host.calls.back());

    // A later OK starts from the stored texts and updates the same chart.
    d.host.editChart = [&caption](GraphData& chart)
    {
        caption = chart.GetSubcaption();
        chart.SetCaption("again");
        return true;
    };
    d.designer.EditGraphData();
    EXPECT_EQ("sub", caption);
    EXPECT_EQ(column, d.designer.GetReport()->GetChartData());
    EXPECT_EQ("again", column->GetCaption());

    // A pie type replaces it with pie data; Cancel changes nothing.
    d.designer.GetReport()->DeleteGraphData();
    d.designer.ChooseGraphType(6);
    d.host.editChart = nullptr;
    d.designer.EditGraphData();
    EXPECT_EQ(nullptr, d.designer.GetReport()->GetChartData());
    d.host.editChart = [](GraphData&) { return true; };
    d.designer.EditGraphData();
    EXPECT_NE(nullptr, dynamic_cast<PieChartData*>(d.designer.GetReport()->GetChartData()));
    EXPECT_EQ(6, d.designer.GetReport()->GetChartType());
}

TEST(ReportDesignerTest, PagingIsStoredByOk)
{
    ReportDesignerFixture d;
    ApplicationReport* sales = d.fixture.AddReport("Sales", d.fixture.listBooks);
    d.designer.LoadReport(sales);
    d.designer.TogglePaging();
    EXPECT_TRUE(d.designer.States().IsChecked(ReportDesigner::IDC_PAGING));
    EXPECT_FALSE(sales->IsPagingRequired());
    d.designer.Ok();
    EXPECT_TRUE(sales->IsPagingRequired());
}

TEST(ReportDesignerTest, PopulationAndSubGroupFunctions)
{
    ReportDesignerFixture d;
    d.designer.LoadReport(nullptr);
    ScriptedMessageBoxes boxes{IDOK, IDOK, IDNO, IDYES, IDYES};
    d.designer.AssignSubGroupFunction();
    // Cancel of the dialog adds nothing.
    d.designer.AssignFunction();
    EXPECT_TRUE(d.designer.GetReport()->GetReportGroups().empty());
    d.host.assignFunction = ReportProject::Choose(d.fixture.listBooks);
    d.designer.AssignFunction();
    // A second Assign edits group 0 in place.
    d.host.assignFunction = ReportProject::Choose(d.fixture.listPublishers);
    d.designer.AssignFunction();
    EXPECT_EQ(1u, d.designer.GetReport()->GetReportGroups().size());
    EXPECT_EQ("Books.ListPublishers",
              d.designer.States().GetText(ReportDesigner::IDC_FUNCTION_LABEL));
    // The class of the population function is refused as a sub-group.
    d.host.assignFunction = ReportProject::Choose(d.fixture.listBooks);
    d.designer.AssignSubGroupFunction();
    d.host.assignFunction = ReportProject::Choose(d.fixture.other);
    d.designer.AssignSubGroupFunction();
    EXPECT_EQ((std::vector<CString>{"Extra.Other"}), Cells(d.designer.GetGroupRows(), 1));
    d.designer.ClickGroupRow(0);
    EXPECT_EQ(d.designer.GetReport()->GetReportGroups().at(1), d.designer.GetCurrentGroup());
    d.designer.MapParameters();
    EXPECT_EQ("map parameters", d.host.calls.back());
    // No, then Yes to removing the sub-group.
    d.designer.RemoveSubGroupFunction();
    EXPECT_EQ(2u, d.designer.GetReport()->GetReportGroups().size());
    d.designer.RemoveSubGroupFunction();
    EXPECT_EQ(1u, d.designer.GetReport()->GetReportGroups().size());
    EXPECT_EQ(nullptr, d.designer.GetCurrentGroup());
    d.designer.AssignSubGroupFunction();
    d.designer.RemoveFunction();
    EXPECT_TRUE(d.designer.GetReport()->GetReportGroups().empty());
    EXPECT_TRUE(d.designer.GetGroupRows().empty());
    EXPECT_EQ("Function not assigned.",
              d.designer.States().GetText(ReportDesigner::IDC_FUNCTION_LABEL));
    EXPECT_EQ((std::vector<std::string>{"Please assign report population function first",
                                        "Function already present for the Report",
                                        "Do you really want to remove the group population "
                                        "function \"Extra.Other\"?",
                                        "Do you really want to remove the group population "
                                        "function \"Extra.Other\"?",
                                        "Do you really want to remove population function "
                                        "\"Books.ListPublishers\"?"}),
              boxes.ShownTexts());
}

TEST(ReportDesignerTest, FilterAndColumnListsOfTheCurrentGroup)
{
    ReportDesignerFixture d;
    d.NewWithFunction(d.fixture.listBooks);
    ScriptedMessageBoxes boxes;
    d.designer.AddFormControl({0, 1});
    d.designer.AddFormControl({1, 2});
    d.designer.AddToReport({1, 2});
    d.designer.AddToReport({2});
    d.designer.AddButtonControl();
    EXPECT_EQ((std::vector<std::string>{"Report field 'title' already present",
                                        "Report field 'publisher_id' already present"}),
              boxes.ShownTexts());
    EXPECT_EQ((std::vector<CString>{"id", "title", "publisher_id"}),
              Cells(d.designer.GetFilterRows()));
    EXPECT_EQ(3u, d.designer.GetColumnRows().size());
    EXPECT_EQ("Button", d.designer.GetColumnRows().back().cells.at(0));
    // The filters made their report variables.
    EXPECT_NE(nullptr, d.designer.GetReport()->FindVariableByName("title"));

    d.designer.SelectFilterRow(2);
    d.designer.MoveFilterUp();
    EXPECT_EQ((std::vector<CString>{"id", "publisher_id", "title"}),
              Cells(d.designer.GetFilterRows()));
    EXPECT_EQ(1, d.designer.GetSelectedFilterRow());
    d.designer.MoveFilterUp();
    d.designer.MoveFilterUp();
    EXPECT_EQ(0, d.designer.GetSelectedFilterRow());
    EXPECT_EQ("publisher_id", d.designer.GetFilterRows().front().cells.at(0));
    d.designer.SelectColumnRow(2);
    d.designer.MoveColumnDown();
    EXPECT_EQ(2, d.designer.GetSelectedColumnRow());
    d.designer.MoveColumnUp();
    EXPECT_EQ("Button", d.designer.GetColumnRows().at(1).cells.at(0));

    // A filter that another filter recomputes on stays.
    ReportGroup* group = d.designer.GetCurrentGroup();
    auto* event = new EventRecmpFields;
    event->AddProcedureRecompute(group->GetFilterAt(0), nullptr);
    group->GetFilterAt(1)->GetFieldRepData()->AddEventRecmpFields(event);
    d.designer.SelectFilterRow(0);
    d.designer.RemoveControl();
    EXPECT_EQ(" Cannot Remove the FieldRep. It is being used for Recomputation.",
              boxes.ShownTexts().back());
    EXPECT_EQ(3u, group->GetFilters().size());
    d.designer.SelectFilterRow(2);
    d.designer.RemoveControl();
    EXPECT_EQ((std::vector<CString>{"publisher_id", "id"}), Cells(d.designer.GetFilterRows()));

    // Removal of columns asks first.
    d.host.warningAnswer = false;
    d.designer.RemoveFromReport({0, 1});
    EXPECT_EQ(3u, group->GetReportFields().size());
    d.host.warningAnswer = true;
    d.designer.RemoveFromReport({0, 1});
    EXPECT_EQ((std::vector<CString>{"Publisher Id"}), Cells(d.designer.GetColumnRows()));
    EXPECT_EQ("warning Do you really want to remove the Report field from Report \"Title\", "
              "\"Button\"?",
              d.host.calls.back());
}

TEST(ReportDesignerTest, SelectTableOnlyForTheSingleRecordKind)
{
    ReportDesignerFixture d;
    d.NewWithFunction(d.fixture.listBooks);
    ScriptedMessageBoxes boxes{IDYES};
    d.designer.States().Select(ReportDesigner::IDC_TABLE, 1);
    d.designer.SelectTable();
    EXPECT_EQ(nullptr, d.designer.GetReport()->GetTable());
    d.designer.ChooseKind(5);
    EXPECT_TRUE(d.designer.States().IsEnabled(ReportDesigner::IDC_SELECT_TABLE));
    d.designer.States().Select(ReportDesigner::IDC_TABLE, 1);
    d.designer.SelectTable();
    EXPECT_EQ(d.fixture.book, d.designer.GetReport()->GetTable());
    EXPECT_EQ("book", d.designer.States().GetText(ReportDesigner::IDC_TABLE_NAME));
    EXPECT_EQ("This is not a formView report", boxes.ShownTexts().front());
}

TEST(ReportDesignerTest, AssignProcedureAddsAGroupOnceAndNeverForAGrid)
{
    ReportDesignerFixture d;
    auto* procedure = new Procedure;
    procedure->SetName("PRC_book_all");
    d.fixture.Current().AddProcedure(procedure);
    d.NewWithFunction(d.fixture.listBooks);
    d.host.assignProcedure = [procedure](ProcedureAssigner& assigner)
    {
        assigner.GetInvocation()->SetProcedure(procedure);
        return true;
    };
    ScriptedMessageBoxes boxes{IDYES};
    d.designer.AssignProcedure();
    d.designer.AssignProcedure();
    EXPECT_EQ(2u, d.designer.GetReport()->GetReportGroups().size());
    d.designer.GetReport()->SetReportKind(2);
    d.designer.AssignProcedure();
    d.designer.ClickGroupRow(0);
    d.designer.RemoveProcedure();
    EXPECT_EQ(1u, d.designer.GetReport()->GetReportGroups().size());
    EXPECT_EQ(
        (std::vector<std::string>{"Procedure already present for the Report",
                                  "This is a Grid report so can not assign muliple procedures.",
                                  "Do you really want to remove sub group function?"}),
        boxes.ShownTexts());
}

TEST(ReportDesignerTest, GroupHeaderIsStoredOnOk)
{
    ReportDesignerFixture d;
    d.NewWithFunction(d.fixture.listBooks);
    d.host.assignFunction = ReportProject::Choose(d.fixture.other);
    d.designer.AssignSubGroupFunction();
    ScriptedMessageBoxes boxes;
    d.designer.AssignGroupHeader();
    d.designer.ClickGroupRow(0);
    ProcedureFieldInfo* value = d.fixture.other->GetOutputFields().front();
    d.host.editGroupHeader = [value](GroupHeader& header)
    {
        header = {"Publisher", value, nullptr};
        return true;
    };
    d.designer.AssignGroupHeader();
    ReportGroup* group = d.designer.GetReport()->GetReportGroups().at(1);
    EXPECT_EQ("Publisher", group->GetHeader());
    EXPECT_EQ(value, group->GetHeaderValue());
    // Without a header column the text goes.
    d.host.editGroupHeader = [](GroupHeader& header)
    {
        header.value = nullptr;
        return true;
    };
    d.designer.AssignGroupHeader();
    EXPECT_EQ("", group->GetHeader());
    EXPECT_EQ(std::vector<std::string>{"Please select correct procedure."}, boxes.ShownTexts());
}

TEST(ReportDesignerTest, TheWithoutLinksCopyIsMadeOnceWithItsGroupsAndOwnVariables)
{
    const auto shared = std::make_unique<Variable>();
    const auto sharedMap =
        std::make_unique<FieldVariableMap>(FieldVariableMap{nullptr, shared.get()});
    ReportDesignerFixture d;
    ApplicationReport* sales = d.fixture.AddReport("Sales", d.fixture.listBooks);
    sales->SetPagingRequired(true);
    sales->SetColumnLayout(1);
    sales->SetReportKind(3);
    sales->SetChartData(2, new ColumnGraphData);
    ReportGroup* group = sales->GetReportGroups().front();
    group->AddFilter(new FieldRep(ReportProject::FieldOf(d.fixture.book, "title")));
    group->GetFilterAt(0)->SetFieldRepData(new FieldRepData);
    group->AddReportField(new ReportField(d.fixture.listBooks->GetOutputFields().at(1)));
    // A page keeps a shared variable and its map without owning them.
    shared->SetName("shared");
    shared->SetKind(Variable::sharedKind);
    sales->AddFieldVariableMap(sharedMap.get());
    auto* call = new ProcedureInvokation;
    call->AddVariablePair(new VariablePair{nullptr, sales->FindVariableByName("title")});
    group->SetProcedureCall(call);

    d.designer.LoadReport(sales);
    ScriptedMessageBoxes boxes;
    d.designer.ToggleWithoutLinks();

    ApplicationReport* copy = d.fixture.Current().FindReportByName("Sales_WithoutLinks");
    ASSERT_NE(nullptr, copy);
    EXPECT_EQ(&d.fixture.Current(), copy->GetModule());
    EXPECT_TRUE(copy->IsPagingRequired());
    EXPECT_EQ(3, copy->GetReportKind());
    EXPECT_EQ(2, copy->GetChartType());
    EXPECT_EQ(nullptr, copy->GetChartData());
    EXPECT_EQ(1, copy->GetColumnLayout());
    ASSERT_EQ(1u, copy->GetReportGroups().size());
    const ReportGroup* copied = copy->GetReportGroups().front();
    EXPECT_EQ(d.fixture.listBooks, copied->GetClassCall()->GetFunction());
    ASSERT_EQ(1u, copied->GetFilters().size());
    EXPECT_NE(group->GetFilterAt(0), copied->GetFilterAt(0));
    EXPECT_EQ(group->GetFilterAt(0)->GetField(), copied->GetFilterAt(0)->GetField());
    ASSERT_EQ(1u, copied->GetReportFields().size());
    EXPECT_EQ(group->GetReportFields().front()->GetFieldInfo(),
              copied->GetReportFields().front()->GetFieldInfo());
    // The report variable once, the shared one not at all; the call names the copy's own.
    ASSERT_EQ(1u, copy->GetFieldVariableMaps().size());
    Variable* own = copy->FindVariableByName("title");
    ASSERT_NE(nullptr, own);
    EXPECT_NE(sales->FindVariableByName("title"), own);
    EXPECT_EQ(own, copied->GetProcedureCall()->GetVariablePairAt(0)->second);
    EXPECT_NE(nullptr, copy->FindAspFileByType(12));
    EXPECT_TRUE(sales->HasCompanionWithoutLinks());
    EXPECT_TRUE(copy->HasCompanionWithoutLinks());
    EXPECT_EQ("refresh tree", d.host.calls.back());
    EXPECT_FALSE(d.designer.States().IsEnabled(ReportDesigner::IDC_WITHOUT_LINKS));

    // A second time nothing happens.
    d.designer.ToggleWithoutLinks();
    d.designer.LoadReport(sales);
    EXPECT_FALSE(d.designer.States().IsEnabled(ReportDesigner::IDC_WITHOUT_LINKS));
    EXPECT_EQ(3u, d.fixture.Current().GetReports().size() + 1);
    EXPECT_TRUE(boxes.ShownTexts().empty());
}

TEST(ReportDesignerTest, TheWithoutLinksCopyIsRefusedWhenItsNameIsTaken)
{
    ReportDesignerFixture d;
    ApplicationReport* sales = d.fixture.AddReport("Sales", d.fixture.listBooks);
    d.fixture.AddReport("SALES_withoutlinks", d.fixture.listBooks);
    d.designer.LoadReport(sales);
    ScriptedMessageBoxes boxes;
    d.designer.ToggleWithoutLinks();
    EXPECT_EQ(std::vector<std::string>{duplicate}, boxes.ShownTexts());
    EXPECT_EQ(2u, d.fixture.Current().GetReports().size());
    EXPECT_FALSE(sales->HasCompanionWithoutLinks());
    EXPECT_FALSE(d.designer.States().IsChecked(ReportDesigner::IDC_WITHOUT_LINKS));

    // A name whose copy's files no folder could hold: the copy would make a project no door
    // opens.
    const std::string longest(255 - 17 - 7, 'r');
    ApplicationReport* longReport = d.fixture.AddReport(longest.c_str(), d.fixture.listBooks);
    d.designer.LoadReport(longReport);
    d.designer.ToggleWithoutLinks();
    ASSERT_EQ(2u, boxes.ShownTexts().size());
    EXPECT_NE(std::string::npos, boxes.ShownTexts()[1].find("longer than the 255 bytes"))
        << boxes.ShownTexts()[1];
    EXPECT_EQ(3u, d.fixture.Current().GetReports().size());
    EXPECT_FALSE(longReport->HasCompanionWithoutLinks());
}

TEST(ReportDesignerTest, ANewReportGoesWithClearPageAndAStoredOneStays)
{
    ReportDesignerFixture d;
    ApplicationReport* sales = d.fixture.AddReport("Sales", d.fixture.listBooks);
    d.NewWithFunction(d.fixture.listBooks);
    d.designer.ClearPage();
    EXPECT_EQ(nullptr, d.designer.GetReport());
    EXPECT_EQ("", d.designer.States().GetText(ReportDesigner::IDC_NAME));
    d.designer.LoadReport(sales);
    d.fixture.Current().RemoveReport(sales);
    d.designer.ForgetReport(sales);
    EXPECT_TRUE(d.designer.IsNew());
    delete sales;
    d.designer.Cancel();
    EXPECT_EQ("start page", d.host.calls.back());
}

TEST(ReportDesignerTest, LayoutAndSubHeaderControls)
{
    ReportDesignerFixture d;
    d.NewWithFunction(d.fixture.listBooks);
    d.designer.ChooseLayout(1);
    EXPECT_TRUE(d.designer.States().IsChecked(ReportDesigner::IDC_SINGLE_COLUMN));
    EXPECT_FALSE(d.designer.States().IsChecked(ReportDesigner::IDC_TWO_COLUMNS));
    d.designer.States().SetText(ReportDesigner::IDC_NUM_COLUMNS, "3");
    d.designer.ColumnCountChanged();
    EXPECT_EQ(3, d.designer.GetReport()->GetColumnLayout());
    d.designer.ToggleSubHeader();
    EXPECT_TRUE(d.designer.States().IsEnabled(ReportDesigner::IDC_SUB_HEADER));
    d.designer.States().SetText(ReportDesigner::IDC_SUB_HEADER, "Below");
    d.designer.ToggleSubHeader();
    EXPECT_EQ("", d.designer.States().GetText(ReportDesigner::IDC_SUB_HEADER));
    EXPECT_FALSE(d.designer.States().IsEnabled(ReportDesigner::IDC_SUB_HEADER_LABEL));
    // A classic report page writes the sub-header into a script string.
    d.designer.ToggleSubHeader();
    d.Type("Shelf", "Books");
    d.designer.States().SetText(ReportDesigner::IDC_SUB_HEADER, "Below\nand beyond");
    ScriptedMessageBoxes boxes;
    d.designer.Ok();
    EXPECT_EQ(boxes.ShownTexts(),
              std::vector<std::string>{"The sub-header cannot hold a line break: the classic pages "
                                       "write it into a script string.\nPlease enter it on one "
                                       "line."});
    EXPECT_TRUE(d.designer.IsNew());
}
} // namespace
