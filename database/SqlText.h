#pragma once

#include "model/Identifiers.h"
#include "platform/core/CString.h"

#include <vector>

class Field;
class GenerationReport;
class TextFile;
class ForgeonProject;
class Table;

// One row of the roles table that the database scripts write.
struct ScriptRole
{
    int id;
    // Quoted for a literal.
    CString name;
    // "N" for an active role, else "Y".
    const char* deleted;
};

// The roles of the base module, in list order; none without a base module or when it has no
// roles table.
std::vector<ScriptRole> ScriptRoles(const ForgeonProject& project);

// The base module has the account table, and the roles table that the account refers to.
bool HasAccountTables(const ForgeonProject& project);

// The user name column of the base module's account table when an index can keep the names of
// its live (not soft-deleted) accounts unique: a character column of at most 900 bytes in a table
// with "Is_Deleted"; null otherwise.
const Field* UniqueUserNameField(const ForgeonProject& project);

// The administrator account of a new database, without a statement terminator.
inline constexpr const char* defaultAccountInsert =
    "INSERT INTO useraccount(username,password,personnel_role_id) VALUES('admin','',1)";

// Char, varchar, DateTime, text and the unicode character types: their values go into SQL as
// quoted literals; the other types' values are written bare.
bool IsQuotedSqlType(int typeCode);

// The text with every "'" doubled, for a literal written inside '...'.
CString QuotedSqlText(const CString& text);

// The name for a /* */ comment: on one line (control characters shown as \xNN), with no "*/"
// that would end the comment.
CString SqlCommentName(const CString& name);

// "" for the first field of the table referring to the field's referenced field, else "_" and
// the number of earlier fields referring to it, so that constraint names stay unique.
CString ForeignKeyNameSuffix(const Table& table, const Field& field);

// The fields flagged as foreign key that refer to a field of a table, in field order.
std::vector<const Field*> ForeignKeysOf(const Table& table);

// One of the foreign keys refers to a field of the table itself.
bool RefersToItself(const Table& table);

// The fields whose default value, trimmed at both ends, is not empty, in field order.
std::vector<const Field*> FieldsWithDefaults(const Table& table);

// The default value trimmed at both ends.
CString TrimmedDefault(const Field& field);

// Int, bigint, float, Decimal and money: the types whose values are numbers written bare.
bool IsBareSqlNumberType(int typeCode);

// Why the text is no number of the type, empty when it is one: an integer within the range of
// int or bigint; for float, Decimal and money a decimal number, float's with an exponent besides;
// digits after an optional sign, no blank. The other types take no number.
CString RefuseNumberOfType(int typeCode, const CString& value);

// Why the scripts cannot write the field's default value, empty when they can: a type whose value
// is written bare (int, bigint, float, Decimal, money, image) takes only a number of that type
// (an integer within the type's range; for float, Decimal and money a decimal number, float's with
// an exponent besides) and image none, so that no default is read as a statement.
CString RefuseBareDefault(const Field& field);
// The refusal of a script over that default: "the default value "x" of field "f" of table "t"
// ...", empty when the default is written.
CString RefuseScriptDefault(const Field& field);
// Refuses the script at path over each default of the table that RefuseScriptDefault refuses:
// the file is dropped, later text collects in memory, and each field is named in the report.
// True when one was refused.
bool RefuseScriptOverDefaults(const Table& table, TextFile& script, const CString& path,
                              GenerationReport& report);
