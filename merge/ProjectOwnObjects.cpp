#include "merge/ProjectOwnObjects.h"

#include "entities/AspFile.h"
#include "entities/DashBoard.h"
#include "entities/DashBoardPage.h"
#include "entities/LoginPage.h"
#include "entities/Menu.h"
#include "model/DefaultNames.h"
#include "model/ForgeonProject.h"
#include "model/Module.h"

#include <algorithm>

bool ProjectOwnObjects::Holds(const CObject* object) const
{
    const auto in = [object](const auto& list)
    { return std::ranges::find(list, object) != list.end(); };
    return in(pages) || in(dashBoards) || in(menus) || in(loginPages);
}

ProjectOwnObjects FindProjectOwnObjects(const ForgeonProject& project)
{
    ProjectOwnObjects own;
    for (const Module* module : project.GetModules())
    {
        if (DashBoardPage* page = module->FindDashBoardPageByName(projectDashboardName))
            own.pages.push_back(page);
        if (DashBoard* dashBoard = module->FindDashBoardByName(projectDashboardName))
            own.dashBoards.push_back(dashBoard);
        if (LoginPage* page = module->GetLoginPage())
            own.loginPages.push_back(page);
    }
    if (own.pages.empty())
        return own;
    // The leaf items of every module that open one of the pages.
    std::vector<Menu*> menus;
    for (const Module* module : project.GetModules())
        module->CollectMenus(menus, nullptr);
    for (Menu* menu : menus)
    {
        const AspFile* file = menu->GetAspFile();
        if (menu->GetSubMenus().empty() && file != nullptr &&
            std::ranges::any_of(own.pages,
                                [file](const DashBoardPage* page) {
                                    return std::ranges::find(page->GetAspFiles(), file) !=
                                           page->GetAspFiles().end();
                                }))
            own.menus.push_back(menu);
    }
    return own;
}
