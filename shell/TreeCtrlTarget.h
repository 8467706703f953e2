#pragma once

#include "platform/ui/TreeCtrl.h"
#include "shell/logic/ProjectTreeControl.h"

// The project tree built in the window's tree control.
class TreeCtrlTarget : public ProjectTreeControl
{
public:
    explicit TreeCtrlTarget(CTreeCtrl& tree) : m_tree(tree) {}

    static HTREEITEM ToItem(TreeHandle handle) { return static_cast<HTREEITEM>(handle); }

    TreeHandle InsertItem(const CString& text, int image, int data, TreeHandle parent) override;
    void DeleteItem(TreeHandle item) override { m_tree.DeleteItem(ToItem(item)); }
    void DeleteAllItems() override { m_tree.DeleteAllItems(); }
    CString GetItemText(TreeHandle item) const override { return m_tree.GetItemText(ToItem(item)); }
    void SetItemText(TreeHandle item, const CString& text) override
    {
        m_tree.SetItemText(ToItem(item), text);
    }
    int GetItemData(TreeHandle item) const override
    {
        return static_cast<int>(m_tree.GetItemData(ToItem(item)));
    }
    int GetItemImage(TreeHandle item) const override;
    TreeHandle GetParentItem(TreeHandle item) const override
    {
        return m_tree.GetParentItem(ToItem(item));
    }
    TreeHandle GetChildItem(TreeHandle item) const override;
    TreeHandle GetNextSiblingItem(TreeHandle item) const override
    {
        return m_tree.GetNextSiblingItem(ToItem(item));
    }
    TreeHandle GetNextVisibleItem(TreeHandle item) const override
    {
        return m_tree.GetNextVisibleItem(ToItem(item));
    }
    void Expand(TreeHandle item, bool expand) override
    {
        m_tree.Expand(ToItem(item), expand ? TVE_EXPAND : TVE_COLLAPSE);
    }
    bool IsExpanded(TreeHandle item) const override { return m_tree.IsExpanded(ToItem(item)); }
    void SetBold(TreeHandle item, bool bold) override
    {
        m_tree.SetItemState(ToItem(item), bold ? TVIS_BOLD : 0, TVIS_BOLD);
    }
    bool IsBold(TreeHandle item) const override
    {
        return m_tree.GetItemState(ToItem(item), TVIS_BOLD) != 0;
    }
    TreeHandle GetSelectedItem() const override { return m_tree.GetSelectedItem(); }
    void SelectItem(TreeHandle item) override { m_tree.SelectItem(ToItem(item)); }
    void Redraw() override { m_tree.Invalidate(); }

private:
    CTreeCtrl& m_tree;
};
