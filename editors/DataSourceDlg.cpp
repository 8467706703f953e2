#include "editors/DataSourceDlg.h"

#include "model/ForgeonProject.h"
#include "model/MainFrameAccess.h"
#include "model/ProjectSettings.h"
#include "platform/ui/DialogTemplate.h"

#include <utility>

namespace
{

const DialogTemplateRegistration dataSourceTemplate{{
    DataSourceDlg::IDD,
    "Select Data Source",
    {
        {0, ControlKind::Static, "Data sources and drivers"},
        {DataSourceDlg::IDC_SOURCES, ControlKind::ListBox, "", false, false, 320, 160},
        {0, ControlKind::Static, "Connection string"},
        {DataSourceDlg::IDC_CONNECT, ControlKind::Edit, ""},
        {IDOK, ControlKind::DefPushButton, "OK"},
        {IDCANCEL, ControlKind::PushButton, "Cancel"},
    },
    0,
    Lay::Column({
        Lay::Field(DataSourceDlg::IDC_SOURCES),
        Lay::Field(DataSourceDlg::IDC_CONNECT),
        Lay::Buttons({IDOK, IDCANCEL}),
    }),
}};
} // namespace

DataSourceDlg::DataSourceDlg(CString offered, CWnd* parent)
    : CDialog(IDD, parent), m_connect(std::move(offered))
{
    MapControl(LBN_SELCHANGE, IDC_SOURCES, &DataSourceDlg::OnSourceChanged);
}

BOOL DataSourceDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_sources.SubclassDlgItem(IDC_SOURCES, this);
    m_entries = ListDataSourcesAndDrivers();
    for (const DataSourceEntry& entry : m_entries)
        m_sources.AddString(entry.connect.GetString());
    SetDlgItemText(IDC_CONNECT, m_connect);
    return TRUE;
}

void DataSourceDlg::OnSourceChanged()
{
    const int index = m_sources.GetCurSel();
    if (index >= 0 && index < static_cast<int>(m_entries.size()))
        SetDlgItemText(IDC_CONNECT, m_entries[static_cast<std::size_t>(index)].connect);
}

void DataSourceDlg::OnOK()
{
    GetDlgItemText(IDC_CONNECT, m_connect);
    m_connect.Trim();
    CDialog::OnOK();
}

bool DataSourceDlg::Prompt(CString& connect)
{
    CString offered = connect;
    const ForgeonProject* project = MainFrameAccess::GetProject();
    if (offered.IsEmpty() && project != nullptr && project->GetProjectSettings() != nullptr)
        offered = project->GetProjectSettings()->GetConnectionString();
    DataSourceDlg dialog(offered);
    if (dialog.DoModal() != IDOK || dialog.GetConnect().IsEmpty())
        return false;
    connect = dialog.GetConnect();
    return true;
}
