// How a save reaches the disk: through the one descriptor that made its temporary file, synced
// where the file system can sync, refused with its cause where writing fails.
#include "model/ForgeonProject.h"
#include "model/ProjectStore.h"
#include "platform/core/Descriptor.h"
#include "platform/core/FileStamp.h"
#include "platform/core/FileSync.h"
#include "platform/core/SaveLock.h"
#include "platform/core/ScriptedMessageBoxes.h"
#include "platform/core/UserNames.h"
#include "tests/model/EveryClassProject.h"
#include "tests/support/HostFiles.h"
#include "tests/support/OtherUser.h"
#include "tests/support/ReadOnlyFolder.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/inotify.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace
{
// The failure the installed sync call gives.
int g_syncError = 0;

int FailingSync(int)
{
    errno = g_syncError;
    return -1;
}

// The sync call replaced for one scope.
class ScopedSyncCall
{
public:
    explicit ScopedSyncCall(SyncCall call) : m_previous(SetSyncCall(call)) {}
    ~ScopedSyncCall() { SetSyncCall(m_previous); }
    ScopedSyncCall(const ScopedSyncCall&) = delete;
    ScopedSyncCall& operator=(const ScopedSyncCall&) = delete;

private:
    SyncCall m_previous;
};

// A file system that cannot sync a file saves all the same; one whose disk fails keeps the old
// file and names the cause.
TEST(ProjectFileWritesTest, ASaveWhereSyncingIsNotSupportedIsKeptAndAFailedOneNamesItsCause)
{
    const struct
    {
        int error;
        bool saved;
    } cases[] = {{EINVAL, true}, {ENOTSUP, true}, {EIO, false}};
    EveryClassProject built;
    for (const auto& each : cases)
    {
        SCOPED_TRACE(each.error);
        TempFolder folder;
        const CString path = folder.ModelPath("shop.wvt");
        std::ofstream(folder.Path() / "shop.wvt") << "old";
        ScriptedMessageBoxes boxes;
        ProjectStore store;
        g_syncError = each.error;
        BOOL saved = FALSE;
        {
            const ScopedSyncCall failing(&FailingSync);
            saved = store.ArchiveProject(built.GetProject(), path, FALSE);
        }
        EXPECT_EQ(saved != FALSE, each.saved);
        EXPECT_EQ(ReadHostFile(folder.Path() / "shop.wvt") == "old", !each.saved);
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Path()), {}), 1);
        if (each.saved)
        {
            EXPECT_TRUE(boxes.Shown().empty());
            continue;
        }
        ASSERT_EQ(boxes.Shown().size(), 1u);
        const std::string& text = boxes.Shown()[0].text;
        EXPECT_EQ(text.rfind("Error in archiving\n" + path.str() + ": ", 0), 0u) << text;
        EXPECT_NE(text.find(std::strerror(EIO)), std::string::npos) << text;
    }
}

// The events a watch saw for one file: how often each kind came, whether the file was modified
// after a descriptor open for writing had closed, and whether one closed before a file was moved
// to the name.
struct FileEvents
{
    std::map<std::uint32_t, int> count;
    bool modifiedAfterClose = false;
    bool closedBeforeMovedTo = false;
};

// The errno of an inotify call says a limit of the host is reached: instances or watches a
// user may have, or the kernel's memory for them.
bool IsInotifyLimit(int error)
{
    return error == EMFILE || error == ENFILE || error == ENOSPC || error == ENOMEM;
}

// The events of the watched folder by the name of the file they concern; overflowed tells that
// the host dropped some.
std::map<std::string, FileEvents> ReadEvents(int watch, bool& overflowed)
{
    std::map<std::string, FileEvents> files;
    alignas(inotify_event) char buffer[1 << 16];
    for (ssize_t length = 0; (length = ::read(watch, buffer, sizeof buffer)) > 0;)
    {
        for (ssize_t at = 0; at < length;)
        {
            const auto* event = reinterpret_cast<const inotify_event*>(buffer + at);
            at += static_cast<ssize_t>(sizeof(inotify_event) + event->len);
            overflowed |= (event->mask & IN_Q_OVERFLOW) != 0;
            // The folder itself, read and synced.
            if (event->len == 0)
                continue;
            FileEvents& file = files[event->name];
            file.modifiedAfterClose |= (event->mask & IN_MODIFY) && file.count[IN_CLOSE_WRITE] > 0;
            file.closedBeforeMovedTo |=
                (event->mask & IN_MOVED_TO) && file.count[IN_CLOSE_WRITE] > 0;
            for (std::uint32_t kind : {IN_CREATE, IN_OPEN, IN_MODIFY, IN_CLOSE_WRITE,
                                       IN_CLOSE_NOWRITE, IN_MOVED_FROM, IN_MOVED_TO})
                file.count[kind] += (event->mask & kind) != 0;
        }
    }
    return files;
}

// The save writes only through the descriptor that made its temporary file exclusively: the
// temporary is created and opened for writing once, all its writes come before that
// descriptor's close, any other opening of it only reads (the read-back), nothing writes to the
// project file's name but the rename, and that descriptor, holding the temporary's lock, closes
// only once the temporary stands at the name, so that no search for left files takes it between.
TEST(ProjectFileWritesTest, ASaveWritesOnlyThroughTheDescriptorThatMadeItsTemporary)
{
    TempFolder folder;
    EveryClassProject built;
    ScriptedMessageBoxes boxes;
    ProjectStore store;
    const CString path = folder.ModelPath("shop.wvt");
    ASSERT_TRUE(store.ArchiveProject(built.GetProject(), path, FALSE));

    const int watch = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    if (watch < 0 && IsInotifyLimit(errno))
        GTEST_SKIP() << "the host gives no more inotify instances (" << std::strerror(errno)
                     << "): other processes hold as many as fs.inotify.max_user_instances lets "
                        "a user have";
    ASSERT_GE(watch, 0) << std::strerror(errno);
    const int watched = ::inotify_add_watch(watch, folder.Path().c_str(),
                                            IN_CREATE | IN_OPEN | IN_MODIFY | IN_CLOSE_WRITE |
                                                IN_CLOSE_NOWRITE | IN_MOVED_FROM | IN_MOVED_TO);
    const int watchError = errno;
    if (watched < 0)
        ::close(watch);
    if (watched < 0 && IsInotifyLimit(watchError))
        GTEST_SKIP() << "the host refuses another inotify watch (" << std::strerror(watchError)
                     << "): other processes hold as many as fs.inotify.max_user_watches lets a "
                        "user have";
    ASSERT_GE(watched, 0) << std::strerror(watchError);
    ASSERT_TRUE(store.ArchiveProject(built.GetProject(), path, FALSE));
    bool overflowed = false;
    std::map<std::string, FileEvents> files = ReadEvents(watch, overflowed);
    ::close(watch);
    if (overflowed)
        GTEST_SKIP() << "the host dropped events of the watch (its queue, "
                        "fs.inotify.max_queued_events, overflowed)";

    // The save lock's file beside it is made for the save and never written.
    EXPECT_EQ(files["shop.wvt.weavo-lock"].count[IN_CREATE], 1);
    EXPECT_EQ(files["shop.wvt.weavo-lock"].count[IN_MODIFY], 0);
    files.erase("shop.wvt.weavo-lock");
    ASSERT_EQ(files.size(), 2u);
    // "shop.wvt.weavo-<pid>-<n>" sorts after "shop.wvt".
    ASSERT_EQ(files.rbegin()->first.rfind("shop.wvt.weavo-", 0), 0u);
    FileEvents& temporary = files.rbegin()->second;
    FileEvents& project = files["shop.wvt"];
    EXPECT_EQ(project.count[IN_OPEN] + project.count[IN_MODIFY], 0) << "written by name";
    EXPECT_EQ(project.count[IN_MOVED_TO], 1);
    // The temporary's own descriptor, closed after the rename: nothing opened the name.
    EXPECT_EQ(project.count[IN_CLOSE_WRITE], 1);
    EXPECT_FALSE(project.closedBeforeMovedTo);
    EXPECT_FALSE(project.modifiedAfterClose);
    EXPECT_EQ(temporary.count[IN_CREATE], 1);
    EXPECT_EQ(temporary.count[IN_CLOSE_WRITE], 0) << "closed before its rename";
    EXPECT_EQ(temporary.count[IN_OPEN], 1 + temporary.count[IN_CLOSE_NOWRITE])
        << "every other opening only reads";
    EXPECT_GT(temporary.count[IN_MODIFY], 0);
    EXPECT_FALSE(temporary.modifiedAfterClose);
    EXPECT_EQ(temporary.count[IN_MOVED_FROM], 1);
}
// A folder that lets no file be made (read-only, or on a read-only file system) stops a save of a
// project into it (Save As, a first save) with a box that names the folder and its reason,
// without asking to save unlocked; nothing is left there.
TEST(ProjectFileWritesTest, AFolderThatLetsNoFileBeMadeIsNamedAndNothingIsLeft)
{
    TempFolder folder;
    const CString path = folder.ModelPath("shop.wvt");
    const auto saves = [&path]
    {
        ScriptedMessageBoxes boxes;
        ProjectStore store;
        store.GetProject()->InitNewProject();
        std::optional<FileStamp> known;
        store.ArchiveProject(store.GetProject(), path, FALSE);
        store.SaveOver(store.GetProject(), path, known, [](const FileStamp&) { return true; });
        std::string texts;
        for (const std::string& text : boxes.ShownTexts())
            texts += text + "\n--\n";
        return texts;
    };
    int error = EROFS;
    std::optional<std::string> texts = OnReadOnlyFolder(folder.Path(), saves);
    if (!texts && ::geteuid() != 0)
    {
        error = EACCES;
        std::filesystem::permissions(folder.Path(), std::filesystem::perms::owner_write,
                                     std::filesystem::perm_options::remove);
        texts = saves();
        std::filesystem::permissions(folder.Path(), std::filesystem::perms::owner_write,
                                     std::filesystem::perm_options::add);
    }
    if (!texts)
        GTEST_SKIP() << "no read-only folder for the superuser here";
    const std::string named = (folder.Path() / "shop.wvt").string() +
                              "\nwas not saved: its folder " + folder.Path().string() +
                              " does not let files be made in it (" + std::strerror(error) +
                              "), so nothing was written there.\nSave the project in another "
                              "folder, or make the folder writable.\n--\n";
    EXPECT_EQ(*texts, named + named);
    EXPECT_TRUE(std::filesystem::is_empty(folder.Path()));
}

// A lock file that a user who may not write the project made and holds, in a folder that everyone
// may write, stops no save of its owner, also where the folder gives it the project's group:
// where the folder lets the owner remove it, the save goes unasked; in a sticky folder the lock
// cannot be had, and the owner is asked, the file named.
TEST(ProjectFileWritesTest, AStrangersLockFileDoesNotStopTheOwnersSave)
{
    if (!CanActAsOtherUsers())
        GTEST_SKIP() << "acting as other users needs the superuser";
    const PassableFolder folders;
    const struct
    {
        const char* folder;
        mode_t mode;
        uid_t owner;
        bool asked;
    } cases[] = {
        {"sticky", 01777, 0, true},
        {"owners", 0777, kFirstUser, false},
        {"sticky, giving its group", 03777, 0, true},
        {"owners, giving its group", 02777, kFirstUser, false},
    };
    for (const auto& each : cases)
    {
        SCOPED_TRACE(each.folder);
        const std::filesystem::path folder = folders.Path() / each.folder;
        std::filesystem::create_directory(folder);
        ASSERT_EQ(0, ::chown(folder.c_str(), each.owner, kSharedGroup));
        ASSERT_EQ(0, ::chmod(folder.c_str(), each.mode));
        const std::string path = (folder / "shop.wvt").string();
        const std::string lockPath = path + ".weavo-lock";
        {
            ProjectStore made;
            made.GetProject()->InitNewProject();
            ASSERT_TRUE(made.ArchiveProject(made.GetProject(), path.c_str(), FALSE));
        }
        // Shared with its group, as the folders that give their group are made for.
        ASSERT_EQ(0, ::chown(path.c_str(), kFirstUser, kSharedGroup));
        ASSERT_EQ(0, ::chmod(path.c_str(), 0664));
        OtherUserProcess stranger(
            kStranger, kStrangerGroup,
            [&]
            {
                const int fd = ::open(lockPath.c_str(), O_RDWR | O_CREAT | O_EXCL, 0666);
                return std::string(fd >= 0 && ::fchmod(fd, 0666) == 0 && LockWholeFile(fd) == 0
                                       ? "holding"
                                       : "failed");
            },
            /*keepRunning=*/true);
        ASSERT_EQ("holding", stranger.Text());
        const auto save = [&path]
        {
            ScriptedMessageBoxes boxes;
            boxes.Answer(IDYES);
            ProjectStore::SetSaveLockWait(std::chrono::milliseconds(200));
            ProjectStore store;
            if (!store.ArchiveProject(nullptr, path.c_str(), TRUE))
                return std::string("not opened");
            std::optional<FileStamp> known = store.GetFileStamp();
            store.GetProject()->AddNewModule();
            const BOOL saved = store.SaveOver(store.GetProject(), path.c_str(), known,
                                              [](const FileStamp&) { return false; });
            std::string said = saved ? "saved" : "not saved";
            for (const std::string& text : boxes.ShownTexts())
                said += "\n--\n" + text;
            return said;
        };
        const std::string question =
            "\n--\n" + path + "\ncould not be locked for saving: " + lockPath + " belongs to " +
            UserName(kStranger) +
            ", who may not write the file it locks.\nAnother instance of the program saving this "
            "project at the same time would not be noticed. The file has not changed since this "
            "save began.\nSave the project?";
        EXPECT_EQ(AsUser(kFirstUser, kSharedGroup, save),
                  "saved" + (each.asked ? question : std::string()));
        EXPECT_EQ(std::filesystem::exists(lockPath), each.asked);
    }
}

// Save As at a name where another user planted a symbolic link, in a folder that everyone may
// write, never writes where the link leads: their file keeps its bytes and nothing is made where a
// dangling one points. A sticky folder keeps the link, and the user is told so; elsewhere the user
// is asked, naming where it leads, and Yes puts the user's own file there, which opens.
TEST(ProjectFileWritesTest, SaveAsNeverGoesThroughAnotherUsersLink)
{
    if (!CanActAsOtherUsers())
        GTEST_SKIP() << "acting as other users needs the superuser";
    namespace fs = std::filesystem;
    const PassableFolder folders;
    // Their folder and file are open to all, so that a save through the link would succeed.
    const fs::path theirs = folders.Path() / "theirs";
    fs::create_directory(theirs);
    std::ofstream(theirs / "Shop.wvt") << "theirs";
    for (const fs::path& path : {theirs, theirs / "Shop.wvt"})
        ASSERT_EQ(0,
                  ::chown(path.c_str(), kStranger, kStrangerGroup) + ::chmod(path.c_str(), 0777));
    const std::string at = (folders.Path() / "shared" / "New.wvt").string();
    const std::string link = at + "\nis a symbolic link that " + UserName(kStranger) + " made, to ";
    const std::string where =
        ": saving through it would put this project where " + UserName(kStranger) + " decides.";
    const std::string question = where +
                                 "\nReplace the link with this project's own file? The file it "
                                 "leads to is left as it is.\nChoose No to save nothing there; "
                                 "Save As saves this project under another name.";
    const struct
    {
        mode_t folder;
        fs::path leadsTo;
        int answer;
        std::string said;
    } cases[] = {
        {01777, theirs / "Shop.wvt", IDYES,
         "not saved|" + link + (theirs / "Shop.wvt").string() +
             ", in a folder that lets only the owner of the link replace it, so the project was "
             "not saved there" +
             where + "\nSave it under another name."},
        {0777, theirs / "New.wvt", IDNO,
         "not saved|" + link + (theirs / "New.wvt").string() + question},
        {0777, theirs / "Shop.wvt", IDYES,
         "saved, opens|" + link + (theirs / "Shop.wvt").string() + question},
    };
    for (const auto& each : cases)
    {
        SCOPED_TRACE(each.said);
        fs::create_directory(fs::path(at).parent_path());
        ASSERT_EQ(0, ::chmod(fs::path(at).parent_path().c_str(), each.folder));
        fs::create_symlink(each.leadsTo, at);
        ASSERT_EQ(0, ::lchown(at.c_str(), kStranger, kStrangerGroup));
        const auto saveAs = [&]
        {
            ScriptedMessageBoxes boxes{each.answer};
            ProjectStore store;
            store.GetProject()->InitNewProject();
            const bool saved = store.ArchiveProject(store.GetProject(), at.c_str(), FALSE);
            std::string said = !saved ? "not saved"
                               : ProjectStore().ArchiveProject(nullptr, at.c_str(), TRUE)
                                   ? "saved, opens"
                                   : "saved";
            for (const std::string& text : boxes.ShownTexts())
                said += "|" + text;
            return said;
        };
        EXPECT_EQ(AsUser(kFirstUser, kSharedGroup, saveAs), each.said);
        EXPECT_EQ(ReadHostFile(theirs / "Shop.wvt"), "theirs");
        EXPECT_EQ(1, std::distance(fs::directory_iterator(theirs), {}));
        struct stat info;
        ASSERT_EQ(0, ::lstat(at.c_str(), &info));
        EXPECT_EQ(each.said.starts_with("saved") ? kFirstUser : kStranger, info.st_uid);
        EXPECT_EQ(each.said.starts_with("saved") ? 0666 & ~CurrentUmask() : 0777,
                  info.st_mode & 07777);
        fs::remove_all(fs::path(at).parent_path());
    }
}

// A save over another user's project file that everyone may write keeps its owner where the
// host allows (the superuser saves); a user who may not give files away is told that the file
// is now theirs, and its group where the user is not of it, as a lost attribute is told.
TEST(ProjectFileWritesTest, ASaveOverAnotherUsersFileKeepsItsOwnerOrSaysItDidNot)
{
    if (!CanActAsOtherUsers())
        GTEST_SKIP() << "making another user's file needs the superuser";
    const PassableFolder folders;
    const std::filesystem::path shared = folders.Path() / "shared";
    std::filesystem::create_directory(shared);
    ::chmod(shared.c_str(), 0777);
    const std::string path = (shared / "shop.wvt").string();
    const std::string saved = "The project was saved to " + path +
                              ", but the new file could not keep these of the file it replaced:";
    const std::string owner =
        "\nowner " + UserName(kFirstUser) + " (" + std::strerror(EPERM) + "; the new file is ";
    const struct
    {
        const char* saver;
        uid_t uid;
        gid_t gid;
        std::string said;
    } cases[] = {
        {"the superuser", 0, 0, ""},
        {"a user of its group", kSecondUser, kSharedGroup,
         saved + owner + UserName(kSecondUser) + "'s)\n--\n"},
        {"a stranger", kStranger, kStrangerGroup,
         saved + owner + UserName(kStranger) + "'s)\ngroup " + GroupName(kSharedGroup) + " (" +
             std::strerror(EPERM) + "; the new file's is " + GroupName(kStrangerGroup) + ")\n--\n"},
    };
    for (const auto& each : cases)
    {
        SCOPED_TRACE(each.saver);
        {
            ProjectStore made;
            made.GetProject()->InitNewProject();
            ASSERT_TRUE(made.ArchiveProject(made.GetProject(), path.c_str(), FALSE));
        }
        ASSERT_EQ(0, ::chown(path.c_str(), kFirstUser, kSharedGroup));
        ASSERT_EQ(0, ::chmod(path.c_str(), 0666));
        const auto save = [&path]
        {
            ScriptedMessageBoxes boxes;
            ProjectStore store;
            store.GetProject()->InitNewProject();
            store.ArchiveProject(store.GetProject(), path.c_str(), FALSE);
            std::string texts;
            for (const std::string& text : boxes.ShownTexts())
                texts += text + "\n--\n";
            return texts;
        };
        EXPECT_EQ(each.said, each.uid == 0 ? save() : AsUser(each.uid, each.gid, save));
        struct stat info;
        ASSERT_EQ(0, ::stat(path.c_str(), &info));
        EXPECT_EQ(each.uid == 0 ? kFirstUser : each.uid, info.st_uid);
        EXPECT_EQ(0666u, info.st_mode & 07777);
    }
}
} // namespace
