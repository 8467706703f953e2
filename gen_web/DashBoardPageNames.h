#pragma once

#include "platform/core/CString.h"

#include <vector>

class DashBoardCellInfo;
class DashBoardPage;

// The name of a dashboard page's class before the C# rule: the page name trimmed. Its code, its
// designer file and its markup's Inherits write it as CSharpIdentifier makes it, as for every
// page kind; for a name of letters, digits and blanks that is the stem of the page's file name.
CString DashBoardPageClassName(const DashBoardPage& page);
// The name of the page's .aspx file, its first page file's; empty without one. The code-behind
// and designer files add ".cs" and ".designer.cs".
CString DashBoardPageFileName(const DashBoardPage& page);

// The panel's text: its caption, else its menu's name.
CString DashBoardLinkText(const DashBoardCellInfo& panel);
// The server id of the panel's hyperlink, made from its text.
CString DashBoardLinkId(const DashBoardCellInfo& panel);
// The panels that link a menu, in the grids of the page's dashboards (nested grids left out),
// dashboard by dashboard, row by row.
std::vector<const DashBoardCellInfo*> CollectDashBoardLinks(const DashBoardPage& page);
