#pragma once

#include "gen_reports/CSharpSymbol.h"

#include <cstddef>
#include <cstdio>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

// Token codes of the C# scanner. A single character of ". ; : ( ) { } < > + - * / % & | ! ~ ^ =
// ?" is its own code; end of input is 0.
namespace CSharpToken
{
enum : int
{
    EndOfInput = 0,
    RankSpecifier = 258,
    Identifier,
    IntegerLiteral,
    RealLiteral,
    CharacterLiteral,
    StringLiteral,
    // The keywords, alphabetical, from "abstract" (264) to "while" (341).
    Abstract = 264,
    As,
    Base,
    Bool,
    Break,
    Byte,
    Case,
    Catch,
    Char,
    Checked,
    Class,
    Const,
    Continue,
    Decimal,
    Default,
    Delegate,
    Do,
    Double,
    Else,
    Enum,
    Event,
    Explicit,
    Extern,
    False,
    Finally,
    Fixed,
    Float,
    For,
    Foreach,
    Goto,
    If,
    Implicit,
    In,
    Int,
    Interface,
    Internal,
    Is,
    Lock,
    Long,
    Namespace,
    New,
    Null,
    Object,
    Operator,
    Out,
    Override,
    Params,
    Partial,
    Private,
    Protected,
    Public,
    Readonly,
    Ref,
    Return,
    Sbyte,
    Sealed,
    Short,
    Sizeof,
    Stackalloc,
    Static,
    String,
    Struct,
    Switch,
    This,
    Throw,
    True,
    Try,
    Typeof,
    Uint,
    Ulong,
    Unchecked,
    Unsafe,
    Ushort,
    Using,
    Virtual,
    Void,
    Volatile,
    While,
    // Attribute-target mode only: assembly, field, method, module, param, property, type.
    FirstAttributeTarget = 342,
    LastAttributeTarget = 348,
    Get = 349,
    Set = 350,
    Add = 351,
    Remove = 352,
    Comma = 353,
    OpenBracket = 354,
    CloseBracket = 355,
    // += -= *= /= %= ^= &= |=
    FirstCompoundAssignment = 356,
    LastCompoundAssignment = 363,
    ShiftLeft = 364,
    ShiftRight = 365,
    ShiftRightAssignment = 366,
    ShiftLeftAssignment = 367,
    Equal = 368,
    NotEqual = 369,
    LessOrEqual = 370,
    GreaterOrEqual = 371,
    LogicalAnd = 372,
    LogicalOr = 373,
    Increment = 374,
    Decrement = 375,
    Arrow = 376,
    DoubleColon = 377,
};
} // namespace CSharpToken

// A failure of the scanner itself (read error, a token longer than the buffer, memory, misuse
// of the start-condition stack); it ends the parse, not the program.

class CSharpScanFailure : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

// Thrown when the input is no C# source: a control character where a token would start, or more
// lexical errors than the scanner reads past. The text says why and where.
class CSharpNotSource : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

// Splits C# source read from a stream into the tokens of the C# parser. Identifiers go into the
// parser's symbol table, and the characters of a method body into its collector. Lexical errors
// are reported on the standard error stream and skipped, up to a limit (CSharpNotSource);
// failures throw CSharpScanFailure.
class CSharpScanner
{
public:
    enum Condition
    {
        Normal,
        Body,
        AttributeTarget,
        EventAccessor,
        PropertyAccessor
    };

    static constexpr std::size_t bufferSize = 16384;
    // Beyond this many lexical errors, once they outnumber the tokens, the input is no C# source.
    // The bytes of a well-formed character beyond ASCII (a letter of a name) do not count.
    static constexpr int maxLexicalErrors = 100;

    CSharpScanner(std::FILE* input, CSharpSymbolTable& symbols, std::string& collected);

    // The next token code; Value() holds the symbol index of an identifier (not of a verbatim
    // one) and the number of an integer literal.
    int Next();
    int Value() const { return m_value; }
    int Line() const { return m_line; }
    Condition CurrentCondition() const { return m_condition; }

    // Pushes the current condition and enters the mode.
    void EnterMode(Condition condition);
    // Back to the condition before the last EnterMode or BeginBody.
    void LeaveMode();
    // The "{" of a method body was the last token: the collector gets it with the blanks and
    // comments before it, and the body's text runs to the "}" that closes it, returned as 125.
    void BeginBody();

private:
    int Peek(std::size_t offset);
    bool Fill();
    // Consumes count characters; they are the trivia before the next token when skipped.
    void Consume(std::size_t count, bool skipped);
    std::string_view Matched() const;

    int NextInBody();
    bool SkipBlanksAndComments();
    void SkipLine();
    int Word();
    int VerbatimIdentifierOrString();
    int Number();
    std::size_t IntegerSuffixEnd(std::size_t length);
    int CharacterLiteral();
    int StringLiteral();
    int Operator();
    int LexicalError();
    std::size_t WideCharacterLength();

    std::FILE* m_input;
    CSharpSymbolTable& m_symbols;
    std::string& m_collected;
    std::unique_ptr<char[]> m_buffer;
    std::size_t m_start = 0;
    std::size_t m_position = 0;
    std::size_t m_length = 0;
    bool m_atEnd = false;
    bool m_atLineStart = true;
    Condition m_condition = Normal;
    std::vector<Condition> m_stack;
    std::string m_trivia;
    int m_value = 0;
    int m_line = 1;
    int m_depth = 0;
    int m_errors = 0;
    std::size_t m_wideBytesLeft = 0;
    int m_tokens = 0;
};
