// Projects as large as users' databases make them: a module of many tables, each made as the
// table designer's "Generate Forms and Reports" makes it, nests its file records thousands
// deep, and still saves, loads and saves to the same bytes.
#include "bench/store/BenchTables.h"
#include "model/ForgeonProject.h"
#include "model/Module.h"
#include "model/ProjectStore.h"
#include "platform/core/ScriptedMessageBoxes.h"
#include "tests/model/ModelBuilders.h"
#include "tests/support/HostFiles.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{
#if defined(__SANITIZE_ADDRESS__)
constexpr int tableCount = 300;
#else
constexpr int tableCount = 1000;
#endif

TEST(LargeProjectStoreTest, AModuleOfManyDesignedTablesSavesLoadsAndSavesToTheSameBytes)
{
    ScriptedMessageBoxes boxes;
    const auto last = [&]
    { return boxes.Shown().empty() ? std::string() : boxes.Shown().back().text; };
    TempFolder folder;
    const CString saved = folder.ModelPath("large.wvt");
    const CString resaved = folder.ModelPath("again.wvt");
    {
        ForgeonProject project;
        ScopedOpenProject open(&project);
        project.InitNewProject();
        Table* previous = nullptr;
        for (int number = 0; number < tableCount; ++number)
        {
            Table* table =
                NewBenchTable(CString("table_") + std::to_string(number).c_str(), previous);
            AddDesignedTable(project, table);
            previous = table;
        }
        ProjectStore store;
        ASSERT_TRUE(store.ArchiveProject(&project, saved, FALSE)) << last();
    }
    ProjectStore store;
    ASSERT_TRUE(store.ArchiveProject(nullptr, saved, TRUE)) << last();
    ForgeonProject* loaded = store.GetProject();
    ASSERT_EQ(1, loaded->GetModuleCount());
    std::vector<Table*> tables;
    loaded->GetModuleAt(0)->GetAllTables(tables);
    EXPECT_EQ(static_cast<std::size_t>(tableCount), tables.size());
    ScopedOpenProject open(loaded);
    ASSERT_TRUE(store.ArchiveProject(loaded, resaved, FALSE)) << last();
    EXPECT_TRUE(ReadHostFile(folder.Path() / "large.wvt") ==
                ReadHostFile(folder.Path() / "again.wvt"));
    EXPECT_TRUE(boxes.Shown().empty());
}
} // namespace
