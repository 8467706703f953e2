#pragma once

#include "platform/core/CArchive.h"
#include "platform/core/CObject.h"

#include <vector>

class GridCell;

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
    const std::vector<Row>& GetRows() const { return m_rows; }

    // Appends the given number of rows, each of that many new cells with their row and column
    // set and this grid as owner; nothing for rows below 1.
    void BuildCells(int rows, int columns);

private:
    static int s_idCounter;

    std::vector<Row> m_rows;
    int m_id;
};
