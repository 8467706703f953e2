#include "gen_web/AspxWriteAll.h"
#include "model/ForgeonProject.h"
#include "model/ProjectSettings.h"
#include "model/ProjectStore.h"
#include "platform/core/ScriptedMessageBoxes.h"
#include "platform/core/Types.h"
#include "tests/gen_web/PreparedProjectFolder.h"
#include "tests/model/ModelBuilders.h"
#include "tests/model/ProjectShapes.h"
#include "tests/support/ArchiveBytes.h"
#include "tests/support/HostFiles.h"
#include "tests/support/RecordBytes.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

namespace
{
// The store's project, prepared as Write All prepares it before its save, is the same project
// after the writers ran over it into the folder.
void ExpectWritersLeaveProject(ProjectStore& store, const TempFolder& folder)
{
    ForgeonProject& project = *store.GetProject();
    project.SetProjectName("Shop");
    project.SetProjectPath(folder.ModelPath());
    PrepareProjectFolder(project);
    project.PrepareForWriteAll();
    const std::vector<BYTE> saved = SaveObject(&project);
    AspxWriteAll(&project).Run(nullptr);
    EXPECT_TRUE(SaveObject(&project) == saved);
}
} // namespace

// Each project file of the test data that loads and each shape of project: the file Write All
// saves holds what it wrote.
TEST(WriteAllLeavesProjectTest, TheWritersChangeNoPreparedProject)
{
    ScopedArchiveVersion version{CurrentVersion()};
    int written = 0;
    for (const std::filesystem::path& path : ProjectFilesBelow(WEAVO_TEST_DATA))
    {
        SCOPED_TRACE(path.string());
        ScriptedMessageBoxes boxes;
        ProjectStore store;
        const ScopedOpenProject open(store);
        if (!store.ArchiveProject(nullptr, path.c_str(), TRUE) ||
            store.GetProject()->GetProjectSettings() == nullptr)
            continue;
        ExpectWritersLeaveProject(store, TempFolder("WeavoLeaves"));
        ++written;
    }
    EXPECT_LE(15, written);
    for (const ProjectShape& shape : ProjectShapes())
    {
        SCOPED_TRACE(shape.name);
        ScriptedMessageBoxes boxes;
        ProjectStore store;
        const ScopedOpenProject open(store);
        const TempFolder folder("WeavoLeaves");
        ASSERT_TRUE(MakeProjectOfShape(store, shape, folder.Path()));
        ExpectWritersLeaveProject(store, folder);
    }
}
