#include "platform/ui/ToolTipCtrl.h"

#include "platform/ui/QtGeometry.h"
#include "platform/ui/QtText.h"

#include <QToolTip>
#include <QWidget>

#include <algorithm>
#include <cstdlib>
#include <utility>

IMPLEMENT_DYNAMIC(CToolTipCtrl, CWnd)

BOOL CToolTipCtrl::Create(CWnd* parent, DWORD)
{
    if (GetSafeHwnd() != nullptr)
        return FALSE;
    auto* widget = new QWidget(parent != nullptr ? parent->GetSafeHwnd() : nullptr);
    widget->hide();
    SetOwnedWidget(widget);
    return TRUE;
}

BOOL CToolTipCtrl::AddTool(CWnd* wnd, LPCTSTR text, LPCRECT, UINT_PTR id)
{
    if (wnd == nullptr || wnd->GetSafeHwnd() == nullptr)
        return FALSE;
    DelTool(wnd, id);
    m_tools.push_back({wnd->GetSafeHwnd(), id, text != nullptr ? text : ""});
    Show(m_tools.back());
    return TRUE;
}

void CToolTipCtrl::DelTool(CWnd* wnd, UINT_PTR id)
{
    const HWND window = wnd != nullptr ? wnd->GetSafeHwnd() : nullptr;
    std::erase_if(m_tools, [window, id](const Tool& tool)
                  { return tool.window == window && tool.id == id; });
}

void CToolTipCtrl::UpdateTipText(LPCTSTR text, CWnd* wnd, UINT_PTR id)
{
    const HWND window = wnd != nullptr ? wnd->GetSafeHwnd() : nullptr;
    for (Tool& tool : m_tools)
    {
        if (tool.window == window && tool.id == id)
        {
            tool.text = text != nullptr ? text : "";
            Show(tool);
        }
    }
}

CString CToolTipCtrl::GetToolText(CWnd* wnd, UINT_PTR id) const
{
    const HWND window = wnd != nullptr ? wnd->GetSafeHwnd() : nullptr;
    const auto it = std::find_if(m_tools.begin(), m_tools.end(),
                                 [window, id](const Tool& tool)
                                 { return tool.window == window && tool.id == id; });
    return it != m_tools.end() ? it->text : CString();
}

void CToolTipCtrl::Activate(BOOL active)
{
    m_active = active != FALSE;
    for (const Tool& tool : m_tools)
        Show(tool);
}

int CToolTipCtrl::SetMaxTipWidth(int width)
{
    return std::exchange(m_maxWidth, width);
}

void CToolTipCtrl::RelayEvent(MSG*) {}

// A tip wider than the maximum wraps (Qt wraps rich text to the widget's width).
void CToolTipCtrl::Show(const Tool& tool) const
{
    QWidget* window = tool.window.data();
    if (window == nullptr)
        return;
    QString text = m_active ? ToQString(tool.text) : QString();
    if (!text.isEmpty() && m_maxWidth > 0)
        text = QStringLiteral("<p style='white-space:pre-wrap; max-width:%1px'>%2</p>")
                   .arg(m_maxWidth)
                   .arg(text.toHtmlEscaped());
    window->setToolTip(text);
}

void ShowToolTipOf(CWnd& wnd, QWidget* source, QPoint point, QPoint globalPoint)
{
    QWidget* window = wnd.GetSafeHwnd();
    TOOLINFO info{};
    info.cbSize = sizeof(info);
    const QPoint client = source->mapTo(window, point);
    if (wnd.OnToolHitTest(FromQPoint(client), &info) == -1)
    {
        QToolTip::hideText();
        return;
    }
    CString text;
    if (info.lpszText == LPSTR_TEXTCALLBACK)
    {
        NMTTDISPINFO need{};
        need.hdr.hwndFrom = &wnd;
        need.hdr.idFrom = info.uId;
        need.hdr.code = TTN_NEEDTEXT;
        wnd.SendMessage(WM_NOTIFY, info.uId, reinterpret_cast<LPARAM>(&need.hdr));
        text = need.lpszText != nullptr ? CString(need.lpszText) : CString(need.szText);
    }
    else if (info.lpszText != nullptr)
    {
        text = info.lpszText;
        std::free(info.lpszText);
    }
    if (text.IsEmpty())
    {
        QToolTip::hideText();
        return;
    }
    const QRect tool = ToQRect(info.rect).translated(-source->mapTo(window, QPoint(0, 0)));
    QToolTip::showText(globalPoint, ToQString(text), source, tool);
}
