#include "entities/ApplicationReport.h"
#include "entities/Class.h"
#include "entities/Designation.h"
#include "entities/Form.h"
#include "entities/Function.h"
#include "entities/Menu.h"
#include "entities/Procedure.h"
#include "entities/ProcedureFieldInfo.h"
#include "entities/ProcedureInvokation.h"
#include "entities/ReportField.h"
#include "entities/ReportGroup.h"
#include "entities/Transaction.h"
#include "entities/UniquenessProcedureTable.h"
#include "model/EventRecmpFields.h"
#include "model/Field.h"
#include "model/FieldRep.h"
#include "model/FieldRepData.h"
#include "model/Table.h"
#include "tests/model/DeletionFixture.h"

#include <memory>

namespace
{
using ModuleUsageTest = DeletionFixture;

const char* const refusal = "Can not delete %s. It is used in following objects!\r\n";

std::string RefusalOf(const std::string& name)
{
    std::string text = refusal;
    text.replace(text.find("%s"), 2, name);
    return text;
}

EntityUsageSet& CurrentSet()
{
    return TheProjectDiagnostics().GetCurrentUsageSet();
}
} // namespace

TEST_F(ModuleUsageTest, AnEmptyUsageTextAllowsTheDeletionAndWritesNoDump)
{
    EXPECT_TRUE(m_module->ReportUsage("customer", ""));
    EXPECT_FALSE(DumpWritten());
}

TEST_F(ModuleUsageTest, EachRefusalReplacesTheDumpOfTheLastOneWithoutAMessageBox)
{
    EXPECT_FALSE(m_module->ReportUsage("name", "CustomerForm\n"));
    EXPECT_EQ(RefusalOf("name") + "CustomerForm\r\n", DumpText());
    EXPECT_FALSE(m_module->ReportUsage("customer", "PRC_customer_SelectAll\n"));
    EXPECT_EQ(RefusalOf("customer") + "PRC_customer_SelectAll\r\n", DumpText());
    EXPECT_TRUE(m_boxes.Shown().empty());
}

TEST_F(ModuleUsageTest, WithoutAnOpenProjectTheRefusalStandsAndNothingIsWritten)
{
    MainFrameAccess::SetProjectSource({});
    EXPECT_FALSE(m_module->ReportUsage("customer", "CustomerForm\n"));
    EXPECT_FALSE(DumpWritten());
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

    CString usage;
    m_module->CollectPageLinkUsage(form, usage);

    EXPECT_EQ(CString("Customers\ncustomer\n"), usage);
    const std::vector<MenuInterface*> expected{leaf, column};
    EXPECT_EQ(expected, CurrentSet().GetMenuItems());
}

TEST_F(ModuleUsageTest, ASubMenuIsDeletedFromItsParentAndAMenuOfNoListIsKept)
{
    auto* top = new Menu;
    auto* sub = new Menu;
    top->AddSubMenu(sub);
    m_module->Append(top);

    EXPECT_TRUE(m_module->DeleteMenu(sub));
    EXPECT_TRUE(top->GetSubMenus().empty());
    ASSERT_EQ(1u, m_module->GetMenus().size());

    // Deleting a menu the module does not hold would free memory it does not own.
    Menu loose;
    loose.SetName("Loose");
    EXPECT_FALSE(m_module->DeleteMenu(&loose));
    EXPECT_EQ(CString("Loose"), loose.GetName());

    EXPECT_TRUE(m_module->DeleteMenu(top));
    EXPECT_TRUE(m_module->GetMenus().empty());
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

TEST_F(ModuleUsageTest, DeletionsAnswerFalseAndFreeNothingForEntitiesOfOtherModules)
{
    const std::unique_ptr<Form> form(NewForm("Loose", nullptr));
    const std::unique_ptr<Procedure> procedure(new Procedure);
    const std::unique_ptr<ApplicationReport> report(NewPage<ApplicationReport>("Loose"));
    const std::unique_ptr<Transaction> transaction(NewPage<Transaction>("Loose"));
    const std::unique_ptr<Table> table(NewTable("loose"));
    const std::unique_ptr<Function> function(new Function);
    EXPECT_FALSE(m_module->DeleteMasterForm(form.get()));
    EXPECT_FALSE(m_module->DeleteProcedure(procedure.get()));
    EXPECT_FALSE(m_module->DeleteReport(report.get()));
    EXPECT_FALSE(m_module->DeleteTransaction(transaction.get()));
    EXPECT_FALSE(m_module->DeleteTable(table.get()));
    EXPECT_FALSE(m_module->DeleteClassFunction(function.get()));
}

TEST_F(ModuleUsageTest, AnOwnedEntityIsErasedFromItsListAndTheCopySlotForgetsIt)
{
    Table* customer = NewTable("customer");
    Table* product = NewTable("product");
    m_module->AppendMasterTable(customer);
    m_module->AppendMasterTable(product);
    m_module->SetPastedTable(customer);
    Form* form = NewForm("CustomerForm", nullptr);
    m_module->Append(form);
    m_module->SetPastedForm(form);

    EXPECT_TRUE(m_module->DeleteMasterForm(form));
    EXPECT_TRUE(m_module->GetMasterForms().empty());
    EXPECT_EQ(nullptr, m_module->TakePastedForm());
    EXPECT_TRUE(m_module->DeleteTable(customer));
    EXPECT_EQ(std::vector<Table*>{product}, m_module->GetMasterTables());
    EXPECT_EQ(nullptr, m_module->TakePastedTable());
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
    EXPECT_EQ(RefusalOf("name") + "Used for mapping or recomputation in:CustomerForm", DumpText());
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
    EXPECT_EQ(RefusalOf("name") + "Orders\r\n", DumpText());
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
