#pragma once

#include "platform/ui/Wnd.h"

// Scroll bar styles.
constexpr DWORD SBS_HORZ = 0x0000;
constexpr DWORD SBS_VERT = 0x0001;

// What the user did (the low word of WM_VSCROLL's and WM_HSCROLL's wParam; the high word holds
// the position for SB_THUMBTRACK; lParam is the scroll bar's window).
constexpr UINT SB_LINEUP = 0;
constexpr UINT SB_LINEDOWN = 1;
constexpr UINT SB_PAGEUP = 2;
constexpr UINT SB_PAGEDOWN = 3;
constexpr UINT SB_THUMBPOSITION = 4;
constexpr UINT SB_THUMBTRACK = 5;
constexpr UINT SB_TOP = 6;
constexpr UINT SB_BOTTOM = 7;
constexpr UINT SB_ENDSCROLL = 8;

constexpr UINT SIF_RANGE = 0x0001;
constexpr UINT SIF_PAGE = 0x0002;
constexpr UINT SIF_POS = 0x0004;
constexpr UINT SIF_ALL = SIF_RANGE | SIF_PAGE | SIF_POS;

struct SCROLLINFO
{
    UINT cbSize;
    UINT fMask;
    int nMin;
    int nMax;
    UINT nPage;
    int nPos;
    int nTrackPos;
};
using LPSCROLLINFO = SCROLLINFO*;

// A scroll bar control. The user's actions reach the parent as WM_VSCROLL (SBS_VERT) or
// WM_HSCROLL; the range runs from nMin to nMax, the page is as many positions as show at once.
class CScrollBar : public CWnd
{
    DECLARE_DYNAMIC(CScrollBar)

public:
    BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id);
    void SetScrollRange(int minPos, int maxPos, BOOL redraw = TRUE);
    void GetScrollRange(int* minPos, int* maxPos) const;
    // The previous position; the position is kept in the range.
    int SetScrollPos(int pos, BOOL redraw = TRUE);
    int GetScrollPos() const;
    BOOL SetScrollInfo(LPSCROLLINFO info, BOOL redraw = TRUE);
    BOOL GetScrollInfo(LPSCROLLINFO info, UINT mask = SIF_ALL) const;
};
