#include "model/Module.h"

#include "entities/Class.h"
#include "entities/Designation.h"
#include "entities/FormInterface.h"
#include "entities/Function.h"
#include "entities/LoginPage.h"
#include "entities/Menu.h"
#include "entities/Procedure.h"
#include "entities/ProcedureFieldInfo.h"
#include "entities/ReportCollector.h"
#include "model/Field.h"
#include "model/ForgeonProject.h"
#include "model/ListAccess.h"
#include "model/MainFrameAccess.h"
#include "model/NamedReferences.h"
#include "model/ReferenceList.h"
#include "model/Table.h"

#include <algorithm>
#include <functional>
#include <initializer_list>
#include <iterator>
#include <optional>
#include <type_traits>
#include <unordered_set>
#include <utility>
#include <vector>

namespace
{
// The columns whose field belongs to the table.
std::vector<ProcedureFieldInfo*> ColumnsOfTable(const std::vector<ProcedureFieldInfo*>& columns,
                                                const Table* table)
{
    std::vector<ProcedureFieldInfo*> found;
    std::ranges::copy_if(columns, std::back_inserter(found),
                         [table](const ProcedureFieldInfo* column) {
                             return column->GetField() != nullptr &&
                                    column->GetField()->GetTable() == table;
                         });
    return found;
}
} // namespace

void Module::GetEveryPage(std::vector<FormInterface*>& out) const
{
    GetAllPages(out);
    out.insert(out.end(), m_reportCollectors.begin(), m_reportCollectors.end());
    if (m_loginPage != nullptr)
        out.push_back(m_loginPage);
}

namespace
{
using Kind = Module::Referrer::Kind;

// Which of the module's lists a walk over its referrers enters: those of the kinds given, and of
// the classes' function lists those of the classes given; all unless told otherwise.
struct ReferrerWalk
{
    unsigned kinds = ~0U;
    const Module::ClassSet* functionClasses = nullptr;

    bool Enters(Kind kind) const { return (kinds & Module::Referrer::Bit(kind)) != 0; }
};

// Calls list with every entity the module's references are listed of, in ListReferences' order,
// in the lists the walk enters; a class comes just before its functions.
template <class List>
void ForEachReferrer(const Module& module, const List& list, const ReferrerWalk& walk = {})
{
    if (walk.Enters(Kind::table))
    {
        std::vector<Table*> tables;
        module.GetAllTables(tables);
        for (Table* table : tables)
            list(*table);
    }
    if (walk.Enters(Kind::dataClass) || walk.Enters(Kind::function))
    {
        // A class without a table still holds what its functions use while pages call them.
        for (const std::vector<Class*>* classes :
             {&module.GetClasses(), &module.GetUnboundClasses()})
        {
            for (Class* dataClass : *classes)
            {
                list(*dataClass);
                if (!walk.Enters(Kind::function) ||
                    !Module::AmongClasses(walk.functionClasses, dataClass))
                    continue;
                for (Function* function : dataClass->GetFunctions())
                    list(*function);
            }
        }
    }
    if (walk.Enters(Kind::procedure))
    {
        for (Procedure* procedure : module.GetProcedures())
            list(*procedure);
    }
    if (walk.Enters(Kind::page))
    {
        std::vector<FormInterface*> pages;
        module.GetEveryPage(pages);
        for (FormInterface* page : pages)
            list(*page);
    }
    if (walk.Enters(Kind::menu))
    {
        std::vector<Menu*> menus;
        module.CollectMenus(menus, nullptr);
        for (Menu* menu : menus)
            list(*menu);
    }
    if (walk.Enters(Kind::designation))
    {
        for (Designation* designation : module.GetDesignations())
            list(*designation);
    }
}

// Where the walk meets an entity of the type.
template <class T> constexpr Kind KindOf()
{
    if constexpr (std::is_same_v<T, Table>)
        return Kind::table;
    else if constexpr (std::is_same_v<T, Class>)
        return Kind::dataClass;
    else if constexpr (std::is_same_v<T, Function>)
        return Kind::function;
    else if constexpr (std::is_same_v<T, Procedure>)
        return Kind::procedure;
    else if constexpr (std::is_same_v<T, Menu>)
        return Kind::menu;
    else if constexpr (std::is_same_v<T, Designation>)
        return Kind::designation;
    else
        return Kind::page;
}
} // namespace

std::optional<unsigned> Module::ReferrerKindsAmong(const std::unordered_set<const void*>& among,
                                                   const Referrers& referrers,
                                                   ClassSet& functionClasses)
{
    unsigned kinds = 0;
    for (const void* entity : among)
    {
        const auto found = referrers.find(entity);
        if (found == referrers.end())
            return std::nullopt;
        kinds |= Referrer::Bit(found->second.kind);
        if (found->second.kind == Kind::function)
            functionClasses.insert(found->second.owner);
    }
    return kinds;
}

void Module::ListReferences(ReferenceList& list)
{
    ForEachReferrer(*this, [&list](auto& entity) { ListNamedReferences(list, entity); });
}

void Module::ListReferences(ReferenceList& list, const std::unordered_set<const void*>& among,
                            const Referrers& referrers)
{
    const TargetMatch isAmong(&among);
    ClassSet functionClasses;
    ReferrerWalk walk;
    if (const std::optional<unsigned> kinds = ReferrerKindsAmong(among, referrers, functionClasses))
        walk = {*kinds, &functionClasses};
    ForEachReferrer(
        *this,
        [&list, &isAmong](auto& entity)
        {
            if (isAmong(&entity))
                ListNamedReferences(list, entity);
        },
        walk);
}

int Module::ReleaseReferencesAmong(const ReferenceList::Targets& targets,
                                   const std::unordered_set<const void*>& among,
                                   const Referrers& referrers)
{
    if (targets.empty())
        return 0;
    const std::vector<Module*> modules{this};
    const PartHoldersScope scope(modules);
    ReferenceList list(targets, ReferenceList::MenuMaps::skipped);
    ListReferences(list, among, referrers);
    return list.Release(targets);
}

void Module::IndexUsers(const ReferenceList::Targets& targets, UsersIndex& index,
                        Referrers& referrers)
{
    // One list serves every entity, emptied after each.
    ReferenceList list(targets, ReferenceList::MenuMaps::skipped);
    // The class whose functions come next.
    const Class* owner = nullptr;
    ForEachReferrer(*this,
                    [&](auto& entity)
                    {
                        using Entity = std::remove_cvref_t<decltype(entity)>;
                        if constexpr (std::is_same_v<Entity, Class>)
                            owner = &entity;
                        entity.ListReferences(list);
                        const std::vector<const void*> referred = list.ReferredAmong(targets);
                        for (const void* target : referred)
                            index[target].insert(&entity);
                        if (!referred.empty())
                            referrers.emplace(
                                &entity,
                                Referrer{KindOf<Entity>(),
                                         KindOf<Entity>() == Kind::function ? owner : nullptr});
                        list.Clear();
                    });
}

int Module::ReleaseReferences(const std::vector<Module*>& modules,
                              const ReferenceList::Targets& targets,
                              ReferenceList::MenuMaps menuMaps)
{
    if (targets.empty())
        return 0;
    const PartHoldersScope scope(modules);
    ReferenceList list(targets, menuMaps);
    for (Module* module : modules)
        module->ListReferences(list);
    return list.Release(targets);
}

namespace
{
Module::PartHoldersScope*& InnermostPartHolders()
{
    static Module::PartHoldersScope* scope = nullptr;
    return scope;
}
} // namespace

Module::PartHoldersScope::PartHoldersScope(const std::vector<Module*>& modules)
    : m_modules(modules), m_previous(std::exchange(InnermostPartHolders(), this))
{
}

Module::PartHoldersScope::~PartHoldersScope()
{
    InnermostPartHolders() = m_previous;
    // Letting go may free more parts into the scope that holds this one.
    if (!m_parts.empty())
        ReleaseReferences(m_modules, m_parts, ReferenceList::MenuMaps::skipped);
    for (const std::function<void()>& free : m_frees)
        free();
}

void Module::ReleaseFreedParts(const ReferenceList::Targets& parts)
{
    if (const PartHoldersScope* scope = InnermostPartHolders())
        ReleaseReferences(scope->m_modules, parts, ReferenceList::MenuMaps::skipped);
    else if (ForgeonProject* project = MainFrameAccess::GetProject())
        ReleaseReferences(project->GetModules(), parts, ReferenceList::MenuMaps::skipped);
}

void Module::ReleaseThenFree(const ReferenceList::Targets& parts, std::function<void()> free)
{
    if (PartHoldersScope* scope = InnermostPartHolders())
    {
        scope->m_parts.insert(parts.begin(), parts.end());
        scope->m_frees.push_back(std::move(free));
        return;
    }
    ReleaseFreedParts(parts);
    free();
}

void Module::ReleaseThenFree(const std::vector<Module*>& modules,
                             const ReferenceList::Targets& parts, std::function<void()> free)
{
    PartHoldersScope* scope = InnermostPartHolders();
    if (scope != nullptr && scope->m_modules == modules)
    {
        ReleaseThenFree(parts, std::move(free));
        return;
    }
    ReleaseReferences(modules, parts, ReferenceList::MenuMaps::skipped);
    free();
}

void Module::ReleaseWithFreedParts(const ReferenceList::Targets& targets)
{
    PartHoldersScope* scope = InnermostPartHolders();
    if (scope != nullptr && Contains(scope->m_modules, this))
        scope->m_parts.insert(targets.begin(), targets.end());
    else
        ReleaseReferences({this}, targets, ReferenceList::MenuMaps::skipped);
}

std::vector<Module*> Module::GetReferringModules()
{
    ForgeonProject* project = MainFrameAccess::GetProject();
    if (project != nullptr && Contains(project->GetModules(), this))
        return project->GetModules();
    return {this};
}

void Module::RemoveOutputColumn(const std::vector<Module*>& modules, Procedure* procedure,
                                ProcedureFieldInfo* column)
{
    Field* alias = nullptr;
    if (!procedure->DetachOutputColumn(column, alias))
    {
        ReleaseReferences(modules, {column}, ReferenceList::MenuMaps::skipped);
        return;
    }
    ReleaseThenFree(modules, {column},
                    [column, alias]
                    {
                        delete alias;
                        delete column;
                    });
}

void Module::RemoveOutputColumnsOfTable(const std::vector<Module*>& modules, Procedure* procedure,
                                        const Table* table)
{
    for (ProcedureFieldInfo* column : ColumnsOfTable(procedure->GetOutputColumns(), table))
        RemoveOutputColumn(modules, procedure, column);
}

void Module::RemoveFunctionOutputColumn(const std::vector<Module*>& modules, Function* function,
                                        ProcedureFieldInfo* column)
{
    const PartHoldersScope scope(modules);
    function->RemoveProcedureFieldInfo(column);
}

void Module::RemoveFunctionTable(const std::vector<Module*>& modules, Function* function,
                                 Table* table)
{
    const PartHoldersScope scope(modules);
    function->RemoveTable(table);
}
