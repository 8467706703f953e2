#pragma once

#include "platform/core/CString.h"

#include <vector>

class DashBoardCellInfo;
class DashBoardPage;

// The name of a dashboard page's class, of its code-behind file (+ ".aspx.cs") and of its page
// (+ ".aspx"): the page name trimmed, every blank made "_".
CString DashBoardPageClassName(const DashBoardPage& page);

// The panel's text: its caption, else its menu's name.
CString DashBoardLinkText(const DashBoardCellInfo& panel);
// The server id of the panel's hyperlink, made from its text.
CString DashBoardLinkId(const DashBoardCellInfo& panel);
// The panels that link a menu, in the grids of the page's dashboards (nested grids left out),
// dashboard by dashboard, row by row.
std::vector<const DashBoardCellInfo*> CollectDashBoardLinks(const DashBoardPage& page);
