#pragma once

#include "controls/RichToolTipCtrl.h"
#include "controls/StaticCtrl.h"
#include "controls/TreeControl.h"
#include "designers/DashBoardViewHost.h"
#include "designers/logic/DashBoardDesigner.h"
#include "editors/ControlStatesView.h"
#include "editors/ProjectController.h"
#include "editors/WvpDialog.h"
#include "platform/ui/FormView.h"
#include "platform/ui/ImageList.h"
#include "platform/ui/Menu.h"
#include "platform/ui/WebBrowser2.h"

#include <vector>

// The dashboard designer in the right pane: a DashBoardDesigner shown on template 161, its
// tree of nested tables in a TreeControl and the preview in a WebBrowser2.
class DashBoardDlg : public CFormView, public WvpDialog
{
    DECLARE_DYNCREATE(DashBoardDlg)

public:
    DashBoardDlg();
    ~DashBoardDlg() override;

    void OnInitialUpdate() override;
    void ClearPage() override;
    void ReloadPage() override;

    // Shows the page; null starts a new one.
    void LoadDashBoard(DashBoard* page);
    // The page goes away elsewhere: a new one is started.
    void ForgetDashBoard(DashBoard* page);

    // The controller of the open project; null while none is open.
    DashBoardDesigner* GetDesigner();
    TreeControl& GetTree() { return m_tree; }
    WebBrowser2& GetBrowser() { return m_browser; }
    // What a click on the tree item does; a right click opens the cell or table menu.
    void ClickItem(HTREEITEM item, bool right);

private:
    PaneEditor* GetPaneEditor() override { return m_designer.Current(); }
    CWnd* GetBoxWindow() override { return this; }
    void ShowPaneEditor() override { Show(); }
    void Run(void (DashBoardDesigner::*command)());
    void ReadControls();
    void Show();
    void ShowTree();
    // The tree's items made again, the expanded ones kept.
    void FillTree(const std::vector<TreeRow>& rows);
    int RowOf(HTREEITEM item) const;
    void OnTreeSelected(HTREEITEM item);
    void OnTreeRightClick(NMHDR* header, LRESULT* result);
    void OnGrid();
    void OnMoveGrid();
    void OnHelp();
    void BuildMenus();

    DashBoardViewHost m_host;
    ProjectController<DashBoardDesigner> m_designer;
    ControlStatesView m_view;
    TreeControl m_tree;
    CImageList m_treeImages;
    // The rows shown and their items.
    std::vector<TreeRow> m_shownRows;
    std::vector<HTREEITEM> m_items;
    WebBrowser2 m_browser;
    StaticCtrl m_picture;
    CRichToolTipCtrl m_toolTips;
    bool m_toolTipsCreated = false;
    CMenu m_cellMenu;
    CMenu m_tableMenu;
};
