#pragma once

#include "platform/core/CString.h"

class DashBoardPage;

// The name of a dashboard page's class, of its code-behind file (+ ".aspx.cs") and of its page
// (+ ".aspx"): the page name trimmed, every blank made "_".
CString DashBoardPageClassName(const DashBoardPage& page);
