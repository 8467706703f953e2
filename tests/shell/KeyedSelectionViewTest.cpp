#include "editors/MenuDlg.h"
#include "editors/TableDialog.h"
#include "editors/logic/DatabasePane.h"
#include "editors/logic/TableDesigner.h"
#include "entities/Menu.h"
#include "model/Module.h"
#include "model/Table.h"
#include "platform/ui/DialogTemplate.h"
#include "platform/ui/TreeCtrl.h"
#include "tests/shell/RowListCases.h"
#include "tests/shell/RowListWalk.h"
#include "tests/shell/ShellTestSupport.h"

#include <QApplication>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <set>
#include <string>
#include <utility>
#include <vector>

// Each list and tree a dialog shows is declared once, and what a declaration names is a control
// of its template.
TEST(KeyedSelectionViewTest, EveryShownListAndTreeOfEveryDialogIsDeclared)
{
    std::vector<std::string> faults;
    for (const DialogTemplate* dialogTemplate : RegisteredDialogTemplates())
    {
        const std::string where = "template " + std::to_string(dialogTemplate->resourceId) + " ";
        const auto& controls = dialogTemplate->controls;
        const auto control = [&controls](int id)
        {
            return std::find_if(controls.begin(), controls.end(),
                                [id](const DialogControl& each) { return each.id == id; });
        };
        for (const DialogControl& each : controls)
        {
            const auto declarations = std::count_if(
                dialogTemplate->rowLists.begin(), dialogTemplate->rowLists.end(),
                [&each](const RowList& declared) { return declared.list == each.id; });
            const bool list =
                each.kind == ControlKind::ListCtrl || each.kind == ControlKind::TreeCtrl;
            if (list && !each.hidden && declarations != 1)
                faults.push_back(where + "list " + std::to_string(each.id) + " declared " +
                                 std::to_string(declarations) + " times");
        }
        for (const RowList& declared : dialogTemplate->rowLists)
        {
            for (int id : {declared.list, declared.panel, declared.remove})
            {
                if (id != 0 && control(id) == controls.end())
                    faults.push_back(where + "names " + std::to_string(id));
            }
        }
    }
    EXPECT_EQ(std::vector<std::string>{}, faults);
}

TEST(KeyedSelectionViewTest, ACommandActsOnTheRowAKeyHighlightedAndItsQuestionNamesIt)
{
    std::set<std::pair<UINT, int>> walked;
    for (const RowListCase& each : RowListCases())
    {
        SCOPED_TRACE(each.name);
        RunningProgram program;
        ASSERT_TRUE(program.started);
        bool opened = false;
        each.open(program,
                  [&opened, &walked](CWnd& window, int list)
                  {
                      opened = true;
                      WalkRowLists(window, list, walked);
                  });
        EXPECT_TRUE(opened);
    }
    // The database pane shows its tables only with a database loaded: the PostgreSQL suite of the
    // pane walks its list.
    std::vector<std::pair<UINT, int>> unwalked;
    for (const auto& worked : WorkedRowLists())
    {
        if (worked.first != static_cast<UINT>(DatabasePane::IDD) && !walked.contains(worked))
            unwalked.push_back(worked);
    }
    EXPECT_EQ((std::vector<std::pair<UINT, int>>{}), unwalked);
}

namespace
{
// What was typed in an editor, and how the user then leaves it.
struct Leaving
{
    const char* how;
    // Types into the editor and leaves it; the typed text shown afterwards.
    std::function<CString(RunningProgram&)> typeAndLeave;
    std::string question;
};

CString TypeSizeThenOpenAnotherTable(RunningProgram& program)
{
    Table* customer = program.Project().GetBaseModule()->GetMasterTables().front();
    program.Frame().EditTable(customer, Table::masterKind);
    auto& view =
        dynamic_cast<TableDialog&>(*program.Frame().GetRightPaneView(RightPane::TableView));
    DialogDriver user(view);
    EXPECT_TRUE(user.ClickListRow(TableDesigner::IDC_GRID, 2, 1));
    EXPECT_TRUE(user.SetText(TableDesigner::IDC_SIZE, "120"));
    program.Frame().EditTable(program.Project().GetBaseModule()->GetMasterTables().back(),
                              Table::masterKind);
    return user.GetText(TableDesigner::IDC_SIZE);
}

// The menu editor of the base module's top menu, on its "Menus" page.
struct MenusPage
{
    explicit MenusPage(RunningProgram& program)
        : view((program.Frame().EditMenu(program.Project().GetBaseModule()->GetMenuAt(0)),
                dynamic_cast<MenuDlg&>(*program.Frame().GetRightPaneView(RightPane::MenuView)))),
          menus(*view.Tabs().GetPage(0)), user(menus),
          tree(dynamic_cast<const CTreeCtrl&>(*menus.GetDlgItem(MenuCreation::IDC_TREE)))
    {
    }
    HTREEITEM Item(const char* text) const { return FindTreeItem(tree, tree.GetRootItem(), text); }

    MenuDlg& view;
    CWnd& menus;
    DialogDriver user;
    const CTreeCtrl& tree;
};

CString TypeMenuNameThenSwitchTab(RunningProgram& program)
{
    MenusPage page(program);
    auto& [view, menus, user, tree] = page;
    EXPECT_TRUE(user.ClickTreeItem(MenuCreation::IDC_TREE,
                                   FindTreeItem(tree, tree.GetRootItem(), "Masters")));
    EXPECT_TRUE(user.SetText(MenuCreation::IDC_NAME, "Lists"));
    // The click on the tab is refused: the page stays.
    EXPECT_FALSE(DialogDriver(view).SelectTab(MenuDlg::IDC_TABS, 1));
    EXPECT_EQ(0, view.Tabs().GetCurrentPage());
    return user.GetText(MenuCreation::IDC_NAME);
}
} // namespace

TEST(KeyedSelectionViewTest, TextTypedInAnEditorIsAskedAboutHoweverTheEditorIsLeft)
{
    const Leaving cases[] = {
        {"another table opened", TypeSizeThenOpenAnotherTable,
         "The field \"role_name\" has not been updated. Update it?"},
        {"another tab", TypeMenuNameThenSwitchTab,
         "The menu name \"Lists\" has not been updated. Update it?"},
    };
    for (const Leaving& each : cases)
    {
        SCOPED_TRACE(each.how);
        RunningProgram program;
        ASSERT_TRUE(program.started);
        const RightPane before = program.Frame().GetCurrentRightPane();
        program.boxes.Answer(IDCANCEL);
        const CString shown = each.typeAndLeave(program);
        EXPECT_EQ(std::vector<std::string>{each.question}, program.boxes.ShownTexts());
        EXPECT_NE(before, program.Frame().GetCurrentRightPane());
        EXPECT_TRUE(shown == "120" || shown == "Lists") << shown.GetString();
    }
}

TEST(KeyedSelectionViewTest, CancelOnTheMenuNameQuestionHighlightsTheMenuShownAgain)
{
    RunningProgram program;
    ASSERT_TRUE(program.started);
    MenusPage page(program);
    auto& [view, menus, user, tree] = page;
    const HTREEITEM masters = FindTreeItem(tree, tree.GetRootItem(), "Masters");
    const HTREEITEM next = tree.GetNextSiblingItem(masters);
    ASSERT_NE(next, nullptr);
    ASSERT_TRUE(user.ClickTreeItem(MenuCreation::IDC_TREE, masters));
    ASSERT_TRUE(user.SetText(MenuCreation::IDC_NAME, "Lists"));
    program.boxes.Answer(IDCANCEL);
    ASSERT_TRUE(user.ClickTreeItem(MenuCreation::IDC_TREE, next));
    QApplication::processEvents();
    auto* widget = static_cast<QTreeWidget*>(tree.GetSafeHwnd());
    ASSERT_EQ(1, widget->selectedItems().size());
    EXPECT_EQ("Masters", widget->selectedItems().front()->text(0).toStdString());
    EXPECT_EQ(masters, tree.GetSelectedItem());
    EXPECT_EQ("Lists", user.GetText(MenuCreation::IDC_NAME));
}

TEST(KeyedSelectionViewTest, TheSaveMessageGoesOnceAnEditorChangesTheProject)
{
    RunningProgram program;
    ASSERT_TRUE(program.started);
    program.files.Answer(program.PathOf("Shop.wvt").c_str());
    ASSERT_TRUE(program.Doc().Save());
    const CString saved = program.Frame().GetStatusBar()->GetPaneText(0);
    ASSERT_NE("", saved);
    MenusPage page(program);
    auto& [view, menus, user, tree] = page;
    ASSERT_TRUE(user.ClickTreeItem(MenuCreation::IDC_TREE,
                                   FindTreeItem(tree, tree.GetRootItem(), "Masters")));
    QApplication::processEvents();
    EXPECT_EQ(saved, program.Frame().GetStatusBar()->GetPaneText(0));
    // Enter in the name box updates the menu.
    ASSERT_TRUE(user.SetText(MenuCreation::IDC_NAME, "Lists"));
    ASSERT_TRUE(user.TypeKeys(MenuCreation::IDC_NAME, "\n"));
    QApplication::processEvents();
    EXPECT_NE(nullptr, FindTreeItem(tree, tree.GetRootItem(), "Lists"));
    EXPECT_EQ("", program.Frame().GetStatusBar()->GetPaneText(0));
}
