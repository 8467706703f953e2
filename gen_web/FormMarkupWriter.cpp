#include "gen_web/FormMarkupWriter.h"

#include "entities/AspFile.h"
#include "entities/Form.h"
#include "gen_web/ASPXMenuWriter.h"
#include "gen_web/AspxScriptWriter.h"
#include "gen_web/FieldRowLayout.h"
#include "gen_web/PageControls.h"
#include "gen_web/PageHeaderWriter.h"
#include "model/Field.h"
#include "model/ForgeonProject.h"
#include "model/Table.h"
#include "platform/core/LiteralEscaping.h"

FormMarkupWriter::FormMarkupWriter(ForgeonProject* project, Form& form, GenerationReport& report)
    : AspxWriter(project, &form, report), m_form(form), m_baseName(GetPageBaseName(form)),
      m_controls(GetPlacedControls(form))
{
}

void FormMarkupWriter::Write()
{
    for (AspFile* file : m_form.GetAspFiles())
    {
        if (file == nullptr || !file->IsAspxFile())
            continue;
        m_pageFile = file;
        const int kind = file->GetFileKind();
        if (kind == 1 || kind == 2 || kind == 5)
            WriteAddPage();
        else if (kind == 3 || kind == 4 || kind == 7)
            WriteUpdatePage();
        else
            continue;
        SaveFile(file->GetFileName(FALSE), GetRelativeFolder(true) + "\\UI");
    }
}

void FormMarkupWriter::WriteAddPage()
{
    WritePageDirective("Add");
    WriteScriptIncludes(1);
    WriteScriptOpening();
    AspxScriptWriter script(*m_pageFile, *m_project, m_textFile);
    script.WriteAddHandleAction(m_controls, 2);
    script.WriteResetAllControls(m_controls, 2);
    WriteValidation(script, /*update=*/false);
    WriteScriptClosing();
    WritePageTop();
    WriteFieldTable();
    WritePageBottom();
}

void FormMarkupWriter::WriteUpdatePage()
{
    WritePageDirective("Update");
    WriteScriptIncludes(1);
    WriteScriptOpening();
    AspxScriptWriter script(*m_pageFile, *m_project, m_textFile);
    script.WriteUpdateHandleAction(m_controls, 2);
    script.WriteResetAllControls(m_controls, 2);
    WriteValidation(script, /*update=*/true);
    WriteScriptClosing();
    WritePageTop();
    WriteKeyField();
    WriteFieldTable();
    WritePageBottom();
}

void FormMarkupWriter::WritePageDirective(const char* suffix)
{
    WriteContentPageOpening(m_pageFile->GetFileName(FALSE), m_baseName + suffix);
}

void FormMarkupWriter::WriteScriptOpening()
{
    m_textFile.Write(1, "<script type=\"text/javascript\" language=\"javascript\">\n");
    m_textFile.Write(0, "\n");
}

void FormMarkupWriter::WriteValidation(AspxScriptWriter& script, bool update)
{
    const CString& name = m_form.GetFormName();
    if (name != "useraccount_form" && name != "ChangePassword_form")
        return script.WriteValidateData(m_controls, 2);
    const bool changePassword = name == "ChangePassword_form";
    if (update)
        script.WriteAccountValidateDataUpdate(m_controls, 2, changePassword);
    else
        script.WriteAccountValidateDataAdd(m_controls, 2, changePassword);
}

void FormMarkupWriter::WriteScriptClosing()
{
    m_textFile.Write(1, "</script>\n");
}

void FormMarkupWriter::WritePageTop()
{
    PageHeaderWriter header(*m_project, m_form, m_textFile);
    header.WriteAccountLinks(0);
    WriteMenuBarMarkup(m_textFile, 0);
    WriteHeading();
    header.WriteThreeColumnTable(m_form.GetPreLinkList(), 0);
}

void FormMarkupWriter::WriteHeading()
{
    m_textFile.Write(0, "\n");
    m_textFile.Write(0, "<br/>\n");
    m_textFile.Write(0, "<h3 class=\"heading\">");
    m_textFile.Write(0, "%s</h3>\n", EscapeHtmlText(m_pageFile->GetPageTitle()));
}

void FormMarkupWriter::WriteKeyField()
{
    const Field* key = m_form.GetTable()->GetPrimaryKeyField();
    m_textFile.Write(0, "<asp:HiddenField id=\"%s\" runat=\"server\" />\n",
                     EscapeXml(key->GetFieldName()));
}

void FormMarkupWriter::WriteFieldTable()
{
    m_textFile.Write(0, "<table class=\"TableClass\" cellspacing=\"1\" >\n");
    FieldRowLayout rows(*m_pageFile, *m_project, m_textFile);
    rows.SetColumnCount(m_form.GetColumnCount());
    rows.WriteRows(m_controls, 0);
    WriteButtonRow(0);
    m_textFile.Write(0, "</table>\n");
}

void FormMarkupWriter::WriteButtonRow(int indent)
{
    m_textFile.Write(indent, "<tr>\n");
    m_textFile.Write(indent + 1, "<td colspan = \"4\" class =\"TDClassForButton\" >\n");
    const int kind = m_pageFile->GetFileKind();
    if (kind == 1 || kind == 5)
    {
        m_textFile.Write(indent + 1,
                         "<input type =\"Button\" class= \"ButtonControl\" value= \"Add\" "
                         "id=\"AddButton\" onclick='HandleAction(\"ADD\")' />\n ");
        m_textFile.Write(indent + 1,
                         "<input type =\"Button\" class= \"ButtonControl\" value= \"Clear\" "
                         "id=\"ClearButton\" onclick='resetAllControls()' />\n");
    }
    else if (kind == 3 || kind == 7)
    {
        m_textFile.Write(indent + 1,
                         "<input type =\"Button\" class= \"ButtonControl\" value= \"Update\" "
                         "id=\"UpdateButton\" runat=\"server\"  "
                         "onclick='HandleAction(\"UPDATE\")'/>\n");
        if (m_form.GetDisplayType() != 1)
        {
            m_textFile.Write(indent + 1,
                             "<input type =\"Button\" class= \"ButtonControl\" value= \"Delete\" "
                             "id=\"DeleteButton\" runat=\"server\"  "
                             "onclick='HandleAction(\"DELETE\")'/>\n");
            m_textFile.Write(indent + 1,
                             "<input type =\"Button\" class= \"ButtonControl\" value= \"Cancel\" "
                             "id=\"CancelButton\" runat=\"server\"  "
                             "onclick='HandleAction(\"Cancel\")'/>\n");
        }
    }
    m_textFile.Write(indent + 1, "</td>\n");
    m_textFile.Write(indent, "</tr>\n");
}

void FormMarkupWriter::WritePageBottom()
{
    PageHeaderWriter footer(*m_project, m_form, m_textFile);
    footer.WriteThreeColumnTable(m_form.GetPostLinkList(), 0);
    footer.WriteMessageContainer(0);
    m_textFile.Write(0, "<br/>\n");
    m_textFile.Write(0, "<div id=\"reportDiv\" runat=\"server\"></div>\n");
    m_textFile.Write(0, "<br/>\n");
    m_textFile.Write(0, "</asp:Content>\n");
}
