#include "model/Table.h"

#include "model/Field.h"
#include "model/ReferenceList.h"
#include "tests/support/ArchiveBytes.h"
#include "tests/support/RecordBytes.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace
{
Field* MakeTableField(CString name, int typeCode = FieldTypeInt, Field* foreign = nullptr)
{
    auto* field = new Field;
    field->Set(name, name, typeCode, 0, 0, foreign, CString(), false, foreign != nullptr, false,
               false, false);
    return field;
}

std::unique_ptr<Table> MakeTable(CString name, int kind, std::vector<CString> fieldNames = {})
{
    auto table = std::make_unique<Table>();
    table->SetTableName(name);
    table->SetKind(kind);
    for (const CString& fieldName : fieldNames)
        table->AddField(MakeTableField(fieldName));
    return table;
}

std::vector<CString> TableFieldNames(const Table& table)
{
    std::vector<CString> names;
    for (const Field* field : table.GetFields())
        names.push_back(field->GetFieldName());
    return names;
}

// A field record as files of version 3 hold it: no table, display name or front-field flag.
ArchiveBytes& AppendVersion3Field(ArchiveBytes& bytes, const char* name, int typeCode, int size)
{
    bytes.Str(name).Int(typeCode).Int(size).Int(0).Int(0).Int(0).Int(0).Str("").Int(1).Int(0);
    return bytes.Null();
}
} // namespace

TEST(TableRecordTest, NewTableIsSavedWithItsKeyAndSoftDeleteFields)
{
    ScopedArchiveVersion version(87);
    auto table = MakeTable("customer", Table::masterKind);
    table->EnsureDefaultFields();

    ArchiveBytes expected;
    expected.NewClass("Table").Int(2);
    expected.NewClass("Field").Str("customer_id").Int(0).Int(4).Int(0).Int(0).Int(1).Int(0);
    expected.Str("").Int(0).Int(1).ObjectRef(2).Str("customer_id").Null().Int(0);
    expected.ClassRef(3).Str("Is_Deleted").Int(3).Int(1).Int(0).Int(0).Int(0).Int(0);
    expected.Str("N").Int(0).Int(0).ObjectRef(2).Str("Is_Deleted").Null().Int(0);
    expected.Str("customer").Null().Int(0);
    EXPECT_EQ(expected.Get(), SaveObject(table.get()));
}

TEST(TableRecordTest, LoadedTableOwnsItsFieldsAndASecondLoadAddsNothing)
{
    ScopedArchiveVersion version(87);
    auto original = MakeTable("order_detail", Table::masterDetailKind, {"quantity"});
    original->EnsureDefaultFields();

    std::unique_ptr<Table> loaded(LoadObject<Table>(SaveObject(original.get())));
    ASSERT_NE(nullptr, loaded);
    EXPECT_EQ(Table::masterDetailKind, loaded->GetKind());
    EXPECT_EQ(TableFieldNames(*original), TableFieldNames(*loaded));
    for (const Field* field : loaded->GetFields())
        EXPECT_EQ(loaded.get(), field->GetTable());

    std::unique_ptr<Table> reloaded(LoadObject<Table>(SaveObject(loaded.get())));
    EXPECT_EQ(TableFieldNames(*original), TableFieldNames(*reloaded));
}

TEST(TableRecordTest, Version3RecordHasNoKindAndGainsTheDefaultFields)
{
    ScopedArchiveVersion version(3);
    ArchiveBytes bytes;
    bytes.NewClass("Table").Int(2).NewClass("Field");
    AppendVersion3Field(bytes, "name", FieldTypeVarchar, 40).Null();
    bytes.Str("customer").Null();

    RecordReader reader(bytes.Int(recordSentinel).Get());
    std::unique_ptr<Table> table(reader.Read<Table>());
    EXPECT_EQ(recordSentinel, reader.ReadInt());
    ASSERT_NE(nullptr, table);
    EXPECT_EQ(Table::masterKind, table->GetKind());
    EXPECT_EQ((std::vector<CString>{"customer_id", "Is_Deleted", "name"}), TableFieldNames(*table));
    EXPECT_TRUE(table->GetFieldAt(0)->IsKey());
    const Field* name = table->GetFieldAt(2);
    EXPECT_EQ(table.get(), name->GetTable());
    EXPECT_EQ(CString("Name"), name->GetDisplayName());
    EXPECT_EQ(40, name->GetSize());
    EXPECT_TRUE(name->IsAllowNull());
}

TEST(TableDefaultFieldsTest, ColumnNamedLikeTheKeyInAnyCaseBecomesTheKey)
{
    auto table = MakeTable("customer", Table::masterKind, {"name", "customer_ID", "CUSTOMER_id"});
    table->EnsureDefaultFields();
    EXPECT_EQ((std::vector<CString>{"name", "Is_Deleted", "customer_ID", "CUSTOMER_id"}),
              TableFieldNames(*table));
    EXPECT_FALSE(table->GetFieldAt(0)->IsKey());
    EXPECT_TRUE(table->GetFieldAt(2)->IsKey());
    EXPECT_TRUE(table->GetFieldAt(3)->IsKey());
    EXPECT_FALSE(table->GetFieldAt(2)->IsKeyColumn());
    EXPECT_EQ(table->GetFieldAt(2), table->GetPrimaryKeyField());
}

TEST(TableDefaultFieldsTest, SoftDeleteColumnInAnyCaseIsNotAddedTwiceAndLeavesMasterDetailTables)
{
    auto table = MakeTable("customer", Table::masterKind, {"customer_id", "name", "is_deleted"});
    table->EnsureDefaultFields();
    EXPECT_EQ(3, table->GetFieldCount());
    EXPECT_FALSE(table->GetFieldAt(2)->IsDeletedFlagField());

    auto detail = MakeTable("order_basic", Table::masterDetailKind, {"IS_DELETED", "is_deleted"});
    std::unique_ptr<Field> removed(detail->GetFieldAt(0));
    detail->EnsureDefaultFields();
    EXPECT_EQ((std::vector<CString>{"order_basic_id", "is_deleted"}), TableFieldNames(*detail));
    EXPECT_EQ(CString("IS_DELETED"), removed->GetFieldName());
}

TEST(TableNameTest, IsDetailTableAppendsBasicOnlyToUnsuffixedMasterDetailNames)
{
    struct Case
    {
        const char* name;
        int kind;
        bool detail;
        const char* after;
    };
    const Case cases[] = {
        {"order", Table::masterDetailKind, false, "order_basic"},
        {"order_Detail", Table::masterDetailKind, false, "order_Detail"},
        {"order_detail", Table::masterDetailKind, true, "order_detail"},
        {"order_Basic_detail", Table::masterDetailKind, false, "order_Basic_detail"},
        {"order", Table::masterKind, false, "order"},
        {"order_detail", Table::mapKind, false, "order_detail"},
    };
    for (const Case& c : cases)
    {
        auto table = MakeTable(c.name, c.kind);
        EXPECT_EQ(c.detail, table->IsDetailTable()) << c.name;
        EXPECT_EQ(CString(c.after), table->GetTableName()) << c.name;
    }
}

TEST(TableNameTest, FormCaptionDependsOnTheKindAndSystemTablesAreTheLoginTablesExactly)
{
    EXPECT_EQ(CString("customer Form"), MakeTable("customer", Table::masterKind)->GetFormCaption());
    EXPECT_EQ(CString("a_b Form"), MakeTable("a_b", Table::mapKind)->GetFormCaption());
    EXPECT_EQ(CString("sales_order"),
              MakeTable("sales_order_basic", Table::masterDetailKind)->GetFormCaption());
    EXPECT_EQ(CString("order"), MakeTable("order", Table::masterDetailKind)->GetFormCaption());
    EXPECT_EQ(CString("order"), MakeTable("order", 7)->GetFormCaption());

    EXPECT_TRUE(MakeTable("useraccount", 0)->IsSystemTable());
    EXPECT_TRUE(MakeTable("personnel_role", 0)->IsSystemTable());
    EXPECT_FALSE(MakeTable("UserAccount", 0)->IsSystemTable());
}

TEST(TableNameTest, RenameKeyFieldFollowsTheTableNameAndKeepsTheDisplayName)
{
    auto table = MakeTable("client", Table::masterKind);
    table->EnsureDefaultFields();
    table->SetTableName("customer");
    table->RenameKeyField();
    EXPECT_EQ(CString("customer_id"), table->GetFieldAt(0)->GetFieldName());
    EXPECT_EQ(CString("client_id"), table->GetFieldAt(0)->GetDisplayName());
}

TEST(TableFrontFieldTest, DefaultFrontFieldRules)
{
    auto keyOnly = MakeTable("a", Table::masterKind);
    EXPECT_EQ(nullptr, keyOnly->GetDefaultFrontField());
    keyOnly->EnsureDefaultFields();
    EXPECT_EQ(nullptr, keyOnly->GetDefaultFrontField());

    auto single = MakeTable("b", Table::masterKind, {"only"});
    EXPECT_EQ(single->GetFieldAt(0), single->GetDefaultFrontField());

    auto master = MakeTable("c", Table::masterKind, {"c_id", "Is_Deleted", "code", "rank"});
    EXPECT_EQ(master->GetFieldAt(2), master->GetDefaultFrontField());
    master->AddField(MakeTableField("label", FieldTypeVarchar));
    EXPECT_EQ(master->GetFieldAt(4), master->GetDefaultFrontField());

    auto detail = MakeTable("d_basic", Table::masterDetailKind, {"d_basic_id", "code", "rank"});
    EXPECT_EQ(detail->GetFieldAt(1), detail->GetDefaultFrontField());
    EXPECT_EQ(nullptr, detail->GetFrontField());
    detail->GetFieldAt(2)->SetFrontField(true);
    EXPECT_EQ(detail->GetFieldAt(2), detail->GetFrontField());
}

TEST(TableFieldListTest, LookupsAndRemovals)
{
    auto table = MakeTable("t", Table::masterKind, {"Alpha", "beta"});
    Field* alpha = table->GetFieldAt(0);
    Field* beta = table->GetFieldAt(1);
    EXPECT_EQ(nullptr, table->GetFieldAt(-1));
    EXPECT_EQ(nullptr, table->GetFieldAt(2));
    EXPECT_EQ(1, table->IndexOfField(beta));
    EXPECT_EQ(alpha, table->FindFieldByName("ALPHA"));
    EXPECT_EQ(nullptr, table->FindFieldByName("gamma"));
    EXPECT_EQ(beta, table->FindFieldById(beta->GetId()));

    Field outside;
    EXPECT_FALSE(table->ContainsField(&outside));
    EXPECT_EQ(-1, table->IndexOfField(&outside));
    EXPECT_EQ(nullptr, table->FindFieldById(outside.GetId()));
    table->DeleteField(&outside);
    EXPECT_EQ(2, table->GetFieldCount());

    table->RemoveFieldPointer(alpha);
    std::unique_ptr<Field> removed(alpha);
    EXPECT_FALSE(table->ContainsField(alpha));
    table->DeleteField(beta);
    EXPECT_EQ(0, table->GetFieldCount());
}

TEST(TableFieldListTest, FindFieldByNameTakesTheFirstFieldOfTheNameIgnoringAsciiCase)
{
    auto table = MakeTable("t", Table::masterKind,
                           {"t.column_1", "T.Column_1", "t.column_12", "t.column_2", "\xC4x"});
    const std::vector<Field*> fields = table->GetFields();
    struct Lookup
    {
        const char* name;
        Field* found;
    };
    const Lookup lookups[] = {
        {"T.COLUMN_1", fields[0]}, {"t.Column_12", fields[2]}, {"t.column_2", fields[3]},
        {"t.column_3", nullptr},   {"t.column_", nullptr},     {"x.column_1", nullptr},
        {"\xC4X", fields[4]},      {"\xE4x", nullptr},         {"", nullptr},
    };
    for (const Lookup& lookup : lookups)
        EXPECT_EQ(table->FindFieldByName(lookup.name), lookup.found) << lookup.name;
}

TEST(TableForeignKeyTest, ForeignKeyQueriesAndClearing)
{
    auto customers = MakeTable("customers", Table::masterKind, {"customers_id"});
    customers->EnsureKeyField();
    Field* customerKey = customers->GetFieldAt(0);
    auto orders = MakeTable("orders", Table::masterKind, {"orders_id"});
    orders->AddField(MakeTableField("customer_id", FieldTypeInt, customerKey));
    orders->AddField(MakeTableField("billed_to", FieldTypeInt, customerKey));
    orders->EnsureKeyField();
    Field* unflagged = orders->GetFieldAt(1);
    unflagged->SetForeignKey(false);

    std::vector<Field*> foreignKeys{unflagged};
    orders->GetForeignKeyFields(foreignKeys);
    EXPECT_EQ((std::vector<Field*>{orders->GetFieldAt(2)}), foreignKeys);
    EXPECT_EQ(unflagged, orders->FindForeignKeyFieldTo(customers.get()));
    EXPECT_TRUE(orders->HasForeignKeyTo(customers.get()));
    EXPECT_FALSE(customers->HasForeignKeyTo(orders.get()));
    EXPECT_EQ(2, orders->CountForeignFields());
    EXPECT_EQ(1, orders->CountFieldsReferencing(2, customerKey));
    EXPECT_EQ(2, orders->CountFieldsReferencing(3, customerKey));

    orders->GetFieldAt(2)->SetForeignKey(true);
    unflagged->SetForeignKey(true);
    ReferenceList list;
    list.SetUser([&] { return orders->GetTableName(); });
    orders->ListReferences(list);
    EXPECT_EQ(std::vector<CString>{"orders"}, list.UsersOf({customerKey}));
    EXPECT_EQ(2, list.Release({customerKey}));
    EXPECT_EQ(0, orders->CountForeignFields());
    EXPECT_FALSE(orders->HasForeignKeyTo(customers.get()));
    EXPECT_FALSE(unflagged->IsForeignKey());
}

TEST(TableCopyTest, CopyHasFreshIdsAndDetachCopyRestoresTheNameWithoutForeignKeys)
{
    auto customers = MakeTable("customers", Table::masterKind, {"customers_id"});
    auto source = MakeTable("customer", Table::mapKind, {"a"});
    source->AddField(MakeTableField("customers_id", FieldTypeInt, customers->GetFieldAt(0)));
    source->SetMergeMark(3);
    source->GetFieldAt(0)->SetMergeMark(4);

    Table copy(source.get());
    EXPECT_EQ(CString("Copy_of_customer"), copy.GetTableName());
    EXPECT_EQ(Table::mapKind, copy.GetKind());
    EXPECT_NE(source->GetId(), copy.GetId());
    EXPECT_EQ(0, copy.GetMergeMark());
    EXPECT_EQ(TableFieldNames(*source), TableFieldNames(copy));
    for (int i = 0; i < copy.GetFieldCount(); ++i)
    {
        EXPECT_NE(source->GetFieldAt(i), copy.GetFieldAt(i));
        EXPECT_NE(source->GetFieldAt(i)->GetId(), copy.GetFieldAt(i)->GetId());
        EXPECT_EQ(&copy, copy.GetFieldAt(i)->GetTable());
    }
    EXPECT_EQ(0, copy.GetFieldAt(0)->GetMergeMark());
    EXPECT_EQ(customers->GetFieldAt(0), copy.GetFieldAt(1)->GetForeignField());

    copy.DetachCopy();
    EXPECT_EQ(CString("customer"), copy.GetTableName());
    EXPECT_EQ(nullptr, copy.GetFieldAt(1)->GetForeignField());
    EXPECT_FALSE(copy.GetFieldAt(1)->IsForeignKey());
    EXPECT_EQ(customers->GetFieldAt(0), source->GetFieldAt(1)->GetForeignField());
}
