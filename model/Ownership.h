#pragma once

#include <algorithm>
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

// Erases the first entry of the object from an owning list and deletes it; false when absent.
template <class T> bool EraseAndDelete(std::vector<T*>& list, T* item)
{
    const auto found = std::find(list.begin(), list.end(), item);
    if (found == list.end())
        return false;
    list.erase(found);
    delete item;
    return true;
}

// Erases every entry of an owning list that matches and deletes it; the others keep their order.
template <class T, class Predicate> void DeleteMatching(std::vector<T*>& list, Predicate matches)
{
    const auto kept = std::stable_partition(list.begin(), list.end(),
                                            [&matches](T* item) { return !matches(item); });
    std::for_each(kept, list.end(), [](T* item) { delete item; });
    list.erase(kept, list.end());
}
