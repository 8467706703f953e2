#pragma once

#include "platform/core/CString.h"

class ForgeonProject;
class TextFile;

// The per-user project file (P.csproj.user): the start page and the debugging options.
class ProjectUserFileWriter
{
public:
    ProjectUserFileWriter(const ForgeonProject& project, TextFile& file);

    void Write();

private:
    void WriteHead();
    void WriteStartPage();
    void WriteOptions();
    void WriteTail();

    TextFile& m_file;
    int m_pageTemplate;
    CString m_baseModuleName;
};
