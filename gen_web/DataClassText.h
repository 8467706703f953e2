#pragma once

#include "platform/core/CString.h"

class Field;
class ForgeonProject;
class Table;

// SQL texts of the generated data classes, which build their statements by concatenating their
// members (MemberName) into these texts. Table and column names are quoted (SqlServerName), so
// that reserved words and names such as "a-b" stay names.

// The INSERT column list: every column but the key columns, joined by ",".
CString InsertColumnList(const Table& table);
// The INSERT value list: the member of every column but the primary key, joined by ",".
CString InsertValueList(const Table& table);
// The UPDATE set list over the columns but key and Is_Deleted. The column named
// newPasswordColumn (none when empty) takes its value from m_newPassword.
CString UpdateSetList(const Table& table, const CString& newPasswordColumn = CString());

// The select of SelectAllRecords: every column (dates as mm/dd/yyyy), the display column of
// each referenced table under an alias tbl0, tbl1 ... and its join; no where part. Empty when
// the table's class has no "SelectAllRecords" function.
CString JoinedSelect(const ForgeonProject& project, Table& table);
// "SELECT" and every column, dates as mm/dd/yyyy; "SELECT *" when the table has no DateTime
// column.
CString SingleTableSelectList(const Table& table);

// The data class member of a column: "m_" and the name as identifier characters.
CString MemberName(const Field& field);
// A local variable named after a column: the name as a C# identifier.
CString LocalName(const Field& field);

// The C# name of the table's data class, looked up without making one (a page writer leaves the
// model as it is); without a class, the name the data class writer gives the class it makes:
// "_" and the table name.
CString GetDataClassName(const ForgeonProject& project, const Table& table);
