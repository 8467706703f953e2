#include "editors/logic/DatabasePane.h"

#include "database/AlterScriptBuilder.h"
#include "database/ConstraintQueries.h"
#include "database/SQLTable.h"
#include "database/SqlScriptWriter.h"
#include "model/Field.h"
#include "model/ForgeonProject.h"
#include "model/GenerationReport.h"
#include "model/MainFrameAccess.h"
#include "model/Module.h"
#include "model/OutputRoot.h"
#include "model/ProjectFolders.h"
#include "model/Table.h"
#include "platform/core/CFile.h"
#include "platform/core/HostPath.h"
#include "platform/core/MessageBox.h"
#include "platform/core/StringTable.h"

#include <exception>
#include <optional>
#include <string>

namespace
{
constexpr const char* kNoDatabase = "Database not selected";
constexpr int kMaxErrorText = 1000;

constexpr int kEnabledWithDatabase[] = {
    DatabasePane::IDC_MODULES,       DatabasePane::IDC_ALTER_DATABASE,
    DatabasePane::IDC_COPY_FIELDS,   DatabasePane::IDC_SCRIPT_TABLE,
    DatabasePane::IDC_SCRIPT_MODULE, DatabasePane::IDC_SCRIPT_PROJECT,
};

bool IsBlank(const CString& text)
{
    CString trimmed = text;
    return trimmed.Trim().IsEmpty();
}

// The whole file as text, or false when it is no regular file or cannot be read.
bool ReadScript(const CString& path, CString& text)
{
    std::string reason;
    const std::optional<std::string> bytes = ReadRegularFile(ToHostPath(path.GetString()), reason);
    if (!bytes)
        return false;
    text += CString(*bytes);
    return true;
}

CString TableName(const Table* table)
{
    return table != nullptr ? table->GetTableName() : CString();
}

CString ListedFieldType(const Field& field)
{
    return field.GetTypeName() + (field.IsKey() ? " identity" : "");
}

ListRow MakeRow(std::vector<CString> cells, bool matches)
{
    ListRow row;
    row.cells = std::move(cells);
    row.textColour = matches ? 0x000000 : DatabasePane::kRed;
    return row;
}

struct Registration
{
    Registration()
    {
        RegisterStringResource(DatabasePane::IDS_DATABASE_MODIFIED,
                               "Database Modified. \nClick on LoadDatabase to refresh Database "
                               "information");
    }
};
} // namespace

std::vector<CString> SplitScriptBatches(const CString& script)
{
    std::vector<CString> batches;
    CString batch;
    int start = 0;
    while (start < script.GetLength())
    {
        int end = script.Find('\n', start);
        if (end < 0)
            end = script.GetLength();
        else
            ++end;
        const CString line = script.Mid(start, end - start);
        start = end;
        CString bare = line;
        if (bare.Trim() == "GO")
        {
            if (!IsBlank(batch))
                batches.push_back(batch);
            batch.Empty();
        }
        else
            batch += line;
    }
    return batches;
}

OdbcDatabaseConnection::OdbcDatabaseConnection() = default;
OdbcDatabaseConnection::~OdbcDatabaseConnection() = default;

DatabaseLoad OdbcDatabaseConnection::Load(DbSchema& schema, bool connectionOnly,
                                          const std::optional<CString>& lostReason)
{
    Close();
    m_tables = std::make_unique<SQLTable>();
    DatabaseLoad load = LoadDatabase(*m_tables, schema, connectionOnly, lostReason);
    if (load.loaded && m_tables->m_pDatabase != nullptr)
        m_constraints = std::make_unique<SysObjectsConstraints>(*m_tables->m_pDatabase);
    else
        Close();
    return load;
}

void OdbcDatabaseConnection::Close()
{
    m_constraints.reset();
    m_tables.reset();
}

bool OdbcDatabaseConnection::IsOpen() const
{
    return m_tables != nullptr && m_tables->m_pDatabase != nullptr &&
           m_tables->m_pDatabase->IsOpen();
}

bool OdbcDatabaseConnection::IsLost() const
{
    return IsOpen() && m_tables->m_pDatabase->IsConnectionDead();
}

void OdbcDatabaseConnection::Execute(const CString& sql)
{
    m_tables->m_pDatabase->ExecuteSQL(sql.GetString());
}

ConstraintQueries* OdbcDatabaseConnection::GetConstraints()
{
    return m_constraints.get();
}

DatabasePane::DatabasePane(ForgeonProject& project, DatabaseConnection& connection,
                           DatabasePaneHost& host)
    : m_project(project), m_connection(connection), m_host(host)
{
    static const Registration registration;
    ResetDatabase();
}

DatabasePane::~DatabasePane() = default;

const std::vector<ListColumn>& DatabasePane::GetTableColumns()
{
    static const std::vector<ListColumn> columns = {
        {"", 0}, {"KestraneWeavo Table Name", 31}, {"DB Table Name", 31}};
    return columns;
}

const std::vector<ListColumn>& DatabasePane::GetFieldColumns()
{
    static const std::vector<ListColumn> columns = {{"", 0},
                                                    {"KestraneWeavo Field Name", 16},
                                                    {"KestraneWeavo Field Type", 15},
                                                    {"DB Field Name", 16},
                                                    {"DB Field Type", 15}};
    return columns;
}

void DatabasePane::ResetDatabase()
{
    m_tableRows.clear();
    m_fieldRows.clear();
    m_rowTables.clear();
    m_rowDbTables.clear();
    m_selectedRow = -1;
    m_schema.reset();
    m_connection.Close();
    m_states.SetText(IDC_DATABASE_CAPTION, kNoDatabase);
    m_states.SetText(IDC_TABLE_CAPTION, "");
    m_states.SetItems(IDC_MODULES, {});
    UpdateControls();
}

bool DatabasePane::LoadDatabase(bool connectionOnly)
{
    if (m_connection.IsLost() && !m_lostReason)
        m_lostReason = CString();
    ResetDatabase();
    auto schema = std::make_unique<DbSchema>();
    const DatabaseLoad load = m_connection.Load(*schema, connectionOnly, m_lostReason);
    if (!load.loaded)
    {
        if (load.connectionFailed)
            ResetDatabase();
        return false;
    }
    m_lostReason.reset();
    m_schema = std::move(schema);
    if (!connectionOnly)
        m_states.SetText(IDC_DATABASE_CAPTION, load.catalogue);
    FillModules();
    FillTableList();
    UpdateControls();
    if (!load.skipped.empty())
        AfxMessageBox(SkippedNamesText(load.skipped), MB_ICONEXCLAMATION);
    return true;
}

void DatabasePane::UpdateControls()
{
    for (int id : kEnabledWithDatabase)
        m_states.Enable(id, IsLoaded());
    const bool rowNamesTable =
        m_selectedRow >= 0 &&
        !m_tableRows[static_cast<std::size_t>(m_selectedRow)].cells[0].IsEmpty();
    m_states.Enable(IDC_SCRIPT_TABLE, IsLoaded() && rowNamesTable);
}

void DatabasePane::FillModules()
{
    std::vector<CString> names;
    for (const Module* module : m_project.GetModules())
        names.push_back(module->GetName());
    m_states.SetItems(IDC_MODULES, std::move(names));
    m_moduleIndex = 0;
    m_states.Select(IDC_MODULES, m_project.GetModuleCount() > 0 ? 0 : -1);
}

Module* DatabasePane::SelectedModule() const
{
    return m_project.GetModuleAt(m_moduleIndex);
}

void DatabasePane::SelectModule(int index)
{
    m_moduleIndex = index;
    m_states.Select(IDC_MODULES, index);
    m_states.SetText(IDC_TABLE_CAPTION, "");
    m_fieldRows.clear();
    FillTableList();
    UpdateControls();
}

void DatabasePane::FillTableList()
{
    m_tableRows.clear();
    m_rowTables.clear();
    m_rowDbTables.clear();
    m_selectedRow = -1;
    if (!IsLoaded())
        return;
    std::vector<DbTable*> remaining;
    for (const auto& dbTable : m_schema->GetTables())
        remaining.push_back(dbTable.get());
    if (Module* module = SelectedModule())
        module->GetAllTables(m_rowTables);
    for (const Table* table : m_rowTables)
    {
        DbTable* found = nullptr;
        for (auto it = remaining.begin(); it != remaining.end(); ++it)
            if ((*it)->GetName().CompareNoCase(table->GetTableName()) == 0)
            {
                found = *it;
                remaining.erase(it);
                break;
            }
        m_rowDbTables.push_back(found);
    }
    m_rowDbTables.insert(m_rowDbTables.end(), remaining.begin(), remaining.end());
    m_rowTables.resize(m_rowDbTables.size(), nullptr);
    for (std::size_t index = 0; index < m_rowDbTables.size(); ++index)
    {
        const Table* table = m_rowTables[index];
        const DbTable* dbTable = m_rowDbTables[index];
        const bool matches = table != nullptr && dbTable != nullptr &&
                             AlterScriptBuilder::TableMatchesSchema(*table, *dbTable);
        const CString name = TableName(table);
        m_tableRows.push_back(
            MakeRow({name, name, dbTable != nullptr ? dbTable->GetName() : CString()}, matches));
        m_tableRows.back().data = static_cast<int>(index);
    }
}

void DatabasePane::SelectTable(int row)
{
    m_selectedRow = row >= 0 && row < static_cast<int>(m_tableRows.size()) ? row : -1;
    FillFieldList();
    UpdateControls();
}

Table* DatabasePane::SelectedTable() const
{
    return m_selectedRow >= 0 ? m_rowTables[static_cast<std::size_t>(m_selectedRow)] : nullptr;
}

void DatabasePane::FillFieldList()
{
    m_fieldRows.clear();
    if (m_selectedRow < 0)
        return;
    const Table* table = m_rowTables[static_cast<std::size_t>(m_selectedRow)];
    const DbTable* dbTable = m_rowDbTables[static_cast<std::size_t>(m_selectedRow)];
    m_states.SetText(IDC_TABLE_CAPTION,
                     table != nullptr ? table->GetTableName() : dbTable->GetName());
    std::vector<const DbColumn*> columns;
    if (dbTable != nullptr)
        for (const auto& column : dbTable->GetColumns())
            columns.push_back(column.get());
    if (table != nullptr)
        for (const Field* field : table->GetFields())
        {
            const DbColumn* column = nullptr;
            for (auto it = columns.begin(); it != columns.end(); ++it)
                if ((*it)->GetName().CompareNoCase(field->GetFieldName()) == 0)
                {
                    column = *it;
                    columns.erase(it);
                    break;
                }
            m_fieldRows.push_back(MakeRow(
                {"", field->GetFieldName(), ListedFieldType(*field),
                 column != nullptr ? column->GetName() : CString(),
                 column != nullptr ? column->GetTypeName() : CString()},
                column != nullptr && AlterScriptBuilder::FieldMatchesColumn(*field, *column)));
        }
    for (const DbColumn* column : columns)
        m_fieldRows.push_back(
            MakeRow({"", "", "", column->GetName(), column->GetTypeName()}, false));
}

void DatabasePane::CopyFields()
{
    Table* table = SelectedTable();
    const DbTable* dbTable =
        m_selectedRow >= 0 ? m_rowDbTables[static_cast<std::size_t>(m_selectedRow)] : nullptr;
    if (table == nullptr || dbTable == nullptr)
        return;
    for (const auto& column : dbTable->GetColumns())
    {
        if (table->FindFieldByName(column->GetName()) != nullptr)
            continue;
        auto* field = new Field();
        field->SetFieldName(column->GetName());
        const int code = column->GetTypeCode();
        field->SetType(code >= 0 ? code : FieldTypeInt);
        field->EnsureDisplayName();
        table->AddField(field);
        field->SetTable(table);
    }
    const int row = m_selectedRow;
    FillTableList();
    SelectTable(row);
}

bool DatabasePane::RunScript(const CString& path, bool connectionOnly)
{
    CString script;
    if (!ReadScript(path, script))
        return false;
    if (!m_connection.IsOpen() && !LoadDatabase(connectionOnly))
        return false;
    try
    {
        for (const CString& batch : SplitScriptBatches(script))
            m_connection.Execute(batch);
    }
    catch (const CDBException& failure)
    {
        if (m_connection.IsLost())
        {
            // The next run or load connects anew, and names the loss until one connects.
            ResetDatabase();
            m_lostReason = failure.m_strError.Left(kMaxErrorText);
            AfxMessageBox(LostConnectionText(*m_lostReason));
            return false;
        }
        CString message = "SQL Error: " + failure.m_strError.Left(kMaxErrorText) + "\n";
        CString advice;
        advice.Format("Please check the %s and run it manually in your database",
                      ToHostPath(path).c_str());
        AfxMessageBox((message + advice).GetString());
        return false;
    }
    catch (const std::exception&)
    {
        return false;
    }
    return true;
}

bool DatabasePane::ReportUnwritten(const CString& failure) const
{
    if (failure.IsEmpty())
        return false;
    AfxMessageBox(failure.GetString());
    return true;
}

void DatabasePane::OnNewDatabase()
{
    GenerationReport report;
    GuardProjectFolder(report, m_project);
    {
        SqlScriptWriter writer(m_project, nullptr, report);
        writer.WriteDatabaseScript();
    }
    if (!report.IsEmpty())
    {
        ReportUnwritten(report.GetText());
        return;
    }
    m_host.BeginWait();
    if (RunScript(m_project.GetScriptFilePath(), true))
        AfxMessageBox(report.ClosingText("Database created successfully."));
    m_host.EndWait();
}

bool DatabasePane::WriteAlterScript(AlterScriptScope::Scope scope)
{
    AlterScriptBuilder builder(m_project, m_schema.get(), m_connection.GetConstraints());
    CString failure;
    bool written = false;
    CString of = "the project";
    if (scope == AlterScriptScope::Scope::Module)
    {
        if (const Module* module = SelectedModule())
        {
            written = builder.WriteModuleAlterScript(*module, failure);
            of = "module " + module->GetName();
        }
    }
    else if (scope == AlterScriptScope::Scope::Project)
        written = builder.WriteProjectAlterScript(failure);
    else if (const Table* table = SelectedTable())
    {
        written = builder.WriteTableAlterScript(*table, failure);
        of = "table " + table->GetTableName();
    }
    ReportUnwritten(failure);
    if (written)
    {
        CString status;
        status.Format("The alter script of %s was written to %s (tables created, changed or "
                      "dropped: %d)",
                      of.GetString(), NormalHostPath(m_project.GetAlterScriptFilePath()).c_str(),
                      builder.GetChangedTableCount());
        MainFrameAccess::SetStatusText(status);
    }
    return written;
}

void DatabasePane::OnAlterDatabase()
{
    AlterScriptScope scope(SelectedTable() != nullptr);
    if (!m_host.ChooseAlterScope(scope))
        return;
    const AlterScriptScope::Scope chosen = scope.m_module    ? AlterScriptScope::Scope::Module
                                           : scope.m_project ? AlterScriptScope::Scope::Project
                                                             : AlterScriptScope::Scope::Table;
    if (!scope.m_module && !scope.m_project && !scope.m_table)
        return;
    if (!WriteAlterScript(chosen))
        return;
    m_host.BeginWait();
    if (RunScript(m_project.GetAlterScriptFilePath(), false))
        AfxMessageBox(LoadStringResource(IDS_DATABASE_MODIFIED).GetString());
    m_host.EndWait();
}
