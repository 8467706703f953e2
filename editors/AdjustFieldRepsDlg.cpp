#include "editors/AdjustFieldRepsDlg.h"

#include "editors/ContextHelp.h"
#include "editors/FieldRepDlg.h"
#include "editors/ViewEditorHost.h"
#include "platform/ui/DialogTemplate.h"
#include "platform/ui/ListCtrl.h"

namespace
{

constexpr int HeaderLabel = 2301;

const DialogTemplateRegistration adjustFieldRepsTemplate{{
    FormControlsEditor::IDD,
    "Manage Form Controls",
    {
        {HeaderLabel, ControlKind::Static, "Form Header"},
        {FormControlsEditor::HeaderBox, ControlKind::Edit, ""},
        {FormControlsEditor::FieldList, ControlKind::ListCtrl, "", false, false, 200, 220},
        {FormControlsEditor::CreateButton, ControlKind::PushButton, ">"},
        {FormControlsEditor::RemoveButton, ControlKind::PushButton, "<"},
        {FormControlsEditor::ControlList, ControlKind::ListCtrl, "", false, false, 200, 220},
        {FormControlsEditor::UpButton, ControlKind::PushButton, "Up"},
        {FormControlsEditor::DownButton, ControlKind::PushButton, "Down"},
        {FormControlsEditor::PropertiesButton, ControlKind::PushButton, "Set properties"},
        {IDOK, ControlKind::DefPushButton, "OK"},
        {FormControlsEditor::HelpButton, ControlKind::PushButton, "Help"},
    },
    0,
    Lay::Column({
        Lay::Field(FormControlsEditor::HeaderBox),
        Lay::Row({Lay::Control(FormControlsEditor::FieldList),
                  Lay::ButtonColumn(
                      {FormControlsEditor::CreateButton, FormControlsEditor::RemoveButton}),
                  Lay::Control(FormControlsEditor::ControlList),
                  Lay::ButtonColumn({FormControlsEditor::UpButton, FormControlsEditor::DownButton,
                                     FormControlsEditor::PropertiesButton})}),
        Lay::Buttons({IDOK, FormControlsEditor::HelpButton}),
    }),
    {{.list = FormControlsEditor::FieldList},
     {.list = FormControlsEditor::ControlList,
      .remove = FormControlsEditor::RemoveButton,
      .nameColumn = 1}},
}};

} // namespace

AdjustFieldRepsDlg::AdjustFieldRepsDlg(ForgeonProject& project, std::vector<Field*> fields,
                                       FormInterface& page, Module* module, CWnd* parent)
    : CDialog(IDD, parent), m_project(project), m_page(page),
      m_editor(std::move(fields), page, module, ViewEditorHost::Get()), m_view(*this)
{
    MapControlRange(BN_CLICKED, FormControlsEditor::CreateButton, FormControlsEditor::CreateButton,
                    [this] { Run(&FormControlsEditor::CreateControl); });
    MapControlRange(BN_CLICKED, FormControlsEditor::RemoveButton, FormControlsEditor::RemoveButton,
                    [this] { Run(&FormControlsEditor::RemoveControl); });
    MapControlRange(BN_CLICKED, FormControlsEditor::UpButton, FormControlsEditor::UpButton,
                    [this] { Run(&FormControlsEditor::MoveUp); });
    MapControlRange(BN_CLICKED, FormControlsEditor::DownButton, FormControlsEditor::DownButton,
                    [this] { Run(&FormControlsEditor::MoveDown); });
    MapControlRange(BN_CLICKED, FormControlsEditor::PropertiesButton,
                    FormControlsEditor::PropertiesButton, [this] { OnProperties(); });
    MapControlRange(EN_KILLFOCUS, FormControlsEditor::HeaderBox, FormControlsEditor::HeaderBox,
                    [this] { OnHeaderLeft(); });
    MapControlRange(BN_CLICKED, FormControlsEditor::HelpButton, FormControlsEditor::HelpButton,
                    [this] { ShowContextHelp(this, IDD); });
    MapRowSelection(FormControlsEditor::FieldList, &AdjustFieldRepsDlg::OnFieldSelected);
    MapRowSelection(FormControlsEditor::ControlList, &AdjustFieldRepsDlg::OnControlSelected);
    MapNotify(NM_DBLCLK, FormControlsEditor::ControlList,
              &AdjustFieldRepsDlg::OnControlDoubleClick);
}

BOOL AdjustFieldRepsDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_fields.SubclassDlgItem(FormControlsEditor::FieldList, this);
    m_controls.SubclassDlgItem(FormControlsEditor::ControlList, this);
    SetListColumns(m_fields, FormControlsEditor::GetFieldColumns());
    SetListColumns(m_controls, FormControlsEditor::GetControlColumns());
    m_editor.Load();
    const int shown = m_editor.IsHeaderShown() ? SW_SHOW : SW_HIDE;
    GetDlgItem(HeaderLabel)->ShowWindow(shown);
    GetDlgItem(FormControlsEditor::HeaderBox)->ShowWindow(shown);
    ShowListRows(m_fields, m_editor.GetFieldRows());
    Show();
    m_toolTips.Create(this);
    AddToolTips(m_toolTips, *this, FormControlsEditor::GetToolTips());
    return TRUE;
}

void AdjustFieldRepsDlg::Show()
{
    ShowListRows(m_controls, m_editor.GetControlRows());
    m_controls.SetCurSel(m_editor.GetSelectedControl());
    m_view.Show(m_editor.GetStates());
}

void AdjustFieldRepsDlg::Run(void (FormControlsEditor::*command)())
{
    (m_editor.*command)();
    Show();
}

void AdjustFieldRepsDlg::OnFieldSelected(int row)
{
    m_editor.SelectField(row);
}

void AdjustFieldRepsDlg::OnControlSelected(int row)
{
    m_editor.SelectControl(row);
}

void AdjustFieldRepsDlg::OnControlDoubleClick(NMHDR* header, LRESULT* result)
{
    m_editor.SelectControl(ClickedRow(header));
    OnProperties();
    *result = 0;
}

void AdjustFieldRepsDlg::OnProperties()
{
    if (FieldRep* control = m_editor.GetSelectedFieldRep())
    {
        FieldRepDlg dialog(m_project, m_page, *control, nullptr, this);
        dialog.DoModal();
    }
}

void AdjustFieldRepsDlg::OnOK()
{
    CString header;
    GetDlgItemText(FormControlsEditor::HeaderBox, header);
    m_editor.TakeHeader(header);
    CDialog::OnOK();
}

int AdjustFieldRepsDlg::AskAboutChanges()
{
    CString header;
    GetDlgItemText(FormControlsEditor::HeaderBox, header);
    const int answer = m_editor.AskAboutHeader(header);
    if (answer == IDNO)
        SetDlgItemText(FormControlsEditor::HeaderBox, GetHeader());
    return answer;
}

void AdjustFieldRepsDlg::OnHeaderLeft()
{
    CString header;
    GetDlgItemText(FormControlsEditor::HeaderBox, header);
    m_editor.LeaveHeader(header);
}
