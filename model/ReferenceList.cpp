#include "model/ReferenceList.h"

#include <algorithm>
#include <utility>

void ReferenceList::Add(const void* target, Action release)
{
    if (target != nullptr)
        m_references.push_back(Reference{target, m_user, std::move(release)});
}

bool ReferenceList::Refers(const Targets& targets) const
{
    return std::ranges::any_of(m_references, [&targets](const Reference& reference)
                               { return targets.contains(reference.target); });
}

std::vector<CString> ReferenceList::UsersOf(const Targets& targets) const
{
    std::vector<CString> users;
    for (const Reference& reference : m_references)
    {
        if (targets.contains(reference.target) &&
            std::ranges::find(users, reference.user) == users.end())
            users.push_back(reference.user);
    }
    return users;
}

int ReferenceList::Release(const Targets& targets)
{
    int released = 0;
    for (auto reference = m_references.rbegin(); reference != m_references.rend(); ++reference)
    {
        if (!targets.contains(reference->target))
            continue;
        reference->release();
        ++released;
    }
    m_references.clear();
    return released;
}
