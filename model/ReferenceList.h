#pragma once

#include "platform/core/CString.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <unordered_set>
#include <utility>
#include <vector>

// The slot of an address in an open-addressing table of 2^(64 - shift) slots. Fibonacci hashing:
// the high bits of the product spread neighbouring addresses.
inline std::size_t AddressSlot(const void* address, int shift)
{
    return static_cast<std::size_t>(
        (static_cast<std::uint64_t>(reinterpret_cast<std::uintptr_t>(address)) *
         0x9E3779B97F4A7C15ULL) >>
        shift);
}

// The shift AddressSlot takes for a table of size slots, a power of two above one.
inline int AddressShift(std::size_t size)
{
    return 64 - std::countr_zero(size);
}

// Linear probing in an open-addressing table by address (a power of two of slots, never full, a
// free slot's entry false): from the address's own slot on, the first whose entry holds() says
// is the address's, else the free slot that ends the run.
template <class Entry, class Holds>
std::size_t ProbeAddress(const std::vector<Entry>& entries, const void* address, int shift,
                         Holds holds)
{
    const std::size_t mask = entries.size() - 1;
    std::size_t slot = AddressSlot(address, shift);
    while (static_cast<bool>(entries[slot]) && !holds(entries[slot]))
        slot = (slot + 1) & mask;
    return slot;
}

// Whether a pointer is among targets; all are when there are none. A few targets are compared
// one by one, as most lists are made for one or two; more are looked up in a table of their own
// (open addressing), cheaper than the set's buckets.
class TargetMatch
{
public:
    using Targets = std::unordered_set<const void*>;

    explicit TargetMatch(const Targets* targets = nullptr);

    // The target when there is exactly one, else null.
    const void* Single() const { return !m_all && m_fewCount == 1 ? m_few.front() : nullptr; }

    bool operator()(const void* target) const
    {
        if (m_all)
            return true;
        if (m_slots.empty())
            return std::find(m_few.begin(), m_few.begin() + m_fewCount, target) !=
                   m_few.begin() + m_fewCount;
        return m_slots[SlotOf(target)] != nullptr;
    }

private:
    // The slot of the target, else the free slot that ends its run.
    std::size_t SlotOf(const void* target) const
    {
        return ProbeAddress(m_slots, target, m_shift,
                            [target](const void* held) { return held == target; });
    }

    bool m_all = true;
    std::array<const void*, 8> m_few{};
    std::size_t m_fewCount = 0;
    // Null for a free slot; at most half are taken.
    std::vector<const void*> m_slots;
    int m_shift = 64;
};

// What entities refer to among the entities they do not own, as each kind's own ListReferences
// lists it: the entity referred to, the entity that refers to it and how that reference is let
// go of. Deletions, usage checks and the merge read this one list, so that a reference listed
// here can neither be missed by a check nor outlive what it refers to. A list made for some
// targets keeps only the references to them, so that what refers to none of them costs a
// look-up and no copy.
class ReferenceList
{
public:
    using Targets = std::unordered_set<const void*>;
    using Action = std::function<void()>;

    // What page files list of their menu variable maps, which refer to menus and variables
    // only: a list for variables does without the menus, one for targets among which there is
    // neither does without the maps.
    enum class MenuMaps
    {
        listed,
        variables,
        skipped
    };

    // A list of every reference.
    ReferenceList() = default;
    // A list of the references to the targets, which outlive it.
    explicit ReferenceList(const Targets& targets, MenuMaps menuMaps = MenuMaps::listed)
        : m_targets(&targets), m_isTarget(m_targets), m_menuMaps(menuMaps)
    {
    }
    explicit ReferenceList(Targets&& targets, MenuMaps menuMaps = MenuMaps::listed)
        : m_ownTargets(std::move(targets)), m_targets(&m_ownTargets), m_isTarget(m_targets),
          m_menuMaps(menuMaps)
    {
    }
    // Not copied nor moved: the list may point to targets of its own.
    ReferenceList(const ReferenceList&) = delete;
    ReferenceList& operator=(const ReferenceList&) = delete;

    // Makes a name when a reference named by it is first kept, so that a list that keeps nothing
    // makes none; what it reads must live until the next SetUser or SetUse.
    using NameMaker = std::function<CString()>;

    // Names the entity whose references are listed next; they are a use of that name.
    void SetUser(NameMaker makeName);
    // Names the use that the references listed next are a case of, until the next SetUser or
    // SetUse. A field's usage check names each page once, by its use of the lowest weight;
    // unnamed uses weigh most.
    void SetUse(NameMaker makeUse, int weight);
    // The references listed next are unnamed uses of the user again.
    void ClearUse()
    {
        m_useIsUser = true;
        m_useWeight = unnamedUseWeight;
    }
    // Lists a reference to target (none for null, nor for what the list is not made for). A
    // holder lists its own references before those of its parts: the releases run last listed
    // first, so that a release never reaches a part that an earlier release freed.
    template <class Release> void Add(const void* target, Release&& release)
    {
        ++s_offered;
        if (target != nullptr && m_isTarget(target))
            Keep(target, Action(std::forward<Release>(release)));
    }
    // A use of the target that holds nothing to let go of: the checks name its user, releases
    // pass it by.
    void AddUse(const void* target) { Add(target, Action()); }
    // A reference kept in a slot of its holder; its release empties the slot.
    template <class T> void AddSlot(T*& slot)
    {
        Add(slot, [&slot] { slot = nullptr; });
    }

    MenuMaps GetMenuMaps() const { return m_menuMaps; }

    // Whether anything listed refers to one of the targets.
    bool Refers(const Targets& targets) const;
    // Whether what the entity lists refers to one of the targets.
    template <class T>
    static bool Reaches(T& entity, const Targets& targets, MenuMaps menuMaps = MenuMaps::listed)
    {
        ReferenceList list(targets, menuMaps);
        entity.ListReferences(list);
        return list.Refers(targets);
    }
    // The users of the targets, each once, in the order listed.
    std::vector<CString> UsersOf(const Targets& targets) const;
    // The targets referred to, each once, in the order listed.
    std::vector<const void*> ReferredAmong(const Targets& targets) const;
    // The use of the lowest weight among the references to the targets, the first listed among
    // equals; empty when none refers to them.
    CString FirstUseOf(const Targets& targets) const;
    // Lets go of every reference to the targets, last listed first; answers how many.
    int Release(const Targets& targets);
    // Forgets the references listed and their names, letting go of none: the list serves the
    // next entity of a check as a list made for it would, its user not yet named.
    void Clear()
    {
        m_references.clear();
        m_names.clear();
        m_userNamed = false;
        m_userKept = false;
        ClearUse();
    }

    // How many references were offered to lists so far, kept or not: the work of listing.
    static std::uint64_t Offered() { return s_offered; }

private:
    void Keep(const void* target, Action release);

    // The user and the use are indexes into the names, so that listing copies no text; a name
    // joins them with the first reference kept of its user or use.
    struct Reference
    {
        const void* target;
        std::size_t user;
        std::size_t use;
        int weight;
        Action release;
    };
    static constexpr int unnamedUseWeight = 1000;
    static inline std::uint64_t s_offered = 0;
    Targets m_ownTargets;
    const Targets* m_targets = nullptr;
    TargetMatch m_isTarget;
    MenuMaps m_menuMaps = MenuMaps::listed;
    std::vector<Reference> m_references;
    std::vector<CString> m_names;
    NameMaker m_makeUserName;
    // Whether the user was named since the list was made or last cleared.
    bool m_userNamed = false;
    NameMaker m_makeUseName;
    std::size_t m_user = 0;
    std::size_t m_use = 0;
    bool m_userKept = false;
    bool m_useKept = false;
    bool m_useIsUser = true;
    int m_useWeight = unnamedUseWeight;
};
