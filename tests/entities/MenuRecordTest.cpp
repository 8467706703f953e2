#include "entities/AspFile.h"
#include "entities/AspxFile.h"
#include "entities/Designation.h"
#include "entities/Menu.h"
#include "entities/ReportField.h"
#include "model/VersionHistory.h"
#include "tests/support/ArchiveBytes.h"
#include "tests/support/RecordBytes.h"

#include <gtest/gtest.h>

#include <memory>

namespace
{

// A top-level menu "Masters" with the sub-menus "Orders" (which has "Lines") and "Customers".
struct MenuTree
{
    MenuTree()
    {
        top->SetName("Masters");
        orders->SetName("Orders");
        lines->SetName("Lines");
        customers->SetName("Customers");
        top->AddSubMenu(orders);
        orders->AddSubMenu(lines);
        top->AddSubMenu(customers);
    }

    std::unique_ptr<Menu> top = std::make_unique<Menu>();
    Menu* orders = new Menu;
    Menu* lines = new Menu;
    Menu* customers = new Menu;
};

} // namespace

TEST(MenuRecordTest, MenuTreeSurvivesSaveAndLoadWithNewIdsAndNoMergeMark)
{
    ScopedArchiveVersion version(CurrentVersion());
    MenuTree tree;
    tree.orders->SetValue(42);
    tree.top->SetMergeMark(1);
    EXPECT_EQ(tree.top->GetId() + 3, tree.customers->GetId());

    const std::vector<BYTE> bytes = SaveObject(tree.top.get());
    std::unique_ptr<Menu> loaded(LoadObject<Menu>(bytes));

    EXPECT_EQ(tree.customers->GetId() + 1, loaded->GetId());
    EXPECT_EQ(0, loaded->GetMergeMark());
    EXPECT_EQ(nullptr, loaded->GetParent());
    const Menu* orders = loaded->GetSubMenus().at(0);
    EXPECT_EQ(loaded.get(), orders->GetParent());
    EXPECT_EQ(orders, orders->GetSubMenus().at(0)->GetParent());
    EXPECT_EQ(bytes, SaveObject(loaded.get()));
}

TEST(MenuRecordTest, MenuAndItsPageFilesStayLinkedBothWaysFromTheMenuSide)
{
    ScopedArchiveVersion version(CurrentVersion());
    Menu menu;
    AspxFile opened;
    AspxFile shown;
    menu.SetAspFile(&opened);
    shown.SetTopMenu(&menu);

    std::unique_ptr<Menu> loaded(LoadObject<Menu>(SaveObject(&menu)));
    std::unique_ptr<AspFile> loadedOpened(loaded->GetAspFile());
    ASSERT_EQ(1u, loaded->GetPageFiles().size());
    std::unique_ptr<AspFile> loadedShown(loaded->GetPageFiles()[0]);

    ASSERT_NE(nullptr, dynamic_cast<AspxFile*>(loadedOpened.get()));
    ASSERT_EQ(1u, loadedOpened->GetLinkingItems().size());
    EXPECT_EQ(loaded.get(), loadedOpened->GetLinkingItems()[0]);
    EXPECT_EQ(loaded.get(), loadedShown->GetTopMenu());
    EXPECT_EQ(nullptr, loadedShown->GetLeftMenu());
}

TEST(MenuRecordTest, MenuAndItsPageFilesStayLinkedBothWaysFromTheFileSide)
{
    ScopedArchiveVersion version(CurrentVersion());
    AspFile file;
    ReportField column;
    Menu opener;
    Menu left;
    column.SetAspFile(&file);
    opener.SetAspFile(&file);
    file.SetLeftMenu(&left);

    const std::vector<BYTE> bytes = SaveObject(&file);
    // New class "AspFile" (6 + 7 bytes), owner kind, file kind, null owner page, item count,
    // then the first item's kind word.
    const std::size_t kindWordAt = 13 + 4 + 4 + 2 + 4;
    ASSERT_GT(bytes.size(), kindWordAt);
    EXPECT_EQ(1, bytes[kindWordAt]);

    std::unique_ptr<AspFile> loaded(LoadObject<AspFile>(bytes));
    ASSERT_EQ(2u, loaded->GetLinkingItems().size());
    std::unique_ptr<MenuInterface> loadedColumn(loaded->GetLinkingItems()[0]);
    std::unique_ptr<MenuInterface> loadedOpener(loaded->GetLinkingItems()[1]);
    std::unique_ptr<Menu> loadedLeft(loaded->GetLeftMenu());

    EXPECT_NE(nullptr, dynamic_cast<ReportField*>(loadedColumn.get()));
    EXPECT_NE(nullptr, dynamic_cast<Menu*>(loadedOpener.get()));
    EXPECT_EQ(loaded.get(), loadedColumn->GetAspFile());
    EXPECT_EQ(loaded.get(), loadedOpener->GetAspFile());
    ASSERT_NE(nullptr, loadedLeft);
    ASSERT_EQ(1u, loadedLeft->GetPageFiles().size());
    EXPECT_EQ(loaded.get(), loadedLeft->GetPageFiles()[0]);
}

TEST(MenuRecordTest, RolesAndMenusStayLinkedBothWaysFromTheRoleSide)
{
    ScopedArchiveVersion version(CurrentVersion());
    MenuTree tree;
    Designation role(TRUE);
    role.SetName("clerk");
    role.AddMenu(tree.orders);
    role.AddMenu(tree.customers);

    std::unique_ptr<Designation> loaded(LoadObject<Designation>(SaveObject(&role)));
    ASSERT_EQ(2u, loaded->GetMenus().size());
    Menu* orders = loaded->GetMenus()[0];
    Menu* customers = loaded->GetMenus()[1];
    // The menus were written with their parent, so the whole tree came along.
    std::unique_ptr<Menu> top(orders->GetParent());

    ASSERT_NE(nullptr, top);
    EXPECT_EQ(customers->GetParent(), top.get());
    EXPECT_EQ("Orders", orders->GetName());
    ASSERT_EQ(1u, orders->GetRoles().size());
    EXPECT_EQ(loaded.get(), orders->GetRoles()[0]);
    ASSERT_EQ(1u, customers->GetRoles().size());
    EXPECT_EQ(loaded.get(), customers->GetRoles()[0]);
    EXPECT_TRUE(top->GetRoles().empty());
}

TEST(MenuRecordTest, DeletingARoleUnlinksItFromItsMenus)
{
    Menu first;
    Menu second;
    auto* role = new Designation;
    role->AddMenu(&first);
    role->AddMenu(&second);

    delete role;

    EXPECT_TRUE(first.GetRoles().empty());
    EXPECT_TRUE(second.GetRoles().empty());
}
