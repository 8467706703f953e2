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

// The runs of that record: the table from 4, the display name from 9 (else made from the name),
// the front-field flag from 84.
std::vector<RecordPart> FieldParts()
{
    const ArchiveBytes start =
        ArchiveBytes().Str(" order_date ").Int(4).Int(30).Int(2).Int(7).Int(0);
    return {Always(ArchiveBytes(start).Int(5).Str("x").Int(1).Int(0),
                   ArchiveBytes(start).Int(1).Str("x").Int(1).Int(0)),
            After(3, ArchiveBytes().Null(), ArchiveBytes().Null()),
            After(8, ArchiveBytes().Str("Ordered"), ArchiveBytes().Str("Order Date")),
            Always(ArchiveBytes().Null()), After(83, ArchiveBytes().Int(1), ArchiveBytes().Int(0))};
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
    EXPECT_EQ(CString(" order_date "), copy.GetFieldName());
    EXPECT_EQ(30, copy.GetSize());
    EXPECT_TRUE(copy.IsForeignKey());
    EXPECT_EQ(CString("x"), copy.GetDefaultValue());
    EXPECT_EQ(CString("Ordered"), copy.GetDisplayName());
    EXPECT_TRUE(copy.IsFrontField());
}

TEST(FieldRecordTest, VersionGates)
{
    ExpectRecordVersions<Field>("Field", FieldParts());
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
}

// The validate flag comes from 56; the reference field owns its field.
TEST(RefFieldRecordTest, VersionGates)
{
    ExpectRecordVersions<RefField>(
        "RefField", PartsOf(PartsOf({Always(ArchiveBytes().NewClass("Field"))}, FieldParts()),
                            {Always(ArchiveBytes().Null()),
                             After(55, ArchiveBytes().Int(0), ArchiveBytes().Int(1))}));
    EXPECT_TRUE(RefField().GetValidate());
}

TEST(RefFieldRecordTest, CopyOwnsANewFieldSharingTheTable)
{
    Table table;
    auto* field = new Field;
    field->SetFieldName("f");
    RefField refField(field, &table);
    refField.SetValidate(false);
    RefField copy(refField);
    EXPECT_NE(refField.GetField(), copy.GetField());
    EXPECT_EQ(CString("f"), copy.GetField()->GetFieldName());
    EXPECT_EQ(&table, copy.GetTable());
    EXPECT_FALSE(copy.GetValidate());
}
