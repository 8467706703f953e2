#pragma once

#include "gen_reports/CSharpSymbol.h"
#include "platform/core/CString.h"

#include <vector>

// What the C# reader keeps of a parameter of a method: its name and type text.
struct CSharpParameterInfo
{
    CSharpSymbol name;
    CString type;
};

// A method of a class: its name (empty until the method's header is read), return-type text,
// body text and parameters in declaration order (owned).
class CSharpMethodInfo
{
public:
    CSharpMethodInfo() = default;
    CSharpMethodInfo(const CSharpMethodInfo&) = delete;
    CSharpMethodInfo& operator=(const CSharpMethodInfo&) = delete;
    ~CSharpMethodInfo();

    CSharpSymbol name;
    CString returnType;
    CString body;
    std::vector<CSharpParameterInfo*> parameters;
};

// A class with its methods in the order they were first met (owned).
class CSharpClassInfo
{
public:
    CSharpClassInfo() = default;
    CSharpClassInfo(const CSharpClassInfo&) = delete;
    CSharpClassInfo& operator=(const CSharpClassInfo&) = delete;
    ~CSharpClassInfo();

    CSharpSymbol name;
    std::vector<CSharpMethodInfo*> methods;
};
