#include "platform/ui/MessageBridge.h"

#include "platform/ui/DC.h"
#include "platform/ui/QtGeometry.h"
#include "platform/ui/SystemSettings.h"
#include "platform/ui/ToolTipCtrl.h"
#include "platform/ui/VirtualKeys.h"
#include "platform/ui/WndState.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QApplication>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QCursor>
#include <QDateTime>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPointer>
#include <QWheelEvent>
#include <QWidget>

#include <algorithm>
#include <optional>
#include <vector>

namespace
{
constexpr const char* kBridgedProperty = "weavoBridged";
constexpr const char* kTrackLeaveProperty = "weavoTrackLeave";
constexpr const char* kPaintingProperty = "weavoPainting";

// One message being dispatched; event is the Qt event it came from (null for SendMessage).
struct Dispatch
{
    MSG msg;
    const CWnd* wnd;
    QPointer<QObject> target;
    QEvent* event;
    bool defaultDone;
};

std::vector<Dispatch*>& Dispatches()
{
    static std::vector<Dispatch*> dispatches;
    return dispatches;
}

// Events handed back to Qt by Default(): the bridge lets them pass.
std::vector<QEvent*>& PassingEvents()
{
    static std::vector<QEvent*> passing;
    return passing;
}

class DispatchScope
{
public:
    explicit DispatchScope(Dispatch& dispatch) { Dispatches().push_back(&dispatch); }
    ~DispatchScope() { Dispatches().pop_back(); }
    DispatchScope(const DispatchScope&) = delete;
    DispatchScope& operator=(const DispatchScope&) = delete;
};

UINT MouseKeys(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers)
{
    UINT keys = 0;
    if (buttons & Qt::LeftButton)
        keys |= MK_LBUTTON;
    if (buttons & Qt::RightButton)
        keys |= MK_RBUTTON;
    if (buttons & Qt::MiddleButton)
        keys |= MK_MBUTTON;
    if (modifiers & Qt::ShiftModifier)
        keys |= MK_SHIFT;
    if (modifiers & Qt::ControlModifier)
        keys |= MK_CONTROL;
    return keys;
}

UINT ButtonMessage(QEvent::Type type, Qt::MouseButton button)
{
    const int offset = type == QEvent::MouseButtonPress     ? 0
                       : type == QEvent::MouseButtonRelease ? 1
                                                            : 2;
    switch (button)
    {
    case Qt::LeftButton:
        return WM_LBUTTONDOWN + static_cast<UINT>(offset);
    case Qt::RightButton:
        return WM_RBUTTONDOWN + static_cast<UINT>(offset);
    case Qt::MiddleButton:
        return WM_MBUTTONDOWN + static_cast<UINT>(offset);
    default:
        return 0;
    }
}

// The messages of one event, the last of them the one that carries the event (the others are
// WM_SETCURSOR and WM_MOUSEACTIVATE, which Qt has no event of its own for).
struct Translation
{
    std::vector<MSG> before;
    MSG main{};
    bool input = false;
    // The WM_CHAR of a key press that types, sent once the WM_KEYDOWN handler let the key pass
    // (Default); it carries the event when the character is printable, so that the Default() of
    // WM_CHAR types it, not that of WM_KEYDOWN.
    std::optional<MSG> character;
    bool characterTypes = false;
};

MSG MakeMsg(QWidget* window, UINT message, WPARAM wParam, LPARAM lParam)
{
    const QPoint cursor = QCursor::pos();
    return {window,
            message,
            wParam,
            lParam,
            static_cast<DWORD>(QDateTime::currentMSecsSinceEpoch()),
            FromQPoint(cursor)};
}

// False when the event is none the window hears of from that widget.
bool Translate(QWidget* window, QWidget* source, bool fromViewport, QEvent* event, Translation& out)
{
    const bool pointerSource =
        fromViewport || qobject_cast<QAbstractScrollArea*>(window) == nullptr;
    switch (event->type())
    {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    {
        if (!pointerSource)
            return false;
        auto* mouse = static_cast<QMouseEvent*>(event);
        const QPoint point = source->mapTo(window, mouse->position().toPoint());
        const UINT message = event->type() == QEvent::MouseMove
                                 ? WM_MOUSEMOVE
                                 : ButtonMessage(event->type(), mouse->button());
        if (message == 0)
            return false;
        const LPARAM where = PointToLParam(FromQPoint(point));
        out.main = MakeMsg(window, message, MouseKeys(mouse->buttons(), mouse->modifiers()), where);
        out.main.pt = FromQPoint(mouse->globalPosition().toPoint());
        const auto hit = static_cast<WORD>(HTCLIENT);
        const auto handle = reinterpret_cast<WPARAM>(window);
        if (message == WM_MOUSEMOVE)
            out.before.push_back(
                MakeMsg(window, WM_SETCURSOR, handle, MAKELPARAM(hit, static_cast<WORD>(message))));
        else if (event->type() == QEvent::MouseButtonPress)
            out.before.push_back(MakeMsg(window, WM_MOUSEACTIVATE,
                                         reinterpret_cast<WPARAM>(window->window()),
                                         MAKELPARAM(hit, static_cast<WORD>(message))));
        out.input = true;
        return true;
    }
    case QEvent::Wheel:
    {
        if (!pointerSource)
            return false;
        auto* wheel = static_cast<QWheelEvent*>(event);
        const auto delta = static_cast<WORD>(static_cast<short>(wheel->angleDelta().y()));
        const auto keys = static_cast<WORD>(MouseKeys(wheel->buttons(), wheel->modifiers()));
        out.main = MakeMsg(window, WM_MOUSEWHEEL, MAKEWPARAM(keys, delta),
                           PointToLParam(FromQPoint(wheel->globalPosition().toPoint())));
        out.input = true;
        return true;
    }
    case QEvent::ContextMenu:
    {
        if (!pointerSource)
            return false;
        auto* menu = static_cast<QContextMenuEvent*>(event);
        const LPARAM where = menu->reason() == QContextMenuEvent::Keyboard
                                 ? -1
                                 : PointToLParam(FromQPoint(menu->globalPos()));
        out.main = MakeMsg(window, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(window), where);
        return true;
    }
    case QEvent::Paint:
        if (!pointerSource)
            return false;
        out.main = MakeMsg(window, WM_PAINT, 0, 0);
        return true;
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    {
        if (fromViewport)
            return false;
        auto* key = static_cast<QKeyEvent*>(event);
        const UINT code = VirtualKeyOf(key->key());
        const LPARAM flags = 1 | (key->isAutoRepeat() ? (1 << 30) : 0);
        const bool types = event->type() == QEvent::KeyPress && !key->text().isEmpty();
        if (code == 0 && !types)
            return false;
        out.input = true;
        const QChar typed = types ? key->text().at(0) : QChar();
        const MSG character = MakeMsg(window, WM_CHAR, typed.unicode(), flags);
        if (code == 0)
        {
            out.main = character;
            return true;
        }
        out.main =
            MakeMsg(window, event->type() == QEvent::KeyPress ? WM_KEYDOWN : WM_KEYUP, code, flags);
        if (types)
        {
            out.character = character;
            out.characterTypes = typed.isPrint();
        }
        return true;
    }
    case QEvent::Leave:
        if (fromViewport || !window->property(kTrackLeaveProperty).toBool())
            return false;
        window->setProperty(kTrackLeaveProperty, false);
        out.main = MakeMsg(window, WM_MOUSELEAVE, 0, 0);
        return true;
    case QEvent::FocusIn:
    case QEvent::FocusOut:
        if (fromViewport)
            return false;
        out.main = MakeMsg(window, event->type() == QEvent::FocusIn ? WM_SETFOCUS : WM_KILLFOCUS,
                           event->type() == QEvent::FocusOut
                               ? reinterpret_cast<WPARAM>(QApplication::focusWidget())
                               : 0,
                           0);
        return true;
    case QEvent::Resize:
    {
        if (fromViewport)
            return false;
        const QSize size = window->size();
        out.main =
            MakeMsg(window, WM_SIZE, window->isMaximized() ? SIZE_MAXIMIZED : SIZE_RESTORED,
                    MAKELPARAM(static_cast<WORD>(size.width()), static_cast<WORD>(size.height())));
        return true;
    }
    case QEvent::EnabledChange:
        if (fromViewport)
            return false;
        out.main = MakeMsg(window, WM_ENABLE, window->isEnabled() ? 1 : 0, 0);
        return true;
    case QEvent::Close:
        if (fromViewport)
            return false;
        out.main = MakeMsg(window, WM_CLOSE, 0, 0);
        return true;
    default:
        return false;
    }
}

// The OnCtlColor kind of a control's widget; 0 for widgets that do not ask.
UINT CtlColorKind(const QWidget* widget)
{
    if (qobject_cast<const QLineEdit*>(widget) != nullptr ||
        qobject_cast<const QPlainTextEdit*>(widget) != nullptr)
        return WM_CTLCOLOREDIT;
    if (qobject_cast<const QListWidget*>(widget) != nullptr)
        return WM_CTLCOLORLISTBOX;
    if (qobject_cast<const QAbstractButton*>(widget) != nullptr)
        return WM_CTLCOLORBTN;
    if (qobject_cast<const QLabel*>(widget) != nullptr)
        return WM_CTLCOLORSTATIC;
    return 0;
}

// Asks the control's parent for its colours (WM_CTLCOLOR...) and shows them.
void AskControlColours(CWnd& control)
{
    QWidget* widget = control.GetSafeHwnd();
    const UINT message = CtlColorKind(widget);
    CWnd* parent = message != 0 ? control.GetParent() : nullptr;
    if (parent == nullptr)
        return;
    CDC dc;
    dc.CreateCompatibleDC(nullptr);
    const COLORREF text = GetSysColor(COLOR_WINDOWTEXT);
    dc.SetTextColor(text);
    const auto* brush = reinterpret_cast<const CBrush*>(MessageBridge::Send(
        *parent, message, reinterpret_cast<WPARAM>(&dc), reinterpret_cast<LPARAM>(widget)));
    QPalette palette = widget->palette();
    if (dc.GetTextColor() != text)
    {
        for (const QPalette::ColorRole role :
             {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
            palette.setColor(role, ToQColor(dc.GetTextColor()));
    }
    if (brush != nullptr && brush->m_created && !brush->m_hollow)
    {
        for (const QPalette::ColorRole role : {QPalette::Window, QPalette::Base, QPalette::Button})
            palette.setColor(role, ToQColor(brush->m_colour));
        widget->setAutoFillBackground(true);
    }
    if (palette != widget->palette())
        widget->setPalette(palette);
}

// Offers the window the background of its paint (WM_ERASEBKGND).
void EraseBackground(CWnd& wnd)
{
    CPaintDC dc(&wnd);
    MessageBridge::Send(wnd, WM_ERASEBKGND, reinterpret_cast<WPARAM>(&dc), 0);
}

// Whether the window takes the key rather than the dialog it is in (WM_GETDLGCODE).
bool WantsKey(CWnd& wnd, const QKeyEvent& key)
{
    const bool tab = key.key() == Qt::Key_Tab || key.key() == Qt::Key_Backtab;
    const bool dialogKey = tab || key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter ||
                           key.key() == Qt::Key_Escape;
    if (!dialogKey)
        return true;
    const auto code =
        static_cast<UINT>(MessageBridge::Send(wnd, WM_GETDLGCODE, VirtualKeyOf(key.key()), 0));
    return (code & DLGC_WANTALLKEYS) != 0 || (tab && (code & DLGC_WANTTAB) != 0);
}

// The windows whose PreTranslateMessage runs, outermost first.
std::vector<const QWidget*>& Translating()
{
    static std::vector<const QWidget*> windows;
    return windows;
}

class TranslatingScope
{
public:
    explicit TranslatingScope(const QWidget* window) { Translating().push_back(window); }
    ~TranslatingScope() { Translating().pop_back(); }
    TranslatingScope(const TranslatingScope&) = delete;
    TranslatingScope& operator=(const TranslatingScope&) = delete;
};

// Relays the message and offers it to the window and its parents, innermost first.
bool PreTranslate(CWnd* wnd, MSG& msg)
{
    MessageBridge::RelayInput(wnd, msg);
    for (CWnd* handle = wnd; handle != nullptr; handle = handle->GetParent())
    {
        const TranslatingScope scope(handle->GetSafeHwnd());
        if (handle->PreTranslateMessage(&msg))
            return true;
    }
    return false;
}
} // namespace

void MessageBridge::Install(QWidget* widget)
{
    if (widget->property(kBridgedProperty).toBool())
        return;
    widget->setProperty(kBridgedProperty, true);
    auto* bridge = new MessageBridge(widget);
    widget->installEventFilter(bridge);
    widget->setMouseTracking(true);
    if (auto* area = qobject_cast<QAbstractScrollArea*>(widget))
    {
        area->viewport()->installEventFilter(bridge);
        area->viewport()->setMouseTracking(true);
    }
}

void MessageBridge::RelayInput(CWnd* wnd, MSG& msg)
{
    for (CWnd* handle = wnd; handle != nullptr; handle = handle->GetParent())
    {
        // A copy: a relay may add or remove relays.
        const auto relays = handle->m_state->inputRelays;
        for (const auto& entry : relays)
            entry.second(&msg);
    }
}

LRESULT MessageBridge::Send(CWnd& wnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    Dispatch dispatch{MakeMsg(wnd.GetSafeHwnd(), message, wParam, lParam), &wnd, nullptr, nullptr,
                      false};
    const DispatchScope scope(dispatch);
    return wnd.WindowProc(message, wParam, lParam);
}

LRESULT MessageBridge::RunDefault(const CWnd& wnd, UINT message)
{
    if (Dispatches().empty())
        return 0;
    Dispatch& current = *Dispatches().back();
    if (current.wnd != &wnd || current.msg.message != message || current.defaultDone)
        return 0;
    current.defaultDone = true;
    if (current.event == nullptr || current.target.isNull())
        return 0;
    PassingEvents().push_back(current.event);
    const bool handled = QCoreApplication::sendEvent(current.target, current.event);
    PassingEvents().pop_back();
    return handled ? 1 : 0;
}

const MSG* MessageBridge::CurrentMessage()
{
    return Dispatches().empty() ? nullptr : &Dispatches().back()->msg;
}

const QEvent* MessageBridge::CurrentEvent()
{
    return Dispatches().empty() ? nullptr : Dispatches().back()->event;
}

QWidget* MessageBridge::CurrentWidget()
{
    return Dispatches().empty() ? nullptr : Dispatches().back()->msg.hwnd;
}

bool MessageBridge::IsHandling(const QWidget* window)
{
    const auto& dispatches = Dispatches();
    const bool dispatching =
        dispatches.size() > 1 &&
        std::any_of(dispatches.begin(), dispatches.end() - 1,
                    [window](const Dispatch* dispatch) { return dispatch->msg.hwnd == window; });
    return dispatching ||
           std::find(Translating().begin(), Translating().end(), window) != Translating().end();
}

namespace
{
// Hands the mouse events of other widgets to the window that has the capture.
class CaptureRouter : public QObject
{
public:
    QPointer<QWidget> captured;

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        const bool mouse = event->type() == QEvent::MouseButtonPress ||
                           event->type() == QEvent::MouseButtonRelease ||
                           event->type() == QEvent::MouseButtonDblClick ||
                           event->type() == QEvent::MouseMove;
        if (!mouse || !watched->isWidgetType() || captured.isNull())
            return false;
        auto* widget = static_cast<QWidget*>(watched);
        CWnd* wnd = CWnd::FromHandle(captured);
        if (wnd == nullptr || widget == captured || captured->isAncestorOf(widget))
            return false;
        auto* press = static_cast<QMouseEvent*>(event);
        const UINT message = event->type() == QEvent::MouseMove
                                 ? WM_MOUSEMOVE
                                 : ButtonMessage(event->type(), press->button());
        if (message == 0)
            return false;
        const QPoint point = captured->mapFromGlobal(press->globalPosition().toPoint());
        MessageBridge::Send(*wnd, message, MouseKeys(press->buttons(), press->modifiers()),
                            PointToLParam(FromQPoint(point)));
        return true;
    }
};

CaptureRouter& Router()
{
    static auto* router = new CaptureRouter;
    return *router;
}
} // namespace

void MessageBridge::RouteMouseTo(QWidget* window)
{
    CaptureRouter& router = Router();
    router.captured = window;
    if (window != nullptr)
        QCoreApplication::instance()->installEventFilter(&router);
    else
        QCoreApplication::instance()->removeEventFilter(&router);
}

bool MessageBridge::IsPainting(const QWidget* window)
{
    return window != nullptr && window->property(kPaintingProperty).toBool();
}

bool MessageBridge::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type())
    {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::Wheel:
    case QEvent::ContextMenu:
    case QEvent::Paint:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::Leave:
    case QEvent::FocusIn:
    case QEvent::FocusOut:
    case QEvent::Resize:
    case QEvent::EnabledChange:
    case QEvent::Close:
    case QEvent::ToolTip:
        break;
    default:
        return false;
    }
    const auto& passing = PassingEvents();
    if (std::find(passing.begin(), passing.end(), event) != passing.end() ||
        !watched->isWidgetType())
        return false;
    auto* source = static_cast<QWidget*>(watched);
    QWidget* window = source;
    bool fromViewport = false;
    if (CWnd::FromHandle(source) == nullptr)
    {
        auto* area = qobject_cast<QAbstractScrollArea*>(source->parentWidget());
        if (area == nullptr || area->viewport() != source || CWnd::FromHandle(area) == nullptr)
            return false;
        window = area;
        fromViewport = true;
    }
    if (event->type() == QEvent::Paint && IsPainting(window))
        return false;
    if (event->type() == QEvent::ToolTip)
    {
        CWnd* wnd = CWnd::FromHandle(window);
        if (wnd == nullptr || !window->property(kToolTipsProperty).toBool())
            return false;
        const auto* help = static_cast<QHelpEvent*>(event);
        ShowToolTipOf(*wnd, source, help->pos(), help->globalPos());
        return true;
    }
    Translation translation;
    if (!Translate(window, source, fromViewport, event, translation))
        return false;

    const QPointer<QWidget> alive(window);
    for (MSG& msg : translation.before)
    {
        CWnd* wnd = CWnd::FromHandle(window);
        Dispatch dispatch{msg, wnd, nullptr, nullptr, false};
        const DispatchScope scope(dispatch);
        wnd->WindowProc(msg.message, msg.wParam, msg.lParam);
        if (alive.isNull())
            return true;
    }
    CWnd* wnd = CWnd::FromHandle(window);
    if (wnd == nullptr)
        return false;
    if (translation.input && PreTranslate(wnd, translation.main))
    {
        event->accept();
        return true;
    }
    if (alive.isNull() || (wnd = CWnd::FromHandle(window)) == nullptr)
        return true;
    // A key the window leaves to its dialog gets Qt's handling: Tab moves the focus.
    if (event->type() == QEvent::KeyPress && !WantsKey(*wnd, *static_cast<QKeyEvent*>(event)))
        return alive.isNull();
    if (event->type() == QEvent::Paint)
    {
        AskControlColours(*wnd);
        EraseBackground(*wnd);
        if (alive.isNull() || (wnd = CWnd::FromHandle(window)) == nullptr)
            return true;
    }
    const bool charTakesEvent = translation.character && translation.characterTypes;
    Dispatch dispatch{translation.main, wnd, charTakesEvent ? nullptr : source,
                      charTakesEvent ? nullptr : event, false};
    {
        const DispatchScope scope(dispatch);
        const bool paint = event->type() == QEvent::Paint;
        if (paint)
            window->setProperty(kPaintingProperty, true);
        wnd->WindowProc(translation.main.message, translation.main.wParam, translation.main.lParam);
        if (paint && !alive.isNull())
            window->setProperty(kPaintingProperty, false);
    }
    if (translation.character && dispatch.defaultDone && !alive.isNull() &&
        (wnd = CWnd::FromHandle(window)) != nullptr)
    {
        Dispatch typed{*translation.character, wnd, charTakesEvent ? source : nullptr,
                       charTakesEvent ? event : nullptr, false};
        const DispatchScope scope(typed);
        wnd->WindowProc(WM_CHAR, translation.character->wParam, translation.character->lParam);
    }
    // Consumed: a close the handler did not pass on leaves the window open.
    if (event->type() == QEvent::Close)
        event->setAccepted(dispatch.defaultDone && event->isAccepted());
    else
        event->accept();
    return true;
}

BOOL TrackMouseEvent(TRACKMOUSEEVENT* track)
{
    if (track == nullptr || track->hwndTrack == nullptr)
        return FALSE;
    if ((track->dwFlags & TME_LEAVE) != 0)
        track->hwndTrack->setProperty(kTrackLeaveProperty, (track->dwFlags & TME_CANCEL) == 0);
    return TRUE;
}

BOOL _TrackMouseEvent(TRACKMOUSEEVENT* track)
{
    return TrackMouseEvent(track);
}

short GetKeyState(int virtualKey)
{
    const Qt::KeyboardModifiers modifiers = QGuiApplication::queryKeyboardModifiers();
    const Qt::MouseButtons buttons = QGuiApplication::mouseButtons();
    bool down = false;
    switch (static_cast<UINT>(virtualKey))
    {
    case VK_SHIFT:
        down = modifiers & Qt::ShiftModifier;
        break;
    case VK_CONTROL:
        down = modifiers & Qt::ControlModifier;
        break;
    case VK_MENU:
        down = modifiers & Qt::AltModifier;
        break;
    case VK_LBUTTON:
        down = buttons & Qt::LeftButton;
        break;
    case VK_RBUTTON:
        down = buttons & Qt::RightButton;
        break;
    default:
        break;
    }
    return down ? static_cast<short>(0x8000) : 0;
}

short GetAsyncKeyState(int virtualKey)
{
    return GetKeyState(virtualKey);
}

BOOL GetCursorPos(LPPOINT point)
{
    *point = FromQPoint(QCursor::pos());
    return TRUE;
}
