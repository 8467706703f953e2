// The database pane and the PostgreSQL script against the server that
// tests/scripts/with_pg_cluster.sh starts; WEAVO_PG_ODBC is its connection string.
#include "database/PgSqlScriptWriter.h"
#include "editors/logic/DatabasePane.h"
#include "gen_web/ProjectWriterSet.h"
#include "model/Field.h"
#include "model/ForgeonProject.h"
#include "model/GenerationReport.h"
#include "model/Module.h"
#include "model/ProjectNameCheck.h"
#include "model/ProjectSettings.h"
#include "model/Table.h"
#include "platform/core/HostPath.h"
#include "platform/core/ScriptedMessageBoxes.h"
#include "platform/odbc/CDatabase.h"
#include "tests/database/SampleProject.h"
#include "tests/gen_web/UtilLibrary.h"
#include "tests/support/HostFiles.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

namespace
{
CString ConnectString()
{
    const char* connect = std::getenv("WEAVO_PG_ODBC");
    return connect != nullptr ? CString(connect) : CString();
}

class NoHost : public DatabasePaneHost
{
public:
    bool ChooseAlterScope(AlterScriptScope&) override { return false; }
    void BeginWait() override {}
    void EndWait() override {}
};

std::vector<std::string> Rows(CDatabase& database, const char* sql)
{
    std::vector<std::string> rows;
    for (const auto& row : QueryTextRows(database, sql, 1))
        rows.emplace_back(row[0] ? row[0]->GetString() : "NULL");
    return rows;
}

// The sample project with the database "shop" in the database pane; the boxes shown from the
// start.
struct SamplePane
{
    SamplePane() { folder.sample.Project().SetDatabaseName("shop"); }

    SampleProjectFolder folder;
    OdbcDatabaseConnection connection;
    NoHost host;
    DatabasePane pane{folder.sample.Project(), connection, host};
    ScriptedMessageBoxes boxes;
};

class CatalogueNamesPgSuite : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_FALSE(ConnectString().IsEmpty()) << "run through tests/scripts/with_pg_cluster.sh";
        ASSERT_TRUE(database.OpenEx(ConnectString().GetString()));
        previousPrompt = SetDataSourcePrompt(
            [](CString& connect)
            {
                connect = ConnectString();
                return true;
            });
    }
    void TearDown() override { SetDataSourcePrompt(previousPrompt); }

    CDatabase database;
    DataSourcePrompt previousPrompt;
};

// A table and columns named to break out of the scripts' quoting or lines are named in the
// pane's message and kept out of the lists, Copy Fields and the alter script; a name with a
// blank is taken.
TEST_F(CatalogueNamesPgSuite, RefusedCatalogueNamesAreNamedAndSkipped)
{
    for (const char* statement : {
             "CREATE TABLE item(item_id int)",
             "CREATE TABLE \"x] DROP TABLE item --\"(id int)",
             "CREATE TABLE customer(customer_id int, name varchar(50), \"line\nbreak\" int, "
             "\"a/b\" int, \"x]y\" int, \"full name\" varchar(40))",
         })
        database.ExecuteSQL(statement);
    SamplePane sample;
    SampleProjectFolder& folder = sample.folder;
    ForgeonProject& project = folder.sample.Project();
    DatabasePane& pane = sample.pane;
    ScriptedMessageBoxes& boxes = sample.boxes;

    ASSERT_TRUE(pane.LoadDatabase(false));

    EXPECT_EQ(boxes.ShownTexts(),
              std::vector<std::string>{
                  "These names of the database were skipped and are not in the lists: no name of "
                  "the project may hold a control character, a line break, a path separator or a "
                  "quoting character.\n"
                  "column \"line\\x0Abreak\" of table \"customer\": it holds control characters\n"
                  "column \"a/b\" of table \"customer\": it holds a path separator\n"
                  "column \"x]y\" of table \"customer\": it holds a quoting character\n"
                  "table \"x] DROP TABLE item --\": it holds a quoting character\n"});
    std::vector<std::string> databaseTables;
    int customerRow = -1;
    for (const ListRow& row : pane.GetTableRows())
    {
        if (row.cells[2].IsEmpty())
            continue;
        databaseTables.emplace_back(row.cells[2].GetString());
        if (row.cells[2] == "customer")
            customerRow = row.data;
    }
    EXPECT_EQ(databaseTables, (std::vector<std::string>{"customer", "item"}));

    pane.SelectTable(customerRow);
    pane.CopyFields();
    std::vector<std::string> fields;
    for (const Field* field : folder.sample.Customer().GetFields())
        fields.emplace_back(field->GetFieldName().GetString());
    EXPECT_EQ(fields, (std::vector<std::string>{"customer_id", "Is_Deleted", "name", "credit",
                                                "joined", "note", "photo", "full name"}));

    pane.OnProjectAlterScript();
    const std::string script = ReadHostFile(ToHostPath(project.GetAlterScriptFilePath()));
    EXPECT_NE(script.find("DROP TABLE [item]\r\n"), std::string::npos);
    EXPECT_NE(script.find("[full name]"), std::string::npos);
    for (const char* refused : {"x]", "line", "a/b"})
        EXPECT_EQ(script.find(refused), std::string::npos) << refused;
}

// Columns a database names as C# keywords, reserved SQL words, with "-" or in mixed case are
// copied as they stand; Write All has no name to rename, and the table's data class, with the
// Util classes, compiles with mcs.
TEST_F(CatalogueNamesPgSuite, ColumnsNamedAsKeywordsAreCopiedAndTheirDataClassCompiles)
{
    database.ExecuteSQL("DROP TABLE IF EXISTS customer");
    database.ExecuteSQL("CREATE TABLE customer(customer_id int, \"event\" int, \"user\" "
                        "varchar(20), \"a-b\" int, \"order\" int, \"checked\" varchar(5), "
                        "\"MixedCase\" varchar(10))");
    SamplePane sample;
    SampleProjectFolder& folder = sample.folder;
    ForgeonProject& project = folder.sample.Project();
    DatabasePane& pane = sample.pane;
    ScriptedMessageBoxes& boxes = sample.boxes;
    ASSERT_TRUE(pane.LoadDatabase(false));
    for (const ListRow& row : pane.GetTableRows())
    {
        if (row.cells[2] == "customer")
            pane.SelectTable(row.data);
    }
    pane.CopyFields();
    std::vector<std::string> copied;
    for (const Field* field : folder.sample.Customer().GetFields())
        copied.emplace_back(field->GetFieldName().GetString());
    for (const char* name : {"event", "user", "a-b", "order", "checked", "MixedCase"})
        EXPECT_NE(std::ranges::find(copied, name), copied.end()) << name;
    // No column of the table was skipped.
    for (const std::string& text : boxes.ShownTexts())
        EXPECT_EQ(text.find("of table \"customer\""), std::string::npos) << text;
    EXPECT_TRUE(FindNamesToRename(project).empty());

    ProjectWriterSet writers(project, folder.report);
    WriteUtilClasses(writers);
    writers.WriteDataClass(folder.sample.Customer());
    ASSERT_TRUE(folder.report.IsEmpty()) << folder.report.GetText();
    const std::filesystem::path application = folder.folder.Path() / "Sample" / "Sample";
    const ToolResult library = CompileUtilLibrary(application);
    ASSERT_EQ(0, library.exitCode) << library.output;
    const ToolResult compile =
        RunTool("mcs -target:library -out:" + ShellQuoted(application / "Customer.dll") +
                references + " -r:" + ShellQuoted(application / "Util" / "Util.dll") + " " +
                ShellQuoted(application / "BaseModule" / "CS" / "customer.cs"));
    EXPECT_EQ(0, compile.exitCode) << compile.output;
}

// Names the table designer takes, with quotes, brackets and capitals, make a script that runs,
// and the tables answer to their names written without quotes, as before.
TEST_F(CatalogueNamesPgSuite, PostgreSqlScriptQuotesEveryName)
{
    TempFolder folder;
    std::filesystem::create_directories(folder.Path() / "_system" / "scripts");
    ForgeonProject project;
    auto* settings = new ProjectSettings;
    settings->SetDatabaseKind(0);
    project.SetProjectSettings(settings);
    project.SetProjectPath(folder.ModelPath());
    auto* module = new Module;
    module->SetName("Odd");
    project.AddModule(module);
    auto* table = new Table;
    table->SetTableName("Order_Line");
    table->SetKind(Table::masterKind);
    table->EnsureDefaultFields();
    for (const char* name : {"say\"so", "c]d", "Qty"})
    {
        auto* field = new Field;
        field->Set(name, name, FieldTypeVarchar, 20, 0, nullptr, "it's", false, false, true, false,
                   false);
        field->SetTable(table);
        table->AddField(field);
    }
    module->AddTable(table);
    GenerationReport report;
    PgSqlScriptWriter(project, report).Write();
    ASSERT_TRUE(report.IsEmpty()) << report.GetText().GetString();
    const std::string script = ReadHostFile(folder.Path() / "_system" / "scripts" /
                                            "KestraneWeavo_PGSQL_CreateTables.sql");

    database.ExecuteSQL(script.c_str());

    EXPECT_EQ(Rows(database, "SELECT column_name FROM information_schema.columns WHERE "
                             "table_name = 'order_line' ORDER BY ordinal_position"),
              (std::vector<std::string>{"order_line_id", "is_deleted", "say\"so", "c]d", "qty"}));
    database.ExecuteSQL("INSERT INTO Order_Line(Qty) VALUES ('2')");
    EXPECT_EQ(Rows(database, "SELECT \"say\"\"so\" || '/' || \"c]d\" || '/' || Qty FROM "
                             "Order_Line"),
              std::vector<std::string>{"it's/it's/2"});
}
} // namespace
