#include "platform/ui/ListCtrl.h"
#include "ControlHost.h"

#include <QTest>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <algorithm>

namespace
{
constexpr int IDC_GRID = 3101;

const DialogTemplate gridTemplate{9304, "Grid", {{IDC_GRID, ControlKind::ListCtrl, ""}}};

class ListCtrlTest : public ::testing::Test
{
protected:
    ListCtrlTest() : host(gridTemplate), grid(*static_cast<CListCtrl*>(host.GetDlgItem(IDC_GRID)))
    {
        grid.InsertColumn(0, "Name");
        grid.InsertColumn(1, "Type", LVCFMT_LEFT, 80);
        for (const char* name : {"id", "title", "price"})
        {
            const int row = grid.InsertItem(grid.GetItemCount(), name);
            grid.SetItemText(row, 1, "text");
        }
    }

    ControlHost host;
    CListCtrl& grid;
};

TEST_F(ListCtrlTest, RowsHoldTextsUnderTheColumns)
{
    EXPECT_EQ(grid.GetColumnCount(), 2);
    EXPECT_EQ(grid.GetColumnWidth(1), 80);
    EXPECT_EQ(grid.GetItemCount(), 3);
    EXPECT_EQ(grid.GetItemText(1, 0), "title");
    EXPECT_EQ(grid.GetItemText(1, 1), "text");
    EXPECT_EQ(grid.InsertItem(10, "appended"), 3);
    EXPECT_EQ(grid.InsertItem(0, "first"), 0);
    EXPECT_EQ(grid.GetItemText(1, 0), "id");
    EXPECT_FALSE(grid.SetItemText(0, 2, "no such column"));
    EXPECT_FALSE(grid.SetItemText(9, 0, "no such row"));
    EXPECT_EQ(grid.GetItemText(9, 0), "");
}

TEST_F(ListCtrlTest, ColumnInsertedBetweenShiftsTheTextsRight)
{
    EXPECT_EQ(grid.InsertColumn(1, "Size", LVCFMT_RIGHT), 1);

    EXPECT_EQ(grid.GetColumnCount(), 3);
    EXPECT_EQ(grid.GetItemText(0, 0), "id");
    EXPECT_EQ(grid.GetItemText(0, 1), "");
    EXPECT_EQ(grid.GetItemText(0, 2), "text");
    auto* widget = static_cast<QTreeWidget*>(grid.GetSafeHwnd());
    EXPECT_EQ(widget->headerItem()->text(2), "Type");
    EXPECT_EQ(grid.InsertColumn(5, "Far"), -1);

    EXPECT_TRUE(grid.DeleteColumn(1));
    EXPECT_EQ(grid.GetItemText(0, 1), "text");
    EXPECT_EQ(widget->headerItem()->text(1), "Type");
}

TEST_F(ListCtrlTest, DataStaysWithItsRowWhenRowsMove)
{
    grid.SetItemData(2, 302);
    grid.InsertItem(0, "new");
    EXPECT_EQ(grid.GetItemData(3), 302u);
    EXPECT_TRUE(grid.DeleteItem(0));
    EXPECT_EQ(grid.GetItemData(2), 302u);
    EXPECT_FALSE(grid.DeleteItem(3));
    EXPECT_TRUE(grid.DeleteAllItems());
    EXPECT_EQ(grid.GetItemCount(), 0);
}

TEST_F(ListCtrlTest, SelectionIsFoundAndReportedToTheOwner)
{
    grid.SetItemData(1, 11);
    EXPECT_EQ(grid.GetNextItem(-1, LVNI_SELECTED), -1);

    grid.SetItemState(1, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);

    EXPECT_EQ(grid.GetNextItem(-1, LVNI_SELECTED), 1);
    EXPECT_EQ(grid.GetNextItem(1, LVNI_SELECTED), -1);
    EXPECT_EQ(grid.GetNextItem(0, LVNI_ALL), 1);
    EXPECT_EQ(grid.GetSelectedCount(), 1u);
    EXPECT_EQ(grid.GetItemState(1, LVIS_SELECTED), LVIS_SELECTED);
    ASSERT_EQ(host.m_listChanges.size(), 1u);
    EXPECT_EQ(host.m_listChanges[0].hdr.idFrom, static_cast<UINT_PTR>(IDC_GRID));
    EXPECT_EQ(host.m_listChanges[0].hdr.hwndFrom, &grid);
    EXPECT_EQ(host.m_listChanges[0].iItem, 1);
    EXPECT_EQ(host.m_listChanges[0].uNewState & LVIS_SELECTED, LVIS_SELECTED);
    EXPECT_EQ(host.m_listChanges[0].lParam, 11);

    grid.SetItemState(2, LVIS_SELECTED, LVIS_SELECTED);

    EXPECT_EQ(grid.GetNextItem(-1, LVNI_SELECTED), 2);
    ASSERT_EQ(host.m_listChanges.size(), 3u);
    EXPECT_EQ(host.m_listChanges[1].iItem, 1);
    EXPECT_EQ(host.m_listChanges[1].uNewState, 0u);
    EXPECT_EQ(host.m_listChanges[2].iItem, 2);
}

TEST_F(ListCtrlTest, DeletingTheSelectedRowsLeavesNoSelection)
{
    grid.SetItemState(1, LVIS_SELECTED, LVIS_SELECTED);
    const std::size_t changes = host.m_listChanges.size();

    EXPECT_TRUE(grid.DeleteItem(1));
    EXPECT_EQ(grid.GetNextItem(-1, LVNI_SELECTED), -1);
    EXPECT_EQ(host.m_listChanges.size(), changes);
    grid.SetItemState(0, LVIS_SELECTED, LVIS_SELECTED);
    EXPECT_TRUE(grid.DeleteAllItems());
    EXPECT_EQ(grid.GetSelectedCount(), 0u);
}

TEST_F(ListCtrlTest, CheckBoxesFollowTheExtendedStyle)
{
    EXPECT_EQ(grid.SetExtendedStyle(LVS_EX_CHECKBOXES | LVS_EX_FULLROWSELECT), 0u);
    const int row = grid.InsertItem(0, "checked");

    EXPECT_EQ(grid.GetExtendedStyle(), LVS_EX_CHECKBOXES | LVS_EX_FULLROWSELECT);
    EXPECT_FALSE(grid.GetCheck(row));
    EXPECT_TRUE(grid.SetCheck(row));
    EXPECT_TRUE(grid.GetCheck(row));
    EXPECT_FALSE(grid.SetCheck(99));
}

TEST_F(ListCtrlTest, ClicksAreReportedToTheOwner)
{
    host.GetSafeHwnd()->show();
    auto* widget = static_cast<QTreeWidget*>(grid.GetSafeHwnd());
    const QRect row = widget->visualItemRect(widget->topLevelItem(0));

    QTest::mouseDClick(widget->viewport(), Qt::LeftButton, Qt::NoModifier, row.center());

    const auto click = std::find_if(host.m_clicks.begin(), host.m_clicks.end(),
                                    [](const NMHDR& header) { return header.code == NM_DBLCLK; });
    ASSERT_NE(click, host.m_clicks.end());
    EXPECT_EQ(click->idFrom, static_cast<UINT_PTR>(IDC_GRID));
}
TEST_F(ListCtrlTest, AutosizedColumnsFitTheirWidestTextOrHeading)
{
    const CString longText = "customer_order_line_number";
    const CString longHeading = "The type the field has in the database";
    grid.SetItemText(0, 0, longText);
    grid.InsertColumn(2, longHeading, LVCFMT_LEFT, 40);
    grid.SetItemText(0, 2, "int");
    host.GetSafeHwnd()->resize(600, 300);
    host.GetSafeHwnd()->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(host.GetSafeHwnd()));
    const QFontMetrics metrics(grid.GetSafeHwnd()->font());

    EXPECT_TRUE(grid.SetColumnWidth(0, LVSCW_AUTOSIZE));
    EXPECT_GE(grid.GetColumnWidth(0), metrics.horizontalAdvance(longText.GetString()));
    EXPECT_TRUE(grid.SetColumnWidth(2, LVSCW_AUTOSIZE));
    const int cellsOnly = grid.GetColumnWidth(2);
    EXPECT_LT(cellsOnly, metrics.horizontalAdvance(longHeading.GetString()));
    EXPECT_GE(cellsOnly, metrics.horizontalAdvance("int"));
    EXPECT_TRUE(grid.SetColumnWidth(2, LVSCW_AUTOSIZE_USEHEADER));
    EXPECT_GE(grid.GetColumnWidth(2), metrics.horizontalAdvance(longHeading.GetString()));
}
} // namespace
