#include "entities/ApplicationReport.h"
#include "entities/Class.h"
#include "entities/ClassInvokation.h"
#include "entities/Form.h"
#include "entities/Function.h"
#include "entities/Parameter.h"
#include "entities/ProcedureFieldInfo.h"
#include "entities/ReportField.h"
#include "entities/ReportGroup.h"
#include "model/FieldRep.h"
#include "model/FieldRepData.h"
#include "model/ForgeonProject.h"
#include "model/MainFrameAccess.h"
#include "model/Module.h"
#include "model/ProjectDiagnostics.h"
#include "model/ReferenceList.h"
#include "tests/model/ModelBuilders.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace
{
Parameter* AddParameter(Function& function, const char* name)
{
    auto* parameter = new Parameter;
    parameter->SetName(name);
    function.AddParameter(parameter);
    return parameter;
}

ProcedureFieldInfo* AddOutput(Function& function, Field* field,
                              int aggregate = ProcedureFieldInfo::noAggregate)
{
    auto* outputField = new ProcedureFieldInfo(field, aggregate);
    function.AddOutputField(outputField);
    return outputField;
}
} // namespace

TEST(FunctionOperationsTest, RecordHandlersAndBuiltInFunctionsAreNotUserFunctions)
{
    Function function;
    for (const char* name : {"HandleAdd", "HandleUpdate", "HandleDelete", "SelectRecord"})
    {
        function.SetName(name);
        EXPECT_FALSE(function.IsUserFunction()) << name;
    }
    function.SetName("selectrecord");
    EXPECT_TRUE(function.IsUserFunction());
    function.SetKind(1);
    EXPECT_FALSE(function.IsUserFunction());
}

TEST(FunctionOperationsTest, SyncKeepsMatchesIgnoringCaseDeletesNeighbouringStaleOnesAndAddsNew)
{
    Function function;
    Parameter* kept = AddParameter(function, "a");
    AddParameter(function, "B");
    AddParameter(function, "D");

    function.SyncParameters({"A", "c"});

    ASSERT_EQ(2u, function.GetParameters().size());
    EXPECT_EQ(kept, function.GetParameters()[0]);
    EXPECT_EQ(CString("c"), function.GetParameters()[1]->GetFieldName());
    EXPECT_EQ(kept, function.FindParameterByName("A"));
    EXPECT_EQ(nullptr, function.FindParameterLike(nullptr));
}

TEST(FunctionOperationsTest, SyncClearsThePageReferencesOfAStaleParameterThroughTheProject)
{
    ForgeonProject project;
    Module* module = NewModule("Sales", 1);
    project.AddModule(module);
    Class dataClass;
    auto* function = new Function;
    dataClass.AddFunction(function);
    Parameter* kept = AddParameter(*function, "fromDate");
    Parameter* stale = AddParameter(*function, "region");
    Field supplier;
    auto* call = new ClassInvokation;
    call->SetFunction(&dataClass, function);
    call->AddParameterMap(kept, &supplier);
    call->AddParameterMap(stale, &supplier);
    auto* data = new FieldRepData;
    data->SetDataCall(call);
    auto* control = new FieldRep;
    control->AttachFieldRepData(data);
    auto* form = new Form;
    form->AddFieldRep(control);
    module->Append(form);
    const int usageDepth = TheProjectDiagnostics().GetUsageSetDepth();
    {
        ScopedOpenProject open(&project);
        function->SyncParameters({"FromDate"});
    }
    EXPECT_EQ(std::vector<Parameter*>{kept}, function->GetParameters());
    ASSERT_EQ(1u, call->GetParameterMaps().size());
    EXPECT_EQ(kept, call->GetParameterMaps()[0]->m_parameter);
    EXPECT_EQ(usageDepth, TheProjectDiagnostics().GetUsageSetDepth());
    EXPECT_FALSE(project.DeleteFunctionParameter(function, stale));
    EXPECT_FALSE(project.DeleteFunctionParameter(nullptr, kept));
}

TEST(FunctionOperationsTest, OutputFieldLookupsByFieldAggregateIndexAndDisplayName)
{
    Field amount;
    amount.SetFieldName("Amount");
    Function function;
    ProcedureFieldInfo* sum = AddOutput(function, &amount, ProcedureFieldInfo::sumAggregate);

    EXPECT_TRUE(function.HasOutputFieldEntry(&amount, ProcedureFieldInfo::sumAggregate));
    EXPECT_FALSE(function.HasOutputFieldEntry(&amount, ProcedureFieldInfo::maxAggregate));
    int index = 5;
    EXPECT_EQ(sum, function.FindOutputFieldOf(&amount, &index));
    EXPECT_EQ(0, index);
    EXPECT_EQ(nullptr, function.FindOutputFieldOf(nullptr, &index));
    EXPECT_EQ(-1, index);
    EXPECT_EQ(nullptr, function.GetProcedureFieldInfoAt(-1));
    EXPECT_EQ(nullptr, function.GetProcedureFieldInfoAt(1));

    EXPECT_TRUE(function.HasProcedureFieldInfoNamed("amount_sum"));
    EXPECT_FALSE(function.HasProcedureFieldInfoNamedExact("amount_sum"));
    EXPECT_TRUE(function.HasProcedureFieldInfoNamedExact("Amount_Sum"));
    EXPECT_EQ(nullptr, function.FindProcedureFieldInfoByName("Amount"));
    const ProcedureFieldInfo like(&amount, ProcedureFieldInfo::sumAggregate);
    EXPECT_EQ(sum, function.FindProcedureFieldInfoLike(&like));
}

TEST(FunctionOperationsTest, DisplayNameMatchesExactlyAsTheBuiltName)
{
    Field amount;
    amount.SetFieldName("Amount");
    Field named;
    named.SetFieldName("Amount_Sum");
    const ProcedureFieldInfo columns[] = {
        {&amount, ProcedureFieldInfo::noAggregate},
        {&amount, ProcedureFieldInfo::sumAggregate},
        {&amount, ProcedureFieldInfo::percentageAggregate},
        {&amount, 42},
        {&named, ProcedureFieldInfo::noAggregate},
        {nullptr, ProcedureFieldInfo::sumAggregate},
    };
    for (const ProcedureFieldInfo& column : columns)
        for (const char* name :
             {"", "Amount", "amount", "Amount_Sum", "Amount_sum", "AmountxSum", "Amount_Sum_",
              "Amount_", "_Sum", "Amount_Percentage", "Amount_None", "Amount_Count"})
            EXPECT_EQ(column.HasDisplayName(name), column.GetDisplayName() == name)
                << column.GetDisplayName().GetString() << " / " << name;
}

TEST(FunctionOperationsTest,
     RemovingAnAliasOutputDeletesTheAliasAndOutputsOfAFieldGoWithTheirNeighbours)
{
    Field tableField;
    auto* alias = new Field;
    alias->SetFieldName("total");
    Function function;
    function.AddAliasField(alias);
    ProcedureFieldInfo* aliasOutput = AddOutput(function, alias);
    AddOutput(function, &tableField);
    EXPECT_EQ(alias, function.FindAliasFieldByName("total"));
    EXPECT_EQ(nullptr, function.FindAliasFieldByName("Total"));

    function.RemoveProcedureFieldInfo(nullptr);
    function.RemoveProcedureFieldInfo(aliasOutput);

    EXPECT_TRUE(function.GetAliasFields().empty());
    ASSERT_EQ(1u, function.GetOutputFields().size());
    EXPECT_FALSE(function.RemoveAliasField(&tableField));

    Field other;
    AddOutput(function, &tableField, ProcedureFieldInfo::maxAggregate);
    ProcedureFieldInfo* kept = AddOutput(function, &other);
    AddOutput(function, &tableField);
    function.RemoveOutputFieldsOf(&tableField);
    EXPECT_EQ(std::vector<ProcedureFieldInfo*>{kept}, function.GetOutputFields());
}

TEST(FunctionOperationsTest, RemovingAUsedTableRemovesTheOutputFieldsOfItsFields)
{
    std::unique_ptr<Table> orders(NewTable("Orders", Table::masterKind, {"note", "status"}));
    std::unique_ptr<Table> customers(NewTable("Customers", Table::masterKind, {"name"}));
    Function function;
    function.AddUsedTable(orders.get());
    function.AddUsedTable(customers.get());
    AddOutput(function, orders->FindFieldByName("note"));
    AddOutput(function, orders->FindFieldByName("status"));
    ProcedureFieldInfo* name = AddOutput(function, customers->FindFieldByName("name"));
    EXPECT_EQ(orders.get(), function.FindTableByName("orders"));

    Table unused;
    function.RemoveTable(&unused);
    EXPECT_EQ(3u, function.GetOutputFields().size());
    function.RemoveTable(orders.get());

    EXPECT_FALSE(function.UsesTable(orders.get()));
    EXPECT_EQ(std::vector<ProcedureFieldInfo*>{name}, function.GetOutputFields());
}

TEST(FunctionOperationsTest, RemovingAForeignKeyFieldRemovesTheReferencedDisplayFieldWhereShown)
{
    std::unique_ptr<Table> customers(NewTable("Customers", Table::masterKind, {"name"}));
    customers->FindFieldByName("name")->SetFrontField(true);
    std::unique_ptr<Table> orders(NewTable("Orders"));
    Field* customerId =
        AddVarcharField(orders.get(), "customer_id", customers->GetPrimaryKeyField());
    Function function;
    AddOutput(function, customers->FindFieldByName("name"));
    AddOutput(function, customerId);
    ProcedureFieldInfo* kept = AddOutput(function, orders->GetPrimaryKeyField());

    // A function of the referenced table shows its display field but not the foreign key.
    Function customerFunction;
    ProcedureFieldInfo* name = AddOutput(customerFunction, customers->FindFieldByName("name"));

    function.RemoveFieldWithReferences(customerId);
    customerFunction.RemoveFieldWithReferences(customerId);

    EXPECT_EQ(std::vector<ProcedureFieldInfo*>{kept}, function.GetOutputFields());
    EXPECT_EQ(std::vector<ProcedureFieldInfo*>{name}, customerFunction.GetOutputFields());
}

// A report of another module shows the display field that a foreign key brought into a class
// function, and a column of its own: released with the key field, the function frees the
// display field's output field, which the report's column lets go of first.
TEST(FunctionOperationsTest, AReleaseTakesTheOutputFieldsItFreesFromTheirHolders)
{
    std::unique_ptr<Table> customers(NewTable("Customers", Table::masterKind, {"name"}));
    customers->FindFieldByName("name")->SetFrontField(true);
    std::unique_ptr<Table> orders(NewTable("Orders"));
    Field* customerId =
        AddVarcharField(orders.get(), "customer_id", customers->GetPrimaryKeyField());
    std::unique_ptr<Module> classes(NewModule("Classes", 1));
    std::unique_ptr<Module> reports(NewModule("Reports", 2));
    Function* function = AddClassFunction(classes.get(), orders.get(), "_orders", "list");
    ProcedureFieldInfo* name = AddOutput(*function, customers->FindFieldByName("name"));
    AddOutput(*function, customerId);
    ProcedureFieldInfo* key = AddOutput(*function, orders->GetPrimaryKeyField());
    auto* report = NewPage<ApplicationReport>("orders Report");
    reports->Append(report);
    auto* group = new ReportGroup;
    report->AddReportGroup(group);
    group->AddReportField(new ReportField(name));
    group->AddReportField(new ReportField(key));

    Module::ReleaseReferences({classes.get(), reports.get()}, {customerId});

    EXPECT_EQ(std::vector<ProcedureFieldInfo*>{key}, function->GetOutputFields());
    ASSERT_EQ(1u, group->GetReportFields().size());
    EXPECT_EQ(key, group->GetReportFields().front()->GetFieldInfo());
}

TEST(FunctionOperationsTest, RemovingFieldsOfTablesThatReferToEachOtherEnds)
{
    std::unique_ptr<Table> first(NewTable("First"));
    std::unique_ptr<Table> second(NewTable("Second"));
    Field* toSecond = AddVarcharField(first.get(), "to_second", second->GetPrimaryKeyField());
    Field* toFirst = AddVarcharField(second.get(), "to_first", first->GetPrimaryKeyField());
    toSecond->SetFrontField(true);
    toFirst->SetFrontField(true);
    Function function;
    AddOutput(function, toSecond);
    AddOutput(function, toFirst);

    ReferenceList list;
    function.ListReferences(list);
    EXPECT_EQ(1, list.Release({toSecond}));

    EXPECT_TRUE(function.GetOutputFields().empty());
}

TEST(FunctionUsageTest, ItsListNamesItForItsTablesAndTheFieldsItShows)
{
    std::unique_ptr<Table> orders(NewTable("Orders", Table::masterKind, {"note", "status"}));
    Table customers;
    Table bound;
    Function function;
    function.SetName("Totals");
    AddOutput(function, orders->FindFieldByName("note"));
    const auto users = [&function](const ReferenceList::Targets& targets)
    {
        ReferenceList list;
        list.SetUser([&] { return function.GetFieldName(); });
        function.ListReferences(list);
        return list.UsersOf(targets);
    };
    const std::vector<CString> named{"Totals"};

    EXPECT_EQ(named, users({orders->FindFieldByName("note")}));
    EXPECT_TRUE(users({orders->FindFieldByName("status"), orders.get(), nullptr}).empty());
    function.AddUsedTable(&customers);
    EXPECT_EQ(named, users({&customers}));
    function.SetTable(&bound);
    EXPECT_EQ(named, users({&bound}));
}

TEST(FunctionUsageTest, ReleasingATableOrFieldDropsWhatHoldsIt)
{
    std::unique_ptr<Table> orders(NewTable("Orders", Table::masterKind, {"note", "status"}));
    std::unique_ptr<Table> customers(NewTable("Customers", Table::masterKind, {"name"}));
    Function function;
    function.SetTable(orders.get());
    function.AddUsedTable(customers.get());
    AddOutput(function, orders->FindFieldByName("note"));
    ProcedureFieldInfo* status = AddOutput(function, orders->FindFieldByName("status"));
    AddOutput(function, customers->FindFieldByName("name"));
    ReferenceList list;
    function.ListReferences(list);

    EXPECT_EQ(3, list.Release({orders.get(), orders->FindFieldByName("note"), customers.get()}));

    EXPECT_EQ(nullptr, function.GetTable());
    EXPECT_TRUE(function.GetUsedTables().empty());
    EXPECT_EQ(std::vector<ProcedureFieldInfo*>{status}, function.GetOutputFields());
}
