#include "entities/Grid.h"

#include "entities/GridCell.h"
#include "model/ArchiveIO.h"

IMPLEMENT_SERIAL(Grid, CObject, 0)

int Grid::s_idCounter = 0;

Grid::Grid() : m_id(++s_idCounter) {}

Grid::Grid(int rows, int columns) : Grid()
{
    BuildCells(rows, columns);
}

Grid::~Grid()
{
    for (Row& row : m_rows)
    {
        for (GridCell* cell : row)
            delete cell;
    }
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
        ReadObjectList(ar, m_rows.back());
    }
}

void Grid::BuildCells(int rows, int columns)
{
    const int firstRow = static_cast<int>(m_rows.size());
    for (int row = firstRow; row < firstRow + rows; ++row)
    {
        Row& cells = m_rows.emplace_back();
        for (int column = 0; column < columns; ++column)
        {
            cells.push_back(new GridCell(row, column));
            cells.back()->SetOwner(this);
        }
    }
}
