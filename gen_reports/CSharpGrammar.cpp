#include "gen_reports/CSharpGrammar.h"

#include "gen_reports/CSharpParser.h"
#include "gen_reports/CSharpScanner.h"

#include <algorithm>
#include <initializer_list>

namespace T = CSharpToken;

namespace
{
bool IsIn(int code, std::initializer_list<int> codes)
{
    return std::find(codes.begin(), codes.end(), code) != codes.end();
}

bool IsModifier(int code)
{
    return IsIn(code, {T::New, T::Public, T::Protected, T::Internal, T::Private, T::Abstract,
                       T::Sealed, T::Static, T::Readonly, T::Volatile, T::Virtual, T::Override,
                       T::Extern, T::Unsafe, T::Partial});
}

bool IsLiteral(int code)
{
    return IsIn(code, {T::IntegerLiteral, T::RealLiteral, T::CharacterLiteral, T::StringLiteral,
                       T::True, T::False, T::Null});
}

bool IsAssignment(int code)
{
    return code == '=' ||
           (code >= T::FirstCompoundAssignment && code <= T::LastCompoundAssignment) ||
           code == T::ShiftRightAssignment || code == T::ShiftLeftAssignment;
}

// The binding level of a binary operator, from || (1) to * / % (10); 0 for other tokens.
int BinaryLevel(int code)
{
    switch (code)
    {
    case T::LogicalOr:
        return 1;
    case T::LogicalAnd:
        return 2;
    case '|':
        return 3;
    case '^':
        return 4;
    case '&':
        return 5;
    case T::Equal:
    case T::NotEqual:
        return 6;
    case '<':
    case '>':
    case T::LessOrEqual:
    case T::GreaterOrEqual:
    case T::Is:
    case T::As:
        return 7;
    case T::ShiftLeft:
    case T::ShiftRight:
        return 8;
    case '+':
    case '-':
        return 9;
    case '*':
    case '/':
    case '%':
        return 10;
    default:
        return 0;
    }
}

bool IsOverloadableOperator(int code)
{
    return IsIn(code, {'+',           '-',          '!',
                       '~',           T::Increment, T::Decrement,
                       T::True,       T::False,     '*',
                       '/',           '%',          '&',
                       '|',           '^',          T::ShiftLeft,
                       T::ShiftRight, T::Equal,     T::NotEqual,
                       '>',           '<',          T::GreaterOrEqual,
                       T::LessOrEqual});
}
} // namespace

CSharpGrammar::Level::Level(CSharpGrammar& grammar) : m_grammar(grammar)
{
    if (++m_grammar.m_depth > CSharpParser::maxStackDepth)
    {
        --m_grammar.m_depth;
        throw CSharpStackOverflow{};
    }
}

CSharpGrammar::CSharpGrammar(CSharpScanner& scanner, CSharpParser& parser)
    : m_scanner(scanner), m_parser(parser)
{
}

int CSharpGrammar::Code(std::size_t ahead)
{
    while (m_ahead.size() <= ahead)
    {
        const int code = m_scanner.Next();
        m_ahead.push_back({code, m_scanner.Value()});
    }
    return m_ahead[ahead].code;
}

CSharpGrammar::Token CSharpGrammar::Take()
{
    Code();
    const Token token = m_ahead.front();
    m_ahead.pop_front();
    return token;
}

void CSharpGrammar::Expect(int code)
{
    if (Take().code != code)
        Fail();
}

bool CSharpGrammar::Accept(int code)
{
    if (Code() != code)
        return false;
    Take();
    return true;
}

int CSharpGrammar::ExpectIdentifier()
{
    const Token token = Take();
    if (token.code != T::Identifier)
        Fail();
    return token.value;
}

void CSharpGrammar::Fail()
{
    throw CSharpSyntaxError{};
}

void CSharpGrammar::TakeLast(int code)
{
    Expect(code);
    if (!m_ahead.empty())
        Fail();
}

void CSharpGrammar::CompilationUnit()
{
    UsingDirectives();
    while (Code() != T::EndOfInput)
        NamespaceMember();
}

void CSharpGrammar::UsingDirectives()
{
    while (Code() == T::Using)
    {
        Take();
        if (Code() == T::Identifier && Code(1) == '=')
        {
            Take();
            Take();
        }
        QualifiedName();
        Expect(';');
    }
}

void CSharpGrammar::NamespaceMember()
{
    Level level(*this);
    if (Code() != T::Namespace)
    {
        TypeDeclaration();
        return;
    }
    Take();
    QualifiedName();
    Expect('{');
    UsingDirectives();
    while (Code() != '}')
    {
        if (Code() == T::EndOfInput)
            Fail();
        NamespaceMember();
    }
    Take();
    Accept(';');
}

void CSharpGrammar::TypeDeclaration()
{
    const bool attributed = Code() == T::OpenBracket;
    Attributes();
    if (attributed && (Code() == T::EndOfInput || Code() == '}' || Code() == T::Namespace))
        return; // global attributes only
    Modifiers();
    switch (Code())
    {
    case T::Class:
        ClassDeclaration();
        break;
    case T::Struct:
        StructDeclaration();
        break;
    case T::Interface:
        InterfaceDeclaration();
        break;
    case T::Enum:
        EnumDeclaration();
        break;
    case T::Delegate:
        DelegateDeclaration();
        break;
    default:
        Fail();
    }
}

void CSharpGrammar::Attributes()
{
    while (Code() == T::OpenBracket)
    {
        TakeLast(T::OpenBracket);
        m_scanner.EnterMode(CSharpScanner::AttributeTarget);
        const int target = Code();
        if ((target >= T::FirstAttributeTarget && target <= T::LastAttributeTarget) ||
            target == T::Event || target == T::Return)
        {
            Take();
            Expect(':');
        }
        do
        {
            if (Code() == T::CloseBracket)
                break;
            QualifiedName();
            if (Accept('('))
                Arguments(')');
        } while (Accept(T::Comma));
        TakeLast(T::CloseBracket);
        m_scanner.LeaveMode();
    }
}

void CSharpGrammar::Modifiers()
{
    while (IsModifier(Code()))
        Take();
}

void CSharpGrammar::QualifiedName()
{
    ExpectIdentifier();
    if (Accept(T::DoubleColon))
        ExpectIdentifier();
    while (Accept('.'))
        ExpectIdentifier();
}

void CSharpGrammar::TypeList()
{
    do
        Type();
    while (Accept(T::Comma));
}

void CSharpGrammar::ClassDeclaration()
{
    Level level(*this);
    Take();
    m_parser.StartClass(ExpectIdentifier());
    if (Accept(':'))
        TypeList();
    ClassBody();
    m_parser.EndClass();
    Accept(';');
}

void CSharpGrammar::StructDeclaration()
{
    Level level(*this);
    Take();
    ExpectIdentifier();
    if (Accept(':'))
        TypeList();
    ClassBody();
    Accept(';');
}

void CSharpGrammar::ClassBody()
{
    Expect('{');
    while (Code() != '}')
    {
        if (Code() == T::EndOfInput)
            Fail();
        MemberDeclaration();
    }
    Take();
}

void CSharpGrammar::InterfaceDeclaration()
{
    Level level(*this);
    Take();
    ExpectIdentifier();
    if (Accept(':'))
        TypeList();
    Expect('{');
    while (Code() != '}')
    {
        if (Code() == T::EndOfInput)
            Fail();
        InterfaceMember();
    }
    Take();
    Accept(';');
}

void CSharpGrammar::InterfaceMember()
{
    Attributes();
    Accept(T::New);
    if (Accept(T::Event))
    {
        Type();
        ExpectIdentifier();
        Expect(';');
        return;
    }
    if (Code() == T::Void && Code(1) != '*')
        Take();
    else
        Type();
    if (Accept(T::This))
    {
        IndexerRest();
        return;
    }
    ExpectIdentifier();
    if (Code() == '{')
    {
        AccessorBlock(CSharpScanner::PropertyAccessor);
        return;
    }
    ParameterList(false);
    Expect(';');
}

void CSharpGrammar::EnumDeclaration()
{
    Take();
    ExpectIdentifier();
    if (Accept(':'))
        Type();
    Expect('{');
    while (Code() != '}')
    {
        Attributes();
        ExpectIdentifier();
        if (Accept('='))
            Expression();
        if (!Accept(T::Comma))
            break;
    }
    Expect('}');
    Accept(';');
}

void CSharpGrammar::DelegateDeclaration()
{
    Take();
    if (Code() == T::Void && Code(1) != '*')
        Take();
    else
        Type();
    ExpectIdentifier();
    ParameterList(false);
    Expect(';');
}

void CSharpGrammar::MemberDeclaration()
{
    Level level(*this);
    Attributes();
    Modifiers();
    switch (Code())
    {
    case T::Class:
        ClassDeclaration();
        return;
    case T::Struct:
        StructDeclaration();
        return;
    case T::Interface:
        InterfaceDeclaration();
        return;
    case T::Enum:
        EnumDeclaration();
        return;
    case T::Delegate:
        DelegateDeclaration();
        return;
    case T::Event:
        EventDeclaration();
        return;
    case T::Const:
        Take();
        Type();
        VariableDeclarators();
        Expect(';');
        return;
    case T::Fixed:
        Take();
        Type();
        ExpectIdentifier();
        Expect(T::OpenBracket);
        Expression();
        Expect(T::CloseBracket);
        Expect(';');
        return;
    case '~':
        Take();
        ExpectIdentifier();
        Expect('(');
        Expect(')');
        FunctionBody();
        return;
    case T::Implicit:
    case T::Explicit:
        Take();
        Expect(T::Operator);
        Type();
        ParameterList(false);
        FunctionBody();
        return;
    case T::Identifier:
        if (Code(1) == '(')
        {
            Take();
            Take();
            FormalParameters(')', false);
            Expect(')');
            if (Accept(':'))
            {
                if (!Accept(T::Base))
                    Expect(T::This);
                Expect('(');
                Arguments(')');
            }
            FunctionBody();
            return;
        }
        break;
    case T::Void:
        if (Code(1) != '*')
        {
            Take();
            int name = ExpectIdentifier();
            while (Accept('.'))
                name = ExpectIdentifier();
            MethodRest(m_parser.m_symbols.At(CSharpSymbolTable::Void).text, name);
            return;
        }
        break;
    default:
        break;
    }
    const CString type = Type();
    if (Accept(T::Operator))
    {
        if (!IsOverloadableOperator(Take().code))
            Fail();
        ParameterList(false);
        FunctionBody();
        return;
    }
    if (Accept(T::This))
    {
        IndexerRest();
        return;
    }
    int name = ExpectIdentifier();
    while (Accept('.'))
    {
        if (Accept(T::This))
        {
            IndexerRest();
            return;
        }
        name = ExpectIdentifier();
    }
    if (Code() == '(')
    {
        MethodRest(type, name);
        return;
    }
    if (Code() == '{')
    {
        AccessorBlock(CSharpScanner::PropertyAccessor);
        return;
    }
    DeclaratorsRest();
    Expect(';');
}

void CSharpGrammar::EventDeclaration()
{
    Take();
    Type();
    ExpectIdentifier();
    while (Accept('.'))
        ExpectIdentifier();
    if (Code() == '{')
    {
        AccessorBlock(CSharpScanner::EventAccessor);
        return;
    }
    DeclaratorsRest();
    Expect(';');
}

// The return type is a copy: the symbol table grows while the parameters are read.
void CSharpGrammar::MethodRest(CString returnType, int nameSymbol)
{
    ParameterList(true);
    m_parser.MethodHeader(returnType, nameSymbol);
    if (Code() == '{')
    {
        TakeLast('{');
        m_scanner.BeginBody();
        Expect('}');
    }
    else
        Expect(';');
    m_parser.EndMethod();
}

void CSharpGrammar::FormalParameters(int closing, bool recorded)
{
    if (Code() == closing)
        return;
    do
    {
        Attributes();
        if (Code() == T::Ref || Code() == T::Out || Code() == T::Params)
            Take();
        const CString type = Type();
        const int name = ExpectIdentifier();
        if (recorded)
            m_parser.AddParameter(type, name);
    } while (Accept(T::Comma));
}

void CSharpGrammar::AccessorBlock(int mode)
{
    TakeLast('{');
    m_scanner.EnterMode(static_cast<CSharpScanner::Condition>(mode));
    while (Code() != '}')
    {
        Attributes();
        Modifiers();
        const int accessor = Take().code;
        if (mode == CSharpScanner::PropertyAccessor ? accessor != T::Get && accessor != T::Set
                                                    : accessor != T::Add && accessor != T::Remove)
            Fail();
        FunctionBody();
    }
    TakeLast('}');
    m_scanner.LeaveMode();
}

void CSharpGrammar::FunctionBody()
{
    if (Code() == '{')
        Block();
    else
        Expect(';');
}

void CSharpGrammar::VariableDeclarators()
{
    ExpectIdentifier();
    DeclaratorsRest();
}

// The declarators behind the first name: its initializer and the further names.
void CSharpGrammar::DeclaratorsRest()
{
    if (Accept('='))
        VariableInitializer();
    while (Accept(T::Comma))
    {
        ExpectIdentifier();
        if (Accept('='))
            VariableInitializer();
    }
}

void CSharpGrammar::ParameterList(bool recorded)
{
    Expect('(');
    FormalParameters(')', recorded);
    Expect(')');
}

// The parameters and accessors of an indexer, behind "this".
void CSharpGrammar::IndexerRest()
{
    Expect(T::OpenBracket);
    FormalParameters(T::CloseBracket, false);
    Expect(T::CloseBracket);
    AccessorBlock(CSharpScanner::PropertyAccessor);
}

bool CSharpGrammar::IsPredefinedType(int code) const
{
    return IsIn(code, {T::Sbyte, T::Byte, T::Short, T::Ushort, T::Int, T::Uint, T::Long, T::Ulong,
                       T::Char, T::Float, T::Double, T::Object, T::String, T::Bool, T::Decimal});
}

CString CSharpGrammar::PredefinedTypeText(int code) const
{
    using S = CSharpSymbolTable;
    switch (code)
    {
    case T::Bool:
        return "bool";
    case T::Decimal:
        return "decimal";
    case T::Void:
        return m_parser.m_symbols.At(S::Void).text;
    case T::Sbyte:
        return m_parser.m_symbols.At(S::ShortByte).text;
    case T::Byte:
        return m_parser.m_symbols.At(S::Byte).text;
    case T::Short:
        return m_parser.m_symbols.At(S::Short).text;
    case T::Ushort:
        return m_parser.m_symbols.At(S::UnsignedShort).text;
    case T::Int:
        return m_parser.m_symbols.At(S::Int).text;
    case T::Uint:
        return m_parser.m_symbols.At(S::UnsignedInt).text;
    case T::Long:
        return m_parser.m_symbols.At(S::Long).text;
    case T::Ulong:
        return m_parser.m_symbols.At(S::UnsignedLong).text;
    case T::Char:
        return m_parser.m_symbols.At(S::Char).text;
    case T::Float:
        return m_parser.m_symbols.At(S::Float).text;
    case T::Double:
        return m_parser.m_symbols.At(S::Double).text;
    case T::Object:
        return m_parser.m_symbols.At(S::Object).text;
    default:
        return m_parser.m_symbols.At(S::String).text;
    }
}

// A predefined or named type (the text of its last identifier), pointers written as "*" behind
// it and rank specifiers dropped.
CString CSharpGrammar::Type()
{
    CString text;
    const int code = Code();
    if (IsPredefinedType(code) || (code == T::Void && Code(1) == '*'))
    {
        Take();
        text = PredefinedTypeText(code);
    }
    else
    {
        int name = ExpectIdentifier();
        if (Accept(T::DoubleColon))
            name = ExpectIdentifier();
        while (Code() == '.' && Code(1) == T::Identifier)
        {
            Take();
            name = Take().value;
        }
        text = m_parser.m_symbols.At(name).text;
    }
    for (;;)
    {
        if (Accept('*'))
            text += '*';
        else if (!Accept(T::RankSpecifier))
            return text;
    }
}

std::size_t CSharpGrammar::TypeShapeEnd(std::size_t ahead)
{
    if (IsPredefinedType(Code(ahead)))
        ++ahead;
    else if (Code(ahead) == T::Identifier)
    {
        ++ahead;
        if (Code(ahead) == T::DoubleColon)
        {
            if (Code(ahead + 1) != T::Identifier)
                return 0;
            ahead += 2;
        }
        while (Code(ahead) == '.' && Code(ahead + 1) == T::Identifier)
            ahead += 2;
    }
    else
        return 0;
    while (Code(ahead) == '*' || Code(ahead) == T::RankSpecifier)
        ++ahead;
    return ahead;
}

void CSharpGrammar::Statement()
{
    Level level(*this);
    switch (Code())
    {
    case '{':
        Block();
        return;
    case ';':
        Take();
        return;
    case T::If:
        Take();
        ParenthesizedExpression();
        Statement();
        if (Accept(T::Else))
            Statement();
        return;
    case T::Switch:
        Take();
        ParenthesizedExpression();
        SwitchBlock();
        return;
    case T::While:
    case T::Lock:
        Take();
        ParenthesizedExpression();
        Statement();
        return;
    case T::Do:
        Take();
        Statement();
        Expect(T::While);
        ParenthesizedExpression();
        Expect(';');
        return;
    case T::For:
        ForStatement();
        return;
    case T::Foreach:
        Take();
        Expect('(');
        Type();
        ExpectIdentifier();
        Expect(T::In);
        Expression();
        Expect(')');
        Statement();
        return;
    case T::Break:
    case T::Continue:
        Take();
        Expect(';');
        return;
    case T::Goto:
        Take();
        if (Accept(T::Case))
            Expression();
        else if (!Accept(T::Default))
            ExpectIdentifier();
        Expect(';');
        return;
    case T::Return:
    case T::Throw:
        Take();
        if (Code() != ';')
            Expression();
        Expect(';');
        return;
    case T::Try:
        TryStatement();
        return;
    case T::Checked:
    case T::Unchecked:
        if (Code(1) == '{')
        {
            Take();
            Block();
            return;
        }
        break;
    case T::Unsafe:
        Take();
        Block();
        return;
    case T::Using:
    case T::Fixed:
        Take();
        Expect('(');
        if (IsLocalDeclaration())
            LocalDeclaration();
        else
            Expression();
        Expect(')');
        Statement();
        return;
    case T::Const:
        Take();
        LocalDeclaration();
        Expect(';');
        return;
    case T::Identifier:
        if (Code(1) == ':')
        {
            Take();
            Take();
            Statement();
            return;
        }
        if (m_parser.m_symbols.At(m_ahead.front().value).text == "yield" &&
            (Code(1) == T::Return || Code(1) == T::Break))
        {
            Take();
            if (Take().code == T::Return)
                Expression();
            Expect(';');
            return;
        }
        break;
    default:
        break;
    }
    if (IsLocalDeclaration())
        LocalDeclaration();
    else
        Expression();
    Expect(';');
}

void CSharpGrammar::ParenthesizedExpression()
{
    Expect('(');
    Expression();
    Expect(')');
}

void CSharpGrammar::Block()
{
    Level level(*this);
    Expect('{');
    while (Code() != '}')
    {
        if (Code() == T::EndOfInput)
            Fail();
        Statement();
    }
    Take();
}

void CSharpGrammar::SwitchBlock()
{
    Expect('{');
    while (Code() != '}')
    {
        if (Accept(T::Case))
        {
            Expression();
            Expect(':');
        }
        else if (Code() == T::Default && Code(1) == ':')
        {
            Take();
            Take();
        }
        else if (Code() == T::EndOfInput)
            Fail();
        else
            Statement();
    }
    Take();
}

void CSharpGrammar::TryStatement()
{
    Take();
    Block();
    bool handled = false;
    while (Accept(T::Catch))
    {
        handled = true;
        if (Accept('('))
        {
            Type();
            if (Code() == T::Identifier)
                Take();
            Expect(')');
        }
        Block();
    }
    if (Accept(T::Finally))
    {
        handled = true;
        Block();
    }
    if (!handled)
        Fail();
}

bool CSharpGrammar::IsLocalDeclaration()
{
    if (IsPredefinedType(Code()))
        return Code(1) != '.';
    const std::size_t end = TypeShapeEnd(0);
    return end != 0 && Code(end) == T::Identifier;
}

void CSharpGrammar::LocalDeclaration()
{
    Type();
    VariableDeclarators();
}

void CSharpGrammar::ForStatement()
{
    Take();
    Expect('(');
    if (Code() != ';')
    {
        if (IsLocalDeclaration())
            LocalDeclaration();
        else
            ExpressionList(';');
    }
    Expect(';');
    if (Code() != ';')
        Expression();
    Expect(';');
    ExpressionList(')');
    Expect(')');
    Statement();
}

void CSharpGrammar::ExpressionList(int closing)
{
    if (Code() == closing)
        return;
    do
        Expression();
    while (Accept(T::Comma));
}

void CSharpGrammar::Expression()
{
    Level level(*this);
    Conditional();
    if (IsAssignment(Code()))
    {
        Take();
        Expression();
    }
}

void CSharpGrammar::Conditional()
{
    Level level(*this);
    Binary(1);
    if (Accept('?'))
    {
        Expression();
        Expect(':');
        Expression();
    }
}

void CSharpGrammar::Binary(int minimumLevel)
{
    Level level(*this);
    Unary();
    for (int found; (found = BinaryLevel(Code())) >= minimumLevel;)
    {
        const int code = Take().code;
        if (code == T::Is || code == T::As)
            Type();
        else
            Binary(found + 1);
    }
}

void CSharpGrammar::Unary()
{
    Level level(*this);
    const int code = Code();
    if (IsIn(code, {'+', '-', '!', '~', '*', '&', T::Increment, T::Decrement}))
    {
        Take();
        Unary();
        return;
    }
    if (code == '(' && IsCast())
    {
        Take();
        Type();
        Expect(')');
        Unary();
        return;
    }
    Primary();
}

bool CSharpGrammar::IsCast()
{
    const std::size_t end = TypeShapeEnd(1);
    if (end == 0 || Code(end) != ')')
        return false;
    if (IsPredefinedType(Code(1)))
        return true;
    const int next = Code(end + 1);
    return next == T::Identifier || IsLiteral(next) || next == '(' || next == '~' || next == '!' ||
           IsPredefinedType(next) ||
           IsIn(next, {T::This, T::Base, T::New, T::Typeof, T::Sizeof, T::Checked, T::Unchecked,
                       T::Default, T::Delegate});
}

void CSharpGrammar::Primary()
{
    Level level(*this);
    const int code = Code();
    if (IsLiteral(code) || code == T::This || code == T::Base)
        Take();
    else if (code == T::Identifier)
    {
        Take();
        if (Accept(T::DoubleColon))
            ExpectIdentifier();
    }
    else if (IsPredefinedType(code))
    {
        Take();
        if (Code() != '.')
            Fail();
    }
    else if (code == '(')
    {
        Take();
        Expression();
        Expect(')');
    }
    else if (code == T::New)
        NewExpression();
    else if (code == T::Typeof || code == T::Sizeof || code == T::Default)
    {
        Take();
        Expect('(');
        if (code == T::Typeof && Code() == T::Void && Code(1) == ')')
            Take();
        else
            Type();
        Expect(')');
    }
    else if (code == T::Checked || code == T::Unchecked)
    {
        Take();
        ParenthesizedExpression();
    }
    else if (code == T::Delegate)
    {
        Take();
        if (Accept('('))
        {
            FormalParameters(')', false);
            Expect(')');
        }
        Block();
    }
    else if (code == T::Stackalloc)
    {
        Take();
        Type();
        Expect(T::OpenBracket);
        Expression();
        Expect(T::CloseBracket);
    }
    else
        Fail();
    for (;;)
    {
        switch (Code())
        {
        case '.':
        case T::Arrow:
            Take();
            ExpectIdentifier();
            break;
        case '(':
            Take();
            Arguments(')');
            break;
        case T::OpenBracket:
            Take();
            Arguments(T::CloseBracket);
            break;
        case T::Increment:
        case T::Decrement:
            Take();
            break;
        default:
            return;
        }
    }
}

void CSharpGrammar::NewExpression()
{
    Take();
    Type();
    if (Accept('('))
        Arguments(')');
    else if (Accept(T::OpenBracket))
    {
        ExpressionList(T::CloseBracket);
        Expect(T::CloseBracket);
        while (Accept(T::RankSpecifier))
        {
        }
        if (Code() == '{')
            VariableInitializer();
    }
    else if (Code() == '{')
        VariableInitializer();
    else
        Fail();
}

// The arguments up to the closing token, which is taken.
void CSharpGrammar::Arguments(int closing)
{
    if (!Accept(closing))
    {
        do
        {
            if (Code() == T::Ref || Code() == T::Out)
                Take();
            Expression();
        } while (Accept(T::Comma));
        Expect(closing);
    }
}

void CSharpGrammar::VariableInitializer()
{
    Level level(*this);
    if (Code() != '{')
    {
        Expression();
        return;
    }
    Take();
    while (Code() != '}')
    {
        VariableInitializer();
        if (!Accept(T::Comma))
            break;
    }
    Expect('}');
}
