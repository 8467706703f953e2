#pragma once

class ControlStates;
class ForgeonProject;
class Module;

// Fills the combo with the project's module names and selects the current module, which it
// returns.
Module* FillModuleCombo(ControlStates& states, int id, const ForgeonProject& project);
