#pragma once

#include "platform/core/Types.h"

#include <initializer_list>

class CRichToolTipCtrl;
class CWnd;

// A control of a dialog and the tool tip it shows.
struct ControlTip
{
    int id;
    const char* text;
};

// Opens the help file at the context id (a dialog's template id, 100 for the Help menu); when
// no help file is installed, says so in a message box.
void ShowContextHelp(CWnd* caller, UINT contextId);

// Creates the dialog's tool-tip control and gives each control its tip.
void AddControlTips(CRichToolTipCtrl& tips, CWnd& dialog,
                    std::initializer_list<ControlTip> controls);
