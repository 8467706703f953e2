#include "entities/ApplicationReport.h"
#include "entities/Class.h"
#include "entities/ClassInvokation.h"
#include "entities/DashBoard.h"
#include "entities/Function.h"
#include "entities/Procedure.h"
#include "entities/ProcedureInvokation.h"
#include "entities/ReportGroup.h"
#include "model/EntityUsageSet.h"
#include "model/MainFrameAccess.h"
#include "model/ProjectDiagnostics.h"
#include "model/ProjectStore.h"
#include "tests/model/EveryClassProject.h"
#include "tests/model/ProjectRecordBytes.h"
#include "tests/model/TreePages.h"
#include "tests/support/ArchiveBytes.h"
#include "tests/support/HostFiles.h"
#include "tests/support/RecordBytes.h"
#include "tests/support/TempFolder.h"

#include "platform/core/ScriptedMessageBoxes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
#include <filesystem>
#include <functional>
#include <initializer_list>
#include <iterator>
#include <memory>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

namespace
{
// What a load brings back after a deletion.
enum class AfterLoad
{
    // The entity stays gone.
    gone,
    // The load-time repairs make a default entity of the same name again.
    remade,
};

// One deletion from the base module of the rich project: what is deleted, whether something
// used it, and how to tell that a module no longer holds it.
struct DeletionCase
{
    const char* name;
    std::function<bool(ForgeonProject&, Module&)> remove;
    bool used;
    std::function<bool(const Module&)> isGone;
    AfterLoad afterLoad = AfterLoad::gone;
    // Whether or not something used it: the dump of its users is not checked.
    bool anyUse = false;
    // The deletion may be refused for an entity in use; the users are then named.
    bool refusable = false;

    friend void PrintTo(const DeletionCase& deletion, std::ostream* out) { *out << deletion.name; }
};

Function* FirstFunction(const Module& module)
{
    return module.GetClasses().front()->GetFunctions().front();
}

bool ForeignFieldNamed(const Module& module, const char* name)
{
    std::vector<Table*> tables;
    module.GetAllTables(tables);
    for (const Table* table : tables)
    {
        for (const Field* field : table->GetFields())
        {
            if (field->GetForeignField() != nullptr &&
                field->GetForeignField()->GetFieldName() == name)
                return true;
        }
    }
    return false;
}

bool NoPageCallsAProcedure(const Module& module)
{
    return std::ranges::none_of(PagesWithLogin(module), [](const FormInterface* page)
                                { return page->GetProcedureCall() != nullptr; });
}

bool ControlCallsAProcedure(const FieldRep* control)
{
    const FieldRepData* data = control->GetFieldRepData();
    const ValidationData* validation = control->GetValidationData();
    return (data != nullptr &&
            (data->GetDataProcedure() != nullptr ||
             std::ranges::any_of(data->GetEventRecmpFieldsList(), [](const EventRecmpFields* events)
                                 { return !events->GetProcedureRecomputes().empty(); }))) ||
           (validation != nullptr &&
            std::ranges::any_of(validation->GetDateValidations(),
                                [](const DateValidation* rule) {
                                    return rule->GetProcedureInvokation() != nullptr ||
                                           rule->GetResultField() != nullptr;
                                }));
}

// The holders of the rich project that call the procedure or show its columns, each asked
// whether it still does.
const std::pair<const char*, std::function<bool(const Module&)>> procedureHolders[] = {
    {"page call", [](const Module& module) { return !NoPageCallsAProcedure(module); }},
    {"procedure tables",
     [](const Module& module)
     {
         return std::ranges::any_of(PagesWithLogin(module),
                                    [](const FormInterface* page) {
                                        return !page->GetProcedureTables().empty() ||
                                               !page->GetUniquenessProcedureTables().empty();
                                    });
     }},
    {"controls, recomputes and date rules",
     [](const Module& module)
     {
         return std::ranges::any_of(
             PagesWithLogin(module), [](const FormInterface* page)
             { return std::ranges::any_of(page->GetFieldReps(), ControlCallsAProcedure); });
     }},
    {"visibility",
     [](const Module& module)
     {
         return std::ranges::any_of(module.GetMasterForms(),
                                    [](const Form* form)
                                    {
                                        return std::ranges::any_of(
                                            form->GetAspFiles(), [](const AspFile* file)
                                            { return !file->GetFieldVisibilities().empty(); });
                                    });
     }},
    {"report call, group and button",
     [](const Module& module)
     {
         const ApplicationReport* report = module.FindReportByName("CustomerReport");
         const ReportFieldControlProperty* button =
             report->GetReportGroups().front()->GetReportFields()[0]->GetControlProperty();
         return report->GetReportProcedureCall() != nullptr ||
                report->GetReportGroups().size() != 1 || button->GetProcedure() != nullptr ||
                button->GetBindings().size() != 1 || ControlCallsAProcedure(button->GetControl());
     }},
    {"dashboard call and cell",
     [](const Module& module)
     {
         const DashBoard* board = module.FindDashBoardByName("Board");
         const auto* cell = dynamic_cast<const DashBoardCellInfo*>(
             board->GetGrid()->GetRows().front().front()->GetCellData());
         return board->GetProcedureInvokation() != nullptr || !cell->GetDisplayFields().empty();
     }},
    {"placement",
     [](const Module& module)
     {
         return module.FindDashBoardPageByName("Home")->GetPlacements().front()->GetProcedure() !=
                nullptr;
     }},
    {"multi-page report page",
     [](const Module& module)
     {
         return module.GetMultiPageReports().front()->GetPages().front()->GetProcedureCall() !=
                nullptr;
     }},
    {"login call",
     [](const Module& module) { return module.GetLoginPage()->GetLoginProcedure() != nullptr; }},
};

bool NothingCallsOrShowsAProcedure(const Module& module)
{
    bool none = true;
    for (const auto& [name, holds] : procedureHolders)
    {
        EXPECT_FALSE(holds(module)) << name;
        none = none && !holds(module);
    }
    return none;
}

// The report column, its button and the transaction's link and menu map fed the form's
// variable; none of them does any more.
bool NothingFeedsTheFormsVariables(const Module& module)
{
    const ReportField* column =
        module.FindReportByName("CustomerReport")->GetReportGroups().front()->GetReportFields()[0];
    const Transaction* transaction = module.FindTransactionByName("Orders");
    std::vector<LinkControl*> links;
    transaction->GetPreLinks(links);
    const std::vector<MenuVariableMap>& menuMaps =
        transaction->GetAspFiles().front()->GetTopMenuVariableMaps();
    const std::vector<ReportFieldBinding*>& buttonBindings =
        column->GetControlProperty()->GetBindings();
    // The button keeps the binding that only the procedure feeds.
    return column->GetBindings().empty() && buttonBindings.size() == 1 &&
           buttonBindings.front()->m_target == nullptr && links.back()->GetVariableMaps().empty() &&
           !menuMaps.empty() &&
           std::ranges::all_of(menuMaps, [](const MenuVariableMap& map)
                               { return map.GetVariablePairs().empty(); });
}

// The transaction's pre-link that feeds the login page's variable (0) or the variable the report
// detached (1) maps nothing any more.
bool PreLinkMapsNothing(const Module& module, std::size_t index)
{
    std::vector<LinkControl*> links;
    module.FindTransactionByName("Orders")->GetPreLinks(links);
    return links.at(index)->GetVariableMaps().empty();
}

// As the tree and the table designer delete a field.
bool DeleteField(ForgeonProject& project, Table* table, const char* name)
{
    return project.DeleteField(table->FindFieldByName(name));
}

Designation* NewRole(const char* name, Designation* reportsTo, DashBoardPage* page,
                     std::initializer_list<Menu*> menus)
{
    auto* role = new Designation(TRUE);
    role->SetName(name);
    role->SetReportsTo(reportsTo);
    role->SetDashBoardPage(page);
    for (Menu* menu : menus)
        role->AddMenu(menu);
    return role;
}

// Gives the rich project sub-menus two levels deep and a second top-level menu, which open
// page files and are mapped with pairs by the page files that show their trees; a report column
// that opens a page; roles granted menus and sub-menus, with dashboard pages and a reports-to
// chain that goes on into the second module; the customer table's search report; and the data
// classes of the tables that refer to the customer and order tables, whose functions show the
// front fields of those.
void AddRolesAndMenuMaps(ForgeonProject& project)
{
    Module& base = *project.GetBaseModule();
    Form* form = base.FindMasterFormByName("CustomerForm");
    Form* secondForm = base.FindMasterFormByName("CustomerForm2");
    Transaction* transaction = base.FindTransactionByName("Orders");
    Menu* main = base.FindMenuByName("Main");
    Menu* orders = NewMenu("Orders");
    main->AddSubMenu(orders);
    Menu* lines = NewMenu("Lines");
    orders->AddSubMenu(lines);
    lines->SetAspFile(secondForm->GetAspFiles().front());
    Menu* reports = NewMenu("Reports");
    Menu* sales = NewMenu("Sales");
    reports->AddSubMenu(sales);
    sales->SetAspFile(secondForm->GetAspFiles().back());
    base.AddMenu(reports);
    Variable* formKey = form->FindVariableByName("customer_id");
    AspFile* transactionFile = transaction->GetAspFiles().front();
    transactionFile->FindTopMenuVariableMap(lines)->AddVariablePair(
        formKey, transaction->GetFieldVariableMaps().front()->variable);
    AspFile* secondFormFile = secondForm->GetAspFiles().front();
    secondFormFile->SetLeftMenu(reports);
    secondFormFile->AddLeftMenuVariableMap(
        MenuVariableMap{sales, {{formKey, secondForm->FindVariableByName("name")}}});
    ReportField* column =
        base.FindReportByName("CustomerReport")->GetReportGroups().front()->GetReportFields()[0];
    column->SetAspFile(form->GetAspFiles().back());

    DashBoardPage* home = base.FindDashBoardPageByName("Home");
    auto* start = NewPage<DashBoardPage>("Start");
    base.Append(start);
    Designation* manager = NewRole("manager", base.FindDesignationByName("admin"), home,
                                   {base.FindMenuByName("Customers"), reports, lines});
    base.Append(manager);
    Designation* clerk = NewRole("clerk", manager, start, {orders, sales});
    base.Append(clerk);
    project.FindModuleByName("Module2")->Append(NewRole("buyer", clerk, start, {sales, main}));
    // The basic table of the master-detail form gets a front field, which the functions of the
    // detail table's class show, as the product's show the customer's.
    CString basic = "orders_basic";
    AddVarcharField(base.FindTableByName(basic), "total");
    for (CString name : {"product", "orders_detail"})
        base.AddDefaultClassFunctions(base.GetClassForTable(base.FindTableByName(name), true));
}

// Any role reporting to a role named so.
bool ReportsTo(const Module& module, const char* name)
{
    return std::ranges::any_of(
        module.GetDesignations(), [name](const Designation* role)
        { return role->GetReportsTo() != nullptr && role->GetReportsTo()->GetName() == name; });
}

const DeletionCase deletions[] = {
    {"CustomerTable",
     [](ForgeonProject& project, Module& module)
     { return project.DeleteTable(module.FindMasterTableByName("customer")); },
     true,
     [](const Module& module)
     {
         return module.FindMasterTableByName("customer") == nullptr &&
                module.GetMasterForms().empty() && !ForeignFieldNamed(module, "customer_id");
     }},
    {"DetailTable",
     [](ForgeonProject& project, Module& module)
     {
         CString name = "orders_detail";
         return project.DeleteTable(module.FindTableByName(name));
     },
     true,
     [](const Module& module)
     {
         return module.GetTransactionTables().size() == 1 &&
                module.GetTransactions().front()->GetDetailTables().empty();
     }},
    {"ProductTable",
     [](ForgeonProject& project, Module& module)
     { return project.DeleteTable(module.FindMasterTableByName("product")); },
     true, [](const Module& module) { return module.FindMasterTableByName("product") == nullptr; }},
    {"MapTable",
     [](ForgeonProject& project, Module& module)
     { return project.DeleteTable(module.GetMapTables().front()); },
     true,
     [](const Module& module)
     { return module.GetMapTables().empty() && module.GetMapForms().empty(); }},
    {"NameField",
     [](ForgeonProject& project, Module& module)
     { return DeleteField(project, module.FindMasterTableByName("customer"), "name"); },
     true,
     [](const Module& module)
     { return module.FindMasterTableByName("customer")->FindFieldByName("name") == nullptr; }},
    {"MasterForm",
     [](ForgeonProject& project, Module& module)
     { return project.DeleteForm(module.FindMasterFormByName("CustomerForm")); },
     true,
     [](const Module& module)
     {
         return module.FindMasterFormByName("CustomerForm") == nullptr &&
                NothingFeedsTheFormsVariables(module);
     }},
    {"MapForm",
     [](ForgeonProject& project, Module& module)
     { return project.DeleteMapForm(module.GetMapForms().front()); },
     false, [](const Module& module) { return module.GetMapForms().empty(); }},
    {"Transaction",
     [](ForgeonProject& project, Module& module)
     { return project.DeleteTransaction(module.FindTransactionByName("Orders")); },
     true, [](const Module& module) { return module.GetTransactions().empty(); }},
    {"Report",
     [](ForgeonProject& project, Module& module)
     { return project.DeleteApplicationReport(module.FindReportByName("CustomerReport")); },
     true,
     [](const Module& module) {
         return module.FindReportByName("CustomerReport") == nullptr &&
                PreLinkMapsNothing(module, 1);
     }},
    {"RDLCReport",
     [](ForgeonProject& project, Module& module)
     { return project.DeleteRDLCReport(module.FindRDLCReportByName("Printout")); },
     false, [](const Module& module) { return module.GetRDLCReports().empty(); }},
    {"DashBoard",
     [](ForgeonProject& project, Module& module)
     { return project.DeleteDashBoard(module.FindDashBoardByName("Board")); },
     true, [](const Module& module) { return module.GetDashBoards().empty(); }},
    {"DashBoardPage",
     [](ForgeonProject& project, Module& module)
     { return project.DeleteDashBoardPage(module.FindDashBoardPageByName("Home")); },
     true,
     [](const Module& module)
     {
         return module.FindDashBoardPageByName("Home") == nullptr &&
                std::ranges::all_of(module.GetDesignations(),
                                    [&module](const Designation* role)
                                    {
                                        return role->GetDashBoardPage() == nullptr ||
                                               module.ContainsDashBoardPage(
                                                   role->GetDashBoardPage());
                                    });
     }},
    {"Menu",
     [](ForgeonProject& project, Module& module)
     { return project.DeleteMenu(module.FindMenuByName("Main")); },
     false, [](const Module& module) { return module.FindMenuByName("Main") == nullptr; }},
    {"SubMenu",
     [](ForgeonProject& project, Module& module)
     { return project.DeleteMenu(module.FindMenuByName("Customers")); },
     false,
     [](const Module& module)
     {
         return module.FindMenuByName("Customers") == nullptr &&
                module.FindMenuByName("Main") != nullptr;
     }},
    {"Procedure",
     [](ForgeonProject& project, Module& module)
     { return project.DeleteProcedure(module.FindProcedureByName("PRC_customer_SelectAll")); },
     true,
     [](const Module& module)
     { return module.GetProcedures().empty() && NothingCallsOrShowsAProcedure(module); }},
    {"Function",
     [](ForgeonProject& project, Module& module)
     { return project.DeleteFunction(FirstFunction(module)); },
     true,
     [](const Module& module)
     {
         // The report's group that the function fed goes with it; the one the procedure feeds
         // stays, and so does the graph the procedure feeds as well.
         const std::vector<ReportGroup*>& groups =
             module.FindReportByName("CustomerReport")->GetReportGroups();
         return module.FindClassByName("_customer")->FindFunctionByName("SelectAllRecords") ==
                    nullptr &&
                groups.size() == 1 && groups.front()->GetClassCall() == nullptr &&
                groups.front()->GetProcedureCall() != nullptr &&
                module.FindDashBoardByName("Board")->GetClassInvokation() == nullptr;
     },
     AfterLoad::remade},
    {"FunctionParameter",
     [](ForgeonProject& project, Module& module)
     {
         Function* function = FirstFunction(module);
         return project.DeleteFunctionParameter(function, function->GetParameters().front());
     },
     false, [](const Module& module) { return FirstFunction(module)->GetParameters().empty(); }},
    {"Field",
     [](ForgeonProject& project, Module& module)
     {
         CString tableName = "orders_detail";
         return DeleteField(project, module.FindTableByName(tableName), "order_ref");
     },
     true,
     [](const Module& module)
     { return module.GetTransactionTables().back()->FindFieldByName("order_ref") == nullptr; }},
    {"LoginPage",
     [](ForgeonProject& project, Module& module)
     { return project.DeleteLoginPage(module.GetLoginPage()); },
     false,
     [](const Module& module)
     { return module.GetLoginPage() == nullptr && PreLinkMapsNothing(module, 0); },
     AfterLoad::remade},
    {"Role",
     [](ForgeonProject&, Module& module)
     {
         module.DeleteDesignation(module.FindDesignationByName("admin"));
         return true;
     },
     false,
     [](const Module& module)
     { return module.FindDesignationByName("admin") == nullptr && !ReportsTo(module, "admin"); }},
    {"RoleReportedTo",
     [](ForgeonProject& project, Module& module)
     { return project.DeleteDesignation(module.FindDesignationByName("clerk")); },
     false,
     [](const Module& module)
     { return module.FindDesignationByName("clerk") == nullptr && !ReportsTo(module, "clerk"); }},
};

// Every entity of a kind in the rich project, counted and deleted by its place in the module.
struct EntityKind
{
    const char* name;
    std::function<int(const Module&)> count;
    std::function<bool(ForgeonProject&, Module&, int)> remove;
    AfterLoad afterLoad = AfterLoad::gone;
    bool refusable = false;
    // The names of the pages and procedures that go with the entity at the index.
    std::function<std::vector<CString>(const Module&, int)> goesWith = {};
};

std::vector<Function*> AllFunctions(const Module& module)
{
    std::vector<Function*> functions;
    for (const Class* dataClass : module.GetClasses())
        functions.insert(functions.end(), dataClass->GetFunctions().begin(),
                         dataClass->GetFunctions().end());
    return functions;
}

// The fields the tree deletes: all but the keys and the deletion flag of tables of the user.
std::vector<Field*> AllFields(const Module& module)
{
    std::vector<Table*> tables;
    module.GetAllTables(tables);
    std::vector<Field*> fields;
    for (const Table* table : tables)
    {
        if (table->IsSystemTable())
            continue;
        std::ranges::copy_if(table->GetFields(), std::back_inserter(fields),
                             [](const Field* field)
                             { return !field->IsKeyOrDeletedFlag() && !field->IsKeyColumn(); });
    }
    return fields;
}

// The tables the tree deletes: those of the user.
std::vector<Table*> AllTables(const Module& module)
{
    std::vector<Table*> tables;
    module.GetAllTables(tables);
    std::erase_if(tables, [](const Table* table) { return table->IsSystemTable(); });
    return tables;
}

// The table a page is built on: a form's, a master-detail form's basic table, a map form's
// mapping table, a report's own table or that of the data class its data call calls.
const Table* BuiltOn(const FormInterface* page)
{
    if (const auto* form = dynamic_cast<const Form*>(page))
        return form->GetTable();
    if (const auto* transaction = dynamic_cast<const Transaction*>(page))
        return transaction->GetBasicTable();
    if (const auto* mapForm = dynamic_cast<const MapForm*>(page))
        return mapForm->GetMappingTable();
    if (const auto* rdlcReport = dynamic_cast<const RDLCReport*>(page))
        return rdlcReport->GetTable();
    // A graph whose calls are all on the table: its class's, and a procedure on it if any.
    if (const auto* graph = dynamic_cast<const DashBoard*>(page))
    {
        const ClassInvokation* call = graph->GetClassInvokation();
        const ProcedureInvokation* procedureCall = graph->GetProcedureInvokation();
        const Table* table =
            call != nullptr && call->GetClass() != nullptr ? call->GetClass()->GetTable() : nullptr;
        return procedureCall == nullptr || (procedureCall->GetProcedure() != nullptr &&
                                            procedureCall->GetProcedure()->GetMainTable() == table)
                   ? table
                   : nullptr;
    }
    const auto* report = dynamic_cast<const ApplicationReport*>(page);
    if (report == nullptr)
        return nullptr;
    if (report->GetTable() != nullptr)
        return report->GetTable();
    const ClassInvokation* call = report->GetClassCall();
    return call != nullptr && call->GetClass() != nullptr ? call->GetClass()->GetTable() : nullptr;
}

// What goes with a table: the pages built on it and its procedures.
std::vector<CString> BuiltOnTable(const Module& module, int index)
{
    const Table* table = AllTables(module).at(index);
    std::vector<FormInterface*> pages;
    module.GetAllPages(pages);
    std::vector<CString> names;
    for (const FormInterface* page : pages)
    {
        if (BuiltOn(page) == table)
            names.push_back(page->GetFormName());
    }
    for (const Procedure* procedure : module.GetProcedures())
    {
        if (procedure->GetMainTable() == table)
            names.push_back(procedure->GetName());
    }
    return names;
}

// What goes with a function: the reports each of whose groups calls it alone, and the graphs
// that call it alone.
std::vector<CString> FedOnlyByFunction(const Module& module, int index)
{
    const Function* function = AllFunctions(module).at(index);
    const auto callsIt = [function](const ClassInvokation* call, const void* procedureCall)
    { return call != nullptr && call->GetFunction() == function && procedureCall == nullptr; };
    std::vector<CString> names;
    for (const ApplicationReport* report : module.GetReports())
    {
        const std::vector<ReportGroup*>& groups = report->GetReportGroups();
        if (!groups.empty() && std::ranges::all_of(groups,
                                                   [&callsIt](const ReportGroup* group) {
                                                       return callsIt(group->GetClassCall(),
                                                                      group->GetProcedureCall());
                                                   }))
            names.push_back(report->GetFormName());
    }
    for (const DashBoard* graph : module.GetDashBoards())
    {
        if (callsIt(graph->GetClassInvokation(), graph->GetProcedureInvokation()))
            names.push_back(graph->GetFormName());
    }
    return names;
}

bool NoneSurvives(const Module& module, const std::vector<CString>& names)
{
    bool none = true;
    for (const CString& name : names)
    {
        const bool survives =
            module.FindPageByName(name) != nullptr || module.FindProcedureByName(name) != nullptr;
        EXPECT_FALSE(survives) << name.GetString();
        none = none && !survives;
    }
    return none;
}

std::vector<Menu*> AllMenus(const Module& module)
{
    std::vector<Menu*> menus;
    for (Menu* menu : module.GetMenus())
    {
        menus.push_back(menu);
        menu->CollectSubMenus(menus, nullptr);
    }
    return menus;
}

std::vector<std::pair<ReportGroup*, ReportField*>> AllReportColumns(const Module& module)
{
    std::vector<std::pair<ReportGroup*, ReportField*>> columns;
    for (const ApplicationReport* report : module.GetReports())
    {
        for (ReportGroup* group : report->GetReportGroups())
        {
            for (ReportField* column : group->GetReportFields())
                columns.emplace_back(group, column);
        }
    }
    return columns;
}

// The variables of the pages, each with the page that maps it.
std::vector<std::pair<FormInterface*, FieldVariableMap*>> AllVariables(const Module& module)
{
    std::vector<std::pair<FormInterface*, FieldVariableMap*>> variables;
    for (FormInterface* page : AllPages(module))
    {
        for (FieldVariableMap* map : page->GetFieldVariableMaps())
            variables.emplace_back(page, map);
    }
    return variables;
}

template <class List> int CountOf(const List& list)
{
    return static_cast<int>(list.size());
}

const EntityKind entityKinds[] = {
    {"Table", [](const Module& module) { return CountOf(AllTables(module)); },
     [](ForgeonProject& project, Module& module, int index)
     { return project.DeleteTable(AllTables(module).at(index)); },
     AfterLoad::gone, false, BuiltOnTable},
    {"Function", [](const Module& module) { return CountOf(AllFunctions(module)); },
     [](ForgeonProject& project, Module& module, int index)
     { return project.DeleteFunction(AllFunctions(module).at(index)); },
     AfterLoad::remade, false, FedOnlyByFunction},
    {"Field", [](const Module& module) { return CountOf(AllFields(module)); },
     [](ForgeonProject& project, Module& module, int index)
     { return project.DeleteField(AllFields(module).at(index)); }},
    {"Menu", [](const Module& module) { return CountOf(AllMenus(module)); },
     [](ForgeonProject& project, Module& module, int index)
     { return project.DeleteMenu(AllMenus(module).at(index)); }},
    {"Role", [](const Module& module) { return CountOf(module.GetDesignations()); },
     [](ForgeonProject& project, Module& module, int index)
     { return project.DeleteDesignation(module.GetDesignations().at(index)); }},
    {"Page", [](const Module& module) { return CountOf(AllPages(module)); },
     [](ForgeonProject& project, Module& module, int index)
     { return DeletePage(project, AllPages(module).at(index)); },
     AfterLoad::remade},
    {"Procedure", [](const Module& module) { return CountOf(module.GetProcedures()); },
     [](ForgeonProject& project, Module& module, int index)
     { return project.DeleteProcedure(module.GetProcedures().at(index)); }},
    {"Variable", [](const Module& module) { return CountOf(AllVariables(module)); },
     [](ForgeonProject& project, Module& module, int index)
     {
         const auto [page, map] = AllVariables(module).at(index);
         return project.DeletePageVariable(page, page->EditFieldVariableMaps(), map);
     },
     AfterLoad::remade, /*refusable=*/true},
    {"ReportColumn", [](const Module& module) { return CountOf(AllReportColumns(module)); },
     [](ForgeonProject&, Module& module, int index)
     {
         const auto [group, column] = AllReportColumns(module).at(index);
         group->RemoveReportField(column);
         return true;
     }},
};

// Every entity of every kind of a fresh rich project, one case each.
std::vector<DeletionCase> EveryEntity()
{
    // Each name stays where it is while more are added.
    static std::deque<std::string> names;
    std::vector<DeletionCase> cases;
    ScopedArchiveVersion version{CurrentVersion()};
    EveryClassProject built;
    AddRolesAndMenuMaps(*built.GetProject());
    ProjectStore::FixUpLoadedProject(built.GetProject());
    const Module& base = *built.GetProject()->GetBaseModule();
    for (const EntityKind& kind : entityKinds)
    {
        const int count = kind.count(base);
        for (int index = 0; index < count; ++index)
        {
            names.push_back(std::string(kind.name) + std::to_string(index));
            // What went with the entity is looked for by name, in the load too.
            auto goneWith = std::make_shared<std::vector<CString>>();
            cases.push_back(DeletionCase{
                names.back().c_str(),
                [&kind, index, goneWith](ForgeonProject& project, Module& module)
                {
                    if (kind.goesWith)
                        *goneWith = kind.goesWith(module, index);
                    return kind.remove(project, module, index);
                },
                false,
                [&kind, count, goneWith](const Module& module)
                { return kind.count(module) < count && NoneSurvives(module, *goneWith); },
                kind.afterLoad, /*anyUse=*/true, /*refusable=*/kind.refusable});
        }
    }
    return cases;
}

class EveryKindDeletionTest : public ::testing::TestWithParam<DeletionCase>
{
protected:
    EveryKindDeletionTest()
    {
        m_built.GetProject()->SetProjectPath(m_folder.ModelPath());
        AddRolesAndMenuMaps(*m_built.GetProject());
        // The built project starts in the state the load-time repairs leave, so that a load
        // after the deletion has nothing to repair.
        ProjectStore::FixUpLoadedProject(m_built.GetProject());
        m_previousSource =
            MainFrameAccess::SetProjectSource([this] { return m_built.GetProject(); });
    }
    ~EveryKindDeletionTest() override
    {
        m_store.DeleteProject();
        TheProjectDiagnostics().GetCurrentUsageSet().Clear();
        MainFrameAccess::SetProjectSource(m_previousSource);
    }

    CString PathOf(const char* name) const { return m_folder.ModelPath(name); }
    // The bytes of a file the test saved; a missing or empty file fails the test.
    std::string SavedBytes(const char* name) const
    {
        const std::filesystem::path path = m_folder.Path() / name;
        EXPECT_TRUE(std::filesystem::is_regular_file(path)) << path;
        std::string bytes = ReadHostFile(path);
        EXPECT_FALSE(bytes.empty()) << path;
        return bytes;
    }
    // The text of the last message box, for failure messages.
    std::string LastBox() const
    {
        return m_boxes.Shown().empty() ? std::string() : m_boxes.Shown().back().text;
    }

    TempFolder m_folder;
    ScriptedMessageBoxes m_boxes;
    DiagnosticsSnapshot m_diagnostics;
    ScopedArchiveVersion m_version{CurrentVersion()};
    EveryClassProject m_built;
    ProjectStore m_store;
    MainFrameAccess::ProjectSource m_previousSource;
};

TEST_P(EveryKindDeletionTest, RemovesEveryReferenceThenSavesAndLoadsAgain)
{
    const DeletionCase& deletion = GetParam();
    ForgeonProject* project = m_built.GetProject();
    Module& base = *project->GetBaseModule();
    const int depth = TheProjectDiagnostics().GetUsageSetDepth();

    const bool removed = deletion.remove(*project, base);
    if (removed)
    {
        EXPECT_TRUE(deletion.isGone(base));
        EXPECT_TRUE(m_boxes.Shown().empty());
    }
    else
    {
        // Refused as in use: nothing goes, and the users are named unless the page's own
        // control carries it.
        ASSERT_TRUE(deletion.refusable);
        EXPECT_FALSE(deletion.isGone(base));
        EXPECT_TRUE(m_boxes.Shown().empty() || !TheProjectDiagnostics().GetErrors().empty());
    }
    if (!deletion.anyUse)
    {
        EXPECT_EQ(deletion.used, std::filesystem::exists(m_folder.Path() / "ObjectRefDump.txt"));
    }
    EXPECT_EQ(depth, TheProjectDiagnostics().GetUsageSetDepth());
    const std::size_t boxes = m_boxes.Shown().size();

    ASSERT_TRUE(m_store.ArchiveProject(project, PathOf("after.wvt"), FALSE)) << LastBox();
    const std::string saved = SavedBytes("after.wvt");
    ASSERT_TRUE(m_store.ArchiveProject(nullptr, PathOf("after.wvt"), TRUE)) << LastBox();
    ForgeonProject* loaded = m_store.GetProject();
    ASSERT_EQ(2, loaded->GetModuleCount());
    if (deletion.afterLoad == AfterLoad::gone && removed)
    {
        EXPECT_TRUE(deletion.isGone(*loaded->GetBaseModule()));
    }
    ASSERT_TRUE(m_store.ArchiveProject(loaded, PathOf("again.wvt"), FALSE)) << LastBox();
    std::string expected = saved;
    std::string actual = SavedBytes("again.wvt");
    // What the load makes again is compared from the first load on.
    if (deletion.afterLoad == AfterLoad::remade)
    {
        ASSERT_TRUE(m_store.ArchiveProject(nullptr, PathOf("again.wvt"), TRUE)) << LastBox();
        ASSERT_TRUE(m_store.ArchiveProject(m_store.GetProject(), PathOf("third.wvt"), FALSE))
            << LastBox();
        expected = actual;
        actual = SavedBytes("third.wvt");
    }
    EXPECT_TRUE(expected == actual)
        << "the load changed the file of " << expected.size() << " bytes to " << actual.size()
        << ", from "
        << FirstDifference(std::vector<BYTE>(expected.begin(), expected.end()),
                           std::vector<BYTE>(actual.begin(), actual.end()));
    EXPECT_EQ(boxes, m_boxes.Shown().size()) << LastBox();
}

INSTANTIATE_TEST_SUITE_P(EveryKind, EveryKindDeletionTest, ::testing::ValuesIn(deletions),
                         [](const ::testing::TestParamInfo<DeletionCase>& info)
                         { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(EveryEntity, EveryKindDeletionTest, ::testing::ValuesIn(EveryEntity()),
                         [](const ::testing::TestParamInfo<DeletionCase>& info)
                         { return std::string(info.param.name); });

} // namespace
