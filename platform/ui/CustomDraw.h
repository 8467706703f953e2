#pragma once

#include "platform/ui/GdiObjects.h"
#include "platform/ui/OwnerDraw.h"
#include "platform/ui/Wnd.h"

// Custom draw of list and tree controls (NM_CUSTOMDRAW).
constexpr int NM_CUSTOMDRAW = -12;

// Custom draw: the stages, and the answers. At CDDS_PREPAINT, CDRF_NOTIFYITEMDRAW asks for a
// CDDS_ITEMPREPAINT per row; there CDRF_NOTIFYSUBITEMDRAW asks for one per cell (iSubItem), and
// CDRF_SKIPDEFAULT leaves the row (or cell) to the handler; text and background colours written
// into the notification are used by the default drawing, and with CDRF_NEWFONT the font selected
// into the DC.
constexpr DWORD CDDS_PREPAINT = 0x00000001;
constexpr DWORD CDDS_ITEM = 0x00010000;
constexpr DWORD CDDS_ITEMPREPAINT = CDDS_ITEM | CDDS_PREPAINT;
constexpr DWORD CDDS_SUBITEM = 0x00020000;
constexpr LRESULT CDRF_DODEFAULT = 0x00;
constexpr LRESULT CDRF_NEWFONT = 0x02;
constexpr LRESULT CDRF_SKIPDEFAULT = 0x04;
constexpr LRESULT CDRF_NOTIFYITEMDRAW = 0x20;
constexpr LRESULT CDRF_NOTIFYSUBITEMDRAW = 0x20;
constexpr UINT CDIS_SELECTED = 0x0001;
constexpr UINT CDIS_FOCUS = 0x0010;

struct NMCUSTOMDRAW
{
    NMHDR hdr;
    DWORD dwDrawStage;
    HDC hdc;
    RECT rc;
    DWORD_PTR dwItemSpec;
    UINT uItemState;
    LPARAM lItemlParam;
};
