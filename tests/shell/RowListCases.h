#pragma once

#include "platform/ui/Wnd.h"
#include "tests/shell/ShellTestSupport.h"

#include <functional>
#include <vector>

// Walks the lists that the template of an open dialog or editor declares: all of them (0), or
// the one given.
using RowListWalk = std::function<void(CWnd& window, int list)>;

// How a test opens one dialog or editor with at least two rows in each list that a panel
// follows or whose row a command removes, and walks the lists while it shows.
struct RowListCase
{
    const char* name;
    std::function<void(RunningProgram& program, const RowListWalk& walk)> open;
};

// The cases of every dialog and editor whose lists are worked on.
const std::vector<RowListCase>& RowListCases();
