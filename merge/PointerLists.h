#pragma once

#include <algorithm>
#include <vector>

// Lookups of the merge's lists of borrowed entity pointers, by pointer equality.

template <class T> bool Holds(const std::vector<T*>& list, const T* item)
{
    return std::ranges::find(list, item) != list.end();
}

// Erases the first entry of the item; nothing when absent.
template <class T> void RemoveFirst(std::vector<T*>& list, const T* item)
{
    const auto found = std::ranges::find(list, item);
    if (found != list.end())
        list.erase(found);
}

// Appends the item unless the list holds it; true when it was appended.
template <class T> bool AppendOnce(std::vector<T*>& list, T* item)
{
    if (Holds(list, static_cast<const T*>(item)))
        return false;
    list.push_back(item);
    return true;
}
