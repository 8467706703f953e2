#pragma once

#include "gen_web/AspxWriter.h"
#include "platform/core/CString.h"

class Field;
class Table;

// The common ground of the data-class writers: the names of the table being written, the
// blocks that the per-table, master-detail and login classes share, and the module's "CS"
// folder. Request values reach SQL only through the generated UtilHandler: ToSqlNumber for
// keys and numbers, ReplaceSingleQuoteInString for everything inside N'...'.
class TableClassWriter : public AspxWriter
{
protected:
    TableClassWriter(ForgeonProject* project, FormInterface* page, GenerationReport& report);

    // Takes the table and works out its names; the table's data class is made when it has
    // none. False, with the class file listed in the report, when the table has no key field.
    bool SetTable(Table& table);

    // "namespace", the class line and the braces.
    void WriteClassHead();
    void WriteClassFoot();
    // The INSERT statement over two lines at level 3, the second ending with valuesTail, run
    // with the select of the new row's identity under the column name; the identity goes to
    // the key member.
    void WriteInsertReadingKey(const char* valuesTail, const char* identityName,
                               const CString& keyMember);
    // The INSERT statement, the select of the identity under the column name and the DBHandler,
    // at level 3, not yet run.
    void WriteInsertStatements(const char* valuesTail, const char* identityName);
    // SetValues' lines for one column: the posted value, quoted and its quotes doubled for a
    // quoted type, checked as a number otherwise; with useDefault the member keeps its
    // default when nothing is posted.
    void WriteSetValueLines(const Field& field, bool useDefault);
    // The null guard of a posted key (nullValue in its place), then its number check: a key
    // that is not a number becomes "0".
    void WriteKeyCheck(const CString& key, const char* nullValue);
    // getRecords, which runs a query through DBHandler.
    void WriteGetRecords();
    // SelectAllRecords with the query.
    void WriteSelectAllRecords(const CString& query);
    // SetPrimaryKey into the member, a key that is not a number becoming "0".
    void WriteSetPrimaryKey(const CString& member);
    // SelectRecordFor<column>: the rows whose foreign key is the id.
    void WriteSelectRecordFor(const Field& foreignKey);
    // SelectRecord: the row whose key is the id; whereTail follows the key comparison.
    void WriteSelectRecord(const CString& whereTail);
    // SelectRecordForMultiParam, the rows matching all foreign keys at once, when the table's
    // class has that function with at least two parameters; with softDeleteFilter the query
    // also leaves out soft-deleted rows.
    void WriteSelectRecordForMultiParam(bool softDeleteFilter);
    // Saves the collected text as the table's class file in the module's "CS" folder.
    void SaveClassFile();

    Table* m_table = nullptr;
    // The names as they stand, for comments and file names.
    CString m_tableName;
    CString m_key;
    // The names in the SQL the class runs (SqlServerName), the key's member and the class's C#
    // name.
    CString m_sqlTable;
    CString m_sqlKey;
    CString m_keyMember;
    CString m_className;
};
