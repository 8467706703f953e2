#pragma once

#include "model/TextFile.h"

#include <vector>

class DbColumn;
class DbSchema;
struct ConstraintList;
class Field;
class ForgeonProject;
class GenerationReport;
class Module;
class Table;

// The SQL Server database script of a project: the database, the tables of every module with
// their keys and default values, the foreign keys, the role rows and the default account; or
// the tables and foreign keys of one module; or one table's section.
class SqlScriptWriter
{
public:
    // Makes the scripts folder of the project and opens the create script there, or the alter
    // script when a schema is given; an existing file is replaced. A file that cannot be opened
    // or written goes to the report.
    SqlScriptWriter(ForgeonProject& project, const DbSchema* schema, GenerationReport& report);
    // The same on a script file of the caller's (one table's script).
    SqlScriptWriter(ForgeonProject& project, const CString& path, GenerationReport& report);
    ~SqlScriptWriter();
    SqlScriptWriter(const SqlScriptWriter&) = delete;
    SqlScriptWriter& operator=(const SqlScriptWriter&) = delete;

    // The whole script, then the file is closed. The project is left as it is.
    void WriteDatabaseScript();
    // The tables of every module, then the foreign keys of every module.
    void WriteAllTables();
    void WriteModuleTables(const Module& module);
    void WriteModuleForeignKeys(const Module& module);
    // Comment, create statement, primary key and default values of the table.
    void WriteTableScript(const Table& table);
    void WriteForeignKeys(const Table& table);
    void WriteDefaults(const Table& table);
    // The unique index of the account table's user name over its live accounts
    // (UniqueUserNameField); nothing for another table.
    void WriteUniqueUserName(const Table& table);
    // Refuses the script without a database name, as WriteDatabaseScript does.
    void WriteUseDatabase();
    void WriteRoles();

    // The statements of the alter script. The column operations take the table's name in
    // lower case.
    void WriteDropConstraints(const ConstraintList& constraints);
    void WriteDropTable(const CString& tableName);
    void WriteNewColumns(const CString& tableName, const std::vector<const Field*>& fields);
    void WriteAlteredColumns(const CString& tableName, const std::vector<const Field*>& fields);
    void WriteDroppedColumns(const CString& tableName, const std::vector<const DbColumn*>& columns);
    void WriteForeignKeysOfTables(const std::vector<const Table*>& tables);
    void WriteDefaultsOfTables(const std::vector<const Table*>& tables);

private:
    void CloseScriptFile();
    // Without a database name (GetDatabaseNameOrDefault) the script is not written: its file is
    // dropped and named with the reason, once. True then.
    bool RefusedWithoutDatabaseName();
    void WriteCreateDatabase();
    void WriteCreateTable(const Table& table);
    void WriteColumn(const Field& field);
    void WriteSizePart(const Field& field);
    void WritePrimaryKey(const Table& table);
    void WriteForeignKey(const Table& table, const Field& field);
    // The heading, when there are tables, and the statement of each table.
    void WriteSectionOfTables(const std::vector<const Table*>& tables, const char* heading,
                              void (SqlScriptWriter::*write)(const Table&));
    // "ALTER TABLE [dbo].[table] " and the rest of the column statement.
    void WriteAlterColumnHead(const CString& tableName, const char* action, const Field& field);
    void WriteDefaultAccount();

    ForgeonProject& m_project;
    GenerationReport& m_report;
    CString m_path;
    TextFile m_scriptFile{false, false, '=', 60};
};
