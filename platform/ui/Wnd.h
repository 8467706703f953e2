#pragma once

#include "platform/core/CString.h"
#include "platform/core/Types.h"
#include "platform/ui/CmdTarget.h"

#include <cstdint>
#include <functional>
#include <memory>

class QWidget;

// A window is a Qt widget; a CWnd is a handle on one. Several handles may share a widget (a
// control built by a dialog template and the member bound to it by DDX_Control); the widget's
// state lives in the widget, so every handle sees the same. A handle outlives its widget safely:
// once the widget is gone, GetSafeHwnd is null and the operations do nothing.
using HWND = QWidget*;
using WPARAM = std::uintptr_t;
using LPARAM = std::intptr_t;
using LRESULT = std::intptr_t;
using UINT_PTR = std::uintptr_t;
using DWORD_PTR = std::uintptr_t;

constexpr WORD LOWORD(DWORD_PTR value)
{
    return static_cast<WORD>(value & 0xFFFF);
}
constexpr WORD HIWORD(DWORD_PTR value)
{
    return static_cast<WORD>((value >> 16) & 0xFFFF);
}
constexpr WPARAM MAKEWPARAM(WORD low, WORD high)
{
    return static_cast<WPARAM>(low) | (static_cast<WPARAM>(high) << 16);
}

// Messages that SendMessage/PostMessage dispatch themselves. WM_COMMAND carries
// MAKEWPARAM(id, code); WM_NOTIFY carries the id and an NMHDR*; WM_TIMER the timer id.
constexpr UINT WM_NOTIFY = 0x004E;
constexpr UINT WM_COMMAND = 0x0111;
constexpr UINT WM_TIMER = 0x0113;
constexpr UINT WM_USER = 0x0400;

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

// A message number unique in the process, the same for the same name; numbers start at 0xC000.
UINT RegisterWindowMessage(const char* name);

class CDataExchange;
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

    // The nearest enclosing widget that has a handle (for a dialog, the window it belongs to).
    CWnd* GetParent() const;
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
    void UpdateWindow();

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
    // Dispatches WM_COMMAND to OnCmdMsg, WM_NOTIFY to OnNotify, WM_TIMER to OnTimer, others to
    // the mapped message handlers; 0 when nothing handles the message.
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
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
    template <typename T> void MapMessage(UINT message, LRESULT (T::*handler)(WPARAM, LPARAM))
    {
        T* self = static_cast<T*>(this);
        MapMessageHandler(message, [self, handler](WPARAM wParam, LPARAM lParam)
                          { return (self->*handler)(wParam, lParam); });
    }

    // For windows that build their own widget (dialogs, views, frames): the handle owns it and
    // deletes it on DestroyWindow or destruction unless it has a parent that deleted it first.
    void SetOwnedWidget(HWND widget);
    // Adds a handle for a child control; the window keeps it and GetDlgItem(id) returns it.
    CWnd* AddDlgItem(int id, std::unique_ptr<CWnd> control);
    // Builds the template's controls into this window's widget, laid out top to bottom, and
    // adds a handle of the control's class for each (CEdit, CButton, CComboBox, ...).
    void CreateControls(const DialogTemplate& dialogTemplate);

private:
    std::unique_ptr<WndState> m_state;
};
