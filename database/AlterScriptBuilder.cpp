#include "database/AlterScriptBuilder.h"

#include "database/ConstraintQueries.h"
#include "database/DbSchema.h"
#include "database/SqlScriptWriter.h"
#include "model/Field.h"
#include "model/ForgeonProject.h"
#include "model/GenerationReport.h"
#include "model/Module.h"
#include "model/ProjectFolders.h"
#include "model/Table.h"

namespace
{
// The catalogue gives an nvarchar's length in bytes.
int CatalogueLength(const Field& field)
{
    return field.GetTypeCode() == FieldTypeNVarchar ? field.GetSize() * 2 : field.GetSize();
}

// Types whose length an alter leaves alone.
bool HasFixedLength(const CString& lowerTypeName)
{
    for (const char* name :
         {"int", "datetime", "money", "image", "bigint", "text", "decimal", "nchar", "ntext"})
        if (lowerTypeName == name)
            return true;
    return false;
}

bool ColumnNeedsAlter(const Field& field, const DbColumn& column)
{
    CString fieldType = field.GetTypeName();
    CString columnType = column.GetTypeName();
    fieldType.MakeLower();
    columnType.MakeLower();
    return fieldType != columnType ||
           (!HasFixedLength(fieldType) && CatalogueLength(field) != column.GetLength()) ||
           field.IsAllowNull() != column.IsNullable();
}

CString LowerName(const Table& table)
{
    CString name = table.GetTableName();
    name.MakeLower();
    return name;
}
} // namespace

AlterScriptBuilder::AlterScriptBuilder(ForgeonProject& project, const DbSchema* schema,
                                       ConstraintQueries* constraints)
    : m_project(project), m_schema(schema), m_constraints(constraints)
{
}

bool AlterScriptBuilder::FieldMatchesColumn(const Field& field, const DbColumn& column)
{
    const CString typeName = field.GetTypeName() + (field.IsKey() ? " identity" : "");
    const bool sameType = typeName.CompareNoCase(column.GetTypeName()) == 0;
    const bool sameNull = field.IsAllowNull() == column.IsNullable();
    const bool sameLength = CatalogueLength(field) == column.GetLength();
    if (field.IsKey())
        return sameType && sameLength && sameNull;
    switch (field.GetTypeCode())
    {
    case FieldTypeInt:
    case FieldTypeDateTime:
    case FieldTypeMoney:
    case FieldTypeBigInt:
    case FieldTypeDecimal:
    case FieldTypeNChar:
        return sameType && sameNull;
    case FieldTypeText:
    case FieldTypeImage:
    case FieldTypeNText:
        return sameType;
    default:
        return sameType && sameLength && sameNull;
    }
}

bool AlterScriptBuilder::TableMatchesSchema(const Table& table, const DbTable& dbTable)
{
    const std::vector<Field*>& fields = table.GetFields();
    if (static_cast<int>(fields.size()) != dbTable.GetColumnCount())
        return false;
    for (const Field* field : fields)
    {
        const DbColumn* column = dbTable.FindColumn(field->GetFieldName());
        if (column == nullptr || !FieldMatchesColumn(*field, *column))
            return false;
    }
    return true;
}

template <class Write> bool AlterScriptBuilder::WriteScript(CString& failure, Write write)
{
    failure.Empty();
    m_changedTables = 0;
    if (m_schema == nullptr || m_constraints == nullptr)
        return false;
    GenerationReport report;
    GuardProjectFolder(report, m_project);
    {
        SqlScriptWriter writer(m_project, m_schema, report);
        writer.WriteUseDatabase();
        write(writer);
        writer.WriteRoles();
    }
    failure = report.GetText();
    return report.IsEmpty();
}

bool AlterScriptBuilder::WriteTableAlterScript(const Table& table, CString& failure)
{
    return WriteScript(failure,
                       [this, &table](SqlScriptWriter& writer)
                       {
                           const DbTable* dbTable = m_schema->FindTable(table.GetTableName());
                           if (dbTable == nullptr)
                           {
                               m_changedTables = 1;
                               writer.WriteTableScript(table);
                               writer.WriteForeignKeys(table);
                               return;
                           }
                           if (TableMatchesSchema(table, *dbTable))
                               return;
                           m_changedTables = 1;
                           WriteChangedTable(writer, table, *dbTable);
                           writer.WriteDefaults(table);
                           writer.WriteForeignKeys(table);
                       });
}

bool AlterScriptBuilder::WriteModuleAlterScript(const Module& module, CString& failure)
{
    std::vector<Table*> tables;
    module.GetAllTables(tables);
    return WriteScript(failure,
                       [this, &tables](SqlScriptWriter& writer) {
                           WriteTablesAlterScript(writer, {tables.begin(), tables.end()});
                       });
}

bool AlterScriptBuilder::WriteProjectAlterScript(CString& failure)
{
    std::vector<const Table*> tables;
    for (const Module* module : m_project.GetModules())
    {
        std::vector<Table*> moduleTables;
        module->GetAllTables(moduleTables);
        tables.insert(tables.end(), moduleTables.begin(), moduleTables.end());
    }
    return WriteScript(failure, [this, &tables](SqlScriptWriter& writer)
                       { WriteTablesAlterScript(writer, tables); });
}

void AlterScriptBuilder::WriteTablesAlterScript(SqlScriptWriter& writer,
                                                const std::vector<const Table*>& tables)
{
    std::vector<const Table*> newTables;
    for (const Table* table : tables)
        if (m_schema->FindTable(table->GetTableName()) == nullptr)
            newTables.push_back(table);
    for (const Table* table : newTables)
        writer.WriteTableScript(*table);
    writer.WriteForeignKeysOfTables(newTables);

    std::vector<const Table*> changedTables;
    for (const Table* table : tables)
    {
        const DbTable* dbTable = m_schema->FindTable(table->GetTableName());
        if (dbTable == nullptr || TableMatchesSchema(*table, *dbTable))
            continue;
        changedTables.push_back(table);
        WriteChangedTable(writer, *table, *dbTable);
    }
    writer.WriteDefaultsOfTables(changedTables);
    writer.WriteForeignKeysOfTables(changedTables);
    m_changedTables = static_cast<int>(newTables.size() + changedTables.size());

    for (const std::unique_ptr<DbTable>& dbTable : m_schema->GetTables())
    {
        if (m_project.FindTableByName(dbTable->GetName()) != nullptr)
            continue;
        ConstraintList constraints;
        m_constraints->FindOfDroppedTable(dbTable->GetName(), constraints);
        writer.WriteDropConstraints(constraints);
        writer.WriteDropTable(dbTable->GetName());
        ++m_changedTables;
    }
}

void AlterScriptBuilder::WriteChangedTable(SqlScriptWriter& writer, const Table& table,
                                           const DbTable& dbTable)
{
    ConstraintList constraints;
    m_constraints->FindOfChangedTable(table.GetTableName(), constraints);
    writer.WriteDropConstraints(constraints);
    WriteColumnChanges(writer, table, dbTable, constraints);
}

void AlterScriptBuilder::WriteColumnChanges(SqlScriptWriter& writer, const Table& table,
                                            const DbTable& dbTable,
                                            const ConstraintList& droppedBefore)
{
    std::vector<const Field*> newFields;
    std::vector<const Field*> alteredFields;
    for (const Field* field : table.GetFields())
    {
        const DbColumn* column = dbTable.FindColumn(field->GetFieldName());
        if (column == nullptr)
            newFields.push_back(field);
        else if (!field->IsKey() && !field->IsDeletedFlagField() &&
                 ColumnNeedsAlter(*field, *column))
            alteredFields.push_back(field);
    }
    std::vector<const DbColumn*> droppedColumns;
    ConstraintList constraints;
    for (const std::unique_ptr<DbColumn>& column : dbTable.GetColumns())
    {
        if (table.FindFieldByName(column->GetName()) != nullptr)
            continue;
        droppedColumns.push_back(column.get());
        ConstraintList found;
        m_constraints->FindOfDroppedColumn(table.GetTableName(), column->GetName(),
                                           column->IsIdentity(), found);
        for (int index = 0; index < found.names.GetSize(); ++index)
            if (!droppedBefore.Contains(found.names[index], found.tables[index]))
                constraints.Add(found.names[index], found.tables[index]);
    }
    const CString tableName = LowerName(table);
    writer.WriteNewColumns(tableName, newFields);
    writer.WriteAlteredColumns(tableName, alteredFields);
    writer.WriteDropConstraints(constraints);
    writer.WriteDroppedColumns(tableName, droppedColumns);
}
