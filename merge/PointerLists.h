#pragma once

#include <algorithm>
#include <iterator>
#include <map>
#include <vector>

// Lookups of the merge's lists and maps of borrowed entity pointers, by pointer equality.

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

// The non-null value of the key, else the first key whose value is the argument.
template <class T> T* LookBothWays(const std::map<T*, T*>& map, T* entity)
{
    const auto found = map.find(entity);
    if (found != map.end() && found->second != nullptr)
        return found->second;
    const auto reverse =
        std::ranges::find_if(map, [entity](const auto& pair) { return pair.second == entity; });
    return reverse != map.end() ? reverse->first : nullptr;
}

// The value of the key, or null.
template <class Key, class Value> Value* ValueOf(const std::map<Key*, Value*>& map, const Key* key)
{
    const auto found = map.find(const_cast<Key*>(key));
    return found != map.end() ? found->second : nullptr;
}

// The key at the position in key order, or null past the end.
template <class Key, class Value> Key* KeyAt(const std::map<Key*, Value*>& map, int position)
{
    if (position < 0 || position >= static_cast<int>(map.size()))
        return nullptr;
    return std::next(map.begin(), position)->first;
}
