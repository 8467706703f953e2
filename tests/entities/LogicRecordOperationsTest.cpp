#include "entities/BooleanTreeNode.h"
#include "entities/ChangeEventHandle.h"
#include "entities/Class.h"
#include "entities/ClassInvokation.h"
#include "entities/DateValidation.h"
#include "entities/DependentData.h"
#include "entities/DerivedField.h"
#include "entities/FormulaTreeNode.h"
#include "entities/Function.h"
#include "entities/Parameter.h"
#include "entities/Procedure.h"
#include "entities/ProcedureFieldInfo.h"
#include "entities/ProcedureInvokation.h"
#include "entities/Variable.h"
#include "model/Field.h"
#include "model/FieldRep.h"
#include "model/ReferenceList.h"
#include "model/Table.h"
#include "tests/support/ArchiveBytes.h"
#include "tests/support/RecordBytes.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace
{
Function* AddKindFunction(Class& owner, const char* name, int kind = 0)
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
            AddKindFunction(m_class, name, 1);
        m_function = AddKindFunction(m_class, "TopCustomers");
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

class LogicRecordTest : public ::testing::Test
{
protected:
    ScopedArchiveVersion m_version{CurrentVersion()};
};

// Loads a record followed by the sentinel and checks the sentinel.
template <class T> std::unique_ptr<T> LoadRecord(const std::vector<BYTE>& record)
{
    const LoadedRecord<T> loaded =
        LoadWithSentinel<T>(Joined({record, ArchiveBytes().Int(recordSentinel).Get()}));
    EXPECT_EQ(recordSentinel, loaded.trailer);
    return std::unique_ptr<T>(loaded.object);
}

// As LoadRecord, and checks that saving the object gives the record's bytes again.
template <class T> std::unique_ptr<T> LoadAndResave(const std::vector<BYTE>& record)
{
    std::unique_ptr<T> object = LoadRecord<T>(record);
    EXPECT_EQ(record, SaveObject(object.get()));
    return object;
}

TEST_F(LogicRecordTest, ClassReadsItsFunctionsInOrder)
{
    ArchiveBytes bytes;
    bytes.NewClass("Class").Str("_orders").Null().Int(2);               // class 1, object 2
    bytes.NewClass("Function").Str("SelectRecord").ObjectRef(2).Null(); // class 3, object 4
    bytes.Int(0).Int(0).Int(0).Int(1).Int(0);
    bytes.ClassRef(3).Str("TopCustomers").ObjectRef(2).Null().Int(0).Int(0).Int(0).Int(0).Int(0);
    const std::unique_ptr<Class> loaded = LoadAndResave<Class>(bytes.Get());

    EXPECT_EQ(CString("_orders"), loaded->GetFieldName());
    ASSERT_EQ(2u, loaded->GetFunctions().size());
    EXPECT_EQ(CString("SelectRecord"), loaded->GetFunctions()[0]->GetFieldName());
    EXPECT_EQ(1, loaded->GetFunctions()[0]->GetKind());
    EXPECT_EQ(CString("TopCustomers"), loaded->GetFunctions()[1]->GetFieldName());
    EXPECT_EQ(loaded.get(), loaded->GetFunctions()[1]->GetClass());
}

TEST_F(LogicRecordTest, ClassInvokationIsClassFunctionCountAndEachMapsFieldBeforeItsParameter)
{
    const auto empty = LoadAndResave<ClassInvokation>(
        ArchiveBytes().NewClass("ClassInvokation").Null().Null().Int(0).Get());
    EXPECT_TRUE(empty->GetParameterMaps().empty());

    Field customerId;
    customerId.SetFieldName("customer_id");
    Parameter parameter;
    parameter.SetName("customerId");
    const auto invokation = LoadRecord<ClassInvokation>(
        Joined({ArchiveBytes().NewClass("ClassInvokation").Null().Null().Int(1).Get(),
                SaveObject(&customerId), SaveObject(&parameter)}));
    ASSERT_EQ(1u, invokation->GetParameterMaps().size());
    const std::unique_ptr<Field> field(invokation->GetParameterMaps()[0]->m_field);
    const std::unique_ptr<Parameter> loadedParameter(
        invokation->GetParameterMaps()[0]->m_parameter);
    EXPECT_EQ(CString("customer_id"), field->GetFieldName());
    EXPECT_EQ(CString("customerId"), loadedParameter->GetFieldName());
}

TEST_F(LogicRecordTest, ClassInvokationRoundTripSharesTheFunctionsParameter)
{
    Class ownerClass;
    auto* function = new Function;
    ownerClass.AddFunction(function);
    auto* parameter = new Parameter;
    function->AddParameter(parameter);
    Field customerId;
    ClassInvokation invokation;
    invokation.SetFunction(&ownerClass, function);
    invokation.AddParameterMap(parameter, &customerId);

    const std::unique_ptr<ClassInvokation> loaded(
        LoadObject<ClassInvokation>(SaveObject(&invokation)));
    const std::unique_ptr<Class> loadedClass(loaded->GetClass());
    const std::unique_ptr<Field> loadedField(loaded->GetParameterMaps().at(0)->m_field);

    ASSERT_EQ(1u, loadedClass->GetFunctions().size());
    EXPECT_EQ(loadedClass->GetFunctions()[0], loaded->GetFunction());
    EXPECT_EQ(loaded->GetFunction()->GetParameters().at(0),
              loaded->GetParameterMaps()[0]->m_parameter);
    EXPECT_NE(nullptr, loadedField.get());
}

TEST_F(ClassCallTest, CopyHasItsOwnMapsOfTheSameParameterAndField)
{
    auto source = std::make_unique<ClassInvokation>(&m_call);
    source->AddParameterMap(m_from, &m_start);

    const ClassInvokation copy(source.get());
    source.reset();

    EXPECT_EQ(&m_class, copy.GetClass());
    EXPECT_EQ(m_function, copy.GetFunction());
    ASSERT_EQ(1u, copy.GetParameterMaps().size());
    EXPECT_EQ(m_from, copy.GetParameterMaps()[0]->m_parameter);
    EXPECT_EQ(&m_start, copy.GetParameterMaps()[0]->m_field);
    EXPECT_EQ(nullptr, ClassInvokation(nullptr).GetFunction());
}

TEST_F(LogicRecordTest, BooleanTreeNodeReadsChildrenFilterAndOperator)
{
    ArchiveBytes bytes;
    bytes.NewClass("BooleanTreeNode").ClassRef(1).Null().Null().Null().Int(2);
    bytes.Null().Null().Int(1);
    const std::unique_ptr<BooleanTreeNode> root = LoadAndResave<BooleanTreeNode>(bytes.Get());
    const std::unique_ptr<BooleanTreeNode> leaf(root->GetLeft());

    EXPECT_EQ(1, root->GetOperator());
    ASSERT_NE(nullptr, leaf);
    EXPECT_EQ(2, leaf->GetOperator());
    EXPECT_EQ(nullptr, root->GetRight());
    EXPECT_EQ(root->GetId() + 1, leaf->GetId());
}

TEST_F(LogicRecordTest, ChangeEventHandleOwnsTheInvocationItReads)
{
    EXPECT_EQ(nullptr, ChangeEventHandle().GetProcedure());
    ProcedureInvokation emptyCall;
    const auto handle = LoadAndResave<ChangeEventHandle>(
        Joined({ArchiveBytes().NewClass("ChangeEventHandle").Get(), SaveObject(&emptyCall)}));

    ASSERT_NE(nullptr, handle->GetProcedureInvokation());
    EXPECT_EQ(nullptr, handle->GetProcedure());
}

TEST_F(LogicRecordTest, DateValidationReadsVariableKindInvocationAndResultField)
{
    Variable dueDate;
    dueDate.SetName("dueDate");
    const auto rule = LoadAndResave<DateValidation>(
        Joined({ArchiveBytes().NewClass("DateValidation").Get(), SaveObject(&dueDate),
                ArchiveBytes().Int(5).Null().Null().Get()}));
    const std::unique_ptr<Variable> variable(rule->GetVariable());

    EXPECT_EQ(CString("dueDate"), variable->GetFieldName());
    EXPECT_EQ(5, rule->GetComparisonKind());
    EXPECT_EQ(nullptr, rule->GetProcedureInvokation());
}

TEST_F(LogicRecordTest, DependentDataReadsNameKindAndControls)
{
    FieldRep control;
    const auto group = LoadAndResave<DependentData>(
        Joined({ArchiveBytes().NewClass("DependentData").Str("shipping").Int(4).Int(2).Get(),
                SaveObject(&control), // class 3, object 4
                ArchiveBytes().ObjectRef(4).Get()}));
    ASSERT_EQ(2u, group->GetControls().size());
    const std::unique_ptr<FieldRep> loadedControl(group->GetControls()[0]);

    EXPECT_EQ(CString("shipping"), group->GetFieldName());
    EXPECT_EQ(4, group->GetKind());
    EXPECT_NE(nullptr, loadedControl);
    EXPECT_EQ(loadedControl.get(), group->GetControls()[1]);
    EXPECT_EQ(1, DependentData().GetKind());
}

TEST_F(LogicRecordTest, DerivedFieldReadsFieldTableAndFormula)
{
    ArchiveBytes bytes;
    bytes.NewClass("DerivedField").Null().Null();
    bytes.NewClass("FormulaTreeNode").Null().Null().Null().Int(2);
    const std::unique_ptr<DerivedField> derived = LoadAndResave<DerivedField>(bytes.Get());

    ASSERT_NE(nullptr, derived->GetFormula());
    EXPECT_EQ(2, derived->GetFormula()->GetOperator());
}

TEST(DerivedFieldCopyTest, CopyOwnsItsFieldAndFormulaTreeAndBothDestroySafely)
{
    Table orders;
    FieldRep price;
    FieldRep qty;
    auto* total = new Field;
    total->SetFieldName("total");
    auto source = std::make_unique<DerivedField>(total, &orders);
    auto* formula = new FormulaTreeNode;
    formula->SetOperator(3);
    formula->SetLeft(new FormulaTreeNode);
    formula->GetLeft()->SetOperand(&price);
    formula->SetRight(new FormulaTreeNode);
    formula->GetRight()->SetOperand(&qty);
    source->SetFormula(formula);

    auto copy = std::make_unique<DerivedField>(*source);
    EXPECT_NE(total, copy->GetField());
    EXPECT_NE(formula->GetLeft(), copy->GetFormula()->GetLeft());
    EXPECT_NE(formula->GetRight(), copy->GetFormula()->GetRight());
    EXPECT_GT(copy->GetFormula()->GetId(), formula->GetRight()->GetId()) << "copies take new ids";
    source.reset();

    EXPECT_EQ(CString("total"), copy->GetField()->GetFieldName());
    EXPECT_EQ(&orders, copy->GetTable());
    EXPECT_EQ(3, copy->GetFormula()->GetOperator());
    EXPECT_EQ(&price, copy->GetFormula()->GetLeft()->GetOperand());
    EXPECT_EQ(&qty, copy->GetFormula()->GetRight()->GetOperand());
    const DerivedField copyOfCopy(*copy);
    copy.reset();
    EXPECT_EQ(&price, copyOfCopy.GetFormula()->GetLeft()->GetOperand());

    const DerivedField empty;
    const DerivedField emptyCopy(empty);
    EXPECT_EQ(nullptr, emptyCopy.GetField());
    EXPECT_EQ(nullptr, emptyCopy.GetFormula());
}

TEST_F(ClassCallTest, FunctionsAreFoundCountedAndDeletedOnlyFromTheirClass)
{
    EXPECT_EQ(m_class.GetFunctions()[0], m_class.FindFunctionByName("selectallrecords"));
    EXPECT_EQ(nullptr, m_class.FindFunctionByName("SelectAll"));
    EXPECT_EQ(3, m_class.GetUserDefinedFunctionCount());
    std::vector<Function*> userFunctions = {nullptr};
    m_class.GetUserFunctions(userFunctions);
    EXPECT_EQ(std::vector<Function*>{m_function}, userFunctions);

    Function stranger;
    m_class.DeleteFunction(&stranger);
    EXPECT_EQ(4u, m_class.GetFunctions().size());
    m_class.DeleteFunction(m_function);
    EXPECT_EQ(nullptr, m_class.FindFunctionByName("TopCustomers"));
    m_class.GetUserFunctions(userFunctions);
    EXPECT_TRUE(userFunctions.empty()) << "a class of three functions has no user function";
}

TEST_F(ClassCallTest, TheClassListsItsTableWhichItsReleaseLetsGoOf)
{
    Table other;
    ReferenceList list;
    list.SetUser([&] { return m_class.GetFieldName(); });
    m_class.ListReferences(list);

    EXPECT_FALSE(list.Refers({&other, nullptr}));
    EXPECT_EQ(std::vector<CString>{"OrdersClass"}, list.UsersOf({&m_orders}));
    EXPECT_EQ(1, list.Release({&m_orders}));
    EXPECT_EQ(nullptr, m_class.GetTable());
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

TEST(DependentDataTest, RemovingAControlTakesOnlyItsFirstOccurrence)
{
    FieldRep first;
    FieldRep second;
    DependentData group;
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

} // namespace
