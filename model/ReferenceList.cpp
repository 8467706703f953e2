#include "model/ReferenceList.h"

#include <algorithm>
#include <bit>
#include <utility>

void ReferenceList::SetUser(NameMaker makeName)
{
    m_makeUserName = std::move(makeName);
    m_userNamed = static_cast<bool>(m_makeUserName);
    m_userKept = false;
    ClearUse();
}

void ReferenceList::SetUse(NameMaker makeUse, int weight)
{
    m_makeUseName = std::move(makeUse);
    m_useKept = false;
    m_useIsUser = false;
    m_useWeight = weight;
}

TargetMatch::TargetMatch(const Targets* targets) : m_all(targets == nullptr)
{
    if (targets == nullptr)
        return;
    if (targets->size() <= m_few.size())
    {
        m_fewCount = targets->size();
        std::copy(targets->begin(), targets->end(), m_few.begin());
        return;
    }
    const std::size_t capacity = std::bit_ceil(targets->size() * 2);
    m_slots.assign(capacity, nullptr);
    m_shift = AddressShift(capacity);
    for (const void* target : *targets)
    {
        // A null target is matched by no reference: nothing is listed for null.
        if (target == nullptr)
            continue;
        m_slots[SlotOf(target)] = target;
    }
}

void ReferenceList::Keep(const void* target, Action release)
{
    if (!m_userKept)
    {
        // A list whose user was never named keeps an empty name.
        m_names.push_back(m_userNamed ? m_makeUserName() : CString());
        m_user = m_names.size() - 1;
        m_userKept = true;
    }
    if (!m_useIsUser && !m_useKept)
    {
        m_names.push_back(m_makeUseName());
        m_use = m_names.size() - 1;
        m_useKept = true;
    }
    m_references.push_back(
        Reference{target, m_user, m_useIsUser ? m_user : m_use, m_useWeight, std::move(release)});
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
        const CString& user = m_names[reference.user];
        if (targets.contains(reference.target) && std::ranges::find(users, user) == users.end())
            users.push_back(user);
    }
    return users;
}

std::vector<const void*> ReferenceList::ReferredAmong(const Targets& targets) const
{
    std::vector<const void*> referred;
    Targets seen;
    for (const Reference& reference : m_references)
    {
        if (targets.contains(reference.target) && seen.insert(reference.target).second)
            referred.push_back(reference.target);
    }
    return referred;
}

CString ReferenceList::FirstUseOf(const Targets& targets) const
{
    const Reference* first = nullptr;
    for (const Reference& reference : m_references)
    {
        if (targets.contains(reference.target) &&
            (first == nullptr || reference.weight < first->weight))
            first = &reference;
    }
    return first == nullptr ? CString() : m_names[first->use];
}

int ReferenceList::Release(const Targets& targets)
{
    int released = 0;
    for (auto reference = m_references.rbegin(); reference != m_references.rend(); ++reference)
    {
        if (!targets.contains(reference->target) || !reference->release)
            continue;
        reference->release();
        ++released;
    }
    m_references.clear();
    return released;
}
