#pragma once

#include "platform/core/CString.h"

#include <cstddef>
#include <functional>
#include <unordered_set>
#include <vector>

// What entities refer to among the entities they do not own, as each kind's own ListReferences
// lists it: the entity referred to, the entity that refers to it and how that reference is let
// go of. Deletions, usage checks and the merge read this one list, so that a reference listed
// here can neither be missed by a check nor outlive what it refers to.
class ReferenceList
{
public:
    using Targets = std::unordered_set<const void*>;
    using Action = std::function<void()>;

    // Names the entity whose references are listed next; they are a use of that name.
    void SetUser(const CString& name);
    // Names the use that the references listed next are a case of, until the next SetUser or
    // SetUse. A field's usage check names each page once, by its use of the lowest weight;
    // unnamed uses weigh most.
    void SetUse(const CString& use, int weight);
    // The references listed next are unnamed uses of the user again.
    void ClearUse();
    // Lists a reference to target (none for null). A holder lists its own references before
    // those of its parts: the releases run last listed first, so that a release never reaches
    // a part that an earlier release freed.
    void Add(const void* target, Action release);
    // A use of the target that holds nothing to let go of: the checks name its user, releases
    // pass it by.
    void AddUse(const void* target) { Add(target, {}); }
    // A reference kept in a slot of its holder; its release empties the slot.
    template <class T> void AddSlot(T*& slot)
    {
        if (slot != nullptr)
            Add(slot, [&slot] { slot = nullptr; });
    }

    // Whether anything listed refers to one of the targets.
    bool Refers(const Targets& targets) const;
    // Whether what the entity lists refers to one of the targets.
    template <class T> static bool Reaches(T& entity, const Targets& targets)
    {
        ReferenceList list;
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

private:
    // The user and the use are indexes into the names, so that listing copies no text.
    struct Reference
    {
        const void* target;
        std::size_t user;
        std::size_t use;
        int weight;
        Action release;
    };
    static constexpr int unnamedUseWeight = 1000;
    std::vector<Reference> m_references;
    std::vector<CString> m_names{CString()};
    std::size_t m_user = 0;
    std::size_t m_use = 0;
    int m_useWeight = unnamedUseWeight;
};
