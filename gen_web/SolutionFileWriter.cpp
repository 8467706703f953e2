#include "gen_web/SolutionFileWriter.h"

#include "model/ForgeonProject.h"
#include "model/ProjectSettings.h"
#include "model/TextFile.h"

SolutionFileWriter::SolutionFileWriter(const ForgeonProject& project, TextFile& file)
    : m_file(file), m_projectName(project.GetProjectName()),
      m_target(VisualStudioTarget::ForVersionCode(
          project.GetProjectSettings()->GetVisualStudioVersion()))
{
}

void SolutionFileWriter::Write()
{
    WriteHeader();
    WriteProject();
    WriteGlobal();
}

void SolutionFileWriter::WriteHeader()
{
    m_file.Write(0, "Microsoft Visual Studio Solution File, Format Version %s\n",
                 m_target.formatVersion);
    m_file.Write(0, "# Visual Studio %s\n", m_target.yearLine);
}

void SolutionFileWriter::WriteProject()
{
    m_file.Write(0, "Project(\"{FAE04EC0-301F-11D3-BF4B-00C04F79EFBC}\") = ");
    m_file.Write(0, "\"%s\", ", m_projectName);
    m_file.Write(0, "\"%s\\%s.csproj\", ", m_projectName, m_projectName);
    m_file.Write(0, "\"%s\"\n", m_target.projectGuid);
    if (!m_target.is2008)
    {
        m_file.Write(1, "ProjectSection(WebsiteProperties) = preProject\n");
        m_file.Write(2, "Debug.AspNetCompiler.Debug = \"True\"\n");
        m_file.Write(2, "Release.AspNetCompiler.Debug = \"False\"\n");
        m_file.Write(1, "EndProjectSection\n");
    }
    m_file.Write(0, "EndProject\n");
}

void SolutionFileWriter::WriteGlobal()
{
    const char* guid = m_target.projectGuid;
    m_file.Write(0, "Global\n");
    m_file.Write(1, "GlobalSection(SolutionConfigurationPlatforms) = preSolution\n");
    m_file.Write(2, "Debug|Any CPU = Debug|Any CPU\n");
    m_file.Write(2, "Release|Any CPU = Release|Any CPU\n");
    m_file.Write(1, "EndGlobalSection\n");
    m_file.Write(1, "GlobalSection(ProjectConfigurationPlatforms) = postSolution\n");
    m_file.Write(2, "%s.Debug|Any CPU.ActiveCfg = Debug|Any CPU\n", guid);
    m_file.Write(2, "%s.Debug|Any CPU.Build.0 = Debug|Any CPU\n", guid);
    m_file.Write(2, "%s.Release|Any CPU.ActiveCfg = Release|Any CPU\n", guid);
    m_file.Write(2, "%s.Release|Any CPU.Build.0 = Release|Any CPU\n", guid);
    m_file.Write(1, "EndGlobalSection\n");
    m_file.Write(1, "GlobalSection(SolutionProperties) = preSolution\n");
    m_file.Write(2, "HideSolutionNode = FALSE\n");
    m_file.Write(1, "EndGlobalSection\n");
    m_file.Write(0, "EndGlobal\n");
}
