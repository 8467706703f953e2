#include "entities/Grid.h"

#include "entities/DashBoardCellInfo.h"
#include "entities/GridCell.h"
#include "entities/Menu.h"
#include "model/ArchiveIO.h"
#include "model/FieldRep.h"
#include "model/ListAccess.h"

#include <algorithm>
#include <cstddef>
#include <iterator>
#include <utility>

IMPLEMENT_SERIAL(Grid, CObject, 0)

int Grid::s_idCounter = 0;

namespace
{
bool IsEmptyCell(const GridCell* cell)
{
    return cell == nullptr || cell->IsEmpty();
}
} // namespace

Grid::Grid() : m_id(++s_idCounter) {}

Grid::Grid(int rows, int columns) : Grid()
{
    BuildCells(rows, columns);
}

Grid::~Grid()
{
    DeleteAllCells();
}

void Grid::Serialize(CArchive& ar)
{
    if (ar.IsStoring())
    {
        ar << static_cast<int>(m_rows.size());
        for (const Row& row : m_rows)
            WriteObjectList(ar, row);
        return;
    }
    const int rowCount = ReadCount(ar);
    for (int i = 0; i < rowCount; ++i)
    {
        m_rows.emplace_back();
        ReadOwnedList(ar, m_rows.back());
    }
}

int Grid::GetColumnCount() const
{
    return m_rows.empty() ? 0 : static_cast<int>(m_rows.front().size());
}

GridCell* Grid::NewCell(int row, int column)
{
    auto* cell = new GridCell(row, column);
    cell->SetOwner(this);
    return cell;
}

void Grid::BuildCells(int rows, int columns)
{
    const int firstRow = GetRowCount();
    for (int row = firstRow; row < firstRow + rows; ++row)
    {
        Row& cells = m_rows.emplace_back();
        for (int column = 0; column < columns; ++column)
            cells.push_back(NewCell(row, column));
    }
}

GridCell* Grid::GetCellAt(int row, int column) const
{
    if (!IsValidIndex(m_rows, row) || column >= GetColumnCount())
        return nullptr;
    const Row& cells = m_rows[static_cast<std::size_t>(row)];
    return IsValidIndex(cells, column) ? cells[static_cast<std::size_t>(column)] : nullptr;
}

GridCell* Grid::FindCellById(int id) const
{
    for (const Row& row : m_rows)
    {
        const auto found = std::find_if(row.begin(), row.end(),
                                        [id](const GridCell* cell)
                                        { return cell != nullptr && cell->GetId() == id; });
        if (found != row.end())
            return *found;
    }
    return nullptr;
}

Grid* Grid::FindGridById(int id)
{
    if (m_id == id)
        return this;
    for (const Row& row : m_rows)
    {
        for (const GridCell* cell : row)
        {
            Grid* nested = cell != nullptr ? cell->GetSubGrid() : nullptr;
            if (Grid* found = nested != nullptr ? nested->FindGridById(id) : nullptr)
                return found;
        }
    }
    return nullptr;
}

void Grid::CollectGrids(std::vector<Grid*>& out, const Grid* excluded)
{
    if (this != excluded)
        out.push_back(this);
    for (const Row& row : m_rows)
    {
        for (const GridCell* cell : row)
        {
            if (cell != nullptr && cell->GetSubGrid() != nullptr)
                cell->GetSubGrid()->CollectGrids(out, excluded);
        }
    }
}

void Grid::AddRow()
{
    if (!m_rows.empty())
        BuildCells(1, GetColumnCount());
}

void Grid::AddColumn()
{
    const int column = GetColumnCount();
    for (std::size_t row = 0; row < m_rows.size(); ++row)
        m_rows[row].push_back(NewCell(static_cast<int>(row), column));
}

void Grid::InsertRowAt(int index)
{
    if (m_rows.empty() || index < 0 || index > GetRowCount())
        return;
    Row cells;
    for (int column = 0; column < GetColumnCount(); ++column)
        cells.push_back(NewCell(index, column));
    m_rows.insert(m_rows.begin() + index, std::move(cells));
    Renumber();
}

void Grid::InsertColumnAt(int index)
{
    if (index < 0 || index > GetColumnCount())
        return;
    for (std::size_t row = 0; row < m_rows.size(); ++row)
    {
        Row& cells = m_rows[row];
        const auto position = cells.begin() + std::min<std::ptrdiff_t>(index, std::ssize(cells));
        cells.insert(position, NewCell(static_cast<int>(row), index));
    }
    Renumber();
}

void Grid::Renumber()
{
    for (std::size_t row = 0; row < m_rows.size(); ++row)
    {
        for (std::size_t column = 0; column < m_rows[row].size(); ++column)
        {
            if (GridCell* cell = m_rows[row][column])
                cell->SetPosition(static_cast<int>(row), static_cast<int>(column));
        }
    }
}

void Grid::RemoveRow(int index)
{
    if (!IsValidIndex(m_rows, index))
        return;
    for (GridCell* cell : m_rows[static_cast<std::size_t>(index)])
        delete cell;
    m_rows.erase(m_rows.begin() + index);
}

void Grid::RemoveColumn(int index)
{
    if (index < 0 || index >= GetColumnCount())
        return;
    for (Row& row : m_rows)
    {
        if (!IsValidIndex(row, index))
            continue;
        delete row[static_cast<std::size_t>(index)];
        row.erase(row.begin() + index);
    }
}

void Grid::RemoveEmptyRows()
{
    for (int row = GetRowCount() - 1; row >= 0; --row)
    {
        const Row& cells = m_rows[static_cast<std::size_t>(row)];
        if (std::all_of(cells.begin(), cells.end(), IsEmptyCell))
            RemoveRow(row);
    }
}

void Grid::RemoveEmptyColumns()
{
    for (int column = GetColumnCount() - 1; column >= 0; --column)
    {
        const bool empty =
            std::all_of(m_rows.begin(), m_rows.end(),
                        [column](const Row& row) {
                            return !IsValidIndex(row, column) ||
                                   IsEmptyCell(row[static_cast<std::size_t>(column)]);
                        });
        if (empty)
            RemoveColumn(column);
    }
}

void Grid::DeleteAllCells()
{
    for (Row& row : m_rows)
    {
        for (GridCell* cell : row)
            delete cell;
        row.clear();
    }
    m_rows.clear();
}

int Grid::PlaceFieldReps(const std::vector<FieldRep*>& controls)
{
    if (controls.empty())
        return 0;
    // The position before (row 0, column 1): positions alternate between columns 1 and 3.
    int row = -1;
    int column = 3;
    for (FieldRep* control : controls)
    {
        if (control == nullptr || control->GetField() == nullptr ||
            control->GetFieldRepData() == nullptr)
            continue;
        for (;;)
        {
            const int nextRow = column == 3 ? row + 1 : row;
            if (nextRow >= GetRowCount())
                return column;
            row = nextRow;
            column = column == 3 ? 1 : 3;
            GridCell* cell = GetCellAt(row, column);
            if (cell != nullptr && cell->GetCellData() == nullptr)
            {
                cell->SetCellData(control, GridCell::kFieldRep);
                break;
            }
        }
    }
    return column;
}

template <class Visit> bool Grid::VisitDashBoardContents(const Visit& visit) const
{
    for (const Row& row : m_rows)
    {
        for (const GridCell* cell : row)
        {
            if (cell == nullptr)
                continue;
            if (cell->GetCellData() != nullptr)
            {
                DashBoardCellInfo* info = cell->GetDashBoardCellInfo();
                if (info != nullptr && visit(*info))
                    return true;
            }
            else if (cell->GetSubGrid() != nullptr &&
                     cell->GetSubGrid()->VisitDashBoardContents(visit))
                return true;
        }
    }
    return false;
}

void Grid::UpdateMenuCaptions(const Menu* menu)
{
    if (menu == nullptr)
        return;
    VisitDashBoardContents(
        [menu](DashBoardCellInfo& info)
        {
            if (info.GetMenu() == menu)
                info.SetCaption(menu->GetName());
            return false;
        });
}
