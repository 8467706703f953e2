#pragma once

#include "platform/core/CString.h"

#include <vector>

class ConstraintQueries;
struct ConstraintList;
class DbColumn;
class DbSchema;
class DbTable;
class Field;
class ForgeonProject;
class Module;
class SqlScriptWriter;
class Table;

// The alter script that brings the loaded database in line with the project: for one table, a
// module or the whole project. Each builder replaces the project's alter script file and
// returns true when it was written; otherwise false with the reason in failure (empty when no
// database is loaded: nothing is written then).
class AlterScriptBuilder
{
public:
    // Without a schema or constraint queries no database is loaded.
    AlterScriptBuilder(ForgeonProject& project, const DbSchema* schema,
                       ConstraintQueries* constraints);

    bool WriteTableAlterScript(const Table& table, CString& failure);
    // Module and project scripts drop every database table the project lacks.
    bool WriteModuleAlterScript(const Module& module, CString& failure);
    bool WriteProjectAlterScript(CString& failure);
    // The tables the last script written creates, changes or drops.
    int GetChangedTableCount() const { return m_changedTables; }

    // The table has a column for each field, and no other, that agrees in type, length and
    // null flag as far as the field's type makes them matter.
    static bool TableMatchesSchema(const Table& table, const DbTable& dbTable);
    // The column agrees with the field in type name, length and null flag as far as the
    // field's type makes them matter.
    static bool FieldMatchesColumn(const Field& field, const DbColumn& column);

private:
    template <class Write> bool WriteScript(CString& failure, Write write);
    void WriteTablesAlterScript(SqlScriptWriter& writer, const std::vector<const Table*>& tables);
    // The table's constraints dropped, then its column changes, each constraint dropped once.
    void WriteChangedTable(SqlScriptWriter& writer, const Table& table, const DbTable& dbTable);
    void WriteColumnChanges(SqlScriptWriter& writer, const Table& table, const DbTable& dbTable,
                            const ConstraintList& droppedBefore);

    ForgeonProject& m_project;
    const DbSchema* m_schema;
    ConstraintQueries* m_constraints;
    int m_changedTables = 0;
};
