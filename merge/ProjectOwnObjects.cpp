#include "merge/ProjectOwnObjects.h"

#include "entities/AspFile.h"
#include "entities/DashBoard.h"
#include "entities/DashBoardPage.h"
#include "entities/Menu.h"
#include "model/DefaultNames.h"
#include "model/ForgeonProject.h"
#include "model/Module.h"

#include <algorithm>

namespace
{
// The leaf items among the menus that open a page file of one of the pages.
std::vector<Menu*> ItemsOpening(const std::vector<Menu*>& menus,
                                const std::vector<DashBoardPage*>& pages)
{
    std::vector<Menu*> items;
    for (Menu* menu : menus)
    {
        const AspFile* file = menu->GetAspFile();
        if (menu->GetSubMenus().empty() && file != nullptr &&
            std::ranges::any_of(pages,
                                [file](const DashBoardPage* page) {
                                    return std::ranges::find(page->GetAspFiles(), file) !=
                                           page->GetAspFiles().end();
                                }))
            items.push_back(menu);
    }
    return items;
}
} // namespace

bool ProjectOwnObjects::Holds(const CObject* object) const
{
    const auto in = [object](const auto& list)
    { return std::ranges::find(list, object) != list.end(); };
    return in(dashBoardPages) || in(dashBoards) || in(dashBoardMenus);
}

ProjectOwnObjects FindProjectOwnObjects(const ForgeonProject& project)
{
    ProjectOwnObjects own;
    for (const Module* module : project.GetModules())
    {
        if (DashBoardPage* page = module->FindDashBoardPageByName(projectDashboardName))
            own.dashBoardPages.push_back(page);
        if (DashBoard* dashBoard = module->FindDashBoardByName(projectDashboardName))
            own.dashBoards.push_back(dashBoard);
    }
    std::vector<Menu*> menus;
    for (const Module* module : project.GetModules())
        module->CollectMenus(menus, nullptr);
    own.dashBoardMenus = ItemsOpening(menus, own.dashBoardPages);
    return own;
}
