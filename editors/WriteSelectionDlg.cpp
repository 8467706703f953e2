#include "editors/WriteSelectionDlg.h"

#include "platform/ui/DataExchange.h"
#include "platform/ui/DialogTemplate.h"

namespace
{
const DialogTemplateRegistration writeSelectionTemplate{{
    WriteSelectionDlg::IDD,
    "Selection For Write",
    {
        {WriteSelectionDlg::IDC_MESSAGE, ControlKind::Static, ""},
        {0, ControlKind::Static, "Please select the following for writing:"},
        {WriteSelectionDlg::IDC_MENUS, ControlKind::CheckBox, "Menus"},
        {WriteSelectionDlg::IDC_MODIFIED_FILES, ControlKind::CheckBox, "Modified Files"},
        {IDOK, ControlKind::DefPushButton, "OK"},
        {IDCANCEL, ControlKind::PushButton, "Cancel"},
    },
    0,
    Lay::Column({
        Lay::Control(WriteSelectionDlg::IDC_MESSAGE),
        Lay::Control(0),
        Lay::Control(WriteSelectionDlg::IDC_MENUS),
        Lay::Control(WriteSelectionDlg::IDC_MODIFIED_FILES),
        Lay::Buttons({IDOK, IDCANCEL}),
    }),
}};
} // namespace

WriteSelectionDlg::WriteSelectionDlg(CWnd* parent) : CDialog(IDD, parent) {}

void WriteSelectionDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_MESSAGE, m_message);
    DDX_Check(pDX, IDC_MENUS, m_writeMenus);
    DDX_Check(pDX, IDC_MODIFIED_FILES, m_useModifiedFiles);
}
