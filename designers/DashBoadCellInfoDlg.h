#pragma once

#include "controls/CellListCtrl.h"
#include "controls/RichToolTipCtrl.h"
#include "controls/TreeControl.h"
#include "designers/logic/DashBoardCellEditor.h"
#include "editors/ControlStatesView.h"
#include "platform/ui/Dialog.h"

// "Assign DashBoard Column properties" over a DashBoardCellEditor.
class DashBoadCellInfoDlg : public CDialog
{
public:
    static constexpr UINT IDD = DashBoardCellEditor::IDD;

    DashBoadCellInfoDlg(DashBoard& page, GridCell& cell, DashBoardHost& host,
                        CWnd* parent = nullptr);

    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;
    BOOL PreTranslateMessage(MSG* msg) override;
    DashBoardCellEditor& Editor() { return m_editor; }

private:
    void Run(void (DashBoardCellEditor::*command)());
    void Show();
    void ReadSelections();
    void OnDisplaySelected(int row);
    void OnTreeDoubleClick(NMHDR* header, LRESULT* result);
    void OnHelp();

    DashBoardCellEditor m_editor;
    ControlStatesView m_view;
    CCellListCtrl m_targets;
    CCellListCtrl m_sources;
    CCellListCtrl m_displayFields;
    TreeControl m_menuTree;
    CRichToolTipCtrl m_toolTips;
};
