#include "entities/ApplicationReport.h"
#include "entities/AspFile.h"
#include "entities/Class.h"
#include "entities/ClassInvokation.h"
#include "entities/DashBoard.h"
#include "entities/DashBoardCellInfo.h"
#include "entities/DashBoardPage.h"
#include "entities/DashBoardPageData.h"
#include "entities/DerivedField.h"
#include "entities/Designation.h"
#include "entities/Form.h"
#include "entities/Function.h"
#include "entities/Grid.h"
#include "entities/GridCell.h"
#include "entities/LinkControl.h"
#include "entities/LoginPage.h"
#include "entities/MapForm.h"
#include "entities/Menu.h"
#include "entities/MultiPageData.h"
#include "entities/MultiPageReport.h"
#include "entities/Procedure.h"
#include "entities/ProcedureFieldInfo.h"
#include "entities/ProcedureInvokation.h"
#include "entities/RDLCInfo.h"
#include "entities/RDLCReport.h"
#include "entities/ReportCollector.h"
#include "entities/ReportField.h"
#include "entities/ReportFieldControlProperty.h"
#include "entities/ReportGroup.h"
#include "entities/Transaction.h"
#include "entities/UniquenessProcedureTable.h"
#include "entities/Variable.h"
#include "entities/XSDInfo.h"
#include "model/EventRecmpFields.h"
#include "model/Field.h"
#include "model/FieldRep.h"
#include "model/FieldRepData.h"
#include "model/FieldVisibility.h"
#include "model/ListAccess.h"
#include "model/RDLCCreator.h"
#include "model/RefField.h"
#include "model/Table.h"
#include "tests/model/DeletionFixture.h"

#include <algorithm>
#include <functional>
#include <memory>
#include <vector>

namespace
{
class ProjectDeletionTest : public DeletionFixture
{
protected:
    ProjectDeletionTest()
    {
        m_customer = NewTable("customer", Table::masterKind, {"name"});
        m_name = m_customer->FindFieldByName("name");
        m_orders = NewTable("orders");
        m_module->AppendMasterTable(m_customer);
        m_module->AppendMasterTable(m_orders);
    }

    Procedure* AddProcedure(const char* name, Table* mainTable)
    {
        auto* procedure = new Procedure;
        procedure->SetName(name);
        procedure->SetKind(Procedure::standardKind);
        procedure->SetMainTable(mainTable);
        m_module->Append(procedure);
        return procedure;
    }

    // A form on the customer table with a control and a variable for the name field.
    Form* AddCustomerForm()
    {
        Form* form = NewForm("CustomerForm", m_customer);
        auto* variable = new Variable;
        variable->SetName("name_Var");
        form->AddFieldVariableMap(new FieldVariableMap{m_name, variable});
        form->AddFieldRep(new FieldRep(m_name));
        m_module->Append(form);
        return form;
    }

    // A top-level menu "Main" of the module with one item "Customers", which is answered.
    Menu* AddMainMenuItem()
    {
        Menu* top = NewMenu("Main");
        Menu* item = NewMenu("Customers");
        top->AddSubMenu(item);
        m_module->Append(top);
        return item;
    }

    static ProcedureInvokation* NewCall(Procedure* procedure)
    {
        auto* call = new ProcedureInvokation;
        call->SetProcedure(procedure);
        return call;
    }

    // A group with one column, turned into a control, for the report, which joins the module.
    ReportFieldControlProperty* AddColumnControl(ApplicationReport* report)
    {
        auto* group = new ReportGroup(report, nullptr);
        auto* column = new ReportField;
        auto* property = new ReportFieldControlProperty;
        column->SetControlProperty(property);
        group->AddReportField(column);
        report->AddReportGroup(group);
        m_module->Append(report);
        return property;
    }

    Table* m_customer = nullptr;
    Field* m_name = nullptr;
    Table* m_orders = nullptr;
};

using ModuleUsageTest = DeletionFixture;

std::string Refusal(const std::string& name)
{
    return "Can not delete " + name + ". It is used in following objects!\r\n";
}

// An entity that a deletion frees leaves every usage set below the deletion's own, as the table
// cascade's set holds a page that a deletion inside the cascade frees.
TEST_F(ProjectDeletionTest, AnEntityADeletionFreesIsInNoUsageSet)
{
    Form* form = AddCustomerForm();
    Procedure* procedure = AddProcedure("PRC_orders_SelectAll", m_orders);
    Menu* item = AddMainMenuItem();
    auto* role = new Designation;
    m_module->Append(role);
    // A class function that a module outside the open project deletes itself.
    auto* dataClass = new Class;
    dataClass->SetTable(m_customer);
    auto* function = new Function;
    function->SetClass(dataClass);
    dataClass->AddFunction(function);
    m_module->Append(dataClass);
    const auto record = [&](EntityUsageSet& set)
    {
        set.AddFunction(function);
        set.AddFormInterface(form);
        set.AddProcedure(procedure);
        set.AddMenuItem(item);
        set.AddRole(role);
        set.AddTable(m_orders);
    };
    ProjectDiagnostics& diagnostics = TheProjectDiagnostics();
    record(diagnostics.GetCurrentUsageSet());
    {
        const UsageSetScope cascade;
        record(diagnostics.GetCurrentUsageSet());
        const std::vector<std::function<bool()>> deletions = {
            [&] { return m_project.DeleteForm(form); },
            [&] { return m_project.DeleteProcedure(procedure); },
            [&] { return m_project.DeleteMenu(item); },
            [&] { return m_project.DeleteDesignation(role); },
            [&]
            {
                dataClass->DeleteFunction(function);
                return dataClass->GetFunctions().empty();
            },
            [&] { return m_project.DeleteTable(m_orders); },
        };
        for (const auto& deletion : deletions)
        {
            EXPECT_TRUE(deletion());
            EXPECT_EQ(2, diagnostics.GetUsageSetDepth());
        }
        EXPECT_TRUE(diagnostics.GetCurrentUsageSet().IsEmpty());
    }
    EXPECT_TRUE(diagnostics.GetCurrentUsageSet().IsEmpty());
}

TEST_F(ProjectDeletionTest, ATableThatNothingUsesIsDeletedWithoutADump)
{
    TheProjectDiagnostics().AddError("an earlier finding");
    EXPECT_TRUE(m_project.DeleteTable(m_orders));
    EXPECT_EQ(std::vector<Table*>{m_customer}, m_module->GetMasterTables());
    EXPECT_FALSE(DumpWritten());
    EXPECT_TRUE(TheProjectDiagnostics().GetErrors().empty());
}

TEST_F(ProjectDeletionTest, AFieldMappedByAProcedureIsReportedAndLetGoOfBeforeItsTableGoes)
{
    Procedure* procedure = AddProcedure("PRC_orders_SelectAll", m_orders);
    procedure->AddFieldParameter(m_name);

    EXPECT_TRUE(m_project.DeleteTable(m_customer));

    EXPECT_EQ(Refusal("name") + "PRC_orders_SelectAll\r\n\t Field is mapped with variable!\r\n\r\n",
              DumpText());
    EXPECT_EQ(std::vector<Table*>{m_orders}, m_module->GetMasterTables());
    for (const FieldVariableMap& parameter : procedure->GetFieldParameters())
        EXPECT_NE(m_name, parameter.field);
    EXPECT_TRUE(TheProjectDiagnostics().GetCurrentUsageSet().GetProcedures().empty());
}

TEST_F(ProjectDeletionTest, ATableUsedItselfReplacesTheFieldReportAndTakesItsProceduresAlong)
{
    Procedure* mapping = AddProcedure("PRC_orders_SelectAll", m_orders);
    mapping->AddFieldParameter(m_name);
    AddProcedure("PRC_customer_SelectAll", m_customer);
    AddCustomerForm();

    EXPECT_TRUE(m_project.DeleteTable(m_customer));

    EXPECT_EQ(0u, DumpText().find(Refusal("customer"))) << DumpText();
    EXPECT_NE(std::string::npos, DumpText().find("PRC_customer_SelectAll\r\n"));
    EXPECT_EQ(std::vector<Procedure*>{mapping}, m_module->GetProcedures());
    EXPECT_TRUE(m_module->GetMasterForms().empty());
}

TEST_F(ProjectDeletionTest, AFormLeavesTheMenusOpeningItAndTheMapFormsBuiltOnIt)
{
    Form* form = AddCustomerForm();
    AspFile* file = AddPageFile(form);
    Menu* sub = AddMainMenuItem();
    sub->SetAspFile(file);
    auto* mapForm = NewPage<MapForm>("CustomerOrders");
    mapForm->SetBottomMasterForm(form);
    m_module->Append(mapForm);

    EXPECT_TRUE(m_project.DeleteForm(form));

    EXPECT_TRUE(m_module->GetMasterForms().empty());
    EXPECT_EQ(nullptr, sub->GetAspFile());
    EXPECT_EQ(nullptr, mapForm->GetBottomMasterForm());
    EXPECT_EQ(Refusal("CustomerForm") + "CustomerOrders\r\nCustomers\r\n", DumpText());
}

// A variable passed by a page file's menu map is looked for among the maps when what frees it
// goes: a procedure's parameter, a page's own variable.
TEST_F(ProjectDeletionTest, AMenuMapLetsGoOfTheVariablesThatGoWithAProcedureOrAPage)
{
    Procedure* procedure = AddProcedure("PRC_customer_SelectAll", m_customer);
    procedure->AddFieldParameter(m_name);
    Form* form = AddCustomerForm();
    Form* other = NewForm("OtherForm", m_orders);
    m_module->Append(other);
    AspFile* file = AddPageFile(other);
    Menu* leaf = AddMainMenuItem();
    file->SetTopMenu(leaf->GetParent());
    file->SyncMenuVariableMaps(TRUE);
    MenuVariableMap* map = file->FindTopMenuVariableMap(leaf);
    ASSERT_NE(nullptr, map);
    Variable* parameter = procedure->GetFieldParameters().front().variable;
    map->AddVariablePair(parameter, nullptr);
    map->AddVariablePair(form->GetFieldVariableMaps().front()->variable, nullptr);

    EXPECT_TRUE(m_project.DeleteProcedure(procedure));
    ASSERT_EQ(1u, file->FindTopMenuVariableMap(leaf)->GetVariablePairs().size());
    EXPECT_TRUE(m_project.DeleteForm(form));
    EXPECT_TRUE(file->FindTopMenuVariableMap(leaf)->GetVariablePairs().empty());
}

TEST_F(ProjectDeletionTest, AFormOfNoModuleIsNotDeletedButItsLinksAreRemoved)
{
    Form* form = NewForm("Detached", m_customer);
    AspFile* file = AddPageFile(form);
    Menu* menu = NewMenu("Detached");
    menu->SetAspFile(file);
    m_module->Append(menu);

    EXPECT_FALSE(m_project.DeleteForm(form));
    EXPECT_EQ(nullptr, menu->GetAspFile());
    EXPECT_EQ(CString("Detached"), form->GetFormName());
    delete form;
}

TEST_F(ProjectDeletionTest, AProcedureLeavesEveryPageThatCallsItOrShowsItsColumns)
{
    Procedure* procedure = AddProcedure("PRC_customer_SelectAll", m_customer);
    Form* form = AddCustomerForm();
    form->AddUniquenessProcedureTable(new UniquenessProcedureTable(m_customer, NewCall(procedure)));
    auto* loginPage = new LoginPage;
    loginPage->SetLoginCall(NewCall(procedure));
    m_module->AdoptLoginPage(loginPage);
    auto* output = new ProcedureFieldInfo(m_name, ProcedureFieldInfo::noAggregate);
    procedure->AddOutputColumn(output);
    auto* report = NewPage<ApplicationReport>("Sales");
    ReportFieldControlProperty* property = AddColumnControl(report);
    property->SetProcedure(procedure);
    property->AddBinding(new ReportFieldBinding{nullptr, nullptr, nullptr, output});
    auto* dashBoard = NewPage<DashBoard>("Board");
    dashBoard->SetProcedureInvokation(NewCall(procedure));
    auto* cell = new DashBoardCellInfo(false);
    cell->AddDisplayField(output, "Name");
    auto* grid = new Grid(1, 1);
    grid->GetRows().front().front()->SetCellData(cell, GridCell::kDashBoardCellInfo);
    dashBoard->SetGrid(grid);
    m_module->Append(dashBoard);
    auto* multiPage = NewPage<MultiPageReport>("Pages");
    auto* page = new MultiPageData(report);
    page->SetProcedureCall(NewCall(procedure));
    multiPage->AddPage(page);
    m_module->Append(multiPage);
    const int depth = TheProjectDiagnostics().GetUsageSetDepth();

    EXPECT_TRUE(m_project.DeleteProcedure(procedure));

    EXPECT_TRUE(m_module->GetProcedures().empty());
    EXPECT_EQ(Refusal("PRC_customer_SelectAll") +
                  "CustomerForm\r\nBoard\r\nSales\r\nPages_multiReport\r\nLoginPage\r\n",
              DumpText());
    EXPECT_EQ(nullptr, form->GetUniquenessProcedure(m_customer));
    const ProcedureInvokation* loginCall = loginPage->GetLoginCall();
    EXPECT_TRUE(loginCall == nullptr || loginCall->GetProcedure() == nullptr);
    EXPECT_EQ(nullptr, property->GetProcedure());
    EXPECT_TRUE(property->GetBindings().empty());
    // The graph the procedure alone fed goes with it.
    EXPECT_TRUE(m_module->GetDashBoards().empty());
    EXPECT_EQ(nullptr, page->GetProcedureCall());
    EXPECT_EQ(depth, TheProjectDiagnostics().GetUsageSetDepth());
}

TEST_F(ProjectDeletionTest, AReportWhoseColumnControlCallsTheProcedureIsNamedAndTheCallGoes)
{
    Procedure* procedure = AddProcedure("PRC_customer_SelectAll", m_customer);
    ReportFieldControlProperty* property = AddColumnControl(NewPage<ApplicationReport>("Sales"));
    auto* control = new FieldRep(m_name);
    auto* data = new FieldRepData;
    data->SetDataProcedure(NewCall(procedure));
    control->AttachFieldRepData(data);
    property->SetControl(control);

    EXPECT_TRUE(m_project.DeleteProcedure(procedure));

    EXPECT_TRUE(m_module->GetProcedures().empty());
    EXPECT_EQ(nullptr, data->GetDataProcedure());
    EXPECT_EQ(Refusal("PRC_customer_SelectAll") + "Sales\r\n", DumpText());
}

TEST_F(ProjectDeletionTest, AReportColumnControlLinkingToADeletedMenuOrSubMenuLosesTheLink)
{
    Menu* top = NewMenu("Main");
    Menu* sub = NewMenu("Orders");
    top->AddSubMenu(sub);
    m_module->Append(top);
    std::vector<LinkControl*> links;
    for (Menu* menu : {top, sub})
    {
        ReportFieldControlProperty* property =
            AddColumnControl(NewPage<ApplicationReport>("Sales"));
        auto* control = new FieldRep(m_name);
        auto* data = new FieldRepData;
        auto* link = new LinkControl;
        link->SetTarget(menu);
        data->AddLinkControl(link);
        control->AttachFieldRepData(data);
        property->SetControl(control);
        links.push_back(link);
    }

    EXPECT_TRUE(m_project.DeleteMenu(top));

    EXPECT_TRUE(m_module->GetMenus().empty());
    for (const LinkControl* link : links)
        EXPECT_EQ(nullptr, link->GetTarget());
}

TEST_F(ProjectDeletionTest, EveryKindOfPageNamedForItsOwnCallOfTheProcedureLosesThatCall)
{
    Procedure* procedure = AddProcedure("PRC_customer_SelectAll", m_customer);
    std::vector<FormInterface*> pages;
    const auto add = [this, &pages](auto* page)
    {
        m_module->Append(page);
        pages.push_back(page);
    };
    add(NewForm("CustomerForm", m_customer));
    add(NewPage<MapForm>("CustomerMap"));
    add(NewPage<Transaction>("Orders"));
    add(NewPage<DashBoard>("Board"));
    add(NewPage<ApplicationReport>("Sales"));
    add(NewPage<MultiPageReport>("Pages"));
    add(NewPage<DashBoardPage>("Home"));
    add(NewPage<RDLCReport>("Printout"));
    add(NewPage<ReportCollector>("Collector"));
    auto* loginPage = new LoginPage;
    m_module->AdoptLoginPage(loginPage);
    pages.push_back(loginPage);
    for (FormInterface* page : pages)
        page->SetProcedureCall(NewCall(procedure));

    EXPECT_TRUE(m_project.DeleteProcedure(procedure));

    EXPECT_EQ(Refusal("PRC_customer_SelectAll") +
                  "CustomerForm\r\nCustomerMap\r\nOrders\r\nBoard\r\nSales\r\n"
                  "Pages_multiReport\r\nHome\r\nPrintout\r\nCollector\r\n" +
                  std::string(loginPage->GetFormName().GetString()) + "\r\n",
              DumpText());
    for (const FormInterface* page : pages)
        EXPECT_EQ(nullptr, page->GetProcedureCall()) << page->GetFormName().GetString();
}

TEST_F(ProjectDeletionTest, AMenuAndItsSubMenusLeaveRolesAndPageLinksWithoutADump)
{
    Menu* top = NewMenu("Main");
    Menu* sub = NewMenu("Customers");
    top->AddSubMenu(sub);
    m_module->Append(top);
    auto* role = new Designation;
    role->AddMenu(top);
    role->AddMenu(sub);
    m_module->Append(role);
    Form* form = AddCustomerForm();
    auto* link = new LinkControl(sub, 0, 0, LinkControl::Center);
    form->AddPreLink(link);

    EXPECT_TRUE(m_project.DeleteMenu(top));

    EXPECT_TRUE(m_module->GetMenus().empty());
    EXPECT_TRUE(role->GetMenus().empty());
    EXPECT_EQ(nullptr, link->GetTarget());
    EXPECT_FALSE(DumpWritten());
}

// A graph that only the function feeds goes with it.
TEST_F(ProjectDeletionTest, AFunctionIsDeletedByItsClassWithTheGraphItAloneFeeds)
{
    Class* dataClass = m_module->GetClassForTable(m_customer, true);
    auto* function = new Function;
    function->SetName("SelectAllRecords");
    function->SetClass(dataClass);
    dataClass->AddFunction(function);
    auto* dashBoard = NewPage<DashBoard>("Board");
    auto* call = new ClassInvokation;
    call->SetFunction(dataClass, function);
    dashBoard->SetClassInvokation(call);
    m_module->Append(dashBoard);

    EXPECT_TRUE(m_project.DeleteFunction(function));

    EXPECT_TRUE(dataClass->GetFunctions().empty());
    EXPECT_TRUE(m_module->GetDashBoards().empty());
    EXPECT_EQ(Refusal("SelectAllRecords") + "Board\r\n", DumpText());
    Function loose;
    EXPECT_FALSE(m_project.DeleteFunction(&loose));
}

TEST_F(ProjectDeletionTest, ADashBoardLeavesItsPagesWhichLeaveTheirRolesAndMenus)
{
    auto* dashBoard = NewPage<DashBoard>("Board");
    m_module->Append(dashBoard);
    auto* home = NewPage<DashBoardPage>("Home");
    home->AddPlacement(new DashBoardPageData(dashBoard));
    AspFile* file = AddPageFile(home);
    m_module->Append(home);
    m_module->Append(NewPage<DashBoardPage>("Other"));
    Menu* menu = NewMenu("Start");
    menu->SetAspFile(file);
    m_module->Append(menu);
    auto* role = new Designation;
    role->SetName("admin");
    role->SetDashBoardPage(home);
    m_module->Append(role);

    EXPECT_TRUE(m_project.DeleteDashBoard(dashBoard));
    EXPECT_TRUE(m_module->GetDashBoards().empty());
    EXPECT_FALSE(home->ContainsDashBoard(dashBoard));
    EXPECT_EQ(Refusal("Board") + "Home\r\n", DumpText());

    EXPECT_TRUE(m_project.DeleteDashBoardPage(home));
    EXPECT_EQ(1u, m_module->GetDashBoardPages().size());
    EXPECT_EQ(nullptr, role->GetDashBoardPage());
    EXPECT_EQ(nullptr, menu->GetAspFile());
    EXPECT_EQ(Refusal("Home") + "Start\r\nadmin\r\n", DumpText());
}

TEST_F(ProjectDeletionTest, FieldUsagesAreRemovedInEveryModuleAndAnswerTrue)
{
    Module* second = NewModule("Module2", 2);
    m_project.AddModule(second);
    Table* invoice = NewTable("invoice");
    Field* reference = AddVarcharField(invoice, "customer_ref", m_name);
    second->AppendMasterTable(invoice);

    EXPECT_TRUE(m_project.RemoveFieldUsages(m_name));

    EXPECT_EQ(nullptr, reference->GetForeignField());
    EXPECT_EQ(Refusal("name") + "invoice\r\n", DumpText());
    ForgeonProject empty;
    EXPECT_FALSE(empty.RemoveFieldUsages(m_name));
}

TEST_F(ProjectDeletionTest, AFieldLeavesTheLoginPageAndTheReportColumnControlsShowingIt)
{
    auto* loginPage = new LoginPage;
    loginPage->SetUserNameField(m_name);
    loginPage->SetDesignationField(m_customer->GetPrimaryKeyField());
    m_module->AdoptLoginPage(loginPage);
    ReportFieldControlProperty* property = AddColumnControl(NewPage<ApplicationReport>("Sales"));
    property->SetControl(new FieldRep(m_name));

    EXPECT_TRUE(m_project.RemoveFieldUsages(m_name));

    EXPECT_EQ(nullptr, loginPage->GetUserNameField());
    EXPECT_EQ(m_customer->GetPrimaryKeyField(), loginPage->GetDesignationField());
    EXPECT_EQ(nullptr, property->GetControl());
    EXPECT_EQ(Refusal("name") + "Sales_ report output field\r\nLoginPage\r\n", DumpText());
}

TEST_F(ProjectDeletionTest, AVariableMappingInUseIsRefusedAndShownOnlyWhenAsked)
{
    Form* form = AddCustomerForm();
    FieldVariableMap* map = form->GetFieldVariableMaps().front();
    AddPageFile(form)->AddTopMenuVariableMap(MenuVariableMap{nullptr, {{nullptr, map->variable}}});
    TheProjectDiagnostics().AddError("an earlier finding");

    EXPECT_FALSE(m_project.CanRemoveVariableMap(map, false));
    EXPECT_TRUE(m_boxes.Shown().empty());
    EXPECT_FALSE(DumpWritten());
    ASSERT_EQ(1u, TheProjectDiagnostics().GetErrors().size());

    EXPECT_FALSE(m_project.CanRemoveVariableMap(map, true));
    ASSERT_EQ(1u, m_boxes.Shown().size());
    EXPECT_EQ(TheProjectDiagnostics().GetErrors().front().str() + "\n",
              m_boxes.Shown().front().text);
    EXPECT_EQ(0u, DumpText().find(Refusal("name_Var")));

    FieldVariableMap unused{m_name, nullptr};
    EXPECT_TRUE(m_project.CanRemoveVariableMap(&unused, true));
    EXPECT_TRUE(TheProjectDiagnostics().GetErrors().empty());
    EXPECT_EQ(1u, m_boxes.Shown().size());
}

TEST_F(ProjectDeletionTest, AProcedureFieldPassedByATransactionIsAlwaysShown)
{
    Procedure* procedure = AddProcedure("PRC_customer_SelectAll", m_customer);
    procedure->AddFieldParameter(m_name);
    FieldVariableMap parameter;
    procedure->FindFieldParameterByField(m_name, parameter);
    const auto passingCall = [procedure, &parameter]
    {
        ProcedureInvokation* call = NewCall(procedure);
        call->AddVariablePair(new VariablePair{parameter.variable, nullptr});
        return call;
    };
    // Master forms are not asked.
    AddCustomerForm()->AddUniquenessProcedureTable(
        new UniquenessProcedureTable(m_customer, passingCall()));
    auto* transaction = NewPage<Transaction>("Orders");
    transaction->AddUniquenessProcedureTable(
        new UniquenessProcedureTable(m_customer, NewCall(procedure)));
    m_module->Append(transaction);

    EXPECT_TRUE(m_project.CanRemoveProcedureField(procedure, m_name));
    EXPECT_TRUE(m_boxes.Shown().empty());

    transaction->AddUniquenessProcedureTable(new UniquenessProcedureTable(m_orders, passingCall()));
    EXPECT_FALSE(m_project.CanRemoveProcedureField(procedure, m_name));
    ASSERT_EQ(1u, m_boxes.Shown().size());
    EXPECT_EQ("Can not delete name. It is used in following objects!\nOrders\n\n",
              m_boxes.Shown().front().text);
}

TEST_F(ProjectDeletionTest, AReportLeavesTheMultiPageReportsAndCollectorsShowingIt)
{
    auto* report = NewPage<ApplicationReport>("Sales");
    auto* other = NewPage<ApplicationReport>("Stock");
    m_module->Append(report);
    m_module->Append(other);
    auto* multiPage = NewPage<MultiPageReport>("Pages");
    multiPage->AddPage(new MultiPageData(report));
    multiPage->AddPage(new MultiPageData(other));
    m_module->Append(multiPage);
    auto* collector = NewPage<ReportCollector>("Collector");
    collector->AddReport({report, 1, 1});
    collector->AddReport({other, 1, 1});
    m_module->Append(collector);

    EXPECT_TRUE(m_project.DeleteApplicationReport(report));

    EXPECT_EQ(std::vector<ApplicationReport*>{other}, m_module->GetReports());
    ASSERT_EQ(1u, multiPage->GetPages().size());
    EXPECT_EQ(other, multiPage->GetPages().front()->GetReport());
    ASSERT_EQ(1u, collector->GetEntries().size());
    EXPECT_EQ(other, collector->GetEntries().front().m_report);
    EXPECT_EQ(Refusal("Sales") + "Pages\r\nCollector\r\n", DumpText());
}

TEST_F(ProjectDeletionTest, AFunctionFieldShownByAControlIsRefusedAndLostWithItsTable)
{
    Form* form = AddCustomerForm();
    auto* data = new FieldRepData;
    data->SetFrontField(m_name);
    form->GetFieldReps().front()->AttachFieldRepData(data);
    Function function;
    function.AddOutputField(new ProcedureFieldInfo(m_name, ProcedureFieldInfo::noAggregate));
    const int depth = TheProjectDiagnostics().GetUsageSetDepth();

    EXPECT_FALSE(m_project.CanRemoveFunctionField(&function, m_name, false));
    EXPECT_TRUE(m_boxes.Shown().empty());
    EXPECT_FALSE(m_project.CanRemoveFunctionField(&function, m_name, true));
    ASSERT_EQ(1u, m_boxes.Shown().size());
    EXPECT_EQ("Function Field is used in CustomerForm\n", m_boxes.Shown().front().text);
    EXPECT_TRUE(
        m_project.CanRemoveFunctionField(&function, m_customer->GetPrimaryKeyField(), true));
    EXPECT_EQ(1u, m_boxes.Shown().size());

    m_project.RemoveFunctionDependentTableReferences(&function, m_orders);
    EXPECT_EQ(m_name, data->GetFrontField());
    m_project.RemoveFunctionDependentTableReferences(&function, m_customer);
    EXPECT_EQ(nullptr, data->GetFrontField());
    EXPECT_EQ(depth, TheProjectDiagnostics().GetUsageSetDepth());
}

TEST_F(ProjectDeletionTest, ATableLeavesTheReferenceFieldsOfPagesOnOtherTables)
{
    Form* form = NewForm("OrderForm", m_orders);
    form->AddRefField(new RefField(NewLooseField("region"), m_customer));
    m_module->Append(form);

    EXPECT_TRUE(m_project.DeleteTable(m_customer));

    EXPECT_EQ(std::vector<Form*>{form}, m_module->GetMasterForms());
    EXPECT_TRUE(form->GetRefFields().empty());
    EXPECT_EQ(Refusal("customer") + "OrderForm\r\n", DumpText());
}

TEST_F(ProjectDeletionTest, ATableNamesAndLeavesThePagesFunctionsClassesAndProceduresListingIt)
{
    Class* ordersClass = m_module->GetClassForTable(m_orders, true);
    auto* function = new Function;
    function->SetName("OrdersWithCustomer");
    function->AddUsedTable(m_customer);
    ordersClass->AddFunction(function);
    auto* customerClass = new Class;
    customerClass->SetName("_customer");
    customerClass->SetTable(m_customer);
    m_module->Append(customerClass);
    Procedure* joining = AddProcedure("PRC_orders_SelectAll", m_orders);
    joining->AddTable(m_customer);
    Form* form = NewForm("OrderForm", m_orders);
    form->AddDerivedField(new DerivedField(NewLooseField("total"), m_customer));
    m_module->Append(form);

    EXPECT_TRUE(m_project.DeleteTable(m_customer));

    EXPECT_EQ(Refusal("customer") +
                  "OrderForm\r\nOrdersWithCustomer\r\n_customer\r\nPRC_orders_SelectAll\r\n",
              DumpText());
    EXPECT_TRUE(function->GetUsedTables().empty());
    EXPECT_TRUE(joining->GetTables().empty());
    EXPECT_TRUE(form->GetDerivedFields().empty());
}

TEST_F(ProjectDeletionTest, AKeyFieldLeavesTheForeignKeysOfEveryTableNamingOnlyTheOthers)
{
    Field* key = m_customer->GetPrimaryKeyField();
    Field* parent = AddVarcharField(m_customer, "parent_ref", key);
    Field* orderRef = AddVarcharField(m_orders, "customer_ref", key);

    EXPECT_TRUE(m_project.RemoveFieldUsages(key));

    EXPECT_EQ(nullptr, parent->GetForeignField());
    EXPECT_EQ(nullptr, orderRef->GetForeignField());
    EXPECT_FALSE(orderRef->IsForeignKey());
    EXPECT_EQ(Refusal(key->GetFieldName().GetString()) + "orders\r\n", DumpText());
}

TEST_F(ProjectDeletionTest, AFieldIsNamedOnceByEachPageOfEveryKindAndLeavesAllOfThem)
{
    std::vector<FormInterface*> pages;
    const auto add = [this, &pages](auto* page)
    {
        page->AddFieldRep(new FieldRep(m_name));
        page->AddFieldRep(new FieldRep(m_customer->GetPrimaryKeyField()));
        m_module->Append(page);
        pages.push_back(page);
    };
    // A map names the form before its control does.
    Form* form = AddCustomerForm();
    form->AddFieldRep(new FieldRep(m_customer->GetPrimaryKeyField()));
    pages.push_back(form);
    add(NewPage<ApplicationReport>("Sales"));
    add(NewPage<DashBoardPage>("Home"));
    add(NewPage<ReportCollector>("Collector"));
    add(NewPage<MultiPageReport>("Pages"));
    // A visibility on a page built on another table, and a report parameter fed by the field.
    auto* transaction = NewPage<Transaction>("Orders");
    AspFile* file = AddPageFile(transaction);
    file->AddFieldVisibility(new FieldVisibility(m_name));
    m_module->Append(transaction);
    auto* rdlc = NewPage<RDLCReport>("Printout");
    rdlc->AddTableAdapterMap(TableAdapterMap{nullptr, {{"@name", m_name}}});
    m_module->Append(rdlc);

    EXPECT_TRUE(m_project.RemoveFieldUsages(m_name));

    EXPECT_EQ(Refusal("name") + "CustomerForm_name_Var\r\nOrders\r\nSales_fieldRepresentation\r\n"
                                "Printout_Report\r\nHome_fieldRepresentation\r\n"
                                "Pages_fieldRepresentation\r\nCollector_fieldRepresentation\r\n",
              DumpText());
    for (const FormInterface* page : pages)
    {
        ASSERT_EQ(1u, page->GetFieldReps().size()) << page->GetFormName().GetString();
        EXPECT_EQ(m_customer->GetPrimaryKeyField(), page->GetFieldReps().front()->GetField());
    }
    EXPECT_EQ(nullptr, form->GetFieldVariableMaps().front()->field);
    EXPECT_TRUE(file->GetFieldVisibilities().empty());
    EXPECT_TRUE(rdlc->GetTableAdapterMaps().front().m_pairs.empty());
    EXPECT_EQ(0, Module::ReleaseReferences({m_module}, {m_name}));
}

TEST_F(ModuleUsageTest, EachRefusalReplacesTheDumpWithoutAMessageBoxAndNoUsageAllowsTheDeletion)
{
    EXPECT_TRUE(m_module->ReportUsage("customer", ""));
    EXPECT_FALSE(DumpWritten());
    MainFrameAccess::SetProjectSource({});
    EXPECT_FALSE(m_module->ReportUsage("customer", "CustomerForm\n"));
    EXPECT_FALSE(DumpWritten());
    MainFrameAccess::SetProjectSource([this] { return &m_project; });

    EXPECT_FALSE(m_module->ReportUsage("name", "CustomerForm\n"));
    EXPECT_EQ(Refusal("name") + "CustomerForm\r\n", DumpText());
    EXPECT_FALSE(m_module->ReportUsage("customer", "PRC_customer_SelectAll\n"));
    EXPECT_EQ(Refusal("customer") + "PRC_customer_SelectAll\r\n", DumpText());
    EXPECT_TRUE(m_boxes.Shown().empty());
}

TEST_F(ModuleUsageTest, PageLinksAreTheMenusAtAnyDepthAndTheReportColumnsOpeningThePage)
{
    Form* form = NewForm("CustomerForm", nullptr);
    m_module->Append(form);
    AspFile* file = AddPageFile(form);
    auto* top = new Menu;
    top->SetName("Main");
    auto* middle = new Menu;
    middle->SetName("Masters");
    auto* leaf = new Menu;
    leaf->SetName("Customers");
    top->AddSubMenu(middle);
    middle->AddSubMenu(leaf);
    leaf->SetAspFile(file);
    m_module->Append(top);
    auto* report = NewPage<ApplicationReport>("Orders");
    auto* group = new ReportGroup(report, nullptr);
    auto* column = new ReportField;
    column->SetName("customer");
    column->SetAspFile(file);
    group->AddReportField(column);
    report->AddReportGroup(group);
    m_module->Append(report);
    // A later report names the column of the earlier one no second time.
    auto* later = NewPage<ApplicationReport>("Invoices");
    later->AddReportGroup(new ReportGroup(later, nullptr));
    m_module->Append(later);

    CString usage;
    m_module->CollectPageLinkUsage(form, usage);

    EXPECT_EQ(CString("Customers\ncustomer\n"), usage);
    const std::vector<MenuInterface*> expected{leaf, column};
    EXPECT_EQ(expected, TheProjectDiagnostics().GetCurrentUsageSet().GetMenuItems());
}

// Pages deleted together: each is named with the items that open its files or that its files
// show, once each, and with no item of another page.
TEST_F(ModuleUsageTest, EachPageGetsTheItemsOpeningOrShownInItsOwnFilesOnce)
{
    Form* orders = NewForm("OrderForm", nullptr);
    Form* stock = NewForm("StockForm", nullptr);
    Form* other = NewForm("OtherForm", nullptr);
    for (Form* form : {orders, stock, other})
        m_module->Append(form);
    AspFile* ordersFile = AddPageFile(orders);
    AspFile* stockFile = AddPageFile(stock);
    const auto item = [this](const char* name, AspFile* opens)
    {
        auto* menu = new Menu;
        menu->SetName(name);
        menu->SetAspFile(opens);
        m_module->Append(menu);
        return menu;
    };
    Menu* opener = item("Orders", ordersFile);
    item("Other", AddPageFile(other));
    // Opens the order page's first file and lists its second and the stock page's.
    Menu* both = item("Both", ordersFile);
    both->AddPageFile(AddPageFile(orders));
    both->AddPageFile(stockFile);
    Menu* shown = item("Main", nullptr);
    stockFile->SetTopMenu(shown);
    stockFile->AddTopMenuVariableMap(MenuVariableMap{shown, {}});

    std::vector<CString> usages{"Before\n", ""};
    m_module->CollectPageLinkUsage({orders, stock}, usages);

    EXPECT_EQ((std::vector<CString>{"Before\nOrders\nBoth\n", "Both\nMain\n"}), usages);
    const std::vector<MenuInterface*> expected{opener, both, shown};
    EXPECT_EQ(expected, TheProjectDiagnostics().GetCurrentUsageSet().GetMenuItems());
}

TEST_F(ModuleUsageTest, OwnedEntitiesAreErasedAndTheCopySlotsForgetThemButOthersAreNotFreed)
{
    auto* top = new Menu;
    auto* sub = new Menu;
    top->AddSubMenu(sub);
    m_module->Append(top);
    Table* customer = NewTable("customer");
    Table* product = NewTable("product");
    m_module->AppendMasterTable(customer);
    m_module->AppendMasterTable(product);
    m_module->SetPastedTable(customer);
    Form* form = NewForm("CustomerForm", nullptr);
    m_module->Append(form);
    m_module->SetPastedForm(form);
    // Deleting what the module does not hold would free memory it does not own.
    Menu looseMenu;
    looseMenu.SetName("Loose");
    const std::unique_ptr<Form> looseForm(NewForm("Loose", nullptr));
    const std::unique_ptr<Procedure> procedure(new Procedure);
    const std::unique_ptr<ApplicationReport> report(NewPage<ApplicationReport>("Loose"));
    const std::unique_ptr<Transaction> transaction(NewPage<Transaction>("Loose"));
    const std::unique_ptr<Table> table(NewTable("loose"));
    const std::unique_ptr<Function> function(new Function);
    EXPECT_FALSE(m_module->DeleteMenu(&looseMenu));
    EXPECT_EQ(CString("Loose"), looseMenu.GetName());
    EXPECT_FALSE(m_module->DeleteMasterForm(looseForm.get()));
    EXPECT_FALSE(m_module->DeleteProcedure(procedure.get()));
    EXPECT_FALSE(m_module->DeleteReport(report.get()));
    EXPECT_FALSE(m_module->DeleteTransaction(transaction.get()));
    EXPECT_FALSE(m_module->DeleteTable(table.get()));
    EXPECT_FALSE(m_module->DeleteClassFunction(function.get()));

    EXPECT_TRUE(m_module->DeleteMenu(sub));
    EXPECT_TRUE(top->GetSubMenus().empty());
    ASSERT_EQ(1u, m_module->GetMenus().size());
    EXPECT_TRUE(m_module->DeleteMenu(top));
    EXPECT_TRUE(m_module->GetMenus().empty());
    EXPECT_TRUE(m_module->DeleteMasterForm(form));
    EXPECT_TRUE(m_module->GetMasterForms().empty());
    EXPECT_EQ(nullptr, m_module->TakePastedForm());
    EXPECT_TRUE(m_module->DeleteTable(customer));
    EXPECT_EQ(std::vector<Table*>{product}, m_module->GetMasterTables());
    EXPECT_EQ(nullptr, m_module->TakePastedTable());
    EXPECT_FALSE(DumpWritten());
}

TEST_F(ModuleUsageTest, DeletingARoleMakesTheRolesReportingToItReportToNone)
{
    auto* boss = new Designation;
    auto* clerk = new Designation;
    clerk->SetReportsTo(boss);
    m_module->Append(boss);
    m_module->Append(clerk);

    Designation loose;
    m_module->DeleteDesignation(&loose);
    EXPECT_EQ(2u, m_module->GetDesignations().size());

    m_module->DeleteDesignation(boss);
    ASSERT_EQ(1u, m_module->GetDesignations().size());
    EXPECT_EQ(clerk, m_module->GetDesignations().front());
    EXPECT_EQ(nullptr, clerk->GetReportsTo());
}

// The roles of every module reporting to a deleted role, and the menus granted to it, on both
// sides or on the menu's side only, let go of it, whether the project is the open one or not.
TEST_F(ModuleUsageTest, ARoleIsLetGoOfByTheRolesAndMenusOfEveryModule)
{
    Module* sales = NewModule("Sales", 2);
    m_project.AddModule(sales);
    const struct
    {
        const char* name;
        bool open;
        std::function<bool(ForgeonProject&, Module&, Designation*)> remove;
    } deletions[] = {
        {"project", true,
         [](ForgeonProject& project, Module&, Designation* role)
         { return project.DeleteDesignation(role); }},
        {"project not open", false,
         [](ForgeonProject& project, Module&, Designation* role)
         { return project.DeleteDesignation(role); }},
        {"module", true,
         [](ForgeonProject&, Module& module, Designation* role)
         {
             module.DeleteDesignation(role);
             return true;
         }},
    };
    for (const auto& deletion : deletions)
    {
        auto* boss = new Designation;
        auto* clerk = new Designation;
        clerk->SetReportsTo(boss);
        Menu* own = NewMenu("Own");
        Menu* shared = NewMenu("Shared");
        Menu* oneSided = NewMenu("OneSided");
        boss->AddMenu(own);
        boss->AddMenu(shared);
        clerk->AddMenu(shared);
        oneSided->AddRole(boss);
        m_module->Append(boss);
        m_module->Append(own);
        sales->Append(clerk);
        sales->Append(shared);
        sales->Append(oneSided);
        if (!deletion.open)
            MainFrameAccess::SetProjectSource([] { return static_cast<ForgeonProject*>(nullptr); });

        EXPECT_TRUE(deletion.remove(m_project, *m_module, boss)) << deletion.name;

        MainFrameAccess::SetProjectSource([this] { return &m_project; });
        EXPECT_FALSE(m_module->ContainsDesignation(boss)) << deletion.name;
        EXPECT_EQ(nullptr, clerk->GetReportsTo()) << deletion.name;
        EXPECT_TRUE(own->GetRoles().empty()) << deletion.name;
        EXPECT_EQ(std::vector<Designation*>{clerk}, shared->GetRoles()) << deletion.name;
        EXPECT_TRUE(oneSided->GetRoles().empty()) << deletion.name;
    }
    Designation loose;
    EXPECT_FALSE(m_project.DeleteDesignation(&loose));
    EXPECT_FALSE(DumpWritten());
}

TEST_F(ModuleUsageTest, AControlThatAnotherControlRecomputesCannotBeRemoved)
{
    Table* customer = NewTable("customer", Table::masterKind, {"name", "email"});
    m_module->AppendMasterTable(customer);
    Form* form = NewForm("CustomerForm", customer);
    m_module->Append(form);
    auto* name = new FieldRep(customer->FindFieldByName("name"));
    auto* email = new FieldRep(customer->FindFieldByName("email"));
    auto* events = new EventRecmpFields;
    events->AddClassRecompute(name);
    auto* data = new FieldRepData;
    data->AddEventRecmpFields(events);
    email->AttachFieldRepData(data);
    form->AddFieldRep(name);
    form->AddFieldRep(email);

    EXPECT_TRUE(m_module->CanRemoveFieldRep(email, form));
    EXPECT_FALSE(DumpWritten());
    EXPECT_FALSE(m_module->CanRemoveFieldRep(name, form));
    EXPECT_EQ(Refusal("name") + "Used for mapping or recomputation in:CustomerForm", DumpText());
}

TEST_F(ModuleUsageTest, AProcedureParameterPassedByAPageIsReportedAndFiledAsAnError)
{
    Table* customer = NewTable("customer", Table::masterKind, {"name", "email"});
    m_module->AppendMasterTable(customer);
    Field* name = customer->FindFieldByName("name");
    auto* procedure = new Procedure;
    procedure->SetName("PRC_customer_SelectAll");
    procedure->AddFieldParameter(name);
    procedure->AddFieldParameter(customer->FindFieldByName("email"));
    m_module->Append(procedure);
    FieldVariableMap parameter;
    procedure->FindFieldParameterByField(name, parameter);
    auto* call = new ProcedureInvokation;
    call->SetProcedure(procedure);
    call->AddVariablePair(new VariablePair{parameter.variable, nullptr});
    auto* transaction = NewPage<Transaction>("Orders");
    transaction->AddUniquenessProcedureTable(new UniquenessProcedureTable(customer, call));
    m_module->Append(transaction);

    EXPECT_TRUE(m_module->CheckProcedureFieldUsage(procedure, customer->FindFieldByName("email")));
    EXPECT_TRUE(TheProjectDiagnostics().GetErrors().empty());
    EXPECT_FALSE(DumpWritten());

    EXPECT_FALSE(m_module->CheckProcedureFieldUsage(procedure, name));
    EXPECT_EQ(Refusal("name") + "Orders\r\n", DumpText());
    ASSERT_EQ(1u, TheProjectDiagnostics().GetErrors().size());
    EXPECT_EQ(CString("Can not delete name. It is used in following objects!\nOrders\n"),
              TheProjectDiagnostics().GetErrors().front());
}

TEST_F(ModuleUsageTest, ANewFrontFieldReplacesThePreviousOneInTheHandlersOfReferringTables)
{
    Table* customer = NewTable("customer", Table::masterKind, {"name", "email"});
    Table* orders = NewTable("orders");
    AddVarcharField(orders, "customer_ref", customer->GetPrimaryKeyField());
    Table* product = NewTable("product");
    m_module->AppendMasterTable(customer);
    m_module->AppendMasterTable(orders);
    m_module->AppendMasterTable(product);
    Field* name = customer->FindFieldByName("name");
    Field* email = customer->FindFieldByName("email");
    const auto addFunction = [this, name](Table* table, const char* functionName)
    {
        Class* dataClass = m_module->GetClassForTable(table, true);
        auto* function = new Function;
        function->SetName(functionName);
        function->SetClass(dataClass);
        function->SetTable(table);
        function->AddOutputField(new ProcedureFieldInfo(name, ProcedureFieldInfo::noAggregate));
        dataClass->AddFunction(function);
        return function;
    };
    Function* handler = addFunction(orders, "SelectRecord");
    Function* userFunction = addFunction(orders, "TopCustomers");
    Function* unrelated = addFunction(product, "SelectRecord");
    email->SetFrontField(true);

    m_module->UpdateFrontFieldUsers(customer, name);

    EXPECT_FALSE(handler->HasOutputField(name));
    EXPECT_TRUE(handler->HasOutputField(email));
    EXPECT_TRUE(userFunction->HasOutputField(name));
    EXPECT_FALSE(userFunction->HasOutputField(email));
    EXPECT_TRUE(unrelated->HasOutputField(name));
    EXPECT_FALSE(unrelated->HasOutputField(email));
}

TEST_F(ProjectDeletionTest, AReportMadeForItsTableTakesItsOwnDescriptionsOnlyWhenNoneElseUsesThem)
{
    struct Case
    {
        const char* name;
        // What the second report of the table shares with the first: nothing, its layout, its
        // data set; or the first report is the user's (mode 1).
        std::function<void(RDLCReport& first, RDLCReport& second)> arrange;
        bool layoutStays;
        bool dataSetStays;
    };
    const Case cases[] = {
        {"own", [](RDLCReport&, RDLCReport&) {}, false, false},
        {"layout shared",
         [](RDLCReport& first, RDLCReport& second) { second.SetRDLCInfo(first.GetRDLCInfo()); },
         true, true},
        {"data set shared",
         [](RDLCReport& first, RDLCReport& second) { second.SetXSDInfo(first.GetXSDInfo()); },
         false, true},
        {"the user's", [](RDLCReport& first, RDLCReport&) { first.SetMode(1); }, true, true},
    };
    for (const Case& each : cases)
    {
        SCOPED_TRACE(each.name);
        RDLCCreator(m_customer, &m_project).CreateReport();
        RDLCCreator(m_orders, &m_project).CreateReport();
        RDLCReport* first = m_module->FindRDLCReportByName("customer_rdlc");
        RDLCReport* second = m_module->FindRDLCReportByName("orders_rdlc");
        ASSERT_NE(first, nullptr);
        ASSERT_NE(second, nullptr);
        each.arrange(*first, *second);
        RDLCInfo* layout = first->GetRDLCInfo();
        XSDInfo* dataSet = first->GetXSDInfo();
        ASSERT_TRUE(m_project.DeleteRDLCReport(first));
        EXPECT_EQ(Contains(m_project.GetRDLCInfos(), layout), each.layoutStays);
        EXPECT_EQ(Contains(m_project.GetXSDInfos(), dataSet), each.dataSetStays);
        RDLCInfo* secondLayout = second->GetRDLCInfo();
        XSDInfo* secondDataSet = second->GetXSDInfo();
        ASSERT_TRUE(m_project.DeleteRDLCReport(second));
        EXPECT_FALSE(Contains(m_project.GetRDLCInfos(), secondLayout));
        EXPECT_FALSE(Contains(m_project.GetXSDInfos(), secondDataSet));
        // What no report made or uses any longer is cleared for the next case.
        while (!m_project.GetRDLCInfos().empty())
            m_project.DeleteRDLCInfo(m_project.GetRDLCInfos().front());
        while (!m_project.GetXSDInfos().empty())
            m_project.DeleteXSDInfo(m_project.GetXSDInfos().front());
    }
}

// Pages that show a function's output without calling it are named as its users and let go of
// the output, which goes with the function.
TEST_F(ProjectDeletionTest, PagesShowingAFunctionsOutputAreNamedAndLetGoOfIt)
{
    auto* dataClass = new Class;
    dataClass->SetName("_customer");
    dataClass->SetTable(m_customer);
    auto* function = new Function;
    function->SetName("price");
    function->SetClass(dataClass);
    auto* output = new ProcedureFieldInfo(m_name, ProcedureFieldInfo::noAggregate);
    function->AddOutputField(output);
    dataClass->AddFunction(function);
    m_module->Append(dataClass);
    auto* report = NewPage<ApplicationReport>("Sales");
    auto* group = new ReportGroup(report, nullptr);
    group->AddReportField(new ReportField(output));
    group->SetHeaderValue(output);
    report->AddReportGroup(group);
    m_module->Append(report);
    auto* board = NewPage<DashBoard>("Board");
    auto* cell = new DashBoardCellInfo(false);
    cell->AddDisplayField(output, "Price");
    auto* grid = new Grid(1, 1);
    grid->GetRows().front().front()->SetCellData(cell, GridCell::kDashBoardCellInfo);
    board->SetGrid(grid);
    m_module->Append(board);

    EXPECT_TRUE(m_project.DeleteFunction(function));

    EXPECT_TRUE(dataClass->GetFunctions().empty());
    EXPECT_EQ(Refusal("price") + "Sales\r\nBoard\r\n", DumpText());
    EXPECT_TRUE(group->GetReportFields().empty());
    EXPECT_EQ(nullptr, group->GetHeaderValue());
    EXPECT_TRUE(cell->GetDisplayFields().empty());
}

// A page on the orders table that calls the deleted table's class: how it holds the call, and
// whether the call is gone.
struct ClassCallHolder
{
    const char* name;
    std::function<FormInterface*(Module&, Table*, ClassInvokation*)> add;
    std::function<bool(FormInterface&)> released;
    std::string usage;
    // The page is built on the call and goes with it.
    bool goes = false;
};

// A control without a field whose data calls the class.
FieldRep* NewCallingControl(ClassInvokation* call)
{
    auto* control = new FieldRep;
    control->AttachFieldRepData(new FieldRepData);
    control->GetFieldRepData()->SetDataCall(call);
    return control;
}

ClassInvokation* DataCallOf(const FieldRep* control)
{
    return control->GetFieldRepData()->GetDataCall();
}

ApplicationReport* NewReport(Module& module, Table* table)
{
    auto* report = NewPage<ApplicationReport>("Sales");
    report->SetTable(table);
    module.Append(report);
    return report;
}

ReportGroup* FirstGroup(FormInterface& page)
{
    return dynamic_cast<ApplicationReport&>(page).GetReportGroups().front();
}

const ClassCallHolder classCallHolders[] = {
    {"FormControl",
     [](Module& module, Table* orders, ClassInvokation* call) -> FormInterface*
     {
         Form* form = NewForm("OrderForm", orders);
         form->AddFieldRep(NewCallingControl(call));
         module.Append(form);
         return form;
     },
     [](FormInterface& page) { return DataCallOf(page.GetFieldReps().front()) == nullptr; },
     "OrderForm\r\n"},
    {"ReportClassCall",
     [](Module& module, Table* orders, ClassInvokation* call) -> FormInterface*
     {
         ApplicationReport* report = NewReport(module, orders);
         report->SetClassCall(call);
         return report;
     },
     [](FormInterface& page)
     { return dynamic_cast<ApplicationReport&>(page).GetClassCall() == nullptr; },
     "Sales\r\n"},
    {"ReportGroupClassCall",
     [](Module& module, Table* orders, ClassInvokation* call) -> FormInterface*
     {
         ApplicationReport* report = NewReport(module, orders);
         report->AddReportGroup(new ReportGroup(report, call));
         return report;
     },
     // The group goes with its call.
     [](FormInterface& page)
     { return dynamic_cast<ApplicationReport&>(page).GetReportGroups().empty(); },
     "Sales\r\n"},
    {"ReportGroupFilter",
     [](Module& module, Table* orders, ClassInvokation* call) -> FormInterface*
     {
         ApplicationReport* report = NewReport(module, orders);
         auto* group = new ReportGroup(report, nullptr);
         group->AddFilter(NewCallingControl(call));
         report->AddReportGroup(group);
         return report;
     },
     [](FormInterface& page)
     { return DataCallOf(FirstGroup(page)->GetFilters().front()) == nullptr; },
     "Sales\r\n"},
    {"DashBoardClassCall",
     [](Module& module, Table*, ClassInvokation* call) -> FormInterface*
     {
         auto* board = NewPage<DashBoard>("Board");
         board->SetClassInvokation(call);
         module.Append(board);
         return board;
     },
     {},
     "Used in DashBoard : Board\r\n",
     true},
    {"RDLCReportControl",
     [](Module& module, Table* orders, ClassInvokation* call) -> FormInterface*
     {
         auto* report = NewPage<RDLCReport>("Printout");
         report->SetTable(orders);
         report->AddFieldRep(NewCallingControl(call));
         module.Append(report);
         return report;
     },
     [](FormInterface& page) { return DataCallOf(page.GetFieldReps().front()) == nullptr; },
     "Used in RDLCReport : Printout\r\n"},
};

class TableClassCallTest : public ProjectDeletionTest,
                           public ::testing::WithParamInterface<ClassCallHolder>
{
};

TEST_P(TableClassCallTest, ATablesClassCallsNameTheirPagesAndGoWithIt)
{
    Class* dataClass = m_module->GetClassForTable(m_customer, true);
    auto* function = new Function;
    function->SetName("SelectAllRecords");
    function->SetClass(dataClass);
    dataClass->AddFunction(function);
    auto* call = new ClassInvokation;
    call->SetFunction(dataClass, function);
    FormInterface* page = GetParam().add(*m_module, m_orders, call);

    EXPECT_TRUE(m_project.DeleteTable(m_customer));

    EXPECT_EQ(Refusal("customer") + GetParam().usage + "_customer\r\n", DumpText());
    std::vector<FormInterface*> pages;
    m_module->GetAllPages(pages);
    const bool listed = std::ranges::find(pages, page) != pages.end();
    EXPECT_EQ(!GetParam().goes, listed);
    if (listed)
    {
        EXPECT_TRUE(GetParam().released(*page));
    }
}

INSTANTIATE_TEST_SUITE_P(Holders, TableClassCallTest, ::testing::ValuesIn(classCallHolders),
                         [](const ::testing::TestParamInfo<ClassCallHolder>& info)
                         { return std::string(info.param.name); });

} // namespace
