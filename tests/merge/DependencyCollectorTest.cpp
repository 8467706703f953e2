// The merge dependency collector on two projects read back through the project store: the
// name rules, the dependency passes, the full-module selection and the maps.
#include "merge/MergeDependencyCollector.h"
#include "tests/merge/MergeInputs.h"

#include <functional>
#include <string>
#include <vector>

namespace
{
// A page file of the page that the menu links.
void LinkFromMenu(Menu* menu, FormInterface* page, int ownerKind)
{
    AspFile* file = AddPageFile(page, ownerKind);
    file->AddLinkingItem(menu);
    menu->AddPageFile(file);
}

// The second project: module "Sales" with entities that need others, some of which the
// first project has.
std::unique_ptr<ForgeonProject> BuildCollectorSecond()
{
    Module* sales = nullptr;
    auto project = NewMergeProject("Second", sales);
    Table* customer = NewTable("customer");
    Table* region = NewTable("region");
    Table* orders = NewTable("orders");
    AddVarcharField(orders, "customer_ref", customer->GetPrimaryKeyField());
    AddVarcharField(orders, "region_ref", region->GetPrimaryKeyField());
    Table* payment = NewTable("payment");
    Table* voucher = NewTable("voucher");
    Table* shipment = NewTable("shipment");
    Table* warehouse = NewTable("warehouse");
    for (Table* table : {customer, region, orders, payment, voucher, shipment, warehouse})
        sales->AppendMasterTable(table);
    Table* invoice = NewTable("invoice_basic", Table::masterDetailKind);
    Table* invoiceLine = NewTable("invoice_detail", Table::masterDetailKind);
    Table* orderLine = NewTable("order_line_detail", Table::masterDetailKind);
    for (Table* table : {invoice, invoiceLine, orderLine})
        sales->AppendTransactionTable(table);

    Procedure* procedure = NewProcedure("PRC_orders_Report", invoice, Procedure::customKind);
    for (Table* table : {region, payment, voucher})
        procedure->AddTable(table);
    sales->Append(procedure);

    Function* totalDue = AddClassFunction(sales, orders, "_orders", "TotalDue");
    Function* selectAll = AddClassFunction(sales, region, "_region", "SelectAll");
    Function* stock = AddClassFunction(sales, warehouse, "_warehouse", "Stock");
    AddClassFunction(sales, orderLine, "_order_line_detail", "Lines");

    auto* ordersReport = NewPage<ApplicationReport>("orders_report");
    for (Function* function : {totalDue, selectAll})
    {
        auto* call = new ClassInvokation;
        call->SetFunction(function->GetClass(), function);
        ordersReport->AddReportGroup(new ReportGroup(ordersReport, call));
    }
    auto* summaryReport = NewPage<ApplicationReport>("summary_report");
    auto* lineReport = NewPage<ApplicationReport>("line_report");
    auto* stockReport = NewPage<ApplicationReport>("stock_report");
    for (ApplicationReport* report : {ordersReport, summaryReport, lineReport, stockReport})
        sales->Append(report);

    Form* ordersForm = NewForm("orders_form", orders);
    ordersForm->SetReport(summaryReport);
    Form* customerForm = NewForm("Customer_form", customer);
    Form* regionForm = NewForm("Region_form", region);
    for (Form* form : {ordersForm, customerForm, regionForm})
        sales->Append(form);
    auto* mapForm = NewPage<MapForm>("orders_map");
    mapForm->SetMappingTable(shipment);
    sales->Append(mapForm);
    auto* stockMap = NewPage<MapForm>("stock_map");
    stockMap->SetMappingTable(warehouse);
    sales->Append(stockMap);
    auto* invoiceTrn = NewPage<Transaction>("invoice_trn");
    invoiceTrn->SetBasicTable(invoice);
    invoiceTrn->AddDetailTable(invoiceLine);
    for (ApplicationReport* report : {lineReport, ordersReport})
    {
        auto* entry = new DetailTableReport;
        entry->SetTable(invoiceLine);
        entry->SetReport(report);
        invoiceTrn->AddDetailTableReport(entry);
    }
    auto* orderLinesTrn = NewPage<Transaction>("order_lines_trn");
    orderLinesTrn->SetBasicTable(orders);
    orderLinesTrn->AddDetailTable(orderLine);
    sales->Append(invoiceTrn);
    sales->Append(orderLinesTrn);

    const auto [ordersInfo, stockInfo, stockSet, adapter, ordersRdlc, stockRdlc] =
        AddStockDescriptions(project.get());
    stockRdlc->SetXSDInfo(stockSet);
    stockRdlc->AddTableAdapterMap({adapter, {}});
    auto* control = new FieldRep(warehouse->GetFieldAt(0));
    auto* data = new FieldRepData;
    auto* call = new ClassInvokation;
    call->SetFunction(stock->GetClass(), stock);
    data->SetDataCall(call);
    control->AttachFieldRepData(data);
    stockRdlc->AddFieldRep(control);
    sales->Append(ordersRdlc);
    sales->Append(stockRdlc);

    auto* dashBoard = NewPage<DashBoard>("SalesBoard");
    auto* dashBoardPage = NewPage<DashBoardPage>("Sales_dash");
    dashBoardPage->AddPlacement(new DashBoardPageData(dashBoard));
    sales->Append(dashBoard);
    sales->Append(dashBoardPage);

    Menu* top = NewMenu("SalesMenu");
    Menu* lists = NewMenu("Lists");
    Menu* daily = NewMenu("Daily");
    top->AddSubMenu(lists);
    lists->AddSubMenu(daily);
    LinkFromMenu(daily, ordersForm, AspFile::formOwner);
    LinkFromMenu(daily, customerForm, AspFile::formOwner);
    LinkFromMenu(daily, regionForm, AspFile::formOwner);
    LinkFromMenu(daily, mapForm, AspFile::mapFormOwner);
    LinkFromMenu(daily, invoiceTrn, AspFile::transactionOwner);
    LinkFromMenu(daily, stockReport, AspFile::reportOwner);
    LinkFromMenu(daily, dashBoardPage, AspFile::dashBoardPageOwner);
    LinkFromMenu(daily, ordersRdlc, AspFile::rdlcReportOwner);
    LinkFromMenu(daily, stockMap, AspFile::mapFormOwner);
    LinkFromMenu(daily, orderLinesTrn, AspFile::transactionOwner);
    LinkFromMenu(daily, summaryReport, AspFile::reportOwner);
    LinkFromMenu(daily, dashBoard, AspFile::dashBoardOwner);
    sales->Append(top);
    return project;
}

// The first project: some of the second project's names, some in another letter case.
std::unique_ptr<ForgeonProject> BuildCollectorFirst()
{
    Module* sales = nullptr;
    auto project = NewMergeProject("First", sales);
    Table* region = NewTable("REGION");
    sales->AppendMasterTable(region);
    AddClassFunction(sales, region, "_REGION", "SELECTALL");
    sales->Append(NewProcedure("PRC_Load", region, Procedure::customKind));
    sales->Append(NewPage<ApplicationReport>("ORDERS_REPORT"));
    sales->Append(NewPage<ApplicationReport>("STOCK_REPORT"));
    sales->Append(NewForm("Customer_form", region));
    sales->Append(NewForm("REGION_FORM", region));
    auto* mapForm = NewPage<MapForm>("Link_form");
    mapForm->SetMappingTable(region);
    sales->Append(mapForm);
    sales->Append(NewPage<Transaction>("invoice_trn"));
    auto* stockInfo = new RDLCInfo;
    stockInfo->SetName("Reports\\stock.rdlc");
    project->AddRDLCInfo(stockInfo);
    auto* salesSet = new XSDInfo;
    salesSet->SetFilePath("DataSets\\Sales.xsd");
    auto* adapter = new TableAdapter;
    adapter->SetName("SalesAdapter");
    salesSet->AddTableAdapter(adapter);
    project->AddXSDInfo(salesSet);
    return project;
}

template <class List, class Name> std::vector<std::string> NamesOf(const List& list, Name name)
{
    std::vector<std::string> names;
    for (const auto* item : list)
        names.emplace_back(name(item).GetString());
    return names;
}

std::vector<std::string> Texts(const std::vector<CString>& texts)
{
    std::vector<std::string> names;
    for (const CString& text : texts)
        names.emplace_back(text.GetString());
    return names;
}

// The name getters of the kinds.
constexpr auto TableName = [](const Table* table) { return table->GetTableName(); };
constexpr auto PageName = [](const FormInterface* page) { return page->GetFormName(); };
constexpr auto ItsName = [](const auto* item) { return CString(item->GetName()); };
constexpr auto ItsFieldName = [](const auto* item) { return item->GetFieldName(); };
} // namespace

class DependencyCollectorTest : public MergeInputs
{
protected:
    void SetUp() override { Load(BuildCollectorFirst(), BuildCollectorSecond()); }

    // The collector over the inputs with "Sales" of the second project selected.
    std::unique_ptr<MergeDependencyCollector> NewCollector()
    {
        auto collector = std::make_unique<MergeDependencyCollector>(First(), Second());
        collector->SetSelectedModule(SecondSales());
        return collector;
    }

    // The functions of the module's classes, which a full selection selects each once.
    std::size_t SelectedFunctionCount() const
    {
        std::size_t count = 0;
        for (const Class* dataClass : SecondSales()->GetClasses())
            count += dataClass->GetFunctions().size();
        return count;
    }

    Table* SecondTable(const char* name)
    {
        CString text = name;
        return SecondSales()->FindTableByName(text);
    }
    template <class Page> Page* SecondPage(const char* name)
    {
        return dynamic_cast<Page*>(SecondSales()->FindPageByName(name));
    }
};

TEST_F(DependencyCollectorTest, PresenceFollowsTheLetterCaseRuleOfEachKind)
{
    using Query = bool (MergeDependencyCollector::*)(const CString&) const;
    struct Case
    {
        const char* kind;
        Query query;
        const char* name;
        bool present;
    };
    const Case cases[] = {
        {"table", &MergeDependencyCollector::FirstProjectHasTable, "region", true},
        {"table", &MergeDependencyCollector::FirstProjectHasTable, "customer", false},
        {"procedure", &MergeDependencyCollector::FirstProjectHasProcedure, "PRC_Load", true},
        {"procedure", &MergeDependencyCollector::FirstProjectHasProcedure, "prc_load", true},
        {"procedure", &MergeDependencyCollector::FirstProjectHasProcedure, "PRC_Loads", false},
        {"report", &MergeDependencyCollector::FirstProjectHasReport, "orders_report", true},
        {"master form", &MergeDependencyCollector::FirstProjectHasMasterForm, "Customer_form",
         true},
        {"master form", &MergeDependencyCollector::FirstProjectHasMasterForm, "Region_form", false},
        {"map form", &MergeDependencyCollector::FirstProjectHasMapForm, "Link_form", true},
        {"map form", &MergeDependencyCollector::FirstProjectHasMapForm, "link_form", false},
        {"transaction", &MergeDependencyCollector::FirstProjectHasTransaction, "invoice_trn", true},
        {"transaction", &MergeDependencyCollector::FirstProjectHasTransaction, "Invoice_trn",
         false},
        {"function", &MergeDependencyCollector::FirstProjectHasFunction, "SelectAll", true},
        {"function", &MergeDependencyCollector::FirstProjectHasFunction, "TotalDue", false},
        {"RDLC info", &MergeDependencyCollector::FirstProjectHasRDLCInfo, "Reports\\stock.rdlc",
         true},
        {"RDLC info", &MergeDependencyCollector::FirstProjectHasRDLCInfo, "reports\\stock.rdlc",
         false},
        {"XSD info", &MergeDependencyCollector::FirstProjectHasXSDInfo, "DataSets\\Sales.xsd",
         true},
        {"XSD info", &MergeDependencyCollector::FirstProjectHasXSDInfo, "datasets\\sales.xsd",
         false},
        {"table adapter", &MergeDependencyCollector::FirstProjectHasTableAdapter, "SalesAdapter",
         true},
        {"table adapter", &MergeDependencyCollector::FirstProjectHasTableAdapter, "salesadapter",
         false},
    };
    const auto collector = NewCollector();
    for (const Case& test : cases)
        EXPECT_EQ((collector.get()->*test.query)(test.name), test.present)
            << test.kind << " " << test.name;
}

TEST_F(DependencyCollectorTest, EachPassListsWhatIsMissingOnceInItsNeededList)
{
    using Needed = std::vector<std::string> (*)(const MergeDependencyCollector&);
    struct Case
    {
        int pass;
        std::vector<std::string> lines;
        Needed neededList;
        std::vector<std::string> needed;
    };
    const Needed tables = [](const MergeDependencyCollector& collector)
    { return NamesOf(collector.GetNeededTables(), TableName); };
    const Needed reports = [](const MergeDependencyCollector& collector)
    { return NamesOf(collector.GetNeededReports(), PageName); };
    const Needed functions = [](const MergeDependencyCollector& collector)
    { return NamesOf(collector.GetNeededFunctions(), ItsFieldName); };
    const Needed descriptions = [](const MergeDependencyCollector& collector)
    {
        std::vector<std::string> names = NamesOf(collector.GetNeededRDLCInfos(), ItsName);
        for (const std::string& name : NamesOf(collector.GetNeededXSDInfos(), ItsName))
            names.push_back(name);
        for (const std::string& name : NamesOf(collector.GetNeededTableAdapters(), ItsName))
            names.push_back(name);
        return names;
    };
    const Case cases[] = {
        {0, {"customer foreign table in orders"}, tables, {"customer"}},
        {1,
         {"invoice_basic main Table in procedure PRC_orders_Report",
          "payment detail Table in procedure PRC_orders_Report"},
         tables,
         {"invoice_basic", "payment"}},
        {2, {"TotalDue function in report orders_report"}, functions, {"TotalDue"}},
        {3, {"summary_report report in form orders_form"}, reports, {"summary_report"}},
        {4, {"shipment Table in form orders_map"}, tables, {"shipment"}},
        {5,
         {"invoice_basic Table in form invoice_trn",
          "invoice_detail detial table in form invoice_trn",
          "line_report report in form invoice_trn"},
         tables,
         {"invoice_basic", "invoice_detail"}},
        {6,
         {"Region_form in menu Daily", "Sales_dash in menu Daily", "orders_rdlc in menu Daily",
          "stock_map in menu Daily", "order_lines_trn in menu Daily",
          "summary_report in menu Daily", "SalesBoard in menu Daily"},
         tables,
         {}},
        {7,
         {"Reports\\orders.rdlc RDLCInfo in report orders_rdlc",
          "DataSets\\StockSet.xsd XSDInfo in report stock_rdlc",
          "StockAdapter TableAdapter in report stock_rdlc",
          "warehouse Table(Class in ClassInvikation) in report stock_rdlc"},
         descriptions,
         {"Reports\\orders.rdlc", "DataSets\\StockSet.xsd", "StockAdapter"}},
    };
    for (const Case& test : cases)
    {
        const auto collector = NewCollector();
        collector->GetSelectedTables().push_back(SecondTable("orders"));
        collector->GetSelectedProcedures().push_back(
            SecondSales()->FindProcedureByName("PRC_orders_Report"));
        collector->GetSelectedReports().push_back(SecondPage<ApplicationReport>("orders_report"));
        collector->GetSelectedMasterForms().push_back(SecondPage<Form>("orders_form"));
        collector->GetSelectedMapForms().push_back(SecondPage<MapForm>("orders_map"));
        collector->GetSelectedTransactions().push_back(SecondPage<Transaction>("invoice_trn"));
        collector->GetSelectedMenus().push_back(SecondSales()->FindMenuByName("Daily"));
        collector->GetSelectedRDLCReports().push_back(SecondPage<RDLCReport>("orders_rdlc"));
        collector->GetSelectedRDLCReports().push_back(SecondPage<RDLCReport>("stock_rdlc"));
        collector->MapTable(SecondTable("voucher"), First()->FindTableByName("region"));

        std::vector<CString> lines;
        collector->CollectDependencies(test.pass, lines);
        collector->CollectDependencies(test.pass, lines);
        std::vector<std::string> expected = test.lines;
        expected.insert(expected.end(), test.lines.begin(), test.lines.end());
        EXPECT_EQ(Texts(lines), expected) << "pass " << test.pass;
        EXPECT_EQ(test.neededList(*collector), test.needed) << "pass " << test.pass;
    }
}

TEST_F(DependencyCollectorTest, FullModuleSelectsEachKindInItsOrderAndOnlyOnce)
{
    const auto collector = NewCollector();
    MergeDependencyCollector& c = *collector;
    using Names = std::vector<std::string>;
    struct Expected
    {
        const char* list;
        std::function<Names()> names;
        Names expected;
    };
    const Expected lists[] = {
        {"XSD infos",
         [&c] { return NamesOf(c.GetSelectedXSDInfos(), ItsName); },
         {"DataSets\\StockSet.xsd"}},
        {"adapters",
         [&c] { return NamesOf(c.GetSelectedTableAdapters(), ItsName); },
         {"StockAdapter"}},
        {"RDLC infos",
         [&c] { return NamesOf(c.GetSelectedRDLCInfos(), ItsName); },
         {"Reports\\orders.rdlc", "Reports\\stock.rdlc"}},
        // A transaction's detail table follows its basic table, with its own class.
        {"tables",
         [&c] { return NamesOf(c.GetSelectedTables(), TableName); },
         {"customer", "orders", "order_line_detail", "payment", "region", "shipment", "voucher",
          "warehouse", "invoice_basic", "invoice_detail"}},
        {"classes",
         [&c] { return NamesOf(c.GetSelectedClasses(), ItsFieldName); },
         {"_orders", "_order_line_detail", "_region", "_warehouse"}},
        {"master forms",
         [&c] { return NamesOf(c.GetSelectedMasterForms(), PageName); },
         {"Customer_form", "orders_form", "Region_form"}},
        {"map forms",
         [&c] { return NamesOf(c.GetSelectedMapForms(), PageName); },
         {"orders_map", "stock_map"}},
        {"transactions",
         [&c] { return NamesOf(c.GetSelectedTransactions(), PageName); },
         {"order_lines_trn", "invoice_trn"}},
        {"reports",
         [&c] { return NamesOf(c.GetSelectedReports(), PageName); },
         {"line_report", "orders_report", "stock_report", "summary_report"}},
        {"RDLC reports",
         [&c] { return NamesOf(c.GetSelectedRDLCReports(), PageName); },
         {"orders_rdlc", "stock_rdlc"}},
        // Once by itself and once after each ancestor.
        {"menus",
         [&c] { return NamesOf(c.GetSelectedMenus(), ItsName); },
         {"Daily", "Lists", "Daily", "SalesMenu", "Lists", "Daily"}},
        {"dashboard pages",
         [&c] { return NamesOf(c.GetSelectedDashBoardPages(), PageName); },
         {"Sales_dash"}},
        {"dashboards",
         [&c] { return NamesOf(c.GetSelectedDashBoards(), PageName); },
         {"SalesBoard"}},
        {"procedures",
         [&c] { return NamesOf(c.GetSelectedProcedures(), ItsName); },
         {"PRC_orders_Report"}},
    };
    for (const char* selection : {"first selection", "second selection"})
    {
        c.SelectFullModule();
        for (const Expected& list : lists)
            EXPECT_EQ(list.names(), list.expected) << selection << ": " << list.list;
        EXPECT_TRUE(c.IsFunctionSelected(
            SecondSales()->FindClassByName("_orders")->FindFunctionByName("TotalDue")));
        EXPECT_EQ(c.GetSelectedFunctions().size(), SelectedFunctionCount()) << selection;
    }
}

TEST_F(DependencyCollectorTest, SelectingAnRdlcReportClearsTheMarksOfTheInfosItSelects)
{
    struct Case
    {
        bool infosSelectedBefore;
        BYTE marksAfter;
    };
    for (const Case test : {Case{false, 0}, Case{true, 1}})
    {
        const auto collector = NewCollector();
        auto* report = SecondPage<RDLCReport>("stock_rdlc");
        report->GetRDLCInfo()->SetMergeMark(1);
        report->GetXSDInfo()->SetMergeMark(1);
        if (test.infosSelectedBefore)
        {
            collector->GetSelectedRDLCInfos().push_back(report->GetRDLCInfo());
            collector->GetSelectedXSDInfos().push_back(report->GetXSDInfo());
        }
        collector->SelectRDLCReport(report);
        collector->SelectRDLCReport(report);
        EXPECT_EQ(report->GetRDLCInfo()->GetMergeMark(), test.marksAfter);
        EXPECT_EQ(report->GetXSDInfo()->GetMergeMark(), test.marksAfter);
        EXPECT_EQ(collector->GetSelectedRDLCReports().size(), 1u);
        EXPECT_EQ(collector->GetSelectedRDLCInfos().size(), 1u);
        EXPECT_EQ(collector->GetSelectedXSDInfos().size(), 1u);
        EXPECT_EQ(collector->GetSelectedTableAdapters().size(), test.infosSelectedBefore ? 0u : 1u);
    }
}

TEST_F(DependencyCollectorTest, MapsLookBothWaysKeepTheFirstPairAndRemoveByPosition)
{
    const auto collector = NewCollector();
    std::vector<Table*> keys = {SecondTable("customer"), SecondTable("orders"),
                                SecondTable("payment")};
    std::ranges::sort(keys);
    Table* target = First()->FindTableByName("region");
    collector->MapTable(keys[0], target);
    collector->MapTable(keys[0], keys[2]);
    collector->MapTable(keys[1], nullptr);
    collector->MapTable(keys[2], keys[1]);
    struct Lookup
    {
        Table* argument;
        Table* answer;
    };
    const Lookup lookups[] = {
        {keys[0], target},  // the value of the first pair entered
        {target, keys[0]},  // the key whose value it is
        {keys[1], keys[2]}, // a null value: the key whose value it is
        {SecondTable("voucher"), nullptr},
    };
    for (const Lookup& lookup : lookups)
        EXPECT_EQ(collector->GetMappedTable(lookup.argument), lookup.answer);
    collector->RemoveTableMapAt(3);
    EXPECT_EQ(collector->GetTableMap().size(), 3u);
    collector->RemoveTableMapAt(1);
    EXPECT_TRUE(collector->IsTableMapped(keys[0]));
    EXPECT_FALSE(collector->IsTableMapped(keys[1]));
    EXPECT_TRUE(collector->IsTableMapped(keys[2]));
    collector->RemoveTableMapAt(-1);
    EXPECT_EQ(collector->GetTableMap().size(), 2u);
}
