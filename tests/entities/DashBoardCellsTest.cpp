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

namespace
{

DashBoardVariableMap* NewMap(Variable* target, Field* sourceField = nullptr)
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

TEST(DashBoardCellInfoTest, VariableMapsAreFoundAndRemovedByTarget)
{
    Variable first;
    Variable second;
    Variable absent;
    DashBoardCellInfo cell;
    cell.AddVariableMap(NewMap(&first));
    DashBoardVariableMap* secondMap = NewMap(&second);
    cell.AddVariableMap(secondMap);

    EXPECT_EQ(secondMap, cell.FindVariableMap(&second));
    EXPECT_EQ(1, cell.FindVariableMapIndex(&second));
    EXPECT_EQ(-1, cell.FindVariableMapIndex(&absent));

    cell.RemoveVariableMap(&absent);
    cell.RemoveVariableMap(&first);
    EXPECT_EQ(std::vector<DashBoardVariableMap*>{secondMap}, cell.GetVariableMaps());
    cell.ClearVariableMaps();
    EXPECT_TRUE(cell.GetVariableMaps().empty());
}

TEST(DashBoardCellInfoTest, DisplayFieldIndexOperationsIgnoreIndexesOutOfRange)
{
    ProcedureFieldInfo total;
    ProcedureFieldInfo count;
    DashBoardCellInfo cell;
    cell.AddDisplayField(&total);
    cell.AddDisplayField(&count);

    for (const int bad : {-1, 2})
    {
        cell.SetDisplayFieldCaption(bad, "Outside");
        cell.RemoveDisplayFieldAt(bad);
    }
    cell.SetDisplayFieldCaption(1, "Count");
    cell.RemoveDisplayFieldAt(0);

    ASSERT_EQ(1u, cell.GetDisplayFields().size());
    EXPECT_FALSE(cell.HasDisplayField(&total));
    EXPECT_TRUE(cell.HasDisplayField(&count));
    EXPECT_EQ("Count", cell.GetDisplayFields()[0].caption);
}

class DashBoardCellsTest : public DashBoardTest
{
protected:
    DashBoardCellsTest()
        : m_priceColumn(m_price, ProcedureFieldInfo::noAggregate),
          m_qtyColumn(m_qty, ProcedureFieldInfo::noAggregate)
    {
    }

    ProcedureFieldInfo m_priceColumn;
    ProcedureFieldInfo m_qtyColumn;
    Variable m_target;
    Variable m_otherTarget;
};

TEST_F(DashBoardCellsTest, GridsAreCollectedAndFoundThroughNestedCells)
{
    Grid* nested = NestGrid(*m_grid, 1, 0, 1, 1);
    Grid* deeper = NestGrid(*nested, 0, 0, 1, 1);
    std::vector<Grid*> grids{nullptr};

    m_board.CollectGrids(grids);

    EXPECT_EQ((std::vector<Grid*>{m_grid, nested, deeper}), grids);
    EXPECT_EQ(deeper, m_board.FindGridById(deeper->GetId()));
    EXPECT_EQ(nullptr, m_board.FindGridById(-5));
}

TEST_F(DashBoardCellsTest, WithoutGridNothingIsFoundOrChanged)
{
    DashBoard empty;
    std::vector<Grid*> grids{m_grid};
    Menu menu;
    CString list;

    empty.CollectGrids(grids);

    EXPECT_TRUE(grids.empty());
    EXPECT_EQ(nullptr, empty.FindGridById(m_grid->GetId()));
    EXPECT_FALSE(empty.IsFieldUsedInCells(m_price));
    EXPECT_FALSE(empty.CollectFieldUsage(m_price, list));
    EXPECT_FALSE(empty.CollectMenuLinkUsage(&menu));
    empty.RemoveFieldFromCells(m_price);
    empty.ClearFieldFromCells(m_price);
    empty.UpdateMenuCaptionInCells(&menu);
    empty.RelinkCellMenus(&menu);
    empty.RemoveMenuReferences(&menu);
    EXPECT_EQ("", list);
    EXPECT_TRUE(Errors().empty());
}

TEST_F(DashBoardCellsTest, TheFirstPanelOfEachRowDecidesForTheRowInEveryGrid)
{
    PlacePanel(*m_grid, 0, 0);
    PlacePanel(*m_grid, 0, 1)->AddDisplayField(&m_priceColumn);
    PlacePanel(*NestGrid(*m_grid, 1, 0, 1, 2), 0, 1)->AddVariableMap(NewMap(&m_target, m_qty));
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
        // Adjacent maps and display fields of the field.
        cell->AddVariableMap(NewMap(&m_target, m_price));
        cell->AddVariableMap(NewMap(&m_otherTarget, m_price));
        cell->AddDisplayField(&m_priceColumn);
        cell->AddDisplayField(&m_priceColumn);
        cell->AddDisplayField(&m_qtyColumn);
    }

    m_board.RemoveFieldFromCells(m_price);

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
    cell->AddVariableMap(NewMap(&m_target, m_price));
    cell->AddVariableMap(NewMap(&m_otherTarget, m_qty));
    cell->AddDisplayField(&m_priceColumn);
    cell->AddDisplayField(&m_priceColumn);

    m_board.ClearFieldFromCells(m_price);

    ASSERT_EQ(2u, cell->GetVariableMaps().size());
    EXPECT_EQ(nullptr, cell->GetVariableMaps()[0]->sourceField);
    EXPECT_EQ(m_qty, cell->GetVariableMaps()[1]->sourceField);
    EXPECT_TRUE(cell->GetDisplayFields().empty());
}

// A dashboard fed by a function of a class bound to "orders" that outputs Price (and a column
// slot left empty).
class DashBoardClassSourceTest : public DashBoardCellsTest
{
protected:
    DashBoardClassSourceTest() : m_function(new Function), m_call(new ClassInvokation)
    {
        m_dataClass.SetTable(&m_table);
        m_dataClass.AddFunction(m_function);
        m_function->AddOutputField(nullptr);
        m_function->AddOutputField(
            new ProcedureFieldInfo(m_price, ProcedureFieldInfo::noAggregate));
        m_call->SetFunction(&m_dataClass, m_function);
        m_board.SetClassInvokation(m_call);
    }

    Class m_dataClass;
    Function* m_function;
    ClassInvokation* m_call;
};

TEST_F(DashBoardClassSourceTest, ClassFunctionFieldIsUsedOnlyWhenACellShowsAnOutputField)
{
    DashBoardCellInfo* cell = PlacePanel(*m_grid, 0, 0);
    cell->AddDisplayField(&m_qtyColumn);
    EXPECT_FALSE(m_board.IsClassFunctionFieldUsed());

    cell->AddDisplayField(&m_priceColumn);
    EXPECT_TRUE(m_board.IsClassFunctionFieldUsed());
    m_board.SetGrid(nullptr);
    EXPECT_FALSE(m_board.IsClassFunctionFieldUsed());
    m_board.SetGrid(m_grid);
}

TEST_F(DashBoardClassSourceTest, RemovingTheClassClearsItsFieldsAndDetachesTheCall)
{
    DashBoardCellInfo* cell = PlacePanel(*m_grid, 0, 0);
    cell->AddVariableMap(NewMap(&m_target, m_price));
    cell->AddDisplayField(&m_priceColumn);
    cell->AddDisplayField(&m_qtyColumn);
    Class otherClass;

    m_board.RemoveClassInvokation(&otherClass);
    EXPECT_EQ(m_call, m_board.GetClassInvokation());
    m_board.RemoveClassInvokation(&m_dataClass);

    EXPECT_EQ(nullptr, m_board.GetClassInvokation());
    EXPECT_EQ(nullptr, cell->GetVariableMaps()[0]->sourceField);
    ASSERT_EQ(1u, cell->GetDisplayFields().size());
    EXPECT_EQ(&m_qtyColumn, cell->GetDisplayFields()[0].fieldInfo);
    // Detached, not deleted: the call is still ours to free.
    delete m_call;
}

// The open project's current module holds the top-level menu "Masters" with the sub-menus
// "Plain" (no page file) and "Orders" (with one), and the top-level menu "Empty".
class DashBoardRelinkTest : public DashBoardCellsTest
{
protected:
    DashBoardRelinkTest()
        : m_module(new Module("Base")),
          m_previous(MainFrameAccess::SetProjectSource([this] { return &m_project; }))
    {
        m_project.AddModule(m_module);
        m_project.SetCurrentModule(m_module);
        Menu* masters = AddMenu(nullptr, "Masters");
        AddMenu(masters, "Plain");
        m_ordersItem = AddMenu(masters, "Orders");
        m_ordersItem->SetAspFile(&m_file);
        AddMenu(nullptr, "Empty");
    }

    ~DashBoardRelinkTest() override { MainFrameAccess::SetProjectSource(m_previous); }

    // A top-level menu of the module, or a sub-menu of the parent.
    Menu* AddMenu(Menu* parent, const char* name)
    {
        auto* menu = new Menu;
        menu->SetName(name);
        if (parent == nullptr)
            m_module->Append(menu);
        else
            parent->AddSubMenu(menu);
        return menu;
    }

    // A panel of the removed menu captioned with the text.
    DashBoardCellInfo* RemovedMenuPanel(Grid& grid, int row, int column, const char* caption)
    {
        DashBoardCellInfo* cell = PlacePanel(grid, row, column, &m_removed);
        cell->SetCaption(caption);
        return cell;
    }

    AspFile m_file;
    ForgeonProject m_project;
    Module* m_module;
    Menu* m_ordersItem;
    Menu m_removed;
    MainFrameAccess::ProjectSource m_previous;
};

TEST_F(DashBoardRelinkTest, PanelsOfThePageGridLinkTheFirstSubMenuWithAPageFile)
{
    DashBoardCellInfo* cell = RemovedMenuPanel(*m_grid, 0, 0, "Masters");
    DashBoardCellInfo* deep = RemovedMenuPanel(*NestGrid(*m_grid, 1, 0, 1, 1), 0, 0, "Masters");
    Menu other;
    DashBoardCellInfo* otherCell = PlacePanel(*m_grid, 0, 1, &other);
    otherCell->SetCaption("Masters");

    m_board.RelinkCellMenus(&m_removed);

    EXPECT_EQ(m_ordersItem, cell->GetMenu());
    EXPECT_FALSE(cell->IsStaticText());
    EXPECT_EQ(&m_removed, deep->GetMenu()) << "nested grids are not visited";
    EXPECT_EQ(&other, otherCell->GetMenu());
}

TEST_F(DashBoardRelinkTest, WithoutReplacementOrProjectThePanelBecomesStaticText)
{
    DashBoardCellInfo* noSubMenu = RemovedMenuPanel(*m_grid, 0, 0, "Empty");
    DashBoardCellInfo* unknown = RemovedMenuPanel(*m_grid, 0, 1, "Nowhere");
    m_board.RelinkCellMenus(&m_removed);

    MainFrameAccess::SetProjectSource({});
    DashBoardCellInfo* noProject = RemovedMenuPanel(*m_grid, 1, 0, "Masters");
    m_board.RelinkCellMenus(&m_removed);

    for (const DashBoardCellInfo* cell : {noSubMenu, unknown, noProject})
    {
        EXPECT_EQ(nullptr, cell->GetMenu());
        EXPECT_TRUE(cell->IsStaticText());
    }
}

} // namespace
