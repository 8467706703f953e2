#pragma once

#include "platform/core/Types.h"

// The resource of the main frame: its menu, tool bar and accelerator keys.
constexpr UINT IDR_MAINFRAME = 128;
// The splash picture.
constexpr UINT IDB_SPLASH = 271;
// The tool-bar pictures, normal and under the mouse: one 32 by 32 picture a button, on light
// grey.
constexpr UINT IDB_TOOLBAR = 311;
constexpr UINT IDB_TOOLBAR_HOT = 314;
constexpr int kToolBarImageSize = 32;
constexpr int kToolBarImageCount = 14;
// The menu's pictures of the same buttons, 16 by 16 each, in button order.
constexpr UINT IDB_MENU_IMAGES = 325;
constexpr int kMenuImageSize = 16;

// The pictures of the project tree's items: 23 pictures of 18 by 18, black the mask colour.
constexpr UINT IDB_TREE_IMAGES = 206;
constexpr int kTreeImageSize = 18;
// The picture tiled behind the project tree's items.
constexpr UINT IDB_TREE_BACKGROUND = 207;

// Makes the menu, tool bar, accelerators, tool-bar pictures and splash picture of the program
// known; repeated calls change nothing.
void RegisterShellResources();
