// A menu item's deletion erases its maps from both sides of every page file, a repeated map
// too, and the page files keep their other maps in order, whether they are read between
// deletions or first at the save.
#include "bench/store/BenchTables.h"
#include "entities/AspFile.h"
#include "entities/FormInterface.h"
#include "entities/Menu.h"
#include "model/ForgeonProject.h"
#include "model/Module.h"
#include "model/ProjectStore.h"
#include "model/Table.h"
#include "platform/core/ScriptedMessageBoxes.h"
#include "tests/model/MenuMapChecks.h"
#include "tests/model/ModelBuilders.h"
#include "tests/support/HostFiles.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace
{
using Addresses = std::vector<std::uintptr_t>;

// The menus of the maps, by address, the items' left out.
Addresses MapMenusBut(const std::vector<MenuVariableMap>& maps, const std::vector<Menu*>& items)
{
    Addresses menus;
    for (const MenuVariableMap& map : maps)
        if (std::ranges::find(items, map.m_menu) == items.end())
            menus.push_back(reinterpret_cast<std::uintptr_t>(map.m_menu));
    return menus;
}

// Both sides' maps of every page file of the module, the items' left out.
std::vector<std::pair<Addresses, Addresses>> EveryFilesMapsBut(const Module& module,
                                                               const std::vector<Menu*>& items)
{
    std::vector<FormInterface*> pages;
    module.GetEveryPage(pages);
    std::vector<std::pair<Addresses, Addresses>> maps;
    for (const FormInterface* page : pages)
        for (const AspFile* file : page->GetAspFiles())
            maps.emplace_back(MapMenusBut(file->GetTopMenuVariableMaps(), items),
                              MapMenusBut(file->GetLeftMenuVariableMaps(), items));
    return maps;
}

// A module of designed tables.
class MenuMapErasureTest : public ::testing::Test
{
protected:
    std::vector<Table*> Designed(int count)
    {
        project.InitNewProject();
        return AddGeneratedBenchTables(project, count);
    }
    Module& CurrentModule() { return *project.GetCurrentModule(); }

    ScriptedMessageBoxes boxes;
    ForgeonProject project;
    ScopedOpenProject open{&project};
};

TEST_F(MenuMapErasureTest, AMenuItemsDeletionErasesEveryMapOfItAndKeepsTheOthersInOrder)
{
    const std::vector<Table*> tables = Designed(4);
    Module& module = CurrentModule();
    Menu* item = MenuOpening(module, module.FindFormOfTable(tables[1]));
    ASSERT_NE(item, nullptr);
    // A file that shows the item twice on its top side and once on its left side.
    AspFile* shown = module.FindFormOfTable(tables[0])->GetAspFiles().front();
    ASSERT_NE(shown->FindTopMenuVariableMap(item), nullptr);
    shown->AddTopMenuVariableMap(MenuVariableMap(item));
    shown->AddLeftMenuVariableMap(MenuVariableMap(item));
    const std::vector<std::pair<Addresses, Addresses>> kept = EveryFilesMapsBut(module, {item});

    ASSERT_TRUE(project.DeleteMenu(item));
    EXPECT_EQ(EveryFilesMapsBut(module, {}), kept);
    EXPECT_GT(kept.size(), 4u);
}

// Items deleted one after another, the page files unread between: the save writes what it
// writes once each file has been read, the files hold the other maps in order, and the file
// loads without a map of a deleted item. An item added and deleted after that goes as well,
// from a file that got two maps of it too.
TEST_F(MenuMapErasureTest, ItemsDeletedInTurnSaveAsWhenTheFilesAreReadBetween)
{
    const TempFolder folder;
    const std::vector<Table*> tables = Designed(6);
    Module& module = CurrentModule();
    std::vector<Menu*> items;
    for (const int table : {4, 1, 2})
        items.push_back(MenuOpening(module, module.FindFormOfTable(tables[table])));
    ASSERT_EQ(std::ranges::count(items, nullptr), 0);
    const std::vector<std::pair<Addresses, Addresses>> kept = EveryFilesMapsBut(module, items);
    for (Menu* item : items)
        ASSERT_TRUE(project.DeleteMenu(item));
    const std::string unread = (folder.Path() / "unread.wvt").string();
    ASSERT_TRUE(ProjectStore().ArchiveProject(&project, unread.c_str(), FALSE));

    EXPECT_EQ(EveryFilesMapsBut(module, {}), kept);
    const std::string read = (folder.Path() / "read.wvt").string();
    ASSERT_TRUE(ProjectStore().ArchiveProject(&project, read.c_str(), FALSE));
    EXPECT_TRUE(ReadHostFile(unread) == ReadHostFile(read));
    ProjectStore store;
    ASSERT_TRUE(store.ArchiveProject(nullptr, unread.c_str(), TRUE));
    EXPECT_EQ(MapsOfGoneMenus(*store.GetProject()), std::vector<std::string>{});

    // A file its top menu lists twice gets two maps of an item added then.
    Menu* masters = module.FindMenuByName("Masters");
    ASSERT_NE(masters, nullptr);
    AspFile* twice = module.GetMasterForms().front()->GetAspFiles().front();
    ASSERT_NE(twice->GetTopMenu(), nullptr);
    twice->GetTopMenu()->AddPageFile(twice);
    Menu* added = NewMenu("added");
    masters->AddSubMenu(added);
    EXPECT_EQ(std::ranges::count(twice->GetTopMenuVariableMaps(), added, &MenuVariableMap::m_menu),
              2);
    ASSERT_TRUE(project.DeleteMenu(added));
    EXPECT_EQ(EveryFilesMapsBut(module, {}), kept);
}
} // namespace
