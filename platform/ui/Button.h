#pragma once

#include "platform/ui/Wnd.h"

// A push button, check box, radio button or group box.
class CButton : public CWnd
{
    DECLARE_DYNAMIC(CButton)

public:
    // BST_CHECKED or BST_UNCHECKED (BST_INDETERMINATE for a three-state box); push buttons give
    // BST_UNCHECKED.
    int GetCheck() const;
    void SetCheck(int state);
};
