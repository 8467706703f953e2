#include "database/AlterScriptBuilder.h"
#include "database/ConstraintQueries.h"
#include "database/DbSchema.h"
#include "tests/database/SampleProject.h"
#include "tests/database/ScriptFiles.h"

#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <map>
#include <set>
#include <sstream>

namespace
{
// The catalogue's type name and length of a column that SQL Server made for the field.
DbColumn& AddSqlServerColumn(DbTable& table, const Field& field)
{
    CString typeName = field.GetTypeName();
    typeName.MakeLower();
    int length = field.GetSize();
    if (field.IsKey())
        typeName = "int identity";
    else if (field.GetTypeCode() == FieldTypeNVarchar || field.GetTypeCode() == FieldTypeNChar)
        length *= 2;
    else if (field.GetTypeCode() == FieldTypeDecimal)
        length = 9;
    return table.AddColumn(field.GetFieldName(), typeName, length,
                           field.IsAllowNull() && !field.IsKey());
}

// The database table that the create script made for the table, without the named columns.
DbTable& AddSqlServerTable(DbSchema& schema, const Table& table,
                           const std::set<std::string>& leftOut = {})
{
    auto dbTable = std::make_unique<DbTable>(table.GetTableName());
    for (const Field* field : table.GetFields())
        if (!leftOut.contains(std::string(field->GetFieldName())))
            AddSqlServerColumn(*dbTable, *field);
    DbTable& added = *dbTable;
    schema.AddTable(std::move(dbTable));
    return added;
}

// Answers each query from a table of canned rows, keyed "kind table [column]".
class CannedConstraints : public ConstraintQueries
{
public:
    std::map<std::string, std::vector<std::pair<const char*, const char*>>> rows;
    std::vector<std::string> asked;

    void FindOfChangedTable(const CString& table, ConstraintList& out) override
    {
        Answer("changed " + std::string(table), out);
    }
    void FindOfDroppedTable(const CString& table, ConstraintList& out) override
    {
        Answer("dropped " + std::string(table), out);
    }
    void FindOfDroppedColumn(const CString& table, const CString& column, bool keyColumn,
                             ConstraintList& out) override
    {
        Answer("column " + std::string(table) + " " + std::string(column) +
                   (keyColumn ? " key" : ""),
               out);
    }

private:
    void Answer(const std::string& key, ConstraintList& out)
    {
        asked.push_back(key);
        for (const auto& [name, table] : rows[key])
            out.Add(name, table);
    }
};

// Batches end at "GO" lines, brackets balance within each batch (outside comments, "]]" being
// a "]" of a name), and no constraint is dropped or made twice.
void ExpectSoundScript(const std::string& script)
{
    std::istringstream lines(script);
    std::string line;
    std::string batch;
    std::multiset<std::string> dropped;
    std::multiset<std::string> made;
    while (std::getline(lines, line))
    {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (line == "GO")
        {
            // A "]" inside a name is doubled.
            CString unescaped = batch;
            unescaped.Replace("]]", "");
            const std::string bare = unescaped.str();
            EXPECT_EQ(std::count(bare.begin(), bare.end(), '['),
                      std::count(bare.begin(), bare.end(), ']'))
                << batch;
            EXPECT_EQ(std::count(batch.begin(), batch.end(), '('),
                      std::count(batch.begin(), batch.end(), ')'))
                << batch;
            batch.clear();
            continue;
        }
        // A comment shows names unquoted.
        if (line.starts_with("/*"))
            continue;
        batch += line + "\n";
        const std::size_t drop = line.find("DROP CONSTRAINT [");
        const std::size_t make = line.find("CONSTRAINT [");
        if (drop != std::string::npos)
            dropped.insert(line.substr(drop));
        else if (make != std::string::npos)
            made.insert(line.substr(make, line.find(']', make) - make));
    }
    for (const std::string& name : dropped)
        EXPECT_EQ(dropped.count(name), 1u) << name;
    for (const std::string& name : made)
        EXPECT_EQ(made.count(name), 1u) << name;
}

Field* AddField(Table& table, const char* name, int type, int size, bool allowNull)
{
    auto* field = new Field;
    field->Set(name, name, type, size, type == FieldTypeDecimal ? size : 0, nullptr, "", false,
               false, allowNull, false, false);
    field->SetTable(&table);
    table.AddField(field);
    return field;
}

// customer with the new fields code (varchar, NOT NULL) and memo (Text, NOT NULL); the database
// has name shorter and in upper case, credit NOT NULL, joined and Is_Deleted with other lengths
// or flags, and the columns fax and old_credit that the project lacks.
void ChangeCustomer(SampleProject& sample, DbSchema& schema, CannedConstraints& constraints)
{
    Table& customer = sample.Customer();
    AddField(customer, "code", FieldTypeVarchar, 10, false);
    AddField(customer, "memo", FieldTypeText, 16, false);
    DbTable& table = AddSqlServerTable(schema, customer,
                                       {"name", "credit", "joined", "Is_Deleted", "code", "memo"});
    table.AddColumn("NAME", "varchar", 30, false);
    table.AddColumn("credit", "decimal", 5, false);
    table.AddColumn("joined", "datetime", 4, true);
    table.AddColumn("Is_Deleted", "char", 2, true);
    table.AddColumn("fax", "varchar", 20, true);
    table.AddColumn("old_credit", "money", 8, true);
    constraints.rows["changed customer"] = {
        {"DF_customer_Is_Deleted", "customer"}, {"DF_customer_name", "customer"},
        {"DF_customer_credit", "customer"},     {"DF_customer_joined", "customer"},
        {"DF_customer_note", "customer"},       {"DF_customer_old_credit", "customer"}};
    constraints.rows["column customer old_credit"] = {{"DF_customer_old_credit", "customer"}};
}

void AddLegacyTable(DbSchema& schema, CannedConstraints& constraints)
{
    auto legacy = std::make_unique<DbTable>("legacy");
    legacy->AddColumn("legacy_id", "int identity", 4, false);
    legacy->AddColumn("customer_id", "int", 4, true);
    schema.AddTable(std::move(legacy));
    constraints.rows["dropped legacy"] = {{"PK_legacy", "legacy"},
                                          {"FK_legacy_customer", "legacy"}};
}

struct GoldenCase
{
    const char* name;
    // Leaves out of the database the project tables that the arrangement adds itself.
    std::set<std::string> leftOut;
    std::function<void(SampleProject&, DbSchema&, CannedConstraints&)> arrange;
    std::function<bool(AlterScriptBuilder&, SampleProject&, CString&)> build;
    const char* expected;
    std::vector<std::string> asked;
    // The tables the script creates, changes or drops.
    int changed;
};

void PrintTo(const GoldenCase& test, std::ostream* out)
{
    *out << test.name;
}

bool BuildCustomer(AlterScriptBuilder& builder, SampleProject& sample, CString& failure)
{
    return builder.WriteTableAlterScript(sample.Customer(), failure);
}

const GoldenCase goldenCases[] = {
    {"NewTable",
     {"customer"},
     [](SampleProject&, DbSchema&, CannedConstraints&) {},
     BuildCustomer,
     "alter_table_new.sql",
     {},
     1},
    {"MatchingTable",
     {},
     [](SampleProject&, DbSchema&, CannedConstraints&) {},
     BuildCustomer,
     "alter_table_unchanged.sql",
     {},
     0},
    {"ChangedTable",
     {"customer"},
     ChangeCustomer,
     BuildCustomer,
     "alter_table_changed.sql",
     {"changed customer", "column customer fax", "column customer old_credit"},
     1},
    {"NewKeyColumn",
     {"orders"},
     [](SampleProject& sample, DbSchema& schema, CannedConstraints& constraints)
     {
         DbTable& orders =
             AddSqlServerTable(schema, *sample.Project().FindTableByName("orders"), {"orders_id"});
         orders.AddColumn("id", "int identity", 4, false);
         constraints.rows["changed orders"] = {{"FK_orders_customer", "orders"},
                                               {"FK_orders_customer_1", "orders"},
                                               {"FK_orders_product", "orders"},
                                               {"FK_orders_orders", "orders"}};
         constraints.rows["column orders id key"] = {{"FK_orders_orders", "orders"},
                                                     {"FK_archive_orders", "archive"}};
     },
     [](AlterScriptBuilder& builder, SampleProject& sample, CString& failure) {
         return builder.WriteTableAlterScript(*sample.Project().FindTableByName("orders"), failure);
     },
     "alter_table_new_key.sql",
     {"changed orders", "column orders id key"},
     1},
    {"Module",
     {"product", "product_customer_map"},
     [](SampleProject& sample, DbSchema& schema, CannedConstraints& constraints)
     {
         DbTable& product = AddSqlServerTable(schema, *sample.Project().FindTableByName("product"),
                                              {"weight", "price"});
         product.AddColumn("weight", "float", 4, true);
         product.AddColumn("price", "money", 8, false);
         constraints.rows["changed product"] = {{"DF_product_price", "product"},
                                                {"DF_product_code", "product"},
                                                {"DF_product_Is_Deleted", "product"}};
         AddLegacyTable(schema, constraints);
     },
     [](AlterScriptBuilder& builder, SampleProject& sample, CString& failure)
     { return builder.WriteModuleAlterScript(sample.Stock(), failure); },
     "alter_module_stock.sql",
     {"changed product", "dropped legacy"},
     3},
    {"OddNames",
     {"customer"},
     [](SampleProject& sample, DbSchema& schema, CannedConstraints& constraints)
     {
         sample.Project().SetDatabaseName("Sample]db");
         sample.Customer().FindFieldByName("name")->SetFieldName("na]me");
         DbTable& customer = AddSqlServerTable(schema, sample.Customer(), {"na]me"});
         customer.AddColumn("old]col", "int", 4, true);
         constraints.rows["column customer old]col"] = {{"DF_customer_old]col", "customer"}};
         // The catalogue's door refuses such names; the script still quotes them.
         schema.AddTable(std::make_unique<DbTable>("x] DROP TABLE item --"));
         constraints.rows["dropped x] DROP TABLE item --"] = {{"PK_x]", "x] DROP TABLE item --"},
                                                              {"FK_other_x]", "ot]her"}};
         schema.AddTable(std::make_unique<DbTable>("a*/b"));
     },
     [](AlterScriptBuilder& builder, SampleProject&, CString& failure)
     { return builder.WriteProjectAlterScript(failure); },
     "alter_odd_names.sql",
     {"changed customer", "column customer old]col", "dropped x] DROP TABLE item --",
      "dropped a*/b"},
     3},
    {"Project",
     {"customer", "orders", "invoice_detail"},
     [](SampleProject& sample, DbSchema& schema, CannedConstraints& constraints)
     {
         ChangeCustomer(sample, schema, constraints);
         // An int column's length does not count.
         DbTable& orders =
             AddSqlServerTable(schema, *sample.Project().FindTableByName("orders"), {"bill_to"});
         orders.AddColumn("bill_to", "int", 8, false);
         AddLegacyTable(schema, constraints);
         auto archive = std::make_unique<DbTable>("archive");
         archive->AddColumn("archive_id", "int identity", 4, false);
         schema.AddTable(std::move(archive));
         constraints.rows["dropped archive"] = {{"PK_archive", "archive"},
                                                {"FK_archive_orders", "archive"}};
     },
     [](AlterScriptBuilder& builder, SampleProject&, CString& failure)
     { return builder.WriteProjectAlterScript(failure); },
     "alter_project.sql",
     {"changed customer", "column customer fax", "column customer old_credit", "dropped legacy",
      "dropped archive"},
     4},
};

class AlterScriptGoldenTest : public ::testing::TestWithParam<GoldenCase>,
                              protected SampleProjectFolder
{
};

TEST_P(AlterScriptGoldenTest, WritesTheExpectedScript)
{
    const GoldenCase& test = GetParam();
    sample.Project().SetDatabaseName("Sample_db");
    DbSchema schema;
    CannedConstraints constraints;
    for (const Module* module : sample.Project().GetModules())
    {
        std::vector<Table*> tables;
        module->GetAllTables(tables);
        for (const Table* table : tables)
            if (!test.leftOut.contains(std::string(table->GetTableName())))
                AddSqlServerTable(schema, *table);
    }
    test.arrange(sample, schema, constraints);
    AlterScriptBuilder builder(sample.Project(), &schema, &constraints);
    CString failure;

    EXPECT_TRUE(test.build(builder, sample, failure)) << failure.GetString();

    const std::string script =
        ReadHostFile(folder.Path() / "Sample" / "scripts" / "KestraneWeavo_Sample_AlterScript.sql");
    EXPECT_EQ(script, Expected(test.expected));
    EXPECT_EQ(constraints.asked, test.asked);
    EXPECT_EQ(builder.GetChangedTableCount(), test.changed);
    ExpectSoundScript(script);
}

INSTANTIATE_TEST_SUITE_P(EveryScope, AlterScriptGoldenTest, ::testing::ValuesIn(goldenCases),
                         [](const ::testing::TestParamInfo<GoldenCase>& info)
                         { return std::string(info.param.name); });
} // namespace

namespace
{
struct ColumnRow
{
    const char* name;
    const char* typeName;
    int length;
    bool nullable;
};

struct MatchCase
{
    const char* what;
    // The field f of table t; or, when onKey, the key t_id's column is the given one.
    int type;
    int size;
    bool allowNull;
    ColumnRow column;
    bool onKey;
    bool matches;
};

const MatchCase matchCases[] = {
    {"same varchar", FieldTypeVarchar, 50, true, {"f", "varchar", 50, true}, false, true},
    {"names and types ignore case",
     FieldTypeVarchar,
     50,
     true,
     {"F", "VARCHAR", 50, true},
     false,
     true},
    {"other varchar length", FieldTypeVarchar, 50, true, {"f", "varchar", 40, true}, false, false},
    {"other varchar null flag",
     FieldTypeVarchar,
     50,
     true,
     {"f", "varchar", 50, false},
     false,
     false},
    {"nvarchar length doubled",
     FieldTypeNVarchar,
     50,
     true,
     {"f", "nvarchar", 100, true},
     false,
     true},
    {"nvarchar length not doubled",
     FieldTypeNVarchar,
     50,
     true,
     {"f", "nvarchar", 50, true},
     false,
     false},
    {"char length", FieldTypeChar, 5, false, {"f", "char", 6, false}, false, false},
    {"float length", FieldTypeFloat, 8, true, {"f", "float", 4, true}, false, false},
    {"int length ignored", FieldTypeInt, 4, true, {"f", "int", 8, true}, false, true},
    {"int null flag", FieldTypeInt, 4, true, {"f", "int", 4, false}, false, false},
    {"datetime length ignored",
     FieldTypeDateTime,
     8,
     true,
     {"f", "datetime", 4, true},
     false,
     true},
    {"decimal length ignored",
     FieldTypeDecimal,
     10,
     false,
     {"f", "decimal", 9, false},
     false,
     true},
    {"money null flag", FieldTypeMoney, 8, false, {"f", "money", 8, true}, false, false},
    {"bigint", FieldTypeBigInt, 8, true, {"f", "bigint", 8, true}, false, true},
    {"nchar length ignored", FieldTypeNChar, 10, true, {"f", "nchar", 20, true}, false, true},
    {"nchar null flag", FieldTypeNChar, 10, true, {"f", "nchar", 20, false}, false, false},
    {"text length and null ignored",
     FieldTypeText,
     16,
     false,
     {"f", "text", 2147483647, true},
     false,
     true},
    {"image", FieldTypeImage, 16, true, {"f", "image", 16, false}, false, true},
    {"ntext", FieldTypeNText, 16, true, {"f", "ntext", 8, false}, false, true},
    {"text against ntext", FieldTypeText, 16, true, {"f", "ntext", 16, true}, false, false},
    {"money against decimal", FieldTypeMoney, 8, true, {"f", "decimal", 8, true}, false, false},
    {"no column of the name", FieldTypeInt, 4, true, {"g", "int", 4, true}, false, false},
    {"key without identity", FieldTypeInt, 4, true, {"t_id", "int", 4, false}, true, false},
    {"key length", FieldTypeInt, 4, true, {"t_id", "int identity", 8, false}, true, false},
    {"key nullable", FieldTypeInt, 4, true, {"t_id", "int identity", 4, true}, true, false},
};

TEST(AlterScriptMatchTest, FieldAgainstColumn)
{
    for (const MatchCase& test : matchCases)
    {
        SCOPED_TRACE(test.what);
        Table table;
        table.SetTableName("t");
        table.SetKind(Table::masterKind);
        table.EnsureDefaultFields();
        AddField(table, "f", test.type, test.size, test.allowNull);
        DbTable dbTable("t");
        if (!test.onKey)
            AddSqlServerColumn(dbTable, *table.GetPrimaryKeyField());
        AddSqlServerColumn(dbTable, *table.FindFieldByName("Is_Deleted"));
        const ColumnRow& column = test.column;
        dbTable.AddColumn(column.name, column.typeName, column.length, column.nullable);
        if (test.onKey)
            AddSqlServerColumn(dbTable, *table.FindFieldByName("f"));

        EXPECT_EQ(AlterScriptBuilder::TableMatchesSchema(table, dbTable), test.matches);
    }
}

TEST(AlterScriptMatchTest, ColumnCountMustAgree)
{
    Table table;
    table.SetTableName("t");
    table.SetKind(Table::masterKind);
    table.EnsureDefaultFields();
    DbTable dbTable("t");
    for (const Field* field : table.GetFields())
        AddSqlServerColumn(dbTable, *field);
    EXPECT_TRUE(AlterScriptBuilder::TableMatchesSchema(table, dbTable));

    dbTable.AddColumn("extra", "int", 4, true);
    EXPECT_FALSE(AlterScriptBuilder::TableMatchesSchema(table, dbTable));
    AddField(table, "extra", FieldTypeInt, 4, true);
    AddField(table, "more", FieldTypeInt, 4, true);
    EXPECT_FALSE(AlterScriptBuilder::TableMatchesSchema(table, dbTable));
}

// The column statements of customer beside the database's customer, where the golden scripts
// do not show them: the field f (when a type is given) against the column given.
struct ColumnChangeCase
{
    const char* what;
    int type;
    bool allowNull;
    std::vector<ColumnRow> columns;
    std::set<std::string> leftOut;
    const char* present;
    const char* absent;
};

const ColumnChangeCase columnChangeCases[] = {
    {"new image stays NULL",
     FieldTypeImage,
     false,
     {},
     {"f"},
     "ADD [f] [image]NULL\nGO\nALTER TABLE [dbo].[customer] WITH NOCHECK",
     "COLUMN [f]"},
    {"new ntext stays NULL",
     FieldTypeNText,
     false,
     {},
     {"f"},
     "ADD [f] [ntext]NULL\nGO\nALTER TABLE [dbo].[customer] WITH NOCHECK",
     "COLUMN [f]"},
    {"int null flag altered, not its size",
     FieldTypeInt,
     false,
     {{"f", "int", 8, true}},
     {"f"},
     "ALTER COLUMN [f] [int]NOT NULL\nGO\n\nALTER TABLE [dbo].[customer] WITH",
     "ADD [f]"},
    {"int size alone is no change",
     FieldTypeInt,
     true,
     {{"f", "int", 8, true}},
     {"f"},
     "USE [Sample_db]\nGO\n\n/******INSERT",
     "ALTER"},
    {"Text of another type is never altered",
     FieldTypeText,
     true,
     {{"f", "ntext", 16, true}},
     {"f"},
     "/****** Queries For alter columns in customer ******/\n\nALTER TABLE [dbo].[customer] "
     "WITH NOCHECK",
     "COLUMN [f]"},
    {"key and Is_Deleted never altered",
     -1,
     true,
     {{"customer_id", "int", 8, true}, {"Is_Deleted", "varchar", 2, true}},
     {"customer_id", "Is_Deleted"},
     "USE [Sample_db]\nGO\n\nALTER TABLE [dbo].[customer] WITH NOCHECK",
     "COLUMN"},
};

class AlterScriptColumnTest : public ::testing::TestWithParam<ColumnChangeCase>,
                              protected SampleProjectFolder
{
};

void PrintTo(const ColumnChangeCase& test, std::ostream* out)
{
    *out << test.what;
}

TEST_P(AlterScriptColumnTest, ChangedTableGetsItsColumnStatements)
{
    const ColumnChangeCase& test = GetParam();
    Table& customer = sample.Customer();
    if (test.type >= 0)
        AddField(customer, "f", test.type, 16, test.allowNull);
    DbSchema schema;
    DbTable& table = AddSqlServerTable(schema, customer, test.leftOut);
    for (const ColumnRow& column : test.columns)
        table.AddColumn(column.name, column.typeName, column.length, column.nullable);
    CannedConstraints constraints;
    CString failure;

    ASSERT_TRUE(AlterScriptBuilder(sample.Project(), &schema, &constraints)
                    .WriteTableAlterScript(customer, failure));

    std::string script =
        ReadHostFile(folder.Path() / "Sample" / "scripts" / "KestraneWeavo_Sample_AlterScript.sql");
    std::erase(script, '\r');
    EXPECT_NE(script.find(test.present), std::string::npos) << script;
    EXPECT_EQ(script.find(test.absent), std::string::npos) << script;
}

INSTANTIATE_TEST_SUITE_P(EveryRule, AlterScriptColumnTest, ::testing::ValuesIn(columnChangeCases));

TEST(AlterScriptFailureTest, NothingIsWrittenWithoutADatabaseOrWhenTheFileCannotBe)
{
    struct Case
    {
        const char* what;
        bool schema;
        bool constraints;
        bool blocked;
        bool failureText;
    };
    const Case cases[] = {
        {"no schema", false, true, false, false},
        {"no connection", true, false, false, false},
        {"unwritable file", true, true, true, true},
    };
    for (const Case& test : cases)
    {
        SCOPED_TRACE(test.what);
        SampleProjectFolder project;
        if (test.blocked)
            std::ofstream(project.folder.Path() / "Sample" / "scripts") << "not a folder";
        DbSchema schema;
        CannedConstraints constraints;
        AlterScriptBuilder builder(project.sample.Project(), test.schema ? &schema : nullptr,
                                   test.constraints ? &constraints : nullptr);
        const std::function<bool(CString&)> builds[] = {
            [&](CString& failure)
            { return builder.WriteTableAlterScript(project.sample.Customer(), failure); },
            [&](CString& failure)
            { return builder.WriteModuleAlterScript(project.sample.Stock(), failure); },
            [&](CString& failure) { return builder.WriteProjectAlterScript(failure); },
        };
        for (const auto& build : builds)
        {
            CString failure = "stale";
            EXPECT_FALSE(build(failure));
            EXPECT_EQ(!failure.IsEmpty(), test.failureText) << failure.GetString();
            EXPECT_EQ(std::string(failure).find("KestraneWeavo_Sample_AlterScript.sql") !=
                          std::string::npos,
                      test.failureText)
                << failure.GetString();
        }
        EXPECT_EQ(std::filesystem::is_directory(project.folder.Path() / "Sample" / "scripts"),
                  false);
        EXPECT_TRUE(constraints.asked.empty());
    }
}
} // namespace
