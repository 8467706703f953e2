#include "entities/ApplicationReport.h"
#include "entities/Class.h"
#include "entities/Form.h"
#include "entities/Function.h"
#include "entities/MapForm.h"
#include "entities/Parameter.h"
#include "entities/Procedure.h"
#include "entities/ProcedureFieldInfo.h"
#include "entities/ProcedureInvokation.h"
#include "entities/ReportField.h"
#include "entities/ReportFieldControlProperty.h"
#include "entities/ReportGroup.h"
#include "entities/Transaction.h"
#include "entities/Variable.h"
#include "model/Field.h"
#include "model/Module.h"
#include "model/ModuleLoadPasses.h"
#include "model/Table.h"
#include "tests/model/ModelBuilders.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace
{
using NameList = std::vector<CString>;

// The name of each item of the list, in list order.
template <class List, class NameOf> NameList Collect(const List& list, NameOf nameOf)
{
    NameList names;
    for (const auto& item : list)
        names.push_back(nameOf(item));
    return names;
}

CString NameOfColumn(const ProcedureFieldInfo* column)
{
    return column->GetField()->GetFieldName();
}

NameList ProcedureColumnNames(const Procedure* procedure)
{
    return Collect(procedure->GetOutputColumns(), NameOfColumn);
}

NameList ParameterNames(const Procedure* procedure)
{
    return Collect(procedure->GetFieldParameters(), [](const FieldVariableMap& parameter)
                   { return parameter.field->GetFieldName(); });
}

NameList ProcedureNames(const Module& module)
{
    return Collect(module.GetProcedures(), [](const Procedure* p) { return p->GetName(); });
}

NameList ParameterNames(const Function* function)
{
    return Collect(function->GetParameters(), [](const Parameter* p) { return p->GetFieldName(); });
}

NameList FunctionNames(const Class* dataClass)
{
    return Collect(dataClass->GetFunctions(), [](const Function* f) { return f->GetFieldName(); });
}

NameList OutputNames(const Function* function)
{
    return Collect(function->GetOutputFields(), NameOfColumn);
}

class DefaultProceduresTest : public ::testing::Test
{
protected:
    Table* AddMasterTable(const char* name, std::initializer_list<const char*> fields = {})
    {
        Table* table = NewTable(name, Table::masterKind, fields);
        m_module.AppendMasterTable(table);
        return table;
    }
    Table* AddDetailKindTable(const char* name, std::initializer_list<const char*> fields = {})
    {
        Table* table = NewTable(name, Table::masterDetailKind, fields);
        m_module.AppendTransactionTable(table);
        return table;
    }
    // A transaction over the basic table whose detail tables each get a link field to it.
    Transaction* AddTransaction(const char* name, Table* basic, std::vector<Table*> details,
                                bool named)
    {
        auto* transaction = NewPage<Transaction>(name);
        transaction->SetCustomProcedureNames(named);
        transaction->SetBasicTable(basic);
        for (Table* detail : details)
        {
            AddVarcharField(detail, "Order_ref", basic->GetPrimaryKeyField());
            transaction->AddDetailTable(detail);
        }
        m_module.Append(transaction);
        return transaction;
    }
    Procedure* Find(const char* name) { return m_module.FindProcedureByName(name); }

    Module m_module{"Main"};
};

TEST_F(DefaultProceduresTest,
       WriteProceduresOfMasterTableLeaveOutDeletedFlagAndDeleteHoldsOnlyTheKey)
{
    Table* item = AddMasterTable("Item", {"Title", "Price"});
    m_module.CreateTableWriteProcedure(item, true);
    m_module.CreateTableWriteProcedure(item, false);
    m_module.CreateTableWriteProcedure(item, false);
    m_module.CreateDeleteProcedure(item, "");
    m_module.CreateDeleteProcedure(item, "");
    m_module.CreateDeleteProcedure(item, "PRC_Stock_Delete");

    EXPECT_EQ(ProcedureNames(m_module), (NameList{"PRC_Item_Delete", "PRC_Item_Insert",
                                                  "PRC_Item_Update", "PRC_Stock_Delete"}));
    Procedure* insert = Find("PRC_Item_Insert");
    EXPECT_EQ(insert->GetMainTable(), item);
    EXPECT_EQ(insert->GetKind(), Procedure::standardKind);
    EXPECT_FALSE(insert->GetCustomNameFlag());
    EXPECT_TRUE(insert->IsInsertProcedure());
    EXPECT_EQ(ProcedureColumnNames(insert), (NameList{"Title", "Price"}));
    EXPECT_EQ(ParameterNames(insert), (NameList{"Title", "Price"}));
    EXPECT_EQ(ProcedureColumnNames(Find("PRC_Item_Update")),
              (NameList{"Item_id", "Title", "Price"}));
    EXPECT_EQ(ParameterNames(Find("PRC_Item_Update")), (NameList{"Item_id", "Title", "Price"}));
    Procedure* remove = Find("PRC_Item_Delete");
    EXPECT_FALSE(remove->GetCustomNameFlag());
    EXPECT_EQ(ProcedureColumnNames(remove), (NameList{"Item_id"}));
    EXPECT_EQ(ParameterNames(remove), (NameList{"Item_id"}));
    Procedure* named = Find("PRC_Stock_Delete");
    EXPECT_TRUE(named->GetCustomNameFlag());
    EXPECT_TRUE(named->GetProcedureText().IsEmpty());
    EXPECT_EQ(named->GetMainTable(), item);
    EXPECT_TRUE(named->IsDeleteProcedure());
}

TEST_F(DefaultProceduresTest, ExistenceTestsMatchExactNameKindAndTable)
{
    Table* item = AddMasterTable("Item");
    Table* other = AddMasterTable("Other");
    m_module.AddProcedure(new Procedure(item, false));
    auto* last = new Procedure;
    last->InitSelectLastRecord(item);
    m_module.AddProcedure(last);
    auto* custom = new Procedure;
    custom->SetMainTable(item);
    custom->SetName("PRC_Item_SelectAll");
    m_module.AddProcedure(custom);
    auto* renamed = new Procedure(other, true);
    renamed->SetName("Others_Listed");
    m_module.AddProcedure(renamed);

    EXPECT_TRUE(m_module.HasTableProcedure(item, "PRC_Item_SelectRecord"));
    EXPECT_FALSE(m_module.HasTableProcedure(item, "prc_item_selectrecord"));
    EXPECT_FALSE(m_module.HasTableProcedure(other, "PRC_Item_SelectRecord"));
    EXPECT_TRUE(m_module.HasSelectRecordProcedure(item));
    EXPECT_TRUE(m_module.HasSelectLastRecordProcedure(item));
    EXPECT_FALSE(m_module.HasSelectAllProcedure(item));
    EXPECT_FALSE(m_module.HasSelectAllProcedure(other));
}

TEST_F(DefaultProceduresTest, UpdateOfTableLeavesOutLinkToAnotherTransactionsBasicTable)
{
    Table* orders = AddDetailKindTable("Orders");
    Table* line = AddMasterTable("Line", {"Amount"});
    AddTransaction("Order", orders, {line}, false);

    m_module.CreateTableWriteProcedure(line, false);
    m_module.CreateTableWriteProcedure(line, true);

    EXPECT_EQ(ProcedureColumnNames(Find("PRC_Line_Update")), (NameList{"Line_id", "Amount"}));
    EXPECT_EQ(ProcedureColumnNames(Find("PRC_Line_Insert")), (NameList{"Amount", "Order_ref"}));
}

TEST_F(DefaultProceduresTest, NamedTransactionProceduresFollowThePageName)
{
    Table* orders = AddDetailKindTable("Orders", {"Placed"});
    Table* a = AddDetailKindTable("A", {"Qty"});
    Table* b = AddDetailKindTable("B", {"Note"});
    Transaction* order = AddTransaction("Order", orders, {a, b}, true);

    m_module.CreateNamedTransactionProcedures(order);
    m_module.CreateNamedTransactionProcedures(order);

    const NameList expected{"PRC_Order_basic_Delete",           "PRC_Order_basic_Insert",
                            "PRC_Order_basic_SelectLastRecord", "PRC_Order_basic_SelectRecord",
                            "PRC_Order_basic_Update",           "PRC_Order_detail1_Delete",
                            "PRC_Order_detail1_Insert",         "PRC_Order_detail1_SelectAll",
                            "PRC_Order_detail1_SelectRecord",   "PRC_Order_detail1_Update",
                            "PRC_Order_detail2_Delete",         "PRC_Order_detail2_Insert",
                            "PRC_Order_detail2_SelectAll",      "PRC_Order_detail2_SelectRecord",
                            "PRC_Order_detail2_Update"};
    NameList names = ProcedureNames(m_module);
    std::sort(names.begin(), names.end(),
              [](const CString& x, const CString& y) { return x.Compare(y) < 0; });
    EXPECT_EQ(names, expected);
    for (const Procedure* procedure : m_module.GetProcedures())
    {
        EXPECT_TRUE(procedure->GetCustomNameFlag()) << procedure->GetName().GetString();
        EXPECT_TRUE(procedure->GetProcedureText().IsEmpty());
        EXPECT_EQ(procedure->GetKind(), Procedure::standardKind);
    }
    EXPECT_EQ(Find("PRC_Order_detail2_SelectAll")->GetMainTable(), b);
    EXPECT_EQ(Find("PRC_Order_basic_Update")->GetMainTable(), orders);
}

TEST_F(DefaultProceduresTest, TransactionProceduresWithoutNamesFollowTheTablesAndTreatTheLink)
{
    Table* orders = AddDetailKindTable("Orders", {"Placed"});
    Table* line = AddDetailKindTable("Line", {"Qty"});
    Transaction* order = AddTransaction("Order", orders, {line}, false);

    m_module.CreateTransactionProcedures(order);

    EXPECT_EQ(m_module.GetProcedures().size(), 10u);
    for (const char* name :
         {"PRC_Orders_SelectRecord", "PRC_Orders_SelectLastRecord", "PRC_Line_SelectAll",
          "PRC_Line_SelectRecord", "PRC_Orders_Insert", "PRC_Orders_Update", "PRC_Orders_Delete",
          "PRC_Line_Insert", "PRC_Line_Update", "PRC_Line_Delete"})
    {
        const Procedure* procedure = Find(name);
        ASSERT_NE(procedure, nullptr) << name;
        EXPECT_FALSE(procedure->GetCustomNameFlag()) << name;
    }
    Procedure* all = Find("PRC_Line_SelectAll");
    ASSERT_FALSE(all->GetFilters().empty());
    EXPECT_EQ(ParameterNames(all), (NameList{"Order_ref"}));
    EXPECT_EQ(ProcedureColumnNames(Find("PRC_Line_Insert")),
              (NameList{"Line_id", "Qty", "Order_ref"}));
    EXPECT_EQ(ProcedureColumnNames(Find("PRC_Line_Update")), (NameList{"Line_id", "Qty"}));
    EXPECT_EQ(ParameterNames(Find("PRC_Line_Update")), (NameList{"Line_id", "Qty"}));
    EXPECT_EQ(ProcedureColumnNames(Find("PRC_Orders_Insert")), (NameList{"Orders_id", "Placed"}));
}

TEST_F(DefaultProceduresTest,
       TransactionWithoutBasicTableMakesOnlyDetailProceduresAndMissingTablesNone)
{
    Table* line = AddDetailKindTable("Line", {"Qty"});
    auto* order = NewPage<Transaction>("Order");
    order->AddDetailTable(line);
    m_module.Append(order);

    m_module.CreateTransactionProcedures(order);
    m_module.CreateTransactionProcedures(order);
    m_module.CreateTransactionProcedures(nullptr);
    m_module.FillBasicWriteProcedure(order, true);
    m_module.CreateDeleteProcedure(nullptr, "");
    m_module.CreateTableWriteProcedure(nullptr, true);
    m_module.FillDetailWriteProcedure(nullptr, nullptr, true);
    m_module.RebuildTableProcedures(nullptr);
    EXPECT_EQ(m_module.GetOrCreateWriteProcedure(nullptr, true, nullptr), nullptr);
    EXPECT_FALSE(m_module.HasSelectAllProcedure(nullptr));

    // No link field, so no select-all; the select-record procedure is made once.
    EXPECT_EQ(ProcedureNames(m_module), (NameList{"PRC_Line_Delete", "PRC_Line_Insert",
                                                  "PRC_Line_SelectRecord", "PRC_Line_Update"}));
}

TEST_F(DefaultProceduresTest, TransactionLookupByPageNameIgnoresCaseElseByTable)
{
    Table* orders = AddDetailKindTable("Orders");
    Table* line = AddDetailKindTable("Line");
    Table* loose = AddDetailKindTable("Loose");
    Transaction* order = AddTransaction("Order", orders, {line}, false);

    EXPECT_EQ(m_module.FindTransactionByTableOrName(nullptr, "ORDER"), order);
    EXPECT_EQ(m_module.FindTransactionByTableOrName(loose, "Other"), nullptr);
    EXPECT_EQ(m_module.FindTransactionByTableOrName(orders, ""), order);
    EXPECT_EQ(m_module.FindTransactionByTableOrName(line, ""), order);
    EXPECT_EQ(m_module.FindTransactionByTableOrName(loose, ""), nullptr);
    EXPECT_TRUE(m_module.IsDetailTableOfAnyTransaction(line));
    EXPECT_FALSE(m_module.IsDetailTableOfAnyTransaction(orders));
}

TEST_F(DefaultProceduresTest, RebuildRefillsWriteProceduresOfMasterTable)
{
    Table* item = AddMasterTable("Item", {"Title"});
    m_module.CreateTableWriteProcedure(item, true);
    m_module.CreateTableWriteProcedure(item, false);
    m_module.CreateDeleteProcedure(item, "");
    m_module.AddProcedure(new Procedure(item, true));
    Find("PRC_Item_Insert")->AddOutputField(item->GetPrimaryKeyField());
    AddVarcharField(item, "Added");

    m_module.RebuildTableProcedures(item);

    EXPECT_EQ(ProcedureNames(m_module), (NameList{"PRC_Item_Delete", "PRC_Item_Insert",
                                                  "PRC_Item_SelectAll", "PRC_Item_Update"}));
    EXPECT_EQ(ProcedureColumnNames(Find("PRC_Item_Insert")), (NameList{"Title", "Added"}));
    EXPECT_EQ(ParameterNames(Find("PRC_Item_Update")), (NameList{"Item_id", "Title", "Added"}));
    EXPECT_EQ(ProcedureColumnNames(Find("PRC_Item_Delete")), (NameList{"Item_id"}));
    EXPECT_EQ(ProcedureColumnNames(Find("PRC_Item_SelectAll")),
              (NameList{"Item_id", "Is_Deleted", "Title"}));
}

TEST_F(DefaultProceduresTest, RebuildKeepsCustomNameOfStandaloneDetailKindTable)
{
    Table* loose = AddDetailKindTable("Loose", {"Qty"});
    m_module.CreateDeleteProcedure(loose, "PRC_Stock_Delete");
    Find("PRC_Stock_Delete")->AddOutputField(loose->GetFields().back());

    m_module.RebuildTableProcedures(loose);

    EXPECT_EQ(ProcedureNames(m_module),
              (NameList{"PRC_Loose_Insert", "PRC_Loose_Update", "PRC_Stock_Delete"}));
    EXPECT_EQ(ProcedureColumnNames(Find("PRC_Stock_Delete")), (NameList{"Loose_id"}));
}

class MapTableProceduresTest : public DefaultProceduresTest
{
protected:
    void SetUp() override
    {
        m_item = AddMasterTable("Item", {"Label"});
        m_store = AddMasterTable("Store", {"City"});
        m_map = NewTable("Item_Map", Table::mapKind);
        m_module.AppendMapTable(m_map);
        m_itemRef = AddVarcharField(m_map, "Item_ref", m_item->GetPrimaryKeyField());
        m_storeRef = AddVarcharField(m_map, "Store_ref", m_store->GetPrimaryKeyField());
        m_mapForm = NewPage<MapForm>("ItemMapForm");
        m_mapForm->SetMappingTable(m_map);
        m_mapForm->AddTopField(m_itemRef);
        m_mapForm->AddBottomField(m_storeRef);
        m_module.Append(m_mapForm);
    }
    // The bottom part of the map form shows the store's master form.
    void AddStoreMasterForm()
    {
        auto* form = NewPage<Form>("StoreForm");
        form->SetTable(m_store);
        m_module.Append(form);
        m_mapForm->SetBottomMasterForm(form);
    }

    Table* m_item = nullptr;
    Table* m_store = nullptr;
    Table* m_map = nullptr;
    Field* m_itemRef = nullptr;
    Field* m_storeRef = nullptr;
    MapForm* m_mapForm = nullptr;
};

TEST_F(MapTableProceduresTest, MapTableGetsSelectsOnceAndBottomMasterTableSelectLastRecord)
{
    m_module.CreateMapTableProcedures(m_map);
    m_module.CreateMapTableProcedures(m_map);

    EXPECT_EQ(ProcedureNames(m_module),
              (NameList{"PRC_Item_Map_SelectAll", "PRC_Item_Map_SelectRecord"}));
    const NameList allFields{"Item_Map_id", "Is_Deleted", "Item_ref", "Store_ref"};
    Procedure* all = Find("PRC_Item_Map_SelectAll");
    EXPECT_EQ(ProcedureColumnNames(all), allFields);
    EXPECT_NE(all->FindFieldFilterByField(m_storeRef), nullptr);
    EXPECT_EQ(all->GetRelations().size(), 2u);
    Procedure* record = Find("PRC_Item_Map_SelectRecord");
    EXPECT_EQ(ProcedureColumnNames(record), allFields);
    EXPECT_NE(record->FindFieldFilterByField(m_map->GetPrimaryKeyField()), nullptr);

    AddStoreMasterForm();
    m_module.CreateMapTableProcedures(m_map);
    m_module.CreateMapTableProcedures(m_item);
    m_module.CreateMapTableProcedures(nullptr);

    EXPECT_EQ(ProcedureNames(m_module),
              (NameList{"PRC_Item_Map_SelectAll", "PRC_Item_Map_SelectRecord",
                        "PRC_Store_SelectLastRecord"}));
    EXPECT_EQ(Find("PRC_Store_SelectLastRecord")->GetMainTable(), m_store);
}

TEST_F(MapTableProceduresTest, WriteProceduresWithoutBottomMasterTakeTheMapFields)
{
    auto* other = NewPage<MapForm>("Other");
    other->SetMappingTable(m_item);
    m_module.Append(other);
    m_module.CreateTableWriteProcedure(m_map, true);
    m_module.UpdateMapTableWriteProcedures(other);
    EXPECT_TRUE(Find("PRC_Item_Map_Insert")->GetOutputColumns().empty());

    m_module.CreateTableWriteProcedure(m_map, false);
    m_module.UpdateMapTableWriteProcedures(nullptr);

    EXPECT_EQ(ProcedureColumnNames(Find("PRC_Item_Map_Insert")),
              (NameList{"Item_ref", "Store_ref"}));
    EXPECT_EQ(ParameterNames(Find("PRC_Item_Map_Update")),
              (NameList{"Item_Map_id", "Item_ref", "Store_ref"}));
}

TEST_F(MapTableProceduresTest, WriteProceduresWithBottomMasterTakeItsFieldsButKey)
{
    AddStoreMasterForm();
    m_module.CreateTableWriteProcedure(m_map, true);
    m_module.CreateTableWriteProcedure(m_map, false);
    Find("PRC_Item_Map_Insert")->AddFieldParameter(m_store->GetPrimaryKeyField());
    Find("PRC_Item_Map_Insert")->AddOutputField(m_store->GetPrimaryKeyField());
    // A report column fed by the key column loses that binding with the column.
    auto* report = NewPage<ApplicationReport>("StoreReport");
    auto* group = new ReportGroup(report, nullptr);
    auto* reportColumn = new ReportField;
    reportColumn->AddBinding(new ReportFieldBinding{
        nullptr, nullptr, nullptr,
        Find("PRC_Item_Map_Insert")->FindOutputColumnByField(m_store->GetPrimaryKeyField())});
    group->AddReportField(reportColumn);
    report->AddReportGroup(group);
    m_module.Append(report);
    // The map form's call of the insert passes a value to each of its parameters.
    auto* call = new ProcedureInvokation;
    call->SetProcedure(Find("PRC_Item_Map_Insert"));
    for (const FieldVariableMap& parameter : Find("PRC_Item_Map_Insert")->GetFieldParameters())
        call->AddVariablePair(new VariablePair{parameter.variable, nullptr});
    m_mapForm->SetProcedureCall(call);
    const auto passed = [call]
    {
        return Collect(call->GetVariablePairs(),
                       [](const VariablePair* pair) { return pair->first->GetFieldName(); });
    };
    NameList kept = passed();
    ASSERT_EQ(1, std::erase(kept, "PRC_Store_id_Var"));

    m_module.UpdateMapTableWriteProcedures(m_mapForm);

    EXPECT_TRUE(reportColumn->GetBindings().empty());
    // The pair of the key's parameter went with the parameter and its variable.
    EXPECT_EQ(passed(), kept);
    EXPECT_EQ(ProcedureColumnNames(Find("PRC_Item_Map_Insert")), (NameList{"Item_ref", "City"}));
    EXPECT_EQ(ParameterNames(Find("PRC_Item_Map_Insert")), (NameList{"Item_ref", "City"}));
    EXPECT_EQ(ProcedureColumnNames(Find("PRC_Item_Map_Update")), (NameList{"Item_Map_id", "City"}));
}

TEST_F(MapTableProceduresTest, RebuildOfMapTableRefillsFromItsMapForm)
{
    m_module.CreateTableWriteProcedure(m_map, true);
    m_module.CreateDeleteProcedure(m_map, "");

    m_module.RebuildTableProcedures(m_map);

    EXPECT_EQ(ProcedureColumnNames(Find("PRC_Item_Map_Insert")),
              (NameList{"Item_ref", "Store_ref"}));
    EXPECT_EQ(ProcedureColumnNames(Find("PRC_Item_Map_Delete")), (NameList{"Item_Map_id"}));
}

TEST_F(MapTableProceduresTest, SelectParameterForFirstTopField)
{
    m_module.AddMapFormSelectParameter(m_mapForm);
    EXPECT_TRUE(m_module.GetProcedures().empty());

    m_module.CreateMapTableProcedures(m_map);
    Procedure* all = Find("PRC_Item_Map_SelectAll");
    const std::size_t before = all->GetFieldParameters().size();
    m_module.AddMapFormSelectParameter(m_mapForm);
    m_module.AddMapFormSelectParameter(nullptr);

    ASSERT_EQ(all->GetFieldParameters().size(), before + 1);
    const FieldVariableMap& added = all->GetFieldParameters().back();
    EXPECT_EQ(added.field, m_itemRef);
    EXPECT_EQ(added.variable->GetFieldName(), "PRC_Item_ref_Var");
    EXPECT_EQ(added.variable->GetKind(), Variable::parameterKind);
}

class ClassFunctionsTest : public DefaultProceduresTest
{
protected:
    // A table with a foreign key to each of the named referred tables, and its data class.
    Class* ClassWithForeignKeys(std::initializer_list<const char*> referred)
    {
        Table* table = AddMasterTable("Customer", {"Name"});
        for (const char* name : referred)
        {
            Table* target = AddMasterTable(name, {"Label"});
            AddVarcharField(table, (CString(name) + "_id").GetString(),
                            target->GetPrimaryKeyField());
        }
        return m_module.GetClassForTable(table, true);
    }
};

TEST_F(ClassFunctionsTest, OneForeignKeyGivesSelectRecordForItAndUserFunctionsShowItsFrontFields)
{
    Class* customer = ClassWithForeignKeys({"Region"});
    m_module.AddDefaultClassFunctions(customer);
    m_module.AddDefaultClassFunctions(customer);

    EXPECT_EQ(FunctionNames(customer),
              (NameList{"HandleAdd", "HandleUpdate", "HandleDelete", "SelectAllRecords",
                        "SelectRecord", "SelectRecordForRegion_id"}));
    EXPECT_EQ(ParameterNames(customer->FindFunctionByName("SelectRecord")), (NameList{"id"}));
    EXPECT_EQ(ParameterNames(customer->FindFunctionByName("SelectRecordForRegion_id")),
              (NameList{"id"}));
    const Function* all = customer->FindFunctionByName("SelectAllRecords");
    EXPECT_EQ(all->GetClass(), customer);
    EXPECT_EQ(all->GetTable(), customer->GetTable());
    EXPECT_EQ(all->GetKind(), 0);
    EXPECT_EQ(OutputNames(all), (NameList{"Customer_id", "Name", "Region_id", "Label"}));
    ASSERT_EQ(all->GetUsedTables().size(), 1u);
    EXPECT_EQ(all->GetUsedTables().front()->GetTableName(), "Region");
    const Function* handler = customer->FindFunctionByName("HandleAdd");
    EXPECT_EQ(OutputNames(handler), (NameList{"Customer_id", "Name", "Region_id"}));
    EXPECT_TRUE(handler->GetUsedTables().empty());
    EXPECT_TRUE(handler->GetParameters().empty());
}

TEST_F(ClassFunctionsTest, SeveralForeignKeysAddMultiParamFunction)
{
    Class* customer = ClassWithForeignKeys({"Region", "Agent"});
    m_module.AddDefaultClassFunctions(customer);

    EXPECT_EQ(FunctionNames(customer),
              (NameList{"HandleAdd", "HandleUpdate", "HandleDelete", "SelectAllRecords",
                        "SelectRecord", "SelectRecordForRegion_id", "SelectRecordForAgent_id",
                        "SelectRecordForMultiParam"}));
    EXPECT_EQ(ParameterNames(customer->FindFunctionByName("SelectRecordForMultiParam")),
              (NameList{"param_Region_id", "param_Agent_id"}));
}

TEST_F(ClassFunctionsTest, ExistingFunctionIsKeptAndTableFieldsAddedLaterReachEveryKindZeroFunction)
{
    Class* customer = ClassWithForeignKeys({});
    Function* own = m_module.GetOrAddClassFunction("selectrecord", customer);
    EXPECT_FALSE(m_module.EnsureClassFunction("SELECTRECORD", customer));
    m_module.AddDefaultClassFunctions(customer);
    EXPECT_EQ(customer->FindFunctionByName("SelectRecord"), own);
    EXPECT_TRUE(own->GetParameters().empty());
    Function* other = m_module.GetOrAddClassFunction("Handwritten", customer);
    other->SetKind(1);
    AddVarcharField(customer->GetTable(), "Phone");

    m_module.AddTableFieldsToClassFunctions(customer->GetTable());
    m_module.AddTableFieldsToClassFunctions(customer->GetTable());

    EXPECT_EQ(OutputNames(customer->FindFunctionByName("SelectAllRecords")),
              (NameList{"Customer_id", "Name", "Phone"}));
    EXPECT_EQ(OutputNames(other), (NameList{"Customer_id", "Name"}));
}

TEST_F(ClassFunctionsTest, DefaultFunctionsUpToTableStopAtItsClass)
{
    Table* first = AddMasterTable("First");
    Table* second = AddMasterTable("Second");
    Table* third = AddMasterTable("Third");
    Class* firstClass = m_module.GetClassForTable(first, true);
    Class* secondClass = m_module.GetClassForTable(second, true);
    Class* thirdClass = m_module.GetClassForTable(third, true);

    m_module.AddDefaultClassFunctionsUpTo(second);
    EXPECT_EQ(firstClass->GetFunctions().size(), 5u);
    EXPECT_EQ(secondClass->GetFunctions().size(), 5u);
    EXPECT_TRUE(thirdClass->GetFunctions().empty());

    m_module.AddDefaultClassFunctionsUpTo(nullptr);
    EXPECT_EQ(thirdClass->GetFunctions().size(), 5u);
}

TEST_F(ClassFunctionsTest, ClassWithoutTableGetsFunctionsWithoutColumns)
{
    auto* loose = new Class;
    loose->SetName("Loose");
    m_module.Append(loose);
    m_module.AddDefaultClassFunctions(loose);
    m_module.AddDefaultClassFunctions(nullptr);
    m_module.AddTableFieldsToFunction(nullptr);
    ModuleLoadPasses::AddTableFieldsToAllClassFunctions(m_module);

    EXPECT_EQ(loose->GetFunctions().size(), 5u);
    EXPECT_TRUE(loose->FindFunctionByName("SelectAllRecords")->GetOutputFields().empty());
    EXPECT_EQ(m_module.GetOrAddClassFunction("Any", nullptr), nullptr);
    EXPECT_FALSE(m_module.EnsureClassFunction("Any", nullptr));
}

TEST_F(DefaultProceduresTest, LoadPassesGiveMasterFormsTheirKeyVariableAndListAliasColumnsOnce)
{
    Table* item = AddMasterTable("Item");
    auto* form = NewPage<Form>("ItemForm");
    form->SetTable(item);
    m_module.Append(form);
    auto* bare = NewPage<Form>("Bare");
    m_module.Append(bare);

    auto* procedure = new Procedure(item, true);
    auto* alias = new Field;
    alias->SetFieldName("Total");
    procedure->AddOutputField(alias);
    m_module.AddProcedure(procedure);

    for (int pass = 0; pass < 2; ++pass)
    {
        ModuleLoadPasses::AddFormKeyVariables(m_module);
        ModuleLoadPasses::AddMissingAliasColumns(m_module);
    }

    ASSERT_EQ(form->GetFieldVariableMaps().size(), 1u);
    const FieldVariableMap* map = form->GetKeyFieldVariableMap();
    ASSERT_NE(map, nullptr);
    EXPECT_EQ(map->field, item->GetPrimaryKeyField());
    EXPECT_EQ(map->variable->GetFieldName(), "Item_id");
    EXPECT_EQ(map->variable->GetKind(), Variable::pageKind);
    EXPECT_TRUE(bare->GetFieldVariableMaps().empty());
    ASSERT_EQ(procedure->GetAliasFields().size(), 1u);
    EXPECT_EQ(procedure->GetAliasFields().front(), alias);
    EXPECT_EQ(procedure->GetOutputColumns().size(), item->GetFields().size() + 1);
}

} // namespace
