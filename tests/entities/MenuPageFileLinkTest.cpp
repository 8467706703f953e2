#include "entities/AspFile.h"
#include "entities/AspxFile.h"
#include "entities/Form.h"
#include "entities/Menu.h"
#include "entities/ReportField.h"
#include "tests/model/ModelBuilders.h"
#include "tests/support/ListedRelease.h"

#include <gtest/gtest.h>

#include <vector>

// Deleting either side of a link between page files and the items that open or show them
// leaves the other side with no pointer to it; the sanitizer run catches any later use of the
// freed side, here when the surviving side is destroyed at the end of each test.

namespace
{

// The file shows the menu as its top and left menu, with maps on both sides; setting a side
// menu links both ways: the file takes the menu and the menu lists the file.
void ShowAsTopAndLeftMenu(AspFile& file, Menu& menu)
{
    file.SetTopMenu(&menu);
    file.SetLeftMenu(&menu);
    file.AddTopMenuVariableMap(MenuVariableMap{&menu, {}});
    file.AddLeftMenuVariableMap(MenuVariableMap{&menu, {}});
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

TEST(MenuPageFileLinkTest, DeletedFileOrPageLeavesNoPointerInTheMenusThatOpenOrShowIt)
{
    Menu opener;
    Menu shownTop;
    Menu shownLeft;
    AspFile* file = new AspxFile;
    opener.SetAspFile(file);
    file->SetTopMenu(&shownTop);
    file->SetLeftMenu(&shownLeft);
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

    auto* page = NewPage<Form>("Customer");
    file = new AspFile;
    page->AddAspFile(file);
    opener.SetAspFile(file);
    ShowAsTopAndLeftMenu(*file, opener);
    delete page;
    ExpectMenuForgotItsFiles(opener);
}

TEST(MenuPageFileLinkTest, ReplacedOpenedTopAndLeftMenusNoLongerReachTheFile)
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

    auto* oldTop = new Menu;
    auto* oldLeft = new Menu;
    Menu newTop;
    auto* file = new AspxFile;
    file->SetTopMenu(oldTop);
    file->SetLeftMenu(oldLeft);
    file->SetTopMenu(&newTop);
    file->SetLeftMenu(nullptr);
    EXPECT_TRUE(oldTop->GetPageFiles().empty());
    EXPECT_TRUE(oldLeft->GetPageFiles().empty());
    delete oldTop;
    delete oldLeft;
    EXPECT_EQ(&newTop, file->GetTopMenu());
    delete file;
    EXPECT_TRUE(newTop.GetPageFiles().empty());
}

namespace
{
struct SideCase
{
    const char* name;
    void (AspFile::*set)(Menu*);
    Menu* (AspFile::*get)() const;
};

const SideCase sides[] = {
    {"top", &AspFile::SetTopMenu, &AspFile::GetTopMenu},
    {"left", &AspFile::SetLeftMenu, &AspFile::GetLeftMenu},
};
} // namespace

// Setting a side menu alone links both ways, once however often it is set, so that whichever
// of the two goes first leaves no pointer in the other.
TEST(MenuPageFileLinkTest, SettingEitherSideMenuAloneLinksBothWays)
{
    for (const SideCase& side : sides)
    {
        SCOPED_TRACE(side.name);
        auto* menu = new Menu;
        auto* file = new AspxFile;
        (file->*side.set)(menu);
        (file->*side.set)(menu);
        EXPECT_EQ((std::vector<AspFile*>{file}), menu->GetPageFiles());
        delete menu;
        EXPECT_EQ(nullptr, (file->*side.get)());
        delete file;

        Menu kept;
        file = new AspxFile;
        (file->*side.set)(&kept);
        delete file;
        EXPECT_TRUE(kept.GetPageFiles().empty());
    }

    // One menu on both sides stays listed while either side shows it.
    auto* menu = new Menu;
    AspxFile file;
    file.SetTopMenu(menu);
    file.SetLeftMenu(menu);
    file.SetLeftMenu(nullptr);
    EXPECT_EQ((std::vector<AspFile*>{&file}), menu->GetPageFiles());
    delete menu;
    EXPECT_EQ(nullptr, file.GetTopMenu());
}

// A page that drops its references to a menu leaves the menu's lists without its files.
TEST(MenuPageFileLinkTest, PageDroppingAMenuLeavesItsFilesOutOfTheMenusLists)
{
    auto* page = NewPage<Form>("Customer");
    auto* file = new AspxFile;
    page->AddAspFile(file);
    Menu menu;
    menu.SetAspFile(file);
    ShowAsTopAndLeftMenu(*file, menu);
    EXPECT_EQ(5, ReleaseListed(*page, {&menu}));
    ExpectFileForgotTheMenu(*file);
    ExpectMenuForgotItsFiles(menu);
    delete page;
}

TEST(MenuPageFileLinkTest, ReportFieldAndTheFileItOpensForgetEachOtherWhenEitherGoes)
{
    ReportField column;
    auto* file = new AspxFile;
    column.SetAspFile(file);
    ASSERT_TRUE(file->IsLinkedFrom(&column));
    delete file;
    EXPECT_EQ(nullptr, column.GetAspFile());

    AspxFile kept;
    auto* opener = new ReportField;
    opener->SetAspFile(&kept);
    delete opener;
    EXPECT_TRUE(kept.GetLinkingItems().empty());
}

TEST(MenuPageFileLinkTest, CopiedFileJoinsTheItemsListsAndLeavesThemWhenDeleted)
{
    Menu opener;
    Menu shown;
    AspxFile source;
    opener.SetAspFile(&source);
    ShowAsTopAndLeftMenu(source, shown);

    auto* copy = new AspxFile;
    copy->CopyFrom(source, nullptr);
    for (Menu* menu : {&opener, &shown})
    {
        EXPECT_TRUE(copy->IsLinkedFrom(menu));
        EXPECT_TRUE(menu->HasAspFile(copy));
    }
    delete copy;
    EXPECT_FALSE(opener.HasAspFile(copy));
    EXPECT_FALSE(shown.HasAspFile(copy));
    EXPECT_EQ(&source, opener.GetAspFile());
    EXPECT_TRUE(shown.HasAspFile(&source));
}

TEST(MenuPageFileLinkTest, MenuDeletedBeforeOrAfterACopiedFileLeavesNoPointerBehind)
{
    AspxFile source;
    auto* opener = new Menu;
    opener->SetAspFile(&source);
    auto* copy = new AspxFile;
    copy->CopyFrom(source, nullptr);
    delete copy;
    delete opener;
    EXPECT_TRUE(source.GetLinkingItems().empty());

    auto* top = new Menu;
    source.SetTopMenu(top);
    top->AddPageFile(&source);
    copy = new AspxFile;
    copy->CopyFrom(source, nullptr);
    delete top;
    EXPECT_EQ(nullptr, source.GetTopMenu());
    EXPECT_EQ(nullptr, copy->GetTopMenu());
    delete copy;
}
