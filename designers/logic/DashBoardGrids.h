#pragma once

#include "platform/core/CString.h"

#include <cstddef>
#include <vector>

class DashBoard;
class Grid;
class GridCell;
class TextFile;

// One item of a designer's tree, listed parents first: its label, item data, image, and the
// index of its parent row (-1 for the root).
struct TreeRow
{
    CString label;
    int data = 0;
    int image = 0;
    int parent = -1;

    bool operator==(const TreeRow&) const = default;
};

// The index is a position of a list of the size.
bool IsIndexIn(int index, std::size_t size);

// "TD_(TR<row>,TD<column>)", and for a cell with a panel "_" and the panel's label: its
// caption, else its menu's name, else "Display field" when it shows a display field.
CString CellLabel(const GridCell& cell);
// "Table<id>".
CString GridLabel(const Grid& grid);
// Numbers the page's grids from 1 in tree order: a page's tables are named from its own count.
void NumberGrids(DashBoard& page);
// Gives the grid the number after the highest of the page's grids and returns it.
Grid* NumberedGrid(DashBoard& page, Grid* grid);

// The root "Tables" (item data 0, image 0), under it the page grid's subtree: each grid an item
// "Table<id>" (its id, image 1) with its cells row by row (their ids, image 1), and under a
// cell its nested grid's subtree.
std::vector<TreeRow> BuildGridTree(const DashBoard& page);

// The combo texts: "Table-<id>" per grid, "TD_(<row>,<column>)" per cell of a grid, row by
// row; the cells are put in the same order (none without a grid).
std::vector<CString> GridComboItems(const std::vector<Grid*>& grids);
std::vector<CString> CellComboItems(const Grid* grid, std::vector<GridCell*>& cells);

// The cell lies in the grid or in a grid nested in it.
bool IsCellInsideGrid(const GridCell& cell, Grid& grid);
// Whether the source cell's nested grid may move into the target: not into the cell where it
// is, nor into itself or a grid nested in it.
bool CanMoveSubGrid(const GridCell& source, const GridCell& target);
// The target's nested grid, or else its content, is deleted; then the source's nested grid
// moves into the target.
void MoveSubGrid(GridCell& source, GridCell& target);

// A plain HTML page of the dashboard: its name, header and grid as nested tables, each cell
// with its tree label.
void WriteGridPreview(TextFile& file, const DashBoard& page);
