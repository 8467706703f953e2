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

TEST(FieldRepRecordTest, ValidationsAreReadFromVersion48AsAListAndFromVersion54AsOneObject)
{
    for (int version : {47, 48, 53, 54})
    {
        SCOPED_TRACE(version);
        const bool legacyList = version > 47 && version < 54;
        ArchiveBytes bytes;
        bytes.NewClass("FieldRep").Null().Null().Null();
        // Two validations in the layout of the version: a single rule without variable before
        // 53, two empty lists from 53 on.
        if (version == 48)
            bytes.Int(2)
                .NewClass("ValidationData")
                .Null()
                .Int(1)
                .Null()
                .Null()
                .ClassRef(3)
                .Null()
                .Int(2)
                .Null()
                .Null();
        if (version == 53)
            bytes.Int(2).NewClass("ValidationData").Int(0).Int(0).ClassRef(3).Int(0).Int(0);
        if (version == 54)
            bytes.NewClass("ValidationData").Int(0).Int(0);
        const auto rep = ReadRecordAndSentinel<FieldRep>(bytes, version);
        ASSERT_EQ(legacyList ? 2u : 0u, rep->GetLegacyValidations().size());
        if (legacyList)
        {
            EXPECT_NE(nullptr, rep->GetLegacyValidations()[0]);
            EXPECT_NE(nullptr, rep->GetLegacyValidations()[1]);
        }
        EXPECT_EQ(version == 54, rep->GetValidationData() != nullptr);
        EXPECT_TRUE(rep->IsMandatory());
    }
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
