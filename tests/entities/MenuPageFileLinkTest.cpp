#include "entities/AspFile.h"
#include "entities/AspxFile.h"
#include "entities/Form.h"
#include "entities/Menu.h"
#include "model/EntityUsageSet.h"
#include "model/ProjectDiagnostics.h"
#include "tests/model/ModelBuilders.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

// Deleting either side of a link between menus and page files leaves the other side with no
// pointer to it; the sanitizer run catches any later use of the freed side, here when the
// surviving side is destroyed at the end of each test.

namespace
{

// The file shows the menu as its top and left menu, with maps on both sides, linked as the
// page-file operations link them: the file takes the menu and the menu lists the file.
void ShowAsTopAndLeftMenu(AspFile& file, Menu& menu)
{
    file.SetTopMenu(&menu);
    file.SetLeftMenu(&menu);
    menu.AddPageFile(&file);
    file.AddTopMenuVariableMap(new MenuVariableMap{&menu, {}});
    file.AddLeftMenuVariableMap(new MenuVariableMap{&menu, {}});
}

void ExpectFileForgotTheMenu(const AspFile& file)
{
    EXPECT_TRUE(file.GetLinkingItems().empty());
    EXPECT_EQ(nullptr, file.GetTopMenu());
    EXPECT_EQ(nullptr, file.GetLeftMenu());
    EXPECT_TRUE(file.GetTopMenuVariableMaps().empty());
    EXPECT_TRUE(file.GetLeftMenuVariableMaps().empty());
}

void ExpectMenuForgotItsFiles(const Menu& menu)
{
    EXPECT_EQ(nullptr, menu.GetAspFile());
    EXPECT_TRUE(menu.GetPageFiles().empty());
}

} // namespace

TEST(MenuPageFileLinkTest, DeletedMenuOrSubtreeLeavesNoPointerInTheFilesOfItsItems)
{
    AspxFile opened;
    AspFile shown;
    auto* menu = new Menu;
    menu->SetAspFile(&opened);
    ShowAsTopAndLeftMenu(shown, *menu);
    ShowAsTopAndLeftMenu(opened, *menu);
    delete menu;
    ExpectFileForgotTheMenu(opened);
    ExpectFileForgotTheMenu(shown);

    Menu top;
    auto* middle = new Menu;
    auto* leaf = new Menu;
    top.AddSubMenu(middle);
    middle->AddSubMenu(leaf);
    leaf->SetAspFile(&opened);
    ShowAsTopAndLeftMenu(shown, *middle);
    delete middle;
    EXPECT_TRUE(top.GetSubMenus().empty());
    ExpectFileForgotTheMenu(opened);
    ExpectFileForgotTheMenu(shown);
}

TEST(MenuPageFileLinkTest, DeletedFileLeavesNoPointerInTheMenusThatOpenOrShowIt)
{
    Menu opener;
    Menu shownTop;
    Menu shownLeft;
    AspFile* file = new AspxFile;
    opener.SetAspFile(file);
    file->SetTopMenu(&shownTop);
    shownTop.AddPageFile(file);
    file->SetLeftMenu(&shownLeft);
    shownLeft.AddPageFile(file);
    delete file;
    ExpectMenuForgotItsFiles(opener);
    ExpectMenuForgotItsFiles(shownTop);
    ExpectMenuForgotItsFiles(shownLeft);

    file = new AspFile;
    ShowAsTopAndLeftMenu(*file, opener);
    opener.SetAspFile(file);
    EXPECT_TRUE(file->GetLinkingItems().empty()) << "the file lists its top menu already";
    delete file;
    ExpectMenuForgotItsFiles(opener);
}

TEST(MenuPageFileLinkTest, DeletedPageTakesItsFilesOutOfTheMenus)
{
    Menu menu;
    auto* page = NewPage<Form>("Customer");
    auto* file = new AspFile;
    page->AddAspFile(file);
    menu.SetAspFile(file);
    ShowAsTopAndLeftMenu(*file, menu);

    delete page;

    ExpectMenuForgotItsFiles(menu);
}

TEST(MenuPageFileLinkTest, OpeningAFileKeepsOneLinkingEntryAndLeavesThePreviousFile)
{
    Menu menu;
    AspFile first;
    AspFile second;
    menu.SetAspFile(&first);
    menu.SetAspFile(&first);
    EXPECT_EQ((std::vector<MenuInterface*>{&menu}), first.GetLinkingItems());

    menu.SetAspFile(&second);
    EXPECT_TRUE(first.GetLinkingItems().empty());
    EXPECT_EQ(1u, second.GetLinkingItems().size());

    menu.SetAspFile(nullptr);
    EXPECT_TRUE(second.GetLinkingItems().empty());
    EXPECT_EQ(nullptr, menu.GetAspFile());
}

TEST(MenuPageUsageTest, MenuOpeningOrShownInAFileOfThePageIsListedAndRecorded)
{
    TheProjectDiagnostics().PushUsageSet();
    const std::vector<MenuInterface*>& recorded =
        TheProjectDiagnostics().GetCurrentUsageSet().GetMenuItems();
    std::unique_ptr<Form> page(NewPage<Form>("Order"));
    auto* file = new AspFile;
    page->AddAspFile(file);
    AspFile elsewhere;
    Menu opener;
    opener.SetName("Orders");
    opener.SetAspFile(file);
    Menu shown;
    shown.SetName("Main");
    ShowAsTopAndLeftMenu(elsewhere, shown);
    Menu unrelated;
    unrelated.SetAspFile(&elsewhere);
    CString list = "Before\n";

    opener.CollectPageUsage(page.get(), list);
    opener.CollectPageUsage(page.get(), list);
    unrelated.CollectPageUsage(page.get(), list);
    unrelated.CollectPageUsage(nullptr, list);
    EXPECT_EQ("Before\nOrders\nOrders\n", list);
    EXPECT_EQ((std::vector<MenuInterface*>{&opener}), recorded);

    ShowAsTopAndLeftMenu(*file, shown);
    shown.CollectPageUsage(page.get(), list);
    EXPECT_EQ("Before\nOrders\nOrders\nMain\n", list);
    EXPECT_EQ((std::vector<MenuInterface*>{&opener, &shown}), recorded);
    TheProjectDiagnostics().PopUsageSet();
}
