// Write All over the tree of an earlier run: files of long names are written again, files that
// did not change are left as they are, and the temporaries of a run killed part way do not stay
// in the site.
#include "gen_web/AspxWriteAll.h"
#include "model/ForgeonProject.h"
#include "model/GenerationReport.h"
#include "platform/core/ScriptedMessageBoxes.h"

#include "tests/gen_web/PreparedProjectFolder.h"
#include "tests/gen_web/ShopProject.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace
{
namespace fs = std::filesystem;

// Every file below the folder with its inode.
std::map<std::string, ino_t> FilesBelow(const fs::path& folder)
{
    std::map<std::string, ino_t> files;
    for (const auto& entry : fs::recursive_directory_iterator(folder))
    {
        struct stat info;
        if (entry.is_regular_file() && ::lstat(entry.path().c_str(), &info) == 0)
            files[fs::relative(entry.path(), folder).string()] = info.st_ino;
    }
    return files;
}

TEST(WriteAllOverEarlierTree, WritesEveryFileAgainAndLeavesNoTemporary)
{
    ScriptedMessageBoxes boxes;
    ShopProject shop;
    ForgeonProject& project = shop.Project();
    shop.AddTableWithPages(std::string(220, 't').c_str(), {"name"});
    PrepareProjectFolder(project);
    WriteOwnDataSet(shop.ApplicationFolder());
    AspxWriteAll first(&project);
    ASSERT_TRUE(first.Run(nullptr)) << first.GetReport().GetText();
    const std::map<std::string, ino_t> written = FilesBelow(shop.ApplicationFolder());

    // What a run killed part way left, beside two files the run writes.
    const pid_t ended = ::fork();
    if (ended == 0)
        ::_exit(0);
    ::waitpid(ended, nullptr, 0);
    const fs::path module = shop.ApplicationFolder() / "BaseModule";
    ASSERT_TRUE(fs::is_directory(module / "DataSets"));
    const std::string tag = ".weavo-" + std::to_string(ended) + "-4";
    std::ofstream(module / "DataSets" / ("customer_SelectAllRecords.xsd" + tag)) << "part";
    std::ofstream(module / "CS" / (std::string(220, 't') + ".cs" + tag)) << "part";

    AspxWriteAll second(&project);
    EXPECT_TRUE(second.Run(nullptr)) << second.GetReport().GetText();

    // Nothing changed: every file is the one the first run wrote, and no other stands there.
    EXPECT_EQ(written, FilesBelow(shop.ApplicationFolder()));
}
} // namespace
