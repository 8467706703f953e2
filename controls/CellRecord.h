#pragma once

#include "platform/core/CString.h"
#include "platform/ui/GdiObjects.h"

#include <vector>

// What a cell of a CCellListCtrl row shows besides its text; one per column, in column order.
struct CellRecord
{
    // Only column 0's counts: 0 greys the row and makes left clicks on it do nothing.
    int enabled = 1;
    int bold = 0;
    // Index into the list's small image list; -1 (or -2) none.
    int image = -1;
    CString tooltip;
    int combo = 0;
    // Set when the drop button was pressed, cleared when the press is cancelled.
    int dropDownRequested = 0;
    // The combo's entries; the caller's.
    const std::vector<CString>* choices = nullptr;
    int dropDownRows = 10;
    // The choice taken when the cell text is empty.
    int initialChoice = 0;
    COLORREF textColour = 0;
    COLORREF backgroundColour = 0;
    int progress = 0;
    int percent = 0;
    // Format with one integer placeholder; empty means "%d%%".
    CString progressText;
    int showProgressText = 1;
    // -1 no check box, 0 unchecked, 1 checked.
    int checkState = -1;
    int userValue = 0;
};

// Header check box states, kept in the header item's image index.
constexpr int HEADER_NO_CHECKBOX = 0;
constexpr int HEADER_UNCHECKED = 1;
constexpr int HEADER_CHECKED = 2;
