#pragma once

#include "platform/ui/Wnd.h"

constexpr int CB_ERR = -1;

// A drop-down list; every item may carry a number (item data). A new list has no selection.
class CComboBox : public CWnd
{
    DECLARE_DYNAMIC(CComboBox)

public:
    // The index of the new item.
    int AddString(LPCTSTR text);
    // index -1 appends; CB_ERR when index is beyond the end.
    int InsertString(int index, LPCTSTR text);
    // The number of items left, or CB_ERR for a bad index.
    int DeleteString(UINT index);
    void ResetContent();
    int GetCount() const;

    // CB_ERR when nothing is selected.
    int GetCurSel() const;
    // -1 clears the selection; returns index, or CB_ERR for a bad index (selection cleared).
    int SetCurSel(int index);

    // CB_ERR for a bad index, else the length.
    int GetLBText(int index, CString& text) const;
    int GetLBTextLen(int index) const;

    // CB_ERR for a bad index.
    int SetItemData(int index, DWORD_PTR data);
    // CB_ERR (as a number) for a bad index.
    DWORD_PTR GetItemData(int index) const;

    // Searches the items after start (-1: from the first), wrapping around, ignoring case:
    // FindString for an item that begins with text, FindStringExact for one equal to it.
    int FindString(int start, LPCTSTR text) const;
    int FindStringExact(int start, LPCTSTR text) const;
    // Selects what FindString finds; CB_ERR (selection unchanged) when nothing matches.
    int SelectString(int start, LPCTSTR text);

private:
    int Find(int start, LPCTSTR text, bool exact) const;
};
