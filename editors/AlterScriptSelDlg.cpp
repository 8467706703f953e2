#include "editors/AlterScriptSelDlg.h"

#include "editors/ContextHelp.h"
#include "platform/ui/DialogTemplate.h"

namespace
{

const DialogTemplateRegistration alterScriptTemplate{{
    AlterScriptSelDlg::IDD,
    "Generate Alter script for",
    {
        {AlterScriptSelDlg::IDC_TABLE, ControlKind::RadioButton, "Selected Table"},
        {AlterScriptSelDlg::IDC_MODULE, ControlKind::RadioButton, "Selected Module"},
        {AlterScriptSelDlg::IDC_PROJECT, ControlKind::RadioButton, "Project"},
        {IDOK, ControlKind::DefPushButton, "OK"},
        {IDCANCEL, ControlKind::PushButton, "Cancel"},
        {AlterScriptSelDlg::IDC_HELP_BUTTON, ControlKind::PushButton, "Help"},
    },
    0,
    Lay::Column({
        Lay::Control(AlterScriptSelDlg::IDC_TABLE),
        Lay::Control(AlterScriptSelDlg::IDC_MODULE),
        Lay::Control(AlterScriptSelDlg::IDC_PROJECT),
        Lay::Buttons({IDOK, IDCANCEL, AlterScriptSelDlg::IDC_HELP_BUTTON}),
    }),
}};
} // namespace

AlterScriptSelDlg::AlterScriptSelDlg(bool tableSelected, CWnd* parent)
    : ToolTipDialog(IDD, parent), m_scope(tableSelected)
{
    MapControlRange(BN_CLICKED, IDC_TABLE, IDC_TABLE,
                    [this] { Choose(AlterScriptScope::Scope::Table); });
    MapControlRange(BN_CLICKED, IDC_MODULE, IDC_MODULE,
                    [this] { Choose(AlterScriptScope::Scope::Module); });
    MapControlRange(BN_CLICKED, IDC_PROJECT, IDC_PROJECT,
                    [this] { Choose(AlterScriptScope::Scope::Project); });
    MapControl(BN_CLICKED, IDC_HELP_BUTTON, &AlterScriptSelDlg::OnHelp);
}

BOOL AlterScriptSelDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    GetDlgItem(IDC_TABLE)->EnableWindow(m_scope.IsTableEnabled() ? TRUE : FALSE);
    CheckDlgButton(IDC_TABLE, m_scope.m_table != 0 ? BST_CHECKED : BST_UNCHECKED);
    AddControlTips(
        m_toolTips, *this,
        {{IDC_TABLE, "Selected Table"}, {IDC_MODULE, "Selected Module"}, {IDC_PROJECT, "Project"}});
    return TRUE;
}

void AlterScriptSelDlg::Choose(AlterScriptScope::Scope scope)
{
    m_scope.Choose(scope);
}

void AlterScriptSelDlg::OnHelp()
{
    ShowContextHelp(this, IDD);
}
