#include "gen_web/ReportAspxWriter.h"

#include "entities/ApplicationReport.h"
#include "entities/AspxFile.h"
#include "entities/Form.h"
#include "gen_web/ASPXMenuWriter.h"
#include "gen_web/AspxScriptWriter.h"
#include "gen_web/CodeBehindFragments.h"
#include "gen_web/FieldRowLayout.h"
#include "gen_web/PageControls.h"
#include "gen_web/PageHeaderWriter.h"
#include "gen_web/ReportCodeBehindWriter.h"
#include "model/FieldRep.h"
#include "model/FieldRepData.h"
#include "model/ForgeonProject.h"
#include "model/Module.h"
#include "model/ProjectSettings.h"
#include "platform/core/LiteralEscaping.h"

namespace
{
const char* const windowFeatures = "\",\"\",\"location=1,status=1,top=50,left=50,scrollbars=1,"
                                   "width=950,height=425,scrollbars=no,titlebar=no,"
                                   "addressbar=no,location=no,status=no\");\n";
} // namespace

ReportAspxWriter::ReportAspxWriter(ForgeonProject* project, ApplicationReport* report,
                                   GenerationReport& generationReport)
    : AspxWriter(project, report, generationReport), m_applicationReport(report),
      m_pageTemplate(project->GetProjectSettings()->GetPageTemplate()),
      m_controls(ReportFilterControls(*report))
{
}

void ReportAspxWriter::Write()
{
    for (AspFile* file : m_applicationReport->GetAspFiles())
    {
        if (dynamic_cast<AspxFile*>(file) == nullptr)
            continue;
        m_pageFile = file;
        if (m_applicationReport->GetReportKind() == 5)
            WriteSingleRecordPage();
        else
            WriteListPage();
        SaveFile(file->GetFileName(FALSE), GetRelativeFolder(true) + "\\UI");
    }
}

void ReportAspxWriter::WritePageHead()
{
    WriteContentPageOpening(m_pageFile->GetFileName(FALSE), GetPageClassName(*m_pageFile));
    WriteScriptIncludes(0);
    m_textFile.Write(0, "<script type=\"text/javascript\" language=\"javascript\">\n\n");
}

void ReportAspxWriter::WriteListPage()
{
    WritePageHead();
    AspxScriptWriter script(*m_pageFile, *m_project, m_textFile);
    script.WriteHandleAction(m_controls, 0);
    script.WriteValidateData(m_controls, 0);
    m_textFile.Write(0, "</script>\n");
    PageHeaderWriter header(*m_project, *m_applicationReport, m_textFile);
    header.WritePageTop(m_applicationReport->GetTitle());
    header.WriteThreeColumnTable(m_applicationReport->GetPreLinkList(), 0);
    m_textFile.Write(0, "<table class=\"TableClass\" cellspacing=\"1\" >\n");
    WriteFilterTable();
    m_textFile.Write(0, "<br/>\n");
    m_textFile.Write(0, "<div id=\"reportDiv\" runat=\"server\"></div>\n");
    m_textFile.Write(0, "<br/>\n");
    header.WriteThreeColumnTable(m_applicationReport->GetPostLinkList(), 0);
    header.WriteMessageContainer(0);
    m_textFile.Write(0, "</asp:Content>\n");
}

void ReportAspxWriter::WriteSingleRecordPage()
{
    const CString formName = GetFormNameStem(*m_applicationReport);
    WritePageHead();
    WriteOnShow();
    WriteOpenWindow();
    AspxScriptWriter script(*m_pageFile, *m_project, m_textFile);
    script.WriteHandleAction(m_controls, 0);
    script.WriteValidateData(m_controls, 0);
    WriteOnLoad();
    m_textFile.Write(0, "</script>\n");
    m_textFile.Write(0, "<div class=\"htmlBody\" id=\"%s\">\n", formName);
    if (m_pageTemplate >= 3 && m_pageTemplate <= 5)
    {
        m_textFile.Write(0, "<tr>\n");
        m_textFile.Write(0, "<td align=\"right\">\n");
        m_textFile.Write(0,
                         "<asp:HyperLink ID=\"HyperLinkLogout\" CssClass=\"Back_LogoutLink\" "
                         "runat=\"server\" "
                         "NavigateUrl=\"../../BaseModule/UI/Login.aspx\">Logout</asp:HyperLink>\n");
        m_textFile.Write(0, "&nbsp;&nbsp;</td>\n");
        m_textFile.Write(0, "</tr>\n");
    }
    PageHeaderWriter header(*m_project, *m_applicationReport, m_textFile);
    header.WriteAccountLinks(0);
    WriteMenuBarMarkup(m_textFile, 0);
    m_textFile.Write(0, "<h3 class=\"heading\">%s</h3>\n",
                     EscapeHtmlText(m_applicationReport->GetTitle()));
    m_textFile.Write(0, "<asp:HiddenField ID=\"page_no\" runat=\"server\"/>\n");
    m_textFile.Write(0, "<asp:HiddenField ID=\"record_id\" runat=\"server\"/>\n");
    header.WriteThreeColumnTable(m_applicationReport->GetPreLinkList(), 0);
    header.WriteMessageContainer(0);
    m_textFile.Write(0, "\n");
    m_textFile.Write(0, "<table class=\"TableClass\" cellspacing=\"1\" align=\"center\" "
                        "width=\"98%%\">\n");
    WriteFilterTable();
    m_textFile.Write(0, "\n<div id=\"reportDiv\" runat=\"server\"></div>\n");
    header.WriteThreeColumnTable(m_applicationReport->GetPostLinkList(), 0);
    WriteRecordButtons();
    m_textFile.Write(0, "</div>\n");
    m_textFile.Write(0, "</asp:Content>\n");
}

void ReportAspxWriter::WriteOnLoad()
{
    m_textFile.Write(0, "window.onload = function()\n");
    m_textFile.Write(0, "{\n");
    m_textFile.Write(1, "initialize();\n");
    m_textFile.Write(1, "load();\n");
    const FieldRep* first = m_controls.empty() ? nullptr : m_controls.front();
    if (first != nullptr && ControlKind(*first) != FieldRepData::RadioButton)
        m_textFile.Write(1, "document.aspnetForm.ctl00_KestraneWeavoContent_%s%s.focus();\n",
                         ControlName(*first),
                         ControlKind(*first) == FieldRepData::EditableComboBox ? "_editable" : "");
    m_textFile.Write(0, "}\n");
}

void ReportAspxWriter::WriteOnShow()
{
    const CString page = EscapeJavaScriptString(m_pageFile->GetFileName(FALSE));
    m_textFile.Write(0, "function OnShow(action)\n");
    m_textFile.Write(0, "{\n");
    m_textFile.Write(1, "if(ValidateData())\n");
    m_textFile.Write(1, "{\n");
    m_textFile.Write(2, "if(action == \"DELETE\")\n");
    m_textFile.Write(2, "{\n");
    m_textFile.Write(3, "var msg = confirm(\"Do you really want to Delete this record\")\n");
    m_textFile.Write(3, "if(msg == false)\n");
    m_textFile.Write(3, "{\n");
    m_textFile.Write(4, "return;\n");
    m_textFile.Write(3, "}\n");
    m_textFile.Write(2, "}\n");
    m_textFile.Write(2, "var formName = document.aspnetForm;\n");
    m_textFile.Write(2, "var sBody = getRequestBody(formName, action);\n");
    m_textFile.Write(2, "var method = action == \"DELETE\" ? \"POST\" : \"GET\";\n");
    m_textFile.Write(2, "sendRequest(method, \"%s\", updateReport, 'reportDiv', sBody);\n", page);
    m_textFile.Write(2, "sendRequest(method, \"%s\", FillControlForReport, 'page_no', sBody);\n",
                     page);
    m_textFile.Write(2, "sendRequest(method, \"%s\", FillControlForReport, 'record_id', sBody);\n",
                     page);
    m_textFile.Write(
        2, "sendRequest(method, \"%s\", FillMessageStringForReport, 'messageDiv', sBody);\n", page);
    m_textFile.Write(1, "}\n");
    m_textFile.Write(0, "}\n");
}

void ReportAspxWriter::WriteOpenWindow()
{
    Table* table = m_applicationReport->GetTable();
    Module* module = m_applicationReport->GetModule();
    const Form* master = table != nullptr && module != nullptr
                             ? module->GetMasterFormForTable(table, false)
                             : nullptr;
    const AspFile* add = master != nullptr ? master->FindAspFileByType(5) : nullptr;
    const AspFile* update = master != nullptr ? master->FindAspFileByType(7) : nullptr;
    if (add == nullptr || update == nullptr)
        return;
    m_textFile.Write(0, "function OpenWindow(windowType)\n");
    m_textFile.Write(0, "{\n");
    m_textFile.Write(1, "if(windowType == \"ADD\")\n");
    m_textFile.Write(2, "window.open (\"%s%s",
                     EscapeJavaScriptString(add->GetRelativeUrl(TRUE, FALSE)), windowFeatures);
    m_textFile.Write(1, "else if(windowType == \"UPDATE\")\n");
    m_textFile.Write(1, "{\n");
    m_textFile.Write(2, "var formName = document.aspnetForm;\n");
    m_textFile.Write(2, "var record_id = formName.ctl00_KestraneWeavoContent_record_id;\n");
    m_textFile.Write(2, "var id = record_id.value;\n");
    m_textFile.Write(2, "window.open (\"%s?primarykey=\"+encodeURIComponent(id)+\"%s",
                     EscapeJavaScriptString(update->GetRelativeUrl(TRUE, FALSE)), windowFeatures);
    m_textFile.Write(1, "}\n");
    m_textFile.Write(0, "}\n");
}

void ReportAspxWriter::WriteFilterTable()
{
    FieldRowLayout rows(*m_pageFile, *m_project, m_textFile);
    rows.SetColumnCount(m_applicationReport->GetColumnCount());
    rows.WriteRows(m_controls, 0);
    if (!m_controls.empty())
    {
        m_textFile.Write(0, "<tr>\n");
        m_textFile.Write(0, "<td colspan = \"4\" class = \"TDClassForButton\">\n");
        m_textFile.Write(0, "<input type =\"Button\" class= \"ButtonControl\" value= \"View\" "
                            "id=\"View\" onclick='HandleAction(\"SHOW\")' />\n");
        m_textFile.Write(0, "</td>\n");
        m_textFile.Write(0, "</tr>\n");
    }
    m_textFile.Write(0, "</table>\n");
}

void ReportAspxWriter::WriteRecordButtons()
{
    m_textFile.Write(0, "<table class=\"SingleRecordTable\" cellspacing=\"1\"  id=\"table1\">\n");
    m_textFile.Write(0, "<tr>\n");
    m_textFile.Write(0, "<td class=\"TDSingleRecordButton\" colspan=\"4\">\n");
    struct Button
    {
        const char* value;
        const char* id;
        const char* click;
    };
    for (const Button& button : {Button{"&lt; Prior", "Prior", "OnShow(\"PREVIOUS\")"},
                                 Button{"Next &gt;", "Next", "OnShow(\"NEXT\")"},
                                 Button{"Add", "Add", "OpenWindow(\"ADD\")"},
                                 Button{"Update", "Update", "OpenWindow(\"UPDATE\")"},
                                 Button{"Delete", "Delete", "OnShow(\"DELETE\")"}})
        m_textFile.Write(0,
                         "<input type =\"Button\" class= \"ButtonControl\" value= \"%s\" "
                         "id=\"%s\" runat = \"server\" onclick='%s' />&nbsp;\n",
                         button.value, button.id, button.click);
    m_textFile.Write(0, "</td>\n");
    m_textFile.Write(0, "</tr>\n");
    m_textFile.Write(0, "</table>\n");
}
