#pragma once

#include "platform/core/CString.h"

// Turns an identifier into a label: a capital first, a blank for each "_", a blank before each
// capital that does not follow "_", and a capital after each "_". A name without any lower-case
// letter is returned unchanged.
CString MakeCaption(CString name);

// True when some character is an ASCII lower-case letter.
bool HasLowerCase(CString text);

// True when the name, upper-cased, equals an entry of the SQL reserved-word list.
bool IsSqlKeyword(CString name);

// The name checks the editors compose, each with its own messages.
// True when a character is one of ! " # $ % & ' ( ) * + , . / ; < = > ? @ [ \ ] ^ ` { | } ~;
// the hyphen, colon, underscore, blank and bytes above 127 pass.
bool HasSpecialCharacters(const CString& text);
// The set above and the hyphen: what a menu name may not hold.
bool HasMenuSpecialCharacters(const CString& text);
// True when the text holds a blank or a tab.
bool HasBlanks(const CString& text);
// True when the first character is a digit.
bool StartsWithDigit(const CString& text);

// The rules of a table name typed in the table designer, each found on its own: every name must
// hold no special character and be no SQL reserved word; a new table's name also no blank and
// no digit first.
struct TableNameFaults
{
    bool specialCharacters = false;
    bool sqlKeyword = false;
    bool blanks = false;
    bool digitFirst = false;
};
TableNameFaults FindTableNameFaults(const CString& name);

// Why a table name read from a file is refused, empty when it is kept: what every typed table
// name follows (not empty, no special character, no SQL reserved word), and well-formed UTF-8
// without control characters.
CString RefuseReadTableName(const CString& name);
// Why a module name read from a file is refused, empty when it is kept: not empty, none of the
// characters no file or folder name may hold, well-formed UTF-8 without control characters.
CString RefuseReadModuleName(const CString& name);

// The extension of project files, without the dot.
const CString& GetProjectFileExtension();

// True when the name holds a character no file or folder name may hold: * | / \ < > ? or :.
bool HasInvalidNameCharacter(const CString& name);

// A folder in drive-letter form: no "\\", "/", "*", "|", "?", ">" or "<", and its last ":" is
// the second character ("C:\Projects\"). A UNC path or one without a drive is no location.
bool IsValidLocation(const CString& path);
