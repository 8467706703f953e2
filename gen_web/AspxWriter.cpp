#include "gen_web/AspxWriter.h"

#include "model/ForgeonProject.h"
#include "model/GenerationReport.h"
#include "model/Identifiers.h"
#include "model/Module.h"
#include "model/ProjectSettings.h"
#include "platform/core/LiteralEscaping.h"

AspxWriter::AspxWriter(ForgeonProject* project, FormInterface* page, GenerationReport& report)
    : m_project(project), m_page(page), m_report(report),
      m_textFile(/*disabled=*/false, /*flush=*/false, '=', 60)
{
}

void AspxWriter::WriteUsings()
{
    m_textFile.Write(0, "using System;\n");
    m_textFile.Write(0, "using System.Data;\n");
    m_textFile.Write(0, "using System.Data.SqlClient;\n");
    m_textFile.Write(0, "using System.Configuration;\n");
    m_textFile.Write(0, "using System.Collections;\n");
    m_textFile.Write(0, "using System.Web;\n");
    m_textFile.Write(0, "using System.Web.Security;\n");
    m_textFile.Write(0, "using System.Web.UI;\n");
    m_textFile.Write(0, "using System.Web.UI.WebControls;\n");
    m_textFile.Write(0, "using System.Web.UI.WebControls.WebParts;\n");
    m_textFile.Write(0, "using System.Web.UI.HtmlControls;\n");
    m_textFile.Write(0, "using System.Drawing;\n");
    m_textFile.Write(0, "using System.Xml;\n");
    m_textFile.Write(0, "using System.Xml.Xsl;\n");
    m_textFile.Write(0, "using System.IO;\n");
}

void AspxWriter::WriteContentPageOpening(const CString& pageName, const CString& className)
{
    WritePageDirective(pageName, className);
    WriteContentOpening();
}

void AspxWriter::WritePageDirective(const CString& pageName, const CString& className)
{
    m_textFile.Write(0,
                     "<%%@ Page Language=\"C#\" MasterPageFile=\"~/Themes/UI/%s\" "
                     "EnableEventValidation=\"false\" AutoEventWireup=\"true\" CodeBehind=\"",
                     EscapeXml(GetMasterPageFile()));
    m_textFile.Write(0, "%s.cs\" Inherits=\"%s.%s\"%%>\n", EscapeXml(pageName),
                     CSharpTypeName(m_project->GetProjectName()), CSharpTypeName(className));
    m_textFile.Write(0, "\n");
}

void AspxWriter::WriteContentOpening()
{
    m_textFile.Write(0,
                     "<asp:Content ID=\"Content1\" ContentPlaceHolderID=\"KestraneWeavoContent\" "
                     "runat=\"server\">\n");
}

void AspxWriter::WriteScriptIncludes(int indent)
{
    for (const char* script :
         {"simplecalendar.js", "Ajax.js", "validate.js", "EditableCombo.js", "Report.js"})
        m_textFile.Write(indent,
                         "<script language=\"JavaScript\" src=\"../../includes/JS/%s\" "
                         "type=\"text/javascript\"></script>\n",
                         script);
}

CString AspxWriter::GetRelativeFolder(bool withModule) const
{
    const CString name = m_project->GetProjectName();
    CString folder = name + "\\" + name;
    const Module* module = m_project->GetCurrentModule();
    if (withModule && module != nullptr)
        folder += "\\" + module->GetName();
    return folder;
}

CString AspxWriter::GetMasterPageFile() const
{
    return m_project->GetProjectSettings()->GetMasterPageFile();
}

void AspxWriter::SaveFile(const CString& fileName, const CString& folder)
{
    if (folder.IsEmpty())
        return;
    SaveTextFile(m_project->GetProjectPath() + folder + "\\" + fileName, m_textFile.GetBuffer(),
                 m_report);
    m_textFile.ClearBuffer();
}
