#include "entities/MenuMapList.h"

#include <algorithm>
#include <cstddef>
#include <vector>

namespace
{
// The menu of a marked map: an address no menu has.
alignas(std::max_align_t) std::byte markedMenuSlot;
Menu* const markedMenu = reinterpret_cast<Menu*>(&markedMenuSlot);
} // namespace

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

const std::vector<MenuVariableMap>& MenuMapList::Read() const
{
    DropMarked();
    return m_maps;
}

std::vector<MenuVariableMap>& MenuMapList::Edit()
{
    DropMarked();
    return m_maps;
}

void MenuMapList::Clear()
{
    m_maps.clear();
    m_marked = 0;
    m_single = true;
}

bool MenuMapList::IsMarked(const MenuVariableMap& map)
{
    return map.m_menu == markedMenu;
}

void MenuMapList::Mark(MenuVariableMap& map)
{
    map.m_menu = markedMenu;
    ++m_marked;
}

void MenuMapList::DropMarked() const
{
    if (m_marked == 0)
        return;
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
