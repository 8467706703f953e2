#pragma once

#include "platform/ui/GdiObjects.h"
#include "platform/ui/TreeCtrl.h"

#include <map>
#include <vector>

// A tree whose checked parents uncheck their whole subtree on a click, which can keep its
// expanded items across a rebuild, and which draws items in their own colour and font.
class TreeControl : public CTreeCtrl
{
public:
    struct Color_Font
    {
        // -1: the tree's own colour.
        COLORREF color;
        LOGFONT logfont;
    };

    // The font the item is drawn in; its colour is kept.
    void SetItemFont(HTREEITEM item, const LOGFONT& logfont);
    // The colour the item's text is drawn in (-1: the tree's own); its font is kept.
    void SetItemColor(HTREEITEM item, COLORREF color);
    // False when the item has no colour or font of its own.
    bool GetItemColorFont(HTREEITEM item, Color_Font& colorFont) const;
    // Deleted items take their colour and font with them, so that a later item made at the same
    // place is not drawn in them.
    BOOL DeleteItem(HTREEITEM item);
    BOOL DeleteAllItems();

    // Sets the item (unless it is TVI_ROOT) and its whole subtree to the opposite of state;
    // TVI_ROOT covers the whole tree.
    BOOL PropagateCheck(BOOL state, HTREEITEM item);

    // Remembers the item data of every expanded visible item.
    void SaveExpandedItems();
    // Expands the items whose data was remembered, then forgets them.
    void RestoreExpandedItems();

    // The item under the last left-button press (null: none).
    HTREEITEM GetClickedItem() const { return m_clickedItem; }

protected:
    void OnLButtonDown(UINT flags, CPoint point) override;
    BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;

private:
    void SetCheckRecursive(HTREEITEM item, BOOL check);
    bool IsInSubtree(HTREEITEM item, HTREEITEM top) const;
    // The next item in depth-first order, null after the last.
    HTREEITEM NextInTreeOrder(HTREEITEM item) const;
    void ExpandSaved(HTREEITEM item);
    LRESULT CustomDraw(NMTVCUSTOMDRAW& draw);

    std::map<HTREEITEM, Color_Font> m_itemAttributes;
    std::vector<DWORD_PTR> m_expandedData;
    HTREEITEM m_clickedItem = nullptr;
    // The font of the item being drawn.
    CFont m_drawFont;
};
