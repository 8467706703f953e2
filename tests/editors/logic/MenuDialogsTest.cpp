#include "editors/logic/AlterScriptScope.h"
#include "editors/logic/MenuParentChange.h"
#include "entities/Designation.h"
#include "entities/Menu.h"
#include "model/ForgeonProject.h"
#include "model/Module.h"
#include "tests/editors/logic/MenuNames.h"
#include "tests/model/ModelBuilders.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

using Scope = AlterScriptScope::Scope;

TEST(AlterScriptScopeTest, OneScopeAtATimeAndTheTableOnlyWhenOneIsSelected)
{
    struct Flags
    {
        int table, module, project;
        bool operator==(const Flags&) const = default;
    };
    const struct
    {
        bool tableSelected;
        std::vector<Scope> clicks;
        Flags flags;
    } cases[] = {
        {true, {}, {1, 0, 0}},
        {false, {}, {0, 0, 0}},
        {true, {Scope::Module}, {0, 1, 0}},
        {true, {Scope::Project, Scope::Table}, {1, 0, 0}},
        {false, {Scope::Project, Scope::Table}, {0, 0, 1}},
        {false, {Scope::Module, Scope::Project}, {0, 0, 1}},
    };
    for (const auto& each : cases)
    {
        AlterScriptScope scope(each.tableSelected);
        EXPECT_EQ(scope.IsTableEnabled(), each.tableSelected);
        for (Scope click : each.clicks)
            scope.Choose(click);
        EXPECT_EQ((Flags{scope.m_table, scope.m_module, scope.m_project}), each.flags)
            << each.tableSelected << " " << each.clicks.size();
    }
}

namespace
{
// The base module with the top-level menus "Masters" (sub-menu "Orders" with "Lines") and
// "Reports", and a "Director" role that has none of them.
class MenuParentChangeTest : public ::testing::Test
{
protected:
    MenuParentChangeTest()
    {
        project.InitNewProject();
        for (Menu** menu : {&masters, &orders, &lines, &reports})
            *menu = new Menu;
        masters->SetName("Masters");
        orders->SetName("Orders");
        lines->SetName("Lines");
        reports->SetName("Reports");
        Base().Append(masters);
        Base().Append(reports);
        masters->AddSubMenu(orders);
        orders->AddSubMenu(lines);
        director = new Designation(TRUE);
        director->SetName("Director");
        Base().Append(director);
    }

    Module& Base() { return *project.GetBaseModule(); }

    ForgeonProject project;
    ScopedOpenProject open{&project};
    Menu* masters = nullptr;
    Menu* orders = nullptr;
    Menu* lines = nullptr;
    Menu* reports = nullptr;
    Designation* director = nullptr;
};

TEST_F(MenuParentChangeTest, TheCandidatesAreTheModulesMenusButTheMenuAndItsSubTree)
{
    const std::vector<CString> candidates = Names(ParentMenuCandidates(Base(), *orders));
    for (const char* name : {"Masters", "Reports"})
        EXPECT_NE(std::ranges::find(candidates, CString(name)), candidates.end()) << name;
    for (const char* name : {"Orders", "Lines"})
        EXPECT_EQ(std::ranges::find(candidates, CString(name)), candidates.end()) << name;

    MenuParentChange change(project, *orders);
    EXPECT_EQ(change.GetCaption(), "Set Parent for Orders");
    change.Load();
    std::vector<CString> texts;
    for (const Menu* candidate : ParentMenuCandidates(Base(), *orders))
        texts.push_back(ParentMenuText(*candidate));
    EXPECT_EQ(change.GetCandidateNames(), texts);
    EXPECT_EQ(change.GetSelectedParent(), -1);
}

TEST_F(MenuParentChangeTest, ASubMenuAndATopLevelMenuMoveUnderTheChosenParent)
{
    const auto moveUnder = [this](Menu& menu, Menu& parent)
    {
        MenuParentChange change(project, menu,
                                [&parent](const Menu&) {
                                    return ParentMenuEntries{{parent.GetName()}, {&parent}};
                                });
        change.Load();
        change.SelectParent(0);
        return change.Apply();
    };
    ASSERT_TRUE(moveUnder(*orders, *reports));
    EXPECT_EQ(orders->GetParent(), reports);
    EXPECT_TRUE(masters->GetSubMenus().empty());
    EXPECT_EQ(reports->GetSubMenus(), std::vector<Menu*>{orders});
    EXPECT_EQ(orders->GetSubMenus(), std::vector<Menu*>{lines});
    EXPECT_TRUE(director->HasMenu(orders));

    ASSERT_TRUE(moveUnder(*masters, *lines));
    EXPECT_EQ(std::ranges::find(Base().GetMenus(), masters), Base().GetMenus().end());
    EXPECT_EQ(masters->GetParent(), lines);
    EXPECT_TRUE(director->HasMenu(masters));
    EXPECT_EQ(director->GetMenus().size(), 2u);

    // No parent chosen changes nothing; without a current module the dialog stays open.
    MenuParentChange none(project, *reports);
    none.Load();
    EXPECT_TRUE(none.Apply());
    EXPECT_EQ(reports->GetParent(), nullptr);
    project.SetCurrentModule(nullptr);
    EXPECT_FALSE(moveUnder(*reports, *orders));
    EXPECT_EQ(reports->GetParent(), nullptr);
}
} // namespace
