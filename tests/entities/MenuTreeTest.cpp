#include "entities/Designation.h"
#include "entities/Menu.h"
#include "model/VersionHistory.h"
#include "tests/support/ArchiveBytes.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace
{

using Strings = std::vector<std::string>;

Menu* NewSubMenu(const char* name, Menu* parent)
{
    auto* menu = new Menu;
    menu->SetName(name);
    parent->AddSubMenu(menu);
    return menu;
}

Strings MenuNames(const std::vector<Menu*>& menus)
{
    Strings names;
    for (const Menu* menu : menus)
        names.emplace_back(menu->GetName().GetString());
    return names;
}

// Four levels: Root > A > A1 > A1a, Root > A > A2, Root > B > B1, Root > C.
class MenuTreeTest : public ::testing::Test
{
protected:
    MenuTreeTest() { root.SetName("Root"); }

    Strings Collected(const Menu& menu, const Menu* excluded) const
    {
        std::vector<Menu*> out;
        menu.CollectSubMenus(out, excluded);
        return MenuNames(out);
    }

    Menu root;
    Menu* a = NewSubMenu("A", &root);
    Menu* a1 = NewSubMenu("A1", a);
    Menu* a1a = NewSubMenu("A1a", a1);
    Menu* a2 = NewSubMenu("A2", a);
    Menu* b = NewSubMenu("B", &root);
    Menu* b1 = NewSubMenu("B1", b);
    Menu* c = NewSubMenu("C", &root);
};

using Menus = std::vector<Menu*>;

// A role allowed to use two menus.
class RoleMenuLinkTest : public ::testing::Test
{
protected:
    RoleMenuLinkTest()
    {
        first.SetName("Orders");
        role.AddMenu(&first);
        role.AddMenu(&second);
    }

    Menu first;
    Menu second;
    Designation role;
};

TEST_F(MenuTreeTest, FullNamesJoinTheAncestorPathAndTheNameWithADoubleUnderscore)
{
    EXPECT_EQ("Root", root.GetFullName());
    EXPECT_EQ("Root__A", a->GetFullName());
    EXPECT_EQ("Root_A__A1", a1->GetFullName());
    EXPECT_EQ("Root_A_A1__A1a", a1a->GetFullName());
}

TEST_F(MenuTreeTest, CollectingListsDescendantsFirstAndSkipsOnlyAnExcludedDirectSubMenu)
{
    EXPECT_EQ((Strings{"A1a", "A1", "A2", "A", "B1", "B", "C"}), Collected(root, nullptr));
    EXPECT_EQ((Strings{"B1", "B", "C"}), Collected(root, a));
    EXPECT_EQ((Strings{"A1a", "A1", "A2", "A", "B1", "B"}), Collected(root, c));
    EXPECT_EQ((Strings{"A1a", "A1", "A2", "A", "B1", "B", "C"}), Collected(root, a1))
        << "a deeper item is not compared with the excluded one";
    EXPECT_EQ((Strings{"A2"}), Collected(*a, a1));
    EXPECT_TRUE(Collected(*a1a, nullptr).empty());

    std::vector<Menu*> leaves;
    root.CollectLeafSubMenus(leaves);
    EXPECT_EQ((Strings{"A1a", "A2", "B1", "C"}), MenuNames(leaves));
    c->CollectLeafSubMenus(leaves);
    EXPECT_EQ(4u, leaves.size()) << "an item is not its own leaf";
}

TEST_F(MenuTreeTest, SearchesGoDepthFirstAndNeverCompareTheStartingItem)
{
    a1a->SetName("Dup");
    b->SetName("Dup");
    EXPECT_EQ(a1a, root.FindSubMenuByName("Dup"));
    EXPECT_EQ(nullptr, root.FindSubMenuByName("dup"));
    EXPECT_EQ(nullptr, root.FindSubMenuByName("Root"));

    EXPECT_EQ(c, root.FindSubMenuById(c->GetId()));
    EXPECT_EQ(a1a, a->FindSubMenuById(a1a->GetId()));
    EXPECT_EQ(nullptr, a->FindSubMenuById(a->GetId()));
    EXPECT_EQ(nullptr, a->FindSubMenuById(b1->GetId()));

    EXPECT_EQ(a1a, root.FindByFullName("Root_A_A1__Dup"));
    EXPECT_EQ(b, root.FindByFullName("Root__Dup"));
    EXPECT_EQ(nullptr, root.FindByFullName("Root"));
}

TEST_F(MenuTreeTest, MovingSubMenusSwapsNeighboursAndIgnoresTheEndsAndStrangers)
{
    root.MoveSubMenuDown(a);
    root.MoveSubMenuUp(c);
    EXPECT_EQ((Strings{"B", "C", "A"}), MenuNames(root.GetSubMenus()));

    root.MoveSubMenuDown(a);
    root.MoveSubMenuUp(b);
    root.MoveSubMenuUp(a1);
    root.MoveSubMenuDown(nullptr);
    EXPECT_EQ((Strings{"B", "C", "A"}), MenuNames(root.GetSubMenus()));
}

TEST_F(MenuTreeTest, RolesAreFoundByTheirIds)
{
    Designation::ResetIdCounter();
    Designation numbered(TRUE);
    Designation unnumbered;
    numbered.AddMenu(a);
    unnumbered.AddMenu(a);

    EXPECT_EQ(&numbered, a->FindRoleById(numbered.GetId()));
    EXPECT_EQ(&unnumbered, a->FindRoleById(-1));
    EXPECT_EQ(nullptr, a->FindRoleById(99));
}

TEST(MenuGuardTest, NoSubMenuIsAddedForNullOrTheItemItselfAndAnItemLoadedAsItsOwnParentIsTop)
{
    Menu menu;
    menu.AddSubMenu(nullptr);
    menu.AddSubMenu(&menu);
    EXPECT_TRUE(menu.GetSubMenus().empty());
    EXPECT_EQ(nullptr, menu.GetParent());

    ScopedArchiveVersion version(TheVersionHistory().GetCurrentVersion());
    ArchiveBytes bytes;
    bytes.NewClass("Menu").Str("Loop").Int(0).Null(); // name, no page files, no opened file
    bytes.ObjectRef(2).Int(0).Int(0).Int(0);          // parent itself, no sub-menus, value, roles
    std::unique_ptr<Menu> loaded(LoadObject<Menu>(bytes.Get()));
    ASSERT_EQ(loaded.get(), loaded->GetParent());
    EXPECT_EQ("Loop", loaded->GetFullName());
}

TEST_F(RoleMenuLinkTest, MenusAreAddedOnceAndRemovedByIndexOrAllOnBothSides)
{
    role.AddMenu(&first);
    role.AddMenu(nullptr);
    EXPECT_EQ((Menus{&first, &second}), role.GetMenus());
    EXPECT_EQ((std::vector<Designation*>{&role}), first.GetRoles());
    EXPECT_EQ(nullptr, role.GetMenuAt(2));
    role.RemoveMenuAt(2);
    role.RemoveMenu(nullptr);
    EXPECT_EQ(2u, role.GetMenus().size());

    role.RemoveMenuAt(0);
    EXPECT_EQ((Menus{&second}), role.GetMenus());
    EXPECT_FALSE(first.HasRole(&role));
    role.RemoveMenu(&second);
    EXPECT_FALSE(second.HasRole(&role));

    role.AddMenu(&first);
    role.AddMenu(&second);
    role.RemoveAllMenus();
    EXPECT_TRUE(role.GetMenus().empty());
    EXPECT_TRUE(first.GetRoles().empty());
    EXPECT_TRUE(second.GetRoles().empty());
}

TEST_F(RoleMenuLinkTest, AnotherRolesMenusAreAddedOnceAndLinkedBothWays)
{
    Menu theirs;
    Designation other;
    other.AddMenu(&theirs);
    other.AddMenu(&second);

    role.AddMenusOf(other);
    role.AddMenusOf(role);

    EXPECT_EQ((Menus{&first, &second, &theirs}), role.GetMenus());
    EXPECT_TRUE(theirs.HasRole(&role));
    EXPECT_EQ(2u, second.GetRoles().size());
}

TEST(RoleMenuTreeTest, DeletingADeepMenuTreeLeavesNoItemInAnyRole)
{
    Designation clerk;
    Designation manager;
    {
        Menu top;
        Menu* middle = NewSubMenu("", &top);
        Menu* inner = NewSubMenu("", middle);
        clerk.AddMenu(NewSubMenu("", inner));
        clerk.AddMenu(middle);
        manager.AddMenu(inner);
        manager.AddMenu(NewSubMenu("", &top));
        manager.AddMenu(&top);
    }
    EXPECT_TRUE(clerk.GetMenus().empty());
    EXPECT_TRUE(manager.GetMenus().empty());
}

} // namespace
