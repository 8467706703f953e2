#pragma once

#include "controls/CellListCtrl.h"
#include "controls/RichToolTipCtrl.h"
#include "designers/DesignerViewHost.h"
#include "designers/logic/ReportCollectorDesigner.h"
#include "editors/ControlStatesView.h"
#include "editors/ProjectController.h"
#include "editors/WvpDialog.h"
#include "platform/ui/FormView.h"

#include <functional>

// The report collector designer in the right pane: a ReportCollectorDesigner shown on
// template 212.
class ReportCollectorDlg : public CFormView, public WvpDialog
{
    DECLARE_DYNCREATE(ReportCollectorDlg)

public:
    ReportCollectorDlg();
    ~ReportCollectorDlg() override;

    void OnInitialUpdate() override;
    void ClearPage() override;
    void ReloadPage() override;
    BOOL PreTranslateMessage(MSG* msg) override;

    // Shows the collector; null starts a new one.
    void LoadReportCollector(ReportCollector* collector);

    // The controller of the open project; null while none is open.
    ReportCollectorDesigner* GetDesigner();

private:
    PaneEditor* GetPaneEditor() override { return m_designer.Current(); }
    CWnd* GetBoxWindow() override { return this; }
    void ShowPaneEditor() override { Show(); }
    void Run(const std::function<void(ReportCollectorDesigner&)>& command);
    void ReadControls();
    void Show();
    void OnEntrySelected(int row);

    ProjectController<ReportCollectorDesigner> m_designer;
    ControlStatesView m_view;
    CCellListCtrl m_entries;
    CCellListCtrl m_commonFields;
    CCellListCtrl m_filters;
    CRichToolTipCtrl m_toolTips;
    bool m_showing = false;
};
