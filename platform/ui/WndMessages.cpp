#include "platform/ui/MenuData.h"
#include "platform/ui/MessageBridge.h"
#include "platform/ui/QtMenus.h"
#include "platform/ui/ScrollBar.h"
#include "platform/ui/WndState.h"

#include <QCursor>
#include <QVariant>

namespace
{
CPoint PointOf(LPARAM lParam)
{
    return CPoint(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
}

CWnd* WndOf(WPARAM wParam)
{
    return CWnd::FromHandle(reinterpret_cast<HWND>(wParam));
}

// The menu (menu itself or one of its popups) that holds the owner-drawn item.
HMENU HolderOf(HMENU menu, UINT id, DWORD_PTR itemData)
{
    if (!IsMenu(menu))
        return nullptr;
    for (const MenuItem& item : menu->items)
    {
        if (item.popup == nullptr && item.id == id && item.itemData == itemData)
            return menu;
        if (HMENU holder = HolderOf(item.popup, id, itemData))
            return holder;
    }
    return nullptr;
}
} // namespace

bool CWnd::DispatchStandardMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    const auto flags = static_cast<UINT>(wParam);
    switch (message)
    {
    case WM_CREATE:
        result = OnCreate(reinterpret_cast<LPCREATESTRUCT>(lParam));
        return true;
    case WM_DESTROY:
        OnDestroy();
        return true;
    case WM_CLOSE:
        OnClose();
        return true;
    case WM_PAINT:
        OnPaint();
        return true;
    case WM_SIZE:
        OnSize(flags, LOWORD(static_cast<DWORD_PTR>(lParam)),
               HIWORD(static_cast<DWORD_PTR>(lParam)));
        return true;
    case WM_SETFOCUS:
        OnSetFocus(WndOf(wParam));
        return true;
    case WM_KILLFOCUS:
        OnKillFocus(WndOf(wParam));
        return true;
    case WM_ENABLE:
        OnEnable(static_cast<BOOL>(wParam));
        return true;
    case WM_SYSCOLORCHANGE:
        OnSysColorChange();
        return true;
    case WM_SETCURSOR:
        result = OnSetCursor(WndOf(wParam), LOWORD(static_cast<DWORD_PTR>(lParam)),
                             HIWORD(static_cast<DWORD_PTR>(lParam)));
        return true;
    case WM_MOUSEACTIVATE:
        result = OnMouseActivate(WndOf(wParam), LOWORD(static_cast<DWORD_PTR>(lParam)),
                                 HIWORD(static_cast<DWORD_PTR>(lParam)));
        return true;
    case WM_MOUSEMOVE:
        OnMouseMove(flags, PointOf(lParam));
        return true;
    case WM_MOUSELEAVE:
        OnMouseLeave();
        return true;
    case WM_MOUSEWHEEL:
        result = OnMouseWheel(LOWORD(wParam), static_cast<short>(HIWORD(wParam)), PointOf(lParam));
        return true;
    case WM_LBUTTONDOWN:
        OnLButtonDown(flags, PointOf(lParam));
        return true;
    case WM_LBUTTONUP:
        OnLButtonUp(flags, PointOf(lParam));
        return true;
    case WM_LBUTTONDBLCLK:
        OnLButtonDblClk(flags, PointOf(lParam));
        return true;
    case WM_RBUTTONDOWN:
        OnRButtonDown(flags, PointOf(lParam));
        return true;
    case WM_RBUTTONUP:
        OnRButtonUp(flags, PointOf(lParam));
        return true;
    case WM_RBUTTONDBLCLK:
        OnRButtonDblClk(flags, PointOf(lParam));
        return true;
    case WM_KEYDOWN:
        OnKeyDown(flags, LOWORD(static_cast<DWORD_PTR>(lParam)),
                  HIWORD(static_cast<DWORD_PTR>(lParam)));
        return true;
    case WM_KEYUP:
        OnKeyUp(flags, LOWORD(static_cast<DWORD_PTR>(lParam)),
                HIWORD(static_cast<DWORD_PTR>(lParam)));
        return true;
    case WM_CHAR:
        OnChar(flags, LOWORD(static_cast<DWORD_PTR>(lParam)),
               HIWORD(static_cast<DWORD_PTR>(lParam)));
        return true;
    case WM_ERASEBKGND:
        result = OnEraseBkgnd(reinterpret_cast<CDC*>(wParam));
        return true;
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORSTATIC:
        result = reinterpret_cast<LRESULT>(OnCtlColor(reinterpret_cast<CDC*>(wParam),
                                                      FromHandle(reinterpret_cast<HWND>(lParam)),
                                                      message - WM_CTLCOLOREDIT + CTLCOLOR_EDIT));
        return true;
    case WM_GETDLGCODE:
        result = static_cast<LRESULT>(OnGetDlgCode());
        return true;
    case WM_CONTEXTMENU:
        OnContextMenu(WndOf(wParam), PointOf(lParam));
        return true;
    case WM_VSCROLL:
    case WM_HSCROLL:
    {
        auto* bar = dynamic_cast<CScrollBar*>(FromHandle(reinterpret_cast<HWND>(lParam)));
        if (message == WM_VSCROLL)
            OnVScroll(LOWORD(wParam), HIWORD(wParam), bar);
        else
            OnHScroll(LOWORD(wParam), HIWORD(wParam), bar);
        return true;
    }
    case WM_MEASUREITEM:
        OnMeasureItem(static_cast<int>(wParam), reinterpret_cast<LPMEASUREITEMSTRUCT>(lParam));
        return true;
    case WM_DRAWITEM:
        OnDrawItem(static_cast<int>(wParam), reinterpret_cast<LPDRAWITEMSTRUCT>(lParam));
        return true;
    default:
        return false;
    }
}

LRESULT CWnd::Default()
{
    const MSG* current = MessageBridge::CurrentMessage();
    return current != nullptr ? DefWindowProc(current->message, current->wParam, current->lParam)
                              : 0;
}

// The class cursor comes back with every WM_SETCURSOR that no handler answers.
LRESULT CWnd::DefWindowProc(UINT message, WPARAM, LPARAM)
{
    if (message == WM_SETCURSOR && m_state->widget)
    {
        const auto cursor = reinterpret_cast<HCURSOR>(
            m_state->widget->property(kClassCursorProperty).value<quintptr>());
        if (cursor != nullptr)
            m_state->widget->setCursor(*cursor);
        else
            m_state->widget->unsetCursor();
        return FALSE;
    }
    return MessageBridge::RunDefault(*this, message);
}

BOOL CWnd::PreTranslateMessage(MSG*)
{
    return FALSE;
}

const MSG* CWnd::GetCurrentMessage()
{
    return MessageBridge::CurrentMessage();
}

void CWnd::AddInputRelay(const CWnd* relaying, std::function<void(MSG*)> relay)
{
    RemoveInputRelay(relaying);
    m_state->inputRelays.emplace_back(relaying, std::move(relay));
}

void CWnd::RemoveInputRelay(const CWnd* relaying)
{
    std::erase_if(m_state->inputRelays,
                  [relaying](const auto& entry) { return entry.first == relaying; });
}

void CWnd::PreSubclassWindow() {}

BOOL CWnd::SubclassWindow(HWND widget)
{
    if (widget == nullptr || m_state->widget)
        return FALSE;
    m_state->widget = widget;
    widget->setProperty(kHandleProperty, QVariant::fromValue(reinterpret_cast<quintptr>(this)));
    MessageBridge::Install(widget);
    PreSubclassWindow();
    return TRUE;
}

BOOL CWnd::SubclassDlgItem(UINT id, CWnd* parent)
{
    CWnd* item = parent != nullptr ? parent->GetDlgItem(static_cast<int>(id)) : nullptr;
    return item != nullptr && SubclassWindow(item->GetSafeHwnd());
}

HWND CWnd::UnsubclassWindow()
{
    return Detach();
}

int CWnd::OnCreate(LPCREATESTRUCT)
{
    return static_cast<int>(Default());
}

void CWnd::OnDestroy()
{
    Default();
}

void CWnd::OnClose()
{
    Default();
}

void CWnd::OnPaint()
{
    Default();
}

void CWnd::OnSize(UINT, int, int)
{
    Default();
}

void CWnd::OnSetFocus(CWnd*)
{
    Default();
}

void CWnd::OnKillFocus(CWnd*)
{
    Default();
}

void CWnd::OnEnable(BOOL)
{
    Default();
}

void CWnd::OnSysColorChange()
{
    Default();
}

BOOL CWnd::OnSetCursor(CWnd*, UINT, UINT)
{
    return static_cast<BOOL>(Default());
}

int CWnd::OnMouseActivate(CWnd*, UINT, UINT)
{
    Default();
    return MA_ACTIVATE;
}

void CWnd::OnMouseMove(UINT, CPoint)
{
    Default();
}

void CWnd::OnMouseLeave()
{
    Default();
}

BOOL CWnd::OnMouseWheel(UINT, short, CPoint)
{
    return static_cast<BOOL>(Default());
}

void CWnd::OnLButtonDown(UINT, CPoint)
{
    Default();
}

void CWnd::OnLButtonUp(UINT, CPoint)
{
    Default();
}

void CWnd::OnLButtonDblClk(UINT, CPoint)
{
    Default();
}

void CWnd::OnRButtonDown(UINT, CPoint)
{
    Default();
}

void CWnd::OnRButtonUp(UINT, CPoint)
{
    Default();
}

void CWnd::OnRButtonDblClk(UINT, CPoint)
{
    Default();
}

void CWnd::OnKeyDown(UINT, UINT, UINT)
{
    Default();
}

void CWnd::OnKeyUp(UINT, UINT, UINT)
{
    Default();
}

void CWnd::OnChar(UINT, UINT, UINT)
{
    Default();
}

BOOL CWnd::OnEraseBkgnd(CDC*)
{
    return static_cast<BOOL>(Default());
}

HBRUSH CWnd::OnCtlColor(CDC*, CWnd*, UINT)
{
    Default();
    return nullptr;
}

UINT CWnd::OnGetDlgCode()
{
    Default();
    return DLGC_WANTALLKEYS | DLGC_WANTARROWS | DLGC_WANTTAB | DLGC_WANTCHARS;
}

void CWnd::OnContextMenu(CWnd*, CPoint)
{
    Default();
}

void CWnd::OnVScroll(UINT, UINT, CScrollBar*)
{
    Default();
}

void CWnd::OnHScroll(UINT, UINT, CScrollBar*)
{
    Default();
}

void CWnd::OnMeasureItem(int idCtl, MEASUREITEMSTRUCT* measureItem)
{
    if (measureItem->CtlType == ODT_MENU)
    {
        HMENU holder = HolderOf(TrackedPopupMenu(), measureItem->itemID, measureItem->itemData);
        if (holder == nullptr)
            holder = HolderOf(m_state->menu, measureItem->itemID, measureItem->itemData);
        if (CMenu* menu = CMenu::FromHandlePermanent(holder))
            menu->MeasureItem(measureItem);
        return;
    }
    LRESULT result = 0;
    CWnd* control = GetDlgItem(idCtl);
    if (control == nullptr ||
        !control->OnChildNotify(WM_MEASUREITEM, static_cast<WPARAM>(idCtl),
                                reinterpret_cast<LPARAM>(measureItem), &result))
        Default();
}

void CWnd::OnDrawItem(int idCtl, DRAWITEMSTRUCT* drawItem)
{
    if (drawItem->CtlType == ODT_MENU)
    {
        if (CMenu* menu = CMenu::FromHandlePermanent(reinterpret_cast<HMENU>(drawItem->hwndItem)))
            menu->DrawItem(drawItem);
        return;
    }
    LRESULT result = 0;
    CWnd* control = FromHandle(drawItem->hwndItem);
    if (control == nullptr || !control->OnChildNotify(WM_DRAWITEM, static_cast<WPARAM>(idCtl),
                                                      reinterpret_cast<LPARAM>(drawItem), &result))
        Default();
}

BOOL CWnd::SetMenu(CMenu* menu)
{
    if (!m_state->widget)
        return FALSE;
    m_state->menu = menu != nullptr ? menu->GetSafeHmenu() : nullptr;
    ShowMenuBar(m_state->widget, m_state->menu);
    return TRUE;
}

CMenu* CWnd::GetMenu() const
{
    return CMenu::FromHandle(m_state->menu);
}

void CWnd::DrawMenuBar()
{
    if (m_state->widget)
        ShowMenuBar(m_state->widget, m_state->menu);
}
