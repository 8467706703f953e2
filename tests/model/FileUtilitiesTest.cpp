#include "model/FileUtilities.h"

#include "platform/core/HostPath.h"

#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <set>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace
{
// A fresh folder under the host temp folder, reached by the tests through its model path
// "C:\temp\<name>\...".
class FileUtilitiesTest : public ::testing::Test
{
protected:
    // The model path of a relative path written with backslashes.
    CString ModelPath(const char* relative) const { return m_temp.ModelPath(relative); }

    fs::path HostPathOf(const char* relative) const
    {
        std::string path(relative);
        for (char& c : path)
        {
            if (c == '\\')
                c = '/';
        }
        return m_temp.Path() / path;
    }

    void MakeFile(const char* relative) const { std::ofstream(HostPathOf(relative)) << "x"; }

    TempFolder m_temp{"WeavoFileUtilities"};
};

TEST_F(FileUtilitiesTest, FileExistsOnlyForReadableFiles)
{
    MakeFile("shop.wvt");
    EXPECT_TRUE(FileExists(ModelPath("shop.wvt")));
    EXPECT_TRUE(FileExists(HostPathOf("shop.wvt").c_str()));
    EXPECT_FALSE(FileExists(ModelPath("missing.wvt")));
    // A named pipe without a writer is looked at without waiting for one.
    ASSERT_EQ(::mkfifo(HostPathOf("pipe").c_str(), 0600), 0);
    ::alarm(20);
    EXPECT_TRUE(FileExists(ModelPath("pipe")));
    ::alarm(0);
    EXPECT_FALSE(FileExists(ModelPath("")));
    EXPECT_FALSE(FileExists(""));
}

TEST_F(FileUtilitiesTest, CreateFolderIfMissingMakesOneLevelOnlyWhereNoFileStands)
{
    EXPECT_EQ(TRUE, CreateFolderIfMissing(ModelPath("Output")));
    EXPECT_TRUE(fs::is_directory(HostPathOf("Output")));
    EXPECT_EQ(TRUE, CreateFolderIfMissing(ModelPath("Output")));
    EXPECT_EQ(TRUE, CreateFolderIfMissing(ModelPath("Output\\Pages\\")));
    EXPECT_TRUE(fs::is_directory(HostPathOf("Output\\Pages")));

    EXPECT_EQ(FALSE, CreateFolderIfMissing(ModelPath("Missing\\Output")));
    EXPECT_FALSE(fs::exists(HostPathOf("Missing")));
    MakeFile("File");
    EXPECT_EQ(FALSE, CreateFolderIfMissing(ModelPath("File")));
    EXPECT_TRUE(fs::is_regular_file(HostPathOf("File")));
}

TEST_F(FileUtilitiesTest, WritableFolderTestLeavesNoFileAndWithoutSeparatorTestsTheParent)
{
    fs::create_directory(HostPathOf("Project"));
    EXPECT_TRUE(IsFolderWritable(ModelPath("Project\\")));
    EXPECT_TRUE(fs::is_empty(HostPathOf("Project")));
    EXPECT_FALSE(IsFolderWritable(ModelPath("Missing\\")));
    MakeFile("Plain");
    EXPECT_FALSE(IsFolderWritable(ModelPath("Plain\\")));

    EXPECT_TRUE(IsFolderWritable(ModelPath("Other")));
    std::set<std::string> left;
    for (const fs::directory_entry& entry : fs::directory_iterator(m_temp.Path()))
        left.insert(entry.path().filename().string());
    EXPECT_EQ(left, (std::set<std::string>{"Plain", "Project"})) << "the parent was tested";

    // Whatever stands at the old test file's name is neither opened nor removed.
    const fs::path project = HostPathOf("Project");
    MakeFile("Outside");
    fs::create_symlink(HostPathOf("Outside"), project / "KestraneWeavoTestFile.txt");
    EXPECT_TRUE(IsFolderWritable(ModelPath("Project\\")));
    EXPECT_TRUE(fs::is_symlink(project / "KestraneWeavoTestFile.txt"));
    EXPECT_FALSE(fs::is_empty(HostPathOf("Outside")));
}

TEST_F(FileUtilitiesTest, ReadOnlyFolderIsNotWritable)
{
    if (::geteuid() == 0)
        GTEST_SKIP() << "root writes into read-only folders";
    fs::create_directory(HostPathOf("Project"));
    fs::permissions(HostPathOf("Project"), fs::perms::owner_read | fs::perms::owner_exec);
    EXPECT_FALSE(IsFolderWritable(ModelPath("Project\\")));
}

} // namespace
