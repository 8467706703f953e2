#pragma once

#include "editors/ControlStatesView.h"

#include <initializer_list>

class CWnd;

// Reads the edits' texts and the combos' selections of the window into the states.
void ReadChoices(CWnd& window, const ControlStatesView& view, ControlStates& states,
                 std::initializer_list<int> edits, std::initializer_list<int> combos);
