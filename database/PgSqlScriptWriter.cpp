#include "database/PgSqlScriptWriter.h"

#include "database/SqlText.h"
#include "model/Field.h"
#include "model/ForgeonProject.h"
#include "model/GenerationReport.h"
#include "model/Module.h"
#include "model/Table.h"

namespace
{
// Master tables, then transaction tables, then map tables.
template <class Visit> void ForEachTable(const Module& module, Visit visit)
{
    for (const Table* table : module.GetMasterTables())
        visit(*table);
    for (const Table* table : module.GetTransactionTables())
        visit(*table);
    for (const Table* table : module.GetMapTables())
        visit(*table);
}
} // namespace

PgSqlScriptWriter::PgSqlScriptWriter(const ForgeonProject& project, GenerationReport& report)
    : m_project(project), m_report(report),
      m_path(project.GetProjectPath() + "_system/scripts/" + "KestraneWeavo_PGSQL_CreateTables.sql")
{
    m_report.OpenFile(m_scriptFile, m_path);
}

PgSqlScriptWriter::~PgSqlScriptWriter()
{
    CloseScriptFile();
}

void PgSqlScriptWriter::CloseScriptFile()
{
    if (!m_scriptFile.IsOpen())
        return;
    m_scriptFile.Close();
    m_report.RecordFile(m_path, m_scriptFile);
}

void PgSqlScriptWriter::Write()
{
    for (const Module* module : m_project.GetModules())
        WriteModuleTables(*module);
    m_scriptFile.Write(0, "/****** Foreign keys for all tables ******/\n");
    for (const Module* module : m_project.GetModules())
        WriteModuleForeignKeys(*module);
    WriteRoles();
    WriteDefaultAccount();
    CloseScriptFile();
}

void PgSqlScriptWriter::WriteModuleTables(const Module& module)
{
    ForEachTable(module, [this](const Table& table) { WriteTableSection(table); });
}

void PgSqlScriptWriter::WriteTableSection(const Table& table)
{
    m_scriptFile.Write(0, "/****** Queries For %s ******/\n", SqlCommentName(table.GetTableName()));
    WriteCreateTable(table);
    WritePrimaryKey(table);
    WriteDefaults(table);
    WriteUniqueUserName(table);
}

// One live account per user name; a deleted account keeps its row and its name.
void PgSqlScriptWriter::WriteUniqueUserName(const Table& table)
{
    const Field* name = UniqueUserNameField(m_project);
    if (name == nullptr || name->GetTable() != &table)
        return;
    m_scriptFile.Write(0, "CREATE UNIQUE INDEX %s ON %s (%s) WHERE %s = 'N';\n\n",
                       PgSqlName("UX_" + table.GetTableName() + "_" + name->GetFieldName()),
                       PgSqlName(table.GetTableName()), PgSqlName(name->GetFieldName()),
                       PgSqlName(Field::deletedFlagName));
}

void PgSqlScriptWriter::WriteCreateTable(const Table& table)
{
    m_scriptFile.Write(0, "CREATE TABLE %s (\n", PgSqlName(table.GetTableName()));
    for (const Field* field : table.GetFields())
    {
        if (field != table.GetFields().front())
            m_scriptFile.Write(0, ",\n");
        WriteColumn(*field);
    }
    m_scriptFile.Write(0, "\n);\n\n");
}

void PgSqlScriptWriter::WriteColumn(const Field& field)
{
    m_scriptFile.Write(1, "%s ", PgSqlName(field.GetFieldName()));
    if (field.IsKey())
        m_scriptFile.Write(0, "SERIAL ");
    else
        WriteColumnType(field);
    m_scriptFile.Write(0, field.IsAllowNull() ? "NULL" : "NOT NULL");
}

void PgSqlScriptWriter::WriteColumnType(const Field& field)
{
    m_scriptFile.Write(0, "%s ", ColumnType(field));
    switch (field.GetTypeCode())
    {
    case FieldTypeChar:
    case FieldTypeVarchar:
    case FieldTypeNChar:
    case FieldTypeNVarchar:
        m_scriptFile.Write(0, "(%d) ", field.GetSize());
        break;
    case FieldTypeDecimal:
        m_scriptFile.Write(0, "(%d, 0) ", field.GetPrecision());
        break;
    default:
        break;
    }
}

// nchar, nvarchar and ntext are PostgreSQL's char, varchar and text, image is bytea.
CString PgSqlScriptWriter::ColumnType(const Field& field) const
{
    const bool postgres = m_project.IsSqlServerDatabase() == 0;
    switch (field.GetTypeCode())
    {
    case FieldTypeDecimal:
        return postgres ? "numeric" : "Decimal";
    case FieldTypeDateTime:
        return postgres ? "date" : "DateTime";
    case FieldTypeImage:
        return "bytea";
    case FieldTypeNChar:
        return "char";
    case FieldTypeNVarchar:
        return "varchar";
    case FieldTypeNText:
        return "text";
    default:
        return field.GetTypeName();
    }
}

// A table without a key field gets no primary-key statement.
void PgSqlScriptWriter::WritePrimaryKey(const Table& table)
{
    const Field* key = table.GetPrimaryKeyField();
    if (key == nullptr)
        return;
    m_scriptFile.Write(0, "ALTER TABLE %s ADD\n\tCONSTRAINT %s PRIMARY KEY\n(\n",
                       PgSqlName(table.GetTableName()), PgSqlName("PK_" + table.GetTableName()));
    m_scriptFile.Write(1, "%s\n", PgSqlName(key->GetFieldName()));
    m_scriptFile.Write(0, ");\n\n");
}

void PgSqlScriptWriter::WriteDefaults(const Table& table)
{
    const std::vector<const Field*> fields = FieldsWithDefaults(table);
    if (fields.empty() || RefuseScriptOverDefaults(table, m_scriptFile, m_path, m_report))
        return;
    m_scriptFile.Write(0, "ALTER TABLE %s\n", PgSqlName(table.GetTableName()));
    for (const Field* field : fields)
    {
        if (field != fields.front())
            m_scriptFile.Write(0, ",\n");
        m_scriptFile.Write(1, "ALTER %s SET DEFAULT ", PgSqlName(field->GetFieldName()));
        if (IsQuotedSqlType(field->GetTypeCode()))
            m_scriptFile.Write(0, "'%s'", QuotedSqlText(TrimmedDefault(*field)));
        else
            m_scriptFile.Write(0, "%s", TrimmedDefault(*field));
    }
    m_scriptFile.Write(0, "\n;\n\n");
}

void PgSqlScriptWriter::WriteModuleForeignKeys(const Module& module)
{
    ForEachTable(module, [this](const Table& table) { WriteForeignKeys(table); });
}

void PgSqlScriptWriter::WriteForeignKeys(const Table& table)
{
    const std::vector<const Field*> keys = ForeignKeysOf(table);
    if (keys.empty())
        return;
    m_scriptFile.Write(0, "ALTER TABLE %s\n", PgSqlName(table.GetTableName()));
    for (const Field* field : keys)
    {
        if (field != keys.front())
            m_scriptFile.Write(0, ",\n");
        WriteForeignKey(table, *field);
    }
    m_scriptFile.Write(0, ";\n\n");
}

void PgSqlScriptWriter::WriteForeignKey(const Table& table, const Field& field)
{
    const Field& referenced = *field.GetForeignField();
    const CString referencedTable = referenced.GetTable()->GetTableName();
    m_scriptFile.Write(1, "ADD CONSTRAINT %s FOREIGN KEY\n",
                       PgSqlName("FK_" + table.GetTableName() + "_" + referencedTable +
                                 ForeignKeyNameSuffix(table, field)));
    m_scriptFile.Write(1, "(\n");
    m_scriptFile.Write(2, "%s\n", PgSqlName(field.GetFieldName()));
    m_scriptFile.Write(1, ")");
    m_scriptFile.Write(0, " REFERENCES %s (\n", PgSqlName(referencedTable));
    m_scriptFile.Write(2, "%s\n", PgSqlName(referenced.GetFieldName()));
    m_scriptFile.Write(1, ")");
}

void PgSqlScriptWriter::WriteRoles()
{
    m_scriptFile.Write(0, "/******INSERT/UPDATE PERSONAL ROLES******/\n");
    for (const ScriptRole& role : ScriptRoles(m_project))
    {
        m_scriptFile.Write(
            0,
            "UPDATE personnel_role SET role_name = '%s', Is_Deleted = '%s' WHERE role_no = %d;\n",
            role.name, role.deleted, role.id);
        m_scriptFile.Write(
            0,
            "INSERT INTO personnel_role(Is_Deleted,role_name,role_no) SELECT "
            "'%s','%s',%d WHERE NOT EXISTS (SELECT role_no FROM personnel_role WHERE "
            "role_no = %d);\n",
            role.deleted, role.name, role.id, role.id);
    }
    m_scriptFile.Write(0, "\n");
}

// Only when the tables it goes into are there.
void PgSqlScriptWriter::WriteDefaultAccount()
{
    if (!HasAccountTables(m_project))
        return;
    m_scriptFile.Write(0, "/****** DEFAULT USER ACCOUNT******/\n");
    m_scriptFile.Write(0, "%s;\n", defaultAccountInsert);
}
