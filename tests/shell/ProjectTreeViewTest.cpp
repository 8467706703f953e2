#include "model/Field.h"
#include "model/Table.h"
#include "platform/ui/Edit.h"
#include "platform/ui/ScriptedPopupMenus.h"
#include "shell/ForgeonView.h"
#include "shell/ReNameModuleDlg.h"
#include "shell/logic/ProjectTree.h"
#include "shell/logic/ProjectTreeBuilder.h"
#include "shell/logic/ProjectTreeLayout.h"
#include "tests/shell/ShellTestSupport.h"

#include <QLineEdit>
#include <QTest>
#include <QTreeWidget>

namespace
{
class ProjectTreeViewTest : public ::testing::Test
{
protected:
    ForgeonView& View() const { return *program.Frame().GetTreeView(); }
    CTreeCtrl& Tree() const { return View().GetTreeCtrl(); }
    Module& Base() const { return *program.Project().GetBaseModule(); }
    static HTREEITEM Node(Module& module, int slot)
    {
        return static_cast<HTREEITEM>((*module.GetTreeItems())[slot]);
    }
    // The child of the item with the text.
    HTREEITEM Child(HTREEITEM parent, const char* text) const
    {
        for (HTREEITEM item = Tree().GetChildItem(parent); item != nullptr;
             item = Tree().GetNextSiblingItem(item))
        {
            if (Tree().GetItemText(item) == text)
                return item;
        }
        return nullptr;
    }
    // "text [image] data" of the children of the item.
    std::string Children(HTREEITEM parent) const
    {
        std::string text;
        for (HTREEITEM item = parent != nullptr ? Tree().GetChildItem(parent)
                                                : Tree().GetRootItem();
             item != nullptr; item = Tree().GetNextSiblingItem(item))
        {
            int image = 0;
            int selected = 0;
            Tree().GetItemImage(item, image, selected);
            text += std::string(Tree().GetItemText(item).GetString()) + " [" +
                    std::to_string(image) + "] " +
                    std::to_string(static_cast<int>(Tree().GetItemData(item))) + "\n";
        }
        return text;
    }
    // The entries of the menu shown last: "text" or "text (grayed)".
    std::vector<std::string> LastMenu(const ScriptedPopupMenus& menus) const
    {
        std::vector<std::string> entries;
        for (const ScriptedPopupMenus::Entry& entry : menus.Shown().back().entries)
            entries.push_back(std::string(entry.text.GetString()) +
                              (entry.grayed ? " (grayed)" : ""));
        return entries;
    }
    QLineEdit* LabelEditor() const
    {
        CEdit* edit = Tree().GetEditControl();
        return edit != nullptr ? static_cast<QLineEdit*>(edit->GetSafeHwnd()) : nullptr;
    }

    RunningProgram program;
};

TEST_F(ProjectTreeViewTest, ANewProjectShowsItsTreeInTheWindow)
{
    const HTREEITEM root = Tree().GetRootItem();
    EXPECT_EQ(Children(nullptr), "Untitled Project [0] 0\n");
    EXPECT_EQ(Children(root), "BaseModule [1] 1\n");
    EXPECT_EQ(Children(Tree().GetChildItem(root)), "Master Tables(2) [2] -2\n"
                                                   "Master Forms(2) [5] -3\n"
                                                   "Master-Detail Tables [7] -4\n"
                                                   "Master-Detail Forms [9] -5\n"
                                                   "Dashboards(2) [17] -6\n"
                                                   "Procedures [1] -7\n"
                                                   "Default Procedures [1] -8\n"
                                                   "Search Reports(1) [13] -11\n"
                                                   "Reports [11] -19\n"
                                                   "Menus(1) [19] -12\n"
                                                   "Map Tables [1] -13\n"
                                                   "Map Forms [1] -14\n"
                                                   "DashBoardPages(2) [15] -15\n"
                                                   "MultiPageReports [1] -16\n"
                                                   "Login Page [1] -17\n"
                                                   "ReportCollectors [1] -20\n"
                                                   "User Defined Functions [21] -18\n");
    EXPECT_TRUE(Tree().IsExpanded(root));
    EXPECT_TRUE(Tree().IsExpanded(Tree().GetChildItem(root)));
    // The item pictures: 23 of 18 by 18, shown on the items.
    auto* widget = static_cast<QTreeWidget*>(Tree().GetSafeHwnd());
    EXPECT_FALSE(reinterpret_cast<QTreeWidgetItem*>(root)->icon(0).isNull());
    EXPECT_NE(widget, nullptr);
    EXPECT_EQ(program.boxes.Shown().size(), 0u);
}

TEST_F(ProjectTreeViewTest, AnEditorInsertsTheItemOfAnEntityItStored)
{
    auto* table = new Table;
    table->SetTableName("customer");
    table->EnsureDefaultFields();
    Base().AddTable(table);
    ProjectTreeBuilder(View().GetTreeControl()).AddTableItem(Base(), *table);
    const HTREEITEM item = Child(Node(Base(), TreeSlot::MasterTables), "customer");
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(Children(item),
              "customer_id [4] " + std::to_string(table->GetPrimaryKeyField()->GetId()) +
                  "\nIs_Deleted [4] " +
                  std::to_string(table->FindFieldByName("Is_Deleted")->GetId()) + "\n");
    EXPECT_EQ(Tree().GetItemText(Node(Base(), TreeSlot::MasterTables)), "Master Tables(3)");
}

TEST_F(ProjectTreeViewTest, EveryContextMenuShowsItsEntriesWithTheirEnabledState)
{
    ScriptedPopupMenus menus;
    const HTREEITEM forms = Node(Base(), TreeSlot::MasterForms);
    const struct
    {
        HTREEITEM item;
        std::vector<std::string> entries;
    } cases[] = {
        {Tree().GetRootItem(), {"Create Module"}},
        {Tree().GetChildItem(Tree().GetRootItem()), {"Write Module", "Delete", "Rename"}},
        {Node(Base(), TreeSlot::MasterTables),
         {"Create Table", "Create Forms", "Paste Table (grayed)"}},
        {Node(Base(), TreeSlot::DetailTables),
         {"Create Table", "Create Forms", "Paste Table (grayed)"}},
        {Child(Node(Base(), TreeSlot::MasterTables), "useraccount"),
         {"Create Form", "Copy Table", "Write Table Script"}},
        {forms, {"Paste Form (grayed)"}},
        {Child(forms, "useraccount_form"), {"Write Form", "Copy Form"}},
        {Node(Base(), TreeSlot::DetailForms),
         {"Create Master-Detail", "Copy Master-Detail (grayed)", "Paste Master-Detail (grayed)",
          "Write Master-Detail (grayed)"}},
        {Node(Base(), TreeSlot::Dashboards), {"Create Dashboard"}},
        {Node(Base(), TreeSlot::SearchReports),
         {"Create Search Report", "Paste Search Report (grayed)"}},
        {Tree().GetChildItem(Node(Base(), TreeSlot::SearchReports)), {"Copy", "Write Report"}},
        {Node(Base(), TreeSlot::Reports), {"Create Report"}},
        {Node(Base(), TreeSlot::Menus), {"Create Menu", "Write Menu"}},
        {Node(Base(), TreeSlot::DashBoardPages),
         {"Create DashBoardPage", "Write DashBoardPage (grayed)"}},
        {Tree().GetChildItem(Node(Base(), TreeSlot::DashBoardPages)),
         {"Create DashBoardPage (grayed)", "Write DashBoardPage"}},
        {Node(Base(), TreeSlot::UserFunctions), {"Create Function"}},
        {Node(Base(), TreeSlot::MapTables),
         {"Create Table", "Create Forms (grayed)", "Paste Table (grayed)"}},
        {Node(Base(), TreeSlot::SelectRecordProcedures), {"Create Procedure"}},
        {Node(Base(), TreeSlot::MultiPageReports), {"Create MultiPageReport"}},
        {Node(Base(), TreeSlot::ReportCollectors), {"Create ReportCollector"}},
    };
    for (const auto& each : cases)
    {
        const std::size_t shown = menus.Shown().size();
        View().ShowContextMenu(each.item, CPoint(40, 50));
        ASSERT_EQ(menus.Shown().size(), shown + 1) << Tree().GetItemText(each.item).GetString();
        EXPECT_EQ(LastMenu(menus), each.entries) << Tree().GetItemText(each.item).GetString();
        EXPECT_EQ(menus.Shown().back().point, CPoint(40, 50));
        EXPECT_EQ(menus.Shown().back().flags & TPM_RETURNCMD, TPM_RETURNCMD);
    }
    // Fields, menus, dashboards, map forms and the login page have no menu.
    const std::size_t shown = menus.Shown().size();
    View().ShowContextMenu(Node(Base(), TreeSlot::MapForms), CPoint(0, 0));
    View().ShowContextMenu(Tree().GetChildItem(Node(Base(), TreeSlot::LoginPage)), CPoint(0, 0));
    View().ShowContextMenu(Tree().GetChildItem(Node(Base(), TreeSlot::Menus)), CPoint(0, 0));
    View().ShowContextMenu(Tree().GetChildItem(Node(Base(), TreeSlot::Dashboards)), CPoint(0, 0));
    EXPECT_EQ(menus.Shown().size(), shown);
}

TEST_F(ProjectTreeViewTest, ADoubleClickSwitchesTheRightPaneToTheEntitysEditor)
{
    const struct
    {
        HTREEITEM item;
        RightPane pane;
    } cases[] = {
        {Child(Node(Base(), TreeSlot::MasterTables), "useraccount"), RightPane::TableView},
        {Child(Node(Base(), TreeSlot::MasterForms), "useraccount_form"), RightPane::FormEditor},
        {Tree().GetChildItem(Node(Base(), TreeSlot::SearchReports)), RightPane::ReportView},
        {Tree().GetChildItem(Node(Base(), TreeSlot::Dashboards)), RightPane::DashBoardView},
        {Tree().GetChildItem(Node(Base(), TreeSlot::Menus)), RightPane::MenuView},
        {Tree().GetChildItem(Node(Base(), TreeSlot::DashBoardPages)), RightPane::DashBoardPageView},
    };
    for (const auto& each : cases)
    {
        program.Frame().ShowStartPage();
        View().OpenItem(each.item);
        EXPECT_EQ(program.Frame().GetCurrentRightPane(), each.pane)
            << Tree().GetItemText(each.item).GetString();
    }
    // A field opens nothing.
    program.Frame().ShowStartPage();
    View().OpenItem(
        Tree().GetChildItem(Child(Node(Base(), TreeSlot::MasterTables), "useraccount")));
    EXPECT_EQ(program.Frame().GetCurrentRightPane(), RightPane::StartPage);

    // The tree widget's double click on the selected item does the same.
    auto* widget = static_cast<QTreeWidget*>(Tree().GetSafeHwnd());
    const HTREEITEM form = Child(Node(Base(), TreeSlot::MasterForms), "useraccount_form");
    Tree().SelectItem(form);
    emit widget->itemDoubleClicked(reinterpret_cast<QTreeWidgetItem*>(form), 0);
    EXPECT_EQ(program.Frame().GetCurrentRightPane(), RightPane::FormEditor);
}

TEST_F(ProjectTreeViewTest, CreateModuleOpensTheNewNameForEditingAndTheTypedNameRenamesIt)
{
    ScriptedPopupMenus menus;
    menus.Answer(10);
    View().ShowContextMenu(Tree().GetRootItem(), CPoint(10, 10));
    ASSERT_EQ(program.Project().GetModuleCount(), 2);
    Module& added = *program.Project().GetModuleAt(1);
    const HTREEITEM item = Child(Tree().GetRootItem(), "Module2");
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(Tree().GetSelectedItem(), item);
    QLineEdit* editor = LabelEditor();
    ASSERT_NE(editor, nullptr);

    // A name with a blank is refused and the module keeps its name.
    editor->selectAll();
    QTest::keyClicks(editor, "Sales Team");
    QTest::keyClick(editor, Qt::Key_Return);
    QApplication::processEvents();
    ASSERT_EQ(program.boxes.Shown().size(), 1u);
    EXPECT_EQ(program.boxes.Shown()[0].text, "Please enter Module Name without space");
    EXPECT_EQ(Tree().GetItemText(item), "Module2");
    EXPECT_EQ(added.GetName(), "Module2");

    Tree().EditLabel(item);
    editor = LabelEditor();
    ASSERT_NE(editor, nullptr);
    editor->selectAll();
    QTest::keyClicks(editor, "Sales");
    QTest::keyClick(editor, Qt::Key_Return);
    QApplication::processEvents();
    EXPECT_EQ(added.GetName(), "Sales");
    EXPECT_EQ(Tree().GetItemText(item), "Sales");
    EXPECT_EQ(Children(Node(added, TreeSlot::Menus)).rfind("SalesMenu [20]", 0), 0u);
    EXPECT_EQ(program.boxes.Shown().size(), 1u);

    // Rename in the module's menu shows the Rename Module dialog on the module; a refused name
    // keeps it open.
    program.dialogs.Answer(
        [](CDialog&, DialogDriver& user)
        {
            EXPECT_EQ(user.GetText(ReNameModuleDlg::IDC_NAME), "Sales");
            user.SetText(ReNameModuleDlg::IDC_NAME, "Sales:East");
            user.PressOk();
            user.SetText(ReNameModuleDlg::IDC_NAME, "Orders");
            user.PressOk();
        });
    menus.Answer(40);
    View().ShowContextMenu(item, CPoint(10, 10));
    EXPECT_EQ(program.dialogs.Shown(), std::vector<UINT>{ReNameModuleDlg::IDD});
    EXPECT_EQ(added.GetName(), "Orders");
    EXPECT_NE(Child(Tree().GetRootItem(), "Orders"), nullptr);
    ASSERT_EQ(program.boxes.Shown().size(), 2u);
    EXPECT_EQ(program.boxes.Shown()[1].text.rfind("Module name cannot contain", 0), 0u);
}

TEST_F(ProjectTreeViewTest, TheModuleCommandsOfTheMainMenuGoThroughTheTree)
{
    program.Command(ID_MODULE_ADD);
    ASSERT_EQ(program.Project().GetModuleCount(), 2);
    ASSERT_NE(LabelEditor(), nullptr);
    QTest::keyClick(LabelEditor(), Qt::Key_Escape);
    QApplication::processEvents();

    Tree().SelectItem(Tree().GetRootItem());
    program.Command(ID_MODULE_DELETE);
    Tree().SelectItem(Child(Tree().GetRootItem(), "Module2"));
    program.Command(ID_MODULE_DELETE);
    std::vector<std::string> shown;
    for (const auto& box : program.boxes.Shown())
        shown.push_back(box.text);
    EXPECT_EQ(shown, (std::vector<std::string>{
                         "Please select module to delete.",
                         "Cannot delete a selected module as it contains data.\nFor Deletion you "
                         "need to clean the data mannualy.\nThe module holds:\ndashboards: "
                         "Module2_Dashboard\ndashboard pages: Module2_Dashboard\nmenus: "
                         "Module2Menu"}));

    program.dialogs.Answer(
        [](CDialog&, DialogDriver& user)
        {
            user.Select(ReNameModuleDlg::IDC_MODULE, 0);
            EXPECT_EQ(user.GetText(ReNameModuleDlg::IDC_NAME), "BaseModule");
            user.SetText(ReNameModuleDlg::IDC_NAME, "Main");
            user.PressOk();
        });
    program.Command(ID_MODULE_RENAME);
    EXPECT_EQ(program.Project().GetModuleNames(), (std::vector<CString>{"Main", "Module2"}));
    EXPECT_NE(Child(Tree().GetRootItem(), "Main"), nullptr);

    // The hidden delete command deletes the selected item.
    Tree().SelectItem(
        Child(Node(*program.Project().GetBaseModule(), TreeSlot::MasterTables), "useraccount"));
    program.Command(ID_DELETE_TREE_ITEM);
    EXPECT_EQ(program.boxes.Shown().back().text, "Can not delete Default Table");
}

TEST_F(ProjectTreeViewTest, TheDeleteKeyRunsTheGuardsOfTheSelectedItem)
{
    auto* widget = static_cast<QTreeWidget*>(Tree().GetSafeHwnd());
    Tree().SelectItem(Child(Node(Base(), TreeSlot::MasterTables), "useraccount"));
    QTest::keyClick(widget, Qt::Key_Delete);
    Tree().SelectItem(Tree().GetChildItem(Tree().GetRootItem()));
    QTest::keyClick(widget, Qt::Key_Delete);
    // The module's holdings, which follow, are listed by the tree's commands' tests.
    std::vector<std::string> shown;
    for (const auto& box : program.boxes.Shown())
        shown.push_back(box.text.substr(0, box.text.find("\nThe module holds:")));
    EXPECT_EQ(shown, (std::vector<std::string>{
                         "Can not delete Default Table",
                         "Cannot delete a selected module as it contains data.\nFor Deletion you "
                         "need to clean the data mannualy."}));
    EXPECT_EQ(program.Project().GetModuleCount(), 1);
}

TEST_F(ProjectTreeViewTest, EnterOpensTheSelectedEntitysEditor)
{
    auto* widget = static_cast<QTreeWidget*>(Tree().GetSafeHwnd());
    Tree().SelectItem(Child(Node(Base(), TreeSlot::MasterTables), "useraccount"));
    widget->setFocus();
    QTest::keyClick(widget, Qt::Key_Return);
    EXPECT_EQ(program.Frame().GetCurrentRightPane(), RightPane::TableView);
    Tree().SelectItem(Child(Node(Base(), TreeSlot::MasterForms), "useraccount_form"));
    QTest::keyClick(widget, Qt::Key_Enter);
    EXPECT_EQ(program.Frame().GetCurrentRightPane(), RightPane::FormEditor);
}
} // namespace
