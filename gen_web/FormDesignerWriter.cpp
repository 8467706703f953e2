#include "gen_web/FormDesignerWriter.h"

#include "entities/AspxFile.h"
#include "entities/Form.h"
#include "gen_web/CodeBehindFragments.h"
#include "gen_web/PageFileKinds.h"
#include "gen_web/PageHeaderWriter.h"
#include "model/Field.h"
#include "model/FieldRep.h"
#include "model/FieldRepData.h"
#include "model/ForgeonProject.h"
#include "model/Identifiers.h"
#include "model/ProjectSettings.h"
#include "model/Table.h"

FormDesignerWriter::FormDesignerWriter(ForgeonProject* project, Form& form, AspxFile& pageFile,
                                       GenerationReport& report)
    : AspxWriter(project, &form, report), m_form(form), m_pageFile(pageFile),
      m_pageTemplate(project->GetProjectSettings() != nullptr
                         ? project->GetProjectSettings()->GetPageTemplate()
                         : 0)
{
}

void FormDesignerWriter::Write(const CString& pageClass, const CString& folder)
{
    m_textFile.Write(0, "namespace %s\n", CSharpIdentifier(m_project->GetProjectName()));
    m_textFile.Write(0, "{\n");
    m_textFile.Write(1, "public partial class %s\n", CSharpIdentifier(pageClass));
    m_textFile.Write(1, "{\n");
    WriteDeclarations();
    m_textFile.Write(1, "}\n");
    m_textFile.Write(0, "}\n");
    SaveFile(pageClass + ".aspx.designer.cs", folder);
}

void FormDesignerWriter::WriteDeclarations()
{
    const bool update = m_pageFile.GetFileKind() == formUpdateFileKind;
    WriteDeclaration("HtmlControls.HtmlForm %s;\n", PageControlId(m_form.GetFormName()));
    m_textFile.Write(0, "\n");
    if (update)
    {
        WriteDeclaration("WebControls.HiddenField %s;\n",
                         PageControlId(m_form.GetTable()->GetPrimaryKeyField()->GetFieldName()));
        WriteDeclaration("HtmlControls.HtmlInputButton UpdateButton;\n", "");
        if (m_form.GetDisplayType() != 1)
            WriteDeclaration("HtmlControls.HtmlInputButton DeleteButton;\n", "");
    }
    WriteDesignerControlDeclarations(m_textFile, m_form.GetFieldReps(), update);
    if (m_form.GetReport() != nullptr)
        WriteDeclaration("HtmlControls.HtmlGenericControl reportDiv;\n", "");
    WriteDeclaration("WebControls.Menu Menu1;\n", "");
    std::vector<LinkControl*> links = m_form.GetPreLinkList();
    links.insert(links.end(), m_form.GetPostLinkList().begin(), m_form.GetPostLinkList().end());
    PageHeaderWriter(*m_project, m_form, m_textFile).WriteLinkDeclarations(links, 2);
    if (m_form.HasFileUploadControl())
        WriteDeclaration("WebControls.Label MessageLabel;\n", "");
    WriteDeclaration("HtmlControls.HtmlGenericControl messageDiv;\n", "");
    if (m_pageTemplate >= 3 && m_pageTemplate <= 5)
        WriteDeclaration("WebControls.Label LabelUsername;\n", "");
}

void WriteDesignerControlDeclarations(TextFile& out, const std::vector<FieldRep*>& controls,
                                      bool update)
{
    for (const FieldRep* control : controls)
    {
        if (control == nullptr || control->GetField() == nullptr ||
            control->GetFieldRepData() == nullptr)
            continue;
        const CString name = ControlName(*control);
        switch (ControlKind(*control))
        {
        case FieldRepData::TextBox:
            WriteDesignerDeclaration(out, "WebControls.TextBox %s;\n", name);
            break;
        case FieldRepData::ComboBox:
            WriteDesignerDeclaration(out, "WebControls.DropDownList %s;\n", name);
            break;
        case FieldRepData::DateControl:
            WriteDesignerDeclaration(out, "HtmlControls.HtmlInputText %s;\n", name);
            if (update)
                WriteDesignerDeclaration(out, "HtmlControls.HtmlAnchor %sCalendar;\n", name);
            break;
        case FieldRepData::RadioButton:
            WriteDesignerDeclaration(out, "WebControls.RadioButtonList %s;\n", name);
            break;
        case FieldRepData::CheckBox:
            WriteDesignerDeclaration(out, "WebControls.CheckBox %s;\n", name);
            break;
        case FieldRepData::TextArea:
            WriteDesignerDeclaration(out, "HtmlControls.HtmlTextArea %s;\n", name);
            break;
        case FieldRepData::FileUpload:
            WriteDesignerDeclaration(out, "HtmlControls.HtmlInputFile  %s;\n", name);
            if (update)
                WriteDesignerDeclaration(out, "WebControls.Label  %sLabel;\n", name);
            break;
        case FieldRepData::Password:
            WriteDesignerDeclaration(out, "HtmlControls.HtmlInputPassword %s;\n", name);
            break;
        case FieldRepData::Hidden:
            WriteDesignerDeclaration(out, "WebControls.HiddenField %s;\n", name);
            break;
        case FieldRepData::EditableComboBox:
            WriteDesignerDeclaration(out, "WebControls.TextBox %s_editable;\n", name);
            WriteDesignerDeclaration(out, "WebControls.ListBox %s;\n", name);
            break;
        default:
            continue;
        }
        out.Write(0, "\n");
    }
}

void FormDesignerWriter::WriteDeclaration(const char* type, const CString& name)
{
    WriteDesignerDeclaration(m_textFile, type, name);
}

void WriteDesignerDeclaration(TextFile& out, const char* type, const CString& name)
{
    out.Write(2, "protected global::System.Web.UI.");
    out.Write(0, type, name);
}
