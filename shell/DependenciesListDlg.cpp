#include "shell/DependenciesListDlg.h"

#include "editors/ContextHelp.h"
#include "model/DependenciesDlg.h"
#include "platform/ui/DataExchange.h"
#include "platform/ui/DialogTemplate.h"
#include "platform/ui/WinApp.h"
#include "shell/logic/DependencyRows.h"

namespace
{
const DialogTemplateRegistration dependenciesTemplate{{
    DependenciesListDlg::IDD,
    "Dependencies...",
    {
        {DependenciesListDlg::IDC_HEADING, ControlKind::Static, ""},
        {DependenciesListDlg::IDC_LIST, ControlKind::ListCtrl, "", false, false, 420, 200},
        {IDOK, ControlKind::DefPushButton, "OK"},
        {IDCANCEL, ControlKind::PushButton, "Cancel"},
        {DependenciesListDlg::IDC_HELP_BUTTON, ControlKind::PushButton, "Help"},
    },
    0,
    Lay::Column({
        Lay::Control(DependenciesListDlg::IDC_HEADING),
        Lay::Control(DependenciesListDlg::IDC_LIST),
        Lay::Buttons({IDOK, IDCANCEL, DependenciesListDlg::IDC_HELP_BUTTON}),
    }),
    {{.list = DependenciesListDlg::IDC_LIST}},
}};
} // namespace

DependenciesListDlg::DependenciesListDlg(DependenciesDlg& request, CWnd* parent)
    : ToolTipDialog(IDD, parent), m_request(request)
{
    MapControl(BN_CLICKED, IDC_HELP_BUTTON, &DependenciesListDlg::OnHelp);
}

int DependenciesListDlg::ShowRequest(DependenciesDlg& request)
{
    auto* parent = static_cast<CWnd*>(request.GetParent());
    DependenciesListDlg dialog(request, parent != nullptr ? parent : AfxGetMainWnd());
    return static_cast<int>(dialog.DoModal());
}

void DependenciesListDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_LIST, m_list);
}

BOOL DependenciesListDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    SetDlgItemText(IDC_HEADING, m_request.GetTitle());
    m_list.InitColumns({7, 20, 20, 20}, {"Move", "Object", "Type", "Parent Module"});
    int row = 0;
    for (const DependencyRow& each : DependencyRowsOf(m_request.GetRecords()))
    {
        m_list.InsertItem(row, "");
        m_list.SetCheckbox(row, 0, each.move ? 1 : 0);
        m_list.SetItemText(row, 1, each.object);
        m_list.SetItemText(row, 2, each.type);
        m_list.SetItemText(row, 3, each.module);
        ++row;
    }
    AddControlTips(m_toolTips, *this, {{IDC_LIST, "Objects that move along"}});
    return TRUE;
}

void DependenciesListDlg::OnOK()
{
    int row = 0;
    for (DependencyRecord* record : m_request.GetRecords())
        record->selected = m_list.GetCheckbox(row++, 0) == 1;
    CDialog::OnOK();
}

void DependenciesListDlg::OnHelp()
{
    ShowContextHelp(this, IDD);
}
