// What an overwrite merge costs grows with the projects: merging a module of three times the
// tables whole, overwriting half of them, offers the reference lists about three times as much
// work, not nine times, as when each table, page and menu it replaced was deleted alone and each
// deletion listed the whole project again.
#include "bench/store/BenchTables.h"
#include "merge/MergeSelection.h"
#include "model/ForgeonProject.h"
#include "model/Module.h"
#include "model/ReferenceList.h"
#include "model/Table.h"
#include "tests/merge/MergeRunFixture.h"
#include "tests/model/ModelBuilders.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

class OverwriteMergeWorkTest : public MergeRun
{
protected:
    // Saves a project whose module "Sales" holds the tables as the table designer makes them
    // (AddSalesModule).
    void Save(int tables, int shared, const char* prefix, const char* file)
    {
        ForgeonProject project;
        ScopedOpenProject open(&project);
        project.InitNewProject();
        AddSalesModule(project, tables, shared, prefix, true);
        ASSERT_TRUE(m_store.ArchiveProject(&project, Path(file), FALSE)) << LastBox();
    }

    // The references offered to lists while the second project's "Sales" overwrites the first's.
    std::uint64_t WorkOf(int tables)
    {
        Save(tables, tables, "first_", "first.wvt");
        Save(tables, tables / 2, "second_", "second.wvt");
        EXPECT_TRUE(m_store.LoadFirstMergeProject(Path("first.wvt")));
        EXPECT_TRUE(m_store.LoadSecondMergeProject(Path("second.wvt")));
        ScriptedMergeSelection selection = ScriptedMergeSelection::FullModule("Sales", true);
        const std::uint64_t before = ReferenceList::Offered();
        EXPECT_TRUE(RunStoreMerge(selection));
        const std::uint64_t work = ReferenceList::Offered() - before;
        // The second's module replaced the first's.
        std::vector<Table*> merged;
        FirstSales()->GetAllTables(merged);
        EXPECT_EQ(static_cast<std::size_t>(tables), merged.size());
        m_store.DeleteMergeProjects();
        return work;
    }
};

TEST_F(OverwriteMergeWorkTest, GrowsAboutLinearlyWithTheProjects)
{
    const std::uint64_t small = WorkOf(8);
    const std::uint64_t large = WorkOf(24);
    EXPECT_LT(large, small * 5) << small << " then " << large;
}
