#include "entities/DateValidation.h"
#include "entities/DependentData.h"
#include "entities/ProcedureFieldInfo.h"
#include "entities/ProcedureInvokation.h"
#include "entities/Variable.h"
#include "model/Field.h"
#include "model/FieldFilter.h"
#include "model/FieldVisibility.h"
#include "model/ValidationData.h"
#include "model/VisibilityData.h"
#include "tests/model/ModelBuilders.h"
#include "tests/support/ArchiveBytes.h"
#include "tests/support/RecordBytes.h"

#include <gtest/gtest.h>

#include <memory>

TEST(ValidationDataRecordTest, RoundTripKeepsRulesAndGroupsInOrder)
{
    ScopedArchiveVersion version(CurrentVersion());
    ValidationData validation;
    validation.AddDateValidation(new DateValidation(nullptr, 4, nullptr, nullptr));
    validation.AddDateValidation(new DateValidation(nullptr, 1, new ProcedureInvokation, nullptr));
    auto* group = new DependentData;
    group->SetKind(2);
    validation.AddDependentData(group);

    const std::vector<BYTE> bytes = SaveObject(&validation);
    std::unique_ptr<ValidationData> loaded(LoadObject<ValidationData>(bytes));
    ASSERT_EQ(2u, loaded->GetDateValidations().size());
    EXPECT_EQ(4, loaded->GetDateValidations()[0]->GetComparisonKind());
    EXPECT_EQ(bytes, SaveObject(loaded.get()));
}

// Files before 53 hold a single rule, kept only with a variable, which then belongs to the page.
TEST(ValidationDataRecordTest, VersionGates)
{
    const ArchiveBytes variable = ArchiveBytes().NewClass("Variable").Str("v").Int(1).Str("");
    ExpectRecordVersions<ValidationData>(
        "ValidationData",
        {Until(9, ArchiveBytes().Null().Int(3).Null().Null(), ArchiveBytes().Int(0).Int(0)),
         Between(9, 52, ArchiveBytes(variable).Int(5).Null().Null(),
                 ArchiveBytes()
                     .Int(1)
                     .NewClass("DateValidation")
                     .Append(variable)
                     .Int(5)
                     .Null()
                     .Null()
                     .Int(0)),
         After(
             52,
             ArchiveBytes().Int(1).NewClass("DateValidation").Null().Int(2).Null().Null().Int(0))},
        [](ValidationData& validation)
        {
            for (const DateValidation* rule : validation.GetDateValidations())
                delete rule->GetVariable();
        });
}

TEST(VisibilityDataRecordTest, RoundTripKeepsSourcesAndValuesWithTheirRelations)
{
    ScopedArchiveVersion version(CurrentVersion());
    ProcedureFieldInfo resultField;
    resultField.SetText("total");
    Variable variable;
    variable.SetName("status");
    VisibilityData data;
    data.SetDataProcedure(new ProcedureInvokation);
    data.SetResultField(&resultField);
    data.SetVariable(&variable);
    data.AddValue(NewValue("10", 1, 4));
    data.AddValue(NewValue("closed", 2, 3));

    const std::vector<BYTE> bytes = SaveObject(&data);
    std::unique_ptr<VisibilityData> loaded(LoadObject<VisibilityData>(bytes));
    std::unique_ptr<ProcedureFieldInfo> loadedResult(loaded->GetResultField());
    std::unique_ptr<Variable> loadedVariable(loaded->GetVariable());
    ASSERT_NE(nullptr, loadedResult);
    EXPECT_EQ(CString("total"), loadedResult->GetText());
    ASSERT_EQ(2u, loaded->GetValues().size());
    EXPECT_EQ(3, loaded->GetValues()[1]->relation);
    EXPECT_EQ(bytes, SaveObject(loaded.get()));
}

// Each value's relation comes from 57, a reserved int from 55.
TEST(VisibilityDataRecordTest, VersionGates)
{
    ExpectRecordVersions<VisibilityData>(
        "VisibilityData", {Always(ArchiveBytes().Null().Null().Null().Int(2).Int(2).Str("5")),
                           After(56, ArchiveBytes().Int(4), ArchiveBytes().Int(0)),
                           Always(ArchiveBytes().Int(2).Str("9")),
                           After(56, ArchiveBytes().Int(3), ArchiveBytes().Int(0)),
                           After(54, ArchiveBytes().Int(0), ArchiveBytes().Int(0))});
}

TEST(FieldVisibilityRecordTest, RoundTripKeepsFieldDataAndKind)
{
    ScopedArchiveVersion version(CurrentVersion());
    Field field;
    field.SetFieldName("salary");
    field.SetDisplayName("salary");
    FieldVisibility visibility(&field);
    auto* data = new VisibilityData;
    data->AddValue(NewValue("0", 2, 0));
    visibility.SetVisibilityData(data);
    visibility.SetVisibilityKind(FieldVisibility::DependsOnData);

    const std::vector<BYTE> bytes = SaveObject(&visibility);
    std::unique_ptr<FieldVisibility> loaded(LoadObject<FieldVisibility>(bytes));
    std::unique_ptr<Field> loadedField(loaded->GetField());
    EXPECT_EQ(bytes, SaveObject(loaded.get()));
}

TEST(FieldFilterRecordTest, RoundTripKeepsFieldKindAndVariableAndTakesANewId)
{
    ScopedArchiveVersion version(CurrentVersion());
    Field field;
    field.SetFieldName("age");
    field.SetDisplayName("age");
    Variable variable;
    variable.SetName("minimum");
    FieldFilter filter;
    filter.SetField(&field);
    filter.SetComparisonKind(5);
    filter.SetVariable(&variable);

    const std::vector<BYTE> bytes = SaveObject(&filter);
    std::unique_ptr<FieldFilter> loaded(LoadObject<FieldFilter>(bytes));
    std::unique_ptr<Field> loadedField(loaded->GetField());
    std::unique_ptr<Variable> loadedVariable(loaded->GetVariable());
    EXPECT_EQ(bytes, SaveObject(loaded.get()));
    EXPECT_EQ(filter.GetId() + 1, loaded->GetId());
}
