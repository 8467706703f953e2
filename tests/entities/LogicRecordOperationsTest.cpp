#include "entities/ChangeEventHandle.h"
#include "entities/Class.h"
#include "entities/ClassInvokation.h"
#include "entities/DateValidation.h"
#include "entities/DependentData.h"
#include "entities/Function.h"
#include "entities/Parameter.h"
#include "entities/Procedure.h"
#include "entities/ProcedureFieldInfo.h"
#include "entities/ProcedureInvokation.h"
#include "entities/Variable.h"
#include "model/EntityUsageSet.h"
#include "model/Field.h"
#include "model/FieldRep.h"
#include "model/ProjectDiagnostics.h"
#include "model/Table.h"
#include "tests/support/ArchiveBytes.h"
#include "tests/support/RecordBytes.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace
{
Function* AddFunction(Class& owner, const char* name, int kind = 0)
{
    auto* function = new Function;
    function->SetName(name);
    function->SetKind(kind);
    function->SetClass(&owner);
    owner.AddFunction(function);
    return function;
}

Parameter* NewParameter(Function& function, const char* name)
{
    auto* parameter = new Parameter;
    parameter->SetName(name);
    function.AddParameter(parameter);
    return parameter;
}

std::vector<Parameter*> MappedParameters(const ClassInvokation& call)
{
    std::vector<Parameter*> parameters;
    for (const ClassParameterMap* map : call.GetParameterMaps())
        parameters.push_back(map->m_parameter);
    return parameters;
}

// A class over the orders table with the three record handlers and a user function
// "TopCustomers(fromDate, toDate, region)".
class ClassCallTest : public ::testing::Test
{
protected:
    ClassCallTest()
    {
        m_orders.SetTableName("Orders");
        m_class.SetName("OrdersClass");
        m_class.SetTable(&m_orders);
        for (const char* name : {"SelectAllRecords", "HandleAdd", "HandleUpdate"})
            AddFunction(m_class, name, 1);
        m_function = AddFunction(m_class, "TopCustomers");
        m_from = NewParameter(*m_function, "fromDate");
        m_to = NewParameter(*m_function, "toDate");
        m_region = NewParameter(*m_function, "region");
        m_call.SetFunction(&m_class, m_function);
    }

    Table m_orders;
    Class m_class;
    Function* m_function;
    Parameter* m_from;
    Parameter* m_to;
    Parameter* m_region;
    Field m_start;
    Field m_end;
    ClassInvokation m_call;
};
} // namespace

TEST_F(ClassCallTest, FunctionsAreFoundIgnoringCaseAndCounted)
{
    EXPECT_EQ(m_class.GetFunctions()[0], m_class.FindFunctionByName("selectallrecords"));
    EXPECT_EQ(nullptr, m_class.FindFunctionByName("SelectAll"));
    EXPECT_EQ(3, m_class.GetUserDefinedFunctionCount());

    std::vector<Function*> userFunctions = {nullptr};
    m_class.GetUserFunctions(userFunctions);
    EXPECT_EQ(std::vector<Function*>{m_function}, userFunctions);
}

TEST(ClassTest, ClassWithThreeFunctionsHasNoUserFunctions)
{
    Class dataClass;
    for (const char* name : {"SelectAllRecords", "HandleAdd", "HandleUpdate"})
        AddFunction(dataClass, name);
    std::vector<Function*> userFunctions = {dataClass.GetFunctions()[0]};

    dataClass.GetUserFunctions(userFunctions);

    EXPECT_TRUE(userFunctions.empty());
    EXPECT_EQ(0, dataClass.GetUserDefinedFunctionCount());
}

TEST_F(ClassCallTest, DeleteFunctionTakesOnlyFunctionsOfTheClass)
{
    Function stranger;
    m_class.DeleteFunction(&stranger);
    EXPECT_EQ(4u, m_class.GetFunctions().size());
    m_class.DeleteFunction(m_function);
    EXPECT_EQ(nullptr, m_class.FindFunctionByName("TopCustomers"));
}

TEST_F(ClassCallTest, TableUsageListsAndRecordsTheBoundClass)
{
    TheProjectDiagnostics().PushUsageSet();
    Table other;
    CString list;

    m_class.CollectTableUsage(&other, list);
    m_class.CollectTableUsage(nullptr, list);
    EXPECT_TRUE(TheProjectDiagnostics().GetCurrentUsageSet().GetClasses().empty());
    m_class.CollectTableUsage(&m_orders, list);

    EXPECT_EQ(CString("OrdersClass\n"), list);
    EXPECT_EQ(std::vector<Class*>{&m_class},
              TheProjectDiagnostics().GetCurrentUsageSet().GetClasses());
    TheProjectDiagnostics().PopUsageSet();
}

TEST_F(ClassCallTest, SettingTheSameFunctionKeepsTheMapsAndAnotherDropsThem)
{
    m_call.AddParameterMap(m_from, &m_start);

    m_call.SetFunction(&m_class, m_function);
    EXPECT_EQ(1u, m_call.GetParameterMaps().size());

    Function* other = m_class.GetFunctions()[0];
    m_call.SetFunction(&m_class, other);
    EXPECT_TRUE(m_call.GetParameterMaps().empty());
    EXPECT_EQ(other, m_call.GetFunction());
    EXPECT_EQ(&m_class, m_call.GetClass());
}

TEST_F(ClassCallTest, MapsAreFoundByParameterNameIgnoringCaseAndByField)
{
    m_call.AddParameterMap(m_from, &m_start);
    m_call.AddParameterMap(m_to, &m_end);
    m_call.AddParameterMap(nullptr, &m_end);

    EXPECT_EQ(m_call.GetParameterMaps()[1], m_call.FindParameterMapByName("TODATE"));
    EXPECT_EQ(nullptr, m_call.FindParameterMapByName("region"));
    EXPECT_EQ(m_call.GetParameterMaps()[0], m_call.FindParameterMapByField(&m_start));
    Field unused;
    EXPECT_EQ(nullptr, m_call.FindParameterMapByField(&unused));
    EXPECT_TRUE(m_call.HasParameterMapFor(m_to));
    EXPECT_FALSE(m_call.HasParameterMapFor(m_region));
}

TEST_F(ClassCallTest, RemovingMapsTakesNeighboursAndKeepsTheRest)
{
    m_call.AddParameterMap(m_from, &m_start);
    m_call.AddParameterMap(m_to, &m_end);
    m_call.AddParameterMap(m_region, &m_end);
    m_call.AddParameterMap(m_from, &m_start);
    ClassParameterMap stranger(m_from, &m_start);

    m_call.RemoveParameterMapsByField(&m_end);
    EXPECT_EQ((std::vector<Parameter*>{m_from, m_from}), MappedParameters(m_call));
    m_call.RemoveParameterMap(&stranger);
    m_call.RemoveParameterMap(m_call.GetParameterMaps()[1]);
    EXPECT_EQ(1u, m_call.GetParameterMaps().size());

    m_call.AddParameterMap(m_from, &m_end);
    m_call.AddParameterMap(m_to, &m_end);
    m_call.RemoveParameterMapsByParameter(m_from);
    EXPECT_EQ(std::vector<Parameter*>{m_to}, MappedParameters(m_call));
}

TEST_F(ClassCallTest, CallUsesTheClassTableAndTheFunctionsUsedTables)
{
    Table customers;
    Table products;
    m_function->AddUsedTable(&customers);

    EXPECT_TRUE(m_call.UsesTable(&m_orders));
    EXPECT_TRUE(m_call.UsesTable(&customers));
    EXPECT_FALSE(m_call.UsesTable(&products));
    EXPECT_FALSE(m_call.UsesTable(nullptr));
    EXPECT_FALSE(ClassInvokation().UsesTable(&m_orders));
}

TEST(DateValidationTest, OperatorTextsOfTheSixComparisonKinds)
{
    const std::vector<CString> texts = {"", "=", "<=", ">=", "!=", "<", ">", ""};
    for (int kind = -1; kind < 7; ++kind)
        EXPECT_EQ(texts[kind + 1],
                  DateValidation(nullptr, kind, nullptr, nullptr).GetOperatorText())
            << kind;
}

TEST(DateValidationTest, RulesMatchOnKindAndVariableOrResultField)
{
    Variable dueDate;
    Variable otherDate;
    ProcedureFieldInfo limit;
    const DateValidation variableRule(&dueDate, 1, nullptr, nullptr);
    const DateValidation fieldRule(nullptr, 5, nullptr, &limit);

    EXPECT_TRUE(variableRule.IsVariableRule(&dueDate, 1));
    EXPECT_FALSE(variableRule.IsVariableRule(&dueDate, 2));
    EXPECT_FALSE(variableRule.IsVariableRule(&otherDate, 1));
    EXPECT_TRUE(fieldRule.IsFieldRule(&limit, 5));
    EXPECT_FALSE(fieldRule.IsFieldRule(&limit, 0));
    EXPECT_FALSE(variableRule.IsFieldRule(&limit, 1));
}

TEST(DateValidationTest, RemovingTheInvocationClearsItAndTheResultField)
{
    Procedure procedure;
    auto* invokation = new ProcedureInvokation;
    invokation->SetProcedure(&procedure);
    ProcedureFieldInfo limit;
    DateValidation rule(nullptr, 0, invokation, &limit);
    EXPECT_EQ(&procedure, rule.GetProcedure());

    rule.RemoveProcedureInvokation();

    EXPECT_EQ(nullptr, rule.GetProcedureInvokation());
    EXPECT_EQ(nullptr, rule.GetResultField());
    EXPECT_EQ(nullptr, rule.GetProcedure());
    rule.RemoveProcedureInvokation();
}

TEST(ChangeEventHandleTest, ProcedureIsNullWithoutInvocationOrWithoutProcedure)
{
    ScopedArchiveVersion version(TheVersionHistory().GetCurrentVersion());
    EXPECT_EQ(nullptr, ChangeEventHandle().GetProcedure());

    ProcedureInvokation emptyCall;
    const std::vector<BYTE> bytes =
        Joined({ArchiveBytes().NewClass("ChangeEventHandle").Get(), SaveObject(&emptyCall)});
    const std::unique_ptr<ChangeEventHandle> handle(LoadObject<ChangeEventHandle>(bytes));
    ASSERT_NE(nullptr, handle->GetProcedureInvokation());
    EXPECT_EQ(nullptr, handle->GetProcedure());
}

TEST(DependentDataTest, RemovingAControlTakesOnlyItsFirstOccurrence)
{
    FieldRep first;
    FieldRep second;
    DependentData group;
    EXPECT_EQ(1, group.GetKind());
    group.AddFieldRep(&first);
    group.AddFieldRep(&second);
    group.AddFieldRep(&first);

    group.RemoveFieldRep(&first);
    EXPECT_EQ((std::vector<FieldRep*>{&second, &first}), group.GetControls());
    EXPECT_TRUE(group.ContainsFieldRep(&first));

    group.RemoveFieldRep(&first);
    group.RemoveFieldRep(&first);
    EXPECT_FALSE(group.ContainsFieldRep(&first));
    EXPECT_EQ(std::vector<FieldRep*>{&second}, group.GetControls());
}
