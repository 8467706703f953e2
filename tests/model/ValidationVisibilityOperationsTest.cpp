#include "entities/DateValidation.h"
#include "entities/ProcedureFieldInfo.h"
#include "entities/ProcedureInvokation.h"
#include "entities/Variable.h"
#include "model/FieldFilter.h"
#include "model/FieldVisibility.h"
#include "model/ValidationData.h"
#include "model/VisibilityData.h"
#include "tests/model/ModelBuilders.h"

#include <gtest/gtest.h>

#include <utility>

namespace
{
// Visibility data decided by a procedure with the result field, and two values.
struct ProcedureVisibility
{
    ProcedureVisibility()
    {
        data.SetDataProcedure(new ProcedureInvokation);
        data.SetResultField(&result);
        data.SetVariable(&variable);
        data.AddValue(NewValue("a", 1));
        data.AddValue(NewValue("b", 2));
    }

    ProcedureFieldInfo result;
    Variable variable;
    VisibilityData data;
};
} // namespace

TEST(ValidationOperationsTest, RulesAreFoundByIndexAndByTheirComparison)
{
    Variable start;
    ProcedureFieldInfo limit;
    ValidationData validation;
    validation.AddDateValidation(new DateValidation(&start, 1, nullptr, nullptr));
    DateValidation* second = new DateValidation(nullptr, 4, nullptr, &limit);
    validation.AddDateValidation(second);

    EXPECT_EQ(second, validation.GetDateValidationAt(1));
    EXPECT_EQ(nullptr, validation.GetDateValidationAt(2));
    EXPECT_EQ(nullptr, validation.GetDateValidationAt(-1));
    EXPECT_TRUE(validation.HasVariableRule(&start, 1));
    EXPECT_FALSE(validation.HasVariableRule(&start, 2));
    EXPECT_TRUE(validation.HasFieldRule(&limit, 4));
    EXPECT_FALSE(validation.HasFieldRule(&limit, 1));
}

TEST(VisibilityOperationsTest, RemovingTheProcedureClearsItsResultFieldAndValuesOnlyIfSet)
{
    ProcedureVisibility visibility;
    visibility.data.RemoveProcedure();
    EXPECT_EQ(nullptr, visibility.data.GetDataProcedure());
    EXPECT_EQ(nullptr, visibility.data.GetResultField());
    EXPECT_TRUE(visibility.data.GetValues().empty());
    EXPECT_EQ(&visibility.variable, visibility.data.GetVariable());

    visibility.data.AddValue(NewValue("a", 1));
    visibility.data.RemoveProcedure();
    EXPECT_EQ(1u, visibility.data.GetValues().size());
    visibility.data.ClearVariable();
    EXPECT_EQ(nullptr, visibility.data.GetVariable());
    EXPECT_TRUE(visibility.data.GetValues().empty());
}

TEST(VisibilityOperationsTest,
     ValueIsPresentWithTheSameStatusAndTextIgnoringCaseAndNeighboursAreBothRemoved)
{
    ProcedureVisibility visibility;
    VisibilityValue probe{"A", 1, 5};
    EXPECT_TRUE(visibility.data.ContainsValue(&probe));
    probe.layoutStatus = 2;
    EXPECT_FALSE(visibility.data.ContainsValue(&probe));
    EXPECT_FALSE(visibility.data.ContainsValue(nullptr));

    VisibilityValue* first = visibility.data.GetValues()[0];
    VisibilityValue* second = visibility.data.GetValues()[1];
    visibility.data.AddValue(NewValue("c", 0));
    VisibilityValue stranger;

    visibility.data.RemoveValue(first);
    visibility.data.RemoveValue(second);
    visibility.data.RemoveValue(&stranger);

    ASSERT_EQ(1u, visibility.data.GetValues().size());
    EXPECT_EQ(CString("c"), visibility.data.GetValues()[0]->value);
}

TEST(VisibilityOperationsTest, StatusOperatorAndVisibilityTextsWithUnknownValues)
{
    VisibilityValue value{"", 2, 4};
    EXPECT_EQ(CString("Invisible"), VisibilityData::GetValueStatusName(&value));
    EXPECT_EQ(CString("<"), VisibilityData::GetOperatorText(&value));
    value = VisibilityValue{"", 9, 3};
    EXPECT_EQ(CString("Editable"), VisibilityData::GetValueStatusName(&value));
    EXPECT_EQ(CString("<>"), VisibilityData::GetOperatorText(&value));
    value.relation = 6;
    EXPECT_TRUE(VisibilityData::GetOperatorText(&value).IsEmpty());
    EXPECT_TRUE(VisibilityData::GetOperatorText(nullptr).IsEmpty());
    EXPECT_EQ(CString("Editable"), VisibilityData::GetValueStatusName(nullptr));

    FieldVisibility visibility;
    const std::pair<int, const char*> names[] = {
        {FieldVisibility::DependsOnData, "Visibility depends on Data"},
        {FieldVisibility::ReadOnly, "ReadOnly"},
        {7, "Editable"}};
    for (const auto& [kind, name] : names)
    {
        visibility.SetVisibilityKind(kind);
        EXPECT_EQ(CString(name), visibility.GetVisibilityName()) << kind;
    }
}

TEST(FieldFilterOperationsTest, OperatorTextsOfTheComparisonKinds)
{
    FieldFilter filter;
    EXPECT_EQ(CString("="), filter.GetOperatorText());
    const std::pair<int, const char*> texts[] = {{3, "!="}, {5, ">"}, {6, ""}, {-1, ""}};
    for (const auto& [kind, text] : texts)
    {
        filter.SetComparisonKind(kind);
        EXPECT_EQ(CString(text), filter.GetOperatorText()) << kind;
    }
}
