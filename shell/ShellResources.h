#pragma once

#include "platform/core/Types.h"

// The resource of the main frame: its menu, tool bar and accelerator keys.
constexpr UINT IDR_MAINFRAME = 128;
// The splash picture.
constexpr UINT IDB_SPLASH = 271;

// Makes the menu, tool bar, accelerators and splash picture of the program known; repeated
// calls change nothing.
void RegisterShellResources();
