#include "editors/WarningDlg.h"

#include "platform/ui/DataExchange.h"
#include "platform/ui/DialogTemplate.h"

namespace
{
const DialogTemplateRegistration warningTemplate{{
    WarningDlg::IDD,
    "KestraneWeavo Warning.",
    {
        {WarningDlg::IDC_MESSAGE, ControlKind::Static,
         "Do you really want to delete the last UIControl? This will make the form invalid."},
        {IDOK, ControlKind::DefPushButton, "&Yes"},
        {IDCANCEL, ControlKind::PushButton, "&No"},
    },
    0,
    Lay::Column({
        Lay::Control(WarningDlg::IDC_MESSAGE),
        Lay::Buttons({IDOK, IDCANCEL}),
    }),
}};
} // namespace

WarningDlg::WarningDlg(CWnd* parent) : CDialog(IDD, parent) {}

void WarningDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_MESSAGE, m_message);
}
