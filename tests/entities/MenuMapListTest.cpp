// A side's menu maps: a deleted menu's maps are marked where they stand, leave the list in
// order when it is next read and are left out of what a save walks; the places where earlier
// lists held the menu are looked at first.
#include "entities/MenuMapList.h"
#include "entities/Menu.h"
#include "entities/Variable.h"

#include <gtest/gtest.h>

#include <array>
#include <cstddef>
#include <string>
#include <utility>
#include <vector>

namespace
{
struct ListOfMenus
{
    std::array<Menu, 5> menus;

    // A list of the maps of the menus at the indexes, in that order.
    MenuMapList Of(const std::vector<int>& indexes, bool single)
    {
        MenuMapList list;
        for (const int index : indexes)
            list.Edit().emplace_back(&menus[index]);
        list.SetSingle(single);
        return list;
    }

    // The menus' indexes: of the maps a save walks, then of the maps a read gives.
    std::string Indexes(const MenuMapList& list) const
    {
        std::string walked;
        list.ForEachLive([this, &walked](const MenuVariableMap& map)
                         { walked += std::to_string(map.m_menu - menus.data()); });
        std::string read;
        for (const MenuVariableMap& map : list.Read())
            read += std::to_string(map.m_menu - menus.data());
        return walked + "/" + read + " " + std::to_string(list.LiveCount());
    }
};

std::vector<std::size_t> PlacesOf(const MenuMapList::Places& places)
{
    return {places.begin(), places.end()};
}

TEST(MenuMapListTest, AMarkedMapLeavesTheListInOrderAndTheSaveWalkSkipsIt)
{
    struct Case
    {
        std::vector<int> maps;
        bool single;
        int marked;
        std::string expected;
    };
    const Case cases[] = {
        {{0, 1, 2, 3}, true, 1, "023/023 3"},
        {{0, 1, 2, 1}, false, 1, "02/02 2"},
        {{3, 2, 1, 0}, true, 0, "321/321 3"},
        {{0, 2}, true, 4, "02/02 2"},
        {{}, true, 1, "/ 0"},
    };
    for (const Case& each : cases)
    {
        ListOfMenus menus;
        MenuMapList list = menus.Of(each.maps, each.single);
        MenuMapList::Places places;
        list.MarkMapsOf(&menus.menus[each.marked], places);
        EXPECT_EQ(menus.Indexes(list), each.expected) << each.expected;
    }
}

TEST(MenuMapListTest, ThePlacesOfEarlierListsAreLookedAtFirstWhereAMenuHasOneMap)
{
    ListOfMenus menus;
    MenuMapList::Places places;
    MenuMapList first = menus.Of({0, 1, 2, 3}, true);
    first.MarkMapsOf(&menus.menus[2], places);
    MenuMapList reordered = menus.Of({2, 0, 1, 3}, true);
    reordered.MarkMapsOf(&menus.menus[2], places);
    EXPECT_EQ(PlacesOf(places), (std::vector<std::size_t>{0, 2}));
    // A list that breaks its word of one map per menu shows which map was taken: the one at a
    // known place (without pairs), where a search takes the first (with a pair).
    MenuMapList twice = menus.Of({1}, true);
    twice.Edit().emplace_back(&menus.menus[2], std::vector<MenuVariableMap::VariablePair>(1));
    twice.Edit().emplace_back(&menus.menus[2]);
    twice.MarkMapsOf(&menus.menus[2], places);
    EXPECT_EQ(menus.Indexes(twice), "12/12 2");
    EXPECT_EQ(twice.Read().back().GetVariablePairs().size(), 1u);
    EXPECT_EQ(menus.Indexes(first), "013/013 3");
    EXPECT_EQ(menus.Indexes(reordered), "013/013 3");
}

TEST(MenuMapListTest, PlacesKeepTheLatestEightLatestFirst)
{
    MenuMapList::Places places;
    for (const std::size_t place : {1, 2, 3, 4, 5, 6, 7, 8, 9, 4})
        places.Add(place);
    EXPECT_EQ(PlacesOf(places), (std::vector<std::size_t>{4, 9, 8, 7, 6, 5, 3, 2}));
}
} // namespace

// A map holds its pairs apart from itself: a copy gets pairs of its own, and a map without any
// answers an empty list to every lookup and removal.
TEST(MenuMapListTest, ACopiedMapKeepsPairsOfItsOwn)
{
    Menu menu;
    std::array<Variable, 3> variables;
    MenuVariableMap map(&menu, {{&variables[0], &variables[1]}});
    MenuVariableMap copy = map;
    copy.AddVariablePair(&variables[1], &variables[2]);
    map.RemoveVariablePairsOf(&variables[0]);
    EXPECT_TRUE(map.GetVariablePairs().empty());
    ASSERT_EQ(copy.GetVariablePairs().size(), 2u);
    EXPECT_EQ(copy.GetVariablePairs()[0], std::make_pair(&variables[0], &variables[1]));
    map = copy;
    copy.ClearVariablePairs();
    EXPECT_EQ(map.GetVariablePairs().size(), 2u);
    MenuVariableMap::VariablePair found;
    EXPECT_FALSE(copy.FindByMenuFileVariable(&variables[1], found));
    copy.RemoveVariablePairOfMenuFileVariable(&variables[1]);
    EXPECT_TRUE(copy.GetVariablePairs().empty());
    EXPECT_TRUE(map.FindByMenuFileVariable(&variables[1], found));
    EXPECT_EQ(found.second, &variables[2]);
}
