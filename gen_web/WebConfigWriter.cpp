#include "gen_web/WebConfigWriter.h"

#include "model/ForgeonProject.h"
#include "model/Identifiers.h"
#include "model/ProjectSettings.h"
#include "model/TextFile.h"
#include "platform/core/LiteralEscaping.h"

WebConfigWriter::WebConfigWriter(const ForgeonProject& project, TextFile& file)
    : m_file(file),
      m_connectionString(EscapeXml(project.GetProjectSettings()->GetConnectionString())),
      m_projectName(CSharpIdentifier(project.GetProjectSettings()->GetProjectName()))
{
    CString version;
    project.GetProjectSettings()->GetReportViewerVersion(version);
    m_reportViewerVersion = EscapeXml(version);
}

void WebConfigWriter::Write()
{
    m_file.Write(0, "<?xml version=\"1.0\"?>\n");
    m_file.Write(0, "<configuration>\n");
    m_file.Write(1, "<appSettings/>\n");
    WriteConnectionStrings();
    m_file.Write(1, "<system.web>\n");
    WriteHttpHandlers();
    m_file.Write(2, "<httpModules>\n");
    m_file.Write(3, "<add name=\"ApplicationModule\" type=\"%s.ApplicationModule\"/>\n",
                 m_projectName);
    m_file.Write(2, "</httpModules>\n");
    WriteCompilation();
    m_file.Write(2, "<authentication mode=\"Windows\"/>\n");
    m_file.Write(2, "<httpCookies httpOnlyCookies=\"true\"/>\n");
    // The pages encode every value they show, so a text holding markup ("<b>", "&#") is read and
    // stored as typed rather than failing the request without a word.
    m_file.Write(2, "<pages validateRequest=\"false\"/>\n");
    m_file.Write(1, "</system.web>\n");
    WriteDataFolder();
    m_file.Write(0, "</configuration>\n");
}

void WebConfigWriter::WriteConnectionStrings()
{
    m_file.Write(1, "<connectionStrings>\n");
    m_file.Write(2,
                 "<add name=\"m_connectionString\" connectionString=\"%s\" "
                 "providerName=\"System.Data.SqlClient\"/>\n",
                 m_connectionString);
    m_file.Write(1, "</connectionStrings>\n");
}

void WebConfigWriter::WriteHttpHandlers()
{
    m_file.Write(2, "<httpHandlers>\n");
    m_file.Write(
        3,
        "<add path=\"Reserved.ReportViewerWebControl.axd\" verb=\"*\" "
        "type=\"Microsoft.Reporting.WebForms.HttpHandler, Microsoft.ReportViewer.WebForms, "
        "Version=%s, Culture=neutral, PublicKeyToken=b03f5f7f11d50a3a\" validate=\"false\" />\n",
        m_reportViewerVersion);
    m_file.Write(3, "<add verb=\"GET\" path=\"style.css\" type=\"%s.CSSHandler\"/>\n",
                 m_projectName);
    m_file.Write(3, "<add verb=\"GET\" path=\"ajaxstyle.css\" type=\"%s.CSSHandler\"/>\n",
                 m_projectName);
    // The project's own files, never served: its assembly, its debug symbols, the Visual Studio
    // user and solution files, the report definitions and the data sets with their queries.
    for (const char* extension : {"dll", "pdb", "user", "sln", "rdlc", "xsd", "xsc", "xss"})
        m_file.Write(3,
                     "<add verb=\"*\" path=\"*.%s\" type=\"System.Web.HttpForbiddenHandler\"/>\n",
                     extension);
    m_file.Write(2, "</httpHandlers>\n");
}

void WebConfigWriter::WriteCompilation()
{
    m_file.Write(2, "<compilation debug=\"true\">\n");
    m_file.Write(3, "<assemblies>\n");
    m_file.Write(4,
                 "<add assembly=\"Microsoft.ReportViewer.WebForms, Version=%s, Culture=neutral, "
                 "PublicKeyToken=B03F5F7F11D50A3A\" />\n",
                 m_reportViewerVersion);
    m_file.Write(4,
                 "<add assembly=\"Microsoft.ReportViewer.Common, Version=%s, Culture=neutral, "
                 "PublicKeyToken=B03F5F7F11D50A3A\" />\n",
                 m_reportViewerVersion);
    m_file.Write(3, "</assemblies>\n");
    m_file.Write(3, "<buildProviders>\n");
    m_file.Write(4,
                 "<add extension=\".rdlc\" type=\"Microsoft.Reporting.RdlBuildProvider, "
                 "Microsoft.ReportViewer.Common, Version=%s, Culture=neutral, "
                 "PublicKeyToken=b03f5f7f11d50a3a\" />\n",
                 m_reportViewerVersion);
    m_file.Write(3, "</buildProviders>\n");
    m_file.Write(2, "</compilation>\n");
}

// The application's data folder, where printed reports wait for their session, is never served,
// also by servers that do not keep it back on their own.
void WebConfigWriter::WriteDataFolder()
{
    m_file.Write(1, "<location path=\"App_Data\">\n");
    m_file.Write(2, "<system.web>\n");
    m_file.Write(3, "<httpHandlers>\n");
    m_file.Write(4, "<clear/>\n");
    m_file.Write(4, "<add verb=\"*\" path=\"*\" type=\"System.Web.HttpForbiddenHandler\"/>\n");
    m_file.Write(3, "</httpHandlers>\n");
    m_file.Write(2, "</system.web>\n");
    m_file.Write(1, "</location>\n");
}
