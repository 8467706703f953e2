#pragma once

#include "controls/ToolTipDialog.h"
#include "platform/ui/Dialog.h"
#include "shell/logic/ProjectProperties.h"

#include <functional>

class ForgeonProject;

// "Project Properties": shows the settings that ProjectProperties edits and forwards the user's
// changes to it; OK stores them when they pass its checks.
class BrowseFilePathDlg : public ToolTipDialog
{
public:
    static constexpr UINT IDD = 144;
    static constexpr int IDC_PROJECT_NAME = 1535;
    static constexpr int IDC_DATE_FORMAT = 1707;
    static constexpr int IDC_THEME = 1039;
    static constexpr int IDC_PROJECT_PATH = 1088;
    static constexpr int IDC_BROWSE_PATH = 1087;
    static constexpr int IDC_VISUAL_STUDIO = 1811;
    static constexpr int IDC_DATABASE_SERVER = 1812;
    static constexpr int IDC_SERVER_NAME = 1709;
    static constexpr int IDC_SEARCH_SERVERS = 1526;
    static constexpr int IDC_HIDDEN_COMBO = 1710;
    static constexpr int IDC_HIDDEN_EDIT = 1704;
    static constexpr int IDC_DATABASE_NAME = 1703;
    static constexpr int IDC_WINDOWS_AUTHENTICATION = 1702;
    static constexpr int IDC_SQL_AUTHENTICATION = 1708;
    static constexpr int IDC_USER_ID = 1705;
    static constexpr int IDC_PASSWORD = 1706;
    static constexpr int IDC_AUTO = 1699;
    static constexpr int IDC_MANUAL = 1698;
    static constexpr int IDC_AUTOMATIC_STRING = 1700;
    static constexpr int IDC_MANUAL_STRING = 1701;
    static constexpr int IDC_LOGO = 1095;
    static constexpr int IDC_BROWSE_LOGO = 1096;
    static constexpr int IDC_CONFIRMATIONS = 1734;
    static constexpr int IDC_HELP_BUTTON = 1742;

    // The server list comes from the source; by default from the SQL Server instances the
    // network shows.
    BrowseFilePathDlg(ForgeonProject* project, CWnd* parent = nullptr,
                      ServerListSource servers = {});

    BOOL OnInitDialog() override;
    void OnOK() override;

private:
    // The controller's state into the controls, and the controls' values back into it.
    void Show();
    void Collect();
    // Collects, runs the change and shows the result; nothing while Show fills the controls.
    void Change(const std::function<void()>& change);
    void OnFieldLeft();
    void OnManualChanged();
    void OnManualLeft();
    void OnBrowsePath();
    void OnBrowseLogo();
    void OnTheme();
    void OnHelp();

    ForgeonProject* m_project;
    ProjectProperties m_properties;
    // Set while Show fills the controls, whose change notifications are then not the user's.
    bool m_showing = false;
};
