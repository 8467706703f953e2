#include "editors/MenuDlg.h"
#include "entities/AspFile.h"
#include "entities/Designation.h"
#include "entities/Form.h"
#include "entities/Menu.h"
#include "model/Module.h"
#include "model/Table.h"
#include "tests/model/ModelBuilders.h"
#include "tests/shell/ShellTestSupport.h"

#include <QComboBox>
#include <QPixmap>
#include <QTest>
#include <QTreeWidget>

#include <filesystem>
#include <string>
#include <vector>

namespace
{
HTREEITEM ItemOf(CWnd& page, const char* text)
{
    const auto& tree = dynamic_cast<const CTreeCtrl&>(*page.GetDlgItem(MenuCreation::IDC_TREE));
    return FindTreeItem(tree, tree.GetRootItem(), text);
}

void KeepShot(RunningProgram& program, const char* name)
{
    HWND window = program.Frame().GetSafeHwnd();
    window->resize(1100, 760);
    QApplication::processEvents();
    const QPixmap shot = window->grab();
    ASSERT_FALSE(shot.isNull());
    const std::filesystem::path path = std::filesystem::current_path() / name;
    EXPECT_TRUE(shot.save(QString::fromStdString(path.string()), "PNG"));
}
} // namespace

TEST(MenuEditorViewTest, TheThreeTabsEditTheMenusTheRolesAndTheTopMenuOfAPageFile)
{
    RunningProgram program;
    ASSERT_TRUE(program.started);
    Module& base = *program.Project().GetBaseModule();
    Form* form = NewForm("purchase_order_lines", NewTable("purchase_order_lines"));
    base.AppendMasterTable(form->GetTable());
    base.Append(form);
    form->CreateAspFile(0, AspFile::formOwner);
    const int formIndex = static_cast<int>(base.GetMasterForms().size()) - 1;
    Menu* top = base.GetMenuAt(0);
    Menu* masters = top->FindSubMenuByName("Masters");
    ASSERT_NE(masters, nullptr);
    Designation* newRoles[2] = {};
    for (Designation*& role : newRoles)
    {
        role = new Designation(TRUE);
        base.Append(role);
    }
    Designation* director = newRoles[0];
    Designation* clerk = newRoles[1];
    director->SetName("Director");
    clerk->SetName("Clerk");
    const int clerkIndex = static_cast<int>(base.GetDesignations().size()) - 1;

    program.Frame().EditMenu(top);
    ASSERT_EQ(program.Frame().GetCurrentRightPane(), RightPane::MenuView);
    auto& view = dynamic_cast<MenuDlg&>(*program.Frame().GetRightPaneView(RightPane::MenuView));
    MenuDlgTabCtrl& tabs = view.Tabs();
    ASSERT_EQ(tabs.GetPageCount(), 3);
    EXPECT_EQ(tabs.GetCurrentPage(), 0);

    // "Menus": a sub-menu named in its dialog, then the orders page attached to it.
    CWnd& menus = *tabs.GetPage(0);
    DialogDriver menusUser(menus);
    ASSERT_TRUE(menusUser.ClickTreeItem(MenuCreation::IDC_TREE, ItemOf(menus, "Masters")));
    EXPECT_EQ(menusUser.GetText(MenuCreation::IDC_NAME), "Masters");
    program.dialogs.Answer(
        [](CDialog& dialog, DialogDriver& user)
        {
            CString caption;
            dialog.GetWindowText(caption);
            EXPECT_EQ(caption, "Add child menus for Masters");
            user.SetText(ChildMenuDlg::IDC_NAME, "Order-list");
            user.PressOk();
            user.SetText(ChildMenuDlg::IDC_NAME, "Order list");
            user.PressOk();
        });
    program.boxes.Answer(IDOK);
    ASSERT_TRUE(menusUser.Click(MenuCreation::IDC_ADD_SUB));
    EXPECT_EQ(program.boxes.ShownTexts(),
              std::vector<std::string>{"Special charater in menu name.Please check."});
    Menu* added = masters->FindSubMenuByName("Order list");
    ASSERT_NE(added, nullptr);
    EXPECT_TRUE(director->HasMenu(added));
    HTREEITEM addedItem = ItemOf(menus, "Order list");
    ASSERT_NE(addedItem, nullptr);
    ASSERT_TRUE(menusUser.ClickTreeItem(MenuCreation::IDC_TREE, addedItem));
    program.dialogs.Answer(
        [formIndex](CDialog& dialog, DialogDriver& user)
        {
            user.Select(PageFileChoice::IDC_FILE_TYPE, 0);
            user.Select(PageFileChoice::IDC_PAGE, formIndex);
            // The page file's combo shows its entry whole.
            QApplication::processEvents();
            auto* files = qobject_cast<QComboBox*>(
                dialog.GetDlgItem(MenuFileAssignment::IDC_FILE)->GetSafeHwnd());
            ASSERT_NE(files, nullptr);
            EXPECT_GE(files->width(), files->fontMetrics().horizontalAdvance(files->currentText()))
                << files->currentText().toStdString();
            user.PressOk();
        });
    ASSERT_TRUE(menusUser.Click(MenuCreation::IDC_ATTACH));
    EXPECT_EQ(added->GetAspFile(), form->GetAspFileAt(0));
    EXPECT_EQ(menusUser.GetText(MenuCreation::IDC_FILE_NAME),
              form->GetAspFileAt(0)->GetRelativeUrl(FALSE, FALSE));
    KeepShot(program, "menu-editor-menus.png");

    // "Role wise Menus": the clerk role gets the new item, with its ancestors.
    ASSERT_TRUE(DialogDriver(view).SelectTab(MenuDlg::IDC_TABS, 2));
    EXPECT_EQ(tabs.GetCurrentPage(), 2);
    CWnd& roles = *tabs.GetPage(2);
    DialogDriver rolesUser(roles);
    ASSERT_TRUE(rolesUser.Select(MenuDesignation::IDC_ROLE, clerkIndex));
    ASSERT_TRUE(rolesUser.SetTreeCheck(MenuCreation::IDC_TREE, ItemOf(roles, "Order list"), true));
    ASSERT_TRUE(rolesUser.Click(1040));
    EXPECT_EQ(clerk->GetMenus(), (std::vector<Menu*>{added, masters, top}));
    auto& list = dynamic_cast<CListCtrl&>(*roles.GetDlgItem(1273));
    EXPECT_EQ(list.GetItemCount(), 3);
    KeepShot(program, "menu-editor-roles.png");

    // "Menus on Files": the orders page's file gets the module's menu as top menu.
    ASSERT_TRUE(DialogDriver(view).SelectTab(MenuDlg::IDC_TABS, 1));
    CWnd& files = *tabs.GetPage(1);
    DialogDriver filesUser(files);
    ASSERT_TRUE(filesUser.Select(PageFileChoice::IDC_FILE_TYPE, 0));
    ASSERT_TRUE(filesUser.Select(PageFileChoice::IDC_PAGE, formIndex));
    ASSERT_TRUE(filesUser.Click(MenuInterfaceFiles::IDC_SELECT_FILE));
    AspFile* file = form->GetAspFileAt(0);
    EXPECT_EQ(filesUser.GetText(MenuInterfaceFiles::IDC_FILE_NAME),
              file->GetRelativeUrl(FALSE, FALSE));
    program.dialogs.Answer(
        [](CDialog& dialog, DialogDriver& user)
        {
            auto& tree = dynamic_cast<CTreeCtrl&>(*dialog.GetDlgItem(SelectMenuDlg::IDC_TREE));
            tree.Expand(tree.GetRootItem(), TVE_EXPAND);
            EXPECT_TRUE(
                user.ClickTreeItem(SelectMenuDlg::IDC_TREE, tree.GetChildItem(tree.GetRootItem())));
            user.Click(SelectMenuDlg::IDC_SELECT);
            user.PressOk();
        });
    ASSERT_TRUE(filesUser.Click(MenuInterfaceFiles::IDC_ASSIGN));
    EXPECT_EQ(file->GetTopMenu(), top);
    EXPECT_NE(file->FindTopMenuVariableMap(added), nullptr);
    EXPECT_EQ(filesUser.GetText(MenuInterfaceFiles::IDC_TOP_MENU), top->GetName());
    EXPECT_FALSE(files.GetDlgItem(MenuInterfaceFiles::IDC_ASSIGN)->IsWindowEnabled());
    KeepShot(program, "menu-editor-files.png");
    EXPECT_EQ(program.dialogs.UnscriptedCount(), 0u);
    EXPECT_EQ(program.dialogs.PendingScripts(), 0u);
}

TEST(MenuEditorViewTest, TheMenusPanelFollowsTheSelectionMovedByKeys)
{
    RunningProgram program;
    ASSERT_TRUE(program.started);
    Menu* top = program.Project().GetBaseModule()->GetMenuAt(0);
    program.Frame().EditMenu(top);
    auto& view = dynamic_cast<MenuDlg&>(*program.Frame().GetRightPaneView(RightPane::MenuView));
    CWnd& menus = *view.Tabs().GetPage(0);
    DialogDriver user(menus);
    HTREEITEM masters = ItemOf(menus, "Masters");
    ASSERT_NE(masters, nullptr);
    const auto& tree = dynamic_cast<const CTreeCtrl&>(*menus.GetDlgItem(MenuCreation::IDC_TREE));
    HTREEITEM next = tree.GetNextSiblingItem(masters);
    ASSERT_NE(next, nullptr);
    const CString nextName = tree.GetItemText(next);
    ASSERT_TRUE(user.ClickTreeItem(MenuCreation::IDC_TREE, masters));
    EXPECT_EQ(user.GetText(MenuCreation::IDC_NAME), "Masters");

    auto* widget = static_cast<QTreeWidget*>(tree.GetSafeHwnd());
    widget->setFocus();
    QTest::keyClick(widget, Qt::Key_Down);
    EXPECT_EQ(tree.GetSelectedItem(), next);
    EXPECT_EQ(user.GetText(MenuCreation::IDC_NAME), nextName);
    program.boxes.Answer(IDNO);
    ASSERT_TRUE(user.Click(MenuCreation::IDC_DELETE));
    EXPECT_EQ(program.boxes.ShownTexts(),
              std::vector<std::string>{"Do you really want to delete menu \"" +
                                       std::string(nextName) + "\"?"});
}

// The menu editor's dialogs have OK and Help only. Escape and the title-bar close ask about a
// sub-menu name typed and a page file chosen (Cancel stays, No drops it, Yes adds it as OK
// does), and keep the menu that "Select" chose as a page file's top menu.
TEST(MenuEditorViewTest, ItsDialogsWithoutCancelAskOrKeepWhenLeftByEscapeOrTheCloseBox)
{
    RunningProgram program;
    ASSERT_TRUE(program.started);
    Module& base = *program.Project().GetBaseModule();
    Form* form = NewForm("invoices", NewTable("invoices"));
    base.AppendMasterTable(form->GetTable());
    base.Append(form);
    form->CreateAspFile(0, AspFile::formOwner);
    AspFile* file = form->GetAspFileAt(0);
    const int formIndex = static_cast<int>(base.GetMasterForms().size()) - 1;
    Menu* top = base.GetMenuAt(0);
    Menu* masters = top->FindSubMenuByName("Masters");
    ASSERT_NE(masters, nullptr);
    program.Frame().EditMenu(top);
    MenuDlgTabCtrl& tabs =
        dynamic_cast<MenuDlg&>(*program.Frame().GetRightPaneView(RightPane::MenuView)).Tabs();
    CWnd& menus = *tabs.GetPage(0);
    DialogDriver menusUser(menus);
    const auto leave = [](CDialog& dialog, bool closeBox)
    {
        if (closeBox)
            dialog.GetSafeHwnd()->close();
        else
            QTest::keyClick(dialog.GetSafeHwnd(), Qt::Key_Escape);
    };
    // Each leave is asked about twice: Cancel first, then the answer.
    const auto leaveTwice = [&leave](CDialog& dialog, bool closeBox)
    {
        leave(dialog, closeBox);
        EXPECT_FALSE(dialog.IsEnded());
        leave(dialog, closeBox);
        EXPECT_TRUE(dialog.IsEnded());
    };

    for (const bool closeBox : {false, true})
        for (const int answer : {IDNO, IDYES})
        {
            const std::string name =
                std::string("Orders ") + (closeBox ? "C" : "E") + (answer == IDYES ? "Y" : "N");
            ScriptedMessageBoxes boxes{IDCANCEL, answer};
            program.dialogs.Answer(
                [&](CDialog& dialog, DialogDriver& user)
                {
                    ASSERT_TRUE(user.SetText(ChildMenuDlg::IDC_NAME, name.c_str()));
                    leaveTwice(dialog, closeBox);
                });
            ASSERT_TRUE(menusUser.ClickTreeItem(MenuCreation::IDC_TREE, ItemOf(menus, "Masters")));
            ASSERT_TRUE(menusUser.Click(MenuCreation::IDC_ADD_SUB));
            EXPECT_EQ(masters->FindSubMenuByName(name.c_str()) != nullptr, answer == IDYES) << name;
            EXPECT_EQ(boxes.ShownTexts(),
                      std::vector<std::string>(2, "The menu \"" + name +
                                                      "\" has not been added. Add it?"));
        }

    Menu* leaf = masters->FindSubMenuByName("Orders EY");
    ASSERT_NE(leaf, nullptr);
    for (const bool closeBox : {false, true})
    {
        ScriptedMessageBoxes boxes{IDCANCEL, closeBox ? IDYES : IDNO};
        program.dialogs.Answer(
            [&](CDialog& dialog, DialogDriver& user)
            {
                ASSERT_TRUE(user.Select(PageFileChoice::IDC_FILE_TYPE, 0));
                ASSERT_TRUE(user.Select(PageFileChoice::IDC_PAGE, formIndex));
                leaveTwice(dialog, closeBox);
            });
        ASSERT_TRUE(menusUser.ClickTreeItem(MenuCreation::IDC_TREE, ItemOf(menus, "Orders EY")));
        ASSERT_TRUE(menusUser.Click(MenuCreation::IDC_ATTACH));
        EXPECT_EQ(leaf->GetAspFile(), closeBox ? file : nullptr);
        EXPECT_EQ(boxes.ShownTexts(),
                  std::vector<std::string>(2, "The page file \"" +
                                                  std::string(file->GetRelativeUrl(FALSE, FALSE)) +
                                                  "\" has not been added. Add it?"));
    }

    ASSERT_TRUE(DialogDriver(*program.Frame().GetRightPaneView(RightPane::MenuView))
                    .SelectTab(MenuDlg::IDC_TABS, 1));
    DialogDriver filesUser(*tabs.GetPage(1));
    ASSERT_TRUE(filesUser.Select(PageFileChoice::IDC_FILE_TYPE, 0));
    ASSERT_TRUE(filesUser.Select(PageFileChoice::IDC_PAGE, formIndex));
    ASSERT_TRUE(filesUser.Click(MenuInterfaceFiles::IDC_SELECT_FILE));
    ScriptedMessageBoxes none;
    program.dialogs.Answer(
        [&leave](CDialog& dialog, DialogDriver& user)
        {
            auto& tree = dynamic_cast<CTreeCtrl&>(*dialog.GetDlgItem(SelectMenuDlg::IDC_TREE));
            tree.Expand(tree.GetRootItem(), TVE_EXPAND);
            ASSERT_TRUE(
                user.ClickTreeItem(SelectMenuDlg::IDC_TREE, tree.GetChildItem(tree.GetRootItem())));
            ASSERT_TRUE(user.Click(SelectMenuDlg::IDC_SELECT));
            leave(dialog, false);
        });
    ASSERT_TRUE(filesUser.Click(MenuInterfaceFiles::IDC_ASSIGN));
    EXPECT_EQ(file->GetTopMenu(), top);
    EXPECT_TRUE(none.ShownTexts().empty());
}
