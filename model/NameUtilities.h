#pragma once

#include "platform/core/CString.h"

#include <span>
#include <string>

// Turns an identifier into a label: a capital first, a blank for each "_", a blank before each
// capital that does not follow "_", and a capital after each "_". A name without any lower-case
// letter is returned unchanged.
CString MakeCaption(CString name);

// The name as the designers and a Windows folder compare names: ASCII letters folded.
std::string FoldedName(const CString& name);

// True when some character is an ASCII lower-case letter.
bool HasLowerCase(CString text);

// The SQL reserved-word list, in upper case.
std::span<const char* const> SqlReservedWords();
// True when the name, upper-cased, equals an entry of the SQL reserved-word list.
bool IsSqlKeyword(const CString& name);

// The name checks the editors compose, each with its own messages.
// True when a character is one of ! " # $ % & ' ( ) * + , . / ; < = > ? @ [ \ ] ^ ` { | } ~ or a
// control character (HasControlCharacters); the hyphen, colon, underscore, blank and other
// characters above 127 pass.
bool HasSpecialCharacters(const CString& text);
// The set above and the hyphen: what a menu name may not hold.
bool HasMenuSpecialCharacters(const CString& text);
// True when the text, read as UTF-8, holds a control character: C0, DEL, C1, a line or paragraph
// separator or a bidirectional format (IsControlCharacter of platform/core/TextBytes).
bool HasControlCharacters(const CString& text);
// True when the text holds a blank or a tab.
bool HasBlanks(const CString& text);
// True when the first character is a digit.
bool StartsWithDigit(const CString& text);

// Why the name is no name that every language of the generated code takes as it stands (a
// variable of the scripts, a function of the classic pages): it is empty, holds control
// characters or another character that is no letter, digit or "_", or starts with a digit; empty
// when it is such a name.
CString RefuseIdentifierName(const CString& name);
// Why a procedure name typed in the procedure editor is refused, empty when it is taken: the
// table designer's rules (RefuseDesignedTableName) and RefuseIdentifierName, so that every script
// and page calls it by the name it was given. The writers make an identifier of a name a file
// brings.
CString RefuseProcedureName(const CString& name);
// Why a typed variable or parameter name, which the scripts write after "@", is refused: no
// blank, no SQL reserved word, RefuseIdentifierName; empty when it is taken.
CString RefuseVariableName(const CString& name);

// Why a field's default value is refused, empty when it is taken: trimmed at both ends, it holds
// no special character (HasSpecialCharacters), as the table designer takes a typed one and every
// door takes one from a file.
CString RefuseDefaultValue(CString value);

// The rules of a table name typed in the table designer, each found on its own: every name must
// hold no special character and be no SQL reserved word; a new table's name also no blank and
// no digit first. A field name typed there follows all four.
struct TableNameFaults
{
    bool specialCharacters = false;
    bool sqlKeyword = false;
    bool blanks = false;
    bool digitFirst = false;
};
TableNameFaults FindTableNameFaults(const CString& name);

// Why a table name read from a file is refused, empty when it is kept: what a table name typed
// in the table designer follows (not empty, no special character, no SQL reserved word, no blank,
// no digit first), and well-formed UTF-8 without control characters.
CString RefuseReadTableName(const CString& name);
// Why a table or field name breaks those four rules ("it holds blanks", ...), empty when it keeps
// them.
CString RefuseDesignedTableName(const CString& name);
// Why the generated code cannot take a field name that breaks those rules, empty when it can:
// all but an SQL keyword, which the scripts and the data classes quote and which projects keep as
// their databases' column names.
CString RefuseWrittenFieldName(const CString& name);
// Why a field name read from a file, or any name read from a database's catalogue (a table,
// column, trigger or constraint), is refused, empty when it is kept: not empty, well-formed UTF-8
// without control characters (line breaks among them), none of the path separators / \ nor the
// quoting characters [ ] " ' `, which no build took. Blanks pass. A name that
// breaks the generated code's field rule besides (RefuseWrittenFieldName), as earlier builds
// took, is kept for Write All to refuse until it is renamed.
CString RefuseReadFieldName(const CString& name);
// Why a page or dashboard name read from a file is refused, empty when it is kept: what the
// report, form and dashboard designers take (not empty, no special character), well-formed UTF-8
// without control characters.
CString RefuseReadDesignedName(const CString& name);
// Why a module name read from a file is refused, empty when it is kept: what Rename Module takes
// (not empty, no blank, none of the characters no file or folder name may hold nor '"', neither
// "." nor ".."), well-formed UTF-8 without control characters. Project Properties takes a project
// name, which names the project's folder, by the same rule.
CString RefuseReadModuleName(const CString& name);
// Why the name is no name of a file or folder of a site on a Windows host, empty when it is one:
// not empty, well-formed UTF-8 without control characters, none of * | / \ < > ? : ", neither
// "." nor "..", no name Windows keeps for a device.
CString RefuseFileName(const CString& name);
// Why a theme or colour-scheme name is no folder of the program's themes folder, empty when it is
// one: none (no theme chosen), or the name of one folder as the themes folder holds them
// (well-formed UTF-8 without control characters, none of * | / \ < > ? :, neither "." nor ".."),
// never a path.
CString RefuseReadThemeName(const CString& name);
// Why a database name read from a file is refused, empty when it is kept: none, or what Project
// Properties takes (none of the characters no file or folder name may hold), well-formed UTF-8
// without control characters.
CString RefuseReadDatabaseName(const CString& name);
// Why a theme or colour-scheme name read from a file refuses the file: it is no well-formed UTF-8
// without control characters, or it is a path or "." or "..", which lead out of the themes
// folder. Other names RefuseReadThemeName refuses, which earlier versions took from folder
// names, are read.
CString RefuseReadThemePath(const CString& name);

// True when Windows keeps the name for a device, so that no file of a site on a Windows host can
// take it: CON, PRN, AUX, NUL, COM1 to COM9 or LPT1 to LPT9, in any case, alone or before an
// extension.
bool IsReservedDeviceName(const CString& name);
// What the designers say when a new name is one that Windows keeps for a device.
CString DeviceNameRefusal(const CString& name);

// True for "." and "..", which name no folder of their own.
bool IsDotName(const CString& name);
// What Rename Module and Project Properties say of such a name.
inline constexpr const char* dotNameRefusal =
    "\".\" and \"..\" name no folder of their own.\nPlease enter valid name";

// What Rename Module and Project Properties say of a typed name ("Module", "Project") that
// RefuseReadModuleName refuses for a reason their own messages do not name.
CString TypedNameRefusal(const char* what, const CString& reason);

// The extension of project files, without the dot.
const CString& GetProjectFileExtension();

// True when the name holds a character no file or folder name may hold: * | / \ < > ? :, or a
// control character.
bool HasInvalidNameCharacter(const CString& name);

// A folder in drive-letter form: no "\\", "/", "*", "|", "?", ">" or "<", and its last ":" is
// the second character ("C:\Projects\"). A UNC path or one without a drive is no location.
bool IsValidLocation(const CString& path);
