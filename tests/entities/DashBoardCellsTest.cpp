#include "entities/AspFile.h"
#include "entities/Class.h"
#include "entities/ClassInvokation.h"
#include "entities/Function.h"
#include "entities/ProcedureFieldInfo.h"
#include "entities/Variable.h"
#include "model/ForgeonProject.h"
#include "model/MainFrameAccess.h"
#include "model/Module.h"
#include "tests/entities/DashBoardTestSupport.h"
#include "tests/support/ListedRelease.h"

namespace
{

DashBoardVariableMap* NewCellMap(Variable* target, Field* sourceField = nullptr)
{
    return new DashBoardVariableMap{target, nullptr, sourceField};
}

TEST(DashBoardCellInfoTest, StaticTextAndMenuExcludeEachOther)
{
    Menu menu;
    DashBoardCellInfo cell;
    cell.SetMenu(&menu);
    EXPECT_FALSE(cell.IsStaticText());
    cell.SetStaticText(FALSE);
    EXPECT_EQ(&menu, cell.GetMenu());

    cell.SetStaticText(TRUE);
    EXPECT_TRUE(cell.IsStaticText());
    EXPECT_EQ(nullptr, cell.GetMenu());
}

TEST(DashBoardCellInfoTest, RemovalsByTargetOrIndexIgnoreWhatIsNotThere)
{
    Variable first;
    Variable second;
    Variable absent;
    ProcedureFieldInfo total;
    ProcedureFieldInfo count;
    DashBoardCellInfo cell;
    cell.AddVariableMap(NewCellMap(&first));
    cell.AddVariableMap(NewCellMap(&second));
    cell.AddDisplayField(&total);
    cell.AddDisplayField(&count);
    cell.RemoveVariableMap(&absent);
    cell.RemoveVariableMap(&first);
    for (const int bad : {-1, 2})
    {
        cell.SetDisplayFieldCaption(bad, "Outside");
        cell.RemoveDisplayFieldAt(bad);
    }
    cell.SetDisplayFieldCaption(1, "Count");
    cell.RemoveDisplayFieldAt(0);

    EXPECT_EQ(-1, cell.FindVariableMapIndex(&first));
    EXPECT_EQ(0, cell.FindVariableMapIndex(&second));
    ASSERT_EQ(1u, cell.GetDisplayFields().size());
    EXPECT_EQ(&count, cell.GetDisplayFields()[0].fieldInfo);
    EXPECT_EQ("Count", cell.GetDisplayFields()[0].caption);
}

class DashBoardCellsTest : public DashBoardTest
{
protected:
    ProcedureFieldInfo m_priceColumn{m_price, ProcedureFieldInfo::noAggregate};
    ProcedureFieldInfo m_qtyColumn{m_qty, ProcedureFieldInfo::noAggregate};
    Variable m_target;
    Variable m_otherTarget;
};

TEST_F(DashBoardCellsTest, GridsAreCollectedThroughNestedCellsAndWithoutGridNothingHappens)
{
    Grid* nested = NestGrid(*m_grid, 1, 0, 1, 1);
    std::vector<Grid*> grids{nullptr};
    m_board.CollectGrids(grids);
    EXPECT_EQ((std::vector<Grid*>{m_grid, nested}), grids);
    EXPECT_EQ(nested, m_board.FindGridById(nested->GetId()));

    DashBoard empty;
    Menu menu;
    CString list;
    empty.CollectGrids(grids);
    EXPECT_TRUE(grids.empty());
    EXPECT_EQ(nullptr, empty.FindGridById(m_grid->GetId()));
    EXPECT_FALSE(empty.IsFieldUsedInCells(m_price));
    EXPECT_EQ("", FirstListedUse(empty, m_price));
    EXPECT_FALSE(empty.CollectMenuLinkUsage(&menu));
    EXPECT_EQ(0, ReleaseListed(empty, {m_price}));
    empty.ClearFieldFromCells(m_price);
    empty.UpdateMenuCaptionInCells(&menu);
    empty.RelinkCellMenus(&menu);
    EXPECT_EQ(0, ReleaseListed(empty, {&menu}));
    EXPECT_EQ("", list);
    EXPECT_TRUE(Errors().empty());
}

TEST_F(DashBoardCellsTest, TheFirstPanelOfEachRowDecidesForTheRowInEveryGrid)
{
    PlacePanel(*m_grid, 0, 0);
    PlacePanel(*m_grid, 0, 1)->AddDisplayField(&m_priceColumn);
    PlacePanel(*NestGrid(*m_grid, 1, 0, 1, 2), 0, 1)->AddVariableMap(NewCellMap(&m_target, m_qty));
    EXPECT_FALSE(m_board.IsFieldUsedInCells(m_price));
    EXPECT_TRUE(m_board.IsFieldUsedInCells(m_qty));
    EXPECT_FALSE(m_board.IsFieldUsedInCells(nullptr));

    PlacePanel(*m_grid, 1, 1)->AddDisplayField(&m_priceColumn);
    EXPECT_TRUE(m_board.IsFieldUsedInCells(m_price));
}

TEST_F(DashBoardCellsTest, DeletingAFieldUsedByTwoCellsOfARowRemovesItFromBoth)
{
    DashBoardCellInfo* left = PlacePanel(*m_grid, 0, 0);
    DashBoardCellInfo* right = PlacePanel(*m_grid, 0, 1);
    for (DashBoardCellInfo* cell : {left, right})
    {
        cell->AddVariableMap(NewCellMap(&m_target, m_price));
        cell->AddVariableMap(NewCellMap(&m_otherTarget, m_price));
        cell->AddDisplayField(&m_priceColumn);
        cell->AddDisplayField(&m_priceColumn);
        cell->AddDisplayField(&m_qtyColumn);
    }

    ReleaseListed(m_board, {m_price});

    for (const DashBoardCellInfo* cell : {left, right})
    {
        EXPECT_TRUE(cell->GetVariableMaps().empty());
        ASSERT_EQ(1u, cell->GetDisplayFields().size());
        EXPECT_EQ(&m_qtyColumn, cell->GetDisplayFields()[0].fieldInfo);
    }
}

TEST_F(DashBoardCellsTest, ClearingAFieldKeepsTheMapsWithoutTheirSourceField)
{
    DashBoardCellInfo* cell = PlacePanel(*NestGrid(*m_grid, 1, 0, 1, 1), 0, 0);
    cell->AddVariableMap(NewCellMap(&m_target, m_price));
    cell->AddVariableMap(NewCellMap(&m_otherTarget, m_qty));
    cell->AddDisplayField(&m_priceColumn);
    cell->AddDisplayField(&m_priceColumn);

    m_board.ClearFieldFromCells(m_price);

    ASSERT_EQ(2u, cell->GetVariableMaps().size());
    EXPECT_EQ(nullptr, cell->GetVariableMaps()[0]->sourceField);
    EXPECT_EQ(m_qty, cell->GetVariableMaps()[1]->sourceField);
    EXPECT_TRUE(cell->GetDisplayFields().empty());
}

TEST_F(DashBoardCellsTest, ClassSourceFieldsAreUsedThroughCellsAndClearedWithTheClass)
{
    Class dataClass;
    dataClass.SetTable(&m_table);
    auto* function = new Function;
    dataClass.AddFunction(function);
    function->AddOutputField(nullptr);
    function->AddOutputField(new ProcedureFieldInfo(m_price, ProcedureFieldInfo::noAggregate));
    auto* call = new ClassInvokation;
    call->SetFunction(&dataClass, function);
    m_board.SetClassInvokation(call);
    DashBoardCellInfo* cell = PlacePanel(*m_grid, 0, 0);
    cell->AddDisplayField(&m_qtyColumn);
    EXPECT_FALSE(m_board.IsClassFunctionFieldUsed());
    cell->AddDisplayField(&m_priceColumn);
    EXPECT_TRUE(m_board.IsClassFunctionFieldUsed());
    m_board.SetGrid(nullptr);
    EXPECT_FALSE(m_board.IsClassFunctionFieldUsed());
    m_board.SetGrid(m_grid);
    cell->AddVariableMap(NewCellMap(&m_target, m_price));

    Class otherClass;
    m_board.RemoveClassInvokation(&otherClass);
    EXPECT_EQ(call, m_board.GetClassInvokation());
    m_board.RemoveClassInvokation(&dataClass);

    EXPECT_EQ(nullptr, m_board.GetClassInvokation());
    EXPECT_EQ(nullptr, cell->GetVariableMaps()[0]->sourceField);
    ASSERT_EQ(1u, cell->GetDisplayFields().size());
    EXPECT_EQ(&m_qtyColumn, cell->GetDisplayFields()[0].fieldInfo);
    // Detached, not deleted: the call is still ours to free.
    delete call;
}

TEST_F(DashBoardCellsTest, PanelsOfARemovedMenuLinkTheFirstSubMenuWithAPageFileOrBecomeText)
{
    ForgeonProject project;
    auto* module = new Module("Base");
    project.AddModule(module);
    project.SetCurrentModule(module);
    const auto previous = MainFrameAccess::SetProjectSource([&project] { return &project; });
    auto* masters = new Menu;
    auto* ordersItem = new Menu;
    AspFile file;
    ordersItem->SetAspFile(&file);
    for (const auto& [menu, name] : {std::pair{masters, "Masters"}, std::pair{new Menu, "Empty"}})
    {
        menu->SetName(name);
        module->Append(menu);
    }
    for (Menu* item : {new Menu, ordersItem})
        masters->AddSubMenu(item);
    Menu removed;
    Menu other;
    const auto panel = [&removed](Grid& grid, int row, int column, const char* caption)
    {
        DashBoardCellInfo* cell = PlacePanel(grid, row, column, &removed);
        cell->SetCaption(caption);
        return cell;
    };
    m_grid->AddColumn();
    DashBoardCellInfo* relinked = panel(*m_grid, 0, 0, "Masters");
    DashBoardCellInfo* noSubMenu = panel(*m_grid, 0, 1, "Empty");
    DashBoardCellInfo* unknown = panel(*m_grid, 0, 2, "Nowhere");
    DashBoardCellInfo* deep = panel(*NestGrid(*m_grid, 1, 0, 1, 1), 0, 0, "Masters");
    DashBoardCellInfo* otherCell = PlacePanel(*m_grid, 1, 1, &other);
    otherCell->SetCaption("Masters");

    m_board.RelinkCellMenus(&removed);
    MainFrameAccess::SetProjectSource({});
    DashBoardCellInfo* noProject = panel(*m_grid, 1, 2, "Masters");
    m_board.RelinkCellMenus(&removed);
    MainFrameAccess::SetProjectSource(previous);

    EXPECT_EQ(ordersItem, relinked->GetMenu());
    EXPECT_FALSE(relinked->IsStaticText());
    EXPECT_EQ(&removed, deep->GetMenu()) << "nested grids are not visited";
    EXPECT_EQ(&other, otherCell->GetMenu());
    for (const DashBoardCellInfo* cell : {noSubMenu, unknown, noProject})
    {
        EXPECT_EQ(nullptr, cell->GetMenu());
        EXPECT_TRUE(cell->IsStaticText());
    }
}

} // namespace
