#include "platform/ui/Wnd.h"

#include "platform/ui/Button.h"
#include "platform/ui/ListCtrl.h"
#include "platform/ui/MessageBridge.h"
#include "platform/ui/QtText.h"
#include "platform/ui/TreeCtrl.h"
#include "platform/ui/WndState.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTimer>
#include <QVariant>

#include <algorithm>
#include <map>
#include <string>
#include <utility>

namespace
{

QString TimerName(UINT_PTR id)
{
    return QStringLiteral("weavoTimer%1").arg(id);
}

QTimer* FindTimer(QWidget* widget, UINT_PTR id)
{
    return widget->findChild<QTimer*>(TimerName(id), Qt::FindDirectChildrenOnly);
}

// The nearest ancestor of widget (itself excluded) that has a handle, looking no further than
// the window that holds widget: a window whose handle is gone hears nothing of its controls.
// A group box frames the controls its layout holds, but they stay the children of its window.
CWnd* OwningHandle(QWidget* widget)
{
    return qobject_cast<QGroupBox*>(widget) != nullptr ? nullptr : CWnd::FromHandle(widget);
}

CWnd* EnclosingHandle(QWidget* widget)
{
    if (widget->isWindow())
    {
        return nullptr;
    }
    for (QWidget* parent = widget->parentWidget(); parent != nullptr;
         parent = parent->parentWidget())
    {
        if (CWnd* handle = OwningHandle(parent))
        {
            return handle;
        }
        if (parent->isWindow())
        {
            return nullptr;
        }
    }
    return nullptr;
}
} // namespace

UINT RegisterWindowMessage(const char* name)
{
    static std::map<std::string, UINT> registered;
    const auto [it, added] =
        registered.try_emplace(name, static_cast<UINT>(0xC000 + registered.size()));
    return it->second;
}

IMPLEMENT_DYNAMIC(CWnd, CCmdTarget)

CWnd::CWnd() : m_state(std::make_unique<WndState>()) {}

CWnd::~CWnd()
{
    ClearMessageMap();
    DestroyWindow();
}

CDC* CWnd::GetDC()
{
    m_state->dcs.push_back(std::make_unique<CClientDC>(this));
    return m_state->dcs.back().get();
}

int CWnd::ReleaseDC(CDC* dc)
{
    const auto it = std::find_if(m_state->dcs.begin(), m_state->dcs.end(),
                                 [dc](const std::unique_ptr<CDC>& own) { return own.get() == dc; });
    if (it == m_state->dcs.end())
        return 0;
    m_state->dcs.erase(it);
    return 1;
}

void CWnd::ClearMessageMap()
{
    m_state->commands.clear();
    m_state->notifies.clear();
    m_state->messages.clear();
}

HWND CWnd::GetSafeHwnd() const
{
    return m_state->widget.data();
}

BOOL CWnd::Attach(HWND widget)
{
    if (widget == nullptr || m_state->widget)
    {
        return FALSE;
    }
    m_state->widget = widget;
    if (FromHandle(widget) == nullptr)
    {
        widget->setProperty(kHandleProperty, QVariant::fromValue(reinterpret_cast<quintptr>(this)));
    }
    MessageBridge::Install(widget);
    return TRUE;
}

HWND CWnd::Detach()
{
    QWidget* widget = m_state->widget.data();
    if (widget != nullptr && FromHandle(widget) == this)
    {
        widget->setProperty(kHandleProperty, QVariant());
    }
    m_state->widget.clear();
    m_state->owned = false;
    return widget;
}

CWnd* CWnd::FromHandle(HWND widget)
{
    if (widget == nullptr)
    {
        return nullptr;
    }
    return reinterpret_cast<CWnd*>(widget->property(kHandleProperty).value<quintptr>());
}

BOOL CWnd::DestroyWindow()
{
    if (!m_state->widget)
    {
        return FALSE;
    }
    m_state->items.clear();
    if (m_state->owned)
    {
        if (FromHandle(m_state->widget) == this)
        {
            SendMessage(WM_DESTROY);
            // The child windows are told next, as the window system tells them, before their
            // widgets go with this one.
            for (QWidget* child : m_state->widget->findChildren<QWidget*>())
            {
                if (CWnd* window = FromHandle(child); window != nullptr && window != this)
                    window->SendMessage(WM_DESTROY);
            }
        }
        ::DestroyMenu(std::exchange(m_state->menu, nullptr));
        QWidget* widget = Detach();
        delete widget;
    }
    else
    {
        Detach();
    }
    return TRUE;
}

void CWnd::SetOwnedWidget(HWND widget)
{
    Attach(widget);
    m_state->owned = m_state->widget == widget;
}

CWnd* CWnd::AddDlgItem(int id, std::unique_ptr<CWnd> control)
{
    control->SetDlgCtrlID(id);
    CWnd* added = control.get();
    m_state->items[id] = std::move(control);
    return added;
}

CWnd* CWnd::GetParent() const
{
    QWidget* widget = m_state->widget;
    for (QWidget* parent = widget != nullptr ? widget->parentWidget() : nullptr; parent != nullptr;
         parent = parent->parentWidget())
    {
        if (CWnd* handle = OwningHandle(parent))
        {
            return handle;
        }
    }
    return nullptr;
}

int CWnd::GetDlgCtrlID() const
{
    return m_state->widget ? m_state->widget->property(kIdProperty).toInt() : 0;
}

int CWnd::SetDlgCtrlID(int id)
{
    const int previous = GetDlgCtrlID();
    if (m_state->widget)
    {
        m_state->widget->setProperty(kIdProperty, id);
    }
    return previous;
}

// The handle that receives the control's messages: the member that subclassed it, else the
// handle the template made; for a child made by Create, its handle.
CWnd* CWnd::GetDlgItem(int id) const
{
    const auto it = m_state->items.find(id);
    if (it != m_state->items.end() && it->second->GetSafeHwnd() != nullptr)
    {
        return FromHandle(it->second->GetSafeHwnd());
    }
    QWidget* widget = m_state->widget;
    if (widget == nullptr)
    {
        return nullptr;
    }
    for (QWidget* child : widget->findChildren<QWidget*>())
    {
        CWnd* handle = FromHandle(child);
        if (handle != nullptr && child->property(kIdProperty).toInt() == id && id != 0)
        {
            return handle;
        }
    }
    return nullptr;
}

void CWnd::SetWindowText(LPCTSTR text)
{
    QWidget* widget = m_state->widget;
    if (widget == nullptr)
    {
        return;
    }
    const QString shown = ToQString(text);
    if (auto* edit = qobject_cast<QLineEdit*>(widget))
    {
        // A new text shows from its start, as an edit control shows it; the same text again
        // leaves the caret where the user put it.
        if (edit->text() != shown)
        {
            edit->setText(shown);
            edit->setCursorPosition(0);
        }
    }
    else if (auto* multiLine = qobject_cast<QPlainTextEdit*>(widget))
    {
        multiLine->setPlainText(shown);
    }
    else if (auto* button = qobject_cast<QAbstractButton*>(widget))
    {
        button->setText(shown);
    }
    else if (auto* label = qobject_cast<QLabel*>(widget))
    {
        label->setText(shown);
    }
    else if (auto* group = qobject_cast<QGroupBox*>(widget))
    {
        group->setTitle(shown);
    }
    else if (auto* combo = qobject_cast<QComboBox*>(widget);
             combo != nullptr && combo->isEditable())
    {
        combo->setEditText(shown);
    }
    else
    {
        widget->setWindowTitle(shown);
    }
}

int CWnd::GetWindowText(CString& text) const
{
    QWidget* widget = m_state->widget;
    QString shown;
    if (widget == nullptr)
    {
        shown.clear();
    }
    else if (auto* edit = qobject_cast<QLineEdit*>(widget))
    {
        shown = edit->text();
    }
    else if (auto* multiLine = qobject_cast<QPlainTextEdit*>(widget))
    {
        shown = multiLine->toPlainText();
    }
    else if (auto* button = qobject_cast<QAbstractButton*>(widget))
    {
        shown = button->text();
    }
    else if (auto* label = qobject_cast<QLabel*>(widget))
    {
        shown = label->text();
    }
    else if (auto* group = qobject_cast<QGroupBox*>(widget))
    {
        shown = group->title();
    }
    else if (auto* combo = qobject_cast<QComboBox*>(widget))
    {
        shown = combo->currentText();
    }
    else
    {
        shown = widget->windowTitle();
    }
    text = FromQString(shown);
    return text.GetLength();
}

int CWnd::GetWindowTextLength() const
{
    CString text;
    return GetWindowText(text);
}

void CWnd::SetDlgItemText(int id, LPCTSTR text)
{
    if (CWnd* item = GetDlgItem(id))
    {
        item->SetWindowText(text);
    }
}

int CWnd::GetDlgItemText(int id, CString& text) const
{
    text.Empty();
    const CWnd* item = GetDlgItem(id);
    return item != nullptr ? item->GetWindowText(text) : 0;
}

namespace
{
CButton* ButtonItem(const CWnd& window, int id)
{
    CWnd* item = window.GetDlgItem(id);
    return item != nullptr && item->IsKindOf(RUNTIME_CLASS(CButton)) ? static_cast<CButton*>(item)
                                                                     : nullptr;
}
} // namespace

void CWnd::CheckDlgButton(int id, UINT state)
{
    if (CButton* button = ButtonItem(*this, id))
    {
        button->SetCheck(static_cast<int>(state));
    }
}

UINT CWnd::IsDlgButtonChecked(int id) const
{
    const CButton* button = ButtonItem(*this, id);
    return button != nullptr ? static_cast<UINT>(button->GetCheck()) : BST_UNCHECKED;
}

void CWnd::CheckRadioButton(int firstId, int lastId, int checkId)
{
    for (int id = firstId; id <= lastId; ++id)
    {
        CheckDlgButton(id, id == checkId ? BST_CHECKED : BST_UNCHECKED);
    }
}

int CWnd::GetCheckedRadioButton(int firstId, int lastId) const
{
    for (int id = firstId; id <= lastId; ++id)
    {
        if (IsDlgButtonChecked(id) == BST_CHECKED)
        {
            return id;
        }
    }
    return 0;
}

BOOL CWnd::EnableWindow(BOOL enable)
{
    QWidget* widget = m_state->widget;
    if (widget == nullptr)
    {
        return FALSE;
    }
    const BOOL wasDisabled = !widget->isEnabled();
    widget->setEnabled(enable != FALSE);
    return wasDisabled;
}

BOOL CWnd::IsWindowEnabled() const
{
    return m_state->widget && m_state->widget->isEnabled();
}

BOOL CWnd::ShowWindow(int command)
{
    QWidget* widget = m_state->widget;
    if (widget == nullptr)
    {
        return FALSE;
    }
    const BOOL wasVisible = !widget->isHidden();
    if (command == SW_SHOWMAXIMIZED)
        widget->showMaximized();
    else
        widget->setVisible(command != SW_HIDE);
    return wasVisible;
}

// Visible as far as the window itself goes: not hidden, nor any of its ancestors.
BOOL CWnd::IsWindowVisible() const
{
    QWidget* widget = m_state->widget;
    if (widget == nullptr)
    {
        return FALSE;
    }
    for (QWidget* w = widget; w != nullptr; w = w->parentWidget())
    {
        if (w->isHidden())
        {
            return FALSE;
        }
    }
    return TRUE;
}

CWnd* CWnd::SetFocus()
{
    CWnd* previous = GetFocus();
    if (m_state->widget)
    {
        m_state->widget->setFocus(Qt::OtherFocusReason);
    }
    return previous;
}

CWnd* CWnd::GetFocus()
{
    return FromHandle(QApplication::focusWidget());
}

void CWnd::Invalidate(BOOL)
{
    if (m_state->widget)
    {
        m_state->widget->update();
    }
}

void CWnd::SetRedraw(BOOL redraw)
{
    if (!m_state->widget)
        return;
    m_state->widget->setUpdatesEnabled(redraw != FALSE);
    if (redraw != FALSE)
        m_state->widget->update();
}

void CWnd::UpdateWindow()
{
    if (m_state->widget)
    {
        m_state->widget->repaint();
    }
}

UINT_PTR CWnd::SetTimer(UINT_PTR id, UINT elapse, void*)
{
    QWidget* widget = m_state->widget;
    if (widget == nullptr)
    {
        return 0;
    }
    QTimer* timer = FindTimer(widget, id);
    if (timer == nullptr)
    {
        timer = new QTimer(widget);
        timer->setObjectName(TimerName(id));
        QObject::connect(timer, &QTimer::timeout, widget,
                         [widget, id]
                         {
                             if (CWnd* handle = FromHandle(widget))
                             {
                                 handle->SendMessage(WM_TIMER, id);
                             }
                         });
    }
    timer->start(static_cast<int>(elapse));
    return id;
}

BOOL CWnd::KillTimer(UINT_PTR id)
{
    QTimer* timer = m_state->widget ? FindTimer(m_state->widget, id) : nullptr;
    if (timer == nullptr)
    {
        return FALSE;
    }
    timer->stop();
    timer->deleteLater();
    timer->setObjectName(QString());
    return TRUE;
}

void CWnd::OnTimer(UINT_PTR) {}

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    return MessageBridge::Send(*this, message, wParam, lParam);
}

BOOL CWnd::PostMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    QWidget* widget = m_state->widget;
    if (widget == nullptr)
    {
        return FALSE;
    }
    QMetaObject::invokeMethod(
        widget,
        [widget, message, wParam, lParam]
        {
            if (CWnd* handle = FromHandle(widget))
            {
                handle->SendMessage(message, wParam, lParam);
            }
        },
        Qt::QueuedConnection);
    return TRUE;
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message)
    {
    case WM_COMMAND:
        return OnCmdMsg(LOWORD(wParam), HIWORD(wParam));
    case WM_NOTIFY:
    {
        LRESULT result = 0;
        OnNotify(wParam, lParam, &result);
        return result;
    }
    case WM_TIMER:
        OnTimer(wParam);
        return 0;
    default:
        break;
    }
    if (const auto it = m_state->messages.find(message); it != m_state->messages.end())
    {
        return it->second(wParam, lParam);
    }
    LRESULT result = 0;
    if (DispatchStandardMessage(message, wParam, lParam, result))
    {
        return result;
    }
    return DefWindowProc(message, wParam, lParam);
}

namespace
{
// The first entry mapped for the code and the control id, or null.
template <typename Entry>
const Entry* FindEntry(const std::vector<Entry>& entries, int code, UINT id)
{
    for (const Entry& entry : entries)
    {
        if (entry.code == code && id >= entry.firstId && id <= entry.lastId)
        {
            return &entry;
        }
    }
    return nullptr;
}
} // namespace

BOOL CWnd::OnCmdMsg(UINT id, int code)
{
    if (const auto* entry = FindEntry(m_state->commands, code, id))
    {
        entry->handler();
        return TRUE;
    }
    return CCmdTarget::OnCmdMsg(id, code);
}

BOOL CWnd::OnNotify(WPARAM, LPARAM lParam, LRESULT* result)
{
    auto* header = reinterpret_cast<NMHDR*>(lParam);
    const auto* entry =
        FindEntry(m_state->notifies, header->code, static_cast<UINT>(header->idFrom));
    if (entry == nullptr)
    {
        return FALSE;
    }
    entry->handler(header, result);
    return TRUE;
}

LRESULT CWnd::NotifyOwner(HWND control, int code, NMHDR* notify)
{
    CWnd* owner = control != nullptr ? EnclosingHandle(control) : nullptr;
    if (owner == nullptr)
    {
        return 0;
    }
    const int id = control->property(kIdProperty).toInt();
    CWnd* self = FromHandle(control);
    UINT message = WM_COMMAND;
    WPARAM wParam = MAKEWPARAM(static_cast<WORD>(id), static_cast<WORD>(code));
    LPARAM lParam = reinterpret_cast<LPARAM>(control);
    if (notify != nullptr)
    {
        notify->hwndFrom = self;
        notify->idFrom = static_cast<UINT_PTR>(id);
        notify->code = code;
        message = WM_NOTIFY;
        wParam = static_cast<WPARAM>(id);
        lParam = reinterpret_cast<LPARAM>(notify);
    }
    LRESULT result = 0;
    if (self != nullptr && self->OnChildNotify(message, wParam, lParam, &result))
    {
        return result;
    }
    return owner->SendMessage(message, wParam, lParam);
}

BOOL CWnd::OnChildNotify(UINT, WPARAM, LPARAM, LRESULT*)
{
    return FALSE;
}

void CWnd::DoDataExchange(CDataExchange*) {}

void CWnd::MapControlRange(int code, UINT firstId, UINT lastId, std::function<void()> handler)
{
    m_state->commands.push_back({code, firstId, lastId, std::move(handler)});
}

void CWnd::MapNotifyRange(int code, UINT firstId, UINT lastId,
                          std::function<void(NMHDR*, LRESULT*)> handler)
{
    m_state->notifies.push_back({code, firstId, lastId, std::move(handler)});
}

void CWnd::MapRowSelection(UINT id, std::function<void(int row)> handler)
{
    auto shared = std::make_shared<std::function<void(int)>>(std::move(handler));
    MapNotifyRange(LVN_ITEMCHANGED, id, id,
                   [this, id, shared](NMHDR* header, LRESULT* result)
                   {
                       *result = 0;
                       // The panel takes the focus from the list: the row it shows stays
                       // highlighted.
                       if (CWnd* list = GetDlgItem(static_cast<int>(id)))
                           list->ModifyStyle(0, LVS_SHOWSELALWAYS);
                       const auto* change = reinterpret_cast<NMLISTVIEW*>(header);
                       if ((change->uNewState & LVIS_SELECTED) != 0 &&
                           (change->uOldState & LVIS_SELECTED) == 0 &&
                           !MessageBridge::IsHandling(GetSafeHwnd()))
                           (*shared)(change->iItem);
                   });
    MapNotifyRange(NM_CLICK, id, id,
                   [shared](NMHDR* header, LRESULT* result)
                   {
                       *result = 0;
                       if (reinterpret_cast<NMITEMACTIVATE*>(header)->iItem < 0)
                           (*shared)(-1);
                   });
}

void CWnd::MapItemSelection(UINT id, std::function<void(TreeItem* item)> handler)
{
    MapNotifyRange(TVN_SELCHANGED, id, id,
                   [this, handler = std::move(handler)](NMHDR* header, LRESULT* result)
                   {
                       *result = 0;
                       if (!MessageBridge::IsHandling(GetSafeHwnd()))
                           handler(reinterpret_cast<NMTREEVIEW*>(header)->itemNew.hItem);
                   });
}

void CWnd::MapMessageHandler(UINT message, std::function<LRESULT(WPARAM, LPARAM)> handler)
{
    m_state->messages[message] = std::move(handler);
}
