#include "controls/CellListLogic.h"
#include "controls/CellRecord.h"
#include "controls/ComboListKeys.h"
#include "platform/ui/Messages.h"

#include <gtest/gtest.h>

TEST(CellStateTest, ColumnWidthsAreSixtyFourthsOfTheWindowLessTheFrame)
{
    EXPECT_EQ(CellColumnWidth(258, 16), 64);
    EXPECT_EQ(CellColumnWidth(258, 64), 256);
    EXPECT_EQ(CellColumnWidth(100, 7), 10);
    EXPECT_EQ(CellColumnWidth(1, 10), 0);
}

TEST(CellStateTest, HeaderCheckboxFollowsTheRowsAndAClickSetsThemAll)
{
    struct Case
    {
        int header, rows, checked, expected;
    };
    for (const Case& c :
         {Case{0, 3, 3, 0}, Case{1, 3, 3, 2}, Case{2, 3, 2, 1}, Case{1, 3, 0, 1}, Case{2, 0, 0, 2}})
        EXPECT_EQ(HeaderStateForChecks(c.header, c.rows, c.checked), c.expected)
            << c.header << " " << c.rows << " " << c.checked;
    EXPECT_EQ(ClickHeaderCheckbox(0).headerState, 0);
    EXPECT_EQ(ClickHeaderCheckbox(0).rowState, -1);
    EXPECT_EQ(ClickHeaderCheckbox(1).headerState, 2);
    EXPECT_EQ(ClickHeaderCheckbox(1).rowState, 1);
    EXPECT_EQ(ClickHeaderCheckbox(2).headerState, 1);
    EXPECT_EQ(ClickHeaderCheckbox(2).rowState, 0);
}

TEST(CellStateTest, NewCellRecordsHoldTheirInitialValues)
{
    const CellRecord cell;
    EXPECT_EQ(cell.enabled, 1);
    EXPECT_EQ(cell.image, -1);
    EXPECT_EQ(cell.dropDownRows, 10);
    EXPECT_EQ(cell.checkState, -1);
    EXPECT_EQ(cell.showProgressText, 1);
    EXPECT_EQ(cell.choices, nullptr);
}

TEST(CellStateTest, APressEndsWhenTheCursorLeavesTheButton)
{
    CellComboState combo;
    combo.Press(2, 1, CRect(80, 20, 96, 36));
    EXPECT_TRUE(combo.IsPressed());
    EXPECT_FALSE(combo.CursorLeftButton(CPoint(85, 25)));
    EXPECT_TRUE(combo.IsPressed());
    EXPECT_TRUE(combo.CursorLeftButton(CPoint(79, 25)));
    EXPECT_FALSE(combo.IsPressed());
    EXPECT_FALSE(combo.CursorLeftButton(CPoint(79, 25)));
}

TEST(CellStateTest, OpeningSelectsTheCellTextAndKeepsItToRestore)
{
    const std::vector<CString> choices{"int", "", "varchar", "date"};
    CellComboState combo;
    CellComboState::Opening open = combo.Open(1, 2, &choices, "varchar");
    EXPECT_EQ(open.entries, (std::vector<CString>{"int", "varchar", "date"}));
    EXPECT_EQ(open.selection, 1);
    EXPECT_EQ(open.cellText, "varchar");
    EXPECT_EQ(combo.TextToRestore(), "varchar");
    EXPECT_TRUE(combo.IsOpen());
    EXPECT_EQ(combo.OpenRow(), 1);
    EXPECT_EQ(combo.OpenColumn(), 2);

    open = combo.Open(0, 0, &choices, "");
    EXPECT_EQ(open.selection, 0);
    EXPECT_EQ(open.cellText, "int");
    EXPECT_EQ(combo.TextToRestore(), "int");

    open = combo.Open(0, 0, &choices, "money");
    EXPECT_EQ(open.selection, 0);
    EXPECT_EQ(open.cellText, "money");

    open = combo.Open(0, 0, nullptr, "");
    EXPECT_TRUE(open.entries.empty());
    EXPECT_EQ(open.cellText, "");
    combo.Close();
    EXPECT_FALSE(combo.IsOpen());
}

TEST(CellStateTest, DropDownKeysMoveByLinePageAndLetter)
{
    std::vector<CString> entries;
    for (char c = 'a'; c <= 't'; ++c)
        entries.push_back(CString(c == 'k' ? "bravo" : "") + c);
    struct Case
    {
        UINT key;
        int selection;
        std::optional<int> expected;
    };
    for (const Case& c :
         {Case{VK_PRIOR, 12, 3}, Case{VK_NEXT, 3, 12}, Case{VK_END, 4, 19}, Case{VK_HOME, 9, 0},
          Case{VK_UP, 5, 4}, Case{VK_DOWN, 5, 6}, Case{'B', 0, 1}, Case{'B', 2, 10},
          Case{'Z', 0, std::nullopt}, Case{VK_RETURN, 3, std::nullopt}})
        EXPECT_EQ(ComboKeyTarget(c.key, c.selection, 10, entries), c.expected)
            << c.key << " from " << c.selection;
    EXPECT_EQ(ClampComboPosition(-9, 20), 0);
    EXPECT_EQ(ClampComboPosition(28, 20), 19);
    EXPECT_EQ(ClampComboPosition(3, 0), 0);
}

TEST(CellStateTest, TheThirdFocusLossActsAsEscape)
{
    ComboFocusLosses losses;
    EXPECT_FALSE(losses.Lose());
    EXPECT_FALSE(losses.Lose());
    EXPECT_TRUE(losses.Lose());
    EXPECT_TRUE(losses.Lose());
}
