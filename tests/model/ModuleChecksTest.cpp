#include "entities/ApplicationReport.h"
#include "entities/Form.h"
#include "entities/MapForm.h"
#include "entities/Procedure.h"
#include "entities/ProcedureInvokation.h"
#include "entities/ReportGroup.h"
#include "entities/Transaction.h"
#include "entities/UniquenessProcedureTable.h"
#include "entities/Variable.h"
#include "model/Field.h"
#include "model/FieldRep.h"
#include "model/FieldRepData.h"
#include "model/Module.h"
#include "model/ProjectDiagnostics.h"
#include "model/Relation.h"
#include "model/Table.h"
#include "tests/model/ModelBuilders.h"
#include "tests/model/ProjectRecordBytes.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{
// A module "Sales" with an empty error list; the diagnostics are put back afterwards.
class ModuleChecksTest : public ::testing::Test
{
protected:
    ModuleChecksTest() { TheProjectDiagnostics().ClearAll(); }

    static std::vector<std::string> Errors()
    {
        std::vector<std::string> errors;
        for (const CString& error : TheProjectDiagnostics().GetErrors())
            errors.emplace_back(error.str());
        return errors;
    }

    // A control of the kind on the page, its settings attached as they are.
    static FieldRep* AddControl(FormInterface* page, Field* field, int kind)
    {
        auto* control = new FieldRep(field);
        auto* data = new FieldRepData;
        data->SetControlKind(kind);
        control->AttachFieldRepData(data);
        page->AddFieldRep(control);
        return control;
    }

    static Procedure* NewProcedure(const char* name, Table* mainTable)
    {
        auto* procedure = new Procedure;
        procedure->SetName(name);
        procedure->SetMainTable(mainTable);
        return procedure;
    }

    static std::string Location(const char* pageKind, const char* page, const char* field)
    {
        return std::string("Module Name: Sales\n") + pageKind + " Name: " + page +
               "\nField Name: " + field;
    }

    DiagnosticsSnapshot m_diagnostics;
    Module m_module{"Sales"};
};

const std::string lookupText = "A front or back field in the fieldRep is not proper!\n\t";
const std::string radioText = "A display or value string in the fieldRep(radio button) is not "
                              "proper!\n\t";
} // namespace

TEST_F(ModuleChecksTest, LookupControlWithDataProcedureNeedsBothFrontAndBackField)
{
    Table* customer = NewTable("customer", Table::masterKind, {"region", "name"});
    Table* region = NewTable("region", Table::masterKind, {"title"});
    m_module.AppendMasterTable(customer);
    m_module.AppendMasterTable(region);
    Transaction* orders = NewPage<Transaction>("Orders");
    m_module.Append(orders);
    FieldRep* lookup =
        AddControl(orders, customer->FindFieldByName("region"), FieldRepData::ComboBox);
    lookup->GetFieldRepData()->SetDataProcedure(new ProcedureInvokation);
    lookup->GetFieldRepData()->SetFrontField(region->FindFieldByName("title"));

    m_module.CheckFieldRep(lookup, orders);
    EXPECT_EQ(
        (std::vector<std::string>{lookupText + Location("Transaction", "Orders", "region") + "\n"}),
        Errors());

    TheProjectDiagnostics().ClearAll();
    lookup->GetFieldRepData()->SetBackField(region->GetPrimaryKeyField());
    m_module.CheckFieldRep(lookup, orders);
    EXPECT_TRUE(Errors().empty());

    TheProjectDiagnostics().ClearAll();
    lookup->GetFieldRepData()->SetControlKind(FieldRepData::MultipleComboBox);
    lookup->GetFieldRepData()->SetFrontField(nullptr);
    m_module.CheckFieldRep(lookup, orders);
    EXPECT_EQ(1u, Errors().size());
}

TEST_F(ModuleChecksTest, LookupControlWithoutDataProcedurePassesWhateverItLacks)
{
    Table* customer = NewTable("customer", Table::masterKind, {"region"});
    m_module.AppendMasterTable(customer);
    Form* form = NewForm("Customers", customer);
    m_module.Append(form);
    FieldRep* lookup =
        AddControl(form, customer->FindFieldByName("region"), FieldRepData::ComboBox);

    m_module.CheckFieldRep(lookup, form);
    EXPECT_TRUE(Errors().empty());
}

TEST_F(ModuleChecksTest, RadioButtonsNeedAsManyDisplayTextsAsValues)
{
    Table* customer = NewTable("customer", Table::masterKind, {"status"});
    m_module.AppendMasterTable(customer);
    Form* form = NewForm("Customers", customer);
    m_module.Append(form);
    Field* status = customer->FindFieldByName("status");
    FieldRep* radio = AddControl(form, status, FieldRepData::RadioButton);
    radio->GetFieldRepData()->SetDisplayTexts("New,Open,Closed");
    radio->GetFieldRepData()->SetStoredValues("N,O");
    FieldRep* textBox = AddControl(form, status, FieldRepData::TextBox);
    textBox->GetFieldRepData()->SetDisplayTexts("New,Open,Closed");
    textBox->GetFieldRepData()->SetStoredValues("N,O");

    m_module.CheckFieldRep(radio, form);
    m_module.CheckFieldRep(textBox, form);
    // The location of this text ends after the field name.
    EXPECT_EQ((std::vector<std::string>{radioText + Location("Form", "Customers", "status")}),
              Errors());

    TheProjectDiagnostics().ClearAll();
    radio->GetFieldRepData()->SetStoredValues("N,O,C");
    m_module.CheckFieldRep(radio, form);
    EXPECT_TRUE(Errors().empty());
}

TEST_F(ModuleChecksTest, AllControlsAreCheckedFormsThenTransactionsThenMapFormsThenReportFilters)
{
    Table* customer = NewTable("customer", Table::masterKind, {"status"});
    Table* links = NewTable("customer_region", Table::mapKind, {"status"});
    m_module.AppendMasterTable(customer);
    m_module.AppendMapTable(links);
    Field* status = customer->FindFieldByName("status");
    const auto addRadio = [](FieldRep* control)
    {
        control->GetFieldRepData()->SetDisplayTexts("Yes");
        control->GetFieldRepData()->SetStoredValues("Y,N");
    };

    auto* report = NewPage<ApplicationReport>("Overview");
    auto* group = new ReportGroup;
    report->AddReportGroup(group);
    auto* filter = new FieldRep(status);
    filter->AttachFieldRepData(new FieldRepData);
    filter->GetFieldRepData()->SetControlKind(FieldRepData::RadioButton);
    group->AddFilter(filter);
    addRadio(filter);
    auto* mapForm = NewPage<MapForm>("Links");
    mapForm->SetMappingTable(links);
    addRadio(AddControl(mapForm, links->FindFieldByName("status"), FieldRepData::RadioButton));
    Transaction* orders = NewPage<Transaction>("Orders");
    addRadio(AddControl(orders, status, FieldRepData::RadioButton));
    Form* form = NewForm("Customers", customer);
    addRadio(AddControl(form, status, FieldRepData::RadioButton));
    m_module.Append(report);
    m_module.Append(mapForm);
    m_module.Append(orders);
    m_module.Append(form);

    m_module.CheckAllFieldReps();
    const std::vector<std::string> errors = Errors();
    ASSERT_EQ(4u, errors.size());
    EXPECT_EQ(radioText + Location("Form", "Customers", "status"), errors[0]);
    EXPECT_EQ(radioText + Location("Transaction", "Orders", "status"), errors[1]);
    EXPECT_EQ(radioText + Location("MapForm", "Links", "status"), errors[2]);
    EXPECT_NE(std::string::npos, errors[3].find(" Name: Overview\nField Name: status"));
}

TEST_F(ModuleChecksTest, ProcedureChecksFindMissingMainTableUnjoinableRelationsAndDerivations)
{
    Table* customer = NewTable("customer");
    Table* region = NewTable("region");
    Table* product = NewTable("product");
    AddVarcharField(customer, "region_ref", region->GetPrimaryKeyField());
    m_module.AppendMasterTable(customer);
    m_module.AppendMasterTable(region);
    m_module.AppendMasterTable(product);

    Procedure* orphan = NewProcedure("PRC_orphan", nullptr);
    Procedure* joined = NewProcedure("PRC_joined", customer);
    const auto addRelation = [joined](Table* first, Table* second)
    {
        auto* relation = new Relation;
        relation->SetFirstTable(first);
        relation->SetSecondTable(second);
        joined->AddRelation(relation);
    };
    addRelation(region, customer);  // customer refers to region: resolved
    addRelation(customer, product); // no key either way
    addRelation(customer, nullptr); // incomplete: not checked
    Procedure* varied = NewProcedure("PRC_varied", customer);
    varied->AddVariationVariable(new Variable);
    varied->AddVariationVariable(new Variable);
    for (int count = 0; count < 3; ++count)
        varied->AddDerivedProcedure(new Procedure);
    m_module.Append(orphan);
    m_module.Append(joined);
    m_module.Append(varied);

    m_module.CheckProcedures();
    EXPECT_EQ((std::vector<std::string>{
                  "Main Tables is not present for procedure\n\tPRC_orphan",
                  "Relation Tables are not having resolved primary keys\n\tPRC_joined",
                  "num derived procedure != 2^num Variating Params!\n\tPRC_varied\n\t"}),
              Errors());

    TheProjectDiagnostics().ClearAll();
    varied->AddDerivedProcedure(new Procedure);
    m_module.CheckProcedures();
    EXPECT_EQ(2u, Errors().size());

    for (Variable* variable : varied->GetVariationVariables())
        delete variable;
    varied->RemoveVariableAt(-1);
    TheProjectDiagnostics().ClearAll();
    m_module.CheckProcedures();
    EXPECT_EQ(2u, Errors().size());
}

TEST_F(ModuleChecksTest, ForeignKeyFieldsWithoutForeignFieldAreListedMasterTransactionThenMap)
{
    Table* customer = NewTable("customer", Table::masterKind, {"region"});
    Table* detail = NewTable("orders_detail", Table::masterDetailKind, {"item"});
    Table* links = NewTable("customer_product", Table::mapKind, {"product", "customer"});
    customer->FindFieldByName("region")->SetForeignKey(true);
    detail->FindFieldByName("item")->SetForeignKey(true);
    links->FindFieldByName("product")->SetForeignKey(true);
    links->FindFieldByName("customer")->SetForeignField(customer->GetPrimaryKeyField());
    links->FindFieldByName("customer")->SetForeignKey(true);
    m_module.AppendMapTable(links);
    m_module.AppendTransactionTable(detail);
    m_module.AppendMasterTable(customer);

    m_module.CheckForeignFields();
    const std::string text = "A field in the table is not having proper foreign field!\n\t";
    EXPECT_EQ((std::vector<std::string>{text + "customer - region", text + "orders_detail - item",
                                        text + "customer_product - product"}),
              Errors());
}

TEST_F(ModuleChecksTest, ReportGroupWhoseCallNamesNoProcedureIsReported)
{
    auto* report = NewPage<ApplicationReport>("Overview");
    auto* noCall = new ReportGroup;
    auto* emptyCall = new ReportGroup;
    emptyCall->SetProcedureCall(new ProcedureInvokation);
    auto* properCall = new ReportGroup;
    properCall->SetProcedureCall(new ProcedureInvokation);
    Procedure* procedure = NewProcedure("PRC_sales", nullptr);
    properCall->GetProcedureCall()->SetProcedure(procedure);
    report->AddReportGroup(noCall);
    report->AddReportGroup(emptyCall);
    report->AddReportGroup(properCall);
    m_module.Append(report);
    m_module.Append(procedure);

    m_module.CheckReportProcedures();
    EXPECT_EQ((std::vector<std::string>{"Procedure in report is not proper!\n\tOverview"}),
              Errors());
}

TEST_F(ModuleChecksTest, MapFormWithoutMappingTableIsInvalidAndCheckedNoFurther)
{
    auto* mapForm = NewPage<MapForm>("Links");
    m_module.Append(mapForm);
    auto* control = new FieldRep;
    auto* data = new FieldRepData;
    data->SetDataProcedure(new ProcedureInvokation);
    control->AttachFieldRepData(data);
    mapForm->AddFieldRep(control);

    m_module.ValidateMapForms();
    EXPECT_EQ((std::vector<std::string>{"Invalid Form!\n\t - Links"}), Errors());
}

TEST_F(ModuleChecksTest, MapFormReportsUnmappedReportVariablesAndAnOutOfStepBottomForm)
{
    Table* links = NewTable("customer_product", Table::mapKind, {"customer"});
    Table* product = NewTable("product", Table::masterKind, {"title", "price"});
    m_module.AppendMapTable(links);
    m_module.AppendMasterTable(product);
    auto* report = NewPage<ApplicationReport>("Prices");
    report->AddFieldVariableMap(
        new FieldVariableMap{product->FindFieldByName("price"), new Variable});
    m_module.Append(report);
    Form* productForm = NewForm("Products", product);
    AddControl(productForm, product->FindFieldByName("title"), FieldRepData::TextBox);
    m_module.Append(productForm);
    auto* mapForm = NewPage<MapForm>("Links");
    mapForm->SetMappingTable(links);
    mapForm->SetReport(report);
    mapForm->SetBottomMasterForm(productForm);
    m_module.Append(mapForm);

    m_module.ValidateMapForms();
    EXPECT_EQ((std::vector<std::string>{"Report variables are not mapped!\n\t - Links - "}),
              Errors());

    TheProjectDiagnostics().ClearAll();
    AddControl(productForm, product->FindFieldByName("price"), FieldRepData::TextBox);
    m_module.ValidateMapForms();
    EXPECT_EQ((std::vector<std::string>{
                  "Report variables are not mapped!\n\t - Links - ",
                  "Bottom Master Form field reps are not reflectiong properlyLinks"}),
              Errors());
}

TEST_F(ModuleChecksTest, PageValidationsRunOnEveryPageOfTheirKind)
{
    m_module.Append(NewForm("NoTable", nullptr));
    m_module.Append(NewPage<ApplicationReport>("Empty"));
    Table* basic = NewTable("orders_basic", Table::masterDetailKind);
    Table* detail = NewTable("orders_detail", Table::masterDetailKind, {"item"});
    m_module.AppendTransactionTable(basic);
    m_module.AppendTransactionTable(detail);
    auto* orders = NewPage<Transaction>("Orders");
    orders->SetBasicTable(basic);
    orders->AddDetailTable(detail);
    m_module.Append(orders);

    m_module.ValidateForms();
    m_module.ValidateReports();
    m_module.ValidateTransactions();
    EXPECT_EQ((std::vector<std::string>{
                  "Invalid Form!\n\t - NoTable", "Invalid Form!\n\t - Empty",
                  "Table is not having reference to basic table\n\tOrders\n\torders_detail"}),
              Errors());
}

TEST_F(ModuleChecksTest, ProcedureCallsAreCheckedOnTransactionsButNotOnMapForms)
{
    Table* customer = NewTable("customer");
    m_module.AppendMasterTable(customer);
    Procedure* procedure = NewProcedure("PRC_customer_Check", customer);
    m_module.Append(procedure);
    Variable unmapped;
    unmapped.SetName("stray_Var");
    const auto callWithStrayPair = [procedure, &unmapped, customer](FormInterface* page)
    {
        auto* call = new ProcedureInvokation;
        call->SetProcedure(procedure);
        call->AddVariablePair(new VariablePair{&unmapped, nullptr});
        page->AddUniquenessProcedureTable(new UniquenessProcedureTable(customer, call));
    };
    auto* orders = NewPage<Transaction>("Orders");
    callWithStrayPair(orders);
    auto* links = NewPage<MapForm>("Links");
    callWithStrayPair(links);
    m_module.Append(orders);
    m_module.Append(links);

    m_module.CheckProcedures();
    EXPECT_EQ((std::vector<CString>{"No field mapped with procedure variable\n\t Orders - in "
                                    "PRC_customer_Check\n\t\tstray_Var"}),
              TheProjectDiagnostics().GetWarnings());
    EXPECT_TRUE(Errors().empty());
}
