#pragma once

#include "controls/RichToolTipCtrl.h"
#include "controls/TreeControl.h"
#include "editors/ControlStatesView.h"
#include "merge/MergeEntitySelector.h"
#include "merge/MergeSelection.h"
#include "platform/ui/Dialog.h"

// "Merge Entity" over a MergeEntitySelector: the module of the second project to merge, whole
// or selected entity by entity.
class MergeEntityDlg : public CDialog, private MergeEntityHost
{
public:
    static constexpr UINT IDD = MergeEntitySelector::IDD;

    MergeEntityDlg(ForgeonProject* first, ForgeonProject* second,
                   MergeDependencyCollector& collector, CWnd* parent = nullptr);

    BOOL OnInitDialog() override;
    void OnOK() override;
    MergeEntitySelector& Selector() { return m_selector; }

    static const std::vector<ToolTip>& GetToolTips();

private:
    void OnSelect();
    void Run(void (MergeEntitySelector::*command)());
    void Show();
    void ShowTree();
    // The tree's check marks into the selector.
    void ReadChecks();
    // A combo's selection handed to the selector.
    void OnCombo(int id, void (MergeEntitySelector::*choose)(int));
    void OpenSelectiveMerge(Module* module, MergeDependencyCollector& collector) override;
    void OpenDependencyReview(MergeDependencyCollector& collector) override;

    MergeEntitySelector m_selector;
    ControlStatesView m_view;
    TreeControl m_tree;
    // The tree items shown, in the order of the selector's tree.
    std::vector<HTREEITEM> m_shownItems;
    CRichToolTipCtrl m_toolTips;
};

// The merge's choice through the merge entity dialog.
class MergeEntityDlgSelection : public MergeSelection
{
public:
    explicit MergeEntityDlgSelection(CWnd* parent) : m_parent(parent) {}

    std::optional<MergeChoice> Choose(ForgeonProject* first, ForgeonProject* second,
                                      MergeDependencyCollector& collector) override;
    // The dialog was closed with OK.
    bool WasChosen() const { return m_chosen; }

private:
    CWnd* m_parent;
    bool m_chosen = false;
};
