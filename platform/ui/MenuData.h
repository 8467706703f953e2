#pragma once

#include "platform/ui/Menu.h"

#include <memory>
#include <vector>

// One item of a menu.
struct MenuItem
{
    UINT flags = 0;
    UINT id = 0;
    CString text;
    DWORD_PTR itemData = 0;
    HMENU popup = nullptr;
};

// What an HMENU points at.
struct MenuData
{
    std::vector<MenuItem> items;
    CMenu* permanent = nullptr;
    std::unique_ptr<CMenu> temporary;
};

// The item at (menu, index) that the item argument names, searching popups for a command id;
// null when there is none.
MenuItem* FindMenuItem(HMENU menu, UINT item, UINT flags, HMENU* holder = nullptr);
