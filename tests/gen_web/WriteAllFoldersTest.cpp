#include "gen_web/AspxWriteAll.h"

#include "tests/gen_web/PreparedProjectFolder.h"
#include "tests/gen_web/ShopProject.h"
#include "tests/support/FolderProbes.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <set>
#include <string>

namespace
{
namespace fs = std::filesystem;

// Each folder looked at, with how often.
std::map<std::string, int> Counted(const std::vector<std::string>& folders)
{
    std::map<std::string, int> counts;
    for (const std::string& folder : folders)
        ++counts[fs::path(folder).lexically_normal().string()];
    return counts;
}

// The folders of the files under the folder.
std::set<std::string> FoldersOfFiles(const fs::path& folder)
{
    std::set<std::string> folders;
    for (const auto& entry : fs::recursive_directory_iterator(folder))
    {
        if (entry.is_regular_file())
            folders.insert(entry.path().parent_path().lexically_normal().string());
    }
    return folders;
}

TEST(WriteAllFolders, EachFolderIsMadeOnceARunAndARemovedOneIsMadeAgainByTheNext)
{
    ShopProject shop;
    PrepareProjectFolder(shop.Project());
    AspxWriteAll writeAll(&shop.Project());
    const fs::path base = shop.ApplicationFolder() / "BaseModule";
    for (int run = 1; run <= 2; ++run)
    {
        SCOPED_TRACE("run " + std::to_string(run));
        fs::remove_all(base);
        WriteOwnDataSet(shop.ApplicationFolder());
        const std::set<std::string> existing = FoldersOfFiles(base);
        FolderProbes probes;
        ASSERT_TRUE(writeAll.Run(nullptr)) << writeAll.GetReport().GetText();

        const std::map<std::string, int> counts = Counted(probes.folders);
        for (const auto& [folder, count] : counts)
            EXPECT_EQ(1, count) << folder;
        const std::set<std::string> written = FoldersOfFiles(base);
        EXPECT_EQ(4u, written.size());
        for (const std::string& folder : written)
            EXPECT_EQ(existing.contains(folder) ? 0u : 1u, counts.count(folder)) << folder;
    }
}
} // namespace
