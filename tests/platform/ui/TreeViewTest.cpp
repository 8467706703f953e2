#include "platform/ui/TreeView.h"

#include <gtest/gtest.h>

#include <QWidget>

#include <vector>

namespace
{
// Records the items its tree reports as selected.
class SelectionView : public CTreeView
{
public:
    SelectionView() { MapTreeNotify(TVN_SELCHANGED, &SelectionView::OnSelChanged); }

    void OnSelChanged(NMHDR* header, LRESULT*)
    {
        selected.push_back(reinterpret_cast<NMTREEVIEW*>(header)->itemNew.hItem);
    }

    std::vector<HTREEITEM> selected;
};
} // namespace

TEST(TreeViewTest, TreeFillsTheViewAndItsSelectionReachesTheView)
{
    QWidget parent;
    parent.resize(300, 200);
    SelectionView view;
    ASSERT_TRUE(view.Create(&parent, 7, nullptr));
    view.GetSafeHwnd()->resize(300, 200);
    parent.show();

    CTreeCtrl& tree = view.GetTreeCtrl();
    EXPECT_EQ(CWnd::FromHandle(tree.GetSafeHwnd()->parentWidget()), &view);
    EXPECT_EQ(tree.GetSafeHwnd()->size(), view.GetSafeHwnd()->size());
    const HTREEITEM module = tree.InsertItem("BaseModule");
    const HTREEITEM table = tree.InsertItem("Tables", module);
    ASSERT_TRUE(tree.SelectItem(table));
    EXPECT_EQ(view.selected, std::vector<HTREEITEM>{table});
    EXPECT_EQ(view.GetDlgCtrlID(), 7);
}
