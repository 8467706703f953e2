#pragma once

#include "model/Module.h"
#include "platform/core/CString.h"

// An item of the project tree; null is no item.
using TreeHandle = Module::TreeItemHandle;

// The tree control the project tree is built in: the window's tree control, or a tree in memory.
// Items are appended under their parent; a null parent is the top level.
class ProjectTreeControl
{
public:
    virtual ~ProjectTreeControl() = default;

    virtual TreeHandle InsertItem(const CString& text, int image, int data, TreeHandle parent) = 0;
    // Deletes the item with everything under it.
    virtual void DeleteItem(TreeHandle item) = 0;
    virtual void DeleteAllItems() = 0;

    virtual CString GetItemText(TreeHandle item) const = 0;
    virtual void SetItemText(TreeHandle item, const CString& text) = 0;
    virtual int GetItemData(TreeHandle item) const = 0;
    virtual int GetItemImage(TreeHandle item) const = 0;

    virtual TreeHandle GetParentItem(TreeHandle item) const = 0;
    // The first child; of null, the first top-level item.
    virtual TreeHandle GetChildItem(TreeHandle item) const = 0;
    virtual TreeHandle GetNextSiblingItem(TreeHandle item) const = 0;
    // The next item in the order shown, going into the children of expanded items only.
    virtual TreeHandle GetNextVisibleItem(TreeHandle item) const = 0;

    virtual void Expand(TreeHandle item, bool expand) = 0;
    virtual bool IsExpanded(TreeHandle item) const = 0;
    virtual void SetBold(TreeHandle item, bool bold) = 0;
    virtual bool IsBold(TreeHandle item) const = 0;
    virtual TreeHandle GetSelectedItem() const = 0;
    virtual void SelectItem(TreeHandle item) = 0;
    // Shows the changes made.
    virtual void Redraw() = 0;
};
