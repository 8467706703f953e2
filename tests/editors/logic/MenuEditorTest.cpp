#include "editors/logic/MenuPages.h"
#include "editors/logic/MenuParentChange.h"
#include "entities/ApplicationReport.h"
#include "entities/AspFile.h"
#include "entities/DashBoard.h"
#include "entities/DashBoardCellInfo.h"
#include "entities/Designation.h"
#include "entities/Grid.h"
#include "entities/GridCell.h"
#include "entities/Menu.h"
#include "entities/Variable.h"
#include "model/NameUtilities.h"
#include "platform/core/ScriptedMessageBoxes.h"
#include "tests/editors/logic/MenuNames.h"
#include "tests/editors/logic/ScriptedMenuHost.h"
#include "tests/model/ModelBuilders.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{
// "BaseModule": "Masters" > "Orders" > "Lines" (opens the orders form's page), a top-level menu
// without a name, a "Director" and a "Clerk" role, the form "orders" with one file of each kind.
// "Sales": "Sales" > "Invoices". A third module without a name and without menus.
class MenuEditorTest : public ::testing::Test
{
protected:
    MenuEditorTest()
    {
        host.project = &Project();
        masters = AddTop(Base(), "Masters");
        orders = AddSub(*masters, "Orders");
        lines = AddSub(*orders, "Lines");
        unnamed = AddTop(Base(), "");
        sales = NewModule("Sales", 2);
        Project().AddModule(sales);
        Project().AddModule(NewModule("", 3));
        salesTop = AddTop(*sales, "Sales");
        invoices = AddSub(*salesTop, "Invoices");
        director = AddRole("Director");
        clerk = AddRole("Clerk");
        form = NewForm("orders", NewTable("orders"));
        Base().AppendMasterTable(form->GetTable());
        Base().Append(form);
        for (int kind = 0; kind < 12; ++kind)
            form->CreateAspFile(kind, AspFile::formOwner);
        lines->SetAspFile(form->GetAspFileAt(0));
    }

    static Menu* AddTop(Module& module, const char* name)
    {
        Menu* menu = NewMenu(name);
        module.Append(menu);
        return menu;
    }
    static Menu* AddSub(Menu& parent, const char* name)
    {
        Menu* menu = NewMenu(name);
        parent.AddSubMenu(menu);
        return menu;
    }
    Designation* AddRole(const char* name)
    {
        auto* role = new Designation(TRUE);
        role->SetName(name);
        Base().Append(role);
        return role;
    }
    ForgeonProject& Project() { return open.Project(); }
    Module& Base() { return open.Base(); }

    // One line per item: indent, text, image, data as a menu name, italics, checks, expansion.
    static std::vector<std::string> Listing(const MenuTreeModel& tree)
    {
        std::vector<std::string> lines;
        for (int item : tree.WalkAll())
        {
            const MenuTreeItem& each = tree.At(item);
            std::string line;
            for (int up = each.parent; up >= 0; up = tree.At(up).parent)
                line += "  ";
            line += std::string(each.text) + " " + std::to_string(each.image);
            const Menu* menu = tree.FindMenu(each.data);
            line += each.data == 0    ? " root"
                    : menu != nullptr ? " #" + std::string(menu->GetName())
                                      : " ?";
            line += each.italic ? " italic" : "";
            line += each.checked ? " ticked" : "";
            line += each.expanded ? " open" : "";
            line += item == tree.GetSelected() ? " selected" : "";
            lines.push_back(line);
        }
        return lines;
    }
    static int ItemOf(const MenuTreeModel& tree, const Menu* menu)
    {
        return tree.FindItemOf(menu->GetId());
    }

    OpenBaseModuleProject open;
    ScriptedMenuHost host;
    Module* sales = nullptr;
    Menu* masters = nullptr;
    Menu* orders = nullptr;
    Menu* lines = nullptr;
    Menu* unnamed = nullptr;
    Menu* salesTop = nullptr;
    Menu* invoices = nullptr;
    Designation* director = nullptr;
    Designation* clerk = nullptr;
    Form* form = nullptr;
};

TEST_F(MenuEditorTest, TheFillerListsEveryModuleWithItsMenus)
{
    MenuTreeModel tree;
    FillMenuTree(Project(), tree, nullptr);
    EXPECT_EQ(Listing(tree), (std::vector<std::string>{
                                 "BaseModule_Parent Menu 0 root",
                                 "  Masters 0 #Masters",
                                 "    Orders 1 #Orders",
                                 "      Lines 1 #Lines italic",
                                 "  Parent Menu 0 #",
                                 "Sales_Parent Menu 0 root",
                                 "  Sales 0 #Sales",
                                 "    Invoices 1 #Invoices",
                                 "Parent Menu 0 root",
                             }));
    FillMenuTree(Project(), tree, nullptr, {.italics = false});
    EXPECT_EQ(Listing(tree)[3], "      Lines 1 #Lines");

    tree.Select(ItemOf(tree, invoices));
    EXPECT_EQ(GetSelectedMenu(tree), invoices);
    tree.Select(tree.GetRoots()[1]);
    EXPECT_EQ(GetSelectedMenu(tree), nullptr);
    tree.Select(-1);
    EXPECT_EQ(GetSelectedMenu(tree), nullptr);
}

TEST_F(MenuEditorTest, ARefillKeepsTheExpansionAndTheSelectionOfTheUpperTwoLevels)
{
    const struct
    {
        Menu* selected;
        MenuTreeOptions options;
        bool kept;
    } cases[] = {
        {masters, {}, true},
        {orders, {}, true},
        {invoices, {}, true},
        {lines, {}, false},
        {orders, {.keepSelection = false}, false},
    };
    for (const auto& each : cases)
    {
        MenuTreeModel tree;
        FillMenuTree(Project(), tree, nullptr);
        const Menu* selected = each.selected;
        tree.Select(ItemOf(tree, selected));
        tree.At(ItemOf(tree, orders)).expanded = true;
        tree.At(tree.GetRoots()[1]).expanded = true;
        FillMenuTree(Project(), tree, nullptr, each.options);
        EXPECT_EQ(GetSelectedMenu(tree), each.kept ? selected : nullptr) << selected->GetName();
        EXPECT_TRUE(tree.At(ItemOf(tree, orders)).expanded);
        EXPECT_TRUE(tree.At(tree.GetRoots()[1]).expanded);
        EXPECT_FALSE(tree.At(ItemOf(tree, masters)).expanded);
    }

    MenuTreeModel tree;
    FillMenuTree(Project(), tree, invoices);
    EXPECT_TRUE(tree.At(tree.GetRoots()[0]).expanded);
    EXPECT_TRUE(tree.At(ItemOf(tree, invoices)).expanded);
    EXPECT_FALSE(tree.At(ItemOf(tree, salesTop)).expanded);
}

TEST_F(MenuEditorTest, AChainAsDeepAsAFileHoldsFillsTheTreeInOrder)
{
    // Deeper than the thread's stack would take a recursive walk.
    constexpr int depth = 100000;
    // Linked from the bottom up, so that each link finds its top menu at once.
    std::vector<Menu*> chain;
    for (int level = 0; level < depth; ++level)
        chain.push_back(NewMenu("Deep"));
    for (int level = depth - 1; level > 0; --level)
        chain[level - 1]->AddSubMenu(chain[level]);
    Menu* deep = chain.front();
    sales->Append(deep);
    MenuTreeModel tree;
    FillMenuTree(Project(), tree, chain.back());
    tree.Select(ItemOf(tree, chain[1]));
    FillMenuTree(Project(), tree, nullptr);

    const std::vector<int> order = tree.WalkAll();
    ASSERT_EQ(static_cast<int>(order.size()), 9 + depth);
    // Each menu of the chain is the only child of the one before, the deepest one kept open.
    int item = ItemOf(tree, deep);
    for (Menu* menu : chain)
    {
        ASSERT_EQ(tree.At(item).data, menu->GetId());
        item = tree.At(item).children.empty() ? -1 : tree.At(item).children.front();
    }
    EXPECT_EQ(item, -1);
    EXPECT_TRUE(tree.At(ItemOf(tree, chain.back())).expanded);
    EXPECT_EQ(GetSelectedMenu(tree), chain[1]);
    EXPECT_EQ(tree.FindMenu(chain.back()->GetId()), chain.back());
}

TEST_F(MenuEditorTest, PageCombosListThePagesOfTheKindAndTheFilesButTheActionFiles)
{
    auto* report = NewPage<ApplicationReport>("orders_report");
    Base().Append(report);
    EXPECT_EQ(PageNames(&Base(), masterFormPage), std::vector<CString>{"orders"});
    EXPECT_EQ(PageNames(&Base(), applicationReportPage), std::vector<CString>{"orders_report"});
    for (int kind : {masterDetailPage, rdlcReportPage, dashBoardPage, loginPage})
        EXPECT_TRUE(PageNames(&Base(), kind).empty()) << kind;
    EXPECT_TRUE(PageNames(nullptr, masterFormPage).empty());
    EXPECT_EQ(GetSelectedPage(&Base(), 0, masterFormPage), form);
    EXPECT_EQ(GetSelectedPage(&Base(), 1, masterFormPage), nullptr);
    EXPECT_EQ(GetSelectedPage(&Base(), 0, applicationReportPage), report);

    std::vector<CString> expected;
    for (int kind : {0, 1, 3, 5, 7})
        expected.push_back(form->GetAspFileAt(kind)->GetRelativeUrl(FALSE, FALSE));
    const std::vector<CString> urls = PageFileUrls(form);
    EXPECT_EQ(urls, expected);
    EXPECT_EQ(FindSelectedPageFile(form, urls, -1), form->GetAspFileAt(0));
    EXPECT_EQ(FindSelectedPageFile(form, urls, 2), form->GetAspFileAt(3));
    EXPECT_EQ(FindSelectedPageFile(form, urls, 5), nullptr);
    EXPECT_EQ(FindSelectedPageFile(nullptr, urls, 0), nullptr);
}

TEST_F(MenuEditorTest, ParentCandidatesLeaveOutTheMenuItsSubtreeAndMenusWithAPageFile)
{
    Menu* reports = AddSub(*masters, "Reports");
    const struct
    {
        Menu* menu;
        std::vector<CString> texts;
    } cases[] = {
        {orders, {"Masters-Reports", "Masters", ""}},
        {reports, {"Masters-Orders", "Masters", ""}},
        {masters, {""}},
        {lines, {"Masters-Orders", "Masters-Reports", "Masters", ""}},
    };
    for (const auto& each : cases)
    {
        const ParentMenuEntries entries = FillParentMenuCombo(Project(), *each.menu);
        EXPECT_EQ(entries.texts, each.texts) << each.menu->GetName();
        ASSERT_EQ(entries.menus.size(), each.texts.size());
        for (std::size_t i = 0; i < entries.menus.size(); ++i)
            EXPECT_EQ(entries.texts[i], ParentMenuText(*entries.menus[i]));
    }
    MenuParentChange change(Project(), *orders);
    change.Load();
    EXPECT_EQ(change.GetCandidateNames(), cases[0].texts);
}

TEST_F(MenuEditorTest, MenuNamesRefuseTheSpecialCharacters)
{
    const struct
    {
        const char* name;
        bool accepted;
        const char* message;
    } cases[] = {
        {"Order lines", true, ""},
        {"Orders:All", true, ""},
        {"Order_Lines", true, ""},
        {"Caf\xc3\xa9", true, ""},
        {"\x7f", false, "Special charater in menu name.Please check."},
        {"Orders\nAll", false, "Special charater in menu name.Please check."},
        {"Orders-All", false, "Special charater in menu name.Please check."},
        {"Orders.All", false, "Special charater in menu name.Please check."},
        {"Why?", false, "Special charater in menu name.Please check."},
        {"a@b", false, "Special charater in menu name.Please check."},
        {"[x]", false, "Special charater in menu name.Please check."},
        {"{x}", false, "Special charater in menu name.Please check."},
        {"", false, "Please enter valid menu name."},
    };
    for (const auto& each : cases)
    {
        ScriptedMessageBoxes boxes;
        EXPECT_EQ(CheckChildMenuName(each.name), each.accepted) << each.name;
        EXPECT_EQ(boxes.ShownTexts(), each.accepted ? std::vector<std::string>{}
                                                    : std::vector<std::string>{each.message})
            << each.name;
    }
}

// The "Menus" page filled, with the item of a menu clicked.
class MenuCreationTest : public MenuEditorTest
{
protected:
    MenuCreationTest()
    {
        page.ResetSelection();
        page.Refill();
    }
    void Click(const Menu* menu) { page.Click(ItemOf(page.Tree(), menu)); }
    std::vector<bool> Enabled()
    {
        std::vector<bool> flags;
        for (int id : {1096, 1040, 1041, 1769, 1770, 1773, 1023})
            flags.push_back(page.Controls().IsEnabled(id));
        return flags;
    }

    MenuCreation page{Project(), host};
};

TEST_F(MenuCreationTest, AClickEnablesTheCommandsThatSuitTheMenu)
{
    const struct
    {
        const char* name;
        int item;
        std::vector<bool> enabled;
        const char* fileText;
        const char* parentText;
    } cases[] = {
        {"Masters", ItemOf(page.Tree(), masters), {1, 0, 0, 1, 1, 1, 1}, "", ""},
        {"Lines", ItemOf(page.Tree(), lines), {1, 0, 1, 1, 0, 1, 1}, "", "Orders"},
        {"Invoices", ItemOf(page.Tree(), invoices), {1, 1, 0, 1, 1, 1, 1}, "", ""},
        {"Menu not selected.",
         page.Tree().GetRoots()[0],
         {0, 0, 0, 0, 0, 0, 0},
         "File not assigned.",
         ""},
        {"Menu not selected.", -1, {0, 0, 0, 0, 0, 0, 0}, "File not assigned.", ""},
    };
    const CString linesUrl = lines->GetAspFile()->GetRelativeUrl(FALSE, FALSE);
    for (const auto& each : cases)
    {
        page.Click(ItemOf(page.Tree(), invoices));
        page.Click(each.item);
        EXPECT_EQ(page.Controls().GetText(1096), each.name);
        EXPECT_EQ(Enabled(), each.enabled) << each.name;
        EXPECT_EQ(page.Controls().GetText(1159),
                  CString(each.name) == "Lines" ? linesUrl : CString(each.fileText));
        EXPECT_EQ(page.Controls().GetText(1160), each.parentText) << each.name;
    }
    // A root click after a menu click leaves nothing for "Update" to rename.
    EXPECT_EQ(page.GetSelected(), nullptr);
    page.Controls().SetText(1096, "Renamed");
    page.Update();
    EXPECT_EQ(page.Tree().At(page.Tree().GetRoots()[0]).text, "BaseModule_Parent Menu");
    EXPECT_EQ(invoices->GetName(), "Invoices");
}

TEST_F(MenuCreationTest, UpdateRenamesTheMenuAndTheDashboardCellsThatLinkIt)
{
    auto* dashBoard = new DashBoard;
    dashBoard->SetGrid(new Grid(1, 1));
    auto* cell = new DashBoardCellInfo;
    cell->SetCaption("Orders");
    cell->SetMenu(orders);
    dashBoard->GetGrid()->GetCellAt(0, 0)->SetCellData(cell, GridCell::kDashBoardCellInfo);
    sales->Append(dashBoard);

    // The project tree's item follows each name taken.
    const struct
    {
        const char* typed;
        const char* name;
        std::vector<std::string> messages;
        std::vector<CString> treeItems;
    } cases[] = {
        {"Order list", "Order list", {}, {"tree item Order list"}},
        {"Order-list", "Order list", {"Special charater in menu name.Please check."}, {}},
        {"", "", {}, {"tree item "}},
    };
    for (const auto& each : cases)
    {
        ScriptedMessageBoxes boxes;
        Click(orders);
        page.Controls().SetText(1096, each.typed);
        host.calls.clear();
        page.Update();
        EXPECT_EQ(host.calls, each.treeItems) << each.typed;
        EXPECT_EQ(orders->GetName(), each.name) << each.typed;
        EXPECT_EQ(cell->GetCaption(), each.name) << each.typed;
        EXPECT_EQ(page.Tree().At(ItemOf(page.Tree(), orders)).text, each.name) << each.typed;
        EXPECT_EQ(boxes.ShownTexts(), each.messages) << each.typed;
        EXPECT_EQ(page.GetSelected(), nullptr);
        EXPECT_EQ(page.Controls().GetText(1096), "Menu not selected.");
    }
}

TEST_F(MenuCreationTest, AddSubMenuMapsTheNewLeafOnThePageFilesOfItsTopMenu)
{
    AspFile* shown = form->GetAspFileAt(1);
    shown->SetTopMenu(salesTop);
    salesTop->AddPageFile(shown);
    shown->SyncMenuVariableMaps(TRUE);
    ASSERT_NE(shown->FindTopMenuVariableMap(invoices), nullptr);

    host.childName = "";
    Click(salesTop);
    page.AddSubMenu();
    EXPECT_EQ(salesTop->GetSubMenus().size(), 1u);

    host.childName = "Credit notes";
    Click(salesTop);
    page.AddSubMenu();
    ASSERT_EQ(salesTop->GetSubMenus().size(), 2u);
    Menu* added = salesTop->GetSubMenus()[1];
    EXPECT_EQ(added->GetName(), "Credit notes");
    EXPECT_NE(shown->FindTopMenuVariableMap(added), nullptr);
    EXPECT_NE(shown->FindTopMenuVariableMap(invoices), nullptr);
    EXPECT_TRUE(director->HasMenu(added));
    EXPECT_FALSE(clerk->HasMenu(added));
    const int item = ItemOf(page.Tree(), added);
    ASSERT_GE(item, 0);
    EXPECT_EQ(page.Tree().At(item).image, 1);
    EXPECT_TRUE(page.Tree().At(ItemOf(page.Tree(), salesTop)).expanded);
    EXPECT_EQ(host.calls, (std::vector<CString>{"child of Sales", "child of Sales"}));
}

TEST_F(MenuCreationTest, UpAndDownMoveOnlyMenusOfTheCurrentModule)
{
    Menu* reports = AddSub(*masters, "Reports");
    page.Refill();
    const struct
    {
        Menu* menu;
        bool up;
        std::vector<CString> masters;
        std::vector<CString> base;
    } cases[] = {
        {reports, true, {"Reports", "Orders"}, {"Masters", ""}},
        {reports, true, {"Reports", "Orders"}, {"Masters", ""}},
        {reports, false, {"Orders", "Reports"}, {"Masters", ""}},
        {masters, false, {"Orders", "Reports"}, {"", "Masters"}},
        {masters, true, {"Orders", "Reports"}, {"Masters", ""}},
        {invoices, true, {"Orders", "Reports"}, {"Masters", ""}},
        {salesTop, false, {"Orders", "Reports"}, {"Masters", ""}},
    };
    for (const auto& each : cases)
    {
        Click(each.menu);
        page.Tree().At(0).text = "stale";
        each.up ? page.Up() : page.Down();
        EXPECT_EQ(Names(masters->GetSubMenus()), each.masters) << each.menu->GetName();
        EXPECT_EQ(Names(Base().GetMenus()), each.base) << each.menu->GetName();
        EXPECT_EQ(Names(salesTop->GetSubMenus()), std::vector<CString>{"Invoices"});
        EXPECT_EQ(page.Tree().At(0).text, "BaseModule_Parent Menu");
    }
}

TEST_F(MenuCreationTest, FilesAreAttachedAndRemovedAfterTheQuestion)
{
    host.fileToAssign = form->GetAspFileAt(3);
    Click(invoices);
    page.AttachFile();
    EXPECT_EQ(invoices->GetAspFile(), host.fileToAssign);
    EXPECT_EQ(page.Controls().GetText(1159), host.fileToAssign->GetRelativeUrl(FALSE, FALSE));
    EXPECT_FALSE(page.Controls().IsEnabled(1770));
    // Attach and Remove File follow at once.
    EXPECT_FALSE(page.Controls().IsEnabled(1040));
    EXPECT_TRUE(page.Controls().IsEnabled(1041));

    for (int answer : {IDNO, IDYES})
    {
        ScriptedMessageBoxes boxes{answer};
        Click(invoices);
        page.RemoveFile();
        EXPECT_EQ(boxes.ShownTexts(),
                  std::vector<std::string>{"Do you really want to remove the assigned file for "
                                           "the selected menu \"ordersUpdate.aspx\"?"});
        EXPECT_EQ(invoices->GetAspFile(), answer == IDYES ? nullptr : host.fileToAssign);
        EXPECT_EQ(host.fileToAssign->IsLinkedFrom(invoices), answer != IDYES);
        EXPECT_EQ(page.Controls().GetText(1159),
                  answer == IDYES ? CString("File not assigned.")
                                  : host.fileToAssign->GetRelativeUrl(FALSE, FALSE));
        EXPECT_EQ(page.Controls().IsEnabled(1770), answer == IDYES);
        EXPECT_EQ(page.Controls().IsEnabled(1040), answer == IDYES);
        EXPECT_EQ(page.Controls().IsEnabled(1041), answer != IDYES);
    }
}

TEST_F(MenuCreationTest, ChangeParentAndDeleteRefillTheTree)
{
    // No parent chosen: the tree is not refilled.
    Click(invoices);
    page.Tree().At(0).text = "stale";
    page.ChangeParent();
    EXPECT_EQ(invoices->GetParent(), salesTop);
    EXPECT_EQ(page.Tree().At(0).text, "stale");
    EXPECT_EQ(page.GetSelected(), invoices);

    Click(unnamed);
    host.parentIndex = 1;
    page.ChangeParent();
    EXPECT_EQ(unnamed->GetParent(), masters);
    EXPECT_EQ(Names(Base().GetMenus()), std::vector<CString>{"Masters"});
    EXPECT_EQ(page.Tree().At(ItemOf(page.Tree(), unnamed)).parent, ItemOf(page.Tree(), masters));
    EXPECT_TRUE(page.Tree().At(page.Tree().GetRoots()[0]).expanded);

    for (int answer : {IDNO, IDYES})
    {
        ScriptedMessageBoxes boxes{answer};
        Click(orders);
        page.Delete();
        EXPECT_EQ(boxes.ShownTexts(),
                  std::vector<std::string>{"Do you really want to delete menu \"Orders\"?"});
        const std::vector<CString> left =
            answer == IDYES ? std::vector<CString>{""} : std::vector<CString>{"Orders", ""};
        EXPECT_EQ(Names(masters->GetSubMenus()), left);
    }
    EXPECT_EQ(page.Tree().GetCount(), 7);
    EXPECT_TRUE(form->GetAspFileAt(0)->GetLinkingItems().empty());
    EXPECT_EQ(page.GetSelected(), nullptr);
}

TEST_F(MenuCreationTest, EveryCommandActsOnTheMenuTheSelectionShows)
{
    // The selection moved by a key after a click: the panel follows it and Delete names it.
    Click(invoices);
    Click(salesTop);
    EXPECT_EQ(page.Controls().GetText(1096), "Sales");
    {
        ScriptedMessageBoxes boxes{IDNO};
        page.Delete();
        EXPECT_EQ(boxes.ShownTexts(),
                  std::vector<std::string>{"Do you really want to delete menu \"Sales\"?"});
    }
    page.Controls().SetText(1096, "Sales desk");
    page.Update();
    EXPECT_EQ(salesTop->GetName(), "Sales desk");
    EXPECT_EQ(invoices->GetName(), "Invoices");

    host.childName = "Receipts";
    Click(invoices);
    Click(masters);
    page.AddSubMenu();
    EXPECT_EQ(Names(masters->GetSubMenus()), (std::vector<CString>{"Orders", "Receipts"}));
    EXPECT_TRUE(invoices->GetSubMenus().empty());

    // Down keeps the moved menu shown, so that it can move again.
    Click(orders);
    page.Down();
    EXPECT_EQ(Names(masters->GetSubMenus()), (std::vector<CString>{"Receipts", "Orders"}));
    EXPECT_EQ(page.GetSelected(), orders);
    EXPECT_EQ(page.Controls().GetText(1096), "Orders");
}

TEST_F(MenuCreationTest, ANameTypedAndNotUpdatedIsAskedAboutBeforeTheSelectionMoves)
{
    const struct
    {
        int answer;
        const char* name;
    } cases[] = {{IDCANCEL, "Orders"}, {IDNO, "Orders"}, {IDYES, "Order list"}};
    for (const auto& each : cases)
    {
        page.ResetSelection();
        orders->SetName("Orders");
        Click(orders);
        page.Controls().SetText(1096, "Order list");
        ScriptedMessageBoxes boxes{each.answer};
        Click(invoices);
        EXPECT_EQ(boxes.ShownTexts(), std::vector<std::string>{"The menu name \"Order list\" has "
                                                               "not been updated. Update it?"});
        EXPECT_EQ(orders->GetName(), each.name);
        EXPECT_EQ(page.GetSelected(), each.answer == IDCANCEL ? orders : invoices);
        EXPECT_EQ(page.Tree().GetSelected(), ItemOf(page.Tree(), page.GetSelected()));
    }
    Click(orders);
    page.Controls().SetText(1096, "Orders-All");
    ScriptedMessageBoxes boxes{IDYES, IDOK};
    EXPECT_FALSE(page.Close());
    EXPECT_EQ(orders->GetName(), "Order list");
    EXPECT_EQ(page.Controls().GetText(1096), "Order list");
    EXPECT_TRUE(page.Close());
}

// The "Role wise Menus" page after a refresh with "Director" chosen.
class MenuDesignationTest : public MenuEditorTest
{
protected:
    MenuDesignationTest()
    {
        page.Refill();
        page.ReloadRoles();
    }
    void Tick(const std::vector<Menu*>& menus)
    {
        for (Menu* menu : menus)
            page.Tree().At(ItemOf(page.Tree(), menu)).checked = true;
    }
    std::vector<CString> RowTexts()
    {
        std::vector<CString> texts;
        for (const ListRow& row : page.Rows())
            texts.push_back(row.cells.at(1));
        return texts;
    }
    std::vector<CString> Ticked()
    {
        std::vector<CString> names;
        for (int item : page.Tree().WalkAll())
            if (page.Tree().At(item).checked)
                names.push_back(page.Tree().At(item).text);
        return names;
    }

    MenuDesignation page{Project()};
};

TEST_F(MenuDesignationTest, AssignGivesTheTickedMenusOfEveryModuleWithTheirAncestorsOnce)
{
    EXPECT_EQ(page.Controls().GetItems(1094), (std::vector<CString>{"Director", "Clerk"}));
    EXPECT_EQ(page.Controls().GetItems(1095), (std::vector<CString>{"Director", "Clerk"}));
    EXPECT_EQ(page.GetRole(), director);

    Tick({lines, orders, invoices});
    page.Assign();
    EXPECT_EQ(Names(director->GetMenus()),
              (std::vector<CString>{"Orders", "Masters", "Lines", "Invoices", "Sales"}));
    EXPECT_EQ(RowTexts(),
              (std::vector<CString>{"Masters__Orders", "Masters", "Masters_Orders__Lines",
                                    "Sales__Invoices", "Sales"}));
    EXPECT_EQ(page.GetSelectedRow(), 4);

    // The ticks shown for the role cover every module, so ">" right away keeps them all.
    page.ChooseRole(1);
    page.ChooseRole(0);
    EXPECT_EQ(Ticked(), (std::vector<CString>{"Masters", "Orders", "Lines", "Sales", "Invoices"}));
    page.Assign();
    EXPECT_EQ(director->GetMenus().size(), 5u);

    for (int item : page.Tree().WalkAll())
        page.Tree().At(item).checked = false;
    page.Assign();
    EXPECT_TRUE(director->GetMenus().empty());
    EXPECT_TRUE(RowTexts().empty());
    EXPECT_TRUE(orders->GetRoles().empty());

    page.ChooseRole(-1);
    ScriptedMessageBoxes boxes;
    page.Assign();
    EXPECT_EQ(boxes.ShownTexts(), std::vector<std::string>{"Select Role."});
}

TEST_F(MenuDesignationTest, SelectAllAndDeselectAllLeaveTheFirstRootAlone)
{
    const struct
    {
        bool select;
        int answer;
        const char* question;
        std::size_t ticked;
    } cases[] = {
        {true, IDCANCEL, "Do you want to select all?", 0},
        {true, IDOK, "Do you want to select all?", 8},
        {false, IDCANCEL, "Do you want to de-select all?", 8},
        {false, IDOK, "Do you want to de-select all?", 0},
    };
    page.Tree().At(0).checked = false;
    for (const auto& each : cases)
    {
        ScriptedMessageBoxes boxes{each.answer};
        each.select ? page.SelectAll() : page.DeselectAll();
        EXPECT_EQ(boxes.ShownTexts(), std::vector<std::string>{each.question});
        EXPECT_EQ(Ticked().size(), each.ticked) << each.question << each.answer;
        EXPECT_FALSE(page.Tree().At(0).checked);
    }
    page.Tree().At(0).checked = true;
    ScriptedMessageBoxes boxes{IDOK};
    page.DeselectAll();
    EXPECT_TRUE(page.Tree().At(0).checked);
    for (int item : page.Tree().WalkAll())
        EXPECT_TRUE(page.Tree().At(item).expanded);
}

TEST_F(MenuDesignationTest, CopyAddsWhatTheDestinationLacksAndRemovalsAskFirst)
{
    director->AddMenu(masters);
    director->AddMenu(orders);
    clerk->AddMenu(invoices);
    clerk->AddMenu(masters);

    const struct
    {
        int source, destination, answer;
        std::vector<std::string> questions;
        std::vector<CString> clerkMenus;
    } cases[] = {
        {0, 0, IDOK, {}, {"Invoices", "Masters"}},
        {0, 1, IDCANCEL, {"Do you want to copy all menus?"}, {"Invoices", "Masters"}},
        {0, 1, IDOK, {"Do you want to copy all menus?"}, {"Invoices", "Masters", "Orders"}},
        {1, -1, IDOK, {}, {"Invoices", "Masters", "Orders"}},
    };
    for (const auto& each : cases)
    {
        ScriptedMessageBoxes boxes{each.answer};
        page.ChooseRole(each.source);
        page.ChooseDestination(each.destination);
        page.Copy();
        EXPECT_EQ(boxes.ShownTexts(), each.questions);
        EXPECT_EQ(Names(clerk->GetMenus()), each.clerkMenus);
        EXPECT_EQ(page.Controls().GetSelection(1095), -1);
    }
    EXPECT_EQ(Names(director->GetMenus()), (std::vector<CString>{"Masters", "Orders"}));

    page.ChooseRole(1);
    for (int answer : {IDCANCEL, IDOK})
    {
        ScriptedMessageBoxes boxes{answer};
        page.SelectRow(1);
        page.Unassign();
        EXPECT_EQ(boxes.ShownTexts(),
                  std::vector<std::string>{"Do you want to remove menu for role \"Masters\"?"});
    }
    EXPECT_EQ(Names(clerk->GetMenus()), (std::vector<CString>{"Invoices", "Orders"}));
    EXPECT_EQ(RowTexts(), (std::vector<CString>{"Sales__Invoices", "Masters__Orders"}));
    EXPECT_EQ(Ticked(), (std::vector<CString>{"Orders", "Invoices"}));

    for (int answer : {IDCANCEL, IDOK})
    {
        ScriptedMessageBoxes boxes{answer};
        page.RemoveAll();
        EXPECT_EQ(boxes.ShownTexts(), std::vector<std::string>{"Do you want to remove all menus?"});
        EXPECT_EQ(clerk->GetMenus().empty(), answer == IDOK);
    }
    EXPECT_TRUE(RowTexts().empty());
    EXPECT_TRUE(Ticked().empty());
}

// The "Menus on Files" page reset, the orders form's second file picked.
class MenuInterfaceFilesTest : public MenuEditorTest
{
protected:
    MenuInterfaceFilesTest()
    {
        for (auto [name, kind] : {std::pair{"order_id", Variable::pageKind},
                                  std::pair{"mode", Variable::parameterKind}})
        {
            auto* variable = new Variable;
            variable->SetName(name);
            variable->SetKind(kind);
            form->AddFieldVariableMap(new FieldVariableMap{nullptr, variable});
        }
        page.Reset();
        page.ChooseType(0);
        page.ChoosePage(0);
        page.ChooseFile(1);
    }
    std::vector<bool> Enabled()
    {
        std::vector<bool> flags;
        for (int id : {1015, 1245, 1247, 1261, 1262, 1253, 1267, 1663})
            flags.push_back(page.Controls().IsEnabled(id));
        return flags;
    }
    AspFile* Picked() { return form->GetAspFileAt(1); }

    MenuInterfaceFiles page{Project(), host};
};

TEST_F(MenuInterfaceFilesTest, SelectFileAssignAndRemoveSetTheTopMenu)
{
    EXPECT_EQ(page.Controls().GetItems(1481).size(), 5u);
    EXPECT_EQ(page.Controls().GetItems(1015), (std::vector<CString>{"BaseModule", "Sales", ""}));
    EXPECT_EQ(page.Controls().GetSelection(1015), 0);
    EXPECT_EQ(page.Controls().GetItems(1245), std::vector<CString>{"orders"});
    EXPECT_EQ(page.Controls().GetItems(1247).size(), 5u);

    const CString url = Picked()->GetRelativeUrl(FALSE, FALSE);
    const struct
    {
        const char* step;
        Menu* chosen;
        int answer;
        Menu* top;
        std::vector<bool> enabled;
        const char* topText;
    } cases[] = {
        {"select", nullptr, 0, nullptr, {1, 1, 1, 1, 1, 1, 0, 0}, ""},
        {"assign", nullptr, 0, nullptr, {1, 1, 1, 1, 1, 1, 0, 0}, ""},
        {"assign", masters, 0, masters, {1, 1, 1, 1, 1, 0, 1, 1}, "Masters"},
        {"remove", nullptr, IDNO, masters, {1, 1, 1, 1, 1, 0, 1, 1}, "Masters"},
        {"remove", nullptr, IDYES, nullptr, {1, 1, 1, 1, 1, 1, 0, 0}, ""},
    };
    for (const auto& each : cases)
    {
        ScriptedMessageBoxes boxes{each.answer};
        host.topMenu = each.chosen;
        const std::string step = each.step;
        if (step == "select")
            page.SelectFile();
        else if (step == "assign")
            page.Assign();
        else
            page.Remove();
        EXPECT_EQ(page.GetFile(), Picked());
        EXPECT_EQ(Picked()->GetTopMenu(), each.top) << step;
        EXPECT_EQ(masters->HasAspFile(Picked()), each.top != nullptr) << step;
        EXPECT_EQ(Picked()->FindTopMenuVariableMap(lines) != nullptr, each.top != nullptr) << step;
        EXPECT_EQ(Enabled(), each.enabled) << step;
        EXPECT_EQ(page.Controls().GetText(1778), each.topText) << step;
        EXPECT_EQ(page.Controls().GetText(1262), url);
        EXPECT_EQ(boxes.ShownTexts().size(), each.answer != 0 ? 1u : 0u);
    }

    page.MapParameters();
    EXPECT_EQ(host.calls, std::vector<CString>{"map"});
    page.Reset();
    EXPECT_EQ(page.GetFile(), Picked());
    EXPECT_EQ(Enabled(), (std::vector<bool>{0, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(page.Controls().GetText(1262), "");
    EXPECT_EQ(page.Controls().GetSelection(1481), -1);

    // A page file that no entry names leaves the page as it was.
    page.ChooseType(1);
    page.SelectFile();
    EXPECT_EQ(page.Controls().GetText(1262), "");
}

TEST_F(MenuInterfaceFilesTest, SelectMenuRefusesALeafWithAPageFile)
{
    TopMenuChoice choice(Project());
    const struct
    {
        Menu* clicked;
        Menu* chosen;
        std::vector<std::string> messages;
        const char* name;
    } cases[] = {
        {orders, orders, {}, "Orders"},
        {lines, nullptr, {"Can not select leaf menu"}, "Orders"},
        {salesTop, salesTop, {}, "Sales"},
    };
    for (const auto& each : cases)
    {
        ScriptedMessageBoxes boxes;
        choice.Tree().Select(ItemOf(choice.Tree(), each.clicked));
        choice.Select();
        EXPECT_EQ(choice.GetChosen(), each.chosen);
        EXPECT_EQ(boxes.ShownTexts(), each.messages);
        EXPECT_EQ(choice.Controls().GetText(1096), each.name);
    }
}

TEST_F(MenuInterfaceFilesTest, ParametersArePairedAndUnpairedPerLeaf)
{
    host.topMenu = masters;
    page.SelectFile();
    page.Assign();

    MenuParameterMapping mapping(*Picked(), true);
    mapping.Load();
    const CString fileName = Picked()->GetFileName(FALSE);
    EXPECT_EQ(mapping.GetTitle(), "Map menu paramaters for " + fileName);
    EXPECT_EQ(mapping.Controls().GetText(1263), fileName + " Variables");
    EXPECT_EQ(mapping.Controls().GetItems(1248), std::vector<CString>{"Lines"});
    EXPECT_EQ(mapping.Controls().GetItems(1246), (std::vector<CString>{"order_id", "mode"}));
    mapping.Controls().Select(1248, 0);
    mapping.SelectMenu();
    EXPECT_EQ(mapping.Controls().GetText(1749), form->GetAspFileAt(0)->GetFileName(FALSE));

    const auto cells = [&mapping]
    {
        std::vector<std::vector<CString>> rows;
        for (const ListRow& row : mapping.Rows())
            rows.push_back(row.cells);
        return rows;
    };
    EXPECT_EQ(cells(), (std::vector<std::vector<CString>>{{"order_id", ""}}));
    for (int variable : {1, 0})
    {
        mapping.SelectRow(0);
        mapping.Controls().Select(1246, variable);
        mapping.Map();
        EXPECT_EQ(mapping.Controls().GetSelection(1246), -1);
    }
    const MenuVariableMap* map = Picked()->FindTopMenuVariableMap(lines);
    ASSERT_EQ(map->GetVariablePairs().size(), 2u);
    EXPECT_EQ(map->GetVariablePairs()[0].second->GetFieldName(), "mode");
    EXPECT_EQ(cells(), (std::vector<std::vector<CString>>{{"order_id", "order_id"}}));

    ScriptedMessageBoxes boxes{IDYES};
    mapping.SelectRow(0);
    mapping.Unmap();
    EXPECT_EQ(boxes.ShownTexts(),
              std::vector<std::string>{"Do you want to remove the mapping \"order_id\"?"});
    ASSERT_EQ(map->GetVariablePairs().size(), 1u);
    EXPECT_EQ(map->GetVariablePairs()[0].second->GetFieldName(), "order_id");
    EXPECT_EQ(cells(), (std::vector<std::vector<CString>>{{"order_id", "order_id"}}));

    // Removing the top menu deletes the maps with their pairs.
    ScriptedMessageBoxes yes{IDYES};
    page.Remove();
    EXPECT_TRUE(Picked()->GetTopMenuVariableMaps().empty());

    // A menu whose leaves open no page file lists nothing.
    host.topMenu = salesTop;
    page.Assign();
    MenuParameterMapping empty(*Picked(), true);
    ScriptedMessageBoxes message;
    empty.Load();
    EXPECT_EQ(message.ShownTexts(),
              std::vector<std::string>{"None of the menus have assigned file."});
    EXPECT_TRUE(empty.Controls().GetItems(1248).empty());
}

TEST_F(MenuEditorTest, AssignFileToMenuGivesTheChosenFileOrNothing)
{
    const struct
    {
        int type, page, file;
        const AspFile* expected;
        bool combosEnabled;
    } cases[] = {
        {-1, -1, -1, nullptr, false},
        {1, 0, 0, nullptr, true},
        {0, -1, -1, nullptr, true},
        {0, 0, 1, form->GetAspFileAt(1), true},
        {0, 0, -1, form->GetAspFileAt(0), true},
    };
    for (const auto& each : cases)
    {
        invoices->SetAspFile(nullptr);
        MenuFileAssignment dialog(Project(), *invoices);
        EXPECT_EQ(dialog.Controls().GetItems(1481).back(), "LoginPage");
        EXPECT_EQ(dialog.LoadModules(), &Base());
        dialog.ChooseType(each.type);
        dialog.ChoosePage(each.page);
        if (each.file >= 0)
            dialog.ChooseFile(each.file);
        // Leaving without OK asks about a file OK would assign, and only then.
        ScriptedMessageBoxes boxes{IDNO};
        EXPECT_EQ(dialog.AskAboutChanges(), IDNO);
        EXPECT_EQ(boxes.ShownTexts(),
                  each.expected == nullptr
                      ? std::vector<std::string>{}
                      : std::vector<std::string>{
                            "The page file \"" +
                            std::string(each.expected->GetRelativeUrl(FALSE, FALSE)) +
                            "\" has not been added. Add it?"});
        dialog.Ok();
        EXPECT_EQ(invoices->GetAspFile(), each.expected) << each.type << each.page << each.file;
        EXPECT_EQ(dialog.AskAboutChanges(), IDNO);
        for (int id : {1015, 1245, 1246})
            EXPECT_EQ(dialog.Controls().IsEnabled(id), each.combosEnabled) << each.type << id;
    }
}

TEST_F(MenuEditorTest, TheEditorRefreshesItsPagesOnLoadAndOnTabChanges)
{
    MenuEditor editor(Project(), host);
    editor.LoadMenu(orders);
    EXPECT_EQ(editor.GetCurrentPage(), MenuEditor::menusPage);
    EXPECT_TRUE(editor.Menus().Tree().At(ItemOf(editor.Menus().Tree(), orders)).expanded);
    EXPECT_EQ(editor.Roles().GetRole(), director);
    EXPECT_EQ(editor.Files().Controls().GetItems(1015).size(), 3u);

    director->AddMenu(invoices);
    editor.OnPageSelected(MenuEditor::rolesPage);
    const MenuTreeModel& roles = editor.Roles().Tree();
    EXPECT_TRUE(roles.At(ItemOf(roles, invoices)).checked);
    EXPECT_EQ(editor.Roles().Rows().size(), 1u);

    masters->SetName("Masters and more");
    editor.OnPageSelected(MenuEditor::filesPage);
    EXPECT_EQ(editor.Files().Tree().At(ItemOf(editor.Files().Tree(), masters)).text,
              "Masters and more");
    editor.OnPageSelected(MenuEditor::menusPage);
    EXPECT_EQ(editor.Menus().Tree().At(ItemOf(editor.Menus().Tree(), masters)).text,
              "Masters and more");
    EXPECT_EQ(editor.Menus().Controls().GetText(1096), "Menu not selected.");
}
} // namespace
