#include "shell/logic/ProjectTreeLayout.h"

#include "model/Table.h"

const TreeCategory* FindCategory(int slot)
{
    for (const TreeCategory& category : kCategories)
    {
        if (category.slot == slot)
            return &category;
    }
    return nullptr;
}

int TableSlot(int kind)
{
    switch (kind)
    {
    case Table::masterDetailKind:
        return TreeSlot::DetailTables;
    case Table::mapKind:
        return TreeSlot::MapTables;
    default:
        return TreeSlot::MasterTables;
    }
}
