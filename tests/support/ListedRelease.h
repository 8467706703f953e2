#pragma once

#include "model/ReferenceList.h"

// The entity lets go, through what it lists, of its references to the targets; answers how
// many it let go of.
template <class T> int ReleaseListed(T& entity, const ReferenceList::Targets& targets)
{
    ReferenceList list;
    entity.ListReferences(list);
    return list.Release(targets);
}
