#include "gen_web/ProjectUserFileWriter.h"

#include "gen_web/CodeLines.h"
#include "model/ForgeonProject.h"
#include "model/Module.h"
#include "model/ProjectSettings.h"
#include "platform/core/LiteralEscaping.h"

ProjectUserFileWriter::ProjectUserFileWriter(const ForgeonProject& project, TextFile& file)
    : m_file(file), m_pageTemplate(project.GetProjectSettings()->GetPageTemplate())
{
    if (const Module* base = project.GetBaseModule())
        m_baseModuleName = base->GetName();
}

void ProjectUserFileWriter::Write()
{
    WriteHead();
    WriteStartPage();
    WriteOptions();
    WriteTail();
}

void ProjectUserFileWriter::WriteHead()
{
    WriteCodeLines(
        m_file, {
                    {0, "<Project xmlns=\"http://schemas.microsoft.com/developer/msbuild/2003\">"},
                    {1, "<ProjectExtensions>"},
                    {2, "<VisualStudio>"},
                    {3, "<FlavorProperties GUID=\"{349c5851-65df-11da-9384-00065b846f21}\">"},
                    {4, "<WebProjectProperties>"},
                });
}

void ProjectUserFileWriter::WriteStartPage()
{
    if (m_pageTemplate >= 6)
    {
        m_file.Write(5, "<StartPageUrl></StartPageUrl>\n");
        m_file.Write(5, "<StartAction>CurrentPage</StartAction>\n");
        return;
    }
    m_file.Write(5, "<StartPageUrl>%s/UI/Login.aspx</StartPageUrl>\n", EscapeXml(m_baseModuleName));
    m_file.Write(5, "<StartAction>SpecificPage</StartAction>\n");
}

void ProjectUserFileWriter::WriteOptions()
{
    WriteCodeLines(m_file, {
                               {5, "<AspNetDebugging>True</AspNetDebugging>"},
                               {5, "<NativeDebugging>False</NativeDebugging>"},
                               {5, "<SQLDebugging>False</SQLDebugging>"},
                               {5, "<PublishCopyOption>RunFiles</PublishCopyOption>"},
                               {5, "<PublishTargetLocation>"},
                               {5, "</PublishTargetLocation>"},
                               {5, "<PublishDeleteAllFiles>False</PublishDeleteAllFiles>"},
                               {5, "<PublishCopyAppData>True</PublishCopyAppData>"},
                               {5, "<ExternalProgram>"},
                               {5, "</ExternalProgram>"},
                               {5, "<StartExternalURL>"},
                               {5, "</StartExternalURL>"},
                               {5, "<StartCmdLineArguments>"},
                               {5, "</StartCmdLineArguments>"},
                               {5, "<StartWorkingDirectory>"},
                               {5, "</StartWorkingDirectory>"},
                               {5, "<EnableENC>False</EnableENC>"},
                           });
}

void ProjectUserFileWriter::WriteTail()
{
    WriteCodeLines(m_file, {
                               {4, "</WebProjectProperties>"},
                               {3, "</FlavorProperties>"},
                               {2, "</VisualStudio>"},
                               {1, "</ProjectExtensions>"},
                               {1, "</Project>"},
                           });
}
