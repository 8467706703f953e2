#pragma once

// The page-kind lookups and registration of the merge engine; included by its sources only.

#include "merge/ProjectMerger.h"
#include "model/ForgeonProject.h"
#include "model/Module.h"

#include <functional>

template <class Page>
Page* ProjectMerger::FindFirstPageOfKind(const CString& name,
                                         Page* (Module::*find)(const CString&) const) const
{
    for (const Module* module : m_first->GetModules())
        if (Page* found = (module->*find)(name))
            return found;
    return nullptr;
}

template <class Page>
Page* ProjectMerger::FindIndexedPage(std::optional<MergeNameIndex<Page>>& index,
                                     const std::vector<Page*>& (Module::*list)() const, bool exact,
                                     const CString& name) const
{
    if (!index)
    {
        index.emplace(exact);
        for (const Module* module : m_first->GetModules())
            AddPages(*index, (module->*list)());
    }
    return index->Find(name);
}

template <class Page>
void ProjectMerger::AddPages(MergeNameIndex<Page>& index, const std::vector<Page*>& pages)
{
    index.Add(pages, [](const Page& page) { return page.GetFormName(); });
}

template <class Page>
void ProjectMerger::RegisterPage(Page* page, Module* target,
                                 Page* (Module::*find)(const CString&) const,
                                 bool (Module::*add)(Page*, bool))
{
    const CString& name = page->GetFormName();
    MergeNameIndex<Page>* index = m_targetInFirst ? BuiltIndexOf(page) : nullptr;
    // The index holds the target module's pages: a name it lacks is none of the module's.
    const bool mayHold = index == nullptr || index->Find(name) != nullptr;
    if (!m_newEntities.OwnsCreated(page) || (mayHold && (target->*find)(name) != nullptr))
        return;
    (target->*add)(page, false);
    if (index != nullptr)
        index->Add(name, page);
    m_newEntities.HandOver(page);
}

// One page-kind phase: the collector's list of the kind, the first-project lookup (none for
// the kinds that always take their copy), the resolver and the module's registration.
template <class Page> struct PagePhase
{
    int (MergeNewEntities::*count)() const;
    Page* (MergeNewEntities::*at)(int) const;
    Page* (MergeNewEntities::*counterpart)(Page*) const;
    Page* (Module::*find)(const CString&) const;
    bool (Module::*add)(Page*, bool);
    // The first project's page of the name; null for none.
    Page* (ProjectMerger::*findFirst)(const CString&) const;
    // The line for a page without counterpart; null: none.
    const char* missingLine;
    void (ProjectMerger::*resolve)(Page* source, Page* target);
};

template <class Page>
void ProjectMerger::RunPagePhase(
    const PagePhase<Page>& phase, Module* target,
    const std::function<void(const std::type_identity_t<Page>&)>& found)
{
    for (int i = 0; i < (m_newEntities.*phase.count)(); ++i)
    {
        Page* source = (m_newEntities.*phase.at)(i);
        Page* page =
            phase.findFirst != nullptr ? (this->*phase.findFirst)(source->GetFormName()) : nullptr;
        if (page == nullptr)
            page = (m_newEntities.*phase.counterpart)(source);
        if (page == nullptr)
        {
            if (phase.missingLine != nullptr)
                Report(phase.missingLine, source->GetFormName());
            continue;
        }
        if (found)
            found(*source);
        m_callingPage = source;
        (this->*phase.resolve)(source, page);
        RegisterPage(page, target, phase.find, phase.add);
    }
    m_callingPage = nullptr;
}
