#include "entities/ApplicationReport.h"
#include "entities/AspFile.h"
#include "entities/DashBoard.h"
#include "entities/DashBoardCellInfo.h"
#include "entities/Form.h"
#include "entities/Grid.h"
#include "entities/GridCell.h"
#include "entities/MapForm.h"
#include "entities/Procedure.h"
#include "entities/ProcedureFieldInfo.h"
#include "entities/ProcedureInvokation.h"
#include "entities/RDLCInfo.h"
#include "entities/RDLCReport.h"
#include "entities/ReportField.h"
#include "entities/ReportGroup.h"
#include "entities/TableAdapter.h"
#include "entities/Transaction.h"
#include "entities/UniquenessProcedureTable.h"
#include "entities/Variable.h"
#include "entities/XSDInfo.h"
#include "model/EntityUsageSet.h"
#include "model/Field.h"
#include "model/FieldRep.h"
#include "model/FieldRepData.h"
#include "model/FieldVisibility.h"
#include "model/Module.h"
#include "model/ProjectDiagnostics.h"
#include "model/Relation.h"
#include "model/Table.h"
#include "model/VisibilityData.h"
#include "tests/model/DeletionFixture.h"
#include "tests/model/ModelBuilders.h"
#include "tests/model/ProjectRecordBytes.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{
// The error texts of the diagnostics.
std::vector<std::string> Errors()
{
    std::vector<std::string> errors;
    for (const CString& error : TheProjectDiagnostics().GetErrors())
        errors.emplace_back(error.str());
    return errors;
}

// A module "Sales" with an empty error list; the diagnostics are put back afterwards.
class ModuleChecksTest : public ::testing::Test
{
protected:
    ModuleChecksTest() { TheProjectDiagnostics().ClearAll(); }

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
    FieldRep* withoutProcedure =
        AddControl(orders, customer->FindFieldByName("region"), FieldRepData::ComboBox);
    lookup->GetFieldRepData()->SetDataProcedure(new ProcedureInvokation);
    lookup->GetFieldRepData()->SetFrontField(region->FindFieldByName("title"));

    m_module.CheckFieldRep(withoutProcedure, orders);
    m_module.CheckFieldRep(lookup, orders);
    EXPECT_EQ(
        (std::vector<std::string>{lookupText + Location("Transaction", "Orders", "region") + "\n"}),
        Errors());

    TheProjectDiagnostics().ClearAll();
    lookup->GetFieldRepData()->SetBackField(region->GetPrimaryKeyField());
    m_module.CheckFieldRep(lookup, orders);
    EXPECT_TRUE(Errors().empty());

    lookup->GetFieldRepData()->SetControlKind(FieldRepData::MultipleComboBox);
    lookup->GetFieldRepData()->SetFrontField(nullptr);
    m_module.CheckFieldRep(lookup, orders);
    EXPECT_EQ(1u, Errors().size());
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

TEST_F(ModuleChecksTest, MapFormsReportUnmappedReportVariablesOutOfStepBottomFormsOrNoMapping)
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
    // Without a mapping table nothing further is checked.
    auto* bare = NewPage<MapForm>("Bare");
    bare->SetReport(report);
    auto* control = new FieldRep;
    auto* data = new FieldRepData;
    data->SetDataProcedure(new ProcedureInvokation);
    control->AttachFieldRepData(data);
    bare->AddFieldRep(control);
    m_module.Append(bare);

    m_module.ValidateMapForms();
    EXPECT_EQ((std::vector<std::string>{"Report variables are not mapped!\n\t - Links - ",
                                        "Invalid Form!\n\t - Bare"}),
              Errors());

    TheProjectDiagnostics().ClearAll();
    AddControl(productForm, product->FindFieldByName("price"), FieldRepData::TextBox);
    m_module.ValidateMapForms();
    EXPECT_EQ(
        (std::vector<std::string>{"Report variables are not mapped!\n\t - Links - ",
                                  "Bottom Master Form field reps are not reflectiong properlyLinks",
                                  "Invalid Form!\n\t - Bare"}),
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

// A customer table with a select procedure P showing the name column and a second procedure Q
// on the same table; pages are added by the tests.
class ModuleChecksUsageTest : public DeletionFixture
{
protected:
    ModuleChecksUsageTest()
    {
        TheProjectDiagnostics().ClearAll();
        m_customer = NewTable("customer", Table::masterKind, {"name", "region"});
        m_name = m_customer->FindFieldByName("name");
        m_region = m_customer->FindFieldByName("region");
        m_module->AppendMasterTable(m_customer);
        m_selectAll = NewProcedure("PRC_customer_SelectAll");
        m_column = new ProcedureFieldInfo(m_name, ProcedureFieldInfo::noAggregate);
        m_selectAll->AddOutputColumn(m_column);
        m_other = NewProcedure("PRC_customer_Other");
    }

    Procedure* NewProcedure(const char* name)
    {
        auto* procedure = new Procedure;
        procedure->SetName(name);
        procedure->SetMainTable(m_customer);
        m_module->Append(procedure);
        return procedure;
    }

    static ProcedureInvokation* CallOf(Procedure* procedure)
    {
        auto* call = new ProcedureInvokation;
        call->SetProcedure(procedure);
        return call;
    }

    // A lookup control of the region whose data procedure calls the procedure and shows the
    // field as front field.
    FieldRep* AddLookup(FormInterface* page, Procedure* procedure, Field* front)
    {
        auto* control = new FieldRep(m_region);
        auto* data = new FieldRepData;
        data->SetControlKind(FieldRepData::ComboBox);
        if (procedure != nullptr)
            data->SetDataProcedure(CallOf(procedure));
        data->SetFrontField(front);
        control->AttachFieldRepData(data);
        page->AddFieldRep(control);
        return control;
    }

    // A visibility rule of a page file of the page that reads the column through the procedure.
    AspFile* AddVisibilityRule(FormInterface* page, Procedure* procedure)
    {
        AspFile* file = AddPageFile(page);
        auto* visibility = new FieldVisibility(m_region);
        auto* data = new VisibilityData;
        data->SetDataProcedure(CallOf(procedure));
        data->SetResultField(m_column);
        visibility->SetVisibilityData(data);
        file->AddFieldVisibility(visibility);
        return file;
    }

    // A report whose group calls the procedure, with a column bound to the output column.
    ApplicationReport* AddReportShowingColumn(const char* name, Procedure* procedure)
    {
        auto* report = NewPage<ApplicationReport>(name);
        auto* group = new ReportGroup;
        group->SetProcedureCall(CallOf(procedure));
        group->AddReportField(new ReportField(m_column));
        report->AddReportGroup(group);
        m_module->Append(report);
        return report;
    }

    ApplicationReport* AddReportFilteringOn(const char* name, Field* field)
    {
        auto* report = NewPage<ApplicationReport>(name);
        auto* group = new ReportGroup;
        report->AddReportGroup(group);
        auto* filter = new FieldRep(field);
        filter->AttachFieldRepData(new FieldRepData);
        group->AddFilter(filter);
        m_module->Append(report);
        return report;
    }

    DashBoard* AddDashBoardShowingColumn(const char* name)
    {
        auto* dashBoard = NewPage<DashBoard>(name);
        auto* grid = new Grid(1, 1);
        auto* cell = new DashBoardCellInfo(false);
        cell->AddDisplayField(m_column, "Name");
        grid->GetRows().front().front()->SetCellData(cell, GridCell::kDashBoardCellInfo);
        dashBoard->SetGrid(grid);
        m_module->Append(dashBoard);
        return dashBoard;
    }

    static EntityUsageSet& CurrentSet() { return TheProjectDiagnostics().GetCurrentUsageSet(); }

    Table* m_customer = nullptr;
    Field* m_name = nullptr;
    Field* m_region = nullptr;
    Procedure* m_selectAll = nullptr;
    ProcedureFieldInfo* m_column = nullptr;
    Procedure* m_other = nullptr;
};

const std::string used = "Procedure Field is used in ";

TEST_F(ModuleChecksUsageTest, ColumnUsesAreSoughtInEveryPageKindInTheirOrder)
{
    // Appended in the reverse of the expected order.
    AddReportFilteringOn("FilteredReport", m_name);
    ApplicationReport* showing = AddReportShowingColumn("ShowingReport", m_selectAll);
    AddReportShowingColumn("OtherReport", m_other);
    DashBoard* board = AddDashBoardShowingColumn("Board");
    auto* orders = NewPage<Transaction>("Orders");
    m_module->Append(orders);
    AddLookup(orders, m_other, m_name);
    AddVisibilityRule(orders, m_selectAll);
    auto* links = NewPage<MapForm>("Links");
    links->SetMappingTable(m_customer);
    m_module->Append(links);
    AddLookup(links, m_selectAll, m_name);
    AddVisibilityRule(links, m_selectAll);
    Form* form = NewForm("Customers", m_customer);
    m_module->Append(form);
    AddLookup(form, m_selectAll, m_region);
    AddLookup(form, m_selectAll, m_name);
    AddVisibilityRule(form, m_selectAll);

    m_module->CheckProcedureFieldUse(m_selectAll, m_column);
    EXPECT_EQ(
        (std::vector<std::string>{used + "Customers", used + "Customers as VisibilityData",
                                  used + "Links", used + "Orders as VisibilityData", used + "Board",
                                  used + "FilteredReport", used + "ShowingReport"}),
        Errors());
    EXPECT_EQ((std::vector<Form*>{form}), CurrentSet().GetForms());
    EXPECT_TRUE(CurrentSet().GetTransactions().empty());
    EXPECT_EQ((std::vector<MapForm*>{links}), CurrentSet().GetMapForms());
    EXPECT_EQ((std::vector<DashBoard*>{board}), CurrentSet().GetDashBoards());
    ASSERT_EQ(2u, CurrentSet().GetReports().size());
    EXPECT_EQ(showing, CurrentSet().GetReports()[1]);
}

// Filters on the column's field are not uses of the column: they stay.
TEST_F(ModuleChecksUsageTest, ReleasingAColumnClearsEveryUseOfItThatTheCheckFinds)
{
    Form* form = NewForm("Customers", m_customer);
    m_module->Append(form);
    FieldRep* formLookup = AddLookup(form, m_selectAll, m_name);
    AspFile* formFile = AddVisibilityRule(form, m_selectAll);
    auto* links = NewPage<MapForm>("Links");
    links->SetMappingTable(m_customer);
    m_module->Append(links);
    FieldRep* mapLookup = AddLookup(links, m_selectAll, m_name);
    AspFile* mapFile = AddVisibilityRule(links, m_selectAll);
    auto* orders = NewPage<Transaction>("Orders");
    m_module->Append(orders);
    FieldRep* otherLookup = AddLookup(orders, m_other, m_name);
    ApplicationReport* filtered = AddReportFilteringOn("FilteredReport", m_name);
    ApplicationReport* showing = AddReportShowingColumn("ShowingReport", m_selectAll);
    ApplicationReport* other = AddReportShowingColumn("OtherReport", m_other);
    AddDashBoardShowingColumn("Board");

    Module::ReleaseReferences({m_module}, {m_column});
    EXPECT_EQ(nullptr, formLookup->GetFieldRepData()->GetFrontField());
    EXPECT_TRUE(formFile->GetFieldVisibilities().empty());
    EXPECT_EQ(nullptr, mapLookup->GetFieldRepData()->GetFrontField());
    EXPECT_TRUE(mapFile->GetFieldVisibilities().empty());
    EXPECT_EQ(m_name, otherLookup->GetFieldRepData()->GetFrontField());
    EXPECT_EQ(1u, filtered->GetReportGroups().front()->GetFilters().size());
    EXPECT_TRUE(showing->GetReportGroups().front()->GetReportFields().empty());
    EXPECT_TRUE(other->GetReportGroups().front()->GetReportFields().empty());
    EXPECT_TRUE(Errors().empty());

    m_module->CheckProcedureFieldUse(m_selectAll, m_column);
    EXPECT_EQ((std::vector<std::string>{used + "FilteredReport"}), Errors());
}

TEST_F(ModuleChecksUsageTest, FunctionFieldIsSoughtInFormsTransactionsAndReportFiltersOnly)
{
    AddReportFilteringOn("FilteredReport", m_name);
    AddReportFilteringOn("RegionReport", m_region);
    auto* links = NewPage<MapForm>("Links");
    links->SetMappingTable(m_customer);
    m_module->Append(links);
    AddLookup(links, nullptr, m_name);
    auto* orders = NewPage<Transaction>("Orders");
    m_module->Append(orders);
    AddLookup(orders, nullptr, nullptr)->GetFieldRepData()->SetBackField(m_name);
    Form* form = NewForm("Customers", m_customer);
    m_module->Append(form);
    AddLookup(form, nullptr, m_name);
    AddDashBoardShowingColumn("Board");

    m_module->CheckFunctionFieldUse(nullptr, m_name);
    const std::string text = "Function Field is used in ";
    EXPECT_EQ(
        (std::vector<std::string>{text + "Customers", text + "Orders", text + "FilteredReport"}),
        Errors());
    EXPECT_EQ((std::vector<Form*>{form}), CurrentSet().GetForms());
    EXPECT_EQ((std::vector<Transaction*>{orders}), CurrentSet().GetTransactions());
    EXPECT_EQ(1u, CurrentSet().GetReports().size());
    EXPECT_TRUE(CurrentSet().GetMapForms().empty());
}

TEST_F(ModuleChecksUsageTest, AUsedReportDescriptionIsReportedAndDroppedByItsUsersOnly)
{
    RDLCInfo used;
    used.SetName("BaseModule\\Printout.rdlc");
    RDLCInfo unused;
    unused.SetName("BaseModule\\Other.rdlc");
    auto* printout = NewPage<RDLCReport>("Printout");
    printout->SetRDLCInfo(&used);
    m_module->Append(printout);

    EXPECT_TRUE(m_module->CanDeleteRDLCInfo(&unused));
    EXPECT_FALSE(DumpWritten());
    EXPECT_EQ(&used, printout->GetRDLCInfo());

    EXPECT_TRUE(m_module->CanDeleteRDLCInfo(&used));
    EXPECT_EQ(0u, DumpText().find("Can not delete BaseModule\\Printout.rdlc. It is used in "
                                  "following objects!"));
    EXPECT_NE(std::string::npos, DumpText().find("Printout"));
    EXPECT_EQ(nullptr, printout->GetRDLCInfo());
}

TEST_F(ModuleChecksUsageTest, AUsedDatasetDescriptionLeavesTheReportsThatMapItsAdapters)
{
    XSDInfo dataset;
    dataset.SetFilePath("BaseModule\\Printout.xsd");
    auto* adapter = new TableAdapter;
    adapter->SetName("customerTableAdapter");
    dataset.AddTableAdapter(adapter);
    auto* printout = NewPage<RDLCReport>("Printout");
    printout->SetXSDInfo(&dataset);
    printout->AddTableAdapterMap(TableAdapterMap{adapter, {ColumnFieldPair{"name", m_name}}});
    m_module->Append(printout);

    EXPECT_TRUE(m_module->CanDeleteXSDInfo(&dataset));
    EXPECT_EQ(0u, DumpText().find("Can not delete BaseModule\\Printout.xsd."));
    EXPECT_TRUE(printout->GetTableAdapterMaps().empty());
    EXPECT_EQ(nullptr, printout->GetXSDInfo());
}

} // namespace
