#pragma once

#include "platform/core/Types.h"
#include "platform/ui/GdiObjects.h"

// System colours. The table starts with the classic scheme (below) on every host, so drawing is
// the same everywhere; SetSysColors changes it and tells every window (WM_SYSCOLORCHANGE).
constexpr int COLOR_MENU = 4;
constexpr int COLOR_WINDOW = 5;
constexpr int COLOR_WINDOWFRAME = 6;
constexpr int COLOR_MENUTEXT = 7;
constexpr int COLOR_WINDOWTEXT = 8;
constexpr int COLOR_HIGHLIGHT = 13;
constexpr int COLOR_HIGHLIGHTTEXT = 14;
constexpr int COLOR_BTNFACE = 15;
constexpr int COLOR_3DFACE = COLOR_BTNFACE;
constexpr int COLOR_BTNSHADOW = 16;
constexpr int COLOR_3DSHADOW = COLOR_BTNSHADOW;
constexpr int COLOR_GRAYTEXT = 17;
constexpr int COLOR_BTNTEXT = 18;
constexpr int COLOR_BTNHIGHLIGHT = 20;
constexpr int COLOR_3DHIGHLIGHT = COLOR_BTNHIGHLIGHT;
constexpr int COLOR_3DHILIGHT = COLOR_BTNHIGHLIGHT;
constexpr int COLOR_3DDKSHADOW = 21;
constexpr int COLOR_3DLIGHT = 22;
constexpr int COLOR_INFOTEXT = 23;
constexpr int COLOR_INFOBK = 24;

COLORREF GetSysColor(int index);
BOOL SetSysColors(int count, const int* indexes, const COLORREF* colours);
// Puts the classic scheme back (and tells every window).
void RestoreSysColors();

// System metrics, a table as the colours are; SetSystemMetric changes one.
constexpr int SM_CXSCREEN = 0;
constexpr int SM_CYSCREEN = 1;
constexpr int SM_CXVSCROLL = 2;
constexpr int SM_CYHSCROLL = 3;
constexpr int SM_CYCAPTION = 4;
constexpr int SM_CXBORDER = 5;
constexpr int SM_CYBORDER = 6;
constexpr int SM_CXICON = 11;
constexpr int SM_CYICON = 12;
constexpr int SM_CYMENU = 15;
constexpr int SM_CXEDGE = 45;
constexpr int SM_CYEDGE = 46;
constexpr int SM_CXSMICON = 49;
constexpr int SM_CYSMICON = 50;
constexpr int SM_CXDRAG = 68;
constexpr int SM_CXMENUCHECK = 71;
constexpr int SM_CYDRAG = 69;

int GetSystemMetrics(int index);
void SetSystemMetric(int index, int value);

// The fonts of the window frame: the menu font and the status-bar font (tool tips use it).
struct NONCLIENTMETRICS
{
    UINT cbSize;
    LOGFONT lfMenuFont;
    LOGFONT lfStatusFont;
    LOGFONT lfMessageFont;
};
constexpr UINT SPI_GETNONCLIENTMETRICS = 0x0029;
BOOL SystemParametersInfo(UINT action, UINT param, void* value, UINT winIni);
