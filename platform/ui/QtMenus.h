#pragma once

#include "platform/ui/Menu.h"

class QWidget;

// Shows the menu as a Qt popup at the screen point, owner-drawn items drawn by owner; the
// command chosen, 0 for none.
UINT ExecPopupMenu(HMENU menu, CPoint point, CWnd* owner);
// Shows the menu as the window's menu bar (a window that can hold one); its commands go to the
// window as WM_COMMAND. A null menu removes the bar.
void ShowMenuBar(QWidget* window, HMENU menu);
