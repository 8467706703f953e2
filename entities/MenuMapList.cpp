#include "entities/MenuMapList.h"

#include <algorithm>
#include <cstddef>
#include <vector>

void MenuMapList::Places::Add(std::size_t place)
{
    std::size_t* const first = m_places.data();
    std::size_t* found = std::find(first, first + m_count, place);
    if (found == first + m_count)
    {
        m_count = std::min(m_count + 1, m_places.size());
        found = first + m_count - 1;
    }
    std::copy_backward(first, found, found + 1);
    *first = place;
}

void MenuMapList::Clear()
{
    m_maps.clear();
    m_marked = 0;
    m_single = true;
}

void MenuMapList::Mark(MenuVariableMap& map)
{
    map.m_menu = MarkedMenu();
    ++m_marked;
}

void MenuMapList::DropMarked() const
{
    std::erase_if(m_maps, IsMarked);
    m_marked = 0;
}

void MenuMapList::MarkMapsOf(const void* menu, Places& places)
{
    if (m_single)
    {
        for (const std::size_t place : places)
        {
            ++s_compared;
            if (place < m_maps.size() && m_maps[place].m_menu == menu)
            {
                Mark(m_maps[place]);
                return;
            }
        }
    }
    for (std::size_t place = 0; place < m_maps.size(); ++place)
    {
        if (m_maps[place].m_menu != menu)
            continue;
        Mark(m_maps[place]);
        places.Add(place);
        if (m_single)
        {
            s_compared += place + 1;
            return;
        }
    }
    s_compared += m_maps.size();
}
