#pragma once

#include <algorithm>
#include <cstddef>
#include <unordered_set>
#include <vector>

// Index access that tolerates bad indexes, and lookups by value, for the model's lists.

template <class T> bool IsValidIndex(const std::vector<T>& list, int index)
{
    return index >= 0 && static_cast<std::size_t>(index) < list.size();
}

// The pointer at the index; null for a bad index.
template <class T> T* ItemAt(const std::vector<T*>& list, int index)
{
    return IsValidIndex(list, index) ? list[index] : nullptr;
}

// Erases the entry at the index; nothing for a bad index.
template <class T> void EraseAt(std::vector<T>& list, int index)
{
    if (IsValidIndex(list, index))
        list.erase(list.begin() + index);
}

template <class T> bool Contains(const std::vector<T>& list, const T& item)
{
    return std::find(list.begin(), list.end(), item) != list.end();
}

// Erases the first entry equal to the item; nothing when absent.
template <class T> void EraseFirst(std::vector<T>& list, const T& item)
{
    const auto found = std::find(list.begin(), list.end(), item);
    if (found != list.end())
        list.erase(found);
}

// Erases the null entries and every later repeat of an entry; the rest keep their order.
template <class T> void EraseNullsAndRepeats(std::vector<T*>& list)
{
    // Short lists are searched; a set keeps long ones linear.
    constexpr std::size_t searchedLength = 16;
    if (list.size() <= searchedLength)
    {
        std::vector<T*> kept;
        for (T* item : list)
        {
            if (item != nullptr && !Contains(kept, item))
                kept.push_back(item);
        }
        list.swap(kept);
        return;
    }
    std::unordered_set<const T*> seen(list.size());
    std::erase_if(list,
                  [&seen](const T* item) { return item == nullptr || !seen.insert(item).second; });
}

// The first pointer of the list that matches; null when none.
template <class T, class Predicate> T* FindFirst(const std::vector<T*>& list, Predicate matches)
{
    const auto found = std::find_if(list.begin(), list.end(), matches);
    return found != list.end() ? *found : nullptr;
}
