#include "controls/CellListCtrl.h"
#include "controls/CellComboList.h"
#include "controls/CellHeaderCtrl.h"
#include "platform/ui/DC.h"
#include "platform/ui/HeaderCtrl.h"
#include "platform/ui/ImageList.h"
#include "platform/ui/SystemSettings.h"
#include "platform/ui/ToolTipCtrl.h"

#include <QDir>
#include <QHeaderView>
#include <QListWidget>
#include <QTest>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <vector>

namespace
{
constexpr UINT IDC_CELLS = 1101;

// A parent window that records the messages its cell list sends.
class SpyParent : public CWnd
{
public:
    struct Sent
    {
        UINT message;
        WPARAM wParam;
        LPARAM lParam;
        bool operator==(const Sent&) const = default;
    };

    explicit SpyParent(CellListTimers timers = {1, 1, 1, 1, 1}) : m_list(timers)
    {
        SetOwnedWidget(new QWidget);
        GetSafeHwnd()->resize(258, 220);
        for (UINT message : {CellListCheckboxClickedMessage(), CellListComboSelectionMessage(),
                             static_cast<UINT>(WM_USER + 1)})
            MapMessageHandler(message,
                              [this, message](WPARAM wParam, LPARAM lParam)
                              {
                                  m_sent.push_back({message, wParam, lParam});
                                  return LRESULT(0);
                              });
        m_list.Create(WS_CHILD | WS_VISIBLE | LVS_REPORT | LVS_SINGLESEL, CRect(0, 0, 258, 220),
                      this, IDC_CELLS);
        m_list.InitColumns({16, 16, 32}, {"Move", "Object", "Type"});
        GetSafeHwnd()->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(GetSafeHwnd()));
    }

    std::vector<Sent> Of(UINT message) const
    {
        std::vector<Sent> found;
        for (const Sent& sent : m_sent)
            if (sent.message == message)
                found.push_back(sent);
        return found;
    }

    CCellListCtrl m_list;
    std::vector<Sent> m_sent;
};

QTreeWidget* Widget(CCellListCtrl& list)
{
    return static_cast<QTreeWidget*>(list.GetSafeHwnd());
}

// Clicks the list at a point of its client area.
void Click(CCellListCtrl& list, CPoint point)
{
    QTreeWidget* widget = Widget(list);
    const QPoint offset = widget->viewport()->mapTo(widget, QPoint(0, 0));
    QTest::mouseClick(widget->viewport(), Qt::LeftButton, Qt::NoModifier,
                      QPoint(point.x, point.y) - offset);
}

CRect Cell(CCellListCtrl& list, int row, int column)
{
    CRect rect;
    list.GetSubItemRect(row, column, column == 0 ? LVIR_LABEL : LVIR_BOUNDS, rect);
    return rect;
}

void ClickHeader(CCellListCtrl& list, int column)
{
    QHeaderView* header = Widget(list)->header();
    QTest::mouseClick(header->viewport(), Qt::LeftButton, Qt::NoModifier,
                      QPoint(header->sectionViewportPosition(column) + 10, 5));
}
} // namespace

TEST(CellListCtrlTest, AColumnNarrowerThanItsHeadingTakesTheHeadingsWidth)
{
    SpyParent parent;
    CCellListCtrl& list = parent.m_list;
    while (list.GetColumns() > 0)
        list.DeleteColumn(0);
    list.InitColumns({0, 4, 4, 52}, {"", "Allow Null", "FK", "Foreign Field Reference"});
    const QHeaderView* header = Widget(list)->header();
    EXPECT_EQ(list.GetColumnWidth(0), 0) << "a hidden column stays hidden";
    EXPECT_GT(header->sectionSizeHint(1), 16) << "the heading is wider than its share";
    EXPECT_GE(list.GetColumnWidth(1), header->sectionSizeHint(1));
    EXPECT_EQ(list.GetColumnWidth(3), 208) << "a column wider than its heading keeps its share";
}

TEST(CellListCtrlTest, ColumnsAreSixtyFourthsOfTheWidthAndRowsGetARecordPerColumn)
{
    SpyParent parent;
    CCellListCtrl& list = parent.m_list;
    EXPECT_EQ(list.GetColumns(), 3);
    EXPECT_EQ(list.GetColumnWidth(0), 64);
    EXPECT_EQ(list.GetColumnWidth(1), 64);
    EXPECT_EQ(list.GetColumnWidth(2), 128);
    EXPECT_EQ(list.GetExtendedStyle() & 0x21, 0x21u);

    EXPECT_EQ(list.InsertItem(0, "orders", RGB(200, 0, 0), RGB(0, 0, 90), FALSE), 0);
    EXPECT_EQ(list.InsertItem(1, "lines"), 1);
    const CellRecord* first = list.GetCell(0, 0);
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->textColour, RGB(200, 0, 0));
    EXPECT_EQ(first->backgroundColour, RGB(0, 0, 90));
    EXPECT_EQ(first->enabled, 0);
    EXPECT_EQ(list.GetCell(0, 2)->textColour, GetSysColor(COLOR_WINDOWTEXT));
    EXPECT_EQ(list.GetCell(0, 3), nullptr);
    EXPECT_EQ(list.GetCell(2, 0), nullptr);

    EXPECT_TRUE(list.SetItemText(1, 2, nullptr, RGB(1, 2, 3), 0xFFFFFFFF));
    EXPECT_EQ(list.GetCell(1, 2)->textColour, RGB(1, 2, 3));
    EXPECT_EQ(list.GetCell(1, 2)->backgroundColour, GetSysColor(COLOR_WINDOW));
    EXPECT_FALSE(list.SetItemText(-1, 0, "x"));
    EXPECT_FALSE(list.SetCheckbox(0, 5, 1));
    EXPECT_EQ(list.GetCheckbox(7, 0), -1);
    EXPECT_EQ(list.GetHeaderCheckedState(9), 0);
    EXPECT_TRUE(list.SetItemToolTipText(1, 1, "the order lines"));
    EXPECT_EQ(list.GetItemToolTipText(1, 1), "the order lines");
    EXPECT_TRUE(list.SetUserValue(1, 2, 42));
    EXPECT_EQ(list.GetUserValue(1, 2), 42);

    list.SetCurSel(1);
    std::vector<int> selected{7, 8};
    list.GetSelectedItems(selected);
    EXPECT_EQ(selected, std::vector<int>{1});
    EXPECT_EQ(list.GetCurSel(), 1);
    EXPECT_EQ(parent.Of(WM_USER + 1), (std::vector<SpyParent::Sent>{{WM_USER + 1, IDC_CELLS, 0}}));

    EXPECT_TRUE(list.DeleteItem(0));
    EXPECT_EQ(list.GetItemCount(), 1);
    EXPECT_EQ(list.GetCell(0, 1)->tooltip, "the order lines");
    EXPECT_FALSE(list.DeleteItem(3));
}

TEST(CellListCtrlTest, CheckboxClicksToggleTellTheParentAndDriveTheHeaderBox)
{
    SpyParent parent;
    CCellListCtrl& list = parent.m_list;
    for (int row = 0; row < 3; ++row)
    {
        list.InsertItem(row, "row");
        list.SetItemText(row, 1, "text");
    }
    list.SetHeaderCheckedState(0, 1);
    list.SetCheckbox(0, 0, 1);
    list.SetCheckbox(1, 0, 1);
    list.SetCheckbox(2, 0, 0);
    EXPECT_EQ(list.GetHeaderCheckedState(0), 1);

    const CRect cell = Cell(list, 2, 0);
    Click(list, CPoint(cell.right - 3, cell.CenterPoint().y));
    EXPECT_EQ(list.GetCheckbox(2, 0), 1);
    EXPECT_EQ(list.GetHeaderCheckedState(0), 2);
    EXPECT_EQ(list.CountCheckedItems(0), 3);
    EXPECT_EQ(parent.Of(CellListCheckboxClickedMessage()),
              (std::vector<SpyParent::Sent>{{CellListCheckboxClickedMessage(), 2, 0}}));

    ClickHeader(list, 0);
    EXPECT_EQ(list.GetHeaderCheckedState(0), 1);
    EXPECT_EQ(list.CountCheckedItems(0), 0);
    ClickHeader(list, 0);
    EXPECT_EQ(list.GetHeaderCheckedState(0), 2);
    EXPECT_EQ(list.CountCheckedItems(0), 3);

    list.SetCheckbox(1, 1, 0);
    ClickHeader(list, 1);
    EXPECT_EQ(list.GetHeaderCheckedState(1), 0);
    EXPECT_EQ(list.GetCheckbox(1, 1), 0);

    list.SetEnabled(1, FALSE);
    const size_t sent = parent.m_sent.size();
    Click(list, Cell(list, 1, 0).CenterPoint());
    EXPECT_EQ(list.GetCheckbox(1, 0), 1);
    EXPECT_EQ(list.GetCurSel(), 2);
    EXPECT_EQ(parent.m_sent.size(), sent);
}

TEST(CellListCtrlTest, AComboCellOpensMovesWithTheKeysCommitsAndEscapes)
{
    SpyParent parent(CellListTimers{1000, 1, 1, 1, 1000});
    CCellListCtrl& list = parent.m_list;
    const std::vector<CString> types{"int", "varchar", "", "date", "money"};
    list.InsertItem(0, "id");
    list.InsertItem(1, "price");
    list.SetComboBox(0, 2, TRUE, &types, 4);
    list.SetItemText(0, 2, "varchar");
    list.SetCurSel(0);
    list.SetFocus();

    const CRect cell = Cell(list, 0, 2);
    Click(list, CPoint(cell.right - cell.Height() / 2, cell.CenterPoint().y));
    QTest::qWait(50);
    CCellComboList* drop = list.GetComboList();
    ASSERT_NE(drop, nullptr);
    EXPECT_EQ(drop->GetSelectedText(), "varchar");
    EXPECT_EQ(list.GetCell(0, 2)->dropDownRequested, 0);

    auto* entries = drop->GetSafeHwnd()->findChild<QListWidget*>();
    ASSERT_NE(entries, nullptr);
    EXPECT_EQ(entries->count(), 4);
    QTest::keyClick(entries, Qt::Key_Down);
    QTest::qWait(50);
    EXPECT_EQ(list.GetItemText(0, 2), "date");
    QTest::keyClick(entries, Qt::Key_M);
    QTest::qWait(50);
    EXPECT_EQ(list.GetItemText(0, 2), "money");
    QTest::keyClick(entries, Qt::Key_Escape);
    EXPECT_EQ(list.GetItemText(0, 2), "varchar");
    QTest::qWait(50);
    EXPECT_EQ(list.GetComboList(), nullptr);
    EXPECT_TRUE(parent.Of(CellListComboSelectionMessage()).empty());

    Click(list, CPoint(cell.right - cell.Height() / 2, cell.CenterPoint().y));
    QTest::qWait(50);
    drop = list.GetComboList();
    ASSERT_NE(drop, nullptr);
    entries = drop->GetSafeHwnd()->findChild<QListWidget*>();
    QTest::keyClick(entries, Qt::Key_Up);
    QTest::keyClick(entries, Qt::Key_Return);
    QTest::qWait(50);
    EXPECT_EQ(list.GetComboList(), nullptr);
    EXPECT_EQ(list.GetItemText(0, 2), "int");
    EXPECT_EQ(parent.Of(CellListComboSelectionMessage()),
              (std::vector<SpyParent::Sent>{{CellListComboSelectionMessage(), 0, 2}}));
}

TEST(CellListCtrlTest, AnEmptyListSaysSoBelowTheHeader)
{
    SpyParent parent;
    const QImage shot = Widget(parent.m_list)->grab().toImage();
    CRect header;
    parent.m_list.GetHeaderCtrl()->GetWindowRect(&header);
    parent.m_list.ScreenToClient(&header);
    int dark = 0;
    for (int y = header.bottom + 10; y < header.bottom + 30; ++y)
        for (int x = 0; x < shot.width(); ++x)
            dark += shot.pixelColor(x, y).lightness() < 100 ? 1 : 0;
    EXPECT_GT(dark, 20);
    EXPECT_EQ(FromQColor(shot.pixelColor(3, header.bottom + 12)), GetSysColor(COLOR_WINDOW));
}

TEST(CellListCtrlTest, EveryCellKindIsPaintedAndSavedAsAPicture)
{
    SpyParent parent;
    CCellListCtrl& list = parent.m_list;
    const std::vector<CString> types{"int", "varchar"};
    list.InsertItem(0, "plain", RGB(0, 0, 0), RGB(255, 255, 0), TRUE);
    list.SetBold(0, 1, TRUE);
    list.SetItemText(0, 1, "bold");
    list.SetProgress(0, 2, TRUE, 50, "%d of 100");
    list.InsertItem(1, "checked");
    list.SetCheckbox(1, 0, 1);
    list.SetComboBox(1, 2, TRUE, &types);
    list.InsertItem(2, "grey", FALSE);
    list.SetProgress(2, 2, TRUE, 0);
    CImageList images;
    images.Create(16, 16, ILC_COLOR32, 1, 1);
    images.AddColor(0x00C000);
    list.SetImageList(&images, LVSIL_SMALL);
    list.SetItemText(2, 1, "image");
    list.SetItemImage(2, 1, 0);
    list.SetCurSel(1);
    list.SetHeaderCheckedState(0, 2);
    list.SetFocus();
    ASSERT_EQ(CWnd::GetFocus(), &list);
    QDir().mkpath(CONTROLS_GRAB_DIR);
    const QImage shot = Widget(list)->grab().toImage();
    ASSERT_TRUE(shot.save(QString(CONTROLS_GRAB_DIR) + "/cell-list.png"));

    // The yellow background of row 0, column 0.
    const CRect plain = Cell(list, 0, 0);
    EXPECT_EQ(FromQColor(shot.pixelColor(plain.right - 3, plain.top + 2)), RGB(255, 255, 0));
    // The progress bar: the filled half in the highlight colour, the rest 0xE0E0E0.
    const CRect bar = Cell(list, 0, 2);
    EXPECT_EQ(FromQColor(shot.pixelColor(bar.left + 4, bar.top + 2)), GetSysColor(COLOR_HIGHLIGHT));
    EXPECT_EQ(FromQColor(shot.pixelColor(bar.right - 5, bar.top + 2)), RGB(0xE0, 0xE0, 0xE0));
    // The check box: window colour inside the box, and the combo of the selected row framed
    // in the shadow colour with a white inside.
    const CRect check = Cell(list, 1, 0);
    EXPECT_EQ(FromQColor(shot.pixelColor(check.left + 9 + 3, check.top + 3)),
              GetSysColor(COLOR_WINDOW));
    const CRect combo = Cell(list, 1, 2);
    EXPECT_EQ(FromQColor(shot.pixelColor(combo.left, combo.CenterPoint().y)),
              GetSysColor(COLOR_3DSHADOW));
    EXPECT_EQ(FromQColor(shot.pixelColor(combo.left + 1, combo.top + 1)), RGB(255, 255, 255));
    EXPECT_EQ(list.GetItemText(1, 2), "int");
    // The selected row of the focused list in the highlight colour.
    const CRect selected = Cell(list, 1, 1);
    EXPECT_EQ(FromQColor(shot.pixelColor(selected.CenterPoint().x, selected.CenterPoint().y)),
              GetSysColor(COLOR_HIGHLIGHT));
    // The image one margin from the cell's left edge, the text after it.
    const CRect imaged = Cell(list, 2, 1);
    EXPECT_EQ(FromQColor(shot.pixelColor(imaged.left + 6 + 8, imaged.CenterPoint().y)),
              RGB(0, 0xC0, 0));
    EXPECT_NE(FromQColor(shot.pixelColor(imaged.left + 6 + 17, imaged.CenterPoint().y)),
              RGB(0, 0xC0, 0));
    // An empty progress bar of the disabled row stays unfilled.
    const CRect empty = Cell(list, 2, 2);
    EXPECT_EQ(FromQColor(shot.pixelColor(empty.left + 4, empty.top + 2)), RGB(0xE0, 0xE0, 0xE0));

    // The header: an etched separator after the first item, and the ticked box image of
    // column 0 (white inside) one margin from its left edge.
    CHeaderCtrl* header = list.GetHeaderCtrl();
    const QImage heading = header->GetSafeHwnd()->grab().toImage();
    ASSERT_TRUE(heading.save(QString(CONTROLS_GRAB_DIR) + "/cell-header.png"));
    CRect first;
    header->GetItemRect(0, &first);
    const int middle = first.CenterPoint().y;
    EXPECT_EQ(FromQColor(heading.pixelColor(first.right - 1, middle)), GetSysColor(COLOR_3DSHADOW));
    EXPECT_EQ(FromQColor(heading.pixelColor(first.right, middle)), GetSysColor(COLOR_3DHIGHLIGHT));
    EXPECT_EQ(FromQColor(heading.pixelColor(first.left + 6 + 4, middle - 3)), RGB(255, 255, 255));
    EXPECT_EQ(FromQColor(heading.pixelColor(first.left + 3, middle)), GetSysColor(COLOR_3DFACE));
}

TEST(CellListCtrlTest, ToolTipsNameTheCellAndTellItsText)
{
    SpyParent parent;
    CCellListCtrl& list = parent.m_list;
    list.InsertItem(0, "id");
    list.InsertItem(1, "price");
    list.SetItemText(1, 2, "money");
    list.SetItemToolTipText(1, 2, CString('x', 100));
    list.SetItemToolTipText(0, 1, "no text here");

    const CRect cell = Cell(list, 1, 2);
    TOOLINFO tool{};
    EXPECT_EQ(list.OnToolHitTest(cell.CenterPoint(), &tool), 1003);
    EXPECT_EQ(tool.uId, 1003u);
    EXPECT_EQ(tool.hwnd, list.GetSafeHwnd());
    EXPECT_EQ(tool.lpszText, LPSTR_TEXTCALLBACK);
    EXPECT_EQ(list.OnToolHitTest(CPoint(5, 200), &tool), -1);

    QTreeWidget* widget = Widget(list);
    QCursor::setPos(widget->mapToGlobal(QPoint(cell.CenterPoint().x, cell.CenterPoint().y)));
    NMTTDISPINFO info{};
    LRESULT result = 1;
    EXPECT_TRUE(list.OnToolTipText(1003, &info.hdr, &result));
    EXPECT_EQ(CString(info.lpszText), CString('x', 80));
    info = {};
    EXPECT_TRUE(list.OnToolTipText(0, &info.hdr, &result));
    EXPECT_EQ(info.lpszText, nullptr);
}

TEST(CellListCtrlTest, APressIsCancelledWhenTheCursorLeavesTheDropButton)
{
    SpyParent parent(CellListTimers{1, 1, 1, 1, 1000});
    CCellListCtrl& list = parent.m_list;
    const std::vector<CString> types{"int", "varchar"};
    list.InsertItem(0, "id");
    list.SetComboBox(0, 1, TRUE, &types);
    list.SetCurSel(0);
    const CRect cell = Cell(list, 0, 1);
    QTreeWidget* widget = Widget(list);
    const QPoint offset = widget->viewport()->mapTo(widget, QPoint(0, 0));
    QCursor::setPos(widget->mapToGlobal(QPoint(cell.right - 3, cell.CenterPoint().y)));
    QTest::mousePress(widget->viewport(), Qt::LeftButton, Qt::NoModifier,
                      QPoint(cell.right - 3, cell.CenterPoint().y) - offset);
    QTest::qWait(50);
    EXPECT_EQ(list.GetCell(0, 1)->dropDownRequested, 1);
    ASSERT_NE(list.GetComboList(), nullptr);
    QCursor::setPos(widget->mapToGlobal(QPoint(cell.left + 3, cell.CenterPoint().y)));
    QTest::qWait(50);
    EXPECT_EQ(list.GetCell(0, 1)->dropDownRequested, 0);
    EXPECT_NE(list.GetComboList(), nullptr);
}

TEST(CellListCtrlTest, AClickOffTheRowsClosesTheDropDownAsEscape)
{
    SpyParent parent(CellListTimers{1000, 1, 1, 1, 1000});
    CCellListCtrl& list = parent.m_list;
    const std::vector<CString> types{"int", "varchar"};
    list.InsertItem(0, "id");
    list.SetComboBox(0, 1, TRUE, &types);
    list.SetCurSel(0);
    const CRect cell = Cell(list, 0, 1);
    Click(list, CPoint(cell.right - 3, cell.CenterPoint().y));
    ASSERT_NE(list.GetComboList(), nullptr);
    EXPECT_EQ(list.GetItemText(0, 1), "int");
    list.GetComboList()->SetSelection(1);
    Click(list, CPoint(10, 190));
    QTest::qWait(50);
    EXPECT_EQ(list.GetComboList(), nullptr);
    EXPECT_EQ(list.GetItemText(0, 1), "int");
    EXPECT_TRUE(parent.Of(CellListComboSelectionMessage()).empty());
}

TEST(CellListCtrlTest, TheBufferedHeaderLooksLikeTheOnePaintedDirectly)
{
    SpyParent parent;
    CCellListCtrl& list = parent.m_list;
    list.SetHeaderCheckedState(1, 1);
    QWidget* header = list.GetHeaderCtrl()->GetSafeHwnd();
    const QImage buffered = header->grab().toImage();
    list.GetCellHeader()->SetDoubleBuffer(FALSE);
    const QImage direct = header->grab().toImage();
    EXPECT_EQ(buffered, direct);
    CRect second;
    list.GetHeaderCtrl()->GetItemRect(1, &second);
    EXPECT_EQ(FromQColor(direct.pixelColor(second.left + 6 + 4, second.CenterPoint().y)),
              RGB(255, 255, 255));
}
