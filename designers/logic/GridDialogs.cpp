#include "designers/logic/GridDialogs.h"

#include "designers/logic/DashBoardGrids.h"
#include "editors/logic/ListLookup.h"
#include "entities/DashBoard.h"
#include "entities/Grid.h"
#include "entities/GridCell.h"
#include "platform/core/MessageBox.h"

#include <algorithm>

const std::vector<ToolTip>& GridSizeInput::ToolTips()
{
    static const std::vector<ToolTip> tips = WithToolTipStrings({
        {IDC_NUM_ROWS, 65131, "Add number of rows"},
        {IDC_NUM_COLUMNS, 65132, "Add number of columns"},
        {IDOK, 65133, "OK"},
        {IDC_HELP_BUTTON, 65134, "Help on Grid"},
    });
    return tips;
}

GridMover::GridMover(DashBoard& page, GridCell& cell) : m_page(page), m_cell(cell) {}

const std::vector<ToolTip>& GridMover::ToolTips()
{
    static const std::vector<ToolTip> tips = WithToolTipStrings({
        {IDC_GRIDS, 65141, "Select the grid to move to"},
        {IDC_CELLS, 65142, "Select the grid cell"},
        {IDOK, 65143, "Move table"},
        {IDC_HELP_BUTTON, 65144, "Help on moving table"},
    });
    return tips;
}

CString GridMover::GetTitle() const
{
    return m_cell.GetSubGrid() != nullptr ? "Move table: " + GridLabel(*m_cell.GetSubGrid())
                                          : CString();
}

void GridMover::Open()
{
    m_grids.clear();
    m_page.CollectGrids(m_grids);
    if (Grid* moved = m_cell.GetSubGrid())
    {
        std::vector<Grid*> subtree;
        moved->CollectGrids(subtree, nullptr);
        std::erase_if(m_grids, [&subtree](Grid* grid)
                      { return std::find(subtree.begin(), subtree.end(), grid) != subtree.end(); });
    }
    m_states.SetItems(IDC_GRIDS, GridComboItems(m_grids));
    m_cells.clear();
    m_states.SetItems(IDC_CELLS, {});
}

void GridMover::ChooseGrid(int index)
{
    m_states.Select(IDC_GRIDS, index);
    m_states.SetItems(IDC_CELLS, CellComboItems(ItemAt(m_grids, index), m_cells));
}

bool GridMover::Ok()
{
    GridCell* target = ItemAt(m_cells, m_states.GetSelection(IDC_CELLS));
    if (target == nullptr || !CanMoveSubGrid(m_cell, *target))
        return true;
    if (!target->IsEmpty() &&
        AfxMessageBox("This cell already contains some data. Do you want to replace it?",
                      MB_YESNO) != IDYES)
        return false;
    MoveSubGrid(m_cell, *target);
    return true;
}
