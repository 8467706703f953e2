#pragma once

#include "platform/ui/CustomDraw.h"
#include "platform/ui/Wnd.h"

#include <memory>

class CEdit;
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

// Window styles: TVS_CHECKBOXES gives every item a check box.
constexpr DWORD TVS_CHECKBOXES = 0x0100;

// Notifications (WM_NOTIFY): TVN_SELCHANGED, TVN_ITEMEXPANDING (answer TRUE undoes the
// expansion), TVN_ITEMEXPANDED and TVN_BEGINDRAG (ptDrag) with an NMTREEVIEW; the label edit's
// TVN_BEGINLABELEDIT (answer TRUE: no edit) and TVN_ENDLABELEDIT (pszText null when cancelled;
// answer TRUE takes the text) with an NMTVDISPINFO; TVN_KEYDOWN with an NMTVKEYDOWN. Expand and
// SelectItem called by the program tell nothing of expansion. A click (or Space) that turns an
// item's check box tells TVN_ITEMCHANGED with an NMTVITEMCHANGE (the state image in the states).
// NM_CUSTOMDRAW with an NMTVCUSTOMDRAW: at CDDS_ITEMPREPAINT (asked for by CDRF_NOTIFYITEMDRAW),
// the text colour set and, answering CDRF_NEWFONT, the font selected into the DC draw the item.
constexpr int TVN_SELCHANGED = -402;
constexpr int TVN_ITEMEXPANDING = -405;
constexpr int TVN_ITEMEXPANDED = -406;
constexpr int TVN_BEGINDRAG = -407;
constexpr int TVN_BEGINLABELEDIT = -410;
constexpr int TVN_ENDLABELEDIT = -411;
constexpr int TVN_KEYDOWN = -412;
constexpr int TVN_ITEMCHANGED = -419;

struct TVITEM
{
    HTREEITEM hItem;
    LPARAM lParam;
    LPTSTR pszText;
};

struct NMTREEVIEW
{
    NMHDR hdr;
    UINT action;
    TVITEM itemOld;
    TVITEM itemNew;
    POINT ptDrag;
};

struct NMTVDISPINFO
{
    NMHDR hdr;
    TVITEM item;
};

struct NMTVITEMCHANGE
{
    NMHDR hdr;
    UINT uChanged;
    HTREEITEM hItem;
    UINT uStateNew;
    UINT uStateOld;
    LPARAM lParam;
};

struct NMTVCUSTOMDRAW
{
    NMCUSTOMDRAW nmcd;
    COLORREF clrText;
    COLORREF clrTextBk;
    int iLevel;
};

constexpr UINT TVIF_STATE = 0x0008;

struct NMTVKEYDOWN
{
    NMHDR hdr;
    WORD wVKey;
    UINT flags;
};

// Item states.
constexpr UINT TVIS_SELECTED = 0x0002;
constexpr UINT TVIS_DROPHILITED = 0x0008;
constexpr UINT TVIS_BOLD = 0x0010;
constexpr UINT TVIS_EXPANDED = 0x0020;
// The state image: 1 an unchecked box, 2 a checked one.
constexpr UINT TVIS_STATEIMAGEMASK = 0xF000;
constexpr UINT INDEXTOSTATEIMAGEMASK(UINT index)
{
    return index << 12;
}

// GetNextItem: the relation followed. The visible items are those whose parents are all
// expanded, in the order shown; the first visible one is the one at the top of the window.
constexpr UINT TVGN_ROOT = 0x0000;
constexpr UINT TVGN_NEXT = 0x0001;
constexpr UINT TVGN_PREVIOUS = 0x0002;
constexpr UINT TVGN_PARENT = 0x0003;
constexpr UINT TVGN_CHILD = 0x0004;
constexpr UINT TVGN_FIRSTVISIBLE = 0x0005;
constexpr UINT TVGN_NEXTVISIBLE = 0x0006;
constexpr UINT TVGN_PREVIOUSVISIBLE = 0x0007;
constexpr UINT TVGN_DROPHILITE = 0x0008;
constexpr UINT TVGN_CARET = 0x0009;
constexpr UINT TVGN_LASTVISIBLE = 0x000A;

// Hit tests.
constexpr UINT TVHT_NOWHERE = 0x0001;
constexpr UINT TVHT_ONITEMICON = 0x0002;
constexpr UINT TVHT_ONITEMLABEL = 0x0004;
constexpr UINT TVHT_ONITEMINDENT = 0x0008;
constexpr UINT TVHT_ONITEMRIGHT = 0x0020;
constexpr UINT TVHT_ONITEMSTATEICON = 0x0040;
constexpr UINT TVHT_ONITEM = 0x0046;

// A tree of texts with images; every item may carry a number. Selecting an item tells the owner
// TVN_SELCHANGED; clicks tell NM_CLICK, NM_DBLCLK and NM_RCLICK.
class CTreeCtrl : public CWnd
{
    DECLARE_DYNAMIC(CTreeCtrl)

public:
    CTreeCtrl();
    ~CTreeCtrl() override;

    // Makes a tree control as a child of parent's widget with that id.
    BOOL Create(CWnd* parent, int id);
    BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id);

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

    HTREEITEM GetNextItem(HTREEITEM item, UINT code) const;
    HTREEITEM GetFirstVisibleItem() const;
    HTREEITEM GetNextVisibleItem(HTREEITEM item) const;
    HTREEITEM GetPrevVisibleItem(HTREEITEM item) const;
    HTREEITEM GetDropHilightItem() const;
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

    // TVIS_SELECTED, TVIS_EXPANDED, TVIS_BOLD, TVIS_DROPHILITED and the state image
    // (TVIS_STATEIMAGEMASK: the check box) of the states in mask.
    UINT GetItemState(HTREEITEM item, UINT mask) const;
    BOOL SetItemState(HTREEITEM item, UINT state, UINT mask);
    // Marks the item as the drop target (null clears the mark).
    BOOL SelectDropTarget(HTREEITEM item);
    // The item's check box; with TVS_CHECKBOXES every item shows one.
    BOOL GetCheck(HTREEITEM item) const;
    BOOL SetCheck(HTREEITEM item, BOOL check = TRUE);
    // In client coordinates: the whole row, or with textOnly the label.
    BOOL GetItemRect(HTREEITEM item, LPRECT rect, BOOL textOnly) const;
    // The item at the client point (flags: TVHT_...); null when there is none.
    HTREEITEM HitTest(CPoint point, UINT* flags = nullptr) const;

    // Opens the label edit of the item (after TVN_BEGINLABELEDIT); the edit control, or null.
    CEdit* EditLabel(HTREEITEM item);
    // The open label edit, null when none is open.
    CEdit* GetEditControl();
    // A new list holding a picture of the item, which the caller deletes.
    CImageList* CreateDragImage(HTREEITEM item);
    // Sorts the children of item (TVI_ROOT: the top level) by text.
    BOOL SortChildren(HTREEITEM item);

private:
    std::unique_ptr<CEdit> m_edit;
    // The list that SetImageList gave, kept here too so that an insert does not look it up.
    CImageList* m_images = nullptr;
};
