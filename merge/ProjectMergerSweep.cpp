#include "entities/ApplicationReport.h"
#include "entities/AspFile.h"
#include "entities/DashBoard.h"
#include "entities/DashBoardCellInfo.h"
#include "entities/DashBoardPage.h"
#include "entities/DashBoardPageData.h"
#include "entities/Designation.h"
#include "entities/Form.h"
#include "entities/Grid.h"
#include "entities/GridCell.h"
#include "entities/LinkControl.h"
#include "entities/LoginPage.h"
#include "entities/Menu.h"
#include "entities/ReportCollector.h"
#include "entities/ReportField.h"
#include "entities/ReportGroup.h"
#include "merge/ProjectMerger.h"
#include "model/FieldRep.h"
#include "model/FieldRepData.h"
#include "model/ForgeonProject.h"
#include "model/Module.h"

#include <set>

namespace
{
// What the first project holds, for the sweep's membership tests.
struct FirstProjectContents
{
    std::set<const MenuInterface*> menuItems;
    std::set<const FormInterface*> pages;
    std::set<const AspFile*> pageFiles;
    std::set<const Designation*> roles;

    void AddMenuTree(const Menu* menu)
    {
        menuItems.insert(menu);
        for (const Menu* child : menu->GetSubMenus())
            AddMenuTree(child);
    }

    bool HoldsMenu(const Menu* menu) const { return menuItems.contains(menu); }
};

FirstProjectContents ContentsOf(const ForgeonProject& project)
{
    FirstProjectContents contents;
    for (const Module* module : project.GetModules())
    {
        for (const Menu* menu : module->GetMenus())
            contents.AddMenuTree(menu);
        for (const Designation* role : module->GetDesignations())
            contents.roles.insert(role);
        std::vector<FormInterface*> pages;
        module->GetAllPages(pages);
        // The pages GetAllPages leaves out hold page files that menus open too.
        pages.insert(pages.end(), module->GetReportCollectors().begin(),
                     module->GetReportCollectors().end());
        if (module->GetLoginPage() != nullptr)
            pages.push_back(module->GetLoginPage());
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
} // namespace

void ProjectMerger::SweepForeignReferences()
{
    const FirstProjectContents contents = ContentsOf(*m_first);
    const auto dropMenu = [this](const Menu* menu)
    { Report("%s menu not found in first file!\n\n", menu->GetName()); };
    for (const FormInterface* constPage : contents.pages)
    {
        auto* page = const_cast<FormInterface*>(constPage);
        for (AspFile* file : page->GetAspFiles())
        {
            file->SetOwnerPage(page);
            for (Menu* side : {file->GetTopMenu(), file->GetLeftMenu()})
                if (side != nullptr && !contents.HoldsMenu(side))
                {
                    dropMenu(side);
                    side->UnlinkAspFile(file);
                }
            for (MenuInterface* item : std::vector<MenuInterface*>(file->GetLinkingItems()))
                if (item != nullptr && !contents.menuItems.contains(item))
                {
                    Report("%s linking item not found in first file!\n\n", item->GetName());
                    item->UnlinkAspFile(file);
                }
        }
        std::vector<LinkControl*> links = page->GetPreLinkList();
        links.insert(links.end(), page->GetPostLinkList().begin(), page->GetPostLinkList().end());
        for (const FieldRep* control : page->GetFieldReps())
            if (const FieldRepData* data = control->GetFieldRepData())
                links.insert(links.end(), data->GetLinkControls().begin(),
                             data->GetLinkControls().end());
        for (LinkControl* link : links)
            if (const Menu* target = link->GetTarget();
                target != nullptr && !contents.HoldsMenu(target))
            {
                dropMenu(target);
                link->UnlinkMenu(target);
            }
        if (auto* form = dynamic_cast<Form*>(page))
            if (const ApplicationReport* report = form->GetReport();
                report != nullptr && !contents.pages.contains(report))
            {
                Report("%s report not found in first file!\n\n", report->GetFormName());
                form->SetReport(nullptr);
            }
        if (auto* dashBoard = dynamic_cast<DashBoard*>(page))
        {
            std::vector<Grid*> grids;
            dashBoard->CollectGrids(grids);
            for (const Grid* grid : grids)
                for (const Grid::Row& row : grid->GetRows())
                    for (const GridCell* cell : row)
                        if (DashBoardCellInfo* info =
                                cell != nullptr ? cell->GetDashBoardCellInfo() : nullptr)
                            if (const Menu* menu = info->GetMenu();
                                menu != nullptr && !contents.HoldsMenu(menu))
                            {
                                dropMenu(menu);
                                info->RemoveMenu(menu);
                            }
        }
    }
    for (const MenuInterface* constItem : contents.menuItems)
    {
        auto* item = const_cast<MenuInterface*>(constItem);
        // A file of the second project leaves the item, and the item leaves the file, which
        // goes with the second project.
        for (AspFile* file : std::vector<AspFile*>(item->GetPageFiles()))
            if (!contents.pageFiles.contains(file))
                item->UnlinkAspFile(file);
        if (const AspFile* opened = item->GetAspFile();
            opened != nullptr && !contents.pageFiles.contains(opened))
            item->SetAspFile(nullptr);
        if (auto* menu = dynamic_cast<Menu*>(item))
            for (Designation* role : std::vector<Designation*>(menu->GetRoles()))
                if (!contents.roles.contains(role))
                    menu->RemoveRole(role);
    }
    for (const Designation* constRole : contents.roles)
    {
        auto* role = const_cast<Designation*>(constRole);
        if (const DashBoardPage* page = role->GetDashBoardPage();
            page != nullptr && !contents.pages.contains(page))
            role->SetDashBoardPage(nullptr);
        for (Menu* menu : std::vector<Menu*>(role->GetMenus()))
            if (!contents.HoldsMenu(menu))
                role->RemoveMenu(menu);
        if (const Designation* reportsTo = role->GetReportsTo();
            reportsTo != nullptr && !contents.roles.contains(reportsTo))
            role->SetReportsTo(nullptr);
    }
}
