#pragma once

#include "editors/logic/ControlStates.h"

#include <vector>

class DashBoard;
class Grid;
class GridCell;

// "Add New Grid in Dashboard": the size of a new grid, each count checked against its range by
// the dialog's data exchange; both start at 0, so OK without input is refused.
struct GridSizeInput
{
    static constexpr UINT IDD = 310;
    static constexpr UINT HelpContext = 310;
    static constexpr int IDC_NUM_ROWS = 1143;
    static constexpr int IDC_NUM_COLUMNS = 1144;
    static constexpr int IDC_HELP_BUTTON = 1741;
    static constexpr UINT kMinRows = 1;
    static constexpr UINT kMaxRows = 10;
    static constexpr UINT kMinColumns = 1;
    static constexpr UINT kMaxColumns = 6;

    static const std::vector<ToolTip>& ToolTips();

    UINT rows = 0;
    UINT columns = 0;
};

// "Move table: ": moves a cell's nested grid into a cell of another grid of the page. Neither
// the grid itself nor a grid nested in it is offered.
class GridMover
{
public:
    static constexpr UINT IDD = 309;
    static constexpr UINT HelpContext = 309;
    static constexpr int IDC_HELP_BUTTON = 1741;
    static constexpr int IDC_GRIDS = 1372;
    static constexpr int IDC_CELLS = 1373;

    GridMover(DashBoard& page, GridCell& cell);

    static const std::vector<ToolTip>& ToolTips();

    ControlStates& States() { return m_states; }
    // "Move table: Table<id>"; empty when the cell holds no grid (the title stays).
    CString GetTitle() const;

    void Open();
    void ChooseGrid(int index);
    void ChooseCell(int index) { m_states.Select(IDC_CELLS, index); }
    // False while the dialog stays open.
    bool Ok();

private:
    DashBoard& m_page;
    GridCell& m_cell;
    std::vector<Grid*> m_grids;
    std::vector<GridCell*> m_cells;
    ControlStates m_states;
};
