#include "shell/BrowseFilePathDlg.h"

#include "database/ServerEnumerator.h"
#include "editors/ContextHelp.h"
#include "editors/ControlStatesView.h"
#include "editors/ProgramFiles.h"
#include "platform/core/HostPath.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/DialogTemplate.h"
#include "platform/ui/Edit.h"
#include "platform/ui/FileDialog.h"
#include "shell/SelectThemeDlg.h"

#include <utility>

namespace
{
const DialogTemplateRegistration projectPropertiesTemplate{{
    BrowseFilePathDlg::IDD,
    "Project Properties",
    {
        {0, ControlKind::Static, "Project Name"},
        {BrowseFilePathDlg::IDC_PROJECT_NAME, ControlKind::Edit, ""},
        {0, ControlKind::Static, "Date Format"},
        {BrowseFilePathDlg::IDC_DATE_FORMAT, ControlKind::ComboBox, ""},
        {BrowseFilePathDlg::IDC_THEME, ControlKind::PushButton, "Theme"},
        {0, ControlKind::Static, "Project Path"},
        // Wide enough to read a host path.
        {BrowseFilePathDlg::IDC_PROJECT_PATH, ControlKind::Edit, "", false, false, 320},
        {BrowseFilePathDlg::IDC_BROWSE_PATH, ControlKind::PushButton, "..."},
        {0, ControlKind::Static, "Visual Studio"},
        {BrowseFilePathDlg::IDC_VISUAL_STUDIO, ControlKind::ComboBox, ""},
        {0, ControlKind::Static, "Database Server"},
        {BrowseFilePathDlg::IDC_DATABASE_SERVER, ControlKind::ComboBox, ""},
        {0, ControlKind::Static, "Server Name"},
        {BrowseFilePathDlg::IDC_SERVER_NAME, ControlKind::EditComboBox, ""},
        {BrowseFilePathDlg::IDC_SEARCH_SERVERS, ControlKind::PushButton, "..."},
        {BrowseFilePathDlg::IDC_HIDDEN_COMBO, ControlKind::ComboBox, "", /*hidden=*/true},
        {0, ControlKind::Static, "Database Name"},
        {BrowseFilePathDlg::IDC_DATABASE_NAME, ControlKind::Edit, ""},
        {BrowseFilePathDlg::IDC_WINDOWS_AUTHENTICATION, ControlKind::RadioButton,
         "Use Windows authentication"},
        {BrowseFilePathDlg::IDC_SQL_AUTHENTICATION, ControlKind::RadioButton,
         "Use SQL Sever authentication"},
        {0, ControlKind::Static, "User ID"},
        {BrowseFilePathDlg::IDC_USER_ID, ControlKind::Edit, ""},
        {0, ControlKind::Static, "Password"},
        {BrowseFilePathDlg::IDC_PASSWORD, ControlKind::Edit, ""},
        {0, ControlKind::Static, "Connection String"},
        {BrowseFilePathDlg::IDC_AUTO, ControlKind::RadioButton, "Auto", false, /*group=*/true},
        {BrowseFilePathDlg::IDC_MANUAL, ControlKind::RadioButton, "Manual"},
        {BrowseFilePathDlg::IDC_AUTOMATIC_STRING, ControlKind::MultiLineEdit, ""},
        {BrowseFilePathDlg::IDC_MANUAL_STRING, ControlKind::MultiLineEdit, ""},
        {BrowseFilePathDlg::IDC_HIDDEN_EDIT, ControlKind::Edit, "", /*hidden=*/true},
        {0, ControlKind::Static, "Select logo"},
        {BrowseFilePathDlg::IDC_LOGO, ControlKind::Edit, ""},
        {BrowseFilePathDlg::IDC_BROWSE_LOGO, ControlKind::PushButton, "..."},
        {BrowseFilePathDlg::IDC_CONFIRMATIONS, ControlKind::CheckBox,
         "Add/Update/Delete confirmations"},
        {IDOK, ControlKind::DefPushButton, "OK"},
        {IDCANCEL, ControlKind::PushButton, "Cancel"},
        {BrowseFilePathDlg::IDC_HELP_BUTTON, ControlKind::PushButton, "Help"},
    },
    0,
    Lay::Column({
        Lay::Row({
            Lay::Column({
                Lay::Field(BrowseFilePathDlg::IDC_PROJECT_NAME),
                Lay::Row({Lay::Field(BrowseFilePathDlg::IDC_DATE_FORMAT),
                          Lay::Control(BrowseFilePathDlg::IDC_THEME)}),
                Lay::Row({Lay::Field(BrowseFilePathDlg::IDC_PROJECT_PATH),
                          Lay::Control(BrowseFilePathDlg::IDC_BROWSE_PATH)}),
                Lay::Field(BrowseFilePathDlg::IDC_VISUAL_STUDIO),
                Lay::Field(BrowseFilePathDlg::IDC_DATABASE_SERVER),
                Lay::Row({Lay::Field(BrowseFilePathDlg::IDC_LOGO),
                          Lay::Control(BrowseFilePathDlg::IDC_BROWSE_LOGO)}),
                Lay::Control(BrowseFilePathDlg::IDC_CONFIRMATIONS),
                Lay::Stretch(),
            }),
            Lay::Column({
                Lay::Row({Lay::Field(BrowseFilePathDlg::IDC_SERVER_NAME),
                          Lay::Control(BrowseFilePathDlg::IDC_SEARCH_SERVERS)}),
                Lay::Field(BrowseFilePathDlg::IDC_DATABASE_NAME),
                Lay::Row({Lay::Control(BrowseFilePathDlg::IDC_WINDOWS_AUTHENTICATION),
                          Lay::Control(BrowseFilePathDlg::IDC_SQL_AUTHENTICATION)}),
                Lay::Field(BrowseFilePathDlg::IDC_USER_ID),
                Lay::Field(BrowseFilePathDlg::IDC_PASSWORD),
                Lay::Row({Lay::Field(BrowseFilePathDlg::IDC_AUTO),
                          Lay::Control(BrowseFilePathDlg::IDC_MANUAL)}),
                Lay::Control(BrowseFilePathDlg::IDC_AUTOMATIC_STRING),
                Lay::Control(BrowseFilePathDlg::IDC_MANUAL_STRING),
            }),
        }),
        Lay::Buttons({IDOK, IDCANCEL, BrowseFilePathDlg::IDC_HELP_BUTTON}),
    }),
}};

// The SQL Server instances the network shows.
bool EnumerateServers(CStringArray& servers)
{
    CServerEnumerator enumerator;
    const bool searched = enumerator.EnumerateSQLServers();
    servers.Append(enumerator.m_Servers);
    return searched;
}

} // namespace

BrowseFilePathDlg::BrowseFilePathDlg(ForgeonProject* project, CWnd* parent,
                                     ServerListSource servers)
    : ToolTipDialog(IDD, parent), m_project(project),
      m_properties(project, GetProgramFolder(),
                   servers ? std::move(servers) : ServerListSource(&EnumerateServers))
{
    for (int id : {IDC_DATABASE_NAME, IDC_USER_ID, IDC_PASSWORD, IDC_HIDDEN_EDIT, IDC_SERVER_NAME})
        MapControl(EN_KILLFOCUS, id, &BrowseFilePathDlg::OnFieldLeft);
    MapControl(CBN_KILLFOCUS, IDC_SERVER_NAME, &BrowseFilePathDlg::OnFieldLeft);
    MapControl(CBN_SELCHANGE, IDC_SERVER_NAME, &BrowseFilePathDlg::OnFieldLeft);
    MapControl(CBN_SELCHANGE, IDC_DATABASE_SERVER, &BrowseFilePathDlg::OnFieldLeft);
    MapControl(EN_CHANGE, IDC_MANUAL_STRING, &BrowseFilePathDlg::OnManualChanged);
    MapControl(EN_KILLFOCUS, IDC_MANUAL_STRING, &BrowseFilePathDlg::OnManualLeft);
    MapControlRange(BN_CLICKED, IDC_AUTO, IDC_AUTO,
                    [this] { Change([this] { m_properties.SwitchToAuto(); }); });
    MapControlRange(BN_CLICKED, IDC_MANUAL, IDC_MANUAL,
                    [this] { Change([this] { m_properties.SwitchToManual(); }); });
    MapControlRange(BN_CLICKED, IDC_SEARCH_SERVERS, IDC_SEARCH_SERVERS,
                    [this]
                    {
                        CWaitCursor wait;
                        Change([this] { m_properties.FillServers(); });
                    });
    MapControlRange(BN_CLICKED, IDC_WINDOWS_AUTHENTICATION, IDC_WINDOWS_AUTHENTICATION,
                    [this] { Change([this] { m_properties.SetAuthentication(0); }); });
    MapControlRange(BN_CLICKED, IDC_SQL_AUTHENTICATION, IDC_SQL_AUTHENTICATION,
                    [this]
                    {
                        Change([this] { m_properties.SetAuthentication(1); });
                        if (CWnd* userId = GetDlgItem(IDC_USER_ID))
                            userId->SetFocus();
                    });
    MapControl(BN_CLICKED, IDC_BROWSE_PATH, &BrowseFilePathDlg::OnBrowsePath);
    MapControl(BN_CLICKED, IDC_BROWSE_LOGO, &BrowseFilePathDlg::OnBrowseLogo);
    MapControl(BN_CLICKED, IDC_THEME, &BrowseFilePathDlg::OnTheme);
    MapControl(BN_CLICKED, IDC_HELP_BUTTON, &BrowseFilePathDlg::OnHelp);
}

BOOL BrowseFilePathDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    if (auto* automatic = dynamic_cast<CEdit*>(GetDlgItem(IDC_AUTOMATIC_STRING)))
        automatic->SetReadOnly();
    {
        CWaitCursor wait;
        m_properties.Load();
    }
    Show();
    AddControlTips(m_toolTips, *this,
                   {
                       {IDC_PROJECT_NAME, "Project Name"},
                       {IDC_DATE_FORMAT, "Date Format"},
                       {IDC_THEME, "Theme"},
                       {IDC_PROJECT_PATH, "Project Path"},
                       {IDC_BROWSE_PATH, "Select Project Location"},
                       {IDC_VISUAL_STUDIO, "Visual Studio"},
                       {IDC_DATABASE_SERVER, "Database Server"},
                       {IDC_SERVER_NAME, "Server Name"},
                       {IDC_SEARCH_SERVERS, "Search servers again"},
                       {IDC_DATABASE_NAME, "Database Name"},
                       {IDC_USER_ID, "User ID"},
                       {IDC_PASSWORD, "Password"},
                       {IDC_AUTOMATIC_STRING, "Connection String"},
                       {IDC_MANUAL_STRING, "Connection String"},
                       {IDC_LOGO, "Product Logo"},
                       {IDC_CONFIRMATIONS, "Add/Update/Delete confirmations"},
                   });
    return TRUE;
}

void BrowseFilePathDlg::Show()
{
    m_showing = true;
    const ProjectPropertiesState& state = m_properties.State();
    const auto setText = [this](int id, const CString& text)
    {
        CString shown;
        GetDlgItemText(id, shown);
        if (shown != text)
            SetDlgItemText(id, text);
    };
    const auto fill = [this](int id, const auto& texts, int selection)
    {
        if (auto* combo = dynamic_cast<CComboBox*>(GetDlgItem(id)))
            ShowComboItems(*combo, std::vector<CString>(std::begin(texts), std::end(texts)),
                           selection);
    };
    fill(IDC_DATE_FORMAT, ProjectProperties::kDateFormats, state.dateFormat);
    fill(IDC_VISUAL_STUDIO, ProjectProperties::kVisualStudios, state.visualStudio);
    fill(IDC_DATABASE_SERVER, ProjectProperties::kDatabaseServers, state.databaseServer);
    if (auto* servers = dynamic_cast<CComboBox*>(GetDlgItem(IDC_SERVER_NAME)))
        ShowComboItems(*servers, state.servers, servers->GetCurSel());
    setText(IDC_SERVER_NAME, state.serverName);
    setText(IDC_PROJECT_NAME, state.projectName);
    setText(IDC_PROJECT_PATH, state.projectPath);
    setText(IDC_DATABASE_NAME, state.databaseName);
    setText(IDC_USER_ID, state.userId);
    setText(IDC_PASSWORD, state.password);
    setText(IDC_AUTOMATIC_STRING, state.automaticString);
    setText(IDC_MANUAL_STRING, state.manualString);
    setText(IDC_LOGO, state.logoPath);
    CheckRadioButton(IDC_WINDOWS_AUTHENTICATION, IDC_SQL_AUTHENTICATION,
                     state.authentication == 1 ? IDC_SQL_AUTHENTICATION
                                               : IDC_WINDOWS_AUTHENTICATION);
    CheckRadioButton(IDC_MANUAL, IDC_AUTO, state.connectionMode != 0 ? IDC_AUTO : IDC_MANUAL);
    CheckDlgButton(IDC_CONFIRMATIONS, state.confirmations ? BST_CHECKED : BST_UNCHECKED);
    const struct
    {
        int id;
        bool enabled;
    } enabling[] = {
        {IDC_SERVER_NAME, state.serverEnabled},
        {IDC_WINDOWS_AUTHENTICATION, state.authenticationEnabled},
        {IDC_SQL_AUTHENTICATION, state.authenticationEnabled},
        {IDC_USER_ID, state.credentialsEnabled},
        {IDC_PASSWORD, state.credentialsEnabled},
        {IDC_MANUAL_STRING, state.manualEnabled},
    };
    for (const auto& each : enabling)
    {
        if (CWnd* control = GetDlgItem(each.id))
            control->EnableWindow(each.enabled ? TRUE : FALSE);
    }
    m_showing = false;
}

void BrowseFilePathDlg::Collect()
{
    ProjectPropertiesState& state = m_properties.Edit();
    GetDlgItemText(IDC_PROJECT_NAME, state.projectName);
    GetDlgItemText(IDC_PROJECT_PATH, state.projectPath);
    GetDlgItemText(IDC_SERVER_NAME, state.serverName);
    GetDlgItemText(IDC_DATABASE_NAME, state.databaseName);
    GetDlgItemText(IDC_USER_ID, state.userId);
    GetDlgItemText(IDC_PASSWORD, state.password);
    GetDlgItemText(IDC_LOGO, state.logoPath);
    const auto selection = [this](int id)
    {
        auto* combo = dynamic_cast<CComboBox*>(GetDlgItem(id));
        return combo != nullptr ? combo->GetCurSel() : -1;
    };
    state.dateFormat = selection(IDC_DATE_FORMAT);
    state.visualStudio = selection(IDC_VISUAL_STUDIO);
    state.databaseServer = selection(IDC_DATABASE_SERVER);
    state.confirmations = IsDlgButtonChecked(IDC_CONFIRMATIONS) == BST_CHECKED;
}

void BrowseFilePathDlg::Change(const std::function<void()>& change)
{
    if (m_showing)
        return;
    Collect();
    change();
    Show();
}

void BrowseFilePathDlg::OnFieldLeft()
{
    Change([this] { m_properties.BuildConnectionString(); });
}

void BrowseFilePathDlg::OnManualChanged()
{
    if (m_showing)
        return;
    CString text;
    GetDlgItemText(IDC_MANUAL_STRING, text);
    m_properties.ManualStringChanged(text);
}

void BrowseFilePathDlg::OnManualLeft()
{
    Change([this] { m_properties.ManualStringLeft(); });
}

void BrowseFilePathDlg::OnBrowsePath()
{
    // The typed project folder, else the last folder chosen.
    CString typed;
    GetDlgItemText(IDC_PROJECT_PATH, typed);
    CString folder = ToHostPath(typed.Trim()).c_str();
    if (!BrowseForFolder(this, "Select Project Location", folder))
        return;
    if (folder.Right(1) != "/")
        folder += "/";
    SetDlgItemText(IDC_PROJECT_PATH, folder);
}

void BrowseFilePathDlg::OnBrowseLogo()
{
    CFileDialog dialog(TRUE, "*.jpg", "*.jpg", OFN_HIDEREADONLY, "JPG File (*.jpg)|", this);
    dialog.m_ofn.lpstrTitle = "Select image for Product Logo";
    SetDlgItemText(IDC_LOGO, dialog.DoModal() == IDOK ? dialog.GetPathName() : CString());
}

void BrowseFilePathDlg::OnTheme()
{
    if (m_project == nullptr)
        return;
    SelectThemeDlg dialog(*m_project, this);
    dialog.DoModal();
}

void BrowseFilePathDlg::OnOK()
{
    Collect();
    if (m_properties.State().connectionMode == 0)
    {
        CString manual;
        GetDlgItemText(IDC_MANUAL_STRING, manual);
        m_properties.ManualStringChanged(manual);
    }
    if (!m_properties.Apply())
        return;
    EndDialog(IDOK);
}

void BrowseFilePathDlg::OnHelp()
{
    ShowContextHelp(this, IDD);
}
