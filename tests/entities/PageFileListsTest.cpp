#include "entities/AspFile.h"
#include "entities/AspxFile.h"
#include "entities/Menu.h"
#include "entities/Procedure.h"
#include "entities/ProcedureFieldInfo.h"
#include "entities/ProcedureInvokation.h"
#include "entities/Variable.h"
#include "model/Field.h"
#include "model/FieldVisibility.h"
#include "model/VersionHistory.h"
#include "model/VisibilityData.h"
#include "tests/support/ArchiveBytes.h"

#include <gtest/gtest.h>

#include <vector>

namespace
{

// A sub-menu of the parent with the name.
Menu* AddSubMenu(Menu& parent, const char* name)
{
    auto* child = new Menu;
    child->SetName(name);
    parent.AddSubMenu(child);
    return child;
}

MenuVariableMap NewMenuMap(Menu* menu, std::vector<MenuVariableMap::VariablePair> pairs = {})
{
    return MenuVariableMap{menu, std::move(pairs)};
}

std::vector<Menu*> MenusOf(const std::vector<MenuVariableMap>& maps)
{
    std::vector<Menu*> menus;
    for (const MenuVariableMap& map : maps)
        menus.push_back(map.m_menu);
    return menus;
}

// A visibility of the field with the given data (owned by the visibility) and kind.
FieldVisibility* NewVisibility(Field* field, VisibilityData* data = nullptr,
                               int kind = FieldVisibility::Editable)
{
    auto* visibility = new FieldVisibility(field);
    visibility->SetVisibilityData(data);
    visibility->SetVisibilityKind(kind);
    return visibility;
}

// A menu tree root > {A, B > {B1, B2}} shown as a page file's top or left menu.
class PageFileMenuTest : public ::testing::Test
{
protected:
    PageFileMenuTest()
        : a(AddSubMenu(root, "A")), b(AddSubMenu(root, "B")), b1(AddSubMenu(*b, "B1")),
          b2(AddSubMenu(*b, "B2"))
    {
    }

    Menu root;
    Menu* a;
    Menu* b;
    Menu* b1;
    Menu* b2;
    Menu stranger;
    Variable opened;
    Variable supplying;
};

TEST(PageFileListsTest, LinkingItemsByIndexAndNullLinksRemoved)
{
    Menu first;
    Menu second;
    AspxFile file;
    file.AddLinkingItem(&first);
    file.AddLinkingItem(nullptr);
    file.AddLinkingItem(&second);

    EXPECT_EQ(nullptr, file.GetLinkingItemAt(3));

    file.RemoveNullLinks();
    EXPECT_EQ((std::vector<MenuInterface*>{&first, &second}), file.GetLinkingItems());
}

TEST_F(PageFileMenuTest, RemoveMenuErasesEveryOccurrenceClearsTheSideItHeldAndDropsItsLeafMaps)
{
    AspxFile file;
    file.AddLinkingItem(a);
    file.AddLinkingItem(&stranger);
    file.AddLinkingItem(a);
    file.SetTopMenu(&root);
    file.AddTopMenuVariableMap(NewMenuMap(a));
    file.SetLeftMenu(b);
    file.AddLeftMenuVariableMap(NewMenuMap(b1));

    file.RemoveMenu(a);
    EXPECT_FALSE(file.IsLinkedFrom(a));
    EXPECT_TRUE(file.IsLinkedFrom(&stranger));
    EXPECT_EQ(nullptr, file.FindTopMenuVariableMap(a));

    file.AddTopMenuVariableMap(NewMenuMap(b2));
    // The file joined the lists of its side menus; as the callers do, each menu forgets the file
    // when the file forgets it.
    EXPECT_TRUE(root.HasAspFile(&file));
    file.RemoveMenu(&root);
    root.RemoveAspFile(&file);
    EXPECT_EQ(nullptr, file.GetTopMenu());
    EXPECT_TRUE(file.GetTopMenuVariableMaps().empty());
    EXPECT_EQ(b, file.GetLeftMenu());
    EXPECT_EQ(1u, file.GetLeftMenuVariableMaps().size());

    file.AddLeftMenuVariableMap(NewMenuMap(b2));
    file.RemoveMenu(b1);
    EXPECT_EQ((std::vector<Menu*>{b2}), MenusOf(file.GetLeftMenuVariableMaps()));

    EXPECT_TRUE(file.IsLinkedFrom(b));
    file.RemoveMenu(b);
    b->RemoveAspFile(&file);
    EXPECT_EQ(nullptr, file.GetLeftMenu());
    EXPECT_TRUE(file.GetLeftMenuVariableMaps().empty());
    EXPECT_FALSE(file.IsLinkedFrom(b));
}

TEST_F(PageFileMenuTest, MapsByIndexByLeafMenuAndByNameIgnoringCaseTopFirst)
{
    Menu otherA;
    otherA.SetName("a");
    Menu otherB2;
    otherB2.SetName("b2");
    AspxFile file;
    file.AddTopMenuVariableMap(NewMenuMap(nullptr));
    file.AddTopMenuVariableMap(NewMenuMap(a));
    file.AddLeftMenuVariableMap(NewMenuMap(nullptr));
    file.AddLeftMenuVariableMap(NewMenuMap(&otherA));
    file.AddLeftMenuVariableMap(NewMenuMap(b2));

    EXPECT_EQ(nullptr, file.GetTopMenuVariableMapAt(2));
    EXPECT_EQ(nullptr, file.FindTopMenuVariableMap(b2));
    EXPECT_EQ(file.GetLeftMenuVariableMapAt(2), file.FindLeftMenuVariableMap(b2));

    const MenuVariableMap byA{&otherA, {}};
    EXPECT_EQ(file.GetTopMenuVariableMapAt(1), file.FindMenuVariableMapByName(&byA));
    const MenuVariableMap byB2{&otherB2, {}};
    EXPECT_EQ(file.GetLeftMenuVariableMapAt(2), file.FindMenuVariableMapByName(&byB2));
    const MenuVariableMap byStranger{&stranger, {}};
    EXPECT_EQ(nullptr, file.FindMenuVariableMapByName(&byStranger));
    const MenuVariableMap withoutMenu;
    EXPECT_EQ(nullptr, file.FindMenuVariableMapByName(&withoutMenu));
    EXPECT_EQ(nullptr, file.FindMenuVariableMapByName(nullptr));
}

TEST_F(PageFileMenuTest, SyncGivesEveryLeafAMapKeepsItsPairsAndDeletesTheOthers)
{
    ScopedArchiveVersion version(TheVersionHistory().GetCurrentVersion());
    AspxFile file;
    file.SetTopMenu(&root);
    file.AddTopMenuVariableMap(NewMenuMap(&stranger));
    file.AddTopMenuVariableMap(NewMenuMap(b1, {{&opened, &supplying}}));
    file.AddTopMenuVariableMap(NewMenuMap(b));

    file.SyncMenuVariableMaps(TRUE);
    EXPECT_EQ((std::vector<Menu*>{b1, a, b2}), MenusOf(file.GetTopMenuVariableMaps()));
    EXPECT_EQ(1u, file.FindTopMenuVariableMap(b1)->GetVariablePairs().size());
    EXPECT_TRUE(file.FindTopMenuVariableMap(a)->GetVariablePairs().empty());

    file.SyncMenuVariableMaps(TRUE);
    EXPECT_EQ(3u, file.GetTopMenuVariableMaps().size());
}

TEST(PageFileListsTest, SyncOverAWideTreeKeepsTheMapsOfItsLeavesAndAddsTheRestInTreeOrder)
{
    ScopedArchiveVersion version(TheVersionHistory().GetCurrentVersion());
    Menu root;
    std::vector<Menu*> leaves;
    for (int branch = 0; branch < 10; ++branch)
    {
        Menu* parent = AddSubMenu(root, "Branch");
        for (int leaf = 0; leaf < 10; ++leaf)
            leaves.push_back(AddSubMenu(*parent, "Leaf"));
    }
    Menu stranger;
    AspxFile file;
    file.SetTopMenu(&root);
    for (Menu* menu : {leaves[99], &stranger, leaves[50], leaves[99], leaves[0]})
        file.AddTopMenuVariableMap(NewMenuMap(menu));

    file.SyncMenuVariableMaps(TRUE);
    std::vector<Menu*> expected{leaves[99], leaves[50], leaves[99], leaves[0]};
    for (Menu* leaf : leaves)
    {
        if (leaf != leaves[0] && leaf != leaves[50] && leaf != leaves[99])
            expected.push_back(leaf);
    }
    EXPECT_EQ(expected, MenusOf(file.GetTopMenuVariableMaps()));
    file.RemoveDuplicateMenuVariableMaps();
    expected.erase(expected.begin() + 2);
    EXPECT_EQ(expected, MenusOf(file.GetTopMenuVariableMaps()));
    file.SetTopMenu(nullptr);
}

TEST_F(PageFileMenuTest, SyncBelowVersion41EmptiesThePairsOfTheLeafMaps)
{
    for (const int fileVersion : {40, 41})
    {
        SCOPED_TRACE(fileVersion);
        ScopedArchiveVersion version(fileVersion);
        AspxFile file;
        file.SetLeftMenu(b);
        file.AddLeftMenuVariableMap(NewMenuMap(b2, {{&opened, &supplying}}));

        file.SyncMenuVariableMaps(FALSE);
        EXPECT_EQ((std::vector<Menu*>{b2, b1}), MenusOf(file.GetLeftMenuVariableMaps()));
        EXPECT_EQ(fileVersion < 41 ? 0u : 1u,
                  file.FindLeftMenuVariableMap(b2)->GetVariablePairs().size());
    }
}

TEST_F(PageFileMenuTest, SyncTakesTheLeftSideWhenTheTopIsNotAskedOrNotSetAndEmptiesSidesWithoutMenu)
{
    ScopedArchiveVersion version(TheVersionHistory().GetCurrentVersion());
    AspxFile leftOnly;
    leftOnly.SetLeftMenu(b);
    leftOnly.AddTopMenuVariableMap(NewMenuMap(a));
    leftOnly.SyncMenuVariableMaps(TRUE);
    EXPECT_TRUE(leftOnly.GetTopMenuVariableMaps().empty());
    EXPECT_EQ((std::vector<Menu*>{b1, b2}), MenusOf(leftOnly.GetLeftMenuVariableMaps()));

    // Asked for the left side while only a top menu is set: the top side stays as it is.
    AspxFile topOnly;
    topOnly.SetTopMenu(&root);
    topOnly.AddTopMenuVariableMap(NewMenuMap(&stranger));
    topOnly.AddLeftMenuVariableMap(NewMenuMap(b1));
    topOnly.SyncMenuVariableMaps(FALSE);
    EXPECT_EQ((std::vector<Menu*>{&stranger}), MenusOf(topOnly.GetTopMenuVariableMaps()));
    EXPECT_TRUE(topOnly.GetLeftMenuVariableMaps().empty());

    // A menu without sub-menus has no leaves.
    AspxFile leafMenu;
    leafMenu.SetTopMenu(a);
    leafMenu.AddTopMenuVariableMap(NewMenuMap(a));
    leafMenu.SyncMenuVariableMaps(TRUE);
    EXPECT_TRUE(leafMenu.GetTopMenuVariableMaps().empty());
}

TEST_F(PageFileMenuTest, GrowingTheShownTreeGivesTheFilesTheMapsASyncWouldMake)
{
    ScopedArchiveVersion version(TheVersionHistory().GetCurrentVersion());
    AspxFile topFile;
    topFile.SetTopMenu(&root);
    AspxFile leftFile;
    leftFile.SetLeftMenu(&root);
    AspxFile otherTree;
    otherTree.SetTopMenu(b);
    topFile.SyncMenuVariableMaps(TRUE);
    leftFile.SyncMenuVariableMaps(FALSE);
    topFile.FindTopMenuVariableMap(b1)->AddVariablePair(&opened, &supplying);

    Menu* c = AddSubMenu(root, "C");
    // A leaf becomes a branch: its map goes.
    Menu* a1 = AddSubMenu(*a, "A1");
    // A sub-tree built apart brings its leaves; a leaf mapped before keeps its one map.
    auto* d = new Menu;
    Menu* d1 = AddSubMenu(*d, "D1");
    topFile.AddTopMenuVariableMap(NewMenuMap(d1));
    b2->AddSubMenu(d);

    EXPECT_EQ((std::vector<Menu*>{b1, c, a1, d1}), MenusOf(topFile.GetTopMenuVariableMaps()));
    EXPECT_EQ((std::vector<Menu*>{b1, c, a1, d1}), MenusOf(leftFile.GetLeftMenuVariableMaps()));
    EXPECT_EQ(1u, topFile.FindTopMenuVariableMap(b1)->GetVariablePairs().size());
    EXPECT_TRUE(otherTree.GetTopMenuVariableMaps().empty());
    // Already in line: a sync changes nothing.
    topFile.SyncMenuVariableMaps(TRUE);
    EXPECT_EQ((std::vector<Menu*>{b1, c, a1, d1}), MenusOf(topFile.GetTopMenuVariableMaps()));
}

TEST_F(PageFileMenuTest, DuplicateMapsOfOneMenuAreErasedAfterTheFirst)
{
    AspxFile file;
    file.AddTopMenuVariableMap(NewMenuMap(a, {{&opened, &supplying}}));
    file.AddTopMenuVariableMap(NewMenuMap(b2));
    file.AddTopMenuVariableMap(NewMenuMap(a));
    file.AddLeftMenuVariableMap(NewMenuMap(b1));
    file.AddLeftMenuVariableMap(NewMenuMap(b1, {{&opened, &supplying}}));
    file.AddLeftMenuVariableMap(NewMenuMap(b1));

    file.RemoveDuplicateMenuVariableMaps();
    EXPECT_EQ((std::vector<Menu*>{a, b2}), MenusOf(file.GetTopMenuVariableMaps()));
    EXPECT_EQ(1u, file.GetTopMenuVariableMapAt(0)->GetVariablePairs().size());
    ASSERT_EQ(1u, file.GetLeftMenuVariableMaps().size());
    EXPECT_TRUE(file.GetLeftMenuVariableMapAt(0)->GetVariablePairs().empty());
}

TEST(PageFileListsTest, MenuVariableMapLookupsByMenuFileVariableAndFileVariable)
{
    Variable menuFileVariable;
    Variable fileVariable;
    fileVariable.SetName("CustomerId");
    Variable sameName;
    sameName.SetName("customerid");
    Variable otherName;
    otherName.SetName("OrderId");
    const MenuVariableMap map{
        nullptr,
        {{&otherName, nullptr}, {&menuFileVariable, &fileVariable}, {nullptr, &otherName}}};

    MenuVariableMap::VariablePair found;
    EXPECT_TRUE(map.FindByMenuFileVariable(&menuFileVariable, found));
    EXPECT_EQ(&fileVariable, found.second);
    EXPECT_FALSE(map.FindByMenuFileVariable(&fileVariable, found));

    found = {};
    EXPECT_TRUE(map.FindByFileVariableName(&sameName, found));
    EXPECT_EQ(&menuFileVariable, found.first);
    EXPECT_FALSE(map.FindByFileVariableName(nullptr, found));
}

TEST(PageFileListsTest, VisibilitiesFoundAndRemovedByFieldFirstMatchOnly)
{
    Field amount;
    Field price;
    AspxFile file;
    FieldVisibility* first = NewVisibility(&amount);
    FieldVisibility* second = NewVisibility(&amount, nullptr, FieldVisibility::ReadOnly);
    file.AddFieldVisibility(NewVisibility(nullptr));
    file.AddFieldVisibility(first);
    file.AddFieldVisibility(second);

    EXPECT_EQ(first, file.FindFieldVisibility(&amount));
    EXPECT_EQ(nullptr, file.FindFieldVisibility(&price));
    EXPECT_EQ(nullptr, file.FindFieldVisibility(nullptr));
    EXPECT_TRUE(file.HasFieldVisibility(second));

    EXPECT_TRUE(file.RemoveFieldVisibility(&amount));
    EXPECT_EQ(second, file.FindFieldVisibility(&amount));
    EXPECT_FALSE(file.RemoveFieldVisibility(&price));
    EXPECT_FALSE(file.RemoveFieldVisibility(nullptr));
    EXPECT_EQ(2u, file.GetFieldVisibilities().size());
    EXPECT_FALSE(file.HasInvisibleField());

    file.AddFieldVisibility(NewVisibility(&price, nullptr, FieldVisibility::Invisible));
    EXPECT_TRUE(file.HasInvisibleField());
    file.DeleteAllFieldVisibilities();
    EXPECT_TRUE(file.GetFieldVisibilities().empty());
    EXPECT_FALSE(file.HasInvisibleField());
}

TEST(PageFileListsTest, VisibilitiesFoundThroughTheirDataProcedureVariableOrColumn)
{
    Procedure procedure;
    Variable variable;
    ProcedureFieldInfo column;
    Field field;

    auto* byProcedure = new VisibilityData;
    auto* call = new ProcedureInvokation;
    call->SetProcedure(&procedure);
    byProcedure->SetDataProcedure(call);
    byProcedure->SetResultField(&column);
    auto* byVariable = new VisibilityData;
    byVariable->SetVariable(&variable);

    AspxFile file;
    file.AddFieldVisibility(NewVisibility(&field));
    file.AddFieldVisibility(NewVisibility(&field, new VisibilityData));
    file.AddFieldVisibility(NewVisibility(&field, byVariable));
    file.AddFieldVisibility(NewVisibility(&field, byProcedure));

    EXPECT_TRUE(file.UsesProcedureFieldInVisibility(&column));
    EXPECT_FALSE(file.UsesProcedureFieldInVisibility(nullptr));

    EXPECT_FALSE(file.RemoveFieldVisibilityByVariable(nullptr));
    EXPECT_TRUE(file.RemoveFieldVisibilityByVariable(&variable));
    EXPECT_FALSE(file.RemoveFieldVisibilityByVariable(&variable));
    EXPECT_EQ(3u, file.GetFieldVisibilities().size());
}

} // namespace
