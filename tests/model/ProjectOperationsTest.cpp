#include "entities/ApplicationReport.h"
#include "entities/Class.h"
#include "entities/ClassInvokation.h"
#include "entities/Form.h"
#include "entities/Function.h"
#include "entities/MapForm.h"
#include "entities/Parameter.h"
#include "entities/Procedure.h"
#include "entities/RDLCInfo.h"
#include "entities/RDLCReport.h"
#include "entities/ReportGroup.h"
#include "entities/Transaction.h"
#include "model/Field.h"
#include "model/FieldRep.h"
#include "model/FieldRepData.h"
#include "model/ForgeonProject.h"
#include "model/Module.h"
#include "model/Table.h"
#include "tests/model/ModelBuilders.h"

#include <gtest/gtest.h>

#include <memory>

namespace
{
// A project of a base module and a second module, the second one current.
class ProjectOperationsTest : public ::testing::Test
{
protected:
    ProjectOperationsTest()
    {
        m_project.AddModule(m_base);
        m_project.AddModule(m_second);
        m_project.SetCurrentModule(m_second);
    }

    ForgeonProject m_project;
    Module* m_base = NewModule("BaseModule", 1);
    Module* m_second = NewModule("Module2", 2);
};

Procedure* NewProcedure(const char* name)
{
    auto* procedure = new Procedure;
    procedure->SetName(name);
    return procedure;
}

// A control whose data calls a function of two parameters with none mapped.
FieldRep* NewUnmappedControl(Field* field, Class& dataClass, Function& function)
{
    auto* call = new ClassInvokation;
    call->SetFunction(&dataClass, &function);
    auto* data = new FieldRepData;
    data->SetDataCall(call);
    auto* control = new FieldRep(field);
    control->SetFieldRepData(data);
    return control;
}
} // namespace

TEST_F(ProjectOperationsTest, DeletingTheCurrentModuleMakesTheBaseModuleCurrent)
{
    ASSERT_TRUE(m_project.DeleteModuleAt(1));

    EXPECT_EQ(1, m_project.GetModuleCount());
    EXPECT_EQ(m_base, m_project.GetCurrentModule());
}

TEST_F(ProjectOperationsTest, DeletingAnotherModuleKeepsTheCurrentOne)
{
    m_project.AddModule(NewModule("Module3", 3));

    ASSERT_TRUE(m_project.DeleteModuleAt(2));

    EXPECT_EQ(m_second, m_project.GetCurrentModule());
}

TEST_F(ProjectOperationsTest, DeletingTheCurrentBaseModuleMakesTheNextOneCurrent)
{
    m_project.SetCurrentModule(m_base);

    ASSERT_TRUE(m_project.DeleteModuleAt(0));

    EXPECT_EQ(m_second, m_project.GetBaseModule());
    EXPECT_EQ(m_second, m_project.GetCurrentModule());
}

TEST_F(ProjectOperationsTest, NameLookupsAskTheModulesInOrderWithTheirCaseRules)
{
    Procedure* first = NewProcedure("PRC_Customer_SelectAll");
    m_base->Append(first);
    m_second->Append(NewProcedure("PRC_Customer_SelectAll"));
    m_second->Append(NewPage<ApplicationReport>("CustomerReport"));
    m_second->Append(NewPage<Transaction>("Orders"));
    auto* basePage = NewPage<Form>("Customers");
    m_base->Append(basePage);
    m_second->Append(NewPage<Form>("Customers"));

    EXPECT_EQ(first, m_project.FindProcedureByName("PRC_Customer_SelectAll"));
    EXPECT_EQ(nullptr, m_project.FindProcedureByName("prc_customer_selectall"));
    EXPECT_TRUE(m_project.IsProcedureNameUsed("PRC_Customer_SelectAll"));
    EXPECT_FALSE(m_project.IsProcedureNameUsed("PRC_customer_SelectAll"));
    EXPECT_TRUE(m_project.IsReportNameUsed("customerreport"));
    EXPECT_FALSE(m_project.IsReportNameUsed("Customer"));
    EXPECT_TRUE(m_project.IsTransactionNameUsed("Orders"));
    EXPECT_FALSE(m_project.IsTransactionNameUsed("orders"));
    EXPECT_EQ(basePage, m_project.FindPageByName("Customers"));
    EXPECT_EQ(nullptr, m_project.FindPageByName("customers"));
}

TEST_F(ProjectOperationsTest, TableLookupsSearchEveryModule)
{
    Table* stock = NewTable("Stock", Table::mapKind);
    Table* order = NewTable("Order", Table::masterDetailKind);
    m_second->AppendMapTable(stock);
    m_second->AppendTransactionTable(order);
    auto* mapForm = NewPage<MapForm>("StockForm");
    mapForm->SetMappingTable(stock);
    m_second->Append(mapForm);
    auto* transaction = NewPage<Transaction>("Orders");
    transaction->SetBasicTable(order);
    m_second->Append(transaction);

    EXPECT_EQ(mapForm, m_project.FindMapFormByTable(stock));
    EXPECT_EQ(nullptr, m_project.FindMapFormByTable(order));
    EXPECT_EQ(nullptr, m_project.FindMapFormByTable(nullptr));
    EXPECT_EQ(transaction, m_project.FindTransactionByTableOrName(order, ""));
    EXPECT_EQ(transaction, m_project.FindTransactionByTableOrName(nullptr, "ORDERS"));
    EXPECT_EQ(nullptr, m_project.FindTransactionByTableOrName(order, "Invoices"));
}

TEST_F(ProjectOperationsTest, RDLCInfoUseLooksAtReportsOfEveryModule)
{
    auto info = std::make_unique<RDLCInfo>();
    auto* own = NewPage<RDLCReport>("own");
    own->SetRDLCInfo(info.get());
    m_base->Append(own);

    EXPECT_FALSE(m_project.IsRDLCInfoUsedByOtherReport(info.get(), own));
    auto* other = NewPage<RDLCReport>("other");
    other->SetRDLCInfo(info.get());
    m_second->Append(other);
    EXPECT_TRUE(m_project.IsRDLCInfoUsedByOtherReport(info.get(), own));
    // Reports without information are no users of a missing one.
    EXPECT_FALSE(m_project.IsRDLCInfoUsedByOtherReport(nullptr, own));
}

TEST_F(ProjectOperationsTest, UpdatePagesForTableRenamesTheMapFormInItsModule)
{
    Table* stock = NewTable("Stock", Table::mapKind);
    m_second->AppendMapTable(stock);
    auto* mapForm = NewPage<MapForm>("Inventory");
    mapForm->SetMappingTable(stock);
    m_second->Append(mapForm);

    m_project.UpdatePagesForTable(stock);

    EXPECT_EQ(CString("Stock_form"), mapForm->GetFormName());
}

TEST_F(ProjectOperationsTest, QualifyingFieldNamesAddsAndRemovesTheTablePrefix)
{
    Table* customer = NewTable("Customer", Table::masterKind, {"City"});
    m_second->AppendMasterTable(customer);
    Field* city = customer->GetFields().back();
    Table* order = NewTable("Order", Table::masterDetailKind, {"Order.Date"});
    m_base->AppendTransactionTable(order);
    Field* date = order->GetFields().back();

    m_project.QualifyFieldNames(true);
    EXPECT_EQ(CString("Customer.City"), city->GetFieldName());
    EXPECT_EQ(CString("Order.Date"), date->GetFieldName());

    m_project.QualifyFieldNames(false);
    EXPECT_EQ(CString("City"), city->GetFieldName());
    EXPECT_EQ(CString("Date"), date->GetFieldName());
}

TEST_F(ProjectOperationsTest, UnmappedParametersAreListedUnderOneHeadingPerKindOfPage)
{
    Class dataClass;
    Function function;
    function.SetName("SelectByCity");
    function.AddParameter(new Parameter);
    Table* customer = NewTable("Customer", Table::masterKind, {"City"});
    m_base->AppendMasterTable(customer);
    Field* city = customer->GetFields().back();
    for (Module* module : {m_base, m_second})
    {
        auto* form = NewPage<Form>(module == m_base ? "BaseForm" : "SecondForm");
        form->AddFieldRep(NewUnmappedControl(city, dataClass, function));
        module->Append(form);
    }
    auto* report = NewPage<ApplicationReport>("Search");
    auto* group = new ReportGroup;
    group->AddFilter(NewUnmappedControl(city, dataClass, function));
    report->AddReportGroup(group);
    m_second->Append(report);

    CString text;
    m_project.CollectUnmappedParameters(text);

    EXPECT_EQ(CString("Parameter mapping missing on following Master Form/s\n"
                      "1.BaseForm for function SelectByCity on form control City\n"
                      "2.SecondForm for function SelectByCity on form control City\n"
                      "Parameter mapping missing on following Search Report/s\n"
                      "1.Search for function SelectByCity on form control City\n"),
              text);
}
