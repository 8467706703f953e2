#include "tests/controls/ControlsDialog.h"

#include "platform/ui/DialogDriver.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QImage>
#include <QMouseEvent>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace
{
// Every cell of the list's rows, row by row.
std::vector<std::vector<std::string>> Cells(const CListCtrl& list)
{
    std::vector<std::vector<std::string>> rows;
    for (int row = 0; row < list.GetItemCount(); ++row)
    {
        rows.emplace_back();
        for (int column = 0; column < list.GetColumnCount(); ++column)
            rows.back().emplace_back(list.GetItemText(row, column).GetString());
    }
    return rows;
}

void PrepareColumns(CListCtrl& list)
{
    for (int column = 0; column < 3; ++column)
        list.InsertColumn(column, "Column", LVCFMT_LEFT, 90);
}
} // namespace

TEST(RowListTest, InsertRowFillsTheCellsItIsGivenAndSkipsNullTexts)
{
    ControlsDialog dialog;
    ListControl& rows = dialog.m_rows;
    PrepareColumns(rows);

    EXPECT_EQ(rows.InsertRow(0, 3, "Id", "int", "Key"), 0);
    EXPECT_EQ(rows.InsertRow(1, 3, "Name", nullptr, "Label"), 1);
    EXPECT_EQ(rows.InsertRow(0, 1, "First", "not read"), 0);
    EXPECT_EQ(rows.InsertRow(99, 2, "Last", "appended"), 3);

    const std::vector<std::vector<std::string>> expected{
        {"First", "", ""}, {"Id", "int", "Key"}, {"Name", "", "Label"}, {"Last", "appended", ""}};
    EXPECT_EQ(Cells(rows), expected);
    EXPECT_EQ(rows.GetSelectedCount(), 0U);
    // A failed insert sets no text and answers the failure.
    EXPECT_LT(rows.InsertRow(-1, 2, "Bad", "row"), 0);
    EXPECT_EQ(Cells(rows), expected);
}

TEST(RowListTest, AClickRemembersTheRowAndAClickBelowTheRowsForgetsIt)
{
    ControlsDialog dialog;
    ListControl& rows = dialog.m_rows;
    PrepareColumns(rows);
    for (const char* name : {"Id", "Name", "Price"})
        rows.InsertRow(rows.GetItemCount(), 2, name, "text");
    EXPECT_EQ(rows.GetClickedRow(), -1);

    DialogDriver user(dialog);
    ASSERT_TRUE(user.ClickListRow(IDC_ROWS, 2, 1));
    EXPECT_EQ(rows.GetClickedRow(), 2);
    ASSERT_TRUE(user.ClickListRow(IDC_ROWS, 0));
    EXPECT_EQ(rows.GetClickedRow(), 0);

    CRect last;
    rows.GetItemRect(2, &last, LVIR_BOUNDS);
    QWidget* list = rows.GetSafeHwnd();
    auto* viewport = static_cast<QAbstractItemView*>(list)->viewport();
    const QPoint below = viewport->mapFrom(list, QPoint(last.left + 5, last.bottom + 20));
    QMouseEvent press(QEvent::MouseButtonPress, below, viewport->mapToGlobal(below), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(viewport, &press);
    EXPECT_EQ(rows.GetClickedRow(), -1);
}

TEST(ThumbListTest, TheThumbnailKeepsTheHeightAndTakesThePicturesProportions)
{
    struct Case
    {
        int height, pictureWidth, pictureHeight, width;
    };
    for (const Case& c : {Case{75, 300, 150, 150}, Case{75, 75, 75, 75}, Case{150, 100, 300, 50},
                          Case{75, 100, 30, 250}, Case{75, 64, 48, 100}, Case{75, 50, 70, 53}})
    {
        EXPECT_EQ(CThumbListCtrl::ScaledWidth(c.height, c.pictureWidth, c.pictureHeight), c.width)
            << c.pictureWidth << "x" << c.pictureHeight << " at height " << c.height;
    }
}

TEST(ThumbListTest, APictureFileBecomesAnItemWithAFramedThumbnail)
{
    QTemporaryDir folder;
    const QString path = folder.filePath("scheme.png");
    QImage picture(300, 150, QImage::Format_RGB32);
    picture.fill(QColor(0, 0, 200));
    ASSERT_TRUE(picture.save(path));

    ControlsDialog dialog;
    CThumbListCtrl& thumbs = dialog.m_thumbs;
    thumbs.InitThumbnails();
    EXPECT_EQ(thumbs.GetColumnCount(), 1);
    EXPECT_EQ(thumbs.GetColumnWidth(0), 125);
    EXPECT_EQ(thumbs.GetImageList(LVSIL_SMALL), &thumbs.GetThumbnails());
    EXPECT_EQ(thumbs.GetImageList(LVSIL_NORMAL), &thumbs.GetThumbnails());

    ASSERT_TRUE(thumbs.AddThumbnail(path.toUtf8().constData(), "Blue", FALSE));
    EXPECT_EQ(thumbs.GetThumbnailWidth(), 150);
    EXPECT_EQ(thumbs.GetThumbnailHeight(), 75);
    EXPECT_EQ(thumbs.GetItemCount(), 1);
    EXPECT_EQ(thumbs.GetItemText(0, 0), CString("Blue"));
    EXPECT_GT(thumbs.GetThumbnails().GetImageCount(), 0);

    EXPECT_FALSE(
        thumbs.AddThumbnail(folder.filePath("missing.png").toUtf8().constData(), "Missing", FALSE));
    EXPECT_EQ(thumbs.GetItemCount(), 1);

    // The frame: silver normally, red over cyan when highlighted; the picture inside it.
    QImage small(4, 2, QImage::Format_RGB32);
    small.fill(QColor(0, 0, 200));
    const QImage plain = CThumbListCtrl::MakeThumbnail(small, 20, 10, false);
    const QImage marked = CThumbListCtrl::MakeThumbnail(small, 20, 10, true);
    ASSERT_EQ(plain.size(), QSize(20, 10));
    EXPECT_EQ(plain.pixelColor(0, 0), QColor(0xC0, 0xC0, 0xC0));
    EXPECT_EQ(plain.pixelColor(19, 9), QColor(0xC0, 0xC0, 0xC0));
    EXPECT_EQ(marked.pixelColor(0, 5), QColor(255, 0, 0));
    EXPECT_EQ(plain.pixelColor(10, 5), QColor(0, 0, 200));
    EXPECT_EQ(marked.pixelColor(10, 5), QColor(0, 0, 200));
}
