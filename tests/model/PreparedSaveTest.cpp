#include "model/ForgeonProject.h"
#include "model/ProjectStore.h"
#include "platform/core/ScriptedMessageBoxes.h"
#include "platform/core/Types.h"
#include "tests/model/EveryClassProject.h"
#include "tests/model/ModelBuilders.h"
#include "tests/model/ProjectShapes.h"
#include "tests/support/ArchiveBytes.h"
#include "tests/support/HostFiles.h"
#include "tests/support/RecordBytes.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <ios>
#include <string>
#include <vector>

namespace
{
namespace fs = std::filesystem;

// Where two files part, for the failure message.
std::string FirstTextDifference(const std::string& left, const std::string& right)
{
    const auto parted = std::mismatch(left.begin(), left.end(), right.begin(), right.end());
    return "sizes " + std::to_string(left.size()) + " and " + std::to_string(right.size()) +
           ", first difference at " + std::to_string(parted.first - left.begin());
}

// The store's project prepared as Write All prepares it and saved; that file loads and saves to
// the same bytes, and the next Write All's preparation of it changes nothing.
void ExpectPreparedSaveLoadsAsSaved(ProjectStore& store, const fs::path& folder)
{
    ForgeonProject* project = store.GetProject();
    if (project->GetProjectName().IsEmpty())
        project->SetProjectName("Shop");
    project->PrepareForWriteAll();
    const fs::path prepared = folder / "prepared.wvt";
    const fs::path reloaded = folder / "reloaded.wvt";
    const fs::path again = folder / "again.wvt";
    ASSERT_TRUE(store.ArchiveProject(project, prepared.c_str(), FALSE));
    ASSERT_TRUE(store.ArchiveProject(nullptr, prepared.c_str(), TRUE));
    ASSERT_TRUE(store.ArchiveProject(store.GetProject(), reloaded.c_str(), FALSE));
    store.GetProject()->PrepareForWriteAll();
    ASSERT_TRUE(store.ArchiveProject(store.GetProject(), again.c_str(), FALSE));
    const std::string saved = ReadHostFile(prepared);
    for (const fs::path& next : {reloaded, again})
    {
        const std::string bytes = ReadHostFile(next);
        EXPECT_TRUE(saved == bytes) << next.filename() << ": " << FirstTextDifference(saved, bytes);
    }
}
} // namespace

// Every project file of the test data that loads, and the project holding every stored class.
TEST(PreparedSaveTest, EveryLoadableFileSavesAfterWriteAllsPreparationAsItLoads)
{
    std::vector<fs::path> files = ProjectFilesBelow(WEAVO_TEST_DATA);
    ASSERT_GE(files.size(), 29u);
    TempFolder folder;
    ScopedArchiveVersion version{CurrentVersion()};
    {
        const EveryClassProject built;
        const std::vector<BYTE> bytes = SaveObject(built.GetProject());
        files.push_back(folder.Path() / "every-class.wvt");
        std::ofstream(files.back(), std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()),
                   static_cast<std::streamsize>(bytes.size()));
    }
    int prepared = 0;
    for (const fs::path& path : files)
    {
        SCOPED_TRACE(path.string());
        ScriptedMessageBoxes boxes;
        ProjectStore store;
        const ScopedOpenProject open(store);
        if (!store.ArchiveProject(nullptr, path.c_str(), TRUE))
            continue;
        ++prepared;
        ExpectPreparedSaveLoadsAsSaved(store, folder.Path());
    }
    EXPECT_LE(16, prepared);
}

// Projects of many shapes as Write All finds them: saved and opened again, and the new project
// never saved.
TEST(PreparedSaveTest, NewProjectsSaveAfterWriteAllsPreparationAsTheyLoad)
{
    TempFolder folder;
    ScopedArchiveVersion version{CurrentVersion()};
    for (const ProjectShape& shape : ProjectShapes())
    {
        SCOPED_TRACE(shape.name);
        ScriptedMessageBoxes boxes;
        ProjectStore store;
        const ScopedOpenProject open(store);
        ASSERT_TRUE(MakeProjectOfShape(store, shape, folder.Path()));
        ExpectPreparedSaveLoadsAsSaved(store, folder.Path());
    }
}
