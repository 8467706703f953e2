#include "model/ForgeonProject.h"
#include "model/ProjectStore.h"
#include "platform/core/ScriptedMessageBoxes.h"
#include "tests/model/ModelBuilders.h"
#include "tests/model/TreePages.h"
#include "tests/support/ArchiveBytes.h"
#include "tests/support/HostFiles.h"
#include "tests/support/RecordBytes.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace
{
namespace fs = std::filesystem;

std::vector<char> ReadFileChars(const fs::path& path)
{
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), {}};
}

// The damaged files and the seed projects of the fuzz target, by path.
std::vector<fs::path> FuzzFiles()
{
    return ProjectFilesBelow(WEAVO_TEST_DATA "/fuzz");
}

// Saved projects and files whose repairs the load keeps must load; damaged ones may be refused.
bool MustLoad(const fs::path& path)
{
    const std::string folder = path.parent_path().filename().string();
    return folder == "seeds" || folder == "reload-changes";
}
} // namespace

// Each file loads into a project that saves and loads again to the same bytes, or is refused
// with "Error in archiving" and leaves the open project in place. The sanitizer build checks
// that nothing is freed twice and nothing leaks.
TEST(DamagedFileTest, EveryFuzzFileLoadsIntoAUsableProjectOrIsRefusedCleanly)
{
    const std::vector<fs::path> files = FuzzFiles();
    ASSERT_GE(files.size(), 28u);
    TempFolder folder;
    ScopedArchiveVersion version{CurrentVersion()};
    for (const fs::path& path : files)
    {
        SCOPED_TRACE(path.string());
        ScriptedMessageBoxes boxes;
        ProjectStore store;
        ForgeonProject* open = store.GetProject();
        const BOOL loaded = store.ArchiveProject(nullptr, path.c_str(), TRUE);
        EXPECT_TRUE(loaded || !MustLoad(path));
        if (!loaded)
        {
            ASSERT_EQ(1u, boxes.Shown().size());
            EXPECT_EQ(0u, boxes.Shown().front().text.rfind("Error in archiving", 0));
            EXPECT_EQ(open, store.GetProject());
            continue;
        }
        // A file that loads shows no more than the warnings of names to rename.
        for (const ScriptedMessageBoxes::ShownBox& box : boxes.Shown())
            EXPECT_EQ(static_cast<UINT>(MB_OK | MB_ICONWARNING), box.type) << box.text;
        const fs::path first = folder.Path() / "first.wvt";
        const fs::path second = folder.Path() / "second.wvt";
        ASSERT_TRUE(store.ArchiveProject(store.GetProject(), first.c_str(), FALSE));
        ASSERT_TRUE(store.ArchiveProject(nullptr, first.c_str(), TRUE));
        ASSERT_TRUE(store.ArchiveProject(store.GetProject(), second.c_str(), FALSE));
        EXPECT_TRUE(ReadFileChars(first) == ReadFileChars(second));
    }
}

// Each page of each loaded crafted file, deleted in a fresh load as the tree deletes it, leaves
// a project that saves, loads and saves; from the first load on, which may make a default page
// again, the saves give the same bytes. The sanitizer build checks that nothing freed is read.
TEST(DamagedFileTest, EveryPageOfALoadedCraftedFileDeletesAndSaves)
{
    TempFolder folder;
    ScopedArchiveVersion version{CurrentVersion()};
    const fs::path saved = folder.Path() / "saved.wvt";
    const fs::path first = folder.Path() / "first.wvt";
    const fs::path second = folder.Path() / "second.wvt";
    int deleted = 0;
    for (const fs::path& path : FuzzFiles())
    {
        if (path.parent_path().filename() != "loader-crashes")
            continue;
        for (std::size_t index = 0;; ++index)
        {
            ScriptedMessageBoxes boxes;
            ProjectStore store;
            const ScopedOpenProject open(store);
            if (!store.ArchiveProject(nullptr, path.c_str(), TRUE))
                break;
            ForgeonProject* project = store.GetProject();
            const std::vector<FormInterface*> pages = AllPages(*project->GetBaseModule());
            if (index >= pages.size())
                break;
            SCOPED_TRACE(path.filename().string() + ": " + pages[index]->GetFormName().str());
            deleted += DeletePage(*project, pages[index]) ? 1 : 0;
            ASSERT_TRUE(store.ArchiveProject(project, saved.c_str(), FALSE));
            ASSERT_TRUE(store.ArchiveProject(nullptr, saved.c_str(), TRUE));
            ASSERT_TRUE(store.ArchiveProject(store.GetProject(), first.c_str(), FALSE));
            ASSERT_TRUE(store.ArchiveProject(nullptr, first.c_str(), TRUE));
            ASSERT_TRUE(store.ArchiveProject(store.GetProject(), second.c_str(), FALSE));
            EXPECT_TRUE(ReadFileChars(first) == ReadFileChars(second));
        }
    }
    EXPECT_LE(50, deleted);
}
