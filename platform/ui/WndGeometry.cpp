#include "platform/ui/MessageBridge.h"
#include "platform/ui/QtGeometry.h"
#include "platform/ui/QtText.h"
#include "platform/ui/ToolTipCtrl.h"
#include "platform/ui/WndState.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QCursor>
#include <QVariant>

#include <map>
#include <string>

namespace
{
std::map<std::string, HCURSOR>& WindowClasses()
{
    static std::map<std::string, HCURSOR> classes;
    return classes;
}

QPointer<QWidget>& CapturedWidget()
{
    static QPointer<QWidget> captured;
    return captured;
}

Qt::WindowFlags PopupFlags(DWORD style, DWORD exStyle)
{
    Qt::WindowFlags flags = Qt::Window;
    if ((style & WS_CAPTION) != WS_CAPTION)
        flags = Qt::Tool | Qt::FramelessWindowHint;
    if ((exStyle & WS_EX_TOPMOST) != 0)
        flags |= Qt::WindowStaysOnTopHint;
    if ((exStyle & WS_EX_NOACTIVATE) != 0)
        flags |= Qt::WindowDoesNotAcceptFocus;
    return flags;
}

// The area inside a scrolling control's bars, in the control's coordinates.
QRect ClientArea(QWidget* widget)
{
    if (auto* area = qobject_cast<QAbstractScrollArea*>(widget))
    {
        const QRect viewport = area->viewport()->geometry();
        return QRect(0, 0, viewport.x() + viewport.width(), viewport.y() + viewport.height());
    }
    return widget->rect();
}
} // namespace

const CWnd wndTop;
const CWnd wndTopMost;

CString AfxRegisterWndClass(UINT classStyle, HCURSOR cursor, void*, void*)
{
    const std::string name = "WeavoWnd:" + std::to_string(classStyle) + ":" +
                             std::to_string(reinterpret_cast<std::uintptr_t>(cursor));
    WindowClasses()[name] = cursor;
    return CString(name);
}

BOOL CWnd::Create(LPCTSTR className, LPCTSTR windowName, DWORD style, const RECT& rect,
                  CWnd* parent, UINT id, CCreateContext* context)
{
    if (GetSafeHwnd() != nullptr)
        return FALSE;
    const DWORD exStyle = m_state->createExStyle;
    m_state->createExStyle = 0;
    QWidget* parentWidget = parent != nullptr ? parent->GetSafeHwnd() : nullptr;
    const bool child =
        (style & WS_CHILD) != 0 && (style & WS_POPUP) == 0 && parentWidget != nullptr;
    auto* widget =
        child ? new QWidget(parentWidget) : new QWidget(parentWidget, PopupFlags(style, exStyle));
    if ((exStyle & WS_EX_NOACTIVATE) != 0)
        widget->setAttribute(Qt::WA_ShowWithoutActivating);
    widget->setProperty(kStyleProperty, static_cast<uint>(style));
    widget->setProperty(kExStyleProperty, static_cast<uint>(exStyle));
    if (className != nullptr)
    {
        const auto it = WindowClasses().find(className);
        if (it != WindowClasses().end() && it->second != nullptr)
        {
            widget->setProperty(kClassCursorProperty,
                                QVariant::fromValue(reinterpret_cast<quintptr>(it->second)));
            widget->setCursor(*it->second);
        }
    }
    widget->setWindowTitle(ToQString(windowName));
    widget->setGeometry(ToQRect(rect));
    widget->setEnabled((style & WS_DISABLED) == 0);
    SetOwnedWidget(widget);
    if (child)
        SetDlgCtrlID(static_cast<int>(id));
    if (parent != nullptr && !child)
        SetOwner(parent);
    CREATESTRUCT createStruct{context,
                              style,
                              exStyle,
                              rect.left,
                              rect.top,
                              rect.right - rect.left,
                              rect.bottom - rect.top};
    if (SendMessage(WM_CREATE, 0, reinterpret_cast<LPARAM>(&createStruct)) == -1)
    {
        DestroyWindow();
        return FALSE;
    }
    if ((style & WS_VISIBLE) != 0)
        widget->show();
    return TRUE;
}

BOOL CWnd::CreateEx(DWORD exStyle, LPCTSTR className, LPCTSTR windowName, DWORD style,
                    const RECT& rect, CWnd* parent, UINT id, void* param)
{
    m_state->createExStyle = exStyle;
    return Create(className, windowName, style, rect, parent, id,
                  static_cast<CCreateContext*>(param));
}

DWORD CWnd::GetStyle() const
{
    return m_state->widget ? m_state->widget->property(kStyleProperty).toUInt() : 0;
}

DWORD CWnd::GetExStyle() const
{
    return m_state->widget ? m_state->widget->property(kExStyleProperty).toUInt() : 0;
}

BOOL CWnd::ModifyStyle(DWORD remove, DWORD add, UINT)
{
    if (!m_state->widget)
        return FALSE;
    const DWORD style = (GetStyle() & ~remove) | add;
    m_state->widget->setProperty(kStyleProperty, static_cast<uint>(style));
    return TRUE;
}

CWnd* CWnd::GetOwner() const
{
    if (CWnd* owner = FromHandle(m_state->owner.data()))
        return owner;
    return GetParent();
}

void CWnd::SetOwner(CWnd* owner)
{
    m_state->owner = owner != nullptr ? owner->GetSafeHwnd() : nullptr;
}

CWnd* CWnd::GetTopLevelParent() const
{
    for (QWidget* widget = m_state->widget; widget != nullptr; widget = widget->parentWidget())
    {
        if (widget->isWindow())
            return FromHandle(widget);
    }
    return nullptr;
}

void CWnd::InvalidateRect(LPCRECT rect, BOOL)
{
    QWidget* widget = m_state->widget;
    if (widget == nullptr)
        return;
    auto* area = qobject_cast<QAbstractScrollArea*>(widget);
    QWidget* painted = area != nullptr ? area->viewport() : widget;
    if (rect == nullptr)
        painted->update();
    else
        painted->update(ToQRect(*rect).translated(-painted->mapTo(widget, QPoint(0, 0))));
}

BOOL CWnd::RedrawWindow(LPCRECT rect)
{
    InvalidateRect(rect);
    UpdateWindow();
    return m_state->widget ? TRUE : FALSE;
}

void CWnd::GetClientRect(LPRECT rect) const
{
    *rect = m_state->widget ? FromQRect(ClientArea(m_state->widget)) : CRect();
}

void CWnd::GetWindowRect(LPRECT rect) const
{
    QWidget* widget = m_state->widget;
    *rect = widget != nullptr ? FromQRect(QRect(widget->mapToGlobal(QPoint(0, 0)), widget->size()))
                              : CRect();
}

void CWnd::ClientToScreen(LPPOINT point) const
{
    if (m_state->widget)
        *point = FromQPoint(m_state->widget->mapToGlobal(ToQPoint(*point)));
}

void CWnd::ClientToScreen(LPRECT rect) const
{
    CPoint topLeft(rect->left, rect->top);
    ClientToScreen(&topLeft);
    CRect moved(*rect);
    moved.OffsetRect(topLeft.x - rect->left, topLeft.y - rect->top);
    *rect = moved;
}

void CWnd::ScreenToClient(LPPOINT point) const
{
    if (m_state->widget)
        *point = FromQPoint(m_state->widget->mapFromGlobal(ToQPoint(*point)));
}

void CWnd::ScreenToClient(LPRECT rect) const
{
    CPoint topLeft(rect->left, rect->top);
    ScreenToClient(&topLeft);
    CRect moved(*rect);
    moved.OffsetRect(topLeft.x - rect->left, topLeft.y - rect->top);
    *rect = moved;
}

void CWnd::MoveWindow(int x, int y, int width, int height, BOOL)
{
    if (m_state->widget)
        m_state->widget->setGeometry(x, y, width, height);
}

void CWnd::MoveWindow(LPCRECT rect, BOOL repaint)
{
    MoveWindow(rect->left, rect->top, rect->right - rect->left, rect->bottom - rect->top, repaint);
}

BOOL CWnd::SetWindowPos(const CWnd* insertAfter, int x, int y, int width, int height, UINT flags)
{
    QWidget* widget = m_state->widget;
    if (widget == nullptr)
        return FALSE;
    if ((flags & SWP_NOMOVE) == 0)
        widget->move(x, y);
    if ((flags & SWP_NOSIZE) == 0)
        widget->resize(width, height);
    if ((flags & SWP_NOZORDER) == 0 && insertAfter == &wndTopMost && widget->isWindow())
        widget->setWindowFlag(Qt::WindowStaysOnTopHint);
    if ((flags & SWP_NOZORDER) == 0 && (insertAfter == &wndTop || insertAfter == &wndTopMost))
        widget->raise();
    if ((flags & SWP_SHOWWINDOW) != 0)
    {
        widget->setAttribute(Qt::WA_ShowWithoutActivating, (flags & SWP_NOACTIVATE) != 0);
        widget->show();
    }
    if ((flags & SWP_HIDEWINDOW) != 0)
        widget->hide();
    return TRUE;
}

namespace
{
CWnd* NearestHandle(QWidget* widget)
{
    for (; widget != nullptr; widget = widget->parentWidget())
    {
        if (CWnd* handle = CWnd::FromHandle(widget))
            return handle;
    }
    return nullptr;
}
} // namespace

CWnd* CWnd::WindowFromPoint(POINT point)
{
    return NearestHandle(QApplication::widgetAt(ToQPoint(point)));
}

CWnd* CWnd::ChildWindowFromPoint(POINT point) const
{
    QWidget* widget = m_state->widget;
    if (widget == nullptr || !widget->rect().contains(ToQPoint(point)))
        return nullptr;
    for (QWidget* child = widget->childAt(ToQPoint(point)); child != nullptr && child != widget;
         child = child->parentWidget())
    {
        if (CWnd* handle = FromHandle(child))
            return handle;
    }
    return FromHandle(widget);
}

BOOL CWnd::EnableToolTips(BOOL enable)
{
    if (!m_state->widget)
        return FALSE;
    m_state->widget->setProperty(kToolTipsProperty, enable != FALSE);
    return TRUE;
}

INT_PTR CWnd::OnToolHitTest(CPoint point, TOOLINFO* toolInfo) const
{
    CWnd* child = ChildWindowFromPoint(point);
    if (child == nullptr || child == this)
        return -1;
    QWidget* widget = child->GetSafeHwnd();
    toolInfo->hwnd = m_state->widget;
    toolInfo->uId = reinterpret_cast<UINT_PTR>(widget);
    toolInfo->uFlags |= TTF_IDISHWND;
    toolInfo->rect = FromQRect(QRect(widget->mapTo(m_state->widget, QPoint(0, 0)), widget->size()));
    toolInfo->lpszText = LPSTR_TEXTCALLBACK;
    return child->GetDlgCtrlID();
}

CWnd* CWnd::SetCapture()
{
    CWnd* previous = GetCapture();
    QWidget* widget = m_state->widget;
    if (widget != nullptr)
    {
        CapturedWidget() = widget;
        if (widget->isVisible())
            widget->grabMouse();
        MessageBridge::RouteMouseTo(widget);
    }
    return previous;
}

CWnd* CWnd::GetCapture()
{
    return FromHandle(CapturedWidget().data());
}

BOOL ReleaseCapture()
{
    if (QWidget* widget = CapturedWidget().data())
        widget->releaseMouse();
    CapturedWidget().clear();
    MessageBridge::RouteMouseTo(nullptr);
    return TRUE;
}

void CWnd::SetFont(CFont* font, BOOL)
{
    if (m_state->widget && font != nullptr)
        m_state->widget->setFont(font->GetQFont());
}

CFont* CWnd::GetFont() const
{
    if (!m_state->widget)
        return nullptr;
    if (!m_state->font)
        m_state->font = std::make_unique<CFont>();
    m_state->font->SetQFont(m_state->widget->font());
    return m_state->font.get();
}
