#include "model/Field.h"
#include "tests/entities/DashBoardTestSupport.h"

#include <memory>
#include <tuple>
#include <utility>
#include <vector>

namespace
{

using CellPositions = std::vector<std::pair<int, int>>;

// Every cell's (row, column), row by row; every cell must belong to the grid.
CellPositions Positions(const Grid& grid)
{
    CellPositions positions;
    for (const Grid::Row& row : grid.GetRows())
    {
        for (const GridCell* cell : row)
        {
            positions.emplace_back(cell->GetRow(), cell->GetColumn());
            EXPECT_EQ(&grid, cell->GetOwner());
        }
    }
    return positions;
}

// Page controls to place: complete ones have a field and data.
class Controls
{
public:
    FieldRep* Add(bool withField = true, bool withData = true)
    {
        FieldRep* control = m_owned.emplace_back(std::make_unique<FieldRep>()).get();
        control->SetField(withField ? &m_field : nullptr);
        if (withData)
            control->AttachFieldRepData(new FieldRepData);
        m_list.push_back(control);
        return control;
    }
    const std::vector<FieldRep*>& List() const { return m_list; }

private:
    Field m_field;
    std::vector<std::unique_ptr<FieldRep>> m_owned;
    std::vector<FieldRep*> m_list;
};

const GridCellData* ContentAt(const Grid& grid, int row, int column)
{
    return grid.GetCellAt(row, column)->GetCellData();
}

} // namespace

TEST(GridLayoutTest, CellLookupAnswersNullOutsideTheGrid)
{
    EXPECT_EQ(nullptr, Grid().GetCellAt(0, 0));
    EXPECT_EQ(0, Grid().GetColumnCount());
    Grid grid(2, 3);
    for (const auto& [row, column] : CellPositions{{0, 3}, {2, 0}, {-1, 0}, {0, -1}})
        EXPECT_EQ(nullptr, grid.GetCellAt(row, column)) << row << ", " << column;
    EXPECT_EQ(grid.GetCellNoCheck(1, 2), grid.GetCellAt(1, 2));
    EXPECT_EQ(2, grid.GetCellAt(1, 2)->GetColumn());
}

TEST(GridLayoutTest, ControlsGoToColumnOneAloneWhenColumnThreeIsMissing)
{
    Grid grid(3, 2);
    Controls controls;
    FieldRep* first = controls.Add();
    FieldRep* second = controls.Add();

    EXPECT_EQ(1, grid.PlaceFieldReps(controls.List()));

    EXPECT_EQ(first, ContentAt(grid, 0, 1));
    EXPECT_EQ(second, ContentAt(grid, 1, 1));
    EXPECT_EQ(nullptr, ContentAt(grid, 2, 1));
}

TEST(GridLayoutTest, ControlsFillColumnsOneAndThreeUpToTheLastRowSkippingTakenAndIncomplete)
{
    Grid grid(3, 4);
    FieldRep occupant;
    grid.GetCellAt(0, 3)->SetCellData(&occupant, GridCell::kFieldRep);
    Controls controls;
    FieldRep* first = controls.Add();
    controls.Add(false, true);
    controls.Add(true, false);
    for (int i = 0; i < 5; ++i)
        controls.Add();

    EXPECT_EQ(3, grid.PlaceFieldReps(controls.List()));

    EXPECT_EQ(first, ContentAt(grid, 0, 1));
    EXPECT_EQ(&occupant, ContentAt(grid, 0, 3));
    for (const auto& [index, row, column] :
         {std::tuple{3, 1, 1}, std::tuple{4, 1, 3}, std::tuple{5, 2, 1}, std::tuple{6, 2, 3}})
        EXPECT_EQ(controls.List()[static_cast<std::size_t>(index)], ContentAt(grid, row, column));
    EXPECT_EQ(3, grid.GetRowCount());
    EXPECT_EQ(0, grid.PlaceFieldReps({}));
    EXPECT_EQ(3, Grid().PlaceFieldReps(controls.List()));
    EXPECT_EQ(3, Grid(2, 4).PlaceFieldReps({nullptr, controls.List()[1]})) << "nothing placed";
}

TEST(GridLayoutTest, InsertionsRenumberEveryCellRemovalsKeepTheFormerNumbersBadIndexesNothing)
{
    const CellPositions threeByThree{{0, 0}, {0, 1}, {0, 2}, {1, 0}, {1, 1},
                                     {1, 2}, {2, 0}, {2, 1}, {2, 2}};
    Grid grid(2, 2);
    grid.InsertRowAt(0);
    grid.InsertColumnAt(1);
    EXPECT_EQ(threeByThree, Positions(grid));

    grid.RemoveRow(0);
    grid.RemoveColumn(0);
    EXPECT_EQ((CellPositions{{1, 1}, {1, 2}, {2, 1}, {2, 2}}), Positions(grid));

    grid.Renumber();
    grid.AddRow();
    grid.AddColumn();
    EXPECT_EQ(threeByThree, Positions(grid));

    for (int index : {-1, 4})
    {
        grid.InsertRowAt(index);
        grid.InsertColumnAt(index);
        grid.RemoveRow(index);
        grid.RemoveColumn(index);
    }
    grid.RemoveRow(3);
    grid.RemoveColumn(3);
    EXPECT_EQ(threeByThree, Positions(grid));

    Grid empty;
    empty.InsertRowAt(0);
    empty.AddRow();
    empty.AddColumn();
    EXPECT_TRUE(empty.GetRows().empty());
}

TEST(GridLayoutTest, EmptyRowsAndColumnsGoWhileCellsWithContentOrNestedGridStay)
{
    Grid grid(4, 4);
    FieldRep control;
    grid.GetCellAt(1, 2)->SetCellData(&control, GridCell::kFieldRep);
    NestGrid(grid, 3, 0, 1, 1);

    grid.RemoveEmptyRows();
    grid.RemoveEmptyColumns();
    EXPECT_EQ((CellPositions{{1, 0}, {1, 2}, {3, 0}, {3, 2}}), Positions(grid));
    EXPECT_EQ(&control, grid.GetRows()[0][1]->GetCellData());
    grid.DeleteAllCells();
    EXPECT_TRUE(grid.GetRows().empty());
}

TEST(GridLayoutTest, CellsAndNestedGridsAreFoundByIdAndCollectedInRowOrder)
{
    Grid outer(2, 2);
    Grid* first = NestGrid(outer, 0, 1, 1, 1);
    Grid* deep = NestGrid(*first, 0, 0, 1, 1);
    Grid* second = NestGrid(outer, 1, 0, 1, 1);

    EXPECT_EQ(outer.GetCellAt(1, 1), outer.FindCellById(outer.GetCellAt(1, 1)->GetId()));
    EXPECT_EQ(nullptr, outer.FindCellById(deep->GetCellAt(0, 0)->GetId()));
    EXPECT_EQ(&outer, outer.FindGridById(outer.GetId()));
    EXPECT_EQ(deep, outer.FindGridById(deep->GetId()));
    EXPECT_EQ(nullptr, first->FindGridById(second->GetId()));

    std::vector<Grid*> all;
    outer.CollectGrids(all, nullptr);
    EXPECT_EQ((std::vector<Grid*>{&outer, first, deep, second}), all);
    std::vector<Grid*> withoutFirst;
    outer.CollectGrids(withoutFirst, first);
    EXPECT_EQ((std::vector<Grid*>{&outer, deep, second}), withoutFirst);
}

TEST(GridLayoutTest, ClearingACellFreesItsPanelAndNestedGridButNotAPageControl)
{
    Grid grid(1, 2);
    GridCell* panelCell = grid.GetCellAt(0, 0);
    DashBoardCellInfo* panel = PlacePanel(grid, 0, 0);
    NestGrid(grid, 0, 0, 1, 1);
    EXPECT_EQ(panel, panelCell->GetDashBoardCellInfo());
    panelCell->Clear();
    EXPECT_TRUE(panelCell->IsEmpty());
    EXPECT_EQ(nullptr, panelCell->GetDashBoardCellInfo());

    FieldRep control;
    control.SetMandatory(false);
    GridCell* controlCell = grid.GetCellAt(0, 1);
    controlCell->SetCellData(&control, GridCell::kFieldRep);
    EXPECT_EQ(nullptr, controlCell->GetDashBoardCellInfo());
    controlCell->Clear();
    EXPECT_TRUE(controlCell->IsEmpty());
    EXPECT_FALSE(control.IsMandatory());
}

TEST(GridLayoutTest, MenuLinksAreRecaptionedThroughNestedGridsOfEmptyCellsOnly)
{
    Menu menu;
    menu.SetName("Orders");
    Menu other;
    other.SetName("Other");
    Menu hidden;
    hidden.SetName("Hidden");
    Grid grid(1, 3);
    DashBoardCellInfo* deepPanel = PlacePanel(*NestGrid(grid, 0, 0, 1, 1), 0, 0, &menu);
    DashBoardCellInfo* otherPanel = PlacePanel(grid, 0, 1, &other);
    DashBoardCellInfo* hiddenPanel = PlacePanel(*NestGrid(grid, 0, 1, 1, 1), 0, 0, &hidden);

    grid.UpdateMenuCaptions(&menu);
    grid.UpdateMenuCaptions(&hidden);
    EXPECT_EQ("Orders", deepPanel->GetCaption());
    EXPECT_TRUE(otherPanel->GetCaption().IsEmpty());
    EXPECT_TRUE(hiddenPanel->GetCaption().IsEmpty());
}
