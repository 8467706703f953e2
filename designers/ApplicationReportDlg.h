#pragma once

#include "controls/CellListCtrl.h"
#include "controls/RichToolTipCtrl.h"
#include "designers/DesignerViewHost.h"
#include "designers/logic/ReportDesigner.h"
#include "editors/ControlStatesView.h"
#include "editors/ProjectController.h"
#include "editors/WvpDialog.h"
#include "platform/ui/FormView.h"

// The report designer in the right pane: a ReportDesigner shown on template 168.
class ApplicationReportDlg : public CFormView, public WvpDialog
{
    DECLARE_DYNCREATE(ApplicationReportDlg)

public:
    ApplicationReportDlg();
    ~ApplicationReportDlg() override;

    void OnInitialUpdate() override;
    void ClearPage() override;
    void ReloadPage() override;
    BOOL PreTranslateMessage(MSG* msg) override;

    // Shows the report; null starts a new one.
    void LoadReport(ApplicationReport* report);
    // The report was removed from its module: a new one is started.
    void ForgetReport(ApplicationReport* report);

    // The controller of the open project; null while none is open.
    ReportDesigner* GetDesigner();

private:
    PaneEditor* GetPaneEditor() override { return m_designer.Current(); }
    CWnd* GetBoxWindow() override { return this; }
    void ShowPaneEditor() override { Show(); }
    void Run(void (ReportDesigner::*command)());
    void RunWith(const std::function<void(ReportDesigner&)>& command);
    void ReadControls();
    void Show();
    std::vector<int> SelectedRows(const CCellListCtrl& list) const;
    void OnGroupSelected(int row);
    void OnGroupDoubleClick(NMHDR* header, LRESULT* result);
    void OnFilterSelected(int row);
    void OnFilterDoubleClick(NMHDR* header, LRESULT* result);
    void OnColumnSelected(int row);
    void OnColumnDoubleClick(NMHDR* header, LRESULT* result);

    ProjectController<ReportDesigner> m_designer;
    ControlStatesView m_view;
    CCellListCtrl m_groups;
    CCellListCtrl m_outputs;
    CCellListCtrl m_filters;
    CCellListCtrl m_columns;
    CRichToolTipCtrl m_toolTips;
    bool m_showing = false;
};
