#pragma once

#include "controls/TreeControl.h"
#include "editors/ControlStatesView.h"
#include "merge/SelectiveMerge.h"
#include "platform/ui/Dialog.h"

// "Select items for merging" over a SelectiveMerge: the entities of one kind of the module with
// check boxes, saved into the merge's selection.
class SelectiveMergeDlg : public CDialog
{
public:
    static constexpr UINT IDD = SelectiveMerge::IDD;

    SelectiveMergeDlg(Module* module, MergeDependencyCollector& collector, CWnd* parent = nullptr);

    BOOL OnInitDialog() override;
    SelectiveMerge& Merge() { return m_merge; }
    TreeControl& Tree() { return m_tree; }

protected:
    void DoDataExchange(CDataExchange* pDX) override;

private:
    void OnKind();
    void OnSelect();
    void OnSelectAll(bool checked);
    void OnSave();
    // The tree again from the controller, expanded items kept.
    void ShowTree();
    // The check boxes as the user left them, into the controller.
    void ReadChecks();

    SelectiveMerge m_merge;
    ControlStatesView m_view;
    TreeControl m_tree;
};
