#include "entities/ApplicationReport.h"
#include "entities/AspFile.h"
#include "entities/Designation.h"
#include "entities/FormInterface.h"
#include "entities/Menu.h"
#include "entities/MenuInterface.h"
#include "entities/ReportField.h"
#include "entities/ReportGroup.h"
#include "merge/ProjectMerger.h"
#include "model/ForgeonProject.h"
#include "model/Module.h"
#include "model/ReferenceList.h"

#include <set>
#include <unordered_set>
#include <utility>
#include <vector>

namespace
{
// What a project holds of the kinds that merges move between projects.
struct ProjectContents
{
    std::unordered_set<const MenuInterface*> menuItems;
    // In address order, the order the page files' owners are set in.
    std::set<const FormInterface*> pages;
    std::unordered_set<const AspFile*> pageFiles;
    std::unordered_set<const Designation*> roles;

    void AddMenuTree(const Menu* menu)
    {
        menuItems.insert(menu);
        for (const Menu* child : menu->GetSubMenus())
            AddMenuTree(child);
    }
};

ProjectContents ContentsOf(const ForgeonProject& project)
{
    ProjectContents contents;
    for (const Module* module : project.GetModules())
    {
        for (const Menu* menu : module->GetMenus())
            contents.AddMenuTree(menu);
        for (const Designation* role : module->GetDesignations())
            contents.roles.insert(role);
        std::vector<FormInterface*> pages;
        module->GetEveryPage(pages);
        for (const FormInterface* page : pages)
        {
            contents.pages.insert(page);
            for (const AspFile* file : page->GetAspFiles())
                contents.pageFiles.insert(file);
        }
        for (const ApplicationReport* report : module->GetReports())
            for (const ReportGroup* group : report->GetReportGroups())
                for (const ReportField* column : group->GetReportFields())
                    contents.menuItems.insert(column);
    }
    return contents;
}

// What the second project holds and the first does not, with what the second holds, of which
// the menu items and reports are named when the first still refers to them.
struct ForeignEntities
{
    ReferenceList::Targets targets;
    ProjectContents second;

    template <class Set> void Add(const Set& inSecond, const Set& first)
    {
        for (const auto* entity : inSecond)
        {
            if (!first.contains(entity))
                targets.insert(entity);
        }
    }

    // The report line of a target the first project still refers to; empty when it is neither
    // a menu item nor a report of the second.
    CString LineOf(const void* target) const
    {
        if (const auto item = second.menuItems.find(static_cast<const MenuInterface*>(target));
            item != second.menuItems.end())
            return (*item)->GetName() +
                   (dynamic_cast<const Menu*>(*item) != nullptr ? " menu" : " linking item");
        const auto page = second.pages.find(static_cast<const FormInterface*>(target));
        if (page != second.pages.end() && dynamic_cast<const ApplicationReport*>(*page) != nullptr)
            return (*page)->GetFormName() + " report";
        return CString();
    }
};

ForeignEntities ForeignTo(const ProjectContents& first, ProjectContents second)
{
    ForeignEntities foreign;
    foreign.second = std::move(second);
    foreign.Add(foreign.second.menuItems, first.menuItems);
    foreign.Add(foreign.second.pages, first.pages);
    foreign.Add(foreign.second.pageFiles, first.pageFiles);
    foreign.Add(foreign.second.roles, first.roles);
    return foreign;
}

// Whether a map shows one of the targets; passing one as a variable sets variables.
bool ShowsTarget(const std::vector<MenuVariableMap>& maps, const TargetMatch& isTarget,
                 bool& variables)
{
    // Kept apart from the caller's flag, which the compiler cannot tell from the match's own.
    bool passes = variables;
    bool shows = false;
    for (const MenuVariableMap& map : maps)
    {
        shows = isTarget(map.m_menu);
        if (shows)
            break;
        if (passes || !map.HasVariablePairs())
            continue;
        for (const auto& [menuVariable, fileVariable] : map.GetVariablePairs())
            passes = passes || isTarget(menuVariable) || isTarget(fileVariable);
    }
    variables = passes;
    return shows;
}

// What the list needs of the page files' menu maps, which refer to menus and variables only and
// far outnumber every other reference: their menus only when a map shows one of the targets,
// their variables only when a map passes one.
ReferenceList::MenuMaps MenuMapsReferring(const ForgeonProject& project,
                                          const ReferenceList::Targets& targets)
{
    const TargetMatch isTarget(&targets);
    bool variables = false;
    for (const Module* module : project.GetModules())
    {
        std::vector<FormInterface*> pages;
        module->GetEveryPage(pages);
        for (const FormInterface* page : pages)
        {
            for (const AspFile* file : page->GetAspFiles())
            {
                if (ShowsTarget(file->GetTopMenuVariableMaps(), isTarget, variables) ||
                    ShowsTarget(file->GetLeftMenuVariableMaps(), isTarget, variables))
                    return ReferenceList::MenuMaps::listed;
            }
        }
    }
    return variables ? ReferenceList::MenuMaps::variables : ReferenceList::MenuMaps::skipped;
}

// The copy, and the page files and sub-menus that go with it.
void AddUnadopted(ReferenceList::Targets& targets, const CObject* copy)
{
    targets.insert(copy);
    if (const auto* page = dynamic_cast<const FormInterface*>(copy))
    {
        for (const AspFile* file : page->GetAspFiles())
            targets.insert(file);
    }
    else if (const auto* menu = dynamic_cast<const Menu*>(copy))
    {
        ProjectContents tree;
        tree.AddMenuTree(menu);
        targets.insert(tree.menuItems.begin(), tree.menuItems.end());
    }
}
} // namespace

void ProjectMerger::SweepForeignReferences()
{
    const ProjectContents first = ContentsOf(*m_first);
    // A page file belongs to the page that lists it as its own.
    for (const FormInterface* page : first.pages)
    {
        for (AspFile* file : page->GetAspFiles())
        {
            if (page->OwnsAspFile(*file))
                file->SetOwnerPage(const_cast<FormInterface*>(page));
        }
    }
    // The first project lets go of what only the second holds, naming what it still referred
    // to.
    ForeignEntities foreign = ForeignTo(first, ContentsOf(*m_second));
    // Nor does it keep a way to the copies the merge made and did not adopt, freed with it.
    m_newEntities.GetCreated().VisitHeld([&foreign](const CObject* copy)
                                         { AddUnadopted(foreign.targets, copy); });
    ReferenceList list(foreign.targets, MenuMapsReferring(*m_first, foreign.targets));
    for (Module* module : m_first->GetModules())
        module->ListReferences(list);
    for (const void* target : list.ReferredAmong(foreign.targets))
    {
        if (const CString line = foreign.LineOf(target); !line.IsEmpty())
            Report("%s not found in first file!\n\n", line);
    }
    list.Release(foreign.targets);
}
