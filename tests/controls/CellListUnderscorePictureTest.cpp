#include "controls/CellListCtrl.h"
#include "tests/platform/ui/TextInk.h"

#include <QDir>
#include <QTest>
#include <QTreeWidget>

#include <gtest/gtest.h>

namespace
{
constexpr UINT IDC_NAMED_CELLS = 1131;

// A top-level window holding the list.
class UnderscoreListParent : public CWnd
{
public:
    UnderscoreListParent()
    {
        SetOwnedWidget(new QWidget);
        GetSafeHwnd()->resize(300, 200);
    }
};

// The cell's text area in the viewport's picture, left of the column's line.
QRect CellArea(CCellListCtrl& list, int row, int column)
{
    CRect cell;
    list.GetSubItemRect(row, column, LVIR_BOUNDS, cell);
    QWidget* widget = list.GetSafeHwnd();
    const QPoint offset =
        static_cast<QTreeWidget*>(widget)->viewport()->mapFrom(widget, QPoint(0, 0));
    return QRect(cell.left + 1, cell.top, cell.Width() - 3, cell.Height()).translated(offset);
}

TEST(CellListUnderscorePictureTest, AnUnderscoreShowsBelowTheLettersWithAndWithoutGridLines)
{
    for (const DWORD style : {DWORD(0), DWORD(LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES)})
    {
        UnderscoreListParent parent;
        CCellListCtrl list;
        list.Create(WS_CHILD | WS_VISIBLE | LVS_REPORT, CRect(0, 0, 300, 200), &parent,
                    IDC_NAMED_CELLS);
        list.SetExtendedStyle(style);
        list.InitColumns({32, 32}, {"Field", "Type"});
        list.InsertItem(0, "customer_id");
        list.SetItemText(0, 1, "int");
        list.InsertItem(1, "customer id");
        list.SetBold(1, 0, TRUE);
        list.InsertItem(2, "customer_id");
        list.SetBold(2, 0, TRUE);
        parent.GetSafeHwnd()->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(parent.GetSafeHwnd()));
        const QImage shot =
            static_cast<QTreeWidget*>(list.GetSafeHwnd())->viewport()->grab().toImage();
        QDir().mkpath(CONTROLS_GRAB_DIR);
        shot.save(QString(CONTROLS_GRAB_DIR) +
                  (style != 0 ? "/cell-list-underscore-lined.png" : "/cell-list-underscore.png"));
        // The letters of "customer id" sit on the baseline; an underscore lies below it.
        const int baseline = LowestInkRow(shot, CellArea(list, 1, 0));
        ASSERT_GE(baseline, 0);
        EXPECT_GT(LowestInkRow(shot, CellArea(list, 0, 0)), baseline) << style;
        EXPECT_GT(LowestInkRow(shot, CellArea(list, 2, 0)), baseline) << style;
    }
}
} // namespace
