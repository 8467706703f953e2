// The merge engine's run over the store's merge inputs: Cancel, a selection without module,
// the status texts and phase markers, new modules, and the table phase's fields, name cases,
// table kinds and field order; a merged project saves and loads again.
#include "tests/merge/MergeRunFixture.h"

namespace
{

// First "Sales": customer(name, fax). Second "Sales": Customer(Phone, name as nvarchar 80) and
// the new map table cust_region and transaction table order_basic; second "Stock": stock(qty);
// second "Empty": nothing.
std::unique_ptr<ForgeonProject> BuildRunFirst()
{
    Module* sales = nullptr;
    auto project = NewMergeProject("First", sales);
    sales->AppendMasterTable(NewTable("customer", Table::masterKind, {"name", "fax"}));
    return project;
}

std::unique_ptr<ForgeonProject> BuildRunSecond()
{
    Module* sales = nullptr;
    auto project = NewMergeProject("Second", sales);
    Table* customer = NewTable("Customer", Table::masterKind, {"Phone", "name"});
    Field* name = customer->GetFields().back();
    name->SetDisplayName("Full name");
    name->SetType(FieldTypeNVarchar);
    name->SetSize(80);
    sales->AppendMasterTable(customer);
    sales->AppendMapTable(NewTable("cust_region", Table::mapKind, {"region"}));
    sales->AppendTransactionTable(NewTable("order_basic", Table::masterDetailKind, {"total"}));
    sales->Append(NewMenu("Customers"));
    Module* stock = NewModule("Stock", 3);
    stock->AppendMasterTable(NewTable("stock", Table::masterKind, {"qty"}));
    project->AddModule(stock);
    project->AddModule(NewModule("Empty", 4));
    return project;
}
} // namespace

class MergeRunTest : public MergeRun
{
};

TEST_F(MergeRunTest, CancelReturnsFalseLeavesTheReportEmptyAndChangesNothing)
{
    Load(BuildRunFirst(), BuildRunSecond());
    const std::string before = DescribeModule(*FirstSales());
    ScriptedMergeSelection selection = ScriptedMergeSelection::Cancel();
    EXPECT_FALSE(RunStoreMerge(selection));
    EXPECT_EQ(selection.GetChooseCount(), 1);
    EXPECT_EQ(DescribeModule(*FirstSales()), before);
    EXPECT_EQ(First()->GetModuleCount(), 2);
    EXPECT_TRUE(TempFileExists("Report.txt"));
    EXPECT_EQ(TempText("Report.txt"), "");
    EXPECT_FALSE(TempFileExists("Report_ .txt"));
    EXPECT_FALSE(TempFileExists("KestraneWeavo/merging.txt"));
    EXPECT_TRUE(m_statusTexts.empty());
}

TEST_F(MergeRunTest, ASelectionWithoutModuleEndsInErrorInMerging)
{
    Load(BuildRunFirst(), BuildRunSecond());
    ScriptedMergeSelection selection = ScriptedMergeSelection::FullModule("Nowhere", false);
    EXPECT_FALSE(RunStoreMerge(selection));
    EXPECT_EQ(m_statusTexts, (std::vector<std::string>{"Mapping started", "Error in Merging"}));
    EXPECT_TRUE(TempFileExists("Report_ .txt"));
    EXPECT_EQ(TempText("Report_ .txt"), "");
    EXPECT_FALSE(TempFileExists("KestraneWeavo/merging.txt"));
    EXPECT_EQ(First()->GetModuleCount(), 2);
}

TEST_F(MergeRunTest, StatusTextsAndPhaseMarkersFollowThePhasesWithAndWithoutMenus)
{
    const std::vector<std::string> head = {"Mapping started",
                                           "resolvingSales",
                                           "Resolving Tables",
                                           "Resolving Classes & Functions",
                                           "Resolving Master Forms",
                                           "Resolving Transactions",
                                           "Resolving ApplicationReports",
                                           "Resolving RDLCReports"};
    const std::string markers =
        "Sales\ntables\nclass & functions\nmasters\ntransactions\nreports\nrdlcreports\n";
    struct Case
    {
        bool withMenu;
        const char* nameText;
        std::vector<std::string> tail;
        std::string logTail;
    };
    const Case cases[] = {
        {false, " ", {"Merging completed."}, ""},
        {true, "run2", {"Resolving Menus", "Merging completed."}, "menus\ndesig\n"},
    };
    for (const Case& test : cases)
    {
        m_statusTexts.clear();
        Load(BuildRunFirst(), BuildRunSecond());
        std::vector<ScriptedMergeSelection::Entity> entities = {
            {ScriptedMergeSelection::Kind::Table, "Customer"}};
        if (test.withMenu)
            entities.push_back({ScriptedMergeSelection::Kind::Menu, "Customers"});
        ScriptedMergeSelection selection =
            ScriptedMergeSelection::Entities("Sales", entities, false);
        selection.WithNameText(test.nameText);
        ASSERT_TRUE(RunStoreMerge(selection)) << test.withMenu;
        std::vector<std::string> expected = head;
        expected.insert(expected.end(), test.tail.begin(), test.tail.end());
        EXPECT_EQ(m_statusTexts, expected) << test.withMenu;
        EXPECT_EQ(TempText("KestraneWeavo/merging.txt"), markers + test.logTail) << test.withMenu;
        const std::string report = std::string("Report_") + test.nameText + ".txt";
        EXPECT_EQ(TempText(report.c_str()), reportSeparator) << test.withMenu;
        EXPECT_EQ(TempText("Report.txt"), "") << test.withMenu;
    }
}

TEST_F(MergeRunTest, AModuleWithoutNamesakeArrivesLastOnlyWhenItHoldsSomething)
{
    struct Case
    {
        const char* module;
        bool appended;
        std::string tables;
    };
    const Case cases[] = {
        {"Stock", true,
         "table stock kind 0: stock_id(int 4 'stock_id' key) Is_Deleted(char 1 "
         "'Is_Deleted') "},
        {"Empty", false, ""},
    };
    for (const Case& test : cases)
    {
        Load(BuildRunFirst(), BuildRunSecond());
        ScriptedMergeSelection selection = ScriptedMergeSelection::FullModule(test.module, false);
        ASSERT_TRUE(RunStoreMerge(selection)) << test.module;
        ASSERT_EQ(First()->GetModuleCount(), test.appended ? 3 : 2) << test.module;
        EXPECT_EQ(First()->FindModuleByName(test.module) != nullptr, test.appended) << test.module;
        if (!test.appended)
            continue;
        EXPECT_EQ(First()->GetModuleAt(2)->GetName(), CString(test.module));
        const std::string merged = DescribeModule(*First()->GetModuleAt(2));

        // The merged project saves and loads again once the second input is gone.
        const CString path = m_folder.ModelPath("merged.wvt");
        ASSERT_TRUE(m_store.ArchiveProject(First(), path, FALSE)) << LastBox();
        m_store.DeleteMergeProjects();
        ASSERT_TRUE(m_store.LoadFirstMergeProject(path)) << LastBox();
        Module* reloaded = First()->FindModuleByName(test.module);
        ASSERT_NE(reloaded, nullptr);
        EXPECT_EQ(DescribeModule(*reloaded), merged);
        EXPECT_EQ(merged.rfind(test.tables, 0), 0u) << merged;
        EXPECT_NE(merged.find("qty(varchar 50 'qty')"), std::string::npos) << merged;
    }
}

TEST_F(MergeRunTest, FieldsOfTheSecondProjectReplaceAndJoinTheFirstsTablesByKind)
{
    const std::string newTables =
        "table order_basic kind 1: order_basic_id(int 4 'order_basic_id' key) total(varchar 50 "
        "'total')\n"
        "table cust_region kind 2: cust_region_id(int 4 'cust_region_id' key) Is_Deleted(char 1 "
        "'Is_Deleted') region(varchar 50 'region')\n";
    struct Case
    {
        bool overwrite;
        std::string customer;
    };
    const Case cases[] = {
        {false, "table customer kind 0: Customer_id(int 4 'Customer_id' key) Is_Deleted(char 1 "
                "'Is_Deleted') name(nvarchar 80 'Full name') fax(varchar 50 'fax') Phone(varchar "
                "50 'Phone')\n"},
        {true, "table customer kind 0: Customer_id(int 4 'Customer_id' key) Is_Deleted(char 1 "
               "'Is_Deleted') Phone(varchar 50 'Phone') name(nvarchar 80 'Full name') fax(varchar "
               "50 'fax')\n"},
    };
    for (const Case& test : cases)
    {
        Load(BuildRunFirst(), BuildRunSecond());
        ScriptedMergeSelection selection =
            ScriptedMergeSelection::Entities("Sales",
                                             {{ScriptedMergeSelection::Kind::Table, "Customer"},
                                              {ScriptedMergeSelection::Kind::Table, "cust_region"},
                                              {ScriptedMergeSelection::Kind::Table, "order_basic"}},
                                             test.overwrite);
        ASSERT_TRUE(RunStoreMerge(selection)) << test.overwrite;
        EXPECT_EQ(DescribeModule(*FirstSales()), test.customer + newTables) << test.overwrite;
        EXPECT_EQ(TempText("Report_ .txt"), reportSeparator) << test.overwrite;
        // The second input's names lose their prefixes as well.
        EXPECT_EQ(DescribeModule(*SecondSales()).find("Customer."), std::string::npos);
    }
}
