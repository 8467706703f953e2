#include "model/Module.h"

#include "entities/ApplicationReport.h"
#include "entities/AspFile.h"
#include "entities/DashBoard.h"
#include "entities/DashBoardCellInfo.h"
#include "entities/DashBoardPage.h"
#include "entities/DashBoardPageData.h"
#include "entities/Form.h"
#include "entities/Grid.h"
#include "entities/GridCell.h"
#include "entities/LinkControl.h"
#include "entities/LoginPage.h"
#include "entities/Menu.h"
#include "entities/RDLCReport.h"
#include "entities/Transaction.h"
#include "model/DefaultNames.h"
#include "model/ForgeonProject.h"
#include "model/MainFrameAccess.h"
#include "model/NameUtilities.h"
#include "model/Table.h"

#include <algorithm>

namespace
{
constexpr const char* mastersMenu = "Masters";
constexpr const char* masterDetailsMenu = "Master Details";
constexpr const char* searchReportsMenu = "Search Reports";
constexpr const char* reportsMenu = "Reports";
constexpr const char* dashboardsMenu = "Dashboards";
constexpr const char* logoutMenu = "Logout";

constexpr const char* mastersCell = "Masters";
constexpr const char* masterDetailsCell = "Master-Details";
constexpr const char* searchReportsCell = "Search Reports";
constexpr const char* reportsCell = "Reports";
constexpr const char* backToProjectCell = "Back to Project Dashboard";

constexpr const char* backLinkCaption = "Back to Module Dashboard";
constexpr const char* findLinkCaption = "FIND";
constexpr const char* addLinkCaption = "ADD";

constexpr const char* projectDashboardItem = "Project Dashboard";

// The page file kind a transaction's menu item opens: its add page.
constexpr int transactionAddFileKind = 1;
constexpr int moduleDashboardRows = 5;

CString MenuNameOf(const CString& moduleName)
{
    return moduleName + "Menu";
}

// The name of the item that opens the module's dashboard page.
CString DashboardItemNameOf(const CString& moduleName)
{
    return MakeCaption(Module::DashboardNameOf(moduleName));
}

// Action files (kinds 2, 4, 6, 8 and 9) show no menu.
bool IsActionFile(const AspFile* file)
{
    const int kind = file->GetFileKind();
    return kind == 2 || kind == 4 || kind == 6 || kind == 8 || kind == 9;
}

CString UpperCase(CString text)
{
    text.MakeUpper();
    return text;
}

// The caption of the dashboard cell a page's category fills; null for other pages.
const char* CategoryCellOf(const FormInterface* page)
{
    if (dynamic_cast<const Form*>(page) != nullptr)
        return mastersCell;
    if (dynamic_cast<const Transaction*>(page) != nullptr)
        return masterDetailsCell;
    if (dynamic_cast<const ApplicationReport*>(page) != nullptr)
        return searchReportsCell;
    if (dynamic_cast<const RDLCReport*>(page) != nullptr)
        return reportsCell;
    return nullptr;
}

// A right-aligned link with the caption and target.
LinkControl* NewLink(const char* caption, Menu* target)
{
    auto* link = new LinkControl(target, 0, 0, LinkControl::Right);
    link->SetCaption(caption);
    return link;
}

DashBoardCellInfo* NewCaptionCell(const CString& caption, Menu* menu)
{
    auto* info = new DashBoardCellInfo(true);
    info->SetCaption(caption);
    info->SetMenu(menu);
    return info;
}

// Puts the panel into the cell at the position; a position outside the grid frees it.
void PlaceCell(Grid& grid, int row, DashBoardCellInfo* info)
{
    if (GridCell* cell = grid.GetCellAt(row, 0))
        cell->SetCellData(info, GridCell::kDashBoardCellInfo);
    else
        delete info;
}

// Every dashboard panel of the grid, row by row and column by column, until visit answers
// true for one; the rest of that row is then passed over.
template <class Visit> void VisitRowPanels(const Grid& grid, const Visit& visit)
{
    for (const Grid::Row& row : grid.GetRows())
    {
        for (const GridCell* cell : row)
        {
            DashBoardCellInfo* info = cell->GetDashBoardCellInfo();
            if (info != nullptr && visit(*info))
                break;
        }
    }
}

// The dashboard or dashboard page takes the module's new dashboard name and the header made of
// it; nothing for null.
template <class T> void RenameDashboardEntity(T* entity, const CString& newName)
{
    if (entity == nullptr)
        return;
    const CString name = Module::DashboardNameOf(newName);
    CString header = name;
    header.Replace("_", " ");
    entity->SetName(name);
    entity->SetHeader(UpperCase(header));
}

// The page and dashboard of that name and header, the page with its page file and item, the
// dashboard with a grid of the rows that fill gives, placed on the page; both listed.
template <class Fill>
void AddDashboardPair(Module& module, const CString& name, const CString& header, int rows,
                      const Fill& fill)
{
    auto* page = new DashBoardPage;
    page->SetName(name);
    page->SetHeader(header);
    page->SetModule(&module);
    page->CreateAspFile(ForgeonProject::aspNetOutput);
    module.AddDashboardPageMenuEntry(page);

    auto* dashBoard = new DashBoard;
    dashBoard->SetName(name);
    dashBoard->SetHeader(header);
    auto* grid = new Grid(rows, 1);
    fill(grid);
    dashBoard->SetGrid(grid);
    page->AddPlacement(new DashBoardPageData(dashBoard));

    module.Append(dashBoard);
    module.Append(page);
}

// A new item of that name opening the file, granted, under the category menu; at the top level
// when the category is missing. Under a category, the item links the page's dashboard cell when
// a page is given.
void AddCategoryItem(Module& module, const char* category, const CString& name, AspFile* file,
                     FormInterface* cellPage)
{
    Menu* parent = module.FindMenuByName(category);
    auto* item = new Menu;
    item->SetName(name);
    item->SetAspFile(file);
    module.AddMenuToDefaultDesignation(item);
    if (parent == nullptr)
    {
        module.Append(item);
        return;
    }
    parent->AddSubMenu(item);
    if (cellPage != nullptr)
        module.LinkDashboardCellToMenu(cellPage, item);
}
} // namespace

void Module::CreateDefaultObjects()
{
    CreateDefaultMenus();
    CreateModuleDashboard();
    if (m_name == baseModuleName)
    {
        CreateProjectDashboard();
        LinkProjectDashboardCell(*this);
    }
}

void Module::CreateDefaultMenus()
{
    auto* top = new Menu;
    top->SetName(MenuNameOf(m_name));
    Append(top);
    AddMenuToDefaultDesignation(top);
    for (const char* name :
         {mastersMenu, masterDetailsMenu, searchReportsMenu, reportsMenu, dashboardsMenu})
    {
        auto* category = new Menu;
        category->SetName(name);
        top->AddSubMenu(category);
        AddMenuToDefaultDesignation(category);
    }
}

void Module::CreateModuleDashboard()
{
    AddDashboardPair(*this, DashboardNameOf(m_name), UpperCase(m_name + " Dashboard"),
                     moduleDashboardRows, [this](Grid* grid) { FillModuleDashboardGrid(grid); });
}

void Module::CreateProjectDashboard()
{
    AddDashboardPair(*this, projectDashboardName, UpperCase(projectDashboardItem), 1,
                     [this](Grid* grid) { FillProjectDashboardGrid(grid); });
}

void Module::FillModuleDashboardGrid(Grid* grid)
{
    // The open project's base module when this module belongs to it.
    const ForgeonProject* project = MainFrameAccess::GetProject();
    const Module* base = this;
    if (project != nullptr && std::find(project->GetModules().begin(), project->GetModules().end(),
                                        this) != project->GetModules().end())
        base = project->GetBaseModule();
    Menu* projectItem = base->FindMenuByName(projectDashboardItem);
    int row = 0;
    for (const char* caption : {mastersCell, masterDetailsCell, searchReportsCell, reportsCell})
        PlaceCell(*grid, row++, NewCaptionCell(caption, nullptr));
    PlaceCell(*grid, row, NewCaptionCell(backToProjectCell, projectItem));
}

void Module::FillProjectDashboardGrid(Grid* grid)
{
    PlaceCell(*grid, 0, NewProjectDashboardCell());
}

DashBoardCellInfo* Module::NewProjectDashboardCell() const
{
    return NewCaptionCell(m_name, FindMenuByName(DashboardItemNameOf(m_name)));
}

void Module::LinkProjectDashboardCell(const Module& base)
{
    const DashBoard* dashBoard = FindDashBoardByName(DashboardNameOf(m_name));
    if (dashBoard == nullptr || dashBoard->GetGrid() == nullptr)
        return;
    Menu* projectItem = base.FindMenuByName(projectDashboardItem);
    VisitRowPanels(*dashBoard->GetGrid(),
                   [projectItem](DashBoardCellInfo& info)
                   {
                       if (info.GetCaption() != backToProjectCell)
                           return false;
                       info.SetMenu(projectItem);
                       return true;
                   });
}

void Module::AddDefaultMenuEntries(FormInterface* page)
{
    AddBackToDashboardLink(page);
    SetPageTopMenu(page);
    if (auto* form = dynamic_cast<Form*>(page))
        AddMasterFormMenuEntry(form);
    else if (auto* transaction = dynamic_cast<Transaction*>(page))
        AddTransactionMenuEntry(transaction);
    else if (auto* report = dynamic_cast<ApplicationReport*>(page))
        AddSearchReportMenuEntry(report);
    else if (auto* rdlcReport = dynamic_cast<RDLCReport*>(page))
        AddRDLCReportMenuEntry(rdlcReport);
    AddPageLinks(page);
    if (auto* report = dynamic_cast<ApplicationReport*>(page))
        LinkFindLinksToReport(report);
}

void Module::AddDashboardPageMenuEntry(DashBoardPage* page)
{
    AddCategoryItem(*this, dashboardsMenu, MakeCaption(page->GetFormName()), page->GetAspFileAt(0),
                    nullptr);
}

void Module::AddMasterFormMenuEntry(Form* form)
{
    if (form->GetFormName() == changePasswordFormName)
        return;
    const CString name =
        form->GetTable() != nullptr ? form->GetTable()->GetTableName() : form->GetFormName();
    AddCategoryItem(*this, mastersMenu, MakeCaption(name), form->GetAspFileAt(0), form);
}

void Module::AddTransactionMenuEntry(Transaction* transaction)
{
    AddCategoryItem(*this, masterDetailsMenu, MakeCaption(transaction->GetFormName()),
                    transaction->FindAspFileByType(transactionAddFileKind), transaction);
}

void Module::AddSearchReportMenuEntry(ApplicationReport* report)
{
    const CString name = report->GetTable() != nullptr
                             ? MakeCaption(report->GetTable()->GetTableName())
                             : report->GetTitle();
    AddCategoryItem(*this, searchReportsMenu, name, report->GetAspFileAt(0), report);
}

void Module::AddRDLCReportMenuEntry(RDLCReport* report)
{
    const CString name = report->GetTable() != nullptr
                             ? MakeCaption(report->GetTable()->GetTableName())
                             : report->GetHeader();
    AddCategoryItem(*this, reportsMenu, name, report->GetAspFileAt(0), report);
}

void Module::LinkDashboardCellToMenu(FormInterface* page, Menu* item)
{
    const char* caption = CategoryCellOf(page);
    const DashBoard* dashBoard = FindDashBoardByName(DashboardNameOf(m_name));
    if (caption == nullptr || dashBoard == nullptr || dashBoard->GetGrid() == nullptr)
        return;
    VisitRowPanels(*dashBoard->GetGrid(),
                   [caption, item](DashBoardCellInfo& info)
                   {
                       const bool unlinked =
                           info.GetMenu() == nullptr || info.GetMenu()->GetAspFile() == nullptr;
                       if (info.GetCaption() == caption && unlinked)
                           info.SetMenu(item);
                       return false;
                   });
}

void Module::SetPageTopMenu(FormInterface* page)
{
    Menu* top = FindMenuByName(MenuNameOf(m_name));
    MenuLeafIndex leafIndex;
    for (AspFile* file : page->GetAspFiles())
    {
        if (IsActionFile(file))
            continue;
        file->SetTopMenu(top);
        file->DeleteTopMenuVariableMaps();
        // The maps of the menu's leaves, as the load-time clean-up makes them.
        if (top != nullptr)
            file->SyncMenuVariableMaps(TRUE, leafIndex);
    }
}

void Module::AddBackToDashboardLink(FormInterface* page)
{
    if (page->FindPostLinkByCaption(backLinkCaption) == nullptr)
        page->AddPostLink(NewLink(backLinkCaption, FindMenuByName(DashboardItemNameOf(m_name))));
}

void Module::AddPageLinks(FormInterface* page)
{
    if (dynamic_cast<Form*>(page) != nullptr || dynamic_cast<Transaction*>(page) != nullptr)
        AddFindLink(page);
    else if (dynamic_cast<ApplicationReport*>(page) != nullptr ||
             dynamic_cast<RDLCReport*>(page) != nullptr)
        AddAddLink(page);
}

void Module::AddFindLink(FormInterface* page)
{
    if (page->FindPreLinkByCaption(findLinkCaption) == nullptr)
        page->AddPreLink(NewLink(findLinkCaption, nullptr));
}

void Module::AddAddLink(FormInterface* page)
{
    Table* table = nullptr;
    if (const auto* report = dynamic_cast<const ApplicationReport*>(page))
        table = report->GetTable();
    else if (const auto* rdlcReport = dynamic_cast<const RDLCReport*>(page))
        table = rdlcReport->GetTable();
    if (table == nullptr)
        return;
    CString itemName;
    const char* category = nullptr;
    if (table->GetKind() == Table::masterKind)
    {
        const Form* form = GetMasterFormForTable(table, false);
        if (form == nullptr)
            return;
        itemName = MakeCaption(form->GetTable()->GetTableName());
        category = mastersMenu;
    }
    else
    {
        const Transaction* transaction = FindTransactionByTable(table);
        if (transaction == nullptr)
            return;
        itemName = MakeCaption(transaction->GetFormName());
        category = masterDetailsMenu;
    }
    const Menu* categoryMenu = FindMenuByName(category);
    Menu* item = categoryMenu != nullptr ? categoryMenu->FindSubMenuByName(itemName) : nullptr;
    if (item != nullptr && page->FindPreLinkByCaption(addLinkCaption) == nullptr)
        page->AddPreLink(NewLink(addLinkCaption, item));
}

void Module::LinkFindLinksToReport(ApplicationReport* report)
{
    Table* table = report->GetTable();
    const Menu* category = FindMenuByName(searchReportsMenu);
    if (table == nullptr || category == nullptr)
        return;
    Menu* item = category->FindSubMenuByName(MakeCaption(table->GetTableName()));
    if (item == nullptr)
        return;
    FormInterface* page = nullptr;
    if (table->GetKind() == Table::masterKind)
        page = GetMasterFormForTable(table, false);
    else
        page = FindTransactionByTable(table);
    if (page == nullptr)
        return;
    if (LinkControl* find = page->FindPreLinkByCaptionNoCase(findLinkCaption))
        find->SetTarget(item);
}

void Module::AddLogoutMenuEntry()
{
    Menu* top = m_name == baseModuleName ? FindMenuByName(MenuNameOf(m_name)) : nullptr;
    if (top == nullptr)
        return;
    Menu* logout = top->FindSubMenuByName(logoutMenu);
    if (logout == nullptr)
    {
        logout = new Menu;
        top->AddSubMenu(logout);
        AddMenuToDefaultDesignation(logout);
    }
    logout->SetName(logoutMenu);
    logout->SetAspFile(m_loginPage != nullptr ? m_loginPage->GetAspFileAt(0) : nullptr);
}

CString Module::DashboardNameOf(const CString& moduleName)
{
    return moduleName + "_Dashboard";
}

void Module::RenameDefaultObjects(CString newName)
{
    RenameModuleMenu(newName);
    RenameModuleDashboard(newName);
    RenameModuleDashboardPage(newName);
    RenameDashboardMenuEntry(newName);
}

void Module::RenameModuleMenu(const CString& newName)
{
    if (Menu* menu = FindMenuByName(MenuNameOf(m_name)))
        menu->SetName(MenuNameOf(newName));
}

void Module::RenameModuleDashboard(const CString& newName)
{
    RenameDashboardEntity(FindDashBoardByName(DashboardNameOf(m_name)), newName);
}

void Module::RenameModuleDashboardPage(const CString& newName)
{
    RenameDashboardEntity(FindDashBoardPageByName(DashboardNameOf(m_name)), newName);
}

void Module::RenameDashboardMenuEntry(const CString& newName)
{
    const Menu* dashboards = FindMenuByName(dashboardsMenu);
    Menu* entry = dashboards != nullptr ? dashboards->FindSubMenuByName(DashboardItemNameOf(m_name))
                                        : nullptr;
    if (entry != nullptr)
        entry->SetName(DashboardItemNameOf(newName));
}
