#include "platform/core/LargeStack.h"

#include <atomic>
#include <exception>
#include <pthread.h>
#include <sys/mman.h>
#include <ucontext.h>

#if defined(__SANITIZE_ADDRESS__)
#define WEAVO_ADDRESS_SANITIZER 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define WEAVO_ADDRESS_SANITIZER 1
#endif
#endif

#ifdef WEAVO_ADDRESS_SANITIZER
#include <sanitizer/asan_interface.h>
#include <sanitizer/common_interface_defs.h>
#include <unistd.h>

#include <algorithm>
#include <vector>
#endif

namespace
{
// An inaccessible stretch below the reserve, so that running past it faults at once.
constexpr std::size_t guardSize = std::size_t{64} << 10;

std::atomic<std::size_t> s_size{LargeStack::defaultSize};
std::atomic<std::size_t> s_margin{LargeStack::defaultMargin};

// The running stack's lowest and highest address.
struct StackBounds
{
    const char* low = nullptr;
    const char* high = nullptr;
};

// The thread's own stack, as the thread library knows it.
StackBounds ThreadStackBounds()
{
    StackBounds bounds;
    pthread_attr_t attributes;
    if (pthread_getattr_np(pthread_self(), &attributes) != 0)
        return bounds;
    void* address = nullptr;
    std::size_t size = 0;
    if (pthread_attr_getstack(&attributes, &address, &size) == 0)
    {
        bounds.low = static_cast<const char*>(address);
        bounds.high = bounds.low + size;
    }
    pthread_attr_destroy(&attributes);
    return bounds;
}

// The stack the thread runs on: its own until a large one is switched to.
thread_local StackBounds t_bounds;
thread_local bool t_onLargeStack = false;

const StackBounds& RunningStackBounds()
{
    if (t_bounds.low == nullptr)
        t_bounds = ThreadStackBounds();
    return t_bounds;
}

// One switch to a large stack and back.
struct StackSwitch
{
    ucontext_t caller;
    ucontext_t callee;
    void (*call)(void*);
    void* work;
    std::exception_ptr failure;
    // The caller's stack, for the address sanitizer.
    void* fakeStack = nullptr;
    const void* callerBottom = nullptr;
    std::size_t callerSize = 0;
};

thread_local StackSwitch* t_switch = nullptr;

void StartSwitch([[maybe_unused]] void** fakeStack, [[maybe_unused]] const void* bottom,
                 [[maybe_unused]] std::size_t size)
{
#ifdef WEAVO_ADDRESS_SANITIZER
    __sanitizer_start_switch_fiber(fakeStack, bottom, size);
#endif
}

void FinishSwitch([[maybe_unused]] void* fakeStack, [[maybe_unused]] const void** bottom,
                  [[maybe_unused]] std::size_t* size)
{
#ifdef WEAVO_ADDRESS_SANITIZER
    __sanitizer_finish_switch_fiber(fakeStack, bottom, size);
#endif
}

// The first frame on the large stack; returning resumes the caller.
void RunSwitched()
{
    StackSwitch& current = *t_switch;
    FinishSwitch(nullptr, &current.callerBottom, &current.callerSize);
    try
    {
        current.call(current.work);
    }
    catch (...)
    {
        current.failure = std::current_exception();
    }
    // The large stack ends here: nothing of it is kept.
    StartSwitch(nullptr, current.callerBottom, current.callerSize);
}

// A reserve of address space for one stack, with the guard below it.
class StackReserve
{
public:
    explicit StackReserve(std::size_t size) : m_size(size)
    {
        void* mapped = ::mmap(nullptr, guardSize + size, PROT_READ | PROT_WRITE,
                              MAP_PRIVATE | MAP_ANONYMOUS | MAP_NORESERVE | MAP_STACK, -1, 0);
        if (mapped == MAP_FAILED)
            return;
        m_base = static_cast<char*>(mapped);
        if (::mprotect(m_base, guardSize, PROT_NONE) != 0)
        {
            ::munmap(m_base, guardSize + size);
            m_base = nullptr;
        }
    }
    ~StackReserve()
    {
        if (m_base == nullptr)
            return;
#ifdef WEAVO_ADDRESS_SANITIZER
        // Frames left by an exception leave marks that the next mapping must not inherit; only
        // the part the run touched can hold them, as no frame is larger than the margin.
        const char* touched = LowestTouched();
        const std::size_t below = static_cast<std::size_t>(touched - Bottom());
        const char* from = touched - std::min(below, LargeStack::defaultMargin);
        ASAN_UNPOISON_MEMORY_REGION(from, static_cast<std::size_t>(Bottom() + m_size - from));
#endif
        ::munmap(m_base, guardSize + m_size);
    }
    StackReserve(const StackReserve&) = delete;
    StackReserve& operator=(const StackReserve&) = delete;

    bool IsReserved() const
    {
        return m_base != nullptr;
    }
    char* Bottom() const
    {
        return m_base + guardSize;
    }
    std::size_t Size() const
    {
        return m_size;
    }

private:
#ifdef WEAVO_ADDRESS_SANITIZER
    // The lowest page of the reserve that ever held anything: the stack's low-water mark.
    const char* LowestTouched() const
    {
        const auto page = static_cast<std::size_t>(::sysconf(_SC_PAGESIZE));
        std::vector<unsigned char> resident((m_size + page - 1) / page);
        if (::mincore(Bottom(), m_size, resident.data()) != 0)
            return Bottom();
        // The lowest bit tells a resident page; the others are not defined.
        const auto first =
            std::ranges::find_if(resident, [](unsigned char each) { return (each & 1) != 0; });
        const auto untouched = static_cast<std::size_t>(first - resident.begin());
        return std::min(Bottom() + untouched * page, Bottom() + m_size);
    }
#endif

    std::size_t m_size;
    char* m_base = nullptr;
};

// Back on the caller's stack, whatever ends the switch.
class BoundsRestore
{
public:
    BoundsRestore() : m_bounds(RunningStackBounds()) {}
    ~BoundsRestore()
    {
        t_bounds = m_bounds;
        t_onLargeStack = false;
        t_switch = nullptr;
    }
    BoundsRestore(const BoundsRestore&) = delete;
    BoundsRestore& operator=(const BoundsRestore&) = delete;

private:
    StackBounds m_bounds;
};
} // namespace

bool LargeStack::IsActive()
{
    return t_onLargeStack;
}

bool LargeStack::IsNearlyFull()
{
    const auto* frame = static_cast<const char*>(__builtin_frame_address(0));
    const StackBounds& bounds = RunningStackBounds();
    if (bounds.low == nullptr || frame < bounds.low || frame > bounds.high)
        return false;
    return static_cast<std::size_t>(frame - bounds.low) < s_margin.load();
}

void LargeStack::RunErased(void (*call)(void*), void* work)
{
    if (t_onLargeStack)
        return call(work);
    const StackReserve reserve(s_size.load());
    if (!reserve.IsReserved())
        return call(work);
    StackSwitch current{};
    current.call = call;
    current.work = work;
    if (::getcontext(&current.callee) != 0)
        return call(work);
    current.callee.uc_stack.ss_sp = reserve.Bottom();
    current.callee.uc_stack.ss_size = reserve.Size();
    current.callee.uc_link = &current.caller;
    ::makecontext(&current.callee, &RunSwitched, 0);
    bool switched = false;
    {
        const BoundsRestore restore;
        t_switch = &current;
        t_bounds = {reserve.Bottom(), reserve.Bottom() + reserve.Size()};
        t_onLargeStack = true;
        StartSwitch(&current.fakeStack, reserve.Bottom(), reserve.Size());
        switched = ::swapcontext(&current.caller, &current.callee) == 0;
        FinishSwitch(current.fakeStack, nullptr, nullptr);
    }
    if (!switched)
        return call(work);
    if (current.failure)
        std::rethrow_exception(current.failure);
}

LargeStack::ScopedLimits::ScopedLimits(std::size_t size, std::size_t margin)
    : m_size(s_size.exchange(size)), m_margin(s_margin.exchange(margin))
{
}

LargeStack::ScopedLimits::~ScopedLimits()
{
    s_size = m_size;
    s_margin = m_margin;
}
