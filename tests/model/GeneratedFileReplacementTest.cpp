#include "model/ForgeonProject.h"
#include "model/GenerationReport.h"
#include "model/TextFile.h"
#include "platform/core/FileReplacementAt.h"
#include "platform/core/HostPath.h"
#include "platform/core/SaveLock.h"
#include "platform/core/TemporaryName.h"
#include "platform/core/UserNames.h"

#include "tests/support/EndedProcess.h"
#include "tests/support/FileSizeLimit.h"
#include "tests/support/HostFiles.h"
#include "tests/support/OtherUser.h"
#include "tests/support/SmallTmpfs.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>
#include <set>
#include <string>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
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

// What the run says of writing the file, "|", and the file's text after.
std::string WriteThenRead(const fs::path& folder, const std::string& name, const std::string& text)
{
    const std::string said = Write(folder, name, text);
    return said + "|" + ReadHostFile(folder / name);
}

// Runs the work where the folder's files must be written in place: the folder lets its user make
// no file in it. The superuser may make files anywhere, so there another user, who owns the
// folder and its files, runs it.
std::string InClosedFolder(const fs::path& folder, const std::function<std::string()>& work)
{
    const bool root = ::geteuid() == 0;
    if (root)
    {
        for (const auto& entry : fs::recursive_directory_iterator(folder))
            EXPECT_EQ(0, ::lchown(entry.path().c_str(), otherUser, otherUser));
    }
    EXPECT_EQ(0, ::chown(folder.c_str(), root ? otherUser : ::geteuid(), root ? otherUser : -1));
    ::chmod(folder.c_str(), 0555);
    const std::string said = root ? AsUser(otherUser, otherUser, work) : work();
    ::chmod(folder.c_str(), 0755);
    return said;
}

// Writes past this size of the file fail with the error once what fits is written, as on a disk
// that fills: blocks the file holds are written over.
off_t g_room = 0;
int g_writeError = 0;
int g_reserveError = 0;

ssize_t WriteWithinRoom(int fd, const void* bytes, std::size_t count, off_t offset)
{
    if (offset >= g_room)
    {
        errno = g_writeError;
        return -1;
    }
    return ::pwrite(fd, bytes, std::min(count, static_cast<std::size_t>(g_room - offset)), offset);
}

int RefusedReserve(int, int, off_t, off_t)
{
    errno = g_reserveError;
    return -1;
}

// The calls of a write in place, replaced for one scope.
class ScopedInPlaceCalls
{
public:
    ScopedInPlaceCalls(ReserveCall reserve, WriteAtCall write)
        : m_reserve(SetReserveCall(reserve)), m_write(SetWriteAtCall(write))
    {
    }
    ~ScopedInPlaceCalls()
    {
        SetReserveCall(m_reserve);
        SetWriteAtCall(m_write);
    }
    ScopedInPlaceCalls(const ScopedInPlaceCalls&) = delete;
    ScopedInPlaceCalls& operator=(const ScopedInPlaceCalls&) = delete;

private:
    ReserveCall m_reserve;
    WriteAtCall m_write;
};

// A file that must be written in place keeps its old text whole when the room for the new one
// runs out: a full disk, a quota or a file size limit, where the file system reserves the room
// first and where it cannot (then the old bytes are put back). A shorter text leaves no old byte
// after it.
TEST(GeneratedFileReplacement, AFileWrittenInPlaceKeepsItsOldTextWhenTheRoomRunsOut)
{
    const std::string before(1000, 'a');
    const std::string longer(8192, 'b');
    const struct
    {
        const char* fault;
        std::string text;
        std::optional<rlim_t> sizeLimit;
        int reserveError;
        off_t room;
        int writeError;
        std::string said;
    } cases[] = {
        {"a file size limit", longer, 4096, 0, 0, 0, "File too large"},
        {"a quota, reserved first", longer, {}, EDQUOT, 0, 0, "Disk quota exceeded"},
        {"a quota where nothing is reserved",
         longer,
         {},
         EOPNOTSUPP,
         1000,
         EDQUOT,
         "Disk quota exceeded"},
        {"a full disk where nothing is reserved",
         longer,
         {},
         EOPNOTSUPP,
         4096,
         ENOSPC,
         "No space left on device"},
        {"no fault, a shorter text", "new", {}, 0, 0, 0, ""},
    };
    for (const auto& each : cases)
    {
        SCOPED_TRACE(each.fault);
        const PassableFolder folders;
        const fs::path closed = folders.Path() / "closed";
        fs::create_directory(closed);
        WriteHostFile(closed / "Own.aspx", before);
        g_reserveError = each.reserveError;
        g_room = each.room;
        g_writeError = each.writeError;
        std::optional<ScopedInPlaceCalls> faults;
        if (each.reserveError != 0)
            faults.emplace(&RefusedReserve, each.writeError != 0 ? &WriteWithinRoom : &::pwrite);
        std::optional<ScopedFileSizeLimit> limit;
        if (each.sizeLimit)
            limit.emplace(*each.sizeLimit);
        const std::string said =
            InClosedFolder(closed, [&] { return WriteThenRead(closed, "Own.aspx", each.text); });
        limit.reset();
        faults.reset();
        const std::string kept = each.said.empty() ? each.text : before;
        const std::string named = each.said.empty()
                                      ? ""
                                      : "These files could not be written:\n" +
                                            (closed / "Own.aspx").string() + " (" + each.said + ")";
        EXPECT_EQ(named + "|" + kept, said);
        EXPECT_EQ(std::vector<std::string>{"Own.aspx"}, NamesIn(closed));
    }
}

// A full tmpfs refuses the room of a file written in place before any old byte is overwritten.
TEST(GeneratedFileReplacement, AFullFileSystemLeavesAFileWrittenInPlaceWhole)
{
    const PassableFolder folders;
    const std::string before(1000, 'a');
    const std::optional<std::string> said = OnSmallTmpfs(
        folders.Path(), 64 * 1024,
        [&]
        {
            const fs::path closed = folders.Path() / "closed";
            fs::create_directory(closed);
            WriteHostFile(closed / "Own.aspx", before);
            // The rest of the file system is taken.
            std::ofstream filler(folders.Path() / "filler", std::ios::binary);
            const std::string block(4096, 'f');
            while (filler.write(block.data(), block.size()))
                ;
            return InClosedFolder(
                closed, [&] { return WriteThenRead(closed, "Own.aspx", std::string(8192, 'b')); });
        });
    if (!said)
        GTEST_SKIP() << "mounting a small tmpfs needs the superuser and a mount namespace";
    EXPECT_EQ("These files could not be written:\n" +
                  (folders.Path() / "closed/Own.aspx").string() + " (No space left on device)|" +
                  before,
              *said);
}

// The next run that writes a file removes the temporaries of that file that writes killed part
// way left, old names and names cut short alike, judged by their locks: a live writer's stays,
// whatever process its name gives and whatever program file it runs; so do names of that form
// that no file the run writes there makes (a user's own file), and a project file's.
TEST(GeneratedFileReplacement, TheSweepTakesOnlyTemporariesOfFilesTheRunWritesThatNoWriterHolds)
{
    TempFolder site("WeavoLeft");
    const std::string dead = std::to_string(EndedProcess());
    const std::string longName = std::string(250, 'T') + ".cs";
    const std::string name = RUNTIME_CLASS(ForgeonProject)->m_lpszClassName;
    const std::string projectHeader =
        std::string("\xFF\xFF\0\0", 4) + static_cast<char>(name.size()) + '\0' + name;
    // A writer alive in another process (ctest's number in its name): it holds its lock.
    const std::string held = "Page.aspx.weavo-" + std::to_string(::getppid()) + "-7";
    const struct
    {
        std::string entry;
        std::string text;
        bool stays;
    } entries[] = {
        {"Page.aspx.weavo-" + dead + "-3", "part", false},
        {TemporaryNameFor(longName, 12), "part", false},
        {held, "part", true},
        {"mine.weavo-2024-12", "the user's own", true},
        {"Grid.cs.weavo-" + dead + "-2", "part", true},
        {"Shop.wvt.weavo-" + dead + "-1", projectHeader, true},
        {"Notes.weavo-x-1", "part", true},
    };
    std::set<std::string> kept = {"Page.aspx", longName, "Shop.wvt"};
    for (const auto& each : entries)
    {
        WriteHostFile(site.Path() / each.entry, each.text);
        if (each.stays)
            kept.insert(each.entry);
    }
    int ready[2];
    ASSERT_EQ(0, ::pipe(ready));
    const pid_t writer = ::fork();
    if (writer == 0)
    {
        const int fd = ::open((site.Path() / held).c_str(), O_RDWR);
        const bool locked = fd >= 0 && LockWholeFile(fd) == 0;
        if (::write(ready[1], locked ? "l" : "-", 1) != 1 || !locked)
            ::_exit(1);
        ::pause();
    }
    char locked = 0;
    ASSERT_EQ(1, ::read(ready[0], &locked, 1));
    EXPECT_EQ('l', locked);

    GenerationReport report;
    report.SetOutputRoot(site.ModelPath());
    for (const std::string& file : {std::string("Page.aspx"), longName, std::string("Shop.wvt")})
        SaveTextFile(site.ModelPath(file.c_str()), "new", report);
    ::kill(writer, SIGKILL);
    ::waitpid(writer, nullptr, 0);
    ::close(ready[0]);
    ::close(ready[1]);

    EXPECT_EQ("", std::string(report.GetFullText()));
    EXPECT_EQ(kept, NameSetIn(site.Path()));
}

// A support file's copy killed part way (a write past the file size limit ends the process)
// leaves nothing at its name, only a temporary; the next run, which keeps a copy that is there,
// copies it whole with the source's mode and takes the temporary away.
TEST(GeneratedFileReplacement, ASupportCopyKilledPartWayIsMadeWholeByTheNextRun)
{
    TempFolder site("WeavoCopied");
    const fs::path source = site.Path() / "calendar.source";
    const std::string bytes(256 * 1024, 'c');
    WriteHostFile(source, bytes);
    ASSERT_EQ(0, ::chmod(source.c_str(), 0644));
    fs::create_directories(site.Path() / "includes");
    const CString copy = site.ModelPath("includes\\calendar.css");
    const auto run = [&]
    {
        GenerationReport report;
        report.SetOutputRoot(site.ModelPath());
        report.CopyFile(source.c_str(), copy, /*overwrite=*/false);
        return std::string(report.GetFullText());
    };
    const pid_t killed = ::fork();
    if (killed == 0)
    {
        const rlimit noCore{0, 0};
        const rlimit small{4096, 4096};
        ::setrlimit(RLIMIT_CORE, &noCore);
        ::signal(SIGXFSZ, SIG_DFL);
        ::setrlimit(RLIMIT_FSIZE, &small);
        run();
        ::_exit(0);
    }
    int status = 0;
    ASSERT_EQ(killed, ::waitpid(killed, &status, 0));
    ASSERT_TRUE(WIFSIGNALED(status)) << status;
    EXPECT_EQ(SIGXFSZ, WTERMSIG(status));
    const std::vector<std::string> left = NamesIn(site.Path() / "includes");
    ASSERT_EQ(1u, left.size());
    EXPECT_EQ(0u, left.front().rfind("calendar.css.weavo-", 0)) << left.front();

    EXPECT_EQ("", run());
    EXPECT_EQ(bytes, ReadHostFile(site.Path() / "includes" / "calendar.css"));
    struct stat info;
    ASSERT_EQ(0, ::stat((site.Path() / "includes" / "calendar.css").c_str(), &info));
    EXPECT_EQ(0644u, info.st_mode & 07777);
    EXPECT_EQ(std::vector<std::string>{"calendar.css"}, NamesIn(site.Path() / "includes"));
}

// In a tree that users of one group share, another user's temporary that no live writer holds is
// named in the run's closing message and left for that user; one that a live writer of that
// user holds is neither.
TEST(GeneratedFileReplacement, AnotherUsersLeftTemporaryInASharedTreeIsNamed)
{
    if (!CanActAsOtherUsers())
        GTEST_SKIP() << "acting as other users needs the superuser";
    const PassableFolder folders;
    const fs::path shared = folders.Path() / "shared";
    fs::create_directory(shared);
    ASSERT_EQ(0, ::chown(shared.c_str(), 0, kSharedGroup));
    ::chmod(shared.c_str(), 02775 | S_IWOTH);
    const std::string dead = std::to_string(EndedProcess());
    const std::string left = "Page.aspx.weavo-" + dead + "-4";
    const std::string live = "Grid.cs.weavo-" + dead + "-5";
    for (const std::string& entry : {left, live})
    {
        WriteHostFile(shared / entry, "part");
        ::chmod((shared / entry).c_str(), 0600);
        ASSERT_EQ(0, ::chown((shared / entry).c_str(), kFirstUser, kSharedGroup));
    }
    const timespec old[2] = {{std::time(nullptr) - 3600, 0}, {std::time(nullptr) - 3600, 0}};
    for (const std::string& entry : {left, live})
        ASSERT_EQ(0, ::utimensat(AT_FDCWD, (shared / entry).c_str(), old, 0));
    OtherUserProcess holder(
        kFirstUser, kSharedGroup,
        [&]
        {
            const int fd = ::open((shared / live).c_str(), O_RDWR);
            return fd >= 0 && LockWholeFile(fd) == 0 ? "held" : "not held";
        },
        /*keepRunning=*/true);
    ASSERT_EQ("held", holder.Text());

    const std::string said =
        AsUser(kSecondUser, kSharedGroup,
               [&]
               {
                   const std::string root = ToModelPath(shared.string().c_str());
                   GenerationReport report;
                   report.SetOutputRoot(root.c_str());
                   for (const char* file : {"Page.aspx", "Grid.cs"})
                       SaveTextFile((root + "\\" + file).c_str(), "new", report);
                   return std::string(report.ClosingText("Done."));
               });

    EXPECT_EQ("Done.\n\nThese files that writes killed part way left could not be removed:\n" +
                  (shared / left).string() + " (it belongs to another user, " +
                  UserName(kFirstUser) + ")",
              said);
    EXPECT_TRUE(fs::exists(shared / left));
    EXPECT_TRUE(fs::exists(shared / live));
}
} // namespace
