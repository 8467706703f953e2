#include "entities/DashBoardCellInfo.h"
#include "entities/Grid.h"
#include "entities/GridCell.h"
#include "model/FieldRep.h"
#include "tests/support/ArchiveBytes.h"
#include "tests/support/RecordBytes.h"

#include <gtest/gtest.h>

#include <memory>

TEST(GridRecordTest, BuiltCellsKnowTheirPlaceAndTheirGrid)
{
    Grid grid(3, 2);
    ASSERT_EQ(3u, grid.GetRows().size());
    for (int row = 0; row < 3; ++row)
    {
        ASSERT_EQ(2u, grid.GetRows()[row].size());
        for (int column = 0; column < 2; ++column)
        {
            const GridCell* cell = grid.GetRows()[row][column];
            EXPECT_EQ(row, cell->GetRow());
            EXPECT_EQ(column, cell->GetColumn());
            EXPECT_EQ(&grid, cell->GetOwner());
        }
    }
    grid.BuildCells(0, 2);
    EXPECT_EQ(3u, grid.GetRows().size());
    grid.BuildCells(1, 2);
    EXPECT_EQ(3, grid.GetRows()[3][1]->GetRow());
}

TEST(GridRecordTest, GridWithNestedGridAndContentsSurvivesSaveAndLoad)
{
    ScopedArchiveVersion version(CurrentVersion());
    FieldRep control;
    Grid grid(2, 2);
    grid.GetRows()[0][1]->SetCellData(&control, GridCell::kFieldRep);
    grid.GetRows()[1][0]->SetCellData(new DashBoardCellInfo, GridCell::kDashBoardCellInfo);
    auto* nested = new Grid(1, 3);
    grid.GetRows()[1][1]->SetSubGrid(nested);

    const int lastCellId = nested->GetRows()[0][2]->GetId();

    const std::vector<BYTE> bytes = SaveObject(&grid);
    std::unique_ptr<Grid> loaded(LoadObject<Grid>(bytes));
    EXPECT_GT(loaded->GetId(), nested->GetId());
    EXPECT_GT(loaded->GetRows()[0][0]->GetId(), lastCellId);
    // A page control is owned by its page, not by the cell.
    std::unique_ptr<FieldRep> loadedControl(
        dynamic_cast<FieldRep*>(loaded->GetCellAt(0, 1)->GetCellData()));
    EXPECT_EQ(loaded.get(), loaded->GetCellAt(0, 1)->GetOwner());
    const Grid* loadedNested = loaded->GetCellAt(1, 1)->GetSubGrid();
    EXPECT_EQ(loadedNested, loadedNested->GetCellAt(0, 2)->GetOwner());
    EXPECT_EQ(bytes, SaveObject(loaded.get()));
}

TEST(GridRecordTest, CellOfAnotherContentKindReadsNoContent)
{
    // Owner, nested grid, row, column, content kind.
    ArchiveBytes bytes;
    bytes.NewClass("GridCell").Null().Null().Int(4).Int(5).Int(2);
    const auto cell = ReadRecordAndSentinel<GridCell>(bytes, CurrentVersion());

    EXPECT_EQ(2, cell->GetContentKind());
    EXPECT_EQ(nullptr, cell->GetCellData());
    EXPECT_EQ(4, cell->GetRow());
    EXPECT_EQ(5, cell->GetColumn());
}

TEST(GridRecordTest, DeletingAGridLeavesPageControlsAlive)
{
    FieldRep control;
    control.SetMandatory(false);
    {
        Grid grid(1, 1);
        grid.GetRows()[0][0]->SetCellData(&control, GridCell::kFieldRep);
    }
    EXPECT_FALSE(control.IsMandatory());
}
