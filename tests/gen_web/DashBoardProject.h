#pragma once

#include "entities/DashBoard.h"
#include "entities/DashBoardCellInfo.h"
#include "entities/DashBoardPage.h"
#include "entities/DashBoardPageData.h"
#include "entities/Designation.h"
#include "entities/Grid.h"
#include "entities/GridCell.h"
#include "entities/LoginPage.h"
#include "entities/Menu.h"
#include "entities/ProcedureFieldInfo.h"

#include "tests/gen_web/GenWebProject.h"
#include "tests/model/ModelBuilders.h"

#include <filesystem>
#include <memory>

// The project "Shop" (page template 3, master page "Main.master") with the login tables and a
// login page in "BaseModule", and the roles: "Admin" (1) opens the dashboard page " Sales Board"
// of BaseModule, "Clerk" (2) has no dashboard page, "Stock keeper" (3) of the module "Stock"
// opens "Stock & Reorders" there. " Sales Board" (header "Sales_Overview") shows:
// - "Today's Summary", a 2 x 3 grid: static text, a link with no caption to the menu
//   " Stock-Board view" that opens Stock & Reorders, a link to a menu without page; a cell with a
//   display field, an empty panel, and a nested 1 x 2 grid with a link and a static text;
// - a dashboard without header whose grid has one empty cell;
// - "Nothing yet", whose grid has no cells, and "No grid" without grid.
class DashBoardProject : public GenWebProject
{
public:
    DashBoardProject()
    {
        Project().GetProjectSettings()->SetPageTemplate(3);
        Project().GetProjectSettings()->SetMasterPageFile("Main.master");
        Base().EnsureSystemTables();
        Base().AdoptLoginPage(new LoginPage);
        m_stock = new Module("Stock");
        Project().AddModule(m_stock);

        m_salesBoard = AddPage(Base(), " Sales Board");
        m_salesBoard->SetHeader("Sales_Overview");
        m_stockBoard = AddPage(*m_stock, "Stock & Reorders");
        Designation::SetIdCounter(0);
        AddRole(Base(), "Admin", m_salesBoard);
        AddRole(Base(), "Clerk", nullptr);
        AddRole(*m_stock, "Stock keeper", m_stockBoard);

        Menu* stockMenu = AddMenu(" Stock-Board view", m_stockBoard);
        Menu* lonelyMenu = AddMenu("Reorders", nullptr);
        auto* summary = AddDashBoard("Today's Summary", new Grid(2, 3));
        Grid& grid = *summary->GetGrid();
        SetPanel(grid, 0, 0, "Welcome", nullptr)->SetStaticText(TRUE);
        SetPanel(grid, 0, 1, "", stockMenu);
        SetPanel(grid, 0, 2, "Reorders", lonelyMenu);
        SetPanel(grid, 1, 0, "Sales", nullptr)->AddDisplayField(&m_salesTotal, "Total");
        SetPanel(grid, 1, 1, "", nullptr);
        auto* nested = new Grid(1, 2);
        grid.GetCellAt(1, 2)->SetSubGrid(nested);
        SetPanel(*nested, 0, 0, "Nested link", stockMenu);
        SetPanel(*nested, 0, 1, "Inner", nullptr)->SetStaticText(TRUE);
        AddDashBoard("", new Grid(1, 1));
        AddDashBoard("Nothing yet", new Grid);
        AddDashBoard("No grid", nullptr);
    }

    DashBoardPage& SalesBoard() { return *m_salesBoard; }
    DashBoardPage& StockBoard() { return *m_stockBoard; }
    Module& Stock() { return *m_stock; }
    LoginPage& Login() { return *Base().GetLoginPage(); }
    // Shop\Shop\BaseModule\UI on the host.
    std::filesystem::path PageFolder() const
    {
        return Root() / "Shop" / "Shop" / "BaseModule" / "UI";
    }

private:
    static DashBoardPage* AddPage(Module& module, const char* name)
    {
        DashBoardPage* page = NewPage<DashBoardPage>(name);
        module.AddDashBoardPage(page, false);
        page->CreateAspFile(1);
        return page;
    }

    static void AddRole(Module& module, const char* name, DashBoardPage* page)
    {
        auto* role = new Designation(TRUE);
        role->SetName(name);
        role->SetDashBoardPage(page);
        module.Append(role);
    }

    Menu* AddMenu(const char* name, DashBoardPage* opened)
    {
        Menu* menu = NewMenu(name);
        if (opened != nullptr)
            menu->SetAspFile(opened->GetAspFileAt(0));
        Base().Append(menu);
        return menu;
    }

    DashBoard* AddDashBoard(const char* header, Grid* grid)
    {
        auto* dashBoard = new DashBoard;
        dashBoard->SetName(header);
        dashBoard->SetHeader(header);
        dashBoard->SetGrid(grid);
        Base().AddDashBoard(dashBoard, false);
        m_salesBoard->AddPlacement(new DashBoardPageData(dashBoard));
        return dashBoard;
    }

    static DashBoardCellInfo* SetPanel(Grid& grid, int row, int column, const char* caption,
                                       Menu* menu)
    {
        auto* panel = new DashBoardCellInfo(false);
        panel->SetCaption(caption);
        panel->SetMenu(menu);
        grid.GetCellAt(row, column)->SetCellData(panel, GridCell::kDashBoardCellInfo);
        return panel;
    }

    ProcedureFieldInfo m_salesTotal;
    Module* m_stock = nullptr;
    DashBoardPage* m_salesBoard = nullptr;
    DashBoardPage* m_stockBoard = nullptr;
};
