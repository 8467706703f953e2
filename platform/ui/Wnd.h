#pragma once

#include "platform/core/CString.h"
#include "platform/core/Types.h"
#include "platform/ui/CmdTarget.h"
#include "platform/ui/Cursor.h"
#include "platform/ui/Geometry.h"
#include "platform/ui/Messages.h"
#include "platform/ui/WindowStyles.h"

#include <functional>
#include <memory>

// A window is a Qt widget; a CWnd is a handle on one. Several handles may share a widget (a
// control built by a dialog template and the member bound to it by DDX_Control); the widget's
// state lives in the widget, so every handle sees the same. A handle outlives its widget safely:
// once the widget is gone, GetSafeHwnd is null and the operations do nothing.
//
// Qt's events reach the widget's first handle as messages (see Messages.h): WindowProc runs the
// mapped handler or the On... handler of the message, and Default() lets Qt do its own handling
// of the event at that point. A handler that does not call Default() consumes the event.
// Notification codes of the controls.
constexpr int BN_CLICKED = 0;
constexpr int EN_SETFOCUS = 0x0100;
constexpr int EN_KILLFOCUS = 0x0200;
constexpr int EN_CHANGE = 0x0300;
constexpr int CBN_SELCHANGE = 1;
constexpr int CBN_DBLCLK = 2;
constexpr int CBN_KILLFOCUS = 4;
constexpr int LBN_SELCHANGE = 1;
constexpr int LBN_DBLCLK = 2;
constexpr int NM_CLICK = -2;
constexpr int NM_DBLCLK = -3;
constexpr int NM_RCLICK = -5;

// Button states.
constexpr UINT BST_UNCHECKED = 0;
constexpr UINT BST_CHECKED = 1;
constexpr UINT BST_INDETERMINATE = 2;

// ShowWindow commands.
constexpr int SW_HIDE = 0;
constexpr int SW_SHOWNORMAL = 1;
constexpr int SW_SHOWMAXIMIZED = 3;
constexpr int SW_MAXIMIZE = SW_SHOWMAXIMIZED;
constexpr int SW_SHOW = 5;

class CWnd;

// The header of a WM_NOTIFY notification; control notifications extend it.
struct NMHDR
{
    CWnd* hwndFrom;
    UINT_PTR idFrom;
    int code;
};

// What OnCreate receives: the create context of a frame's views, and the window's placement.
struct CCreateContext;
struct CREATESTRUCT
{
    CCreateContext* lpCreateParams = nullptr;
    DWORD style = 0;
    DWORD dwExStyle = 0;
    int x = 0;
    int y = 0;
    int cx = 0;
    int cy = 0;
};
using LPCREATESTRUCT = CREATESTRUCT*;

// Places for SetWindowPos.
extern const CWnd wndTop;
extern const CWnd wndTopMost;

// Ends the capture of SetCapture.
BOOL ReleaseCapture();

// A class name for Create; the styles and the cursor are kept for windows of the class.
CString AfxRegisterWndClass(UINT classStyle, HCURSOR cursor = nullptr, void* background = nullptr,
                            void* icon = nullptr);

// A message number unique in the process, the same for the same name; numbers start at 0xC000.
UINT RegisterWindowMessage(const char* name);

class CDataExchange;
class CBrush;
class CDC;
struct TOOLINFO;
struct TreeItem;
class CFont;
class CMenu;
struct DRAWITEMSTRUCT;
struct MEASUREITEMSTRUCT;
struct DialogTemplate;
struct WndState;

class CWnd : public CCmdTarget
{
    DECLARE_DYNAMIC(CWnd)

public:
    CWnd();
    ~CWnd() override;
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;

    // The widget, or null when there is none (never created, or destroyed since).
    HWND GetSafeHwnd() const;
    // Makes this a handle on an existing widget that someone else owns. The first handle attached
    // to a widget is the one FromHandle returns.
    BOOL Attach(HWND widget);
    HWND Detach();
    // The first handle attached to the widget (null when none is).
    static CWnd* FromHandle(HWND widget);
    // Destroys the widget if this handle owns it (SetOwnedWidget: dialogs, views, frames, controls
    // made by Create); otherwise only detaches. The child handles of GetDlgItem go with it.
    virtual BOOL DestroyWindow();

    // Makes the window: WS_CHILD in the parent's widget; WS_POPUP (or no parent) a window of its
    // own, owned by the parent, without caption unless WS_CAPTION, on top of the others with
    // WS_EX_TOPMOST, never taking the activation with WS_EX_NOACTIVATE. The class name is kept
    // (AfxRegisterWndClass). Runs OnCreate; FALSE, with no window left, when that answers -1.
    virtual BOOL Create(LPCTSTR className, LPCTSTR windowName, DWORD style, const RECT& rect,
                        CWnd* parent, UINT id, CCreateContext* context = nullptr);
    BOOL CreateEx(DWORD exStyle, LPCTSTR className, LPCTSTR windowName, DWORD style,
                  const RECT& rect, CWnd* parent, UINT id, void* param = nullptr);
    DWORD GetStyle() const;
    DWORD GetExStyle() const;
    BOOL ModifyStyle(DWORD remove, DWORD add, UINT flags = 0);

    // Makes this handle the one that receives the widget's messages and its controls'
    // reflected notifications (the handle it replaces keeps its widget); runs
    // PreSubclassWindow. FALSE when this handle already has a widget.
    BOOL SubclassWindow(HWND widget);
    BOOL SubclassDlgItem(UINT id, CWnd* parent);
    HWND UnsubclassWindow();

    // The nearest enclosing widget that has a handle (for a dialog, the window it belongs to).
    CWnd* GetParent() const;
    // The window set by SetOwner, else the parent.
    CWnd* GetOwner() const;
    void SetOwner(CWnd* owner);
    // The nearest top-level window that has a handle (this one when it is one).
    CWnd* GetTopLevelParent() const;
    int GetDlgCtrlID() const;
    int SetDlgCtrlID(int id);
    // The child control of that id built for this window (by its template, or registered);
    // null when there is none.
    CWnd* GetDlgItem(int id) const;

    void SetWindowText(LPCTSTR text);
    int GetWindowText(CString& text) const;
    int GetWindowTextLength() const;
    void SetDlgItemText(int id, LPCTSTR text);
    int GetDlgItemText(int id, CString& text) const;
    // Check boxes and radio buttons: state is BST_UNCHECKED, BST_CHECKED or BST_INDETERMINATE.
    void CheckDlgButton(int id, UINT state);
    UINT IsDlgButtonChecked(int id) const;
    // Checks checkId and clears the other radio buttons with ids in [firstId, lastId].
    void CheckRadioButton(int firstId, int lastId, int checkId);
    // The checked radio button with an id in [firstId, lastId], 0 when none is.
    int GetCheckedRadioButton(int firstId, int lastId) const;

    // Moves values between the controls and the members that DoDataExchange names: into the
    // controls for FALSE, out of them (with the range checks) for TRUE. FALSE when a check
    // failed: its message has been shown and the focus put on the control at fault.
    BOOL UpdateData(BOOL saveAndValidate = TRUE);

    // Returns TRUE when the window was disabled before the call.
    BOOL EnableWindow(BOOL enable = TRUE);
    BOOL IsWindowEnabled() const;
    // Returns TRUE when the window was visible before the call.
    BOOL ShowWindow(int command);
    BOOL IsWindowVisible() const;
    // Returns the window that had the focus.
    CWnd* SetFocus();
    static CWnd* GetFocus();
    void Invalidate(BOOL erase = TRUE);
    void InvalidateRect(LPCRECT rect, BOOL erase = TRUE);
    void UpdateWindow();
    // FALSE stops the window from painting until TRUE, which repaints it.
    void SetRedraw(BOOL redraw = TRUE);
    BOOL RedrawWindow(LPCRECT rect = nullptr);

    // Geometry. The client area starts at (0, 0); for a control that scrolls, it is the whole
    // control, the header included. The window rectangle is in screen coordinates.
    void GetClientRect(LPRECT rect) const;
    void GetWindowRect(LPRECT rect) const;
    void ClientToScreen(LPPOINT point) const;
    void ClientToScreen(LPRECT rect) const;
    void ScreenToClient(LPPOINT point) const;
    void ScreenToClient(LPRECT rect) const;
    // Places the window, in its parent's client coordinates (screen ones for a window of its own).
    void MoveWindow(int x, int y, int width, int height, BOOL repaint = TRUE);
    void MoveWindow(LPCRECT rect, BOOL repaint = TRUE);
    // insertAfter: &wndTop or &wndTopMost raise the window, null leaves the order.
    BOOL SetWindowPos(const CWnd* insertAfter, int x, int y, int width, int height, UINT flags);
    // The window with a handle under the screen point (the innermost one); null when none.
    static CWnd* WindowFromPoint(POINT point);
    // The child window with a handle at the client point, this window when no child is there,
    // null when the point is outside.
    CWnd* ChildWindowFromPoint(POINT point) const;

    // Every mouse message goes to this window until ReleaseCapture.
    CWnd* SetCapture();
    static CWnd* GetCapture();

    // A client DC of the window (see CClientDC), kept by the window until ReleaseDC or its end.
    CDC* GetDC();
    // 1 when the DC was one of this window's, 0 otherwise.
    int ReleaseDC(CDC* dc);

    // The font the window shows its text in. GetFont's object lives until the next call.
    void SetFont(CFont* font, BOOL redraw = TRUE);
    CFont* GetFont() const;

    // The window's menu: a frame shows it as its menu bar, whose commands reach the window as
    // WM_COMMAND. The window destroys the menu it shows when it is destroyed.
    BOOL SetMenu(CMenu* menu);
    CMenu* GetMenu() const;
    // Shows the menu again after its items changed.
    void DrawMenuBar();

    // Tool tips of the window's tools: when on, the mouse resting on the window asks
    // OnToolHitTest for the tool under it and shows its text.
    BOOL EnableToolTips(BOOL enable = TRUE);
    // The tool at the client point, described in toolInfo; its id, -1 when there is none. Here
    // the child control under the point, the text asked for with TTN_NEEDTEXT.
    virtual INT_PTR OnToolHitTest(CPoint point, TOOLINFO* toolInfo) const;

    // Offered every mouse and key message of this window and its children, innermost window
    // first, before it is dispatched; TRUE when it was handled here (it is then not dispatched).
    virtual BOOL PreTranslateMessage(MSG* msg);
    // The message being dispatched (null outside of one).
    static const MSG* GetCurrentMessage();
    // Every mouse and key message of this window and its children goes to the relay before any
    // PreTranslateMessage sees it (a tool-tip control follows the mouse over its window's tools).
    // One relay per relaying window; the relaying window removes it before it goes.
    void AddInputRelay(const CWnd* relaying, std::function<void(MSG*)> relay);
    void RemoveInputRelay(const CWnd* relaying);

    // Starts (or restarts) timer id; OnTimer(id) runs every elapse milliseconds while the event
    // loop runs. Returns id, or 0 without a widget.
    UINT_PTR SetTimer(UINT_PTR id, UINT elapse, void* unused = nullptr);
    BOOL KillTimer(UINT_PTR id);

    // Dispatches through WindowProc at once.
    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
    // Queues the message for the event loop; dropped if the widget is destroyed first. FALSE
    // without a widget.
    BOOL PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);

    // Routes a command (menu, tool bar, button: code 0 = BN_CLICKED) or a control notification
    // (WM_COMMAND) to the handlers mapped on this window: MapControl entries first, then the
    // MapCommand entries of CCmdTarget for code 0. TRUE when a handler ran. Frames and views
    // override it to pass commands on.
    BOOL OnCmdMsg(UINT id, int code) override;

    // Sends a control's notification to the nearest enclosing widget that has a handle (the
    // dialog or view the control was built for): WM_COMMAND, or WM_NOTIFY when notify is given
    // (its header is filled in here). Returns what the owner's WindowProc returned, 0 when no
    // window encloses the control.
    static LRESULT NotifyOwner(HWND control, int code, NMHDR* notify = nullptr);

protected:
    // Dispatches WM_COMMAND to OnCmdMsg, WM_NOTIFY to OnNotify, a message mapped by MapMessage to
    // its handler, the others to the On... handlers below; DefWindowProc when none takes it.
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    // Qt's own handling of the message being dispatched, at once and at most once; 0 for
    // messages that did not come from Qt.
    LRESULT Default();
    virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    // Runs when a handle subclasses a widget, before it receives messages.
    virtual void PreSubclassWindow();

    // Message handlers. Each runs Default() unless a class overrides it.
    virtual int OnCreate(LPCREATESTRUCT createStruct);
    virtual void OnDestroy();
    virtual void OnClose();
    virtual void OnPaint();
    virtual void OnSize(UINT type, int cx, int cy);
    virtual void OnSetFocus(CWnd* oldWnd);
    virtual void OnKillFocus(CWnd* newWnd);
    virtual void OnEnable(BOOL enable);
    virtual void OnSysColorChange();
    virtual BOOL OnSetCursor(CWnd* wnd, UINT hitTest, UINT message);
    virtual int OnMouseActivate(CWnd* topParent, UINT hitTest, UINT message);
    virtual void OnMouseMove(UINT flags, CPoint point);
    virtual void OnMouseLeave();
    virtual BOOL OnMouseWheel(UINT flags, short delta, CPoint point);
    virtual void OnLButtonDown(UINT flags, CPoint point);
    virtual void OnLButtonUp(UINT flags, CPoint point);
    virtual void OnLButtonDblClk(UINT flags, CPoint point);
    virtual void OnRButtonDown(UINT flags, CPoint point);
    virtual void OnRButtonUp(UINT flags, CPoint point);
    virtual void OnRButtonDblClk(UINT flags, CPoint point);
    virtual void OnKeyDown(UINT key, UINT repeatCount, UINT flags);
    virtual void OnKeyUp(UINT key, UINT repeatCount, UINT flags);
    // The character a key press types (WM_CHAR), after its WM_KEYDOWN handler let the key pass
    // with Default(); Default() here types a printable one into the control.
    virtual void OnChar(UINT character, UINT repeatCount, UINT flags);
    // Before each paint, with the paint's DC; nonzero when the handler erased the background.
    virtual BOOL OnEraseBkgnd(CDC* dc);
    // A child control is about to paint (CTLCOLOR_...): the text and background colours set in
    // dc and the brush answered (null: the control's own) are the control's.
    virtual CBrush* OnCtlColor(CDC* dc, CWnd* control, UINT kind);
    // The keys the window wants (DLGC_...); Default() wants all of them.
    virtual UINT OnGetDlgCode();
    virtual void OnContextMenu(CWnd* wnd, CPoint point);
    // A scroll bar control's action (SB_...); pos is the position of SB_THUMBTRACK.
    virtual void OnVScroll(UINT code, UINT pos, class CScrollBar* bar);
    virtual void OnHScroll(UINT code, UINT pos, class CScrollBar* bar);
    // Owner drawing: a menu item goes to the object of the menu that holds it, a control's item
    // to the control (reflected, OnChildNotify).
    virtual void OnMeasureItem(int idCtl, MEASUREITEMSTRUCT* measureItem);
    virtual void OnDrawItem(int idCtl, DRAWITEMSTRUCT* drawItem);
    // Runs the MapNotify entry for the header's code and id; TRUE when one ran.
    virtual BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result);
    // A notification of this window's own control, offered to it before its owner sees it
    // (WM_COMMAND or WM_NOTIFY); TRUE when handled here, and the owner is not told.
    virtual BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);
    // Names the members that UpdateData exchanges with the controls; none here.
    virtual void DoDataExchange(CDataExchange* pDX);
    virtual void OnTimer(UINT_PTR id);

    // Message-map entries, usually made in a constructor: the handler runs for code from any
    // control id in [firstId, lastId].
    void MapControlRange(int code, UINT firstId, UINT lastId, std::function<void()> handler);
    void MapNotifyRange(int code, UINT firstId, UINT lastId,
                        std::function<void(NMHDR*, LRESULT*)> handler);
    void MapMessageHandler(UINT message, std::function<LRESULT(WPARAM, LPARAM)> handler);
    // The selection of list control id moved to a row (LVN_ITEMCHANGED), by a click, a key or
    // code, or a click left no row (-1, NM_CLICK); of tree control id, to an item or none
    // (TVN_SELCHANGED). A move made while this window handles another message (a handler
    // showing its rows again) is its own and not told. The list shows its selected row while
    // the panel that follows it has the focus (LVS_SHOWSELALWAYS).
    void MapRowSelection(UINT id, std::function<void(int row)> handler);
    void MapItemSelection(UINT id, std::function<void(TreeItem* item)> handler);

    template <typename T> void MapControl(int code, UINT id, void (T::*handler)())
    {
        T* self = static_cast<T*>(this);
        MapControlRange(code, id, id, [self, handler] { (self->*handler)(); });
    }
    template <typename T> void MapNotify(int code, UINT id, void (T::*handler)(NMHDR*, LRESULT*))
    {
        T* self = static_cast<T*>(this);
        MapNotifyRange(code, id, id,
                       [self, handler](NMHDR* hdr, LRESULT* result)
                       { (self->*handler)(hdr, result); });
    }
    template <typename T> void MapRowSelection(UINT id, void (T::*handler)(int row))
    {
        T* self = static_cast<T*>(this);
        MapRowSelection(id, [self, handler](int row) { (self->*handler)(row); });
    }
    template <typename T> void MapItemSelection(UINT id, void (T::*handler)(TreeItem* item))
    {
        T* self = static_cast<T*>(this);
        MapItemSelection(id, [self, handler](TreeItem* item) { (self->*handler)(item); });
    }
    template <typename T> void MapMessage(UINT message, LRESULT (T::*handler)(WPARAM, LPARAM))
    {
        T* self = static_cast<T*>(this);
        MapMessageHandler(message, [self, handler](WPARAM wParam, LPARAM lParam)
                          { return (self->*handler)(wParam, lParam); });
    }

    // Drops the mapped handlers: a destructor that destroys the window calls it first, as the
    // handlers belong to the part of the object that is already gone.
    void ClearMessageMap();

    // For windows that build their own widget (dialogs, views, frames): the handle owns it and
    // deletes it on DestroyWindow or destruction unless it has a parent that deleted it first.
    void SetOwnedWidget(HWND widget);
    // Adds a handle for a child control; the window keeps it and GetDlgItem(id) returns it.
    CWnd* AddDlgItem(int id, std::unique_ptr<CWnd> control);
    // Builds the template's controls into this window's widget, laid out by its layout, and
    // adds a handle of the control's class for each (CEdit, CButton, CComboBox, ...).
    void CreateControls(const DialogTemplate& dialogTemplate);
    // The same into a widget inside this window (the scrolled body of a form view).
    void CreateControls(const DialogTemplate& dialogTemplate, HWND container);

private:
    friend class MessageBridge;
    // Runs the On... handler of a standard message; false when the message has none.
    bool DispatchStandardMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

    std::unique_ptr<WndState> m_state;
};
