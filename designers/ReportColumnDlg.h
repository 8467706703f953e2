#pragma once

#include "controls/CellListCtrl.h"
#include "designers/ReportDialogsViewHost.h"
#include "designers/logic/ReportColumnEditor.h"
#include "platform/ui/Dialog.h"

// "Columns for :" over a ReportColumnEditor.
class ReportColumnDlg : public CDialog
{
public:
    static constexpr UINT IDD = ReportColumnEditor::IDD;

    ReportColumnDlg(ReportGroup& group, ForgeonProject& project, CWnd* parent = nullptr);

    BOOL OnInitDialog() override;

private:
    void Run(void (ReportColumnEditor::*command)());
    void Show();
    void OnColumnDoubleClick(NMHDR* header, LRESULT* result);

    ReportDialogsViewHost m_host;
    ReportColumnEditor m_editor;
    CCellListCtrl m_outputs;
    CCellListCtrl m_columns;
};
