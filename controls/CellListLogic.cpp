#include "controls/CellListLogic.h"

#include "controls/CellRecord.h"

int CellColumnWidth(int windowWidth, int units)
{
    return (windowWidth - 2) * units / 64;
}

int HeaderStateForChecks(int headerState, int rowCount, int checkedCount)
{
    if (headerState == HEADER_NO_CHECKBOX)
        return HEADER_NO_CHECKBOX;
    return checkedCount == rowCount ? HEADER_CHECKED : HEADER_UNCHECKED;
}

HeaderClick ClickHeaderCheckbox(int headerState)
{
    if (headerState == HEADER_UNCHECKED)
        return {HEADER_CHECKED, 1};
    if (headerState == HEADER_CHECKED)
        return {HEADER_UNCHECKED, 0};
    return {headerState, -1};
}

void CellComboState::Press(int row, int column, const CRect& button)
{
    m_pressed = true;
    m_row = row;
    m_column = column;
    m_button = button;
}

bool CellComboState::CursorLeftButton(const CPoint& cursor)
{
    if (!m_pressed || m_button.PtInRect(cursor))
        return false;
    m_pressed = false;
    return true;
}

CellComboState::Opening CellComboState::Open(int row, int column,
                                             const std::vector<CString>* choices,
                                             const CString& cellText)
{
    Opening opening;
    if (choices != nullptr)
        for (const CString& choice : *choices)
            if (!choice.IsEmpty())
                opening.entries.push_back(choice);
    opening.cellText = cellText;
    for (size_t i = 0; i < opening.entries.size(); ++i)
        if (opening.entries[i] == cellText)
        {
            opening.selection = static_cast<int>(i);
            break;
        }
    if (cellText.IsEmpty() && !opening.entries.empty())
        opening.cellText = opening.entries[0];
    m_restore = opening.entries.empty() ? CString() : opening.entries[opening.selection];
    m_open = true;
    m_openRow = row;
    m_openColumn = column;
    return opening;
}
