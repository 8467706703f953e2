#pragma once

#include "controls/CellListCtrl.h"
#include "designers/ReportDialogsViewHost.h"
#include "designers/logic/ReportFieldControlEditor.h"
#include "editors/ControlStatesView.h"
#include "platform/ui/Dialog.h"

// "Report Field Control Property Dlg" over a ReportFieldControlEditor.
class ReportFieldCtrlPropDlg : public CDialog
{
public:
    static constexpr UINT IDD = ReportFieldControlEditor::IDD;

    ReportFieldCtrlPropDlg(ForgeonProject& project, ReportGroup& group, ReportField& column,
                           CWnd* parent = nullptr);

    BOOL OnInitDialog() override;

protected:
    void OnOK() override;
    void OnCancel() override;

private:
    void Run(void (ReportFieldControlEditor::*command)());
    void OnSourceKind();
    void Show();

    ReportDialogsViewHost m_host;
    ReportFieldControlEditor m_editor;
    ControlStatesView m_view;
    CCellListCtrl m_parameters;
    CCellListCtrl m_sources;
};
