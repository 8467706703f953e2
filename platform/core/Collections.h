#pragma once

#include "platform/core/CString.h"

#include <algorithm>
#include <cstddef>
#include <type_traits>
#include <vector>

class CObject;

// A growable array over std::vector. Indexes are int; positions out of range are clamped for
// InsertAt and RemoveAt.
template <typename TYPE, typename ARG_TYPE = const TYPE&> class CArray
{
public:
    using ElementType = TYPE;

    int GetSize() const { return static_cast<int>(m_items.size()); }
    int GetCount() const { return GetSize(); }
    int GetUpperBound() const { return GetSize() - 1; }
    bool IsEmpty() const { return m_items.empty(); }
    void SetSize(int newSize) { m_items.resize(static_cast<std::size_t>(std::max(newSize, 0))); }

    const TYPE& GetAt(int index) const { return m_items.at(static_cast<std::size_t>(index)); }
    void SetAt(int index, ARG_TYPE item) { ElementAt(index) = item; }
    TYPE& ElementAt(int index) { return m_items.at(static_cast<std::size_t>(index)); }
    const TYPE& operator[](int index) const { return GetAt(index); }
    TYPE& operator[](int index) { return ElementAt(index); }
    TYPE* GetData() { return m_items.data(); }
    const TYPE* GetData() const { return m_items.data(); }

    int Add(ARG_TYPE item)
    {
        m_items.push_back(item);
        return GetUpperBound();
    }
    // Returns the index of the first appended element.
    int Append(const CArray& other)
    {
        const int first = GetSize();
        m_items.insert(m_items.end(), other.m_items.begin(), other.m_items.end());
        return first;
    }
    void InsertAt(int index, ARG_TYPE item, int count = 1)
    {
        m_items.insert(m_items.begin() + std::clamp(index, 0, GetSize()),
                       static_cast<std::size_t>(std::max(count, 0)), item);
    }
    void RemoveAt(int index, int count = 1)
    {
        const int first = std::clamp(index, 0, GetSize());
        const int last = first + std::clamp(count, 0, GetSize() - first);
        m_items.erase(m_items.begin() + first, m_items.begin() + last);
    }
    void RemoveAll() { m_items.clear(); }

private:
    std::vector<TYPE> m_items;
};

using CStringArray = CArray<CString>;

// Pointer arrays never delete what they hold: the owner does.
using CObArray = CArray<CObject*, CObject*>;

// An array of TYPE pointers standing for BASE_CLASS, an array of base pointers.
template <typename BASE_CLASS, typename TYPE> class CTypedPtrArray : public CArray<TYPE, TYPE>
{
public:
    int Add(TYPE item)
    {
        static_assert(std::is_convertible_v<TYPE, typename BASE_CLASS::ElementType>);
        return CArray<TYPE, TYPE>::Add(item);
    }
};
