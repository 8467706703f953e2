#pragma once

#include "model/TextFile.h"

class Field;
class ForgeonProject;
class GenerationReport;
class Module;
class Table;

// The PostgreSQL create-tables script "_system/scripts/KestraneWeavo_PGSQL_CreateTables.sql" of
// the project folder: every module's tables with their keys and default values, then the
// foreign keys of them all, so that a table may refer to one of a later module; then the roles
// and the administrator account that the SQL Server script writes.
class PgSqlScriptWriter
{
public:
    // Opens the script, replacing it; a file that cannot be opened or written goes to the
    // report.
    PgSqlScriptWriter(const ForgeonProject& project, GenerationReport& report);
    ~PgSqlScriptWriter();
    PgSqlScriptWriter(const PgSqlScriptWriter&) = delete;
    PgSqlScriptWriter& operator=(const PgSqlScriptWriter&) = delete;

    // The whole script, then the file is closed.
    void Write();

private:
    void CloseScriptFile();
    void WriteModuleTables(const Module& module);
    void WriteTableSection(const Table& table);
    void WriteCreateTable(const Table& table);
    void WriteColumn(const Field& field);
    // Type and size of a field other than the key column.
    void WriteColumnType(const Field& field);
    void WritePrimaryKey(const Table& table);
    void WriteDefaults(const Table& table);
    // The unique index of the account table's user name over its live accounts
    // (UniqueUserNameField); nothing for another table.
    void WriteUniqueUserName(const Table& table);
    void WriteModuleForeignKeys(const Module& module);
    void WriteForeignKeys(const Table& table);
    void WriteForeignKey(const Table& table, const Field& field);
    // Each role updated when its number is there, else inserted.
    void WriteRoles();
    void WriteDefaultAccount();
    // The PostgreSQL type name of the field's type.
    CString ColumnType(const Field& field) const;

    const ForgeonProject& m_project;
    GenerationReport& m_report;
    CString m_path;
    TextFile m_scriptFile{false, false, '=', 60};
};
