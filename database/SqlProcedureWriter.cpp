#include "database/SqlProcedureWriter.h"

#include "database/SqlText.h"
#include "entities/Form.h"
#include "entities/FormInterface.h"
#include "entities/MapForm.h"
#include "entities/Procedure.h"
#include "entities/Transaction.h"
#include "entities/Variable.h"
#include "model/Field.h"
#include "model/FieldFilter.h"
#include "model/ForgeonProject.h"
#include "model/GenerationReport.h"
#include "model/Identifiers.h"
#include "model/Module.h"
#include "model/Relation.h"
#include "model/Table.h"

#include <algorithm>
#include <cctype>
#include <string>
#include <string_view>

namespace
{
CString ProcedureName(const Procedure& procedure)
{
    return SqlProcedureName(procedure.GetName());
}

CString NameOf(const Field* field)
{
    return field != nullptr ? field->GetFieldName() : CString();
}

CString NameOf(const Variable* variable)
{
    return variable != nullptr ? variable->GetFieldName() : CString();
}

CString NameOf(const Table* table)
{
    return table != nullptr ? table->GetTableName() : CString();
}

CString KeyName(const Table& table)
{
    return NameOf(table.GetPrimaryKeyField());
}

// The variable of the field's parameter; null when the procedure has none.
const Variable* ParameterVariable(const Procedure& procedure, Field* field)
{
    FieldVariableMap map;
    if (field == nullptr || !procedure.FindFieldParameterByField(field, map))
        return nullptr;
    return map.variable;
}

bool HasParameterFor(const Procedure& procedure, Field* field)
{
    FieldVariableMap map;
    return field != nullptr && procedure.FindFieldParameterByField(field, map);
}

// A master-detail table named with "_basic".
bool IsBasicTable(const Table& table)
{
    return table.GetTableName().Find("_basic") >= 0;
}

// A master-detail table named with "_detail" after its first character.
bool IsDetailTable(const Table& table)
{
    return table.GetTableName().Find("_detail") > 0;
}

bool IsBlank(char c)
{
    return std::isspace(static_cast<unsigned char>(c)) != 0;
}

// The last line of the text that holds more than blanks, without its blanks at the end.
std::string_view LastLine(std::string_view text)
{
    while (!text.empty() && IsBlank(text.back()))
        text.remove_suffix(1);
    const std::size_t end = text.find_last_of("\r\n");
    return end == std::string_view::npos ? text : text.substr(end + 1);
}

// The line is the batch separator "GO", in any case, blanks before it.
bool IsGoLine(std::string_view line)
{
    while (!line.empty() && IsBlank(line.front()))
        line.remove_prefix(1);
    return line.size() == 2 && (line[0] == 'G' || line[0] == 'g') &&
           (line[1] == 'O' || line[1] == 'o');
}

// The text creates or alters the procedure itself: "CREATE" or "ALTER" and then "PROC", in any
// case, blanks between them.
bool MakesProcedure(std::string_view text)
{
    const auto startsWith = [](std::string_view rest, std::string_view word)
    {
        return rest.size() >= word.size() &&
               std::equal(word.begin(), word.end(), rest.begin(),
                          [](char w, char c) { return CString::FoldNoCase(c) == w; });
    };
    for (std::size_t at = 0; at < text.size(); ++at)
    {
        std::string_view rest = text.substr(at);
        const std::size_t verb =
            startsWith(rest, "create") ? 6 : (startsWith(rest, "alter") ? 5 : 0);
        if (verb == 0 || rest.size() == verb || !IsBlank(rest[verb]))
            continue;
        rest.remove_prefix(verb);
        while (!rest.empty() && IsBlank(rest.front()))
            rest.remove_prefix(1);
        if (startsWith(rest, "proc"))
            return true;
    }
    return false;
}

// Character types carry their length (a parameter without one is one character long); text
// types take none.
CString ParameterType(const Field& field)
{
    CString type = field.GetTypeName();
    const int code = field.GetTypeCode();
    if (code == FieldTypeChar || code == FieldTypeVarchar || code == FieldTypeNChar ||
        code == FieldTypeNVarchar)
    {
        CString size;
        size.Format("(%d)", field.GetSize());
        type += size;
    }
    return type;
}
} // namespace

SqlProcedureWriter::SqlProcedureWriter(const ForgeonProject& project) : m_project(project) {}

SqlProcedureWriter::~SqlProcedureWriter()
{
    m_procedureFile.Close();
}

CString SqlProcedureWriter::GetProcedureText() const
{
    return m_procedureFile.GetBuffer();
}

void SqlProcedureWriter::WriteTableProcedureFile(const Module& module, const Table& table,
                                                 GenerationReport& report)
{
    const CString path = TableProcedureFilePath(table);
    if (!report.OpenFile(m_procedureFile, path))
        return;
    for (const Procedure* procedure : module.GetProcedures())
        if (procedure->GetMainTable() == &table && procedure->GetWriteFlag())
            WriteProcedure(*procedure);
    m_procedureFile.Close();
    report.RecordFile(path, m_procedureFile);
}

CString SqlProcedureWriter::TableProcedureFolder() const
{
    return m_project.GetProjectPath() + "Scripts\\";
}

CString SqlProcedureWriter::TableProcedureFilePath(const Table& table) const
{
    return TableProcedureFolder() + table.GetTableName() + "_procedureCreate.sql";
}

void SqlProcedureWriter::WriteProcedure(const Procedure& procedure)
{
    const CString& text = procedure.GetProcedureText();
    if (!procedure.GetTextFlag() || text.IsEmpty())
    {
        WriteGeneratedProcedure(procedure);
        return;
    }
    // A hand-written body, a SELECT, stands in the generated frame.
    if (!MakesProcedure(text.str()))
        m_procedureFile.Write(0, "%s", GeneratedFrame(procedure));
    m_procedureFile.Write(0, "%s", text);
    if (!text.str().ends_with('\n'))
        m_procedureFile.Write(0, "\r\n");
    // Each procedure stays a batch of its own in the file it shares with others.
    if (!IsGoLine(LastLine(text.str())))
        m_procedureFile.Write(0, "GO\r\n");
}

CString SqlProcedureWriter::GeneratedFrame(const Procedure& procedure) const
{
    SqlProcedureWriter generated(m_project);
    generated.WriteGeneratedProcedure(procedure);
    const std::string text = generated.GetProcedureText().str();
    const std::string_view bodyStart = "\r\nAS\r\n";
    const std::size_t at = text.find(bodyStart);
    if (at != std::string::npos)
        return CString(text.substr(0, at + bodyStart.size()));
    // A procedure the model writes no text for: its name alone.
    generated.m_procedureFile.ClearBuffer();
    generated.WriteHead(procedure);
    generated.m_procedureFile.Write(0, "AS\r\n");
    return generated.GetProcedureText();
}

void SqlProcedureWriter::WriteGeneratedProcedure(const Procedure& procedure)
{
    const Table* table = procedure.GetMainTable();
    if (procedure.IsInsertProcedure())
    {
        if (table != nullptr)
            WriteInsertFamily(procedure, *table);
    }
    else if (procedure.IsUpdateProcedure())
    {
        if (table != nullptr)
            WriteUpdateFamily(procedure, *table);
    }
    else if (procedure.IsDeleteProcedure())
    {
        if (table != nullptr)
            WriteDeleteFamily(procedure, *table);
    }
    else
    {
        WriteSelect(procedure);
    }
}

void SqlProcedureWriter::WriteInsertFamily(const Procedure& procedure, const Table& table)
{
    switch (table.GetKind())
    {
    case Table::masterKind:
        WritePlainInsert(procedure, table);
        break;
    case Table::mapKind:
        if (const Table* master = BottomMasterTable(table))
            WriteMapInsert(procedure, table, *master);
        else if (m_project.FindMapFormByTable(&table) != nullptr)
            WritePlainInsert(procedure, table);
        break;
    case Table::masterDetailKind:
        if (IsBasicTable(table))
            WriteBasicInsert(procedure, table);
        else if (IsDetailTable(table))
            WritePlainInsert(procedure, table);
        break;
    default:
        break;
    }
}

void SqlProcedureWriter::WriteUpdateFamily(const Procedure& procedure, const Table& table)
{
    switch (table.GetKind())
    {
    case Table::masterKind:
    case Table::masterDetailKind:
        WritePlainUpdate(procedure, table);
        break;
    case Table::mapKind:
        if (const Table* master = BottomMasterTable(table))
            WriteMapUpdate(procedure, table, *master);
        break;
    default:
        break;
    }
}

void SqlProcedureWriter::WriteDeleteFamily(const Procedure& procedure, const Table& table)
{
    switch (table.GetKind())
    {
    case Table::masterKind:
    case Table::mapKind:
        WritePlainDelete(procedure, table);
        break;
    case Table::masterDetailKind:
        if (IsBasicTable(table))
            WriteBasicDelete(procedure, table);
        else if (IsDetailTable(table))
            WritePlainDelete(procedure, table);
        break;
    default:
        break;
    }
}

void SqlProcedureWriter::WritePlainInsert(const Procedure& procedure, const Table& table)
{
    WriteHead(procedure);
    WriteParameterBlocks({ParametersOf(procedure, table, false)});
    WriteTransactionStart();
    WriteInsertStatement(procedure, table);
    m_procedureFile.Write(0, "\n");
    WriteInfoResult();
}

// The new key of the master row is returned as text.
void SqlProcedureWriter::WriteBasicInsert(const Procedure& procedure, const Table& table)
{
    const CString key = KeyName(table);
    WriteHead(procedure);
    WriteParameterBlocks({ParametersOf(procedure, table, false)});
    WriteTransactionStart();
    WriteInsertStatement(procedure, table);
    m_procedureFile.Write(0, "DECLARE %s    \tvarchar(100)\r\n", SqlServerVariable(key));
    m_procedureFile.Write(0, "SET %s = @@IDENTITY\r\n", SqlServerVariable(key));
    m_procedureFile.Write(0, "\n");
    m_procedureFile.Write(0, "SET @sInfo = ''\r\n");
    m_procedureFile.Write(0, "SELECT %s AS %s, @sInfo AS sInfo\r\n", SqlServerVariable(key),
                          SqlServerName(key));
    m_procedureFile.Write(0, "\r\ncommit transaction\r\n");
    m_procedureFile.Write(0, "GO\r\n");
}

// The master row first; its new key goes into the mapping row.
void SqlProcedureWriter::WriteMapInsert(const Procedure& procedure, const Table& table,
                                        const Table& master)
{
    const CString masterKey = KeyName(master);
    WriteHead(procedure);
    WriteParameterBlocks(
        {ParametersOf(procedure, table, false), ParametersOf(procedure, master, false)});
    WriteTransactionStart();
    WriteInsertStatement(procedure, master);
    m_procedureFile.Write(0, "DECLARE %s \tint\r\n", SqlServerVariable(masterKey));
    m_procedureFile.Write(0, "SET %s = @@IDENTITY\r\n", SqlServerVariable(masterKey));
    WriteInsertStatement(procedure, table);
    m_procedureFile.Write(0, "\n");
    WriteInfoResult();
}

void SqlProcedureWriter::WritePlainUpdate(const Procedure& procedure, const Table& table)
{
    WriteHead(procedure);
    WriteParameterBlocks({ParametersOf(procedure, table, true)});
    WriteTransactionStart();
    WriteUpdateStatement(procedure, table);
    m_procedureFile.Write(0, "\n");
    WriteInfoResult();
}

// The master row is found through the mapping row's key.
void SqlProcedureWriter::WriteMapUpdate(const Procedure& procedure, const Table& table,
                                        const Table& master)
{
    const CString main = SqlServerName(table.GetTableName());
    const CString masterName = SqlServerName(master.GetTableName());
    const CString masterKey = KeyName(master);
    const CString quotedMasterKey = SqlServerName(masterKey);
    const MapForm* mapForm = m_project.FindMapFormByTable(&table);
    const CString bottomField = NameOf(mapForm->GetBottomFieldAt(0));
    const CString keyVariable = NameOf(ParameterVariable(procedure, table.GetPrimaryKeyField()));
    WriteHead(procedure);
    WriteParameterBlocks(
        {ParametersOf(procedure, table, true), ParametersOf(procedure, master, true)});
    WriteTransactionStart();
    m_procedureFile.Write(0, "DECLARE %s\t    int\r\n", SqlServerVariable(masterKey));
    m_procedureFile.Write(0,
                          "SET %s = (SELECT %s.%s FROM %s INNER JOIN %s ON %s.%s = dbo.%s.%s "
                          "WHERE %s.Is_Deleted = 'N' AND %s.%s = %s)\r\n",
                          SqlServerVariable(masterKey), masterName, quotedMasterKey, main,
                          masterName, main, quotedMasterKey, masterName, SqlServerName(bottomField),
                          main, main, SqlServerName(KeyName(table)),
                          SqlServerVariable(keyVariable));
    WriteUpdateStatement(procedure, master);
    m_procedureFile.Write(0, "\n");
    m_procedureFile.Write(0, "WHERE %s.%s=%s \n", masterName, quotedMasterKey,
                          SqlServerVariable(masterKey));
    WriteInfoResult();
}

void SqlProcedureWriter::WritePlainDelete(const Procedure& procedure, const Table& table)
{
    WriteDeleteHead(procedure, table);
    WriteDeleteEnd();
}

// The rows of the transaction's detail tables go with the master row; a detail table without
// a link field to it is left out.
void SqlProcedureWriter::WriteBasicDelete(const Procedure& procedure, const Table& table)
{
    WriteDeleteHead(procedure, table);
    const CString keyVariable = NameOf(ParameterVariable(procedure, table.GetPrimaryKeyField()));
    CString middle;
    procedure.GetNameMiddlePart(middle);
    if (const Transaction* transaction =
            m_project.FindTransactionByTableOrName(procedure.GetMainTable(), middle))
    {
        for (Table* detail : transaction->GetDetailTables())
            if (const Field* link = transaction->FindLinkField(detail))
                WriteSoftDelete(*detail, link->GetFieldName(), keyVariable);
    }
    WriteDeleteEnd();
}

void SqlProcedureWriter::WriteSelect(const Procedure& procedure)
{
    const Table* table = procedure.GetMainTable();
    WriteHead(procedure);
    WriteParameterBlocks(
        {table != nullptr ? ParametersOf(procedure, *table, true) : std::vector<Parameter>()});
    m_procedureFile.Write(0, "AS\r\n");
    WriteSelectList(procedure, table);
    if (table != nullptr)
        m_procedureFile.Write(0, "FROM %s\r\n", SqlServerName(table->GetTableName()));
    WriteJoins(procedure);
    m_procedureFile.Write(0, "WHERE ");
    if (table != nullptr)
    {
        WriteWhereClause(procedure, *table);
        m_procedureFile.Write(0, "\r\n");
    }
    m_procedureFile.Write(0, "GO\r\n\n");
}

void SqlProcedureWriter::WriteHead(const Procedure& procedure)
{
    const CString name = ProcedureName(procedure);
    m_procedureFile.Write(0, "\n/****** %s ******/\r\n", SqlCommentName(name));
    m_procedureFile.Write(0, "CREATE PROCEDURE %s\r\n", SqlServerName(name));
}

// One list over all blocks: every parameter but the procedure's last is followed by a comma.
void SqlProcedureWriter::WriteParameterBlocks(const std::vector<std::vector<Parameter>>& blocks)
{
    std::size_t remaining = 0;
    for (const std::vector<Parameter>& block : blocks)
        remaining += block.size();
    for (const std::vector<Parameter>& block : blocks)
    {
        for (const Parameter& parameter : block)
        {
            m_procedureFile.Write(1, "%s %s", SqlServerVariable(NameOf(parameter.variable)),
                                  ParameterType(*parameter.field));
            if (--remaining > 0)
                m_procedureFile.Write(0, ",\r\n");
        }
        m_procedureFile.Write(0, "\r\n");
    }
}

void SqlProcedureWriter::WriteTransactionStart()
{
    m_procedureFile.Write(0, "AS\r\nSET NOCOUNT ON\r\nbegin transaction\r\n");
    m_procedureFile.Write(0, "DECLARE @sInfo\t\tvarchar(100)\r\n");
}

// A mapping table of a map form with a bottom master form also takes the master's new key,
// once, after its parameter columns.
void SqlProcedureWriter::WriteInsertStatement(const Procedure& procedure, const Table& table)
{
    const Table* master = BottomMasterTable(table);
    std::vector<CString> values;
    m_procedureFile.Write(1, "INSERT INTO %s\r\n", SqlServerName(table.GetTableName()));
    m_procedureFile.Write(2, "(\r\n");
    for (const Parameter& parameter : ParametersOf(procedure, table, false))
    {
        if (!values.empty())
            m_procedureFile.Write(0, ",\r\n");
        m_procedureFile.Write(2, "%s", SqlServerName(parameter.field->GetFieldName()));
        values.push_back(NameOf(parameter.variable));
    }
    if (master != nullptr)
    {
        if (!values.empty())
            m_procedureFile.Write(0, ", \n");
        m_procedureFile.Write(2, "%s", SqlServerName(KeyName(*master)));
        values.push_back(KeyName(*master));
    }
    m_procedureFile.Write(0, "\r\n");
    m_procedureFile.Write(2, ")\r\n");
    m_procedureFile.Write(1, "VALUES\r\n");
    m_procedureFile.Write(2, "(\r\n");
    for (std::size_t i = 0; i < values.size(); ++i)
    {
        if (i > 0)
            m_procedureFile.Write(0, ",\r\n");
        m_procedureFile.Write(2, "%s", SqlServerVariable(values[i]));
    }
    m_procedureFile.Write(0, "\r\n");
    m_procedureFile.Write(2, ")\r\n");
}

void SqlProcedureWriter::WriteUpdateStatement(const Procedure& procedure, const Table& table)
{
    m_procedureFile.Write(1, "UPDATE %s SET\r\n", SqlServerName(table.GetTableName()));
    bool first = true;
    for (const Parameter& parameter : ParametersOf(procedure, table, false))
    {
        if (!first)
            m_procedureFile.Write(0, ",\r\n");
        m_procedureFile.Write(3, "%s = %s", SqlServerName(parameter.field->GetFieldName()),
                              SqlServerVariable(NameOf(parameter.variable)));
        first = false;
    }
    m_procedureFile.Write(0, "\n");
    Field* key = table.GetPrimaryKeyField();
    if (HasParameterFor(procedure, key))
    {
        m_procedureFile.Write(0, "\r\n");
        m_procedureFile.Write(2, "WHERE %s = %s ", SqlServerName(key->GetFieldName()),
                              SqlServerVariable(NameOf(ParameterVariable(procedure, key))));
    }
}

void SqlProcedureWriter::WriteInfoResult()
{
    m_procedureFile.Write(0, "SET @sInfo = ''\r\n");
    m_procedureFile.Write(0, "SELECT @sInfo AS sInfo\r\n");
    m_procedureFile.Write(0, "\r\ncommit transaction\r\n");
    m_procedureFile.Write(0, "GO\r\n");
}

void SqlProcedureWriter::WriteDeleteHead(const Procedure& procedure, const Table& table)
{
    const CString keyVariable = NameOf(ParameterVariable(procedure, table.GetPrimaryKeyField()));
    WriteHead(procedure);
    m_procedureFile.Write(1, "%s\t\tint\r\n", SqlServerVariable(keyVariable));
    m_procedureFile.Write(
        0, "AS\r\nSET NOCOUNT ON\r\nbegin transaction\r\nDECLARE @sInfo\t\tvarchar(100)\r\n");
    WriteSoftDelete(table, KeyName(table), keyVariable);
}

void SqlProcedureWriter::WriteSoftDelete(const Table& table, const CString& column,
                                         const CString& variable)
{
    m_procedureFile.Write(1, "UPDATE %s SET Is_Deleted = 'Y' WHERE %s = %s\r\n",
                          SqlServerName(table.GetTableName()), SqlServerName(column),
                          SqlServerVariable(variable));
}

void SqlProcedureWriter::WriteDeleteEnd()
{
    m_procedureFile.Write(0, "\n");
    m_procedureFile.Write(0, "SET @sInfo = ''\r\n");
    m_procedureFile.Write(0, "SELECT @sInfo AS sInfo\r\n");
    m_procedureFile.Write(0, "commit transaction\r\n");
    m_procedureFile.Write(0, "GO\r\n");
}

// A mapping table shown under a master form selects both tables' columns.
void SqlProcedureWriter::WriteSelectList(const Procedure& procedure, const Table* table)
{
    const Table* master = table != nullptr ? BottomMasterTable(*table) : nullptr;
    if (master == nullptr)
    {
        m_procedureFile.Write(0, "\r\nSELECT * ");
        return;
    }
    const CString main = SqlServerName(table->GetTableName());
    const CString masterName = SqlServerName(master->GetTableName());
    if (procedure.IsSelectAllProcedure())
        m_procedureFile.Write(0, " SELECT %s.%s, %s.*, %s.* ", main, SqlServerName(KeyName(*table)),
                              main, masterName);
    else if (procedure.IsSelectRecordProcedure())
        m_procedureFile.Write(0, " SELECT %s.*, %s.* ", main, masterName);
}

// The main table stands in the FROM line already: a relation that starts at it joins its other
// table.
void SqlProcedureWriter::WriteJoins(const Procedure& procedure)
{
    for (const Relation* relation : procedure.GetRelations())
    {
        const Table* first = relation->GetFirstTable();
        const Table* second = relation->GetSecondTable();
        if (first == nullptr || second == nullptr)
            continue;
        const Table* joined = first == procedure.GetMainTable() ? second : first;
        m_procedureFile.Write(0, "INNER JOIN %s ON %s\r\n", SqlServerName(joined->GetTableName()),
                              relation->GetJoinCondition(SqlServerName));
    }
}

void SqlProcedureWriter::WriteWhereClause(const Procedure& procedure, const Table& table)
{
    const CString name = SqlServerName(table.GetTableName());
    switch (procedure.GetRowStatusFilter())
    {
    case Procedure::deletedRowsOnly:
        m_procedureFile.Write(0, "%s.Is_Deleted = 'Y'", name);
        break;
    case Procedure::liveRowsOnly:
        m_procedureFile.Write(0, "%s.Is_Deleted = 'N'", name);
        break;
    default:
        m_procedureFile.Write(0, "(%s.Is_Deleted = 'Y' OR %s.Is_Deleted = 'N')", name, name);
        break;
    }
    const std::vector<FieldVariableMap>& parameters = procedure.GetFieldParameters();
    if (procedure.GetKind() == Procedure::standardKind &&
        procedure.GetName().Find("SelectRecord") >= 0 && !parameters.empty())
    {
        m_procedureFile.Write(0, " AND ");
        m_procedureFile.Write(0, "%s.%s=%s ", name, SqlServerName(KeyName(table)),
                              SqlServerVariable(NameOf(parameters.front().variable)));
    }
    const std::vector<FieldFilter*>& filters = procedure.GetFilters();
    if (filters.empty())
        return;
    m_procedureFile.Write(0, " AND ");
    for (const FieldFilter* filter : filters)
    {
        if (filter != filters.front())
            m_procedureFile.Write(0, "AND ");
        const Field* field = filter->GetField();
        m_procedureFile.Write(0, "%s.%s%s%s ",
                              SqlServerName(NameOf(field != nullptr ? field->GetTable() : nullptr)),
                              SqlServerName(NameOf(field)), filter->GetOperatorText(),
                              SqlServerVariable(NameOf(filter->GetVariable())));
    }
}

std::vector<SqlProcedureWriter::Parameter>
SqlProcedureWriter::ParametersOf(const Procedure& procedure, const Table& table, bool withKey)
{
    std::vector<Parameter> parameters;
    for (Field* field : table.GetFields())
    {
        if (field->IsDeletedFlagField() || (field->IsKey() && !withKey))
            continue;
        if (const Variable* variable = ParameterVariable(procedure, field))
            parameters.push_back({field, variable});
    }
    return parameters;
}

const Table* SqlProcedureWriter::BottomMasterTable(const Table& table) const
{
    const MapForm* mapForm = m_project.FindMapFormByTable(&table);
    if (mapForm == nullptr || mapForm->GetBottomMasterForm() == nullptr)
        return nullptr;
    return mapForm->GetBottomMasterForm()->GetTable();
}
