#pragma once

#include <vector>

class CWnd;

// Shows or hides the controls below a dialog's "Advanced>>" button and moves the window's bottom
// edge 10 pixels below the lowest control then shown: the last control of the area, or the
// button. Left, top and width stay.
void ShowAdvancedArea(CWnd& dialog, const std::vector<int>& area, int button, bool shown);
// The control's bottom edge in the dialog's client coordinates.
int ControlBottom(const CWnd& dialog, int id);
