#include "designers/AssignRDLCDlg.h"

#include "designers/DialogChoices.h"
#include "editors/ContextHelp.h"
#include "platform/ui/DialogTemplate.h"

namespace
{
using A = RDLCAssigner;

const DialogTemplateRegistration assignRDLCTemplate{{
    A::IDD,
    "Select RDLC for ",
    {
        {0, ControlKind::Static, "RDLC:"},
        {A::IDC_RDLC, ControlKind::ComboBox, ""},
        {A::IDC_ASSIGN, ControlKind::PushButton, "Assign"},
        {A::IDC_RDLC_NAME, ControlKind::Static, "RDLC Not assigned."},
        {IDOK, ControlKind::DefPushButton, "OK"},
        {IDCANCEL, ControlKind::PushButton, "Cancel"},
        {A::IDC_HELP_BUTTON, ControlKind::PushButton, "Help"},
    },
    0,
    Lay::Column({
        Lay::Row({Lay::Field(A::IDC_RDLC), Lay::Control(A::IDC_ASSIGN)}),
        Lay::Control(A::IDC_RDLC_NAME),
        Lay::Buttons({IDOK, IDCANCEL, A::IDC_HELP_BUTTON}),
    }),
}};
} // namespace

AssignRDLCDlg::AssignRDLCDlg(RDLCReport& report, ForgeonProject& project, CWnd* parent)
    : CDialog(IDD, parent), m_assigner(report, project), m_view(*this)
{
    MapControl(BN_CLICKED, A::IDC_ASSIGN, &AssignRDLCDlg::OnAssign);
    MapControlRange(BN_CLICKED, A::IDC_HELP_BUTTON, A::IDC_HELP_BUTTON,
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
    ReadChoices(*this, m_view, m_assigner.States(), {}, {A::IDC_RDLC});
    m_assigner.Assign();
    m_view.Show(m_assigner.States());
}
