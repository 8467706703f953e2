#pragma once

#include "model/ListAccess.h"

#include <cstddef>
#include <vector>

// ItemAt (model/ListAccess.h) gives the item at a combo or list position.

// The position of the item; -1 when it is not there.
template <class T> int PositionOf(const std::vector<T*>& list, const T* item)
{
    for (std::size_t i = 0; i < list.size(); ++i)
        if (list[i] == item)
            return static_cast<int>(i);
    return -1;
}
