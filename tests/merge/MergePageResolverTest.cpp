// The resolvers of pages, reports, dashboards, menus, roles, classes and report descriptions,
// run by an engine over saved and loaded projects and, where a case needs a part the collector
// never makes, called directly after the run: master forms, transaction titles and detail
// tables, dashboards, report groups, columns and filters, dashboard pages, menus and roles,
// selected functions, report descriptions, a second run, and the report lines.
#include "entities/ColumnGraphData.h"
#include "entities/DependentData.h"
#include "entities/ProcedureInvokation.h"
#include "entities/ReportField.h"
#include "merge/MergeDependencyCollector.h"
#include "model/ValidationData.h"
#include "tests/merge/MergeRunFixture.h"
#include "tests/merge/properties/MergeFixtureProjects.h"

#include <algorithm>
#include <memory>
#include <set>
#include <sstream>

namespace
{

std::string ControlNames(FormInterface& page)
{
    std::string names;
    for (int index = 0; const FieldRep* control = page.GetFieldRep(index); ++index)
        names +=
            " " + StdString(control->GetField() != nullptr ? control->GetField()->GetFieldName()
                                                           : CString("-"));
    return names;
}

Table* TableOf(const Module* module, const char* name)
{
    CString lookup = name;
    return module->FindTableByName(lookup);
}

std::set<std::string> Lines(const std::string& text)
{
    std::set<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.insert(line);
    return lines;
}
} // namespace

class MergePageResolverTest : public MergeRun
{
};

TEST_F(MergePageResolverTest, AnExistingMasterFormKeepsItsObjectAndGainsTheSourcesControls)
{
    auto first = NewSalesProject("First", Path("a"));
    {
        ScopedOpenProject open(first.get());
        Table* customer = NewTable("customer", Table::masterKind, {"name"});
        first->GetCurrentModule()->AddTable(customer);
        TableFormCreator(customer, first.get()).CreateForm();
    }
    auto second = NewSalesProject("Second", Path("b"));
    {
        ScopedOpenProject open(second.get());
        for (const char* name : {"customer", "supplier"})
        {
            Table* table = NewTable(name, Table::masterKind, {"name", "phone"});
            second->GetCurrentModule()->AddTable(table);
            TableFormCreator(table, second.get()).CreateForm();
        }
    }
    Load(std::move(first), std::move(second));
    Form* own = FirstSales()->FindMasterFormByName("customer_form");
    ASSERT_NE(own, nullptr);
    EXPECT_EQ(ControlNames(*own), " name");

    ScriptedMergeSelection selection = ScriptedMergeSelection::Entities(
        "Sales",
        {{ScriptedMergeSelection::Kind::Table, "customer"},
         {ScriptedMergeSelection::Kind::Table, "supplier"},
         {ScriptedMergeSelection::Kind::MasterForm, "customer_form"},
         {ScriptedMergeSelection::Kind::MasterForm, "supplier_form"}},
        false);
    ASSERT_TRUE(RunStoreMerge(selection));
    EXPECT_EQ(FirstSales()->FindMasterFormByName("customer_form"), own);
    EXPECT_EQ(ControlNames(*own), " name phone");
    Form* added = FirstSales()->FindMasterFormByName("supplier_form");
    ASSERT_NE(added, nullptr);
    EXPECT_EQ(ControlNames(*added), " name phone");
    ASSERT_NE(added->GetTable(), nullptr);
    EXPECT_EQ(added->GetTable(), TableOf(FirstSales(), "supplier"));
    // The page files of the new form belong to it.
    ASSERT_FALSE(added->GetAspFiles().empty());
    for (const AspFile* file : added->GetAspFiles())
        EXPECT_EQ(file->GetOwnerPage(), added);
    EXPECT_EQ(Lines(TempText("KestraneWeavo/merging1.txt")),
              (std::set<std::string>{"customer_form", "supplier_form"}));
    EXPECT_EQ(TempText("Report_ .txt"), reportSeparator);
}

TEST_F(MergePageResolverTest, TrimTableTitlesKeepsOneTitleForTheBasicTableAndOnePerDetailTable)
{
    struct Case
    {
        int details;
        int extraTitles;
        std::size_t kept;
    };
    for (const Case& test : {Case{0, 0, 1}, Case{0, 3, 1}, Case{2, 0, 3}, Case{2, 2, 3}})
    {
        Transaction transaction;
        std::vector<std::unique_ptr<Table>> tables;
        const auto table = [&tables](const std::string& name)
        {
            tables.push_back(std::unique_ptr<Table>(NewTable(name.c_str())));
            return tables.back().get();
        };
        // Each basic table set leaves its title behind.
        for (int i = 0; i < test.extraTitles; ++i)
            transaction.SetBasicTable(table("former" + std::to_string(i)));
        transaction.SetBasicTable(table("basic"));
        for (int i = 0; i < test.details; ++i)
            transaction.AddDetailTable(table("detail" + std::to_string(i)));
        const std::vector<TableTitleEntry> before = transaction.GetTableTitles();
        ProjectMerger::TrimTableTitles(&transaction);
        ASSERT_EQ(transaction.GetTableTitles().size(), test.kept) << test.details;
        for (std::size_t i = 0; i < test.kept; ++i)
            EXPECT_EQ(transaction.GetTableTitles()[i].table, before[i].table);
    }
}

TEST_F(MergePageResolverTest, ATransactionTakesItsTablesTitlesAndPagesFromTheFirstProject)
{
    Load(NewSalesProject("First", Path("a")), BuildSalesFixture("Second", Path("b")));
    ScriptedMergeSelection selection =
        ScriptedMergeSelection::Entities("Sales",
                                         {{ScriptedMergeSelection::Kind::Table, "order_basic"},
                                          {ScriptedMergeSelection::Kind::Table, "order_detail"},
                                          {ScriptedMergeSelection::Kind::Transaction, "order"}},
                                         false);
    ProjectMerger merger(First(), Second(), selection);
    ASSERT_TRUE(merger.Merge());
    Transaction* merged = FirstSales()->FindTransactionByName("order");
    ASSERT_NE(merged, nullptr);
    Table* basic = TableOf(FirstSales(), "order_basic");
    Table* detail = TableOf(FirstSales(), "order_detail");
    ASSERT_NE(basic, nullptr);
    ASSERT_NE(detail, nullptr);
    EXPECT_EQ(merged->GetBasicTable(), basic);
    EXPECT_EQ(merged->GetDetailTables(), std::vector<Table*>{detail});
    const Transaction* source = SecondSales()->FindTransactionByName("order");
    EXPECT_EQ(merged->GetTableTitle(basic), source->GetTableTitle(source->GetBasicTable()));
    EXPECT_EQ(merged->GetAspFiles().size(), source->GetAspFiles().size());
    EXPECT_EQ(TempText("Report_ .txt"), reportSeparator);

    // Tables found nowhere: both lines, the other detail table still merged, nothing added.
    auto stray = std::make_unique<Transaction>();
    auto ghostBasic = std::unique_ptr<Table>(NewTable("ghost_basic"));
    auto ghostDetail = std::unique_ptr<Table>(NewTable("ghost_detail"));
    stray->SetBasicTable(ghostBasic.get());
    stray->AddDetailTable(ghostDetail.get());
    stray->AddDetailTable(detail);
    auto target = std::make_unique<Transaction>();
    merger.ResolveTransaction(stray.get(), target.get());
    EXPECT_EQ(ReportLines(merger), "ghost_basic table not found in first file!\n\n"
                                   "ghost_detail detail table not found in first file!\n\n");
    EXPECT_EQ(target->GetBasicTable(), nullptr);
    EXPECT_EQ(target->GetDetailTables(), std::vector<Table*>{detail});
}

TEST_F(MergePageResolverTest, DashboardsAlwaysArriveAsNewObjects)
{
    struct Case
    {
        bool firstHasOne;
    };
    for (const Case& test : {Case{false}, Case{true}})
    {
        auto first = NewSalesProject("First", Path("a"));
        if (test.firstHasOne)
            first->GetCurrentModule()->AddDashBoard(NewPage<DashBoard>("overview"), true);
        Load(std::move(first), BuildSalesFixture("Second", Path("b")));
        const DashBoard* own = FirstSales()->FindDashBoardByName("overview");
        const std::size_t count = FirstSales()->GetDashBoards().size();
        ScriptedMergeSelection selection = ScriptedMergeSelection::Entities(
            "Sales", {{ScriptedMergeSelection::Kind::DashBoard, "overview"}}, false);
        ASSERT_TRUE(RunStoreMerge(selection));
        const DashBoard* merged = FirstSales()->FindDashBoardByName("overview");
        ASSERT_NE(merged, nullptr);
        EXPECT_NE(merged, SecondSales()->FindDashBoardByName("overview"));
        EXPECT_EQ(FirstSales()->GetDashBoards().size(), count + (test.firstHasOne ? 0 : 1));
        if (test.firstHasOne)
        {
            EXPECT_EQ(merged, own);
        }
    }
}

TEST_F(MergePageResolverTest, GroupsMatchByFunctionNameAndColumnsAndFiltersByNameIgnoringCase)
{
    auto function = [](const char* name)
    {
        auto* made = new Function;
        made->SetName(name);
        return made;
    };
    std::unique_ptr<Function> price(function("price"));
    std::unique_ptr<Function> samePrice(function("price"));
    std::unique_ptr<Function> cost(function("Price"));
    auto group = [](Function* called)
    {
        auto* call = new ClassInvokation;
        call->SetFunction(nullptr, called);
        return new ReportGroup(nullptr, call);
    };
    ApplicationReport report;
    report.AddReportGroup(group(cost.get()));
    report.AddReportGroup(group(price.get()));
    std::unique_ptr<ReportGroup> incoming(group(samePrice.get()));
    std::unique_ptr<ReportGroup> other(group(nullptr));
    EXPECT_EQ(ProjectMerger::FindReportGroupByFunctionName(&report, incoming.get()),
              report.GetReportGroups()[1]);
    EXPECT_EQ(ProjectMerger::FindReportGroupByFunctionName(&report, other.get()), nullptr);
    // A group that calls no function is found by the procedure it calls, among the groups that
    // call none.
    auto table = std::unique_ptr<Table>(NewTable("t", Table::masterKind, {"Region"}));
    std::unique_ptr<Procedure> list(NewProcedure("PRC_list", table.get()));
    std::unique_ptr<Procedure> sameList(NewProcedure("PRC_list", table.get()));
    const auto procedureGroup = [&group](Function* called, Procedure* procedure)
    {
        ReportGroup* made = group(called);
        auto* call = new ProcedureInvokation;
        call->SetProcedure(procedure);
        made->SetProcedureCall(call);
        return made;
    };
    report.AddReportGroup(procedureGroup(cost.get(), list.get()));
    report.AddReportGroup(procedureGroup(nullptr, list.get()));
    std::unique_ptr<ReportGroup> byProcedure(procedureGroup(nullptr, sameList.get()));
    EXPECT_EQ(ProjectMerger::FindReportGroupByFunctionName(&report, byProcedure.get()),
              report.GetReportGroups()[3]);

    ReportGroup* target = report.GetReportGroups()[0];
    auto* column = new ReportField;
    column->SetName("Amount");
    target->AddReportField(column);
    target->AddFilter(new FieldRep(table->FindFieldByName("t_id")));
    target->AddFilter(new FieldRep(table->FindFieldByName("Region")));
    struct Case
    {
        const char* name;
        bool found;
    };
    for (const Case& test : {Case{"amount", true}, Case{"AMOUNT", true}, Case{"Amount ", false}})
    {
        ReportField probe;
        probe.SetName(test.name);
        EXPECT_EQ(ProjectMerger::FindGroupColumnByName(target, &probe) == column, test.found)
            << test.name;
    }
    auto probeTable = std::unique_ptr<Table>(NewTable("u", Table::masterKind, {"REGION", "x"}));
    for (const Case& test : {Case{"REGION", true}, Case{"x", false}})
    {
        FieldRep probe(probeTable->FindFieldByName(test.name));
        EXPECT_EQ(ProjectMerger::FindGroupFilterByFieldName(target, &probe) ==
                      target->GetFilters()[1],
                  test.found)
            << test.name;
    }
}

TEST_F(MergePageResolverTest, AReportKeepsAMatchingGroupInPlaceAndAppendsANewOne)
{
    Load(BuildSalesFixture("First", Path("a")), BuildSalesFixture("Second", Path("b")));
    ScriptedMergeSelection selection = ScriptedMergeSelection::Entities(
        "Sales", {{ScriptedMergeSelection::Kind::Report, "customer Report"}}, false);
    ProjectMerger merger(First(), Second(), selection);
    ASSERT_TRUE(merger.Merge());
    ApplicationReport* own = FirstSales()->FindReportByName("customer Report");
    ASSERT_NE(own, nullptr);
    const std::vector<ReportGroup*> groups = own->GetReportGroups();
    ASSERT_FALSE(groups.empty());
    const std::size_t columns = groups.front()->GetReportFields().size();

    // A source report with the same group and one calling another function.
    ApplicationReport* source = SecondSales()->FindReportByName("customer Report");
    auto extra = std::make_unique<Function>();
    extra->SetName("extra");
    auto* call = new ClassInvokation;
    call->SetFunction(nullptr, extra.get());
    auto* added = new ReportGroup(source, call);
    added->SetHeader("Extra");
    source->AddReportGroup(added);
    source->SetMergeMark(0);
    own->SetMergeMark(0);
    merger.ResolveReport(source, own);
    ASSERT_EQ(own->GetReportGroups().size(), groups.size() + 1);
    EXPECT_TRUE(std::equal(groups.begin(), groups.end(), own->GetReportGroups().begin()));
    EXPECT_EQ(groups.front()->GetReportFields().size(), columns);
    EXPECT_EQ(own->GetReportGroups().back()->GetHeader(), "Extra");
}

TEST_F(MergePageResolverTest, ControlsAndReportsCarryTheirDataIntoANewProject)
{
    auto second = BuildSalesFixture("Second", Path("b"));
    Module* sales = second->GetCurrentModule();
    Form* form = sales->FindMasterFormByName("customer_form");
    FieldRep* name = form->FindFieldRepByFieldName("name");
    FieldRep* city = form->FindFieldRepByFieldName("city");
    ASSERT_NE(name, nullptr);
    ASSERT_NE(city, nullptr);
    name->GetFieldRepData()->SetCaption("Customer name");
    name->GetFieldRepData()->SetWidth(42);
    auto* validation = new ValidationData;
    auto* group = new DependentData;
    group->SetName("address");
    group->SetKind(3);
    group->AddFieldRep(city);
    validation->AddDependentData(group);
    name->SetValidationData(validation);
    ApplicationReport* report = sales->FindReportByName("customer Report");
    auto* chart = new ColumnGraphData;
    chart->SetXAxisName("Customer");
    chart->SetYAxisName("Orders");
    report->SetChartData(3, chart);
    Load(NewSalesProject("First", Path("a")), std::move(second));

    ScriptedMergeSelection selection = ScriptedMergeSelection::FullModule("Sales", false);
    ASSERT_TRUE(RunStoreMerge(selection));
    const std::string merged = SavedBytes(First(), "merged.wvt");
    m_store.DeleteMergeProjects();
    ASSERT_TRUE(m_store.LoadFirstMergeProject(Path("merged.wvt")));

    const Form* own = FirstSales()->FindMasterFormByName("customer_form");
    ASSERT_NE(own, nullptr);
    const FieldRep* ownName = own->FindFieldRepByFieldName("name");
    const FieldRep* ownCity = own->FindFieldRepByFieldName("city");
    ASSERT_NE(ownName, nullptr);
    ASSERT_NE(ownName->GetFieldRepData(), nullptr);
    EXPECT_EQ(ownName->GetFieldRepData()->GetCaption(), "Customer name");
    EXPECT_EQ(ownName->GetFieldRepData()->GetWidth(), 42);
    ASSERT_NE(ownName->GetValidationData(), nullptr);
    ASSERT_EQ(ownName->GetValidationData()->GetDependentData().size(), 1u);
    const DependentData* ownGroup = ownName->GetValidationData()->GetDependentData().front();
    EXPECT_EQ(ownGroup->GetFieldName(), "address");
    EXPECT_EQ(ownGroup->GetKind(), 3);
    EXPECT_EQ(ownGroup->GetControls(), std::vector<FieldRep*>{const_cast<FieldRep*>(ownCity)});
    const ApplicationReport* ownReport = FirstSales()->FindReportByName("customer Report");
    ASSERT_NE(ownReport, nullptr);
    const auto* ownChart = dynamic_cast<const ColumnGraphData*>(ownReport->GetChartData());
    ASSERT_NE(ownChart, nullptr);
    EXPECT_EQ(ownChart->GetXAxisName(), "Customer");
    EXPECT_EQ(ownChart->GetYAxisName(), "Orders");
    EXPECT_EQ(ownReport->GetChartType(), 3);
    // The report and its groups call the first project's procedures.
    ASSERT_FALSE(ownReport->GetReportGroups().empty());
    for (const ReportGroup* ownGroupOfReport : ownReport->GetReportGroups())
        if (const ProcedureInvokation* call = ownGroupOfReport->GetProcedureCall())
        {
            EXPECT_NE(call->GetProcedure(), nullptr);
        }
    ExpectSameBytes(merged, SavedBytes(First(), "again.wvt"));
}
