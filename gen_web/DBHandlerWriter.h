#pragma once

#include "platform/core/CString.h"

#include <vector>

class ForgeonProject;
class TextFile;

// Util\DBHandler.cs: the generated application's only database access class. Every method
// closes its connection on every path: in a finally block, or, for the data reader, when the
// reader is closed. A page's save opens a transaction for the request (BeginSave), in which
// every method then runs until the save is committed or ended.
class DBHandlerWriter
{
public:
    DBHandlerWriter(const ForgeonProject& project, TextFile& file);

    void Write();

private:
    void WriteHead();
    void WriteConstructor();
    // OpenSave, BeginSave, CommitSave and EndSave.
    void WriteSave();
    // The lines that a method runs instead, in the save, when the request has one open.
    void WriteInOpenSave(const std::vector<CString>& lines);
    // "SqlConnection <name>", "try", "{" and its Open.
    void WriteOpenConnection(const char* name);
    // A command bound to the connection and a new transaction.
    void WriteCommandInTransaction();
    // The query run as a non-query in the transaction, then committed.
    void WriteNonQueryInTransaction();
    // The end of the try block and a finally block that closes the connection.
    void WriteCloseConnection(const char* name);
    void WriteExecuteNonQueryOnMaster();
    void WriteExecuteQuery();
    void WriteScaler();
    void WriteInsertSelect();
    // The query run in a transaction, then the table that fillQuery selects returned.
    void WriteNonQueryThenFill(const char* signature, const char* fillQuery);
    void WriteInsertSelectThenUpdate();
    void WriteExecuteNonQueryOnTransaction();
    void WriteGetSQLDataReader();
    void WriteExecuteRDLCQuery();

    TextFile& m_file;
    CString m_namespace;
};
