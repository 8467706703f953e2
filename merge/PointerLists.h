#pragma once

#include <algorithm>
#include <cstddef>
#include <iterator>
#include <unordered_map>
#include <utility>
#include <vector>

// Lookups of the merge's lists and maps of borrowed entity pointers, by pointer equality.

// A map from an entity to its counterpart that walks its pairs in the order they were added, so
// a merge of the same inputs does the same things in the same order on every run (an order by
// pointer value would follow the memory layout). An insert never replaces a pair.
template <class Key, class Value> class PointerMap
{
public:
    using value_type = std::pair<Key*, Value*>;
    using iterator = typename std::vector<value_type>::iterator;
    using const_iterator = typename std::vector<value_type>::const_iterator;

    iterator begin() { return m_pairs.begin(); }
    iterator end() { return m_pairs.end(); }
    const_iterator begin() const { return m_pairs.begin(); }
    const_iterator end() const { return m_pairs.end(); }
    std::size_t size() const { return m_pairs.size(); }
    bool empty() const { return m_pairs.empty(); }
    void clear()
    {
        m_pairs.clear();
        m_index.clear();
    }

    iterator find(const Key* key)
    {
        const auto found = m_index.find(key);
        return found != m_index.end() ? m_pairs.begin() + found->second : m_pairs.end();
    }
    const_iterator find(const Key* key) const
    {
        const auto found = m_index.find(key);
        return found != m_index.end() ? m_pairs.begin() + found->second : m_pairs.end();
    }
    bool contains(const Key* key) const { return m_index.contains(key); }
    std::size_t count(const Key* key) const { return m_index.count(key); }

    std::pair<iterator, bool> try_emplace(Key* key, Value* value = nullptr)
    {
        const auto [found, added] = m_index.try_emplace(key, m_pairs.size());
        if (added)
            m_pairs.emplace_back(key, value);
        return {m_pairs.begin() + found->second, added};
    }
    std::pair<iterator, bool> emplace(Key* key, Value* value) { return try_emplace(key, value); }
    // The key's value, a null one added when the key is new.
    Value*& operator[](Key* key) { return try_emplace(key).first->second; }

    iterator erase(const_iterator position)
    {
        const auto index = static_cast<std::size_t>(position - m_pairs.cbegin());
        m_index.erase(position->first);
        const auto next = m_pairs.erase(m_pairs.begin() + static_cast<std::ptrdiff_t>(index));
        for (std::size_t later = index; later < m_pairs.size(); ++later)
            m_index[m_pairs[later].first] = later;
        return next;
    }
    std::size_t erase(const Key* key)
    {
        const auto found = find(key);
        if (found == end())
            return 0;
        erase(const_iterator(found));
        return 1;
    }

private:
    std::vector<value_type> m_pairs;
    std::unordered_map<const Key*, std::size_t> m_index;
};

// A list of entity pointers in the order they were added that tells whether it holds an entity
// without searching it.
template <class T> class PointerList
{
public:
    using value_type = T*;
    using const_iterator = typename std::vector<T*>::const_iterator;
    using iterator = const_iterator;

    const_iterator begin() const { return m_items.begin(); }
    const_iterator end() const { return m_items.end(); }
    std::size_t size() const { return m_items.size(); }
    bool empty() const { return m_items.empty(); }
    T* operator[](std::size_t index) const { return m_items[index]; }
    T* front() const { return m_items.front(); }
    T* back() const { return m_items.back(); }
    const std::vector<T*>& Items() const { return m_items; }

    void push_back(T* item)
    {
        m_items.push_back(item);
        ++m_counts[item];
    }
    void clear()
    {
        m_items.clear();
        m_counts.clear();
    }
    bool contains(const T* item) const { return m_counts.contains(item); }
    // Erases the first entry of the item; false when absent.
    bool EraseFirst(const T* item)
    {
        const auto counted = m_counts.find(item);
        if (counted == m_counts.end())
            return false;
        if (--counted->second == 0)
            m_counts.erase(counted);
        m_items.erase(std::ranges::find(m_items, item));
        return true;
    }

private:
    std::vector<T*> m_items;
    std::unordered_map<const T*, std::size_t> m_counts;
};

template <class T> bool Holds(const PointerList<T>& list, const T* item)
{
    return list.contains(item);
}

template <class T> void RemoveFirst(PointerList<T>& list, const T* item)
{
    list.EraseFirst(item);
}

template <class T> bool AppendOnce(PointerList<T>& list, T* item)
{
    if (list.contains(item))
        return false;
    list.push_back(item);
    return true;
}

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
template <class T> T* LookBothWays(const PointerMap<T, T>& map, T* entity)
{
    const auto found = map.find(entity);
    if (found != map.end() && found->second != nullptr)
        return found->second;
    const auto reverse =
        std::ranges::find_if(map, [entity](const auto& pair) { return pair.second == entity; });
    return reverse != map.end() ? reverse->first : nullptr;
}

// The value of the key, or null.
template <class Key, class Value> Value* ValueOf(const PointerMap<Key, Value>& map, const Key* key)
{
    const auto found = map.find(key);
    return found != map.end() ? found->second : nullptr;
}

// The key at the position in the map's order, or null past the end.
template <class Key, class Value> Key* KeyAt(const PointerMap<Key, Value>& map, int position)
{
    if (position < 0 || position >= static_cast<int>(map.size()))
        return nullptr;
    return std::next(map.begin(), position)->first;
}
