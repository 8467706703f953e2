#include "editors/VariableDlg.h"

#include "editors/ContextHelp.h"
#include "platform/ui/DialogTemplate.h"
#include "platform/ui/ListCtrl.h"

namespace
{

const DialogTemplateRegistration variableTemplate{{
    VariableEditor::IDD,
    "Manage Variables",
    {
        {0, ControlKind::Static, "Variable Name"},
        {VariableEditor::IDC_NAME, ControlKind::Edit, ""},
        {0, ControlKind::Static, "Default Value"},
        {VariableEditor::IDC_DEFAULT_VALUE, ControlKind::Edit, ""},
        {0, ControlKind::Static, "Variable Type", /*hidden=*/true},
        {VariableEditor::IDC_LOCAL, ControlKind::RadioButton, "Local", /*hidden=*/true},
        {VariableEditor::IDC_INPUT, ControlKind::RadioButton, "Input", /*hidden=*/true},
        {VariableEditor::IDC_ADD, ControlKind::PushButton, "Add"},
        {VariableEditor::IDC_DELETE, ControlKind::PushButton, "Delete"},
        {VariableEditor::IDC_CLEAR, ControlKind::PushButton, "Clear"},
        {VariableEditor::IDC_LIST, ControlKind::ListCtrl, "", false, false, 420, 200},
        {IDOK, ControlKind::DefPushButton, "OK"},
        {VariableEditor::IDC_HELP_BUTTON, ControlKind::PushButton, "Help"},
    },
    0,
    Lay::Column({
        Lay::Field(VariableEditor::IDC_NAME),
        Lay::Field(VariableEditor::IDC_DEFAULT_VALUE),
        Lay::Buttons(
            {VariableEditor::IDC_ADD, VariableEditor::IDC_DELETE, VariableEditor::IDC_CLEAR}),
        Lay::Control(VariableEditor::IDC_LIST),
        Lay::Buttons({IDOK, VariableEditor::IDC_HELP_BUTTON}),
    }),
    {{.list = VariableEditor::IDC_LIST,
      .panel = VariableEditor::IDC_NAME,
      .remove = VariableEditor::IDC_DELETE,
      .nameColumn = 1}},
}};
} // namespace

VariableDlg::VariableDlg(ForgeonProject& project, std::vector<FieldVariableMap*>& maps,
                         FormInterface* page, CWnd* parent)
    : CDialog(IDD, parent), m_editor(project, maps, page), m_view(*this)
{
    MapControl(BN_CLICKED, VariableEditor::IDC_ADD, &VariableDlg::OnAdd);
    MapControl(BN_CLICKED, VariableEditor::IDC_DELETE, &VariableDlg::OnDelete);
    MapControl(BN_CLICKED, VariableEditor::IDC_CLEAR, &VariableDlg::OnClear);
    MapControl(BN_CLICKED, VariableEditor::IDC_HELP_BUTTON, &VariableDlg::OnHelp);
    MapRowSelection(VariableEditor::IDC_LIST, &VariableDlg::OnListSelected);
}

BOOL VariableDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_list.SubclassDlgItem(VariableEditor::IDC_LIST, this);
    SetListColumns(m_list, VariableEditor::Columns());
    m_editor.Open();
    Show();
    return TRUE;
}

void VariableDlg::Read()
{
    m_view.ReadTexts(m_editor.States(),
                     {VariableEditor::IDC_NAME, VariableEditor::IDC_DEFAULT_VALUE});
}

void VariableDlg::Run(void (VariableEditor::*command)())
{
    Read();
    (m_editor.*command)();
    Show();
}

void VariableDlg::Show()
{
    ShowListRows(m_list, m_editor.GetRows());
    m_list.SetCurSel(m_editor.GetSelectedRow());
    m_view.Show(m_editor.States());
}

void VariableDlg::OnListSelected(int row)
{
    Read();
    m_editor.ClickRow(row);
    m_view.Show(m_editor.States());
}

BOOL VariableDlg::PreTranslateMessage(MSG* msg)
{
    if (IsEnterKeyIn(*msg, *this, {VariableEditor::IDC_NAME, VariableEditor::IDC_DEFAULT_VALUE}))
    {
        Run(&VariableEditor::AddOrUpdate);
        return TRUE;
    }
    return CDialog::PreTranslateMessage(msg);
}

bool VariableDlg::MayClose()
{
    Read();
    const bool close = m_editor.Close();
    Show();
    return close;
}

void VariableDlg::OnHelp()
{
    ShowContextHelp(this, IDD);
}
