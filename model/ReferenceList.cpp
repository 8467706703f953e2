#include "model/ReferenceList.h"

#include <algorithm>
#include <utility>

void ReferenceList::SetUser(const CString& name)
{
    m_names.push_back(name);
    m_user = m_names.size() - 1;
    ClearUse();
}

void ReferenceList::SetUse(const CString& use, int weight)
{
    m_names.push_back(use);
    m_use = m_names.size() - 1;
    m_useWeight = weight;
}

void ReferenceList::ClearUse()
{
    m_use = m_user;
    m_useWeight = unnamedUseWeight;
}

void ReferenceList::Add(const void* target, Action release)
{
    if (target != nullptr)
        m_references.push_back(Reference{target, m_user, m_use, m_useWeight, std::move(release)});
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
    for (const Reference& reference : m_references)
    {
        if (targets.contains(reference.target) &&
            std::ranges::find(referred, reference.target) == referred.end())
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
