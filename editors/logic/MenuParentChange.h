#pragma once

#include "editors/logic/MenuTree.h"
#include "platform/core/CString.h"

#include <functional>
#include <vector>

class ForgeonProject;
class Menu;

// Moves a menu under another parent ("Change parent for"): the candidates offered come from a
// source the menu editor may replace, by default FillParentMenuCombo.
class MenuParentChange
{
public:
    using CandidateSource = std::function<ParentMenuEntries(const Menu& menu)>;

    MenuParentChange(ForgeonProject& project, Menu& menu, CandidateSource candidates = {});

    // "Set Parent for " and the menu's name.
    CString GetCaption() const;
    // The candidates from the source; none chosen.
    void Load();
    const std::vector<CString>& GetCandidateNames() const { return m_entries.texts; }
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
    ParentMenuEntries m_entries;
    int m_selected = -1;
};
