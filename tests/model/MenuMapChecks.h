#pragma once

#include "entities/AspFile.h"
#include "entities/FormInterface.h"
#include "entities/LoginPage.h"
#include "entities/Menu.h"
#include "entities/ReportCollector.h"
#include "model/ForgeonProject.h"
#include "model/Module.h"

#include <set>
#include <string>
#include <vector>

// Every menu of the project, each parent before its sub-menus.
inline void CollectMenuTrees(const std::vector<Menu*>& menus, std::vector<Menu*>& out)
{
    for (Menu* menu : menus)
    {
        out.push_back(menu);
        CollectMenuTrees(menu->GetSubMenus(), out);
    }
}

inline std::vector<Menu*> AllMenus(const ForgeonProject& project)
{
    std::vector<Menu*> menus;
    for (const Module* module : project.GetModules())
        CollectMenuTrees(module->GetMenus(), menus);
    return menus;
}

// The addresses of the page files, of any page kind, that map a menu the project no longer
// holds, once per such map.
inline std::vector<std::string> MapsOfGoneMenus(const ForgeonProject& project)
{
    const std::vector<Menu*> menus = AllMenus(project);
    const std::set<const Menu*> held(menus.begin(), menus.end());
    std::vector<std::string> gone;
    for (const Module* module : project.GetModules())
    {
        std::vector<FormInterface*> pages;
        module->GetAllPages(pages);
        pages.insert(pages.end(), module->GetReportCollectors().begin(),
                     module->GetReportCollectors().end());
        pages.push_back(module->GetLoginPage());
        for (const FormInterface* page : pages)
            for (const AspFile* file :
                 page != nullptr ? page->GetAspFiles() : std::vector<AspFile*>{})
                for (const auto* maps :
                     {&file->GetTopMenuVariableMaps(), &file->GetLeftMenuVariableMaps()})
                    for (const MenuVariableMap& map : *maps)
                        if (!held.contains(map.m_menu))
                            gone.push_back(file->GetRelativeUrl(FALSE, FALSE).str());
    }
    return gone;
}
