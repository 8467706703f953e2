// Runs through the driver manager and the PostgreSQL ODBC driver against the server that
// tests/scripts/with_pg_cluster.sh starts; WEAVO_PG_ODBC is its connection string.
#include "database/ConstraintQueries.h"
#include "database/DbSchema.h"
#include "database/SQLTable.h"
#include "database/SchemaLoader.h"
#include "platform/core/ScriptedMessageBoxes.h"
#include "platform/odbc/CDatabase.h"
#include "platform/odbc/CRecordset.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

namespace
{
CString ConnectString()
{
    const char* connect = std::getenv("WEAVO_PG_ODBC");
    return connect != nullptr ? CString(connect) : CString();
}

// The connection string with port 1, on which nothing answers.
CString RefusedConnectString()
{
    CString connect = ConnectString();
    const int port = connect.Find("Port=") + 5;
    return connect.Left(port) + "1" + connect.Mid(connect.Find(';', port));
}

// The tables of the catalogue and the sysobjects rows of SQL Server's catalogue, emulated.
constexpr const char* setupStatements[] = {
    "CREATE SCHEMA dbo",
    "CREATE TABLE dbo.sysobjects(name varchar(200), id int, type char(2), parent_obj int)",
    "CREATE TABLE public.\"Customer\"(customer_id serial NOT NULL, \"Name\" varchar(50) NOT "
    "NULL, joined timestamp, note text, credit numeric(10, 2))",
    "CREATE TABLE public.item(item_id int NOT NULL, price int)",
    "CREATE TABLE public.item_line(item_line_id int NOT NULL, qty int)",
    "CREATE TABLE public.other(other_id int NOT NULL)",
    "CREATE TABLE public.\"O'Brien\"(x char(3))",
    "CREATE TABLE public.dtproperties(id int)",
    "INSERT INTO dbo.sysobjects VALUES ('item', 1, 'U', 0), ('item_line', 2, 'U', 0), "
    "('O''Brien', 3, 'U', 0), ('other', 4, 'U', 0), ('Customer', 5, 'U', 0), "
    "('PK_item', 11, 'PK', 1), ('DF_item_price', 12, 'D', 1), ('FK_item_other', 13, 'F', 1), "
    "('TR_item_audit', 14, 'TR', 1), ('TR_item_stock', 15, 'TR', 1), "
    "('PK_item_line', 21, 'PK', 2), ('DF_item_line_qty', 22, 'D', 2), "
    "('FK_item_line_item', 23, 'F', 2), ('FK_item_line_item_1', 24, 'F', 2), "
    "('FK_item_line_other', 25, 'F', 2), ('TR_item_line', 26, 'TR', 2), "
    "('DF_O''Brien_x', 31, 'D', 3), ('TR_O''Brien', 32, 'TR', 3), "
    "('PK_other', 41, 'PK', 4), ('FK_other_item', 42, 'F', 4), "
    "('FK_other_item_line', 43, 'F', 4), ('FK_other_O''Brien', 44, 'F', 4), "
    "('FK_other_itemx', 45, 'F', 4), ('DF_other_item_price', 46, 'D', 4)",
};

class PgOdbcSuite : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        ASSERT_FALSE(ConnectString().IsEmpty()) << "run through tests/scripts/with_pg_cluster.sh";
        CDatabase database;
        ASSERT_TRUE(database.OpenEx(ConnectString().GetString()));
        for (const char* statement : setupStatements)
            database.ExecuteSQL(statement);
        const char* name = std::getenv("WEAVO_PG_DATABASE");
        database.ExecuteSQL(
            ("ALTER DATABASE \"" + std::string(name) + "\" SET search_path = public, dbo").c_str());
    }

    void SetUp() override { ASSERT_TRUE(database.OpenEx(ConnectString().GetString())); }

    CDatabase database;
};

std::vector<std::string> Rows(const ConstraintList& list)
{
    std::vector<std::string> rows;
    for (int index = 0; index < list.names.GetSize(); ++index)
        rows.push_back(std::string(list.tables[index]) + "." + std::string(list.names[index]));
    return rows;
}

// A recordset of one number column and one text column that may be NULL.
class NumberRecordset : public CRecordset
{
public:
    using CRecordset::CRecordset;

    CString GetDefaultSQL() override
    {
        return "SELECT n, CASE WHEN n = 2 THEN NULL ELSE 'row ' || n END FROM "
               "generate_series(1, 4) n ORDER BY n";
    }
    void DoFieldExchange(CFieldExchange* fx) override
    {
        RFX_Int(fx, "n", number);
        RFX_Text(fx, "label", label);
    }

    int number = -1;
    CString label;
};

TEST_F(PgOdbcSuite, RecordsetMovesBackOverTheRowsItFetched)
{
    NumberRecordset rows(&database);
    ASSERT_TRUE(rows.Open(CRecordset::forwardOnly, nullptr, CRecordset::readOnly));
    std::vector<std::string> seen;
    const auto see = [&]
    {
        seen.push_back(rows.IsEOF() ? std::string("eof")
                                    : std::to_string(rows.number) + ":" + rows.label.GetString());
    };
    see();
    rows.MoveNext();
    see();
    rows.MoveLast();
    see();
    const long countAtLast = rows.GetRecordCount();
    rows.MoveFirst();
    see();
    for (int step = 0; step < 5; ++step)
    {
        rows.MoveNext();
        see();
    }

    EXPECT_EQ(countAtLast, 4);
    EXPECT_EQ(seen, (std::vector<std::string>{"1:row 1", "2:", "4:row 4", "1:row 1",
                                              "2:", "3:row 3", "4:row 4", "eof", "eof"}));
    rows.Close();
    EXPECT_FALSE(rows.IsOpen());
    EXPECT_TRUE(database.IsOpen());
}

TEST_F(PgOdbcSuite, FailingStatementRaisesTheDriversErrorAndAQueryOfItAddsNothing)
{
    try
    {
        database.ExecuteSQL("DELETE FROM no_such_table");
        FAIL();
    }
    catch (const CDBException& failure)
    {
        EXPECT_EQ(failure.m_nRetCode, SQL_ERROR);
        EXPECT_NE(std::string(failure.m_strError).find("\"no_such_table\" does not exist"),
                  std::string::npos)
            << failure.m_strError.GetString();
        EXPECT_NE(std::string(failure.m_strStateNativeOrigin).find("State:42P01"),
                  std::string::npos);
    }
    EXPECT_TRUE(QueryTextRows(database, "SELECT name FROM no_such_table", 1).empty());
    // The connection still serves after the failures.
    EXPECT_EQ(QueryTextRows(database, "SELECT 'it''s', NULL", 2),
              (std::vector<std::vector<std::optional<CString>>>{{CString("it's"), std::nullopt}}));
}

TEST_F(PgOdbcSuite, LoadReadsTablesColumnsAndTriggersThroughTheDataSourcePrompt)
{
    int prompts = 0;
    const DataSourcePrompt previous = SetDataSourcePrompt(
        [&prompts](CString& connect)
        {
            ++prompts;
            connect = ConnectString();
            return true;
        });
    ScriptedMessageBoxes boxes;
    SQLTable tables;
    DbSchema schema;

    const DatabaseLoad load = LoadDatabase(tables, schema, false);
    SetDataSourcePrompt(previous);

    ASSERT_TRUE(load.loaded);
    EXPECT_EQ(prompts, 1);
    EXPECT_TRUE(boxes.Shown().empty());
    EXPECT_EQ(load.catalogue, std::getenv("WEAVO_PG_DATABASE"));
    EXPECT_EQ(tables.GetRecordCount(), 7);
    std::vector<std::string> loaded;
    for (const auto& table : schema.GetTables())
    {
        std::string line = std::string(table->GetName()) + ":";
        for (const auto& column : table->GetColumns())
        {
            CString text;
            text.Format(" %s %s %d %s", column->GetName(), column->GetTypeName(),
                        column->GetLength(), column->IsNullable() ? "null" : "not-null");
            line += std::string(text);
        }
        for (const auto& trigger : table->GetTriggers())
            line += " trigger " + std::string(trigger->GetName());
        loaded.push_back(line);
    }
    // As the driver reports them: lengths in bytes of its Unicode build (at most 255 for
    // varchar), serial as int4, names sorted as the C locale sorts them.
    EXPECT_EQ(loaded, (std::vector<std::string>{
                          "sysobjects: name varchar 255 null id int4 4 null type bpchar 8 null "
                          "parent_obj int4 4 null",
                          "Customer: customer_id int4 4 not-null Name varchar 200 not-null "
                          "joined timestamp 16 null note text 8190 null credit numeric 12 null",
                          "item: item_id int4 4 not-null price int4 4 null trigger TR_item_audit "
                          "trigger TR_item_stock",
                          "item_line: item_line_id int4 4 not-null qty int4 4 null trigger "
                          "TR_item_line",
                          "other: other_id int4 4 not-null",
                      }));
    EXPECT_EQ(schema.FindTable("CUSTOMER"), schema.GetTables()[1].get());
    // A quote in a name is no name of the project's: the table is left out with its columns.
    EXPECT_EQ(load.skipped,
              std::vector<CString>{"table \"O'Brien\": it holds a quoting character"});
}

// A connection whose server process was ended is found dead after its next statement fails, so
// that the pane can say it was lost; a live one is not.
TEST_F(PgOdbcSuite, AConnectionWhoseServerProcessEndedIsFoundDead)
{
    CDatabase database;
    ASSERT_TRUE(database.OpenEx(ConnectString().GetString()));
    const auto rows = QueryTextRows(database, "SELECT pg_backend_pid()", 1);
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_FALSE(database.IsConnectionDead());
    CDatabase other;
    ASSERT_TRUE(other.OpenEx(ConnectString().GetString()));
    other.ExecuteSQL("SELECT pg_terminate_backend(" + *rows[0][0] + ")");
    EXPECT_FALSE(other.IsConnectionDead());
    EXPECT_THROW(database.ExecuteSQL("SELECT 1"), CDBException);
    EXPECT_TRUE(database.IsConnectionDead());
}

TEST_F(PgOdbcSuite, OnlyConnectingLeavesTheSchemaEmpty)
{
    SQLTable tables(&database);
    DbSchema schema;

    const DatabaseLoad load = LoadDatabase(tables, schema, true);

    EXPECT_TRUE(load.loaded);
    EXPECT_TRUE(schema.GetTables().empty());
    EXPECT_EQ(load.catalogue, std::getenv("WEAVO_PG_DATABASE"));
}

TEST_F(PgOdbcSuite, LoadFailuresAreShownWithTheExclamationIcon)
{
    struct Case
    {
        const char* name;
        DataSourcePrompt prompt;
        // The driver's reason of a loss before the load.
        std::optional<CString> lost;
        bool connectionFailed;
        const char* text;
    };
    const DataSourcePrompt cancel = [](CString&) { return false; };
    const DataSourcePrompt refused = [](CString& connect)
    {
        connect = RefusedConnectString();
        return true;
    };
    const Case cases[] = {
        {"cancelled", cancel, std::nullopt, true,
         "No data source was chosen, so no connection was made.\nClick \"Load Database...\" and "
         "choose the data source to connect."},
        {"refused", refused, std::nullopt, false, "port 1 failed"},
        {"cancelled after a loss", cancel, CString("server closed the connection"), true,
         "The connection to the database was lost.\nserver closed the connection\nNo data source "
         "was chosen, so no connection was made.\nClick \"Load Database...\" and choose the data "
         "source to connect again."},
        {"refused after a loss", refused, CString("server closed the connection\n"), false,
         "The connection to the database was lost.\nserver closed the connection\n"},
    };
    for (const Case& test : cases)
    {
        SCOPED_TRACE(test.name);
        const DataSourcePrompt previous = SetDataSourcePrompt(test.prompt);
        ScriptedMessageBoxes boxes;
        SQLTable tables;
        DbSchema schema;
        const DatabaseLoad load = LoadDatabase(tables, schema, false, test.lost);
        SetDataSourcePrompt(previous);

        EXPECT_FALSE(load.loaded);
        EXPECT_EQ(load.connectionFailed, test.connectionFailed);
        EXPECT_TRUE(schema.GetTables().empty());
        ASSERT_EQ(boxes.Shown().size(), 1u);
        EXPECT_NE(boxes.Shown()[0].text.find(test.text), std::string::npos)
            << boxes.Shown()[0].text;
        EXPECT_EQ(boxes.Shown()[0].type, MB_ICONEXCLAMATION);
    }
}

TEST_F(PgOdbcSuite, ConstraintQueriesFindOnlyWhatTheScriptDrops)
{
    struct Case
    {
        const char* query;
        std::function<void(ConstraintQueries&, ConstraintList&)> find;
        std::vector<std::string> expected;
    };
    const Case cases[] = {
        {"changed item",
         [](ConstraintQueries& q, ConstraintList& out) { q.FindOfChangedTable("item", out); },
         {"item.DF_item_price", "item.FK_item_other"}},
        {"changed item_line",
         [](ConstraintQueries& q, ConstraintList& out) { q.FindOfChangedTable("item_line", out); },
         {"item_line.DF_item_line_qty", "item_line.FK_item_line_item",
          "item_line.FK_item_line_item_1", "item_line.FK_item_line_other"}},
        {"changed quoted",
         [](ConstraintQueries& q, ConstraintList& out) { q.FindOfChangedTable("O'Brien", out); },
         {"O'Brien.DF_O'Brien_x"}},
        {"dropped item",
         [](ConstraintQueries& q, ConstraintList& out) { q.FindOfDroppedTable("item", out); },
         {"item.PK_item", "item.DF_item_price", "item.FK_item_other", "item_line.FK_item_line_item",
          "item_line.FK_item_line_item_1", "other.FK_other_item"}},
        {"dropped quoted",
         [](ConstraintQueries& q, ConstraintList& out) { q.FindOfDroppedTable("O'Brien", out); },
         {"O'Brien.DF_O'Brien_x", "other.FK_other_O'Brien"}},
        {"dropped column",
         [](ConstraintQueries& q, ConstraintList& out)
         { q.FindOfDroppedColumn("item", "price", false, out); },
         {"item.DF_item_price"}},
        {"dropped key column",
         [](ConstraintQueries& q, ConstraintList& out)
         { q.FindOfDroppedColumn("item", "item_id", true, out); },
         {"item_line.FK_item_line_item", "item_line.FK_item_line_item_1", "other.FK_other_item"}},
        {"unknown table",
         [](ConstraintQueries& q, ConstraintList& out) { q.FindOfDroppedTable("nothing", out); },
         {}},
    };
    SysObjectsConstraints constraints(database);
    for (const Case& test : cases)
    {
        SCOPED_TRACE(test.query);
        ConstraintList found;
        test.find(constraints, found);
        std::vector<std::string> rows = Rows(found);
        std::vector<std::string> expected = test.expected;
        std::ranges::sort(rows);
        std::ranges::sort(expected);
        EXPECT_EQ(rows, expected);
    }
}
} // namespace
