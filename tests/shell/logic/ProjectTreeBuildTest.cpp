#include "entities/DashBoardPage.h"
#include "entities/Form.h"
#include "entities/Menu.h"
#include "entities/Procedure.h"
#include "model/Field.h"
#include "model/Module.h"
#include "model/Table.h"
#include "shell/logic/ProjectTreeBuilder.h"
#include "tests/shell/logic/TreeFixture.h"
#include "tests/shell/logic/TreeListingCheck.h"

#include <string>
#include <tuple>
#include <utility>

namespace
{
// "text [image] data" lines of the table items and, indented, their field items.
std::string TableLines(const std::vector<Table*>& tables, int image)
{
    std::string text;
    for (const Table* table : tables)
    {
        text += table->GetTableName().GetString() + std::string(" [") + std::to_string(image) +
                "] " + std::to_string(table->GetId()) + "\n";
        for (const Field* field : table->GetFields())
            text += "  " + std::string(field->GetFieldName().GetString()) + " [4] " +
                    std::to_string(field->GetId()) + "\n";
    }
    return text;
}
} // namespace

TEST_F(TreeFixture, ANewProjectShowsItsRootAndTheCategoriesOfBaseModule)
{
    EXPECT_EQ(control.Dump(nullptr, 3), "Untitled Project [0] 0\n"
                                        "  BaseModule [1] 1\n"
                                        "    Master Tables(2) [2] -2\n"
                                        "    Master Forms(2) [5] -3\n"
                                        "    Master-Detail Tables [7] -4\n"
                                        "    Master-Detail Forms [9] -5\n"
                                        "    Dashboards(2) [17] -6\n"
                                        "    Procedures [1] -7\n"
                                        "    Default Procedures [1] -8\n"
                                        "    Search Reports(1) [13] -11\n"
                                        "    Reports [11] -19\n"
                                        "    Menus(1) [19] -12\n"
                                        "    Map Tables [1] -13\n"
                                        "    Map Forms [1] -14\n"
                                        "    DashBoardPages(2) [15] -15\n"
                                        "    MultiPageReports [1] -16\n"
                                        "    Login Page [1] -17\n"
                                        "    ReportCollectors [1] -20\n"
                                        "    User Defined Functions [21] -18\n");
    EXPECT_EQ(control.Dump(Node(Base(), TreeSlot::MasterTables), 2),
              TableLines(Base().GetMasterTables(), 3));
    // The groups of the default procedures, and the base module's login page.
    EXPECT_EQ(control.Dump(Node(Base(), TreeSlot::DefaultProcedures), 2),
              "SelectAll [1] -9\nSelectRecord [1] -10\n");
    EXPECT_EQ(control.Dump(Node(Base(), TreeSlot::LoginPage), 2), "Login Page [1] 0\n");
    const TreeHandle forms = Node(Base(), TreeSlot::MasterForms);
    EXPECT_EQ(control.GetItemData(control.Child(forms, "useraccount_form")),
              Base().FindMasterFormByName("useraccount_form")->GetId());
    EXPECT_EQ(control.GetItemImage(control.Child(forms, "ChangePassword_form")), 6);
    EXPECT_TRUE(control.IsExpanded(tree.GetRootItem()));
    EXPECT_TRUE(control.IsExpanded(tree.GetModuleItem(0)));
    // The slots the tree does not use stay empty.
    for (const int slot : {0, 10, 11, 12})
        EXPECT_EQ(Node(Base(), slot), nullptr) << slot;
}

TEST_F(TreeFixture, ANamedProjectShowsItsNameAndModulesCarryTheirNumbers)
{
    project.SetProjectName("Shop");
    Module* second = project.AddNewModule();
    second->SetNumber(7);
    tree.BuildTree(&project);
    EXPECT_EQ(control.Dump(nullptr, 2), "Shop [0] 0\n"
                                        "  BaseModule [1] 1\n"
                                        "  Module2 [1] 7\n");
    EXPECT_EQ(tree.FindModuleOfTreeItem(Node(*second, TreeSlot::Menus)), second);
}

TEST_F(TreeFixture, CategoryNodesShowTheirBareNamesUntilAnEntityOfTheirKindIsInserted)
{
    Module* module = project.AddNewModule();
    tree.BuildTree(&project);
    EXPECT_EQ(control.GetItemText(Node(*module, TreeSlot::MasterTables)), "Master Tables");
    EXPECT_EQ(control.GetItemText(Node(*module, TreeSlot::UserFunctions)),
              "User Defined Functions");

    Table* orders = NewTable("orders", Table::masterKind, {"amount"});
    module->AddTable(orders);
    ProjectTreeBuilder(control).AddTableItem(*module, *orders);
    Table* lines = NewTable("orders_detail", Table::masterDetailKind);
    module->AddTable(lines);
    ProjectTreeBuilder(control).AddTableItem(*module, *lines);
    EXPECT_EQ(control.Dump(Node(*module, TreeSlot::MasterTables), 2), TableLines({orders}, 3));
    EXPECT_EQ(control.GetItemText(Node(*module, TreeSlot::MasterTables)), "Master Tables(1)");
    EXPECT_EQ(control.GetItemText(Node(*module, TreeSlot::DetailTables)),
              "Master-Detail Tables(1)");
    EXPECT_EQ(
        control.GetItemImage(control.Child(Node(*module, TreeSlot::DetailTables), "orders_detail")),
        8);

    // A map table goes under Map Tables with the module's picture.
    Table* link = NewTable("orders_link", Table::mapKind);
    module->AddTable(link);
    ProjectTreeBuilder(control).AddTableItem(*module, *link);
    EXPECT_EQ(control.Dump(Node(*module, TreeSlot::MapTables), 2), TableLines({link}, 1));
    EXPECT_EQ(control.GetItemText(Node(*module, TreeSlot::MapTables)), "Map Tables(1)");

    // A refresh after a delete leaves the same texts: a count only while there are entities.
    module->AddTable(NewTable("lines_detail", Table::masterDetailKind));
    for (const TreeCategory& category : kCategories)
        ProjectTreeBuilder(control).RefreshCountText(*module, category.slot);
    EXPECT_EQ(control.GetItemText(Node(*module, TreeSlot::DetailTables)),
              "Master-Detail Tables(2)");
    EXPECT_EQ(control.GetItemText(Node(*module, TreeSlot::Reports)), "Reports");
    EXPECT_EQ(control.GetItemText(Node(*module, TreeSlot::UserFunctions)),
              "User Defined Functions");
}

TEST_F(TreeFixture, AMasterFormWithoutANameIsNamedAfterItsTable)
{
    Table* customer = NewTable("customer");
    Base().AddTable(customer);
    Form* form = NewForm("", customer);
    Base().AddMasterForm(form, /*withFiles=*/false);
    tree.BuildTree(&project);
    EXPECT_EQ(form->GetFormName(), "customer_form");
    EXPECT_NE(Item(Base(), TreeSlot::MasterForms, "customer_form"), nullptr);
}

TEST_F(TreeFixture, PagesOnTablesOfAnotherModuleStandUnderTheModuleThatHoldsThem)
{
    // Module2 holds a form on the base module's "customer" besides one on its own "orders", a
    // map form on the base module's map table and two map forms on its own.
    Table* customer = NewTable("customer");
    Base().AddTable(customer);
    Table* regions = NewTable("customer_region", Table::mapKind);
    Base().AppendMapTable(regions);
    Module* second = project.AddNewModule();
    Table* orders = NewTable("orders");
    second->AddTable(orders);
    Table* lines = NewTable("orders_line", Table::mapKind);
    second->AppendMapTable(lines);
    for (Form* form : {NewForm("customer_card", customer), NewForm("orders_card", orders)})
        second->AddMasterForm(form, /*withFiles=*/false);
    for (const auto& [name, table] :
         {std::pair{"regions_map", regions}, std::pair{"lines_map", lines},
          std::pair{"lines_map2", lines}})
    {
        auto* map = NewPage<MapForm>(name);
        map->SetMappingTable(table);
        second->Append(map);
    }
    tree.BuildTree(&project);

    EXPECT_EQ(control.Dump(Node(*second, TreeSlot::MasterForms), 1, /*withData=*/false),
              "orders_card [6]\ncustomer_card [6]\n");
    EXPECT_EQ(control.Dump(Node(*second, TreeSlot::MapForms), 1, /*withData=*/false),
              "lines_map [1]\nregions_map [1]\nlines_map2 [1]\n");
    // Each node's count, items and the entities they open agree.
    EXPECT_EQ(UnlistedEntities(project), "");
}

TEST_F(TreeFixture, AClearedTreeLeavesNoHandlesInTheModules)
{
    tree.Clear();
    EXPECT_EQ(control.CountItems(), 0u);
    EXPECT_EQ(tree.GetRootItem(), nullptr);
    EXPECT_EQ(tree.GetModuleItem(0), nullptr);
    for (const TreeHandle node : *Base().GetTreeItems())
        EXPECT_EQ(node, nullptr);
    // Inserting into a module of a cleared tree inserts nothing.
    Table* table = NewTable("orders");
    Base().AddTable(table);
    ProjectTreeBuilder(control).AddTableItem(Base(), *table);
    EXPECT_EQ(control.CountItems(), 0u);
}

TEST_F(TreeFixture, OnlyTheCurrentModuleIsExpandedAfterARebuild)
{
    project.AddNewModule();
    project.AddNewModule();
    project.SelectModuleAt(1);
    control.SetBold(tree.GetModuleItem(0), true);
    tree.BuildTree(&project);
    for (int index = 0; index < 3; ++index)
    {
        EXPECT_EQ(control.IsExpanded(tree.GetModuleItem(index)), index == 1) << index;
        EXPECT_FALSE(control.IsBold(tree.GetModuleItem(index))) << index;
    }
    EXPECT_EQ(tree.GetModuleItem(3), nullptr);
    EXPECT_EQ(tree.GetModuleItem(-1), nullptr);
}

TEST_F(TreeFixture, ItemsAreToldApartByKindAndModule)
{
    Module* second = project.AddNewModule();
    tree.BuildTree(&project);
    const TreeHandle tables = Node(Base(), TreeSlot::MasterTables);
    const TreeHandle useraccount = control.Child(tables, "useraccount");
    const TreeHandle username = control.Child(useraccount, "username");
    const TreeHandle menu = Item(*second, TreeSlot::Menus, "Module2Menu");
    struct Case
    {
        TreeHandle item;
        bool entity;
        int moduleIndex;
    };
    const Case cases[] = {
        {tree.GetRootItem(), false, -1},
        {tree.GetModuleItem(0), false, 0},
        {tables, false, 0},
        {useraccount, true, 0},
        {username, true, 0},
        {Node(*second, TreeSlot::UserFunctions), false, 1},
        {menu, true, 1},
        {nullptr, false, -1},
    };
    for (const Case& each : cases)
    {
        EXPECT_EQ(tree.IsEntityItem(each.item), each.entity) << control.Dump(each.item, 0);
        EXPECT_EQ(tree.FindModuleIndexOfItem(each.item), each.moduleIndex);
    }
}

TEST_F(TreeFixture, FindEntityItemWalksTheShownItemsPastCategoryNodes)
{
    const TreeHandle tables = Node(Base(), TreeSlot::MasterTables);
    const TreeHandle useraccount = control.Child(tables, "useraccount");
    const Table* table = Base().FindMasterTableByName("useraccount");
    const Field* password = table->FindFieldByName("password");

    // Below the table item its fields are found; the items passed are left expanded.
    EXPECT_EQ(tree.FindEntityItem(password->GetId(), useraccount),
              control.Child(useraccount, "password"));
    EXPECT_TRUE(control.IsExpanded(control.Child(useraccount, "username")));
    EXPECT_FALSE(control.IsExpanded(control.Child(useraccount, "personnel_role_id")));
    // A category node is never returned, even when its data is asked for.
    EXPECT_EQ(tree.FindEntityItem(-2, nullptr), nullptr);
    // Items under a collapsed category node are not reached.
    control.Expand(tables, false);
    EXPECT_EQ(tree.FindEntityItem(table->GetId(), tree.GetModuleItem(0)), nullptr);
    control.Expand(tables, true);
    EXPECT_EQ(tree.FindEntityItem(table->GetId(), tree.GetModuleItem(0)), useraccount);
}

TEST_F(TreeFixture, ARebuiltModuleKeepsWhatWasExpanded)
{
    const TreeHandle tables = Node(Base(), TreeSlot::MasterTables);
    control.Expand(tables, true);
    control.Expand(control.Child(tables, "useraccount"), true);
    Base().RenameDefaultObjects("Shop");
    tree.RebuildModule(Base());

    const TreeHandle rebuilt = Node(Base(), TreeSlot::MasterTables);
    EXPECT_NE(rebuilt, tables);
    EXPECT_TRUE(control.IsExpanded(rebuilt));
    EXPECT_TRUE(control.IsExpanded(control.Child(rebuilt, "useraccount")));
    EXPECT_FALSE(control.IsExpanded(control.Child(rebuilt, "personnel_role")));
    EXPECT_FALSE(control.IsExpanded(Node(Base(), TreeSlot::Menus)));
    EXPECT_NE(Item(Base(), TreeSlot::Menus, "ShopMenu"), nullptr);
    EXPECT_EQ(control.Dump(tree.GetModuleItem(0), 1).find("Master Tables(2)"), 0u);
}

TEST_F(TreeFixture, EditorsKeepItemTextsCurrent)
{
    Table* table = Base().FindMasterTableByName("personnel_role");
    const TreeHandle item = Item(Base(), TreeSlot::MasterTables, "personnel_role");
    // A field's item selected, as after a field is deleted from the tree: only the table's own
    // item takes the table's name.
    const TreeHandle field = control.GetNextSiblingItem(control.GetChildItem(item));
    ASSERT_NE(field, nullptr);
    const CString fieldText = control.GetItemText(field);
    control.SelectItem(field);
    table->SetTableName("role");
    table->GetPrimaryKeyField()->SetFieldName("role_id");
    tree.UpdateTableItemNames(*table);
    EXPECT_EQ(control.GetItemText(item), "role");
    EXPECT_EQ(control.GetItemText(control.GetChildItem(item)), "role_id");
    EXPECT_EQ(control.GetItemText(field), fieldText);

    Field* added = AddVarcharField(table, "title");
    tree.UpdateFieldItemText(*table, *added);
    EXPECT_EQ(control.GetItemData(control.Child(item, "title")), added->GetId());
    // A map table's field item too.
    Table* map = NewTable("role_link", Table::mapKind);
    Base().AddTable(map);
    ProjectTreeBuilder(control).AddTableItem(Base(), *map);
    const TreeHandle mapItem = Item(Base(), TreeSlot::MapTables, "role_link");
    ASSERT_NE(mapItem, nullptr);
    Field* mapField = AddVarcharField(map, "note");
    tree.UpdateFieldItemText(*map, *mapField);
    EXPECT_NE(control.Child(mapItem, "note"), nullptr);

    Form* form = Base().FindMasterFormByName("useraccount_form");
    form->SetName("accounts");
    tree.UpdateFormItemText(*form);
    EXPECT_NE(Item(Base(), TreeSlot::MasterForms, "accounts"), nullptr);

    // A procedure's item is found wherever the selection is.
    auto* procedure = new Procedure;
    procedure->SetKind(Procedure::customKind);
    procedure->SetName("PRC_Own");
    Base().AddProcedure(procedure);
    ProjectTreeBuilder(control).AddProcedureItem(Base(), *procedure);
    const TreeHandle procedureItem = Item(Base(), TreeSlot::UserProcedures, "PRC_Own");
    ASSERT_NE(procedureItem, nullptr);
    control.SelectItem(Node(Base(), TreeSlot::Menus));
    procedure->SetName("PRC_Renamed");
    tree.UpdateProcedureItemText(*procedure);
    EXPECT_EQ(control.GetItemText(procedureItem), "PRC_Renamed");
    EXPECT_EQ(control.GetItemText(Node(Base(), TreeSlot::Menus)), "Menus(1)");

    // A dashboard page's item too, and only its own: the selected form's item keeps its text.
    DashBoardPage* page = Base().FindDashBoardPageByName(Module::DashboardNameOf(Base().GetName()));
    ASSERT_NE(page, nullptr);
    const TreeHandle pageItem =
        Item(Base(), TreeSlot::DashBoardPages, page->GetFormName().GetString());
    ASSERT_NE(pageItem, nullptr);
    const TreeHandle accounts = Item(Base(), TreeSlot::MasterForms, "accounts");
    control.SelectItem(accounts);
    page->SetName("Overview");
    tree.UpdateFormItemText(*page);
    EXPECT_EQ(control.GetItemText(pageItem), "Overview");
    EXPECT_EQ(control.GetItemText(accounts), "accounts");

    // A menu renamed in the menu editor.
    Menu* menu = Base().GetMenus().front();
    const TreeHandle menuItem = Item(Base(), TreeSlot::Menus, menu->GetName().GetString());
    ASSERT_NE(menuItem, nullptr);
    menu->SetName("Library");
    tree.UpdateMenuItemText(*menu);
    EXPECT_EQ(control.GetItemText(menuItem), "Library");
}

TEST_F(TreeFixture, ProceduresMapFormsAndReportPagesShowUnderTheirNodesWithTheirCounts)
{
    Module* module = project.AddNewModule();
    const OtherKinds kinds(*module);
    tree.BuildTree(&project);
    // Default procedures show in their groups, those neither group takes under the groups' node;
    // a module without a login page has no node for it.
    EXPECT_EQ(control.Dump(tree.GetModuleItem(1), 3, /*withData=*/false),
              "Master Tables [2]\n"
              "Master Forms [5]\n"
              "Master-Detail Tables [7]\n"
              "Master-Detail Forms [9]\n"
              "Dashboards(1) [17]\n"
              "  Module2_Dashboard [18]\n"
              "Procedures(1) [1]\n"
              "  PRC_OrderSearch [1]\n"
              "Default Procedures(4) [1]\n"
              "  SelectAll [1]\n"
              "    PRC_orders_SelectAll [1]\n"
              "  SelectRecord [1]\n"
              "    PRC_orders_SelectRecord [1]\n"
              "    PRC_orders_SelectLastRecord [1]\n"
              "  PRC_orders_Insert [1]\n"
              "Search Reports [13]\n"
              "Reports [11]\n"
              "Menus(1) [19]\n"
              "  Module2Menu [20]\n"
              "Map Tables(1) [1]\n"
              "  orders_region [1]\n"
              "    orders_region_id [4]\n"
              "    Is_Deleted [4]\n"
              "    region [4]\n"
              "Map Forms(1) [1]\n"
              "  orders_map [1]\n"
              "DashBoardPages(1) [15]\n"
              "  Module2_Dashboard [16]\n"
              "MultiPageReports(1) [1]\n"
              "  Overview [1]\n"
              "ReportCollectors(1) [1]\n"
              "  Desk [1]\n"
              "User Defined Functions [21]\n");
    // Items carry their entities' ids.
    const std::pair<int, int> items[] = {
        {TreeSlot::UserProcedures, kinds.search->GetId()},
        {TreeSlot::SelectRecordProcedures, kinds.selectRecord->GetId()},
        {TreeSlot::MapTables, kinds.link->GetId()},
        {TreeSlot::MapForms, kinds.map->GetId()},
        {TreeSlot::MultiPageReports, kinds.overview->GetId()},
        {TreeSlot::ReportCollectors, kinds.desk->GetId()},
    };
    for (const auto& [slot, id] : items)
        EXPECT_EQ(control.GetItemData(control.GetChildItem(Node(*module, slot))), id) << slot;
    EXPECT_EQ(Node(*module, TreeSlot::LoginPage), nullptr);

    // The groups are category nodes of the module; the procedures under them are entities.
    const TreeHandle selectAll = Node(*module, TreeSlot::SelectAllProcedures);
    EXPECT_FALSE(tree.IsEntityItem(selectAll));
    EXPECT_TRUE(tree.IsEntityItem(control.GetChildItem(selectAll)));
    EXPECT_EQ(tree.FindModuleOfTreeItem(control.GetChildItem(selectAll)), module);
    EXPECT_EQ(tree.FindEntityItem(-9, tree.GetModuleItem(1)), nullptr);

    // An editor's insert counts the procedures of the kind; one that no group takes stands
    // under the groups' node.
    for (const auto& [name, count, slot] :
         {std::tuple{"PRC_orders_Update", "Default Procedures(5)", TreeSlot::DefaultProcedures},
          std::tuple{"PRC_customer_SelectAll", "Default Procedures(6)",
                     TreeSlot::SelectAllProcedures}})
    {
        auto* other = new Procedure;
        other->SetName(name);
        other->SetKind(Procedure::standardKind);
        module->AddProcedure(other);
        ProjectTreeBuilder(control).AddProcedureItem(*module, *other);
        EXPECT_EQ(control.GetItemText(Node(*module, TreeSlot::DefaultProcedures)), count);
        EXPECT_NE(Item(*module, slot, name), nullptr) << name;
    }
    auto* custom = new Procedure;
    custom->SetName("PRC_Totals");
    module->AddProcedure(custom);
    ProjectTreeBuilder(control).AddProcedureItem(*module, *custom);
    EXPECT_EQ(control.GetItemText(Node(*module, TreeSlot::UserProcedures)), "Procedures(2)");
    EXPECT_NE(Item(*module, TreeSlot::UserProcedures, "PRC_Totals"), nullptr);

    // A rebuilt module keeps its groups under their node and what was expanded.
    control.Expand(tree.GetModuleItem(1), true);
    control.Expand(Node(*module, TreeSlot::DefaultProcedures), true);
    control.Expand(selectAll, true);
    tree.RebuildModule(*module);
    EXPECT_TRUE(control.IsExpanded(Node(*module, TreeSlot::SelectAllProcedures)));
    EXPECT_EQ(control.GetParentItem(Node(*module, TreeSlot::SelectRecordProcedures)),
              Node(*module, TreeSlot::DefaultProcedures));
    EXPECT_EQ(control.Dump(Node(*module, TreeSlot::SelectRecordProcedures), 1, false),
              "PRC_orders_SelectLastRecord [1]\nPRC_orders_SelectRecord [1]\n");
}
