#pragma once

#include "platform/core/CString.h"

#include <functional>
#include <vector>

class ForgeonProject;
class Menu;
class Module;

// The menus of the module that the menu may be moved under: every menu but the menu itself and
// its sub-tree, sub-menus before their parents.
std::vector<Menu*> ParentMenuCandidates(const Module& module, const Menu& menu);

// Moves a menu under another parent ("Change parent for"): the candidates offered come from a
// source the menu editor may replace, by default those of the project's current module.
class MenuParentChange
{
public:
    using CandidateSource = std::function<std::vector<Menu*>(const Menu& menu)>;

    MenuParentChange(ForgeonProject& project, Menu& menu, CandidateSource candidates = {});

    // "Set Parent for " and the menu's name.
    CString GetCaption() const;
    // The candidates from the source; none chosen.
    void Load();
    const std::vector<CString>& GetCandidateNames() const { return m_names; }
    void SelectParent(int index) { m_selected = index; }
    int GetSelectedParent() const { return m_selected; }
    // The menu leaves its parent (or the current module's top-level menus) for the chosen one;
    // the module's page files are tidied and its "Director" role gets the menu. False, nothing
    // changed, when a parent is chosen but the project has no current module.
    bool Apply();

private:
    ForgeonProject& m_project;
    Menu& m_menu;
    CandidateSource m_source;
    std::vector<Menu*> m_candidates;
    std::vector<CString> m_names;
    int m_selected = -1;
};
