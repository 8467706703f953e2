#pragma once

#include "platform/core/CString.h"
#include "platform/core/Types.h"

#include <optional>
#include <vector>

// The position a navigation key of the drop-down list moves to from selection, page rows being
// visible: Page Up, Page Down, End, Home, Up, Down, or a letter A..Z (the first entry from the
// selection on that starts with it). None for other keys and letters that no entry starts with.
// The position is not clamped: see ClampComboPosition.
std::optional<int> ComboKeyTarget(UINT key, int selection, int page,
                                  const std::vector<CString>& entries);
int ClampComboPosition(int position, int count);

// The drop-down closes as on Escape at the third loss of the focus and every later one.
class ComboFocusLosses
{
public:
    // Counts a loss; true when it acts as Escape.
    bool Lose() { return ++m_losses >= 3; }

private:
    int m_losses = 0;
};
