#include "editors/AdjustFieldRepsDlg.h"

#include "editors/ContextHelp.h"
#include "editors/FieldRepDlg.h"
#include "editors/ViewEditorHost.h"
#include "platform/ui/DialogTemplate.h"
#include "platform/ui/ListCtrl.h"

namespace
{
using C = FormControlsEditor;

constexpr int HeaderLabel = 2301;

const DialogTemplateRegistration adjustFieldRepsTemplate{{
    C::IDD,
    "Manage Form Controls",
    {
        {HeaderLabel, ControlKind::Static, "Form Header"},
        {C::HeaderBox, ControlKind::Edit, ""},
        {C::FieldList, ControlKind::ListCtrl, "", false, false, 200, 220},
        {C::CreateButton, ControlKind::PushButton, ">"},
        {C::RemoveButton, ControlKind::PushButton, "<"},
        {C::ControlList, ControlKind::ListCtrl, "", false, false, 200, 220},
        {C::UpButton, ControlKind::PushButton, "Up"},
        {C::DownButton, ControlKind::PushButton, "Down"},
        {C::PropertiesButton, ControlKind::PushButton, "Set properties"},
        {IDOK, ControlKind::DefPushButton, "OK"},
        {C::HelpButton, ControlKind::PushButton, "Help"},
    },
    0,
    Lay::Column({
        Lay::Field(C::HeaderBox),
        Lay::Row({Lay::Control(C::FieldList), Lay::ButtonColumn({C::CreateButton, C::RemoveButton}),
                  Lay::Control(C::ControlList),
                  Lay::ButtonColumn({C::UpButton, C::DownButton, C::PropertiesButton})}),
        Lay::Buttons({IDOK, C::HelpButton}),
    }),
}};

} // namespace

AdjustFieldRepsDlg::AdjustFieldRepsDlg(ForgeonProject& project, std::vector<Field*> fields,
                                       FormInterface& page, Module* module, CWnd* parent)
    : CDialog(IDD, parent), m_project(project), m_page(page),
      m_editor(std::move(fields), page, module, ViewEditorHost::Get()), m_view(*this)
{
    MapControlRange(BN_CLICKED, C::CreateButton, C::CreateButton,
                    [this] { Run(&C::CreateControl); });
    MapControlRange(BN_CLICKED, C::RemoveButton, C::RemoveButton,
                    [this] { Run(&C::RemoveControl); });
    MapControlRange(BN_CLICKED, C::UpButton, C::UpButton, [this] { Run(&C::MoveUp); });
    MapControlRange(BN_CLICKED, C::DownButton, C::DownButton, [this] { Run(&C::MoveDown); });
    MapControlRange(BN_CLICKED, C::PropertiesButton, C::PropertiesButton,
                    [this] { OnProperties(); });
    MapControlRange(EN_KILLFOCUS, C::HeaderBox, C::HeaderBox, [this] { OnHeaderLeft(); });
    MapControlRange(BN_CLICKED, C::HelpButton, C::HelpButton,
                    [this] { ShowContextHelp(this, IDD); });
    MapNotify(NM_CLICK, C::FieldList, &AdjustFieldRepsDlg::OnFieldClick);
    MapNotify(NM_CLICK, C::ControlList, &AdjustFieldRepsDlg::OnControlClick);
    MapNotify(NM_DBLCLK, C::ControlList, &AdjustFieldRepsDlg::OnControlDoubleClick);
}

BOOL AdjustFieldRepsDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_fields.SubclassDlgItem(C::FieldList, this);
    m_controls.SubclassDlgItem(C::ControlList, this);
    SetListColumns(m_fields, C::GetFieldColumns());
    SetListColumns(m_controls, C::GetControlColumns());
    m_editor.Load();
    const int shown = m_editor.IsHeaderShown() ? SW_SHOW : SW_HIDE;
    GetDlgItem(HeaderLabel)->ShowWindow(shown);
    GetDlgItem(C::HeaderBox)->ShowWindow(shown);
    ShowListRows(m_fields, m_editor.GetFieldRows());
    Show();
    m_toolTips.Create(this);
    AddToolTips(m_toolTips, *this, C::GetToolTips());
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

void AdjustFieldRepsDlg::OnFieldClick(NMHDR* header, LRESULT* result)
{
    m_editor.SelectField(ClickedRow(header));
    *result = 0;
}

void AdjustFieldRepsDlg::OnControlClick(NMHDR* header, LRESULT* result)
{
    m_editor.SelectControl(ClickedRow(header));
    *result = 0;
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

void AdjustFieldRepsDlg::OnHeaderLeft()
{
    CString header;
    GetDlgItemText(C::HeaderBox, header);
    m_editor.LeaveHeader(header);
}
