#pragma once

#include "entities/AspFile.h"
#include "entities/Form.h"
#include "model/DefaultNames.h"
#include "model/ForgeonProject.h"
#include "model/LoginPageCreator.h"
#include "model/Module.h"
#include "model/ProjectStore.h"
#include "model/RDLCCreator.h"
#include "model/Table.h"
#include "model/TableFormCreator.h"
#include "model/TransactionDataCreator.h"
#include "tests/model/ModelBuilders.h"

#include <filesystem>
#include <functional>
#include <vector>

// A shape of project that Write All may find: what is added to a new project with its login
// pages, and whether the project was saved and opened again since.
struct ProjectShape
{
    const char* name;
    std::function<void(ForgeonProject&)> fill;
    bool opened = true;
};

// Projects of many shapes, some of their tables with pages but no data class yet.
inline std::vector<ProjectShape> ProjectShapes()
{
    return {
        {"new project", [](ForgeonProject&) {}, false},
        {"new project opened", [](ForgeonProject&) {}},
        {"table with its default pages",
         [](ForgeonProject& project)
         {
             Table* item = NewTable("item", Table::masterKind, {"name", "price"});
             project.GetBaseModule()->AddTable(item);
             TableFormCreator(item, &project).CreateAll();
         }},
        {"form without a class, its table referring to a table with a class",
         [](ForgeonProject& project)
         {
             Module& base = *project.GetBaseModule();
             Table* member = NewTable("member", Table::masterKind, {"name"});
             base.AddTable(member);
             TableFormCreator(member, &project).CreateForm();
             Table* guest = NewTable("guest", Table::masterKind, {"title"});
             AddVarcharField(guest, "member", member->GetPrimaryKeyField());
             base.AddTable(guest);
             AddFormWithoutDefaults(base, guest, "guest_form");
         }},
        {"forms without classes referring to each other's tables",
         [](ForgeonProject& project)
         {
             Module& base = *project.GetBaseModule();
             Table* city = NewTable("city", Table::masterKind, {"label"});
             Table* street = NewTable("street", Table::masterKind, {"label"});
             AddVarcharField(street, "city", city->GetPrimaryKeyField());
             AddVarcharField(street, "twin", city->GetPrimaryKeyField());
             base.AddTable(city);
             base.AddTable(street);
             AddFormWithoutDefaults(base, street, "street_form");
             AddFormWithoutDefaults(base, city, "city_form");
         }},
        {"RDLC report of a table whose form has no class",
         [](ForgeonProject& project)
         {
             Module& base = *project.GetBaseModule();
             Table* part = NewTable("part", Table::masterKind, {"label", "weight"});
             base.AddTable(part);
             AddFormWithoutDefaults(base, part, "part_form");
             RDLCCreator(part, &project).CreateReport();
         }},
        {"master-detail page without classes",
         [](ForgeonProject& project)
         {
             Module& base = *project.GetBaseModule();
             Table* order = NewTable("order_basic", Table::masterDetailKind, {"note"});
             Table* line = NewTable("order_detail", Table::masterDetailKind, {"item"});
             AddVarcharField(line, "order_id", order->GetPrimaryKeyField());
             base.AddTable(order);
             base.AddTable(line);
             base.AddTransaction(NewTransaction("order", order, line), true);
         }},
        {"master-detail page as its creator makes it, with reports",
         [](ForgeonProject& project)
         {
             Table* ship = NewTable("ship_basic", Table::masterDetailKind, {"note"});
             project.GetBaseModule()->AddTable(ship);
             TransactionDataCreator(ship, &project).CreateAll();
         }},
        {"second module whose form has no class and refers to the base module",
         [](ForgeonProject& project)
         {
             Module& base = *project.GetBaseModule();
             Table* shop = NewTable("shop", Table::masterKind, {"name"});
             base.AddTable(shop);
             TableFormCreator(shop, &project).CreateAll();
             Module* sales = project.AddNewModule();
             project.SetCurrentModule(sales);
             Table* sale = NewTable("sale", Table::masterKind, {"note"});
             AddVarcharField(sale, "shop", shop->GetPrimaryKeyField());
             sales->AddTable(sale);
             AddFormWithoutDefaults(*sales, sale, "sale_form");
             RDLCCreator(sale, &project).CreateReport();
             for (AspFile* file : sales->GetMasterForms().at(0)->GetAspFiles())
                 file->SetTitle("");
         }},
        {"map table with its pages, the tables it maps without classes",
         [](ForgeonProject& project)
         {
             Module& base = *project.GetBaseModule();
             Table* dept = NewTable("dept", Table::masterKind, {"title"});
             Table* staff = NewTable("staff", Table::masterKind, {"name"});
             Table* map = NewTable("dept_staff", Table::mapKind);
             AddVarcharField(map, "dept_id", dept->GetPrimaryKeyField());
             AddVarcharField(map, "staff_id", staff->GetPrimaryKeyField());
             for (Table* table : {dept, staff, map})
                 base.AddTable(table);
             AddFormWithoutDefaults(base, dept, "dept_form");
             base.AddDefaultClassFunctions(base.GetClassForTable(map, true));
             TableFormCreator(map, &project).CreateMapPages();
         }},
        {"form without a class referring to the user accounts",
         [](ForgeonProject& project)
         {
             Module& base = *project.GetBaseModule();
             Table* note = NewTable("note", Table::masterKind, {"text"});
             AddVarcharField(note, "writer",
                             TableNamed(base, userAccountTableName)->GetPrimaryKeyField());
             base.AddTable(note);
             AddFormWithoutDefaults(base, note, "note_form");
             RDLCCreator(note, &project).CreateReport();
         }},
        {"base module's table with a form in the second module",
         [](ForgeonProject& project)
         {
             Table* stock = NewTable("stock", Table::masterKind, {"count"});
             project.GetBaseModule()->AddTable(stock);
             Module* store = project.AddNewModule();
             project.SetCurrentModule(store);
             AddFormWithoutDefaults(*store, stock, "stock_form");
         }},
    };
}

// The store's project made new, with its login pages, in the shape; saved in the folder and
// opened again when the shape says so. The store's project must be the open one. False when a
// save or the load fails.
inline bool MakeProjectOfShape(ProjectStore& store, const ProjectShape& shape,
                               const std::filesystem::path& folder)
{
    ForgeonProject& project = *store.GetProject();
    project.InitNewProject();
    LoginPageCreator().Create();
    shape.fill(project);
    if (!shape.opened)
        return true;
    const std::filesystem::path made = folder / "made.wvt";
    return store.ArchiveProject(&project, made.c_str(), FALSE) &&
           store.ArchiveProject(nullptr, made.c_str(), TRUE);
}
