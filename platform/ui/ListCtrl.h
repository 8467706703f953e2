#pragma once

#include "platform/ui/Wnd.h"

// Column alignment.
constexpr int LVCFMT_LEFT = 0;
constexpr int LVCFMT_RIGHT = 1;
constexpr int LVCFMT_CENTER = 2;

// Item states.
constexpr UINT LVIS_FOCUSED = 0x1;
constexpr UINT LVIS_SELECTED = 0x2;

// What an LVN_ITEMCHANGED reports.
constexpr UINT LVIF_STATE = 0x8;

// GetNextItem flags.
constexpr UINT LVNI_ALL = 0x0;
constexpr UINT LVNI_SELECTED = 0x2;

// Extended styles.
constexpr DWORD LVS_EX_GRIDLINES = 0x1;
constexpr DWORD LVS_EX_CHECKBOXES = 0x4;
constexpr DWORD LVS_EX_FULLROWSELECT = 0x20;

// Notifications (WM_NOTIFY, with an NMLISTVIEW).
constexpr int LVN_ITEMCHANGED = -101;

struct NMLISTVIEW
{
    NMHDR hdr;
    int iItem;
    int iSubItem;
    UINT uNewState;
    UINT uOldState;
    UINT uChanged;
    LPARAM lParam;
};

// A list in report view: rows of texts under column headings; every row may carry a number.
// Selecting a row tells the owner LVN_ITEMCHANGED; clicks tell NM_CLICK and NM_DBLCLK.
class CListCtrl : public CWnd
{
    DECLARE_DYNAMIC(CListCtrl)

public:
    // The index of the new column; -1 when column is beyond the last.
    int InsertColumn(int column, LPCTSTR heading, int format = LVCFMT_LEFT, int width = -1);
    BOOL DeleteColumn(int column);
    int GetColumnCount() const;
    BOOL SetColumnWidth(int column, int width);
    int GetColumnWidth(int column) const;

    int GetItemCount() const;
    // Inserts a row before item (appends past the end); returns its index, -1 on failure.
    int InsertItem(int item, LPCTSTR text);
    BOOL DeleteItem(int item);
    BOOL DeleteAllItems();
    BOOL SetItemText(int item, int subItem, LPCTSTR text);
    CString GetItemText(int item, int subItem) const;
    BOOL SetItemData(int item, DWORD_PTR data);
    DWORD_PTR GetItemData(int item) const;

    // LVIS_SELECTED and LVIS_FOCUSED of the states in mask.
    BOOL SetItemState(int item, UINT state, UINT mask);
    UINT GetItemState(int item, UINT mask) const;
    // The first row after start (-1: from the first) that has the flags; -1 when none has.
    int GetNextItem(int start, UINT flags) const;
    UINT GetSelectedCount() const;
    BOOL EnsureVisible(int item, BOOL partialOK);

    DWORD SetExtendedStyle(DWORD style);
    DWORD GetExtendedStyle() const;
    // The row's check box (LVS_EX_CHECKBOXES).
    BOOL GetCheck(int item) const;
    BOOL SetCheck(int item, BOOL check = TRUE);
};
