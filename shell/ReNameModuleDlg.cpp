#include "shell/ReNameModuleDlg.h"

#include "editors/ContextHelp.h"
#include "model/ForgeonProject.h"
#include "model/MainFrameAccess.h"
#include "model/Module.h"
#include "platform/ui/DataExchange.h"
#include "platform/ui/DialogLayout.h"
#include "platform/ui/DialogTemplate.h"
#include "shell/logic/ModuleRenamer.h"

namespace
{
const DialogTemplateRegistration renameModuleTemplate{{
    ReNameModuleDlg::IDD,
    "Rename Module",
    {
        {0, ControlKind::Static, "Select Module"},
        {ReNameModuleDlg::IDC_MODULE, ControlKind::ComboBox, ""},
        {0, ControlKind::Static, "Module Name"},
        {ReNameModuleDlg::IDC_NAME, ControlKind::Edit, ""},
        {IDOK, ControlKind::DefPushButton, "OK"},
        {IDCANCEL, ControlKind::PushButton, "Cancel"},
        {ReNameModuleDlg::IDC_HELP_BUTTON, ControlKind::PushButton, "Help"},
    },
    0,
    Lay::Column({
        Lay::Field(ReNameModuleDlg::IDC_MODULE),
        Lay::Field(ReNameModuleDlg::IDC_NAME),
        Lay::Buttons({IDOK, IDCANCEL, ReNameModuleDlg::IDC_HELP_BUTTON}),
    }),
}};
} // namespace

ReNameModuleDlg::ReNameModuleDlg(ForgeonProject* project, CWnd* parent)
    : ToolTipDialog(IDD, parent), m_project(project)
{
    MapControl(CBN_SELCHANGE, IDC_MODULE, &ReNameModuleDlg::OnModuleChanged);
    MapControl(BN_CLICKED, IDC_HELP_BUTTON, &ReNameModuleDlg::OnHelp);
}

void ReNameModuleDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_MODULE, m_moduleCombo);
}

BOOL ReNameModuleDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    AddControlTips(m_toolTips, *this, {{IDC_MODULE, "Select Module"}, {IDC_NAME, "Module Name"}});
    if (m_project != nullptr)
        m_module = m_project->FillModuleCombo(m_moduleCombo);
    SetDlgItemText(IDC_NAME, m_module != nullptr ? m_module->GetName() : CString());
    return TRUE;
}

void ReNameModuleDlg::OnModuleChanged()
{
    m_module = m_project != nullptr ? m_project->GetModuleAt(m_moduleCombo.GetCurSel()) : nullptr;
    SetDlgItemText(IDC_NAME, m_module != nullptr ? m_module->GetName() : CString());
}

void ReNameModuleDlg::OnOK()
{
    if (m_project == nullptr || m_module == nullptr)
        return;
    CString name;
    GetDlgItemText(IDC_NAME, name);
    if (!ModuleRenamer(*m_project, *m_module).Rename(name))
        return;
    MainFrameAccess::RefreshTree();
    CDialog::OnOK();
}

void ReNameModuleDlg::OnHelp()
{
    ShowContextHelp(this, IDD);
}
