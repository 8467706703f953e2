#pragma once

#include "controls/ListControl.h"
#include "controls/ToolTipDialog.h"
#include "platform/ui/Dialog.h"
#include "shell/logic/RoleManager.h"

struct NMHDR;

// "Manage Roles": shows what RoleManager holds and forwards the user's commands to it.
class DesignationDlg : public ToolTipDialog
{
public:
    static constexpr UINT IDD = 146;
    static constexpr int IDC_MODULE = 1015;
    static constexpr int IDC_PAGE = 1094;
    static constexpr int IDC_ROLES = 1349;
    static constexpr int IDC_REPORTS_TO = 1092;
    static constexpr int IDC_NAME = 1090;
    static constexpr int IDC_PAGE_TEXT = 1733;
    static constexpr int IDC_ADD = 1039;
    static constexpr int IDC_ACTIVATE = 1040;
    static constexpr int IDC_CLEAR = 1028;
    static constexpr int IDC_ASSIGN = 1663;
    static constexpr int IDC_REMOVE = 1351;
    static constexpr int IDC_HELP_BUTTON = 1740;

    DesignationDlg(ForgeonProject& project, CWnd* parent = nullptr);

    BOOL OnInitDialog() override;
    // Enter in the Role box adds (or updates) the role instead of closing the dialog.
    BOOL PreTranslateMessage(MSG* msg) override;

protected:
    // OK and Escape ask about a role typed and not added.
    bool MayClose() override;
    void DoDataExchange(CDataExchange* pDX) override;

private:
    // The manager's state into the controls.
    void Show();
    // Runs the command with the name typed and shows the result.
    void Run(const std::function<void()>& command);
    void OnRowSelected(int row);
    void OnHelp();

    RoleManager m_roles;
    ListControl m_list;
    bool m_showing = false;
};
