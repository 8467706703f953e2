#pragma once

// The page-kind lookups and registration of the merge engine; included by its sources only.

#include "merge/ProjectMerger.h"
#include "model/ForgeonProject.h"
#include "model/Module.h"

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
void ProjectMerger::RegisterPage(Page* page, Module* target,
                                 Page* (Module::*find)(const CString&) const,
                                 bool (Module::*add)(Page*, bool))
{
    if (!m_newEntities.OwnsCreated(page) || (target->*find)(page->GetFormName()) != nullptr)
        return;
    (target->*add)(page, false);
    m_newEntities.HandOver(page);
}
