#include "designers/logic/DashBoardGrids.h"

#include "entities/DashBoard.h"
#include "entities/DashBoardCellInfo.h"
#include "entities/Grid.h"
#include "entities/GridCell.h"
#include "entities/Menu.h"
#include "model/TextFile.h"
#include "platform/core/StringFormat.h"

#include <algorithm>

namespace
{
// The label a panel gives its cell.
CString PanelLabel(const DashBoardCellInfo& panel)
{
    if (!panel.GetCaption().IsEmpty())
        return panel.GetCaption();
    if (panel.GetMenu() != nullptr)
        return panel.GetMenu()->GetName();
    if (!panel.GetDisplayFields().empty())
        return "Display field";
    return CString();
}

void AppendGridRows(const Grid& grid, int parent, std::vector<TreeRow>& rows)
{
    const int gridRow = static_cast<int>(rows.size());
    rows.push_back({GridLabel(grid), grid.GetId(), 1, parent});
    for (const Grid::Row& cells : grid.GetRows())
    {
        for (const GridCell* cell : cells)
        {
            const int cellRow = static_cast<int>(rows.size());
            rows.push_back({CellLabel(*cell), cell->GetId(), 1, gridRow});
            if (cell->GetSubGrid() != nullptr)
                AppendGridRows(*cell->GetSubGrid(), cellRow, rows);
        }
    }
}

CString EscapeHtml(const CString& text)
{
    CString escaped;
    for (const char ch : std::string(text))
    {
        switch (ch)
        {
        case '&':
            escaped += "&amp;";
            break;
        case '<':
            escaped += "&lt;";
            break;
        case '>':
            escaped += "&gt;";
            break;
        case '"':
            escaped += "&quot;";
            break;
        default:
            escaped += ch;
        }
    }
    return escaped;
}

void WriteGridTable(TextFile& file, const Grid& grid, int indent)
{
    file.Write(indent, "<table border=\"1\" id=\"%s\">\n", GridLabel(grid));
    for (const Grid::Row& cells : grid.GetRows())
    {
        file.Write(indent + 1, "<tr>\n");
        for (const GridCell* cell : cells)
        {
            file.Write(indent + 2, "<td>%s\n", EscapeHtml(CellLabel(*cell)));
            if (cell->GetSubGrid() != nullptr)
                WriteGridTable(file, *cell->GetSubGrid(), indent + 3);
            file.Write(indent + 2, "</td>\n");
        }
        file.Write(indent + 1, "</tr>\n");
    }
    file.Write(indent, "</table>\n");
}
} // namespace

bool IsIndexIn(int index, std::size_t size)
{
    return index >= 0 && static_cast<std::size_t>(index) < size;
}

CString CellLabel(const GridCell& cell)
{
    CString label = FormatString("TD_(TR%d,TD%d)", cell.GetRow(), cell.GetColumn());
    if (const DashBoardCellInfo* panel = cell.GetDashBoardCellInfo())
        label += "_" + PanelLabel(*panel);
    return label;
}

CString GridLabel(const Grid& grid)
{
    return FormatString("Table%d", grid.GetId());
}

void NumberGrids(DashBoard& page)
{
    std::vector<Grid*> grids;
    page.CollectGrids(grids);
    int number = 0;
    for (Grid* grid : grids)
        grid->SetId(++number);
}

Grid* NumberedGrid(DashBoard& page, Grid* grid)
{
    std::vector<Grid*> grids;
    page.CollectGrids(grids);
    int highest = 0;
    for (const Grid* each : grids)
        highest = std::max(highest, each->GetId());
    grid->SetId(highest + 1);
    return grid;
}

std::vector<TreeRow> BuildGridTree(const DashBoard& page)
{
    std::vector<TreeRow> rows{{"Tables", 0, 0, -1}};
    if (page.GetGrid() != nullptr)
        AppendGridRows(*page.GetGrid(), 0, rows);
    return rows;
}

std::vector<CString> GridComboItems(const std::vector<Grid*>& grids)
{
    std::vector<CString> items;
    for (const Grid* grid : grids)
        items.push_back(FormatString("Table-%d", grid->GetId()));
    return items;
}

std::vector<CString> CellComboItems(const Grid* grid, std::vector<GridCell*>& cells)
{
    cells.clear();
    std::vector<CString> items;
    if (grid == nullptr)
        return items;
    for (const Grid::Row& row : grid->GetRows())
    {
        for (GridCell* cell : row)
        {
            cells.push_back(cell);
            items.push_back(FormatString("TD_(%d,%d)", cell->GetRow(), cell->GetColumn()));
        }
    }
    return items;
}

bool IsCellInsideGrid(const GridCell& cell, Grid& grid)
{
    std::vector<Grid*> subtree;
    grid.CollectGrids(subtree, nullptr);
    return std::find(subtree.begin(), subtree.end(), cell.GetOwner()) != subtree.end();
}

bool CanMoveSubGrid(const GridCell& source, const GridCell& target)
{
    return source.GetSubGrid() != nullptr && &source != &target &&
           !IsCellInsideGrid(target, *source.GetSubGrid());
}

void MoveSubGrid(GridCell& source, GridCell& target)
{
    if (target.GetSubGrid() != nullptr)
        target.DeleteSubGrid();
    else if (!target.IsEmpty())
        target.Clear();
    target.SetSubGrid(source.GetSubGrid());
    source.SetSubGrid(nullptr);
}

void WriteGridPreview(TextFile& file, const DashBoard& page)
{
    file.Write(0, "<html>\n");
    file.Write(0, "<head>\n");
    file.Write(1, "<title>%s</title>\n", EscapeHtml(page.GetFormName()));
    file.Write(0, "</head>\n");
    file.Write(0, "<body>\n");
    file.Write(1, "<h2>%s</h2>\n", EscapeHtml(page.GetHeader()));
    if (page.GetGrid() != nullptr)
        WriteGridTable(file, *page.GetGrid(), 1);
    file.Write(0, "</body>\n");
    file.Write(0, "</html>\n");
}
