#pragma once

#include "entities/FormInterface.h"
#include "model/ReferenceList.h"

#include <vector>

// The page's name once when its listed references reach one of the targets, else nothing.
inline std::vector<CString> PageUsersOf(FormInterface& page, const ReferenceList::Targets& targets)
{
    ReferenceList list;
    list.SetUser([&] { return page.GetFormName(); });
    page.ListReferences(list);
    return list.UsersOf(targets);
}
