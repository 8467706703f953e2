#include "ControlHost.h"

#include "platform/ui/DC.h"
#include "platform/ui/SystemSettings.h"
#include "platform/ui/ToolTipCtrl.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QHelpEvent>
#include <QImage>
#include <QMouseEvent>
#include <QToolTip>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <cstdio>

namespace
{
constexpr int IDC_GRID_CELLS = 3401;

const DialogTemplate listTemplate{9321, "Cells", {{IDC_GRID_CELLS, ControlKind::ListCtrl, ""}}};

// Column 0's rectangle is its label; the others' their cells.
CRect CellOf(const CListCtrl& list, int row, int column)
{
    CRect cell;
    if (column == 0)
        list.GetItemRect(row, &cell, LVIR_LABEL);
    else
        list.GetSubItemRect(row, column, LVIR_BOUNDS, cell);
    return cell;
}

// Tips per cell: the tool is the cell under the mouse, its text asked for by TTN_NEEDTEXT.
class CellTipList : public CListCtrl
{
public:
    CellTipList()
    {
        MapNotifyRange(TTN_NEEDTEXT, 0, 0xFFFF,
                       [](NMHDR* header, LRESULT*)
                       {
                           auto* need = reinterpret_cast<NMTTDISPINFO*>(header);
                           const auto id = static_cast<int>(header->idFrom) - 1;
                           std::snprintf(need->szText, sizeof(need->szText), "cell %d %d",
                                         id / 1000, id % 1000);
                       });
    }

    INT_PTR OnToolHitTest(CPoint point, TOOLINFO* toolInfo) const override
    {
        LVHITTESTINFO hit{};
        hit.pt = point;
        if (SubItemHitTest(&hit) < 0 || (hit.flags & LVHT_ONITEMLABEL) == 0)
            return -1;
        const CRect cell = CellOf(*this, hit.iItem, hit.iSubItem);
        toolInfo->hwnd = GetSafeHwnd();
        toolInfo->uId = static_cast<UINT_PTR>(hit.iItem * 1000 + hit.iSubItem + 1);
        toolInfo->rect = cell;
        toolInfo->lpszText = LPSTR_TEXTCALLBACK;
        return static_cast<INT_PTR>(toolInfo->uId);
    }
};

class ListGridAndTipsTest : public ::testing::Test
{
protected:
    ListGridAndTipsTest() : host(listTemplate)
    {
        list.SubclassDlgItem(IDC_GRID_CELLS, &host);
        list.InsertColumn(0, "Name", LVCFMT_LEFT, 100);
        list.InsertColumn(1, "Type", LVCFMT_LEFT, 100);
        for (int row = 0; row < 2; ++row)
        {
            list.InsertItem(row, "name");
            list.SetItemText(row, 1, "type");
        }
        host.GetSafeHwnd()->resize(300, 200);
        host.GetSafeHwnd()->show();
        QApplication::processEvents();
    }

    QWidget* Viewport() { return static_cast<QTreeWidget*>(list.GetSafeHwnd())->viewport(); }

    // The viewport point of a client point of the list.
    QPoint InViewport(CPoint point)
    {
        return Viewport()->mapFrom(list.GetSafeHwnd(), QPoint(point.x, point.y));
    }

    void RestMouse(QPoint at)
    {
        QHelpEvent help(QEvent::ToolTip, at, Viewport()->mapToGlobal(at));
        QApplication::sendEvent(Viewport(), &help);
    }

    static bool TipGoes()
    {
        QElapsedTimer waited;
        waited.start();
        while (QToolTip::isVisible() && waited.elapsed() < 3000)
            QApplication::processEvents(QEventLoop::AllEvents, 50);
        return !QToolTip::isVisible();
    }

    CPoint CellCentre(int row, int column) { return CellOf(list, row, column).CenterPoint(); }

    ControlHost host;
    CellTipList list;
};

TEST_F(ListGridAndTipsTest, GridLinesShowRightOfEveryColumnOnlyWithTheStyle)
{
    CRect cell;
    list.GetSubItemRect(0, 0, LVIR_BOUNDS, cell);
    const QPoint line = InViewport(CPoint(cell.left + 99, cell.CenterPoint().y));
    const auto shot = [this] { return Viewport()->grab().toImage(); };
    const QColor grid = ToQColor(GetSysColor(COLOR_BTNFACE));

    const QImage plain = shot();
    list.SetExtendedStyle(LVS_EX_GRIDLINES);
    const QImage lined = shot();
    // The rows grew by the line's pixel row.
    list.GetSubItemRect(0, 0, LVIR_BOUNDS, cell);
    const QPoint under = InViewport(CPoint(cell.left + 50, cell.bottom - 1));

    EXPECT_NE(plain.pixelColor(line), grid);
    EXPECT_EQ(lined.pixelColor(line), grid);
    EXPECT_EQ(lined.pixelColor(under), grid);
    EXPECT_EQ(lined.pixelColor(line + QPoint(-10, 0)), plain.pixelColor(line + QPoint(-10, 0)));
}

TEST_F(ListGridAndTipsTest, EveryCellShowsItsOwnTipUntilTheMouseLeavesItsRectangle)
{
    list.EnableToolTips();

    RestMouse(InViewport(CellCentre(0, 1)));
    EXPECT_TRUE(QToolTip::isVisible());
    EXPECT_EQ(QToolTip::text(), "cell 0 1");
    RestMouse(InViewport(CellCentre(1, 0)));
    EXPECT_EQ(QToolTip::text(), "cell 1 0");

    // Moving inside the cell keeps the tip; leaving it takes the tip away.
    const QPoint inside = InViewport(CellCentre(1, 0)) + QPoint(5, 0);
    QMouseEvent within(QEvent::MouseMove, inside, Viewport()->mapToGlobal(inside), Qt::NoButton,
                       Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(Viewport(), &within);
    EXPECT_EQ(QToolTip::text(), "cell 1 0");
    const QPoint outside = InViewport(CellCentre(0, 1));
    QMouseEvent away(QEvent::MouseMove, outside, Viewport()->mapToGlobal(outside), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(Viewport(), &away);
    EXPECT_TRUE(TipGoes());

    // Below the rows there is no tool.
    RestMouse(InViewport(CellCentre(0, 0)));
    EXPECT_TRUE(QToolTip::isVisible());
    RestMouse(QPoint(10, Viewport()->height() - 5));
    EXPECT_TRUE(TipGoes());
}

TEST_F(ListGridAndTipsTest, WithoutEnableToolTipsTheListAsksForNoTool)
{
    RestMouse(InViewport(CellCentre(0, 1)));
    EXPECT_NE(QToolTip::text(), "cell 0 1");
}
} // namespace
