#pragma once

#include "platform/ui/Wnd.h"

constexpr int LB_ERR = -1;

// A single-selection list; every item may carry a number (item data).
class CListBox : public CWnd
{
    DECLARE_DYNAMIC(CListBox)

public:
    int AddString(LPCTSTR text);
    // index -1 appends; LB_ERR when index is beyond the end.
    int InsertString(int index, LPCTSTR text);
    // The number of items left, or LB_ERR for a bad index.
    int DeleteString(UINT index);
    void ResetContent();
    int GetCount() const;

    // LB_ERR when nothing is selected.
    int GetCurSel() const;
    // -1 clears the selection; LB_ERR for a bad index.
    int SetCurSel(int index);

    // LB_ERR for a bad index, else the length.
    int GetText(int index, CString& text) const;
    int GetTextLen(int index) const;

    int SetItemData(int index, DWORD_PTR data);
    DWORD_PTR GetItemData(int index) const;

    // As CComboBox's.
    int FindString(int start, LPCTSTR text) const;
    int FindStringExact(int start, LPCTSTR text) const;
    int SelectString(int start, LPCTSTR text);

private:
    int Find(int start, LPCTSTR text, bool exact) const;
};
