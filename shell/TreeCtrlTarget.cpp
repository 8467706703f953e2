#include "shell/TreeCtrlTarget.h"

#include <cstdint>

TreeHandle TreeCtrlTarget::InsertItem(const CString& text, int image, int data, TreeHandle parent)
{
    const HTREEITEM item =
        m_tree.InsertItem(text, image, image, parent != nullptr ? ToItem(parent) : TVI_ROOT);
    m_tree.SetItemData(item, static_cast<DWORD_PTR>(static_cast<std::intptr_t>(data)));
    return item;
}

int TreeCtrlTarget::GetItemImage(TreeHandle item) const
{
    int image = -1;
    int selected = -1;
    m_tree.GetItemImage(ToItem(item), image, selected);
    return image;
}

TreeHandle TreeCtrlTarget::GetChildItem(TreeHandle item) const
{
    return item != nullptr ? m_tree.GetChildItem(ToItem(item)) : m_tree.GetRootItem();
}
