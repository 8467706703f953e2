#include "shell/logic/ProjectTreeLayout.h"

const TreeCategory* FindCategory(int slot)
{
    for (const TreeCategory& category : kCategories)
    {
        if (category.slot == slot)
            return &category;
    }
    return nullptr;
}
