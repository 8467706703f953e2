#pragma once

#include "platform/ui/Wnd.h"

class CImageList;
struct TreeItem;

// An item of a tree control; null is no item.
using HTREEITEM = TreeItem*;

// Insertion places that are not items.
inline const HTREEITEM TVI_ROOT = reinterpret_cast<HTREEITEM>(static_cast<std::intptr_t>(-0x10000));
inline const HTREEITEM TVI_FIRST = reinterpret_cast<HTREEITEM>(static_cast<std::intptr_t>(-0xFFFF));
inline const HTREEITEM TVI_LAST = reinterpret_cast<HTREEITEM>(static_cast<std::intptr_t>(-0xFFFE));

// Expand actions.
constexpr UINT TVE_COLLAPSE = 0x1;
constexpr UINT TVE_EXPAND = 0x2;
constexpr UINT TVE_TOGGLE = 0x3;

constexpr int TVSIL_NORMAL = 0;

// Notifications (WM_NOTIFY, with an NMTREEVIEW).
constexpr int TVN_SELCHANGED = -402;

struct TVITEM
{
    HTREEITEM hItem;
    LPARAM lParam;
};

struct NMTREEVIEW
{
    NMHDR hdr;
    UINT action;
    TVITEM itemOld;
    TVITEM itemNew;
};

// A tree of texts with images; every item may carry a number. Selecting an item tells the owner
// TVN_SELCHANGED; clicks tell NM_CLICK, NM_DBLCLK and NM_RCLICK.
class CTreeCtrl : public CWnd
{
    DECLARE_DYNAMIC(CTreeCtrl)

public:
    // Makes a tree control as a child of parent's widget with that id.
    BOOL Create(CWnd* parent, int id);

    // Inserts under parent (TVI_ROOT: at the top level) after the item given (TVI_FIRST,
    // TVI_LAST). Null when parent or after is not an item of this tree.
    HTREEITEM InsertItem(LPCTSTR text, HTREEITEM parent = TVI_ROOT, HTREEITEM after = TVI_LAST);
    HTREEITEM InsertItem(LPCTSTR text, int image, int selectedImage, HTREEITEM parent = TVI_ROOT,
                         HTREEITEM after = TVI_LAST);
    // Deletes the item and everything under it.
    BOOL DeleteItem(HTREEITEM item);
    BOOL DeleteAllItems();
    UINT GetCount() const;

    CString GetItemText(HTREEITEM item) const;
    BOOL SetItemText(HTREEITEM item, LPCTSTR text);
    DWORD_PTR GetItemData(HTREEITEM item) const;
    BOOL SetItemData(HTREEITEM item, DWORD_PTR data);
    BOOL SetItemImage(HTREEITEM item, int image, int selectedImage);
    BOOL GetItemImage(HTREEITEM item, int& image, int& selectedImage) const;
    // The list stays the caller's and must outlive the tree; items show its images from now on.
    CImageList* SetImageList(CImageList* images, int kind = TVSIL_NORMAL);

    HTREEITEM GetRootItem() const;
    HTREEITEM GetChildItem(HTREEITEM item) const;
    HTREEITEM GetNextSiblingItem(HTREEITEM item) const;
    HTREEITEM GetPrevSiblingItem(HTREEITEM item) const;
    HTREEITEM GetParentItem(HTREEITEM item) const;
    BOOL ItemHasChildren(HTREEITEM item) const;

    HTREEITEM GetSelectedItem() const;
    BOOL SelectItem(HTREEITEM item);
    BOOL Expand(HTREEITEM item, UINT action);
    BOOL IsExpanded(HTREEITEM item) const;
    BOOL EnsureVisible(HTREEITEM item);
    // Sorts the children of item (TVI_ROOT: the top level) by text.
    BOOL SortChildren(HTREEITEM item);
};
