#include "database/SchemaLoader.h"

#include "database/DbSchema.h"
#include "database/SQLColumn.h"
#include "database/SQLTable.h"
#include "database/SqlText.h"
#include "model/NameUtilities.h"
#include "model/ProjectNameCheck.h"
#include "platform/core/MessageBox.h"

#include <memory>
#include <vector>

namespace
{
// The text as whole lines: a last line without its "\n" gets one.
CString AsLines(const CString& text)
{
    return text.IsEmpty() || text.Right(1) == "\n" ? text : text + "\n";
}

// True when the catalogue's name is taken; else it is listed in skipped, as what of where, with
// the reason.
bool TakeName(const CString& name, const char* what, const CString& where,
              std::vector<CString>& skipped)
{
    const CString refusal = RefuseReadFieldName(name);
    if (refusal.IsEmpty())
        return true;
    skipped.push_back(CString(what) + " " + QuotedName(name) + where + ": " + refusal);
    return false;
}

CString OfTable(const DbTable& table)
{
    return " of table " + QuotedName(table.GetName());
}

void ReadColumns(const SQLTable& tables, DbTable& table, std::vector<CString>& skipped)
{
    SQLColumn columns(tables.m_pDatabase);
    columns.m_strQualifierParam = tables.m_table_qualifier;
    columns.m_strOwnerParam = tables.m_table_owner;
    columns.m_strTableNameParam = tables.m_table_name;
    columns.Open(CRecordset::forwardOnly, nullptr, CRecordset::readOnly);
    for (; !columns.IsEOF(); columns.MoveNext())
        if (TakeName(columns.m_column_name, "column", OfTable(table), skipped))
            table.AddColumn(columns.m_column_name, columns.m_type_name,
                            static_cast<int>(columns.m_length), columns.m_nullable != 0);
    columns.Close();
}

void ReadTriggers(const SQLTable& tables, DbTable& table, std::vector<CString>& skipped)
{
    const CString sql = "SELECT name FROM sysobjects WHERE type = 'TR' and ((select id from "
                        "sysobjects WHERE name = '" +
                        QuotedSqlText(tables.m_table_name) + "') =  parent_obj)";
    for (const auto& row : QueryTextRows(*tables.m_pDatabase, sql, 1))
        if (row[0] && TakeName(*row[0], "trigger", OfTable(table), skipped))
            table.AddTrigger(*row[0]);
}

void LoadTables(SQLTable& tables, DbSchema& schema, std::vector<CString>& skipped)
{
    for (tables.MoveFirst(); !tables.IsEOF(); tables.MoveNext())
    {
        // Names keep their case: "Mixed_CASE" and "mixed_case" are two tables.
        const CString name = tables.m_table_name;
        if (name.CompareNoCase("dtproperties") == 0 || !TakeName(name, "table", "", skipped))
            continue;
        auto table = std::make_unique<DbTable>(name);
        ReadColumns(tables, *table, skipped);
        ReadTriggers(tables, *table, skipped);
        schema.AddTable(std::move(table));
    }
    tables.MoveFirst();
}
} // namespace

CString LostConnectionText(const CString& reason)
{
    return "The connection to the database was lost.\n" + AsLines(reason) +
           "Click \"Load Database...\" and choose the data source to connect again.";
}

const char* NoDataSourceReason()
{
    return "No data source was chosen, so no connection was made.\n";
}

CString SkippedNamesText(const std::vector<CString>& skipped)
{
    if (skipped.empty())
        return "";
    CString text = "These names of the database were skipped and are not in the lists: no name "
                   "of the project may hold a control character, a line break, a path separator "
                   "or a quoting character.\n";
    for (const CString& each : skipped)
        text += each + "\n";
    return text;
}

DatabaseLoad LoadDatabase(SQLTable& tables, DbSchema& schema, bool connectionOnly,
                          const std::optional<CString>& lostReason)
{
    DatabaseLoad load;
    tables.m_strTypeParam = "'TABLE'";
    bool chosen = true;
    try
    {
        chosen = tables.Open() != FALSE;
        if (!chosen)
            throw CDBException(AFX_SQL_ERROR_CONNECT_FAIL);
        tables.MoveLast();
        tables.MoveFirst();
        if (!connectionOnly)
            LoadTables(tables, schema, load.skipped);
        load.catalogue = tables.m_table_qualifier;
        load.loaded = true;
    }
    catch (const CDBException& failure)
    {
        schema.Clear();
        load.skipped.clear();
        const bool lost = lostReason.has_value() ||
                          (tables.m_pDatabase != nullptr && tables.m_pDatabase->IsConnectionDead());
        const CString reason = chosen ? failure.m_strError : CString(NoDataSourceReason());
        CString text = reason;
        if (lost)
            text = LostConnectionText(AsLines(lostReason.value_or("")) + reason);
        else if (!chosen)
            text += "Click \"Load Database...\" and choose the data source to connect.";
        AfxMessageBox(text, MB_ICONEXCLAMATION);
        load.connectionFailed = failure.m_nRetCode == AFX_SQL_ERROR_CONNECT_FAIL;
    }
    return load;
}
