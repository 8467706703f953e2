#pragma once

#include "gen_classic/ClassicPageWriter.h"

class DashBoard;
class DashBoardCellInfo;
class DashBoardPage;
class Grid;
class GridCell;
class ProcedureInvokation;

// The classic page of a dashboard page: one row a dashboard placed on it, each calling its
// function, which opens the dashboard's query (once, or once a record of the placement's own
// procedure) and lays out the dashboard's grid of captions, links and record values.
class DashBoardPageWriter : public ClassicPageWriter
{
public:
    DashBoardPageWriter(ForgeonProject* project, DashBoardPage* page, GenerationReport& generation);

    // Writes the page and saves it under its first page file's name in the current module's
    // folder; a page without page file is skipped with its reason.
    void Write();

private:
    void WriteShowFromProcedure(const DashBoard& dashBoard, const ProcedureInvokation& placement);
    void WriteShowOnce(const DashBoard& dashBoard);
    void WriteBody(const DashBoard& dashBoard, int indent);
    void WriteGrid(const Grid& grid, int indent);
    void WriteCell(const GridCell* cell, int indent);
    // "<%=" and the cell's record values joined by " / ", "%>".
    void WriteValues(const DashBoardCellInfo& info);

    DashBoardPage* m_page;
};
