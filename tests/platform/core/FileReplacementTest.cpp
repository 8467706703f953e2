#include "platform/core/FileReplacement.h"
#include "tests/support/ReadOnlyFolder.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <set>
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

// The temporary files a save left behind are found: regular files of this user that begin with
// the header and that nobody holds locked, however new, beside the target only. One found is kept
// elsewhere, never over a file there; nothing is removed.
TEST(FileReplacementTest, WhatASaveLeftBehindIsFoundAndKept)
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
        bool found;
    };
    const Case cases[] = {
        {"left behind", stale + "1", std::string(kHeader) + "rest", 600, true},
        {"the user's own file", stale + "2", "my notes", 600, false},
        // No lock holds it, however new it is.
        {"written a moment ago", stale + "3", std::string(kHeader) + "rest", 10, true},
        {"another file's", "Other.wvt.weavo-999999999-5", std::string(kHeader), 600, false},
        {"shorter than the header", stale + "6", "HE", 600, false},
    };
    for (const Case& each : cases)
    {
        const fs::path path = folder.Path() / each.file;
        std::ofstream(path, std::ios::binary) << each.bytes;
        Age(path, each.age);
    }
    // The temporary of a save still written, by an instance that does not run here, looks old:
    // its lock keeps it.
    FileReplacement writing(target.string());
    ASSERT_TRUE(writing.CreateTemporary());
    ASSERT_EQ(::write(writing.GetDescriptor(), kHeader, 4), 4);
    const fs::path written = folder.Path() / (stale + "4");
    fs::rename(writing.GetTemporary(), written);
    Age(written, 600);
    // A link to a file left behind is no file left behind.
    const fs::path linked = folder.Path() / (stale + "7");
    fs::create_symlink(folder.Path() / (stale + "1"), linked);

    // Another user's file, where the test may give one away.
    const fs::path others = folder.Path() / (stale + "8");
    std::ofstream(others) << kHeader;
    Age(others, 600);
    const bool givenAway = ::geteuid() == 0 && ::chown(others.c_str(), 12345, 12345) == 0;

    std::set<std::string> found;
    for (const FileReplacement::LeftTemporary& left :
         FileReplacement(target.string()).FindLeftTemporaries(kHeader, 300))
        found.insert(fs::path(left.path).filename().string());
    for (const Case& each : cases)
    {
        EXPECT_EQ(found.contains(each.file), each.found) << each.name;
        EXPECT_TRUE(fs::exists(folder.Path() / each.file)) << each.name;
    }
    EXPECT_EQ(found.contains(stale + "8"), !givenAway);
    EXPECT_EQ(found.size(), givenAway ? 2u : 3u);
    const std::string leftBehind = (folder.Path() / (stale + "1")).string();
    const fs::path kept = folder.Path() / "kept.wvt";
    std::ofstream(kept) << "kept before";
    EXPECT_FALSE(FileReplacement::KeepLeftTemporary(leftBehind, kept.string(), kHeader, 300));
    EXPECT_FALSE(
        FileReplacement::KeepLeftTemporary(written.string(), kept.string() + "2", kHeader, 300));
    fs::remove(kept);
    EXPECT_TRUE(FileReplacement::KeepLeftTemporary(leftBehind, kept.string(), kHeader, 300));
    EXPECT_EQ(ReadAll(kept), std::string(kHeader) + "rest");
    EXPECT_FALSE(fs::exists(leftBehind));
    EXPECT_TRUE(fs::exists(written));
    EXPECT_TRUE(fs::is_symlink(linked));
    EXPECT_EQ(ReadAll(target), std::string(kHeader) + "project");
    writing.Release();
}

// On a folder mounted read-only a file a save left is found as well, and one a save still
// writes is not.
TEST(FileReplacementTest, WhatASaveLeftOnAReadOnlyFolderIsFound)
{
    TempFolder folder;
    const fs::path target = folder.Path() / "Shop.wvt";
    std::ofstream(target) << kHeader << "project";
    const std::string left = "Shop.wvt.weavo-999999999-1";
    std::ofstream(folder.Path() / left) << kHeader << "rest";
    FileReplacement writing(target.string());
    ASSERT_TRUE(writing.CreateTemporary());
    ASSERT_EQ(::write(writing.GetDescriptor(), kHeader, 4), 4);
    const std::optional<std::string> found = OnReadOnlyFolder(
        folder.Path(),
        [&]
        {
            std::string names;
            for (const FileReplacement::LeftTemporary& each :
                 FileReplacement(target.string()).FindLeftTemporaries(kHeader, 300))
                names += fs::path(each.path).filename().string() + ";";
            return names;
        });
    if (!found)
        GTEST_SKIP() << "no read-only mount can be made here";
    EXPECT_EQ(*found, left + ";");
}

// Files of names up to the longest a folder takes are replaced, and what a save of one left is
// found as that file's, not as that of another long name of the same start.
TEST(FileReplacementTest, LongNamesAreReplacedAndTheirLeftTemporariesFound)
{
    TempFolder folder;
    std::string accented;
    while (accented.size() < 250)
        accented += "\xC3\xA9";
    for (const std::string& name : {std::string(241, 'S') + ".wvt", std::string(251, 'S') + ".wvt",
                                    std::string(255, 'S'), accented + ".wvt"})
    {
        const std::string target = (folder.Path() / name).string();
        std::ofstream(target) << "old";
        FileReplacement replacement(target);
        ASSERT_TRUE(replacement.CreateTemporary()) << name.size() << ": " << std::strerror(errno);
        ASSERT_EQ(::write(replacement.GetDescriptor(), kHeader, 4), 4);
        ASSERT_TRUE(replacement.Commit(false));
        EXPECT_EQ(ReadAll(target), kHeader);

        FileReplacement left(target);
        ASSERT_TRUE(left.CreateTemporary());
        ASSERT_EQ(::write(left.GetDescriptor(), kHeader, 4), 4);
        const std::string temporary = left.GetTemporary();
        left.Release();
        const std::string sibling = target.substr(0, target.size() - 1) + "x";
        const auto found = FileReplacement(target).FindLeftTemporaries(kHeader, 0);
        ASSERT_EQ(found.size(), 1u) << name.size();
        EXPECT_EQ(found[0].path, temporary);
        EXPECT_EQ(found[0].target, target);
        EXPECT_TRUE(FileReplacement(sibling).FindLeftTemporaries(kHeader, 0).empty());
        fs::remove(temporary);
    }
}
} // namespace
