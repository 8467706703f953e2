#pragma once

#include "entities/Menu.h"

#include <vector>

// The menus' names in order.
inline std::vector<CString> Names(const std::vector<Menu*>& menus)
{
    std::vector<CString> names;
    for (const Menu* menu : menus)
        names.push_back(menu->GetName());
    return names;
}
