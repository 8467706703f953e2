#pragma once

#include "database/DbSchema.h"
#include "database/SchemaLoader.h"
#include "editors/logic/AlterScriptScope.h"
#include "editors/logic/ControlStates.h"
#include "platform/core/CString.h"

#include <memory>
#include <optional>
#include <vector>

class ConstraintQueries;
class ForgeonProject;
class Module;
class SQLTable;
class Table;

// The connection the pane loads its database through and runs scripts on.
class DatabaseConnection
{
public:
    virtual ~DatabaseConnection() = default;

    // Drops the connection made before, connects anew and, unless only the connection is asked
    // for, fills the schema. Reports its own failures, saying so, with the driver's reason of the
    // loss, when they follow a connection that was lost.
    virtual DatabaseLoad Load(DbSchema& schema, bool connectionOnly,
                              const std::optional<CString>& lostReason) = 0;
    virtual void Close() = 0;
    virtual bool IsOpen() const = 0;
    // Open, but the server is gone from it.
    virtual bool IsLost() const = 0;
    // Runs one batch; a failure raises CDBException.
    virtual void Execute(const CString& sql) = 0;
    // The constraint queries of the open connection; null without one.
    virtual ConstraintQueries* GetConstraints() = 0;
};

// The connection through the catalogue recordset: it asks for a data source when it connects.
class OdbcDatabaseConnection : public DatabaseConnection
{
public:
    OdbcDatabaseConnection();
    ~OdbcDatabaseConnection() override;

    DatabaseLoad Load(DbSchema& schema, bool connectionOnly,
                      const std::optional<CString>& lostReason) override;
    void Close() override;
    bool IsOpen() const override;
    bool IsLost() const override;
    void Execute(const CString& sql) override;
    ConstraintQueries* GetConstraints() override;
    // The catalogue recordset of the last load; null without one.
    SQLTable* GetTables() const { return m_tables.get(); }

private:
    std::unique_ptr<SQLTable> m_tables;
    std::unique_ptr<ConstraintQueries> m_constraints;
};

// What the pane asks of the window around it.
class DatabasePaneHost
{
public:
    virtual ~DatabasePaneHost() = default;

    // "Generate Alter script for": false on Cancel.
    virtual bool ChooseAlterScope(AlterScriptScope& scope) = 0;
    virtual void BeginWait() = 0;
    virtual void EndWait() = 0;
};

// The batches of a script: the text before each line that holds only "GO" (blanks around it
// allowed), in order; a batch of blanks only is left out, and so is the text after the last
// "GO" line.
std::vector<CString> SplitScriptBatches(const CString& script);

// The database pane: loads a database, shows the tables of a module beside the database's and
// the fields of a table beside its columns, red where they differ, copies missing columns into
// the project and writes and runs the create and alter scripts.
class DatabasePane
{
public:
    static constexpr int IDD = 183;
    static constexpr int IDC_LOAD_DATABASE = 1277;
    static constexpr int IDC_DATABASE_CAPTION = 1278;
    static constexpr int IDC_MODULES = 1015;
    static constexpr int IDC_NEW_DATABASE = 1663;
    static constexpr int IDC_ALTER_DATABASE = 1664;
    static constexpr int IDC_SCRIPT_TABLE = 1633;
    static constexpr int IDC_SCRIPT_MODULE = 1632;
    static constexpr int IDC_SCRIPT_PROJECT = 1646;
    static constexpr int IDC_COPY_FIELDS = 1525;
    static constexpr int IDC_TABLE_CAPTION = 1275;
    static constexpr int IDC_TABLE_LIST = 1515;
    static constexpr int IDC_FIELD_LIST = 1516;
    static constexpr int IDC_OK = 1;
    static constexpr int IDC_HELP_BUTTON = 1528;
    static constexpr int IDC_TITLE = 1818;
    static constexpr UINT IDS_DATABASE_MODIFIED = 61930;
    static constexpr DWORD kRed = 0x0000FF;

    DatabasePane(ForgeonProject& project, DatabaseConnection& connection, DatabasePaneHost& host);
    ~DatabasePane();

    // Resets the pane, then connects and, unless only the connection is asked for, reads the
    // database; the names the load skipped are named in a message. True when it was loaded.
    bool LoadDatabase(bool connectionOnly);
    // Lists emptied, schema and connection dropped, no database.
    void ResetDatabase();
    void SelectModule(int index);
    // -1 clears the selection.
    void SelectTable(int row);
    void CopyFields();
    // Runs the script's batches on the database, connecting first when none is open. True when
    // the file was read and every batch ran.
    bool RunScript(const CString& path, bool connectionOnly);
    void OnNewDatabase();
    void OnAlterDatabase();
    // The alter script alone, for the selected table, the selected module or the project.
    void OnTableAlterScript() { WriteAlterScript(AlterScriptScope::Scope::Table); }
    void OnModuleAlterScript() { WriteAlterScript(AlterScriptScope::Scope::Module); }
    void OnProjectAlterScript() { WriteAlterScript(AlterScriptScope::Scope::Project); }

    bool IsLoaded() const { return m_schema != nullptr; }
    const DbSchema* GetSchema() const { return m_schema.get(); }
    bool AreListsShown() const { return IsLoaded(); }
    const ControlStates& GetStates() const { return m_states; }
    static const std::vector<ListColumn>& GetTableColumns();
    static const std::vector<ListColumn>& GetFieldColumns();
    const std::vector<ListRow>& GetTableRows() const { return m_tableRows; }
    const std::vector<ListRow>& GetFieldRows() const { return m_fieldRows; }
    int GetSelectedTableRow() const { return m_selectedRow; }

private:
    void UpdateControls();
    void FillModules();
    void FillTableList();
    void FillFieldList();
    Module* SelectedModule() const;
    Table* SelectedTable() const;
    // Writes the alter script of the scope; false, with the reason shown, when it was not
    // written.
    bool WriteAlterScript(AlterScriptScope::Scope scope);
    bool ReportUnwritten(const CString& failure) const;

    ForgeonProject& m_project;
    DatabaseConnection& m_connection;
    DatabasePaneHost& m_host;
    std::unique_ptr<DbSchema> m_schema;
    // Set when the connection was found lost, to the driver's reason (empty when it gave none);
    // cleared when a load connects again.
    std::optional<CString> m_lostReason;
    int m_moduleIndex = 0;
    int m_selectedRow = -1;
    std::vector<Table*> m_rowTables;
    std::vector<DbTable*> m_rowDbTables;
    std::vector<ListRow> m_tableRows;
    std::vector<ListRow> m_fieldRows;
    ControlStates m_states;
};
