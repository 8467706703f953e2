#include "entities/ApplicationReport.h"
#include "entities/Form.h"
#include "entities/MapForm.h"
#include "entities/Procedure.h"
#include "entities/ProcedureFieldInfo.h"
#include "entities/RDLCReport.h"
#include "entities/ReportField.h"
#include "entities/ReportGroup.h"
#include "entities/Transaction.h"
#include "entities/Variable.h"
#include "model/EntityUsageSet.h"
#include "model/Field.h"
#include "model/FieldFilter.h"
#include "model/FieldRep.h"
#include "model/FieldRepData.h"
#include "model/ForgeonProject.h"
#include "model/Module.h"
#include "model/ProjectDiagnostics.h"
#include "model/Relation.h"
#include "model/Table.h"
#include "tests/entities/ReportTestSupport.h"
#include "tests/model/ModelBuilders.h"

#include <gtest/gtest.h>

#include <vector>

namespace
{
// The tables "customer" (customer_id, Is_Deleted, name) and "orders" (orders_id, Is_Deleted,
// customer_ref referring to customer_id, Price), both owned by the test.
class FieldCascadeTest : public PageOperationsTest
{
protected:
    FieldCascadeTest()
        : m_customer(NewTable("customer", Table::masterKind, {"name"})),
          m_orders(NewTable("orders", Table::masterKind)),
          m_customerKey(m_customer->GetPrimaryKeyField()),
          m_customerName(m_customer->FindFieldByName("name")),
          m_customerRef(AddVarcharField(m_orders, "customer_ref", m_customerKey)),
          m_price(AddVarcharField(m_orders, "Price"))
    {
    }

    ~FieldCascadeTest() override
    {
        delete m_orders;
        delete m_customer;
    }

    // A control of the page showing the field whose data has the given front field.
    static FieldRep* AddControlWithFront(FormInterface& page, Field* field, Field* front)
    {
        FieldRep* rep = AddControl(page, field);
        rep->GetFieldRepData()->SetFrontField(front);
        return rep;
    }

    Table* m_customer;
    Table* m_orders;
    Field* m_customerKey;
    Field* m_customerName;
    Field* m_customerRef;
    Field* m_price;
};

bool ShowsField(const std::vector<FieldRep*>& controls, const Field* field)
{
    for (const FieldRep* rep : controls)
    {
        if (rep->GetField() == field)
            return true;
    }
    return false;
}
} // namespace

TEST_F(FieldCascadeTest, ForeignKeyUsageListsTheReferringTableOnceAndRecordsIt)
{
    AddVarcharField(m_orders, "second_customer_ref", m_customerKey);
    CString text = "start\n";

    m_orders->CollectForeignKeyUsage(m_customerKey, text);
    m_customer->CollectForeignKeyUsage(m_customerKey, text);
    m_orders->CollectForeignKeyUsage(nullptr, text);

    EXPECT_EQ(CString("start\norders\n"), text);
    EXPECT_EQ(std::vector<Table*>{m_orders}, UsageSet().GetTables());
}

TEST_F(FieldCascadeTest, RecordedTablesLoseTheirForeignKeysAndTheSetIsEmptied)
{
    Table* unrecorded = NewTable("invoice", Table::masterKind);
    Field* invoiceRef = AddVarcharField(unrecorded, "customer_ref", m_customerKey);
    CString text;
    m_orders->CollectForeignKeyUsage(m_customerKey, text);

    TheProjectDiagnostics().RemoveFieldReferences(m_customerKey);

    EXPECT_EQ(nullptr, m_customerRef->GetForeignField());
    EXPECT_FALSE(m_customerRef->IsForeignKey());
    EXPECT_EQ(m_customerKey, invoiceRef->GetForeignField());
    EXPECT_TRUE(UsageSet().GetTables().empty());
    delete unrecorded;
}

TEST_F(FieldCascadeTest, PagesDeleteControlsOfTheFieldAndClearItAsFrontField)
{
    Form form;
    form.SetTable(m_orders);
    AddControl(form, m_price);
    FieldRep* lookup = AddControlWithFront(form, m_customerRef, m_price);
    Transaction transaction;
    AddControl(transaction, m_price);
    Variable* variable = NewVariable("Price_Var");
    form.AddFieldVariableMap(new FieldVariableMap{m_price, variable});
    UsageSet().AddFormInterface(&form);
    UsageSet().AddFormInterface(&transaction);

    TheProjectDiagnostics().RemoveFieldReferences(m_price);

    EXPECT_EQ(std::vector<FieldRep*>{lookup}, form.GetFieldReps());
    EXPECT_EQ(nullptr, lookup->GetFieldRepData()->GetFrontField());
    EXPECT_TRUE(transaction.GetFieldReps().empty());
    // The map stays with its variable, which others may name, but no longer holds the field.
    ASSERT_EQ(1u, form.GetFieldVariableMaps().size());
    EXPECT_EQ(nullptr, form.GetFieldVariableMaps()[0]->field);
    EXPECT_EQ(variable, form.GetFieldVariableMaps()[0]->variable);
    EXPECT_TRUE(UsageSet().GetForms().empty());
}

TEST_F(FieldCascadeTest, MapFormLetsGoOfTheControlItSharesAndTheFormDeletesIt)
{
    Form form;
    form.SetTable(m_orders);
    AddControl(form, m_price);
    MapForm mapForm;
    mapForm.SetBottomMasterForm(&form);
    ASSERT_TRUE(ShowsField(mapForm.GetFieldReps(), m_price));
    auto* ownInput = new FieldRep(m_price);
    ownInput->AttachFieldRepData(new FieldRepData);
    mapForm.AddTopInputFieldRep(ownInput);
    mapForm.AddTopField(m_price);
    UsageSet().AddFormInterface(&form);
    UsageSet().AddFormInterface(&mapForm);

    TheProjectDiagnostics().RemoveFieldReferences(m_price);

    EXPECT_FALSE(ShowsField(form.GetFieldReps(), m_price));
    EXPECT_FALSE(ShowsField(mapForm.GetFieldReps(), m_price));
    EXPECT_TRUE(mapForm.GetTopInputFieldReps().empty());
    EXPECT_FALSE(mapForm.HasField(m_price));
}

TEST_F(FieldCascadeTest, RDLCReportDropsControlsAndAdapterParametersOfTheField)
{
    RDLCReport report;
    AddControl(report, m_price);
    report.AddTableAdapterMap(TableAdapterMap{nullptr, {{"@p1", m_price}, {"@p2", m_price}}});
    report.AddTableAdapterMap(TableAdapterMap{nullptr, {{"@p3", m_customerRef}}});
    UsageSet().AddFormInterface(&report);

    TheProjectDiagnostics().RemoveFieldReferences(m_price);

    EXPECT_TRUE(report.GetFieldReps().empty());
    ASSERT_EQ(2u, report.GetTableAdapterMaps().size());
    EXPECT_TRUE(report.GetTableAdapterMaps()[0].m_pairs.empty());
    EXPECT_EQ(1u, report.GetTableAdapterMaps()[1].m_pairs.size());
}

TEST_F(FieldCascadeTest, ProcedureLosesColumnParameterFilterAndRelationsOfTheField)
{
    Procedure procedure;
    procedure.SetMainTable(m_orders);
    procedure.AddOutputField(m_price);
    procedure.AddOutputField(m_customerRef);
    procedure.AddFieldParameter(m_price);
    procedure.AddFieldParameter(m_customerRef);
    procedure.AddFieldFilter(m_price);
    procedure.AddFieldFilter(m_customerRef);
    auto* throughPrice = new Relation;
    throughPrice->SetFirstTable(m_orders);
    throughPrice->AddJoinField(m_price);
    auto* throughKey = new Relation;
    throughKey->SetFirstTable(m_orders);
    throughKey->AddJoinField(m_customerRef);
    procedure.AddRelation(throughPrice);
    procedure.AddRelation(throughKey);
    Variable* priceVariable = procedure.GetFieldParameterVariableAt(0);
    procedure.AddVariationVariable(priceVariable);
    procedure.CreateDerivedProcedures();
    UsageSet().AddProcedure(&procedure);

    TheProjectDiagnostics().RemoveFieldReferences(m_price);

    EXPECT_FALSE(procedure.HasOutputField(m_price));
    EXPECT_TRUE(procedure.HasOutputField(m_customerRef));
    ASSERT_EQ(2u, procedure.GetFieldParameters().size());
    EXPECT_EQ(nullptr, procedure.GetFieldParameters()[0].field);
    EXPECT_EQ(priceVariable, procedure.GetFieldParameters()[0].variable);
    EXPECT_EQ(m_customerRef, procedure.GetFieldParameters()[1].field);
    EXPECT_EQ(nullptr, procedure.FindFieldFilterByField(m_price));
    EXPECT_NE(nullptr, procedure.FindFieldFilterByField(m_customerRef));
    EXPECT_EQ(std::vector<Relation*>{throughKey}, procedure.GetRelations());
    // The derived procedures share the base's lists and are made again from them.
    ASSERT_FALSE(procedure.GetDerivedProcedures().empty());
    for (const Procedure* derived : procedure.GetDerivedProcedures())
    {
        EXPECT_EQ(procedure.GetOutputColumns(), derived->GetOutputColumns());
        EXPECT_EQ(procedure.GetRelations(), derived->GetRelations());
    }
}

namespace
{
using FieldCascadeReportTest = ReportTest;

// The output column of the procedure that shows the field.
ProcedureFieldInfo* ColumnOf(Procedure& procedure, Field* field)
{
    return procedure.FindOutputColumnByField(field);
}
} // namespace

TEST_F(FieldCascadeReportTest, ReportLosesColumnsAndFiltersShowingTheField)
{
    ReportGroup* group = AddProcedureGroup(&m_procedure);
    ReportField* priceColumn = AddColumn(group, ColumnOf(m_procedure, m_price));
    ReportField* qtyColumn = AddColumn(group, ColumnOf(m_procedure, m_qty));
    AddFilter(group, m_price);
    FieldRep* qtyFilter = AddFilter(group, m_qty);
    ASSERT_NE(priceColumn, qtyColumn);
    UsageSet().AddFormInterface(&m_report);

    TheProjectDiagnostics().RemoveFieldReferences(m_price);

    EXPECT_EQ(std::vector<ReportField*>{qtyColumn}, group->GetReportFields());
    EXPECT_EQ(std::vector<FieldRep*>{qtyFilter}, group->GetFilters());
}

TEST_F(FieldCascadeReportTest, ReportLosesTheColumnOfTheDisplayFieldAForeignKeyRefersTo)
{
    Table customer;
    customer.SetTableName("customer");
    Field* customerKey = NewField("customer_id", &customer, true);
    Field* customerName = NewField("name", &customer);
    customerName->SetFrontField(true);
    Field* customerRef = NewField("customer_ref", &m_table);
    customerRef->SetForeignField(customerKey);
    customerRef->SetForeignKey(true);
    m_procedure.AddOutputField(customerName);
    ReportGroup* group = AddProcedureGroup(&m_procedure);
    AddColumn(group, ColumnOf(m_procedure, customerName));
    ReportField* priceColumn = AddColumn(group, ColumnOf(m_procedure, m_price));
    UsageSet().AddFormInterface(&m_report);

    TheProjectDiagnostics().RemoveFieldReferences(customerRef);

    EXPECT_EQ(std::vector<ReportField*>{priceColumn}, group->GetReportFields());
}

namespace
{
// The test's pages and procedures live in the base module of the open project.
class FieldCascadeProjectTest : public FieldCascadeTest
{
protected:
    OpenBaseModuleProject m_open;
    Module* m_module = &m_open.Base();
};
} // namespace

TEST_F(FieldCascadeProjectTest, ReportVariableMapsOfTheFieldsVariableAreRemoved)
{
    Form* form = NewForm("OrderForm", m_orders);
    m_module->Append(form);
    Variable* pageVariable = NewVariable("Price_Var");
    form->AddFieldVariableMap(new FieldVariableMap{m_price, pageVariable});
    Variable* reportVariable = NewVariable("rep_Price");
    form->AddReportVariableMap(new ReportVariableMap{reportVariable, pageVariable});
    Variable* otherVariable = NewVariable("rep_other");
    form->AddReportVariableMap(new ReportVariableMap{otherVariable, otherVariable});
    UsageSet().AddFormInterface(form);
    const int depth = TheProjectDiagnostics().GetUsageSetDepth();

    TheProjectDiagnostics().RemoveFieldReferences(m_price);

    EXPECT_EQ(depth, TheProjectDiagnostics().GetUsageSetDepth());
    EXPECT_EQ(nullptr, form->GetReportVariableMapAt(0));
    ASSERT_NE(nullptr, form->GetReportVariableMapAt(1));
    EXPECT_EQ(otherVariable, form->GetReportVariableMapAt(1)->pageVariable);
    delete reportVariable;
    delete otherVariable;
}

TEST_F(FieldCascadeProjectTest, PagesUsingTheProceduresOutputColumnOfTheFieldLetGoOfIt)
{
    auto* procedure = new Procedure;
    procedure->SetName("PRC_orders_Select");
    procedure->SetMainTable(m_orders);
    procedure->AddOutputField(m_price);
    m_module->Append(procedure);
    Form* form = NewForm("OrderForm", m_orders);
    m_module->Append(form);
    FieldRep* lookup = AddControlWithFront(*form, m_customerRef, m_price);
    lookup->GetFieldRepData()->SetDataProcedure(CallOfProcedure(procedure));
    UsageSet().AddProcedure(procedure);

    TheProjectDiagnostics().RemoveFieldReferences(m_price);

    EXPECT_TRUE(procedure->GetOutputColumns().empty());
    EXPECT_EQ(nullptr, lookup->GetFieldRepData()->GetFrontField());
    EXPECT_TRUE(UsageSet().GetProcedures().empty());
}
