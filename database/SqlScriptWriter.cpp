#include "database/SqlScriptWriter.h"

#include "database/ConstraintQueries.h"
#include "database/DbSchema.h"
#include "database/SqlText.h"
#include "model/Field.h"
#include "model/ForgeonProject.h"
#include "model/GenerationReport.h"
#include "model/Module.h"
#include "model/Table.h"
#include "platform/core/FileWriters.h"

namespace
{
// The kind of file written here and the rules its writer keeps.
const FileWriterRegistration sqlScriptWriter("sql script",
                                             replacesLinks | wholeOnFullDisk | wholeAfterKill);

// The tables of the database script: master tables, then transaction tables.
template <class Visit> void ForEachScriptTable(const Module& module, Visit visit)
{
    for (const Table* table : module.GetMasterTables())
        visit(*table);
    for (const Table* table : module.GetTransactionTables())
        visit(*table);
}

bool IsQuotedType(int typeCode)
{
    return typeCode == FieldTypeChar || typeCode == FieldTypeVarchar || typeCode == FieldTypeText ||
           typeCode == FieldTypeDateTime;
}

// Types whose columns are added and kept NULL.
bool IsLargeObjectType(int typeCode)
{
    return typeCode == FieldTypeText || typeCode == FieldTypeImage || typeCode == FieldTypeNText;
}

bool IsUnicodeType(int typeCode)
{
    return typeCode == FieldTypeNChar || typeCode == FieldTypeNVarchar ||
           typeCode == FieldTypeNText;
}
} // namespace

SqlScriptWriter::SqlScriptWriter(ForgeonProject& project, const DbSchema* schema,
                                 GenerationReport& report)
    : SqlScriptWriter(project,
                      schema != nullptr ? project.GetAlterScriptFilePath()
                                        : project.GetScriptFilePath(),
                      report)
{
}

SqlScriptWriter::SqlScriptWriter(ForgeonProject& project, const CString& path,
                                 GenerationReport& report)
    : m_project(project), m_report(report), m_path(path)
{
    m_report.OpenFile(m_scriptFile, m_path);
}

SqlScriptWriter::~SqlScriptWriter()
{
    CloseScriptFile();
}

// Text written afterwards collects in memory and is dropped.
void SqlScriptWriter::CloseScriptFile()
{
    if (!m_scriptFile.IsOpen())
        return;
    m_scriptFile.Close();
    m_report.RecordFile(m_path, m_scriptFile);
}

void SqlScriptWriter::WriteDatabaseScript()
{
    if (RefusedWithoutDatabaseName())
        return;
    WriteCreateDatabase();
    WriteAllTables();
    WriteRoles();
    WriteDefaultAccount();
    CloseScriptFile();
}

// Nothing is left at the script's name nor counted; later text collects in memory.
bool SqlScriptWriter::RefusedWithoutDatabaseName()
{
    if (!m_project.GetDatabaseNameOrDefault().IsEmpty())
        return false;
    if (m_scriptFile.IsOpen())
    {
        m_report.DropFile(m_scriptFile);
        m_report.AddUnwrittenFile(m_path, "neither the project nor its database has a name: set "
                                          "one in Project Properties");
    }
    return true;
}

void SqlScriptWriter::WriteCreateDatabase()
{
    m_scriptFile.Write(0, "/****** CREATE DATABASE******/\n");
    m_scriptFile.Write(0, "CREATE DATABASE %s\n",
                       SqlServerName(m_project.GetDatabaseNameOrDefault()));
    m_scriptFile.Write(0, "GO\n\n");
    WriteUseDatabase();
}

void SqlScriptWriter::WriteUseDatabase()
{
    if (RefusedWithoutDatabaseName())
        return;
    m_scriptFile.Write(0, "USE %s\n", SqlServerName(m_project.GetDatabaseNameOrDefault()));
    m_scriptFile.Write(0, "GO\n\n");
}

void SqlScriptWriter::WriteAllTables()
{
    for (const Module* module : m_project.GetModules())
        WriteModuleTables(*module);
    for (const Module* module : m_project.GetModules())
        WriteModuleForeignKeys(*module);
}

void SqlScriptWriter::WriteModuleTables(const Module& module)
{
    m_scriptFile.Write(0, "/****** MODULE NAME = %s ******/\n", SqlCommentName(module.GetName()));
    ForEachScriptTable(module, [this](const Table& table) { WriteTableScript(table); });
}

void SqlScriptWriter::WriteTableScript(const Table& table)
{
    m_scriptFile.Write(0, "/****** Queries For %s ******/\n", SqlCommentName(table.GetTableName()));
    WriteCreateTable(table);
    WritePrimaryKey(table);
    WriteDefaults(table);
    WriteUniqueUserName(table);
}

// One live account per user name; a deleted account keeps its row and its name.
void SqlScriptWriter::WriteUniqueUserName(const Table& table)
{
    const Field* name = UniqueUserNameField(m_project);
    if (name == nullptr || name->GetTable() != &table)
        return;
    const CString column = SqlServerName(name->GetFieldName());
    m_scriptFile.Write(0,
                       "CREATE UNIQUE NONCLUSTERED INDEX %s ON [dbo].%s(%s)\nWHERE %s = 'N' AND "
                       "%s IS NOT NULL\nGO\n\n",
                       SqlServerName("UX_" + table.GetTableName() + "_" + name->GetFieldName()),
                       SqlServerName(table.GetTableName()), column,
                       SqlServerName(Field::deletedFlagName), column);
}

void SqlScriptWriter::WriteCreateTable(const Table& table)
{
    m_scriptFile.Write(0, "CREATE TABLE [dbo].%s (\n", SqlServerName(table.GetTableName()));
    const std::vector<Field*>& fields = table.GetFields();
    for (const Field* field : fields)
    {
        WriteColumn(*field);
        m_scriptFile.Write(0, field == fields.back() ? "\n" : ",\n");
    }
    m_scriptFile.Write(0, "\n) ON [PRIMARY]\nGO\n\n");
}

void SqlScriptWriter::WriteColumn(const Field& field)
{
    m_scriptFile.Write(1, "%s%s", SqlServerName(field.GetFieldName()),
                       SqlServerName(field.GetTypeName()));
    WriteSizePart(field);
    if (field.IsKey())
        m_scriptFile.Write(0, "IDENTITY (1, 1)");
    else
        m_scriptFile.Write(0, field.IsAllowNull() ? "NULL" : "NOT NULL");
}

void SqlScriptWriter::WriteSizePart(const Field& field)
{
    switch (field.GetTypeCode())
    {
    case FieldTypeChar:
    case FieldTypeVarchar:
    case FieldTypeNChar:
    case FieldTypeNVarchar:
        m_scriptFile.Write(0, " (%d) ", field.GetSize());
        break;
    case FieldTypeDecimal:
        m_scriptFile.Write(0, " (%d, 0) ", field.GetPrecision());
        break;
    default:
        break;
    }
}

// A table without a key field gets no primary-key statement.
void SqlScriptWriter::WritePrimaryKey(const Table& table)
{
    const Field* key = table.GetPrimaryKeyField();
    if (key == nullptr)
        return;
    m_scriptFile.Write(
        0, "ALTER TABLE [dbo].%s WITH NOCHECK ADD\nCONSTRAINT %s PRIMARY KEY  CLUSTERED \n(\n",
        SqlServerName(table.GetTableName()), SqlServerName("PK_" + table.GetTableName()));
    m_scriptFile.Write(1, "%s", SqlServerName(key->GetFieldName()));
    m_scriptFile.Write(0, "\n) ON [PRIMARY]\nGO\n\n");
}

void SqlScriptWriter::WriteDefaults(const Table& table)
{
    const std::vector<const Field*> fields = FieldsWithDefaults(table);
    if (fields.empty() || RefuseScriptOverDefaults(table, m_scriptFile, m_path, m_report))
        return;
    m_scriptFile.Write(0, "ALTER TABLE [dbo].%s WITH NOCHECK ADD\n",
                       SqlServerName(table.GetTableName()));
    for (const Field* field : fields)
    {
        const CString value = TrimmedDefault(*field);
        m_scriptFile.Write(
            1, "CONSTRAINT %s DEFAULT (",
            SqlServerName("DF_" + table.GetTableName() + "_" + field->GetFieldName()));
        if (IsQuotedType(field->GetTypeCode()))
            m_scriptFile.Write(0, "'%s'", QuotedSqlText(value));
        else if (IsUnicodeType(field->GetTypeCode()))
            m_scriptFile.Write(0, "N'%s'", QuotedSqlText(value));
        else
            m_scriptFile.Write(0, "%s", value);
        m_scriptFile.Write(0, ") FOR %s", SqlServerName(field->GetFieldName()));
        if (field != fields.back())
            m_scriptFile.Write(0, ",\n");
    }
    m_scriptFile.Write(0, "\nGO\n\n");
}

void SqlScriptWriter::WriteModuleForeignKeys(const Module& module)
{
    m_scriptFile.Write(0, "/****** Foreign keys for all tables for \"%s\" ******/\n",
                       SqlCommentName(module.GetName()));
    ForEachScriptTable(module, [this](const Table& table) { WriteForeignKeys(table); });
}

void SqlScriptWriter::WriteForeignKeys(const Table& table)
{
    const std::vector<const Field*> keys = ForeignKeysOf(table);
    if (keys.empty())
        return;
    m_scriptFile.Write(0, "ALTER TABLE [dbo].%s ADD\n", SqlServerName(table.GetTableName()));
    for (const Field* field : keys)
    {
        WriteForeignKey(table, *field);
        if (field != keys.back())
            m_scriptFile.Write(0, ",\n");
    }
    m_scriptFile.Write(0, RefersToItself(table) ? "\nON DELETE NO ACTION  ON UPDATE NO ACTION\n"
                                                : "\nON DELETE CASCADE  ON UPDATE CASCADE\n");
    m_scriptFile.Write(0, "GO\n\n");
}

void SqlScriptWriter::WriteForeignKey(const Table& table, const Field& field)
{
    const Field& referenced = *field.GetForeignField();
    const CString referencedTable = referenced.GetTable()->GetTableName();
    m_scriptFile.Write(0, "\tCONSTRAINT %s FOREIGN KEY\n\t(\n\t\t%s\n\t)",
                       SqlServerName("FK_" + table.GetTableName() + "_" + referencedTable +
                                     ForeignKeyNameSuffix(table, field)),
                       SqlServerName(field.GetFieldName()));
    m_scriptFile.Write(0, "\n\tREFERENCES [dbo].%s\n\t(\n\t\t%s\n\t)",
                       SqlServerName(referencedTable), SqlServerName(referenced.GetFieldName()));
}

void SqlScriptWriter::WriteRoles()
{
    m_scriptFile.Write(0, "/******INSERT/UPDATE PERSONAL ROLES******/\n");
    for (const ScriptRole& role : ScriptRoles(m_project))
    {
        m_scriptFile.Write(0, "\n\n");
        m_scriptFile.Write(0, "IF EXISTS (SELECT role_no FROM personnel_role WHERE role_no = %d)\n",
                           role.id);
        m_scriptFile.Write(1,
                           "UPDATE personnel_role SET role_no = %d , role_name = '%s', Is_Deleted "
                           "= '%s' WHERE role_no = %d\n",
                           role.id, role.name, role.deleted, role.id);
        m_scriptFile.Write(0, "ELSE\n");
        m_scriptFile.Write(
            1, "INSERT INTO personnel_role(Is_Deleted,role_name,role_no) VALUES('%s','%s',%d)\n",
            role.deleted, role.name, role.id);
        m_scriptFile.Write(0, "GO\n");
    }
}

// Only when the tables it goes into are there.
void SqlScriptWriter::WriteDefaultAccount()
{
    if (!HasAccountTables(m_project))
        return;
    m_scriptFile.Write(0, "\n\n");
    m_scriptFile.Write(0, "/****** DEFAULT USER ACCOUNT******/\n");
    m_scriptFile.Write(0, "%s\n", defaultAccountInsert);
    m_scriptFile.Write(0, "GO\n");
}

void SqlScriptWriter::WriteDropConstraints(const ConstraintList& constraints)
{
    if (constraints.IsEmpty())
        return;
    m_scriptFile.Write(0, "/****** Queries For droping constraints ******/\n");
    for (int index = 0; index < constraints.names.GetSize(); ++index)
    {
        m_scriptFile.Write(0, "ALTER TABLE %s DROP CONSTRAINT %s\n",
                           SqlServerName(constraints.tables[index]),
                           SqlServerName(constraints.names[index]));
        m_scriptFile.Write(0, "GO\n\n");
    }
}

void SqlScriptWriter::WriteDropTable(const CString& tableName)
{
    m_scriptFile.Write(0, "/****** Queries For droping table %s ******/\n",
                       SqlCommentName(tableName));
    m_scriptFile.Write(0, "DROP TABLE %s\n", SqlServerName(tableName));
    m_scriptFile.Write(0, "GO\n\n");
}

void SqlScriptWriter::WriteAlterColumnHead(const CString& tableName, const char* action,
                                           const Field& field)
{
    m_scriptFile.Write(0, "ALTER TABLE [dbo].%s %s %s %s", SqlServerName(tableName), action,
                       SqlServerName(field.GetFieldName()), SqlServerName(field.GetTypeName()));
    WriteSizePart(field);
}

// A new column is added as NULL and then made NOT NULL, so that existing rows do not refuse it;
// a key column is added as its identity, which holds no NULL.
void SqlScriptWriter::WriteNewColumns(const CString& tableName,
                                      const std::vector<const Field*>& fields)
{
    if (fields.empty())
        return;
    m_scriptFile.Write(0, "/****** Queries For Inserting new columns in %s ******/\n\n",
                       SqlCommentName(tableName));
    for (const Field* field : fields)
    {
        WriteAlterColumnHead(tableName, "ADD", *field);
        m_scriptFile.Write(0, field->IsKey() ? "IDENTITY (1, 1)" : "NULL");
        m_scriptFile.Write(0, "\nGO\n");
        if (IsLargeObjectType(field->GetTypeCode()) || field->IsAllowNull())
            continue;
        WriteAlterColumnHead(tableName, "ALTER COLUMN", *field);
        m_scriptFile.Write(0, " NOT NULL\n");
        m_scriptFile.Write(0, "GO\n\n");
    }
}

void SqlScriptWriter::WriteAlteredColumns(const CString& tableName,
                                          const std::vector<const Field*>& fields)
{
    if (fields.empty())
        return;
    m_scriptFile.Write(0, "/****** Queries For alter columns in %s ******/\n\n",
                       SqlCommentName(tableName));
    for (const Field* field : fields)
    {
        if (IsLargeObjectType(field->GetTypeCode()))
            continue;
        WriteAlterColumnHead(tableName, "ALTER COLUMN", *field);
        if (field->IsKey())
            m_scriptFile.Write(0, "IDENTITY (1, 1)");
        else
            m_scriptFile.Write(0, field->IsAllowNull() ? "NULL" : "NOT NULL");
        m_scriptFile.Write(0, "\n");
        m_scriptFile.Write(0, "GO\n\n");
    }
}

void SqlScriptWriter::WriteDroppedColumns(const CString& tableName,
                                          const std::vector<const DbColumn*>& columns)
{
    if (columns.empty())
        return;
    m_scriptFile.Write(0, "/****** Queries For droping columns from %s ******/\n\n",
                       SqlCommentName(tableName));
    for (const DbColumn* column : columns)
    {
        m_scriptFile.Write(0, "ALTER TABLE [dbo].%s DROP COLUMN %s", SqlServerName(tableName),
                           SqlServerName(column->GetName()));
        m_scriptFile.Write(0, "\nGO\n\n");
    }
}

void SqlScriptWriter::WriteForeignKeysOfTables(const std::vector<const Table*>& tables)
{
    WriteSectionOfTables(tables, "/****** Queries For setting foriegn keys ******/\n\n",
                         &SqlScriptWriter::WriteForeignKeys);
}

void SqlScriptWriter::WriteDefaultsOfTables(const std::vector<const Table*>& tables)
{
    WriteSectionOfTables(tables, "/****** Queries For setting default values ******/\n\n",
                         &SqlScriptWriter::WriteDefaults);
}

void SqlScriptWriter::WriteSectionOfTables(const std::vector<const Table*>& tables,
                                           const char* heading,
                                           void (SqlScriptWriter::*write)(const Table&))
{
    if (tables.empty())
        return;
    m_scriptFile.Write(0, heading);
    for (const Table* table : tables)
        (this->*write)(*table);
}
