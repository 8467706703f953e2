#include "platform/core/FileReplacement.h"
#include "platform/core/FileSync.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <ctime>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace
{
namespace fs = std::filesystem;

constexpr const char* kHeader = "HEAD";

std::string ReadAll(const fs::path& path)
{
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), {});
}

// The file's modification time set the given number of seconds back.
void Age(const fs::path& path, std::time_t seconds)
{
    const timespec times[2] = {{std::time(nullptr) - seconds, 0},
                               {std::time(nullptr) - seconds, 0}};
    ASSERT_EQ(::utimensat(AT_FDCWD, path.c_str(), times, AT_SYMLINK_NOFOLLOW), 0);
}

// A clean-up removes only the temporary files a save left behind: regular files of this user
// that begin with the header, unchanged for minutes and locked by nobody, beside the target only.
TEST(FileReplacementTest, TheCleanUpRemovesOnlyWhatASaveLeftBehind)
{
    TempFolder folder;
    const fs::path target = folder.Path() / "Shop.wvt";
    std::ofstream(target) << kHeader << "project";
    // No process runs under this id.
    const std::string stale = "Shop.wvt.weavo-999999999-";
    struct Case
    {
        const char* name;
        std::string file;
        std::string bytes;
        std::time_t age;
        bool locked;
        bool removed;
    };
    const Case cases[] = {
        {"left behind", stale + "1", std::string(kHeader) + "rest", 600, false, true},
        {"the user's own file", stale + "2", "my notes", 600, false, false},
        {"written a moment ago", stale + "3", std::string(kHeader) + "rest", 10, false, false},
        {"still written elsewhere", stale + "4", std::string(kHeader) + "rest", 600, true, false},
        {"another file's", "Other.wvt.weavo-999999999-5", std::string(kHeader), 600, false, false},
        {"shorter than the header", stale + "6", "HE", 600, false, false},
    };
    int lock = -1;
    for (const Case& each : cases)
    {
        const fs::path path = folder.Path() / each.file;
        std::ofstream(path, std::ios::binary) << each.bytes;
        Age(path, each.age);
        if (each.locked)
        {
            lock = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
            ASSERT_EQ(::flock(lock, LOCK_EX | LOCK_NB), 0);
        }
    }
    // A link to a file left behind is no file left behind.
    const fs::path linked = folder.Path() / (stale + "7");
    fs::create_symlink(folder.Path() / (stale + "1"), linked);

    // Another user's file, where the test may give one away.
    const fs::path others = folder.Path() / (stale + "8");
    std::ofstream(others) << kHeader;
    Age(others, 600);
    const bool givenAway = ::geteuid() == 0 && ::chown(others.c_str(), 12345, 12345) == 0;

    FileReplacement(target.string()).RemoveStaleTemporaries(kHeader);
    for (const Case& each : cases)
        EXPECT_EQ(!fs::exists(folder.Path() / each.file), each.removed) << each.name;
    EXPECT_EQ(fs::exists(others), givenAway);
    EXPECT_TRUE(fs::is_symlink(linked));
    EXPECT_EQ(ReadAll(target), std::string(kHeader) + "project");
    ::close(lock);
}

// A temporary file stays locked while it is written, so that another instance's clean-up leaves
// it alone however old it looks; the lock goes with the descriptor.
TEST(FileReplacementTest, ATemporaryIsLockedUntilItIsClosed)
{
    TempFolder folder;
    FileReplacement replacement((folder.Path() / "Shop.wvt").string());
    ASSERT_TRUE(replacement.CreateTemporary());
    ASSERT_EQ(::write(replacement.GetDescriptor(), kHeader, 4), 4);
    const int other = ::open(replacement.GetTemporary().c_str(), O_RDONLY | O_CLOEXEC);
    ASSERT_GE(other, 0);
    EXPECT_NE(::flock(other, LOCK_EX | LOCK_NB), 0);
    EXPECT_EQ(errno, EWOULDBLOCK);
    const fs::path temporary = replacement.GetTemporary();
    replacement.Release();
    EXPECT_EQ(::flock(other, LOCK_EX | LOCK_NB), 0);
    ::close(other);
    fs::remove(temporary);
}

// The failure the installed sync call gives, for one test.
int g_syncError = 0;

int FailingSync(int)
{
    errno = g_syncError;
    return -1;
}

// A file system that cannot sync a file keeps the commit; one that fails to write refuses it,
// keeps the old file and says why.
TEST(FileReplacementTest, ACommitWhereSyncingIsNotSupportedIsKeptAndAFailedOneIsNot)
{
    const struct
    {
        int error;
        bool committed;
    } cases[] = {{EINVAL, true}, {ENOTSUP, true}, {EIO, false}, {ENOSPC, false}};
    for (const auto& each : cases)
    {
        SCOPED_TRACE(each.error);
        TempFolder folder;
        const fs::path target = folder.Path() / "Shop.wvt";
        std::ofstream(target) << "old";
        g_syncError = each.error;
        const SyncCall previous = SetSyncCall(&FailingSync);
        FileReplacement replacement(target.string());
        ASSERT_TRUE(replacement.CreateTemporary());
        ASSERT_EQ(::write(replacement.GetDescriptor(), "new", 3), 3);
        const bool committed = replacement.Commit(/*keepExisting=*/false);
        const int error = errno;
        SetSyncCall(previous);
        EXPECT_EQ(committed, each.committed);
        EXPECT_EQ(ReadAll(target), each.committed ? "new" : "old");
        EXPECT_EQ(committed ? 0 : error, each.committed ? 0 : each.error);
        EXPECT_EQ(std::distance(fs::directory_iterator(folder.Path()), fs::directory_iterator()),
                  1);
    }
}
} // namespace
