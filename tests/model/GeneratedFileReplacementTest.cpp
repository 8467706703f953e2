#include "model/GenerationReport.h"
#include "model/TextFile.h"
#include "platform/core/HostPath.h"

#include "tests/support/FileSizeLimit.h"
#include "tests/support/HostFiles.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;

namespace
{
void WriteHostFile(const fs::path& path, const std::string& text)
{
    std::ofstream(path, std::ios::binary) << text;
}

std::vector<std::string> NamesIn(const fs::path& folder)
{
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    return names;
}

// A generated file that cannot be written whole (a full disk) leaves the file of the run before
// as it was, and no part of the new one; a file written whole keeps the replaced file's mode.
TEST(GeneratedFileReplacement, AFailedWriteLeavesTheFileOfTheRunBeforeWhole)
{
    TempFolder temp("WeavoGeneratedFile");
    const fs::path page = temp.Path() / "Page.aspx";
    const std::string before(6818, 'a');
    WriteHostFile(page, before);
    ::chmod(page.c_str(), 0640);
    GenerationReport report;
    report.SetOutputRoot(temp.ModelPath());
    {
        const ScopedFileSizeLimit fullDisk(4096);
        EXPECT_FALSE(
            SaveTextFile(temp.ModelPath("Page.aspx"), std::string(8192, 'b').c_str(), report));
        // A new file is whole or not there.
        EXPECT_FALSE(
            SaveTextFile(temp.ModelPath("New.aspx"), std::string(8192, 'b').c_str(), report));
    }
    EXPECT_EQ(before, ReadHostFile(page));
    EXPECT_EQ(std::vector<std::string>{"Page.aspx"}, NamesIn(temp.Path()));
    ASSERT_EQ(2u, report.GetUnwrittenFiles().size());
    EXPECT_EQ(CString("File too large"), report.GetUnwrittenFiles()[0].reason);
    EXPECT_EQ(CString("File too large"), report.GetUnwrittenFiles()[1].reason);

    EXPECT_TRUE(SaveTextFile(temp.ModelPath("Page.aspx"), "new", report));
    EXPECT_EQ("new", ReadHostFile(page));
    struct stat info;
    ASSERT_EQ(0, ::stat(page.c_str(), &info));
    EXPECT_EQ(0640u, info.st_mode & 07777);
    EXPECT_EQ(std::vector<std::string>{"Page.aspx"}, NamesIn(temp.Path()));
}

// In the temp folder, which other users share, the trace and the logs take no file nor folder
// that another user made: that user would read them.
TEST(TraceFolderFiles, AFileOrFolderOfAnotherUserIsRefused)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "making another user's file needs the superuser";
    TempFolder temp("WeavoSharedTemp");
    const TempFolderOverride tempFolder(temp.Path());
    ASSERT_TRUE(EnsureFolderChain("C:\\temp"));
    const fs::path own = UserTempFolder();
    WriteHostFile(own / "Theirs.txt", "");
    ::chmod((own / "Theirs.txt").c_str(), 0666);
    ASSERT_EQ(0, ::chown((own / "Theirs.txt").c_str(), 65534, 65534));
    fs::create_directory(own / "KestraneWeavo");
    ::chmod((own / "KestraneWeavo").c_str(), 0777);
    ASSERT_EQ(0, ::chown((own / "KestraneWeavo").c_str(), 65534, 65534));

    TextFile theirs("C:\\temp\\Theirs.txt", true, '=', 60, false, false);
    TextFile inTheirFolder("C:\\temp\\KestraneWeavo\\merging.txt", true, '=', 60, false, false);
    TextFile ours("C:\\temp\\Own.txt", true, '=', 60, false, false);

    EXPECT_FALSE(theirs.IsOpen());
    EXPECT_EQ(CString((own / "Theirs.txt").string().c_str()) + " belongs to another user",
              theirs.GetOpenError());
    EXPECT_FALSE(inTheirFolder.IsOpen());
    EXPECT_FALSE(fs::exists(own / "KestraneWeavo/merging.txt"));
    ASSERT_TRUE(ours.IsOpen());
    struct stat info;
    ASSERT_EQ(0, ::stat((own / "Own.txt").c_str(), &info));
    EXPECT_EQ(0600u, info.st_mode & 07777);
}
} // namespace
