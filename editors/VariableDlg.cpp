#include "editors/VariableDlg.h"

#include "editors/ContextHelp.h"
#include "platform/ui/DialogTemplate.h"
#include "platform/ui/ListCtrl.h"

namespace
{
using E = VariableEditor;

const DialogTemplateRegistration variableTemplate{{
    E::IDD,
    "Manage Variables",
    {
        {0, ControlKind::Static, "Variable Name"},
        {E::IDC_NAME, ControlKind::Edit, ""},
        {0, ControlKind::Static, "Default Value"},
        {E::IDC_DEFAULT_VALUE, ControlKind::Edit, ""},
        {0, ControlKind::Static, "Variable Type", /*hidden=*/true},
        {E::IDC_LOCAL, ControlKind::RadioButton, "Local", /*hidden=*/true},
        {E::IDC_INPUT, ControlKind::RadioButton, "Input", /*hidden=*/true},
        {E::IDC_ADD, ControlKind::PushButton, "Add"},
        {E::IDC_DELETE, ControlKind::PushButton, "Delete"},
        {E::IDC_CLEAR, ControlKind::PushButton, "Clear"},
        {E::IDC_LIST, ControlKind::ListCtrl, "", false, false, 420, 200},
        {IDOK, ControlKind::DefPushButton, "OK"},
        {E::IDC_HELP_BUTTON, ControlKind::PushButton, "Help"},
    },
    0,
    Lay::Column({
        Lay::Field(E::IDC_NAME),
        Lay::Field(E::IDC_DEFAULT_VALUE),
        Lay::Buttons({E::IDC_ADD, E::IDC_DELETE, E::IDC_CLEAR}),
        Lay::Control(E::IDC_LIST),
        Lay::Buttons({IDOK, E::IDC_HELP_BUTTON}),
    }),
}};
} // namespace

VariableDlg::VariableDlg(ForgeonProject& project, std::vector<FieldVariableMap*>& maps,
                         FormInterface* page, CWnd* parent)
    : CDialog(IDD, parent), m_editor(project, maps, page), m_view(*this)
{
    MapControl(BN_CLICKED, E::IDC_ADD, &VariableDlg::OnAdd);
    MapControl(BN_CLICKED, E::IDC_DELETE, &VariableDlg::OnDelete);
    MapControl(BN_CLICKED, E::IDC_CLEAR, &VariableDlg::OnClear);
    MapControl(BN_CLICKED, E::IDC_HELP_BUTTON, &VariableDlg::OnHelp);
    MapNotify(NM_CLICK, E::IDC_LIST, &VariableDlg::OnListClick);
}

BOOL VariableDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_list.SubclassDlgItem(E::IDC_LIST, this);
    SetListColumns(m_list, VariableEditor::Columns());
    m_editor.Open();
    Show();
    return TRUE;
}

void VariableDlg::Run(void (VariableEditor::*command)())
{
    m_view.ReadTexts(m_editor.States(), {E::IDC_NAME, E::IDC_DEFAULT_VALUE});
    (m_editor.*command)();
    Show();
}

void VariableDlg::Show()
{
    ShowListRows(m_list, m_editor.GetRows());
    m_list.SetCurSel(m_editor.GetSelectedRow());
    m_view.Show(m_editor.States());
}

void VariableDlg::OnListClick(NMHDR* header, LRESULT* result)
{
    const int row = reinterpret_cast<NMITEMACTIVATE*>(header)->iItem;
    m_view.ReadTexts(m_editor.States(), {E::IDC_NAME, E::IDC_DEFAULT_VALUE});
    m_editor.ClickRow(row);
    m_view.Show(m_editor.States());
    *result = 0;
}

void VariableDlg::OnHelp()
{
    ShowContextHelp(this, IDD);
}
