#include "TreeWidgetOf.h"

#include "platform/ui/Edit.h"
#include "platform/ui/ImageList.h"
#include "platform/ui/TreeCtrl.h"

#include <QApplication>
#include <QCoreApplication>
#include <QLineEdit>
#include <QTest>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{
constexpr int IDC_EDIT_TREE = 3301;

// A window with a tree (root > a > a1, a2; root > b) that records the tree's notifications.
class TreeWnd : public CWnd
{
public:
    TreeWnd()
    {
        SetOwnedWidget(new QWidget);
        GetSafeHwnd()->resize(300, 300);
        m_tree.Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 300, 300), this, IDC_EDIT_TREE);
        m_root = m_tree.InsertItem("Project");
        m_a = m_tree.InsertItem("Forms", m_root);
        m_a1 = m_tree.InsertItem("Customer", m_a);
        m_a2 = m_tree.InsertItem("Order", m_a);
        m_b = m_tree.InsertItem("Reports", m_root);
        m_tree.Expand(m_root, TVE_EXPAND);
        GetSafeHwnd()->show();
    }

    CTreeCtrl m_tree;
    HTREEITEM m_root, m_a, m_a1, m_a2, m_b;
    std::vector<std::string> m_log;
    BOOL m_refuseEdit = FALSE;
    BOOL m_refuseExpand = FALSE;
    CPoint m_dragPoint;

protected:
    BOOL OnNotify(WPARAM, LPARAM lParam, LRESULT* result) override
    {
        auto* header = reinterpret_cast<NMHDR*>(lParam);
        switch (header->code)
        {
        case TVN_BEGINLABELEDIT:
            Log("begin", reinterpret_cast<NMTVDISPINFO*>(lParam)->item.hItem);
            *result = m_refuseEdit;
            return TRUE;
        case TVN_ENDLABELEDIT:
        {
            const TVITEM& item = reinterpret_cast<NMTVDISPINFO*>(lParam)->item;
            m_log.push_back(std::string("end ") +
                            (item.pszText != nullptr ? item.pszText : "null"));
            *result = TRUE;
            return TRUE;
        }
        case TVN_BEGINDRAG:
        {
            const auto* drag = reinterpret_cast<NMTREEVIEW*>(lParam);
            Log("drag", drag->itemNew.hItem);
            m_dragPoint = drag->ptDrag;
            return TRUE;
        }
        case TVN_ITEMEXPANDING:
            Log("expanding", reinterpret_cast<NMTREEVIEW*>(lParam)->itemNew.hItem);
            *result = m_refuseExpand;
            return TRUE;
        case TVN_KEYDOWN:
            m_log.push_back("key " + std::to_string(reinterpret_cast<NMTVKEYDOWN*>(lParam)->wVKey));
            return TRUE;
        default:
            return FALSE;
        }
    }

private:
    void Log(const char* what, HTREEITEM item)
    {
        m_log.push_back(std::string(what) + " " + std::string(m_tree.GetItemText(item)));
    }
};

} // namespace

TEST(TreeLabelEditTest, EditedLabelIsOfferedToTheOwnerAndEscapeCancels)
{
    TreeWnd window;

    CEdit* edit = window.m_tree.EditLabel(window.m_a1);
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(window.m_tree.GetEditControl(), edit);
    auto* editor = static_cast<QLineEdit*>(edit->GetSafeHwnd());
    editor->selectAll();
    QTest::keyClicks(editor, "Client");
    QTest::keyClick(editor, Qt::Key_Return);
    QCoreApplication::processEvents();

    EXPECT_EQ(window.m_tree.GetItemText(window.m_a1), "Client");
    EXPECT_EQ(window.m_tree.GetEditControl(), nullptr);

    edit = window.m_tree.EditLabel(window.m_a2);
    ASSERT_NE(edit, nullptr);
    QTest::keyClick(edit->GetSafeHwnd(), Qt::Key_Escape);
    QCoreApplication::processEvents();
    window.m_refuseEdit = TRUE;
    EXPECT_EQ(window.m_tree.EditLabel(window.m_b), nullptr);

    EXPECT_EQ(window.m_tree.GetItemText(window.m_a2), "Order");
    EXPECT_EQ(window.m_log, (std::vector<std::string>{"begin Customer", "end Client", "begin Order",
                                                      "end null", "begin Reports"}));
}

TEST(TreeLabelEditTest, DraggingAnItemStartsADragWithItsImage)
{
    TreeWnd window;
    QTreeWidget* widget = WidgetOf(window.m_tree);
    CRect label;
    ASSERT_TRUE(window.m_tree.GetItemRect(window.m_b, &label, TRUE));
    const QPoint offset = widget->viewport()->mapTo(widget, QPoint(0, 0));
    const QPoint press = QPoint(label.left + 3, label.CenterPoint().y) - offset;

    QTest::mousePress(widget->viewport(), Qt::LeftButton, Qt::NoModifier, press);
    QTest::mouseMove(widget->viewport(), press + QPoint(QApplication::startDragDistance() + 5, 0));
    QTest::mouseMove(widget->viewport(), press + QPoint(QApplication::startDragDistance() + 9, 0));
    QTest::mouseRelease(widget->viewport(), Qt::LeftButton, Qt::NoModifier, press);

    EXPECT_EQ(window.m_log, std::vector<std::string>{"drag Reports"});
    EXPECT_EQ(window.m_dragPoint, CPoint(press.x() + offset.x(), press.y() + offset.y()));
    EXPECT_EQ(window.m_tree.GetSelectedItem(), window.m_b);

    std::unique_ptr<CImageList> image(window.m_tree.CreateDragImage(window.m_b));
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(image->GetImageCount(), 1);
    ASSERT_TRUE(image->BeginDrag(0, CPoint(-15, -15)));
    CImageList::DragEnter(&window, CPoint(10, 10));
    CImageList::DragMove(CPoint(100, 120));
    CPoint topLeft;
    BOOL shown = FALSE;
    ASSERT_TRUE(CImageList::GetDragImagePosition(&topLeft, &shown));
    EXPECT_EQ(topLeft, CPoint(115, 135));
    EXPECT_TRUE(shown);
    CImageList::DragShowNolock(FALSE);
    CImageList::GetDragImagePosition(&topLeft, &shown);
    EXPECT_FALSE(shown);
    CImageList::EndDrag();
    EXPECT_FALSE(CImageList::GetDragImagePosition(&topLeft, &shown));
}

TEST(TreeLabelEditTest, WalksStatesHitTestsExpansionAndKeys)
{
    TreeWnd window;
    CTreeCtrl& tree = window.m_tree;

    std::vector<std::string> visible;
    for (HTREEITEM item = tree.GetFirstVisibleItem(); item != nullptr;
         item = tree.GetNextVisibleItem(item))
        visible.push_back(std::string(tree.GetItemText(item)));
    EXPECT_EQ(visible, (std::vector<std::string>{"Project", "Forms", "Reports"}));
    EXPECT_EQ(tree.GetNextItem(nullptr, TVGN_LASTVISIBLE), window.m_b);
    EXPECT_EQ(tree.GetPrevVisibleItem(window.m_b), window.m_a);
    EXPECT_EQ(tree.GetNextItem(window.m_a, TVGN_CHILD), window.m_a1);
    EXPECT_EQ(tree.GetNextItem(window.m_a1, TVGN_NEXT), window.m_a2);
    EXPECT_EQ(tree.GetNextItem(window.m_a2, TVGN_PARENT), window.m_a);

    tree.SetItemState(window.m_a, TVIS_BOLD, TVIS_BOLD);
    tree.SelectDropTarget(window.m_a2);
    tree.SelectDropTarget(window.m_b);
    tree.SetCheck(window.m_a1);
    EXPECT_EQ(tree.GetItemState(window.m_a, TVIS_BOLD | TVIS_EXPANDED), TVIS_BOLD);
    EXPECT_EQ(tree.GetDropHilightItem(), window.m_b);
    EXPECT_EQ(tree.GetItemState(window.m_a2, TVIS_DROPHILITED), 0u);
    EXPECT_TRUE(tree.GetCheck(window.m_a1));
    EXPECT_FALSE(tree.GetCheck(window.m_a2));

    CRect label;
    tree.GetItemRect(window.m_a, &label, TRUE);
    UINT flags = 0;
    EXPECT_EQ(tree.HitTest(label.CenterPoint(), &flags), window.m_a);
    EXPECT_EQ(flags, TVHT_ONITEMLABEL);
    EXPECT_EQ(tree.HitTest(CPoint(label.left, 290), &flags), nullptr);
    EXPECT_EQ(flags, TVHT_NOWHERE);

    tree.Expand(window.m_a, TVE_EXPAND);
    tree.Expand(window.m_a, TVE_COLLAPSE);
    window.m_refuseExpand = TRUE;
    WidgetOf(tree)->expandItem(reinterpret_cast<QTreeWidgetItem*>(window.m_a));
    EXPECT_FALSE(tree.IsExpanded(window.m_a));
    QTest::keyClick(WidgetOf(tree), Qt::Key_Delete);
    EXPECT_EQ(window.m_log, (std::vector<std::string>{"expanding Forms", "key 46"}));
}
