#include "editors/WriteAllDlg.h"

#include "editors/ContextHelp.h"
#include "model/ForgeonProject.h"
#include "platform/core/HostPath.h"
#include "platform/ui/DataExchange.h"
#include "platform/ui/DialogTemplate.h"

namespace
{
const DialogTemplateRegistration writeAllTemplate{{
    WriteAllDlg::IDD,
    "Write All",
    {
        {0, ControlKind::Static, "Code destination folder"},
        {WriteAllDlg::IDC_DESTINATION, ControlKind::MultiLineEdit, ""},
        {WriteAllDlg::IDC_MODIFIED_FILES, ControlKind::CheckBox,
         "Continue using my modified files"},
        {IDOK, ControlKind::DefPushButton, "OK"},
        {IDCANCEL, ControlKind::PushButton, "Cancel"},
        {WriteAllDlg::IDC_HELP_BUTTON, ControlKind::PushButton, "Help"},
    },
    0,
    Lay::Column({
        Lay::Field(WriteAllDlg::IDC_DESTINATION),
        Lay::Control(WriteAllDlg::IDC_MODIFIED_FILES),
        Lay::Buttons({IDOK, IDCANCEL, WriteAllDlg::IDC_HELP_BUTTON}),
    }),
}};
} // namespace

WriteAllDlg::WriteAllDlg(ForgeonProject* project, CWnd* parent) : ToolTipDialog(IDD, parent)
{
    // The folder as the host writes it.
    if (project != nullptr)
        m_destination = ToHostPath(project->GetProjectPath() + project->GetProjectName()).c_str();
    MapControl(BN_CLICKED, IDC_HELP_BUTTON, &WriteAllDlg::OnHelp);
}

BOOL WriteAllDlg::OnInitDialog()
{
    m_useModifiedFiles = TRUE;
    CDialog::OnInitDialog();
    m_destinationEdit.SetReadOnly();
    AddControlTips(
        m_toolTips, *this,
        {
            {IDC_MODIFIED_FILES,
             "Override Kestrane Weavo output with my files from \"_modifiedCode\" folder."},
            {IDOK, "Geneare the Dot net code"},
            {IDCANCEL, "Cancel"},
            {IDC_HELP_BUTTON, "Help"},
        });
    return TRUE;
}

void WriteAllDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_DESTINATION, m_destinationEdit);
    DDX_Text(pDX, IDC_DESTINATION, m_destination);
    DDX_Check(pDX, IDC_MODIFIED_FILES, m_useModifiedFiles);
}

void WriteAllDlg::OnHelp()
{
    ShowContextHelp(this, IDD);
}
