#pragma once

#include "platform/core/CString.h"

class ForgeonProject;
class TextFile;

// Properties\AssemblyInfo.cs of the generated web application.
class AssemblyInfoWriter
{
public:
    AssemblyInfoWriter(const ForgeonProject& project, TextFile& file);

    void Write();

private:
    TextFile& m_file;
    // The project name inside a C# string literal.
    CString m_projectName;
};
