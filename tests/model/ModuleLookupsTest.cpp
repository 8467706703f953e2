#include "entities/ApplicationReport.h"
#include "entities/Class.h"
#include "entities/DashBoard.h"
#include "entities/DashBoardPage.h"
#include "entities/Form.h"
#include "entities/FormInterface.h"
#include "entities/Function.h"
#include "entities/LoginPage.h"
#include "entities/MapForm.h"
#include "entities/MultiPageReport.h"
#include "entities/RDLCReport.h"
#include "entities/Transaction.h"
#include "entities/Variable.h"
#include "model/MainFrameAccess.h"
#include "model/Module.h"
#include "model/Table.h"
#include "tests/model/ModelBuilders.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace
{
MapForm* NewMapForm(const char* name, Table* table)
{
    auto* mapForm = NewPage<MapForm>(name);
    mapForm->SetMappingTable(table);
    return mapForm;
}

Transaction* NewTransaction(const char* name, Table* basic, Table* detail = nullptr)
{
    auto* transaction = NewPage<Transaction>(name);
    transaction->SetBasicTable(basic);
    if (detail != nullptr)
        transaction->AddDetailTable(detail);
    return transaction;
}

Class* NewClass(const char* name, std::vector<Function*> functions = {})
{
    auto* dataClass = new Class;
    dataClass->SetName(name);
    for (Function* function : functions)
        dataClass->AddFunction(function);
    return dataClass;
}

std::vector<CString> VariableNames(const FormInterface& page)
{
    std::vector<CString> names;
    for (const FieldVariableMap* map : page.GetFieldVariableMaps())
        names.push_back(map->variable->GetFieldName());
    return names;
}
} // namespace

TEST(ModuleLookupsTest, GetAllPagesListsEveryKindInItsOrderAndReplacesTheVector)
{
    Module module("M");
    // Appended in the reverse of the expected order.
    auto* rdlc = NewPage<RDLCReport>("rdlc");
    auto* dashBoardPage = NewPage<DashBoardPage>("dashBoardPage");
    auto* multiPage = NewPage<MultiPageReport>("multiPage");
    auto* dashBoard = NewPage<DashBoard>("dashBoard");
    auto* mapForm = NewPage<MapForm>("mapForm");
    auto* report = NewPage<ApplicationReport>("report");
    auto* transaction = NewPage<Transaction>("transaction");
    auto* form = NewPage<Form>("form");
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

    const std::vector<FormInterface*> expected{form,      transaction, report,        mapForm,
                                               dashBoard, multiPage,   dashBoardPage, rdlc};
    EXPECT_EQ(pages, expected);
}

TEST(ModuleLookupsTest, FindPageByNameIsExactAndSearchesFormsBeforeOtherKinds)
{
    Module module("M");
    auto* transaction = NewPage<Transaction>("Orders");
    auto* form = NewPage<Form>("Orders");
    auto* dashBoardPage = NewPage<DashBoardPage>("Board");
    auto* login = NewPage<LoginPage>("Login");
    module.Append(transaction);
    module.Append(form);
    module.Append(dashBoardPage);
    module.AdoptLoginPage(login);

    EXPECT_EQ(module.FindPageByName("Orders"), form);
    EXPECT_EQ(module.FindPageByName("Board"), dashBoardPage);
    EXPECT_EQ(module.FindPageByName("Login"), login);
    EXPECT_EQ(module.FindPageByName("orders"), nullptr);
    // Dashboards are not searched.
    module.Append(NewPage<DashBoard>("Panel"));
    EXPECT_EQ(module.FindPageByName("Panel"), nullptr);
}

TEST(ModuleLookupsTest, DetachKeepsTheOrderAndAnswersFalseWhenNotListed)
{
    Module module("M");
    auto* a = NewPage<DashBoard>("a");
    auto* b = NewPage<DashBoard>("b");
    auto* c = NewPage<DashBoard>("c");
    module.Append(a);
    module.Append(b);
    module.Append(c);
    auto stranger = std::unique_ptr<DashBoard>(NewPage<DashBoard>("x"));

    EXPECT_FALSE(module.DetachDashBoard(stranger.get()));
    EXPECT_EQ(module.GetDashBoards().size(), 3u);
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

TEST(ModuleLookupsTest, OutListsReplaceTheCallersContents)
{
    Module module("M");
    Table* table = NewTable("Customer");
    Table* other = NewTable("Supplier");
    module.AppendMasterTable(table);
    module.AppendMasterTable(other);
    Form* first = NewForm("first", table);
    Form* second = NewForm("second", table);
    module.Append(first);
    module.Append(NewForm("otherForm", other));
    module.Append(second);

    std::vector<Form*> forms{second};
    module.GetFormsForTable(table, forms);
    EXPECT_EQ(forms, (std::vector<Form*>{first, second}));
    const std::unique_ptr<Table> unused(NewTable("Unused"));
    module.GetFormsForTable(unused.get(), forms);
    EXPECT_TRUE(forms.empty());

    auto procedures = std::vector<Procedure*>{nullptr};
    module.GetProcedures(procedures);
    EXPECT_TRUE(procedures.empty());
    auto pages = std::vector<DashBoardPage*>{nullptr};
    module.GetDashBoardPages(pages);
    EXPECT_TRUE(pages.empty());
}

TEST(ModuleLookupsTest, TransactionsForTableMatchOnlyTheBasicTable)
{
    Module module("M");
    Table* order = NewTable("Order", Table::masterDetailKind);
    Table* line = NewTable("Line", Table::masterDetailKind);
    module.AppendTransactionTable(order);
    module.AppendTransactionTable(line);
    Transaction* transaction = NewTransaction("Orders", order, line);
    module.Append(transaction);

    std::vector<Transaction*> found;
    module.GetTransactionsForTable(order, found);
    EXPECT_EQ(found, std::vector<Transaction*>{transaction});
    module.GetTransactionsForTable(line, found);
    EXPECT_TRUE(found.empty());
}

TEST(ModuleLookupsTest, ClassLookupsIgnoreCaseAndSearchEveryClassForFunctions)
{
    Module module("M");
    auto* early = new Function;
    auto* late = new Function;
    Class* first = NewClass("_Customer", {early});
    Class* second = NewClass("_Order", {late});
    module.Append(first);
    module.Append(second);

    EXPECT_EQ(module.FindClassByName("_ORDER"), second);
    EXPECT_EQ(module.FindClassByName("Order"), nullptr);
    EXPECT_EQ(module.GetClassIndex(second), 1);
    EXPECT_EQ(module.GetClassIndex(nullptr), -1);
    EXPECT_EQ(module.FindFunctionById(late->GetId()), late);
    EXPECT_EQ(module.FindFunctionById(early->GetId()), early);
    EXPECT_EQ(module.FindFunctionById(late->GetId() + 1000), nullptr);
}

TEST(ModuleLookupsTest, UpkeepChoosesThePagesByTheTablesKind)
{
    Module module("M");
    Table* master = NewTable("Customer", Table::masterKind, {"City"});
    module.AppendMasterTable(master);
    Form* form = NewForm("CustomerForm", master);
    Form* otherForm = NewForm("Other", nullptr);
    module.Append(form);
    module.Append(otherForm);

    module.AddVariablesForTableToPages(master);
    EXPECT_EQ(form->GetFieldVariableMaps().size(), master->GetFields().size());
    EXPECT_TRUE(otherForm->GetFieldVariableMaps().empty());

    module.CreateFieldRepsForTableInPages(master);
    EXPECT_FALSE(form->GetFieldReps().empty());
    EXPECT_TRUE(otherForm->GetFieldReps().empty());

    module.AddVariablesForTableToPages(nullptr);
    module.RenamePageVariablesForTable(nullptr);
}

TEST(ModuleLookupsTest, RenamingVariablesRenamesTheMapFormAfterItsTable)
{
    Module module("M");
    Table* table = NewTable("Stock", Table::mapKind, {"Qty"});
    module.AppendMapTable(table);
    MapForm* mapForm = NewMapForm("Inventory", table);
    MapForm* second = NewMapForm("Second", table);
    module.Append(mapForm);
    module.Append(second);
    module.AddVariablesForTableToPages(table);
    table->GetFields().back()->SetFieldName("Quantity");

    module.RenamePageVariablesForTable(table);

    EXPECT_EQ(mapForm->GetFormName(), "Stock_form");
    EXPECT_EQ(VariableNames(*mapForm).back(), "Quantity");
    // Only the first map form over the table is renamed.
    EXPECT_EQ(second->GetFormName(), "Second");
    EXPECT_EQ(VariableNames(*second).back(), "Qty");
}

TEST(ModuleLookupsTest, RenamingVariablesVisitsEveryTransactionUsingTheTable)
{
    Module module("M");
    Table* order = NewTable("Order", Table::masterDetailKind);
    Table* line = NewTable("Line", Table::masterDetailKind, {"Item"});
    module.AppendTransactionTable(order);
    module.AppendTransactionTable(line);
    Transaction* first = NewTransaction("First", order, line);
    Transaction* second = NewTransaction("Second", line);
    module.Append(first);
    module.Append(second);
    module.AddVariablesForTableToPages(line);
    line->GetFields().back()->SetFieldName("Article");

    module.RenamePageVariablesForTable(line);

    EXPECT_EQ(VariableNames(*first).back(), "Article");
    EXPECT_EQ(VariableNames(*second).back(), "Article");
    EXPECT_EQ(first->GetFormName(), "First");
}

TEST(ModuleLookupsTest, AddingATransactionMakesItsPageFilesAndRefreshesTheTree)
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
