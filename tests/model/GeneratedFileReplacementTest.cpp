#include "model/ForgeonProject.h"
#include "model/GenerationReport.h"
#include "model/TextFile.h"
#include "platform/core/HostPath.h"

#include "tests/support/EndedProcess.h"
#include "tests/support/FileSizeLimit.h"
#include "tests/support/HostFiles.h"
#include "tests/support/OtherUser.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <set>
#include <string>
#include <sys/stat.h>
#include <sys/xattr.h>
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
constexpr uid_t otherUser = 65534;

std::set<std::string> NameSetIn(const fs::path& folder)
{
    const std::vector<std::string> names = NamesIn(folder);
    return {names.begin(), names.end()};
}

struct stat StatOf(const fs::path& path)
{
    struct stat info = {};
    EXPECT_EQ(0, ::lstat(path.c_str(), &info)) << path;
    return info;
}

// What the run says of the files it could not write, or "" when it wrote them all.
std::string Write(const fs::path& site, const std::string& name, const std::string& text)
{
    const std::string root = ToModelPath(site.string().c_str());
    GenerationReport report;
    report.SetOutputRoot(root.c_str());
    SaveTextFile((root + "\\" + name).c_str(), text.c_str(), report);
    return std::string(report.GetFullText());
}

// A file whose text is unchanged is left as it is: its inode, time and other names stay.
TEST(GeneratedFileReplacement, AnUnchangedFileIsLeftAlone)
{
    TempFolder site("WeavoUnchanged");
    WriteHostFile(site.Path() / "Page.aspx", "same\r\n");
    fs::create_hard_link(site.Path() / "Page.aspx", site.Path() / "Served.aspx");
    const timespec old[2] = {{1000, 0}, {1000, 0}};
    ASSERT_EQ(0, ::utimensat(AT_FDCWD, (site.Path() / "Page.aspx").c_str(), old, 0));
    const struct stat before = StatOf(site.Path() / "Page.aspx");

    EXPECT_EQ("", Write(site.Path(), "Page.aspx", "same\n"));

    const struct stat after = StatOf(site.Path() / "Page.aspx");
    EXPECT_EQ(before.st_ino, after.st_ino);
    EXPECT_EQ(2u, after.st_nlink);
    EXPECT_EQ(1000, after.st_mtim.tv_sec);

    // A changed one with other names is replaced by a file of its own, as before.
    EXPECT_EQ("These links were replaced by the files written:\n" +
                  (site.Path() / "Page.aspx").string() + " (it was a hard link)",
              Write(site.Path(), "Page.aspx", "changed\n"));
    EXPECT_EQ("changed\r\n", ReadHostFile(site.Path() / "Page.aspx"));
    EXPECT_EQ("same\r\n", ReadHostFile(site.Path() / "Served.aspx"));
}

// A changed file keeps its extended attributes (access control lists travel as such).
TEST(GeneratedFileReplacement, AReplacedFileKeepsItsExtendedAttributes)
{
    TempFolder site("WeavoAttributes");
    const fs::path page = site.Path() / "Page.aspx";
    WriteHostFile(page, "old");
    ::chmod(page.c_str(), 0640);
    if (::setxattr(page.c_str(), "user.weavo.served", "yes", 3, 0) != 0)
    {
        // Only a file system without user attributes is passed over.
        ASSERT_EQ(ENOTSUP, errno) << std::strerror(errno);
        GTEST_SKIP() << "no user attributes on this file system";
    }

    EXPECT_EQ("", Write(site.Path(), "Page.aspx", "new"));

    char value[8] = {};
    EXPECT_EQ(3, ::getxattr(page.c_str(), "user.weavo.served", value, sizeof value));
    EXPECT_EQ(std::string("yes"), value);
    EXPECT_EQ(0640u, StatOf(page).st_mode & 07777);
    EXPECT_EQ("new", ReadHostFile(page));
}

// Written by a user who cannot give a file away, another user's writable file keeps its owner;
// in a folder where the user may make no file, the user's own files are written in place, and
// a file that cannot be (a hard link) names the folder as the cause.
TEST(GeneratedFileReplacement, FilesAUserCannotReplaceAreWrittenInPlace)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "making another user's files needs the superuser";
    const PassableFolder folders;
    const fs::path shared = folders.Path() / "shared";
    fs::create_directory(shared);
    ::chmod(shared.c_str(), 0777);
    WriteHostFile(shared / "Theirs.aspx", "old");
    ::chmod((shared / "Theirs.aspx").c_str(), 0666);
    ASSERT_EQ(0, ::chown((shared / "Theirs.aspx").c_str(), 0, 0));

    const fs::path closed = folders.Path() / "closed";
    fs::create_directory(closed);
    ::chmod(closed.c_str(), 0755);
    for (const char* name : {"Own.aspx", "Linked.aspx"})
    {
        WriteHostFile(closed / name, "old");
        ASSERT_EQ(0, ::chown((closed / name).c_str(), otherUser, otherUser));
    }
    fs::create_hard_link(closed / "Linked.aspx", closed / "Other.aspx");
    ASSERT_EQ(0, ::chown(closed.c_str(), otherUser, otherUser));
    ::chmod(closed.c_str(), 0555);

    EXPECT_EQ("",
              AsUser(otherUser, otherUser, [&] { return Write(shared, "Theirs.aspx", "new"); }));
    EXPECT_EQ("new", ReadHostFile(shared / "Theirs.aspx"));
    EXPECT_EQ(0u, StatOf(shared / "Theirs.aspx").st_uid);

    EXPECT_EQ("", AsUser(otherUser, otherUser, [&] { return Write(closed, "Own.aspx", "new"); }));
    EXPECT_EQ("new", ReadHostFile(closed / "Own.aspx"));
    EXPECT_EQ("These files could not be written:\n" + (closed / "Linked.aspx").string() +
                  " (Permission denied: its folder lets no file be made in it)",
              AsUser(otherUser, otherUser, [&] { return Write(closed, "Linked.aspx", "new"); }));
    EXPECT_EQ("old", ReadHostFile(closed / "Linked.aspx"));
    EXPECT_EQ((std::set<std::string>{"Linked.aspx", "Other.aspx", "Own.aspx"}), NameSetIn(closed));
}

// The temporaries that runs killed part way left are removed by the next run that writes in
// their folder, old names and names cut short alike; those of a live run of the program and
// those of a project file's save stay.
TEST(GeneratedFileReplacement, TemporariesOfKilledRunsAreRemoved)
{
    TempFolder site("WeavoLeft");
    const std::string dead = std::to_string(EndedProcess());
    const std::string live = std::to_string(::getpid());
    const std::string name = RUNTIME_CLASS(ForgeonProject)->m_lpszClassName;
    const std::string projectHeader =
        std::string("\xFF\xFF\0\0", 4) + static_cast<char>(name.size()) + '\0' + name;
    const std::set<std::string> kept = {"Page.aspx", "Page.aspx.weavo-" + live + "-7",
                                        "Shop.wvt.weavo-" + dead + "-1", "Notes.weavo-x-1"};
    // The parent process runs another program.
    for (const std::string& entry : std::vector<std::string>{
             "Page.aspx.weavo-" + dead + "-3", std::string(240, 'T') + ".weavo-" + dead + "-12",
             "Grid.cs.weavo-" + std::to_string(::getppid()) + "-2",
             "Page.aspx.weavo-" + live + "-7", "Notes.weavo-x-1"})
        WriteHostFile(site.Path() / entry, "part");
    WriteHostFile(site.Path() / ("Shop.wvt.weavo-" + dead + "-1"), projectHeader);

    EXPECT_EQ("", Write(site.Path(), "Page.aspx", "new"));

    EXPECT_EQ(kept, NameSetIn(site.Path()));
}
} // namespace
