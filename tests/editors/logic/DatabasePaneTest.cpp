#include "editors/logic/DatabasePane.h"
#include "database/ConstraintQueries.h"
#include "model/MainFrameAccess.h"
#include "platform/core/ScriptedMessageBoxes.h"
#include "platform/odbc/CDatabase.h"
#include "tests/database/SampleProject.h"
#include "tests/database/ScriptFiles.h"

#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace
{
using Pane = DatabasePane;

class NoConstraints : public ConstraintQueries
{
public:
    void FindOfChangedTable(const CString&, ConstraintList&) override {}
    void FindOfDroppedTable(const CString&, ConstraintList&) override {}
    void FindOfDroppedColumn(const CString&, const CString&, bool, ConstraintList&) override {}
};

// Loads the schema the test builds and records the batches it is given.
class RecordingConnection : public DatabaseConnection
{
public:
    DatabaseLoad Load(DbSchema& schema, bool connectionOnly,
                      const std::optional<CString>& lostReason) override
    {
        ++loads;
        lostReasons.push_back(lostReason ? std::optional(lostReason->str()) : std::nullopt);
        lost = false;
        DatabaseLoad load;
        if (refuseConnection)
        {
            load.connectionFailed = true;
            return load;
        }
        if (!connectionOnly && fill)
            fill(schema);
        open = true;
        load.loaded = true;
        load.catalogue = "shop";
        return load;
    }
    void Close() override { open = false; }
    bool IsOpen() const override { return open; }
    bool IsLost() const override { return open && lost; }
    void Execute(const CString& sql) override
    {
        if (executed.size() == refusedBatch)
        {
            lost = loseConnection;
            throw CDBException(-1);
        }
        executed.emplace_back(sql.GetString());
    }
    ConstraintQueries* GetConstraints() override { return open ? &constraints : nullptr; }

    std::function<void(DbSchema&)> fill;
    bool refuseConnection = false;
    // The refused batch finds the server gone.
    bool loseConnection = false;
    bool open = false;
    bool lost = false;
    int loads = 0;
    // The driver's reason of a loss each load was given, nothing when it followed none.
    std::vector<std::optional<std::string>> lostReasons;
    std::size_t refusedBatch = std::size_t(-1);
    std::vector<std::string> executed;
    NoConstraints constraints;
};

class RecordingDatabasePaneHost : public DatabasePaneHost
{
public:
    bool ChooseAlterScope(AlterScriptScope& scope) override
    {
        offeredTable = scope.IsTableEnabled();
        if (!choice)
            return false;
        scope.Choose(*choice);
        return true;
    }
    void BeginWait() override { ++waits; }
    void EndWait() override { --waits; }

    std::optional<AlterScriptScope::Scope> choice;
    bool offeredTable = false;
    int waits = 0;
};

// The column SQL Server made for the field.
void AddMatchingColumn(DbTable& table, const Field& field)
{
    CString typeName = field.GetTypeName();
    typeName.MakeLower();
    if (field.IsKey())
        typeName = "int identity";
    const int length =
        field.GetTypeCode() == FieldTypeNVarchar ? field.GetSize() * 2 : field.GetSize();
    table.AddColumn(field.GetFieldName(), typeName, length, field.IsAllowNull());
}

DbTable& AddMatchingTable(DbSchema& schema, const Table& table)
{
    auto dbTable = std::make_unique<DbTable>(table.GetTableName());
    for (const Field* field : table.GetFields())
        AddMatchingColumn(*dbTable, *field);
    DbTable& added = *dbTable;
    schema.AddTable(std::move(dbTable));
    return added;
}

struct PaneFixture : SampleProjectFolder
{
    PaneFixture()
    {
        sample.Project().SetDatabaseName("shop");
        connection.fill = [this](DbSchema& schema)
        {
            for (CString name : {"personnel_role", "useraccount", "customer", "orders"})
                if (!skipped.contains(std::string(name)))
                    AddMatchingTable(schema, *sample.Base().FindTableByName(name));
            auto archive = std::make_unique<DbTable>("archive");
            archive->AddColumn("archive_id", "int identity", 4, false);
            schema.AddTable(std::move(archive));
            if (arrange)
                arrange(schema);
        };
    }

    std::vector<std::vector<std::string>> TableRows() const
    {
        std::vector<std::vector<std::string>> rows;
        for (const ListRow& row : pane.GetTableRows())
            rows.push_back({row.cells[0].GetString(), row.cells[2].GetString(),
                            row.textColour == Pane::kRed ? "red" : "black"});
        return rows;
    }

    int RowOf(const char* table) const
    {
        for (const ListRow& row : pane.GetTableRows())
            if (row.cells[1] == table || row.cells[2] == table)
                return row.data;
        return -1;
    }

    std::function<void(DbSchema&)> arrange;
    std::set<std::string> skipped;
    RecordingConnection connection;
    RecordingDatabasePaneHost host;
    DatabasePane pane{sample.Project(), connection, host};
};

TEST(DatabasePaneTest, ControlsFollowTheLoadAndTheSelectedRow)
{
    PaneFixture fixture;
    ScriptedMessageBoxes boxes;
    const int withDatabase[] = {Pane::IDC_MODULES, Pane::IDC_ALTER_DATABASE, Pane::IDC_COPY_FIELDS,
                                Pane::IDC_SCRIPT_MODULE, Pane::IDC_SCRIPT_PROJECT};
    struct Step
    {
        const char* what;
        std::function<void(PaneFixture&)> act;
        bool loaded;
        bool tableEnabled;
        const char* caption;
    };
    const Step steps[] = {
        {"before a load", [](PaneFixture&) {}, false, false, "Database not selected"},
        {"loaded", [](PaneFixture& f) { f.pane.LoadDatabase(false); }, true, false, "shop"},
        {"project table row", [](PaneFixture& f) { f.pane.SelectTable(f.RowOf("customer")); }, true,
         true, "shop"},
        {"database-only row", [](PaneFixture& f) { f.pane.SelectTable(f.RowOf("archive")); }, true,
         false, "shop"},
        {"module change",
         [](PaneFixture& f)
         {
             f.pane.SelectTable(f.RowOf("customer"));
             f.pane.SelectModule(1);
         },
         true, false, "shop"},
        {"reset", [](PaneFixture& f) { f.pane.ResetDatabase(); }, false, false,
         "Database not selected"},
        {"refused connection",
         [](PaneFixture& f)
         {
             f.connection.refuseConnection = true;
             EXPECT_FALSE(f.pane.LoadDatabase(false));
         },
         false, false, "Database not selected"},
    };
    for (const Step& step : steps)
    {
        SCOPED_TRACE(step.what);
        step.act(fixture);
        const ControlStates& states = fixture.pane.GetStates();
        for (int id : withDatabase)
            EXPECT_EQ(states.IsEnabled(id), step.loaded) << id;
        for (int id : {Pane::IDC_LOAD_DATABASE, Pane::IDC_NEW_DATABASE, Pane::IDC_OK})
            EXPECT_TRUE(states.IsEnabled(id)) << id;
        EXPECT_EQ(states.IsEnabled(Pane::IDC_SCRIPT_TABLE), step.tableEnabled);
        EXPECT_EQ(fixture.pane.AreListsShown(), step.loaded);
        EXPECT_EQ(states.GetText(Pane::IDC_DATABASE_CAPTION), step.caption);
    }
    EXPECT_TRUE(boxes.ShownTexts().empty());
}

TEST(DatabasePaneTest, TableRowsPairProjectAndDatabaseTables)
{
    PaneFixture fixture;
    fixture.arrange = [&fixture](DbSchema& schema)
    {
        schema.FindTable("orders")->AddColumn("extra", "int", 4, true);
        auto stock = std::make_unique<DbTable>("PRODUCT");
        schema.AddTable(std::move(stock));
        // Names differing only in case are two tables, each shown as the catalogue names it.
        schema.AddTable(std::make_unique<DbTable>("Archive"));
    };
    ASSERT_TRUE(fixture.pane.LoadDatabase(false));
    const std::vector<std::vector<std::string>> base = {
        {"personnel_role", "personnel_role", "black"},
        {"useraccount", "useraccount", "black"},
        {"customer", "customer", "black"},
        {"orders", "orders", "red"},
        {"invoice_basic", "", "red"},
        {"invoice_detail", "", "red"},
        {"", "archive", "red"},
        {"", "PRODUCT", "red"},
        {"", "Archive", "red"},
    };
    EXPECT_EQ(fixture.TableRows(), base);
    EXPECT_EQ(fixture.pane.GetStates().GetItems(Pane::IDC_MODULES),
              (std::vector<CString>{"BaseModule", "Stock"}));

    fixture.pane.SelectTable(fixture.RowOf("customer"));
    EXPECT_EQ(fixture.pane.GetStates().GetText(Pane::IDC_TABLE_CAPTION), "customer");
    fixture.pane.SelectModule(1);
    EXPECT_EQ(fixture.pane.GetStates().GetText(Pane::IDC_TABLE_CAPTION), "");
    EXPECT_TRUE(fixture.pane.GetFieldRows().empty());
    EXPECT_EQ(fixture.pane.GetSelectedTableRow(), -1);
    const std::vector<std::vector<std::string>> stock = {
        {"product", "PRODUCT", "red"}, {"product_customer_map", "", "red"},
        {"", "personnel_role", "red"}, {"", "useraccount", "red"},
        {"", "customer", "red"},       {"", "orders", "red"},
        {"", "archive", "red"},        {"", "Archive", "red"},
    };
    EXPECT_EQ(fixture.TableRows(), stock);
}

TEST(DatabasePaneTest, FieldRowsShowEachSideAndMarkTheDifferences)
{
    PaneFixture fixture;
    fixture.skipped = {"customer"};
    fixture.arrange = [&fixture](DbSchema& schema)
    {
        auto customer = std::make_unique<DbTable>("customer");
        for (const Field* field : fixture.sample.Customer().GetFields())
        {
            const CString name = field->GetFieldName();
            if (name == "name")
                customer->AddColumn(name, "varchar", 60, false);
            else if (name == "note")
                customer->AddColumn(name, "nvarchar", 80, true);
            else if (name == "joined")
                customer->AddColumn(name, "datetime", 8, false);
            else if (name == "photo")
                customer->AddColumn(name, "image", 99, false);
            else if (name != "credit")
                AddMatchingColumn(*customer, *field);
        }
        customer->AddColumn("legacy", "nchar", 20, true);
        schema.AddTable(std::move(customer));
    };
    ASSERT_TRUE(fixture.pane.LoadDatabase(false));
    fixture.pane.SelectTable(fixture.RowOf("customer"));
    std::vector<std::vector<std::string>> rows;
    for (const ListRow& row : fixture.pane.GetFieldRows())
        rows.push_back({row.cells[1].GetString(), row.cells[2].GetString(),
                        row.cells[3].GetString(), row.cells[4].GetString(),
                        row.textColour == Pane::kRed ? "red" : "black"});
    const Table& customer = fixture.sample.Customer();
    const std::string key = customer.GetPrimaryKeyField()->GetFieldName().GetString();
    std::vector<std::vector<std::string>> expected;
    for (const Field* field : customer.GetFields())
    {
        const std::string name = field->GetFieldName().GetString();
        const std::string type = field->GetTypeName().GetString();
        if (name == key)
            expected.push_back({name, "int identity", name, "int identity", "black"});
        else if (name == "name") // length differs
            expected.push_back({name, type, name, "varchar", "red"});
        else if (name == "note") // nvarchar length doubled
            expected.push_back({name, type, name, "nvarchar", "black"});
        else if (name == "joined") // null flag differs
            expected.push_back({name, type, name, "datetime", "red"});
        else if (name == "photo") // neither length nor null matter
            expected.push_back({name, type, name, "image", "black"});
        else if (name == "credit") // no column
            expected.push_back({name, type, "", "", "red"});
        else
            expected.push_back({name, type, name, rows[expected.size()][3], "black"});
    }
    expected.push_back({"", "", "legacy", "nchar", "red"});
    EXPECT_EQ(rows, expected);
    EXPECT_EQ(fixture.TableRows()[static_cast<std::size_t>(fixture.RowOf("customer"))][2], "red");

    fixture.pane.SelectTable(fixture.RowOf("archive"));
    EXPECT_EQ(fixture.pane.GetStates().GetText(Pane::IDC_TABLE_CAPTION), "archive");
    ASSERT_EQ(fixture.pane.GetFieldRows().size(), 1u);
    EXPECT_EQ(fixture.pane.GetFieldRows()[0].cells[3], "archive_id");
    EXPECT_EQ(fixture.pane.GetFieldRows()[0].textColour, Pane::kRed);
}

TEST(DatabasePaneTest, CopyFieldsAddsTheMissingColumnsWithTheirModelTypes)
{
    struct Case
    {
        const char* typeName;
        int type;
    };
    const Case cases[] = {
        {"int", FieldTypeInt},
        {"int identity", FieldTypeInt},
        {"float", FieldTypeFloat},
        {"decimal", FieldTypeDecimal},
        {"char", FieldTypeChar},
        {"varchar", FieldTypeVarchar},
        {"datetime", FieldTypeDateTime},
        {"text", FieldTypeText},
        {"money", FieldTypeMoney},
        {"image", FieldTypeImage},
        {"nchar", FieldTypeNChar},
        {"nvarchar", FieldTypeNVarchar},
        {"ntext", FieldTypeNText},
        {"bigint", FieldTypeBigInt},
        {"uniqueidentifier", FieldTypeInt},
    };
    PaneFixture fixture;
    fixture.arrange = [&cases](DbSchema& schema)
    {
        DbTable& customer = *schema.FindTable("customer");
        customer.AddColumn("NAME", "nvarchar", 500, true);
        for (const Case& test : cases)
            customer.AddColumn(CString("c_") + test.typeName, test.typeName, 1, true);
    };
    ASSERT_TRUE(fixture.pane.LoadDatabase(false));
    const int fieldsBefore = fixture.sample.Customer().GetFieldCount();
    fixture.pane.SelectTable(fixture.RowOf("archive"));
    fixture.pane.CopyFields();
    fixture.pane.SelectTable(fixture.RowOf("customer"));
    fixture.pane.CopyFields();

    const Table& customer = fixture.sample.Customer();
    ASSERT_EQ(customer.GetFieldCount(), fieldsBefore + static_cast<int>(std::size(cases)));
    for (std::size_t index = 0; index < std::size(cases); ++index)
    {
        const Field& field = *customer.GetFieldAt(fieldsBefore + static_cast<int>(index));
        SCOPED_TRACE(cases[index].typeName);
        EXPECT_EQ(field.GetFieldName(), CString("c_") + cases[index].typeName);
        EXPECT_EQ(field.GetTypeCode(), cases[index].type);
        EXPECT_EQ(field.GetTable(), &customer);
        EXPECT_FALSE(field.GetDisplayName().IsEmpty());
        Field fresh;
        fresh.SetType(cases[index].type);
        EXPECT_EQ(field.GetSize(), fresh.GetSize());
    }
    // "NAME" found the field "name" and stays a row of its own.
    EXPECT_EQ(fixture.pane.GetFieldRows().size(), customer.GetFieldCount() + 1u);
    EXPECT_EQ(fixture.pane.GetSelectedTableRow(), fixture.RowOf("customer"));
}

TEST(DatabasePaneTest, ScriptsSplitAtLinesHoldingOnlyGo)
{
    struct Case
    {
        const char* script;
        std::vector<std::string> batches;
    };
    const Case cases[] = {
        {"CREATE TABLE a (x int)\nGO\nINSERT a VALUES (1)\nGO\n",
         {"CREATE TABLE a (x int)\n", "INSERT a VALUES (1)\n"}},
        {"INSERT a VALUES (1)\r\n  GO \r\nINSERT a VALUES (1)\r\nGO\r\n",
         {"INSERT a VALUES (1)\r\n", "INSERT a VALUES (1)\r\n"}},
        {"CREATE TABLE CATEGORY (GOAL int)\nGO", {"CREATE TABLE CATEGORY (GOAL int)\n"}},
        {"SELECT 1\nGO\nSELECT 2\n", {"SELECT 1\n"}},
        {"\n\nGO\nGO\nSELECT 1\nGO\n", {"SELECT 1\n"}},
        {"go\nSELECT 1\nGOTO\n", {}},
        {"", {}},
    };
    for (const Case& test : cases)
    {
        SCOPED_TRACE(test.script);
        std::vector<std::string> batches;
        for (const CString& batch : SplitScriptBatches(test.script))
            batches.emplace_back(batch.GetString());
        EXPECT_EQ(batches, test.batches);
    }
}

TEST(DatabasePaneTest, RunScriptRunsEachBatchAndStopsAtTheFirstRefused)
{
    struct Case
    {
        const char* what;
        bool writeFile;
        bool refuseConnection;
        std::size_t refusedBatch;
        bool result;
        std::size_t executed;
        std::size_t boxes;
    };
    const Case cases[] = {
        {"every batch runs", true, false, std::size_t(-1), true, 3, 0},
        {"second batch refused", true, false, 1, false, 1, 1},
        {"missing file", false, false, std::size_t(-1), false, 0, 0},
        {"no connection", true, true, std::size_t(-1), false, 0, 0},
    };
    for (const Case& test : cases)
    {
        SCOPED_TRACE(test.what);
        PaneFixture fixture;
        ScriptedMessageBoxes boxes;
        const auto path = fixture.folder.Path() / "run.sql";
        if (test.writeFile)
            std::ofstream(path) << "INSERT t VALUES (1)\nGO\nINSERT t VALUES (1)\nGO\n"
                                   "UPDATE t SET x = 2\nGO\nDELETE t\n";
        fixture.connection.refuseConnection = test.refuseConnection;
        fixture.connection.refusedBatch = test.refusedBatch;
        EXPECT_EQ(fixture.pane.RunScript(fixture.folder.ModelPath("run.sql"), true), test.result);
        EXPECT_EQ(fixture.connection.executed.size(), test.executed);
        EXPECT_EQ(fixture.connection.loads, test.writeFile ? 1 : 0);
        ASSERT_EQ(boxes.ShownTexts().size(), test.boxes);
        if (test.boxes > 0)
        {
            EXPECT_EQ(boxes.ShownTexts()[0],
                      "SQL Error: " + std::string(CDBException(-1).m_strError.GetString()) +
                          "\nPlease check the " + path.string() +
                          " and run it manually in your database");
        }
    }
}

// A run that finds the server gone says so and how to connect again, and drops the connection:
// the next load connects anew and knows the connection before it was lost.
TEST(DatabasePaneTest, ALostConnectionIsNamedAndTheNextLoadConnectsAnew)
{
    PaneFixture fixture;
    ScriptedMessageBoxes boxes;
    const auto path = fixture.folder.Path() / "run.sql";
    std::ofstream(path) << "INSERT t VALUES (1)\nGO\n";
    ASSERT_TRUE(fixture.pane.LoadDatabase(false));
    fixture.connection.refusedBatch = 0;
    fixture.connection.loseConnection = true;
    EXPECT_FALSE(fixture.pane.RunScript(fixture.folder.ModelPath("run.sql"), true));
    EXPECT_EQ(boxes.ShownTexts(),
              std::vector<std::string>{"The connection to the database was lost.\n" +
                                       std::string(CDBException(-1).m_strError.GetString()) +
                                       "Click \"Load Database...\" and choose the data source to "
                                       "connect again."});
    EXPECT_FALSE(fixture.connection.IsOpen());
    EXPECT_FALSE(fixture.pane.IsLoaded());
    EXPECT_EQ(LostConnectionText("no answer"),
              "The connection to the database was lost.\nno answer\nClick \"Load Database...\" "
              "and choose the data source to connect again.");

    // Every load names the loss and its reason until one connects: a chooser answered with
    // Cancel, then a data source; then a loss that Load Database finds itself, without a reason.
    const std::string reason = CDBException(-1).m_strError.GetString();
    fixture.connection.refuseConnection = true;
    EXPECT_FALSE(fixture.pane.LoadDatabase(false));
    fixture.connection.refuseConnection = false;
    ASSERT_TRUE(fixture.pane.LoadDatabase(false));
    ASSERT_TRUE(fixture.pane.LoadDatabase(false));
    fixture.connection.lost = true;
    ASSERT_TRUE(fixture.pane.LoadDatabase(false));
    EXPECT_EQ(fixture.connection.lostReasons,
              (std::vector<std::optional<std::string>>{std::nullopt, reason, reason, std::nullopt,
                                                       std::string()}));
}

TEST(DatabasePaneTest, CommandsWriteTheirScriptThenRunIt)
{
    using Scope = AlterScriptScope::Scope;
    struct Case
    {
        const char* what;
        bool alter;
        std::optional<Scope> choice;
        bool blocked;
        std::vector<std::string> boxes;
        const char* script;
        // What the script of the scope holds: the tables of Stock, the drop of archive.
        bool stock;
        bool dropsArchive;
    };
    const char* modified = "Database Modified. \nClick on LoadDatabase to refresh Database "
                           "information";
    const Case cases[] = {
        {"new database",
         false,
         {},
         false,
         {"Database created successfully."},
         "KestraneWeavo_Sample_Script.sql",
         true,
         false},
        {"alter cancelled", true, {}, false, {}, nullptr, false, false},
        {"alter the table",
         true,
         Scope::Table,
         false,
         {modified},
         "KestraneWeavo_Sample_AlterScript.sql",
         false,
         false},
        {"alter the module",
         true,
         Scope::Module,
         false,
         {modified},
         "KestraneWeavo_Sample_AlterScript.sql",
         false,
         true},
        {"alter the project",
         true,
         Scope::Project,
         false,
         {modified},
         "KestraneWeavo_Sample_AlterScript.sql",
         true,
         true},
        {"unwritable new", false, {}, true, {"unwritten"}, nullptr, false, false},
        {"unwritable alter", true, Scope::Project, true, {"unwritten"}, nullptr, false, false},
    };
    for (const Case& test : cases)
    {
        SCOPED_TRACE(test.what);
        PaneFixture fixture;
        ScriptedMessageBoxes boxes;
        const auto scripts = fixture.folder.Path() / "Sample" / "scripts";
        if (test.blocked)
            std::ofstream(scripts) << "not a folder";
        ASSERT_TRUE(fixture.pane.LoadDatabase(false));
        fixture.pane.SelectTable(fixture.RowOf("orders"));
        fixture.host.choice = test.choice;
        std::vector<std::string> statuses;
        const MainFrameAccess::StatusTextSink previous = MainFrameAccess::SetStatusTextSink(
            [&statuses](const char* text) { statuses.emplace_back(text); });
        if (test.alter)
            fixture.pane.OnAlterDatabase();
        else
            fixture.pane.OnNewDatabase();
        MainFrameAccess::SetStatusTextSink(previous);
        // An alter script written is named in the status bar with its scope and its count.
        if (test.alter && test.script != nullptr)
        {
            const char* of = *test.choice == Scope::Table    ? "table orders"
                             : *test.choice == Scope::Module ? "module "
                                                             : "the project";
            ASSERT_EQ(statuses.size(), 1u);
            EXPECT_EQ(statuses[0].rfind(std::string("The alter script of ") + of, 0), 0u)
                << statuses[0];
            EXPECT_NE(statuses[0].find(std::string(test.script) + " (tables created, changed or "
                                                                  "dropped: "),
                      std::string::npos)
                << statuses[0];
        }
        else
        {
            EXPECT_TRUE(statuses.empty());
        }

        const std::vector<std::string> shown = boxes.ShownTexts();
        ASSERT_EQ(shown.size(), test.boxes.size());
        if (test.blocked)
        {
            EXPECT_NE(shown[0].find(test.alter ? "AlterScript.sql" : "_Script.sql"),
                      std::string::npos)
                << shown[0];
        }
        else
        {
            EXPECT_EQ(shown, test.boxes);
        }
        EXPECT_EQ(fixture.host.waits, 0);
        if (test.script == nullptr)
        {
            EXPECT_TRUE(fixture.connection.executed.empty());
            continue;
        }
        const std::string script = ReadHostFile(scripts / test.script);
        EXPECT_EQ(script.find("[product]") != std::string::npos, test.stock);
        EXPECT_EQ(script.find("DROP TABLE [archive]") != std::string::npos, test.dropsArchive);
        std::vector<std::string> batches;
        for (const CString& batch : SplitScriptBatches(script.c_str()))
            batches.emplace_back(batch.GetString());
        EXPECT_FALSE(batches.empty());
        EXPECT_EQ(fixture.connection.executed, batches);
        EXPECT_EQ(fixture.host.offeredTable, test.alter);
    }
}
} // namespace
