#pragma once

// What a cell of a layout grid holds: a page control or a dashboard panel. Classes that a cell
// can hold carry it as a further base next to CObject.
class GridCellData
{
public:
    GridCellData() = default;
    virtual ~GridCellData() = default;

protected:
    GridCellData(const GridCellData&) = default;
    GridCellData& operator=(const GridCellData&) = default;
};
