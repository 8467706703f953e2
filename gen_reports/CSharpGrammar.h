#pragma once

#include "platform/core/CString.h"

#include <cstddef>
#include <deque>

class CSharpParser;
class CSharpScanner;

// The input is not C# of the accepted language.
struct CSharpSyntaxError
{
};

// The input nests deeper than the parser's stack allows.
struct CSharpStackOverflow
{
};

// The C# grammar, read by recursive descent over the scanner's tokens: C# 2.0 without generic
// type arguments. Calls the parser's index actions where a class, a method header, a parameter
// or a method's end is read, and switches the scanner's modes for attribute sections, accessor
// blocks and method bodies.
class CSharpGrammar
{
public:
    CSharpGrammar(CSharpScanner& scanner, CSharpParser& parser);

    // Reads the whole input; throws CSharpSyntaxError or CSharpStackOverflow.
    void CompilationUnit();

private:
    struct Token
    {
        int code;
        int value;
    };

    // One open level of the grammar; too many end the parse.
    class Level
    {
    public:
        explicit Level(CSharpGrammar& grammar);
        ~Level() { --m_grammar.m_depth; }
        Level(const Level&) = delete;
        Level& operator=(const Level&) = delete;

    private:
        CSharpGrammar& m_grammar;
    };

    int Code(std::size_t ahead = 0);
    Token Take();
    void Expect(int code);
    bool Accept(int code);
    int ExpectIdentifier();
    [[noreturn]] static void Fail();
    // Takes the token that opens a scanner mode; nothing may have been read past it.
    void TakeLast(int code);

    void UsingDirectives();
    void NamespaceMember();
    void TypeDeclaration();
    void Attributes();
    void Modifiers();
    void QualifiedName();
    void TypeList();

    void ClassDeclaration();
    void StructDeclaration();
    void ClassBody();
    void InterfaceDeclaration();
    void InterfaceMember();
    void EnumDeclaration();
    void DelegateDeclaration();
    void MemberDeclaration();
    void EventDeclaration();
    void MethodRest(CString returnType, int nameSymbol);
    void FormalParameters(int closing, bool recorded);
    void AccessorBlock(int mode);
    void FunctionBody();
    void VariableDeclarators();
    void DeclaratorsRest();
    void ParameterList(bool recorded);
    void IndexerRest();

    bool IsPredefinedType(int code) const;
    CString Type();
    CString PredefinedTypeText(int code) const;
    // The tokens from ahead on form a type name; the offset behind it, or 0 when they do not.
    std::size_t TypeShapeEnd(std::size_t ahead);

    void Statement();
    void Block();
    void ParenthesizedExpression();
    void SwitchBlock();
    void TryStatement();
    bool IsLocalDeclaration();
    void LocalDeclaration();
    void ForStatement();
    void ExpressionList(int closing);

    void Expression();
    void Conditional();
    void Binary(int minimumLevel);
    void Unary();
    void Primary();
    void NewExpression();
    void Arguments(int closing);
    void VariableInitializer();
    bool IsCast();

    CSharpScanner& m_scanner;
    CSharpParser& m_parser;
    std::deque<Token> m_ahead;
    int m_depth = 0;
};
