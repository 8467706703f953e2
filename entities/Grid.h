#pragma once

#include "platform/core/CArchive.h"
#include "platform/core/CObject.h"

#include <vector>

class DashBoardCellInfo;
class FieldRep;
class GridCell;
class Menu;

// The layout table of a page or dashboard: rows of cells, owned. Rows stay rectangular: every
// row has as many cells as the first.
class Grid : public CObject
{
    DECLARE_SERIAL(Grid)

public:
    using Row = std::vector<GridCell*>;

    Grid();
    Grid(int rows, int columns);
    // Deletes every cell.
    ~Grid() override;
    Grid(const Grid&) = delete;
    Grid& operator=(const Grid&) = delete;

    // The row count, then per row its cell count and its cells; a load appends the rows read.
    void Serialize(CArchive& ar) override;

    int GetId() const { return m_id; }
    // A designer numbers the grids of its page itself.
    void SetId(int id) { m_id = id; }
    const std::vector<Row>& GetRows() const { return m_rows; }
    int GetRowCount() const { return static_cast<int>(m_rows.size()); }
    // Cells of the first row; 0 without rows.
    int GetColumnCount() const;

    // Appends the given number of rows, each of that many new cells with their row and column
    // set and this grid as owner; nothing for rows below 1.
    void BuildCells(int rows, int columns);

    // Null for a position outside the grid.
    GridCell* GetCellAt(int row, int column) const;
    // Without any test: callers stay inside the grid.
    GridCell* GetCellNoCheck(int row, int column) const { return m_rows[row][column]; }
    // A cell of this grid itself (nested grids are not searched), or null.
    GridCell* FindCellById(int id) const;
    // This grid, else the first nested grid with the id, depth first in row order; or null.
    Grid* FindGridById(int id);
    // Appends this grid unless it is the excluded one, then, in row order, the grids nested in
    // its cells the same way.
    void CollectGrids(std::vector<Grid*>& out, const Grid* excluded);

    // The new cells of these four belong to this grid. A row is added only to a grid that has
    // rows; an insertion index may be the row or column count (insertion at the end), and the
    // insertions renumber every cell.
    void AddRow();
    void AddColumn();
    void InsertRowAt(int index);
    void InsertColumnAt(int index);
    // Sets every cell's row and column to its position.
    void Renumber();
    // Delete the cells of a row or column inside the grid, without renumbering.
    void RemoveRow(int index);
    void RemoveColumn(int index);
    // Remove the rows (columns) none of whose cells has a content or a nested grid.
    void RemoveEmptyRows();
    void RemoveEmptyColumns();
    // Deletes every cell and removes every row.
    void DeleteAllCells();

    // Lays the controls that have a field and data into the free cells of columns 1 and 3 of
    // successive rows, and stops at the last row: controls left over stay unplaced. Answers the
    // column of the last position visited, 3 when none was, 0 for no controls.
    int PlaceFieldReps(const std::vector<FieldRep*>& controls);

    // Every panel linking the menu takes the menu's name as its caption; over the dashboard
    // panels of the cells, a cell without content searched through its nested grid.
    void UpdateMenuCaptions(const Menu* menu);

private:
    static int s_idCounter;

    // A new cell at the position, owned by this grid.
    GridCell* NewCell(int row, int column);
    // Visits the dashboard panels as UpdateMenuCaptions describes, until a visit answers true;
    // answers whether one did.
    template <class Visit> bool VisitDashBoardContents(const Visit& visit) const;

    std::vector<Row> m_rows;
    int m_id;
};
