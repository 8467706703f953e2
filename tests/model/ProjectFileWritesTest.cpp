// How a save reaches the disk: through the one descriptor that made its temporary file, synced
// where the file system can sync, refused with its cause where writing fails.
#include "model/ProjectStore.h"
#include "platform/core/FileSync.h"
#include "platform/core/ScriptedMessageBoxes.h"
#include "tests/model/EveryClassProject.h"
#include "tests/support/HostFiles.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <sys/inotify.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <iterator>
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

// One event of a watched folder: its kind and the name it concerns.
struct FolderEvent
{
    std::uint32_t mask;
    std::string name;
};

std::vector<FolderEvent> ReadEvents(int watch)
{
    std::vector<FolderEvent> events;
    alignas(inotify_event) char buffer[1 << 16];
    for (;;)
    {
        const ssize_t length = ::read(watch, buffer, sizeof buffer);
        if (length <= 0)
            return events;
        for (ssize_t at = 0; at < length;)
        {
            const auto* event = reinterpret_cast<const inotify_event*>(buffer + at);
            events.push_back({event->mask, event->len > 0 ? event->name : ""});
            at += static_cast<ssize_t>(sizeof(inotify_event) + event->len);
        }
    }
}

// The save writes only through the descriptor that made its temporary file exclusively: the
// temporary is created and opened for writing once, all its writes come before that
// descriptor's close, any other opening of it only reads (the read-back), and nothing writes to
// the project file's name but the rename.
TEST(ProjectFileWritesTest, ASaveWritesOnlyThroughTheDescriptorThatMadeItsTemporary)
{
    TempFolder folder;
    EveryClassProject built;
    ScriptedMessageBoxes boxes;
    ProjectStore store;
    const CString path = folder.ModelPath("shop.wvt");
    ASSERT_TRUE(store.ArchiveProject(built.GetProject(), path, FALSE));

    const int watch = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    ASSERT_GE(watch, 0);
    ASSERT_GE(::inotify_add_watch(watch, folder.Path().c_str(),
                                  IN_CREATE | IN_OPEN | IN_MODIFY | IN_CLOSE_WRITE |
                                      IN_CLOSE_NOWRITE | IN_MOVED_FROM | IN_MOVED_TO),
              0);
    ASSERT_TRUE(store.ArchiveProject(built.GetProject(), path, FALSE));
    const std::vector<FolderEvent> events = ReadEvents(watch);
    ::close(watch);

    std::string temporary;
    for (const FolderEvent& event : events)
    {
        if (event.mask & IN_CREATE)
            temporary = event.name;
    }
    ASSERT_EQ(temporary.rfind("shop.wvt.weavo-", 0), 0u) << temporary;
    int created = 0, opened = 0, readClosed = 0, writeClosed = 0, modified = 0, renamed = 0;
    for (const FolderEvent& event : events)
    {
        // The folder itself, read and synced.
        if (event.name.empty())
            continue;
        if (event.name == "shop.wvt")
        {
            EXPECT_EQ(event.mask & (IN_MODIFY | IN_CLOSE_WRITE), 0u) << "written by name";
            renamed += (event.mask & IN_MOVED_TO) != 0;
            continue;
        }
        ASSERT_EQ(event.name, temporary);
        created += (event.mask & IN_CREATE) != 0;
        opened += (event.mask & IN_OPEN) != 0;
        readClosed += (event.mask & IN_CLOSE_NOWRITE) != 0;
        if (event.mask & IN_MODIFY)
        {
            EXPECT_EQ(writeClosed, 0) << "written after the descriptor closed";
            ++modified;
        }
        writeClosed += (event.mask & IN_CLOSE_WRITE) != 0;
        renamed += (event.mask & IN_MOVED_FROM) != 0;
    }
    EXPECT_EQ(created, 1);
    EXPECT_EQ(writeClosed, 1);
    EXPECT_EQ(opened, 1 + readClosed) << "every other opening only reads";
    EXPECT_GT(modified, 0);
    EXPECT_EQ(renamed, 2);
}
} // namespace
