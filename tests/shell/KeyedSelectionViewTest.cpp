#include "designers/DashBoadCellInfoDlg.h"
#include "designers/DashBoardDlg.h"
#include "designers/DashBoardPageDlg.h"
#include "designers/GridDlgs.h"
#include "designers/logic/DashBoardDesigner.h"
#include "editors/MenuDlg.h"
#include "editors/TableDialog.h"
#include "editors/ViewEditorHost.h"
#include "editors/WarningDlg.h"
#include "editors/logic/TableDesigner.h"
#include "editors/logic/VariableEditor.h"
#include "entities/Form.h"
#include "entities/Menu.h"
#include "entities/Variable.h"
#include "model/Module.h"
#include "model/Table.h"
#include "shell/ForgeonView.h"
#include "tests/shell/ShellTestSupport.h"

#include <QApplication>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace
{
// What a list's command acted on once a key moved the highlight from the row clicked first.
struct Seen
{
    CString panel;
    std::vector<std::string> questions;
};

// Down moves the highlight of the list; the panel is read and the command answered with answer.
void KeyThenCommand(RunningProgram& program, DialogDriver& user, int list, int panel, int command,
                    int answer, Seen& seen)
{
    ASSERT_TRUE(user.PressKey(list, VK_DOWN));
    seen.panel = user.GetText(panel);
    program.boxes.Answer(answer);
    ASSERT_TRUE(user.Click(command));
    seen.questions = program.boxes.ShownTexts();
}

// A master table "customer" with the fields name, city and phone after its key and flag, shown
// in the table designer.
void TableDesignerDeletes(RunningProgram& program, Seen& seen)
{
    program.Frame().EditTable(nullptr, Table::masterKind);
    auto& view =
        dynamic_cast<TableDialog&>(*program.Frame().GetRightPaneView(RightPane::TableView));
    DialogDriver user(view);
    ASSERT_TRUE(user.SetText(TableDesigner::IDC_TABLE_NAME, "Customer"));
    for (const char* name : {"name\n", "city\n", "phone\n"})
        ASSERT_TRUE(user.TypeKeys(TableDesigner::IDC_FIELD_NAME, name));
    ASSERT_TRUE(user.Click(TableDesigner::IDC_OK));
    program.Frame().EditTable(program.Project().FindTableByName("customer"), Table::masterKind);
    ASSERT_TRUE(user.ClickListRow(TableDesigner::IDC_GRID, 3, 1));
    KeyThenCommand(program, user, TableDesigner::IDC_GRID, TableDesigner::IDC_FIELD_NAME,
                   TableDesigner::IDC_DELETE, IDCANCEL, seen);
}

// A page's variables "title", "city" and "zip" in Manage Variables.
void VariablesDelete(RunningProgram& program, Seen& seen)
{
    Form page;
    for (const char* name : {"title", "city", "zip"})
    {
        auto* variable = new Variable();
        variable->SetName(name);
        variable->SetKind(Variable::pageKind);
        page.AddFieldVariableMap(new FieldVariableMap{nullptr, variable});
    }
    program.dialogs.Answer(
        [&program, &seen](CDialog&, DialogDriver& user)
        {
            ASSERT_TRUE(user.ClickListRow(VariableEditor::IDC_LIST, 0, 1));
            KeyThenCommand(program, user, VariableEditor::IDC_LIST, VariableEditor::IDC_NAME,
                           VariableEditor::IDC_DELETE, IDCANCEL, seen);
            ASSERT_TRUE(user.PressOk());
        });
    ViewEditorHost::Get().EditVariables(page.EditFieldVariableMaps(), &page);
}

// A 1 x 2 grid whose cells hold the captions "Masters" and "Hello" in the dashboard designer.
void DashBoardRemovesData(RunningProgram& program, Seen& seen)
{
    auto& start = *program.Frame().GetRightPaneView(RightPane::StartPage);
    DialogDriver(start).Click(1531);
    auto& view =
        dynamic_cast<DashBoardDlg&>(*program.Frame().GetRightPaneView(RightPane::DashBoardView));
    DialogDriver user(view);
    CTreeCtrl& tree = view.GetTree();
    program.dialogs.Answer(
        [](CDialog&, DialogDriver& size)
        {
            ASSERT_TRUE(size.SetText(GridSizeInput::IDC_NUM_ROWS, "1"));
            ASSERT_TRUE(size.SetText(GridSizeInput::IDC_NUM_COLUMNS, "2"));
            ASSERT_TRUE(size.PressOk());
        });
    ASSERT_TRUE(user.Click(DashBoardDesigner::IDC_ADD));
    // The tree is filled again after each change.
    const auto cell = [&tree](int index)
    {
        HTREEITEM item = tree.GetChildItem(tree.GetChildItem(tree.GetRootItem()));
        for (int skipped = 0; skipped < index && item != nullptr; ++skipped)
            item = tree.GetNextSiblingItem(item);
        return item;
    };
    for (int index : {0, 1})
    {
        const char* caption = index == 0 ? "Masters" : "Hello";
        program.dialogs.Answer(
            [caption](CDialog&, DialogDriver& editor)
            {
                ASSERT_TRUE(editor.SetText(DashBoardCellEditor::IDC_CAPTION, caption));
                ASSERT_TRUE(editor.PressOk());
            });
        ASSERT_TRUE(user.RightClickTreeItem(DashBoardDesigner::IDC_TREE, cell(index),
                                            DashBoardDesigner::kAddMenu));
    }
    ASSERT_TRUE(user.ClickTreeItem(DashBoardDesigner::IDC_TREE, cell(0)));
    KeyThenCommand(program, user, DashBoardDesigner::IDC_TREE,
                   DashBoardDesigner::IDC_SELECTED_COLUMN, DashBoardDesigner::IDC_REMOVE_DATA, IDNO,
                   seen);
}
// The module's two dashboards placed on a new dashboard page; Down from the first, then the
// Delete key answered Cancel in the warning dialog. The panel reads the placements left.
void PlacementRemoved(RunningProgram& program, Seen& seen)
{
    program.Frame().GetTreeView()->EditEntity(RightPane::DashBoardPageView, nullptr);
    auto& view = dynamic_cast<DashBoardPageDlg&>(
        *program.Frame().GetRightPaneView(RightPane::DashBoardPageView));
    DialogDriver user(view);
    for (int index : {0, 1})
    {
        ASSERT_TRUE(user.Select(DashBoardPageDesigner::IDC_DASHBOARDS, index));
        ASSERT_TRUE(user.Click(DashBoardPageDesigner::IDC_ADD));
    }
    ASSERT_TRUE(user.ClickListRow(DashBoardPageDesigner::IDC_PLACEMENTS, 0));
    ASSERT_TRUE(user.PressKey(DashBoardPageDesigner::IDC_PLACEMENTS, VK_DOWN));
    program.dialogs.Answer(
        [&seen](CDialog&, DialogDriver& warning)
        {
            seen.questions.emplace_back(warning.GetText(WarningDlg::IDC_MESSAGE).GetString());
            warning.PressCancel();
        });
    ASSERT_TRUE(user.PressKey(DashBoardPageDesigner::IDC_PLACEMENTS, VK_DELETE));
    for (const ListRow& row : view.GetDesigner()->GetPlacementRows())
        seen.panel += row.cells[0] + ";";
}
} // namespace

TEST(KeyedSelectionViewTest, ACommandActsOnTheRowAKeyHighlightedAndItsQuestionNamesIt)
{
    const struct
    {
        const char* list;
        std::function<void(RunningProgram&, Seen&)> run;
        CString panel;
        std::vector<std::string> questions;
    } cases[] = {
        {"table designer",
         TableDesignerDeletes,
         "phone",
         {"Do you really want to delete field \"phone\"?"}},
        {"Manage Variables", VariablesDelete, "city", {"Do you want to delete variable \"city\"?"}},
        {"dashboard designer",
         DashBoardRemovesData,
         "Hello",
         {"Do you really want to erase the data \"TD_(TR0,TD1)_Hello\"?"}},
        {"dashboard page designer",
         PlacementRemoved,
         "BaseModule_Dashboard;Project_Dashboard;",
         {"Do you want to remove the dashboard \"Project_Dashboard\"?"}},
    };
    for (const auto& each : cases)
    {
        SCOPED_TRACE(each.list);
        RunningProgram program;
        ASSERT_TRUE(program.started);
        Seen seen;
        each.run(program, seen);
        EXPECT_EQ(each.panel, seen.panel);
        EXPECT_EQ(each.questions, seen.questions);
    }
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
