// A reference list keeps exactly the references to its targets, whether it holds a few (compared
// one by one) or many (its own table); null is never a kept target. A cleared list starts afresh.
#include "model/ReferenceList.h"
#include "platform/core/CString.h"

#include <gtest/gtest.h>

#include <array>
#include <cstddef>
#include <vector>

namespace
{
TEST(TargetMatchTest, AListKeepsTheReferencesToItsTargetsOnly)
{
    std::array<int, 40> entities{};
    for (const std::size_t count :
         {std::size_t{0}, std::size_t{1}, std::size_t{8}, std::size_t{9}, std::size_t{20}})
    {
        ReferenceList::Targets targets;
        for (std::size_t index = 0; index < count; ++index)
            targets.insert(&entities[2 * index]);
        ReferenceList list(targets);
        int released = 0;
        for (const int& entity : entities)
            list.Add(&entity, [&released] { ++released; });
        list.Add(nullptr, [&released] { ++released; });

        std::vector<const void*> expected;
        for (std::size_t index = 0; index < count; ++index)
            expected.push_back(&entities[2 * index]);
        EXPECT_EQ(expected, list.ReferredAmong(targets)) << count;
        EXPECT_EQ(static_cast<int>(count), list.Release(targets)) << count;
        EXPECT_EQ(static_cast<int>(count), released) << count;
    }
}

TEST(TargetMatchTest, AClearedListServesTheNextEntityAsAFreshList)
{
    std::array<int, 2> entities{};
    const ReferenceList::Targets targets{&entities[0]};
    ReferenceList list(targets);
    list.SetUser([] { return CString("first"); });
    list.SetUse([] { return CString("first use"); }, 1);
    list.AddUse(&entities[0]);
    list.Add(&entities[1], [] {});
    EXPECT_EQ(std::vector<CString>{"first"}, list.UsersOf(targets));
    list.Clear();
    // Listed without a user of its own, the next entity is named as a fresh list names it.
    bool released = false;
    list.Add(&entities[0], [&released] { released = true; });
    EXPECT_EQ(std::vector<CString>{CString()}, list.UsersOf(targets));
    EXPECT_EQ(CString(), list.FirstUseOf(targets));
    EXPECT_EQ(1, list.Release(targets));
    EXPECT_TRUE(released);
}

TEST(TargetMatchTest, ATableOfManyTargetsMatchesNeitherNullNorOthers)
{
    int entity = 0;
    const TargetMatch all;
    EXPECT_TRUE(all(&entity));

    ReferenceList::Targets many;
    std::array<int, 16> others{};
    for (const int& other : others)
        many.insert(&other);
    const TargetMatch table(&many);
    EXPECT_FALSE(table(nullptr));
    EXPECT_FALSE(table(&entity));
    EXPECT_TRUE(table(&others[15]));
}
} // namespace
