#include "gen_web/RDLCReportPageWriter.h"

#include "entities/AspxFile.h"
#include "entities/RDLCReport.h"
#include "gen_web/AspxScriptWriter.h"
#include "gen_web/CodeBehindFragments.h"
#include "gen_web/FieldRowLayout.h"
#include "gen_web/FormControlFill.h"
#include "gen_web/FormDesignerWriter.h"
#include "gen_web/PageControls.h"
#include "gen_web/PageHeaderWriter.h"
#include "gen_web/RDLCReportParts.h"
#include "model/FieldRep.h"
#include "model/FieldRepData.h"
#include "model/ForgeonProject.h"
#include "model/Identifiers.h"
#include "model/ProjectSettings.h"
#include "platform/core/LiteralEscaping.h"

RDLCReportPageWriter::RDLCReportPageWriter(ForgeonProject* project, RDLCReport* report,
                                           GenerationReport& generationReport)
    : AspxWriter(project, report, generationReport), m_rdlcReport(report),
      m_pageTemplate(project->GetProjectSettings()->GetPageTemplate())
{
}

CString RDLCReportPageWriter::GetPageIdentifier() const
{
    return PageControlId(GetFormNameStem(*m_rdlcReport));
}

void RDLCReportPageWriter::CollectShownControls(std::vector<FieldRep*>& controls) const
{
    const std::vector<FieldRep*> placed = GetPlacedControls(*m_rdlcReport);
    controls.insert(controls.end(), placed.begin(), placed.end());
}

bool RDLCReportPageWriter::HasShownControls() const
{
    return !GetPlacedControls(*m_rdlcReport).empty();
}

CString RDLCReportPageWriter::GetClassName() const
{
    return GetPageClassName(*m_pageFile);
}

std::vector<FieldRep*> RDLCReportPageWriter::RecomputingControls() const
{
    std::vector<FieldRep*> controls;
    CollectShownControls(controls);
    std::erase_if(controls, [](const FieldRep* control)
                  { return control->GetFieldRepData()->GetEventRecmpFieldsList().empty(); });
    return controls;
}

std::vector<LinkControl*> RDLCReportPageWriter::AllLinks() const
{
    std::vector<LinkControl*> links = m_rdlcReport->GetPreLinkList();
    links.insert(links.end(), m_rdlcReport->GetPostLinkList().begin(),
                 m_rdlcReport->GetPostLinkList().end());
    return links;
}

CString RDLCReportPageWriter::UIFolder() const
{
    return GetRelativeFolder(true) + "\\UI";
}

void RDLCReportPageWriter::WritePages()
{
    ForEachPageFile(&RDLCReportPageWriter::WritePage);
}

void RDLCReportPageWriter::ForEachPageFile(void (RDLCReportPageWriter::*write)())
{
    for (AspFile* file : m_rdlcReport->GetAspFiles())
    {
        if (dynamic_cast<AspxFile*>(file) == nullptr)
            continue;
        m_pageFile = file;
        (this->*write)();
    }
}

void RDLCReportPageWriter::WritePage()
{
    std::vector<FieldRep*> shown;
    CollectShownControls(shown);
    WritePageDirectives();
    WriteScriptIncludes(1);
    m_textFile.Write(1, "<script type=\"text/javascript\" language=\"javascript\">\n");
    m_textFile.Write(0, "\n");
    WriteShowScript(2);
    WritePrintScript(2);
    AspxScriptWriter script(*m_pageFile, *m_project, m_textFile);
    script.WriteHandleAction(shown, 2);
    script.WriteValidateData(shown, 2);
    m_textFile.Write(1, "</script>\n");
    PageHeaderWriter header(*m_project, *m_rdlcReport, m_textFile);
    header.WritePageTop(m_rdlcReport->GetHeader());
    WriteLinkTable(0, true);
    m_textFile.Write(0, "<table class=\"TableClass\" cellspacing=\"1\" align=\"center\" "
                        "width=\"98%%\">\n");
    FieldRowLayout rows(*m_pageFile, *m_project, m_textFile);
    rows.SetColumnCount(m_rdlcReport->GetColumnCount());
    rows.WriteRows(shown, 0);
    WriteButtonRow(0);
    m_textFile.Write(0, "</table>\n");
    WriteReportViewer(0);
    WriteLinkTable(0, false);
    header.WriteMessageContainer(0);
    m_textFile.Write(0, "</asp:Content>\n");
    SaveFile(m_pageFile->GetFileName(FALSE), UIFolder());
}

void RDLCReportPageWriter::WritePageDirectives()
{
    WritePageDirective(m_pageFile->GetFileName(FALSE), GetClassName());
    CString version;
    m_project->GetProjectSettings()->GetReportViewerVersion(version);
    RDLCReportParts(*m_project, *m_rdlcReport, m_textFile).WriteRegisterDirective(version);
    m_textFile.Write(0, "\n");
    WriteContentOpening();
}

void RDLCReportPageWriter::WriteShowScript(int indent)
{
    const int i = indent;
    m_textFile.Write(i, "function OnShow(action)\n");
    m_textFile.Write(i, "{\n");
    m_textFile.Write(i + 1, "if(ValidateData())\n");
    m_textFile.Write(i + 1, "{\n");
    WriteSubmit(i + 2, "SHOW");
    m_textFile.Write(i + 1, "}\n");
    m_textFile.Write(i, "}\n");
}

void RDLCReportPageWriter::WritePrintScript(int indent)
{
    const int i = indent;
    m_textFile.Write(i, "function OnPrint()\n");
    m_textFile.Write(i, "{\n");
    m_textFile.Write(i + 1, "msg=confirm('Do you really want to Print this Report? '); \n");
    m_textFile.Write(i + 1, "if(msg==false) \n");
    m_textFile.Write(i + 2, "return;\n");
    WriteSubmit(i + 1, "PRINT");
    m_textFile.Write(i, "}\n");
}

void RDLCReportPageWriter::WriteSubmit(int indent, const char* action)
{
    m_textFile.Write(indent, "var formName = document.aspnetForm;\n");
    m_textFile.Write(indent, "var sBody = getRequestBody(formName, \"%s\");\n", action);
    m_textFile.Write(indent, "var url = \"%s?\"+sBody;\n",
                     EscapeJavaScriptString(m_pageFile->GetFileName(FALSE)));
    m_textFile.Write(indent, "formName.action = url;\n");
    m_textFile.Write(indent, "formName.submit();\n");
}

void RDLCReportPageWriter::WriteButtonRow(int indent)
{
    m_textFile.Write(indent, "<tr>\n");
    m_textFile.Write(indent + 1, "<td colspan = \"4\" class = \"TDClassForButton\">\n");
    if (HasShownControls())
        m_textFile.Write(indent + 1, "<input type =\"Button\" class= \"ButtonControl\" value= "
                                     "\"View\" id=\"View\" onclick='OnShow(\"SHOW\")' "
                                     "/>&nbsp;&nbsp;\n");
    m_textFile.Write(indent + 1, "<input type =\"Button\" class= \"ButtonControl\" value= "
                                 "\"Print\" id=\"Print\" onclick='OnPrint(\"PRINT\")' />\n");
    m_textFile.Write(indent + 1, "</td>\n");
    m_textFile.Write(indent, "</tr>\n");
}

void RDLCReportPageWriter::WriteLinkTable(int indent, bool pre)
{
    PageHeaderWriter(*m_project, *m_rdlcReport, m_textFile)
        .WriteThreeColumnTable(
            pre ? m_rdlcReport->GetPreLinkList() : m_rdlcReport->GetPostLinkList(), indent);
}

void RDLCReportPageWriter::WriteReportViewer(int indent)
{
    RDLCReportParts parts(*m_project, *m_rdlcReport, m_textFile);
    m_textFile.Write(indent, "<table class=\"TableClass\"  cellspacing=\"1\" align=\"center\" "
                             "width=\"98%%\">\n");
    m_textFile.Write(indent + 1, "<tr><td>\n");
    parts.WriteViewerControl(indent + 2);
    parts.WriteObjectDataSources(indent + 2,
                                 m_project->GetProjectSettings()->GetVisualStudioVersion() != 3);
    m_textFile.Write(indent + 1, "</td></tr>\n");
    m_textFile.Write(indent, "</table>\n");
}

void RDLCReportPageWriter::WriteCodeBehindFiles()
{
    ForEachPageFile(&RDLCReportPageWriter::WriteCodeFile);
}

void RDLCReportPageWriter::WriteCodeFile()
{
    WriteUsings();
    m_textFile.Write(0, "using Microsoft.Reporting.WebForms;\n");
    m_textFile.Write(0, "\n");
    RDLCReportParts parts(*m_project, *m_rdlcReport, m_textFile);
    parts.WriteClassOpening(GetClassName(), /*pageBase=*/true);
    WritePreInit(2);
    m_textFile.Write(2, "String m_messageString = \"\";\n");
    m_textFile.Write(2, "String m_role = \"\";\n");
    m_textFile.Write(0, "\n");
    WriteMemberStrings(2);
    WritePageLoad(2);
    WriteInitializeControls(2);
    CodeBehindFragments fragments(*m_project, *m_rdlcReport, m_textFile, "");
    fragments.WriteExtractAndAssignValues(2);
    WriteHandleRecompute(2);
    WriteRecomputeMethods(2);
    fragments.WriteFillRecomputeTextMethod(2);
    fragments.WriteFillRecomputeDateMethod(2);
    WriteHandleShow(2);
    WriteHandlePrint(2);
    fragments.WriteFillComboMethod(2);
    fragments.WriteMenusMethod(2, m_pageFile->GetFileName(FALSE));
    WriteManageLinkVisibility(2);
    parts.WriteClassClosing();
    SaveFile(GetClassName() + ".aspx.cs", UIFolder());
    WriteDesignerFile();
}

void RDLCReportPageWriter::WritePreInit(int indent)
{
    m_textFile.Write(indent, "void Page_PreInit(Object sender, EventArgs e)\n");
    m_textFile.Write(indent, "{\n");
    m_textFile.Write(indent + 1, "this.Title = \"%s\";\n",
                     EscapeCSharpString(m_rdlcReport->GetHeader()));
    m_textFile.Write(indent, "}\n");
}

void RDLCReportPageWriter::WriteMemberStrings(int indent)
{
    std::vector<FieldRep*> shown;
    CollectShownControls(shown);
    for (const FieldRep* control : shown)
    {
        const int kind = ControlKind(*control);
        if (kind == FieldRepData::ComboBox || kind == FieldRepData::RadioButton ||
            kind == FieldRepData::EditableComboBox)
            m_textFile.Write(indent, "String m_%s;\n", ControlName(*control));
    }
}

void RDLCReportPageWriter::WritePageLoad(int indent)
{
    const int i = indent;
    std::vector<FieldRep*> shown;
    CollectShownControls(shown);
    CodeBehindFragments fragments(*m_project, *m_rdlcReport, m_textFile, "");
    m_textFile.Write(i, "protected void Page_Load(object sender, EventArgs e)\n");
    m_textFile.Write(i, "{\n");
    fragments.WriteRoleCheck(i + 1);
    m_textFile.Write(i + 1, "String action = this.Request.Params[\"ACTION\"];\n");
    m_textFile.Write(i + 1, "if (action != null && action.Equals(\"SHOW\"))\n");
    m_textFile.Write(i + 2, "handleShow();\n");
    m_textFile.Write(i + 1, "else if (action != null && action.Equals(\"PRINT\"))\n");
    m_textFile.Write(i + 2, "handlePrint();\n");
    m_textFile.Write(i + 1, "else if (action != null && action.Contains(\"RECOMPUTE\"))\n");
    m_textFile.Write(i + 2, "handleRecompute();\n");
    m_textFile.Write(i + 1, "else \n");
    m_textFile.Write(i + 1, "{\n");
    fragments.WriteComboResets(shown, i + 2, "All", "0");
    fragments.WriteDateDefaults(shown, i + 2);
    if (HasComboControl(shown))
        m_textFile.Write(i + 2, "initializeControls();\n");
    m_textFile.Write(i + 2, "extractAndAssignValuesToControls();\n");
    m_textFile.Write(i + 2, "WriteMenus();\n");
    m_textFile.Write(i + 2, "ManageLinkVisibility();\n");
    m_textFile.Write(i + 1, "}\n");
    if (shown.empty())
    {
        m_textFile.Write(i + 1, "ReportViewer1.Visible = true;\n");
        m_textFile.Write(0, "\n");
    }
    m_textFile.Write(i, "}\n");
}

void RDLCReportPageWriter::WriteInitializeControls(int indent)
{
    std::vector<FieldRep*> shown;
    CollectShownControls(shown);
    CodeBehindFragments fragments(*m_project, *m_rdlcReport, m_textFile, "");
    FormControlFill(*m_rdlcReport, nullptr, shown, m_textFile, fragments, "")
        .WriteComboInitializeControls(indent);
}

void RDLCReportPageWriter::WriteHandleRecompute(int indent)
{
    m_textFile.Write(indent, "void handleRecompute()\n");
    m_textFile.Write(indent, "{\n");
    m_textFile.Write(indent + 1, "String action = this.Request.Params[\"ACTION\"];\n");
    WriteRecomputeDispatch(indent + 1);
    m_textFile.Write(indent, "}\n");
}

void RDLCReportPageWriter::WriteRecomputeDispatch(int indent)
{
    for (const FieldRep* control : RecomputingControls())
    {
        CString name = ControlName(*control);
        name.MakeUpper();
        m_textFile.Write(indent, "if (action != null && action.Equals(\"RECOMPUTEON%s\"))\n", name);
        m_textFile.Write(indent, "{\n");
        m_textFile.Write(indent + 1, "recomputeOn%s();\n", name);
        m_textFile.Write(indent, "}\n");
    }
}

void RDLCReportPageWriter::WriteRecomputeMethods(int indent)
{
    CodeBehindFragments fragments(*m_project, *m_rdlcReport, m_textFile, "");
    for (FieldRep* control : RecomputingControls())
        fragments.WriteRecomputeMethod(*control, indent, /*detailRow=*/false);
}

void RDLCReportPageWriter::WriteHandleShow(int indent)
{
    const int i = indent;
    const AspFile* mainFile = m_rdlcReport->FindAspFileByType(0);
    m_textFile.Write(i, "void handleShow()\n");
    m_textFile.Write(i, "{\n");
    m_textFile.Write(i + 1, "try\n");
    m_textFile.Write(i + 1, "{\n");
    m_textFile.Write(i + 2, "ReportViewer1.Visible = true;\n");
    m_textFile.Write(0, "\n");
    RDLCReportParts(*m_project, *m_rdlcReport, m_textFile)
        .WriteQueryDataSources(i + 2, RDLCReportParts::Values::FromControls);
    m_textFile.Write(i + 1, "}\n");
    m_textFile.Write(i + 1, "catch (SqlException e)\n");
    m_textFile.Write(i + 1, "{\n");
    m_textFile.Write(i + 2, "m_messageString = e.Errors[0].Message;\n");
    m_textFile.Write(
        i + 2, "String url = \"%s?messageString=\" + m_messageString;\n",
        EscapeCSharpString((mainFile != nullptr ? mainFile : m_pageFile)->GetFileName(FALSE)));
    m_textFile.Write(i + 2, "Response.Redirect(url);\n");
    m_textFile.Write(i + 1, "}\n");
    m_textFile.Write(i, "}\n");
}

void RDLCReportPageWriter::WriteHandlePrint(int indent)
{
    m_textFile.Write(indent, "void handlePrint()\n");
    m_textFile.Write(indent, "{\n");
    RDLCReportParts parts(*m_project, *m_rdlcReport, m_textFile);
    CString query;
    for (const FieldRep* control : m_rdlcReport->GetFieldReps())
    {
        const CString name = control != nullptr ? ControlName(*control) : CString();
        if (name.IsEmpty())
            continue;
        parts.WriteControlValue(control, name, indent + 1);
        // Encoded for the URL, and so that no value ends the script's string.
        query += (query.IsEmpty() ? "?" : "&") + name + "=\"+HttpUtility.UrlEncode(" + name +
                 " + \"\").Replace(\"'\", " + "\"%27\")+\"";
    }
    // The print page renders the report itself and keeps it for this session only.
    m_textFile.Write(indent + 1,
                     "ClientScript.RegisterStartupScript(this.GetType(), \"onclick\", \"<script "
                     "language=javascript> var url = '%s_Print.aspx%s'; window.open(url,'PrintMe',"
                     "'height=300px,width=500px,scrollbars=1'); </script>\");\n",
                     GetClassName(), query);
    m_textFile.Write(indent, "}\n");
}

void RDLCReportPageWriter::WriteManageLinkVisibility(int indent)
{
    PageHeaderWriter(*m_project, *m_rdlcReport, m_textFile)
        .WriteManageLinkVisibility(AllLinks(), indent);
}

void RDLCReportPageWriter::WriteDesignerFile()
{
    RDLCReportParts parts(*m_project, *m_rdlcReport, m_textFile);
    parts.WriteClassOpening(GetClassName(), /*pageBase=*/false);
    WriteControlDeclarations(2);
    parts.WriteClassClosing();
    SaveFile(GetClassName() + ".aspx.designer.cs", UIFolder());
}

void RDLCReportPageWriter::WriteControlDeclarations(int indent)
{
    const char* web = "protected global::System.Web.UI.WebControls.";
    std::vector<FieldRep*> shown;
    CollectShownControls(shown);
    m_textFile.Write(indent, "protected global::System.Web.UI.HtmlControls.HtmlForm %s;\n",
                     GetPageIdentifier());
    m_textFile.Write(0, "\n");
    WriteDesignerControlDeclarations(m_textFile, shown, /*update=*/false);
    RDLCReportParts(*m_project, *m_rdlcReport, m_textFile).WriteViewerDeclarations(indent);
    m_textFile.Write(indent, "%sMenu Menu1;\n", web);
    WriteLinkDeclarations(indent);
    m_textFile.Write(indent, "%sLabel MessageLabel;\n", web);
    if (m_pageTemplate >= 3 && m_pageTemplate <= 5)
        m_textFile.Write(indent, "%sLabel LabelUsername;\n", web);
    m_textFile.Write(indent, "%sButton Print;\n", web);
    m_textFile.Write(0, "\n");
}

void RDLCReportPageWriter::WriteLinkDeclarations(int indent)
{
    PageHeaderWriter(*m_project, *m_rdlcReport, m_textFile)
        .WriteLinkDeclarations(AllLinks(), indent);
}
