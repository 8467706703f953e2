#include "designers/logic/DashBoardDesigner.h"
#include "designers/logic/GridDialogs.h"
#include "entities/Class.h"
#include "entities/ClassInvokation.h"
#include "entities/DashBoardCellInfo.h"
#include "entities/Function.h"
#include "entities/GridCell.h"
#include "entities/ProcedureFieldInfo.h"
#include "tests/designers/logic/DashBoardTestSupport.h"
#include "tests/model/ModelBuilders.h"
#include "tests/support/HostFiles.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace
{

// The cell buttons, then the table buttons.
const std::vector<int> kButtons = {
    DashBoardDesigner::IDC_ADD_DATA,          DashBoardDesigner::IDC_REMOVE_DATA,
    DashBoardDesigner::IDC_SET_PARENT,        DashBoardDesigner::IDC_ADD_TABLE,
    DashBoardDesigner::IDC_INSERT_ROW,        DashBoardDesigner::IDC_INSERT_COLUMN,
    DashBoardDesigner::IDC_ADD_ROW,           DashBoardDesigner::IDC_ADD_COLUMN,
    DashBoardDesigner::IDC_REMOVE_EMPTY_ROWS, DashBoardDesigner::IDC_REMOVE_EMPTY_COLUMNS};

// Answers the warning dialog from a script (OK when none is left).
class AnsweringHost : public RecordingHost
{
public:
    bool ConfirmWarning(const CString& message) override
    {
        RecordingHost::ConfirmWarning(message);
        if (warnings.empty())
            return true;
        const bool answer = warnings.front();
        warnings.pop_front();
        return answer;
    }
    std::deque<bool> warnings;
};

std::string Joined(const std::vector<CString>& items)
{
    std::string text;
    for (const CString& item : items)
        text += (text.empty() ? "" : " ") + std::string(item.GetString());
    return text;
}

DashBoardCellInfo* PutPanel(GridCell& cell, const char* caption)
{
    auto* panel = new DashBoardCellInfo;
    panel->SetCaption(caption);
    cell.SetCellData(panel, GridCell::kDashBoardCellInfo);
    return panel;
}

// A designer on a new page with a 2 x 2 grid whose cell (0,1) holds the panel "Sales".
class DashBoardDesignerTest : public ::testing::Test
{
protected:
    DashBoardDesignerTest()
    {
        designer.LoadDashBoard(nullptr);
        dash.gridSizes.push_back({2, 2});
        designer.AddParentGrid();
        PutPanel(*PageGrid().GetCellAt(0, 1), "Sales");
        designer.LoadDashBoard(designer.GetDashBoard());
        designer.ClickTree(0);
        existing = open.Current().GetDashBoards();
        dash.calls.clear();
    }

    ::Grid& PageGrid() { return *designer.GetDashBoard()->GetGrid(); }
    // Clicks the row with the label; grids are named as TreeText names them.
    DashBoardDesigner::Popup Click(const std::string& label)
    {
        const auto& rows = designer.GetTreeRows();
        std::istringstream lines(TreeText(rows, *designer.GetDashBoard()));
        std::string line;
        for (int row = 0; std::getline(lines, line); ++row)
        {
            if (line.substr(line.find_first_not_of(' ')) == label)
                return designer.ClickTree(row);
        }
        ADD_FAILURE() << label << " not in the tree";
        return DashBoardDesigner::Popup::None;
    }
    std::string Tree() { return TreeText(designer.GetTreeRows(), *designer.GetDashBoard()); }
    std::vector<std::string> Enabled()
    {
        const std::map<int, const char*> names = {
            {DashBoardDesigner::IDC_ADD_DATA, "Add Data"},
            {DashBoardDesigner::IDC_REMOVE_DATA, "Remove Data"},
            {DashBoardDesigner::IDC_SET_PARENT, "Set Parent"},
            {DashBoardDesigner::IDC_ADD_TABLE, "Add Table"},
            {DashBoardDesigner::IDC_INSERT_ROW, "Insert Row"},
            {DashBoardDesigner::IDC_INSERT_COLUMN, "Insert Column"},
            {DashBoardDesigner::IDC_ADD_ROW, "Add Row"},
            {DashBoardDesigner::IDC_ADD_COLUMN, "Add Column"},
            {DashBoardDesigner::IDC_REMOVE_EMPTY_ROWS, "Remove Empty Rows"},
            {DashBoardDesigner::IDC_REMOVE_EMPTY_COLUMNS, "Remove Empty Columns"}};
        std::vector<std::string> enabled;
        for (int id : EnabledIds(designer.States(), kButtons))
            enabled.push_back(names.at(id));
        return enabled;
    }

    ScriptedMessageBoxes boxes;
    OpenNewProject open;
    AnsweringHost host;
    FakeDashBoardHost dash;
    DashBoardDesigner designer{open.project, host, dash};
    // The dashboards of the new project.
    std::vector<DashBoard*> existing;
};

struct CommandCase
{
    const char* name;
    const char* clicked;
    bool cellCommand;
    UINT command;
    int answer;
    const char* tree;
    const char* pageGridCells;
};

const CommandCase kCommandCases[] = {
    {"Nothing", "Tables", false, 0, 0,
     "Tables\n  Table0\n    TD_(TR0,TD0)\n    TD_(TR0,TD1)_Sales\n    TD_(TR1,TD0)\n"
     "    TD_(TR1,TD1)\n",
     "TD_(0,0) TD_(0,1) TD_(1,0) TD_(1,1)"},
    {"InsertRowBefore", "TD_(TR1,TD0)", true, DashBoardDesigner::kInsertRowBefore, 0,
     "Tables\n  Table0\n    TD_(TR0,TD0)\n    TD_(TR0,TD1)_Sales\n    TD_(TR1,TD0)\n"
     "    TD_(TR1,TD1)\n    TD_(TR2,TD0)\n    TD_(TR2,TD1)\n",
     "TD_(0,0) TD_(0,1) TD_(1,0) TD_(1,1) TD_(2,0) TD_(2,1)"},
    {"InsertColumnBefore", "TD_(TR0,TD1)_Sales", true, DashBoardDesigner::kInsertColumnBefore, 0,
     "Tables\n  Table0\n    TD_(TR0,TD0)\n    TD_(TR0,TD1)\n    TD_(TR0,TD2)_Sales\n"
     "    TD_(TR1,TD0)\n    TD_(TR1,TD1)\n    TD_(TR1,TD2)\n",
     "TD_(0,0) TD_(0,1) TD_(0,2) TD_(1,0) TD_(1,1) TD_(1,2)"},
    {"AppendRow", "Table0", false, DashBoardDesigner::kAppendRow, 0,
     "Tables\n  Table0\n    TD_(TR0,TD0)\n    TD_(TR0,TD1)_Sales\n    TD_(TR1,TD0)\n"
     "    TD_(TR1,TD1)\n    TD_(TR2,TD0)\n    TD_(TR2,TD1)\n",
     "TD_(0,0) TD_(0,1) TD_(1,0) TD_(1,1) TD_(2,0) TD_(2,1)"},
    {"AppendColumn", "Table0", false, DashBoardDesigner::kAppendColumn, 0,
     "Tables\n  Table0\n    TD_(TR0,TD0)\n    TD_(TR0,TD1)_Sales\n    TD_(TR0,TD2)\n"
     "    TD_(TR1,TD0)\n    TD_(TR1,TD1)\n    TD_(TR1,TD2)\n",
     "TD_(0,0) TD_(0,1) TD_(0,2) TD_(1,0) TD_(1,1) TD_(1,2)"},
    {"RemoveEmptyRowsYes", "Table0", false, DashBoardDesigner::kRemoveEmptyRows, IDYES,
     "Tables\n  Table0\n    TD_(TR0,TD0)\n    TD_(TR0,TD1)_Sales\n", "TD_(0,0) TD_(0,1)"},
    {"RemoveEmptyRowsNo", "Table0", false, DashBoardDesigner::kRemoveEmptyRows, IDNO,
     "Tables\n  Table0\n    TD_(TR0,TD0)\n    TD_(TR0,TD1)_Sales\n    TD_(TR1,TD0)\n"
     "    TD_(TR1,TD1)\n",
     "TD_(0,0) TD_(0,1) TD_(1,0) TD_(1,1)"},
    {"RemoveEmptyColumnsRenumbers", "Table0", false, DashBoardDesigner::kRemoveEmptyColumns, IDYES,
     "Tables\n  Table0\n    TD_(TR0,TD0)_Sales\n    TD_(TR1,TD0)\n", "TD_(0,0) TD_(1,0)"},
    {"EraseDataYes", "TD_(TR0,TD1)_Sales", true, DashBoardDesigner::kEraseData, IDYES,
     "Tables\n  Table0\n    TD_(TR0,TD0)\n    TD_(TR0,TD1)\n    TD_(TR1,TD0)\n    TD_(TR1,TD1)\n",
     "TD_(0,0) TD_(0,1) TD_(1,0) TD_(1,1)"},
    {"EraseDataNo", "TD_(TR0,TD1)_Sales", true, DashBoardDesigner::kEraseData, IDNO,
     "Tables\n  Table0\n    TD_(TR0,TD0)\n    TD_(TR0,TD1)_Sales\n    TD_(TR1,TD0)\n"
     "    TD_(TR1,TD1)\n",
     "TD_(0,0) TD_(0,1) TD_(1,0) TD_(1,1)"},
    {"InsertTable", "TD_(TR1,TD1)", true, DashBoardDesigner::kInsertTable, 0,
     "Tables\n  Table0\n    TD_(TR0,TD0)\n    TD_(TR0,TD1)_Sales\n    TD_(TR1,TD0)\n"
     "    TD_(TR1,TD1)\n      Table1\n        TD_(TR0,TD0)\n        TD_(TR0,TD1)\n",
     "TD_(0,0) TD_(0,1) TD_(1,0) TD_(1,1)"},
};

class DashBoardCommandTest : public DashBoardDesignerTest,
                             public ::testing::WithParamInterface<CommandCase>
{
};

TEST_P(DashBoardCommandTest, TreeAndCombosFollowTheGrid)
{
    const CommandCase& c = GetParam();
    if (c.answer != 0)
        boxes.Answer(c.answer);
    dash.gridSizes.push_back({1, 2});
    Click(c.clicked);
    if (c.cellCommand)
        designer.CellCommand(c.command);
    else
        designer.TableCommand(c.command);
    EXPECT_EQ(Tree(), c.tree);
    EXPECT_EQ(boxes.PendingAnswers(), 0u);
    EXPECT_EQ(boxes.UnscriptedCount(), 0u);

    std::vector<::Grid*> grids;
    designer.GetDashBoard()->CollectGrids(grids);
    EXPECT_EQ(designer.States().GetItems(DashBoardDesigner::IDC_GRIDS), GridComboItems(grids));
    EXPECT_EQ(designer.States().GetItems(DashBoardDesigner::IDC_GRIDS).front(),
              CString("Table-") + std::to_string(PageGrid().GetId()).c_str());
    designer.ChooseGrid(0);
    EXPECT_EQ(Joined(designer.States().GetItems(DashBoardDesigner::IDC_CELLS)), c.pageGridCells);
    for (const auto& row : PageGrid().GetRows())
    {
        for (const GridCell* cell : row)
        {
            EXPECT_EQ(cell->GetOwner(), &PageGrid());
            EXPECT_EQ(PageGrid().GetCellAt(cell->GetRow(), cell->GetColumn()), cell);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Commands, DashBoardCommandTest, ::testing::ValuesIn(kCommandCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(DashBoardDesignerTest, RemovingEveryEmptyRowLeavesTheTableWithoutChildren)
{
    boxes.Answer(IDYES);
    boxes.Answer(IDYES);
    Click("TD_(TR0,TD1)_Sales");
    designer.CellCommand(DashBoardDesigner::kEraseData);
    Click("Table0");
    designer.TableCommand(DashBoardDesigner::kRemoveEmptyRows);
    EXPECT_EQ(Tree(), "Tables\n  Table0\n");
    EXPECT_EQ(PageGrid().GetRowCount(), 0);
}

TEST_F(DashBoardDesignerTest, ButtonStatesFollowTheSelection)
{
    PutPanel(*PageGrid().GetCellAt(1, 0), "");
    PageGrid().GetCellAt(1, 1)->SetSubGrid(new ::Grid(1, 1));
    designer.LoadDashBoard(designer.GetDashBoard());
    struct Case
    {
        const char* clicked;
        std::vector<std::string> enabled;
        const char* column;
        bool table;
    };
    const std::vector<std::string> cellButtons = {"Add Data", "Remove Data", "Add Table",
                                                  "Insert Row", "Insert Column"};
    const Case cases[] = {
        {"TD_(TR0,TD0)", cellButtons, "", false},
        {"TD_(TR0,TD1)_Sales",
         {"Add Data", "Remove Data", "Insert Row", "Insert Column"},
         "Sales",
         false},
        {"TD_(TR1,TD0)_", {"Add Data", "Remove Data", "Insert Row", "Insert Column"}, "", false},
        {"TD_(TR1,TD1)",
         {"Add Data", "Remove Data", "Set Parent", "Add Table", "Insert Row", "Insert Column"},
         "",
         false},
        {"Table1",
         {"Add Row", "Add Column", "Remove Empty Rows", "Remove Empty Columns"},
         "",
         true},
        {"Tables", {}, "", false},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.clicked);
        const DashBoardDesigner::Popup popup = Click(c.clicked);
        EXPECT_EQ(Enabled(), c.enabled);
        EXPECT_EQ(designer.States().GetText(DashBoardDesigner::IDC_SELECTED_COLUMN), c.column);
        const CString table =
            c.table ? GridLabel(*PageGrid().GetCellAt(1, 1)->GetSubGrid()) : CString();
        EXPECT_EQ(designer.States().GetText(DashBoardDesigner::IDC_SELECTED_TABLE), table);
        EXPECT_EQ(popup, c.table                              ? DashBoardDesigner::Popup::Table
                         : std::string(c.clicked) == "Tables" ? DashBoardDesigner::Popup::None
                                                              : DashBoardDesigner::Popup::Cell);
    }
}

TEST_F(DashBoardDesignerTest, CellCommandsAreRefusedWithTheirMessages)
{
    PageGrid().GetCellAt(1, 1)->SetSubGrid(new ::Grid(1, 1));
    designer.LoadDashBoard(designer.GetDashBoard());
    dash.gridSizes.push_back({1, 1});

    Click("TD_(TR1,TD1)");
    designer.CellCommand(DashBoardDesigner::kAddMenu);
    Click("TD_(TR0,TD1)_Sales");
    designer.CellCommand(DashBoardDesigner::kInsertTable);
    Click("TD_(TR0,TD0)");
    designer.CellCommand(DashBoardDesigner::kEraseData);

    EXPECT_EQ(Texts(boxes),
              (std::vector<std::string>{"Can not add menu as child grid is assigned",
                                        "Can not add Grid as Grid cell data is present"}));
    EXPECT_TRUE(dash.calls.empty());
    EXPECT_EQ(dash.gridSizes.size(), 1u);
}

TEST_F(DashBoardDesignerTest, InsertTableOverAGridAsksAndReplacesIt)
{
    dash.gridSizes = {{1, 1}, {2, 1}, {1, 3}};
    Click("TD_(TR0,TD0)");
    designer.CellCommand(DashBoardDesigner::kInsertTable);
    const ::Grid* first = PageGrid().GetCellAt(0, 0)->GetSubGrid();
    ASSERT_NE(first, nullptr);

    boxes.Answer(IDNO);
    designer.CellCommand(DashBoardDesigner::kInsertTable);
    EXPECT_EQ(PageGrid().GetCellAt(0, 0)->GetSubGrid(), first);

    boxes.Answer(IDYES);
    designer.CellCommand(DashBoardDesigner::kInsertTable);
    ASSERT_NE(PageGrid().GetCellAt(0, 0)->GetSubGrid(), nullptr);
    EXPECT_EQ(PageGrid().GetCellAt(0, 0)->GetSubGrid()->GetRowCount(), 2);

    // A cancelled size leaves the grid in place.
    boxes.Answer(IDYES);
    dash.gridSizes.clear();
    designer.CellCommand(DashBoardDesigner::kInsertTable);
    EXPECT_EQ(PageGrid().GetCellAt(0, 0)->GetSubGrid()->GetRowCount(), 2);
    EXPECT_EQ(Texts(boxes), std::vector<std::string>(3, "Do you want to replace existing grid?"));
}

TEST_F(DashBoardDesignerTest, AddMenuOpensTheCellDialogAndRelabels)
{
    dash.editCell = [](DashBoard&, GridCell& cell) { PutPanel(cell, "Orders"); };
    Click("TD_(TR1,TD0)");
    designer.CellCommand(DashBoardDesigner::kAddMenu);
    EXPECT_EQ(dash.calls, std::vector<CString>{"cell content"});
    EXPECT_NE(Tree().find("TD_(TR1,TD0)_Orders"), std::string::npos);
}

TEST_F(DashBoardDesignerTest, ParentGridAddAndRemove)
{
    EXPECT_FALSE(designer.States().IsEnabled(DashBoardDesigner::IDC_ADD));
    EXPECT_TRUE(designer.States().IsEnabled(DashBoardDesigner::IDC_REMOVE));
    Click("TD_(TR0,TD0)");
    boxes.Answer(IDNO);
    designer.RemoveParentGrid();
    EXPECT_NE(designer.GetDashBoard()->GetGrid(), nullptr);
    boxes.Answer(IDYES);
    designer.RemoveParentGrid();
    EXPECT_EQ(designer.GetDashBoard()->GetGrid(), nullptr);
    EXPECT_EQ(Tree(), "Tables\n");
    EXPECT_EQ(designer.GetSelectedCell(), nullptr);
    EXPECT_TRUE(designer.States().IsEnabled(DashBoardDesigner::IDC_ADD));
    EXPECT_FALSE(designer.States().IsEnabled(DashBoardDesigner::IDC_REMOVE));
    EXPECT_TRUE(designer.States().GetItems(DashBoardDesigner::IDC_GRIDS).empty());
    EXPECT_EQ(Texts(boxes), std::vector<std::string>(2, "Do you want to remove parent grid?"));

    designer.AddParentGrid(); // cancelled
    EXPECT_EQ(designer.GetDashBoard()->GetGrid(), nullptr);
    dash.gridSizes.push_back({1, 1});
    designer.AddParentGrid();
    EXPECT_EQ(Tree(), "Tables\n  Table0\n    TD_(TR0,TD0)\n");
}

// The page grid holds Table1 in cell (0,0), Table1 holds Table2 in its cell (0,0); cell (1,1)
// holds the panel "Sales" and cell (1,0) is empty.
class MoveGridTest : public DashBoardDesignerTest
{
protected:
    MoveGridTest()
    {
        PageGrid().GetCellAt(0, 1)->Clear();
        PutPanel(*PageGrid().GetCellAt(1, 1), "Sales");
        nested = new ::Grid(1, 2);
        PageGrid().GetCellAt(0, 0)->SetSubGrid(nested);
        innermost = new ::Grid(1, 1);
        nested->GetCellAt(0, 0)->SetSubGrid(innermost);
        designer.LoadDashBoard(designer.GetDashBoard());
    }
    int SourceRow()
    {
        designer.ClickTree(2);
        return designer.GetSelectedRow();
    }
    void ChooseTarget(const ::Grid* grid, const char* cell)
    {
        std::vector<::Grid*> grids;
        designer.GetDashBoard()->CollectGrids(grids);
        const auto found = std::find(grids.begin(), grids.end(), grid);
        designer.ChooseGrid(static_cast<int>(found - grids.begin()));
        const auto& cells = designer.States().GetItems(DashBoardDesigner::IDC_CELLS);
        designer.States().Select(
            DashBoardDesigner::IDC_CELLS,
            static_cast<int>(std::find(cells.begin(), cells.end(), CString(cell)) - cells.begin()));
    }

    ::Grid* nested;
    ::Grid* innermost;
};

TEST_F(MoveGridTest, MovesIntoItsOwnSubtreeOrCellDoNothing)
{
    const std::pair<const char*, const char*> targets[] = {
        {"nested", "TD_(0,1)"}, {"innermost", "TD_(0,0)"}, {"page", "TD_(0,0)"}};
    const std::string before = Tree();
    for (const auto& [grid, cell] : targets)
    {
        SCOPED_TRACE(grid);
        ChooseTarget(std::string(grid) == "nested"      ? nested
                     : std::string(grid) == "innermost" ? innermost
                                                        : &PageGrid(),
                     cell);
        designer.MoveSelectedGrid(SourceRow());
        EXPECT_EQ(Tree(), before);
        EXPECT_EQ(PageGrid().GetCellAt(0, 0)->GetSubGrid(), nested);
    }
    EXPECT_TRUE(boxes.Shown().empty());
    EXPECT_TRUE(host.calls.empty());
}

TEST_F(MoveGridTest, MoveIntoEmptyAndFilledCells)
{
    struct Case
    {
        const char* target;
        bool answer;
        bool moved;
        const char* warning;
    };
    const Case cases[] = {
        {"TD_(1,0)", true, true, nullptr},
        {"TD_(1,1)", false, false,
         "This cell already contains some data. Do you want to replace it?"},
        {"TD_(1,1)", true, true,
         "This cell already contains some data. Do you want to replace it?"},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.target);
        host.calls.clear();
        host.warnings = {c.answer};
        // Back to cell (0,0) first.
        if (PageGrid().GetCellAt(0, 0)->GetSubGrid() == nullptr)
        {
            for (const auto& row : PageGrid().GetRows())
            {
                for (GridCell* cell : row)
                {
                    if (cell->GetSubGrid() == nested)
                        cell->SetSubGrid(nullptr);
                }
            }
            PageGrid().GetCellAt(0, 0)->SetSubGrid(nested);
            designer.LoadDashBoard(designer.GetDashBoard());
        }
        ChooseTarget(&PageGrid(), c.target);
        designer.MoveSelectedGrid(SourceRow());
        const GridCell& target = *PageGrid().GetCellAt(c.target[4] - '0', c.target[6] - '0');
        EXPECT_EQ(target.GetSubGrid() == nested, c.moved);
        EXPECT_EQ(PageGrid().GetCellAt(0, 0)->GetSubGrid() == nullptr, c.moved);
        if (c.moved)
        {
            EXPECT_EQ(target.GetCellData(), nullptr);
        }
        EXPECT_EQ(host.calls, c.warning != nullptr
                                  ? std::vector<CString>{CString("warning ") + c.warning}
                                  : std::vector<CString>{});
    }
}

TEST_F(MoveGridTest, MoveWithoutGridOrTargetSaysSo)
{
    designer.MoveSelectedGrid(SourceRow());
    ChooseTarget(&PageGrid(), "TD_(1,0)");
    designer.MoveSelectedGrid(7);
    EXPECT_EQ(Texts(boxes),
              std::vector<std::string>(
                  2, "Please select appropriate shifting grid and grid cell location."));
    EXPECT_EQ(PageGrid().GetCellAt(0, 0)->GetSubGrid(), nested);
}

TEST_F(MoveGridTest, MoveDialogOffersNoGridOfTheMovedSubtree)
{
    GridMover mover(*designer.GetDashBoard(), *PageGrid().GetCellAt(0, 0));
    EXPECT_EQ(mover.GetTitle(), "Move table: " + GridLabel(*nested));
    mover.Open();
    EXPECT_EQ(mover.States().GetItems(GridMover::IDC_GRIDS),
              GridComboItems(std::vector<::Grid*>{&PageGrid()}));
    mover.ChooseGrid(0);
    EXPECT_EQ(Joined(mover.States().GetItems(GridMover::IDC_CELLS)),
              "TD_(0,0) TD_(0,1) TD_(1,0) TD_(1,1)");

    // Its own cell: closes, nothing moves.
    mover.ChooseCell(0);
    EXPECT_TRUE(mover.Ok());
    EXPECT_EQ(PageGrid().GetCellAt(0, 0)->GetSubGrid(), nested);
    // A cell with content: No keeps the dialog open, Yes moves.
    mover.ChooseCell(3);
    boxes.Answer(IDNO);
    EXPECT_FALSE(mover.Ok());
    EXPECT_EQ(PageGrid().GetCellAt(0, 0)->GetSubGrid(), nested);
    boxes.Answer(IDYES);
    EXPECT_TRUE(mover.Ok());
    EXPECT_EQ(PageGrid().GetCellAt(1, 1)->GetSubGrid(), nested);
    EXPECT_EQ(PageGrid().GetCellAt(1, 1)->GetCellData(), nullptr);
    EXPECT_EQ(PageGrid().GetCellAt(0, 0)->GetSubGrid(), nullptr);

    GridMover empty(*designer.GetDashBoard(), *PageGrid().GetCellAt(0, 1));
    EXPECT_EQ(empty.GetTitle(), "");
    empty.Open();
    empty.ChooseGrid(0);
    empty.ChooseCell(0);
    EXPECT_TRUE(empty.Ok());
}

TEST_F(MoveGridTest, SetParentOpensTheMoveDialogAndRebuilds)
{
    dash.moveGrid = [](DashBoard& page, GridCell& cell)
    {
        GridMover mover(page, cell);
        mover.Open();
        mover.ChooseGrid(0);
        mover.ChooseCell(2);
        mover.Ok();
    };
    designer.ClickTree(2);
    designer.SetParent();
    EXPECT_EQ(PageGrid().GetCellAt(1, 0)->GetSubGrid(), nested);
    EXPECT_NE(Tree().find("    TD_(TR1,TD0)\n      Table1\n"), std::string::npos);
}

struct NameCase
{
    const char* name;
    bool accepted;
};

class DashBoardNameTest : public DashBoardDesignerTest,
                          public ::testing::WithParamInterface<NameCase>
{
};

TEST_P(DashBoardNameTest, OkStoresANewPageWhoseNamePasses)
{
    DashBoard* page = designer.GetDashBoard();
    designer.States().SetText(DashBoardDesigner::IDC_NAME, GetParam().name);
    designer.States().SetText(DashBoardDesigner::IDC_HEADER, "Header");
    designer.Ok();
    const auto& stored = open.Current().GetDashBoards();
    if (GetParam().accepted)
    {
        ASSERT_EQ(stored.size(), existing.size() + 1);
        EXPECT_NE(std::find(stored.begin(), stored.end(), page), stored.end());
        EXPECT_EQ(page->GetFormName(), GetParam().name);
        EXPECT_EQ(page->GetHeader(), "Header");
        EXPECT_FALSE(page->GetAspFiles().empty());
        EXPECT_EQ(dash.calls,
                  std::vector<CString>{"add " + open.Current().GetName() + " " + GetParam().name});
        EXPECT_NE(designer.GetDashBoard(), page);
        EXPECT_TRUE(designer.IsNew());
        EXPECT_EQ(designer.States().GetText(DashBoardDesigner::IDC_NAME), "");
        EXPECT_TRUE(boxes.Shown().empty());
    }
    else
    {
        EXPECT_EQ(stored, existing);
        EXPECT_EQ(designer.GetDashBoard(), page);
        EXPECT_EQ(Texts(boxes),
                  std::vector<std::string>{"Special charater in dashboard name.Please check."});
    }
}

INSTANTIATE_TEST_SUITE_P(Names, DashBoardNameTest,
                         ::testing::Values(NameCase{"Sales-Board_1", true},
                                           NameCase{"Sales: Board", true},
                                           NameCase{"Sales.Board", false},
                                           NameCase{"Sales[1]", false},
                                           NameCase{"Sales/1", false}));

TEST_F(DashBoardDesignerTest, OkRefusesAMissingNameOrHeaderAndRestoresAStoredName)
{
    designer.States().SetText(DashBoardDesigner::IDC_NAME, "Board");
    designer.Ok();
    designer.States().SetText(DashBoardDesigner::IDC_HEADER, "Header");
    designer.States().SetText(DashBoardDesigner::IDC_NAME, "");
    designer.Ok();
    EXPECT_EQ(Texts(boxes), std::vector<std::string>(2, "Please enter dashboard name and header."));

    auto* stored = new DashBoard;
    stored->SetName("Stored");
    stored->SetHeader("Old");
    open.Current().AddDashBoard(stored, true);
    designer.LoadDashBoard(stored);
    EXPECT_FALSE(designer.States().IsEnabled(DashBoardDesigner::IDC_NAME));
    designer.States().SetText(DashBoardDesigner::IDC_NAME, "Stored.1");
    designer.Ok();
    EXPECT_EQ(designer.States().GetText(DashBoardDesigner::IDC_NAME), "Stored");
    EXPECT_EQ(stored->GetFormName(), "Stored");

    designer.States().SetText(DashBoardDesigner::IDC_HEADER, "New");
    designer.Ok();
    EXPECT_EQ(stored->GetHeader(), "New");
    EXPECT_TRUE(designer.IsNew());
    EXPECT_EQ(open.Current().GetDashBoards().size(), existing.size() + 1);
}

TEST_F(DashBoardDesignerTest, ClearAndForgetDeleteOnlyANewPage)
{
    auto* stored = new DashBoard;
    open.Current().AddDashBoard(stored, false);
    designer.ForgetDashBoard(stored);
    EXPECT_TRUE(designer.IsNew());
    EXPECT_NE(designer.GetDashBoard(), stored);
    EXPECT_EQ(Tree(), "Tables\n");
    designer.Clear();
    designer.ClearPage();
    EXPECT_EQ(designer.GetDashBoard(), nullptr);
    EXPECT_TRUE(designer.GetTreeRows().empty());
    EXPECT_TRUE(designer.States().IsEnabled(DashBoardDesigner::IDC_ADD));
    existing.push_back(stored);
    EXPECT_EQ(open.Current().GetDashBoards().size(), existing.size());
}

TEST_F(DashBoardDesignerTest, RefreshWritesThePreviewOnlyWithAPathAndAName)
{
    TempFolder folder("WeavoPreview");
    designer.States().SetText(DashBoardDesigner::IDC_NAME, "");
    designer.Refresh();
    designer.States().SetText(DashBoardDesigner::IDC_NAME, "Board");
    designer.Refresh();
    EXPECT_EQ(Texts(boxes), (std::vector<std::string>{
                                "Please enter the dashboard name.",
                                "Project Path not set for this project.\nPlease fill project "
                                "properties before writing SQL."}));
    EXPECT_TRUE(dash.calls.empty());
    EXPECT_TRUE(designer.GetDashBoard()->GetAspFiles().empty());

    // The preview lies in the project's own folder.
    open.project.SetProjectPath(folder.ModelPath());
    open.project.SetProjectName("Shop");
    std::filesystem::create_directory(folder.Path() / "Shop");
    PageGrid().GetCellAt(1, 1)->SetSubGrid(new ::Grid(1, 1));
    designer.Refresh();
    const CString path = folder.ModelPath("Shop") + "\\Board_preview.html";
    EXPECT_EQ(dash.calls, std::vector<CString>{"navigate " + path});
    EXPECT_EQ(designer.GetDashBoard()->GetFormName(), "Board");
    EXPECT_EQ(designer.GetDashBoard()->GetAspFiles().size(), 1u);
    const std::string preview = ReadHostFile(folder.Path() / "Shop" / "Board_preview.html");
    const std::string nestedId = GridLabel(*PageGrid().GetCellAt(1, 1)->GetSubGrid()).GetString();
    const std::string pageId = GridLabel(PageGrid()).GetString();
    EXPECT_EQ(preview,
              "<html>\r\n<head>\r\n\t<title>Board</title>\r\n</head>\r\n<body>\r\n\t<h2></h2>\r\n"
              "\t<table border=\"1\" id=\"" +
                  pageId +
                  "\">\r\n"
                  "\t\t<tr>\r\n\t\t\t<td>TD_(TR0,TD0)\r\n\t\t\t</td>\r\n"
                  "\t\t\t<td>TD_(TR0,TD1)_Sales\r\n\t\t\t</td>\r\n\t\t</tr>\r\n"
                  "\t\t<tr>\r\n\t\t\t<td>TD_(TR1,TD0)\r\n\t\t\t</td>\r\n"
                  "\t\t\t<td>TD_(TR1,TD1)\r\n"
                  "\t\t\t\t<table border=\"1\" id=\"" +
                  nestedId +
                  "\">\r\n"
                  "\t\t\t\t\t<tr>\r\n\t\t\t\t\t\t<td>TD_(TR0,TD0)\r\n\t\t\t\t\t\t</td>\r\n"
                  "\t\t\t\t\t</tr>\r\n\t\t\t\t</table>\r\n"
                  "\t\t\t</td>\r\n\t\t</tr>\r\n\t</table>\r\n</body>\r\n</html>\r\n");

    // A preview that has another name, and another text, is replaced by a file of its own, and
    // a box says so.
    const std::filesystem::path other = folder.Path() / "Board_preview.other";
    std::filesystem::create_hard_link(folder.Path() / "Shop" / "Board_preview.html", other);
    std::ofstream(other, std::ios::app) << "changed";
    boxes.Answer(IDOK);
    designer.Refresh();
    EXPECT_EQ(Texts(boxes).back(), "These links were replaced by the files written:\n" +
                                       (folder.Path() / "Shop" / "Board_preview.html").string() +
                                       " (it was a hard link)");
    EXPECT_EQ(ReadHostFile(folder.Path() / "Shop" / "Board_preview.html"), preview);
    EXPECT_EQ(ReadHostFile(other), preview + "changed");
    EXPECT_EQ(dash.calls.size(), 2u);

    // A name that would lead out of the folder is refused before any file is made.
    boxes.Answer(IDOK);
    designer.States().SetText(DashBoardDesigner::IDC_NAME, "..\\Board");
    designer.Refresh();
    EXPECT_EQ(Texts(boxes).back(), "Special charater in dashboard name.Please check.");
    EXPECT_EQ(dash.calls.size(), 2u);

    // The preview goes with the page the designer lets go of, once.
    designer.Clear();
    designer.Clear();
    EXPECT_EQ(dash.calls,
              (std::vector<CString>{"navigate " + path, "navigate " + path, "navigate "}));
}

// A dashboard's tables are numbered from its own count, whatever grids were made before.
TEST_F(DashBoardDesignerTest, TheGridsOfADashboardAreNumberedFromOne)
{
    const ::Grid before(1, 1);
    designer.Clear();
    dash.gridSizes.push_back({1, 2});
    designer.AddParentGrid();
    EXPECT_EQ(GridLabel(PageGrid()), "Table1");
    Click("TD_(TR0,TD1)");
    dash.gridSizes.push_back({1, 1});
    designer.CellCommand(DashBoardDesigner::kInsertTable);
    EXPECT_EQ(GridLabel(*PageGrid().GetCellAt(0, 1)->GetSubGrid()), "Table2");
    Click("TD_(TR0,TD0)");
    dash.gridSizes.push_back({1, 1});
    designer.CellCommand(DashBoardDesigner::kInsertTable);
    EXPECT_EQ(GridLabel(*PageGrid().GetCellAt(0, 0)->GetSubGrid()), "Table3");

    // A stored dashboard is numbered in tree order when it is opened.
    auto* stored = new DashBoard;
    stored->SetGrid(new ::Grid(1, 2));
    stored->GetGrid()->GetCellAt(0, 1)->SetSubGrid(new ::Grid(1, 1));
    open.Current().AddDashBoard(stored, false);
    designer.LoadDashBoard(stored);
    EXPECT_EQ(GridComboItems({stored->GetGrid(), stored->GetGrid()->GetCellAt(0, 1)->GetSubGrid()}),
              (std::vector<CString>{"Table-1", "Table-2"}));
}
} // namespace

namespace
{
// A data class "Sales" with the function "Totals" whose output field is Amount.
class DashBoardFunctionTest : public DashBoardDesignerTest
{
protected:
    DashBoardFunctionTest()
    {
        Table* table = NewTable("SalesTable", Table::masterKind, {"Amount"});
        open.Current().AppendMasterTable(table);
        dataClass = new Class;
        dataClass->SetName("Sales");
        open.Current().Append(dataClass);
        function = new Function;
        function->SetName("Totals");
        function->SetClass(dataClass);
        dataClass->AddFunction(function);
        function->AddOutputField(new ProcedureFieldInfo(table->FindFieldByName("Amount"),
                                                        ProcedureFieldInfo::noAggregate));
    }
    // The dialog chooses the function when told to, and answers OK or Cancel.
    void Answer(bool ok, bool choose)
    {
        dash.assignFunction = [this, ok, choose](FormInterface&, ClassInvokation& invokation)
        {
            if (choose)
                invokation.SetFunction(dataClass, function);
            return ok;
        };
    }

    Class* dataClass = nullptr;
    Function* function = nullptr;
};

TEST_F(DashBoardFunctionTest, AssignAndRemoveTheDataFunction)
{
    DashBoard& page = *designer.GetDashBoard();
    struct Step
    {
        bool ok;
        bool choose;
        bool bound;
        const char* label;
    };
    const Step steps[] = {
        {false, true, false, ""},
        {true, true, true, "Sales.Totals"},
        // OK without a function: the empty invocation goes, the label stays.
        {true, false, false, "Sales.Totals"},
        {true, true, true, "Sales.Totals"},
    };
    for (const Step& step : steps)
    {
        Answer(step.ok, step.choose);
        designer.AssignFunction();
        EXPECT_EQ(page.GetClassInvokation() != nullptr, step.bound);
        EXPECT_EQ(designer.States().GetText(DashBoardDesigner::IDC_FUNCTION_LABEL), step.label);
    }

    // A cell showing the function's field keeps it.
    DashBoardCellInfo* panel = PutPanel(*PageGrid().GetCellAt(1, 1), "");
    panel->AddDisplayField(function->GetOutputFields()[0]);
    designer.RemoveFunction();
    EXPECT_NE(page.GetClassInvokation(), nullptr);
    panel->RemoveDisplayFieldAt(0);
    host.warnings = {false, true};
    designer.RemoveFunction();
    EXPECT_NE(page.GetClassInvokation(), nullptr);
    designer.RemoveFunction();
    EXPECT_EQ(page.GetClassInvokation(), nullptr);
    EXPECT_EQ(designer.States().GetText(DashBoardDesigner::IDC_FUNCTION_LABEL), "");
    EXPECT_EQ(Texts(boxes), std::vector<std::string>{
                                "Can not delete Function as Function field is assigned to one of "
                                "the cells"});
    EXPECT_EQ(host.calls, std::vector<CString>(
                              2, "warning Do you want to remove assigned function \"Totals\"?"));

    designer.EditVariables();
    EXPECT_EQ(host.calls.back(), "variables");
}
} // namespace
