#include "tests/controls/ControlsDialog.h"

#include "platform/ui/DialogDriver.h"
#include "platform/ui/SystemSettings.h"

#include <QImage>

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace
{
// Module (data 1) with Forms (2: Orders 3, Items 4 under Orders) and Reports (5: Sales 6), and
// a second top item Roles (7: Admin 8).
struct SampleTree
{
    explicit SampleTree(TreeControl& tree) : tree(tree)
    {
        module = Add("Module", TVI_ROOT, 1);
        forms = Add("Forms", module, 2);
        orders = Add("Orders", forms, 3);
        items = Add("Items", orders, 4);
        reports = Add("Reports", module, 5);
        sales = Add("Sales", reports, 6);
        roles = Add("Roles", TVI_ROOT, 7);
        admin = Add("Admin", roles, 8);
    }

    HTREEITEM Add(const char* text, HTREEITEM parent, DWORD_PTR data)
    {
        HTREEITEM item = tree.InsertItem(text, parent);
        tree.SetItemData(item, data);
        return item;
    }

    // "1" or "0" per item in insertion order.
    std::string Checks() const
    {
        std::string checks;
        for (HTREEITEM item : {module, forms, orders, items, reports, sales, roles, admin})
            checks += tree.GetCheck(item) ? '1' : '0';
        return checks;
    }

    void CheckAll(bool check)
    {
        for (HTREEITEM item : {module, forms, orders, items, reports, sales, roles, admin})
            tree.SetCheck(item, check);
    }

    TreeControl& tree;
    HTREEITEM module, forms, orders, items, reports, sales, roles, admin;
};
} // namespace

TEST(TreeControlTest, PropagationSetsTheSubtreeToTheOppositeOfTheState)
{
    ControlsDialog dialog;
    SampleTree sample(dialog.m_tree);
    TreeControl& tree = dialog.m_tree;

    // Checking Forms reaches Orders and Items, which were collapsed, and nothing else.
    EXPECT_TRUE(tree.PropagateCheck(FALSE, sample.forms));
    EXPECT_EQ(sample.Checks(), "01110000");
    // Unchecking Module clears its whole subtree and stops before Roles.
    sample.CheckAll(true);
    tree.PropagateCheck(TRUE, sample.module);
    EXPECT_EQ(sample.Checks(), "00000011");
    // The invisible root covers every item.
    tree.PropagateCheck(FALSE, TVI_ROOT);
    EXPECT_EQ(sample.Checks(), "11111111");
    tree.PropagateCheck(TRUE, TVI_ROOT);
    EXPECT_EQ(sample.Checks(), "00000000");
}

TEST(TreeControlTest, ClicksUncheckACheckedParentsSubtreeAndLeaveTheFirstItemAlone)
{
    ControlsDialog dialog;
    SampleTree sample(dialog.m_tree);
    TreeControl& tree = dialog.m_tree;
    tree.Expand(sample.module, TVE_EXPAND);
    tree.Expand(sample.roles, TVE_EXPAND);
    tree.Expand(sample.reports, TVE_EXPAND);
    DialogDriver user(dialog);

    // A checked parent: the subtree is unchecked and the click goes no further (the selection
    // stays where it was).
    sample.CheckAll(true);
    tree.SelectItem(sample.admin);
    ASSERT_TRUE(user.ClickTreeItem(IDC_TREE, sample.reports));
    EXPECT_EQ(tree.GetClickedItem(), sample.reports);
    EXPECT_EQ(sample.Checks(), "11110011");
    EXPECT_EQ(tree.GetSelectedItem(), sample.admin);

    // Any other item is handled as usual: it becomes selected.
    ASSERT_TRUE(user.ClickTreeItem(IDC_TREE, sample.sales));
    EXPECT_EQ(tree.GetSelectedItem(), sample.sales);

    // The first top-level item swallows the click.
    ASSERT_TRUE(user.ClickTreeItem(IDC_TREE, sample.module));
    EXPECT_EQ(tree.GetClickedItem(), sample.module);
    EXPECT_EQ(tree.GetSelectedItem(), sample.sales);
    EXPECT_EQ(sample.Checks(), "11110011");

    // A checked item without children toggles through the default handling.
    ASSERT_TRUE(user.SetTreeCheck(IDC_TREE, sample.admin, false));
    EXPECT_EQ(sample.Checks(), "11110010");
}

TEST(TreeControlTest, ExpandedItemsAreKeptAcrossARebuild)
{
    ControlsDialog dialog;
    TreeControl& tree = dialog.m_tree;
    {
        SampleTree sample(tree);
        tree.Expand(sample.module, TVE_EXPAND);
        tree.Expand(sample.forms, TVE_EXPAND);
        tree.Expand(sample.orders, TVE_EXPAND);
        tree.Expand(sample.roles, TVE_EXPAND);
        tree.SaveExpandedItems();
        tree.DeleteAllItems();
    }
    SampleTree rebuilt(tree);
    EXPECT_FALSE(tree.IsExpanded(rebuilt.forms));
    tree.RestoreExpandedItems();

    std::map<std::string, bool> expanded;
    for (HTREEITEM item :
         {rebuilt.module, rebuilt.forms, rebuilt.orders, rebuilt.reports, rebuilt.roles})
        expanded[tree.GetItemText(item).GetString()] = tree.IsExpanded(item) != FALSE;
    const std::map<std::string, bool> expected{
        {"Module", true}, {"Forms", true}, {"Orders", true}, {"Reports", false}, {"Roles", true}};
    EXPECT_EQ(expanded, expected);

    // The list is used once: a second rebuild restores only the root item.
    tree.DeleteAllItems();
    SampleTree again(tree);
    tree.RestoreExpandedItems();
    EXPECT_TRUE(tree.IsExpanded(again.module));
    EXPECT_FALSE(tree.IsExpanded(again.forms));
    EXPECT_FALSE(tree.IsExpanded(again.roles));
}

TEST(TreeControlTest, AnItemsFontKeepsItsColourAndTheReverse)
{
    ControlsDialog dialog;
    SampleTree sample(dialog.m_tree);
    TreeControl& tree = dialog.m_tree;
    TreeControl::Color_Font look{};
    EXPECT_FALSE(tree.GetItemColorFont(sample.forms, look));

    LOGFONT bold{-16, 0, 0, 0, FW_BOLD, 0, 0, 0, 0, 0, 0, 0, 0, "Sans"};
    tree.SetItemFont(sample.forms, bold);
    ASSERT_TRUE(tree.GetItemColorFont(sample.forms, look));
    EXPECT_EQ(look.color, CLR_NONE);
    EXPECT_EQ(look.logfont.lfWeight, FW_BOLD);

    tree.SetItemColor(sample.forms, RGB(200, 0, 0));
    tree.SetItemFont(sample.forms, LOGFONT{-12, 0, 0, 0, FW_NORMAL, 1, 0, 0, 0, 0, 0, 0, 0, ""});
    ASSERT_TRUE(tree.GetItemColorFont(sample.forms, look));
    EXPECT_EQ(look.color, RGB(200, 0, 0));
    EXPECT_EQ(look.logfont.lfItalic, 1);

    // Deleted items, a subtree's too, keep no look for what comes later in their place.
    tree.SetItemColor(sample.orders, RGB(0, 0, 200));
    tree.SetItemColor(sample.sales, RGB(0, 200, 0));
    tree.DeleteItem(sample.forms);
    EXPECT_FALSE(tree.GetItemColorFont(sample.forms, look));
    EXPECT_FALSE(tree.GetItemColorFont(sample.orders, look));
    EXPECT_TRUE(tree.GetItemColorFont(sample.sales, look));
    tree.DeleteAllItems();
    EXPECT_FALSE(tree.GetItemColorFont(sample.sales, look));
}

TEST(TabControlTest, AClickOnAnotherTabSwitchesPagesAndSavesTheirData)
{
    ControlsDialog dialog;
    dialog.GetSafeHwnd()->show();
    TwoPageTabs& tabs = dialog.m_tabs;
    tabs.InitPages();
    tabs.LayoutPages();
    ASSERT_EQ(tabs.GetPageCount(), 2);
    EXPECT_EQ(tabs.GetItemCount(), 2);
    EXPECT_TRUE(tabs.Page(0).IsWindowVisible());
    EXPECT_FALSE(tabs.Page(1).IsWindowVisible());

    // The pages lie below the tabs, within the control.
    CRect tab, client, page;
    tabs.GetItemRect(0, &tab);
    tabs.GetClientRect(&client);
    tabs.Page(1).GetWindowRect(&page);
    tabs.ScreenToClient(&page);
    EXPECT_EQ(page, CRect(tab.left - 2, tab.bottom + 3, client.right - 1, client.bottom - 1));

    DialogDriver user(dialog);
    ASSERT_TRUE(user.SelectTab(IDC_TABS, 1));
    EXPECT_EQ(tabs.GetCurrentPage(), 1);
    EXPECT_FALSE(tabs.Page(0).IsWindowVisible());
    EXPECT_TRUE(tabs.Page(1).IsWindowVisible());
    EXPECT_EQ(tabs.Page(0).m_saves, 1);
    EXPECT_EQ(tabs.Page(1).m_saves, 1);
    EXPECT_EQ(tabs.m_selected, std::vector<CWnd*>{&tabs.Page(1)});

    // The current tab again: only the selection is told.
    ASSERT_TRUE(user.SelectTab(IDC_TABS, 1));
    EXPECT_EQ(tabs.Page(0).m_saves + tabs.Page(1).m_saves, 2);
    EXPECT_EQ(tabs.m_selected, (std::vector<CWnd*>{&tabs.Page(1), &tabs.Page(1)}));

    ASSERT_TRUE(user.SelectTab(IDC_TABS, 0));
    EXPECT_EQ(tabs.GetCurrentPage(), 0);
    EXPECT_TRUE(tabs.Page(0).IsWindowVisible());
    EXPECT_FALSE(tabs.Page(1).IsWindowVisible());
    EXPECT_EQ(tabs.m_selected.back(), &tabs.Page(0));

    // A key that chooses another tab shows its page, as a click does.
    ASSERT_TRUE(user.PressKey(IDC_TABS, VK_RIGHT));
    EXPECT_EQ(tabs.GetCurSel(), 1);
    EXPECT_EQ(tabs.GetCurrentPage(), 1);
    EXPECT_TRUE(tabs.Page(1).IsWindowVisible());
    EXPECT_FALSE(tabs.Page(0).IsWindowVisible());
    EXPECT_EQ(tabs.m_selected.back(), &tabs.Page(1));
}

TEST(PictureControlTest, LightGreyPixelsTakeTheFaceColour)
{
    constexpr UINT IDB_PICTURE = 4201;
    constexpr UINT IDB_NO_GREY = 4202;
    QImage picture(3, 2, QImage::Format_RGB32);
    picture.fill(QColor(192, 192, 192));
    picture.setPixelColor(1, 0, QColor(192, 192, 191));
    picture.setPixelColor(2, 1, QColor(10, 20, 30));
    RegisterBitmapResource(IDB_PICTURE, picture);
    QImage noGrey(3, 2, QImage::Format_RGB32);
    noGrey.fill(QColor(10, 20, 30));
    RegisterBitmapResource(IDB_NO_GREY, noGrey);

    ControlsDialog dialog;
    StaticCtrl& control = dialog.m_picture;
    const COLORREF face = GetSysColor(COLOR_3DFACE);
    const QColor faceColour(GetRValue(face), GetGValue(face), GetBValue(face));

    // The high word of the id is not part of the resource.
    ASSERT_TRUE(control.SetBitmap(0x10000 | IDB_PICTURE));
    ASSERT_NE(control.GetBitmap(), nullptr);
    const QImage shown = control.GetBitmap()->GetImage()->convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(shown.pixelColor(0, 0), faceColour);
    EXPECT_EQ(shown.pixelColor(2, 0), faceColour);
    EXPECT_EQ(shown.pixelColor(1, 0), QColor(192, 192, 191));
    EXPECT_EQ(shown.pixelColor(2, 1), QColor(10, 20, 30));

    ASSERT_TRUE(control.SetBitmap(IDB_NO_GREY));
    EXPECT_EQ(control.GetBitmap()->GetImage()->convertToFormat(QImage::Format_RGB32), noGrey);

    EXPECT_FALSE(control.SetBitmap(4299));
    EXPECT_NE(control.GetBitmap(), nullptr);
}
