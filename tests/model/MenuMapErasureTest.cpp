// A menu item's deletion erases its maps from both sides of every page file, a repeated map
// too, and the page files keep their other maps in order.
#include "bench/store/BenchTables.h"
#include "entities/AspFile.h"
#include "entities/FormInterface.h"
#include "entities/Menu.h"
#include "model/ForgeonProject.h"
#include "model/Module.h"
#include "model/Table.h"
#include "platform/core/ScriptedMessageBoxes.h"
#include "tests/model/ModelBuilders.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

namespace
{
using Addresses = std::vector<std::uintptr_t>;

// The menus of the maps, by address, the item's left out.
Addresses MapMenusBut(const std::vector<MenuVariableMap>& maps, const Menu* item)
{
    Addresses menus;
    for (const MenuVariableMap& map : maps)
        if (map.m_menu != item)
            menus.push_back(reinterpret_cast<std::uintptr_t>(map.m_menu));
    return menus;
}

Addresses MapMenus(const std::vector<MenuVariableMap>& maps)
{
    return MapMenusBut(maps, nullptr);
}

TEST(MenuMapErasureTest, AMenuItemsDeletionErasesEveryMapOfItAndKeepsTheOthersInOrder)
{
    ScriptedMessageBoxes boxes;
    ForgeonProject project;
    ScopedOpenProject open(&project);
    project.InitNewProject();
    Module& module = *project.GetCurrentModule();
    const std::vector<Table*> tables = AddGeneratedBenchTables(project, 4);
    Menu* item = MenuOpening(module, module.FindFormOfTable(tables[1]));
    ASSERT_NE(item, nullptr);
    // A file that shows the item twice on its top side and once on its left side.
    AspFile* shown = module.FindFormOfTable(tables[0])->GetAspFiles().front();
    ASSERT_NE(shown->FindTopMenuVariableMap(item), nullptr);
    shown->AddTopMenuVariableMap(MenuVariableMap(item));
    shown->AddLeftMenuVariableMap(MenuVariableMap(item));
    std::vector<FormInterface*> pages;
    module.GetEveryPage(pages);
    std::vector<std::pair<Addresses, Addresses>> kept;
    for (const FormInterface* page : pages)
        for (const AspFile* file : page->GetAspFiles())
            kept.emplace_back(MapMenusBut(file->GetTopMenuVariableMaps(), item),
                              MapMenusBut(file->GetLeftMenuVariableMaps(), item));

    ASSERT_TRUE(project.DeleteMenu(item));
    std::size_t index = 0;
    for (const FormInterface* page : pages)
        for (const AspFile* file : page->GetAspFiles())
        {
            EXPECT_EQ(MapMenus(file->GetTopMenuVariableMaps()), kept[index].first);
            EXPECT_EQ(MapMenus(file->GetLeftMenuVariableMaps()), kept[index].second);
            ++index;
        }
    EXPECT_EQ(index, kept.size());
    EXPECT_GT(index, 4u);
}
} // namespace
