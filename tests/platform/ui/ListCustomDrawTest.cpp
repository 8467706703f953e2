#include "TestColors.h"

#include "platform/ui/DC.h"
#include "platform/ui/DialogTemplate.h"
#include "platform/ui/HeaderCtrl.h"
#include "platform/ui/ImageList.h"
#include "platform/ui/ListCtrl.h"

#include <QHeaderView>
#include <QTest>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{
constexpr int IDC_CELLS = 3201;

// A window with a list of two columns and three rows that custom-draws the cells: column 1 of
// row 0 is painted red by the window, column 0 gets a blue background from the default drawing.
class CellsWnd : public CWnd
{
public:
    CellsWnd()
    {
        SetOwnedWidget(new QWidget);
        GetSafeHwnd()->resize(300, 200);
        m_list.Create(WS_CHILD | WS_VISIBLE | LVS_REPORT | LVS_SINGLESEL, CRect(0, 0, 300, 200),
                      this, IDC_CELLS);
        m_list.InsertColumn(0, "Name", LVCFMT_LEFT, 100);
        m_list.InsertColumn(1, "Type", LVCFMT_LEFT, 120);
        for (const char* name : {"id", "title", "price"})
            m_list.SetItemText(m_list.InsertItem(m_list.GetItemCount(), name), 1, "text");
    }

    CListCtrl m_list;
    std::vector<std::string> m_stages;
    std::vector<NMITEMACTIVATE> m_clicks;
    std::vector<int> m_columnClicks;
    bool m_keepSelection = false;

protected:
    BOOL OnNotify(WPARAM, LPARAM lParam, LRESULT* result) override
    {
        auto* header = reinterpret_cast<NMHDR*>(lParam);
        switch (header->code)
        {
        case NM_CUSTOMDRAW:
            *result = CustomDraw(*reinterpret_cast<NMLVCUSTOMDRAW*>(lParam));
            return TRUE;
        case NM_CLICK:
            m_clicks.push_back(*reinterpret_cast<NMITEMACTIVATE*>(lParam));
            return TRUE;
        case LVN_COLUMNCLICK:
            m_columnClicks.push_back(reinterpret_cast<NMLISTVIEW*>(lParam)->iSubItem);
            return TRUE;
        case LVN_ITEMCHANGING:
            *result = m_keepSelection ? TRUE : FALSE;
            return TRUE;
        default:
            return FALSE;
        }
    }

private:
    LRESULT CustomDraw(NMLVCUSTOMDRAW& draw)
    {
        const auto row = static_cast<int>(draw.nmcd.dwItemSpec);
        switch (draw.nmcd.dwDrawStage)
        {
        case CDDS_PREPAINT:
            Log("prepaint");
            return CDRF_NOTIFYITEMDRAW;
        case CDDS_ITEMPREPAINT:
            Log("item " + std::to_string(row));
            return row == 0 ? CDRF_NOTIFYSUBITEMDRAW : CDRF_DODEFAULT;
        case CDDS_ITEMPREPAINT | CDDS_SUBITEM:
            Log("cell " + std::to_string(row) + "," + std::to_string(draw.iSubItem));
            if (draw.iSubItem == 1)
            {
                CRect cell;
                m_list.GetSubItemRect(row, 1, LVIR_BOUNDS, cell);
                CDC::FromHandle(draw.nmcd.hdc)->FillSolidRect(&cell, kRed);
                return CDRF_SKIPDEFAULT;
            }
            draw.clrTextBk = kBlue;
            return CDRF_DODEFAULT;
        default:
            return CDRF_DODEFAULT;
        }
    }
    void Log(const std::string& stage)
    {
        if (std::find(m_stages.begin(), m_stages.end(), stage) == m_stages.end())
            m_stages.push_back(stage);
    }
};

// A header that records the owner-drawn items it was asked to draw.
class RecordingHeader : public CHeaderCtrl
{
public:
    std::vector<UINT> m_drawn;
    void DrawItem(LPDRAWITEMSTRUCT drawItem) override { m_drawn.push_back(drawItem->itemID); }
};
} // namespace

TEST(ListCustomDrawTest, SubItemStageDrawsTheCellsAndDefaultDrawingTakesTheColours)
{
    CellsWnd window;
    window.GetSafeHwnd()->show();
    auto* widget = static_cast<QTreeWidget*>(window.m_list.GetSafeHwnd());

    const QImage shot = widget->grab().toImage();

    CRect typeCell;
    ASSERT_TRUE(window.m_list.GetSubItemRect(0, 1, LVIR_BOUNDS, typeCell));
    CRect nameCell;
    ASSERT_TRUE(window.m_list.GetSubItemRect(0, 0, LVIR_LABEL, nameCell));
    EXPECT_EQ(nameCell.right, typeCell.left);
    const CPoint typeCentre = typeCell.CenterPoint();
    EXPECT_EQ(FromQColor(shot.pixelColor(typeCentre.x, typeCentre.y)), kRed);
    EXPECT_EQ(FromQColor(shot.pixelColor(typeCell.right - 1, typeCentre.y)), kRed);
    EXPECT_NE(FromQColor(shot.pixelColor(typeCell.right, typeCentre.y)), kRed);
    EXPECT_EQ(FromQColor(shot.pixelColor(nameCell.right - 2, typeCentre.y)), kBlue);
    EXPECT_EQ(window.m_stages, (std::vector<std::string>{"prepaint", "item 0", "cell 0,0",
                                                         "cell 0,1", "item 1", "item 2"}));
}

TEST(ListCustomDrawTest, RectanglesHitTestsClicksAndTheSelectionVeto)
{
    CellsWnd window;
    window.GetSafeHwnd()->show();
    CListCtrl& list = window.m_list;
    auto* widget = static_cast<QTreeWidget*>(list.GetSafeHwnd());

    CRect row;
    list.GetItemRect(1, &row, LVIR_BOUNDS);
    CRect type;
    list.GetSubItemRect(1, 1, LVIR_BOUNDS, type);
    EXPECT_EQ(row.Width(), 220);
    EXPECT_EQ(type.Width(), 120);
    LVHITTESTINFO hit{CPoint(type.left, type.top), 0, 0, 0};
    EXPECT_EQ(list.SubItemHitTest(&hit), 1);
    EXPECT_EQ(hit.iSubItem, 1);
    hit.pt = CPoint(type.left - 1, type.bottom - 1);
    list.SubItemHitTest(&hit);
    EXPECT_EQ(hit.iSubItem, 0);
    UINT flags = 0;
    EXPECT_EQ(list.HitTest(CPoint(5, 190), &flags), -1);
    EXPECT_EQ(flags, LVHT_NOWHERE);

    const QPoint offset = widget->viewport()->mapTo(widget, QPoint(0, 0));
    QTest::mouseClick(widget->viewport(), Qt::LeftButton, Qt::NoModifier,
                      QPoint(type.CenterPoint().x, type.CenterPoint().y) - offset);
    EXPECT_EQ(list.GetNextItem(-1, LVNI_SELECTED), 1);
    window.m_keepSelection = true;
    QTest::mouseClick(widget->viewport(), Qt::LeftButton, Qt::NoModifier,
                      QPoint(type.CenterPoint().x, type.CenterPoint().y + type.Height()) - offset);
    EXPECT_EQ(list.GetNextItem(-1, LVNI_SELECTED), 1);
    QTest::mouseClick(widget->viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(5, 150));
    ASSERT_EQ(window.m_clicks.size(), 3u);
    EXPECT_EQ(window.m_clicks[0].iItem, 1);
    EXPECT_EQ(window.m_clicks[0].iSubItem, 1);
    EXPECT_EQ(window.m_clicks[0].ptAction, type.CenterPoint());
    EXPECT_EQ(window.m_clicks[1].iItem, 2);
    EXPECT_EQ(window.m_clicks[2].iItem, -1);

    QHeaderView* header = widget->header();
    QTest::mouseClick(header->viewport(), Qt::LeftButton, Qt::NoModifier,
                      QPoint(header->sectionViewportPosition(1) + 10, 5));
    EXPECT_EQ(window.m_columnClicks, std::vector<int>{1});
}

TEST(ListCustomDrawTest, HeaderItemsKeepFormatImageAndDataAndOwnerDrawnOnesAreDrawnByTheHeader)
{
    CellsWnd window;
    window.GetSafeHwnd()->show();
    RecordingHeader header;
    ASSERT_TRUE(header.SubclassWindow(window.m_list.GetHeaderCtrl()->GetSafeHwnd()));
    EXPECT_EQ(window.m_list.GetHeaderCtrl(), &header);
    CImageList checks;
    checks.Create(16, 16, ILC_COLOR32 | ILC_MASK, 3, 3);
    checks.AddColor(0xFF0000);
    checks.AddColor(0x00FF00);
    header.SetImageList(&checks);

    HDITEM item{HDI_FORMAT | HDI_IMAGE | HDI_LPARAM, 0,  nullptr, nullptr, 0,
                HDF_STRING | HDF_IMAGE | HDF_CENTER, 77, 1};
    ASSERT_TRUE(header.SetItem(0, &item));
    HDITEM owner{HDI_FORMAT, 0, nullptr, nullptr, 0, HDF_OWNERDRAW, 0, 0};
    header.SetItem(1, &owner);
    char text[8] = {};
    HDITEM read{
        HDI_FORMAT | HDI_IMAGE | HDI_LPARAM | HDI_TEXT | HDI_WIDTH, 0, text, nullptr, 3, 0, 0, 0};
    header.GetItem(0, &read);
    header.GetSafeHwnd()->grab();

    EXPECT_EQ(read.fmt, HDF_STRING | HDF_IMAGE | HDF_CENTER);
    EXPECT_EQ(read.iImage, 1);
    EXPECT_EQ(read.lParam, 77);
    EXPECT_EQ(read.cxy, 100);
    EXPECT_STREQ(text, "Na");
    EXPECT_EQ(header.GetItemCount(), 2);
    EXPECT_EQ(header.m_drawn, std::vector<UINT>{1});
    CRect second;
    header.GetItemRect(1, &second);
    EXPECT_EQ(second.left, 100);
    EXPECT_EQ(second.Width(), 120);
}

TEST(ListCustomDrawTest, ImageStripsAreSplitAndMaskedAndDrawn)
{
    QImage strip(6, 2, QImage::Format_RGB32);
    strip.fill(QColor(255, 0, 255));
    strip.setPixelColor(0, 0, QColor(255, 0, 0));
    strip.setPixelColor(3, 1, QColor(0, 0, 255));
    RegisterBitmapResource(9701, strip);
    CImageList images;
    ASSERT_TRUE(images.Create(9701, 2, 1, RGB(255, 0, 255)));
    EXPECT_EQ(images.GetImageCount(), 3);

    CDC dc;
    dc.CreateCompatibleDC(nullptr);
    CBitmap canvas;
    canvas.CreateBitmap(4, 2, 1, 32, nullptr);
    dc.SelectObject(&canvas);
    dc.FillSolidRect(0, 0, 4, 2, RGB(0, 128, 0));
    images.Draw(&dc, 0, CPoint(0, 0), ILD_TRANSPARENT);
    images.Draw(&dc, 1, CPoint(2, 0), ILD_TRANSPARENT);

    EXPECT_EQ(dc.GetPixel(0, 0), RGB(255, 0, 0));
    EXPECT_EQ(dc.GetPixel(1, 0), RGB(0, 128, 0));
    EXPECT_EQ(dc.GetPixel(3, 1), RGB(0, 0, 255));
    EXPECT_EQ(dc.GetPixel(2, 1), RGB(0, 128, 0));
    HICON icon = images.ExtractIcon(2);
    ASSERT_NE(icon, nullptr);
    EXPECT_TRUE(DestroyIcon(icon));
    EXPECT_EQ(images.ExtractIcon(3), nullptr);
}
