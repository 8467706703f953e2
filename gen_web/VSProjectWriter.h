#pragma once

#include "gen_web/TemplatePageWriter.h"
#include "platform/core/CString.h"

#include <vector>

// Makes the output folders and writes the files with which Visual Studio 2005 or 2008 opens
// the generated application: the solution, the per-user project file, AssemblyInfo.cs and the
// project file.
class VSProjectWriter : public TemplatePageWriter
{
public:
    VSProjectWriter(ForgeonProject* project, GenerationReport& report);

    void Write();

private:
    // A folder refused or not made goes to the report.
    void MakeFolders();
    void CollectMasterPages();
    // Runs the writer into the collected text and saves it as the page.
    template <class Writer, class... Inputs>
    void WriteFile(const CString& fileName, const CString& folder, Inputs&... inputs);

    CString m_projectName;
    // The theme's master pages, by base name.
    std::vector<CString> m_masterPages;
};
