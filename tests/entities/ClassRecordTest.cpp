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
#include "entities/ProcedureInvokation.h"
#include "entities/Variable.h"
#include "model/Field.h"
#include "model/FieldRep.h"
#include "model/Table.h"
#include "tests/support/ArchiveBytes.h"
#include "tests/support/RecordBytes.h"

#include <gtest/gtest.h>

#include <memory>

namespace
{
class LogicRecordTest : public ::testing::Test
{
protected:
    ScopedArchiveVersion m_version{TheVersionHistory().GetCurrentVersion()};
};

// Loads a record built by hand and followed by the sentinel, checks the sentinel and that
// saving the object gives the record's bytes again.
template <class T> std::unique_ptr<T> LoadAndResave(ArchiveBytes& bytes)
{
    const std::vector<BYTE> record = bytes.Get();
    const LoadedRecord<T> loaded = LoadWithSentinel<T>(bytes.Int(recordSentinel).Get());
    std::unique_ptr<T> object(loaded.object);
    EXPECT_EQ(recordSentinel, loaded.trailer);
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
    const std::unique_ptr<Class> loaded = LoadAndResave<Class>(bytes);

    EXPECT_EQ(CString("_orders"), loaded->GetFieldName());
    ASSERT_EQ(2u, loaded->GetFunctions().size());
    EXPECT_EQ(CString("SelectRecord"), loaded->GetFunctions()[0]->GetFieldName());
    EXPECT_EQ(1, loaded->GetFunctions()[0]->GetKind());
    EXPECT_EQ(CString("TopCustomers"), loaded->GetFunctions()[1]->GetFieldName());
    EXPECT_EQ(loaded.get(), loaded->GetFunctions()[1]->GetClass());
}

TEST_F(LogicRecordTest, ClassInvokationWithoutMapsIsClassFunctionAndZeroCount)
{
    ArchiveBytes bytes;
    bytes.NewClass("ClassInvokation").Null().Null().Int(0);
    EXPECT_TRUE(LoadAndResave<ClassInvokation>(bytes)->GetParameterMaps().empty());
}

TEST_F(LogicRecordTest, ClassInvokationMapHoldsTheFieldBeforeTheParameter)
{
    Field customerId;
    customerId.SetFieldName("customer_id");
    Parameter parameter;
    parameter.SetName("customerId");
    const std::vector<BYTE> bytes =
        Joined({ArchiveBytes().NewClass("ClassInvokation").Null().Null().Int(1).Get(),
                SaveObject(&customerId), SaveObject(&parameter),
                ArchiveBytes().Int(recordSentinel).Get()});

    const LoadedRecord<ClassInvokation> loaded = LoadWithSentinel<ClassInvokation>(bytes);
    const std::unique_ptr<ClassInvokation> invokation(loaded.object);
    ASSERT_EQ(1u, invokation->GetParameterMaps().size());
    const std::unique_ptr<Field> field(invokation->GetParameterMaps()[0]->m_field);
    const std::unique_ptr<Parameter> loadedParameter(
        invokation->GetParameterMaps()[0]->m_parameter);

    EXPECT_EQ(recordSentinel, loaded.trailer);
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

TEST(ClassInvokationCopyTest, CopyHasItsOwnMapsOfTheSameParameterAndField)
{
    Class ownerClass;
    Function function;
    Parameter parameter;
    Field field;
    auto source = std::make_unique<ClassInvokation>();
    source->SetFunction(&ownerClass, &function);
    source->AddParameterMap(&parameter, &field);
    const ClassParameterMap* sourceMap = source->GetParameterMaps()[0];

    const ClassInvokation copy(source.get());
    source->SetFunction(&ownerClass, &function);
    EXPECT_EQ(sourceMap, source->GetParameterMaps().at(0));
    source.reset();

    EXPECT_EQ(&ownerClass, copy.GetClass());
    EXPECT_EQ(&function, copy.GetFunction());
    ASSERT_EQ(1u, copy.GetParameterMaps().size());
    EXPECT_EQ(&parameter, copy.GetParameterMaps()[0]->m_parameter);
    EXPECT_EQ(&field, copy.GetParameterMaps()[0]->m_field);
    EXPECT_EQ(nullptr, ClassInvokation(nullptr).GetFunction());
}

TEST_F(LogicRecordTest, BooleanTreeNodeReadsChildrenFilterAndOperator)
{
    ArchiveBytes bytes;
    bytes.NewClass("BooleanTreeNode").ClassRef(1).Null().Null().Null().Int(2);
    bytes.Null().Null().Int(1);
    const std::unique_ptr<BooleanTreeNode> root = LoadAndResave<BooleanTreeNode>(bytes);
    const std::unique_ptr<BooleanTreeNode> leaf(root->GetLeft());

    EXPECT_EQ(1, root->GetOperator());
    ASSERT_NE(nullptr, leaf);
    EXPECT_EQ(2, leaf->GetOperator());
    EXPECT_EQ(nullptr, root->GetRight());
    const BooleanTreeNode first;
    const BooleanTreeNode second;
    EXPECT_EQ(first.GetId() + 1, second.GetId());
}

TEST_F(LogicRecordTest, ChangeEventHandleOwnsTheInvocationItReads)
{
    ProcedureInvokation invokation;
    const std::vector<BYTE> bytes =
        Joined({ArchiveBytes().NewClass("ChangeEventHandle").Get(), SaveObject(&invokation),
                ArchiveBytes().Int(recordSentinel).Get()});
    const LoadedRecord<ChangeEventHandle> loaded = LoadWithSentinel<ChangeEventHandle>(bytes);
    const std::unique_ptr<ChangeEventHandle> handle(loaded.object);

    EXPECT_EQ(recordSentinel, loaded.trailer);
    EXPECT_NE(nullptr, handle->GetProcedureInvokation());
}

TEST_F(LogicRecordTest, DateValidationReadsVariableKindInvocationAndResultField)
{
    Variable dueDate;
    dueDate.SetName("dueDate");
    const std::vector<BYTE> bytes =
        Joined({ArchiveBytes().NewClass("DateValidation").Get(), SaveObject(&dueDate),
                ArchiveBytes().Int(5).Null().Null().Int(recordSentinel).Get()});
    const LoadedRecord<DateValidation> loaded = LoadWithSentinel<DateValidation>(bytes);
    const std::unique_ptr<DateValidation> rule(loaded.object);
    const std::unique_ptr<Variable> variable(rule->GetVariable());

    EXPECT_EQ(recordSentinel, loaded.trailer);
    EXPECT_EQ(CString("dueDate"), variable->GetFieldName());
    EXPECT_EQ(5, rule->GetComparisonKind());
    EXPECT_EQ(nullptr, rule->GetProcedureInvokation());
    const DateValidation stored(nullptr, 3, nullptr, nullptr);
    EXPECT_EQ(ArchiveBytes().NewClass("DateValidation").Null().Int(3).Null().Null().Get(),
              SaveObject(&stored));
}

TEST_F(LogicRecordTest, DependentDataReadsNameKindAndControls)
{
    FieldRep control;
    const std::vector<BYTE> bytes =
        Joined({ArchiveBytes().NewClass("DependentData").Str("shipping").Int(4).Int(2).Get(),
                SaveObject(&control), // class 3, object 4
                ArchiveBytes().ObjectRef(4).Int(recordSentinel).Get()});
    const LoadedRecord<DependentData> loaded = LoadWithSentinel<DependentData>(bytes);
    const std::unique_ptr<DependentData> group(loaded.object);
    ASSERT_EQ(2u, group->GetControls().size());
    const std::unique_ptr<FieldRep> loadedControl(group->GetControls()[0]);

    EXPECT_EQ(recordSentinel, loaded.trailer);
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
    const std::unique_ptr<DerivedField> derived = LoadAndResave<DerivedField>(bytes);

    ASSERT_NE(nullptr, derived->GetFormula());
    EXPECT_EQ(2, derived->GetFormula()->GetOperator());
}

TEST(DerivedFieldCopyTest, CopyOwnsItsFieldAndFormulaTreeAndBothDestroySafely)
{
    Table orders;
    FieldRep price;
    auto* total = new Field;
    total->SetFieldName("total");
    auto source = std::make_unique<DerivedField>(total, &orders);
    auto* formula = new FormulaTreeNode;
    formula->SetOperator(3);
    formula->SetLeft(new FormulaTreeNode);
    formula->GetLeft()->SetOperand(&price);
    source->SetFormula(formula);

    auto copy = std::make_unique<DerivedField>(*source);
    EXPECT_NE(total, copy->GetField());
    EXPECT_NE(formula, copy->GetFormula());
    EXPECT_NE(formula->GetLeft(), copy->GetFormula()->GetLeft());
    source.reset();

    EXPECT_EQ(CString("total"), copy->GetField()->GetFieldName());
    EXPECT_EQ(&orders, copy->GetTable());
    EXPECT_EQ(3, copy->GetFormula()->GetOperator());
    EXPECT_EQ(&price, copy->GetFormula()->GetLeft()->GetOperand());
    const DerivedField copyOfCopy(*copy);
    copy.reset();
    EXPECT_EQ(&price, copyOfCopy.GetFormula()->GetLeft()->GetOperand());

    const DerivedField empty;
    const DerivedField emptyCopy(empty);
    EXPECT_EQ(nullptr, emptyCopy.GetField());
    EXPECT_EQ(nullptr, emptyCopy.GetFormula());
}
} // namespace
