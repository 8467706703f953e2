#include "entities/ApplicationReport.h"
#include "entities/Class.h"
#include "entities/ClassInvokation.h"
#include "entities/DashBoard.h"
#include "entities/Form.h"
#include "entities/Function.h"
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
#include "model/RefField.h"
#include "model/Relation.h"
#include "model/Table.h"
#include "tests/entities/PageOperationsSupport.h"
#include "tests/entities/ReportTestSupport.h"
#include "tests/model/ModelBuilders.h"
#include "tests/support/ListedRelease.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <initializer_list>
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

    TheProjectDiagnostics().RemoveFieldReferences(m_price, nullptr);

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

    TheProjectDiagnostics().RemoveFieldReferences(m_price, nullptr);

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

    TheProjectDiagnostics().RemoveFieldReferences(m_price, nullptr);

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

    TheProjectDiagnostics().RemoveFieldReferences(m_price, nullptr);

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

// Whichever way a procedure lets go of a part it shares with its derived procedures, these
// hold only what it still holds and are named from its parameters.
TEST_F(FieldCascadeTest, DerivedProceduresShareOnlyWhatTheBaseKeepsAfterEveryRelease)
{
    struct Case
    {
        const char* name;
        std::function<void(Procedure&)> release;
        std::vector<CString> derivedNames;
    };
    const std::vector<Case> cases{
        {"joined table",
         [this](Procedure& base) { ReleaseListed(base, {m_customer}); },
         {"_All", "_Price"}},
        {"join field",
         [this](Procedure& base) { ReleaseListed(base, {m_customerRef}); },
         {"_All", "_Price"}},
        {"filtered field",
         [this](Procedure& base) { ReleaseListed(base, {m_price}); },
         {"_All", ""}},
        {"output column",
         [](Procedure& base) { base.RemoveOutputColumn(base.GetOutputColumns().front()); },
         {"_All", "_Price"}},
    };
    for (const Case& each : cases)
    {
        // On orders joining customer, with a column, a parameter and a filter of each of
        // customer_ref and Price, derived on the parameter of Price.
        Procedure base;
        base.SetName("PRC");
        base.SetMainTable(m_orders);
        base.AddTable(m_customer);
        for (Field* field : {m_customerRef, m_price})
        {
            base.AddOutputField(field);
            base.AddFieldParameter(field);
            base.AddFieldFilter(field);
        }
        auto* relation = new Relation;
        relation->SetFirstTable(m_orders);
        relation->SetSecondTable(m_customer);
        relation->AddJoinField(m_customerRef);
        base.AddRelation(relation);
        base.AddVariationVariable(base.GetFieldParameterVariableAt(1));
        base.CreateDerivedProcedures();

        each.release(base);

        std::vector<CString> names;
        for (const Procedure* derived : base.GetDerivedProcedures())
        {
            names.push_back(derived->GetName().Mid(3));
            EXPECT_EQ(base.GetTables(), derived->GetTables()) << each.name;
            EXPECT_EQ(base.GetRelations(), derived->GetRelations()) << each.name;
            EXPECT_EQ(base.GetOutputColumns(), derived->GetOutputColumns()) << each.name;
            for (const FieldFilter* filter : derived->GetFilters())
                EXPECT_NE(std::ranges::find(base.GetFilters(), filter), base.GetFilters().end())
                    << each.name;
        }
        EXPECT_EQ(each.derivedNames, names) << each.name;
    }
}

using FieldCascadeReportTest = ReportTest;

// The output column of the procedure that shows the field.
ProcedureFieldInfo* ColumnOf(Procedure& procedure, Field* field)
{
    return procedure.FindOutputColumnByField(field);
}

TEST_F(FieldCascadeReportTest, ReportLosesColumnsAndFiltersShowingTheField)
{
    ReportGroup* group = AddProcedureGroup(&m_procedure);
    ReportField* priceColumn = AddColumn(group, ColumnOf(m_procedure, m_price));
    ReportField* qtyColumn = AddColumn(group, ColumnOf(m_procedure, m_qty));
    AddFilter(group, m_price);
    FieldRep* qtyFilter = AddFilter(group, m_qty);
    ASSERT_NE(priceColumn, qtyColumn);
    UsageSet().AddFormInterface(&m_report);

    TheProjectDiagnostics().RemoveFieldReferences(m_price, nullptr);

    EXPECT_EQ(std::vector<ReportField*>{qtyColumn}, group->GetReportFields());
    EXPECT_EQ(std::vector<FieldRep*>{qtyFilter}, group->GetFilters());
}

// A column of the display field of the table a foreign key refers to goes with the key only
// where the group's procedure shows that row through the key: one on the key's table or joining
// by the key, not one on the referred table itself, which shows its own rows.
TEST_F(FieldCascadeReportTest, ReportLosesTheDisplayFieldColumnOnlyWhereTheKeyShowsIt)
{
    Table customer;
    customer.SetTableName("customer");
    Field* customerKey = NewField("customer_id", &customer, true);
    Field* customerName = NewField("name", &customer);
    customerName->SetFrontField(true);
    Field* customerRef = NewField("customer_ref", &m_table);
    customerRef->SetForeignField(customerKey);
    customerRef->SetForeignKey(true);
    struct Case
    {
        const char* name;
        Table* mainTable;
        bool joinsByKey;
        bool keepsName;
    };
    const Case cases[] = {
        {"on the key's table", &m_table, false, false},
        {"joining by the key", nullptr, true, false},
        {"on the referred table, joining by the key", &customer, true, true},
        {"on no table, not joining", nullptr, false, true},
    };
    for (const Case& test : cases)
    {
        Procedure procedure;
        procedure.SetMainTable(test.mainTable);
        procedure.AddOutputField(customerName);
        procedure.AddOutputField(m_price);
        if (test.joinsByKey)
        {
            auto* relation = new Relation;
            relation->AddJoinField(customerRef);
            procedure.AddRelation(relation);
        }
        ReportGroup* group = AddProcedureGroup(&procedure);
        ReportField* nameColumn = AddColumn(group, ColumnOf(procedure, customerName));
        ReportField* priceColumn = AddColumn(group, ColumnOf(procedure, m_price));
        UsageSet().AddFormInterface(&m_report);
        EXPECT_EQ(m_report.ShowsRowReferredBy(customerRef), !test.keepsName) << test.name;

        TheProjectDiagnostics().RemoveFieldReferences(customerRef, nullptr);

        const std::vector<ReportField*> left =
            test.keepsName ? std::vector<ReportField*>{nameColumn, priceColumn}
                           : std::vector<ReportField*>{priceColumn};
        EXPECT_EQ(left, group->GetReportFields()) << test.name;
        m_report.DeleteReportGroup(group);
    }
}

// The test's pages and procedures live in the base module of the open project.
class FieldCascadeProjectTest : public FieldCascadeTest
{
protected:
    OpenBaseModuleProject m_open;
    Module* m_module = &m_open.Base();
};

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

    TheProjectDiagnostics().RemoveFieldReferences(m_price, &m_open.Project());

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

    TheProjectDiagnostics().RemoveFieldReferences(m_price, &m_open.Project());

    EXPECT_TRUE(procedure->GetOutputColumns().empty());
    EXPECT_EQ(nullptr, lookup->GetFieldRepData()->GetFrontField());
    EXPECT_TRUE(UsageSet().GetProcedures().empty());
}

// The open project's base module holds the tables "customer" (with a field name) and
// "orders" (with a field customer_ref referring to customer_id); "customer" is deleted.
class TableCascadeTest : public PageOperationsTest
{
protected:
    TableCascadeTest()
    {
        m_module.AppendMasterTable(m_customer);
        m_module.AppendMasterTable(m_orders);
    }

    // A procedure of the module over the main table.
    Procedure* AddProcedure(const char* name, Table* mainTable)
    {
        auto* procedure = new Procedure;
        procedure->SetName(name);
        procedure->SetMainTable(mainTable);
        m_module.Append(procedure);
        UsageSet().AddProcedure(procedure);
        return procedure;
    }

    // A function of a class of the module, showing the fields.
    Function* AddFunction(const char* name, std::initializer_list<Field*> fields)
    {
        auto* function = new Function;
        function->SetName(name);
        for (Field* field : fields)
            function->AddOutputField(new ProcedureFieldInfo(field, 0));
        m_functions->AddFunction(function);
        UsageSet().AddFunction(function);
        return function;
    }

    // As the deletion of the table runs the cascade: with the pages on it found first.
    void RemoveCustomerReferences()
    {
        TheProjectDiagnostics().RemoveTableReferences(
            m_customer, Module::FindReportsOnTable({&m_module}, m_customer), &m_open.Project());
    }

    // A table of no module; it outlives the project, whose pages may show its fields.
    Table m_outside;
    OpenBaseModuleProject m_open;
    Module& m_module = m_open.Base();
    Table* m_customer = NewTable("customer", Table::masterKind, {"name"});
    Table* m_orders = NewTable("orders", Table::masterKind);
    Field* m_customerName = m_customer->FindFieldByName("name");
    Field* m_customerRef =
        AddVarcharField(m_orders, "customer_ref", m_customer->GetPrimaryKeyField());
    Class* m_functions = m_module.GetClassForTable(m_orders, true);
};

template <class T> bool Holds(const std::vector<T*>& list, const T* item)
{
    return std::find(list.begin(), list.end(), item) != list.end();
}

TEST_F(TableCascadeTest, PagesBuiltOnTheTableAreDeletedAndTheSetIsEmptied)
{
    Form* onCustomer = NewForm("CustomerForm", m_customer);
    Form* onOrders = NewForm("OrderForm", m_orders);
    auto* report = NewPage<ApplicationReport>("CustomerReport");
    report->SetTable(m_customer);
    auto* rdlcReport = NewPage<RDLCReport>("CustomerSheet");
    rdlcReport->SetTable(m_customer);
    m_module.Append(onCustomer);
    m_module.Append(onOrders);
    m_module.Append(report);
    m_module.Append(rdlcReport);
    for (FormInterface* page :
         std::initializer_list<FormInterface*>{onCustomer, onOrders, report, rdlcReport})
        UsageSet().AddFormInterface(page);
    const int depth = TheProjectDiagnostics().GetUsageSetDepth();

    RemoveCustomerReferences();

    EXPECT_EQ(std::vector<Form*>{onOrders}, m_module.GetMasterForms());
    EXPECT_TRUE(m_module.GetReports().empty());
    EXPECT_TRUE(m_module.GetRDLCReports().empty());
    EXPECT_TRUE(UsageSet().GetForms().empty());
    EXPECT_EQ(depth, TheProjectDiagnostics().GetUsageSetDepth());
}

TEST_F(TableCascadeTest, OtherPagesLetGoOfTheTable)
{
    Form* onOrders = NewForm("OrderForm", m_orders);
    AddControl(*onOrders, m_customerName);
    FieldRep* ownControl = AddControl(*onOrders, NewField("Notes", &m_outside));
    onOrders->AddRefField(new RefField(NewField("customer_label"), m_customer));
    auto* master = NewPage<Transaction>("CustomerOrders");
    master->SetBasicTable(m_customer);
    auto* detail = NewPage<Transaction>("OrderLines");
    detail->SetBasicTable(m_orders);
    detail->AddDetailTable(m_customer);
    m_module.Append(onOrders);
    m_module.Append(master);
    m_module.Append(detail);
    for (FormInterface* page : std::initializer_list<FormInterface*>{onOrders, master, detail})
        UsageSet().AddFormInterface(page);

    RemoveCustomerReferences();

    EXPECT_EQ(std::vector<FieldRep*>{ownControl}, onOrders->GetFieldReps());
    EXPECT_TRUE(onOrders->GetRefFields().empty());
    EXPECT_EQ(std::vector<Transaction*>{detail}, m_module.GetTransactions());
    EXPECT_TRUE(detail->GetDetailTables().empty());
    EXPECT_EQ(m_orders, detail->GetBasicTable());
}

TEST_F(TableCascadeTest, AGraphOnTheTableGoesAndOneCallingAnotherClassKeepsItsCall)
{
    Class* customerClass = m_module.GetClassForTable(m_customer, true);
    auto* customerFunction = new Function;
    customerClass->AddFunction(customerFunction);
    auto* customerCall = new ClassInvokation;
    customerCall->SetFunction(customerClass, customerFunction);
    auto* onCustomer = NewPage<DashBoard>("CustomerBoard");
    onCustomer->SetClassInvokation(customerCall);
    auto* ordersCall = new ClassInvokation;
    ordersCall->SetFunction(m_functions, AddFunction("GetOrders", {m_customerRef}));
    auto* onOrders = NewPage<DashBoard>("OrderBoard");
    onOrders->SetClassInvokation(ordersCall);
    m_module.Append(onCustomer);
    m_module.Append(onOrders);
    UsageSet().AddFormInterface(onCustomer);
    UsageSet().AddFormInterface(onOrders);
    UsageSet().AddClass(customerClass);

    RemoveCustomerReferences();

    // The graph fed by the table's class alone goes, not left empty.
    EXPECT_EQ(std::vector<DashBoard*>{onOrders}, m_module.GetDashBoards());
    EXPECT_EQ(ordersCall, onOrders->GetClassInvokation());
    EXPECT_EQ(nullptr, customerClass->GetTable());
    EXPECT_EQ(m_orders, m_functions->GetTable());
}

TEST_F(TableCascadeTest, FunctionsLoseTheTableAndTheOutputFieldsOfItsFields)
{
    Function* own = AddFunction("OwnTable", {m_customerName, m_customerRef});
    own->SetTable(m_customer);
    Function* using_ = AddFunction("UsesTable", {m_customerName, m_customerRef});
    using_->AddUsedTable(m_customer);
    using_->AddUsedTable(m_orders);
    Function* showing = AddFunction("ShowsField", {m_customerName, m_customerRef});

    RemoveCustomerReferences();

    EXPECT_EQ(nullptr, own->GetTable());
    EXPECT_EQ(std::vector<Table*>{m_orders}, using_->GetUsedTables());
    for (const Function* function : {own, using_, showing})
    {
        EXPECT_FALSE(function->HasOutputField(m_customerName)) << function->GetFieldName();
        EXPECT_TRUE(function->HasOutputField(m_customerRef)) << function->GetFieldName();
    }
}

TEST_F(TableCascadeTest, ProceduresOnTheTableAreDeletedAndOthersLetGoOfIt)
{
    Procedure* onCustomer = AddProcedure("PRC_customer_SelectAll", m_customer);
    Procedure* joining = AddProcedure("PRC_orders_WithCustomer", m_orders);
    joining->AddTable(m_customer);
    auto* join = new Relation;
    join->SetFirstTable(m_orders);
    join->SetSecondTable(m_customer);
    join->AddJoinField(m_customerRef);
    joining->AddRelation(join);
    Procedure* untouched = AddProcedure("PRC_orders_SelectAll", m_orders);
    untouched->AddTable(m_orders);

    RemoveCustomerReferences();

    EXPECT_FALSE(Holds(m_module.GetProcedures(), onCustomer));
    EXPECT_TRUE(Holds(m_module.GetProcedures(), joining));
    EXPECT_TRUE(joining->GetTables().empty());
    EXPECT_TRUE(joining->GetRelations().empty());
    EXPECT_EQ(std::vector<Table*>{m_orders}, untouched->GetTables());
    EXPECT_TRUE(UsageSet().GetProcedures().empty());
}

// A removal check leaves its pages in the usage set; once their project is freed, a field of
// another project is removed without reaching them.
TEST_F(FieldCascadeTest, AFreedProjectTakesItsPagesOutOfTheUsageSet)
{
    {
        OpenBaseModuleProject open;
        Form* form = NewForm("OrderForm", m_orders);
        open.Base().Append(form);
        UsageSet().AddFormInterface(form);
    }
    int pages = 0;
    UsageSet().ForEachPage([&pages](FormInterface*) { ++pages; });
    EXPECT_EQ(0, pages);
    TheProjectDiagnostics().RemoveFieldReferences(m_price, nullptr);
}

} // namespace
