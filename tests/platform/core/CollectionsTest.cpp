#include "platform/core/Collections.h"

#include "platform/core/CObject.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace
{

TEST(CollectionsTest, AddSetSizeAndBounds)
{
    CArray<int> array;
    EXPECT_TRUE(array.IsEmpty());
    EXPECT_EQ(array.GetUpperBound(), -1);
    EXPECT_EQ(array.Add(10), 0);
    EXPECT_EQ(array.Add(20), 1);
    array.SetSize(4);
    EXPECT_EQ(array.GetCount(), 4);
    EXPECT_EQ(array[3], 0);
    array.SetSize(1);
    EXPECT_EQ(array.GetSize(), 1);
    array.SetSize(-3);
    EXPECT_TRUE(array.IsEmpty());
    EXPECT_THROW(array.GetAt(0), std::out_of_range);
    EXPECT_THROW(array.SetAt(-1, 5), std::out_of_range);
}

TEST(CollectionsTest, InsertAndRemoveClampPositions)
{
    CArray<int> array;
    array.InsertAt(5, 3);
    array.InsertAt(-1, 1);
    array.InsertAt(1, 2, 2);
    ASSERT_EQ(array.GetSize(), 4);
    EXPECT_EQ(array[0], 1);
    EXPECT_EQ(array[1], 2);
    EXPECT_EQ(array[2], 2);
    EXPECT_EQ(array[3], 3);
    array.RemoveAt(1, 2);
    EXPECT_EQ(array.GetSize(), 2);
    array.RemoveAt(1, 99);
    array.RemoveAt(7);
    array.RemoveAt(0, -1);
    ASSERT_EQ(array.GetSize(), 1);
    EXPECT_EQ(array.GetData()[0], 1);
    array.ElementAt(0) = 9;
    EXPECT_EQ(array.GetAt(0), 9);
    array.RemoveAll();
    EXPECT_TRUE(array.IsEmpty());
}

TEST(CollectionsTest, AppendReturnsTheFirstNewIndex)
{
    CStringArray names;
    names.Add("a");
    CStringArray more;
    more.Add("b");
    more.Add("c");
    EXPECT_EQ(names.Append(more), 1);
    ASSERT_EQ(names.GetSize(), 3);
    EXPECT_EQ(names[2], "c");
    names.SetAt(0, "z");
    EXPECT_EQ(names.GetAt(0), "z");
}

class Counted : public CObject
{
public:
    explicit Counted(int& alive) : m_alive(alive) { ++m_alive; }
    ~Counted() override { --m_alive; }

private:
    int& m_alive;
};

TEST(CollectionsTest, TypedPointerArrayReturnsTheTypeAndNeverDeletes)
{
    int alive = 0;
    Counted first(alive);
    Counted second(alive);
    {
        CTypedPtrArray<CObArray, Counted*> array;
        EXPECT_EQ(array.Add(&first), 0);
        array.InsertAt(0, &second);
        Counted* head = array[0];
        EXPECT_EQ(head, &second);
        EXPECT_EQ(array.GetAt(1), &first);
        array.RemoveAt(0);
        array.Add(&second);
        array.RemoveAll();
        array.Add(&first);
    }
    EXPECT_EQ(alive, 2);
}

} // namespace
