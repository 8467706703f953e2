#include "ControlHost.h"

#include <QApplication>
#include <QImage>
#include <QTreeWidget>

#include <gtest/gtest.h>

namespace
{
constexpr int IDC_NAMES = 3411;

const DialogTemplate namesTemplate{9331, "Names", {{IDC_NAMES, ControlKind::ListCtrl, ""}}};

bool IsInk(const QColor& colour)
{
    return colour.lightness() < 128;
}

// Every pixel of text in the row of the plain picture is text in the lined picture as well.
int InkCoveredByLines(const QImage& plain, const QImage& lined, const QRect& row)
{
    int covered = 0;
    for (int y = row.top(); y <= row.bottom(); ++y)
        for (int x = row.left(); x <= row.right(); ++x)
            if (IsInk(plain.pixelColor(x, y)) && !IsInk(lined.pixelColor(x, y)))
                ++covered;
    return covered;
}

TEST(ListGridPictureTest, TheLineUnderARowLeavesTheTextsLowestPixelRowAndItsUnderscores)
{
    ControlHost host(namesTemplate);
    CListCtrl list;
    list.SubclassDlgItem(IDC_NAMES, &host);
    list.InsertColumn(0, "Field", LVCFMT_LEFT, 160);
    list.InsertItem(0, "customer_id");
    list.InsertItem(1, "order_line_no");
    host.GetSafeHwnd()->resize(300, 200);
    host.GetSafeHwnd()->show();
    QApplication::processEvents();
    QWidget* viewport = static_cast<QTreeWidget*>(list.GetSafeHwnd())->viewport();

    CRect cell;
    list.GetItemRect(0, &cell, LVIR_BOUNDS);
    const QImage plain = viewport->grab().toImage();
    list.SetExtendedStyle(LVS_EX_GRIDLINES);
    const QImage lined = viewport->grab().toImage();

    // The row's text, left of the column's line.
    const QRect row = QRect(cell.left, cell.top, cell.Width() - 2, cell.Height())
                          .translated(viewport->mapFrom(list.GetSafeHwnd(), QPoint(0, 0)));
    int ink = 0;
    for (int x = row.left(); x <= row.right(); ++x)
        ink += IsInk(plain.pixelColor(x, row.bottom())) ? 1 : 0;
    EXPECT_GT(ink, 0) << "the underscores reach the row's lowest pixel row";
    EXPECT_EQ(InkCoveredByLines(plain, lined, row), 0);
    CRect linedCell;
    list.GetItemRect(0, &linedCell, LVIR_BOUNDS);
    EXPECT_EQ(linedCell.Height(), cell.Height() + 1) << "the line has a pixel row of its own";
}
} // namespace
