#pragma once

#include "controls/CellListCtrl.h"
#include "designers/ReportDialogsViewHost.h"
#include "designers/logic/ReportFilterEditor.h"
#include "editors/ControlStatesView.h"
#include "platform/ui/Dialog.h"

// "Filters for :" over a ReportFilterEditor.
class ReportFilterDlg : public CDialog
{
public:
    static constexpr UINT IDD = ReportFilterEditor::IDD;

    ReportFilterDlg(ReportGroup& group, ForgeonProject& project, CWnd* parent = nullptr);

    BOOL OnInitDialog() override;

private:
    void Run(void (ReportFilterEditor::*command)());
    void Show();
    void OnFilterDoubleClick(NMHDR* header, LRESULT* result);

    ReportDialogsViewHost m_host;
    ReportFilterEditor m_editor;
    ControlStatesView m_view;
    CCellListCtrl m_outputs;
    CCellListCtrl m_filters;
};
