#pragma once

#include <vector>

// Deletes every object of an owning list and empties it.
template <class T> void DeleteAll(std::vector<T*>& list)
{
    for (T* item : list)
        delete item;
    list.clear();
}

// Puts an object into an owning pointer; the object it held is deleted unless it is the same.
template <class T> void ReplaceOwned(T*& slot, T* replacement)
{
    if (replacement != slot)
        delete slot;
    slot = replacement;
}
