#include "editors/AssignReportDlg.h"

#include "editors/ContextHelp.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/DialogTemplate.h"

namespace
{

const DialogTemplateRegistration assignReportTemplate{{
    ReportAssigner::IDD,
    "Assign Search Report",
    {
        {0, ControlKind::Static, "Module"},
        {ReportAssigner::IDC_MODULE, ControlKind::ComboBox, ""},
        {0, ControlKind::Static, "Report"},
        {ReportAssigner::IDC_REPORT, ControlKind::ComboBox, ""},
        {IDOK, ControlKind::DefPushButton, "OK"},
        {IDCANCEL, ControlKind::PushButton, "Cancel"},
        {AssignReportDlg::IDC_HELP_BUTTON, ControlKind::PushButton, "Help"},
    },
}};
} // namespace

AssignReportDlg::AssignReportDlg(ForgeonProject& project, FormInterface* page, Table* table,
                                 ApplicationReport* preset, CWnd* parent)
    : CDialog(IDD, parent), m_assigner(project, page, table, preset), m_view(*this)
{
    MapControl(CBN_SELCHANGE, ReportAssigner::IDC_MODULE, &AssignReportDlg::OnModule);
    MapControl(BN_CLICKED, IDC_HELP_BUTTON, &AssignReportDlg::OnHelp);
}

BOOL AssignReportDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_assigner.Open();
    m_view.Show(m_assigner.States());
    return TRUE;
}

int AssignReportDlg::Selection(int combo)
{
    const auto* box = dynamic_cast<CComboBox*>(GetDlgItem(combo));
    return box != nullptr ? box->GetCurSel() : -1;
}

void AssignReportDlg::OnModule()
{
    m_assigner.ChooseModule(Selection(ReportAssigner::IDC_MODULE));
    m_view.Show(m_assigner.States());
}

void AssignReportDlg::OnOK()
{
    m_assigner.ChooseReport(Selection(ReportAssigner::IDC_REPORT));
    m_assigner.Ok();
    CDialog::OnOK();
}

void AssignReportDlg::OnHelp()
{
    ShowContextHelp(this, IDD);
}
