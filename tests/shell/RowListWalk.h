#pragma once

#include "platform/core/Types.h"
#include "platform/ui/Wnd.h"

#include <set>
#include <utility>

// The lists of the program's dialogs and editors that a panel follows or whose highlighted row a
// command removes, as their templates declare them: template and list ids.
std::set<std::pair<UINT, int>> WorkedRowLists();

// Walks the worked lists that the template of the open window declares, all of them (list 0) or
// the one given, as a user does with the keyboard: Down from the row before the last highlights
// the last, and the panel shows it; each command that removes the highlighted row asks about it
// by name, and Cancel keeps the rows, or, asking nothing, takes that row away or changes it and
// leaves the others. Each list walked is added to walked.
void WalkRowLists(CWnd& window, int list, std::set<std::pair<UINT, int>>& walked);
