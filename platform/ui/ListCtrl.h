#pragma once

#include "platform/ui/CustomDraw.h"
#include "platform/ui/GdiObjects.h"
#include "platform/ui/OwnerDraw.h"
#include "platform/ui/Wnd.h"

#include <memory>

class CHeaderCtrl;
class CImageList;

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

// Extended styles: LVS_EX_GRIDLINES draws lines between the columns and the rows.
constexpr DWORD LVS_EX_GRIDLINES = 0x1;
constexpr DWORD LVS_EX_CHECKBOXES = 0x4;
constexpr DWORD LVS_EX_FULLROWSELECT = 0x20;

// Notifications (WM_NOTIFY): LVN_ITEMCHANGING (answer TRUE keeps the selection), LVN_ITEMCHANGED
// and LVN_COLUMNCLICK (iSubItem) with an NMLISTVIEW; NM_CLICK, NM_DBLCLK and NM_RCLICK with an
// NMITEMACTIVATE (iItem -1 off the rows); NM_CUSTOMDRAW with an NMLVCUSTOMDRAW.
constexpr int LVN_ITEMCHANGING = -100;
constexpr int LVN_ITEMCHANGED = -101;
constexpr int LVN_COLUMNCLICK = -108;

struct NMLVCUSTOMDRAW
{
    NMCUSTOMDRAW nmcd;
    COLORREF clrText;
    COLORREF clrTextBk;
    int iSubItem;
};

struct NMITEMACTIVATE
{
    NMHDR hdr;
    int iItem;
    int iSubItem;
    UINT uNewState;
    UINT uOldState;
    UINT uChanged;
    POINT ptAction;
    LPARAM lParam;
    UINT uKeyFlags;
};

// Rectangles of an item.
constexpr int LVIR_BOUNDS = 0;
constexpr int LVIR_ICON = 1;
constexpr int LVIR_LABEL = 2;

// Hit tests.
constexpr UINT LVHT_NOWHERE = 0x0001;
constexpr UINT LVHT_ONITEMICON = 0x0002;
constexpr UINT LVHT_ONITEMLABEL = 0x0004;
constexpr UINT LVHT_ONITEM = 0x000E;

struct LVHITTESTINFO
{
    POINT pt;
    UINT flags;
    int iItem;
    int iSubItem;
};

// Image lists.
// SetColumnWidth: as wide as the widest cell, or as the widest cell and the heading.
constexpr int LVSCW_AUTOSIZE = -1;
constexpr int LVSCW_AUTOSIZE_USEHEADER = -2;
constexpr int LVSIL_NORMAL = 0;
constexpr int LVSIL_SMALL = 1;

// Window styles of Create.
constexpr DWORD LVS_REPORT = 0x0001;
constexpr DWORD LVS_SINGLESEL = 0x0004;
constexpr DWORD LVS_SHOWSELALWAYS = 0x0008;

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
    CListCtrl();
    ~CListCtrl() override;

    // Makes a list in report view as a child of parent.
    BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id);
    CHeaderCtrl* GetHeaderCtrl();

    // The index of the new column; -1 when column is beyond the last.
    int InsertColumn(int column, LPCTSTR heading, int format = LVCFMT_LEFT, int width = -1);
    BOOL DeleteColumn(int column);
    int GetColumnCount() const;
    BOOL SetColumnWidth(int column, int width);
    int GetColumnWidth(int column) const;

    int GetItemCount() const;
    // Inserts a row before item (appends past the end); returns its index, -1 on failure. The
    // image is an index into the small image list.
    int InsertItem(int item, LPCTSTR text);
    int InsertItem(int item, LPCTSTR text, int image);
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

    // Rectangles in client coordinates (the header's height included): LVIR_BOUNDS is the whole
    // row, LVIR_LABEL (and LVIR_ICON) its first column. GetSubItemRect gives the cell of a column
    // above 0; for column 0, as the item rectangle.
    BOOL GetItemRect(int item, LPRECT rect, UINT code) const;
    BOOL GetSubItemRect(int item, int subItem, int code, CRect& rect) const;
    // The row at the client point, -1 when none is (flags: LVHT_ONITEMLABEL or LVHT_NOWHERE).
    int HitTest(CPoint point, UINT* flags = nullptr) const;
    // Fills iItem and iSubItem (-1 when off the rows) and flags; returns iItem.
    int SubItemHitTest(LVHITTESTINFO* info) const;
    int GetTopIndex() const;
    BOOL RedrawItems(int first, int last);

    // The list stays the caller's; LVSIL_SMALL gives the row images.
    CImageList* SetImageList(CImageList* images, int kind);
    CImageList* GetImageList(int kind) const;

    DWORD SetExtendedStyle(DWORD style);
    DWORD GetExtendedStyle() const;
    // The row's check box (LVS_EX_CHECKBOXES).
    BOOL GetCheck(int item) const;
    BOOL SetCheck(int item, BOOL check = TRUE);

private:
    std::unique_ptr<CHeaderCtrl> m_header;
};
