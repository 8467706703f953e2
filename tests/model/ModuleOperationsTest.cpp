#include "entities/ApplicationReport.h"
#include "entities/AspFile.h"
#include "entities/Class.h"
#include "entities/ClassInvokation.h"
#include "entities/DashBoard.h"
#include "entities/DashBoardPage.h"
#include "entities/Designation.h"
#include "entities/Form.h"
#include "entities/Function.h"
#include "entities/LoginPage.h"
#include "entities/MapForm.h"
#include "entities/Menu.h"
#include "entities/MultiPageReport.h"
#include "entities/Procedure.h"
#include "entities/ProcedureFieldInfo.h"
#include "entities/RDLCReport.h"
#include "entities/ReportField.h"
#include "entities/ReportFieldControlProperty.h"
#include "entities/ReportGroup.h"
#include "entities/Transaction.h"
#include "entities/Variable.h"
#include "model/FieldRep.h"
#include "model/FieldRepData.h"
#include "model/MainFrameAccess.h"
#include "model/NameUtilities.h"
#include "model/Relation.h"
#include "tests/model/ModelBuilders.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

namespace
{
Designation* NewRole(const char* name)
{
    auto* role = new Designation;
    role->SetName(name);
    return role;
}

MapForm* NewMapForm(const char* name, Table* table)
{
    auto* mapForm = NewPage<MapForm>(name);
    mapForm->SetMappingTable(table);
    return mapForm;
}

std::vector<CString> TableNames(const std::vector<Table*>& tables)
{
    std::vector<CString> names;
    for (const Table* table : tables)
        names.push_back(table->GetTableName());
    return names;
}

std::vector<CString> VariableNames(const FormInterface& page)
{
    std::vector<CString> names;
    for (const FieldVariableMap* map : page.GetFieldVariableMaps())
        names.push_back(map->variable->GetFieldName());
    return names;
}

// One table of each kind, added to the module.
struct TablesOfEachKind
{
    explicit TablesOfEachKind(Module& module)
    {
        for (Table* table : {master, detail, map})
            module.AddTable(table);
    }

    Table* master = NewTable("Customer");
    Table* detail = NewTable("Order_detail", Table::masterDetailKind);
    Table* map = NewTable("Link", Table::mapKind);
};
} // namespace

TEST(ModuleFindTest, LookupsFollowTheirCaseRulesAndSearchEveryList)
{
    Module module("M");
    const TablesOfEachKind tables(module);
    Form* form = NewForm("Orders", tables.master);
    module.AddMasterForm(form, false);
    auto* transaction = NewPage<Transaction>("Orders");
    module.AddTransaction(transaction, false);
    auto* dashBoardPage = NewPage<DashBoardPage>("Board");
    auto* login = NewPage<LoginPage>("Login");
    module.Append(dashBoardPage);
    module.AdoptLoginPage(login);
    module.Append(NewPage<DashBoard>("Panel"));
    auto* report = NewPage<ApplicationReport>("Sales Report");
    module.AddReport(report);
    Procedure* procedure = NewProcedure("Customer_SelectAll");
    module.AddProcedure(procedure);
    Designation* role = NewRole("Director");
    module.Append(role);
    Menu* top = NewMenu("Admin");
    Menu* child = NewMenu("Users");
    top->AddSubMenu(child);
    module.AddMenu(top);
    auto* early = new Function;
    auto* late = new Function;
    auto* first = new Class;
    first->SetName("_Customer");
    first->AddFunction(early);
    auto* second = new Class;
    second->SetName("_Order");
    second->AddFunction(late);
    module.Append(first);
    module.Append(second);

    CString name = "CUSTOMER";
    EXPECT_EQ(module.FindTableByName(name), tables.master);
    EXPECT_EQ(name, "customer");
    CString mapName = "lInK";
    EXPECT_EQ(module.FindTableByName(mapName), tables.map);
    CString detailName = "ORDER_DETAIL";
    EXPECT_EQ(module.FindTableByName(detailName), tables.detail);
    EXPECT_EQ(module.FindMasterTableByName("cUsToMeR"), tables.master);
    EXPECT_EQ(module.FindMasterTableByName("Link"), nullptr);
    EXPECT_EQ(module.FindMasterTableByNameExact("Customer"), tables.master);
    EXPECT_EQ(module.FindMasterTableByNameExact("customer"), nullptr);
    for (Table* table : {tables.master, tables.detail, tables.map})
        EXPECT_EQ(module.FindTableById(table->GetId()), table);
    EXPECT_EQ(module.FindMasterTableById(tables.map->GetId()), nullptr);
    EXPECT_EQ(module.FindTableById(-5), nullptr);

    EXPECT_EQ(module.FindMasterFormByName("Orders"), form);
    EXPECT_EQ(module.FindMasterFormByName("orders"), nullptr);
    EXPECT_EQ(module.FindTransactionByName("Orders"), transaction);
    EXPECT_EQ(module.FindTransactionByName("orders"), nullptr);
    EXPECT_EQ(module.FindProcedureByName("Customer_SelectAll"), procedure);
    EXPECT_EQ(module.FindProcedureByName("customer_selectall"), nullptr);
    EXPECT_EQ(module.FindProcedureByNameNoCase("customer_SELECTALL"), procedure);
    EXPECT_EQ(module.FindDesignationByName("Director"), role);
    EXPECT_EQ(module.FindDesignationByName("director"), nullptr);
    EXPECT_EQ(module.FindReportByName("SALES report"), report);
    EXPECT_EQ(module.FindReportByName("Sales"), nullptr);

    // Forms come before the other kinds; dashboards are not searched.
    EXPECT_EQ(module.FindPageByName("Orders"), form);
    EXPECT_EQ(module.FindPageByName("Board"), dashBoardPage);
    EXPECT_EQ(module.FindPageByName("Login"), login);
    EXPECT_EQ(module.FindPageByName("orders"), nullptr);
    EXPECT_EQ(module.FindPageByName("Panel"), nullptr);

    EXPECT_EQ(module.FindMenuByName("Users"), child);
    EXPECT_EQ(module.FindMenuByName("users"), nullptr);
    EXPECT_EQ(module.FindMenuById(child->GetId()), child);
    EXPECT_EQ(module.FindMenuById(top->GetId()), top);
    EXPECT_EQ(module.FindMenuByFullName(child->GetFullName()), child);
    EXPECT_EQ(module.FindMenuByFullName(top->GetFullName()), top);
    EXPECT_EQ(module.FindMenuByFullName("Users_Admin"), nullptr);

    EXPECT_EQ(module.FindClassByName("_ORDER"), second);
    EXPECT_EQ(module.FindClassByName("Order"), nullptr);
    EXPECT_EQ(module.GetClassIndex(second), 1);
    EXPECT_EQ(module.GetClassIndex(nullptr), -1);
    EXPECT_EQ(module.FindFunctionById(late->GetId()), late);
    EXPECT_EQ(module.FindFunctionById(early->GetId()), early);
    EXPECT_EQ(module.FindFunctionById(late->GetId() + 1000), nullptr);
}

// The process runs in en_US.UTF-8, a user's locale whose collation ignores case at first, for
// the life of the object; the locale is built into a temp folder when the host has none.
class UserLocale
{
public:
    UserLocale()
    {
        if (std::setlocale(LC_ALL, "en_US.UTF-8") != nullptr)
            return;
        const std::string made = m_folder.Path().string() + "/en_US.UTF-8";
        if (std::system(("localedef -i en_US -f UTF-8 '" + made + "' >/dev/null 2>&1").c_str()) < 0)
            return;
        ::setenv("LOCPATH", m_folder.Path().c_str(), 1);
        std::setlocale(LC_ALL, "en_US.UTF-8");
    }
    ~UserLocale()
    {
        std::setlocale(LC_ALL, "C");
        ::unsetenv("LOCPATH");
    }
    UserLocale(const UserLocale&) = delete;
    UserLocale& operator=(const UserLocale&) = delete;

private:
    TempFolder m_folder{"Locale"};
};

TEST(ModuleAddTest, NamedListsTakeTheByteOrderWhateverTheProcessLocale)
{
    UserLocale locale;
    ASSERT_LT(std::strcoll("alpha", "Beta"), 0) << "the process runs in no user's locale";
    Module module("M");
    for (const char* name : {"beta", "Alpha", "alpha", "Beta"})
    {
        module.AddTable(NewTable(name));
        module.AddProcedure(NewProcedure(name));
    }
    const std::vector<CString> byteOrder{"Alpha", "Beta", "alpha", "beta"};
    EXPECT_EQ(TableNames(module.GetMasterTables()), byteOrder);
    std::vector<CString> procedures;
    for (const Procedure* procedure : module.GetProcedures())
        procedures.push_back(procedure->GetName());
    EXPECT_EQ(procedures, byteOrder);
}

TEST(ModuleAddTest, AddsKeepNamedListsSortedTakeObjectsOnceAndTablesOnlyOfAKnownKind)
{
    Module module("M");
    Table* table = NewTable("beta");
    EXPECT_TRUE(module.AddTable(table));
    EXPECT_TRUE(module.AddTable(table));
    for (const char* name : {"Alpha", "alpha"})
        module.AddTable(NewTable(name));
    for (const char* name : {"zeta", "eta"})
        module.AddTable(NewTable(name, Table::mapKind));
    // Byte order: upper case before lower case; map tables keep their order.
    EXPECT_EQ(TableNames(module.GetMasterTables()),
              (std::vector<CString>{"Alpha", "alpha", "beta"}));
    EXPECT_EQ(TableNames(module.GetMapTables()), (std::vector<CString>{"zeta", "eta"}));
    std::unique_ptr<Table> strange(NewTable("Strange", 3));
    EXPECT_FALSE(module.AddTable(strange.get()));
    EXPECT_FALSE(module.AddTable(nullptr));
    EXPECT_FALSE(module.ContainsTable(strange.get()));

    auto* dashBoard = NewPage<DashBoard>("Board");
    EXPECT_TRUE(module.AddDashBoard(dashBoard, false));
    EXPECT_TRUE(module.AddDashBoard(dashBoard, false));
    EXPECT_EQ(module.GetDashBoards().size(), 1u);
    Procedure* procedure = NewProcedure("Second");
    EXPECT_TRUE(module.AddProcedure(procedure));
    EXPECT_TRUE(module.AddProcedure(procedure));
    module.AddProcedure(NewProcedure("First"));
    EXPECT_EQ(module.GetProcedures().size(), 2u);
    EXPECT_EQ(module.GetProcedureAt(0)->GetName(), "First");
    EXPECT_FALSE(module.AddProcedure(nullptr));
    module.AddMenu(NewMenu("Reports"));
    module.AddMenu(NewMenu("Admin"));
    EXPECT_EQ(module.GetMenuAt(0)->GetName(), "Admin");
    EXPECT_FALSE(module.AddMenu(nullptr));

    EXPECT_EQ(module.GetMasterTableAt(3), nullptr);
    EXPECT_EQ(module.GetMasterTableAt(-1), nullptr);
    EXPECT_EQ(module.GetTransactionAt(0), nullptr);
    EXPECT_EQ(module.GetReportCollectorAt(0), nullptr);
}

TEST(ModuleAddTest, TheNextAddSortsEveryListAgainAndEqualNamesKeepTheirAddOrder)
{
    Module module("M");
    Table* first = NewTable("same");
    Table* second = NewTable("same");
    for (Table* table : {NewTable("b"), first, NewTable("a"), second})
        module.AddTable(table);
    EXPECT_EQ(TableNames(module.GetMasterTables()),
              (std::vector<CString>{"a", "b", "same", "same"}));
    EXPECT_EQ(module.GetMasterTableAt(2), first);

    module.GetMasterTableAt(0)->SetTableName("z");
    module.AddProcedure(NewProcedure("p"));
    EXPECT_EQ(TableNames(module.GetMasterTables()),
              (std::vector<CString>{"b", "same", "same", "z"}));
    EXPECT_EQ(module.GetMasterTableAt(1), first);
    EXPECT_EQ(module.GetMasterTableAt(2), second);
}

TEST(ModuleAddTest, ClassOfATableFollowsNewClassesAndChangedBindings)
{
    Module module("M");
    Table* orders = NewTable("orders");
    Table* items = NewTable("items");
    module.AddTable(orders);
    module.AddTable(items);
    Class* ofOrders = module.GetClassForTable(orders, true);
    EXPECT_EQ(module.GetClassForTable(orders, false), ofOrders);
    EXPECT_EQ(module.GetClassForTable(items, false), nullptr);

    auto* appended = new Class;
    module.Append(appended);
    EXPECT_EQ(module.GetClassForTable(items, false), nullptr);
    appended->SetTable(items);
    EXPECT_EQ(module.GetClassForTable(items, false), appended);
    ofOrders->SetTable(nullptr);
    EXPECT_EQ(module.GetClassForTable(orders, false), nullptr);
    // The first class of the list bound to the table answers.
    ofOrders->SetTable(items);
    EXPECT_EQ(module.GetClassForTable(items, false), ofOrders);
}

TEST(ModuleAddTest, PageOfAListedIdIsNotAddedAgainButStillGetsItsFiles)
{
    Module module("M");
    Table* table = NewTable("A");
    module.AddTable(table);
    Form* form = NewForm("AForm", table);
    EXPECT_TRUE(module.AddMasterForm(form, false));
    EXPECT_TRUE(form->GetAspFiles().empty());
    EXPECT_EQ(form->GetModule(), &module);

    EXPECT_TRUE(module.AddMasterForm(form, true));
    EXPECT_EQ(module.GetMasterForms().size(), 1u);
    EXPECT_FALSE(form->GetAspFiles().empty());
    EXPECT_FALSE(module.AddMasterForm(nullptr, true));
}

TEST(ModuleAddTest, AddingATransactionMakesItsPageFilesAndRefreshesTheTree)
{
    int refreshes = 0;
    const MainFrameAccess::TreeRefresher previous =
        MainFrameAccess::SetTreeRefresher([&refreshes]() { ++refreshes; });
    Module module("M");
    Transaction* second = NewTransaction("Second", nullptr);
    Transaction* first = NewTransaction("First", nullptr);

    module.AddTransactionAndRefresh(second);
    module.AddTransactionAndRefresh(first);
    module.AddTransactionAndRefresh(nullptr);
    MainFrameAccess::SetTreeRefresher(previous);

    EXPECT_EQ(module.GetTransactions(), (std::vector<Transaction*>{first, second}));
    EXPECT_EQ(first->GetModule(), &module);
    EXPECT_FALSE(first->GetAspFiles().empty());
    EXPECT_EQ(refreshes, 2);
}

TEST(ModuleRemoveTest, RemovingATableTakesItsUserProceduresWithoutFreeing)
{
    Module module("M");
    Table* table = NewTable("A");
    module.AddTable(table);
    Procedure* user = NewProcedure("A_SelectAll", table, 0);
    Procedure* other = NewProcedure("A_Custom", table, 1);
    module.AddProcedure(user);
    module.AddProcedure(other);
    EXPECT_EQ(module.CountUserProcedures(), 1);

    EXPECT_FALSE(module.RemoveMapTable(table));
    EXPECT_TRUE(module.RemoveMasterTable(table));
    EXPECT_FALSE(module.RemoveTable(table));
    EXPECT_FALSE(module.ContainsTable(table));
    EXPECT_EQ(module.GetProcedures(), std::vector<Procedure*>{other});

    // Still alive: the caller frees them.
    EXPECT_EQ(user->GetMainTable(), table);
    delete user;
    delete table;
}

TEST(ModuleRemoveTest, PagesAndMenusAreRemovedOrDetachedInOrderWithoutFreeing)
{
    Module module("M");
    auto* report = NewPage<ApplicationReport>("R");
    Menu* menu = NewMenu("Top");
    module.AddReport(report);
    module.AddMenu(menu);
    EXPECT_TRUE(module.RemoveReport(report));
    EXPECT_FALSE(module.RemoveReport(report));
    EXPECT_TRUE(module.RemoveMenu(menu));
    EXPECT_FALSE(module.RemoveMenu(menu));
    EXPECT_EQ(report->GetFormName(), "R");
    delete report;
    delete menu;

    auto* a = NewPage<DashBoard>("a");
    auto* b = NewPage<DashBoard>("b");
    auto* c = NewPage<DashBoard>("c");
    for (DashBoard* dashBoard : {a, b, c})
        module.Append(dashBoard);
    const std::unique_ptr<DashBoard> stranger(NewPage<DashBoard>("x"));
    EXPECT_FALSE(module.DetachDashBoard(stranger.get()));
    EXPECT_TRUE(module.DetachDashBoard(b));
    EXPECT_EQ(module.GetDashBoards(), (std::vector<DashBoard*>{a, c}));
    delete b;

    auto* page = NewPage<DashBoardPage>("p");
    module.Append(page);
    EXPECT_TRUE(module.DetachDashBoardPage(page));
    EXPECT_FALSE(module.DetachDashBoardPage(page));
    EXPECT_TRUE(module.GetDashBoardPages().empty());
    delete page;
}

TEST(ModulePasteTest, TakingACopyNamesItAndEmptiesTheSlot)
{
    Module module("M");
    EXPECT_EQ(module.TakePastedTable(), nullptr);
    EXPECT_EQ(module.TakePastedReport(), nullptr);
    EXPECT_EQ(module.TakePastedTransaction(), nullptr);
    EXPECT_EQ(module.TakePastedForm(), nullptr);
    Table* table = NewTable("Customer", Table::masterKind, {"city"});
    Table* basic = NewTable("Order_basic", Table::masterDetailKind);
    module.AddTable(table);
    module.AddTable(basic);
    auto* report = NewPage<ApplicationReport>("Sales");
    module.AddReport(report);
    Form* form = NewForm("CustomerForm", table);
    module.AddMasterForm(form, false);
    Transaction* transaction = NewTransaction("Orders", basic);
    module.AddTransaction(transaction, false);
    module.SetPastedTable(table);
    module.SetPastedReport(report);
    module.SetPastedForm(form);
    module.SetPastedTransaction(transaction);

    std::unique_ptr<Table> tableCopy(module.TakePastedTable());
    ASSERT_NE(tableCopy, nullptr);
    EXPECT_EQ(tableCopy->GetTableName(), "Copy_of_Customer");
    EXPECT_EQ(tableCopy->GetFields().size(), table->GetFields().size());
    EXPECT_FALSE(module.ContainsTable(tableCopy.get()));
    std::unique_ptr<ApplicationReport> reportCopy(module.TakePastedReport());
    ASSERT_NE(reportCopy, nullptr);
    EXPECT_EQ(reportCopy->GetFormName(), "Copy_of_Sales");
    // Pages are numbered by their table.
    std::unique_ptr<Form> formCopy(module.TakePastedForm());
    ASSERT_NE(formCopy, nullptr);
    EXPECT_EQ(formCopy->GetFormName(), "Copy_1_of_CustomerForm");
    EXPECT_EQ(formCopy->GetTable(), table);
    std::unique_ptr<Transaction> transactionCopy(module.TakePastedTransaction());
    ASSERT_NE(transactionCopy, nullptr);
    EXPECT_EQ(transactionCopy->GetFormName(), "Copy_1_of_Orders");

    EXPECT_EQ(module.TakePastedTable(), nullptr);
    EXPECT_EQ(module.TakePastedReport(), nullptr);
    EXPECT_EQ(module.TakePastedForm(), nullptr);
    EXPECT_EQ(module.TakePastedTransaction(), nullptr);
    EXPECT_EQ(module.GetReports().size(), 1u);
    EXPECT_EQ(module.GetMasterForms().size(), 1u);
    EXPECT_EQ(module.GetTransactions().size(), 1u);
}

namespace
{
// A master table with a data class whose "SelectAllRecords" returns every field of the table.
struct SearchReportFixture
{
    explicit SearchReportFixture(const char* tableName)
    {
        table = NewTable(tableName, Table::masterKind, {"username", "Password"});
        Table* roles = NewTable("roles");
        AddVarcharField(table, "role_ref", roles->GetFields().front());
        module.AddTable(table);
        module.AddTable(roles);
        dataClass = module.GetClassForTable(table, true);
        auto* function = new Function;
        function->SetName("SelectAllRecords");
        for (Field* field : table->GetFields())
            function->AddOutputField(new ProcedureFieldInfo(field, 0));
        dataClass->AddFunction(function);
        selectAll = function;
    }

    Module module{"M"};
    Table* table = nullptr;
    Class* dataClass = nullptr;
    Function* selectAll = nullptr;
};

std::vector<CString> GroupColumnFieldNames(const ReportGroup& group)
{
    std::vector<CString> names;
    for (const ReportField* column : group.GetReportFields())
        names.push_back(column->GetFieldInfo()->GetField()->GetFieldName());
    return names;
}
} // namespace

TEST(ModuleSearchReportTest, UserAccountReportLeavesOutKeyForeignKeyAndPassword)
{
    SearchReportFixture fixture("useraccount");
    Form* form = NewForm("UserForm", fixture.table);
    fixture.module.AddMasterForm(form, true);
    form->AddVariableForField(fixture.table->FindFieldByName("username"));
    ASSERT_TRUE(fixture.table->FindFieldByName("role_ref")->IsForeignKey());

    ApplicationReport* report = fixture.module.CreateSearchReport(fixture.table);

    ASSERT_NE(report, nullptr);
    EXPECT_EQ(report->GetFormName(), "useraccount Report");
    EXPECT_EQ(report->GetTitle(), MakeCaption("Search useraccount"));
    EXPECT_EQ(report->GetClassCall()->GetFunction(), fixture.selectAll);
    ASSERT_EQ(report->GetReportGroups().size(), 1u);
    const ReportGroup& group = *report->GetReportGroups().front();
    EXPECT_EQ(group.GetClassCall()->GetFunction(), fixture.selectAll);
    EXPECT_EQ(GroupColumnFieldNames(group), (std::vector<CString>{"username"}));

    const ReportField* first = group.GetReportFields().front();
    EXPECT_EQ(first->GetAspFile(), form->GetAspFileAt(1));
    std::vector<Variable*> variables;
    form->GetVariables(variables, true);
    ASSERT_EQ(first->GetBindings().size(), 1u);
    const ReportFieldBinding& binding = *first->GetBindings().front();
    EXPECT_EQ(binding.m_target, variables.front());
    EXPECT_EQ(binding.m_sourceColumn, fixture.selectAll->GetOutputFields().front());
    EXPECT_EQ(binding.m_sourceVariable, nullptr);
    EXPECT_EQ(binding.m_sourceControl, nullptr);

    EXPECT_EQ(fixture.module.FindReportByName("useraccount Report"), report);
    EXPECT_EQ(report->GetModule(), &fixture.module);
    EXPECT_FALSE(report->GetAspFiles().empty());
}

TEST(ModuleSearchReportTest, OtherTablesKeepTheirPasswordAndGetMissingColumnsAdded)
{
    SearchReportFixture fixture("customer");
    fixture.module.AddMasterForm(NewForm("CustomerForm", fixture.table), true);
    ApplicationReport* report = fixture.module.CreateSearchReport(fixture.table);
    ASSERT_NE(report, nullptr);
    EXPECT_EQ(GroupColumnFieldNames(*report->GetReportGroups().front()),
              (std::vector<CString>{"username", "Password"}));

    report->SetTable(fixture.table);
    Field* added = AddVarcharField(fixture.table, "city");
    fixture.selectAll->AddOutputField(new ProcedureFieldInfo(added, 0));
    fixture.module.AddMissingFieldsToTableReport(fixture.table);
    fixture.module.AddMissingFieldsToTableReport(nullptr);

    EXPECT_EQ(GroupColumnFieldNames(*report->GetReportGroups().front()),
              (std::vector<CString>{"username", "Password", "Is_Deleted", "city"}));
}

TEST(ModuleSearchReportTest, TableWithoutDataClassGetsNoReportAndWithoutPageAnUnaddedOne)
{
    SearchReportFixture fixture("customer");
    Table* plain = NewTable("A");
    fixture.module.AddTable(plain);

    EXPECT_EQ(fixture.module.CreateSearchReport(plain), nullptr);
    EXPECT_EQ(fixture.module.CreateSearchReport(nullptr), nullptr);
    EXPECT_EQ(fixture.module.GetClassForTable(plain, false), nullptr);
    std::unique_ptr<ApplicationReport> report(fixture.module.CreateSearchReport(fixture.table));

    ASSERT_NE(report, nullptr);
    ASSERT_EQ(report->GetReportGroups().size(), 1u);
    EXPECT_TRUE(report->GetReportGroups().front()->GetReportFields().empty());
    EXPECT_TRUE(fixture.module.GetReports().empty());
}

namespace
{
// A map table linking customers and products, with its map form whose first bottom field is
// the customer reference.
struct MapTableFixture
{
    explicit MapTableFixture(bool addMapForm = true)
    {
        customer = NewTable("customer");
        product = NewTable("product");
        mapTable = NewTable("cust_prod", Table::mapKind);
        customerRef = AddVarcharField(mapTable, "cust_ref", customer->GetPrimaryKeyField());
        productRef = AddVarcharField(mapTable, "prod_ref", product->GetPrimaryKeyField());
        for (Table* table : {customer, product, mapTable})
            module.AddTable(table);
        mapForm = NewMapForm("CustProd", mapTable);
        mapForm->AddBottomField(customerRef);
        if (addMapForm)
            module.AddMapForm(mapForm, false);
    }

    Module module{"M"};
    Table* customer = nullptr;
    Table* product = nullptr;
    Table* mapTable = nullptr;
    Field* customerRef = nullptr;
    Field* productRef = nullptr;
    MapForm* mapForm = nullptr;
};
} // namespace

TEST(ModuleMapTableProcedureTest, SelectAllJoinsEveryReferencedTableOnce)
{
    MapTableFixture fixture;
    Procedure* procedure = NewProcedure("cust_prod_SelectAll", fixture.mapTable);
    fixture.module.AddProcedure(procedure);

    fixture.module.FillMapTableProcedure(fixture.mapTable, procedure);
    fixture.module.FillMapTableProcedure(fixture.mapTable, procedure);

    EXPECT_EQ(procedure->GetTables(), (std::vector<Table*>{fixture.customer, fixture.product}));
    ASSERT_EQ(procedure->GetFilters().size(), 1u);
    EXPECT_NE(procedure->FindFieldFilterByField(fixture.customerRef), nullptr);
    ASSERT_EQ(procedure->GetRelations().size(), 2u);
    const Relation& first = *procedure->GetRelations().front();
    EXPECT_TRUE(first.Joins(fixture.customer, fixture.mapTable));
    EXPECT_EQ(first.GetJoinFields(),
              (std::vector<Field*>{fixture.customer->GetPrimaryKeyField(), fixture.customerRef}));
    EXPECT_TRUE(procedure->HasRelation(fixture.product, fixture.mapTable));
}

TEST(ModuleMapTableProcedureTest, SelectRecordIsRebuiltOnTheBottomMasterForm)
{
    MapTableFixture fixture;
    fixture.module.AddMasterForm(NewForm("CustomerForm", fixture.customer), false);
    fixture.mapForm->SetBottomMasterForm(fixture.module.FindMasterFormForTable(fixture.customer));
    Procedure* procedure = NewProcedure("cust_prod_SelectRecord", fixture.mapTable);
    procedure->AddTable(fixture.product);
    fixture.module.AddProcedure(procedure);

    fixture.module.FillMapTableProcedure(fixture.mapTable, procedure);

    EXPECT_EQ(procedure->GetTables(), std::vector<Table*>{fixture.customer});
    ASSERT_EQ(procedure->GetRelations().size(), 1u);
    EXPECT_TRUE(procedure->GetRelations().front()->Joins(fixture.customer, fixture.mapTable));
    EXPECT_EQ(procedure->GetRelations().front()->GetJoinFields(),
              (std::vector<Field*>{fixture.customer->GetPrimaryKeyField(), fixture.customerRef}));
}

TEST(ModuleMapTableProcedureTest, OtherProceduresAndTablesAreLeftAlone)
{
    MapTableFixture fixture;
    Procedure* selectRecord = NewProcedure("cust_prod_SelectRecord", fixture.mapTable);
    selectRecord->AddTable(fixture.product);
    Procedure* insert = NewProcedure("cust_prod_Insert", fixture.mapTable);
    Procedure* master = NewProcedure("customer_SelectAll", fixture.customer);
    for (Procedure* procedure : {selectRecord, insert, master})
        fixture.module.AddProcedure(procedure);
    Table* lonelyMap = NewTable("lonely", Table::mapKind);
    AddVarcharField(lonelyMap, "cust_ref", fixture.customer->GetPrimaryKeyField());
    fixture.module.AddTable(lonelyMap);
    Procedure* lonely = NewProcedure("lonely_SelectAll", lonelyMap);
    fixture.module.AddProcedure(lonely);

    // No bottom master form: the select-record procedure keeps its tables.
    fixture.module.FillMapTableProcedure(fixture.mapTable, selectRecord);
    fixture.module.FillMapTableProcedure(fixture.mapTable, insert);
    fixture.module.FillMapTableProcedure(fixture.customer, master);
    fixture.module.FillMapTableProcedure(lonelyMap, lonely);
    fixture.module.FillMapTableProcedure(nullptr, insert);
    fixture.module.FillMapTableProcedure(fixture.mapTable, nullptr);

    EXPECT_EQ(selectRecord->GetTables(), std::vector<Table*>{fixture.product});
    for (const Procedure* procedure : {insert, master, lonely})
    {
        EXPECT_TRUE(procedure->GetTables().empty());
        EXPECT_TRUE(procedure->GetRelations().empty());
        EXPECT_TRUE(procedure->GetFilters().empty());
    }
}

TEST(ModuleTableQueryTest, PagesOfATableAreFoundAndListsReplaceTheCallersVector)
{
    MapTableFixture fixture;
    Module& module = fixture.module;
    Table* order = NewTable("Order", Table::masterDetailKind);
    Table* line = NewTable("Line", Table::masterDetailKind);
    module.AddTable(order);
    module.AddTable(line);
    Form* form = NewForm("CustomerForm", fixture.customer);
    module.AddMasterForm(form, false);
    Form* second = NewForm("second", fixture.customer);
    module.Append(NewForm("otherForm", line));
    module.Append(second);
    auto* report = NewPage<ApplicationReport>("R");
    report->SetTable(fixture.customer);
    module.AddReport(report);
    Transaction* transaction = NewTransaction("Orders", order, line);
    module.Append(transaction);
    Procedure* user = NewProcedure("customer_SelectAll", fixture.customer, 0);
    Procedure* builtIn = NewProcedure("customer_Special", fixture.customer, 2);
    module.AddProcedure(user);
    module.AddProcedure(builtIn);

    EXPECT_EQ(module.FindFormOfTable(fixture.customer), form);
    EXPECT_EQ(module.FindFormOfTable(fixture.mapTable), fixture.mapForm);
    EXPECT_EQ(module.FindFormOfTable(order), nullptr);
    EXPECT_EQ(module.FindFormOfTable(nullptr), nullptr);
    EXPECT_EQ(module.FindReportForTable(fixture.customer), report);
    EXPECT_EQ(module.FindReportForTable(fixture.product), nullptr);
    EXPECT_EQ(module.FindRDLCReportForTable(fixture.customer), nullptr);
    EXPECT_EQ(module.GetMasterFormForTable(fixture.customer, true), form);
    EXPECT_EQ(module.GetMasterFormForTable(fixture.product, false), nullptr);
    std::unique_ptr<Form> made(module.GetMasterFormForTable(fixture.product, true));
    ASSERT_NE(made, nullptr);
    EXPECT_EQ(made->GetTable(), fixture.product);
    EXPECT_FALSE(module.ContainsMasterForm(made.get()));
    EXPECT_TRUE(module.ContainsMasterForm(form));

    std::vector<Table*> tables{fixture.customer};
    module.GetAllTables(tables);
    EXPECT_EQ(tables, (std::vector<Table*>{fixture.customer, fixture.product, line, order,
                                           fixture.mapTable}));
    std::vector<Procedure*> procedures{builtIn};
    module.GetProceduresOfTable(fixture.customer, procedures);
    EXPECT_EQ(procedures, std::vector<Procedure*>{user});
    module.GetProceduresOfTable(fixture.product, procedures);
    EXPECT_TRUE(procedures.empty());
    module.GetProcedures(procedures);
    EXPECT_EQ(procedures, (std::vector<Procedure*>{user, builtIn}));
    std::vector<Form*> forms{second};
    module.GetFormsForTable(fixture.customer, forms);
    EXPECT_EQ(forms, (std::vector<Form*>{form, second}));
    module.GetFormsForTable(order, forms);
    EXPECT_TRUE(forms.empty());
    std::vector<Transaction*> found;
    module.GetTransactionsForTable(order, found);
    EXPECT_EQ(found, std::vector<Transaction*>{transaction});
    module.GetTransactionsForTable(line, found);
    EXPECT_TRUE(found.empty());
    auto pages = std::vector<DashBoardPage*>{nullptr};
    module.GetDashBoardPages(pages);
    EXPECT_TRUE(pages.empty());
}

TEST(ModuleTableQueryTest, GetAllPagesListsEveryKindButTheLoginPageInItsOrder)
{
    Module module("M");
    auto* rdlc = NewPage<RDLCReport>("rdlc");
    auto* dashBoardPage = NewPage<DashBoardPage>("dashBoardPage");
    auto* multiPage = NewPage<MultiPageReport>("multiPage");
    auto* dashBoard = NewPage<DashBoard>("dashBoard");
    auto* mapForm = NewPage<MapForm>("mapForm");
    auto* report = NewPage<ApplicationReport>("report");
    auto* transaction = NewPage<Transaction>("transaction");
    auto* form = NewPage<Form>("form");
    // Appended in the reverse of the expected order.
    module.Append(rdlc);
    module.Append(dashBoardPage);
    module.Append(multiPage);
    module.Append(dashBoard);
    module.Append(mapForm);
    module.Append(report);
    module.Append(transaction);
    module.Append(form);
    module.AdoptLoginPage(new LoginPage);

    std::vector<FormInterface*> pages{form};
    module.GetAllPages(pages);

    EXPECT_EQ(pages, (std::vector<FormInterface*>{form, transaction, report, mapForm, dashBoard,
                                                  multiPage, dashBoardPage, rdlc}));
}

TEST(ModuleTableQueryTest, UserFunctionsAreThoseOfKindOneOfTheTablesClasses)
{
    SearchReportFixture fixture("customer");
    auto* userFunction = new Function;
    userFunction->SetKind(1);
    fixture.dataClass->AddFunction(userFunction);
    Table* other = NewTable("other");
    fixture.module.AddTable(other);
    auto* otherFunction = new Function;
    otherFunction->SetKind(1);
    fixture.module.GetClassForTable(other, true)->AddFunction(otherFunction);

    std::vector<Function*> functions{otherFunction};
    fixture.module.GetUserFunctionsOfTable(fixture.table, functions);
    EXPECT_EQ(functions, std::vector<Function*>{userFunction});
    EXPECT_EQ(fixture.module.CountUserFunctions(), 2);
}

TEST(ModuleRoleAndMenuTest, DirectorIndexAndMenuMovesStopAtTheEnds)
{
    Module module("M");
    module.Append(NewRole("admin"));
    Designation* director = NewRole("Director");
    module.Append(director);
    EXPECT_EQ(module.GetDirectorDesignation(), director);
    EXPECT_EQ(module.GetDesignationIndex(director), 1);
    const std::unique_ptr<Designation> stranger(new Designation);
    EXPECT_EQ(module.GetDesignationIndex(stranger.get()), -1);
    EXPECT_FALSE(module.ContainsDesignation(stranger.get()));

    Menu* a = NewMenu("A");
    Menu* b = NewMenu("B");
    module.AddMenu(a);
    module.AddMenu(b);
    module.MoveMenuUp(a);
    EXPECT_EQ(module.GetMenus(), (std::vector<Menu*>{a, b}));
    module.MoveMenuDown(a);
    module.MoveMenuDown(a);
    EXPECT_EQ(module.GetMenus(), (std::vector<Menu*>{b, a}));
    module.MoveMenuUp(a);
    EXPECT_EQ(module.GetMenus(), (std::vector<Menu*>{a, b}));
}

TEST(ModuleRoleAndMenuTest, CollectedMenusFollowTheirSubMenusAndSkipTheExcludedTree)
{
    Module module("M");
    Menu* admin = NewMenu("Admin");
    Menu* users = NewMenu("Users");
    Menu* roles = NewMenu("Roles");
    admin->AddSubMenu(users);
    admin->AddSubMenu(roles);
    Menu* reports = NewMenu("Reports");
    Menu* sales = NewMenu("Sales");
    reports->AddSubMenu(sales);
    module.AddMenu(admin);
    module.AddMenu(reports);

    std::vector<Menu*> menus;
    module.CollectMenus(menus, nullptr);
    EXPECT_EQ(menus, (std::vector<Menu*>{users, roles, admin, sales, reports}));
    menus.clear();
    module.CollectMenus(menus, users);
    EXPECT_EQ(menus, (std::vector<Menu*>{roles, admin, sales, reports}));
    menus.clear();
    module.CollectMenus(menus, reports);
    EXPECT_EQ(menus, (std::vector<Menu*>{users, roles, admin}));
}

TEST(ModuleMapFormAddTest, WithFilesGetsItsTwoPageFilesAndTheSelectParameter)
{
    MapTableFixture fixture(false);
    fixture.mapForm->AddTopField(fixture.productRef);
    Procedure* selectAll = NewProcedure("PRC_cust_prod_SelectAll", fixture.mapTable);
    fixture.module.AddProcedure(selectAll);

    EXPECT_TRUE(fixture.module.AddMapForm(fixture.mapForm, true));

    ASSERT_EQ(fixture.mapForm->GetAspFiles().size(), 2u);
    EXPECT_EQ(fixture.mapForm->GetAspFileAt(0)->GetFileKind(), 5);
    EXPECT_EQ(fixture.mapForm->GetAspFileAt(1)->GetFileKind(), 6);
    EXPECT_EQ(fixture.mapForm->GetAspFileAt(0)->GetOwnerKind(), 3);
    EXPECT_EQ(fixture.module.GetMapForms(), (std::vector<MapForm*>{fixture.mapForm}));
    EXPECT_EQ(fixture.mapForm->GetModule(), &fixture.module);
    ASSERT_EQ(selectAll->GetFieldParameters().size(), 1u);
    const FieldVariableMap& added = selectAll->GetFieldParameters().front();
    EXPECT_EQ(added.field, fixture.productRef);
    EXPECT_EQ(added.variable->GetFieldName(), "PRC_prod_ref_Var");
}

TEST(ModuleMapFormAddTest, WithoutFilesOrSelectProcedureTheFormIsStillListed)
{
    MapTableFixture fixture(false);
    fixture.mapForm->AddTopField(fixture.productRef);

    EXPECT_FALSE(fixture.module.AddMapForm(nullptr, true));
    EXPECT_TRUE(fixture.module.AddMapForm(fixture.mapForm, false));

    EXPECT_TRUE(fixture.mapForm->GetAspFiles().empty());
    EXPECT_EQ(fixture.module.GetMapForms(), (std::vector<MapForm*>{fixture.mapForm}));
    EXPECT_TRUE(fixture.module.GetProcedures().empty());
}

TEST(ModulePageUpkeepTest, RefreshReappliesEachControlsOwnDataFromItsField)
{
    std::unique_ptr<Table> table(NewTable("customer", Table::masterKind, {"username"}));
    Field* field = table->FindFieldByName("username");
    std::unique_ptr<Form> form(NewForm("CustomerForm", table.get()));
    auto* control = new FieldRep(field);
    auto* data = new FieldRepData;
    data->SetMaxLength(3);
    control->AttachFieldRepData(data);
    form->AddFieldRep(control);

    Module::RefreshFieldRepData(form.get());
    Module::RefreshFieldRepData(nullptr);

    EXPECT_EQ(control->GetFieldRepData(), data);
    EXPECT_EQ(data->GetMaxLength(), field->GetSize());
    EXPECT_EQ(data->GetCaption(), field->GetDisplayName());
}

// Variables and controls go to the pages of the table's kind; renaming follows the table.
TEST(ModulePageUpkeepTest, UpkeepChoosesThePagesByTheTablesKind)
{
    Module module("M");
    Table* master = NewTable("Customer", Table::masterKind, {"City"});
    module.AppendMasterTable(master);
    Form* form = NewForm("CustomerForm", master);
    Form* otherForm = NewForm("Other", nullptr);
    module.Append(form);
    module.Append(otherForm);
    Table* stock = NewTable("Stock", Table::mapKind, {"Qty"});
    module.AppendMapTable(stock);
    MapForm* mapForm = NewMapForm("Inventory", stock);
    MapForm* secondMapForm = NewMapForm("Second", stock);
    module.Append(mapForm);
    module.Append(secondMapForm);
    Table* order = NewTable("Order", Table::masterDetailKind);
    Table* line = NewTable("Line", Table::masterDetailKind, {"Item"});
    module.AppendTransactionTable(order);
    module.AppendTransactionTable(line);
    Transaction* first = NewTransaction("First", order, line);
    Transaction* second = NewTransaction("Second", line);
    module.Append(first);
    module.Append(second);

    for (Table* table : {master, stock, line, static_cast<Table*>(nullptr)})
        module.AddVariablesForTableToPages(table);
    EXPECT_EQ(form->GetFieldVariableMaps().size(), master->GetFields().size());
    EXPECT_TRUE(otherForm->GetFieldVariableMaps().empty());
    module.CreateFieldRepsForTableInPages(master);
    EXPECT_FALSE(form->GetFieldReps().empty());
    EXPECT_TRUE(otherForm->GetFieldReps().empty());

    stock->GetFields().back()->SetFieldName("Quantity");
    line->GetFields().back()->SetFieldName("Article");
    for (Table* table : {stock, line, static_cast<Table*>(nullptr)})
        module.RenamePageVariablesForTable(table);

    // Only the first map form over the table is renamed.
    EXPECT_EQ(mapForm->GetFormName(), "Stock_form");
    EXPECT_EQ(VariableNames(*mapForm).back(), "Quantity");
    EXPECT_EQ(secondMapForm->GetFormName(), "Second");
    EXPECT_EQ(VariableNames(*secondMapForm).back(), "Qty");
    EXPECT_EQ(VariableNames(*first).back(), "Article");
    EXPECT_EQ(VariableNames(*second).back(), "Article");
    EXPECT_EQ(first->GetFormName(), "First");
}
