#include "entities/AspFile.h"
#include "entities/ClassInvokation.h"
#include "entities/DashBoard.h"
#include "entities/DashBoardCellInfo.h"
#include "entities/DashBoardPage.h"
#include "entities/DashBoardPageData.h"
#include "entities/Designation.h"
#include "entities/FormInterface.h"
#include "entities/Menu.h"
#include "entities/ProcedureInvokation.h"
#include "entities/Variable.h"
#include "merge/MergeMarks.h"
#include "merge/MergeNameIndex.h"
#include "merge/PointerLists.h"
#include "merge/ProjectMergerPageKinds.h"
#include "model/Field.h"
#include "model/ForgeonProject.h"
#include "model/Module.h"

#include <memory>
#include <vector>

void ProjectMerger::ResolveDashBoardPages(Module* /*source*/, Module* target)
{
    RunPagePhase(
        PagePhase<DashBoardPage>{
            &MergeNewEntities::GetDashBoardPageCount, &MergeNewEntities::GetDashBoardPageAt,
            &MergeNewEntities::GetDashBoardPageCounterpart, &Module::FindDashBoardPageByName,
            &Module::AddDashBoardPage, nullptr, "%s dashBoardPage not found in first file!\n\n",
            &ProjectMerger::ResolveDashBoardPage},
        target);
}

void ProjectMerger::ResolveDashBoardPage(DashBoardPage* source, DashBoardPage* target)
{
    if (BothMarked(source, target))
        return;
    ResolvePage(target, source);
    target->SetHeader(source->GetHeader());
    // The incoming page's placements replace the page's own; an incoming page without any
    // keeps them.
    if (!source->GetPlacements().empty())
    {
        target->DeleteAllDashBoards();
        for (const DashBoardPageData* placement : source->GetPlacements())
            target->AddPlacement(CopyPlacement(*placement, target));
    }
    MarkBoth(source, target);
}

DashBoardPageData* ProjectMerger::CopyPlacement(const DashBoardPageData& source,
                                                const DashBoardPage* page)
{
    DashBoard* dashBoard = nullptr;
    if (const DashBoard* incoming = source.GetDashBoard())
    {
        dashBoard = FindFirstPageOfKind(incoming->GetFormName(), &Module::FindDashBoardByName);
        if (dashBoard == nullptr)
            dashBoard =
                Owned(m_newEntities.GetDashBoardCounterpart(const_cast<DashBoard*>(incoming)));
        if (dashBoard == nullptr)
            Report("%s dashBoard not found in first file!\n\n", incoming->GetFormName());
    }
    auto copy = std::make_unique<DashBoardPageData>(dashBoard);
    copy->SetProcedureInvokation(ResolvedPageCall(source.GetProcedureInvokation()));
    if (const ClassInvokation* call = source.GetClassInvokation())
    {
        auto merged = std::make_unique<ClassInvokation>();
        if (MergePageClassCall(call, merged.get()))
            copy->SetClassInvokation(merged.release());
    }
    for (const VariablePair* pair : source.GetVariablePairs())
    {
        Variable* first = VariableCounterpart(pair->first, dashBoard);
        Variable* second = VariableCounterpart(pair->second, page);
        if (first != nullptr && second != nullptr)
            copy->AddVariablePair(new VariablePair{first, second});
    }
    for (const DashBoardVariableMap* map : source.GetVariableMaps())
    {
        Variable* target = VariableCounterpart(map->target, dashBoard);
        Variable* own = VariableCounterpart(map->sourceVariable, page);
        Field* field =
            map->sourceField != nullptr ? Owned(ResolveFieldReference(map->sourceField)) : nullptr;
        if (target != nullptr && (own != nullptr || field != nullptr))
            copy->AddVariableMap(new DashBoardVariableMap{target, own, field});
    }
    return copy.release();
}

Menu* ProjectMerger::MenuCounterpart(Menu* menu) const
{
    if (Menu* found = FindFirstMenu(menu))
        return found;
    return m_newEntities.GetMenuCounterpart(menu);
}

void ProjectMerger::ResolveMenus(Module* /*source*/, Module* target)
{
    // The page files get the maps of the new leaves once the trees are merged.
    const MenuLeafMapBatch leafMaps;
    m_firstPages.emplace(true);
    for (const Module* module : m_first->GetModules())
    {
        std::vector<FormInterface*> pages;
        module->GetNamedPages(pages);
        m_firstPages->Add(pages, [](const FormInterface& page) { return page.GetFormName(); });
    }
    for (int i = 0; i < m_newEntities.GetMenuCount(); ++i)
    {
        Menu* sourceMenu = m_newEntities.GetMenuAt(i);
        if (const Menu* parent = sourceMenu->GetParent(); parent != nullptr && parent != sourceMenu)
            continue;
        Menu* counterpart = MenuCounterpart(sourceMenu);
        if (counterpart == nullptr || counterpart->GetMergeMark() != 0)
            continue;
        MergeMenu(sourceMenu, counterpart);
        if (!m_newEntities.OwnsCreated(counterpart))
            continue;
        if (Menu* namesake = target->FindMenuByFullName(sourceMenu->GetFullName());
            namesake != nullptr && namesake != counterpart)
            continue;
        target->AddMenu(counterpart);
        IndexMenuTree(counterpart);
        m_newEntities.HandOver(counterpart);
    }
    m_firstPages.reset();
}

void ProjectMerger::MergeMenu(Menu* source, Menu* target)
{
    if (BothMarked(source, target))
        return;
    ResolveMenuInterface(source, target);
    target->SetValue(source->GetValue());
    MarkBoth(source, target);
    for (Menu* child : source->GetSubMenus())
    {
        // A sub-menu of the name anywhere in the tree is merged into, not added again.
        Menu* counterpart = FindFirstMenu(child);
        if (counterpart == nullptr)
            counterpart = target->FindSubMenuByName(child->GetName());
        if (counterpart == nullptr)
        {
            counterpart = m_newEntities.GetMenuCounterpart(child);
            if (counterpart == nullptr || !m_newEntities.OwnsCreated(counterpart))
                continue;
            counterpart->SetName(child->GetName());
            target->AddSubMenu(counterpart);
            if (FindFirstMenu(target) == target)
                IndexMenuTree(counterpart);
            m_newEntities.HandOver(counterpart);
        }
        if (counterpart->GetMergeMark() == 0)
            MergeMenu(child, counterpart);
    }
    for (Designation* role : source->GetRoles())
    {
        Designation* counterpart = FindFirstRole(role->GetName());
        if (counterpart == nullptr)
            counterpart = AdoptRole(m_newEntities.GetDesignationCounterpart(role), role);
        if (counterpart != nullptr && !target->HasRole(counterpart))
            counterpart->AddMenu(target);
    }
}

Designation* ProjectMerger::FindFirstRole(const CString& name) const
{
    const Module* base = m_first->GetBaseModule();
    return base != nullptr ? base->FindDesignationByName(name) : nullptr;
}

Designation* ProjectMerger::AdoptRole(Designation* made, const Designation* source)
{
    if (made == nullptr || !m_newEntities.OwnsCreated(made))
        return made;
    if (m_targetModule == nullptr)
        return nullptr;
    if (Designation* namesake = m_targetModule->FindDesignationByName(source->GetName()))
        return namesake;
    made->SetName(source->GetName());
    m_targetModule->Append(made);
    m_newEntities.HandOver(made);
    return made;
}

void ProjectMerger::ResolveDesignations(Module* source, Module* /*target*/)
{
    for (int i = 0; i < m_newEntities.GetDesignationCount(); ++i)
    {
        Designation* sourceRole = m_newEntities.GetDesignationAt(i);
        // The pairing also holds the roles of the first project.
        if (!Holds(source->GetDesignations(), static_cast<const Designation*>(sourceRole)))
            continue;
        Designation* role = m_newEntities.GetDesignationCounterpart(sourceRole);
        if (role == nullptr)
            continue;
        role = AdoptRole(role, sourceRole);
        if (role == nullptr)
            continue;
        for (Menu* menu : sourceRole->GetMenus())
        {
            Menu* counterpart = Owned(MenuCounterpart(menu));
            if (counterpart != nullptr && !role->HasMenuNamed(counterpart))
                role->AddMenu(counterpart);
        }
        if (Designation* reportsTo = sourceRole->GetReportsTo())
        {
            Designation* counterpart = FindFirstRole(reportsTo->GetName());
            if (counterpart == nullptr)
                counterpart =
                    AdoptRole(m_newEntities.GetDesignationCounterpart(reportsTo), reportsTo);
            role->SetReportsTo(counterpart);
        }
        role->SetActive(sourceRole->IsActive());
        if (const DashBoardPage* page = sourceRole->GetDashBoardPage())
        {
            DashBoardPage* counterpart =
                FindFirstPageOfKind(page->GetFormName(), &Module::FindDashBoardPageByName);
            if (counterpart == nullptr)
                counterpart = Owned(
                    m_newEntities.GetDashBoardPageCounterpart(const_cast<DashBoardPage*>(page)));
            role->SetDashBoardPage(counterpart);
        }
    }
}
