#pragma once

#include "controls/CellListCtrl.h"
#include "controls/RichToolTipCtrl.h"
#include "designers/logic/MultiPageReportDesigner.h"
#include "editors/ControlStatesView.h"
#include "editors/ProjectController.h"
#include "editors/WvpDialog.h"
#include "platform/ui/FormView.h"

#include <functional>

// The multi-page report designer in the right pane: a MultiPageReportDesigner shown on
// template 201.
class MultiPageReportDlg : public CFormView, public WvpDialog
{
    DECLARE_DYNCREATE(MultiPageReportDlg)

public:
    MultiPageReportDlg();
    ~MultiPageReportDlg() override;

    void OnInitialUpdate() override;
    void ClearPage() override;
    void ReloadPage() override;

    // Shows the page; null starts a new one.
    void LoadReport(MultiPageReport* page);

    // The controller of the open project; null while none is open.
    MultiPageReportDesigner* GetDesigner();

private:
    PaneEditor* GetPaneEditor() override { return m_designer.Current(); }
    CWnd* GetBoxWindow() override { return this; }
    void ShowPaneEditor() override { Show(); }
    void Run(const std::function<void(MultiPageReportDesigner&)>& command);
    void ReadControls();
    void Show();
    void OnPageSelected(int row);

    ProjectController<MultiPageReportDesigner> m_designer;
    ControlStatesView m_view;
    CCellListCtrl m_pages;
    CCellListCtrl m_variables;
    CCellListCtrl m_procedureFields;
    CCellListCtrl m_fieldReps;
    CRichToolTipCtrl m_toolTips;
};
