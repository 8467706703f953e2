#pragma once

#include "platform/core/Types.h"
#include "platform/ui/Geometry.h"

#include <cstdint>

class QWidget;

// A window is a Qt widget.
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
constexpr LPARAM MAKELPARAM(WORD low, WORD high)
{
    return static_cast<LPARAM>(static_cast<DWORD>(low) | (static_cast<DWORD>(high) << 16));
}
// The signed coordinates of a mouse message's lParam.
constexpr int GET_X_LPARAM(LPARAM value)
{
    return static_cast<short>(LOWORD(static_cast<DWORD_PTR>(value)));
}
constexpr int GET_Y_LPARAM(LPARAM value)
{
    return static_cast<short>(HIWORD(static_cast<DWORD_PTR>(value)));
}
constexpr LPARAM PointToLParam(POINT point)
{
    return MAKELPARAM(static_cast<WORD>(point.x), static_cast<WORD>(point.y));
}

// A message as the message loop hands it on: to PreTranslateMessage, and as the current message.
struct MSG
{
    HWND hwnd;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    DWORD time;
    POINT pt;
};

// Window messages. Mouse messages carry the keys (MK_) in wParam and the client point in lParam;
// WM_MOUSEWHEEL the delta in the high word of wParam and the screen point. Key messages carry the
// virtual key (VK_). WM_COMMAND carries MAKEWPARAM(id, code); WM_NOTIFY the id and an NMHDR*;
// WM_TIMER the timer id; WM_SIZE the size in lParam; WM_SETCURSOR the window under the mouse and
// MAKELPARAM(hit test, mouse message); WM_CONTEXTMENU the window and the screen point.
constexpr UINT WM_CREATE = 0x0001;
constexpr UINT WM_DESTROY = 0x0002;
constexpr UINT WM_SIZE = 0x0005;
constexpr UINT WM_SETFOCUS = 0x0007;
constexpr UINT WM_KILLFOCUS = 0x0008;
constexpr UINT WM_ENABLE = 0x000A;
constexpr UINT WM_PAINT = 0x000F;
constexpr UINT WM_CLOSE = 0x0010;
constexpr UINT WM_SYSCOLORCHANGE = 0x0015;
constexpr UINT WM_SETCURSOR = 0x0020;
constexpr UINT WM_MOUSEACTIVATE = 0x0021;
constexpr UINT WM_DRAWITEM = 0x002B;
constexpr UINT WM_MEASUREITEM = 0x002C;
constexpr UINT WM_ERASEBKGND = 0x0014;
constexpr UINT WM_SETREDRAW = 0x000B;
constexpr UINT WM_GETDLGCODE = 0x0087;
constexpr UINT WM_SETFONT = 0x0030;
constexpr UINT WM_GETFONT = 0x0031;
constexpr UINT WM_NOTIFY = 0x004E;
constexpr UINT WM_CONTEXTMENU = 0x007B;
constexpr UINT WM_KEYFIRST = 0x0100;
constexpr UINT WM_KEYDOWN = 0x0100;
constexpr UINT WM_KEYUP = 0x0101;
constexpr UINT WM_CHAR = 0x0102;
constexpr UINT WM_KEYLAST = 0x0109;
constexpr UINT WM_COMMAND = 0x0111;
constexpr UINT WM_TIMER = 0x0113;
constexpr UINT WM_HSCROLL = 0x0114;
constexpr UINT WM_VSCROLL = 0x0115;
// Asked of a control's parent before the control paints: wParam the DC (text and background colour
// set in it are the control's), lParam the control; the answer is the brush of its background.
constexpr UINT WM_CTLCOLOREDIT = 0x0133;
constexpr UINT WM_CTLCOLORLISTBOX = 0x0134;
constexpr UINT WM_CTLCOLORBTN = 0x0135;
constexpr UINT WM_CTLCOLORSTATIC = 0x0138;
constexpr UINT WM_MOUSEFIRST = 0x0200;
constexpr UINT WM_MOUSEMOVE = 0x0200;
constexpr UINT WM_LBUTTONDOWN = 0x0201;
constexpr UINT WM_LBUTTONUP = 0x0202;
constexpr UINT WM_LBUTTONDBLCLK = 0x0203;
constexpr UINT WM_RBUTTONDOWN = 0x0204;
constexpr UINT WM_RBUTTONUP = 0x0205;
constexpr UINT WM_RBUTTONDBLCLK = 0x0206;
constexpr UINT WM_MBUTTONDOWN = 0x0207;
constexpr UINT WM_MBUTTONUP = 0x0208;
constexpr UINT WM_MBUTTONDBLCLK = 0x0209;
constexpr UINT WM_MOUSEWHEEL = 0x020A;
constexpr UINT WM_MOUSELAST = 0x020A;
constexpr UINT WM_MOUSELEAVE = 0x02A3;
constexpr UINT WM_USER = 0x0400;

// Keys and buttons held during a mouse message.
constexpr UINT MK_LBUTTON = 0x0001;
constexpr UINT MK_RBUTTON = 0x0002;
constexpr UINT MK_SHIFT = 0x0004;
constexpr UINT MK_CONTROL = 0x0008;
constexpr UINT MK_MBUTTON = 0x0010;

// Virtual keys; letters and digits are their upper-case characters.
constexpr UINT VK_BACK = 0x08;
constexpr UINT VK_TAB = 0x09;
constexpr UINT VK_RETURN = 0x0D;
constexpr UINT VK_SHIFT = 0x10;
constexpr UINT VK_CONTROL = 0x11;
constexpr UINT VK_MENU = 0x12;
constexpr UINT VK_ESCAPE = 0x1B;
constexpr UINT VK_SPACE = 0x20;
constexpr UINT VK_PRIOR = 0x21;
constexpr UINT VK_NEXT = 0x22;
constexpr UINT VK_END = 0x23;
constexpr UINT VK_HOME = 0x24;
constexpr UINT VK_LEFT = 0x25;
constexpr UINT VK_UP = 0x26;
constexpr UINT VK_RIGHT = 0x27;
constexpr UINT VK_DOWN = 0x28;
constexpr UINT VK_INSERT = 0x2D;
constexpr UINT VK_DELETE = 0x2E;
constexpr UINT VK_F1 = 0x70;
constexpr UINT VK_F2 = 0x71;
constexpr UINT VK_F12 = 0x7B;

// WM_GETDLGCODE answers: the keys a window wants rather than the dialog (which moves the focus
// on Tab and presses the default or cancel button on Enter and Escape).
constexpr UINT DLGC_WANTARROWS = 0x0001;
constexpr UINT DLGC_WANTTAB = 0x0002;
constexpr UINT DLGC_WANTALLKEYS = 0x0004;
constexpr UINT DLGC_WANTCHARS = 0x0080;

// OnCtlColor kinds.
constexpr UINT CTLCOLOR_EDIT = 1;
constexpr UINT CTLCOLOR_LISTBOX = 2;
constexpr UINT CTLCOLOR_BTN = 3;
constexpr UINT CTLCOLOR_STATIC = 6;

// WM_SIZE kinds.
constexpr UINT SIZE_RESTORED = 0;
constexpr UINT SIZE_MINIMIZED = 1;
constexpr UINT SIZE_MAXIMIZED = 2;

// WM_SETCURSOR hit test and WM_MOUSEACTIVATE answers.
constexpr UINT HTCLIENT = 1;
constexpr int MA_ACTIVATE = 1;
constexpr int MA_NOACTIVATE = 3;

// Mouse-leave tracking: WM_MOUSELEAVE once the mouse leaves the window.
constexpr DWORD TME_LEAVE = 0x00000002;
constexpr DWORD TME_CANCEL = 0x80000000;

struct TRACKMOUSEEVENT
{
    DWORD cbSize;
    DWORD dwFlags;
    HWND hwndTrack;
    DWORD dwHoverTime;
};

// Asks for one WM_MOUSELEAVE (TME_LEAVE) or cancels the request (TME_CANCEL).
BOOL TrackMouseEvent(TRACKMOUSEEVENT* track);
BOOL _TrackMouseEvent(TRACKMOUSEEVENT* track);

// The state of a key or mouse button (VK_ code, VK_LBUTTON and so on excepted): the high bit set
// while it is held.
constexpr UINT VK_LBUTTON = 0x01;
constexpr UINT VK_RBUTTON = 0x02;
short GetKeyState(int virtualKey);
short GetAsyncKeyState(int virtualKey);
// The cursor position in screen coordinates.
BOOL GetCursorPos(LPPOINT point);
