#pragma once

#include "platform/ui/OwnerDraw.h"
#include "platform/ui/Wnd.h"

// Button styles: the type in the low four bits.
constexpr UINT BS_PUSHBUTTON = 0x0;
constexpr UINT BS_DEFPUSHBUTTON = 0x1;
constexpr UINT BS_AUTOCHECKBOX = 0x3;
constexpr UINT BS_GROUPBOX = 0x7;
constexpr UINT BS_AUTORADIOBUTTON = 0x9;
constexpr UINT BS_OWNERDRAW = 0xB;
constexpr UINT BS_TYPEMASK = 0xF;

// A push button, check box, radio button or group box. An owner-drawn button (BS_OWNERDRAW)
// paints through its parent's WM_DRAWITEM, which comes back to DrawItem.
class CButton : public CWnd
{
    DECLARE_DYNAMIC(CButton)

public:
    UINT GetButtonStyle() const;
    void SetButtonStyle(UINT style, BOOL redraw = TRUE);
    // Draws an owner-drawn button; nothing here.
    virtual void DrawItem(LPDRAWITEMSTRUCT drawItem);

    // BST_CHECKED or BST_UNCHECKED (BST_INDETERMINATE for a three-state box); push buttons give
    // BST_UNCHECKED.
    int GetCheck() const;
    void SetCheck(int state);

protected:
    void OnPaint() override;
    BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;
};
