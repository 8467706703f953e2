#include "gen_web/VSProjectWriter.h"

#include "gen_web/AssemblyInfoWriter.h"
#include "gen_web/ProjectFileWriter.h"
#include "gen_web/ProjectFolder.h"
#include "gen_web/ProjectUserFileWriter.h"
#include "gen_web/SolutionFileWriter.h"
#include "model/ForgeonProject.h"
#include "model/GenerationReport.h"
#include "model/Module.h"
#include "model/ProjectSettings.h"

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
    const CString projectFolder = GetProjectFolder(*m_project);
    const CString output = GetOutputRoot(*m_project);
    m_report.MakeFolder(output + "Properties");
    for (const Module* module : m_project->GetModules())
    {
        const CString moduleFolder = output + module->GetName();
        const CString modifiedFolder = projectFolder + "_modifiedCode/" + module->GetName();
        for (const CString& folder : {moduleFolder, modifiedFolder})
        {
            m_report.MakeFolder(folder);
            for (const char* subFolder : {"UI", "CS", "DataSets", "RDLCs"})
                m_report.MakeFolder(folder + "\\" + subFolder);
        }
    }
    m_report.MakeFolder(output + "PDFReports");
    m_report.MakeFolder(output + "Util");
}

void VSProjectWriter::CollectMasterPages()
{
    const ProjectSettings& settings = *m_project->GetProjectSettings();
    if (settings.GetThemeName().IsEmpty() || settings.GetColorSchemeName().IsEmpty())
        return;
    ThemesEnumerateFolders masterPages(m_project, ".master", /*copy=*/false, /*overwrite=*/false);
    masterPages.Walk(GetOutputRoot(*m_project) + "Themes\\UI\\");
    for (const CString& path : masterPages.GetCollectedFiles())
    {
        const CString fileName = path.Mid(path.ReverseFind('\\') + 1);
        m_masterPages.push_back(fileName.Left(fileName.ReverseFind('.')));
    }
}

template <class Writer, class... Inputs>
void VSProjectWriter::WriteFile(const CString& fileName, const CString& folder, Inputs&... inputs)
{
    Writer(inputs..., m_textFile).Write();
    InsertGeneratedText(0);
    SavePage(fileName, folder);
}
