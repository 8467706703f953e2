#include "ClassicGolden.h"
#include "ClassicPageFixture.h"

#include "entities/DashBoard.h"
#include "entities/DashBoardCellInfo.h"
#include "entities/DashBoardPage.h"
#include "entities/DashBoardPageData.h"
#include "entities/Grid.h"
#include "entities/GridCell.h"
#include "entities/ProcedureFieldInfo.h"
#include "gen_classic/DashBoardPageWriter.h"
#include "tests/gen_web/GenWebProject.h"

#include <gtest/gtest.h>

// The dashboard page "Overview" of BaseModule over the table "sales" (region, year, total):
// "Sales Summary" placed with PRC_Regions(year), its own query PRC_Summary filtering region
// and year, and a grid of a label, two values, a link and a nested grid; "Stock" shown once
// over PRC_Stock with a link showing a value, a link to a menu without page and an empty cell;
// "Empty Board" without grid or query.
class DashBoardPageTest : public ::testing::Test
{
protected:
    DashBoardPageTest()
    {
        m_table->SetTableName("sales");
        m_table->EnsureDefaultFields();
        Field* region = AddNullableField(*m_table, "region", 4);
        Field* year = AddNullableField(*m_table, "year", 1);
        Field* total = AddNullableField(*m_table, "total", 2);

        m_page->SetName("Overview");
        m_page->SetModule(&m_project.Base());
        m_project.Base().Append(m_page);
        m_page->CreateAspFile(0);
        auto* pageYear = new Variable;
        pageYear->SetName("v_year");
        m_page->AddFieldVariableMap(new FieldVariableMap{year, pageYear});

        DashBoard* sales = AddDashBoard("Sales Summary", "PRC_Summary");
        Procedure* summary = sales->GetProcedureInvokation()->GetProcedure();
        for (Field* field : {region, year})
        {
            summary->AddFieldFilter(field);
            FieldVariableMap parameter;
            summary->FindFieldParameterByField(field, parameter);
            m_variables.push_back(std::make_unique<Variable>());
            m_variables.back()->SetName("d_" + field->GetFieldName());
            sales->GetProcedureInvokation()->AddVariablePair(
                new VariablePair{parameter.variable, m_variables.back().get()});
        }
        sales->SetGrid(new Grid(2, 2));
        Label(*sales->GetGrid(), 0, 0, "Totals");
        Values(*sales->GetGrid(), 0, 1, {{total, "Total"}, {region, ""}});
        Link(*sales->GetGrid(), 1, 0, m_fixture.File(3), "");
        auto* nested = new Grid(1, 2);
        Label(*nested, 0, 0, "Inner");
        sales->GetGrid()->GetCellAt(1, 1)->SetSubGrid(nested);
        auto* placement = new DashBoardPageData(sales);
        auto* regions = new ProcedureInvokation;
        regions->SetProcedure(AddProcedure("PRC_Regions"));
        ClassicPageFixture::AddArgument(*regions->GetProcedure(), *regions, year, pageYear);
        placement->SetProcedureInvokation(regions);
        m_page->AddPlacement(placement);

        DashBoard* stock = AddDashBoard("Stock", "PRC_Stock");
        stock->SetGrid(new Grid(1, 3));
        Values(*stock->GetGrid(), 0, 0, {{total, "Qty"}});
        Link(*stock->GetGrid(), 0, 0, m_fixture.File(1), "");
        Link(*stock->GetGrid(), 0, 1, nullptr, "Nowhere");
        m_page->AddPlacement(new DashBoardPageData(stock));

        m_page->AddPlacement(new DashBoardPageData(AddDashBoard("Empty Board", nullptr)));
    }

    DashBoard* AddDashBoard(const char* name, const char* procedureName)
    {
        auto* dashBoard = new DashBoard;
        dashBoard->SetName(name);
        m_project.Base().Append(dashBoard);
        if (procedureName != nullptr)
        {
            auto* call = new ProcedureInvokation;
            call->SetProcedure(AddProcedure(procedureName));
            dashBoard->SetProcedureInvokation(call);
        }
        return dashBoard;
    }

    Procedure* AddProcedure(const char* name)
    {
        m_procedures.push_back(std::make_unique<Procedure>());
        m_procedures.back()->SetName(name);
        m_procedures.back()->SetMainTable(m_table.get());
        return m_procedures.back().get();
    }

    static DashBoardCellInfo* Info(Grid& grid, int row, int column)
    {
        GridCell* cell = grid.GetCellAt(row, column);
        if (cell->GetDashBoardCellInfo() == nullptr)
            cell->SetCellData(new DashBoardCellInfo, GridCell::kDashBoardCellInfo);
        return cell->GetDashBoardCellInfo();
    }
    static void Label(Grid& grid, int row, int column, const char* caption)
    {
        Info(grid, row, column)->SetCaption(caption);
    }
    void Values(Grid& grid, int row, int column,
                const std::vector<std::pair<Field*, const char*>>& values)
    {
        DashBoardCellInfo* info = Info(grid, row, column);
        info->SetStaticText(FALSE);
        for (const auto& [field, caption] : values)
        {
            m_infos.push_back(
                std::make_unique<ProcedureFieldInfo>(field, ProcedureFieldInfo::noAggregate));
            info->AddDisplayField(m_infos.back().get(), caption);
        }
    }
    // The cell links to a new menu item opening the page file.
    DashBoardCellInfo* Link(Grid& grid, int row, int column, AspFile* opens, const char* caption)
    {
        m_menus.push_back(std::make_unique<Menu>());
        m_menus.back()->SetName(opens != nullptr ? "Orders" : "Lost");
        if (opens != nullptr)
            m_menus.back()->SetAspFile(opens);
        DashBoardCellInfo* info = Info(grid, row, column);
        info->SetMenu(m_menus.back().get());
        info->SetCaption(caption);
        return info;
    }

    ClassicPageFixture m_fixture;
    GenWebProject m_project;
    std::unique_ptr<Table> m_table = std::make_unique<Table>();
    std::vector<std::unique_ptr<Procedure>> m_procedures;
    std::vector<std::unique_ptr<Variable>> m_variables;
    std::vector<std::unique_ptr<ProcedureFieldInfo>> m_infos;
    std::vector<std::unique_ptr<Menu>> m_menus;
    DashBoardPage* m_page = new DashBoardPage;
};

TEST_F(DashBoardPageTest, PlacementsWithAndWithoutProcedurePassTheChecks)
{
    DashBoardPageWriter(&m_project.Project(), m_page, m_project.Report()).Write();
    EXPECT_TRUE(m_project.Report().IsEmpty()) << m_project.Report().GetText().str();
    const std::filesystem::path page = m_project.Root() / "BaseModule" / "Overview.asp";
    ExpectGolden("dashboard/Overview.asp", ReadPage(page));
    std::filesystem::copy(ClassicData("_system"), m_project.Root() / "_system",
                          std::filesystem::copy_options::recursive);
    EXPECT_EQ("", Joined(CheckPageFile(page)));
    ExpectNodeAccepts(PageScripts(ReadPage(page)), m_project.Root());
}

TEST_F(DashBoardPageTest, APageWithoutPageFileIsSkipped)
{
    auto* bare = new DashBoardPage;
    bare->SetName("Bare");
    m_project.Base().Append(bare);
    DashBoardPageWriter(&m_project.Project(), bare, m_project.Report()).Write();
    EXPECT_EQ(m_project.Report().GetText().str(),
              "These pages were skipped:\nBare (the dashboard page has no page file)");
}
