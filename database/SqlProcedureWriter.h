#pragma once

#include "model/TextFile.h"

#include <vector>

class Field;
class ForgeonProject;
class GenerationReport;
class Module;
class Procedure;
class Table;
class Variable;

// The SQL Server text of stored procedures: collected in memory for the procedure editor, or
// written into the procedure file of one table.
class SqlProcedureWriter
{
public:
    // No file: the text collects in memory.
    explicit SqlProcedureWriter(const ForgeonProject& project);
    ~SqlProcedureWriter();
    SqlProcedureWriter(const SqlProcedureWriter&) = delete;
    SqlProcedureWriter& operator=(const SqlProcedureWriter&) = delete;

    // Appends the procedure's script. A text edited by hand and accepted in the procedure editor
    // (its text flag set) is written as it was kept: whole when it creates the procedure itself,
    // else as the body of the generated text's frame (its lines up to "AS"); a line "GO" ends it
    // when it has none. Otherwise the generated text.
    void WriteProcedure(const Procedure& procedure);
    // Appends the procedure's text as the model makes it: an insert, update or delete procedure
    // by its main table's kind, every other procedure as a select.
    void WriteGeneratedProcedure(const Procedure& procedure);
    // The text collected while no file was open.
    CString GetProcedureText() const;
    // The table's procedure file: every procedure of the module on the table whose write flag
    // is set, in list order. A file that cannot be opened or written goes to the report.
    void WriteTableProcedureFile(const Module& module, const Table& table,
                                 GenerationReport& report);
    // The project's "Scripts" folder: "<project path>Scripts\".
    CString TableProcedureFolder() const;
    // The table's procedure file in that folder.
    CString TableProcedureFilePath(const Table& table) const;

private:
    struct Parameter
    {
        const Field* field;
        const Variable* variable;
    };

    // The generated text's lines up to and including "AS"; the procedure's comment, CREATE line
    // and "AS" when the model writes no text for it.
    CString GeneratedFrame(const Procedure& procedure) const;
    void WriteInsertFamily(const Procedure& procedure, const Table& table);
    void WriteUpdateFamily(const Procedure& procedure, const Table& table);
    void WriteDeleteFamily(const Procedure& procedure, const Table& table);
    void WriteSelect(const Procedure& procedure);

    void WritePlainInsert(const Procedure& procedure, const Table& table);
    void WriteBasicInsert(const Procedure& procedure, const Table& table);
    void WriteMapInsert(const Procedure& procedure, const Table& table, const Table& master);
    void WritePlainUpdate(const Procedure& procedure, const Table& table);
    void WriteMapUpdate(const Procedure& procedure, const Table& table, const Table& master);
    void WritePlainDelete(const Procedure& procedure, const Table& table);
    void WriteBasicDelete(const Procedure& procedure, const Table& table);

    void WriteHead(const Procedure& procedure);
    void WriteParameterBlocks(const std::vector<std::vector<Parameter>>& blocks);
    void WriteTransactionStart();
    void WriteInsertStatement(const Procedure& procedure, const Table& table);
    void WriteUpdateStatement(const Procedure& procedure, const Table& table);
    void WriteInfoResult();
    void WriteDeleteHead(const Procedure& procedure, const Table& table);
    void WriteSoftDelete(const Table& table, const CString& column, const CString& variable);
    void WriteDeleteEnd();
    void WriteSelectList(const Procedure& procedure, const Table* table);
    void WriteJoins(const Procedure& procedure);
    void WriteWhereClause(const Procedure& procedure, const Table& table);

    // The fields of the table with a parameter variable, the key field only with key,
    // "Is_Deleted" never.
    static std::vector<Parameter> ParametersOf(const Procedure& procedure, const Table& table,
                                               bool withKey);
    // The table of the bottom master form of the table's map form; null when none.
    const Table* BottomMasterTable(const Table& table) const;

    const ForgeonProject& m_project;
    TextFile m_procedureFile{false, false, '=', 60};
};
