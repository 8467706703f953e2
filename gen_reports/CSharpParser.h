#pragma once

#include "gen_reports/CSharpClassInfo.h"
#include "gen_reports/CSharpSymbol.h"
#include "platform/core/CString.h"
#include "platform/core/Collections.h"

#include <cstdio>
#include <string>
#include <unordered_map>
#include <vector>

// Reads C# source files (C# 2.0 without generics) and keeps an index of what they declare: the
// classes, the methods of each with return-type text, parameters and body text. The index grows
// with every parse until Clear.
class CSharpParser
{
public:
    // Nesting beyond this many open grammar levels ends a parse with 2.
    static constexpr int maxStackDepth = 10000;

    explicit CSharpParser(bool collectBodies);
    CSharpParser(const CSharpParser&) = delete;
    CSharpParser& operator=(const CSharpParser&) = delete;
    ~CSharpParser();

    // Parses the file (standard input when none), a regular file only, opened without blocking
    // on a named pipe; the output file (standard output when none) is opened for the scanner's
    // echo, replacing a link at its name. 0 accepted, 1 syntax error, 2 the parse could not go
    // on (nesting too deep, or a scanner failure reported on the standard error stream), 3 the
    // input is no C# source (reported on the standard error stream with the file's name), -1 a
    // file could not be opened.
    int Parse(const char* inputPath, const char* outputPath);
    // Parse from an open stream, which stays open; the name is what a message calls it.
    int ParseStream(std::FILE* input, const std::string& name = "the input");

    // Deletes the class records; the symbols stay.
    void Clear();
    void GetClassMethods(CStringArray& methods, const CString& className) const;
    void GetMethodParameters(CStringArray& parameters, const CString& methodName) const;
    CString GetMethodBody(const CString& methodName) const;

    const std::vector<CSharpClassInfo*>& GetClasses() const { return m_classes; }
    const CSharpSymbolTable& GetSymbols() const { return m_symbols; }
    // Why the last parse found no C# source (the file's name and the reason), empty after any
    // other outcome and after Clear.
    const std::string& GetRefusal() const { return m_refusal; }

private:
    friend class CSharpGrammar;

    // The grammar's actions that build the index.
    void StartClass(int nameSymbol);
    void EndClass();
    void AddParameter(const CString& type, int nameSymbol);
    void MethodHeader(const CString& returnType, int nameSymbol);
    void EndMethod();

    const CSharpMethodInfo* FindMethod(const CString& name) const;

    CSharpSymbolTable m_symbols;
    std::vector<CSharpClassInfo*> m_classes;
    // The classes by name, and per class its methods by name (the first of each name).
    std::unordered_map<std::string, CSharpClassInfo*> m_classIndex;
    std::unordered_map<const CSharpClassInfo*, std::unordered_map<std::string, CSharpMethodInfo*>>
        m_methodIndex;
    CSharpClassInfo* m_currentClass = nullptr;
    CSharpMethodInfo* m_currentMethod = nullptr;
    // The class whose list holds the current method (the current class may have changed since).
    const CSharpClassInfo* m_currentMethodOwner = nullptr;
    bool m_collectBodies;
    std::string m_collected;
    std::string m_refusal;
};
