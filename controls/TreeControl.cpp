#include "controls/TreeControl.h"

#include "platform/ui/DC.h"

#include <algorithm>

namespace
{
const LOGFONT kNoFont{};
} // namespace

void TreeControl::SetItemFont(HTREEITEM item, const LOGFONT& logfont)
{
    const auto found = m_itemAttributes.find(item);
    const COLORREF color = found != m_itemAttributes.end() ? found->second.color : CLR_NONE;
    m_itemAttributes[item] = Color_Font{color, logfont};
}

void TreeControl::SetItemColor(HTREEITEM item, COLORREF color)
{
    const auto found = m_itemAttributes.find(item);
    const LOGFONT logfont = found != m_itemAttributes.end() ? found->second.logfont : kNoFont;
    m_itemAttributes[item] = Color_Font{color, logfont};
}

bool TreeControl::GetItemColorFont(HTREEITEM item, Color_Font& colorFont) const
{
    const auto found = m_itemAttributes.find(item);
    if (found == m_itemAttributes.end())
        return false;
    colorFont = found->second;
    return true;
}

BOOL TreeControl::DeleteItem(HTREEITEM item)
{
    std::erase_if(m_itemAttributes, [this, item](const auto& entry)
                  { return entry.first == item || IsInSubtree(entry.first, item); });
    return CTreeCtrl::DeleteItem(item);
}

BOOL TreeControl::DeleteAllItems()
{
    m_itemAttributes.clear();
    return CTreeCtrl::DeleteAllItems();
}

BOOL TreeControl::PropagateCheck(BOOL state, HTREEITEM item)
{
    SetCheckRecursive(item, state ? FALSE : TRUE);
    return TRUE;
}

bool TreeControl::IsInSubtree(HTREEITEM item, HTREEITEM top) const
{
    for (HTREEITEM parent = GetParentItem(item); parent != nullptr; parent = GetParentItem(parent))
    {
        if (parent == top)
            return true;
    }
    return false;
}

HTREEITEM TreeControl::NextInTreeOrder(HTREEITEM item) const
{
    if (HTREEITEM child = GetChildItem(item))
        return child;
    for (; item != nullptr; item = GetParentItem(item))
    {
        if (HTREEITEM sibling = GetNextSiblingItem(item))
            return sibling;
    }
    return nullptr;
}

// Walks the subtree in the order the items show when everything is expanded, and expands each
// item it passes, as the user sees the subtree when the click changed it.
void TreeControl::SetCheckRecursive(HTREEITEM item, BOOL check)
{
    const bool wholeTree = item == TVI_ROOT;
    if (!wholeTree)
        SetCheck(item, check);
    const HTREEITEM top = wholeTree ? nullptr : item;
    for (HTREEITEM next = wholeTree ? GetRootItem() : GetChildItem(item);
         next != nullptr && (wholeTree || IsInSubtree(next, item)); next = NextInTreeOrder(next))
    {
        const HTREEITEM parent = GetParentItem(next);
        SetCheck(next, parent == top ? check : GetCheck(parent));
        if (ItemHasChildren(next))
            Expand(next, TVE_EXPAND);
    }
}

void TreeControl::SaveExpandedItems()
{
    m_expandedData.clear();
    for (HTREEITEM item = GetFirstVisibleItem(); item != nullptr; item = GetNextVisibleItem(item))
    {
        if (IsExpanded(item))
            m_expandedData.push_back(GetItemData(item));
    }
}

void TreeControl::ExpandSaved(HTREEITEM item)
{
    for (HTREEITEM child = GetChildItem(item); child != nullptr; child = GetNextSiblingItem(child))
    {
        if (std::find(m_expandedData.begin(), m_expandedData.end(), GetItemData(child)) !=
            m_expandedData.end())
        {
            Expand(child, TVE_EXPAND);
        }
        ExpandSaved(child);
    }
}

void TreeControl::RestoreExpandedItems()
{
    Expand(GetRootItem(), TVE_EXPAND);
    for (HTREEITEM item = GetFirstVisibleItem(); item != nullptr; item = GetNextVisibleItem(item))
    {
        if (GetParentItem(item) != nullptr)
            continue;
        if (std::find(m_expandedData.begin(), m_expandedData.end(), GetItemData(item)) !=
            m_expandedData.end())
        {
            Expand(item, TVE_EXPAND);
        }
        ExpandSaved(item);
    }
    m_expandedData.clear();
}

void TreeControl::OnLButtonDown(UINT flags, CPoint point)
{
    m_clickedItem = HitTest(point);
    if (m_clickedItem == nullptr || m_clickedItem == GetRootItem())
        return;
    if (GetCheck(m_clickedItem) && ItemHasChildren(m_clickedItem))
    {
        PropagateCheck(TRUE, m_clickedItem);
        return;
    }
    CTreeCtrl::OnLButtonDown(flags, point);
}

BOOL TreeControl::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    const auto* header = reinterpret_cast<const NMHDR*>(lParam);
    if (message != WM_NOTIFY || header == nullptr)
        return CTreeCtrl::OnChildNotify(message, wParam, lParam, result);
    if (header->code == TVN_BEGINDRAG)
    {
        *result = 0;
        return TRUE;
    }
    if (header->code == NM_CUSTOMDRAW && !m_itemAttributes.empty())
    {
        *result = CustomDraw(*reinterpret_cast<NMTVCUSTOMDRAW*>(lParam));
        return TRUE;
    }
    return CTreeCtrl::OnChildNotify(message, wParam, lParam, result);
}

LRESULT TreeControl::CustomDraw(NMTVCUSTOMDRAW& draw)
{
    if (draw.nmcd.dwDrawStage == CDDS_PREPAINT)
        return CDRF_NOTIFYITEMDRAW;
    if (draw.nmcd.dwDrawStage != CDDS_ITEMPREPAINT)
        return CDRF_DODEFAULT;
    Color_Font look;
    if (!GetItemColorFont(reinterpret_cast<HTREEITEM>(draw.nmcd.dwItemSpec), look))
        return CDRF_DODEFAULT;
    if (look.color != CLR_NONE)
        draw.clrText = look.color;
    if (look.logfont.lfFaceName[0] == '\0' && look.logfont.lfHeight == 0)
        return CDRF_DODEFAULT;
    m_drawFont.DeleteObject();
    m_drawFont.CreateFontIndirect(&look.logfont);
    draw.nmcd.hdc->SelectObject(&m_drawFont);
    return CDRF_NEWFONT;
}
