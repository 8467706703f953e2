// What a deletion costs grows with what it touches: deleting one table, field, page or menu of a
// module made the table designer's way offers the reference lists about three times as much
// work in a module of three times the tables, not nine times, as when each step listed the
// references of the whole module again. The page files' maps of a deleted menu are erased in one
// pass, outside the lists.
#include "bench/store/BenchTables.h"
#include "entities/ApplicationReport.h"
#include "entities/Form.h"
#include "entities/Menu.h"
#include "model/ForgeonProject.h"
#include "model/Module.h"
#include "model/ReferenceList.h"
#include "platform/core/ScriptedMessageBoxes.h"
#include "tests/model/ModelBuilders.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <vector>

namespace
{
Form* FormOf(const Module& module, const Table* table)
{
    return dynamic_cast<Form*>(module.FindFormOfTable(table));
}

struct DeletionWork
{
    const char* name;
    // Deletes the entity of the table; false when it could not.
    std::function<bool(ForgeonProject&, Module&, Table&)> remove;
    // How many times the work may grow when the module grows three times.
    std::uint64_t growth;
};

// The references offered to lists while one entity of the middle table of a module of the
// given number of designed tables is deleted.
std::uint64_t WorkOf(const DeletionWork& deletion, int tables)
{
    ScriptedMessageBoxes boxes;
    ForgeonProject project;
    ScopedOpenProject open(&project);
    project.InitNewProject();
    Module& module = *project.GetCurrentModule();
    Table* middle = AddGeneratedBenchTables(project, tables)[tables / 2];
    const std::uint64_t before = ReferenceList::Offered();
    EXPECT_TRUE(deletion.remove(project, module, *middle)) << deletion.name;
    return ReferenceList::Offered() - before;
}

TEST(DeletionWorkTest, TheWorkOfADeletionGrowsAboutLinearlyWithTheModule)
{
    const std::vector<DeletionWork> deletions = {
        {"table",
         [](ForgeonProject& project, Module&, Table& table) { return project.DeleteTable(&table); },
         4},
        {"field",
         [](ForgeonProject& project, Module&, Table& table)
         { return project.DeleteField(table.FindFieldByName("column_5")); },
         4},
        {"form",
         [](ForgeonProject& project, Module& module, Table& table)
         { return project.DeleteForm(FormOf(module, &table)); },
         4},
        {"report",
         [](ForgeonProject& project, Module& module, Table& table)
         {
             return project.DeleteApplicationReport(
                 module.FindReportByName(table.GetTableName() + " Report"));
         },
         4},
        {"menu item",
         [](ForgeonProject& project, Module& module, Table& table)
         { return project.DeleteMenu(MenuOpening(module, FormOf(module, &table))); },
         4},
        {"menu of every form",
         [](ForgeonProject& project, Module& module, Table&)
         { return project.DeleteMenu(module.FindMenuByName("Masters")); },
         4},
    };
    for (const DeletionWork& deletion : deletions)
    {
        const std::uint64_t small = WorkOf(deletion, 20);
        const std::uint64_t large = WorkOf(deletion, 60);
        EXPECT_GT(small, 0u) << deletion.name;
        EXPECT_LT(large, deletion.growth * small)
            << deletion.name << ": " << small << " then " << large;
    }
}
} // namespace
