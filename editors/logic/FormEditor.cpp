#include "editors/logic/FormEditor.h"

#include "editors/logic/EditorHost.h"
#include "editors/logic/PageDialogs.h"
#include "entities/ApplicationReport.h"
#include "entities/AspxFile.h"
#include "entities/DerivedField.h"
#include "entities/Form.h"
#include "model/Field.h"
#include "model/NameUtilities.h"
#include "model/NamedQuestion.h"
#include "model/RefField.h"
#include "model/SitePageNames.h"
#include "model/Table.h"
#include "platform/core/MessageBox.h"

FormEditor::FormEditor(EditorHost& host, PageDialogs& dialogs)
    : PaneEditor(m_states), m_host(host), m_dialogs(dialogs)
{
    m_states.Enable(IDC_NAME, false);
}

const std::vector<ListColumn>& FormEditor::FileColumns()
{
    static const std::vector<ListColumn> columns = {{"", 0}, {"ASPX Files", 70}};
    return columns;
}

const std::vector<ToolTip>& FormEditor::ToolTips()
{
    static const std::vector<ToolTip> tips = WithToolTipStrings({
        {IDC_NAME, 61585, "Enter form name"},
        {IDC_TABLE_LABEL, 61586, "Tablename"},
        {IDC_SINGLE_COLUMN, 61587, "Single column form layout"},
        {IDC_TWO_COLUMNS, 61588, "Two column form layout"},
        {IDC_FORM_CONTROLS, 61589, "Adjust field ref"},
        {IDC_LINK_CONTROLS, 61590, "Assign link control "},
        {IDC_REFERENCE_FIELDS, 61591, "Create reference field"},
        {IDC_ASSIGN_REPORT, 61592, "Assign form report"},
        {IDC_REMOVE_REPORT, 61593, "Remove form report"},
        {IDC_REPORT_LABEL, 61594, "Assigned form report"},
        {IDC_FILES, 61595, "ASPX files list"},
        {IDC_SET_PROPERTIES, 61596, "Set ASPX file properties"},
        {IDC_OK, 61597, "Back to Kestrane Weavo Dashboard"},
        {IDC_HELP_BUTTON, 61598, "Help for form creation"},
    });
    return tips;
}

bool FormEditor::CheckPageName(FormInterface* page, const Module* module, const CString& text,
                               EditorShell& shell, bool confirmRename)
{
    if (page == nullptr)
        return true;
    if (HasSpecialCharacters(text))
    {
        AfxMessageBox("Special character is present in the form name. Please change the name");
        return false;
    }
    CString blanked = text;
    blanked.Trim();
    blanked.Replace(" ", "_");
    if (const CString refusal = RefuseDesignedPageName(module, *page, blanked); !refusal.IsEmpty())
    {
        AfxMessageBox(refusal);
        return false;
    }
    if (text != page->GetFormName() &&
        (!confirmRename || AfxMessageBox("Do you want to change the name?", MB_YESNO) == IDYES))
    {
        CString name = text;
        name.Replace(" ", "_");
        page->SetName(name);
        shell.UpdateFormItemText(*page);
    }
    return true;
}

void FormEditor::LoadForm(Form* form)
{
    m_form = form;
    m_selectedFile = -1;
    if (m_form != nullptr)
    {
        m_states.Enable(IDC_NAME, m_form->IsCopy());
        m_states.SetText(IDC_NAME, m_form->GetFormName());
        const Table* table = m_form->GetTable();
        m_states.SetText(IDC_TABLE_LABEL,
                         "Master Table : " +
                             (table != nullptr ? table->GetTableName() : CString()));
    }
    ShowReport();
    FillFiles();
    ShowLayout();
    NoteLoaded();
}

CString FormEditor::ItemName() const
{
    return m_form->GetFormName();
}

void FormEditor::ClearForm()
{
    m_form = nullptr;
    m_selectedFile = -1;
    m_states.SetText(IDC_NAME, "");
    m_states.SetText(IDC_REPORT_LABEL, "");
    m_states.Enable(IDC_NAME, false);
}

void FormEditor::ShowReport()
{
    const ApplicationReport* report = m_form != nullptr ? m_form->GetReport() : nullptr;
    m_states.SetText(IDC_REPORT_LABEL, report != nullptr ? "ReportName : " + report->GetFormName()
                                                         : CString("Report not assigned."));
    m_states.Enable(IDC_ASSIGN_REPORT, report == nullptr);
    m_states.Enable(IDC_REMOVE_REPORT, report != nullptr);
}

void FormEditor::FillFiles()
{
    m_fileRows.clear();
    if (m_form == nullptr)
        return;
    for (const AspFile* file : m_form->GetAspFiles())
    {
        if (dynamic_cast<const AspxFile*>(file) != nullptr)
            m_fileRows.push_back({{"", file->GetFileName(FALSE)}});
    }
}

void FormEditor::ShowLayout()
{
    if (m_form == nullptr)
        return;
    const bool single = m_form->GetColumnCount() == 1;
    m_states.SetCheck(IDC_SINGLE_COLUMN, single);
    m_states.SetCheck(IDC_TWO_COLUMNS, !single);
}

bool FormEditor::CheckName()
{
    return TakeName(/*confirmRename=*/true);
}

bool FormEditor::TakeName(bool confirmRename)
{
    if (m_form == nullptr)
        return true;
    const CString before = m_form->GetFormName();
    if (!CheckPageName(m_form, m_form->GetModule(), m_states.GetText(IDC_NAME), m_host,
                       confirmRename))
        return false;
    if (m_form->GetFormName() != before)
    {
        m_states.SetText(IDC_NAME, m_form->GetFormName());
        NoteStored(IDC_NAME);
    }
    return true;
}

void FormEditor::Ok()
{
    if (m_form == nullptr || !CheckName())
        return;
    // A name the user chose not to take is not asked about again.
    NoteLoaded();
    m_host.ShowStartPage();
}

void FormEditor::AssignReport()
{
    if (m_form == nullptr)
        return;
    if (ApplicationReport* chosen =
            m_dialogs.AssignReport(*m_form, m_form->GetTable(), m_form->GetReport()))
        m_form->SetReportAndGetProject(chosen);
    ShowReport();
}

void FormEditor::RemoveReport()
{
    if (m_form == nullptr || m_form->GetReport() == nullptr)
        return;
    if (AfxMessageBox(NamedQuestion("Do you want to remove the existing report ?",
                                    m_form->GetReport()->GetFormName()),
                      MB_OKCANCEL) != IDOK)
        return;
    m_form->RemoveReport();
    ShowReport();
}

void FormEditor::FormControls()
{
    if (m_form == nullptr)
        return;
    std::vector<Field*> fields;
    if (const Table* table = m_form->GetTable())
    {
        for (Field* field : table->GetFields())
        {
            if (!field->IsKeyOrDeletedFlag())
                fields.push_back(field);
        }
    }
    for (const RefField* refField : m_form->GetRefFields())
        fields.push_back(refField->GetField());
    for (const DerivedField* derived : m_form->GetDerivedFields())
        fields.push_back(derived->GetField());
    m_dialogs.AdjustFormControls(*m_form, fields, {});
}

void FormEditor::LinkControls()
{
    if (m_form != nullptr)
        m_dialogs.EditLinkControls(*m_form);
}

void FormEditor::ReferenceFields()
{
    if (m_form != nullptr)
        m_dialogs.EditReferenceFields(*m_form, m_form->GetTable());
}

void FormEditor::SetColumnCount(int count)
{
    if (m_form == nullptr || m_form->GetColumnCount() == count)
        return;
    m_form->SetColumnCount(count);
    ShowLayout();
}

void FormEditor::SetProperties()
{
    if (m_form == nullptr || m_selectedFile < 0)
        return;
    if (AspFile* file = m_form->FindAspFileByType(m_selectedFile == 0 ? 5 : 7))
        m_dialogs.EditFieldVisibility(*m_form, *file);
}
