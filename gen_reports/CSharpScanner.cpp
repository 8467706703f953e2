#include "gen_reports/CSharpScanner.h"

#include "model/Identifiers.h"
#include "platform/core/TextBytes.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstring>
#include <limits>
#include <new>

namespace
{
// A keyword's code is 264 plus its place in the table.
constexpr const std::array<std::string_view, 78>& keywords = cSharpKeywordTable;

constexpr std::array<std::string_view, 7> attributeTargets = {
    "assembly", "field", "method", "module", "param", "property", "type"};

// The operators of two and three characters with their codes; longest first.
struct OperatorText
{
    std::string_view text;
    int code;
};
constexpr std::array<OperatorText, 22> operators = {{
    {">>=", CSharpToken::ShiftRightAssignment},
    {"<<=", CSharpToken::ShiftLeftAssignment},
    {"+=", 356},
    {"-=", 357},
    {"*=", 358},
    {"/=", 359},
    {"%=", 360},
    {"^=", 361},
    {"&=", 362},
    {"|=", 363},
    {"<<", CSharpToken::ShiftLeft},
    {">>", CSharpToken::ShiftRight},
    {"==", CSharpToken::Equal},
    {"!=", CSharpToken::NotEqual},
    {"<=", CSharpToken::LessOrEqual},
    {">=", CSharpToken::GreaterOrEqual},
    {"&&", CSharpToken::LogicalAnd},
    {"||", CSharpToken::LogicalOr},
    {"++", CSharpToken::Increment},
    {"--", CSharpToken::Decrement},
    {"->", CSharpToken::Arrow},
    {"::", CSharpToken::DoubleColon},
}};

// What a rule returns when it made no token.
constexpr int noToken = -1;

constexpr std::string_view singleCharacters = ".;:(){}<>+-*/%&|!~^=?";

bool IsCSharpSpace(int c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f' || c == '\v';
}

bool IsLetter(int c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_';
}

bool IsDigit(int c)
{
    return c >= '0' && c <= '9';
}

bool IsHexDigit(int c)
{
    return IsDigit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

bool IsOneOf(int c, std::string_view set)
{
    return c >= 0 && set.find(static_cast<char>(c)) != std::string_view::npos;
}

// The digits as a decimal number, as atoi gives it on a 64-bit host.
int DecimalValue(std::string_view text)
{
    constexpr unsigned long long limit = std::numeric_limits<long>::max();
    unsigned long long value = 0;
    for (const char c : text)
    {
        if (!IsDigit(c))
            break;
        value = std::min(limit, value * 10 + static_cast<unsigned long long>(c - '0'));
    }
    return static_cast<int>(static_cast<unsigned int>(value));
}
} // namespace

CSharpScanner::CSharpScanner(std::FILE* input, CSharpSymbolTable& symbols, std::string& collected)
    : m_input(input), m_symbols(symbols), m_collected(collected)
{
    m_buffer.reset(new (std::nothrow) char[bufferSize]);
    if (!m_buffer)
        throw CSharpScanFailure("out of dynamic memory in yy_create_buffer()");
}

void CSharpScanner::EnterMode(Condition condition)
{
    try
    {
        if (m_stack.size() == m_stack.capacity())
            m_stack.reserve(m_stack.size() + 25);
        m_stack.push_back(m_condition);
    }
    catch (const std::bad_alloc&)
    {
        throw CSharpScanFailure("out of memory expanding start-condition stack");
    }
    m_condition = condition;
}

void CSharpScanner::LeaveMode()
{
    if (m_stack.empty())
        throw CSharpScanFailure("start-condition stack underflow");
    m_condition = m_stack.back();
    m_stack.pop_back();
}

void CSharpScanner::BeginBody()
{
    m_collected = m_trivia;
    m_collected += '{';
    m_depth = 1;
    EnterMode(Body);
}

int CSharpScanner::Peek(std::size_t offset)
{
    while (m_position + offset >= m_length)
    {
        if (!Fill())
            return -1;
    }
    return static_cast<unsigned char>(m_buffer[m_position + offset]);
}

bool CSharpScanner::Fill()
{
    if (m_atEnd)
        return false;
    if (m_start > 0)
    {
        std::memmove(m_buffer.get(), m_buffer.get() + m_start, m_length - m_start);
        m_length -= m_start;
        m_position -= m_start;
        m_start = 0;
    }
    if (m_length == bufferSize)
        throw CSharpScanFailure(
            "input buffer overflow, can't enlarge buffer because scanner uses REJECT");
    const std::size_t read =
        std::fread(m_buffer.get() + m_length, 1, bufferSize - m_length, m_input);
    if (read == 0)
    {
        if (std::ferror(m_input))
            throw CSharpScanFailure("input in flex scanner failed");
        m_atEnd = true;
        return false;
    }
    m_length += read;
    return true;
}

void CSharpScanner::Consume(std::size_t count, bool skipped)
{
    for (std::size_t i = 0; i < count; ++i)
    {
        const char c = m_buffer[m_position + i];
        if (c == '\n')
            ++m_line;
        if (skipped)
            m_trivia += c;
    }
    m_position += count;
    m_atLineStart = m_buffer[m_position - 1] == '\n';
    if (skipped)
        m_start = m_position;
}

std::string_view CSharpScanner::Matched() const
{
    return {m_buffer.get() + m_start, m_position - m_start};
}

int CSharpScanner::Next()
{
    m_trivia.clear();
    for (;;)
    {
        if (m_condition == Body)
            return NextInBody();
        while (SkipBlanksAndComments())
        {
        }
        m_start = m_position;
        const int c = Peek(0);
        if (c < 0)
            return CSharpToken::EndOfInput;
        int token;
        if (IsLetter(c))
            token = Word();
        else if (c == '@')
            token = VerbatimIdentifierOrString();
        else if (IsDigit(c) || (c == '.' && IsDigit(Peek(1))))
            token = Number();
        else if (c == '\'')
            token = CharacterLiteral();
        else if (c == '"')
            token = StringLiteral();
        else
            token = Operator();
        if (token != noToken)
        {
            ++m_tokens;
            return token;
        }
    }
}

int CSharpScanner::NextInBody()
{
    while (Peek(0) >= 0)
    {
        // What the buffer holds, up to the brace that closes the body.
        const char* const begin = m_buffer.get() + m_position;
        const char* const end = m_buffer.get() + m_length;
        const char* at = begin;
        while (at != end && m_depth > 0)
        {
            const char c = *at++;
            if (c == '{')
                ++m_depth;
            else if (c == '}')
                --m_depth;
        }
        m_collected.append(begin, at);
        m_start = m_position;
        Consume(static_cast<std::size_t>(at - begin), false);
        m_start = m_position;
        if (m_depth == 0)
        {
            LeaveMode();
            return '}';
        }
    }
    return CSharpToken::EndOfInput;
}

// Skips one run of blanks, a comment or a "#" line; false when the next character starts none.
bool CSharpScanner::SkipBlanksAndComments()
{
    m_start = m_position;
    const int c = Peek(0);
    if (m_atLineStart && (c == ' ' || c == '\t' || c == '#'))
    {
        std::size_t blanks = 0;
        while (Peek(blanks) == ' ' || Peek(blanks) == '\t')
            ++blanks;
        if (Peek(blanks) == '#')
        {
            SkipLine();
            return true;
        }
    }
    if (IsCSharpSpace(c))
    {
        Consume(1, true);
        return true;
    }
    if (c != '/')
        return false;
    const int second = Peek(1);
    if (second == '/')
    {
        SkipLine();
        return true;
    }
    if (second != '*')
        return false;
    Consume(2, true);
    while (Peek(0) >= 0)
    {
        if (Peek(0) == '*' && Peek(1) == '/')
        {
            Consume(2, true);
            break;
        }
        Consume(1, true);
    }
    return true;
}

// Skips the rest of the line with its newline.
void CSharpScanner::SkipLine()
{
    for (int c; (c = Peek(0)) >= 0;)
    {
        Consume(1, true);
        if (c == '\n')
            return;
    }
}

int CSharpScanner::Word()
{
    std::size_t length = 1;
    while (IsLetter(Peek(length)) || IsDigit(Peek(length)))
        ++length;
    Consume(length, false);
    const std::string_view text = Matched();
    const auto keyword = std::lower_bound(keywords.begin(), keywords.end(), text);
    if (keyword != keywords.end() && *keyword == text)
        return CSharpToken::Abstract + static_cast<int>(keyword - keywords.begin());
    if (m_condition == AttributeTarget)
    {
        const auto target = std::find(attributeTargets.begin(), attributeTargets.end(), text);
        if (target != attributeTargets.end())
            return CSharpToken::FirstAttributeTarget +
                   static_cast<int>(target - attributeTargets.begin());
    }
    if (m_condition == PropertyAccessor && (text == "get" || text == "set"))
        return text == "get" ? CSharpToken::Get : CSharpToken::Set;
    if (m_condition == EventAccessor && (text == "add" || text == "remove"))
        return text == "add" ? CSharpToken::Add : CSharpToken::Remove;
    m_value = m_symbols.FindOrAdd(text);
    return CSharpToken::Identifier;
}

int CSharpScanner::VerbatimIdentifierOrString()
{
    if (IsLetter(Peek(1)))
    {
        std::size_t length = 2;
        while (IsLetter(Peek(length)) || IsDigit(Peek(length)))
            ++length;
        Consume(length, false);
        return CSharpToken::Identifier;
    }
    if (Peek(1) != '"')
        return LexicalError();
    for (std::size_t length = 2;;)
    {
        const int c = Peek(length);
        if (c < 0)
            return LexicalError();
        ++length;
        if (c == '"')
        {
            if (Peek(length) != '"')
            {
                Consume(length, false);
                return CSharpToken::StringLiteral;
            }
            ++length;
        }
    }
}

// The length of the literal with its suffix u, l, ul or lu (either case) when one follows.
std::size_t CSharpScanner::IntegerSuffixEnd(std::size_t length)
{
    if (!IsOneOf(Peek(length), "uUlL"))
        return length;
    const bool unsignedFirst = IsOneOf(Peek(length), "uU");
    ++length;
    return IsOneOf(Peek(length), unsignedFirst ? "lL" : "uU") ? length + 1 : length;
}

int CSharpScanner::Number()
{
    if (Peek(0) == '0' && (Peek(1) == 'x' || Peek(1) == 'X') && IsHexDigit(Peek(2)))
    {
        std::size_t length = 3;
        while (IsHexDigit(Peek(length)))
            ++length;
        Consume(IntegerSuffixEnd(length), false);
        m_value = 0;
        return CSharpToken::IntegerLiteral;
    }
    std::size_t length = 0;
    while (IsDigit(Peek(length)))
        ++length;
    bool real = false;
    if (Peek(length) == '.' && IsDigit(Peek(length + 1)))
    {
        real = true;
        length += 2;
        while (IsDigit(Peek(length)))
            ++length;
    }
    if (IsOneOf(Peek(length), "eE"))
    {
        std::size_t exponent = length + 1;
        if (IsOneOf(Peek(exponent), "+-"))
            ++exponent;
        if (IsDigit(Peek(exponent)))
        {
            real = true;
            length = exponent;
            while (IsDigit(Peek(length)))
                ++length;
        }
    }
    if (IsOneOf(Peek(length), "fFdDmM"))
    {
        Consume(length + 1, false);
        return CSharpToken::RealLiteral;
    }
    if (real)
    {
        Consume(length, false);
        return CSharpToken::RealLiteral;
    }
    Consume(IntegerSuffixEnd(length), false);
    m_value = DecimalValue(Matched());
    return CSharpToken::IntegerLiteral;
}

int CSharpScanner::CharacterLiteral()
{
    std::size_t length = 1;
    const int c = Peek(1);
    if (c == '\\')
    {
        const int escaped = Peek(2);
        if (escaped < 0 || escaped == '\n')
            return LexicalError();
        length = 3;
        if (escaped == 'x' || escaped == 'u' || escaped == 'U')
        {
            while (IsHexDigit(Peek(length)))
                ++length;
        }
    }
    else if (c < 0 || c == '\'' || c == '\n')
        return LexicalError();
    else
        length = 2;
    if (Peek(length) != '\'')
        return LexicalError();
    Consume(length + 1, false);
    return CSharpToken::CharacterLiteral;
}

int CSharpScanner::StringLiteral()
{
    for (std::size_t length = 1;;)
    {
        const int c = Peek(length);
        if (c < 0 || c == '\n')
            return LexicalError();
        if (c == '\\')
        {
            if (Peek(length + 1) < 0 || Peek(length + 1) == '\n')
                return LexicalError();
            length += 2;
            continue;
        }
        ++length;
        if (c == '"')
        {
            Consume(length, false);
            return CSharpToken::StringLiteral;
        }
    }
}

int CSharpScanner::Operator()
{
    const int c = Peek(0);
    if (c == '[')
    {
        std::size_t length = 1;
        while (Peek(length) == ',' || IsCSharpSpace(Peek(length)))
            ++length;
        if (Peek(length) == ']')
        {
            Consume(length + 1, false);
            return CSharpToken::RankSpecifier;
        }
        Consume(1, false);
        return CSharpToken::OpenBracket;
    }
    if (c == ']' || c == ',')
    {
        Consume(1, false);
        return c == ']' ? CSharpToken::CloseBracket : CSharpToken::Comma;
    }
    for (const OperatorText& op : operators)
    {
        std::size_t matched = 0;
        while (matched < op.text.size() &&
               Peek(matched) == static_cast<unsigned char>(op.text[matched]))
            ++matched;
        if (matched == op.text.size())
        {
            Consume(matched, false);
            return op.code;
        }
    }
    if (IsOneOf(c, singleCharacters))
    {
        Consume(1, false);
        return c;
    }
    return LexicalError();
}

// The number of bytes of the well-formed character beyond ASCII at the token start that is no
// control character; 0 when none starts there.
std::size_t CSharpScanner::WideCharacterLength()
{
    char bytes[4];
    std::size_t count = 0;
    for (int c; count < sizeof bytes && (c = Peek(count)) >= 0x80; ++count)
        bytes[count] = static_cast<char>(c);
    const DecodedCharacter character = FirstCharacter({bytes, count});
    return IsControlCharacter(character.code) ? 0 : character.length;
}

// Reports the character at the token start and skips it; no token. A control character there
// (Ctrl-Z, which old editors end a file with, aside), or too many errors, ends the scan.
int CSharpScanner::LexicalError()
{
    m_position = m_start;
    const int c = Peek(0);
    if (c < 0x80 && c != 0x1A && IsControlCharacter(static_cast<char32_t>(c)))
    {
        char reason[64];
        std::snprintf(reason, sizeof reason, "control character 0x%02X on line %d", c, m_line);
        throw CSharpNotSource(reason);
    }
    // The bytes of a character beyond ASCII are reported one by one, and do not count.
    const bool wide = m_wideBytesLeft > 0 || (m_wideBytesLeft = WideCharacterLength()) > 0;
    if (wide)
        --m_wideBytesLeft;
    const std::string text(1, static_cast<char>(c));
    std::fprintf(stderr, "%d:lexical error (%s) [%s]\n", m_line, "invalid token", text.c_str());
    Consume(1, true);
    if (!wide && ++m_errors > maxLexicalErrors && m_errors > m_tokens)
    {
        char reason[64];
        std::snprintf(reason, sizeof reason, "%d characters that start no token by line %d",
                      m_errors, m_line);
        throw CSharpNotSource(reason);
    }
    return noToken;
}
