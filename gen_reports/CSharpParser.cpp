#include "gen_reports/CSharpParser.h"

#include "gen_reports/CSharpGrammar.h"
#include "gen_reports/CSharpScanner.h"
#include "platform/core/CFile.h"
#include "platform/core/Descriptor.h"
#include "platform/core/FileWriters.h"
#include "platform/core/HostPath.h"

#include <cstdio>
#include <new>
#include <string>
#include <unistd.h>

namespace
{
// The kind of file written here and the rules its writer keeps.
const FileWriterRegistration parserOutputWriter("C# parser output", replacesLinks);
} // namespace

CSharpParser::CSharpParser(bool collectBodies) : m_collectBodies(collectBodies) {}

CSharpParser::~CSharpParser()
{
    Clear();
}

int CSharpParser::Parse(const char* inputPath, const char* outputPath)
{
    std::FILE* input = stdin;
    if (inputPath != nullptr)
    {
        // A regular file only, opened without blocking on a named pipe.
        const RegularFileOpening opening = OpenRegularFile(ToHostPath(inputPath));
        input = opening.descriptor >= 0 ? ::fdopen(opening.descriptor, "r") : nullptr;
        if (input == nullptr && opening.descriptor >= 0)
            ::close(opening.descriptor);
        if (input == nullptr)
        {
            std::fputs("ERROR - cannot open input file\n", stderr);
            return -1;
        }
    }
    std::FILE* output = stdout;
    if (outputPath != nullptr)
    {
        // A link or a file with other names at the path is replaced, never written through.
        std::string removed;
        Descriptor made = CreateOwnFile(ToHostPath(outputPath), removed);
        if (made.IsOpen() && ::ftruncate(made.Get(), 0) != 0)
            made.Close();
        output = made.IsOpen() ? ::fdopen(made.Get(), "w") : nullptr;
        if (output != nullptr)
            made.Release();
        if (output == nullptr)
        {
            std::fputs("ERROR - cannot open output file\n", stderr);
            if (input != stdin)
                std::fclose(input);
            return -1;
        }
    }
    const int result = ParseStream(input);
    if (input != stdin)
        std::fclose(input);
    if (output != stdout)
        std::fclose(output);
    return result;
}

int CSharpParser::ParseStream(std::FILE* input)
{
    m_currentClass = nullptr;
    m_currentMethod = nullptr;
    m_collected.clear();
    int result = 0;
    try
    {
        CSharpScanner scanner(input, m_symbols, m_collected);
        CSharpGrammar(scanner, *this).CompilationUnit();
    }
    catch (const CSharpSyntaxError&)
    {
        result = 1;
    }
    catch (const CSharpStackOverflow&)
    {
        result = 2;
    }
    catch (const CSharpScanFailure& failure)
    {
        std::fprintf(stderr, "%s\n", failure.what());
        result = 2;
    }
    catch (const std::bad_alloc&)
    {
        std::fputs("out of dynamic memory\n", stderr);
        result = 2;
    }
    m_currentClass = nullptr;
    m_currentMethod = nullptr;
    m_collected.clear();
    return result;
}

void CSharpParser::Clear()
{
    for (CSharpClassInfo* info : m_classes)
        delete info;
    m_classes.clear();
    m_currentClass = nullptr;
    m_currentMethod = nullptr;
}

void CSharpParser::GetClassMethods(CStringArray& methods, const CString& className) const
{
    for (const CSharpClassInfo* info : m_classes)
    {
        if (info->name.text == className)
        {
            for (const CSharpMethodInfo* method : info->methods)
                methods.Add(method->name.text);
        }
    }
}

void CSharpParser::GetMethodParameters(CStringArray& parameters, const CString& methodName) const
{
    if (const CSharpMethodInfo* method = FindMethod(methodName))
    {
        for (const CSharpParameterInfo* parameter : method->parameters)
            parameters.Add(parameter->name.text);
    }
}

CString CSharpParser::GetMethodBody(const CString& methodName) const
{
    const CSharpMethodInfo* method = FindMethod(methodName);
    return method != nullptr ? method->body : CString();
}

const CSharpMethodInfo* CSharpParser::FindMethod(const CString& name) const
{
    const CSharpMethodInfo* found = nullptr;
    for (const CSharpClassInfo* info : m_classes)
    {
        for (const CSharpMethodInfo* method : info->methods)
        {
            if (method->name.text == name)
                found = method;
        }
    }
    return found;
}

void CSharpParser::StartClass(int nameSymbol)
{
    const CSharpSymbol& name = m_symbols.At(nameSymbol);
    m_currentClass = nullptr;
    for (CSharpClassInfo* info : m_classes)
    {
        if (info->name.text == name.text)
        {
            m_currentClass = info;
            return;
        }
    }
    m_currentClass = new CSharpClassInfo;
    m_currentClass->name = name;
    m_classes.push_back(m_currentClass);
}

void CSharpParser::EndClass()
{
    m_currentClass = nullptr;
}

void CSharpParser::AddParameter(const CString& type, int nameSymbol)
{
    if (m_currentClass == nullptr)
        return;
    if (m_currentMethod == nullptr)
    {
        m_currentMethod = new CSharpMethodInfo;
        m_currentClass->methods.push_back(m_currentMethod);
    }
    m_currentMethod->parameters.push_back(new CSharpParameterInfo{m_symbols.At(nameSymbol), type});
}

void CSharpParser::MethodHeader(const CString& returnType, int nameSymbol)
{
    if (m_currentClass == nullptr)
        return;
    const CSharpSymbol& name = m_symbols.At(nameSymbol);
    if (m_currentMethod != nullptr)
    {
        m_currentMethod->name = name;
        m_currentMethod->returnType = returnType;
        return;
    }
    for (CSharpMethodInfo* method : m_currentClass->methods)
    {
        if (method->name.text == name.text)
        {
            m_currentMethod = method;
            return;
        }
    }
    m_currentMethod = new CSharpMethodInfo;
    m_currentMethod->name = name;
    m_currentMethod->returnType = returnType;
    m_currentClass->methods.push_back(m_currentMethod);
}

void CSharpParser::EndMethod()
{
    if (m_collectBodies && m_currentMethod != nullptr)
        m_currentMethod->body = CString(m_collected);
    m_collected.clear();
    m_currentMethod = nullptr;
}
