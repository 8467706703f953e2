#include "gen_reports/CSharpParser.h"

#include "gen_reports/CSharpGrammar.h"
#include "gen_reports/CSharpScanner.h"
#include "platform/core/CFile.h"
#include "platform/core/Descriptor.h"
#include "platform/core/FileWriters.h"
#include "platform/core/HostPath.h"

#include <cstdio>
#include <memory>
#include <new>
#include <string>
#include <unistd.h>
#include <unordered_map>
#include <vector>

namespace
{
// The kind of file written here and the rules its writer keeps.
const FileWriterRegistration parserOutputWriter("C# parser output", replacesLinks);

// The record under the key, or the one make gives, appended to the list and entered in the index;
// on a failure neither holds it.
template <typename Record, typename Make>
Record* FindOrAppend(std::vector<Record*>& list, std::unordered_map<std::string, Record*>& index,
                     const std::string& key, Make make)
{
    const auto found = index.find(key);
    if (found != index.end())
        return found->second;
    std::unique_ptr<Record> record = make();
    const auto entry = index.emplace(key, record.get()).first;
    try
    {
        list.push_back(record.get());
    }
    catch (...)
    {
        index.erase(entry);
        throw;
    }
    return record.release();
}
} // namespace

CSharpParser::CSharpParser(bool collectBodies) : m_collectBodies(collectBodies) {}

CSharpParser::~CSharpParser()
{
    Clear();
}

int CSharpParser::Parse(const char* inputPath, const char* outputPath)
{
    m_refusal.clear();
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
    const int result =
        ParseStream(input, inputPath != nullptr ? "\"" + std::string(inputPath) + "\""
                                                : std::string("standard input"));
    if (input != stdin)
        std::fclose(input);
    if (output != stdout)
        std::fclose(output);
    return result;
}

int CSharpParser::ParseStream(std::FILE* input, const std::string& name)
{
    m_currentClass = nullptr;
    m_currentMethod = nullptr;
    m_collected.clear();
    m_refusal.clear();
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
    catch (const CSharpNotSource& reason)
    {
        m_refusal = name + " is not C# source: " + reason.what();
        std::fprintf(stderr, "ERROR - %s\n", m_refusal.c_str());
        result = 3;
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
    m_classIndex.clear();
    m_methodIndex.clear();
    m_currentClass = nullptr;
    m_currentMethod = nullptr;
    m_refusal.clear();
}

void CSharpParser::GetClassMethods(CStringArray& methods, const CString& className) const
{
    const auto found = m_classIndex.find(std::string(className));
    if (found != m_classIndex.end())
    {
        for (const CSharpMethodInfo* method : found->second->methods)
            methods.Add(method->name.text);
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
    m_currentClass = FindOrAppend(m_classes, m_classIndex, std::string(name.text),
                                  [&name]
                                  {
                                      auto info = std::make_unique<CSharpClassInfo>();
                                      info->name = name;
                                      return info;
                                  });
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
        m_currentMethodOwner = m_currentClass;
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
        const bool renamed = !m_currentMethod->name.text.IsEmpty();
        m_currentMethod->name = name;
        m_currentMethod->returnType = returnType;
        auto& methods = m_methodIndex[m_currentMethodOwner];
        if (!renamed)
            methods.try_emplace(std::string(name.text), m_currentMethod);
        else
        {
            // Named again after a syntax error: the first method of each name is looked up anew.
            methods.clear();
            for (CSharpMethodInfo* method : m_currentMethodOwner->methods)
                methods.try_emplace(std::string(method->name.text), method);
        }
        return;
    }
    m_currentMethodOwner = m_currentClass;
    m_currentMethod =
        FindOrAppend(m_currentClass->methods, m_methodIndex[m_currentClass], std::string(name.text),
                     [&name, &returnType]
                     {
                         auto method = std::make_unique<CSharpMethodInfo>();
                         method->name = name;
                         method->returnType = returnType;
                         return method;
                     });
}

void CSharpParser::EndMethod()
{
    if (m_collectBodies && m_currentMethod != nullptr)
        m_currentMethod->body = CString(m_collected);
    m_collected.clear();
    m_currentMethod = nullptr;
}
