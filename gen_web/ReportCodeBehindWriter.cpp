#include "gen_web/ReportCodeBehindWriter.h"

#include "entities/ApplicationReport.h"
#include "entities/AspxFile.h"
#include "entities/Class.h"
#include "entities/ReportGroup.h"
#include "gen_web/CodeBehindFragments.h"
#include "gen_web/FormControlFill.h"
#include "gen_web/PageControls.h"
#include "gen_web/PageHeaderWriter.h"
#include "gen_web/ReportXmlCodeWriter.h"
#include "model/FieldRep.h"
#include "model/FieldRepData.h"
#include "model/ForgeonProject.h"
#include "model/Identifiers.h"
#include "model/ProjectSettings.h"
#include "model/Table.h"
#include "platform/core/LiteralEscaping.h"

ReportCodeBehindWriter::ReportCodeBehindWriter(ForgeonProject* project, ApplicationReport* report,
                                               GenerationReport& generationReport)
    : AspxWriter(project, report, generationReport), m_applicationReport(report),
      m_pageTemplate(project->GetProjectSettings()->GetPageTemplate())
{
}

void ReportCodeBehindWriter::Write()
{
    for (AspFile* file : m_applicationReport->GetAspFiles())
    {
        m_pageFile = dynamic_cast<AspxFile*>(file);
        if (m_pageFile == nullptr)
            continue;
        WriteCodeBehind();
        SaveFile(ClassName() + ".aspx.cs", GetRelativeFolder(true) + "\\UI");
        WriteDesigner();
        SaveFile(ClassName() + ".aspx.designer.cs", GetRelativeFolder(true) + "\\UI");
    }
}

bool ReportCodeBehindWriter::IsSingleRecord() const
{
    return m_applicationReport->GetReportKind() == 5;
}

CString ReportCodeBehindWriter::ClassName() const
{
    return GetPageClassName(*m_pageFile);
}

std::vector<FieldRep*> ReportFilterControls(const ApplicationReport& report)
{
    std::vector<FieldRep*> controls;
    const std::vector<ReportGroup*>& groups = report.GetReportGroups();
    if (groups.empty() || groups.front() == nullptr)
        return controls;
    for (FieldRep* control : groups.front()->GetFilters())
        if (control != nullptr && control->GetField() != nullptr &&
            control->GetFieldRepData() != nullptr && !control->GetFieldRepData()->IsAddedBySync())
            controls.push_back(control);
    return controls;
}

std::vector<FieldRep*> ReportCodeBehindWriter::RecomputingControls() const
{
    std::vector<FieldRep*> controls = ReportFilterControls(*m_applicationReport);
    std::erase_if(controls, [](const FieldRep* control)
                  { return control->GetFieldRepData()->GetEventRecmpFieldsList().empty(); });
    return controls;
}

void ReportCodeBehindWriter::WriteCodeBehind()
{
    WriteUsings();
    m_textFile.Write(0, "namespace %s\n{\n", CSharpIdentifier(m_project->GetProjectName()));
    m_textFile.Write(1, "public partial class %s : System.Web.UI.Page\n",
                     CSharpIdentifier(ClassName()));
    m_textFile.Write(1, "{\n");
    WriteMembers();
    WritePageLoad();
    CodeBehindFragments fragments(*m_project, *m_applicationReport, m_textFile, "");
    FormControlFill(*m_applicationReport, m_applicationReport->GetTable(),
                    ReportFilterControls(*m_applicationReport), m_textFile, fragments, "")
        .WriteFilterInitializeControls(2);
    fragments.WriteExtractAndAssignValues(2);
    WriteHandleRecompute();
    for (FieldRep* control : RecomputingControls())
        fragments.WriteRecomputeMethod(*control, 2, /*detailRow=*/false);
    fragments.WriteFillRecomputeTextMethod(2);
    fragments.WriteFillRecomputeDateMethod(2);
    WriteHandleShow();
    if (IsSingleRecord())
        WriteHandleDelete();
    fragments.WriteFillComboMethod(2);
    ReportXmlCodeWriter xml(m_applicationReport, m_project);
    xml.WriteDataMethod(&m_textFile, 2, "GetXMLDataForReport");
    xml.WriteServerMethod(&m_textFile, 2, "WriteReportServer");
    fragments.WriteMenusMethod(2, m_pageFile->GetFileName(FALSE));
    std::vector<LinkControl*> links = m_applicationReport->GetPreLinkList();
    links.insert(links.end(), m_applicationReport->GetPostLinkList().begin(),
                 m_applicationReport->GetPostLinkList().end());
    PageHeaderWriter(*m_project, *m_applicationReport, m_textFile)
        .WriteManageLinkVisibility(links, 2);
    m_textFile.Write(1, "}\n");
    m_textFile.Write(0, "}\n");
}

void ReportCodeBehindWriter::WriteMembers()
{
    m_textFile.Write(2, "void Page_PreInit(Object sender, EventArgs e)\n");
    m_textFile.Write(2, "{\n");
    m_textFile.Write(3, "this.Title = \"%s\";\n",
                     EscapeCSharpString(m_applicationReport->GetTitle()));
    m_textFile.Write(2, "}\n");
    if (IsSingleRecord())
        m_textFile.Write(2, "String m_recordId = \"\";\n");
    m_textFile.Write(2, "String m_messageString = \"\";\n");
    m_textFile.Write(2, "String m_role = \"\";\n");
    m_textFile.Write(0, "\n");
    for (const FieldRep* control : ReportFilterControls(*m_applicationReport))
    {
        const int kind = ControlKind(*control);
        if (IsComboControlKind(kind) || kind == FieldRepData::RadioButton)
            m_textFile.Write(2, "String m_%s;\n", ControlName(*control));
    }
}

void ReportCodeBehindWriter::WritePageLoad()
{
    m_textFile.Write(2, "protected void Page_Load(object sender, EventArgs e)\n");
    m_textFile.Write(2, "{\n");
    CodeBehindFragments(*m_project, *m_applicationReport, m_textFile, "").WriteRoleCheck(3);
    if (IsSingleRecord())
        m_textFile.Write(3, "m_recordId = this.Request.Params[\"record_id\"];\n");
    m_textFile.Write(3, "String action = this.Request.Params[\"ACTION\"];\n");
    m_textFile.Write(3, "if (action != null && action.Equals(\"SHOW\"))\n");
    m_textFile.Write(4, "handleShow();\n");
    if (IsSingleRecord())
    {
        m_textFile.Write(3, "else if (action != null && action.Equals(\"DELETE\"))\n");
        m_textFile.Write(4, "handleDelete();\n");
        m_textFile.Write(3, "else if (action != null && (action.Equals(\"PREVIOUS\") || "
                            "action.Equals(\"NEXT\")))\n");
        m_textFile.Write(4, "handleShow();\n");
    }
    m_textFile.Write(3, "else if (action != null && action.Contains(\"RECOMPUTE\"))\n");
    m_textFile.Write(4, "handleRecompute();\n");
    m_textFile.Write(3, "else \n");
    m_textFile.Write(3, "{\n");
    const std::vector<FieldRep*> filters = ReportFilterControls(*m_applicationReport);
    CodeBehindFragments(*m_project, *m_applicationReport, m_textFile, "")
        .WriteComboResets(filters, 4, "All", "0");
    if (HasComboControl(filters))
        m_textFile.Write(4, "initializeControls();\n");
    for (const char* call : {"extractAndAssignValuesToControls();", "WriteReportServer();",
                             "WriteMenus();", "ManageLinkVisibility();"})
        m_textFile.Write(4, "%s\n", call);
    if (IsSingleRecord())
    {
        m_textFile.Write(4, "this.page_no.Value = \"0\";\n");
        m_textFile.Write(4, "if(m_recordId != null)\n");
        m_textFile.Write(5, "this.record_id.Value = m_recordId;\n");
    }
    m_textFile.Write(3, "}\n");
    m_textFile.Write(2, "}\n");
}

void ReportCodeBehindWriter::WriteHandleRecompute()
{
    m_textFile.Write(2, "void handleRecompute()\n");
    m_textFile.Write(2, "{\n");
    m_textFile.Write(3, "String action = this.Request.Params[\"ACTION\"];\n");
    for (const FieldRep* control : RecomputingControls())
    {
        CString id = ControlName(*control);
        id.MakeUpper();
        m_textFile.Write(3, "if (action != null && action.Equals(\"RECOMPUTEON%s\"))\n", id);
        m_textFile.Write(3, "{\n");
        m_textFile.Write(4, "recomputeOn%s();\n", id);
        m_textFile.Write(3, "}\n");
    }
    m_textFile.Write(2, "}\n");
}

void ReportCodeBehindWriter::WriteAnswerLines(int indent)
{
    for (const char* line :
         {"Response.CacheControl = \"no-cache\";", "Response.ContentType = \"text/xml\";",
          "ReportXMLWriter w = new ReportXMLWriter();", "GetXMLDataForReport(w);",
          "string strReport = w.Close();", "Response.Write(strReport);", "Response.End();"})
        m_textFile.Write(indent, "%s\n", line);
}

void ReportCodeBehindWriter::WriteHandleShow()
{
    m_textFile.Write(2, "void handleShow()\n");
    m_textFile.Write(2, "{\n");
    m_textFile.Write(3, "try\n");
    m_textFile.Write(3, "{\n");
    m_textFile.Write(4, "m_messageString = \"\";\n");
    WriteAnswerLines(4);
    m_textFile.Write(3, "}\n");
    m_textFile.Write(3, "catch (SqlException e)\n");
    m_textFile.Write(3, "{\n");
    m_textFile.Write(4, "m_messageString = new UtilHandler().ConvertToXML(e.Errors[0].Message);\n");
    WriteAnswerLines(4);
    m_textFile.Write(3, "}\n");
    m_textFile.Write(2, "}\n");
}

void ReportCodeBehindWriter::WriteHandleDelete()
{
    m_textFile.Write(2, "void handleDelete()\n");
    m_textFile.Write(2, "{\n");
    m_textFile.Write(3, "String id = Request.Form[\"record_id\"];\n");
    Table* table = m_applicationReport->GetTable();
    if (const Class* dataClass =
            table != nullptr ? m_project->GetClassForTable(table, false) : nullptr)
    {
        const CString name = CSharpIdentifier(table->GetTableName());
        const CString className = CSharpIdentifier(dataClass->GetFieldName());
        // A key that is not a number deletes nothing.
        m_textFile.Write(3, "if (new UtilHandler().ToSqlNumber(id, null) != null)\n");
        m_textFile.Write(3, "{\n");
        m_textFile.Write(4, "%s %s = new %s();\n", className, name, className);
        m_textFile.Write(4, "%s.SetPrimaryKey(id);\n", name);
        m_textFile.Write(4, "%s.HandleDelete();\n", name);
        m_textFile.Write(3, "}\n");
    }
    WriteAnswerLines(3);
    m_textFile.Write(2, "}\n");
}

void ReportCodeBehindWriter::WriteDesigner()
{
    const char* web = "protected global::System.Web.UI.WebControls.";
    const char* html = "protected global::System.Web.UI.HtmlControls.";
    m_textFile.Write(0, "namespace %s\n", CSharpIdentifier(m_project->GetProjectName()));
    m_textFile.Write(0, "{\n");
    m_textFile.Write(1, "public partial class %s\n", CSharpIdentifier(ClassName()));
    m_textFile.Write(1, "{\n");
    m_textFile.Write(2, "%sHtmlForm %s;\n\n", html,
                     PageControlId(GetFormNameStem(*m_applicationReport)));
    if (IsSingleRecord())
    {
        m_textFile.Write(2, "%sHiddenField record_id;\n", web);
        m_textFile.Write(2, "%sHiddenField page_no;\n", web);
    }
    for (const FieldRep* control : ReportFilterControls(*m_applicationReport))
    {
        const CString id = ControlName(*control);
        switch (ControlKind(*control))
        {
        case FieldRepData::ComboBox:
            m_textFile.Write(2, "%sDropDownList %s;\n\n", web, id);
            break;
        case FieldRepData::Hidden:
            m_textFile.Write(2, "%sHiddenField %s;\n\n", web, id);
            break;
        case FieldRepData::RadioButton:
            m_textFile.Write(2, "%sRadioButtonList %s;\n\n", web, id);
            break;
        case FieldRepData::EditableComboBox:
            m_textFile.Write(2, "%sTextBox %s_editable;\n\n", web, id);
            m_textFile.Write(2, "%sListBox %s;\n\n", web, id);
            break;
        case FieldRepData::DateControl:
            m_textFile.Write(2, "%sHtmlInputText %s;\n\n", html, id);
            break;
        case FieldRepData::TextBox:
            m_textFile.Write(2, "%sTextBox %s;\n\n", web, id);
            break;
        case FieldRepData::CheckBox:
            m_textFile.Write(2, "%sCheckBox %s;\n\n", web, id);
            break;
        default:
            break;
        }
    }
    m_textFile.Write(2, "%sHtmlGenericControl reportDiv;\n", html);
    m_textFile.Write(2, "%sMenu Menu1;\n", web);
    std::vector<LinkControl*> links = m_applicationReport->GetPreLinkList();
    links.insert(links.end(), m_applicationReport->GetPostLinkList().begin(),
                 m_applicationReport->GetPostLinkList().end());
    PageHeaderWriter(*m_project, *m_applicationReport, m_textFile).WriteLinkDeclarations(links, 2);
    m_textFile.Write(2, "%sHtmlGenericControl messageDiv;\n", html);
    if (m_pageTemplate >= 3 && m_pageTemplate <= 5)
        m_textFile.Write(2, "%sLabel LabelUsername;\n", web);
    if (IsSingleRecord())
        for (const char* button : {"Prior", "Next", "Add", "Update", "Delete"})
            m_textFile.Write(2, "%sHtmlInputButton %s;\n", html, button);
    m_textFile.Write(1, "}\n");
    m_textFile.Write(0, "}\n");
}
