#include "controls/RichToolTipCtrl.h"

#include "platform/ui/Cursor.h"
#include "platform/ui/DC.h"
#include "platform/ui/SystemSettings.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <cstring>

namespace
{
constexpr UINT_PTR kDelayTimer = 1;
constexpr UINT_PTR kCheckTimer = 2;
constexpr int kMarkerWidth = 10;

// The nearest window with a handle at or above the widget.
CWnd* HandleOf(QWidget* widget)
{
    for (; widget != nullptr; widget = widget->parentWidget())
    {
        if (CWnd* wnd = CWnd::FromHandle(widget))
            return wnd;
    }
    return nullptr;
}

bool IsAncestorOrSelf(const CWnd* ancestor, const CWnd* wnd)
{
    HWND target = ancestor->GetSafeHwnd();
    for (HWND widget = wnd != nullptr ? wnd->GetSafeHwnd() : nullptr; widget != nullptr;
         widget = widget->parentWidget())
    {
        if (widget == target)
            return true;
    }
    return false;
}

bool IsKeyOrOtherClick(UINT message)
{
    return (message >= WM_KEYFIRST && message <= WM_KEYLAST) || message == WM_LBUTTONDBLCLK ||
           message == WM_RBUTTONDOWN || message == WM_RBUTTONDBLCLK || message == WM_MBUTTONDOWN ||
           message == WM_MBUTTONDBLCLK;
}
} // namespace

CRichToolTipCtrl::CRichToolTipCtrl()
    : m_screen(
          []
          {
              const QScreen* screen = QGuiApplication::primaryScreen();
              const QRect area = screen != nullptr ? screen->geometry() : QRect(0, 0, 1024, 768);
              return CRect(area.left(), area.top(), area.right() + 1, area.bottom() + 1);
          }),
      m_cursor(
          []
          {
              CPoint point;
              GetCursorPos(&point);
              return point;
          })
{
}

CRichToolTipCtrl::~CRichToolTipCtrl()
{
    StopRelaying();
    ClearMessageMap();
    m_tools.clear();
    DestroyWindow();
}

BOOL CRichToolTipCtrl::Create(CWnd* parent)
{
    const CString className = AfxRegisterWndClass(0x840, LoadCursor(nullptr, IDC_ARROW));
    m_parent = parent;
    if (!CreateEx(WS_EX_TOPMOST | WS_EX_NOACTIVATE, className, "", WS_POPUP, CRect(0, 0, 10, 10),
                  parent, 0))
        return FALSE;
    if (parent != nullptr && parent->GetSafeHwnd() != nullptr)
    {
        parent->AddInputRelay(this, [this](MSG* msg) { RelayEvent(msg); });
        m_relaying = parent->GetSafeHwnd();
    }
    TakeFont(nullptr);
    return TRUE;
}

void CRichToolTipCtrl::TakeFont(const CFont* font)
{
    NONCLIENTMETRICS metrics{sizeof(NONCLIENTMETRICS), {}, {}, {}};
    SystemParametersInfo(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0);
    const LOGFONT& system = metrics.lfStatusFont;
    LOGFONT wanted{};
    if (font == nullptr || font->GetLogFont(&wanted) == 0)
        wanted = system;
    m_systemFont =
        wanted.lfHeight == system.lfHeight && wanted.lfWeight == system.lfWeight &&
        wanted.lfItalic == system.lfItalic && wanted.lfUnderline == system.lfUnderline &&
        wanted.lfStrikeOut == system.lfStrikeOut && wanted.lfCharSet == system.lfCharSet &&
        std::strncmp(wanted.lfFaceName, system.lfFaceName, sizeof(wanted.lfFaceName)) == 0;
    m_font.DeleteObject();
    m_font.CreateFontIndirect(&wanted);
    SetFont(&m_font, FALSE);
}

LRESULT CRichToolTipCtrl::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_SETFONT)
    {
        TakeFont(reinterpret_cast<const CFont*>(wParam));
        return 0;
    }
    if (message == WM_GETFONT)
        return reinterpret_cast<LRESULT>(&m_font);
    return CWnd::WindowProc(message, wParam, lParam);
}

BOOL CRichToolTipCtrl::AddTool(CWnd* window, LPCTSTR text, LPCRECT rect, UINT id)
{
    if (window == nullptr || window->GetSafeHwnd() == nullptr)
        return FALSE;
    auto tool = std::make_unique<CRichToolTipInfo>();
    tool->m_window = window;
    tool->m_id = id;
    if (text == LPSTR_TEXTCALLBACK)
        tool->m_textCallback = -1;
    else
        tool->m_text = text != nullptr ? text : "";
    tool->m_wholeWindow = rect == nullptr;
    tool->m_rect = rect != nullptr ? InParentClient(*window, *rect) : ToolRect(*tool);
    tool->m_width = m_maxWidth;
    tool->m_textColor = m_textColor;
    tool->m_backColor = m_backColor;
    m_tools.push_back(std::move(tool));
    return TRUE;
}

const CRichToolTipInfo* CRichToolTipCtrl::GetCurrentTool() const
{
    const int current = m_machine.CurrentTool();
    return current >= 0 && current < GetToolCount() ? m_tools[static_cast<size_t>(current)].get()
                                                    : nullptr;
}

bool CRichToolTipCtrl::IsShown() const
{
    return GetSafeHwnd() != nullptr && GetSafeHwnd()->isVisible();
}

int CRichToolTipCtrl::ToolAt(CPoint screen, CWnd* under) const
{
    if (m_parent == nullptr)
        return -1;
    CPoint point = screen;
    m_parent->ScreenToClient(&point);
    if (under == m_parent)
    {
        under = m_parent->ChildWindowFromPoint(point);
        if (under == m_parent)
            return -1;
    }
    for (std::size_t index = 0; index < m_tools.size(); ++index)
    {
        const CRichToolTipInfo& tool = *m_tools[index];
        const bool windowMatches = under == nullptr ? tool.m_window->IsWindowVisible() != FALSE
                                                    : IsAncestorOrSelf(tool.m_window, under);
        if (windowMatches && ToolRect(tool).PtInRect(point))
            return static_cast<int>(index);
    }
    return -1;
}

CRect CRichToolTipCtrl::ToolRect(const CRichToolTipInfo& tool) const
{
    if (!tool.m_wholeWindow)
        return tool.m_rect;
    CRect area;
    tool.m_window->GetClientRect(&area);
    return InParentClient(*tool.m_window, area);
}

CRect CRichToolTipCtrl::InParentClient(const CWnd& window, CRect area) const
{
    window.ClientToScreen(&area);
    if (m_parent != nullptr)
        m_parent->ScreenToClient(&area);
    return area;
}

bool CRichToolTipCtrl::CursorOverTip() const
{
    if (!IsShown())
        return false;
    CRect tip;
    GetWindowRect(&tip);
    return tip.PtInRect(m_cursor()) != FALSE;
}

void CRichToolTipCtrl::RelayEvent(MSG* msg)
{
    if (msg == nullptr)
        return;
    if (msg->message == WM_MOUSEMOVE)
    {
        const int tool = ToolAt(msg->pt, HandleOf(msg->hwnd));
        Run(m_machine.MouseMove(tool, IsShown(), CursorOverTip()));
    }
    else if (msg->message == WM_LBUTTONDOWN)
    {
        Run(m_machine.LeftButtonDown(CursorOverTip()));
    }
    else if (IsKeyOrOtherClick(msg->message))
    {
        Run(m_machine.Dismiss());
    }
}

void CRichToolTipCtrl::OnTimer(UINT_PTR id)
{
    const CPoint cursor = m_cursor();
    if (id == kDelayTimer)
        Run(m_machine.Timer1(ToolAt(cursor, nullptr) == m_machine.CurrentTool()));
    else if (id == kCheckTimer)
        Run(m_machine.Timer2(ToolAt(cursor, nullptr), CursorOverTip()));
}

void CRichToolTipCtrl::Run(const ToolTipMachine::Commands& commands)
{
    using Command = ToolTipMachine::Command;
    for (const Command command : commands)
    {
        switch (command)
        {
        case Command::StartTimer1:
            SetTimer(kDelayTimer, ToolTipMachine::kInitialDelay);
            break;
        case Command::StartTimer2:
            SetTimer(kCheckTimer, ToolTipMachine::kCheckPeriod);
            break;
        case Command::StopTimer1:
            KillTimer(kDelayTimer);
            break;
        case Command::StopTimer2:
            KillTimer(kCheckTimer);
            break;
        case Command::Show:
            m_extended = false;
            ShowTip(m_cursor() + CSize(m_cursorOffset.x, m_cursorOffset.y));
            break;
        case Command::Hide:
            ShowWindow(SW_HIDE);
            break;
        }
    }
}

CString CRichToolTipCtrl::TextOf(const CRichToolTipInfo& tool)
{
    if (tool.m_textCallback == 0 || m_parent == nullptr)
        return tool.m_text;
    NMTTDISPINFO info{};
    info.hdr = NMHDR{tool.m_window, tool.m_id, TTN_NEEDTEXT};
    m_parent->SendMessage(WM_NOTIFY, tool.m_id, reinterpret_cast<LPARAM>(&info));
    return info.lpszText != nullptr ? CString(info.lpszText) : CString(info.szText);
}

void CRichToolTipCtrl::ShowTip(CPoint point)
{
    const CRichToolTipInfo* tool = GetCurrentTool();
    if (tool == nullptr)
        return;
    m_shownText = ToolTipPart(TextOf(*tool), m_extended, m_multiPart);
    const CSize text = CalculateTextSize(m_shownText);
    // A two-part tip keeps a strip at the right for its marker.
    const int marker = m_multiPart ? kMarkerWidth : 0;
    const CSize size(text.cx + m_margins.left + m_margins.right + marker,
                     text.cy + m_margins.top + m_margins.bottom);
    const CRect tip = CalculateTipRect(point, size);
    SetWindowPos(&wndTopMost, tip.left, tip.top, tip.Width(), tip.Height(), 0);
    ShowWindow(SW_SHOW);
    Invalidate();
}

CSize CRichToolTipCtrl::CalculateTextSize(const CString& text)
{
    CClientDC dc(this);
    CFont* previous = dc.SelectObject(&m_font);
    int widest = 0;
    for (int start = 0; start <= text.GetLength();)
    {
        int end = text.Find('\n', start);
        if (end < 0)
            end = text.GetLength();
        widest = std::max(widest, dc.GetTextExtent("  " + text.Mid(start, end - start)).cx);
        start = end + 1;
    }
    const CRichToolTipInfo* tool = GetCurrentTool();
    CRect measured(0, 0, tool != nullptr && tool->m_width > 0 ? tool->m_width : widest, 0);
    dc.DrawText(text, &measured, m_format | DT_CALCRECT);
    dc.SelectObject(previous);
    return measured.Size();
}

CRect CRichToolTipCtrl::CalculateTipRect(CPoint point, CSize size)
{
    CRect toolWindow;
    if (const CRichToolTipInfo* tool = GetCurrentTool())
        tool->m_window->GetWindowRect(&toolWindow);
    return ToolTipPlacement::TipRect(point, size, m_screen(), toolWindow);
}

void CRichToolTipCtrl::OnPaint()
{
    CPaintDC dc(this);
    const CRichToolTipInfo* tool = GetCurrentTool();
    const COLORREF back = tool != nullptr ? tool->m_backColor : m_backColor;
    const COLORREF fore = tool != nullptr ? tool->m_textColor : m_textColor;
    CRect client;
    GetClientRect(&client);
    dc.FillSolidRect(&client, back == CLR_DEFAULT ? GetSysColor(COLOR_INFOBK) : back);
    CBrush black(RGB(0, 0, 0));
    dc.FrameRect(&client, &black);
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(fore == CLR_DEFAULT ? GetSysColor(COLOR_INFOTEXT) : fore);
    CFont* previous = dc.SelectObject(&m_font);
    CRect text(client.left + m_margins.left, client.top + m_margins.top,
               client.right - m_margins.right - (m_multiPart ? kMarkerWidth : 0),
               client.bottom - m_margins.bottom);
    dc.DrawText(m_shownText, &text, m_format);
    dc.SelectObject(previous);
    if (m_multiPart)
    {
        // A small triangle in the marker strip: down for the first part, up for the second.
        const int x = client.right - 8;
        const int y = client.bottom - 7;
        const POINT down[4] = {{x, y}, {x + 5, y}, {x + 2, y + 4}, {x, y}};
        const POINT up[4] = {{x, y + 4}, {x + 5, y + 4}, {x + 2, y}, {x, y + 4}};
        CPen pen(PS_SOLID, 1, RGB(0, 0, 0));
        CPen* oldPen = dc.SelectObject(&pen);
        CBrush* oldBrush = dc.SelectObject(&black);
        dc.Polygon(m_extended ? up : down, 4);
        dc.SelectObject(oldBrush);
        dc.SelectObject(oldPen);
    }
}

void CRichToolTipCtrl::OnLButtonDown(UINT, CPoint)
{
    if (GetCurrentTool() != nullptr && IsShown() && m_multiPart)
    {
        m_extended = !m_extended;
        CRect tip;
        GetWindowRect(&tip);
        ShowTip(tip.TopLeft());
    }
    if (m_focusBefore != nullptr && m_focusBefore->GetSafeHwnd() != nullptr)
        m_focusBefore->SetFocus();
}

void CRichToolTipCtrl::OnSetFocus(CWnd* oldWnd)
{
    m_focusBefore = oldWnd;
    CWnd::OnSetFocus(oldWnd);
}

void CRichToolTipCtrl::StopRelaying()
{
    if (CWnd* parent = m_relaying.isNull() ? nullptr : CWnd::FromHandle(m_relaying.data()))
        parent->RemoveInputRelay(this);
    m_relaying.clear();
}

void CRichToolTipCtrl::OnDestroy()
{
    StopRelaying();
    KillTimer(kDelayTimer);
    KillTimer(kCheckTimer);
    CWnd::OnDestroy();
}

int CRichToolTipCtrl::OnMouseActivate(CWnd*, UINT, UINT)
{
    return MA_NOACTIVATE;
}
