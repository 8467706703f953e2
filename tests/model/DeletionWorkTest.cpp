// What a deletion costs grows with what it touches: deleting one table, field, page or menu of a
// module made the table designer's way offers the reference lists about three times as much
// work in a module of three times the tables, not nine times, as when each step listed the
// references of the whole module again. The page files' maps of a deleted menu are erased
// outside the lists, a single item's map looked for first where the files before held it.
#include "bench/store/BenchTables.h"
#include "entities/ApplicationReport.h"
#include "entities/Class.h"
#include "entities/Form.h"
#include "entities/Function.h"
#include "entities/Menu.h"
#include "entities/MenuMapList.h"
#include "entities/Procedure.h"
#include "entities/RDLCReport.h"
#include "model/Field.h"
#include "model/ForgeonProject.h"
#include "model/Module.h"
#include "model/ReferenceList.h"
#include "model/Table.h"
#include "platform/core/ScriptedMessageBoxes.h"
#include "tests/model/ModelBuilders.h"
#include "tests/support/ThreadTime.h"

#include <gtest/gtest.h>

#include <algorithm>
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

// The work counted (by default the references offered to lists) while one entity of the middle
// table of a module of the given number of designed tables is deleted.
std::uint64_t WorkOf(const DeletionWork& deletion, int tables,
                     std::uint64_t (*count)() = &ReferenceList::Offered)
{
    ScriptedMessageBoxes boxes;
    ForgeonProject project;
    ScopedOpenProject open(&project);
    project.InitNewProject();
    Module& module = *project.GetCurrentModule();
    Table* middle = AddGeneratedBenchTables(project, tables)[tables / 2];
    const std::uint64_t before = count();
    EXPECT_TRUE(deletion.remove(project, module, *middle)) << deletion.name;
    return count() - before;
}

bool DeleteMenuItem(ForgeonProject& project, Module& module, Table& table)
{
    return project.DeleteMenu(MenuOpening(module, FormOf(module, &table)));
}

// The references offered to lists by one listing of every module of the project.
std::uint64_t OneWalk(ForgeonProject& project)
{
    const int nothing = 0;
    const std::uint64_t before = ReferenceList::Offered();
    Module::ReleaseReferences(project.GetModules(), {&nothing}, ReferenceList::MenuMaps::skipped);
    return ReferenceList::Offered() - before;
}

// A field's deletion lets go of the field, of the procedure's output column of it and of the
// class functions' output fields of it in one listing of the project, after the listings that
// ask who uses it: fewer than four listings' worth in all, where two more were made.
TEST(DeletionWorkTest, AFieldsDeletionListsTheProjectOnceToLetGoOfWhatItFrees)
{
    ScriptedMessageBoxes boxes;
    ForgeonProject project;
    ScopedOpenProject open(&project);
    project.InitNewProject();
    Module& module = *project.GetCurrentModule();
    Table* middle = AddGeneratedBenchTables(project, 30)[15];
    Field* field = middle->FindFieldByName("column_5");
    const Function* shows = nullptr;
    for (const Class* dataClass : module.GetClasses())
        for (const Function* function : dataClass->GetFunctions())
            if (function->HasOutputField(field))
                shows = function;
    ASSERT_NE(shows, nullptr) << "a class function shows the field";
    auto* procedure = new Procedure(middle, true);
    module.AddProcedure(procedure);
    ASSERT_NE(procedure->FindOutputColumnByField(field), nullptr);
    const std::uint64_t walk = OneWalk(project);
    const std::uint64_t before = ReferenceList::Offered();
    ASSERT_TRUE(project.DeleteField(field));
    const std::uint64_t work = ReferenceList::Offered() - before;
    EXPECT_EQ(middle->FindFieldByName("column_5"), nullptr);
    EXPECT_EQ(procedure->FindOutputColumnByField(field), nullptr);
    EXPECT_LT(work, 4 * walk) << work << " references offered, " << walk << " a listing";
}

// The thread's processor time of deleting the RDLC report of a table of a module of the given
// number of designed tables; the best of three tables.
double SecondsToDeleteAnRDLCReport(int tables)
{
    ScriptedMessageBoxes boxes;
    ForgeonProject project;
    ScopedOpenProject open(&project);
    project.InitNewProject();
    Module& module = *project.GetCurrentModule();
    const std::vector<Table*> designed = AddGeneratedBenchTables(project, tables);
    double best = 1e9;
    for (const Table* table : {designed[tables / 4], designed[tables / 2], designed[tables - 1]})
    {
        RDLCReport* report = module.FindRDLCReportForTable(table);
        const double start = ThreadProcessorSeconds();
        EXPECT_TRUE(project.DeleteRDLCReport(report));
        best = std::min(best, ThreadProcessorSeconds() - start);
        EXPECT_EQ(module.FindRDLCReportForTable(table), nullptr);
    }
    return best;
}

// Whether a data set description is still used is asked of each report's data sets by name:
// an RDLC report's deletion in a module of four times the tables takes about four times as
// long, where it took ten times when every name was compared with every description.
TEST(DeletionWorkTest, AnRDLCReportsDeletionGrowsAboutLinearlyWithTheModule)
{
    const double small = SecondsToDeleteAnRDLCReport(80);
    const double large = SecondsToDeleteAnRDLCReport(320);
    EXPECT_LT(large, 7 * small) << small << " s then " << large << " s";
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
        {"menu item", DeleteMenuItem, 4},
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

// Each page file holds a map per menu item of its module: a menu item's map is looked for first
// where the page files before held it, so that its deletion compares about one map per page
// file, three times as many in a module of three times the tables, not nine times.
TEST(DeletionWorkTest, AMenuItemsDeletionComparesAboutOneMapPerPageFile)
{
    const DeletionWork item{"menu item", DeleteMenuItem, 4};
    const std::uint64_t small = WorkOf(item, 20, &MenuMapList::Compared);
    const std::uint64_t large = WorkOf(item, 60, &MenuMapList::Compared);
    EXPECT_GT(small, 0u);
    EXPECT_LT(large, 4 * small) << small << " then " << large;
}
} // namespace
