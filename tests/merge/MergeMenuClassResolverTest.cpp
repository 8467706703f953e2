// The resolvers of menus, roles, dashboard pages, classes and report descriptions, a second run
// of every phase, and the "not found" lines of each phase when its collector holds an entity
// without counterpart.
#include "entities/DashBoardCellInfo.h"
#include "entities/Grid.h"
#include "entities/GridCell.h"
#include "merge/MergeDependencyCollector.h"
#include "tests/merge/MergeRunFixture.h"
#include "tests/merge/properties/MergeFixtureProjects.h"

#include <functional>
#include <memory>

namespace
{

std::string Tree(const Menu& menu)
{
    std::string text = menu.GetName().GetString();
    if (!menu.GetSubMenus().empty())
    {
        text += "(";
        for (const Menu* child : menu.GetSubMenus())
            text += Tree(*child) + (child != menu.GetSubMenus().back() ? " " : "");
        text += ")";
    }
    return text;
}
} // namespace

class MergeMenuClassResolverTest : public MergeRun
{
};

TEST_F(MergeMenuClassResolverTest, MenusMergeByFullNameOnceAnywhereInTheTreeAndLinkTheirRoles)
{
    auto first = NewSalesProject("First", Path("a"));
    Menu* extras = NewMenu("Extras");
    first->GetCurrentModule()->AddMenu(extras);
    Menu* group = NewMenu("Group");
    extras->AddSubMenu(group);
    group->AddSubMenu(NewMenu("Tools"));
    auto second = BuildSalesFixture("Second", Path("b"));
    second->GetCurrentModule()->FindMenuByFullName("Extras")->AddSubMenu(NewMenu("New"));
    Load(std::move(first), std::move(second));

    ScriptedMergeSelection selection =
        ScriptedMergeSelection::Entities("Sales",
                                         {{ScriptedMergeSelection::Kind::Menu, "Extras"},
                                          {ScriptedMergeSelection::Kind::Menu, "Extras__Tools"},
                                          {ScriptedMergeSelection::Kind::Menu, "Extras__New"}},
                                         false);
    ASSERT_TRUE(RunStoreMerge(selection));
    const Menu* merged = FirstSales()->FindMenuByFullName("Extras");
    ASSERT_NE(merged, nullptr);
    EXPECT_EQ(Tree(*merged), "Extras(Group(Tools) New)");
    const Designation* clerk = FirstSales()->FindDesignationByName("clerk");
    ASSERT_NE(clerk, nullptr);
    EXPECT_TRUE(merged->HasRole(clerk));
    EXPECT_TRUE(clerk->HasMenu(merged));
    EXPECT_NE(clerk, SecondSales()->FindDesignationByName("clerk"));
    // An id of its own among the roles.
    for (const Module* module : First()->GetModules())
        for (const Designation* role : module->GetDesignations())
            if (role != clerk)
            {
                EXPECT_NE(role->GetId(), clerk->GetId()) << role->GetName().GetString();
            }
    EXPECT_GT(clerk->GetId(), 0);
    EXPECT_EQ(TempText("KestraneWeavo/merging.txt"),
              "Sales\ntables\nclass & functions\nmasters\ntransactions\nreports\nrdlcreports\n"
              "menus\ndesig\n");
}

TEST_F(MergeMenuClassResolverTest, ANewDashboardPageIsRebuiltFromTheIncomingEntries)
{
    struct Case
    {
        bool incomingEntries;
        std::size_t entries;
    };
    for (const Case& test : {Case{true, 1}, Case{false, 0}})
    {
        SCOPED_TRACE(test.incomingEntries);
        auto second = BuildSalesFixture("Second", Path("b"));
        if (!test.incomingEntries)
            second->GetCurrentModule()->FindDashBoardPageByName("home")->DeleteAllDashBoards();
        Load(NewSalesProject("First", Path("a")), std::move(second));
        ScriptedMergeSelection selection = ScriptedMergeSelection::Entities(
            "Sales",
            {{ScriptedMergeSelection::Kind::DashBoard, "overview"},
             {ScriptedMergeSelection::Kind::DashBoardPage, "home"}},
            false);
        ASSERT_TRUE(RunStoreMerge(selection));
        const DashBoardPage* home = FirstSales()->FindDashBoardPageByName("home");
        ASSERT_NE(home, nullptr);
        EXPECT_NE(home, SecondSales()->FindDashBoardPageByName("home"));
        ASSERT_EQ(home->GetPlacements().size(), test.entries);
        if (test.entries > 0)
        {
            EXPECT_EQ(home->GetDashBoardAt(0), FirstSales()->FindDashBoardByName("overview"));
        }
        EXPECT_EQ(TempText("Report_ .txt"), reportSeparator);
    }
}

TEST_F(MergeMenuClassResolverTest, OnlyTheSelectedFunctionsOfAClassArrive)
{
    auto second = BuildSalesFixture("Second", Path("b"));
    Class* customerClass = second->GetCurrentModule()->FindClassByName("_customer");
    for (const char* name : {"cost", "bonus"})
    {
        auto* function = new Function;
        function->SetName(name);
        function->SetClass(customerClass);
        function->SetTable(customerClass->GetTable());
        // A computed column of its own.
        auto* total = new Field;
        total->SetFieldName("total");
        function->AddAliasField(total);
        function->AddOutputField(new ProcedureFieldInfo(total, 0));
        customerClass->AddFunction(function);
    }
    Load(BuildSalesFixture("First", Path("a")), std::move(second));
    ListSelection selection(
        ScriptedMergeSelection::Entities(
            "Sales", {{ScriptedMergeSelection::Kind::Table, "customer"}}, false),
        [](MergeDependencyCollector& dependencies, Module& module)
        {
            Class* dataClass = module.FindClassByName("_customer");
            dependencies.GetSelectedClasses().push_back(dataClass);
            dependencies.GetSelectedFunctions().push_back(dataClass->FindFunctionByName("cost"));
        });
    const Class* own = FirstSales()->FindClassByName("_customer");
    const std::size_t functions = own->GetFunctions().size();
    ASSERT_TRUE(RunStoreMerge(selection));
    EXPECT_EQ(FirstSales()->FindClassByName("_customer"), own);
    const Function* cost = own->FindFunctionByName("cost");
    ASSERT_NE(cost, nullptr);
    EXPECT_EQ(cost->GetClass(), own);
    EXPECT_EQ(cost->GetTable(), own->GetTable());
    const Field* total = cost->FindAliasFieldByName("total");
    ASSERT_NE(total, nullptr);
    EXPECT_TRUE(cost->HasOutputField(total));
    EXPECT_EQ(own->FindFunctionByName("bonus"), nullptr);
    EXPECT_EQ(own->GetFunctions().size(), functions + 1);
}

TEST_F(MergeMenuClassResolverTest, AnAdapterOfAnExistingDataSetGainsTheIncomingNamesOnce)
{
    const auto dataSet = [](const char* parameter, const char* column)
    {
        auto* info = new XSDInfo;
        info->SetFilePath("Sales\\DataSets\\shared.xsd");
        auto* adapter = new TableAdapter;
        adapter->SetName("Adapter");
        adapter->AddParameterName("p0");
        adapter->AddParameterName(parameter);
        adapter->AddColumnName(column);
        info->AddTableAdapter(adapter);
        return info;
    };
    auto first = BuildSalesFixture("First", Path("a"));
    first->AddXSDInfo(dataSet("p1", "c1"));
    auto second = BuildSalesFixture("Second", Path("b"));
    second->AddXSDInfo(dataSet("p2", "c2"));
    Load(std::move(first), std::move(second));
    ListSelection selection(ScriptedMergeSelection::Entities("Sales", {}, false),
                            [this](MergeDependencyCollector& dependencies, Module&)
                            {
                                dependencies.GetSelectedXSDInfos().push_back(
                                    Second()->FindXSDInfoByName("Sales\\DataSets\\shared.xsd"));
                            });
    ASSERT_TRUE(RunStoreMerge(selection));
    const XSDInfo* merged = First()->FindXSDInfoByName("Sales\\DataSets\\shared.xsd");
    ASSERT_NE(merged, nullptr);
    ASSERT_EQ(merged->GetTableAdapters().size(), 1u);
    const TableAdapter* adapter = merged->GetTableAdapters().front();
    EXPECT_EQ(adapter->GetParameterNames(), (std::vector<CString>{"p0", "p1", "p2"}));
    EXPECT_EQ(adapter->GetColumnNames(), (std::vector<CString>{"c1", "c2"}));
}

TEST_F(MergeMenuClassResolverTest, RunningThePhasesAgainChangesNothing)
{
    Load(NewSalesProject("First", Path("a")), BuildSalesFixture("Second", Path("b")));
    ScriptedMergeSelection selection = ScriptedMergeSelection::FullModule("Sales", false);
    ProjectMerger merger(First(), Second(), selection);
    ASSERT_TRUE(merger.Merge());
    const std::string once = SavedBytes(First());
    merger.ResolveXSDInfos();
    merger.ResolveRDLCInfos();
    merger.MergeModule(SecondSales(), FirstSales());
    ExpectSameBytes(once, SavedBytes(First()));
    EXPECT_EQ(ReportLines(merger), "");
}

TEST_F(MergeMenuClassResolverTest, EachPhaseReportsAnEntityWithoutCounterpart)
{
    Load(NewSalesProject("First", Path("a")), BuildSalesFixture("Second", Path("b")));
    ScriptedMergeSelection selection = ScriptedMergeSelection::Entities("Sales", {}, false);
    ProjectMerger merger(First(), Second(), selection);
    ASSERT_TRUE(merger.Merge());
    MergeNewEntities& collected = merger.GetNewEntities();
    Module* sales = SecondSales();
    struct Case
    {
        std::function<void()> enter;
        std::function<void()> run;
        std::string line;
    };
    const Case cases[] = {
        {[&] { collected.GetClassCollector()->GetClassMap()[sales->FindClassByName("_customer")]; },
         [&] { merger.ResolveClasses(sales, FirstSales()); },
         "_customer class not found in first file!\n\n"},
        {[&] {
             collected.GetFormCollector()
                 ->GetMasterFormMap()[sales->FindMasterFormByName("customer_form")];
         },
         [&] { merger.ResolveMasterForms(sales, FirstSales()); },
         "customer_form form not found in first file!\n\n"},
        {[&] {
             collected.GetFormCollector()
                 ->GetDashBoardMap()[sales->FindDashBoardByName("overview")];
         },
         [&] { merger.ResolveDashBoards(sales, FirstSales()); },
         "overview dashBoard not found in first file!\n\n"},
        {[&] {
             collected.GetFormCollector()
                 ->GetDashBoardPageMap()[sales->FindDashBoardPageByName("home")];
         },
         [&] { merger.ResolveDashBoardPages(sales, FirstSales()); },
         "home dashBoardPage not found in first file!\n\n"},
        {[&] {
             collected.GetReportCollector()
                 ->GetReportMap()[sales->FindReportByName("customer Report")];
         },
         [&] { merger.ResolveReports(sales, FirstSales()); },
         "customer Report report not found in first file!\n\n"},
        {[&]
         {
             collected.GetReportCollector()
                 ->GetRDLCReportMap()[sales->FindRDLCReportByName("customer_rdlc")];
         },
         [&] { merger.ResolveRDLCReports(sales, FirstSales()); },
         "customer_rdlc RDLC report not found in first file!\n\n"},
        {[&] { collected.GetProjCollector()->GetXSDInfoMap()[Second()->GetXSDInfos().front()]; },
         [&] { merger.ResolveXSDInfos(); },
         std::string(Second()->GetXSDInfos().front()->GetName().GetString()) +
             " XSDInfo not found in first file!\n\n"},
        {[&] { collected.GetProjCollector()->GetRDLCInfoMap()[Second()->GetRDLCInfos().front()]; },
         [&] { merger.ResolveRDLCInfos(); },
         std::string(Second()->GetRDLCInfos().front()->GetName().GetString()) +
             " RDLCInfo not found in first file!\n\n"},
    };
    for (const Case& test : cases)
    {
        const std::string before = ReportLines(merger);
        test.enter();
        test.run();
        EXPECT_EQ(ReportLines(merger).substr(before.size()), test.line);
    }
}

TEST_F(MergeMenuClassResolverTest, ADashboardsLayoutArrivesWithItsCellsLinkedToTheMergedMenus)
{
    auto second = BuildSalesFixture("Second", Path("b"));
    DashBoard* overview = second->GetCurrentModule()->FindDashBoardByName("overview");
    auto* grid = new Grid(1, 2);
    auto* panel = new DashBoardCellInfo(false);
    panel->SetCaption("Tools");
    panel->SetMenu(second->GetCurrentModule()->FindMenuByFullName("Extras__Tools"));
    grid->GetCellAt(0, 1)->SetCellData(panel, GridCell::kDashBoardCellInfo);
    auto* inner = new Grid(1, 1);
    auto* title = new DashBoardCellInfo(true);
    title->SetCaption("Overview");
    inner->GetCellAt(0, 0)->SetCellData(title, GridCell::kDashBoardCellInfo);
    grid->GetCellAt(0, 0)->SetSubGrid(inner);
    overview->DeleteGrid();
    overview->SetGrid(grid);
    Load(NewSalesProject("First", Path("a")), std::move(second));

    ScriptedMergeSelection selection = ScriptedMergeSelection::FullModule("Sales", false);
    ASSERT_TRUE(RunStoreMerge(selection));
    const DashBoard* merged = FirstSales()->FindDashBoardByName("overview");
    ASSERT_NE(merged, nullptr);
    const Grid* own = merged->GetGrid();
    ASSERT_NE(own, nullptr);
    ASSERT_EQ(own->GetRowCount(), 1);
    ASSERT_EQ(own->GetColumnCount(), 2);
    const DashBoardCellInfo* ownPanel = own->GetCellAt(0, 1)->GetDashBoardCellInfo();
    ASSERT_NE(ownPanel, nullptr);
    EXPECT_EQ(ownPanel->GetCaption(), "Tools");
    EXPECT_EQ(ownPanel->GetMenu(), FirstSales()->FindMenuByFullName("Extras__Tools"));
    EXPECT_NE(ownPanel->GetMenu(), nullptr);
    const Grid* ownInner = own->GetCellAt(0, 0)->GetSubGrid();
    ASSERT_NE(ownInner, nullptr);
    ASSERT_NE(ownInner->GetCellAt(0, 0)->GetDashBoardCellInfo(), nullptr);
    EXPECT_EQ(ownInner->GetCellAt(0, 0)->GetDashBoardCellInfo()->GetCaption(), "Overview");
}
