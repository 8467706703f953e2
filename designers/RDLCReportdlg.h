#pragma once

#include "controls/CellListCtrl.h"
#include "designers/logic/RDLCDesignerHost.h"
#include "designers/logic/RDLCReportDesigner.h"
#include "editors/ControlStatesView.h"
#include "editors/WvpDialog.h"
#include "platform/ui/FormView.h"

#include <memory>

// The RDLC designer's host: the real modal dialogs over the view, the main frame's tree and
// start page.
class RDLCDesignerViewHost final : public RDLCDesignerHost
{
public:
    explicit RDLCDesignerViewHost(CWnd* parent) : m_parent(parent) {}

    void AssignRDLC(RDLCReport& report) override;
    void EditFormControls(RDLCReport& report) override;
    void EditReferenceFields(RDLCReport& report, Table* table) override;
    void EditLinkControls(RDLCReport& report) override;
    void MapParameters(RDLCReport& report, TableAdapter& adapter) override;
    void AddRDLCReportItem(Module& module, RDLCReport& report) override;
    void UpdateFormItemText(const FormInterface& page) override;
    void ShowStartPage() override;

private:
    CWnd* m_parent;
};

// The RDLC report designer in the right pane: an RDLCReportDesigner on template 261.
class RDLCReportdlg : public CFormView, public WvpDialog
{
    DECLARE_DYNCREATE(RDLCReportdlg)

public:
    RDLCReportdlg();
    ~RDLCReportdlg() override;

    void OnInitialUpdate() override;
    void ClearPage() override;
    void ReloadPage() override;

    // Shows the report; null starts a new one.
    void LoadRDLCReport(RDLCReport* report);
    // The report went away elsewhere: the view lets go of it and starts a new one.
    void ForgetReport(RDLCReport* report);

    // The controller of the open project; null while none is open.
    RDLCReportDesigner* GetDesigner();

private:
    PaneEditor* GetPaneEditor() override { return m_designer.get(); }
    CWnd* GetBoxWindow() override { return this; }
    void ShowPaneEditor() override { Show(); }
    void Run(void (RDLCReportDesigner::*command)());
    void OnAdapterDoubleClick(NMHDR* header, LRESULT* result);
    void Show();

    RDLCDesignerViewHost m_host;
    std::unique_ptr<RDLCReportDesigner> m_designer;
    ForgeonProject* m_project = nullptr;
    ControlStatesView m_view;
    CCellListCtrl m_adapters;
};
