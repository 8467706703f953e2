#include "platform/core/SaveLock.h"
#include "tests/support/OtherUser.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstring>
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

// A symbolic link at the lock file's name is neither followed nor changed: no lock is had there
// and the reason names it. A file of other names left there is taken over when no instance
// holds it: the name gets a lock file of its own. The file they lead to keeps its bytes and mode.
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
         nullptr},
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
            if (each.reason != nullptr)
            {
                EXPECT_EQ(lock.GetState(), SaveLock::State::Unavailable);
                EXPECT_NE(lock.GetReason().find(each.reason), std::string::npos)
                    << lock.GetReason();
            }
            else
            {
                EXPECT_EQ(lock.GetState(), SaveLock::State::Held);
                EXPECT_FALSE(fs::equivalent(mine, lockPath));
            }
        }
        struct stat info;
        ASSERT_EQ(::stat(mine.c_str(), &info), 0);
        EXPECT_EQ(info.st_mode & 07777, static_cast<mode_t>(S_IRUSR | S_IWUSR));
        EXPECT_EQ(info.st_nlink, 1u);
        EXPECT_EQ(ReadAll(mine), "mine");
        // A symbolic link stays for the user to see.
        EXPECT_EQ(fs::exists(fs::symlink_status(lockPath)), each.reason != nullptr);
    }
}

// The lock file opens only to those who may write the file: read and write for each class of
// users with the file's write bit, as a read lock stops a save too.
TEST(SaveLockTest, TheLockFileOpensOnlyToThoseWhoMayWriteTheFile)
{
    struct Case
    {
        mode_t file;
        mode_t lock;
    };
    const Case cases[] = {{0644, 0600}, {0664, 0660}, {0666, 0666}, {0620, 0660}, {0602, 0606}};
    TempFolder folder;
    const fs::path target = folder.Path() / "Shop.wvt";
    std::ofstream(target) << "project";
    for (const Case& each : cases)
    {
        SCOPED_TRACE(each.file);
        ASSERT_EQ(::chmod(target.c_str(), each.file), 0);
        const SaveLock lock = SaveLock::Take(target.string(), std::chrono::milliseconds(0));
        ASSERT_TRUE(lock.IsHeld());
        struct stat info;
        ASSERT_EQ(::stat(lock.GetLockPath().c_str(), &info), 0);
        EXPECT_EQ(info.st_mode & 07777, each.lock);
    }
}

// A lock file left with other names, or one that others could open (as a build before made
// it), is taken over when no instance holds it; one with other names that an instance holds
// keeps the next save waiting.
TEST(SaveLockTest, ALeftLockFileThatNoInstanceHoldsIsTakenOver)
{
    TempFolder folder;
    const fs::path target = folder.Path() / "Shop.wvt";
    const fs::path lockPath = folder.Path() / "Shop.wvt.weavo-lock";
    std::ofstream(target) << "project";
    ASSERT_EQ(::chmod(target.c_str(), 0644), 0);

    std::ofstream(lockPath) << "";
    ASSERT_EQ(::chmod(lockPath.c_str(), 0666), 0);
    {
        const SaveLock lock = SaveLock::Take(target.string(), std::chrono::milliseconds(0));
        ASSERT_TRUE(lock.IsHeld());
        struct stat info;
        ASSERT_EQ(::stat(lockPath.c_str(), &info), 0);
        EXPECT_EQ(info.st_mode & 07777, 0600u);
    }
    EXPECT_FALSE(fs::exists(lockPath));

    const SaveLock held = SaveLock::Take(target.string(), std::chrono::milliseconds(0));
    ASSERT_TRUE(held.IsHeld());
    fs::create_hard_link(lockPath, folder.Path() / "another-name");
    const SaveLock waiting = SaveLock::Take(target.string(), std::chrono::milliseconds(0));
    EXPECT_EQ(waiting.GetState(), SaveLock::State::Busy);
    EXPECT_TRUE(fs::equivalent(lockPath, folder.Path() / "another-name"));
}

// A save of a user's project that was killed leaves its lock file; a third user of the machine,
// who may not write the project, can neither open it nor lock it, and one that the build before
// left open to everyone, which that user holds, is taken over at once.
TEST(SaveLockTest, AThirdUserCannotHoldTheLockOfAProjectTheyMayNotWrite)
{
    if (!CanActAsOtherUsers())
        GTEST_SKIP() << "acting as other users of the machine needs root";
    const PassableFolder outer;
    const fs::path folder = outer.Path() / "projects";
    const fs::path target = folder / "Shop.wvt";
    const fs::path lockPath = folder / "Shop.wvt.weavo-lock";
    fs::create_directory(folder);
    std::ofstream(target) << "project";
    ASSERT_EQ(::chown(folder.c_str(), kFirstUser, kSharedGroup), 0);
    ASSERT_EQ(::chown(target.c_str(), kFirstUser, kSharedGroup), 0);
    ASSERT_EQ(::chmod(target.c_str(), 0644), 0);
    // The first user's saves may be passed by the others, as in a home folder.
    fs::permissions(folder, fs::perms(0755));

    const auto killedSave = [&]
    {
        // Left as a killed save leaves it: the lock goes with the process, the file stays.
        new SaveLock(SaveLock::Take(target.string(), std::chrono::milliseconds(0)));
        return std::string(fs::exists(lockPath) ? "left" : "none");
    };
    ASSERT_EQ(AsUser(kFirstUser, kSharedGroup, killedSave), "left");
    const auto strangerTries = [&]
    {
        std::string said;
        for (const int flags : {O_RDONLY, O_RDWR})
        {
            const int fd = ::open(lockPath.c_str(), flags);
            said += fd < 0 ? std::strerror(errno) + std::string(";") : "opened;";
        }
        return said;
    };
    EXPECT_EQ(AsUser(kStranger, kStrangerGroup, strangerTries),
              "Permission denied;Permission denied;");

    // A lock file everyone may open, which the stranger holds for reading: the save waits, as
    // the holder may as well be another instance saving; once let go, it is made anew.
    ASSERT_EQ(::chmod(lockPath.c_str(), 0666), 0);
    const auto save = [&]
    {
        const SaveLock lock = SaveLock::Take(target.string(), std::chrono::milliseconds(0));
        struct stat info;
        if (!lock.IsHeld() || ::stat(lockPath.c_str(), &info) != 0)
            return std::string("not held");
        return "held, mode " + std::to_string(info.st_mode & 07777);
    };
    {
        OtherUserProcess stranger(
            kStranger, kStrangerGroup,
            [&]
            {
                const int fd = ::open(lockPath.c_str(), O_RDONLY);
                return std::string(
                    fd >= 0 && LockWholeFile(fd, /*forReading=*/true) == 0 ? "holding" : "failed");
            },
            /*keepRunning=*/true);
        ASSERT_EQ(stranger.Text(), "holding");
        EXPECT_EQ(AsUser(kFirstUser, kSharedGroup, save), "not held");
    }
    EXPECT_EQ(AsUser(kFirstUser, kSharedGroup, save), "held, mode 384");
}

// A project file of the longest name a folder takes has a lock as any other: a second save
// waits for the first.
TEST(SaveLockTest, AFileOfTheLongestNameIsLocked)
{
    TempFolder folder;
    const fs::path target = folder.Path() / (std::string(251, 'S') + ".wvt");
    std::ofstream(target) << "project";
    const SaveLock held = SaveLock::Take(target.string(), std::chrono::milliseconds(0));
    ASSERT_TRUE(held.IsHeld()) << held.GetReason();
    EXPECT_EQ(SaveLock::Take(target.string(), std::chrono::milliseconds(0)).GetState(),
              SaveLock::State::Busy);
}
} // namespace
