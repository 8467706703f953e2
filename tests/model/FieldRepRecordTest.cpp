#include "entities/Variable.h"
#include "model/Field.h"
#include "model/FieldRep.h"
#include "model/FieldRepData.h"
#include "model/ValidationData.h"
#include "tests/support/ArchiveBytes.h"
#include "tests/support/RecordBytes.h"

#include <gtest/gtest.h>

#include <memory>

namespace
{
FieldRepData* NewData(const char* caption)
{
    auto* data = new FieldRepData;
    data->SetCaption(caption);
    return data;
}

} // namespace

TEST(FieldRepRecordTest, RoundTripKeepsFieldDataVariableValidationAndFlagButNotTheMergeMark)
{
    ScopedArchiveVersion version(CurrentVersion());
    Field field;
    field.SetFieldName("email");
    field.SetDisplayName("Email");
    field.SetAllowNull(true);
    Variable variable;
    variable.SetName("mail");
    FieldRep rep(&field);
    rep.AttachFieldRepData(NewData("E-mail"));
    rep.SetVariable(&variable);
    rep.SetValidationData(new ValidationData);
    rep.SetMandatory(true);
    rep.SetMergeMark(7);

    const std::vector<BYTE> bytes = SaveObject(&rep);
    std::unique_ptr<FieldRep> loaded(LoadObject<FieldRep>(bytes));
    ASSERT_NE(nullptr, loaded);
    std::unique_ptr<Field> loadedField(loaded->GetField());
    std::unique_ptr<Variable> loadedVariable(loaded->GetVariable());
    EXPECT_TRUE(loaded->IsMandatory()) << "the stored flag wins over the field's NULL rule";
    EXPECT_EQ(0, loaded->GetMergeMark());
    EXPECT_TRUE(loaded->GetLegacyValidations().empty());
    EXPECT_EQ(bytes, SaveObject(loaded.get()));
}

TEST(FieldRepRecordTest, ConstructorsTakeMandatoryFromTheFieldsNullRule)
{
    EXPECT_TRUE(FieldRep().IsMandatory());
    Field nullable;
    nullable.SetAllowNull(true);
    const FieldRep optional(&nullable);
    EXPECT_EQ(&nullable, optional.GetField());
    EXPECT_FALSE(optional.IsMandatory());
    Field strict;
    EXPECT_TRUE(FieldRep(&strict).IsMandatory());
    EXPECT_EQ(0, FieldRep().GetMergeMark());
}

TEST(FieldRepRecordTest, CopyDeepCopiesTheDataAndKeepsOnlyTheMandatoryFlag)
{
    Field field;
    field.SetAllowNull(true);
    Variable variable;
    FieldRep source(&field);
    auto* data = NewData("Zip");
    data->SetInternalSearch(true);
    source.AttachFieldRepData(data);
    source.SetVariable(&variable);
    source.SetValidationData(new ValidationData);
    source.SetMergeMark(3);

    const FieldRep copy(source);
    ASSERT_NE(nullptr, copy.GetFieldRepData());
    EXPECT_NE(source.GetFieldRepData(), copy.GetFieldRepData());
    EXPECT_EQ(CString("Zip"), copy.GetFieldRepData()->GetCaption());
    EXPECT_TRUE(copy.GetFieldRepData()->GetInternalSearch());
    EXPECT_FALSE(copy.IsMandatory());
    EXPECT_EQ(nullptr, copy.GetField());
    EXPECT_EQ(nullptr, copy.GetVariable());
    EXPECT_EQ(nullptr, copy.GetValidationData());
    EXPECT_EQ(0, copy.GetMergeMark());

    const FieldRep withoutData;
    EXPECT_EQ(nullptr, FieldRep(withoutData).GetFieldRepData());
}

// Files of 48 to 53 hold a list of validations, later ones a single object; a control without a
// field is mandatory in files before 64.
TEST(FieldRepRecordTest, VersionGates)
{
    ExpectRecordVersions<FieldRep>(
        "FieldRep",
        {Always(ArchiveBytes().Null().Null().Null()),
         Between(47, 53, ArchiveBytes().Int(2).Null().Null()),
         After(53, ArchiveBytes().NewClass("ValidationData").Int(0).Int(0), ArchiveBytes().Null()),
         After(63, ArchiveBytes().Int(0), ArchiveBytes().Int(1))});
}

TEST(FieldRepRecordTest, BeforeVersion64MandatoryFollowsTheFieldAndFrom64TheStoredFlag)
{
    Field nullable;
    nullable.SetAllowNull(true);
    Field strict;
    for (int version : {63, 64})
    {
        ArchiveBytes bytes;
        bytes.NewClass("FieldRep").ObjectRef(2).Null().Null().Null();
        if (version > 63)
            bytes.Int(1);
        bytes.ClassRef(4).ObjectRef(3).Null().Null().Null();
        if (version > 63)
            bytes.Int(0);
        bytes.ClassRef(4).Null().Null().Null().Null();
        if (version > 63)
            bytes.Int(0);

        // Field is class 1; the two fields are objects 2 and 3; FieldRep becomes class 4.
        RecordReader reader(StoredThenHandBuilt({&nullable, &strict}, bytes));
        std::unique_ptr<Field> first(reader.Read<Field>(CurrentVersion()));
        std::unique_ptr<Field> second(reader.Read<Field>(CurrentVersion()));
        std::unique_ptr<FieldRep> onNullable(reader.Read<FieldRep>(version));
        std::unique_ptr<FieldRep> onStrict(reader.Read<FieldRep>(version));
        std::unique_ptr<FieldRep> withoutField(reader.Read<FieldRep>(version));
        EXPECT_EQ(recordSentinel, reader.ReadInt()) << "version " << version;

        EXPECT_EQ(first.get(), onNullable->GetField());
        EXPECT_EQ(version > 63, onNullable->IsMandatory()) << "version " << version;
        EXPECT_EQ(version < 64, onStrict->IsMandatory()) << "version " << version;
        EXPECT_EQ(version < 64, withoutField->IsMandatory()) << "version " << version;
    }
}
