// The objects a merge makes stay held until handed over: hand-overs in any order leave the
// others found, counted and visited, and a second hand-over of one finds it gone.
#include "entities/Parameter.h"
#include "merge/MergeNewKinds.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <memory>
#include <random>
#include <set>
#include <vector>

TEST(MergeCreatedObjectsTest, HandOversInAnyOrderLeaveTheOthersHeld)
{
    MergeCreatedObjects created;
    std::vector<Parameter*> made;
    // Enough to make the table grow several times.
    for (int index = 0; index < 3000; ++index)
        made.push_back(created.Make<Parameter>());
    std::vector<Parameter*> order = made;
    std::shuffle(order.begin(), order.end(), std::mt19937(7));
    // Two thirds go, in the shuffled order; the rest are freed with the holder.
    order.resize(2 * order.size() / 3);
    std::set<const CObject*> held(made.begin(), made.end());
    std::vector<std::unique_ptr<Parameter>> handedOver;
    for (std::size_t step = 0; step < order.size(); ++step)
    {
        ASSERT_TRUE(created.HandOver(order[step]));
        handedOver.emplace_back(order[step]);
        held.erase(order[step]);
        ASSERT_FALSE(created.HandOver(order[step]));
        if (step % 250 != 0 && step + 1 != order.size())
            continue;
        std::set<const CObject*> visited;
        created.VisitHeld([&visited](const CObject* object) { visited.insert(object); });
        ASSERT_EQ(visited, held) << step;
        ASSERT_EQ(created.GetCount(), static_cast<int>(held.size()));
        for (const Parameter* object : made)
            ASSERT_EQ(created.Holds(object), held.contains(object)) << step;
    }
    EXPECT_FALSE(created.Holds(nullptr));
    EXPECT_FALSE(created.HandOver(nullptr));
}
