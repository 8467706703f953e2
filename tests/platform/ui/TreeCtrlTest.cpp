#include "platform/ui/TreeCtrl.h"
#include "ControlHost.h"
#include "platform/ui/ImageList.h"

#include <QIcon>
#include <QImage>
#include <QTemporaryDir>
#include <QTreeWidget>

#include <gtest/gtest.h>

namespace
{
constexpr int IDC_TREE = 3201;

const DialogTemplate treeTemplate{9305, "Tree", {{IDC_TREE, ControlKind::TreeCtrl, ""}}};

class TreeCtrlTest : public ::testing::Test
{
protected:
    TreeCtrlTest() : host(treeTemplate), tree(*static_cast<CTreeCtrl*>(host.GetDlgItem(IDC_TREE)))
    {
        tables = tree.InsertItem("Tables");
        forms = tree.InsertItem("Forms");
        customer = tree.InsertItem("customer", tables);
        order = tree.InsertItem("order", tables);
    }

    ControlHost host;
    CTreeCtrl& tree;
    HTREEITEM tables;
    HTREEITEM forms;
    HTREEITEM customer;
    HTREEITEM order;
};

TEST_F(TreeCtrlTest, ItemsAreWalkedInInsertionOrder)
{
    EXPECT_EQ(tree.GetRootItem(), tables);
    EXPECT_EQ(tree.GetNextSiblingItem(tables), forms);
    EXPECT_EQ(tree.GetNextSiblingItem(forms), nullptr);
    EXPECT_EQ(tree.GetPrevSiblingItem(forms), tables);
    EXPECT_EQ(tree.GetChildItem(tables), customer);
    EXPECT_EQ(tree.GetNextSiblingItem(customer), order);
    EXPECT_EQ(tree.GetParentItem(order), tables);
    EXPECT_EQ(tree.GetParentItem(tables), nullptr);
    EXPECT_TRUE(tree.ItemHasChildren(tables));
    EXPECT_FALSE(tree.ItemHasChildren(forms));
    EXPECT_EQ(tree.GetCount(), 4u);
    EXPECT_EQ(tree.GetItemText(order), "order");
}

TEST_F(TreeCtrlTest, InsertionPlaces)
{
    HTREEITEM first = tree.InsertItem("address", tables, TVI_FIRST);
    HTREEITEM middle = tree.InsertItem("invoice", tables, customer);

    EXPECT_EQ(tree.GetChildItem(tables), first);
    EXPECT_EQ(tree.GetNextSiblingItem(customer), middle);
    EXPECT_EQ(tree.GetNextSiblingItem(middle), order);
    EXPECT_EQ(tree.InsertItem("misplaced", forms, customer), nullptr);
    EXPECT_EQ(tree.GetCount(), 6u);
}

TEST_F(TreeCtrlTest, ItemsOfAnotherTreeAreRefused)
{
    ControlHost otherHost(treeTemplate);
    auto& other = *static_cast<CTreeCtrl*>(otherHost.GetDlgItem(IDC_TREE));
    HTREEITEM foreign = other.InsertItem("foreign");

    EXPECT_EQ(tree.InsertItem("child", foreign), nullptr);
    EXPECT_FALSE(tree.DeleteItem(foreign));
    EXPECT_FALSE(tree.SetItemData(foreign, 1));
    EXPECT_FALSE(tree.SelectItem(foreign));
    EXPECT_EQ(other.GetCount(), 1u);
}

TEST_F(TreeCtrlTest, DeletingAnItemDeletesItsSubtree)
{
    EXPECT_TRUE(tree.DeleteItem(tables));

    EXPECT_EQ(tree.GetCount(), 1u);
    EXPECT_EQ(tree.GetRootItem(), forms);
    EXPECT_TRUE(tree.DeleteAllItems());
    EXPECT_EQ(tree.GetRootItem(), nullptr);
}

TEST_F(TreeCtrlTest, SelectionChangeReportsOldAndNewItemsWithTheirData)
{
    tree.SetItemData(customer, 41);
    tree.SetItemData(forms, 42);

    ASSERT_TRUE(tree.SelectItem(customer));
    ASSERT_TRUE(tree.SelectItem(forms));

    EXPECT_EQ(tree.GetSelectedItem(), forms);
    ASSERT_EQ(host.m_treeChanges.size(), 2u);
    EXPECT_EQ(host.m_treeChanges[0].itemOld.hItem, nullptr);
    EXPECT_EQ(host.m_treeChanges[0].itemNew.hItem, customer);
    EXPECT_EQ(host.m_treeChanges[0].itemNew.lParam, 41);
    EXPECT_EQ(host.m_treeChanges[1].itemOld.hItem, customer);
    EXPECT_EQ(host.m_treeChanges[1].itemNew.hItem, forms);
    EXPECT_EQ(host.m_treeChanges[1].itemNew.lParam, 42);
    EXPECT_EQ(host.m_treeChanges[1].hdr.idFrom, static_cast<UINT_PTR>(IDC_TREE));
    EXPECT_EQ(tree.GetItemData(forms), 42u);
}

TEST_F(TreeCtrlTest, DeletingTheSelectedItemMovesTheSelectionAway)
{
    tree.SelectItem(customer);

    EXPECT_TRUE(tree.DeleteItem(tables));

    ASSERT_EQ(host.m_treeChanges.size(), 2u);
    EXPECT_EQ(host.m_treeChanges[1].itemOld.hItem, nullptr);
    EXPECT_EQ(host.m_treeChanges[1].itemNew.hItem, tree.GetSelectedItem());
    EXPECT_NE(tree.GetSelectedItem(), customer);
    EXPECT_TRUE(tree.DeleteAllItems());
    EXPECT_EQ(tree.GetSelectedItem(), nullptr);
    EXPECT_EQ(host.m_treeChanges.back().itemNew.hItem, nullptr);
}

TEST_F(TreeCtrlTest, ExpandCollapseAndEnsureVisible)
{
    EXPECT_TRUE(tree.Expand(tables, TVE_EXPAND));
    EXPECT_TRUE(tree.IsExpanded(tables));
    EXPECT_TRUE(tree.Expand(tables, TVE_TOGGLE));
    EXPECT_FALSE(tree.IsExpanded(tables));
    EXPECT_TRUE(tree.EnsureVisible(order));
    EXPECT_TRUE(tree.IsExpanded(tables));
    EXPECT_FALSE(tree.Expand(tables, 0));
}

TEST_F(TreeCtrlTest, SortChildrenOrdersByText)
{
    tree.InsertItem("zone", tables);
    tree.InsertItem("account", tables);

    EXPECT_TRUE(tree.SortChildren(tables));

    EXPECT_EQ(tree.GetItemText(tree.GetChildItem(tables)), "account");
    EXPECT_EQ(tree.GetItemText(tree.GetNextSiblingItem(tree.GetChildItem(tables))), "customer");
}

TEST_F(TreeCtrlTest, ItemsShowTheImagesOfTheImageList)
{
    QTemporaryDir folder;
    const QString file = folder.filePath("red.png");
    QImage red(4, 4, QImage::Format_RGB32);
    red.fill(Qt::red);
    ASSERT_TRUE(red.save(file));
    CImageList images;
    ASSERT_TRUE(images.Create(16, 16, ILC_COLOR32, 2, 2));
    EXPECT_EQ(images.AddColor(0x0000FF), 0);
    EXPECT_EQ(images.Add(file.toUtf8().constData()), 1);
    EXPECT_EQ(images.Add("/no/such/image.png"), -1);
    EXPECT_EQ(images.GetIcon(1).pixmap(16, 16).toImage().pixelColor(8, 8), QColor(Qt::red));
    EXPECT_TRUE(images.GetIcon(2).isNull());

    HTREEITEM report = tree.InsertItem("report", 1, 0, forms);
    EXPECT_EQ(tree.SetImageList(&images), nullptr);
    tree.SetItemImage(customer, 0, 1);

    int image = -1;
    int selected = -1;
    ASSERT_TRUE(tree.GetItemImage(customer, image, selected));
    EXPECT_EQ(image, 0);
    EXPECT_EQ(selected, 1);
    auto* widget = static_cast<QTreeWidget*>(tree.GetSafeHwnd());
    auto* reportItem = widget->topLevelItem(1)->child(0);
    EXPECT_EQ(tree.GetItemText(report), "report");
    EXPECT_EQ(reportItem->icon(0).pixmap(16, 16).toImage().pixelColor(8, 8), QColor(Qt::red));
    EXPECT_TRUE(widget->topLevelItem(0)->icon(0).isNull());
    // An item inserted after the list was set shows its image too.
    tree.InsertItem("invoice", 1, 1, forms);
    EXPECT_EQ(widget->topLevelItem(1)->child(1)->icon(0).pixmap(16, 16).toImage().pixelColor(8, 8),
              QColor(Qt::red));

    // A list made again shows its new images, not those it had.
    ASSERT_TRUE(images.Create(16, 16, ILC_COLOR32, 2, 2));
    EXPECT_TRUE(images.GetIcon(1).isNull());
    EXPECT_EQ(images.AddColor(0x00FF00), 0);
    EXPECT_EQ(images.GetIcon(0).pixmap(16, 16).toImage().pixelColor(8, 8), QColor(Qt::green));
}

TEST(TreeCtrlCreateTest, CreatedTreeNotifiesTheWindowItBelongsTo)
{
    ControlHost host(DialogTemplate{9306, "Empty", {}});
    CTreeCtrl tree;

    ASSERT_TRUE(tree.Create(&host, 77));
    EXPECT_FALSE(tree.Create(&host, 78));
    tree.SelectItem(tree.InsertItem("only"));

    ASSERT_EQ(host.m_treeChanges.size(), 1u);
    EXPECT_EQ(host.m_treeChanges[0].hdr.idFrom, 77u);
    EXPECT_EQ(host.m_treeChanges[0].hdr.hwndFrom, &tree);
}
} // namespace
