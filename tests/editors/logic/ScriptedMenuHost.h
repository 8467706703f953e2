#pragma once

#include "editors/logic/MenuPages.h"
#include "editors/logic/MenuParentChange.h"
#include "entities/Menu.h"

#include <vector>

// Answers the menu pages' dialogs from what the test set, recording each one.
class ScriptedMenuHost : public MenuEditorHost
{
public:
    bool AskChildMenuName(Menu& parent, CString& name) override
    {
        calls.push_back("child of " + parent.GetName());
        name = childName;
        return !childName.IsEmpty();
    }
    void AssignFile(Menu& menu) override
    {
        calls.push_back("assign file to " + menu.GetName());
        if (fileToAssign != nullptr)
            menu.SetAspFile(fileToAssign);
    }
    bool ChangeParent(Menu& menu) override
    {
        calls.push_back("parent of " + menu.GetName());
        MenuParentChange change(*project, menu);
        change.Load();
        change.SelectParent(parentIndex);
        return change.Apply();
    }
    Menu* SelectTopMenu() override { return topMenu; }
    void MapParameters(AspFile&) override { calls.push_back("map"); }
    void UpdateMenuItemText(const Menu& menu) override
    {
        calls.push_back("tree item " + menu.GetName());
    }

    ForgeonProject* project = nullptr;
    CString childName;
    AspFile* fileToAssign = nullptr;
    int parentIndex = -1;
    Menu* topMenu = nullptr;
    std::vector<CString> calls;
};
