#include "gen_web/RDLCPrintPageWriter.h"

#include "entities/RDLCInfo.h"
#include "entities/RDLCReport.h"
#include "gen_web/CodeBehindFragments.h"
#include "gen_web/CodeLines.h"
#include "gen_web/PageControls.h"
#include "gen_web/RDLCReportParts.h"
#include "model/ForgeonProject.h"
#include "model/Identifiers.h"
#include "platform/core/LiteralEscaping.h"

RDLCPrintPageWriter::RDLCPrintPageWriter(ForgeonProject* project, RDLCReport* report,
                                         GenerationReport& generationReport)
    : AspxWriter(project, report, generationReport), m_rdlcReport(report)
{
}

CString RDLCPrintPageWriter::GetPrintPageName() const
{
    return ::GetPrintPageName(*m_rdlcReport);
}

CString RDLCPrintPageWriter::UIFolder() const
{
    return GetRelativeFolder(true) + "\\UI";
}

void RDLCPrintPageWriter::Write()
{
    WritePage();
    WriteCodeFile();
    WriteDesignerFile();
}

void RDLCPrintPageWriter::WritePage()
{
    WritePageDirectives();
    WriteCodeLines(m_textFile, {
                                   {0, "<html>"},
                                   {0, "<head>Print Report</head>"},
                                   {0, "<body>"},
                                   {0, "<form id = \"PrintForm\" runat=\"server\">"},
                               });
    WriteReportViewer(0);
    WriteCodeLines(m_textFile, {
                                   {0, "</form>"},
                                   {0, "</body>"},
                                   {0, "</html>"},
                               });
    SaveFile(GetPrintPageName() + ".aspx", UIFolder());
}

void RDLCPrintPageWriter::WritePageDirectives()
{
    m_textFile.Write(0, "<%%@ Page Language=\"C#\" EnableEventValidation=\"false\" "
                        "AutoEventWireup=\"true\" CodeBehind=\"");
    m_textFile.Write(0, "%s.aspx.cs\" Inherits=\"%s.%s\"%%>\n", GetPrintPageName(),
                     CSharpTypeName(m_project->GetProjectName()),
                     CSharpTypeName(GetPrintPageName()));
    m_textFile.Write(0, "\n");
    // The print page registers the first viewer version whatever the target.
    RDLCReportParts(*m_project, *m_rdlcReport, m_textFile).WriteRegisterDirective("8.0.0.0");
}

void RDLCPrintPageWriter::WriteReportViewer(int indent)
{
    RDLCReportParts parts(*m_project, *m_rdlcReport, m_textFile);
    m_textFile.Write(indent, "<div>\n");
    parts.WriteViewerControl(indent + 1);
    parts.WriteObjectDataSources(indent + 1, /*leaveOutModule=*/true);
    m_textFile.Write(indent, "</div>\n");
}

void RDLCPrintPageWriter::WriteCodeFile()
{
    WriteUsings();
    m_textFile.Write(0, "using Microsoft.Reporting.WebForms;\n");
    m_textFile.Write(0, "\n");
    RDLCReportParts parts(*m_project, *m_rdlcReport, m_textFile);
    parts.WriteClassOpening(GetPrintPageName(), /*pageBase=*/true);
    WritePageLoad(2);
    parts.WriteClassClosing();
    SaveFile(GetPrintPageName() + ".aspx.cs", UIFolder());
}

void RDLCPrintPageWriter::WritePageLoad(int indent)
{
    m_textFile.Write(indent, "protected void Page_Load(object sender, EventArgs e)\n");
    m_textFile.Write(indent, "{\n");
    // Any request removes the printed reports left unsent. Only for a role that reaches the
    // report; the printed document only for its own session.
    m_textFile.Write(indent + 1, "new UtilHandler().RemoveUnsentPrintedReports(this);\n");
    CodeBehindFragments(*m_project, *m_rdlcReport, m_textFile, "").WriteLoginCheck(indent + 1);
    m_textFile.Write(indent + 1, "String printed = Request.Params[\"printed\"];\n");
    m_textFile.Write(indent + 1, "if (printed != null)\n");
    m_textFile.Write(indent + 1, "{\n");
    m_textFile.Write(indent + 2, "new UtilHandler().SendPrintedReport(this, printed);\n");
    m_textFile.Write(indent + 2, "return;\n");
    m_textFile.Write(indent + 1, "}\n");
    m_textFile.Write(0, "\n");
    WriteDataSources(indent + 1);
    WritePdfOutput(indent + 1);
    m_textFile.Write(indent, "}\n");
}

void RDLCPrintPageWriter::WriteDataSources(int indent)
{
    const RDLCInfo* info = m_rdlcReport->GetRDLCInfo();
    if (info == nullptr || info->GetEntries().empty())
        return;
    // The values come as the report page's Print sends them, each under its control's field.
    RDLCReportParts parts(*m_project, *m_rdlcReport, m_textFile);
    if (!parts.WriteQueryDataSources(indent, RDLCReportParts::Values::AsPassed))
        parts.WriteFirstRecordDataSource(indent);
}

void RDLCPrintPageWriter::WritePdfOutput(int indent)
{
    const int i = indent;
    WriteCodeLines(m_textFile,
                   {
                       {0, ""},
                       {i, "//print options"},
                       {i, "String reportType = \"PDF\";"},
                       {i, "String mimeType;"},
                       {i, "String encoding;"},
                       {i, "string fileNameExtension;"},
                       {0, ""},
                       {i, "string deviceInfo = "},
                       {i + 1, "\"<DeviceInfo>\" +"},
                       {i + 1, "\"  <OutputFormat>PDF</OutputFormat>\" +"},
                       {i + 1, "\"  <PageWidth>8.5in</PageWidth>\" +"},
                       {i + 1, "\"  <PageHeight>11in</PageHeight>\" +"},
                       {i + 1, "\"  <MarginTop>0.2in</MarginTop>\" +"},
                       {i + 1, "\"  <MarginLeft>0.2in</MarginLeft>\" +"},
                       {i + 1, "\"  <MarginRight>0.2in</MarginRight>\" +"},
                       {i + 1, "\"  <MarginBottom>0.2in</MarginBottom>\" +"},
                       {i + 1, "\"</DeviceInfo>\";"},
                       {0, ""},
                       {i, "Warning[] warnings;"},
                       {i, "String[] streams;"},
                       {i, "Byte[] renderedBytes;"},
                       {i, "renderedBytes = ReportViewer1.LocalReport.Render(reportType, "
                           "deviceInfo, out mimeType, out encoding, out "
                           "fileNameExtension, out streams, out warnings);"},
                       {i, "printed = new UtilHandler().KeepPrintedReport(this, renderedBytes);"},
                   });
    m_textFile.Write(i,
                     "Response.Write(\"<html><head><script language=javascript>function print(){"
                     "var x = document.getElementById('printdoc');x.print();}</script></head><body "
                     "onload=\\\"setTimeout('print()', 1000);\\\"><embed id=\\\"printdoc\\\" "
                     "src=\\\"%s.aspx?printed=\"+printed+\"\\\" name=\\\"printdoc\\\"/></body>"
                     "</html>\");\n",
                     EscapeCSharpString(GetPrintPageName()));
    WriteCodeLines(m_textFile, {
                                   {i, "Response.Flush();"},
                                   {i, "Response.End();"},
                               });
}

void RDLCPrintPageWriter::WriteDesignerFile()
{
    RDLCReportParts parts(*m_project, *m_rdlcReport, m_textFile);
    parts.WriteClassOpening(GetPrintPageName(), /*pageBase=*/false);
    WriteDeclarations(2);
    parts.WriteClassClosing();
    SaveFile(GetPrintPageName() + ".aspx.designer.cs", UIFolder());
}

void RDLCPrintPageWriter::WriteDeclarations(int indent)
{
    m_textFile.Write(indent, "protected global::System.Web.UI.HtmlControls.HtmlForm PrintForm;\n");
    m_textFile.Write(0, "\n");
    RDLCReportParts(*m_project, *m_rdlcReport, m_textFile).WriteViewerDeclarations(indent);
}
