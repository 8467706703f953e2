#pragma once

#include "controls/CellListCtrl.h"
#include "controls/TreeControl.h"
#include "editors/ControlStatesView.h"
#include "editors/logic/RelationEditor.h"
#include "platform/ui/Dialog.h"

// "Relation Dialog" over a RelationEditor on the procedure.
class RelationDlg : public CDialog
{
public:
    static constexpr UINT IDD = RelationEditor::IDD;

    explicit RelationDlg(Procedure& procedure, CWnd* parent = nullptr);

    BOOL OnInitDialog() override;
    BOOL PreTranslateMessage(MSG* msg) override;
    RelationEditor& Editor() { return m_editor; }
    TreeControl& LeftTree() { return m_leftTree; }
    TreeControl& RightTree() { return m_rightTree; }

private:
    void Show();
    static void ShowSide(TreeControl& tree, const RelationEditor::Side& side);
    void OnLeftTable();
    void OnRightTable();
    void OnAdd();
    void OnListSelected(int row);
    void OnTreeCheck(NMHDR* header, LRESULT* result);
    void OnHelp();

    RelationEditor m_editor;
    ControlStatesView m_view;
    CCellListCtrl m_list;
    TreeControl m_leftTree;
    TreeControl m_rightTree;
};
