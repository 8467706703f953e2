#include "entities/ApplicationReport.h"
#include "entities/AspFile.h"
#include "entities/DashBoardPage.h"
#include "entities/Form.h"
#include "entities/MapForm.h"
#include "entities/Menu.h"
#include "entities/MenuInterface.h"
#include "entities/Procedure.h"
#include "entities/ProcedureInvokation.h"
#include "entities/ProcedureTable.h"
#include "entities/Transaction.h"
#include "entities/Variable.h"
#include "model/Field.h"
#include "model/FieldFilter.h"
#include "model/FieldRep.h"
#include "model/FieldRepData.h"
#include "model/Module.h"
#include "model/ModuleLoadPasses.h"
#include "model/Table.h"
#include "tests/model/ModelBuilders.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <vector>

namespace
{
// A page variable of the kind mapped to the field on the page, which owns both.
Variable* MapVariable(FormInterface* page, Field* field, int kind)
{
    auto* variable = new Variable;
    variable->SetName(field->GetFieldName());
    variable->SetKind(kind);
    page->AddFieldVariableMap(new FieldVariableMap{field, variable});
    return variable;
}

// A control of the field with settings attached as they are.
FieldRep* AddSyncedControl(FormInterface* page, Field* field, bool addedBySync = false)
{
    auto* control = new FieldRep(field);
    auto* data = new FieldRepData;
    data->SetAddedBySync(addedBySync);
    control->AttachFieldRepData(data);
    page->AddFieldRep(control);
    return control;
}

AspFile* AddBarePageFile(FormInterface* page)
{
    auto* file = new AspFile;
    file->SetOwnerPage(page);
    page->AddAspFile(file);
    return file;
}

// The first field name of each control of the page.
std::vector<CString> ControlFieldNames(const FormInterface& page)
{
    std::vector<CString> names;
    for (const FieldRep* control : page.GetFieldReps())
        names.push_back(control->GetField() != nullptr ? control->GetField()->GetFieldName()
                                                       : CString());
    return names;
}

Procedure* NewStandardProcedure(Table* table, const char* suffix)
{
    auto* procedure = new Procedure;
    procedure->SetKind(Procedure::standardKind);
    procedure->SetMainTable(table);
    procedure->SetName("PRC_" + table->GetTableName() + suffix);
    return procedure;
}

bool IsAddedBySync(const FieldRep* control)
{
    return control->GetFieldRepData()->IsAddedBySync();
}

// A module "Sales" with a master table "customer" (name, region).
class ModulePassTest : public ::testing::Test
{
protected:
    ModulePassTest() { m_module.AppendMasterTable(m_customer); }

    Module m_module{"Sales"};
    Table* m_customer = NewTable("customer", Table::masterKind, {"name", "region"});
    Field* m_key = m_customer->GetPrimaryKeyField();
    Field* m_name = m_customer->FindFieldByName("name");
};

// Also a master-detail pair whose detail table refers to the basic table's key by "order_ref".
class DetailTablePassTest : public ModulePassTest
{
protected:
    DetailTablePassTest()
    {
        m_module.AppendTransactionTable(m_basic);
        m_module.AppendTransactionTable(m_detail);
        m_module.Append(m_orders);
    }

    Table* m_basic = NewTable("orders_basic", Table::masterDetailKind, {"customer"});
    Table* m_detail = NewTable("orders_detail", Table::masterDetailKind, {"item"});
    Field* m_link = AddVarcharField(m_detail, "order_ref", m_basic->GetPrimaryKeyField());
    Transaction* m_orders = NewTransaction("Orders", m_basic, m_detail);
};

TEST_F(DetailTablePassTest, KeyVariablesBecomePageVariablesOnFormsAndOnlyOfTheBasicTableInOrders)
{
    Form* form = NewForm("Customers", m_customer);
    Variable* formKey = MapVariable(form, m_key, Variable::parameterKind);
    Variable* formName = MapVariable(form, m_name, Variable::parameterKind);
    Variable* basicKey =
        MapVariable(m_orders, m_basic->GetPrimaryKeyField(), Variable::parameterKind);
    Variable* detailKey =
        MapVariable(m_orders, m_detail->GetPrimaryKeyField(), Variable::parameterKind);
    m_module.Append(form);

    ModuleLoadPasses::MarkKeyFieldVariables(m_module);
    EXPECT_EQ(Variable::pageKind, formKey->GetKind());
    EXPECT_EQ(Variable::parameterKind, formName->GetKind());
    EXPECT_EQ(Variable::pageKind, basicKey->GetKind());
    EXPECT_EQ(Variable::parameterKind, detailKey->GetKind());
}

TEST_F(ModulePassTest, ControlsOfKeyAndDeletedFlagColumnsLoseTheirSettings)
{
    Form* form = NewForm("Customers", m_customer);
    FieldRep* key = AddSyncedControl(form, m_key);
    FieldRep* deleted = AddSyncedControl(form, m_customer->FindFieldByName("Is_Deleted"));
    FieldRep* name = AddSyncedControl(form, m_name);
    auto* report = NewPage<ApplicationReport>("Overview");
    FieldRep* reportKey = AddSyncedControl(report, m_key);
    m_module.Append(form);
    m_module.Append(report);

    ModuleLoadPasses::DetachKeyFieldReps(m_module);
    EXPECT_EQ(nullptr, key->GetFieldRepData());
    EXPECT_EQ(nullptr, deleted->GetFieldRepData());
    EXPECT_NE(nullptr, name->GetFieldRepData());
    EXPECT_NE(nullptr, reportKey->GetFieldRepData());
}

TEST_F(ModulePassTest, PageFilesLoseStaleMenuMapsDuplicatesAndTransactionNullLinks)
{
    auto* main = new Menu;
    main->SetName("Main");
    auto* customers = new Menu;
    customers->SetName("Customers");
    main->AddSubMenu(customers);
    m_module.Append(main);
    const auto showMainWithTwoMaps = [main, customers](AspFile* file)
    {
        file->SetTopMenu(main);
        main->AddPageFile(file);
        for (int count = 0; count < 2; ++count)
            file->AddTopMenuVariableMap(MenuVariableMap{customers, {}});
    };

    auto* report = NewPage<ApplicationReport>("Overview");
    AspFile* reportFile = AddBarePageFile(report);
    showMainWithTwoMaps(reportFile);
    auto* links = NewPage<MapForm>("Links");
    AspFile* mapFile = AddBarePageFile(links);
    showMainWithTwoMaps(mapFile);
    auto* home = NewPage<DashBoardPage>("Home");
    AspFile* homeFile = AddBarePageFile(home);
    homeFile->AddLeftMenuVariableMap(MenuVariableMap{customers, {}});
    auto* orders = NewPage<Transaction>("Orders");
    AspFile* ordersFile = AddBarePageFile(orders);
    ordersFile->AddLinkingItem(nullptr);
    Form* form = NewForm("Customers", nullptr);
    AspFile* formFile = AddBarePageFile(form);
    formFile->AddLinkingItem(nullptr);
    m_module.Append(report);
    m_module.Append(links);
    m_module.Append(home);
    m_module.Append(orders);
    m_module.Append(form);

    m_module.CleanUpPageFiles();
    EXPECT_EQ(1u, reportFile->GetTopMenuVariableMaps().size());
    EXPECT_EQ(2u, mapFile->GetTopMenuVariableMaps().size());
    EXPECT_TRUE(homeFile->GetLeftMenuVariableMaps().empty());
    EXPECT_TRUE(ordersFile->GetLinkingItems().empty());
    EXPECT_EQ(1u, formFile->GetLinkingItems().size());
}

TEST_F(DetailTablePassTest, DetailUpdateLosesTheLinkParameterAndItsCallsThePairOfIt)
{
    Procedure* update = NewStandardProcedure(m_detail, "_Update");
    update->AddFieldParameter(m_link);
    Field* item = m_detail->FindFieldByName("item");
    update->AddFieldParameter(item);
    Variable* itemParameter = update->GetFieldParameterVariableAt(1);
    m_module.Append(update);
    auto* call = new ProcedureInvokation;
    call->SetProcedure(update);
    Variable* pageLink = MapVariable(m_orders, m_link, Variable::pageKind);
    Variable* pageItem = MapVariable(m_orders, item, Variable::pageKind);
    call->AddVariablePair(new VariablePair{update->GetFieldParameterVariableAt(0), pageLink});
    call->AddVariablePair(new VariablePair{itemParameter, pageItem});
    m_orders->AddProcedureTable(
        new ProcedureTable(m_detail, call, ProcedureTable::recordUpdateKind));

    ModuleLoadPasses::LinkDetailTableProcedures(m_module);
    ASSERT_EQ(1u, update->GetFieldParameters().size());
    EXPECT_EQ(item, update->GetFieldParameters().front().field);
    ASSERT_EQ(1u, call->GetVariablePairs().size());
    EXPECT_EQ(itemParameter, call->GetVariablePairs().front()->first);

    ModuleLoadPasses::LinkDetailTableProcedures(m_module);
    EXPECT_EQ(1u, update->GetFieldParameters().size());
    EXPECT_EQ(1u, call->GetVariablePairs().size());
}

TEST_F(DetailTablePassTest, DetailSelectAllGainsOneFilterOnTheLinkField)
{
    Procedure* selectAll = NewStandardProcedure(m_detail, "_SelectAll");
    Procedure* custom = NewStandardProcedure(m_detail, "_SelectAll");
    custom->SetKind(Procedure::customKind);
    Procedure* basicSelectAll = NewStandardProcedure(m_basic, "_SelectAll");
    m_module.Append(selectAll);
    m_module.Append(custom);
    m_module.Append(basicSelectAll);

    ModuleLoadPasses::LinkDetailTableProcedures(m_module);
    ModuleLoadPasses::LinkDetailTableProcedures(m_module);
    ASSERT_EQ(1u, selectAll->GetFilters().size());
    EXPECT_EQ(m_link, selectAll->GetFilters().front()->GetField());
    EXPECT_TRUE(custom->GetFilters().empty());
    EXPECT_TRUE(basicSelectAll->GetFilters().empty());
}

TEST_F(ModulePassTest, ControlsOfKeyColumnsAreRemovedFromEveryDataPageKind)
{
    Form* form = NewForm("Customers", m_customer);
    auto* orders = NewPage<Transaction>("Orders");
    auto* report = NewPage<ApplicationReport>("Overview");
    auto* mapForm = NewPage<MapForm>("Links");
    mapForm->SetMappingTable(m_customer);
    for (FormInterface* page : std::initializer_list<FormInterface*>{form, orders, report, mapForm})
    {
        AddSyncedControl(page, m_key);
        AddSyncedControl(page, m_name);
    }
    m_module.Append(form);
    m_module.Append(orders);
    m_module.Append(report);
    m_module.Append(mapForm);

    ModuleLoadPasses::RemoveInvalidFieldReps(m_module);
    for (const FormInterface* page :
         std::initializer_list<const FormInterface*>{form, orders, report, mapForm})
        EXPECT_EQ(std::vector<CString>{"name"}, ControlFieldNames(*page))
            << page->GetFormName().str();
}

TEST_F(ModulePassTest, MapFormIsNamedAfterItsMappingTableAndItsBareInputControlsGetFields)
{
    Table* links = NewTable("customer_product", Table::mapKind, {"customer"});
    m_module.AppendMapTable(links);
    auto* mapForm = NewPage<MapForm>("Links");
    mapForm->SetMappingTable(links);
    m_module.Append(mapForm);
    Form* unrelated = NewForm("Customers", nullptr);
    m_module.Append(unrelated);
    auto* input = new FieldRep;
    input->AttachFieldRepData(new FieldRepData);
    input->GetFieldRepData()->SetCaption("Quantity");
    mapForm->AddTopInputFieldRep(input);

    ModuleLoadPasses::RenamePageVariablesForAllTables(m_module);
    EXPECT_EQ(CString("customer_product_form"), mapForm->GetFormName());
    EXPECT_EQ(CString("Customers"), unrelated->GetFormName());

    ModuleLoadPasses::CreateMapFormInputFields(m_module);
    ASSERT_NE(nullptr, input->GetField());
    EXPECT_EQ(CString("Quantity"), input->GetField()->GetFieldName());
    EXPECT_EQ(1u, mapForm->GetRefFields().size());
}

TEST_F(ModulePassTest, FormsWithALinkedReportGetATableFlagsRecord)
{
    auto* report = NewPage<ApplicationReport>("Overview");
    m_module.Append(report);
    Form* linked = NewForm("Customers", m_customer);
    linked->SetReport(report);
    Form* plain = NewForm("Plain", m_customer);
    m_module.Append(linked);
    m_module.Append(plain);

    ModuleLoadPasses::SyncPageTableFlags(m_module);
    ASSERT_EQ(1u, linked->GetTableFlagsList().size());
    EXPECT_EQ(m_customer, linked->GetTableFlagsList().front().table);
    EXPECT_TRUE(plain->GetTableFlagsList().empty());
}

TEST_F(ModulePassTest, PagesGainControlsWithTheirVariablesForNewFieldsUntilUnconfirmedOnesGo)
{
    Table* basic = NewTable("orders_basic", Table::masterDetailKind, {"customer"});
    Table* detail = NewTable("orders_detail", Table::masterDetailKind, {"item"});
    m_module.AppendTransactionTable(basic);
    m_module.AppendTransactionTable(detail);
    Form* form = NewForm("Customers", m_customer);
    AddSyncedControl(form, m_name);
    Transaction* orders = NewTransaction("Orders", basic, detail);
    m_module.Append(form);
    m_module.Append(orders);

    ModuleLoadPasses::SyncPageControlsWithTables(m_module);
    EXPECT_EQ((std::vector<CString>{"name", "region"}), ControlFieldNames(*form));
    const FieldRep* region = form->GetFieldReps().back();
    EXPECT_TRUE(IsAddedBySync(region));
    const FieldVariableMap* regionMap =
        form->FindFieldVariableMapByField(m_customer->FindFieldByName("region"));
    ASSERT_NE(nullptr, regionMap);
    EXPECT_EQ(regionMap->variable, region->GetFieldRepData()->GetVariable());
    EXPECT_EQ((std::vector<CString>{"customer", "item"}), ControlFieldNames(*orders));

    ModuleLoadPasses::DeleteUnconfirmedFieldReps(m_module);
    EXPECT_EQ(std::vector<CString>{"name"}, ControlFieldNames(*form));
    EXPECT_TRUE(orders->GetFieldReps().empty());
}

TEST_F(ModulePassTest, MapFormsConfirmTheirTopControlsAndOnlyTheFirstBottomOne)
{
    Table* links = NewTable("customer_product", Table::mapKind, {"customer", "product", "note"});
    m_module.AppendMapTable(links);
    auto* mapForm = NewPage<MapForm>("Links");
    mapForm->SetMappingTable(links);
    Field* customer = links->FindFieldByName("customer");
    Field* product = links->FindFieldByName("product");
    Field* note = links->FindFieldByName("note");
    mapForm->AddTopField(customer);
    mapForm->AddBottomField(product);
    mapForm->AddBottomField(note);
    FieldRep* top = AddSyncedControl(mapForm, customer, true);
    FieldRep* firstBottom = AddSyncedControl(mapForm, product, true);
    FieldRep* secondBottom = AddSyncedControl(mapForm, note, true);
    auto* bare = NewPage<MapForm>("Bare");
    bare->SetMappingTable(links);
    bare->AddTopField(customer);
    FieldRep* bareTop = AddSyncedControl(bare, customer, true);
    m_module.Append(mapForm);
    m_module.Append(bare);

    ModuleLoadPasses::ClearMapFormSyncFlags(m_module);
    EXPECT_FALSE(IsAddedBySync(top));
    EXPECT_FALSE(IsAddedBySync(firstBottom));
    EXPECT_TRUE(IsAddedBySync(secondBottom));
    EXPECT_FALSE(IsAddedBySync(bareTop));
}

} // namespace
