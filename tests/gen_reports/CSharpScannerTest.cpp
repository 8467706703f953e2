#include "gen_reports/CSharpScanner.h"

#include "tests/gen_reports/CSharpSource.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{
namespace T = CSharpToken;

struct Scanned
{
    std::vector<int> codes;
    std::vector<int> values; // of identifiers and integer literals only
    std::string errors;
};

// Every token of the text in the condition, up to the end of input.
Scanned ScanAll(const std::string& text, CSharpScanner::Condition condition = CSharpScanner::Normal)
{
    CSharpSymbolTable symbols;
    std::string collected;
    auto stream = SourceStream(text);
    CSharpScanner scanner(stream.get(), symbols, collected);
    if (condition != CSharpScanner::Normal)
        scanner.EnterMode(condition);
    Scanned scanned;
    testing::internal::CaptureStderr();
    for (int code; (code = scanner.Next()) != T::EndOfInput;)
    {
        scanned.codes.push_back(code);
        if (code == T::Identifier || code == T::IntegerLiteral)
            scanned.values.push_back(scanner.Value());
    }
    scanned.errors = testing::internal::GetCapturedStderr();
    return scanned;
}

struct TokenCase
{
    const char* input;
    CSharpScanner::Condition condition;
    std::vector<int> codes;
    std::vector<int> values;
};

// Identifiers of a fresh table start at 14, behind the fixed entries.
const std::vector<TokenCase> tokenCases = {
    {"a+=b", CSharpScanner::Normal, {T::Identifier, 356, T::Identifier}, {14, 15}},
    {"x<<=2", CSharpScanner::Normal, {T::Identifier, 367, T::IntegerLiteral}, {14, 2}},
    {"+= -= *= /= %= ^= &= |=",
     CSharpScanner::Normal,
     {356, 357, 358, 359, 360, 361, 362, 363},
     {}},
    {"<< >> >>= <<= == != <= >= && || ++ -- -> ::",
     CSharpScanner::Normal,
     {364, 365, 366, 367, 368, 369, 370, 371, 372, 373, 374, 375, 376, 377},
     {}},
    {". ; : ( ) { } < > + - * / % & | ! ~ ^ = ?",
     CSharpScanner::Normal,
     {'.', ';', ':', '(', ')', '{', '}', '<', '>', '+', '-',
      '*', '/', '%', '&', '|', '!', '~', '^', '=', '?'},
     {}},
    {"a , b", CSharpScanner::Normal, {T::Identifier, 353, T::Identifier}, {14, 15}},
    {"[]", CSharpScanner::Normal, {T::RankSpecifier}, {}},
    {"[ , ]", CSharpScanner::Normal, {T::RankSpecifier}, {}},
    {"[,,\n]", CSharpScanner::Normal, {T::RankSpecifier}, {}},
    {"[1]", CSharpScanner::Normal, {354, T::IntegerLiteral, 355}, {1}},
    {"42 7u 8L 9ul 10LU 0x1F 0X2aUL",
     CSharpScanner::Normal,
     {260, 260, 260, 260, 260, 260, 260},
     {42, 7, 8, 9, 10, 0, 0}},
    {"1.5 .5 1e-3 2E+4 1.5m 3f 4D 5M 6.0F",
     CSharpScanner::Normal,
     {261, 261, 261, 261, 261, 261, 261, 261, 261},
     {}},
    {"1.ToString", CSharpScanner::Normal, {260, '.', T::Identifier}, {1, 14}},
    {R"('a' '\'' '\n' '\x41' '\u0041')", CSharpScanner::Normal, {262, 262, 262, 262, 262}, {}},
    {R"("" "a\"b" @"c:\dir" @"say ""hi""")", CSharpScanner::Normal, {263, 263, 263, 263}, {}},
    {"@\"two\nlines\"", CSharpScanner::Normal, {263}, {}},
    {"abstract while partial as volatile", CSharpScanner::Normal, {264, 341, 311, 265, 340}, {}},
    {"abstracts whiles _x x9",
     CSharpScanner::Normal,
     {T::Identifier, T::Identifier, T::Identifier, T::Identifier},
     {14, 15, 16, 17}},
    {"get set add remove field",
     CSharpScanner::Normal,
     {T::Identifier, T::Identifier, T::Identifier, T::Identifier, T::Identifier},
     {14, 15, 16, 17, 18}},
    {"get set getter add",
     CSharpScanner::PropertyAccessor,
     {349, 350, T::Identifier, T::Identifier},
     {14, 15}},
    {"add remove get", CSharpScanner::EventAccessor, {351, 352, T::Identifier}, {14}},
    {"assembly field method module param property type event return fields",
     CSharpScanner::AttributeTarget,
     {342, 343, 344, 345, 346, 347, 348, T::Event, T::Return, T::Identifier},
     {14}},
    {"x x y x",
     CSharpScanner::Normal,
     {T::Identifier, T::Identifier, T::Identifier, T::Identifier},
     {14, 14, 15, 14}},
    {"void string", CSharpScanner::Normal, {339, 324}, {}},
    // A verbatim identifier leaves the value as it was.
    {"a @class", CSharpScanner::Normal, {T::Identifier, T::Identifier}, {14, 14}},
    // Skipped: blanks, both kinds of comment, "#" lines at a line start.
    {"a // b\r\n/* c\n d */ e", CSharpScanner::Normal, {T::Identifier, T::Identifier}, {14, 15}},
    {"#region x\n  \t#endregion\r\na\n#if DEBUG\n", CSharpScanner::Normal, {T::Identifier}, {14}},
    {"a /* b", CSharpScanner::Normal, {T::Identifier}, {14}},
    {"[ /* x */ a ]", CSharpScanner::AttributeTarget, {354, T::Identifier, 355}, {14}},
};

TEST(CSharpScanner, GivesTheTokenCodesAndValuesOfEachCondition)
{
    for (const TokenCase& entry : tokenCases)
    {
        SCOPED_TRACE(entry.input);
        const Scanned scanned = ScanAll(entry.input, entry.condition);
        EXPECT_EQ(entry.codes, scanned.codes);
        EXPECT_EQ(entry.values, scanned.values);
        EXPECT_EQ("", scanned.errors);
    }
}

TEST(CSharpScanner, ReportsACharacterThatStartsNoTokenWithItsLineAndGoesOn)
{
    const Scanned scanned = ScanAll("a\r\nb # c\n$ 'x\n\"open\nd");
    EXPECT_EQ(std::vector<int>({T::Identifier, T::Identifier, T::Identifier, T::Identifier,
                                T::Identifier, T::Identifier}),
              scanned.codes);
    EXPECT_EQ("2:lexical error (invalid token) [#]\n"
              "3:lexical error (invalid token) [$]\n"
              "3:lexical error (invalid token) [']\n"
              "4:lexical error (invalid token) [\"]\n",
              scanned.errors);
}

TEST(CSharpScanner, BodyModeReturnsTheOuterBracesAndCollectsEveryCharacter)
{
    // Braces in strings, characters and comments count like the others.
    const std::string body = "{\r\n\tif (a) { s = \"{\"; } // }\n\t/* { */ c = '}';\r\n}";
    const std::string text = ") \t" + body + " after";
    CSharpSymbolTable symbols;
    std::string collected = "left over";
    auto stream = SourceStream(text);
    CSharpScanner scanner(stream.get(), symbols, collected);
    EXPECT_EQ(')', scanner.Next());
    EXPECT_EQ('{', scanner.Next());
    scanner.BeginBody();
    EXPECT_EQ(CSharpScanner::Body, scanner.CurrentCondition());
    EXPECT_EQ('}', scanner.Next());
    EXPECT_EQ(" \t" + body, collected);
    EXPECT_EQ(CSharpScanner::Normal, scanner.CurrentCondition());
    EXPECT_EQ(4, scanner.Line());
    EXPECT_EQ(T::Identifier, scanner.Next());
    EXPECT_EQ(T::EndOfInput, scanner.Next());
}

TEST(CSharpScanner, EndOfInputInsideABodyGivesZero)
{
    CSharpSymbolTable symbols;
    std::string collected;
    auto stream = SourceStream("{ a { b }");
    CSharpScanner scanner(stream.get(), symbols, collected);
    EXPECT_EQ('{', scanner.Next());
    scanner.BeginBody();
    EXPECT_EQ(T::EndOfInput, scanner.Next());
    EXPECT_EQ("{ a { b }", collected);
}

TEST(CSharpScanner, ModesNestAndAMisusedStackThrowsInsteadOfEndingTheProgram)
{
    CSharpSymbolTable symbols;
    std::string collected;
    auto stream = SourceStream("get");
    CSharpScanner scanner(stream.get(), symbols, collected);
    scanner.EnterMode(CSharpScanner::PropertyAccessor);
    scanner.EnterMode(CSharpScanner::AttributeTarget);
    scanner.LeaveMode();
    EXPECT_EQ(T::Get, scanner.Next());
    scanner.LeaveMode();
    EXPECT_THROW(scanner.LeaveMode(), CSharpScanFailure);
}

TEST(CSharpScanner, ATokenLongerThanTheBufferThrowsAndAShorterOneIsRead)
{
    const std::string fits = "\"" + std::string(CSharpScanner::bufferSize - 2, 'x') + "\"";
    EXPECT_EQ(std::vector<int>({T::Identifier, T::StringLiteral, T::Identifier}),
              ScanAll("a " + fits + " b").codes);
    const std::string tooLong = "\"" + std::string(CSharpScanner::bufferSize, 'x') + "\"";
    EXPECT_THROW(ScanAll("a " + tooLong), CSharpScanFailure);
}
} // namespace
