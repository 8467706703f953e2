#pragma once

#include "controls/CellListCtrl.h"
#include "controls/TabCtrl.h"
#include "controls/ToolTipDialog.h"
#include "controls/TreeControl.h"
#include "editors/ControlStatesView.h"
#include "editors/WvpDialog.h"
#include "editors/logic/MenuPages.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/FormView.h"

#include <memory>
#include <vector>

// A TreeControl showing a MenuTreeModel: the items again after a refill, and the ticks,
// expansion and selection read back before a command.
class MenuTreeView
{
public:
    void Show(TreeControl& tree, const MenuTreeModel& model);
    void Read(const TreeControl& tree, MenuTreeModel& model);
    // The model item of a tree item; -1 for none.
    int IndexOf(HTREEITEM item) const;
    HTREEITEM HandleOf(int index) const;

private:
    std::vector<HTREEITEM> m_handles;
    std::vector<MenuTreeItem> m_shown;
};

// "Add child menus for ": the name of a new sub-menu.
class ChildMenuDlg : public ToolTipDialog
{
public:
    enum
    {
        IDD = 302,
        IDC_NAME = 1096,
        IDC_PARENT_NAME = 1819,
        IDC_HELP_BUTTON = 1039,
    };

    ChildMenuDlg(const Menu& parent, CWnd* owner);
    BOOL OnInitDialog() override;
    void OnOK() override;
    const CString& GetName() const { return m_name; }

protected:
    // Escape and the close box ask about a name typed.
    int AskAboutChanges() override;

private:
    const Menu& m_parent;
    CString m_name;
};

// "Assign file to menu": module, file type, page and page file of the menu.
class AssignFileToMenu : public ToolTipDialog
{
public:
    enum
    {
        IDD = 299,
        IDC_HELP_BUTTON = 1039,
    };

    AssignFileToMenu(const ForgeonProject& project, Menu& menu, CWnd* owner);
    BOOL OnInitDialog() override;
    void OnOK() override;

protected:
    // Escape and the close box ask about a page file chosen.
    int AskAboutChanges() override { return m_choice.AskAboutChanges(); }

private:
    void Choose(void (PageFileChoice::*choose)(int), int id);

    MenuFileAssignment m_choice;
    ControlStatesView m_view;
};

// "Select menu": the top menu of a page file.
class SelectMenuDlg : public ToolTipDialog
{
public:
    enum
    {
        IDD = 305,
        IDC_TREE = 1097,
        IDC_SELECT = 1039,
        IDC_HELP_BUTTON = 1663,
    };

    SelectMenuDlg(const ForgeonProject& project, CWnd* owner);
    BOOL OnInitDialog() override;
    Menu* GetChosen() const { return m_choice.GetChosen(); }

protected:
    // Escape and the close box hand the menu "Select" chose to the caller, as OK does.
    bool MadeChanges() const override { return GetChosen() != nullptr; }

private:
    void OnSelect();

    TopMenuChoice m_choice;
    TreeControl m_tree;
    MenuTreeView m_treeView;
    ControlStatesView m_view;
};

// "Map menu paramaters for ": the variables the leaves of a page file's top menu pass.
class AssignMenuParamDlg : public ToolTipDialog
{
public:
    enum
    {
        IDD = 303,
        IDC_SELECT_MENU = 1663,
        IDC_LIST = 1260,
        IDC_MAP = 1039,
        IDC_UNMAP = 1040,
        IDC_HELP_BUTTON = 1777,
    };

    AssignMenuParamDlg(AspFile& file, bool top, CWnd* owner);
    BOOL OnInitDialog() override;

private:
    void Run(void (MenuParameterMapping::*command)());
    void OnRowSelected(int row);

    MenuParameterMapping m_mapping;
    CCellListCtrl m_list;
    ControlStatesView m_view;
};

class MenuDlgTabCtrl;

// The menu editor in the right pane: the tabs "Menus", "Menus on Files" and "Role wise Menus"
// over one MenuEditor.
class MenuDlg : public CFormView, public WvpDialog
{
    DECLARE_DYNCREATE(MenuDlg)

public:
    enum
    {
        IDD = 178,
        IDC_TABS = 1239,
    };

    MenuDlg();
    ~MenuDlg() override;

    void OnInitialUpdate() override;
    // No menu stays selected: the project may go.
    void ClearPage() override;
    void ReloadPage() override;

    // Shows the "Menus" tab with the menu's item expanded; null for none.
    void LoadMenu(Menu* menu);
    // The editor of the open project; null while none is open.
    MenuEditor* GetEditor();
    MenuDlgTabCtrl& Tabs() { return *m_tabs; }

private:
    // The "Menus" page asks about a name typed there; the other pages hold nothing typed.
    PaneEditor* GetPaneEditor() override;
    CWnd* GetBoxWindow() override;
    void ShowPaneEditor() override;

    std::unique_ptr<MenuEditorHost> m_host;
    std::unique_ptr<MenuEditor> m_editor;
    ForgeonProject* m_editorProject = nullptr;
    std::unique_ptr<MenuDlgTabCtrl> m_tabs;
};

// The tab control of the menu editor, owning its three pages.
class MenuDlgTabCtrl : public TabCtrl
{
public:
    explicit MenuDlgTabCtrl(MenuDlg& owner) : m_owner(owner) {}

    void InitPages() override;
    // Every page shows its controller's state again.
    void ShowPages();

protected:
    void OnPageSelected(CWnd* page) override;
    bool MayLeavePage(CWnd* page) override;

private:
    MenuDlg& m_owner;
};
