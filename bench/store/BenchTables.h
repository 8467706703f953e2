#pragma once

// The tables of the benchmarks' projects: built through the model as the table designer builds
// them.

#include "entities/FormInterface.h"
#include "entities/Menu.h"
#include "model/Field.h"
#include "model/ForgeonProject.h"
#include "model/Module.h"
#include "model/Table.h"
#include "model/TableFormCreator.h"

#include <algorithm>
#include <string>
#include <vector>

constexpr int columnsPerTable = 12;

// A table of the name with 12 columns: key, soft-delete flag, nine text columns and a foreign
// key to the table made before it.
inline Table* NewBenchTable(const CString& name, Table* previous)
{
    auto* table = new Table;
    table->SetTableName(name);
    table->SetKind(Table::masterKind);
    table->EnsureDefaultFields();
    for (int column = 1; table->GetFields().size() < columnsPerTable - 1; ++column)
    {
        auto* field = new Field;
        const CString columnName = CString("column_") + std::to_string(column).c_str();
        field->Set(columnName, columnName, FieldTypeVarchar, 50, 0, nullptr, "", false, false, true,
                   false, column == 1);
        field->SetTable(table);
        table->AddField(field);
    }
    Field* foreign = previous != nullptr ? previous->GetFields().front() : nullptr;
    auto* field = new Field;
    field->Set("parent_id", "parent_id", FieldTypeInt, 4, 0, foreign, "", false, foreign != nullptr,
               true, false, false);
    field->SetTable(table);
    table->AddField(field);
    return table;
}

// Adds the table to the project's current module with what the table designer's "Generate
// Forms and Reports" makes of a master table: its form, its search report and their menus.
inline void AddDesignedTable(ForgeonProject& project, Table* table)
{
    project.GetCurrentModule()->AddTable(table);
    TableFormCreator creator(table, &project);
    creator.CreateForm();
    creator.CreateReport();
}

// Adds tables table_0 .. table_<count - 1> to the project's current module, each keyed by the
// next and made as "Generate Forms and Reports" makes them (form, search report, RDLC report).
inline std::vector<Table*> AddGeneratedBenchTables(ForgeonProject& project, int count)
{
    std::vector<Table*> tables;
    Table* previous = nullptr;
    for (int number = 0; number < count; ++number)
    {
        previous = NewBenchTable(CString("table_") + std::to_string(number).c_str(), previous);
        project.GetCurrentModule()->AddTable(previous);
        TableFormCreator(previous, &project).CreateAll();
        tables.push_back(previous);
    }
    return tables;
}

// A merge input: the module "Sales" made current, with the tables: "table_<n>" below shared,
// named after the prefix from there, each keyed by the one before and made as AddDesignedTable
// makes them, or with generated set as AddGeneratedBenchTables does.
inline void AddSalesModule(ForgeonProject& project, int tables, int shared, const char* prefix,
                           bool generated)
{
    Module* sales = project.AddNewModule();
    sales->RenameDefaultObjects("Sales");
    sales->SetName("Sales");
    project.SetCurrentModule(sales);
    Table* previous = nullptr;
    for (int number = 0; number < tables; ++number)
    {
        previous = NewBenchTable(CString(number < shared ? "table_" : prefix) +
                                     std::to_string(number).c_str(),
                                 previous);
        if (!generated)
        {
            AddDesignedTable(project, previous);
            continue;
        }
        sales->AddTable(previous);
        TableFormCreator(previous, &project).CreateAll();
    }
}

// The menu item that opens the page's first file, null when there is none.
inline Menu* MenuOpening(const Module& module, const FormInterface* page)
{
    std::vector<Menu*> menus;
    module.CollectMenus(menus, nullptr);
    const auto found = std::ranges::find_if(
        menus, [page](const Menu* menu) { return menu->GetAspFile() == page->GetAspFileAt(0); });
    return found != menus.end() ? *found : nullptr;
}
