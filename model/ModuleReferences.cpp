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
#include <array>
#include <cstddef>
#include <functional>
#include <iterator>
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
// Which of the module's lists a walk over its referrers enters; all unless told otherwise.
struct ReferrerWalk
{
    bool tables = true;
    bool classes = true;
    bool procedures = true;
    bool pages = true;
    bool menus = true;
    bool designations = true;
    // Whether the class's functions are walked; all without one.
    std::function<bool(const Class&)> functionsOf;
};

// Calls list with every entity the module's references are listed of, in ListReferences' order,
// in the lists the walk enters.
template <class List>
void ForEachReferrer(const Module& module, const List& list, const ReferrerWalk& walk = {})
{
    if (walk.tables)
    {
        std::vector<Table*> tables;
        module.GetAllTables(tables);
        for (Table* table : tables)
            list(*table);
    }
    if (walk.classes)
    {
        for (Class* dataClass : module.GetClasses())
        {
            list(*dataClass);
            if (walk.functionsOf && !walk.functionsOf(*dataClass))
                continue;
            for (Function* function : dataClass->GetFunctions())
                list(*function);
        }
    }
    if (walk.procedures)
    {
        for (Procedure* procedure : module.GetProcedures())
            list(*procedure);
    }
    if (walk.pages)
    {
        std::vector<FormInterface*> pages;
        module.GetEveryPage(pages);
        for (FormInterface* page : pages)
            list(*page);
    }
    if (walk.menus)
    {
        std::vector<Menu*> menus;
        module.CollectMenus(menus, nullptr);
        for (Menu* menu : menus)
            list(*menu);
    }
    if (walk.designations)
    {
        for (Designation* designation : module.GetDesignations())
            list(*designation);
    }
}

// Where the walk meets an entity of the type.
template <class T> constexpr Module::Referrer::Kind KindOf()
{
    using Kind = Module::Referrer::Kind;
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

// The lists where the referrers met the entities, with the classes of the functions among them;
// every list when one of them was not met.
ReferrerWalk WalkTo(const std::unordered_set<const void*>& among,
                    const Module::Referrers& referrers, std::unordered_set<const Class*>& owners)
{
    // The list of each kind, in the order of Module::Referrer::Kind.
    static constexpr std::array<bool ReferrerWalk::*, 7> enters{
        &ReferrerWalk::tables,      &ReferrerWalk::classes, &ReferrerWalk::classes,
        &ReferrerWalk::procedures,  &ReferrerWalk::pages,   &ReferrerWalk::menus,
        &ReferrerWalk::designations};
    ReferrerWalk walk{false, false, false, false, false, false, {}};
    for (const void* entity : among)
    {
        const auto found = referrers.find(entity);
        if (found == referrers.end())
            return {};
        walk.*enters[static_cast<std::size_t>(found->second.kind)] = true;
        if (found->second.kind == Module::Referrer::Kind::function)
            owners.insert(found->second.owner);
    }
    walk.functionsOf = [&owners](const Class& dataClass) { return owners.contains(&dataClass); };
    return walk;
}
} // namespace

void Module::ListReferences(ReferenceList& list)
{
    ForEachReferrer(*this, [&list](auto& entity) { ListNamedReferences(list, entity); });
}

void Module::ListReferences(ReferenceList& list, const std::unordered_set<const void*>& among,
                            const Referrers& referrers)
{
    const TargetMatch isAmong(&among);
    std::unordered_set<const Class*> owners;
    ForEachReferrer(
        *this,
        [&list, &isAmong](auto& entity)
        {
            if (isAmong(&entity))
                ListNamedReferences(list, entity);
        },
        WalkTo(among, referrers, owners));
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
    const ReferenceList::Targets none;
    const Class* owner = nullptr;
    ReferrerWalk walk;
    walk.functionsOf = [&owner](const Class& dataClass)
    {
        owner = &dataClass;
        return true;
    };
    ForEachReferrer(
        *this,
        [&](auto& entity)
        {
            using Entity = std::remove_cvref_t<decltype(entity)>;
            entity.ListReferences(list);
            const std::vector<const void*> referred = list.ReferredAmong(targets);
            for (const void* target : referred)
                index[target].insert(&entity);
            if (!referred.empty())
            {
                const bool function = std::is_same_v<Entity, Function>;
                referrers.emplace(&entity, Referrer{KindOf<Entity>(), function ? owner : nullptr});
            }
            list.Release(none);
        },
        walk);
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
