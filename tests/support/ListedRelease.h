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

// The name a field's usage check gives the entity's first use of the field; empty for none.
template <class T> CString FirstListedUse(T& entity, const void* field)
{
    ReferenceList list;
    entity.ListReferences(list);
    return list.FirstUseOf({field});
}
