#include "gen_web/FormMarkupWriter.h"

#include "entities/AspFile.h"
#include "entities/Form.h"
#include "gen_web/AspxScriptWriter.h"
#include "gen_web/PageControls.h"
#include "model/ForgeonProject.h"
#include "model/Table.h"

FormMarkupWriter::FormMarkupWriter(ForgeonProject* project, Form& form, GenerationReport& report)
    : PageMarkupWriter(project, form, report), m_form(form), m_baseName(GetPageBaseName(form)),
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
    WriteFieldTable(m_controls);
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
    WriteKeyField(*m_form.GetTable()->GetPrimaryKeyField());
    WriteFieldTable(m_controls);
    WritePageBottom();
}

void FormMarkupWriter::WritePageDirective(const char* suffix)
{
    WriteContentPageOpening(m_pageFile->GetFileName(FALSE), m_baseName + suffix);
}

void FormMarkupWriter::WriteValidation(AspxScriptWriter& script, bool update)
{
    const CString& name = m_form.GetFormName();
    if (name != "useraccount_form" && name != "ChangePassword_form")
        return script.WriteValidateData(m_controls, 2);
    if (update)
        script.WriteAccountValidateDataUpdate(m_controls, 2);
    else
        script.WriteAccountValidateDataAdd(m_controls, 2);
}

void FormMarkupWriter::WriteFieldTableEnd(int indent)
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
    WriteLinksAndMessage();
    m_textFile.Write(0, "<br/>\n");
    m_textFile.Write(0, "<div id=\"reportDiv\" runat=\"server\"></div>\n");
    m_textFile.Write(0, "<br/>\n");
    m_textFile.Write(0, "</asp:Content>\n");
}
