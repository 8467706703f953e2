#include "designers/AssignRDLCDlg.h"

#include "designers/DialogChoices.h"
#include "editors/ContextHelp.h"
#include "platform/ui/DialogTemplate.h"

namespace
{

const DialogTemplateRegistration assignRDLCTemplate{{
    RDLCAssigner::IDD,
    "Select RDLC for ",
    {
        {0, ControlKind::Static, "RDLC:"},
        {RDLCAssigner::IDC_RDLC, ControlKind::ComboBox, ""},
        {RDLCAssigner::IDC_ASSIGN, ControlKind::PushButton, "Assign"},
        {RDLCAssigner::IDC_RDLC_NAME, ControlKind::Static, "RDLC Not assigned."},
        {IDOK, ControlKind::DefPushButton, "OK"},
        {IDCANCEL, ControlKind::PushButton, "Cancel"},
        {RDLCAssigner::IDC_HELP_BUTTON, ControlKind::PushButton, "Help"},
    },
    0,
    Lay::Column({
        Lay::Row({Lay::Field(RDLCAssigner::IDC_RDLC), Lay::Control(RDLCAssigner::IDC_ASSIGN)}),
        Lay::Control(RDLCAssigner::IDC_RDLC_NAME),
        Lay::Buttons({IDOK, IDCANCEL, RDLCAssigner::IDC_HELP_BUTTON}),
    }),
}};
} // namespace

AssignRDLCDlg::AssignRDLCDlg(RDLCReport& report, ForgeonProject& project, CWnd* parent)
    : CDialog(IDD, parent), m_assigner(report, project), m_view(*this)
{
    MapControl(BN_CLICKED, RDLCAssigner::IDC_ASSIGN, &AssignRDLCDlg::OnAssign);
    MapControlRange(BN_CLICKED, RDLCAssigner::IDC_HELP_BUTTON, RDLCAssigner::IDC_HELP_BUTTON,
                    [this] { ShowContextHelp(this, IDD); });
}

BOOL AssignRDLCDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    SetWindowText(m_assigner.GetCaption());
    m_assigner.Open();
    m_view.Show(m_assigner.States());
    return TRUE;
}

void AssignRDLCDlg::OnAssign()
{
    ReadChoices(*this, m_view, m_assigner.States(), {}, {RDLCAssigner::IDC_RDLC});
    m_assigner.Assign();
    m_view.Show(m_assigner.States());
}
