#include "platform/core/FileCopy.h"
#include "platform/core/FileReplacement.h"

#include "tests/support/FileSizeLimit.h"
#include "tests/support/HostFiles.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <fstream>
#include <string>
#include <sys/stat.h>

namespace
{
namespace fs = std::filesystem;

class FileCopyTest : public ::testing::Test
{
protected:
    fs::path PathOf(const char* name) const { return m_folder.Path() / name; }
    void Write(const char* name, const std::string& bytes) const
    {
        std::ofstream(PathOf(name), std::ios::binary) << bytes;
    }
    bool Copy(const char* from, const char* to, bool failIfExists) const
    {
        return CopyFile(PathOf(from).c_str(), PathOf(to).c_str(), failIfExists ? TRUE : FALSE) !=
               FALSE;
    }
    std::vector<std::string> Names() const
    {
        std::vector<std::string> names;
        for (const fs::directory_entry& entry : fs::directory_iterator(m_folder.Path()))
            names.push_back(entry.path().filename().string());
        std::ranges::sort(names);
        return names;
    }
    static mode_t ModeOf(const fs::path& path)
    {
        struct stat info;
        return ::stat(path.c_str(), &info) == 0 ? info.st_mode & 07777 : 0;
    }

    TempFolder m_folder{"WeavoFileCopy"};
};

TEST_F(FileCopyTest, ACopyThatRunsOutOfRoomLeavesTheOldFileOrNoFileAndNoPartOfOne)
{
    const std::string big(256 * 1024, 'x');
    Write("big.txt", big);
    Write("kept.txt", "old");
    {
        const ScopedFileSizeLimit fullDisk(64 * 1024);
        errno = 0;
        EXPECT_FALSE(Copy("big.txt", "kept.txt", false));
        EXPECT_EQ(errno, EFBIG);
        EXPECT_FALSE(Copy("big.txt", "new.txt", true));
    }
    const std::string kept = ReadHostFile(PathOf("kept.txt"));
    EXPECT_TRUE(kept == "old") << kept.size() << " bytes";
    EXPECT_EQ(Names(), (std::vector<std::string>{"big.txt", "kept.txt"}));

    // With room the same copies are made whole; an existing file is kept when asked to.
    EXPECT_TRUE(Copy("big.txt", "new.txt", true));
    EXPECT_TRUE(ReadHostFile(PathOf("new.txt")) == big);
    EXPECT_FALSE(Copy("big.txt", "kept.txt", true));
    EXPECT_EQ(errno, EEXIST);
    EXPECT_EQ(ReadHostFile(PathOf("kept.txt")), "old");
}

TEST_F(FileCopyTest, AReplacedFileKeepsItsModeItsLinkAndItsProtection)
{
    Write("source.txt", "new");
    ::chmod(PathOf("source.txt").c_str(), 0640);
    Write("private.txt", "old");
    ::chmod(PathOf("private.txt").c_str(), 0600);
    Write("linked.txt", "old");
    fs::create_symlink("linked.txt", PathOf("link.txt"));
    Write("readonly.txt", "old");
    ::chmod(PathOf("readonly.txt").c_str(), 0444);
    fs::create_directory(PathOf("folder"));

    EXPECT_TRUE(Copy("source.txt", "private.txt", false));
    EXPECT_EQ(ModeOf(PathOf("private.txt")), 0600u);
    EXPECT_TRUE(Copy("source.txt", "fresh.txt", false));
    EXPECT_EQ(ModeOf(PathOf("fresh.txt")), 0640u) << "a new file takes the source's mode";
    EXPECT_TRUE(Copy("source.txt", "link.txt", false));
    EXPECT_TRUE(fs::is_symlink(PathOf("link.txt")));
    EXPECT_EQ(ReadHostFile(PathOf("linked.txt")), "new");
    // Refused by its mode bits, which also holds for root.
    EXPECT_FALSE(Copy("source.txt", "readonly.txt", false));
    EXPECT_EQ(errno, EACCES);
    EXPECT_EQ(ReadHostFile(PathOf("readonly.txt")), "old");
    EXPECT_FALSE(Copy("source.txt", "folder", false));
    EXPECT_EQ(Names(), (std::vector<std::string>{"folder", "fresh.txt", "link.txt", "linked.txt",
                                                 "private.txt", "readonly.txt", "source.txt"}));
}

TEST_F(FileCopyTest, AReplacementThatIsNotCommittedLeavesNothingBehind)
{
    Write("target.txt", "old");
    {
        FileReplacement replacement(PathOf("target.txt").string());
        ASSERT_TRUE(replacement.CreateTemporary());
        EXPECT_EQ(fs::path(replacement.GetTemporary()).parent_path(), m_folder.Path());
    }
    EXPECT_EQ(Names(), std::vector<std::string>{"target.txt"});
    fs::create_symlink("loop", PathOf("loop"));
    FileReplacement loop(PathOf("loop").string());
    EXPECT_FALSE(loop.CreateTemporary());
    EXPECT_EQ(errno, ELOOP);
}
} // namespace
