#include "TestColors.h"
#include "TreeWidgetOf.h"

#include "platform/ui/DC.h"
#include "platform/ui/DialogDriver.h"
#include "platform/ui/DialogTemplate.h"
#include "platform/ui/TreeCtrl.h"

#include <QApplication>
#include <QImage>
#include <QMouseEvent>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <vector>

namespace
{
constexpr int IDC_CHECK_TREE = 3301;
constexpr DWORD_PTR kMarked = 7;

const DialogTemplate checkTreeTemplate{9311, "Tree", {{IDC_CHECK_TREE, ControlKind::TreeCtrl, ""}}};

// Keeps the check changes its tree tells, and draws the item of data kMarked red in a large
// bold italic font.
class TreeOwner : public CWnd
{
public:
    TreeOwner()
    {
        SetOwnedWidget(new QWidget);
        CreateControls(checkTreeTemplate);
        m_font.CreateFontIndirect(&m_logFont);
    }

    CTreeCtrl& Tree() { return *static_cast<CTreeCtrl*>(GetDlgItem(IDC_CHECK_TREE)); }

    std::vector<NMTVITEMCHANGE> m_changes;
    bool m_customDraw = false;

protected:
    BOOL OnNotify(WPARAM, LPARAM lParam, LRESULT* result) override
    {
        const auto* header = reinterpret_cast<const NMHDR*>(lParam);
        if (header->code == TVN_ITEMCHANGED)
            m_changes.push_back(*reinterpret_cast<const NMTVITEMCHANGE*>(header));
        if (header->code != NM_CUSTOMDRAW || !m_customDraw)
            return FALSE;
        auto* draw = reinterpret_cast<NMTVCUSTOMDRAW*>(lParam);
        if (draw->nmcd.dwDrawStage == CDDS_PREPAINT)
        {
            *result = CDRF_NOTIFYITEMDRAW;
        }
        else if (draw->nmcd.lItemlParam == static_cast<LPARAM>(kMarked))
        {
            draw->clrText = kRed;
            draw->nmcd.hdc->SelectObject(&m_font);
            *result = CDRF_NEWFONT;
        }
        return TRUE;
    }

private:
    LOGFONT m_logFont{-24, 0, 0, 0, FW_BOLD, 1, 0, 0, 0, 0, 0, 0, 0, ""};
    CFont m_font;
};

// The right-most column of the row's band where a pixel is not the background; -1 when none.
int InkRight(const QImage& image, const CRect& row, QRgb background)
{
    int right = -1;
    for (int y = row.top; y < row.bottom; ++y)
        for (int x = row.left; x < row.right; ++x)
            if (image.pixel(x, y) != background)
                right = std::max(right, x);
    return right;
}

bool RowHasColour(const QImage& image, const CRect& row, QColor colour)
{
    for (int y = row.top; y < row.bottom; ++y)
        for (int x = row.left; x < row.right; ++x)
            if (image.pixelColor(x, y) == colour)
                return true;
    return false;
}
} // namespace

TEST(TreeCheckAndDrawTest, ACheckBoxTreeShowsABoxOnEveryItemAndTellsItsClicks)
{
    TreeOwner owner;
    CTreeCtrl& tree = owner.Tree();
    HTREEITEM menus = tree.InsertItem("Menus");
    tree.ModifyStyle(0, TVS_CHECKBOXES);
    HTREEITEM file = tree.InsertItem("File", menus);
    tree.SetItemData(file, 42);
    tree.Expand(menus, TVE_EXPAND);
    owner.GetSafeHwnd()->resize(300, 200);
    owner.GetSafeHwnd()->show();
    QApplication::processEvents();

    EXPECT_EQ(tree.GetItemState(menus, TVIS_STATEIMAGEMASK), INDEXTOSTATEIMAGEMASK(1));
    EXPECT_EQ(tree.GetItemState(file, TVIS_STATEIMAGEMASK), INDEXTOSTATEIMAGEMASK(1));
    CRect label;
    ASSERT_TRUE(tree.GetItemRect(file, &label, TRUE));
    UINT flags = 0;
    EXPECT_EQ(tree.HitTest(CPoint(label.left + 2, label.CenterPoint().y), &flags), file);
    EXPECT_EQ(flags, TVHT_ONITEMLABEL);
    const CPoint box(label.left - 8, label.CenterPoint().y);
    EXPECT_EQ(tree.HitTest(box, &flags), file);
    EXPECT_EQ(flags, TVHT_ONITEMSTATEICON);

    // The user clicks the box.
    QWidget* viewport = WidgetOf(tree)->viewport();
    const QPoint at = viewport->mapFrom(tree.GetSafeHwnd(), QPoint(box.x, box.y));
    for (const QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease})
    {
        QMouseEvent click(type, at, viewport->mapToGlobal(at), Qt::LeftButton,
                          type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton,
                          Qt::NoModifier);
        QApplication::sendEvent(viewport, &click);
    }

    EXPECT_TRUE(tree.GetCheck(file));
    EXPECT_EQ(tree.GetItemState(file, TVIS_STATEIMAGEMASK), INDEXTOSTATEIMAGEMASK(2));
    ASSERT_EQ(owner.m_changes.size(), 1u);
    EXPECT_EQ(owner.m_changes[0].hItem, file);
    EXPECT_EQ(owner.m_changes[0].lParam, 42);
    EXPECT_EQ(owner.m_changes[0].uStateOld, INDEXTOSTATEIMAGEMASK(1));
    EXPECT_EQ(owner.m_changes[0].uStateNew, INDEXTOSTATEIMAGEMASK(2));

    // The driver ticks and clears boxes the same way; the program's SetCheck tells nothing.
    DialogDriver user(owner);
    EXPECT_TRUE(user.SetTreeCheck(IDC_CHECK_TREE, menus, true));
    EXPECT_TRUE(user.SetTreeCheck(IDC_CHECK_TREE, file, false));
    EXPECT_TRUE(user.SetTreeCheck(IDC_CHECK_TREE, file, false));
    tree.SetCheck(file, TRUE);
    EXPECT_TRUE(tree.GetCheck(menus));
    EXPECT_EQ(owner.m_changes.size(), 3u);
    tree.SetItemState(menus, 0, TVIS_STATEIMAGEMASK);
    EXPECT_EQ(tree.GetItemState(menus, TVIS_STATEIMAGEMASK), 0u);
}

TEST(TreeCheckAndDrawTest, CustomDrawGivesAnItemItsColourAndANewFont)
{
    TreeOwner owner;
    CTreeCtrl& tree = owner.Tree();
    HTREEITEM plain = tree.InsertItem("Wide item");
    HTREEITEM marked = tree.InsertItem("Wide item");
    tree.SetItemData(marked, kMarked);
    owner.GetSafeHwnd()->resize(400, 200);
    owner.GetSafeHwnd()->show();
    QApplication::processEvents();
    const QRgb background = WidgetOf(tree)->viewport()->palette().color(QPalette::Base).rgb();

    const auto shoot = [&](HTREEITEM item, CRect& row)
    {
        tree.GetItemRect(item, &row, FALSE);
        return tree.GetSafeHwnd()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    };
    CRect plainRow;
    CRect markedRow;
    const QImage before = shoot(marked, markedRow);
    shoot(plain, plainRow);
    const int plainInk = InkRight(before, markedRow, background);
    EXPECT_FALSE(RowHasColour(before, markedRow, ToQColor(kRed)));

    owner.m_customDraw = true;
    tree.Invalidate();
    const QImage drawn = shoot(marked, markedRow);
    shoot(plain, plainRow);

    EXPECT_TRUE(RowHasColour(drawn, markedRow, ToQColor(kRed)));
    EXPECT_FALSE(RowHasColour(drawn, plainRow, ToQColor(kRed)));
    EXPECT_GT(InkRight(drawn, markedRow, background), plainInk + 20);
    EXPECT_EQ(InkRight(drawn, plainRow, background), InkRight(before, plainRow, background));
}
