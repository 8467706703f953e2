#include "entities/ApplicationReport.h"
#include "entities/Class.h"
#include "entities/ClassInvokation.h"
#include "entities/DashBoard.h"
#include "entities/DashBoardPage.h"
#include "entities/DashBoardPageData.h"
#include "entities/Form.h"
#include "entities/Function.h"
#include "entities/LoginPage.h"
#include "entities/MapForm.h"
#include "entities/Menu.h"
#include "entities/Procedure.h"
#include "entities/ProcedureFieldInfo.h"
#include "entities/ProcedureInvokation.h"
#include "entities/RDLCInfo.h"
#include "entities/RDLCReport.h"
#include "entities/ReportField.h"
#include "entities/ReportGroup.h"
#include "entities/Transaction.h"
#include "model/Field.h"
#include "model/MainFrameAccess.h"
#include "model/ProjectStore.h"
#include "tests/shell/logic/TreeFixture.h"
#include "tests/support/HostFiles.h"
#include "tests/support/TempFolder.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace
{
std::string EntriesText(TreeMenu menu)
{
    std::string text;
    for (const TreeMenuEntry& entry : TreeMenuEntries(menu))
        text += std::to_string(entry.command) + " " + entry.text + "; ";
    return text;
}

// An entity as the host receives it.
const void* Entity(CObject* entity)
{
    return entity;
}

constexpr const char* kModuleHoldsData = "Cannot delete a selected module as it contains data.\n"
                                         "For Deletion you need to clean the data mannualy.";
// The tree's delete question about the item named so.
std::string ConfirmDelete(const std::string& name)
{
    return "Do you really want to delete the selected entity \"" + name + "\"?";
}
} // namespace

TEST(TreeMenuTest, EveryMenuHasItsEntriesInOrder)
{
    const std::map<TreeMenu, std::string> expected = {
        {TreeMenu::None, ""},
        {TreeMenu::ProjectRoot, "10 Create Module; "},
        {TreeMenu::Module, "20 Write Module; 30 Delete; 40 Rename; "},
        {TreeMenu::TableCategory, "10 Create Table; 20 Create Forms; 30 Paste Table; "},
        {TreeMenu::TableItem, "10 Create Form; 20 Copy Table; 70 Write Table Script; "},
        {TreeMenu::MasterFormsNode, "10 Paste Form; "},
        {TreeMenu::FormItem, "10 Write Form; 20 Copy Form; "},
        {TreeMenu::MasterDetail, "10 Create Master-Detail; 20 Copy Master-Detail; 30 Paste "
                                 "Master-Detail; 40 Write Master-Detail; "},
        {TreeMenu::DashboardsNode, "10 Create Dashboard; "},
        {TreeMenu::SearchReportsNode, "10 Create Search Report; 20 Paste Search Report; "},
        {TreeMenu::SearchReportItem, "10 Copy; 20 Write Report; "},
        {TreeMenu::ReportsNode, "10 Create Report; "},
        {TreeMenu::MenusNode, "10 Create Menu; 20 Write Menu; "},
        {TreeMenu::MapFormItem, "10 Write MapForm; "},
        {TreeMenu::DashBoardPage, "10 Create DashBoardPage; 20 Write DashBoardPage; "},
        {TreeMenu::UserFunctionsNode, "10 Create Function; "},
        {TreeMenu::Procedure, "10 Create Procedure; "},
        {TreeMenu::MultiPageReport, "10 Create MultiPageReport; "},
        {TreeMenu::ReportCollector, "10 Create ReportCollector; "},
    };
    ASSERT_EQ(expected.size(), static_cast<std::size_t>(kTreeMenuCount) + 1);
    for (const auto& [menu, entries] : expected)
        EXPECT_EQ(EntriesText(menu), entries) << static_cast<int>(menu);
}

TEST_F(CommandFixture, ARightClickChoosesTheMenuOfTheItemAndItsModule)
{
    AddTransaction();
    const TreeHandle transaction = control.GetChildItem(Node(Base(), TreeSlot::DetailForms));
    ASSERT_NE(transaction, nullptr);
    struct Case
    {
        TreeHandle item;
        TreeMenu menu;
        std::vector<UINT> grayed;
    };
    const Case cases[] = {
        {tree.GetRootItem(), TreeMenu::ProjectRoot, {}},
        {tree.GetModuleItem(1), TreeMenu::Module, {}},
        // Nothing was copied: the paste entries are grayed.
        {Node(Base(), TreeSlot::MasterTables), TreeMenu::TableCategory, {30}},
        {Node(Base(), TreeSlot::DetailTables), TreeMenu::TableCategory, {30}},
        {Item(Base(), TreeSlot::MasterTables, "customer"), TreeMenu::TableItem, {}},
        {control.GetChildItem(Node(Base(), TreeSlot::DetailTables)), TreeMenu::TableItem, {}},
        {Node(Base(), TreeSlot::MasterForms), TreeMenu::MasterFormsNode, {10}},
        {Item(Base(), TreeSlot::MasterForms, "customer_form"), TreeMenu::FormItem, {}},
        {Node(Base(), TreeSlot::DetailForms), TreeMenu::MasterDetail, {20, 40, 30}},
        {transaction, TreeMenu::MasterDetail, {10, 30}},
        {Node(Base(), TreeSlot::Dashboards), TreeMenu::DashboardsNode, {}},
        {Node(Base(), TreeSlot::SearchReports), TreeMenu::SearchReportsNode, {20}},
        {control.GetChildItem(Node(Base(), TreeSlot::SearchReports)),
         TreeMenu::SearchReportItem,
         {}},
        {Node(Base(), TreeSlot::Reports), TreeMenu::ReportsNode, {}},
        {Node(Base(), TreeSlot::Menus), TreeMenu::MenusNode, {}},
        {Node(*second, TreeSlot::DashBoardPages), TreeMenu::DashBoardPage, {20}},
        {control.GetChildItem(Node(*second, TreeSlot::DashBoardPages)),
         TreeMenu::DashBoardPage,
         {10}},
        {Node(Base(), TreeSlot::UserFunctions), TreeMenu::UserFunctionsNode, {}},
        // Fields, dashboards, RDLC reports, menus and functions have no menu.
        {control.GetChildItem(Item(Base(), TreeSlot::MasterTables, "customer")),
         TreeMenu::None,
         {}},
        {control.GetChildItem(Node(Base(), TreeSlot::Dashboards)), TreeMenu::None, {}},
        {control.GetChildItem(Node(Base(), TreeSlot::Reports)), TreeMenu::None, {}},
        {control.GetChildItem(Node(Base(), TreeSlot::Menus)), TreeMenu::None, {}},
    };
    for (const Case& each : cases)
    {
        commands.SelectModuleOfItem(each.item);
        const TreeMenuChoice choice = commands.ChooseMenu(each.item);
        EXPECT_EQ(choice.menu, each.menu) << control.GetItemText(each.item).GetString();
        EXPECT_EQ(choice.grayed, each.grayed) << control.GetItemText(each.item).GetString();
    }
    // A copy waiting enables its paste entry until it is pasted.
    Base().SetPastedReport(Base().GetReports().front());
    EXPECT_TRUE(commands.ChooseMenu(Node(Base(), TreeSlot::SearchReports)).grayed.empty());
    Base().SetPastedReport(nullptr);
    // The click made the item's module current.
    commands.SelectModuleOfItem(Node(*second, TreeSlot::Menus));
    EXPECT_EQ(project.GetCurrentModule(), second);
}

TEST_F(CommandFixture, ADoubleClickOpensTheEntityInItsEditor)
{
    Form* form = Base().FindMasterFormByName("customer_form");
    ApplicationReport* report = Base().FindReportByName("customer Report");
    Menu* menu = second->GetMenus().front();
    DashBoard* dashBoard = Base().GetDashBoards().front();
    struct Case
    {
        TreeHandle item;
        RightPane pane;
        const void* entity;
    };
    const Case cases[] = {
        {Item(Base(), TreeSlot::MasterTables, "customer"), RightPane::TableView, customer},
        {Item(Base(), TreeSlot::MasterForms, "customer_form"), RightPane::FormEditor, Entity(form)},
        {Item(Base(), TreeSlot::SearchReports, "customer Report"), RightPane::ReportView,
         Entity(report)},
        {Item(Base(), TreeSlot::Dashboards, dashBoard->GetFormName()), RightPane::DashBoardView,
         Entity(dashBoard)},
        {Item(Base(), TreeSlot::UserFunctions, "CustomersByName"), RightPane::UserFunctionView,
         Entity(function)},
        {Item(*second, TreeSlot::DashBoardPages, "Module2_Dashboard"), RightPane::DashBoardPageView,
         Entity(second->FindDashBoardPageByName("Module2_Dashboard"))},
        {Item(*second, TreeSlot::Menus, "Module2Menu"), RightPane::MenuView, Entity(menu)},
    };
    for (const Case& each : cases)
    {
        host.opened.clear();
        commands.OpenItem(each.item);
        ASSERT_EQ(host.opened.size(), 1u) << control.GetItemText(each.item).GetString();
        EXPECT_EQ(host.opened[0].pane, each.pane);
        EXPECT_EQ(host.opened[0].entity, each.entity);
    }
    EXPECT_EQ(project.GetCurrentModule(), second) << "the last click was in Module2";
    EXPECT_TRUE(control.IsExpanded(tree.GetModuleItem(1)));
    EXPECT_FALSE(control.IsExpanded(tree.GetModuleItem(0)));

    // Fields, category nodes, modules and the root open nothing.
    host.opened.clear();
    for (const TreeHandle item :
         {control.GetChildItem(Item(Base(), TreeSlot::MasterTables, "customer")),
          Node(Base(), TreeSlot::MasterForms), tree.GetModuleItem(0), tree.GetRootItem()})
        commands.OpenItem(item);
    EXPECT_TRUE(host.opened.empty());
}

TEST_F(CommandFixture, DeleteGuardsRefuseWithTheirMessages)
{
    const TreeHandle useraccount = Item(Base(), TreeSlot::MasterTables, "useraccount");
    const TreeHandle customerItem = Item(Base(), TreeSlot::MasterTables, "customer");
    const std::size_t items = control.CountItems();
    struct Case
    {
        TreeHandle item;
        // The message boxes shown: the confirmation first when it is asked.
        std::vector<std::string> messages;
    };
    const Case cases[] = {
        {useraccount, {"Can not delete Default Table"}},
        {control.Child(useraccount, "username"),
         {ConfirmDelete("username"), "Can not Delete Fields from default table"}},
        {control.Child(customerItem, "customer_id"),
         {ConfirmDelete("customer_id"), "Can not delete default fields"}},
        {control.Child(customerItem, "Is_Deleted"),
         {ConfirmDelete("Is_Deleted"), "Can not delete default fields"}},
        {tree.GetModuleItem(0),
         {kModuleHoldsData + std::string("\nThe module holds:\n"
                                         "master tables: customer, personnel_role, useraccount\n"
                                         "forms: ChangePassword_form, customer_form, "
                                         "useraccount_form\n"
                                         "search reports: customer Report, useraccount Report\n"
                                         "dashboards: BaseModule_Dashboard, Project_Dashboard\n"
                                         "dashboard pages: BaseModule_Dashboard, "
                                         "Project_Dashboard\n"
                                         "menus: BaseModuleMenu\n"
                                         "roles: admin")}},
        // A module as Create Module makes it names what it was made with.
        {tree.GetModuleItem(1),
         {kModuleHoldsData + std::string("\nThe module holds:\n"
                                         "dashboards: Module2_Dashboard\n"
                                         "dashboard pages: Module2_Dashboard\n"
                                         "menus: Module2Menu")}},
        {Node(Base(), TreeSlot::MasterTables), {}},
        {tree.GetRootItem(), {}},
    };
    for (const Case& each : cases)
    {
        ScriptedMessageBoxes answers({IDOK});
        Delete(each.item);
        std::vector<std::string> shown;
        for (const auto& box : answers.Shown())
            shown.push_back(box.text);
        EXPECT_EQ(shown, each.messages) << control.GetItemText(each.item).GetString();
    }
    // Cancel keeps the table.
    ScriptedMessageBoxes answers({IDCANCEL});
    Delete(customerItem);
    EXPECT_EQ(Base().FindMasterTableByName("customer"), customer);
    EXPECT_EQ(control.CountItems(), items);
    EXPECT_EQ(project.GetModuleCount(), 2);
    // Nothing went: the editor shown stays as it is.
    EXPECT_TRUE(host.opened.empty());
    EXPECT_EQ(host.rebinds, 0);
}

TEST_F(CommandFixture, EveryDeletionHasTheEditorShownLetGoOfWhatWent)
{
    const std::pair<int, const char*> items[] = {
        {TreeSlot::MasterForms, "customer_form"},
        {TreeSlot::SearchReports, "customer Report"},
        {TreeSlot::Reports, "customer_rdlc"},
        {TreeSlot::DashBoardPages, "BaseModule_Dashboard"},
        {TreeSlot::Dashboards, "BaseModule_Dashboard"},
        {TreeSlot::Menus, "BaseModuleMenu"},
        {TreeSlot::UserFunctions, "CustomersByName"},
        {TreeSlot::MasterTables, "customer"},
    };
    int rebinds = 0;
    for (const auto& [slot, name] : items)
    {
        SCOPED_TRACE(name);
        const TreeHandle item = Item(Base(), slot, name);
        ASSERT_NE(item, nullptr);
        ScriptedMessageBoxes answers({IDOK});
        Delete(item);
        EXPECT_EQ(Item(Base(), slot, name), nullptr);
        EXPECT_EQ(host.rebinds, ++rebinds);
    }
}

TEST_F(CommandFixture, ADefaultTableOutsideTheBaseModuleIsAskedForAndDeleted)
{
    Table* copy = NewTable("useraccount");
    second->AddTable(copy);
    tree.BuildTree(&project);
    ScriptedMessageBoxes answers({IDOK});
    Delete(Item(*second, TreeSlot::MasterTables, "useraccount"));
    ASSERT_EQ(answers.Shown().size(), 1u);
    EXPECT_EQ(answers.Shown()[0].text, ConfirmDelete("useraccount"));
    EXPECT_TRUE(second->GetMasterTables().empty());
    EXPECT_EQ(control.GetItemText(Node(*second, TreeSlot::MasterTables)), "Master Tables");
}

TEST_F(CommandFixture, AnEmptyModuleIsDeletedAndTheBaseModuleBecomesCurrent)
{
    auto* empty = new Module("Empty");
    empty->SetNumber(9);
    project.AddModule(empty);
    tree.BuildTree(&project);
    Choose(tree.GetModuleItem(2), 30);
    EXPECT_EQ(project.GetModuleNames(), (std::vector<CString>{"BaseModule", "Module2"}));
    EXPECT_EQ(project.GetCurrentModule(), &Base());
    EXPECT_EQ(tree.GetModuleItem(2), nullptr);
    EXPECT_EQ(control.Dump(tree.GetRootItem(), 1), "BaseModule [1] 1\nModule2 [1] 2\n");
    EXPECT_TRUE(boxes.Shown().empty());
    // The editor shown, which may hold an entity of the module, was left for the start page.
    ASSERT_EQ(host.opened.size(), 1u);
    EXPECT_EQ(host.opened[0].pane, RightPane::StartPage);
}

TEST_F(CommandFixture, DeletingATableTakesItsPagesOutOfTheTreeAndTheProjectLoadsAgain)
{
    ScriptedMessageBoxes answers({IDOK, IDOK, IDOK});
    const int functionId = function->GetId();
    Delete(Item(Base(), TreeSlot::UserFunctions, "CustomersByName"));
    EXPECT_EQ(Base().FindFunctionById(functionId), nullptr);
    EXPECT_EQ(control.GetItemText(Node(Base(), TreeSlot::UserFunctions)), "User Defined Functions");
    Delete(control.Child(Item(Base(), TreeSlot::MasterTables, "customer"), "name"));
    EXPECT_EQ(customer->FindFieldByName("name"), nullptr);
    EXPECT_EQ(control.Child(Item(Base(), TreeSlot::MasterTables, "customer"), "name"), nullptr);
    ASSERT_FALSE(host.opened.empty());
    EXPECT_EQ(host.opened.back().entity, customer);

    Delete(Item(Base(), TreeSlot::MasterTables, "customer"));
    EXPECT_EQ(Base().FindMasterTableByName("customer"), nullptr);
    EXPECT_EQ(host.reset,
              (std::vector<RightPane>{RightPane::UserFunctionView, RightPane::FormEditor,
                                      RightPane::MapFormView, RightPane::ReportView,
                                      RightPane::RDLCReportView, RightPane::TableView}));
    // The form and the reports went with the table; the counts of the table's node and of the
    // five kinds of its pages follow in every module, as a new tree shows them.
    EXPECT_EQ(control.Dump(tree.GetModuleItem(0), 1), "Master Tables(2) [2] -2\n"
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
    EXPECT_EQ(Item(Base(), TreeSlot::MasterForms, "customer_form"), nullptr);
    EXPECT_EQ(Item(Base(), TreeSlot::SearchReports, "customer Report"), nullptr);
    EXPECT_EQ(control.GetItemText(Node(*second, TreeSlot::MasterForms)), "Master Forms");

    // Every item left names an entity of its module, and the project survives a save and load.
    for (TreeHandle node = control.GetChildItem(tree.GetModuleItem(0)); node != nullptr;
         node = control.GetNextSiblingItem(node))
    {
        for (TreeHandle item = control.GetChildItem(node); item != nullptr;
             item = control.GetNextSiblingItem(item))
        {
            if (tree.IsCategoryNode(item))
                continue;
            control.SelectItem(item);
            host.opened.clear();
            commands.OpenItem(item);
            EXPECT_EQ(host.opened.size(), 1u) << control.GetItemText(item).GetString();
        }
    }
    TempFolder folder;
    const std::string path = (folder.Path() / "Shop.wvt").string();
    ASSERT_TRUE(ProjectStore().ArchiveProject(&project, path.c_str(), FALSE));
    ProjectStore store;
    ASSERT_TRUE(store.ArchiveProject(nullptr, path.c_str(), TRUE));
    ForgeonProject* loaded = store.GetProject();
    EXPECT_EQ(loaded->FindTableByName("customer"), nullptr);
    MemoryTree again;
    ProjectTree(again).BuildTree(loaded);
    tree.BuildTree(&project);
    EXPECT_EQ(again.Dump(nullptr, 5, /*withData=*/false),
              control.Dump(nullptr, 5, /*withData=*/false));
    EXPECT_EQ(answers.Shown().size(), 3u);
}

TEST_F(CommandFixture, CopyMarksServeOnePasteInTheirOwnModule)
{
    const TreeHandle customerItem = Item(Base(), TreeSlot::MasterTables, "customer");
    Choose(customerItem, 20);
    // Another module has no mark.
    Choose(Node(*second, TreeSlot::MasterTables), 30);
    EXPECT_TRUE(second->GetMasterTables().empty());
    // Pasted on Master-Detail Tables a master table becomes a master-detail table.
    Choose(Node(Base(), TreeSlot::DetailTables), 30);
    ASSERT_EQ(Base().GetTransactionTables().size(), 1u);
    Table* pasted = Base().GetTransactionTables().front();
    EXPECT_EQ(pasted->GetKind(), Table::masterDetailKind);
    EXPECT_EQ(control.Dump(Node(Base(), TreeSlot::DetailTables), 1),
              "Copy_of_customer [8] " + std::to_string(pasted->GetId()) + "\n");
    // The mark served one paste.
    Choose(Node(Base(), TreeSlot::MasterTables), 30);
    EXPECT_EQ(Base().GetMasterTables().size(), 3u);

    // Forms and search reports the same way.
    Choose(Item(Base(), TreeSlot::MasterForms, "customer_form"), 20);
    Choose(Node(*second, TreeSlot::MasterForms), 10);
    EXPECT_TRUE(second->GetMasterForms().empty());
    Choose(Node(Base(), TreeSlot::MasterForms), 10);
    Choose(Node(Base(), TreeSlot::MasterForms), 10);
    EXPECT_EQ(Base().GetMasterForms().size(), 4u);
    EXPECT_EQ(control.GetItemText(Node(Base(), TreeSlot::MasterForms)), "Master Forms(4)");

    Choose(control.GetChildItem(Node(Base(), TreeSlot::SearchReports)), 10);
    Choose(Node(Base(), TreeSlot::SearchReports), 20);
    Choose(Node(Base(), TreeSlot::SearchReports), 20);
    EXPECT_EQ(Base().GetReports().size(), 3u);
    EXPECT_EQ(control.GetItemText(Node(Base(), TreeSlot::SearchReports)), "Search Reports(3)");

    // A default table is not copied.
    Choose(Item(Base(), TreeSlot::MasterTables, "useraccount"), 20);
    EXPECT_EQ(Messages(), std::vector<std::string>{"Can not copy default table"});
    Choose(Node(Base(), TreeSlot::MasterTables), 30);
    EXPECT_EQ(Base().GetMasterTables().size(), 3u);
}

// A copy is named "Copy_of_<name>": a paste whose copy's files would pass 255 bytes is refused
// as the report designer refuses the name, and adds nothing.
TEST_F(CommandFixture, APasteIsRefusedWhenTheCopysFilesCouldNotExist)
{
    const TreeHandle item = control.GetChildItem(Node(Base(), TreeSlot::SearchReports));
    ApplicationReport* source = Base().FindReportById(control.GetItemData(item));
    ASSERT_NE(source, nullptr);
    for (const std::size_t length : {223u, 224u})
    {
        source->SetName(CString(std::string(length, 'r').c_str()));
        const std::size_t before = Base().GetReports().size();
        const auto shown = static_cast<std::ptrdiff_t>(boxes.Shown().size());
        Choose(item, 10);
        Choose(Node(Base(), TreeSlot::SearchReports), 20);
        const std::string copy = "Copy_of_" + std::string(length, 'r');
        const std::vector<std::string> texts = Messages();
        if (length == 223u)
        {
            EXPECT_EQ(texts.size(), static_cast<std::size_t>(shown));
            EXPECT_EQ(Base().GetReports().size(), before + 1);
            EXPECT_NE(Base().FindReportByName(copy.c_str()), nullptr);
            continue;
        }
        EXPECT_EQ(std::vector<std::string>(texts.begin() + shown, texts.end()),
                  std::vector<std::string>{"The name \"" + copy.substr(0, 20) + "..." +
                                           copy.substr(copy.size() - 12) +
                                           "\" cannot be taken: its file " + copy.substr(0, 20) +
                                           "...rrrrr_report.aspx.designer.cs would be 256 bytes "
                                           "long, longer than the 255 bytes a file name may "
                                           "hold.\nThe copy is not pasted."});
        EXPECT_EQ(Base().GetReports().size(), before);
        EXPECT_EQ(Base().FindReportByName(copy.c_str()), nullptr);
    }
}

// A table's copy is named "Copy_of_<name>" too: a second copy's paste, or one whose pages' files
// would pass 255 bytes, is refused as the table designer refuses the name.
TEST_F(CommandFixture, ATablePasteIsRefusedWhenTheDesignerWouldRefuseTheName)
{
    const TreeHandle item = Item(Base(), TreeSlot::MasterTables, "customer");
    const TreeHandle category = Node(Base(), TreeSlot::MasterTables);
    const std::size_t before = Base().GetMasterTables().size();
    Choose(item, 20);
    Choose(category, 30);
    ASSERT_EQ(Base().GetMasterTables().size(), before + 1);
    Choose(item, 20);
    Choose(category, 30);
    EXPECT_EQ(Messages(), std::vector<std::string>{"A table with this name already exists."});
    EXPECT_EQ(Base().GetMasterTables().size(), before + 1);

    CString name = "customer";
    Base().FindTableByName(name)->SetTableName(std::string(213, 't').c_str());
    Choose(item, 20);
    Choose(category, 30);
    ASSERT_EQ(Messages().size(), 2u);
    EXPECT_NE(Messages().back().find("would be 256 bytes long"), std::string::npos)
        << Messages().back();
    EXPECT_EQ(Messages().back().substr(Messages().back().size() - 24), "\nThe copy is not pasted.")
        << Messages().back();
    EXPECT_EQ(Base().GetMasterTables().size(), before + 1);
}

TEST_F(CommandFixture, CopyingAMasterDetailFormServesOnePaste)
{
    AddTransaction();
    ASSERT_EQ(Base().GetTransactions().size(), 1u);
    const TreeHandle transaction = control.GetChildItem(Node(Base(), TreeSlot::DetailForms));
    Choose(transaction, 20);
    Choose(Node(Base(), TreeSlot::DetailForms), 30);
    Choose(Node(Base(), TreeSlot::DetailForms), 30);
    EXPECT_EQ(Base().GetTransactions().size(), 2u);
    EXPECT_EQ(control.GetItemText(Node(Base(), TreeSlot::DetailForms)), "Master-Detail Forms(2)");
}

TEST_F(CommandFixture, CreateModuleAppendsTheModuleAndOpensItsNameForEditing)
{
    project.AddNewModule();
    tree.BuildTree(&project);
    Choose(tree.GetRootItem(), 10);
    ASSERT_EQ(project.GetModuleCount(), 4);
    Module* added = project.GetModuleAt(3);
    EXPECT_EQ(added->GetName(), "Module4");
    const TreeHandle item = tree.GetModuleItem(3);
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(control.GetItemText(item), "Module4");
    EXPECT_EQ(control.GetItemData(item), added->GetNumber());
    EXPECT_EQ(control.GetParentItem(item), tree.GetRootItem());
    EXPECT_EQ(host.labelEdited, item);
    EXPECT_EQ(control.GetSelectedItem(), item);
    EXPECT_EQ(host.reloads, 1);
    EXPECT_EQ(control.Dump(item, 1).find("Master Tables [2] -2\n"), 0u);
    EXPECT_NE(Item(*added, TreeSlot::Menus, "Module4Menu"), nullptr);
}

TEST_F(CommandFixture, CreateFormsMakesAFormForEveryMasterTableWithoutOne)
{
    Table* orders = NewTable("orders");
    Table* lines = NewTable("lines");
    Base().AddTable(orders);
    Base().AddTable(lines);
    tree.BuildTree(&project);
    Choose(Node(Base(), TreeSlot::MasterTables), 20);
    // In table order; "personnel_role" had none either.
    ASSERT_EQ(host.opened.size(), 3u);
    EXPECT_EQ(host.opened[0].entity, Entity(Base().FindMasterFormForTable(lines)));
    EXPECT_EQ(host.opened[1].entity, Entity(Base().FindMasterFormForTable(orders)));
    EXPECT_EQ(host.opened[2].entity, Entity(Base().FindMasterFormForTable(
                                         Base().FindMasterTableByName("personnel_role"))));
    EXPECT_EQ(host.opened[1].pane, RightPane::FormEditor);
    EXPECT_EQ(host.refreshes, 3);
    EXPECT_EQ(Base().GetMasterForms().size(), 6u);

    // On Master-Detail Tables it does nothing; Create Table opens the table editor of the kind.
    Choose(Node(Base(), TreeSlot::DetailTables), 20);
    Choose(Node(Base(), TreeSlot::DetailTables), 10);
    EXPECT_EQ(host.opened.size(), 4u);
    EXPECT_EQ(host.opened.back().pane, RightPane::TableView);
    EXPECT_EQ(host.tableKinds, std::vector<int>{1});
}

TEST_F(CommandFixture, CreateCommandsOpenTheirEditorsEmpty)
{
    struct Case
    {
        TreeHandle item;
        UINT command;
        RightPane pane;
    };
    const Case cases[] = {
        {Node(Base(), TreeSlot::DetailForms), 10, RightPane::TransactionView},
        {Node(Base(), TreeSlot::Dashboards), 10, RightPane::DashBoardView},
        {Node(Base(), TreeSlot::SearchReports), 10, RightPane::ReportView},
        {Node(Base(), TreeSlot::Reports), 10, RightPane::RDLCReportView},
        {Node(Base(), TreeSlot::Menus), 10, RightPane::MenuView},
        {Node(Base(), TreeSlot::DashBoardPages), 10, RightPane::DashBoardPageView},
        {Node(Base(), TreeSlot::UserFunctions), 10, RightPane::UserFunctionView},
    };
    for (const Case& each : cases)
    {
        host.opened.clear();
        Choose(each.item, each.command);
        ASSERT_EQ(host.opened.size(), 1u);
        EXPECT_EQ(host.opened[0].pane, each.pane);
        EXPECT_EQ(host.opened[0].entity, nullptr);
    }
    Choose(tree.GetModuleItem(1), 40);
    EXPECT_EQ(host.renameDialogs, 1);
}

TEST_F(CommandFixture, WriteCommandsWriteIntoTheProjectFolder)
{
    // Without a project path nothing is written.
    Choose(Item(Base(), TreeSlot::MasterForms, "customer_form"), 10);
    EXPECT_EQ(Messages(), std::vector<std::string>{"Could not write output at "});

    TempFolder folder;
    project.SetProjectName("Shop");
    project.SetProjectPath((folder.Path().string() + "/").c_str());
    Choose(Item(Base(), TreeSlot::MasterForms, "customer_form"), 10);
    Choose(control.GetChildItem(Node(Base(), TreeSlot::SearchReports)), 20);
    // Write Table Script writes the table's script to a file of its own and names it.
    Choose(Item(Base(), TreeSlot::MasterTables, "customer"), 70);
    const std::filesystem::path tableScript =
        folder.Path() / "Shop" / "scripts" / "KestraneWeavo_Shop_customer_Script.sql";
    ASSERT_EQ(boxes.Shown().size(), 2u);
    const std::string named = "The script of table customer was written to ";
    ASSERT_EQ(boxes.Shown()[1].text.substr(0, named.size()), named);
    EXPECT_TRUE(
        std::filesystem::equivalent(boxes.Shown()[1].text.substr(named.size()), tableScript))
        << boxes.Shown()[1].text;
    EXPECT_NE(ReadHostFile(tableScript).find("CREATE TABLE [dbo].[customer] ("), std::string::npos);
    EXPECT_FALSE(
        std::filesystem::exists(tableScript.parent_path() / "KestraneWeavo_Shop_Script.sql"));
    const std::filesystem::path ui = folder.Path() / "Shop" / "Shop" / "BaseModule" / "UI";
    EXPECT_TRUE(std::filesystem::exists(ui / "customerAdd.aspx"));
    EXPECT_TRUE(std::filesystem::exists(ui / "customerUpdate.aspx.cs"));
    EXPECT_TRUE(std::filesystem::exists(ui / "customer_Report_report.aspx"));
    Choose(Item(Base(), TreeSlot::DashBoardPages, "BaseModule_Dashboard"), 20);
    EXPECT_TRUE(std::filesystem::exists(ui / "BaseModule_Dashboard.aspx.cs"));
    // Write Module puts the support files in place, then writes the project's files and the pages
    // of that module only; the report names the files that the project file lists and the run did
    // not write (the pages of the other module), the first ten and the count.
    std::vector<std::string> statuses;
    const MainFrameAccess::StatusTextSink previous = MainFrameAccess::SetStatusTextSink(
        [&statuses](const char* text) { statuses.emplace_back(text); });
    Choose(tree.GetModuleItem(1), 20);
    MainFrameAccess::SetStatusTextSink(previous);
    const std::filesystem::path output = folder.Path() / "Shop" / "Shop";
    // The status bar says where the module went and how many files were written.
    ASSERT_EQ(statuses.size(), 1u);
    const std::string said =
        "Module Module2 was written under " + output.string() + " (files written: ";
    ASSERT_EQ(statuses[0].substr(0, said.size()), said);
    EXPECT_GE(std::stoi(statuses[0].substr(said.size())), 10) << statuses[0];
    EXPECT_TRUE(std::filesystem::exists(output / "Web.config"));
    EXPECT_TRUE(std::filesystem::exists(output / "Module2" / "UI" / "Module2_Dashboard.aspx"));
    EXPECT_FALSE(std::filesystem::exists(ui / "useraccountAdd.aspx"));
    ASSERT_EQ(boxes.Shown().size(), 3u);
    const std::string& unwritten = boxes.Shown()[2].text;
    EXPECT_EQ(0u, unwritten.find("These files could not be written:\n"));
    EXPECT_NE(unwritten.find("BaseModule/UI/useraccountAdd.aspx (listed in the project file but "
                             "not written; the page useraccount_form needs it)"),
              std::string::npos)
        << unwritten;
    EXPECT_EQ(unwritten.find("includes/"), std::string::npos) << unwritten;
    EXPECT_TRUE(std::filesystem::exists(output / "includes" / "CSS" / "calendar.css"));
    EXPECT_TRUE(std::filesystem::exists(output / "Themes" / "UI" / "Main.Master"));
    EXPECT_NE(unwritten.find(")\nand "), std::string::npos) << unwritten;
    EXPECT_FALSE(std::filesystem::is_empty(folder.Path() / "Shop" / "scripts"));
    // Write Menu writes the four classic menu scripts of the project, with no message.
    const std::size_t shown = boxes.Shown().size();
    Choose(Node(*second, TreeSlot::Menus), 20);
    for (const char* script :
         {"TopMenus.js", "TopMenusOnClick.js", "LeftMenus.js", "LeftMenusOnClick.js"})
        EXPECT_TRUE(std::filesystem::exists(folder.Path() / "_system" / "js" / script)) << script;
    EXPECT_EQ(boxes.Shown().size(), shown);
    // Write MapForm on a map form's item writes the map page and its action page.
    AddMapForm();
    Choose(Item(Base(), TreeSlot::MapForms, "customer_map"), 10);
    for (const char* page : {"customer_map_addReport.asp", "customer_map_addReport_action.asp"})
        EXPECT_TRUE(std::filesystem::exists(folder.Path() / "BaseModule" / page)) << page;
    EXPECT_EQ(boxes.Shown().size(), shown);
}

TEST_F(CommandFixture, EveryWriteCommandSaysWhatItWroteAndWhere)
{
    TempFolder folder;
    project.SetProjectName("Shop");
    project.SetProjectPath((folder.Path().string() + "/").c_str());
    std::vector<std::string> statuses;
    const MainFrameAccess::StatusTextSink previous = MainFrameAccess::SetStatusTextSink(
        [&statuses](const char* text) { statuses.emplace_back(text); });
    Choose(Item(Base(), TreeSlot::MasterForms, "customer_form"), 10);
    Choose(control.GetChildItem(Node(Base(), TreeSlot::SearchReports)), 20);
    Choose(Item(Base(), TreeSlot::DashBoardPages, "BaseModule_Dashboard"), 20);
    Choose(Node(Base(), TreeSlot::Menus), 20);
    Choose(Item(Base(), TreeSlot::MasterTables, "customer"), 70);
    MainFrameAccess::SetStatusTextSink(previous);

    const std::string site = (folder.Path() / "Shop" / "Shop").string();
    const std::string js = (folder.Path() / "_system" / "js").string();
    const std::string script =
        (folder.Path() / "Shop" / "scripts" / "KestraneWeavo_Shop_customer_Script.sql").string();
    const std::vector<std::string> said = {
        "Form customer_form was written under " + site,
        "Report " +
            std::string(
                control.GetItemText(control.GetChildItem(Node(Base(), TreeSlot::SearchReports)))) +
            " was written under " + site,
        "Dashboard page BaseModule_Dashboard was written under " + site,
        "The menu scripts were written under " + js,
        "The script of table customer was written to " + script,
    };
    ASSERT_EQ(statuses.size(), said.size());
    for (std::size_t index = 0; index < said.size(); ++index)
    {
        EXPECT_EQ(statuses[index].substr(0, said[index].size()), said[index]);
        EXPECT_GE(std::stoi(statuses[index].substr(statuses[index].find("(files written: ") + 16)),
                  1)
            << statuses[index];
    }
}

// Every write command of the tree's menus, run again over the files it wrote once they have
// other names (hard links) and other texts, names the files it replaced in its closing message,
// as Write All does.
TEST_F(CommandFixture, EveryWriteCommandOfTheTreeNamesTheHardLinksItReplaced)
{
    namespace fs = std::filesystem;
    TempFolder folder;
    project.SetProjectName("Shop");
    project.SetProjectPath((folder.Path().string() + "/").c_str());
    AddTransaction();
    AddMapForm();

    // Each write entry of the tree's menus, on the first item whose menu offers it.
    std::map<std::string, std::pair<TreeHandle, UINT>> writes;
    std::vector<TreeHandle> items{tree.GetRootItem()};
    while (!items.empty())
    {
        const TreeHandle item = items.back();
        items.pop_back();
        for (TreeHandle child = control.GetChildItem(item); child != nullptr;
             child = control.GetNextSiblingItem(child))
            items.push_back(child);
        commands.SelectModuleOfItem(item);
        const TreeMenuChoice choice = commands.ChooseMenu(item);
        for (const TreeMenuEntry& entry : TreeMenuEntries(choice.menu))
            if (std::string(entry.text).starts_with("Write") &&
                std::ranges::find(choice.grayed, entry.command) == choice.grayed.end())
                writes.try_emplace(entry.text, item, entry.command);
    }
    std::set<std::string> offered;
    for (int menu = 0; menu <= kTreeMenuCount; ++menu)
        for (const TreeMenuEntry& entry : TreeMenuEntries(static_cast<TreeMenu>(menu)))
            if (std::string(entry.text).starts_with("Write"))
                offered.insert(entry.text);
    ASSERT_EQ(writes.size(), offered.size());
    for (const auto& [text, write] : writes)
        Choose(write.first, write.second);

    const fs::path links =
        folder.Path().parent_path() / (folder.Path().filename().string() + "-links");
    fs::create_directory(links);
    int linked = 0;
    for (const auto& entry : fs::recursive_directory_iterator(folder.Path()))
        if (entry.is_regular_file())
        {
            std::ofstream(entry.path(), std::ios::app) << "changed";
            fs::create_hard_link(entry.path(), links / std::to_string(linked++));
        }
    for (const auto& [text, write] : writes)
    {
        const std::size_t shown = boxes.Shown().size();
        Choose(write.first, write.second);
        std::string said;
        for (std::size_t box = shown; box < boxes.Shown().size(); ++box)
            said += boxes.Shown()[box].text + "\n";
        EXPECT_NE(said.find("These links were replaced by the files written:\n"), std::string::npos)
            << text << ": " << said;
    }
    fs::remove_all(links);
}

namespace
{
// The regular files below the folder.
long FilesBelow(const std::filesystem::path& folder)
{
    return std::ranges::count_if(std::filesystem::recursive_directory_iterator(folder),
                                 [](const auto& entry) { return entry.is_regular_file(); });
}
} // namespace

// Names that earlier versions took are refused by the tree's writes of what bears them, named,
// and nothing of it is written: a report whose files would be too long (the module's other pages
// are written), a module named as another but in case (the pages of both are refused).
TEST_F(CommandFixture, TreeWritesRefuseNamesToRename)
{
    TempFolder folder;
    project.SetProjectName("Shop");
    project.SetProjectPath((folder.Path().string() + "/").c_str());
    const std::string longName(240, 'r');
    Base().GetReports().at(0)->SetName(longName.c_str());
    tree.BuildTree(&project);
    Choose(Item(Base(), TreeSlot::SearchReports, longName.c_str()), 20);
    ASSERT_EQ(Messages().size(), 1u);
    EXPECT_NE(Messages()[0].find("the report name \"" + longName.substr(0, 20) + "..." +
                                 longName.substr(longName.size() - 12) + "\""),
              std::string::npos);
    EXPECT_EQ(FilesBelow(folder.Path()), 0);
    Choose(Item(Base(), TreeSlot::MasterForms, "customer_form"), 10);
    EXPECT_EQ(Messages().size(), 1u);
    const std::filesystem::path ui = folder.Path() / "Shop" / "Shop" / "BaseModule" / "UI";
    EXPECT_TRUE(std::filesystem::exists(ui / "customerAdd.aspx"));
    const long formFiles = FilesBelow(folder.Path());

    second->SetName("basemodule");
    tree.BuildTree(&project);
    Choose(tree.GetModuleItem(1), 20);
    Choose(Item(*second, TreeSlot::DashBoardPages, "Module2_Dashboard"), 20);
    Choose(Item(Base(), TreeSlot::DashBoardPages, "BaseModule_Dashboard"), 20);
    ASSERT_EQ(Messages().size(), 4u);
    for (std::size_t box = 1; box < 4; ++box)
        EXPECT_NE(Messages()[box].find("the module name \"basemodule\" is the name of the module "
                                       "\"BaseModule\" in another case"),
                  std::string::npos)
            << Messages()[box];
    EXPECT_EQ(FilesBelow(folder.Path()), formFiles);
}

// Deleting a table empties the procedure and function editors when a procedure or function
// went with it or lost it, and leaves them be otherwise.
TEST_F(CommandFixture, DeletingATableResetsTheEditorsOfWhatItTookOrChanged)
{
    ScriptedMessageBoxes answers({IDOK, IDOK, IDOK, IDOK});
    Table* other = NewTable("supplier", Table::masterKind, {"name"});
    Base().AddTable(other);
    auto* procedure = new Procedure;
    procedure->SetName("PRC_customer_list");
    procedure->SetMainTable(customer);
    Base().AddProcedure(procedure);
    tree.BuildTree(&project);

    Delete(Item(Base(), TreeSlot::MasterTables, "supplier"));
    EXPECT_EQ(host.reset, (std::vector<RightPane>{RightPane::TableView}));
    host.reset.clear();
    Delete(Item(Base(), TreeSlot::MasterTables, "customer"));
    EXPECT_EQ(host.reset, (std::vector<RightPane>{
                              RightPane::ProcedureView, RightPane::UserFunctionView,
                              RightPane::FormEditor, RightPane::MapFormView, RightPane::ReportView,
                              RightPane::RDLCReportView, RightPane::TableView}));
    // A master-detail table leaves the transaction designer's table lists.
    Base().AddTable(NewTable("order_basic", Table::masterDetailKind, {"note"}));
    tree.BuildTree(&project);
    host.reset.clear();
    Delete(Item(Base(), TreeSlot::DetailTables, "order_basic"));
    EXPECT_EQ(host.reset,
              (std::vector<RightPane>{RightPane::TransactionView, RightPane::TableView}));
}

// A report that keeps a group on another table loses the table's group: the report designer
// lets go of it as well.
TEST_F(CommandFixture, DeletingATableResetsTheReportDesignerOfAReportThatLosesAGroup)
{
    ScriptedMessageBoxes answers({IDOK, IDOK});
    Table* other = NewTable("supplier", Table::masterKind, {"name"});
    Base().AddTable(other);
    auto* report = new ApplicationReport;
    report->SetName("mixed");
    for (const Table* table : {customer, other})
    {
        auto* group = new ReportGroup(report, nullptr);
        auto* column = new ReportField;
        column->AdoptFieldInfo(new ProcedureFieldInfo(table->FindFieldByName("name"),
                                                      ProcedureFieldInfo::noAggregate));
        group->AddReportField(column);
        report->AddReportGroup(group);
    }
    Base().AddReport(report, true);

    // An RDLC report on both tables loses the table's data set: its designer lets go too.
    auto* layout = new RDLCInfo;
    layout->SetName("BaseModule\\RDLCs\\both.rdlc");
    for (const char* name : {"customer", "supplier"})
        layout->AddDataSet(CString(name) + "_SelectAllRecords", CString(name) + "TableAdapter",
                           name);
    project.AddRDLCInfo(layout);
    auto* rdlc = new RDLCReport;
    rdlc->SetName("both");
    rdlc->SetRDLCInfo(layout);
    Base().AddRDLCReport(rdlc, true);
    tree.BuildTree(&project);

    Delete(Item(Base(), TreeSlot::MasterTables, "supplier"));

    ASSERT_EQ(Base().FindReportByName("mixed"), report);
    EXPECT_EQ(report->GetReportGroups().size(), 1u);
    ASSERT_EQ(layout->GetEntries().size(), 1u);
    EXPECT_EQ(layout->GetEntries()[0].m_dataSetName, "customer_SelectAllRecords");
    EXPECT_EQ(host.reset, (std::vector<RightPane>{RightPane::ReportView, RightPane::RDLCReportView,
                                                  RightPane::TableView}));
}

// A report and a graph that the function alone feeds go with it, and a graph on the table goes
// with the table: the designers let go of them and of the dashboard page placing the graph, and
// their items leave the tree.
TEST_F(CommandFixture, DeletingAFunctionOrATableTakesTheReportsAndGraphsTheyAloneFeed)
{
    ScriptedMessageBoxes answers({IDOK, IDOK, IDOK, IDOK});
    Class* dataClass = Base().GetClassForTable(customer, /*create=*/false);
    auto* other = new Function;
    other->SetName("CustomersByCity");
    other->SetTable(customer);
    other->SetClass(dataClass);
    dataClass->AddFunction(other);
    const auto callOf = [dataClass](Function* called)
    {
        auto* call = new ClassInvokation;
        call->SetFunction(dataClass, called);
        return call;
    };
    auto* report = new ApplicationReport;
    report->SetName("by_function");
    report->AddReportGroup(new ReportGroup(report, callOf(function)));
    Base().AddReport(report, true);
    auto* page = new DashBoardPage;
    page->SetName("graphs");
    for (auto [name, called] :
         {std::pair{"graph_by_function", function}, std::pair{"graph_on_customer", other}})
    {
        auto* graph = new DashBoard;
        graph->SetName(name);
        graph->SetClassInvokation(callOf(called));
        Base().AddDashBoard(graph, true);
        page->AddPlacement(new DashBoardPageData(graph));
    }
    Base().AddDashBoardPage(page, true);
    tree.BuildTree(&project);
    const TreeHandle graphs = Node(Base(), TreeSlot::Dashboards);

    Delete(Item(Base(), TreeSlot::UserFunctions, "CustomersByName"));
    EXPECT_EQ(Base().FindReportByName("by_function"), nullptr);
    EXPECT_EQ(Base().FindDashBoardByName("graph_by_function"), nullptr);
    EXPECT_EQ(control.Child(graphs, "graph_by_function"), nullptr);
    ASSERT_EQ(page->GetPlacements().size(), 1u);
    EXPECT_EQ(host.reset,
              (std::vector<RightPane>{RightPane::ReportView, RightPane::DashBoardView,
                                      RightPane::DashBoardPageView, RightPane::UserFunctionView}));
    host.reset.clear();

    Delete(Item(Base(), TreeSlot::MasterTables, "customer"));
    EXPECT_EQ(Base().FindDashBoardByName("graph_on_customer"), nullptr);
    EXPECT_EQ(control.Child(graphs, "graph_on_customer"), nullptr);
    EXPECT_TRUE(page->GetPlacements().empty());
    EXPECT_NE(std::ranges::find(host.reset, RightPane::DashBoardView), host.reset.end());
    EXPECT_NE(std::ranges::find(host.reset, RightPane::DashBoardPageView), host.reset.end());
}

TEST_F(CommandFixture, ProceduresMapFormsAndReportPagesHaveTheirMenusAndOpenInTheirEditors)
{
    const OtherKinds kinds(Base());
    tree.BuildTree(&project);
    const TreeHandle link = Item(Base(), TreeSlot::MapTables, "orders_region");
    const TreeHandle login = control.GetChildItem(Node(Base(), TreeSlot::LoginPage));
    struct Menu
    {
        TreeHandle item;
        TreeMenu menu;
        std::vector<UINT> grayed;
    };
    const Menu menus[] = {
        {Node(Base(), TreeSlot::MapTables), TreeMenu::TableCategory, {20, 30}},
        {link, TreeMenu::TableItem, {}},
        {Node(Base(), TreeSlot::UserProcedures), TreeMenu::Procedure, {}},
        {Node(Base(), TreeSlot::DefaultProcedures), TreeMenu::Procedure, {}},
        {Node(Base(), TreeSlot::SelectAllProcedures), TreeMenu::Procedure, {}},
        {Item(Base(), TreeSlot::UserProcedures, "PRC_OrderSearch"), TreeMenu::Procedure, {}},
        {Item(Base(), TreeSlot::SelectRecordProcedures, "PRC_orders_SelectLastRecord"),
         TreeMenu::Procedure,
         {}},
        {Item(Base(), TreeSlot::DefaultProcedures, "PRC_orders_Insert"), TreeMenu::Procedure, {}},
        {Node(Base(), TreeSlot::MapForms), TreeMenu::None, {}},
        {Item(Base(), TreeSlot::MapForms, "orders_map"), TreeMenu::MapFormItem, {}},
        {Node(Base(), TreeSlot::MultiPageReports), TreeMenu::MultiPageReport, {}},
        {Item(Base(), TreeSlot::MultiPageReports, "Overview"), TreeMenu::MultiPageReport, {}},
        {Node(Base(), TreeSlot::ReportCollectors), TreeMenu::ReportCollector, {}},
        {Item(Base(), TreeSlot::ReportCollectors, "Desk"), TreeMenu::ReportCollector, {}},
        {Node(Base(), TreeSlot::LoginPage), TreeMenu::None, {}},
        {login, TreeMenu::None, {}},
    };
    for (const Menu& each : menus)
    {
        const TreeMenuChoice choice = commands.ChooseMenu(each.item);
        EXPECT_EQ(choice.menu, each.menu) << control.GetItemText(each.item).GetString();
        EXPECT_EQ(choice.grayed, each.grayed) << control.GetItemText(each.item).GetString();
    }

    struct Opened
    {
        TreeHandle item;
        RightPane pane;
        const void* entity;
    };
    const Opened opened[] = {
        {Item(Base(), TreeSlot::UserProcedures, "PRC_OrderSearch"), RightPane::ProcedureView,
         Entity(kinds.search)},
        {Item(Base(), TreeSlot::SelectAllProcedures, "PRC_orders_SelectAll"),
         RightPane::ProcedureView, Entity(kinds.selectAll)},
        {Item(Base(), TreeSlot::SelectRecordProcedures, "PRC_orders_SelectLastRecord"),
         RightPane::ProcedureView, Entity(kinds.selectLast)},
        {Item(Base(), TreeSlot::DefaultProcedures, "PRC_orders_Insert"), RightPane::ProcedureView,
         Entity(kinds.insert)},
        {link, RightPane::TableView, kinds.link},
        {Item(Base(), TreeSlot::MapForms, "orders_map"), RightPane::MapFormView, Entity(kinds.map)},
        {Item(Base(), TreeSlot::MultiPageReports, "Overview"), RightPane::MultiPageReportView,
         Entity(kinds.overview)},
        {Item(Base(), TreeSlot::ReportCollectors, "Desk"), RightPane::ReportCollectorView,
         Entity(kinds.desk)},
        {login, RightPane::LoginPageView, Entity(Base().GetLoginPage())},
    };
    for (const Opened& each : opened)
    {
        host.opened.clear();
        commands.OpenItem(each.item);
        ASSERT_EQ(host.opened.size(), 1u) << control.GetItemText(each.item).GetString();
        EXPECT_EQ(host.opened[0].pane, each.pane) << control.GetItemText(each.item).GetString();
        EXPECT_EQ(host.opened[0].entity, each.entity) << control.GetItemText(each.item).GetString();
    }
    host.opened.clear();
    commands.OpenItem(Node(Base(), TreeSlot::SelectAllProcedures));
    EXPECT_TRUE(host.opened.empty());

    // The create commands open their editors new; on a map table "Create Form" opens the map
    // form editor on the table, and Map Tables makes tables of the map kind only.
    host.opened.clear();
    host.tableKinds.clear();
    Choose(Node(Base(), TreeSlot::MapTables), 10);
    Choose(Node(Base(), TreeSlot::MapTables), 20);
    Choose(Node(Base(), TreeSlot::MapTables), 30);
    Choose(Node(Base(), TreeSlot::UserProcedures), 10);
    Choose(Item(Base(), TreeSlot::SelectAllProcedures, "PRC_orders_SelectAll"), 10);
    Choose(Node(Base(), TreeSlot::MultiPageReports), 10);
    Choose(Item(Base(), TreeSlot::ReportCollectors, "Desk"), 10);
    Choose(link, 10);
    std::vector<std::pair<RightPane, const void*>> shown;
    for (const RecordingHost::Opened& each : host.opened)
        shown.emplace_back(each.pane, each.entity);
    EXPECT_EQ(shown, (std::vector<std::pair<RightPane, const void*>>{
                         {RightPane::TableView, nullptr},
                         {RightPane::ProcedureView, nullptr},
                         {RightPane::ProcedureView, nullptr},
                         {RightPane::MultiPageReportView, nullptr},
                         {RightPane::ReportCollectorView, nullptr},
                         {RightPane::MapFormView, kinds.link},
                     }));
    EXPECT_EQ(host.tableKinds, std::vector<int>{Table::mapKind});
    EXPECT_EQ(Base().GetMapTables().size(), 1u);
    EXPECT_TRUE(Messages().empty());
}

TEST_F(CommandFixture, DeletingProceduresMapFormsAndTheirTablesRefreshesTheirNodes)
{
    const OtherKinds kinds(Base());
    kinds.selectAll->SetMainTable(customer);
    tree.BuildTree(&project);
    ScriptedMessageBoxes answers({IDOK, IDOK, IDOK, IDOK, IDOK});
    const auto text = [this](int slot) { return control.GetItemText(Node(Base(), slot)); };

    // The login page, pages of reports and report collectors are not deleted, and not asked for:
    // the user is told so.
    for (const int slot :
         {TreeSlot::LoginPage, TreeSlot::MultiPageReports, TreeSlot::ReportCollectors})
        Delete(control.GetChildItem(Node(Base(), slot)));
    std::vector<std::string> refusals;
    for (const auto& box : answers.Shown())
        refusals.push_back(box.text);
    EXPECT_EQ(refusals, (std::vector<std::string>{"Can not delete the Login Page",
                                                  "Can not delete a Multi Page Report",
                                                  "Can not delete a Report Collector"}));
    EXPECT_EQ(Base().GetMultiPageReports().size(), 1u);
    EXPECT_EQ(Base().GetReportCollectors().size(), 1u);
    for (const int slot :
         {TreeSlot::LoginPage, TreeSlot::MultiPageReports, TreeSlot::ReportCollectors})
        EXPECT_NE(control.GetChildItem(Node(Base(), slot)), nullptr) << slot;

    Delete(Item(Base(), TreeSlot::UserProcedures, "PRC_OrderSearch"));
    EXPECT_EQ(Base().FindProcedureByName("PRC_OrderSearch"), nullptr);
    EXPECT_EQ(text(TreeSlot::UserProcedures), "Procedures");
    EXPECT_EQ(host.reset, std::vector<RightPane>{RightPane::ProcedureView});

    // A default procedure goes with its table; the groups stay.
    Delete(Item(Base(), TreeSlot::MasterTables, "customer"));
    EXPECT_EQ(Item(Base(), TreeSlot::SelectAllProcedures, "PRC_orders_SelectAll"), nullptr);
    EXPECT_EQ(text(TreeSlot::DefaultProcedures), "Default Procedures(3)");
    EXPECT_EQ(control.Dump(Node(Base(), TreeSlot::DefaultProcedures), 1, /*withData=*/false),
              "SelectAll [1]\nSelectRecord [1]\nPRC_orders_Insert [1]\n");
    // One that no group takes, from beside the groups.
    Delete(Item(Base(), TreeSlot::DefaultProcedures, "PRC_orders_Insert"));
    EXPECT_EQ(Base().FindProcedureByName("PRC_orders_Insert"), nullptr);
    EXPECT_EQ(text(TreeSlot::DefaultProcedures), "Default Procedures(2)");

    Delete(Item(Base(), TreeSlot::MapForms, "orders_map"));
    EXPECT_TRUE(Base().GetMapForms().empty());
    EXPECT_EQ(text(TreeSlot::MapForms), "Map Forms");
    EXPECT_EQ(host.reset.back(), RightPane::MapFormView);

    Delete(Item(Base(), TreeSlot::MapTables, "orders_region"));
    EXPECT_TRUE(Base().GetMapTables().empty());
    EXPECT_EQ(text(TreeSlot::MapTables), "Map Tables");
    EXPECT_EQ(answers.Shown().size(), 8u);
    EXPECT_EQ(answers.Shown()[7].text, ConfirmDelete("orders_region"));
}

// A report that only the procedure fed goes with it, out of the tree, and the report designer
// lets go of it.
TEST_F(CommandFixture, DeletingAReportsOnlyProcedureTakesTheReportOutOfTheTree)
{
    const OtherKinds kinds(Base());
    auto* report = new ApplicationReport;
    report->SetName("searched");
    auto* group = new ReportGroup(report, nullptr);
    auto* call = new ProcedureInvokation;
    call->SetProcedure(kinds.search);
    group->SetProcedureCall(call);
    report->AddReportGroup(group);
    Base().AddReport(report, true);
    tree.BuildTree(&project);
    ASSERT_NE(Item(Base(), TreeSlot::SearchReports, "searched"), nullptr);
    ScriptedMessageBoxes answers({IDOK, IDOK});

    Delete(Item(Base(), TreeSlot::UserProcedures, "PRC_OrderSearch"));

    EXPECT_EQ(Base().FindReportByName("searched"), nullptr);
    EXPECT_EQ(Item(Base(), TreeSlot::SearchReports, "searched"), nullptr);
    EXPECT_EQ(host.reset,
              (std::vector<RightPane>{RightPane::ReportView, RightPane::ProcedureView}));
}

TEST_F(CommandFixture, DeletingTheLoginPagesProcedureSaysThatThePageHasNoneLeft)
{
    const OtherKinds kinds(Base());
    LoginPage& login = *Base().GetLoginPage();
    if (login.GetLoginCall() == nullptr)
        login.SetLoginCall(new ProcedureInvokation);
    login.GetLoginCall()->SetProcedure(kinds.search);
    tree.BuildTree(&project);
    ScriptedMessageBoxes answers({IDOK, IDOK, IDOK, IDOK});
    Delete(Item(Base(), TreeSlot::UserProcedures, "PRC_OrderSearch"));
    EXPECT_EQ(Base().FindProcedureByName("PRC_OrderSearch"), nullptr);
    ASSERT_FALSE(answers.Shown().empty());
    EXPECT_EQ(answers.Shown().front().text, ConfirmDelete("PRC_OrderSearch"));
    EXPECT_EQ(answers.Shown().back().text,
              "The Login Page of module BaseModule no longer has a procedure.");

    // A procedure the login page does not call goes without a word about it.
    const std::size_t shown = answers.Shown().size();
    Delete(Item(Base(), TreeSlot::SelectAllProcedures, "PRC_orders_SelectAll"));
    ASSERT_EQ(answers.Shown().size(), shown + 1);
    EXPECT_EQ(answers.Shown().back().text, ConfirmDelete("PRC_orders_SelectAll"));
}

TEST_F(CommandFixture, WhenTheEditorShownKeepsItsTextTheTreeChangesNothingAndHighlightsItsItem)
{
    const TreeHandle form = Item(Base(), TreeSlot::MasterForms, "customer_form");
    commands.OpenItem(form);
    ASSERT_EQ(host.opened.size(), 1u);
    host.mayLeave = false;
    host.opened.clear();
    // Each command that would leave or rebind the editor asks it first and stops.
    const TreeHandle report = Item(Base(), TreeSlot::SearchReports, "customer Report");
    const struct
    {
        const char* what;
        std::function<void()> command;
    } commandsRefused[] = {
        {"a double click on another module's item",
         [&]
         {
             control.SelectItem(Item(*second, TreeSlot::Menus, "Module2Menu"));
             commands.OpenItem(Item(*second, TreeSlot::Menus, "Module2Menu"));
         }},
        {"a create command", [&] { Choose(Node(Base(), TreeSlot::SearchReports), 10); }},
        {"a deletion",
         [&]
         {
             boxes.Answer(IDOK);
             Delete(report);
         }},
        {"a new module", [&] { commands.CreateModule(); }},
    };
    for (const auto& each : commandsRefused)
    {
        SCOPED_TRACE(each.what);
        const int asked = host.leaveQuestions;
        const std::size_t modules = project.GetModules().size();
        each.command();
        EXPECT_EQ(asked + 1, host.leaveQuestions);
        EXPECT_TRUE(host.opened.empty());
        EXPECT_EQ(0, host.rebinds);
        EXPECT_EQ(modules, project.GetModules().size());
        EXPECT_NE(nullptr, Base().FindReportByName("customer Report"));
        EXPECT_EQ(&Base(), project.GetCurrentModule());
        EXPECT_EQ(form, control.GetSelectedItem());
    }
    // Let go, the command goes on.
    host.mayLeave = true;
    boxes.Answer(IDOK);
    Delete(report);
    EXPECT_EQ(1, host.rebinds);
    EXPECT_EQ(nullptr, Base().FindReportByName("customer Report"));
}
