#include "model/Identifiers.h"

#include "model/NameUtilities.h"
#include "platform/core/TextBytes.h"

#include <algorithm>
#include <array>
#include <clocale>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <iterator>
#include <locale.h>
#include <span>
#include <string>
#include <string_view>
#include <unordered_set>
#include <utility>
#include <vector>
#include <wctype.h>

namespace
{
// Sorted; JavaScript compares them with case.
constexpr const char* javaScriptWords[] = {
    "await",     "break",  "case",     "catch",  "class",      "const",   "continue",  "debugger",
    "default",   "delete", "do",       "else",   "enum",       "export",  "extends",   "false",
    "finally",   "for",    "function", "if",     "implements", "import",  "in",        "instanceof",
    "interface", "let",    "new",      "null",   "package",    "private", "protected", "public",
    "return",    "static", "super",    "switch", "this",       "throw",   "true",      "try",
    "typeof",    "var",    "void",     "while",  "with",       "yield",
};
static_assert(std::ranges::is_sorted(cSharpKeywordTable));
static_assert(std::ranges::is_sorted(javaScriptWords, [](const char* a, const char* b)
                                     { return std::string_view(a) < std::string_view(b); }));

// Sorted, in lower case; VBScript compares them without case.
constexpr const char* vbScriptWords[] = {
    "and",    "as",       "byref",   "byval",    "call",    "case",      "class",    "const",
    "dim",    "do",       "each",    "else",     "elseif",  "empty",     "end",      "eqv",
    "erase",  "error",    "exit",    "explicit", "false",   "for",       "function", "get",
    "goto",   "if",       "imp",     "in",       "is",      "let",       "loop",     "me",
    "mod",    "new",      "next",    "not",      "nothing", "null",      "on",       "option",
    "or",     "preserve", "private", "property", "public",  "randomize", "redim",    "rem",
    "resume", "select",   "set",     "stop",     "sub",     "then",      "to",       "true",
    "until",  "wend",     "while",   "with",     "xor",
};
static_assert(std::ranges::is_sorted(vbScriptWords, [](const char* a, const char* b)
                                     { return std::string_view(a) < std::string_view(b); }));

// Sorted; the names the generated pages declare in the methods that also name their controls.
constexpr const char* pageLocals[] = {
    "action", "columnName", "count",       "dataTable", "dbHandler", "dtRecord",
    "id",     "index",      "reqParam",    "s",         "str",       "strA",
    "util",   "val",        "valueString", "values",    "w",
};
// What every word a page's control id may not be is: at most 11 ASCII letters.
constexpr bool IsShortLetterWord(std::string_view word)
{
    return word.size() <= 11 &&
           std::ranges::all_of(word, [](char c)
                               { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); });
}
static_assert(std::ranges::all_of(pageLocals, IsShortLetterWord));
static_assert(std::ranges::all_of(javaScriptWords, IsShortLetterWord));
static_assert(std::ranges::all_of(cSharpKeywordTable, IsShortLetterWord));

template <std::size_t N> bool IsListed(const char* const (&words)[N], std::string_view name)
{
    return std::binary_search(std::begin(words), std::end(words), name,
                              [](std::string_view a, std::string_view b) { return a < b; });
}

// Letters and digits above ASCII, as the C library's UTF-8 locale classes them.
bool IsWideLetterOrDigit(char32_t point)
{
    static const locale_t utf8 = newlocale(LC_CTYPE_MASK, "C.UTF-8", nullptr);
    return point != 0 && utf8 != nullptr && iswalnum_l(static_cast<wint_t>(point), utf8) != 0;
}

// The name with each character no identifier holds as "_"; above ASCII, letters and digits
// are kept when wide is set.
std::string IdentifierCharacters(const CString& name, bool wide)
{
    const std::string_view bytes(name.GetString(), static_cast<std::size_t>(name.GetLength()));
    std::string out;
    out.reserve(bytes.size());
    for (std::size_t at = 0; at < bytes.size();)
    {
        const auto c = static_cast<unsigned char>(bytes[at]);
        if (c < 0x80)
        {
            out += IsAsciiLetter(c) || IsAsciiDigit(c) || c == '_' ? static_cast<char>(c) : '_';
            ++at;
            continue;
        }
        const DecodedCharacter character = FirstCharacter(bytes.substr(at));
        const std::size_t length = character.length != 0 ? character.length : 1;
        out += wide && character.length != 0 && IsWideLetterOrDigit(character.code)
                   ? bytes.substr(at, length)
                   : std::string_view("_");
        at += length;
    }
    return out;
}

// The name's bytes are ASCII letters, digits and "_" only: no character to change.
bool IsAsciiWord(std::string_view bytes)
{
    return std::ranges::all_of(bytes,
                               [](char c)
                               {
                                   return IsAsciiLetter(static_cast<unsigned char>(c)) ||
                                          IsAsciiDigit(static_cast<unsigned char>(c)) || c == '_';
                               });
}

// An ASCII word that does not start with a digit: an identifier as it stands, but for words a
// language reserves.
bool IsAsciiIdentifier(std::string_view bytes)
{
    return !bytes.empty() && IsAsciiWord(bytes) &&
           !IsAsciiDigit(static_cast<unsigned char>(bytes[0]));
}

std::string_view BytesOf(const CString& name)
{
    return {name.GetString(), static_cast<std::size_t>(name.GetLength())};
}

// The words a page control's id may not be: the keywords of C# and JavaScript and the names the
// pages declare beside the controls.
bool IsPageReservedWord(std::string_view word)
{
    struct Words
    {
        std::unordered_set<std::string_view> all;
        // For each first letter, a bit for each length of a word that starts with it: most names
        // are told apart from every word without a look-up.
        std::array<std::uint16_t, 26> lengths{};
    };
    static const Words words = []
    {
        Words found;
        found.all.insert(std::begin(javaScriptWords), std::end(javaScriptWords));
        found.all.insert(std::begin(pageLocals), std::end(pageLocals));
        for (const std::string_view keyword : cSharpKeywordTable)
        {
            if (IsCSharpKeyword(keyword))
                found.all.insert(keyword);
        }
        for (const std::string_view each : found.all)
            found.lengths[static_cast<std::size_t>(each.front() - 'a')] |=
                static_cast<std::uint16_t>(1u << each.size());
        return found;
    }();
    // Every such word is of ASCII letters alone, starts with a lower-case one and is at most 11
    // long.
    return !word.empty() && word.size() <= 11 && word.front() >= 'a' && word.front() <= 'z' &&
           (words.lengths[static_cast<std::size_t>(word.front() - 'a')] >> word.size() & 1u) != 0 &&
           std::ranges::all_of(word, [](char c)
                               { return IsAsciiLetter(static_cast<unsigned char>(c)); }) &&
           words.all.contains(word);
}

// The identifier with the letter before it unless it starts with an ASCII letter.
std::string LetterFirst(std::string identifier, char letter)
{
    if (identifier.empty() || !IsAsciiLetter(static_cast<unsigned char>(identifier.front())))
        identifier.insert(identifier.begin(), letter);
    return identifier;
}

bool IsHexDigit(char c)
{
    return IsAsciiDigit(static_cast<unsigned char>(c)) || (c >= 'a' && c <= 'f') ||
           (c >= 'A' && c <= 'F');
}

// The text starts with "_x", four hex digits and "_": what XmlName writes for an escaped
// character.
bool StartsXmlEscape(std::string_view text)
{
    return text.size() >= 7 && text.starts_with("_x") && IsHexDigit(text[2]) &&
           IsHexDigit(text[3]) && IsHexDigit(text[4]) && IsHexDigit(text[5]) && text[6] == '_';
}

// A character as XmlName escapes it: "_x", four hex digits, or eight above U+FFFF, and "_".
std::string XmlEscape(unsigned long code)
{
    char text[16];
    std::snprintf(text, sizeof text, code > 0xFFFF ? "_x%08lX_" : "_x%04lX_", code);
    return text;
}

std::string LowerCased(std::string text)
{
    for (char& c : text)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return text;
}
} // namespace

CString SqlServerName(const CString& name)
{
    std::string quoted;
    quoted.reserve(static_cast<std::size_t>(name.GetLength()) + 2);
    quoted += '[';
    for (const char c : BytesOf(name))
    {
        quoted += c;
        if (c == ']')
            quoted += ']';
    }
    quoted += ']';
    return CString(quoted);
}

CString SqlProcedureName(CString name)
{
    name.Replace(' ', '_');
    return name;
}

CString SqlServerCalledName(const CString& name)
{
    if (IsAsciiIdentifier(BytesOf(name)) && !IsSqlKeyword(name))
        return name;
    return SqlServerName(name);
}

CString PgSqlName(const CString& name)
{
    CString quoted(LowerCased(name.str()));
    quoted.Replace("\"", "\"\"");
    return "\"" + quoted + "\"";
}

bool IsCSharpKeyword(std::string_view name)
{
    return name != "partial" &&
           std::binary_search(cSharpKeywordTable.begin(), cSharpKeywordTable.end(), name);
}

bool IsCSharpIdentifier(const CString& name)
{
    return !name.IsEmpty() && CSharpIdentifier(name) == name;
}

namespace
{
// A keyword, or "await", which compilers read as an operator where an expression holds the name.
bool NeedsVerbatimPrefix(std::string_view name)
{
    return IsCSharpKeyword(name) || name == "await";
}
} // namespace

CString CSharpIdentifier(const CString& name)
{
    if (const std::string_view bytes = BytesOf(name); IsAsciiIdentifier(bytes))
        return NeedsVerbatimPrefix(bytes) ? "@" + name : name;
    std::string identifier = IdentifierCharacters(name, /*wide=*/true);
    if (identifier.empty() || IsAsciiDigit(static_cast<unsigned char>(identifier.front())))
        identifier.insert(identifier.begin(), '_');
    else if (NeedsVerbatimPrefix(identifier))
        identifier.insert(identifier.begin(), '@');
    return CString(identifier);
}

CString CSharpTypeName(const CString& name)
{
    const CString identifier = CSharpIdentifier(name);
    return identifier.Left(1) == "@" ? identifier.Mid(1) : identifier;
}

CString CSharpIdentifierPart(const CString& name)
{
    if (IsAsciiWord(BytesOf(name)))
        return name;
    return CString(IdentifierCharacters(name, /*wide=*/true));
}

CString SqlServerVariable(const CString& name)
{
    return "@" + CSharpIdentifierPart(name);
}

std::span<const char* const> JavaScriptReservedWords()
{
    return javaScriptWords;
}

CString JavaScriptIdentifier(const CString& name)
{
    std::string identifier = IdentifierCharacters(name, /*wide=*/true);
    if (identifier.empty() || IsAsciiDigit(static_cast<unsigned char>(identifier.front())))
        identifier.insert(identifier.begin(), '_');
    else if (IsListed(javaScriptWords, identifier))
        identifier += '_';
    return CString(identifier);
}

CString PageControlId(const CString& name)
{
    if (const std::string_view bytes = BytesOf(name); IsAsciiIdentifier(bytes))
        return IsPageReservedWord(bytes) ? name + "_" : name;
    std::string identifier = IdentifierCharacters(name, /*wide=*/true);
    if (identifier.empty() || IsAsciiDigit(static_cast<unsigned char>(identifier.front())))
        identifier.insert(identifier.begin(), '_');
    else if (IsPageReservedWord(identifier))
        identifier += '_';
    return CString(identifier);
}

bool IsPageIdentifierAsItStands(const CString& name)
{
    const std::string_view bytes = BytesOf(name);
    return IsAsciiIdentifier(bytes) && !IsPageReservedWord(bytes);
}

CString XmlName(const CString& name)
{
    const std::string_view bytes = BytesOf(name);
    if (bytes.empty())
        return "_";
    std::string out;
    out.reserve(bytes.size());
    for (std::size_t at = 0; at < bytes.size();)
    {
        const auto c = static_cast<unsigned char>(bytes[at]);
        const bool kept = IsAsciiLetter(c) || (c == '_' && !StartsXmlEscape(bytes.substr(at))) ||
                          (at != 0 && (IsAsciiDigit(c) || c == '-' || c == '.'));
        if (kept)
        {
            out += static_cast<char>(c);
            ++at;
            continue;
        }
        const DecodedCharacter character = FirstCharacter(bytes.substr(at));
        const bool decoded = c >= 0x80 && character.length != 0;
        out += XmlEscape(decoded ? static_cast<unsigned long>(character.code) : c);
        at += decoded ? character.length : 1;
    }
    return CString(out);
}

CString ReportName(const CString& name)
{
    return CString(LetterFirst(IdentifierCharacters(name, /*wide=*/false), 'r'));
}

CString VBScriptIdentifier(const CString& name)
{
    std::string identifier = IdentifierCharacters(name, /*wide=*/false);
    if (IsListed(vbScriptWords, LowerCased(identifier)))
        identifier.insert(identifier.begin(), 'v');
    return CString(LetterFirst(std::move(identifier), 'v'));
}
