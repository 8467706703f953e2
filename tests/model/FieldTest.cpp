#include "model/Field.h"

#include "model/RefField.h"
#include "model/Table.h"
#include "tests/support/ArchiveBytes.h"
#include "tests/support/RecordBytes.h"

#include <gtest/gtest.h>

#include <memory>

namespace
{
// A field record up to the key-column mark: "name", type 4, size 30, precision 2, reserved 7,
// key flag clear, foreign-key flag set, default "x", allow-null set, key-column mark clear.
ArchiveBytes FieldRecordStart()
{
    ArchiveBytes bytes;
    bytes.NewClass("Field").Str(" order_date ").Int(4).Int(30).Int(2).Int(7).Int(0).Int(5);
    bytes.Str("x").Int(1).Int(0);
    return bytes;
}

void ExpectRecordStart(const Field& field)
{
    EXPECT_EQ(CString(" order_date "), field.GetFieldName());
    EXPECT_EQ(FieldTypeVarchar, field.GetTypeCode());
    EXPECT_EQ(30, field.GetSize());
    EXPECT_EQ(2, field.GetPrecision());
    EXPECT_FALSE(field.IsKey());
    EXPECT_TRUE(field.IsForeignKey());
    EXPECT_EQ(CString("x"), field.GetDefaultValue());
    EXPECT_TRUE(field.IsAllowNull());
    EXPECT_FALSE(field.IsKeyColumn());
    EXPECT_EQ(nullptr, field.GetTable());
    EXPECT_EQ(nullptr, field.GetForeignField());
}
} // namespace

TEST(FieldTypeTest, TypeNamesOfTheThirteenCodes)
{
    const char* names[] = {"int",   "float", "Decimal", "char",     "varchar", "DateTime", "Text",
                           "money", "image", "nchar",   "nvarchar", "ntext",   "bigint"};
    Field field;
    for (int code = 0; code < 13; ++code)
    {
        field.SetType(code);
        EXPECT_EQ(CString(names[code]), field.GetTypeName());
    }
    field.SetType(13);
    EXPECT_EQ(CString(), field.GetTypeName());
    field.SetType(-1);
    EXPECT_EQ(CString(), field.GetTypeName());
}

TEST(FieldTypeTest, SetTypeTakesTheDefaultSizeOfANewCodeOrAnEmptySize)
{
    struct Step
    {
        int typeCode;
        int sizeBefore;
        int sizeAfter;
    };
    const Step steps[] = {{FieldTypeInt, -1, 8},
                          {FieldTypeVarchar, -1, 50},
                          {FieldTypeInt, -1, 8},
                          {FieldTypeDecimal, -1, 9},
                          {FieldTypeNText, -1, 16},
                          {FieldTypeVarchar, -1, 50},
                          {FieldTypeVarchar, 200, 200},
                          {99, -1, 200},
                          {99, 0, 0},
                          {FieldTypeChar, -1, 10},
                          {FieldTypeChar, 0, 10}};
    Field field;
    for (const Step& step : steps)
    {
        if (step.sizeBefore >= 0)
            field.SetSize(step.sizeBefore);
        field.SetType(step.typeCode);
        EXPECT_EQ(step.sizeAfter, field.GetSize()) << step.typeCode << " from " << step.sizeBefore;
        EXPECT_EQ(step.typeCode, field.GetTypeCode());
    }
}

TEST(FieldTest, CopyKeepsTheDescriptionAndForeignFieldButNotTableReservedOrMergeMark)
{
    ScopedArchiveVersion version(87);
    ArchiveBytes bytes = FieldRecordStart();
    bytes.Null().Str("Ordered").Null().Int(1);
    RecordReader reader(bytes.Int(recordSentinel).Get());
    std::unique_ptr<Field> loaded(reader.Read<Field>());
    EXPECT_EQ(recordSentinel, reader.ReadInt());
    Table table;
    Field foreign;
    loaded->SetTable(&table);
    loaded->SetForeignField(&foreign);
    loaded->SetMergeMark(2);

    ASSERT_EQ(7, loaded->GetReserved());
    Field copy(*loaded);
    EXPECT_EQ(nullptr, copy.GetTable());
    EXPECT_EQ(0, copy.GetReserved());
    EXPECT_EQ(0, copy.GetMergeMark());
    EXPECT_NE(loaded->GetId(), copy.GetId());
    EXPECT_EQ(&foreign, copy.GetForeignField());
    copy.SetForeignField(nullptr);
    ExpectRecordStart(copy);
    EXPECT_EQ(CString("Ordered"), copy.GetDisplayName());
    EXPECT_TRUE(copy.IsFrontField());
}

TEST(FieldRecordTest, DisplayNameIsReadAfterVersion8AndFrontFieldFlagAfterVersion83)
{
    struct Case
    {
        int version;
        bool displayNameStored;
        bool frontFieldFlagStored;
    };
    for (const Case c :
         {Case{8, false, false}, Case{9, true, false}, Case{83, true, false}, Case{84, true, true}})
    {
        ScopedArchiveVersion version(c.version);
        ArchiveBytes bytes = FieldRecordStart();
        bytes.Null();
        if (c.displayNameStored)
            bytes.Str("Ordered");
        bytes.Null();
        if (c.frontFieldFlagStored)
            bytes.Int(1);
        RecordReader reader(bytes.Int(recordSentinel).Get());
        std::unique_ptr<Field> field(reader.Read<Field>());
        EXPECT_EQ(recordSentinel, reader.ReadInt()) << c.version;
        ExpectRecordStart(*field);
        EXPECT_EQ(7, field->GetReserved());
        EXPECT_EQ(CString(c.displayNameStored ? "Ordered" : "Order Date"), field->GetDisplayName());
        EXPECT_EQ(c.frontFieldFlagStored, field->IsFrontField());
    }
}

TEST(FieldRecordTest, TableAndForeignFieldReferencesAreRestored)
{
    ScopedArchiveVersion version(84);
    ArchiveBytes bytes;
    bytes.NewClass("Field").Str("a").Int(0).Int(8).Int(0).Int(0).Int(0).Int(0).Str("").Int(0);
    bytes.Int(0).NewClass("Table").Int(0).Str("t").Null().Int(0);
    bytes.Str("A").ClassRef(1).Str("b").Int(0).Int(8).Int(0).Int(0).Int(0).Int(0).Str("");
    bytes.Int(0).Int(0).ObjectRef(4).Str("B").Null().Int(0).Int(1);

    RecordReader reader(bytes.Int(recordSentinel).Get());
    std::unique_ptr<Field> field(reader.Read<Field>());
    EXPECT_EQ(recordSentinel, reader.ReadInt());
    std::unique_ptr<Table> table(field->GetTable());
    std::unique_ptr<Field> foreign(field->GetForeignField());
    ASSERT_NE(nullptr, table);
    EXPECT_EQ(CString("t"), table->GetTableName());
    EXPECT_EQ(CString("b"), foreign->GetFieldName());
    EXPECT_EQ(table.get(), foreign->GetTable());
    EXPECT_EQ(CString("t.b"), field->GetForeignReference());
    EXPECT_TRUE(field->IsFrontField());
    EXPECT_FALSE(foreign->IsFrontField());
}

TEST(FieldTest, NameTestsAreCaseSensitiveAndReferencesNeedAForeignField)
{
    Table own;
    Table other;
    Table unrelated;
    Field key;
    key.SetTable(&other);
    Field field;
    field.SetTable(&own);
    field.SetFieldName("Is_Deleted");
    EXPECT_TRUE(field.IsDeletedFlagField());
    EXPECT_TRUE(field.IsKeyOrDeletedFlag());
    field.SetFieldName("is_deleted");
    EXPECT_FALSE(field.IsDeletedFlagField());
    EXPECT_FALSE(field.IsKeyOrDeletedFlag());
    field.SetKey(true);
    EXPECT_TRUE(field.IsKeyOrDeletedFlag());
    field.SetFieldName("Cust");
    EXPECT_EQ(CString("cust"), field.GetLowerName());

    EXPECT_EQ(CString(), field.GetForeignTableName());
    EXPECT_EQ(CString(), field.GetForeignFieldName());
    EXPECT_EQ(CString(), field.GetForeignReference());
    EXPECT_TRUE(field.RefersToTable(&own));
    EXPECT_FALSE(field.RefersToTable(&other));
    field.SetForeignField(&key);
    EXPECT_TRUE(field.RefersToTable(&other));
    EXPECT_FALSE(field.RefersToTable(&unrelated));
}

TEST(RefFieldRecordTest, ValidateFlagIsReadAfterVersion55AndCopiesOwnANewFieldSharingTheTable)
{
    ArchiveBytes before56;
    before56.NewClass("RefField").NewClass("Field").Str("f").Int(0).Int(8).Int(0).Int(0).Int(0);
    before56.Int(0).Str("").Int(0).Int(0).Null().Str("F").Null().Null();
    ArchiveBytes from56 = before56;
    from56.Int(0);
    {
        ScopedArchiveVersion version(55);
        RecordReader reader(before56.Int(recordSentinel).Get());
        std::unique_ptr<RefField> refField(reader.Read<RefField>());
        EXPECT_EQ(recordSentinel, reader.ReadInt());
        EXPECT_TRUE(refField->GetValidate());
        EXPECT_EQ(CString("f"), refField->GetField()->GetFieldName());
        EXPECT_EQ(nullptr, refField->GetTable());
    }
    {
        ScopedArchiveVersion version(56);
        RecordReader reader(from56.Int(recordSentinel).Get());
        std::unique_ptr<RefField> refField(reader.Read<RefField>());
        EXPECT_EQ(recordSentinel, reader.ReadInt());
        EXPECT_FALSE(refField->GetValidate());

        Table table;
        refField->SetTable(&table);
        RefField copy(*refField);
        EXPECT_NE(refField->GetField(), copy.GetField());
        EXPECT_EQ(CString("f"), copy.GetField()->GetFieldName());
        EXPECT_EQ(&table, copy.GetTable());
        EXPECT_FALSE(copy.GetValidate());
    }
    EXPECT_TRUE(RefField().GetValidate());
}
