#include "model/ForgeonProject.h"
#include "model/ProjectStore.h"
#include "platform/core/FileStamp.h"
#include "platform/core/SaveLock.h"
#include "platform/core/ScriptedMessageBoxes.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <optional>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace
{
// How a second instance's save ended.
enum Outcome
{
    SavedUnasked = 0,
    Asked = 1,
    Failed = 2,
};

// An instance in a process of its own: it opens the file, adds a module, says it is ready and
// waits at the barrier (a byte to read), then saves over the file, declining to replace a
// changed one.
pid_t StartInstance(const std::string& path, int ready, int barrier)
{
    const pid_t child = ::fork();
    if (child != 0)
        return child;
    const ScriptedMessageBoxes boxes;
    // However long the other's save takes on a busy machine, it is waited for.
    ProjectStore::SetSaveLockWait(std::chrono::minutes(1));
    ProjectStore store;
    std::optional<FileStamp> known = FileStamp::Of(path.c_str());
    if (!store.ArchiveProject(nullptr, path.c_str(), TRUE))
        ::_exit(Failed);
    store.GetProject()->AddNewModule();
    char go = 0;
    if (::write(ready, "r", 1) != 1 || ::read(barrier, &go, 1) != 1)
        ::_exit(Failed);
    bool asked = false;
    const BOOL saved = store.SaveOver(store.GetProject(), path.c_str(), known,
                                      [&asked](const FileStamp&)
                                      {
                                          asked = true;
                                          return false;
                                      });
    ::_exit(asked ? Asked : saved ? SavedUnasked : Failed);
}

int ExitCode(pid_t child)
{
    int status = 0;
    if (::waitpid(child, &status, 0) != child || !WIFEXITED(status))
        return -1;
    return WEXITSTATUS(status);
}

// Two instances that opened one file save it at the same moment: one saves, the other is asked
// whether to replace the file the first saved, so that no module is lost without a word.
TEST(ProjectSaveRaceTest, OfTwoInstancesSavingAtOnceTheSecondIsAsked)
{
    TempFolder folder;
    const std::string path = (folder.Path() / "Shop.wvt").string();
    ProjectStore made;
    made.GetProject()->InitNewProject();
    ASSERT_TRUE(made.ArchiveProject(made.GetProject(), path.c_str(), FALSE));
    const int modules = made.GetProject()->GetModuleCount();

    for (int run = 0; run < 20; ++run)
    {
        SCOPED_TRACE("run " + std::to_string(run));
        ASSERT_TRUE(made.ArchiveProject(made.GetProject(), path.c_str(), FALSE));
        std::array<int, 2> ready{};
        std::array<int, 2> barrier{};
        ASSERT_EQ(::pipe(ready.data()), 0);
        ASSERT_EQ(::pipe(barrier.data()), 0);
        const pid_t first = StartInstance(path, ready[1], barrier[0]);
        const pid_t second = StartInstance(path, ready[1], barrier[0]);
        std::array<char, 2> both{};
        EXPECT_EQ(::read(ready[0], both.data(), 1) + ::read(ready[0], both.data() + 1, 1), 2);
        EXPECT_EQ(::write(barrier[1], "gg", 2), 2);
        for (const int end : {ready[0], ready[1], barrier[0], barrier[1]})
            ::close(end);
        const std::array<int, 2> outcomes{ExitCode(first), ExitCode(second)};
        EXPECT_EQ(std::ranges::count(outcomes, SavedUnasked), 1);
        EXPECT_EQ(std::ranges::count(outcomes, Asked), 1);

        ProjectStore saved;
        ASSERT_TRUE(saved.ArchiveProject(nullptr, path.c_str(), TRUE));
        EXPECT_EQ(saved.GetProject()->GetModuleCount(), modules + 1);
    }
}

// While another instance saves the file, the box says what Cancel does: the open project stays
// unsaved, a merge's result goes.
TEST(ProjectSaveRaceTest, TheBoxOfASaveThatWaitsSaysWhatCancelDoes)
{
    TempFolder folder;
    const std::string path = (folder.Path() / "Shop.wvt").string();
    const std::string merged = (folder.Path() / "Shop_merged.wvt").string();
    ProjectStore store;
    ASSERT_TRUE(store.ArchiveProject(store.GetProject(), path.c_str(), FALSE));
    ASSERT_TRUE(store.LoadFirstMergeProject(path.c_str()));
    const SaveLock other = SaveLock::Take(merged, std::chrono::milliseconds(0));
    ASSERT_TRUE(other.IsHeld());
    ProjectStore::SetSaveLockWait(std::chrono::milliseconds(0));
    const std::string waiting = merged + "\nis being saved by another instance of the program, "
                                         "which has not finished; it may be stopped or waiting."
                                         "\nRetry to wait for it again, or Cancel to ";
    struct Case
    {
        const char* name;
        ForgeonProject* project;
        std::string cancel;
    };
    const Case cases[] = {
        {"project", store.GetProject(), "leave the project unsaved for now."},
        {"merged", store.GetFirstMergeProject(),
         "drop the merged project without saving it; merging again makes it anew."},
    };
    for (const Case& each : cases)
    {
        SCOPED_TRACE(each.name);
        ScriptedMessageBoxes boxes{IDCANCEL};
        EXPECT_FALSE(store.ArchiveProject(each.project, merged.c_str(), FALSE));
        EXPECT_EQ(boxes.ShownTexts(), std::vector<std::string>{waiting + each.cancel});
    }
    ProjectStore::SetSaveLockWait(std::chrono::milliseconds(5000));
}
} // namespace
