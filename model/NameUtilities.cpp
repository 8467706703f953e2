#include "model/NameUtilities.h"

#include "model/Identifiers.h"
#include "platform/core/TextBytes.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <iterator>
#include <string_view>
#include <vector>

namespace
{
// DISTINCT, INITIALLY, INPUT and PREPARE stand twice; "UNNEST " ends with a blank, so UNNEST
// itself is not reserved.
constexpr const char* kReservedWords[] = {
    "ABSOLUTE",
    "ACTION",
    "ADA",
    "ADD",
    "ADMIN",
    "AGGREGATE",
    "ALISE",
    "ALL",
    "ALLOCATE",
    "ALTER",
    "AND",
    "ANY",
    "ARE",
    "ARRAY",
    "AS",
    "ASC",
    "ASSERTION",
    "AT",
    "AUTHORIZATION",
    "AVG",
    "BACKUP",
    "BEGIN",
    "BEFORE",
    "BETWEEN",
    "BINARY",
    "BIT",
    "BIT_LENGTH",
    "BLOB",
    "BOOLEAN",
    "BOTH",
    "BREAK",
    "BREADTH",
    "BROWSE",
    "BULK",
    "BY",
    "CALL",
    "CASCADE",
    "CASCADED",
    "CASE",
    "CAST",
    "CATALOG",
    "CHAR",
    "CHAR_LENGTH",
    "CHECK",
    "CHECKPOINT",
    "CLASS",
    "CLOB",
    "CLOSE",
    "CLUSTERED",
    "COALESCE",
    "COLLATE",
    "COLLATION",
    "COLUMN",
    "COMMIT",
    "COMPLETION",
    "COMPUTE",
    "CONNECT",
    "CONNECTION",
    "CONSTRAINT",
    "CONSTRAINTS",
    "CONTAINS",
    "CONTAINSTABLE",
    "CONTINUE",
    "CONVERT",
    "CONSTRUCTOR",
    "CORRESPONDING",
    "CUBE",
    "CURRENT_PATH",
    "CURRENT_ROLE",
    "COUNT",
    "CREATE",
    "CROSS",
    "CURRENT",
    "CURRENT_DATE",
    "CURRENT_TIME",
    "CURRENT_TIMESTAMP",
    "CURRENT_USER",
    "CURSOR",
    "CYCLE",
    "DATA",
    "DATE",
    "DAY",
    "DATABASE",
    "DBCC",
    "DEALLOCATE",
    "DEC",
    "DECIMAL",
    "DECLARE",
    "DEFAULT",
    "DEFERRABLE",
    "DEFERRED",
    "DEPTH",
    "DEREF",
    "DELETE",
    "DENY",
    "DESC",
    "DESCRIBE",
    "DESCRIPTOR",
    "DESTROY",
    "DESTRUCTOR",
    "DETERMINISTIC",
    "DICTIONARY",
    "DIAGNOSTICS",
    "DISCONNECT",
    "DISTINCT",
    "DISTINCT",
    "DISK",
    "DISTRIBUTED",
    "DOMAIN",
    "DOUBLE",
    "DROP",
    "DUMMY",
    "DUMP",
    "DYNAMIC",
    "EACH",
    "ELSE",
    "END",
    "END-EXEC",
    "EQUALS",
    "ERRLVL",
    "ESCAPE",
    "EVERY",
    "EXCEPT",
    "EXCEPTION",
    "EXEC",
    "EXECUTE",
    "EXISTS",
    "EXTERNAL",
    "EXTRACT",
    "EXIT",
    "FALSE",
    "FETCH",
    "FILE",
    "FILLFACTOR",
    "FIRST",
    "FLOAT",
    "FOR",
    "FOREIGN",
    "FORTRAN",
    "FOUND",
    "FREE",
    "FREETEXT",
    "FREETEXTTABLE",
    "FROM",
    "FULL",
    "FUNCTION",
    "GENERAL",
    "GET",
    "GLOBAL",
    "GO",
    "GOTO",
    "GRANT",
    "GROUP",
    "GROUPING",
    "HAVING",
    "HOLDLOCK",
    "HOST",
    "HOUR",
    "IDENTITY",
    "IDENTITY_INSERT",
    "IDENTITYCOL",
    "IGNORE",
    "IF",
    "IMMEDIATE",
    "IN",
    "INCLUDE",
    "INDEX",
    "INDICATOR",
    "INNER",
    "INITIALLY",
    "INITIALLY",
    "INPUT",
    "INPUT",
    "INSENSITIVE",
    "INSERT",
    "INOUT",
    "INT",
    "INTEGER",
    "INTERSECT",
    "INTERVAL",
    "INITIALIZE",
    "INTO",
    "ITERATE",
    "IS",
    "ISOLATION",
    "JOIN",
    "KEY",
    "KILL",
    "LANGUAGE",
    "LARGE",
    "LAST",
    "LATERAL",
    "LEADING",
    "LEFT",
    "LESS",
    "LEVEL",
    "LIMIT",
    "LIKE",
    "LINENO",
    "LOAD",
    "LOCAL",
    "LOCALTIME",
    "LOCALTIMESTAMP",
    "LOCATOR",
    "LOWER",
    "MAP",
    "MATCH",
    "MAX",
    "MIN",
    "MINUTE",
    "MODIFIES",
    "MODIFY",
    "MODULE",
    "MONTH",
    "NAMES",
    "NATIONAL",
    "NATURAL",
    "NCHAR",
    "NCLOB",
    "NEXT",
    "NEW",
    "NO",
    "NOCHECK",
    "NONE",
    "NONCLUSTERED",
    "NOT",
    "NULL",
    "NULLIF",
    "NUMERIC",
    "OBJECT",
    "OCTET_LENGTH",
    "OLD",
    "OF",
    "OFF",
    "OFFSET",
    "ON",
    "ONLY",
    "OPEN",
    "OPERATION",
    "ORDINALITY",
    "OPENDATASOURCE",
    "OPENQUERY",
    "OPENROWSET",
    "OPENXML",
    "OPTION",
    "OR",
    "ORDER",
    "OUT",
    "OUTER",
    "OUTPUT",
    "OVER",
    "OVERLAPS",
    "PAD",
    "PARAMETER",
    "PARAMETERS",
    "PARTIAL",
    "PATH",
    "PASCAL",
    "PERCENT",
    "PLAN",
    "POSITION",
    "POSTFIX",
    "PRECISION",
    "PREFIX",
    "PREPARE",
    "PREPARE",
    "PRESERVE",
    "PREORDER",
    "PRIMARY",
    "PRINT",
    "PRIOR",
    "PRIVILEGES",
    "PROC",
    "PROCEDURE",
    "PUBLIC",
    "RAISERROR",
    "READ",
    "READS",
    "READTEXT",
    "REAL",
    "RECONFIGURE",
    "RECURSIVE",
    "REF",
    "REFERENCING",
    "REFERENCES",
    "REPLICATION",
    "RELATIVE",
    "RESULT",
    "RESTORE",
    "RESTRICT",
    "RETURN",
    "RETURNS",
    "REVOKE",
    "RIGHT",
    "ROLE",
    "ROLLBACK",
    "ROLEUP",
    "ROUTINE",
    "ROWCOUNT",
    "ROWGUIDCOL",
    "ROW",
    "ROWS",
    "RULE",
    "SAVE",
    "SAVEPOINT",
    "SCHEMA",
    "SCROLL",
    "SCOPE",
    "SEARCH",
    "SECOND",
    "SELECT",
    "SEQUENCE",
    "SECTION",
    "SESSION",
    "SESSION_USER",
    "SET",
    "SETS",
    "SETUSER",
    "SIZE",
    "SHUTDOWN",
    "SMALLINT",
    "SOME",
    "SPACE",
    "SPECIFIC",
    "SPECIFICTYPE",
    "SQL",
    "SQLCA",
    "SQLCODE",
    "SQLERROR",
    "SQLEXCEPTION",
    "SQLSTATE",
    "SQLWARNING",
    "START",
    "STATE",
    "STATEMENT",
    "STATIC",
    "STATISTICS",
    "STRUCTURE",
    "SUBSTRING",
    "SUM",
    "SYSTEM_USER",
    "TABLE",
    "TEMPORARY",
    "TERMINATE",
    "TEXTSIZE",
    "THEN",
    "TIME",
    "TIMESTAMP",
    "TIMEZONE_HOUR",
    "TIMEZONE_MINUTE",
    "TO",
    "TOP",
    "TRALING",
    "TRAN",
    "TRANSACTION",
    "TRANSLATE",
    "TRANSLATION",
    "TREAT",
    "TRIGGER",
    "TRIM",
    "TRUE",
    "TRUNCATE",
    "TSEQUAL",
    "UNDER",
    "UNION",
    "UNIQUE",
    "UNKNOWN",
    "UNNEST ",
    "UPDATE",
    "UPDATETEXT",
    "UPPER",
    "USAGE",
    "USE",
    "USER",
    "USING",
    "VALUE",
    "VALUES",
    "VARCHAR",
    "VARIABLE",
    "VARYING",
    "VIEW",
    "WAITFOR",
    "WHEN",
    "WHENEVER",
    "WHERE",
    "WHILE",
    "WITH",
    "WITHOUT",
    "WRITE",
    "WRITETEXT",
    "WORK",
    "YEAR",
    "ZONE",
};

static_assert(std::size(kReservedWords) == 393);
static_assert(std::ranges::all_of(kReservedWords, [](const char* word)
                                  { return std::string_view(word).size() <= 32; }));

// Character classes of the C locale, whatever locale the process runs in.
bool IsLower(char c)
{
    return c >= 'a' && c <= 'z';
}

bool IsUpper(char c)
{
    return c >= 'A' && c <= 'Z';
}

char ToUpper(char c)
{
    return IsLower(c) ? static_cast<char>(c - 'a' + 'A') : c;
}
} // namespace

CString MakeCaption(CString name)
{
    if (!HasLowerCase(name))
        return name;
    CString caption;
    for (int i = 0; i < name.GetLength(); ++i)
    {
        const char c = name[i];
        const bool afterUnderscore = i > 0 && name[i - 1] == '_';
        if (i == 0)
            caption += ToUpper(c);
        else if (c == '_')
            caption += ' ';
        else if (IsUpper(c))
            caption += afterUnderscore ? CString(c) : ' ' + CString(c);
        else
            caption += afterUnderscore ? ToUpper(c) : c;
    }
    return caption;
}

bool HasLowerCase(CString text)
{
    const std::string& bytes = text.str();
    return std::any_of(bytes.begin(), bytes.end(), IsLower);
}

std::string FoldedName(const CString& name)
{
    return CString(name).MakeLower().str();
}

namespace
{
// The reserved words sorted once, for a binary search.
const std::vector<std::string_view>& SortedReservedWords()
{
    static const std::vector<std::string_view> sorted = []
    {
        std::vector<std::string_view> words(std::begin(kReservedWords), std::end(kReservedWords));
        std::sort(words.begin(), words.end());
        return words;
    }();
    return sorted;
}
} // namespace

std::span<const char* const> SqlReservedWords()
{
    return kReservedWords;
}

bool IsSqlKeyword(const CString& name)
{
    // No reserved word is longer than this: a longer name is none.
    constexpr std::size_t longest = 32;
    const std::size_t length = static_cast<std::size_t>(name.GetLength());
    if (length == 0 || length > longest)
        return false;
    char upper[longest];
    const char* bytes = name.GetString();
    for (std::size_t i = 0; i < length; ++i)
        upper[i] = ToUpper(bytes[i]);
    const std::vector<std::string_view>& words = SortedReservedWords();
    return std::binary_search(words.begin(), words.end(), std::string_view(upper, length));
}

namespace
{
constexpr bool IsPunctuation(unsigned char c)
{
    return (c >= 0x21 && c <= 0x2F) || (c >= 0x3B && c <= 0x40) || (c >= 0x5B && c <= 0x60) ||
           (c >= 0x7B && c <= 0x7E);
}

// What an ASCII byte is to the name rules; a byte above ASCII is none of these.
enum ByteClass : unsigned
{
    specialByte = 1,
    blankByte = 2,
    controlByte = 4,
    pathSeparatorByte = 8,
    quotingByte = 16
};

constexpr std::array<unsigned char, 256> byteClasses = []
{
    std::array<unsigned char, 256> classes{};
    for (unsigned c = 0; c < 0x80; ++c)
    {
        unsigned found = 0;
        if (IsPunctuation(static_cast<unsigned char>(c)) && c != '-' && c != '_')
            found |= specialByte;
        if (c == ' ' || c == '\t')
            found |= blankByte;
        if (c < 0x20 || c == 0x7F)
            found |= controlByte;
        if (c == '/' || c == '\\')
            found |= pathSeparatorByte;
        if (c == '[' || c == ']' || c == '"' || c == '\'' || c == '`')
            found |= quotingByte;
        classes[c] = static_cast<unsigned char>(found);
    }
    return classes;
}();

// The classes of a name's bytes, found in one pass.
struct NameBytes
{
    std::string_view bytes;
    // The classes of its ASCII bytes, or-ed.
    unsigned classes = 0;
    // Some byte is above ASCII: only decoding tells its characters.
    bool wide = false;
};

NameBytes ClassesOf(const CString& name)
{
    NameBytes found{std::string_view(name.GetString(), static_cast<std::size_t>(name.GetLength()))};
    for (const char c : found.bytes)
    {
        const auto byte = static_cast<unsigned char>(c);
        found.classes |= byteClasses[byte];
        found.wide |= byte >= 0x80;
    }
    return found;
}

bool HoldsControlCharacters(const NameBytes& name)
{
    return name.wide ? HasControlCharacter(name.bytes) : (name.classes & controlByte) != 0;
}
} // namespace

bool HasSpecialCharacters(const CString& text)
{
    const NameBytes found = ClassesOf(text);
    return (found.classes & specialByte) != 0 || HoldsControlCharacters(found);
}

bool HasMenuSpecialCharacters(const CString& text)
{
    return HasSpecialCharacters(text) || text.str().find('-') != std::string::npos;
}

bool HasControlCharacters(const CString& text)
{
    return HoldsControlCharacters(ClassesOf(text));
}

bool HasBlanks(const CString& text)
{
    return (ClassesOf(text).classes & blankByte) != 0;
}

bool StartsWithDigit(const CString& text)
{
    return !text.IsEmpty() && text[0] >= '0' && text[0] <= '9';
}

TableNameFaults FindTableNameFaults(const CString& name)
{
    TableNameFaults faults;
    faults.specialCharacters = HasSpecialCharacters(name);
    faults.sqlKeyword = IsSqlKeyword(name);
    faults.blanks = HasBlanks(name);
    faults.digitFirst = StartsWithDigit(name);
    return faults;
}

namespace
{
// What any name read from a file must be: not empty, well-formed UTF-8, no control character.
CString RefuseReadName(const NameBytes& name)
{
    if (name.bytes.empty())
        return "it is empty";
    if (name.wide && !IsValidUtf8(name.bytes))
        return "it holds bytes that are not UTF-8 text";
    if (HoldsControlCharacters(name))
        return "it holds control characters";
    return "";
}

CString RefuseReadName(const CString& name)
{
    return RefuseReadName(ClassesOf(name));
}

CString FaultText(const TableNameFaults& faults)
{
    if (faults.specialCharacters)
        return "it holds special characters";
    if (faults.sqlKeyword)
        return "it is an SQL keyword";
    if (faults.blanks)
        return "it holds blanks";
    if (faults.digitFirst)
        return "it starts with a digit";
    return "";
}
} // namespace

CString RefuseDefaultValue(CString value)
{
    if (value.IsEmpty())
        return "";
    value.Trim();
    return HasSpecialCharacters(value) ? CString("it holds special characters") : CString();
}

CString RefuseDesignedTableName(const CString& name)
{
    return FaultText(FindTableNameFaults(name));
}

CString RefuseWrittenFieldName(const CString& name)
{
    // One pass over the bytes; the doors refused control characters before.
    const unsigned classes = ClassesOf(name).classes;
    TableNameFaults faults;
    faults.specialCharacters = (classes & specialByte) != 0;
    faults.blanks = (classes & blankByte) != 0;
    faults.digitFirst = StartsWithDigit(name);
    return FaultText(faults);
}

CString RefuseIdentifierName(const CString& name)
{
    if (name.IsEmpty())
        return "it is empty";
    if (HasControlCharacters(name))
        return "it holds control characters";
    if (CSharpIdentifierPart(name) != name)
        return "it holds characters other than letters, digits and \"_\"";
    if (StartsWithDigit(name))
        return "it starts with a digit";
    return "";
}

CString RefuseProcedureName(const CString& name)
{
    const CString refusal = RefuseDesignedTableName(name);
    return refusal.IsEmpty() ? RefuseIdentifierName(name) : refusal;
}

CString RefuseVariableName(const CString& name)
{
    if (HasBlanks(name))
        return "it holds blanks";
    if (IsSqlKeyword(name))
        return "it is an SQL keyword";
    return RefuseIdentifierName(name);
}

CString RefuseReadTableName(const CString& name)
{
    const CString refusal = RefuseReadName(name);
    return refusal.IsEmpty() ? RefuseDesignedTableName(name) : refusal;
}

CString RefuseReadFieldName(const CString& name)
{
    const NameBytes found = ClassesOf(name);
    if (const CString refusal = RefuseReadName(found); !refusal.IsEmpty())
        return refusal;
    if ((found.classes & pathSeparatorByte) != 0)
        return "it holds a path separator";
    if ((found.classes & quotingByte) != 0)
        return "it holds a quoting character";
    return "";
}

CString RefuseReadDesignedName(const CString& name)
{
    const CString refusal = RefuseReadName(name);
    if (!refusal.IsEmpty())
        return refusal;
    if (HasSpecialCharacters(name))
        return "it holds special characters";
    return "";
}

namespace
{
// What a name that is one folder's name must be besides: none of the characters no file or
// folder name may hold, neither "." nor "..".
CString RefuseFolderName(const CString& name)
{
    if (HasInvalidNameCharacter(name))
        return "it holds one of * | / \\ < > ? :";
    if (IsDotName(name))
        return "it names no folder of its own";
    return "";
}
} // namespace

CString RefuseReadModuleName(const CString& name)
{
    const CString refusal = RefuseReadName(name);
    if (!refusal.IsEmpty())
        return refusal;
    if (HasBlanks(name))
        return "it holds blanks";
    if (const CString folderRefusal = RefuseFolderName(name); !folderRefusal.IsEmpty())
        return folderRefusal;
    // The solution quotes each project's name and folder, and no Windows folder name holds one.
    if (name.Find('"') >= 0)
        return "it holds \", which no folder name holds";
    return "";
}

CString RefuseFileName(const CString& name)
{
    if (const CString refusal = RefuseReadName(name); !refusal.IsEmpty())
        return refusal;
    if (const CString refusal = RefuseFolderName(name); !refusal.IsEmpty())
        return refusal;
    if (name.Find('"') >= 0)
        return "it holds \", which no file name holds";
    return IsReservedDeviceName(name) ? CString("Windows keeps it for a device") : CString();
}

CString RefuseReadThemeName(const CString& name)
{
    if (name.IsEmpty())
        return "";
    const CString refusal = RefuseReadName(name);
    return refusal.IsEmpty() ? RefuseFolderName(name) : refusal;
}

CString RefuseReadDatabaseName(const CString& name)
{
    if (name.IsEmpty())
        return "";
    const CString refusal = RefuseReadName(name);
    if (!refusal.IsEmpty())
        return refusal;
    return HasInvalidNameCharacter(name) ? CString("it holds one of * | / \\ < > ? :") : CString();
}

CString RefuseReadThemePath(const CString& name)
{
    if (name.IsEmpty())
        return "";
    if (const CString refusal = RefuseReadName(name); !refusal.IsEmpty())
        return refusal;
    if (name.FindOneOf("/\\") >= 0 || name == "." || name == "..")
        return RefuseFolderName(name);
    return "";
}

bool IsReservedDeviceName(const CString& name)
{
    const int dot = name.Find('.');
    CString base = dot < 0 ? name : name.Left(dot);
    base.MakeUpper();
    if (base == "CON" || base == "PRN" || base == "AUX" || base == "NUL")
        return true;
    return base.GetLength() == 4 && (base.Left(3) == "COM" || base.Left(3) == "LPT") &&
           base[3] >= '1' && base[3] <= '9';
}

CString DeviceNameRefusal(const CString& name)
{
    return "\"" + name +
           "\" is a name that Windows keeps for a device: no file of the site can take it. Please "
           "enter another name.";
}

bool IsDotName(const CString& name)
{
    return name == "." || name == "..";
}

CString TypedNameRefusal(const char* what, const CString& reason)
{
    return CString(what) + " name cannot be taken: " + reason + ".\nPlease enter valid name";
}

const CString& GetProjectFileExtension()
{
    static const CString extension("wvt");
    return extension;
}

bool HasInvalidNameCharacter(const CString& name)
{
    return name.FindOneOf("*|/\\<>?:") >= 0 || HasControlCharacters(name);
}

bool IsValidLocation(const CString& path)
{
    return path.Find("\\\\") < 0 && path.FindOneOf("/*|?><") < 0 && path.ReverseFind(':') == 1;
}
