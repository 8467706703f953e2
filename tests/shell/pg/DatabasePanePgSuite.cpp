#include "editors/AlterScriptSelDlg.h"
#include "editors/DataSourceDlg.h"
#include "editors/SQLView.h"
#include "editors/WarningDlg.h"
#include "entities/DashBoardPage.h"
#include "model/Field.h"
#include "model/ProjectSettings.h"
#include "model/Table.h"
#include "platform/odbc/CDatabase.h"
#include "tests/platform/ui/TextInk.h"
#include "tests/shell/RowListWalk.h"
#include "tests/shell/ShellTestSupport.h"

#include <QComboBox>
#include <QFontMetrics>
#include <QImage>
#include <QPixmap>
#include <QTreeWidget>

#include <set>
#include <utility>

namespace
{
// The connection string typed in Project Properties.
constexpr const char* kTypedConnection = "Data Source =SHOP; Initial Catalog =Shop; ";
CString ConnectString()
{
    const char* connect = std::getenv("WEAVO_PG_ODBC");
    return connect != nullptr ? CString(connect) : CString();
}

constexpr const char* setupStatements[] = {
    "CREATE TABLE customer(customer_id serial NOT NULL, name varchar(50), nickname varchar(20), "
    "visits int)",
    "CREATE TABLE archive(archive_id int NOT NULL)",
    "CREATE TABLE ledger(entry_id serial NOT NULL, note varchar(40), \"CATEGORY_GO\" int)",
};

Table* NewTable(const char* name, std::initializer_list<const char*> fields)
{
    auto* table = new Table;
    table->SetTableName(name);
    table->SetKind(Table::masterKind);
    table->EnsureDefaultFields();
    for (const char* fieldName : fields)
    {
        auto* field = new Field;
        field->Set(fieldName, fieldName, FieldTypeVarchar, 50, 0, nullptr, "", false, false, true,
                   false, false);
        field->SetTable(table);
        table->AddField(field);
    }
    return table;
}

// The program with a project "Shop" of two tables writing into its temp folder, beside a
// PostgreSQL database with customer (one column more than the project has), archive and
// ledger.
class DatabasePanePgSuite : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_FALSE(ConnectString().IsEmpty()) << "run through tests/scripts/with_pg_cluster.sh";
        ASSERT_TRUE(database.OpenEx(ConnectString().GetString()));
        for (const char* table : {"customer", "archive", "ledger", "orders"})
            database.ExecuteSQL((CString("DROP TABLE IF EXISTS ") + table).GetString());
        for (const char* statement : setupStatements)
            database.ExecuteSQL(statement);
        program.Project().SetProjectName("Shop");
        program.Project().SetProjectPath((program.folder.Path().string() + "\\").c_str());
        program.Project().GetProjectSettings()->SetConnectionString(kTypedConnection);
        Module& base = *program.Project().GetBaseModule();
        customer = NewTable("customer", {"name"});
        base.AddTable(customer);
        base.AddTable(NewTable("orders", {"reference"}));
    }

    void AnswerChooser(bool ok)
    {
        program.dialogs.Answer(
            [ok](CDialog& dialog, DialogDriver& user)
            {
                EXPECT_EQ(dialog.GetTemplateId(), DataSourceDlg::IDD);
                if (!ok)
                {
                    user.PressCancel();
                    return;
                }
                // The connection string of Project Properties is offered; the installed driver is
                // listed, and choosing an entry fills in its connect string.
                EXPECT_EQ(user.GetText(DataSourceDlg::IDC_CONNECT), kTypedConnection);
                ASSERT_TRUE(user.Select(DataSourceDlg::IDC_SOURCES, 0));
                const CString chosen = user.GetText(DataSourceDlg::IDC_CONNECT);
                EXPECT_TRUE(chosen.Find("DSN=") == 0 || chosen.Find("Driver={") == 0)
                    << chosen.GetString();
                user.SetText(DataSourceDlg::IDC_CONNECT, ConnectString().GetString());
                user.PressOk();
            });
    }

    SQLView& View() const
    {
        return *dynamic_cast<SQLView*>(program.Frame().GetRightPaneView(RightPane::SQLView));
    }

    std::vector<std::vector<std::string>> TableRows() const
    {
        std::vector<std::vector<std::string>> rows;
        for (const ListRow& row : View().GetPane()->GetTableRows())
            rows.push_back({row.cells[1].GetString(), row.cells[2].GetString(),
                            row.textColour == DatabasePane::kRed ? "red" : "black"});
        return rows;
    }

    std::string WriteScript(const char* name, const char* text) const
    {
        std::ofstream(program.folder.Path() / name) << text;
        return program.PathOf(name);
    }

    std::vector<std::string> LedgerNotes()
    {
        std::vector<std::string> notes;
        for (const auto& row :
             QueryTextRows(database, "SELECT note FROM ledger ORDER BY entry_id", 1))
            notes.emplace_back(row[0] ? row[0]->GetString() : "NULL");
        return notes;
    }

    RunningProgram program;
    CDatabase database;
    Table* customer = nullptr;
};

TEST_F(DatabasePanePgSuite, SyncDbShowsThePaneAndLoadsTheChosenDatabase)
{
    AnswerChooser(true);
    program.Frame().GetSafeHwnd()->resize(1280, 800);
    program.Command(ID_SYNC_DB);

    EXPECT_EQ(program.Frame().GetCurrentRightPane(), RightPane::SQLView);
    EXPECT_EQ(program.dialogs.Shown(), std::vector<UINT>{DataSourceDlg::IDD});
    EXPECT_TRUE(program.boxes.Shown().empty());
    DialogDriver user(View());
    EXPECT_EQ(user.GetText(DatabasePane::IDC_DATABASE_CAPTION), std::getenv("WEAVO_PG_DATABASE"));
    EXPECT_TRUE(View().GetDlgItem(DatabasePane::IDC_TABLE_LIST)->IsWindowVisible());
    EXPECT_EQ(View().GetPane()->GetStates().GetItems(DatabasePane::IDC_MODULES),
              std::vector<CString>{program.Project().GetBaseModule()->GetName()});
    std::vector<Table*> projectTables;
    program.Project().GetBaseModule()->GetAllTables(projectTables);
    std::vector<std::vector<std::string>> expected;
    for (const Table* table : projectTables)
    {
        const bool inDatabase = table == customer;
        expected.push_back(
            {table->GetTableName().GetString(), inDatabase ? "customer" : "", "red"});
    }
    expected.push_back({"", "archive", "red"});
    expected.push_back({"", "ledger", "red"});
    EXPECT_EQ(TableRows(), expected);

    ASSERT_TRUE(user.ClickListRow(DatabasePane::IDC_TABLE_LIST, 0, 1));
    QApplication::processEvents();
    const std::filesystem::path shot = std::filesystem::current_path() / "database-pane.png";
    ASSERT_TRUE(
        program.Frame().GetSafeHwnd()->grab().save(QString::fromStdString(shot.string()), "PNG"));
    EXPECT_FALSE(QImage(QString::fromStdString(shot.string())).isNull());
    // The module's whole name shows, and the chosen table keeps its mark without the focus.
    auto* modules =
        qobject_cast<QComboBox*>(View().GetDlgItem(DatabasePane::IDC_MODULES)->GetSafeHwnd());
    ASSERT_NE(modules, nullptr);
    QComboBox fitting;
    fitting.setFont(modules->font());
    fitting.addItem(modules->currentText());
    EXPECT_GE(modules->width(), fitting.sizeHint().width());
    auto* tables =
        qobject_cast<QTreeWidget*>(View().GetDlgItem(DatabasePane::IDC_TABLE_LIST)->GetSafeHwnd());
    ASSERT_NE(tables, nullptr);
    const QImage list = tables->viewport()->grab().toImage();
    const auto backgroundAt = [&](int row)
    {
        const QRect cell = tables->visualRect(tables->model()->index(row, 2));
        return list.pixelColor(cell.right() - 3, cell.center().y());
    };
    EXPECT_NE(backgroundAt(0), QColor(Qt::white));
    EXPECT_EQ(backgroundAt(1), QColor(Qt::white));
    // Every name fits its column, and an underscore shows below the letters of "orders".
    const auto* names = dynamic_cast<CListCtrl*>(View().GetDlgItem(DatabasePane::IDC_TABLE_LIST));
    ASSERT_NE(names, nullptr);
    const QFontMetrics metrics(tables->font());
    int underscored = -1;
    int plain = -1;
    for (int row = 0; row < names->GetItemCount(); ++row)
    {
        for (int column = 0; column < names->GetColumnCount(); ++column)
            EXPECT_LE(metrics.horizontalAdvance(names->GetItemText(row, column).GetString()),
                      names->GetColumnWidth(column) - 6)
                << names->GetItemText(row, column).GetString();
        if (names->GetItemText(row, 1).Find('_') >= 0)
            underscored = row;
        if (names->GetItemText(row, 1) == "orders")
            plain = row;
    }
    ASSERT_GE(underscored, 0);
    ASSERT_GE(plain, 0);
    const auto nameArea = [&](int row)
    {
        const QRect cell = tables->visualRect(tables->model()->index(row, 1));
        return QRect(cell.left() + 1, cell.top(), cell.width() - 3, cell.height());
    };
    EXPECT_GT(LowestInkRow(list, nameArea(underscored)), LowestInkRow(list, nameArea(plain)));

    // Leaving the pane resets it.
    program.Frame().ShowStartPage();
    EXPECT_FALSE(View().GetPane()->IsLoaded());
}

TEST_F(DatabasePanePgSuite, CancelledChooserLeavesThePaneWithoutADatabase)
{
    AnswerChooser(false);
    program.Command(ID_SYNC_DB);

    EXPECT_EQ(program.boxes.Shown().size(), 1u);
    EXPECT_FALSE(View().GetPane()->IsLoaded());
    EXPECT_FALSE(View().GetDlgItem(DatabasePane::IDC_TABLE_LIST)->IsWindowVisible());
    EXPECT_EQ(DialogDriver(View()).GetText(DatabasePane::IDC_DATABASE_CAPTION),
              "Database not selected");
}

// The pane's table list is walked as every list of the program whose highlighted row a panel
// shows: the caption follows the table Down highlights.
TEST_F(DatabasePanePgSuite, TheTableCaptionFollowsTheTableAKeyHighlights)
{
    AnswerChooser(true);
    program.Frame().ShowRightPane(RightPane::SQLView);
    ASSERT_TRUE(DialogDriver(View()).Click(DatabasePane::IDC_LOAD_DATABASE));
    std::set<std::pair<UINT, int>> walked;
    WalkRowLists(View(), 0, walked);
    std::set<std::pair<UINT, int>> pane;
    for (const auto& worked : WorkedRowLists())
    {
        if (worked.first == static_cast<UINT>(DatabasePane::IDD))
            pane.insert(worked);
    }
    EXPECT_FALSE(pane.empty());
    EXPECT_EQ(pane, walked);
}

TEST_F(DatabasePanePgSuite, CopyFieldsAddsTheColumnsTheProjectTableLacks)
{
    AnswerChooser(true);
    program.Frame().ShowRightPane(RightPane::SQLView);
    DialogDriver user(View());
    ASSERT_TRUE(user.Click(DatabasePane::IDC_LOAD_DATABASE));
    const int fields = customer->GetFieldCount();
    int row = 0;
    for (const ListRow& listed : View().GetPane()->GetTableRows())
        if (listed.cells[1] == "customer")
            row = listed.data;
    ASSERT_TRUE(user.ClickListRow(DatabasePane::IDC_TABLE_LIST, row, 1));
    EXPECT_EQ(user.GetText(DatabasePane::IDC_TABLE_CAPTION), "customer");
    ASSERT_TRUE(user.Click(DatabasePane::IDC_COPY_FIELDS));

    std::vector<std::string> added;
    for (int index = fields; index < customer->GetFieldCount(); ++index)
        added.emplace_back(customer->GetFieldAt(index)->GetFieldName().GetString());
    ASSERT_EQ(added, (std::vector<std::string>{"nickname", "visits"}));
    EXPECT_EQ(customer->FindFieldByName("nickname")->GetTypeCode(), FieldTypeVarchar);
}

TEST_F(DatabasePanePgSuite, ScriptsRunEachBatchOnceInOrderAndStopAtARefusedOne)
{
    AnswerChooser(true);
    program.Command(ID_SYNC_DB);
    DatabasePane& pane = *View().GetPane();
    const std::string batches = WriteScript(
        "batches.sql", "INSERT INTO ledger(note, \"CATEGORY_GO\") VALUES ('first', 1)\r\nGO\r\n"
                       "INSERT INTO ledger(note) VALUES ('twice')\nGO\n"
                       "INSERT INTO ledger(note) VALUES ('twice')\n  GO\n"
                       "UPDATE ledger SET \"CATEGORY_GO\" = 2 WHERE note = 'twice'\nGO\n"
                       "INSERT INTO ledger(note) VALUES ('never')\n");
    EXPECT_TRUE(pane.RunScript(batches.c_str(), false));
    EXPECT_EQ(LedgerNotes(), (std::vector<std::string>{"first", "twice", "twice"}));
    EXPECT_TRUE(program.boxes.Shown().empty());

    const std::string refused =
        WriteScript("refused.sql", "INSERT INTO ledger(note) VALUES ('before')\nGO\n"
                                   "INSERT INTO no_such_table VALUES (1)\nGO\n"
                                   "INSERT INTO ledger(note) VALUES ('after')\nGO\n");
    EXPECT_FALSE(pane.RunScript(refused.c_str(), false));
    EXPECT_EQ(LedgerNotes(), (std::vector<std::string>{"first", "twice", "twice", "before"}));
    const std::vector<std::string> shown = program.boxes.ShownTexts();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].rfind("SQL Error: ", 0), 0u) << shown[0];
    EXPECT_NE(shown[0].find("no_such_table"), std::string::npos) << shown[0];
    EXPECT_NE(
        shown[0].find("\nPlease check the " + refused + " and run it manually in your database"),
        std::string::npos)
        << shown[0];
}

TEST_F(DatabasePanePgSuite, NewAndAlterDatabaseReportTheRefusedScript)
{
    AnswerChooser(true);
    program.Command(ID_SYNC_DB);
    DialogDriver user(View());
    program.dialogs.Answer(
        [](CDialog& dialog, DialogDriver& scope)
        {
            EXPECT_EQ(dialog.GetTemplateId(), AlterScriptSelDlg::IDD);
            scope.Click(AlterScriptSelDlg::IDC_PROJECT);
            scope.PressOk();
        });
    for (int button : {DatabasePane::IDC_NEW_DATABASE, DatabasePane::IDC_ALTER_DATABASE})
    {
        SCOPED_TRACE(button);
        const std::size_t before = program.boxes.Shown().size();
        ASSERT_TRUE(user.Click(button));
        const std::vector<std::string> shown = program.boxes.ShownTexts();
        ASSERT_EQ(shown.size(), before + 1);
        EXPECT_EQ(shown.back().rfind("SQL Error: ", 0), 0u) << shown.back();
        EXPECT_NE(shown.back().find(button == DatabasePane::IDC_NEW_DATABASE ? "_Script.sql"
                                                                             : "_AlterScript.sql"),
                  std::string::npos)
            << shown.back();
    }
}
// Once the pane has read the database, the classic Write All asks whether its SQL Server script
// is to be the alter script against it: Yes writes the alter script, No the create script.
TEST_F(DatabasePanePgSuite, ClassicWriteAllOffersTheAlterScriptOfTheDatabaseRead)
{
    AnswerChooser(true);
    program.Command(ID_SYNC_DB);
    ASSERT_TRUE(View().GetPane()->IsLoaded());
    // A new project's dashboard and dashboard page share their name, which the classic Write
    // All refuses as a duplicate.
    for (DashBoardPage* page : program.Project().GetBaseModule()->GetDashBoardPages())
        page->SetName(page->GetFormName() + "_Page");
    const std::filesystem::path scripts = program.folder.Path() / "Shop" / "scripts";
    for (const bool alter : {true, false})
    {
        SCOPED_TRACE(alter);
        std::filesystem::remove_all(scripts);
        std::vector<std::string> questions;
        for (int answer = 0; answer < 2; ++answer)
            program.dialogs.Answer(
                [&questions, alter, answer](CDialog& dialog, DialogDriver& user)
                {
                    EXPECT_EQ(dialog.GetTemplateId(), WarningDlg::IDD);
                    questions.push_back(user.GetText(WarningDlg::IDC_MESSAGE).str());
                    if (answer == 1 && alter)
                        user.PressOk();
                    else
                        user.PressCancel();
                });
        program.dialogs.Answer([](CDialog&, DialogDriver& user) { user.PressOk(); });
        program.Command(ID_CLASSIC_WRITE_ALL);
        EXPECT_EQ(questions,
                  (std::vector<std::string>{"Do you want to alter existing DataBase ?",
                                            "Do you want to create SQL file for Alter table?"}));
        EXPECT_EQ(program.dialogs.UnscriptedCount(), 0u);
        const std::filesystem::path written =
            scripts /
            (alter ? "KestraneWeavo_Shop_AlterScript.sql" : "KestraneWeavo_Shop_Script.sql");
        ASSERT_TRUE(std::filesystem::exists(written)) << written;
        EXPECT_FALSE(
            std::filesystem::exists(scripts / (alter ? "KestraneWeavo_Shop_Script.sql"
                                                     : "KestraneWeavo_Shop_AlterScript.sql")));
        EXPECT_NE(ReadHostFile(written).find("CREATE TABLE [dbo].[customer]"), std::string::npos);
    }
}
} // namespace
