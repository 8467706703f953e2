#include "entities/Designation.h"
#include "entities/DetailTableReport.h"
#include "entities/Form.h"
#include "entities/Menu.h"
#include "entities/Variable.h"
#include "model/VersionHistory.h"
#include "tests/support/ArchiveBytes.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace
{

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

Menu* NewSubMenu(Menu* parent)
{
    auto* menu = new Menu;
    parent->AddSubMenu(menu);
    return menu;
}

} // namespace

TEST_F(RoleMenuLinkTest, AddingAMenuTwiceLeavesOneEntryOnEachSide)
{
    role.AddMenu(&first);
    role.AddMenu(nullptr);
    EXPECT_EQ((Menus{&first, &second}), role.GetMenus());
    EXPECT_EQ((std::vector<Designation*>{&role}), first.GetRoles());
}

TEST_F(RoleMenuLinkTest, MenusAreReadAndRemovedByIndexOnBothSides)
{
    EXPECT_EQ(&second, role.GetMenuAt(1));
    EXPECT_EQ(nullptr, role.GetMenuAt(2));
    EXPECT_EQ(nullptr, role.GetMenuAt(-1));
    role.RemoveMenuAt(2);
    role.RemoveMenuAt(-1);
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

TEST_F(RoleMenuLinkTest, MenusAreMatchedByExactName)
{
    Menu sameName;
    sameName.SetName("Orders");
    Menu otherCase;
    otherCase.SetName("orders");
    EXPECT_TRUE(role.HasMenuNamed(&sameName));
    EXPECT_FALSE(role.HasMenuNamed(&otherCase));
    EXPECT_FALSE(role.HasMenuNamed(nullptr));
}

TEST(RoleMenuTreeTest, DeletingADeepMenuTreeLeavesNoItemInAnyRole)
{
    Designation clerk;
    Designation manager;
    {
        Menu top;
        Menu* middle = NewSubMenu(&top);
        Menu* inner = NewSubMenu(middle);
        clerk.AddMenu(NewSubMenu(inner));
        clerk.AddMenu(middle);
        manager.AddMenu(inner);
        manager.AddMenu(NewSubMenu(&top));
        manager.AddMenu(&top);
    }
    EXPECT_TRUE(clerk.GetMenus().empty());
    EXPECT_TRUE(manager.GetMenus().empty());
}

TEST(DetailTableReportTest, RemovedPairLeavesANullEntryThatSurvivesSaveAndLoad)
{
    ScopedArchiveVersion version(TheVersionHistory().GetCurrentVersion());
    Variable reportVariable;
    Variable pageVariable;
    DetailTableReport report;
    auto* removed = new ReportVariableMap{&reportVariable, &pageVariable};
    auto* kept = new ReportVariableMap{&reportVariable, &pageVariable};
    report.AddVariablePair(removed);
    report.AddVariablePair(kept);
    ReportVariableMap stranger;

    report.RemoveVariablePair(removed);
    report.RemoveVariablePair(&stranger);
    report.RemoveVariablePair(nullptr);

    EXPECT_EQ((std::vector<ReportVariableMap*>{nullptr, kept}), report.GetVariablePairs());
    std::unique_ptr<DetailTableReport> loaded(LoadObject<DetailTableReport>(SaveObject(&report)));
    ASSERT_EQ(2u, loaded->GetVariablePairs().size());
    EXPECT_EQ(nullptr, loaded->GetVariablePairs()[0]);
    const ReportVariableMap* loadedKept = loaded->GetVariablePairs()[1];
    ASSERT_NE(nullptr, loadedKept);
    std::unique_ptr<Variable> loadedReportVariable(loadedKept->reportVariable);
    std::unique_ptr<Variable> loadedPageVariable(loadedKept->pageVariable);
}
