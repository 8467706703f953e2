#pragma once

#include "entities/MenuInterface.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

// One side's menu maps of a page file, in their order. The maps of a deleted menu are marked
// where they stand, which moves no other map; the marked maps leave the list in one pass the
// next time it is read or changed, and a save skips them.
class MenuMapList
{
public:
    // Where the page files of one erasure held the map of the menu, latest first: files given
    // their maps alike hold them at the same places, so these are looked at before a search.
    class Places
    {
    public:
        const std::size_t* begin() const { return m_places.data(); }
        const std::size_t* end() const { return m_places.data() + m_count; }
        // Puts the place first.
        void Add(std::size_t place);

    private:
        std::array<std::size_t, 8> m_places{};
        std::size_t m_count = 0;
    };

    // The maps, marked ones dropped first.
    const std::vector<MenuVariableMap>& Read() const
    {
        if (m_marked != 0)
            DropMarked();
        return m_maps;
    }
    // As Read, to change the maps; a change that may give a menu a second map says so with
    // SetSingle(false).
    std::vector<MenuVariableMap>& Edit()
    {
        if (m_marked != 0)
            DropMarked();
        return m_maps;
    }
    // Whether every menu is known to have at most one map in the list.
    void SetSingle(bool single) { m_single = single; }
    // No maps, so one map per menu.
    void Clear();

    // The maps without the marked ones, their order kept, without dropping the marked ones.
    std::size_t LiveCount() const { return m_maps.size() - m_marked; }
    template <class Visit> void ForEachLive(Visit visit) const
    {
        if (m_marked == 0)
        {
            std::ranges::for_each(m_maps, visit);
            return;
        }
        for (const MenuVariableMap& map : m_maps)
        {
            if (!IsMarked(map))
                visit(map);
        }
    }

    // Marks every map of the menu; when the menu has at most one map, the places given are
    // looked at first, and where it stood is added to them.
    void MarkMapsOf(const void* menu, Places& places);
    // How many maps MarkMapsOf has compared with a menu so far, in every list.
    static std::uint64_t Compared() { return s_compared; }

private:
    // The menu of a marked map: an address no menu has.
    static Menu* MarkedMenu() { return reinterpret_cast<Menu*>(&s_markSlot); }
    static bool IsMarked(const MenuVariableMap& map) { return map.m_menu == MarkedMenu(); }
    void Mark(MenuVariableMap& map);
    void DropMarked() const;

    mutable std::vector<MenuVariableMap> m_maps;
    mutable std::size_t m_marked = 0;
    bool m_single = true;
    static inline std::uint64_t s_compared = 0;
    alignas(std::max_align_t) static inline std::byte s_markSlot{};
};
