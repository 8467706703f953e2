#pragma once

#include "controls/CellListCtrl.h"
#include "controls/RichToolTipCtrl.h"
#include "controls/StaticCtrl.h"
#include "designers/DashBoardViewHost.h"
#include "designers/logic/DashBoardPageDesigner.h"
#include "editors/ControlStatesView.h"
#include "editors/ProjectController.h"
#include "editors/WvpDialog.h"
#include "platform/ui/FormView.h"

// The dashboard page designer in the right pane: a DashBoardPageDesigner shown on template 189.
class DashBoardPageDlg : public CFormView, public WvpDialog
{
    DECLARE_DYNCREATE(DashBoardPageDlg)

public:
    DashBoardPageDlg();
    ~DashBoardPageDlg() override;

    void OnInitialUpdate() override;
    void ClearPage() override;
    void ReloadPage() override;
    BOOL PreTranslateMessage(MSG* msg) override;

    // Shows the page; null starts a new one.
    void LoadDashBoardPage(DashBoardPage* page);
    // The page goes away elsewhere: it is let go and the start page shows.
    void ForgetDashBoardPage(DashBoardPage* page);

    // The controller of the open project; null while none is open.
    DashBoardPageDesigner* GetDesigner();

private:
    PaneEditor* GetPaneEditor() override { return m_designer.Current(); }
    CWnd* GetBoxWindow() override { return this; }
    void ShowPaneEditor() override { Show(); }
    void Run(void (DashBoardPageDesigner::*command)());
    void ReadControls();
    void Show();
    void OnPlacementSelected(int row);
    void OnHelp();

    DashBoardViewHost m_host;
    ProjectController<DashBoardPageDesigner> m_designer;
    ControlStatesView m_view;
    CCellListCtrl m_placements;
    CCellListCtrl m_pairs;
    CCellListCtrl m_mapVariables;
    CCellListCtrl m_mapFields;
    StaticCtrl m_picture;
    CRichToolTipCtrl m_toolTips;
    bool m_toolTipsCreated = false;
};
