#pragma once

#include <cstddef>
#include <optional>
#include <type_traits>
#include <utility>

// The deep walks over a project (reading and writing its file, freeing it, merging, writing
// its output) run on a stack reserved for them, on the calling thread, so that message boxes
// stay on the window's thread. Pages of the reserve that are not touched cost nothing. What
// recurses as deep as a file's nesting asks IsNearlyFull and refuses to go deeper.
class LargeStack
{
public:
    // Some 30 times what the largest module users make needs, and small enough that a file
    // nested a million records deep is refused.
    static constexpr std::size_t defaultSize = std::size_t{256} << 20;
    // What a refusal and the work between two checks may still need.
    static constexpr std::size_t defaultMargin = std::size_t{1} << 20;

    // Runs the work on a large stack and gives its result; an exception of the work is raised
    // again here. Work already on a large stack just runs. When no stack can be reserved the
    // work runs on the caller's, still guarded by IsNearlyFull.
    template <class Work> static std::invoke_result_t<Work&> Run(Work work)
    {
        using Result = std::invoke_result_t<Work&>;
        if constexpr (std::is_void_v<Result>)
            RunErased(&Call<Work>, &work);
        else
        {
            std::optional<Result> result;
            auto keep = [&] { result.emplace(work()); };
            RunErased(&Call<decltype(keep)>, &keep);
            return std::move(*result);
        }
    }

    // The calling code runs on a large stack.
    static bool IsActive();
    // The stack left below the caller's frame, down to the end of the running stack (the large
    // one, else the thread's own), is less than the margin.
    static bool IsNearlyFull();

    // The size and margin of the stacks reserved while it lives; for tests that show the
    // guard refusing.
    class ScopedLimits
    {
    public:
        ScopedLimits(std::size_t size, std::size_t margin);
        ~ScopedLimits();
        ScopedLimits(const ScopedLimits&) = delete;
        ScopedLimits& operator=(const ScopedLimits&) = delete;

    private:
        std::size_t m_size;
        std::size_t m_margin;
    };

private:
    template <class Work> static void Call(void* work) { (*static_cast<Work*>(work))(); }
    static void RunErased(void (*call)(void*), void* work);
};
