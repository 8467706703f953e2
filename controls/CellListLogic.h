#pragma once

#include "platform/core/CString.h"
#include "platform/ui/Geometry.h"

#include <vector>

// The width of a list column given in 64ths of the list's window width (signed division, less
// the two pixels of the frame): widths that sum to 64 fill the list.
int CellColumnWidth(int windowWidth, int units);

// The header check box after a row's check box changed: with no header box (0) it stays 0,
// else checked (2) when every row is checked and unchecked (1) otherwise.
int HeaderStateForChecks(int headerState, int rowCount, int checkedCount);

// A click on a column heading whose check box has state headerState: the new header state
// and the state every check box of the column takes (-1: nothing changes).
struct HeaderClick
{
    int headerState;
    int rowState;
};
HeaderClick ClickHeaderCheckbox(int headerState);

// The periods of the list's timers and of the drop-down's hover timer, in milliseconds.
struct CellListTimers
{
    unsigned press = 100;
    unsigned escape = 50;
    unsigned commit = 50;
    unsigned keyDown = 50;
    unsigned hover = 80;
};

// The in-place combo of a list: idle, pressed (the drop button was pressed on a cell, watched
// while the mouse stays on the button), open (a drop-down shows the choices), and back to idle
// when the choice is committed or the drop-down escaped.
class CellComboState
{
public:
    // The drop button of (row, column) was pressed.
    void Press(int row, int column, const CRect& button);
    bool IsPressed() const { return m_pressed; }
    int PressedRow() const { return m_row; }
    int PressedColumn() const { return m_column; }
    // While pressed: true when the cursor has left the button, which ends the press.
    bool CursorLeftButton(const CPoint& cursor);
    void ClearPress() { m_pressed = false; }

    // What a drop-down opened on a cell shows: the non-empty choices, the selected entry (the
    // one equal to the cell text, else 0) and the cell text it leaves (entry 0's text when the
    // cell was empty). The selected entry's text is kept to restore on escape.
    struct Opening
    {
        std::vector<CString> entries;
        int selection = 0;
        CString cellText;
    };
    Opening Open(int row, int column, const std::vector<CString>* choices, const CString& cellText);
    bool IsOpen() const { return m_open; }
    int OpenRow() const { return m_openRow; }
    int OpenColumn() const { return m_openColumn; }
    const CString& TextToRestore() const { return m_restore; }
    // The drop-down is gone (committed, escaped, or replaced by a press elsewhere).
    void Close() { m_open = false; }

private:
    bool m_pressed = false;
    int m_row = -1;
    int m_column = -1;
    CRect m_button;
    bool m_open = false;
    int m_openRow = -1;
    int m_openColumn = -1;
    CString m_restore;
};
