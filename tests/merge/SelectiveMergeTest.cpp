// The selective merge dialog's rules: the tree per kind with the collector's check marks, and
// Save writing them back, a table with what is built on it.
#include "merge/SelectiveMerge.h"
#include "tests/merge/MergeSelectionInputs.h"

#include <functional>

namespace
{

std::vector<std::string> ItemNames(const SelectiveMerge& dialog)
{
    std::vector<std::string> names;
    for (const SelectiveMerge::Item& item : dialog.GetItems())
        names.emplace_back(item.name.GetString());
    return names;
}

std::vector<bool> ItemChecks(const SelectiveMerge& dialog)
{
    std::vector<bool> checks;
    for (const SelectiveMerge::Item& item : dialog.GetItems())
        checks.push_back(item.checked);
    return checks;
}

// Every selection list by name, one line a list that holds anything.
std::vector<std::string> Selection(MergeDependencyCollector& collector)
{
    std::vector<std::string> lines;
    const auto add = [&lines](const char* kind, const std::vector<std::string>& names)
    {
        if (names.empty())
            return;
        std::string line = kind;
        for (const std::string& name : names)
            line += " " + name;
        lines.push_back(line);
    };
    add("tables:", NamesOf(collector.GetSelectedTables()));
    add("classes:", NamesOf(collector.GetSelectedClasses()));
    add("forms:", NamesOf(collector.GetSelectedMasterForms()));
    add("transactions:", NamesOf(collector.GetSelectedTransactions()));
    add("reports:", NamesOf(collector.GetSelectedReports()));
    add("rdlc:", NamesOf(collector.GetSelectedRDLCReports()));
    add("rdlc infos:", NamesOf(collector.GetSelectedRDLCInfos()));
    add("xsd infos:", NamesOf(collector.GetSelectedXSDInfos()));
    add("adapters:", NamesOf(collector.GetSelectedTableAdapters()));
    add("dashboards:", NamesOf(collector.GetSelectedDashBoards()));
    add("dashboard pages:", NamesOf(collector.GetSelectedDashBoardPages()));
    return lines;
}
} // namespace

class SelectiveMergeTest : public MergeSelectionTest
{
protected:
    SelectiveMerge& Dialog()
    {
        if (!m_dialog)
            m_dialog = std::make_unique<SelectiveMerge>(SecondSales(), Collector());
        return *m_dialog;
    }
    // Builds the tree for the kind and checks the named items only.
    void CheckOnly(int kind, const std::vector<std::string>& names)
    {
        Dialog().SelectKind(kind);
        Dialog().Select();
        const std::vector<std::string> shown = ItemNames(Dialog());
        for (std::size_t i = 0; i < shown.size(); ++i)
            Dialog().SetItemCheck(static_cast<int>(i),
                                  std::ranges::find(names, shown[i]) != names.end());
    }

    std::unique_ptr<SelectiveMerge> m_dialog;
};

TEST_F(SelectiveMergeTest, SelectListsTheKindWithTheCollectorsCheckMarks)
{
    Collector().GetSelectedTables().push_back(SecondTable("orders"));
    Collector().GetSelectedTables().push_back(SecondTable("invoice_line"));
    Collector().GetSelectedMasterForms().push_back(SecondPage<Form>("product_form"));
    Collector().GetSelectedTransactions().push_back(SecondPage<Transaction>("invoice_trn"));
    Collector().GetSelectedReports().push_back(SecondPage<ApplicationReport>("stock_report"));
    Collector().SelectRDLCReport(SecondSales()->FindRDLCReportByName("orders_rdlc"));
    Collector().GetSelectedDashBoards().push_back(SecondSales()->FindDashBoardByName("board_b"));
    Collector().GetSelectedDashBoardPages().push_back(
        SecondSales()->FindDashBoardPageByName("dash_page"));
    struct Case
    {
        int kind;
        std::vector<std::string> names;
        std::vector<bool> checks;
    };
    const Case cases[] = {
        {SelectiveMerge::MasterTables, {"customer", "orders", "product"}, {false, true, false}},
        {SelectiveMerge::MasterDetailTables, {"invoice", "invoice_line"}, {false, true}},
        {SelectiveMerge::MasterForms,
         {"customer_form", "orders_form", "product_form"},
         {false, false, true}},
        {SelectiveMerge::MasterDetailForms, {"customer_trn", "invoice_trn"}, {false, true}},
        {SelectiveMerge::SearchReports, {"sales_report", "stock_report"}, {false, true}},
        {SelectiveMerge::Reports, {"orders_rdlc", "stock_rdlc"}, {true, false}},
        {SelectiveMerge::Dashboards, {"board_a", "board_b"}, {false, true}},
        {SelectiveMerge::DashboardPages, {"dash_page"}, {true}},
    };
    ASSERT_EQ(SelectiveMerge::GetKinds().size(), std::size(cases));

    EXPECT_EQ(Dialog().GetModuleName(), "Sales");
    EXPECT_FALSE(Dialog().HasRoot());
    for (const Case& test : cases)
    {
        Dialog().SelectKind(test.kind);
        Dialog().Select();
        EXPECT_TRUE(Dialog().HasRoot());
        EXPECT_FALSE(Dialog().IsRootChecked());
        EXPECT_EQ(ItemNames(Dialog()), test.names) << SelectiveMerge::GetKinds()[test.kind];
        EXPECT_EQ(ItemChecks(Dialog()), test.checks) << SelectiveMerge::GetKinds()[test.kind];
        Dialog().SelectAll();
        EXPECT_TRUE(Dialog().IsRootChecked());
        EXPECT_EQ(ItemChecks(Dialog()), std::vector<bool>(test.names.size(), true));
        Dialog().DeselectAll();
        EXPECT_FALSE(Dialog().IsRootChecked());
        EXPECT_EQ(ItemChecks(Dialog()), std::vector<bool>(test.names.size(), false));
    }
}

TEST_F(SelectiveMergeTest, SelectWithoutAKindShowsOnlyTheRootAndSaveDoesNothing)
{
    Dialog().Select();
    EXPECT_TRUE(Dialog().HasRoot());
    EXPECT_TRUE(Dialog().GetItems().empty());
    Dialog().SelectAll();
    Dialog().Save();
    EXPECT_TRUE(Selection(Collector()).empty());
}

TEST_F(SelectiveMergeTest, SaveSelectsEachKindWithWhatItBringsAndUncheckingTakesItOut)
{
    struct Case
    {
        const char* name;
        // Starts from an empty selection.
        bool fresh;
        int kind;
        std::vector<std::string> checked;
        std::vector<std::string> selection;
        // The classes whose functions are selected.
        std::vector<const char*> functionsOf;
    };
    const Case cases[] = {
        {"a master table with its class, form and transaction, whose detail table comes with "
         "its class",
         true,
         SelectiveMerge::MasterTables,
         {"customer"},
         {"tables: customer invoice_line", "classes: _customer _invoice_line",
          "forms: customer_form", "transactions: customer_trn"},
         {"_customer", "_invoice_line"}},
        {"unchecked: the table, its class, its form and every transaction using it go; the "
         "detail table stays",
         false,
         SelectiveMerge::MasterTables,
         {},
         {"tables: invoice_line", "classes: _invoice_line"},
         {"_customer", "_invoice_line"}},
        {"every shown item is saved: the unchecked detail table goes with the transactions "
         "using it",
         true,
         SelectiveMerge::MasterDetailTables,
         {"invoice"},
         {"tables: invoice customer", "classes: _customer", "forms: customer_form"},
         {"_customer", "_invoice_line"}},
        {"a transaction",
         true,
         SelectiveMerge::MasterDetailForms,
         {"customer_trn"},
         {"transactions: customer_trn"},
         {}},
        {"a master form",
         false,
         SelectiveMerge::MasterForms,
         {"orders_form"},
         {"forms: orders_form", "transactions: customer_trn"},
         {}},
        {"a search report",
         false,
         SelectiveMerge::SearchReports,
         {"sales_report"},
         {"forms: orders_form", "transactions: customer_trn", "reports: sales_report"},
         {}},
        {"a transaction unchecked",
         false,
         SelectiveMerge::MasterDetailForms,
         {},
         {"forms: orders_form", "reports: sales_report"},
         {}},
    };
    for (const Case& test : cases)
    {
        if (test.fresh)
        {
            m_dialog.reset();
            m_collector = std::make_unique<MergeDependencyCollector>(First(), Second());
        }
        CheckOnly(test.kind, test.checked);
        Dialog().Save();
        EXPECT_EQ(Selection(Collector()), test.selection) << test.name;
        std::size_t functions = 0;
        for (const char* name : test.functionsOf)
            functions += SecondSales()->FindClassByName(name)->GetFunctions().size();
        EXPECT_EQ(Collector().GetSelectedFunctions().size(), functions) << test.name;
    }
}

TEST_F(SelectiveMergeTest, SavingAReportSelectsEveryDescriptionAndADashboardPageItsDashboards)
{
    CheckOnly(SelectiveMerge::Reports, {"stock_rdlc"});
    Dialog().Save();
    CheckOnly(SelectiveMerge::DashboardPages, {"dash_page"});
    Dialog().Save();
    EXPECT_EQ(Selection(Collector()),
              (std::vector<std::string>{
                  "rdlc: stock_rdlc", "rdlc infos: Reports\\orders.rdlc Reports\\stock.rdlc",
                  "xsd infos: DataSets\\StockSet.xsd", "adapters: StockAdapter",
                  "dashboards: board_a", "dashboard pages: dash_page"}));
    CheckOnly(SelectiveMerge::Reports, {});
    Dialog().Save();
    CheckOnly(SelectiveMerge::DashboardPages, {});
    Dialog().Save();
    CheckOnly(SelectiveMerge::Dashboards, {"board_b"});
    Dialog().Save();
    EXPECT_EQ(Selection(Collector()),
              (std::vector<std::string>{"rdlc infos: Reports\\orders.rdlc Reports\\stock.rdlc",
                                        "xsd infos: DataSets\\StockSet.xsd",
                                        "adapters: StockAdapter", "dashboards: board_b"}));
}

TEST_F(SelectiveMergeTest, CheckMarksWithoutSaveChangeNothing)
{
    for (int kind = 0; kind < static_cast<int>(SelectiveMerge::GetKinds().size()); ++kind)
    {
        Dialog().SelectKind(kind);
        Dialog().Select();
        Dialog().SelectAll();
    }
    EXPECT_TRUE(Selection(Collector()).empty());
}

TEST_F(SelectiveMergeTest, SaveAfterAKindChangeWithoutSelectReadsTheItemsOfTheShownKind)
{
    CheckOnly(SelectiveMerge::MasterTables, {"product"});
    for (int kind : {SelectiveMerge::MasterForms, SelectiveMerge::MasterDetailForms,
                     SelectiveMerge::Dashboards, SelectiveMerge::Reports})
    {
        Dialog().SelectKind(kind);
        Dialog().Save();
        EXPECT_EQ(Selection(Collector()),
                  (std::vector<std::string>{"tables: product", "classes: _product",
                                            "forms: product_form"}))
            << SelectiveMerge::GetKinds()[kind];
    }
    EXPECT_EQ(ItemNames(Dialog()), (std::vector<std::string>{"customer", "orders", "product"}));
}
