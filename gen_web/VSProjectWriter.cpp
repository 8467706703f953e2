#include "gen_web/VSProjectWriter.h"

#include "gen_web/AssemblyInfoWriter.h"
#include "gen_web/ProjectFileWriter.h"
#include "gen_web/ProjectUserFileWriter.h"
#include "gen_web/SolutionFileWriter.h"
#include "model/ForgeonProject.h"
#include "model/GenerationReport.h"
#include "model/Module.h"
#include "model/ProjectSettings.h"
#include "platform/core/HostPath.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>

VSProjectWriter::VSProjectWriter(ForgeonProject* project, GenerationReport& report)
    : TemplatePageWriter(project, report), m_projectName(project->GetProjectName())
{
}

void VSProjectWriter::Write()
{
    MakeFolders();
    CollectMasterPages();
    const CString& name = m_projectName;
    const CString applicationFolder = name + "\\" + name;
    WriteFile<SolutionFileWriter>(name + ".sln", name, *m_project);
    WriteFile<ProjectUserFileWriter>(name + ".csproj.user", applicationFolder, *m_project);
    WriteFile<AssemblyInfoWriter>("AssemblyInfo.cs", applicationFolder + "\\Properties",
                                  *m_project);
    WriteFile<ProjectFileWriter>(name + ".csproj", applicationFolder, *m_project, m_masterPages);
}

void VSProjectWriter::MakeFolders()
{
    const CString projectFolder = m_project->GetProjectPath() + m_projectName;
    const CString output = projectFolder + "\\" + m_projectName;
    MakeFolder(output + "\\Properties");
    for (const Module* module : m_project->GetModules())
    {
        const CString moduleFolder = output + "\\" + module->GetName();
        const CString modifiedFolder = projectFolder + "\\_modifiedCode/" + module->GetName();
        for (const CString& folder : {moduleFolder, modifiedFolder})
        {
            MakeFolder(folder);
            for (const char* subFolder : {"UI", "CS", "DataSets", "RDLCs"})
                MakeFolder(folder + "\\" + subFolder);
        }
    }
    MakeFolder(output + "\\PDFReports");
    MakeFolder(output + "\\Util");
}

void VSProjectWriter::MakeFolder(const CString& path)
{
    if (!EnsureFolderChain(path))
        m_report.AddUnwrittenFile(path, std::strerror(errno));
}

void VSProjectWriter::CollectMasterPages()
{
    const ProjectSettings& settings = *m_project->GetProjectSettings();
    if (settings.GetThemeName().IsEmpty() || settings.GetColorSchemeName().IsEmpty())
        return;
    namespace fs = std::filesystem;
    const fs::path themes = ToHostPath(m_project->GetProjectPath() + m_projectName + "\\" +
                                       m_projectName + "\\Themes\\UI\\");
    std::vector<fs::path> found;
    std::error_code error;
    for (auto it = fs::recursive_directory_iterator(themes, error);
         it != fs::recursive_directory_iterator(); it.increment(error))
    {
        if (it->is_regular_file(error) &&
            CString(it->path().extension().string()).CompareNoCase(".master") == 0)
            found.push_back(it->path());
    }
    std::ranges::sort(found);
    for (const fs::path& path : found)
        m_masterPages.push_back(CString(path.stem().string()));
}

template <class Writer, class... Inputs>
void VSProjectWriter::WriteFile(const CString& fileName, const CString& folder, Inputs&... inputs)
{
    Writer(inputs..., m_textFile).Write();
    InsertGeneratedText(0);
    SavePage(fileName, folder);
}
