#pragma once

#include "entities/Class.h"
#include "entities/DashBoard.h"
#include "entities/DashBoardPage.h"
#include "entities/DashBoardPageData.h"
#include "entities/Designation.h"
#include "entities/Function.h"
#include "entities/Menu.h"
#include "model/ForgeonProject.h"
#include "model/Module.h"
#include "model/ProjectSettings.h"
#include "model/Table.h"
#include "model/TableFormCreator.h"
#include "model/TransactionDataCreator.h"
#include "tests/model/ModelBuilders.h"

#include <memory>

// Projects as a user makes them, for the merge's whole-project properties.

// A project with its base module and the module "Sales", or the one named, current.
inline std::unique_ptr<ForgeonProject> NewSalesProject(const char* name, const char* path,
                                                       const char* module = "Sales")
{
    auto project = std::make_unique<ForgeonProject>();
    ScopedOpenProject open(project.get());
    project->InitNewProject();
    project->SetProjectName(name);
    project->SetProjectPath(path);
    Module* sales = project->AddNewModule();
    sales->RenameDefaultObjects(module);
    sales->SetName(module);
    project->SetCurrentModule(sales);
    return project;
}

// "Sales" holds every page kind: the table "customer" with its form, search report and RDLC
// report (with its report file and data set), the transaction "order" over "order_basic" and
// "order_detail", the map table "region" with its map form and report, the dashboard "overview"
// and the dashboard page "home" that shows it; the menu "Extras" with the sub-menu "Tools" and
// the role "clerk" linked to it; the user function "price" of the data class "_customer". The
// variant adds the table "supplier" with its pages; without mapForm the map table has no pages
// (the ASP.NET generator writes none for map forms).
inline std::unique_ptr<ForgeonProject> BuildSalesFixture(const char* name, const char* path,
                                                         bool variant = false, bool mapForm = true)
{
    auto project = NewSalesProject(name, path);
    ScopedOpenProject open(project.get());
    Module* sales = project->GetCurrentModule();

    Table* customer = NewTable("customer", Table::masterKind, {"name", "city"});
    sales->AddTable(customer);
    TableFormCreator(customer, project.get()).CreateAll();

    Table* orders = NewTable("order_basic", Table::masterDetailKind, {"total"});
    sales->AddTable(orders);
    TransactionDataCreator(orders, project.get()).CreateAll();

    Table* region = NewTable("region", Table::mapKind, {"code", "label"});
    sales->AddTable(region);
    if (mapForm)
        TableFormCreator(region, project.get()).CreateMapPages();

    if (variant)
    {
        Table* supplier = NewTable("supplier", Table::masterKind, {"company"});
        sales->AddTable(supplier);
        TableFormCreator(supplier, project.get()).CreateAll();
    }

    auto* dashBoard = NewPage<DashBoard>("overview");
    sales->AddDashBoard(dashBoard, true);
    auto* home = NewPage<DashBoardPage>("home");
    home->AddPlacement(new DashBoardPageData(dashBoard));
    sales->AddDashBoardPage(home, true);

    Menu* extras = NewMenu("Extras");
    sales->AddMenu(extras);
    extras->AddSubMenu(NewMenu("Tools"));
    auto* clerk = new Designation(TRUE);
    clerk->SetName("clerk");
    clerk->SetActive(TRUE);
    clerk->SetDashBoardPage(home);
    sales->Append(clerk);
    clerk->AddMenu(extras);

    // A user function of the customer's data class.
    Class* customerClass = sales->FindClassByName("_customer");
    auto* price = new Function;
    price->SetName("price");
    price->SetClass(customerClass);
    price->SetTable(customer);
    customerClass->AddFunction(price);
    return project;
}

// A new project whose base module holds the table "customer" and whose module "Module2" holds
// "orders" with the foreign key "customer_ref" to the customer's key, each made as the table
// designer makes them: with their forms, reports, data classes and class functions.
inline std::unique_ptr<ForgeonProject> BuildJoinedCustomerFixture(const char* name,
                                                                  const char* path)
{
    auto project = NewSalesProject(name, path, "Module2");
    ScopedOpenProject open(project.get());
    Module* module2 = project->GetCurrentModule();
    Module* base = project->GetBaseModule();
    project->SetCurrentModule(base);
    Table* customer = NewTable("customer", Table::masterKind, {"name"});
    base->AddTable(customer);
    TableFormCreator(customer, project.get()).CreateAll();

    project->SetCurrentModule(module2);
    Table* orders = NewTable("orders", Table::masterKind, {"total"});
    auto* reference = new Field;
    reference->Set("customer_ref", "customer_ref", FieldTypeInt, 4, 0,
                   customer->GetPrimaryKeyField(), "", false, true, true, false, false);
    reference->SetTable(orders);
    orders->AddField(reference);
    module2->AddTable(orders);
    TableFormCreator(orders, project.get()).CreateAll();
    return project;
}
