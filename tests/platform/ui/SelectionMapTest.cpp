#include "platform/ui/DialogDriver.h"
#include "platform/ui/DialogTemplate.h"
#include "platform/ui/ListCtrl.h"
#include "platform/ui/Messages.h"
#include "platform/ui/TreeCtrl.h"
#include "platform/ui/Wnd.h"

#include <QWidget>

#include <gtest/gtest.h>

#include <vector>

namespace
{
constexpr int IDC_LIST = 3201;
constexpr int IDC_TREE = 3202;
constexpr int IDC_SHOW = 3203;

const DialogTemplate selectionTemplate{
    9310,
    "Selection",
    {{IDC_LIST, ControlKind::ListCtrl, "", false, false, 200, 120},
     {IDC_TREE, ControlKind::TreeCtrl, "", false, false, 200, 120},
     {IDC_SHOW, ControlKind::PushButton, "Show"}}};

// Hears the selections of a list and a tree; its Show button selects the last row as a handler
// that shows its rows again does.
class SelectionHost : public CWnd
{
public:
    SelectionHost()
    {
        SetOwnedWidget(new QWidget);
        CreateControls(selectionTemplate);
        MapRowSelection(IDC_LIST, [this](int row) { rows.push_back(row); });
        MapItemSelection(IDC_TREE, [this](TreeItem* item) { items.push_back(item); });
        MapControlRange(BN_CLICKED, IDC_SHOW, IDC_SHOW,
                        [this] { List().SetItemState(2, LVIS_SELECTED, LVIS_SELECTED); });
        List().InsertColumn(0, "Name", LVCFMT_LEFT, 150);
        for (const char* name : {"name", "city", "phone"})
            List().InsertItem(List().GetItemCount(), name);
        for (const char* name : {"Masters", "Hello"})
            tree.push_back(Tree().InsertItem(name));
    }

    CListCtrl& List() { return *static_cast<CListCtrl*>(GetDlgItem(IDC_LIST)); }
    CTreeCtrl& Tree() { return *static_cast<CTreeCtrl*>(GetDlgItem(IDC_TREE)); }

    std::vector<int> rows;
    std::vector<TreeItem*> items;
    std::vector<HTREEITEM> tree;
};
} // namespace

TEST(SelectionMapTest, TheHandlerHearsEveryMoveOfTheSelectionButItsOwnHandlers)
{
    SelectionHost host;
    host.GetSafeHwnd()->show();
    DialogDriver user(host);

    ASSERT_TRUE(user.ClickListRow(IDC_LIST, 1));
    EXPECT_EQ((std::vector<int>{1}), host.rows);
    ASSERT_TRUE(user.PressKey(IDC_LIST, VK_DOWN));
    EXPECT_EQ((std::vector<int>{1, 2}), host.rows);
    ASSERT_TRUE(user.PressKey(IDC_LIST, VK_UP));
    EXPECT_EQ((std::vector<int>{1, 2, 1}), host.rows);

    // A handler's own redisplay is not a move of the user.
    ASSERT_TRUE(user.Click(IDC_SHOW));
    EXPECT_EQ((std::vector<int>{1, 2, 1}), host.rows);
    // Code outside the window's handlers moves it: heard, also for a row that stayed current
    // while it was not selected.
    host.List().SetItemState(2, 0, LVIS_SELECTED);
    host.List().SetItemState(0, LVIS_SELECTED, LVIS_SELECTED);
    host.List().SetItemState(0, 0, LVIS_SELECTED);
    host.List().SetItemState(0, LVIS_SELECTED, LVIS_SELECTED);
    EXPECT_EQ((std::vector<int>{1, 2, 1, 0, 0}), host.rows);

    ASSERT_TRUE(user.ClickTreeItem(IDC_TREE, host.tree[0]));
    ASSERT_TRUE(user.PressKey(IDC_TREE, VK_DOWN));
    EXPECT_EQ((std::vector<TreeItem*>{host.tree[0], host.tree[1]}), host.items);
}
