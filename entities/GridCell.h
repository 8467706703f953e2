#pragma once

#include "platform/core/CArchive.h"
#include "platform/core/CObject.h"

class DashBoardCellInfo;
class Grid;
class GridCellData;

// One cell of a grid: a content (a page control, owned by its page, or a dashboard panel,
// owned by the cell) or a nested grid (owned), or nothing.
class GridCell : public CObject
{
    DECLARE_SERIAL(GridCell)

public:
    // The content kinds.
    static constexpr int kFieldRep = 0;
    static constexpr int kDashBoardCellInfo = 1;

    GridCell();
    GridCell(int row, int column);
    // Clear: the nested grid and a dashboard panel are deleted.
    ~GridCell() override;
    GridCell(const GridCell&) = delete;
    GridCell& operator=(const GridCell&) = delete;

    // Owner, nested grid, row, column, content kind, then the content as the object of its
    // kind (nothing for another kind).
    void Serialize(CArchive& ar) override;

    int GetId() const { return m_id; }
    Grid* GetOwner() const { return m_owner; }
    void SetOwner(Grid* owner) { m_owner = owner; }
    Grid* GetSubGrid() const { return m_subGrid; }
    // The former nested grid is not deleted.
    void SetSubGrid(Grid* grid) { m_subGrid = grid; }
    void DeleteSubGrid();
    GridCellData* GetCellData() const { return m_content; }
    int GetContentKind() const { return m_contentKind; }
    // The former content is not deleted.
    void SetCellData(GridCellData* content, int kind)
    {
        m_content = content;
        m_contentKind = kind;
    }
    // The content as a dashboard panel; null for another kind or no content.
    DashBoardCellInfo* GetDashBoardCellInfo() const;
    // Neither a content nor a nested grid.
    bool IsEmpty() const { return m_content == nullptr && m_subGrid == nullptr; }
    // Deletes the nested grid and the content, and clears both; a page control, which its page
    // owns, is only let go.
    void Clear();

    int GetRow() const { return m_row; }
    int GetColumn() const { return m_column; }
    void SetPosition(int row, int column)
    {
        m_row = row;
        m_column = column;
    }

private:
    static int s_idCounter;

    Grid* m_owner = nullptr;
    Grid* m_subGrid = nullptr;
    GridCellData* m_content = nullptr;
    int m_contentKind = kFieldRep;
    int m_id;
    int m_row = -1;
    int m_column = -1;
};
