#include "merge/PointerLists.h"

#include <gtest/gtest.h>

#include <array>
#include <vector>

namespace
{
struct Item
{
    int id = 0;
};

// The pairs of the map as (key id, value id or -1).
std::vector<std::pair<int, int>> Pairs(const PointerMap<Item, Item>& map)
{
    std::vector<std::pair<int, int>> pairs;
    for (const auto& [key, value] : map)
        pairs.emplace_back(key->id, value != nullptr ? value->id : -1);
    return pairs;
}

TEST(PointerMapTest, PairsKeepTheOrderTheyWereAddedInAndAnInsertNeverReplaces)
{
    // Added from the highest address down, so that address order would reverse them.
    std::array<Item, 5> items{Item{0}, Item{1}, Item{2}, Item{3}, Item{4}};
    PointerMap<Item, Item> map;
    map.emplace(&items[4], &items[0]);
    map.try_emplace(&items[2]);
    map[&items[3]] = &items[1];
    EXPECT_FALSE(map.emplace(&items[4], &items[1]).second);
    map[&items[2]] = &items[2];
    EXPECT_EQ(Pairs(map), (std::vector<std::pair<int, int>>{{4, 0}, {2, 2}, {3, 1}}));
    EXPECT_EQ(KeyAt(map, 1), &items[2]);
    EXPECT_EQ(KeyAt(map, 3), nullptr);
    EXPECT_EQ(LookBothWays(map, &items[1]), &items[3]);

    // Erasing keeps the others' order and finds them afterwards.
    EXPECT_EQ(map.erase(&items[4]), 1u);
    EXPECT_EQ(map.erase(&items[4]), 0u);
    EXPECT_EQ(Pairs(map), (std::vector<std::pair<int, int>>{{2, 2}, {3, 1}}));
    EXPECT_EQ(ValueOf(map, &items[3]), &items[1]);
    EXPECT_TRUE(map.contains(&items[2]));
    map.emplace(&items[4], nullptr);
    EXPECT_EQ(Pairs(map), (std::vector<std::pair<int, int>>{{2, 2}, {3, 1}, {4, -1}}));
}
} // namespace

// A selection list keeps its order and entries held twice (as the full-module menus may be): it
// holds an item until its last entry goes.
TEST(PointerMapTest, AListHoldsAnItemUntilItsLastEntryIsErased)
{
    std::array<Item, 3> items{Item{0}, Item{1}, Item{2}};
    PointerList<Item> list;
    EXPECT_TRUE(AppendOnce(list, &items[2]));
    EXPECT_FALSE(AppendOnce(list, &items[2]));
    list.push_back(&items[0]);
    list.push_back(&items[2]);
    EXPECT_EQ(list.Items(), (std::vector<Item*>{&items[2], &items[0], &items[2]}));
    RemoveFirst(list, static_cast<const Item*>(&items[2]));
    EXPECT_EQ(list.Items(), (std::vector<Item*>{&items[0], &items[2]}));
    EXPECT_TRUE(Holds(list, static_cast<const Item*>(&items[2])));
    EXPECT_FALSE(list.EraseFirst(&items[1]));
    EXPECT_TRUE(list.EraseFirst(&items[2]));
    EXPECT_FALSE(Holds(list, static_cast<const Item*>(&items[2])));
    list.clear();
    EXPECT_FALSE(Holds(list, static_cast<const Item*>(&items[0])));
    EXPECT_TRUE(AppendOnce(list, &items[0]));
}
