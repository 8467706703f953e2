#include "platform/core/SaveLock.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace
{
namespace fs = std::filesystem;

std::string ReadAll(const fs::path& path)
{
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), {});
}

// A link at the lock file's name is neither followed nor changed: no lock is had there, the
// reason names it, and the file it leads to keeps its bytes and mode.
TEST(SaveLockTest, ALinkAtTheLockFileNameIsNeverFollowedNorChanged)
{
    struct Case
    {
        const char* name;
        void (*plant)(const fs::path& file, const fs::path& lockPath);
        const char* reason;
    };
    const Case cases[] = {
        {"symbolic link",
         [](const fs::path& file, const fs::path& lockPath) { fs::create_symlink(file, lockPath); },
         "is a symbolic link"},
        {"hard link",
         [](const fs::path& file, const fs::path& lockPath)
         { fs::create_hard_link(file, lockPath); },
         "is a hard link"},
    };
    for (const Case& each : cases)
    {
        SCOPED_TRACE(each.name);
        TempFolder folder;
        const fs::path target = folder.Path() / "Shop.wvt";
        const fs::path lockPath = folder.Path() / "Shop.wvt.weavo-lock";
        const fs::path mine = folder.Path() / "private.txt";
        std::ofstream(mine) << "mine";
        ASSERT_EQ(::chmod(mine.c_str(), S_IRUSR | S_IWUSR), 0);
        each.plant(mine, lockPath);
        {
            const SaveLock lock = SaveLock::Take(target.string(), std::chrono::milliseconds(0));
            EXPECT_EQ(lock.GetState(), SaveLock::State::Unavailable);
            EXPECT_NE(lock.GetReason().find(each.reason), std::string::npos) << lock.GetReason();
        }
        struct stat info;
        ASSERT_EQ(::stat(mine.c_str(), &info), 0);
        EXPECT_EQ(info.st_mode & 07777, static_cast<mode_t>(S_IRUSR | S_IWUSR));
        EXPECT_EQ(ReadAll(mine), "mine");
        // The link stays for the user to see.
        EXPECT_TRUE(fs::exists(fs::symlink_status(lockPath)));
    }
}
} // namespace
