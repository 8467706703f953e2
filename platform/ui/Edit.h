#pragma once

#include "platform/ui/Wnd.h"

// An edit control, one line or several.
class CEdit : public CWnd
{
    DECLARE_DYNAMIC(CEdit)

public:
    // Selects the characters [start, end); end -1 selects to the end.
    void SetSel(int start, int end);
    void GetSel(int& start, int& end) const;
    void ReplaceSel(LPCTSTR text);
    BOOL SetReadOnly(BOOL readOnly = TRUE);
    // The user can type no more than maxChars characters (one-line edits); the program can still
    // set a longer text. 0 lifts the limit, and GetLimitText gives 0 when there is none.
    void SetLimitText(UINT maxChars);
    UINT GetLimitText() const;
};
