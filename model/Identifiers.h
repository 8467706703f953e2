#pragma once

#include "platform/core/CString.h"

#include <array>
#include <span>
#include <string_view>

// How a name of the model becomes an identifier of each language the generators write: one rule
// per language. A name that is an identifier already comes out unchanged.

// SQL Server: in brackets, each "]" doubled.
CString SqlServerName(const CString& name);
// SQL Server, the name a procedure of the model is created under: its blanks as "_".
CString SqlProcedureName(CString name);
// SQL Server, a name as a statement calls it: bare when it is a regular identifier (an ASCII
// letter or "_" first, then ASCII letters, digits and "_", no reserved word), else as
// SqlServerName writes it.
CString SqlServerCalledName(const CString& name);
// SQL Server, a parameter or local variable of a procedure made from a name: "@" and the
// characters as CSharpIdentifierPart writes them.
CString SqlServerVariable(const CString& name);
// PostgreSQL: in double quotes, each '"' doubled, and ASCII letters in lower case, as PostgreSQL
// folds a name written without quotes.
CString PgSqlName(const CString& name);

// C#: each character that no identifier holds (an ASCII one other than a letter, a digit or "_",
// or one above ASCII that is no letter or digit) becomes "_", "_" stands before a digit first,
// and "@" before a keyword or "await". An empty name gives "_".
CString CSharpIdentifier(const CString& name);
// The name of the type or namespace that CSharpIdentifier declares, as the runtime and the
// files that name it by text (a page's Inherits, a project's root namespace) read it: without
// the "@" that lets a keyword stand as a name in C# code.
CString CSharpTypeName(const CString& name);
// C#, the part of an identifier after a prefix of letters ("m_" + part): the characters as above.
CString CSharpIdentifierPart(const CString& name);
// The keywords of C#, the contextual "partial" among them, sorted by byte value.
inline constexpr std::array<std::string_view, 78> cSharpKeywordTable = {
    "abstract",  "as",       "base",       "bool",     "break",     "byte",     "case",
    "catch",     "char",     "checked",    "class",    "const",     "continue", "decimal",
    "default",   "delegate", "do",         "double",   "else",      "enum",     "event",
    "explicit",  "extern",   "false",      "finally",  "fixed",     "float",    "for",
    "foreach",   "goto",     "if",         "implicit", "in",        "int",      "interface",
    "internal",  "is",       "lock",       "long",     "namespace", "new",      "null",
    "object",    "operator", "out",        "override", "params",    "partial",  "private",
    "protected", "public",   "readonly",   "ref",      "return",    "sbyte",    "sealed",
    "short",     "sizeof",   "stackalloc", "static",   "string",    "struct",   "switch",
    "this",      "throw",    "true",       "try",      "typeof",    "uint",     "ulong",
    "unchecked", "unsafe",   "ushort",     "using",    "virtual",   "void",     "volatile",
    "while"};
// True for the 77 words C# reserves, every keyword of the table but "partial": no identifier
// may be one without "@".
bool IsCSharpKeyword(std::string_view name);
// True for a name that is a C# identifier as it stands: a letter or "_", then letters, digits and
// "_", no keyword.
bool IsCSharpIdentifier(const CString& name);

// The words JavaScript reserves, sorted; JavaScript compares them with case.
std::span<const char* const> JavaScriptReservedWords();
// JavaScript, and the ids of HTML elements that scripts name: the characters as in C#, "_"
// before a digit first, and "_" after a reserved word.
CString JavaScriptIdentifier(const CString& name);

// The id of a page's control, which its page's C# code, its scripts and its markup name: the
// characters as in C#, "_" before a digit first, and "_" after a keyword of C# or JavaScript or a
// name the generated pages declare beside their controls ("values", "util", ...).
CString PageControlId(const CString& name);

// True when PageControlId and CSharpIdentifierPart write the name as it stands: ASCII letters,
// digits and "_", no digit first, no word a page's control id may not be. Two such names give the
// same identifiers only when they are the same name.
bool IsPageIdentifierAsItStands(const CString& name);

// XML, the name of an element or the value of an ID: each character no name without a prefix
// holds (one other than an ASCII letter, digit, "_", or "-" and "." after the first), and each
// "_" that starts such an escape, as "_x", its code point in four (or eight) hex digits and "_";
// reading the name decodes it back to the name. An empty name gives "_".
CString XmlName(const CString& name);

// Report definitions, the names of their data sets, fields and report items: only ASCII letters,
// digits and "_", a letter first ("r" stands before another first character).
CString ReportName(const CString& name);

// VBScript: only ASCII letters, digits and "_", a letter first ("v" stands before another first
// character), and "v" before a reserved word.
CString VBScriptIdentifier(const CString& name);
