#pragma once

#include "platform/ui/DialogTemplate.h"

class CWnd;

// A control the template carries hidden, without behaviour.
DialogControl Hidden(int id, ControlKind kind, const char* caption);
// The selected position of the dialog's combo box; -1 when none or when the control is no combo.
int SelectionOf(const CWnd& dialog, int id);
