#pragma once

#include <cstddef>
#include <vector>

// The item at a combo or list position; null for -1 and past the end.
template <class T> T* ItemAt(const std::vector<T*>& list, int index)
{
    return index >= 0 && index < static_cast<int>(list.size()) ? list[index] : nullptr;
}

// The position of the item; -1 when it is not there.
template <class T> int PositionOf(const std::vector<T*>& list, const T* item)
{
    for (std::size_t i = 0; i < list.size(); ++i)
        if (list[i] == item)
            return static_cast<int>(i);
    return -1;
}
