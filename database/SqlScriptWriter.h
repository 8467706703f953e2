#pragma once

#include "model/TextFile.h"

class DbSchema;
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
    ~SqlScriptWriter();
    SqlScriptWriter(const SqlScriptWriter&) = delete;
    SqlScriptWriter& operator=(const SqlScriptWriter&) = delete;

    // The whole script, then the file is closed.
    void WriteDatabaseScript();
    // The tables of every module, then the foreign keys of every module.
    void WriteAllTables();
    void WriteModuleTables(const Module& module);
    void WriteModuleForeignKeys(const Module& module);
    // Comment, create statement, primary key and default values of the table.
    void WriteTableScript(const Table& table);
    void WriteForeignKeys(const Table& table);
    void WriteDefaults(const Table& table);
    void WriteUseDatabase();

private:
    void CloseScriptFile();
    void WriteCreateDatabase();
    void WriteCreateTable(const Table& table);
    void WriteColumn(const Field& field);
    void WriteSizePart(const Field& field);
    void WritePrimaryKey(const Table& table);
    void WriteForeignKey(const Table& table, const Field& field);
    void WriteRoles();
    void WriteDefaultAccount();

    ForgeonProject& m_project;
    GenerationReport& m_report;
    CString m_path;
    TextFile m_scriptFile{false, false, '=', 60};
};
