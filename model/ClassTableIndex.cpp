#include "model/ClassTableIndex.h"

#include "entities/Class.h"

#include <utility>

Class* ClassTableIndex::Find(const std::vector<Class*>& classes, const Table* table)
{
    if (m_rebinds != Class::GetRebindCount() || m_seen > classes.size())
    {
        Reset();
        m_rebinds = Class::GetRebindCount();
    }
    for (const std::size_t position : std::exchange(m_unbound, {}))
        Add(classes, position);
    for (; m_seen < classes.size(); ++m_seen)
        Add(classes, m_seen);
    const auto found = m_first.find(table);
    return found == m_first.end() ? nullptr : classes[found->second];
}

void ClassTableIndex::Reset()
{
    m_first.clear();
    m_unbound.clear();
    m_seen = 0;
}

void ClassTableIndex::Add(const std::vector<Class*>& classes, std::size_t position)
{
    const Class* dataClass = classes[position];
    if (dataClass == nullptr)
        return;
    if (dataClass->GetTable() == nullptr)
    {
        m_unbound.push_back(position);
        return;
    }
    const auto [entry, added] = m_first.try_emplace(dataClass->GetTable(), position);
    if (!added && position < entry->second)
        entry->second = position;
}
