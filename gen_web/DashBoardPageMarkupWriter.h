#pragma once

#include "gen_web/AspxWriter.h"

#include <vector>

class DashBoardPage;
class Grid;
class GridCell;

// The .aspx file of a dashboard page: the account links, the heading and, one under the other,
// a table per dashboard whose cells show a text or a link to a page of the menu, or hold a
// nested table.
class DashBoardPageMarkupWriter : public AspxWriter
{
public:
    DashBoardPageMarkupWriter(ForgeonProject* project, DashBoardPage& page,
                              GenerationReport& report);

    // Saved under the name of the page's first page file; nothing when it has none.
    void Write();

private:
    void WriteScriptBlock();
    void WriteHeading();
    void WriteDashBoards();
    // A table with a title row when the name is given, a row per grid row and a cell per
    // column; a grid without columns has no cells.
    void WriteDashBoardGrid(const Grid& grid, int indent, const CString& name);
    void WriteCell(const GridCell* cell, int indent, int width);

    DashBoardPage& m_dashBoardPage;
    CString m_fileName;
    CString m_className;
    // The grids being written, outermost first: a grid nested in itself is not written again.
    std::vector<const Grid*> m_openGrids;
};
