#include "designers/DashBoadCellInfoDlg.h"
#include "designers/GridDlgs.h"
#include "entities/DashBoardCellInfo.h"
#include "entities/Grid.h"
#include "entities/GridCell.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/DialogDriver.h"
#include "tests/controls/ToolTipWalk.h"
#include "tests/designers/logic/DashBoardTestSupport.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QPixmap>
#include <QWidget>

#include <filesystem>

namespace
{
void Grab(CDialog& dialog, const char* name)
{
    QApplication::processEvents();
    const QPixmap shot = dialog.GetSafeHwnd()->grab();
    ASSERT_FALSE(shot.isNull());
    std::filesystem::create_directories(LAYOUT_GRAB_DIR);
    ASSERT_TRUE(shot.save(
        QString::fromStdString((std::filesystem::path(LAYOUT_GRAB_DIR) / name).string()), "PNG"));
}

TEST(DashBoardDialogsTest, AddGridKeepsTheDialogOpenOutsideItsRanges)
{
    struct Case
    {
        const char* rows;
        const char* columns;
        bool closes;
        const char* message;
    };
    const Case cases[] = {
        {"0", "1", false, "Please enter an integer between 1 and 10."},
        {"11", "1", false, "Please enter an integer between 1 and 10."},
        {"10", "7", false, "Please enter an integer between 1 and 6."},
        {"1", "0", false, "Please enter an integer between 1 and 6."},
        {"10", "6", true, nullptr},
        {"1", "1", true, nullptr},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(std::string(c.rows) + "x" + c.columns);
        ScriptedMessageBoxes boxes;
        ScriptedDialogs dialogs;
        bool open = false;
        dialogs.Answer(
            [&](CDialog& dialog, DialogDriver& user)
            {
                ASSERT_TRUE(user.SetText(GridSizeInput::IDC_NUM_ROWS, c.rows));
                ASSERT_TRUE(user.SetText(GridSizeInput::IDC_NUM_COLUMNS, c.columns));
                ASSERT_TRUE(user.PressOk());
                open = dialog.GetSafeHwnd() != nullptr && dialog.GetSafeHwnd()->isVisible();
                if (open)
                {
                    ASSERT_TRUE(user.PressCancel());
                }
            });
        AddGridDlg dialog;
        const INT_PTR result = dialog.DoModal();
        EXPECT_EQ(result == IDOK, c.closes);
        if (c.closes)
        {
            EXPECT_EQ(std::to_string(dialog.GetSize().rows), c.rows);
            EXPECT_EQ(std::to_string(dialog.GetSize().columns), c.columns);
            EXPECT_TRUE(boxes.Shown().empty());
        }
        else
        {
            EXPECT_EQ(boxes.ShownTexts(), std::vector<std::string>{c.message});
        }
    }
}

TEST(DashBoardDialogsTest, MoveGridOffersTheOtherGridsAndAsksBeforeReplacing)
{
    ScriptedMessageBoxes boxes;
    ScriptedDialogs dialogs;
    DashBoard page;
    page.SetGrid(new Grid(2, 2));
    Grid* nested = new Grid(1, 1);
    page.GetGrid()->GetCellAt(0, 0)->SetSubGrid(nested);
    nested->GetCellAt(0, 0)->SetSubGrid(new Grid(1, 1));
    auto* panel = new DashBoardCellInfo;
    panel->SetCaption("Sales");
    page.GetGrid()->GetCellAt(1, 1)->SetCellData(panel, GridCell::kDashBoardCellInfo);

    dialogs.Answer(
        [&](CDialog& dialog, DialogDriver& user)
        {
            CString title;
            dialog.GetWindowText(title);
            EXPECT_EQ(title, "Move table: " + GridLabel(*nested));
            auto* grids = dynamic_cast<CComboBox*>(dialog.GetDlgItem(GridMover::IDC_GRIDS));
            ASSERT_NE(grids, nullptr);
            EXPECT_EQ(grids->GetCount(), 1);
            ASSERT_TRUE(user.Select(GridMover::IDC_GRIDS, 0));
            ASSERT_TRUE(user.Select(GridMover::IDC_CELLS, 3));
            boxes.Answer(IDNO);
            ASSERT_TRUE(user.PressOk());
            EXPECT_TRUE(dialog.GetSafeHwnd()->isVisible());
            Grab(dialog, "move-grid.png");
            boxes.Answer(IDYES);
            ASSERT_TRUE(user.PressOk());
        });
    MoveGridDlg dialog(page, *page.GetGrid()->GetCellAt(0, 0));
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(page.GetGrid()->GetCellAt(1, 1)->GetSubGrid(), nested);
    EXPECT_EQ(page.GetGrid()->GetCellAt(1, 1)->GetCellData(), nullptr);
    EXPECT_EQ(boxes.ShownTexts(),
              std::vector<std::string>(
                  2, "This cell already contains some data. Do you want to replace it?"));
}

// A dashboard of one empty cell whose dialog the test answers.
struct OneCellDashBoard
{
    OneCellDashBoard() { page.SetGrid(new Grid(1, 1)); }
    GridCell& Cell() { return *page.GetGrid()->GetCellAt(0, 0); }

    ScriptedDialogs dialogs;
    OpenNewProject open;
    FakeDashBoardHost host;
    DashBoard page;
};

TEST(DashBoardDialogsTest, CellDialogTakesTheCaptionAndTheMode)
{
    ScriptedMessageBoxes boxes;
    OneCellDashBoard board;
    GridCell& cell = board.Cell();
    board.dialogs.Answer(
        [](CDialog& dialog, DialogDriver& user)
        {
            using C = DashBoardCellEditor;
            EXPECT_FALSE(dialog.GetDlgItem(C::IDC_ASSIGN_MENU)->IsWindowEnabled());
            ASSERT_TRUE(user.Click(C::IDC_MENU));
            EXPECT_TRUE(dialog.GetDlgItem(C::IDC_ASSIGN_MENU)->IsWindowEnabled());
            ASSERT_TRUE(user.SetText(C::IDC_CAPTION, "Orders"));
            Grab(dialog, "dashboard-cell.png");
            // The mouse resting on any of its controls arms the dialog's tip.
            int checked = 0;
            EXPECT_EQ(ToolsThatArmNoTip(dialog, checked), std::vector<std::string>{});
            EXPECT_GT(checked, 0);
            ASSERT_TRUE(user.PressOk());
        });
    DashBoadCellInfoDlg dialog(board.page, cell, board.host);
    EXPECT_EQ(dialog.DoModal(), IDOK);
    ASSERT_NE(cell.GetDashBoardCellInfo(), nullptr);
    EXPECT_EQ(cell.GetDashBoardCellInfo()->GetCaption(), "Orders");
    EXPECT_FALSE(cell.GetDashBoardCellInfo()->IsStaticText());
    EXPECT_TRUE(boxes.Shown().empty());
}

TEST(DashBoardDialogsTest, EnterInTheCaptionTakesItAndEscapeLeavesAnEmptyCellEmpty)
{
    const struct
    {
        const char* keys;
        int answer;
        int result;
        const char* caption;
        std::vector<std::string> asked;
    } cases[] = {
        {"Orders\n", IDOK, IDOK, "Orders", {}},
        {"Orders\x1b",
         IDYES,
         IDOK,
         "Orders",
         {"The caption \"Orders\" has not been added. Add it?"}},
        {"Orders\x1b",
         IDNO,
         IDCANCEL,
         nullptr,
         {"The caption \"Orders\" has not been added. Add it?"}},
        {"\x1b", IDOK, IDCANCEL, nullptr, {}},
    };
    for (const auto& each : cases)
    {
        ScriptedMessageBoxes boxes{each.answer};
        OneCellDashBoard board;
        GridCell& cell = board.Cell();
        board.dialogs.Answer(
            [&each](CDialog&, DialogDriver& user)
            { ASSERT_TRUE(user.TypeKeys(DashBoardCellEditor::IDC_CAPTION, each.keys)); });
        DashBoadCellInfoDlg dialog(board.page, cell, board.host);
        EXPECT_EQ(dialog.DoModal(), each.result) << each.keys;
        const DashBoardCellInfo* panel = cell.GetDashBoardCellInfo();
        if (each.caption == nullptr)
            EXPECT_EQ(cell.GetCellData(), nullptr) << each.keys;
        else
            EXPECT_EQ(panel != nullptr ? panel->GetCaption() : CString("no panel"), each.caption);
        EXPECT_EQ(boxes.ShownTexts(), each.asked) << each.keys;
    }
}
TEST(DashBoardDialogsTest, EnterInTheDisplayNameSetsItAndEscapeAsksAboutIt)
{
    ScriptedMessageBoxes boxes{IDOK, IDNO};
    OneCellDashBoard board;
    board.dialogs.Answer(
        [](CDialog& dialog, DialogDriver& user)
        {
            ASSERT_TRUE(user.Click(DashBoardCellEditor::IDC_DISPLAY_FIELDS));
            ASSERT_TRUE(user.TypeKeys(DashBoardCellEditor::IDC_DISPLAY_NAME, "Total\n"));
            EXPECT_TRUE(dialog.GetSafeHwnd()->isVisible());
            ASSERT_TRUE(user.TypeKeys(DashBoardCellEditor::IDC_DISPLAY_NAME, "\x1b"));
        });
    DashBoadCellInfoDlg dialog(board.page, board.Cell(), board.host);
    EXPECT_EQ(IDCANCEL, dialog.DoModal());
    EXPECT_EQ(boxes.ShownTexts(),
              (std::vector<std::string>{"Please select a field.",
                                        "The display name \"Total\" has not been added. Add it?"}));
}

} // namespace
