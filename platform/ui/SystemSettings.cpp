#include "platform/ui/SystemSettings.h"

#include "platform/ui/Wnd.h"

#include <QApplication>
#include <QWidget>

#include <map>

namespace
{
// The classic scheme.
const std::map<int, COLORREF> kClassicColours = {
    {COLOR_MENU, RGB(212, 208, 200)},
    {COLOR_WINDOW, RGB(255, 255, 255)},
    {COLOR_WINDOWFRAME, RGB(0, 0, 0)},
    {COLOR_MENUTEXT, RGB(0, 0, 0)},
    {COLOR_WINDOWTEXT, RGB(0, 0, 0)},
    {COLOR_HIGHLIGHT, RGB(10, 36, 106)},
    {COLOR_HIGHLIGHTTEXT, RGB(255, 255, 255)},
    {COLOR_3DFACE, RGB(212, 208, 200)},
    {COLOR_3DSHADOW, RGB(128, 128, 128)},
    {COLOR_GRAYTEXT, RGB(128, 128, 128)},
    {COLOR_BTNTEXT, RGB(0, 0, 0)},
    {COLOR_3DHIGHLIGHT, RGB(255, 255, 255)},
    {COLOR_3DDKSHADOW, RGB(64, 64, 64)},
    {COLOR_3DLIGHT, RGB(212, 208, 200)},
    {COLOR_INFOTEXT, RGB(0, 0, 0)},
    {COLOR_INFOBK, RGB(255, 255, 225)},
};

const std::map<int, int> kClassicMetrics = {
    {SM_CXSCREEN, 1024},  {SM_CYSCREEN, 768}, {SM_CXVSCROLL, 16}, {SM_CYHSCROLL, 16},
    {SM_CYCAPTION, 19},   {SM_CXBORDER, 1},   {SM_CYBORDER, 1},   {SM_CXICON, 32},
    {SM_CYICON, 32},      {SM_CYMENU, 19},    {SM_CXEDGE, 2},     {SM_CYEDGE, 2},
    {SM_CXSMICON, 16},    {SM_CYSMICON, 16},  {SM_CXDRAG, 4},     {SM_CYDRAG, 4},
    {SM_CXMENUCHECK, 13},
};

std::map<int, COLORREF>& Colours()
{
    static std::map<int, COLORREF> colours = kClassicColours;
    return colours;
}

std::map<int, int>& Metrics()
{
    static std::map<int, int> metrics = kClassicMetrics;
    return metrics;
}

void BroadcastColourChange()
{
    if (QApplication::instance() == nullptr)
        return;
    for (QWidget* widget : QApplication::allWidgets())
    {
        if (CWnd* wnd = CWnd::FromHandle(widget))
            wnd->SendMessage(WM_SYSCOLORCHANGE);
    }
}

LOGFONT ApplicationFont()
{
    CFont font;
    font.SetQFont(QApplication::font());
    LOGFONT logFont{};
    font.GetLogFont(&logFont);
    return logFont;
}
} // namespace

COLORREF GetSysColor(int index)
{
    const auto it = Colours().find(index);
    return it != Colours().end() ? it->second : 0;
}

BOOL SetSysColors(int count, const int* indexes, const COLORREF* colours)
{
    for (int at = 0; at < count; ++at)
        Colours()[indexes[at]] = colours[at];
    BroadcastColourChange();
    return TRUE;
}

void RestoreSysColors()
{
    Colours() = kClassicColours;
    BroadcastColourChange();
}

int GetSystemMetrics(int index)
{
    const auto it = Metrics().find(index);
    return it != Metrics().end() ? it->second : 0;
}

void SetSystemMetric(int index, int value)
{
    Metrics()[index] = value;
}

BOOL SystemParametersInfo(UINT action, UINT, void* value, UINT)
{
    if (action != SPI_GETNONCLIENTMETRICS || value == nullptr)
        return FALSE;
    auto* metrics = static_cast<NONCLIENTMETRICS*>(value);
    const LOGFONT font = ApplicationFont();
    metrics->lfMenuFont = font;
    metrics->lfStatusFont = font;
    metrics->lfMessageFont = font;
    return TRUE;
}
