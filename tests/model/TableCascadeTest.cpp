#include "entities/ApplicationReport.h"
#include "entities/Class.h"
#include "entities/ClassInvokation.h"
#include "entities/DashBoard.h"
#include "entities/Form.h"
#include "entities/Function.h"
#include "entities/Procedure.h"
#include "entities/ProcedureFieldInfo.h"
#include "entities/RDLCReport.h"
#include "entities/Transaction.h"
#include "model/EntityUsageSet.h"
#include "model/Field.h"
#include "model/ForgeonProject.h"
#include "model/Module.h"
#include "model/ProjectDiagnostics.h"
#include "model/RefField.h"
#include "model/Relation.h"
#include "model/Table.h"
#include "tests/entities/PageOperationsSupport.h"
#include "tests/model/ModelBuilders.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace
{
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

    void RemoveCustomerReferences() { TheProjectDiagnostics().RemoveTableReferences(m_customer); }

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
} // namespace

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
         {static_cast<FormInterface*>(onCustomer), static_cast<FormInterface*>(onOrders),
          static_cast<FormInterface*>(report), static_cast<FormInterface*>(rdlcReport)})
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
    for (FormInterface* page :
         {static_cast<FormInterface*>(onOrders), static_cast<FormInterface*>(master),
          static_cast<FormInterface*>(detail)})
        UsageSet().AddFormInterface(page);

    RemoveCustomerReferences();

    EXPECT_EQ(std::vector<FieldRep*>{ownControl}, onOrders->GetFieldReps());
    EXPECT_TRUE(onOrders->GetRefFields().empty());
    EXPECT_EQ(std::vector<Transaction*>{detail}, m_module.GetTransactions());
    EXPECT_TRUE(detail->GetDetailTables().empty());
    EXPECT_EQ(m_orders, detail->GetBasicTable());
}

TEST_F(TableCascadeTest, DashBoardDropsTheCallOfAClassBoundToTheTable)
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

    EXPECT_EQ(nullptr, onCustomer->GetClassInvokation());
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

TEST_F(TableCascadeTest, DeletingATableDeletesTheFormBuiltOnItAndLeavesTheSetEmpty)
{
    Form* onCustomer = NewForm("CustomerForm", m_customer);
    m_module.Append(onCustomer);

    EXPECT_TRUE(m_open.Project().DeleteTable(m_customer));

    EXPECT_TRUE(m_module.GetMasterForms().empty());
    EXPECT_EQ(std::vector<Table*>{m_orders}, m_module.GetMasterTables());
    EXPECT_TRUE(UsageSet().GetForms().empty());
    EXPECT_TRUE(UsageSet().GetTables().empty());
}
