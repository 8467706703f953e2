#include "platform/ui/DialogDriver.h"
#include "platform/ui/DialogTemplate.h"
#include "platform/ui/ListCtrl.h"
#include "platform/ui/Menu.h"
#include "platform/ui/ScriptedPopupMenus.h"
#include "platform/ui/TabCtrl.h"
#include "platform/ui/TreeCtrl.h"

#include <QApplication>
#include <QLineEdit>
#include <QWidget>

#include <gtest/gtest.h>

#include <vector>

namespace
{
constexpr int IDC_REACH_TREE = 3701;
constexpr int IDC_REACH_LIST = 3702;
constexpr int IDC_REACH_TABS = 3703;
constexpr int IDC_REACH_NAME = 3704;
constexpr UINT ID_RENAME = 501;
constexpr UINT ID_DELETE = 502;

const DialogTemplate editorTemplate{9351,
                                    "Editor",
                                    {{IDC_REACH_TREE, ControlKind::TreeCtrl, ""},
                                     {IDC_REACH_LIST, ControlKind::ListCtrl, ""},
                                     {IDC_REACH_TABS, ControlKind::TabCtrl, ""},
                                     {IDC_REACH_NAME, ControlKind::Edit, ""}}};

// An editor page whose tree and list bring up a menu on a right click, which names the item
// under the cursor; it records the commands and notifications it gets.
class EditorPage : public CWnd
{
public:
    EditorPage()
    {
        SetOwnedWidget(new QWidget);
        CreateControls(editorTemplate);
        MapNotify(NM_RCLICK, IDC_REACH_TREE, &EditorPage::OnTreeMenu);
        MapNotify(NM_RCLICK, IDC_REACH_LIST, &EditorPage::OnListMenu);
        MapNotify(TCN_SELCHANGE, IDC_REACH_TABS, &EditorPage::OnTabChange);
        GetSafeHwnd()->resize(400, 400);
        GetSafeHwnd()->show();
        QApplication::processEvents();
    }

    CTreeCtrl& Tree() { return *static_cast<CTreeCtrl*>(GetDlgItem(IDC_REACH_TREE)); }
    CListCtrl& List() { return *static_cast<CListCtrl*>(GetDlgItem(IDC_REACH_LIST)); }
    CTabCtrl& Tabs() { return *static_cast<CTabCtrl*>(GetDlgItem(IDC_REACH_TABS)); }

    BOOL OnCmdMsg(UINT id, int code) override
    {
        if (code == BN_CLICKED && (id == ID_RENAME || id == ID_DELETE))
        {
            m_commands.push_back(id);
            return TRUE;
        }
        return CWnd::OnCmdMsg(id, code);
    }

    std::vector<UINT> m_commands;
    HTREEITEM m_menuItem = nullptr;
    int m_menuRow = -2;
    int m_tabChanges = 0;

private:
    void ShowMenu(CPoint screen)
    {
        CMenu menu;
        menu.CreatePopupMenu();
        menu.AppendMenu(MF_STRING, ID_RENAME, "Rename");
        menu.AppendMenu(MF_STRING, ID_DELETE, "Delete");
        menu.TrackPopupMenu(TPM_LEFTALIGN | TPM_RIGHTBUTTON, screen.x, screen.y, this);
    }
    void OnTreeMenu(NMHDR*, LRESULT*)
    {
        CPoint cursor;
        GetCursorPos(&cursor);
        CPoint point = cursor;
        Tree().ScreenToClient(&point);
        m_menuItem = Tree().HitTest(point);
        ShowMenu(cursor);
    }
    void OnListMenu(NMHDR* header, LRESULT*)
    {
        m_menuRow = reinterpret_cast<NMITEMACTIVATE*>(header)->iItem;
        CPoint cursor;
        GetCursorPos(&cursor);
        ShowMenu(cursor);
    }
    void OnTabChange(NMHDR*, LRESULT*) { ++m_tabChanges; }
};
} // namespace

TEST(DriverReachTest, ARightClickedItemsMenuIsAnsweredWithTheCommand)
{
    EditorPage page;
    HTREEITEM forms = page.Tree().InsertItem("Forms");
    HTREEITEM menus = page.Tree().InsertItem("Menus");
    page.List().InsertColumn(0, "Name", LVCFMT_LEFT, 100);
    page.List().InsertItem(0, "first");
    page.List().InsertItem(1, "second");
    DialogDriver user(page);

    EXPECT_TRUE(user.RightClickTreeItem(IDC_REACH_TREE, menus, ID_DELETE));
    EXPECT_EQ(page.m_menuItem, menus);
    EXPECT_TRUE(user.RightClickListRow(IDC_REACH_LIST, 1, ID_RENAME));
    EXPECT_EQ(page.m_menuRow, 1);
    EXPECT_EQ(page.m_commands, (std::vector<UINT>{ID_DELETE, ID_RENAME}));

    EXPECT_FALSE(user.RightClickListRow(IDC_REACH_LIST, 5, ID_RENAME));
    EXPECT_FALSE(user.RightClickTreeItem(IDC_REACH_LIST, forms, ID_RENAME));
    EXPECT_EQ(page.m_commands.size(), 2u);

    // The menus go back to the tracker installed before.
    ScriptedPopupMenus menusShown;
    EXPECT_TRUE(user.RightClickTreeItem(IDC_REACH_TREE, forms, ID_RENAME));
    EXPECT_EQ(page.m_menuItem, forms);
    EXPECT_TRUE(menusShown.Shown().empty());
    CMenu later;
    later.CreatePopupMenu();
    later.AppendMenu(MF_STRING, ID_RENAME, "Rename");
    later.TrackPopupMenu(TPM_RETURNCMD, 0, 0, &page);
    EXPECT_EQ(menusShown.Shown().size(), 1u);
}

TEST(DriverReachTest, PickingATabTellsTheOwner)
{
    EditorPage page;
    page.Tabs().InsertItem(0, "Fields");
    page.Tabs().InsertItem(1, "Roles");
    page.Tabs().InsertItem(2, "Menus");
    page.m_tabChanges = 0;
    DialogDriver user(page);

    EXPECT_TRUE(user.SelectTab(IDC_REACH_TABS, 2));
    EXPECT_EQ(page.Tabs().GetCurSel(), 2);
    EXPECT_EQ(page.m_tabChanges, 1);
    EXPECT_FALSE(user.SelectTab(IDC_REACH_TABS, 3));
    EXPECT_EQ(page.Tabs().GetCurSel(), 2);
}

TEST(DriverReachTest, KeysAreTypedIntoTheControlAsAUserTypesThem)
{
    EditorPage page;
    DialogDriver user(page);
    auto* edit = static_cast<QLineEdit*>(page.GetDlgItem(IDC_REACH_NAME)->GetSafeHwnd());

    EXPECT_TRUE(user.TypeKeys(IDC_REACH_NAME, "Order1x\b"));
    EXPECT_EQ(edit->text(), "Order1");
    EXPECT_TRUE(user.TypeKeys("s"));
    EXPECT_EQ(user.GetText(IDC_REACH_NAME), "Order1s");
    EXPECT_FALSE(user.TypeKeys(9999, "x"));
}
