#include "platform/core/LargeStack.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace
{
constexpr std::size_t megabyte = std::size_t{1} << 20;
// The stack a frame of DepthUntilFull takes at least.
constexpr std::size_t frameBytes = 512;

[[gnu::noinline]] std::size_t FrameAddress()
{
    return reinterpret_cast<std::size_t>(__builtin_frame_address(0));
}

// Recurses until the guard says the stack runs short and gives the depth reached; stops at
// limit when the guard never says so.
[[gnu::noinline]] std::size_t DepthUntilFull(std::size_t depth, std::size_t limit)
{
    volatile char frame[frameBytes];
    frame[depth % frameBytes] = 1;
    if (depth == limit || LargeStack::IsNearlyFull())
        return depth;
    return DepthUntilFull(depth + 1, limit) + frame[depth % frameBytes] - 1;
}

std::size_t Distance(std::size_t a, std::size_t b)
{
    return a > b ? a - b : b - a;
}

TEST(LargeStackTest, WorkRunsOnAStackOfItsOwnAndGivesItsResult)
{
    const std::size_t caller = FrameAddress();
    EXPECT_FALSE(LargeStack::IsActive());
    std::size_t inner = 0;
    std::size_t nested = 0;
    const auto result = LargeStack::Run(
        [&]
        {
            EXPECT_TRUE(LargeStack::IsActive());
            inner = FrameAddress();
            // Work already on the large stack runs where it is.
            LargeStack::Run([&] { nested = FrameAddress(); });
            EXPECT_TRUE(LargeStack::IsActive());
            return std::make_unique<std::string>("kept");
        });
    EXPECT_FALSE(LargeStack::IsActive());
    ASSERT_NE(nullptr, result);
    EXPECT_EQ("kept", *result);
    // Beyond any thread's own stack.
    EXPECT_GT(Distance(caller, inner), 64 * megabyte);
    EXPECT_LT(Distance(inner, nested), megabyte);
}

TEST(LargeStackTest, AFailureOfTheWorkIsRaisedAgainToTheCaller)
{
    struct Case
    {
        const char* name;
        void (*fail)();
        std::string expected;
    };
    const std::vector<Case> cases = {
        {"runtime error", [] { throw std::runtime_error("broken"); }, "runtime:broken"},
        {"logic error", [] { throw std::invalid_argument("odd"); }, "logic:odd"},
        {"not an exception", [] { throw 42; }, "int:42"},
    };
    for (const Case& each : cases)
    {
        SCOPED_TRACE(each.name);
        std::string caught;
        try
        {
            LargeStack::Run(each.fail);
        }
        catch (const std::runtime_error& error)
        {
            caught = std::string("runtime:") + error.what();
        }
        catch (const std::logic_error& error)
        {
            caught = std::string("logic:") + error.what();
        }
        catch (int value)
        {
            caught = "int:" + std::to_string(value);
        }
        EXPECT_EQ(each.expected, caught);
        EXPECT_FALSE(LargeStack::IsActive());
        // The next run switches again.
        EXPECT_TRUE(LargeStack::Run([] { return LargeStack::IsActive(); }));
    }
}

// Far deeper than the thread's own stack holds, and stopped by the guard, never by the end
// of the stack: the depth follows the size and the margin set.
TEST(LargeStackTest, TheGuardStopsARecursionAtTheMarginOfTheRunningStack)
{
    const std::size_t unbounded = std::size_t{1} << 40;
    const std::size_t deep = 64 * megabyte / frameBytes;
    EXPECT_EQ(deep, LargeStack::Run([&] { return DepthUntilFull(0, deep); }));

    struct Case
    {
        std::size_t size;
        std::size_t margin;
    };
    const std::vector<Case> cases = {
        {4 * megabyte, 1 * megabyte}, {4 * megabyte, 3 * megabyte}, {16 * megabyte, 1 * megabyte}};
    for (const Case& each : cases)
    {
        SCOPED_TRACE(std::to_string(each.size) + " " + std::to_string(each.margin));
        const LargeStack::ScopedLimits limits(each.size, each.margin);
        const std::size_t depth = LargeStack::Run([&] { return DepthUntilFull(0, unbounded); });
        const std::size_t usable = each.size - each.margin;
        EXPECT_LE(depth * frameBytes, usable);
        EXPECT_GE(depth * frameBytes * 4, usable);
    }
    // The thread's own stack is guarded as well: a margin larger than it refuses at once.
    const LargeStack::ScopedLimits limits(LargeStack::defaultSize, LargeStack::defaultSize / 2);
    EXPECT_TRUE(LargeStack::IsNearlyFull());
    EXPECT_FALSE(LargeStack::Run([] { return LargeStack::IsNearlyFull(); }));
}
} // namespace
