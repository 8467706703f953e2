#pragma once

#include "gen_web/VisualStudioTarget.h"
#include "platform/core/CString.h"

class ForgeonProject;
class TextFile;

// The solution file (P.sln) that opens the generated web application project.
class SolutionFileWriter
{
public:
    SolutionFileWriter(const ForgeonProject& project, TextFile& file);

    void Write();

private:
    void WriteHeader();
    void WriteProject();
    void WriteGlobal();

    TextFile& m_file;
    CString m_projectName;
    VisualStudioTarget m_target;
};
