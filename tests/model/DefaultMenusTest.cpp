#include "entities/ApplicationReport.h"
#include "entities/AspFile.h"
#include "entities/DashBoard.h"
#include "entities/DashBoardCellInfo.h"
#include "entities/DashBoardPage.h"
#include "entities/Designation.h"
#include "entities/Form.h"
#include "entities/Grid.h"
#include "entities/GridCell.h"
#include "entities/LinkControl.h"
#include "entities/Menu.h"
#include "entities/MenuInterface.h"
#include "entities/RDLCReport.h"
#include "entities/Transaction.h"
#include "model/ForgeonProject.h"
#include "model/Module.h"
#include "model/Table.h"
#include "tests/model/ModelBuilders.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace
{
std::vector<std::string> NamesOf(const std::vector<Menu*>& menus)
{
    std::vector<std::string> names;
    for (const Menu* menu : menus)
        names.emplace_back(menu->GetName().GetString());
    return names;
}

// The dashboard panel of the cell, or null.
DashBoardCellInfo* PanelAt(const DashBoard& dashBoard, int row, int column = 0)
{
    const GridCell* cell = dashBoard.GetGrid()->GetCellAt(row, column);
    return cell != nullptr ? cell->GetDashBoardCellInfo() : nullptr;
}

// An open project of a base module holding the role "admin" and a second module "Sales".
class DefaultMenusTest : public ::testing::Test
{
protected:
    DefaultMenusTest()
    {
        m_project.AddModule(m_base);
        m_project.AddModule(m_sales);
        m_role->SetName("admin");
        m_base->Append(m_role);
    }

    Menu* Item(const Module& module, const char* category, const char* name) const
    {
        const Menu* parent = module.FindMenuByName(category);
        return parent != nullptr ? parent->FindSubMenuByName(name) : nullptr;
    }

    // A table of the kind listed in Sales.
    Table* SalesTable(const char* name, int kind = Table::masterKind)
    {
        Table* table = NewTable(name, kind);
        m_sales->AddTable(table);
        return table;
    }

    Form* AddForm(const char* name, Table* table)
    {
        Form* form = NewForm(name, table);
        m_sales->AddMasterForm(form, true);
        return form;
    }

    ApplicationReport* AddSearchReport(Table* table)
    {
        auto* report = NewPage<ApplicationReport>("report");
        report->SetTable(table);
        m_sales->AddReport(report, true);
        return report;
    }

    ForgeonProject m_project;
    Module* m_base = NewModule("BaseModule", 1);
    Module* m_sales = NewModule("Sales", 2);
    Designation* m_role = new Designation(TRUE);
    ScopedOpenProject m_open{&m_project};
};

// The same with the default objects of both modules made.
class DefaultEntriesTest : public DefaultMenusTest
{
protected:
    DefaultEntriesTest()
    {
        m_base->CreateDefaultObjects();
        m_sales->CreateDefaultObjects();
    }

    DashBoard* SalesDashboard() const { return m_sales->FindDashBoardByName("Sales_Dashboard"); }
};

TEST_F(DefaultMenusTest, ModuleBesideTheOpenProjectLooksForTheProjectItemInItself)
{
    m_base->CreateDefaultObjects();
    Module stray("Imported");
    auto* own = new Menu;
    own->SetName("Project Dashboard");
    stray.Append(own);

    stray.CreateModuleDashboard();

    const DashBoard* dashBoard = stray.FindDashBoardByName("Imported_Dashboard");
    ASSERT_NE(dashBoard, nullptr);
    EXPECT_EQ(PanelAt(*dashBoard, 4)->GetMenu(), own);
}

TEST_F(DefaultEntriesTest, MasterFormsGoUnderMastersAndTheFirstOneTakesTheCell)
{
    Form* orders = AddForm("orders_form", SalesTable("customer_order"));
    Form* items = AddForm("items_form", SalesTable("stock_item"));

    const Menu* ordersItem = Item(*m_sales, "Masters", "Customer Order");
    const Menu* itemsItem = Item(*m_sales, "Masters", "Stock Item");
    ASSERT_NE(ordersItem, nullptr);
    ASSERT_NE(itemsItem, nullptr);
    EXPECT_EQ(ordersItem->GetAspFile(), orders->GetAspFileAt(0));
    EXPECT_EQ(itemsItem->GetAspFile(), items->GetAspFileAt(0));
    EXPECT_NE(ordersItem->GetAspFile(), nullptr);
    EXPECT_TRUE(itemsItem->HasRole(m_role));
    EXPECT_EQ(PanelAt(*SalesDashboard(), 0)->GetMenu(), ordersItem);
    EXPECT_FALSE(PanelAt(*SalesDashboard(), 0)->IsStaticText());

    // Made twice, the entries add an item but no link.
    m_sales->AddDefaultMenuEntries(orders);
    EXPECT_EQ(orders->GetPreLinkList().size(), 1u);
    EXPECT_EQ(orders->GetPostLinkList().size(), 1u);
    const std::vector<std::string> names =
        NamesOf(m_sales->FindMenuByName("Masters")->GetSubMenus());
    EXPECT_EQ(names.size(), 3u);
    EXPECT_EQ(std::count(names.begin(), names.end(), "Customer Order"), 2);
}

TEST_F(DefaultEntriesTest, PageGetsBackLinkFindLinkAndTopMenuOnItsViewFilesOnly)
{
    m_project.SetOutputKind(ForgeonProject::classicOutput);
    Form* form = AddForm("orders_form", SalesTable("customer_order"));

    ASSERT_EQ(form->GetPostLinkList().size(), 1u);
    const LinkControl* back = form->GetPostLinkList().front();
    EXPECT_EQ(back->GetCaption(), "Back to Module Dashboard");
    EXPECT_EQ(back->GetTarget(), Item(*m_sales, "Dashboards", "Sales Dashboard"));
    EXPECT_EQ(back->GetAlignment(), LinkControl::Right);
    ASSERT_EQ(form->GetPreLinkList().size(), 1u);
    EXPECT_EQ(form->GetPreLinkList().front()->GetCaption(), "FIND");
    EXPECT_EQ(form->GetPreLinkList().front()->GetTarget(), nullptr);

    Menu* top = m_sales->FindMenuByName("SalesMenu");
    ASSERT_EQ(form->GetAspFiles().size(), 4u);
    for (const AspFile* file : form->GetAspFiles())
    {
        const bool action = file->GetFileKind() == 2 || file->GetFileKind() == 4;
        EXPECT_EQ(file->GetTopMenu(), action ? nullptr : top) << file->GetFileKind();
        EXPECT_EQ(top->HasAspFile(file), !action) << file->GetFileKind();
    }
}

TEST_F(DefaultEntriesTest, TopMenuReplacesTheFilesEarlierTopMenuAndItsMaps)
{
    Form* form = NewForm("orders_form", SalesTable("customer_order"));
    form->CreateDefaultAspFiles(ForgeonProject::aspNetOutput);
    AspFile* file = form->GetAspFileAt(0);
    auto* earlier = new Menu;
    m_sales->Append(earlier);
    file->SetTopMenu(earlier);
    earlier->AddPageFile(file);
    file->AddTopMenuVariableMap(MenuVariableMap{});

    m_sales->AddMasterForm(form, true);

    const Menu* top = m_sales->FindMenuByName("SalesMenu");
    EXPECT_EQ(file->GetTopMenu(), top);
    EXPECT_FALSE(earlier->HasAspFile(file));
    // The earlier map goes; every leaf of the new menu has its map, the form's own item too.
    std::vector<Menu*> leaves;
    top->CollectLeafSubMenus(leaves);
    std::vector<Menu*> mapped;
    for (const MenuVariableMap& map : file->GetTopMenuVariableMaps())
        mapped.push_back(map.m_menu);
    std::sort(leaves.begin(), leaves.end());
    std::sort(mapped.begin(), mapped.end());
    EXPECT_EQ(leaves, mapped);
}

TEST_F(DefaultEntriesTest, ChangePasswordFormGetsLinksAndTopMenuButNoItem)
{
    Form* form = AddForm("ChangePassword_form", SalesTable("useraccount"));

    EXPECT_TRUE(m_sales->FindMenuByName("Masters")->GetSubMenus().empty());
    EXPECT_EQ(PanelAt(*SalesDashboard(), 0)->GetMenu(), nullptr);
    EXPECT_NE(form->FindPostLinkByCaption("Back to Module Dashboard"), nullptr);
    EXPECT_NE(form->FindPreLinkByCaption("FIND"), nullptr);
    EXPECT_EQ(form->GetAspFileAt(0)->GetTopMenu(), m_sales->FindMenuByName("SalesMenu"));
}

TEST_F(DefaultEntriesTest, SearchReportTakesTheFindLinkAndLinksBackWithAdd)
{
    Table* table = SalesTable("customer_order");
    Form* form = AddForm("orders_form", table);

    ApplicationReport* report = AddSearchReport(table);

    const Menu* reportItem = Item(*m_sales, "Search Reports", "Customer Order");
    ASSERT_NE(reportItem, nullptr);
    EXPECT_EQ(reportItem->GetAspFile(), report->GetAspFileAt(0));
    EXPECT_EQ(form->FindPreLinkByCaption("FIND")->GetTarget(), reportItem);
    ASSERT_EQ(report->GetPreLinkList().size(), 1u);
    EXPECT_EQ(report->GetPreLinkList().front()->GetCaption(), "ADD");
    EXPECT_EQ(report->GetPreLinkList().front()->GetTarget(),
              Item(*m_sales, "Masters", "Customer Order"));
    EXPECT_EQ(PanelAt(*SalesDashboard(), 2)->GetMenu(), reportItem);
    EXPECT_EQ(report->FindPostLinkByCaption("Back to Module Dashboard")->GetTarget(),
              Item(*m_sales, "Dashboards", "Sales Dashboard"));
}

TEST_F(DefaultEntriesTest, FindLinkIsMatchedIgnoringCase)
{
    Table* table = SalesTable("customer_order");
    Form* form = NewForm("orders_form", table);
    auto* find = new LinkControl;
    find->SetCaption("Find");
    form->AddPreLink(find);
    m_sales->AddMasterForm(form, true);

    AddSearchReport(table);

    EXPECT_EQ(find->GetTarget(), Item(*m_sales, "Search Reports", "Customer Order"));
}

TEST_F(DefaultEntriesTest, ReportsWithoutTableAreListedUnderTheirTitleUnchanged)
{
    auto* report = NewPage<ApplicationReport>("report");
    report->SetTitle("open_orders");
    auto* rdlc = NewPage<RDLCReport>("rdlc");
    rdlc->SetHeader("Monthly totals");

    m_sales->AddReport(report, true);
    m_sales->AddRDLCReport(rdlc, true);

    EXPECT_NE(Item(*m_sales, "Search Reports", "open_orders"), nullptr);
    EXPECT_NE(Item(*m_sales, "Reports", "Monthly totals"), nullptr);
    EXPECT_TRUE(report->GetPreLinkList().empty());
    EXPECT_TRUE(rdlc->GetPreLinkList().empty());
}

TEST_F(DefaultEntriesTest, TransactionOpensItsAddPageAndDetailReportsLinkBackToIt)
{
    Table* table = SalesTable("order_basic", Table::masterDetailKind);
    auto* transaction = NewPage<Transaction>("order_entry");
    transaction->SetBasicTable(table);
    m_sales->AddTransaction(transaction, true);

    const Menu* item = Item(*m_sales, "Master Details", "Order Entry");
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(item->GetAspFile(), transaction->FindAspFileByType(1));
    EXPECT_NE(item->GetAspFile(), nullptr);
    EXPECT_EQ(PanelAt(*SalesDashboard(), 1)->GetMenu(), item);
    EXPECT_NE(transaction->FindPreLinkByCaption("FIND"), nullptr);

    auto* rdlc = NewPage<RDLCReport>("order_rdlc");
    rdlc->SetTable(table);
    m_sales->AddRDLCReport(rdlc, true);

    const Menu* rdlcItem = Item(*m_sales, "Reports", "Order Basic");
    ASSERT_NE(rdlcItem, nullptr);
    EXPECT_EQ(PanelAt(*SalesDashboard(), 3)->GetMenu(), rdlcItem);
    ASSERT_NE(rdlc->FindPreLinkByCaption("ADD"), nullptr);
    EXPECT_EQ(rdlc->FindPreLinkByCaption("ADD")->GetTarget(), item);
}

TEST_F(DefaultEntriesTest, MissingCategoryPutsTheItemAtTopLevelWithoutCell)
{
    Menu* masters = m_sales->FindMenuByName("Masters");
    masters->SetName("Main tables");

    AddForm("orders_form", SalesTable("customer_order"));

    EXPECT_TRUE(masters->GetSubMenus().empty());
    EXPECT_EQ(NamesOf(m_sales->GetMenus()),
              (std::vector<std::string>{"SalesMenu", "Customer Order"}));
    EXPECT_EQ(PanelAt(*SalesDashboard(), 0)->GetMenu(), nullptr);
}

// A panel linked to an item without page file is relinked; cells without panel are passed over.
TEST_F(DefaultEntriesTest, CellOfAnItemWithoutPageFileIsRelinkedPassingOverEmptyCells)
{
    Grid* grid = SalesDashboard()->GetGrid();
    grid->AddColumn();
    grid->GetCellAt(0, 0)->Clear();
    auto* placeholder = new Menu;
    m_sales->Append(placeholder);
    auto* moved = new DashBoardCellInfo;
    moved->SetCaption("Masters");
    moved->SetMenu(placeholder);
    grid->GetCellAt(0, 1)->SetCellData(moved, GridCell::kDashBoardCellInfo);

    AddForm("orders_form", SalesTable("customer_order"));

    EXPECT_EQ(moved->GetMenu(), Item(*m_sales, "Masters", "Customer Order"));
    EXPECT_NE(moved->GetMenu(), nullptr);
}

TEST_F(DefaultEntriesTest, DashboardPageAddedWithFilesIsListedWithoutLinkingACell)
{
    auto* page = NewPage<DashBoardPage>("stock_levels");

    m_sales->AddDashBoardPage(page, true);

    const Menu* item = Item(*m_sales, "Dashboards", "Stock Levels");
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(item->GetAspFile(), page->GetAspFileAt(0));
    for (int row = 0; row < 4; ++row)
        EXPECT_EQ(PanelAt(*SalesDashboard(), row)->GetMenu(), nullptr);
    EXPECT_TRUE(page->GetPostLinkList().empty());
}

TEST_F(DefaultEntriesTest, RenamingFollowsTheNewNameWithBlanksInTheHeader)
{
    m_sales->RenameDefaultObjects("Stock_Room");

    EXPECT_EQ(m_sales->GetName(), "Sales");
    EXPECT_EQ(m_sales->FindMenuByName("SalesMenu"), nullptr);
    EXPECT_NE(m_sales->FindMenuByName("Stock_RoomMenu"), nullptr);
    const DashBoard* dashBoard = m_sales->GetDashBoards().front();
    const DashBoardPage* page = m_sales->GetDashBoardPages().front();
    EXPECT_EQ(dashBoard->GetFormName(), "Stock_Room_Dashboard");
    EXPECT_EQ(dashBoard->GetHeader(), "STOCK ROOM DASHBOARD");
    EXPECT_EQ(page->GetFormName(), "Stock_Room_Dashboard");
    EXPECT_EQ(page->GetHeader(), "STOCK ROOM DASHBOARD");
    EXPECT_EQ(NamesOf(m_sales->FindMenuByName("Dashboards")->GetSubMenus()),
              std::vector<std::string>{"Stock Room Dashboard"});
}

TEST_F(DefaultEntriesTest, RenamingLeavesObjectsTheUserRenamedAlone)
{
    m_sales->FindMenuByName("Dashboards")->SetName("Boards");
    m_sales->GetDashBoards().front()->SetName("Overview");

    m_sales->RenameDefaultObjects("Stock");

    EXPECT_EQ(m_sales->GetDashBoards().front()->GetFormName(), "Overview");
    EXPECT_EQ(m_sales->GetDashBoards().front()->GetHeader(), "SALES DASHBOARD");
    EXPECT_NE(m_sales->FindMenuByName("Sales Dashboard"), nullptr);
    EXPECT_EQ(m_sales->GetDashBoardPages().front()->GetFormName(), "Stock_Dashboard");
}

} // namespace
