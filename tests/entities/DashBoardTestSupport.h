#pragma once

#include "entities/DashBoard.h"
#include "entities/DashBoardCellInfo.h"
#include "entities/Grid.h"
#include "entities/GridCell.h"
#include "entities/Menu.h"
#include "entities/Variable.h"
#include "tests/entities/PageOperationsSupport.h"

// A panel at the position of the grid, which takes it; linked to the menu when one is given.
inline DashBoardCellInfo* PlacePanel(Grid& grid, int row, int column, Menu* menu = nullptr)
{
    auto* panel = new DashBoardCellInfo;
    panel->SetMenu(menu);
    grid.GetCellAt(row, column)->SetCellData(panel, GridCell::kDashBoardCellInfo);
    return panel;
}

// A nested grid of the size in the cell at the position, which takes it.
inline Grid* NestGrid(Grid& grid, int row, int column, int rows, int columns)
{
    auto* nested = new Grid(rows, columns);
    grid.GetCellAt(row, column)->SetSubGrid(nested);
    return nested;
}

// A call of the procedure giving the page variable to the procedure variable.
inline ProcedureInvokation* CallMapping(Procedure* procedure, Variable* procedureVariable,
                                        Variable* pageVariable)
{
    ProcedureInvokation* call = CallOfProcedure(procedure);
    call->AddVariablePair(new VariablePair{procedureVariable, pageVariable});
    return call;
}

// The warning of the mapping check for a procedure variable named FromDate without field, on
// the page calling GetTotals.
inline CString UnmappedFromDateWarning(const CString& pageName)
{
    return "No field mapped with procedure variable\n\t " + pageName +
           " - in GetTotals\n\t\tFromDate";
}

// The dashboard "Board" with a 2 x 2 page grid, beside the table "orders" with the fields Price
// and Qty.
class DashBoardTest : public PageOperationsTest
{
protected:
    DashBoardTest() : m_grid(new Grid(2, 2))
    {
        m_board.SetName("Board");
        m_board.SetGrid(m_grid);
        m_table.SetTableName("orders");
        m_price = NewField("Price", &m_table);
        m_qty = NewField("Qty", &m_table);
    }

    bool BoardRecorded() { return UsageSet().GetDashBoards() == std::vector<DashBoard*>{&m_board}; }

    Table m_table;
    Field* m_price;
    Field* m_qty;
    DashBoard m_board;
    Grid* m_grid;
};
