#pragma once

#include "platform/ui/Wnd.h"

// Notifications (WM_NOTIFY, NMHDR): the user chose another tab.
constexpr int TCN_SELCHANGE = -551;

// A row of tabs along the top of the control; the rest of the control is where its owner puts
// the page of the tab (pages may be children of the control). A click on a tab selects it (the
// default handling of WM_LBUTTONDOWN) and tells the owner TCN_SELCHANGE; SetCurSel tells no one.
class CTabCtrl : public CWnd
{
    DECLARE_DYNAMIC(CTabCtrl)

public:
    BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id);

    // The index of the new tab, -1 on failure.
    LONG InsertItem(int item, LPCTSTR text);
    BOOL DeleteItem(int item);
    BOOL DeleteAllItems();
    int GetItemCount() const;
    // -1 when there is no tab.
    int GetCurSel() const;
    // The previous selection, -1 for a bad index.
    int SetCurSel(int item);
    int GetCurFocus() const;
    void SetCurFocus(int item);
    // The tab's rectangle in client coordinates.
    BOOL GetItemRect(int item, LPRECT rect) const;
    // larger FALSE: the page area of a control of that rectangle; TRUE: the reverse.
    void AdjustRect(BOOL larger, LPRECT rect) const;
};
