#include "model/Module.h"
#include "platform/core/MessageBox.h"
#include "tests/shell/ShellTestSupport.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QTimer>
#include <QWidget>

#include <poll.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <chrono>
#include <filesystem>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace
{
namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;

// Another instance (the save_instance helper) in a process of its own, with its output and
// input piped. It is continued and killed when it goes, whatever the test did.
class Instance
{
public:
    Instance(const char* command, const std::string& path)
    {
        std::array<int, 2> output{};
        std::array<int, 2> input{};
        if (::pipe(output.data()) != 0 || ::pipe(input.data()) != 0)
            return;
        m_pid = ::fork();
        if (m_pid == 0)
        {
            ::dup2(output[1], STDOUT_FILENO);
            ::dup2(input[0], STDIN_FILENO);
            ::execl(WEAVO_SAVE_INSTANCE, WEAVO_SAVE_INSTANCE, command, path.c_str(), nullptr);
            ::_exit(127);
        }
        ::close(output[1]);
        ::close(input[0]);
        m_output = output[0];
        m_input = input[1];
    }
    ~Instance()
    {
        if (m_pid > 0 && !m_ended)
        {
            ::kill(m_pid, SIGKILL);
            ::kill(m_pid, SIGCONT);
            ::waitpid(m_pid, nullptr, 0);
        }
        ::close(m_output);
        ::close(m_input);
    }
    Instance(const Instance&) = delete;
    Instance& operator=(const Instance&) = delete;

    pid_t Pid() const { return m_pid; }
    // The next line it says, within a few seconds; empty when it says none.
    std::string ReadLine()
    {
        std::string line;
        char c = 0;
        pollfd ready{m_output, POLLIN, 0};
        while (::poll(&ready, 1, 5000) == 1 && ::read(m_output, &c, 1) == 1 && c != '\n')
            line += c;
        return line;
    }
    // Waits until it has stopped itself.
    bool WaitStopped()
    {
        int status = 0;
        return ::waitpid(m_pid, &status, WUNTRACED) == m_pid && WIFSTOPPED(status);
    }
    void Go() { EXPECT_EQ(::write(m_input, "g", 1), 1); }
    void Continue() { ::kill(m_pid, SIGCONT); }
    void Kill()
    {
        ::kill(m_pid, SIGKILL);
        ExitCode();
    }
    // Its exit code; -1 when it was killed.
    int ExitCode()
    {
        int status = 0;
        m_ended = true;
        if (::waitpid(m_pid, &status, 0) != m_pid || !WIFEXITED(status))
            return -1;
        return WEXITSTATUS(status);
    }

private:
    pid_t m_pid = -1;
    int m_output = -1;
    int m_input = -1;
    bool m_ended = false;
};

// A save waits this long for another instance before it asks, for the tests' time.
class ShortLockWait
{
public:
    ShortLockWait() { ProjectStore::SetSaveLockWait(milliseconds(200)); }
    ~ShortLockWait() { ProjectStore::SetSaveLockWait(milliseconds(5000)); }
    ShortLockWait(const ShortLockWait&) = delete;
    ShortLockWait& operator=(const ShortLockWait&) = delete;
};

int ModulesIn(const std::string& path)
{
    ProjectStore store;
    return store.ArchiveProject(nullptr, path.c_str(), TRUE) ? store.GetProject()->GetModuleCount()
                                                             : -1;
}

std::chrono::microseconds Since(Clock::time_point start)
{
    return std::chrono::duration_cast<std::chrono::microseconds>(Clock::now() - start);
}

constexpr const char* kBusy = "is being saved by another instance of the program";

// Another instance opens the project, adds a module and saves it while this one opens it, at
// offsets spread over its save: this instance's next Save never replaces that module unasked.
TEST(SaveInstancesTest, AFileSavedByAnotherInstanceWhileThisOneOpensItIsNeverReplacedUnasked)
{
    RunningProgram program;
    const std::string path = program.PathOf("Shop.wvt");
    ProjectStore made;
    made.GetProject()->InitNewProject();
    for (int module = 0; module < 40; ++module)
        made.GetProject()->AddNewModule();
    const Clock::time_point saving = Clock::now();
    ASSERT_TRUE(made.ArchiveProject(made.GetProject(), path.c_str(), FALSE));
    const std::chrono::microseconds save = Since(saving);
    const int modules = made.GetProject()->GetModuleCount();

    constexpr int offsets = 8;
    for (int offset = 0; offset < offsets; ++offset)
    {
        SCOPED_TRACE("offset " + std::to_string(offset));
        ASSERT_TRUE(made.ArchiveProject(made.GetProject(), path.c_str(), FALSE));
        Instance other("save", path);
        ASSERT_EQ(other.ReadLine(), "ready");
        other.Go();
        std::this_thread::sleep_for(save * offset * 3 / (2 * offsets));
        ASSERT_TRUE(program.Doc().OpenProjectFile(path.c_str()));
        ASSERT_EQ(other.ExitCode(), 0);
        program.boxes.Answer(IDNO);
        program.Doc().Save();
        EXPECT_EQ(ModulesIn(path), modules + 1) << "the other instance's module is kept";
    }
}

// An instance stopped while it holds the save lock of a project: every way of saving that
// project asks, within a bounded time, whether to wait for it again, and does not save when
// cancelled; a project beside it saves at once; retried once the instance is gone, it saves.
TEST(SaveInstancesTest, AStoppedInstanceNeverFreezesASaveOfItsProjectAndNoneOfAnother)
{
    const ShortLockWait wait;
    RunningProgram program;
    const std::string path = program.PathOf("Shop.wvt");
    program.files.Answer(path.c_str());
    ASSERT_TRUE(program.Doc().Save());
    Instance stopped("hold", path);
    ASSERT_EQ(stopped.ReadLine(), "held");
    ASSERT_TRUE(stopped.WaitStopped());
    const std::string before = ReadHostFile(path);
    struct stat lockFile;
    ASSERT_EQ(::stat((path + ".weavo-lock").c_str(), &lockFile), 0);
    struct stat project;
    ASSERT_EQ(::stat(path.c_str(), &project), 0);
    const mode_t writers = project.st_mode & 0222;
    EXPECT_EQ(lockFile.st_mode & 07777, 0600u | writers | writers << 1)
        << "those who may write the project can lock it, and no one else";

    // A project beside it saves without waiting: a wait for the lock held would last a minute,
    // however busy the machine.
    const std::string other = program.PathOf("Other.wvt");
    ProjectStore beside;
    beside.GetProject()->InitNewProject();
    ProjectStore::SetSaveLockWait(std::chrono::minutes(1));
    const Clock::time_point start = Clock::now();
    ASSERT_TRUE(beside.ArchiveProject(beside.GetProject(), other.c_str(), FALSE));
    EXPECT_LT(Since(start), std::chrono::seconds(30));
    ProjectStore::SetSaveLockWait(milliseconds(200));

    // The windows paint while a save waits: what is pending runs before the box comes, but a
    // request to close the frame is dropped rather than run in the middle of the save.
    const std::size_t shownBefore = program.boxes.Shown().size();
    bool ranWhileWaiting = false;
    QTimer::singleShot(0, qApp,
                       [&] { ranWhileWaiting = program.boxes.Shown().size() == shownBefore; });
    QCoreApplication::postEvent(program.Frame().GetSafeHwnd(), new QCloseEvent);
    program.boxes.Answer(IDCANCEL);
    EXPECT_FALSE(program.Doc().Save());
    QCoreApplication::processEvents();
    EXPECT_TRUE(ranWhileWaiting);
    EXPECT_EQ(program.boxes.Shown().size(), shownBefore + 1);
    EXPECT_NE(MainFrame::Get(), nullptr);

    struct Way
    {
        const char* name;
        std::function<void()> save;
        std::vector<int> answers;
    };
    const std::vector<Way> ways{
        {"Save", [&] { EXPECT_FALSE(program.Doc().Save()); }, {IDCANCEL}},
        {"Save As",
         [&]
         {
             program.files.Answer(path.c_str());
             EXPECT_FALSE(program.Doc().SaveAs(program.Doc().GetProject(), false));
         },
         {IDCANCEL}},
        {"save changes? Yes",
         [&]
         {
             program.Project().AddNewModule();
             EXPECT_FALSE(program.Doc().SaveChangesOrCancel());
         },
         {IDYES, IDCANCEL}},
        {"Write All",
         [&]
         {
             program.Project().SetProjectName("Shop");
             program.Project().SetProjectPath(program.folder.Path().c_str());
             program.dialogs.Answer([](CDialog&, DialogDriver& user) { user.PressOk(); });
             program.Command(ID_WRITE_ALL);
         },
         {IDCANCEL}},
        {"Merge Project", [&] { program.Command(ID_MERGE_PROJECT); }, {IDOK, IDCANCEL}},
        {"retried", [&] { EXPECT_FALSE(program.Doc().Save()); }, {IDRETRY, IDCANCEL}},
    };
    for (const Way& way : ways)
    {
        SCOPED_TRACE(way.name);
        const std::size_t shown = program.boxes.Shown().size();
        for (const int answer : way.answers)
            program.boxes.Answer(answer);
        const Clock::time_point began = Clock::now();
        way.save();
        // Less than one wait of the default length: the short wait was taken.
        EXPECT_LT(Since(began), milliseconds(4000));
        ASSERT_EQ(program.boxes.Shown().size(), shown + way.answers.size());
        EXPECT_EQ(program.boxes.Shown().back().type, MB_RETRYCANCEL | MB_ICONWARNING);
        EXPECT_EQ(program.boxes.Shown().back().text, path + "\n" + kBusy +
                                                         ", which has not finished; it may be "
                                                         "stopped or waiting.\nRetry to wait for "
                                                         "it again, or Cancel to leave the "
                                                         "project unsaved for now.");
        EXPECT_EQ(ReadHostFile(path), before);
    }

    // The timed backup says so in the status bar and makes no copy.
    program.Doc().SaveBackupCopy("~busy");
    EXPECT_NE(program.Frame().GetStatusBar()->GetPaneText(0).Find("another instance of the "
                                                                  "program is saving"),
              -1);
    EXPECT_FALSE(fs::exists(program.PathOf("Shop_backup/Shop~busy.wvt")));

    // Retried once the instance is gone, the save is made and leaves no lock file.
    const MessageBoxHandler scripted = SetMessageBoxHandler(
        [&stopped](const std::string&, UINT, UINT)
        {
            stopped.Kill();
            return IDRETRY;
        });
    EXPECT_TRUE(program.Doc().Save());
    SetMessageBoxHandler(scripted);
    EXPECT_NE(ReadHostFile(path), before);
    EXPECT_FALSE(fs::exists(path + ".weavo-lock"));
}

// Where no lock can be had (its file cannot be made), a save asks right before the rename and
// names why; another instance saving unlocked at the same time is noticed at its rename.
TEST(SaveInstancesTest, ASaveThatCannotLockAsksBeforeItsRenameAndNoticesAnotherInstance)
{
    RunningProgram program;
    const std::string path = program.PathOf("Shop.wvt");
    program.files.Answer(path.c_str());
    ASSERT_TRUE(program.Doc().Save());
    const int modules = program.Project().GetModuleCount();
    fs::create_directory(path + ".weavo-lock");
    const std::string before = ReadHostFile(path);

    // Asked, and not saved on No; nothing is left beside the file.
    program.Project().AddNewModule();
    program.boxes.Answer(IDNO);
    EXPECT_FALSE(program.Doc().Save());
    ASSERT_EQ(program.boxes.Shown().size(), 1u);
    EXPECT_EQ(program.boxes.Shown()[0].text,
              path + "\ncould not be locked for saving: Is a directory.\nAnother instance of the "
                     "program saving this project at the same time would not be noticed. The "
                     "file has not changed since this save began.\nSave the project?");
    EXPECT_EQ(program.boxes.Shown()[0].type, MB_YESNO | MB_ICONWARNING);
    EXPECT_EQ(ReadHostFile(path), before);
    EXPECT_EQ(std::distance(fs::directory_iterator(program.folder.Path()), {}), 4)
        << "Shop.wvt, its lock's folder, the profile and the data folders";

    // Another instance stops at that question with its file written; this one saves meanwhile.
    Instance other("save-over", path);
    ASSERT_EQ(other.ReadLine(), "asking");
    ASSERT_TRUE(other.WaitStopped());
    program.boxes.Answer(IDYES);
    EXPECT_TRUE(program.Doc().Save());
    const std::string ours = ReadHostFile(path);
    other.Continue();
    EXPECT_EQ(other.ExitCode(), 1) << "asked whether to replace the file this instance saved";
    EXPECT_EQ(ReadHostFile(path), ours);
    EXPECT_EQ(ModulesIn(path), modules + 1);
}

// The temporary files that killed saves left are found by their locks, whatever process
// number their names give: named at Open and kept at the next Save under names no file has,
// those of the backup copies too; one that a live instance still writes is left alone; the
// only copy of a project never saved is offered when its folder is next used.
TEST(SaveInstancesTest, LeftTemporariesAreFoundByTheirLocksNotByTheProcessNumbers)
{
    RunningProgram program;
    const std::string path = program.PathOf("Shop.wvt");
    program.files.Answer(path.c_str());
    ASSERT_TRUE(program.Doc().Save());
    const std::string folder = program.folder.Path().string() + "/";
    fs::create_directory(path + ".weavo-lock");

    // A save killed at its last question leaves its whole file; one stopped there holds it.
    Instance killed("save-over", path);
    ASSERT_EQ(killed.ReadLine(), "asking");
    ASSERT_TRUE(killed.WaitStopped());
    killed.Kill();
    Instance writing("save-over", path);
    ASSERT_EQ(writing.ReadLine(), "asking");
    ASSERT_TRUE(writing.WaitStopped());
    const std::string live = path + ".weavo-" + std::to_string(writing.Pid()) + "-0";
    const std::string dead = path + ".weavo-" + std::to_string(killed.Pid()) + "-0";
    ASSERT_TRUE(fs::exists(live));
    ASSERT_TRUE(fs::exists(dead));
    const std::string left = ReadHostFile(dead);
    fs::remove(path + ".weavo-lock");

    // Under the numbers of processes that run: this one, and the first process of a container.
    const std::string reused = path + ".weavo-1-0";
    fs::rename(dead, reused);
    const std::string own = path + ".weavo-" + std::to_string(::getpid()) + "-5";
    fs::copy_file(reused, own);
    fs::create_directory(folder + "Shop_backup");
    const std::string copy = folder + "Shop_backup/Shop~1Jan2026(9-5).wvt.weavo-1-2";
    fs::copy_file(reused, copy);
    // A kept name taken by an earlier one.
    std::ofstream(folder + "Shop_backup/Shop~unfinished-1-0.wvt") << "kept before";
    const std::string neverSaved = folder + "New.wvt.weavo-1-3";
    fs::copy_file(reused, neverSaved);

    program.boxes.Answer(IDOK);
    program.boxes.Answer(IDNO);
    ASSERT_TRUE(program.Doc().OpenProjectFile(path.c_str()));
    ASSERT_EQ(program.boxes.Shown().size(), 2u);
    const std::string named = program.boxes.Shown()[0].text;
    for (const std::string& file : {reused, own, copy})
        EXPECT_NE(named.find(file), std::string::npos) << file << "\n" << named;
    EXPECT_EQ(named.find(live), std::string::npos) << named;
    EXPECT_EQ(program.boxes.Shown()[1].text,
              "The first save of " + folder + "New.wvt did not finish and left\n" + neverSaved +
                  "\nwhich may be the only copy of that project.\nKeep it as " + folder +
                  "New.wvt?\nChoose No to leave it where it is; it is offered again when this "
                  "folder is next used.");

    program.boxes.Answer(IDOK);
    program.boxes.Answer(IDYES);
    ASSERT_TRUE(program.Doc().Save());
    ASSERT_EQ(program.boxes.Shown().size(), 4u);
    const std::string kept = program.boxes.Shown()[2].text;
    for (const std::string& name : {std::string("Shop~unfinished-1-0-2.wvt"),
                                    "Shop~unfinished-" + own.substr(path.size() + 7) + ".wvt",
                                    std::string("Shop~unfinished-1-2.wvt")})
    {
        EXPECT_NE(kept.find("kept as " + folder + "Shop_backup/" + name), std::string::npos)
            << name << "\n"
            << kept;
        EXPECT_EQ(ReadHostFile(folder + "Shop_backup/" + name), left) << name;
    }
    for (const std::string& file : {reused, own, copy, neverSaved})
        EXPECT_FALSE(fs::exists(file)) << file;
    EXPECT_TRUE(fs::exists(live));
    EXPECT_EQ(ReadHostFile(folder + "New.wvt"), left);
}
} // namespace
