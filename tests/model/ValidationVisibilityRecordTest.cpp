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
#include "tests/support/ArchiveBytes.h"
#include "tests/support/RecordBytes.h"

#include <gtest/gtest.h>

#include <memory>

namespace
{
VisibilityValue* NewValue(const char* text, int status, int relation)
{
    return new VisibilityValue{text, status, relation};
}
} // namespace

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

TEST(ValidationDataRecordTest, Version52WithoutVariableDropsTheSingleRule)
{
    ArchiveBytes bytes;
    bytes.NewClass("ValidationData").Null().Int(3);
    bytes.NewClass("ProcedureInvokation").Null().Int(0).Int(0).Null();
    const auto validation = ReadRecordAndSentinel<ValidationData>(bytes, 52);
    EXPECT_TRUE(validation->GetDateValidations().empty());
    EXPECT_TRUE(validation->GetDependentData().empty());
}

TEST(ValidationDataRecordTest, Version52WithVariableMakesExactlyOneRuleOfTheFourItems)
{
    Variable variable;
    ProcedureFieldInfo resultField;
    ArchiveBytes bytes;
    bytes.NewClass("ValidationData").ObjectRef(2).Int(5).Null().ObjectRef(4);
    // Variable is class 1 and object 2, ProcedureFieldInfo class 3 and object 4.
    RecordReader reader(StoredThenHandBuilt({&variable, &resultField}, bytes));
    std::unique_ptr<Variable> loadedVariable(reader.Read<Variable>(CurrentVersion()));
    std::unique_ptr<ProcedureFieldInfo> loadedResult(
        reader.Read<ProcedureFieldInfo>(CurrentVersion()));
    std::unique_ptr<ValidationData> validation(reader.Read<ValidationData>(52));
    EXPECT_EQ(recordSentinel, reader.ReadInt());

    ASSERT_EQ(1u, validation->GetDateValidations().size());
    const DateValidation* rule = validation->GetDateValidations()[0];
    EXPECT_EQ(loadedVariable.get(), rule->GetVariable());
    EXPECT_EQ(5, rule->GetComparisonKind());
    EXPECT_EQ(nullptr, rule->GetProcedureInvokation());
    EXPECT_EQ(loadedResult.get(), rule->GetResultField());
    EXPECT_TRUE(validation->GetDependentData().empty());
}

TEST(ValidationDataRecordTest, Version53ReadsTheTwoLists)
{
    ArchiveBytes bytes;
    bytes.NewClass("ValidationData").Int(1).NewClass("DateValidation").Null().Int(2).Null().Null();
    bytes.Int(0);
    const auto validation = ReadRecordAndSentinel<ValidationData>(bytes, 53);
    ASSERT_EQ(1u, validation->GetDateValidations().size());
    EXPECT_EQ(2, validation->GetDateValidations()[0]->GetComparisonKind());
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

TEST(VisibilityDataRecordTest, RelationIsReadFromVersion57AndTheReservedIntFrom55)
{
    struct Case
    {
        int version;
        int expectedRelation;
    };
    for (const Case& c : {Case{54, 0}, Case{55, 0}, Case{56, 0}, Case{57, 4}})
    {
        ArchiveBytes bytes;
        bytes.NewClass("VisibilityData").Null().Null().Null().Int(2);
        for (const char* text : {"5", "9"})
        {
            bytes.Int(2).Str(text);
            if (c.version > 56)
                bytes.Int(4);
        }
        if (c.version > 54)
            bytes.Int(0);
        const auto data = ReadRecordAndSentinel<VisibilityData>(bytes, c.version);
        ASSERT_EQ(2u, data->GetValues().size()) << "version " << c.version;
        for (const VisibilityValue* value : data->GetValues())
        {
            EXPECT_EQ(2, value->layoutStatus);
            EXPECT_EQ(c.expectedRelation, value->relation) << "version " << c.version;
        }
        EXPECT_EQ(CString("9"), data->GetValues()[1]->value);
    }
}

TEST(FieldVisibilityRecordTest, RoundTripKeepsFieldDataAndKind)
{
    ScopedArchiveVersion version(CurrentVersion());
    Field field;
    field.SetFieldName("salary");
    FieldVisibility visibility(&field);
    auto* data = new VisibilityData;
    data->AddValue(NewValue("0", 2, 0));
    visibility.SetVisibilityData(data);
    visibility.SetVisibilityKind(FieldVisibility::DependsOnData);

    std::unique_ptr<FieldVisibility> loaded(LoadObject<FieldVisibility>(SaveObject(&visibility)));
    std::unique_ptr<Field> loadedField(loaded->GetField());
    ASSERT_NE(nullptr, loadedField);
    EXPECT_EQ(CString("salary"), loadedField->GetFieldName());
    ASSERT_NE(nullptr, loaded->GetVisibilityData());
    EXPECT_EQ(1u, loaded->GetVisibilityData()->GetValues().size());
    EXPECT_EQ(FieldVisibility::DependsOnData, loaded->GetVisibilityKind());
}

TEST(FieldFilterRecordTest, RoundTripKeepsFieldKindAndVariableAndTakesANewId)
{
    ScopedArchiveVersion version(CurrentVersion());
    Field field;
    field.SetFieldName("age");
    Variable variable;
    variable.SetName("minimum");
    FieldFilter filter;
    filter.SetField(&field);
    filter.SetComparisonKind(5);
    filter.SetVariable(&variable);

    std::unique_ptr<FieldFilter> loaded(LoadObject<FieldFilter>(SaveObject(&filter)));
    std::unique_ptr<Field> loadedField(loaded->GetField());
    std::unique_ptr<Variable> loadedVariable(loaded->GetVariable());
    ASSERT_NE(nullptr, loadedField);
    EXPECT_EQ(CString("age"), loadedField->GetFieldName());
    EXPECT_EQ(5, loaded->GetComparisonKind());
    ASSERT_NE(nullptr, loadedVariable);
    EXPECT_EQ(CString("minimum"), loadedVariable->GetFieldName());
    EXPECT_EQ(filter.GetId() + 1, loaded->GetId());
}
