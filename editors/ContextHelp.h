#pragma once

#include "platform/core/Types.h"

class CWnd;

// Opens the help file at the context id (a dialog's template id, 100 for the Help menu); when
// no help file is installed, says so in a message box.
void ShowContextHelp(CWnd* caller, UINT contextId);
