#pragma once

#include "controls/CellListCtrl.h"
#include "designers/ReportDialogsViewHost.h"
#include "designers/logic/ReportFieldSettings.h"
#include "editors/ControlStatesView.h"
#include "platform/ui/Dialog.h"

// "Report field settings:" over a ReportFieldSettings.
class ReportFieldPropDlg : public CDialog
{
public:
    static constexpr UINT IDD = ReportFieldSettings::IDD;

    ReportFieldPropDlg(ForgeonProject& project, ReportGroup& group, ReportField& column,
                       Module* module, CWnd* parent = nullptr);

    BOOL OnInitDialog() override;

private:
    // The typed texts and the radio and check box states, into the controller.
    void ReadControls();
    void Run(void (ReportFieldSettings::*command)());
    void RunChoice(void (ReportFieldSettings::*command)(int), int combo);
    void Show();
    void OnOk();

    ReportDialogsViewHost m_host;
    ReportFieldSettings m_settings;
    ControlStatesView m_view;
    CCellListCtrl m_pageVariables;
    CCellListCtrl m_sources;
};
