#pragma once

#include "platform/ui/Wnd.h"

#include <QPointer>
#include <QWidget>

#include <cstdint>
#include <vector>

// A tool as OnToolHitTest describes it: the window, the tool's id, its rectangle in the window's
// client area (the tip goes once the mouse leaves it) and the text, or LPSTR_TEXTCALLBACK to ask
// the window with TTN_NEEDTEXT. A text of its own is one malloc made; the tip frees it.
struct TOOLINFO
{
    UINT cbSize;
    UINT uFlags;
    HWND hwnd;
    UINT_PTR uId;
    RECT rect;
    void* hinst;
    LPTSTR lpszText;
    LPARAM lParam;
};

inline const LPTSTR LPSTR_TEXTCALLBACK = reinterpret_cast<LPTSTR>(static_cast<std::intptr_t>(-1));

// TTF_IDISHWND: the id is a child window's handle.
constexpr UINT TTF_IDISHWND = 0x0001;

// Asks the window for a tool's text (WM_NOTIFY to the window, idFrom the tool's id): the answer
// is lpszText when set, else szText.
constexpr int TTN_NEEDTEXTA = -520;
constexpr int TTN_NEEDTEXTW = -530;
constexpr int TTN_NEEDTEXT = TTN_NEEDTEXTA;

struct NMTTDISPINFO
{
    NMHDR hdr;
    LPTSTR lpszText;
    char szText[80];
    void* hinst;
    UINT uFlags;
    LPARAM lParam;
};

// Shows the tip of the tool under the point of a help event of a window whose tool tips are on
// (EnableToolTips), or hides it when there is none.
void ShowToolTipOf(CWnd& wnd, QWidget* source, QPoint point, QPoint globalPoint);

// Tool tips of windows: each tool is a window (or a rectangle of it) with a text that shows
// when the mouse rests on it. Qt shows the tips; RelayEvent has nothing to do.
class CToolTipCtrl : public CWnd
{
    DECLARE_DYNAMIC(CToolTipCtrl)

public:
    BOOL Create(CWnd* parent, DWORD style = 0);
    BOOL AddTool(CWnd* wnd, LPCTSTR text, LPCRECT rect = nullptr, UINT_PTR id = 0);
    void DelTool(CWnd* wnd, UINT_PTR id = 0);
    void UpdateTipText(LPCTSTR text, CWnd* wnd, UINT_PTR id = 0);
    // The text of the tool, "" when there is none.
    CString GetToolText(CWnd* wnd, UINT_PTR id = 0) const;
    int GetToolCount() const { return static_cast<int>(m_tools.size()); }
    // Inactive tips do not show.
    void Activate(BOOL active);
    int SetMaxTipWidth(int width);
    void RelayEvent(MSG* msg);

private:
    struct Tool
    {
        QPointer<QWidget> window;
        UINT_PTR id;
        CString text;
    };
    void Show(const Tool& tool) const;

    std::vector<Tool> m_tools;
    bool m_active = true;
    int m_maxWidth = -1;
};
