#include "entities/Menu.h"
#include "model/Module.h"
#include "platform/core/FileReplacement.h"
#include "platform/core/UserNames.h"
#include "shell/BackupCopy.h"
#include "shell/ForgeonView.h"
#include "tests/model/ModelBuilders.h"
#include "tests/shell/ShellTestSupport.h"
#include "tests/support/EndedProcess.h"
#include "tests/support/OtherUser.h"

#include <algorithm>
#include <cerrno>
#include <ctime>
#include <fcntl.h>
#include <functional>
#include <map>
#include <sys/stat.h>
#include <sys/types.h>
#include <sys/xattr.h>
#include <unistd.h>

namespace
{
namespace fs = std::filesystem;

// Every file below the folder, by its path relative to the folder, with its permission bits.
std::map<std::string, mode_t> ModesBelow(const fs::path& folder)
{
    std::map<std::string, mode_t> modes;
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(folder))
    {
        struct stat info;
        if (entry.is_regular_file() && ::stat(entry.path().c_str(), &info) == 0)
            modes[fs::relative(entry.path(), folder).string()] = info.st_mode & 07777;
    }
    return modes;
}

// The umask of a user who lets everyone read the files made, for the test's time.
class OpenUmask
{
public:
    OpenUmask() : m_previous(::umask(022)) {}
    ~OpenUmask() { ::umask(m_previous); }
    OpenUmask(const OpenUmask&) = delete;
    OpenUmask& operator=(const OpenUmask&) = delete;

private:
    mode_t m_previous;
};

TEST(ProjectFileSavingTest, AProtectedProjectAndEveryFileItsSavesAndBackupsMakeStayTheOwners)
{
    const OpenUmask umask;
    RunningProgram program;
    program.files.Answer(program.PathOf("Shop.wvt").c_str());
    ASSERT_TRUE(program.Doc().Save());
    ASSERT_EQ(::chmod(program.PathOf("Shop.wvt").c_str(), 0600), 0);

    // Temporaries of saves that were killed, of this process and of names that are none.
    const std::string dead = "Shop.wvt.weavo-" + std::to_string(EndedProcess()) + "-7";
    const std::string live = "Shop.wvt.weavo-" + std::to_string(::getpid()) + "-99999";
    const std::string otherFile = "Other.wvt.weavo-" + std::to_string(EndedProcess()) + "-1";
    for (const std::string& name : {dead, live, otherFile, std::string("Shop.wvt.weavo-x-1")})
        std::ofstream(program.PathOf(name.c_str())) << "left";

    // While the project is written, its new file can be read by its owner only.
    const fs::path project = program.PathOf("Shop.wvt");
    FileReplacement during(project.string());
    ASSERT_TRUE(during.CreateTemporary());
    struct stat temporary;
    ASSERT_EQ(::fstat(during.GetDescriptor(), &temporary), 0);
    EXPECT_EQ(temporary.st_mode & 07777, 0600u);
    struct stat named;
    ASSERT_EQ(::stat(during.GetTemporary().c_str(), &named), 0);
    EXPECT_EQ(named.st_ino, temporary.st_ino) << "the file created is the one written";
    const fs::path unfinished = during.GetTemporary();
    during.Release();
    fs::remove(unfinished);

    ASSERT_TRUE(program.Doc().Save());
    program.Doc().SaveBackupCopy("~given");
    // Files that are no project's temporaries stay, whatever their names.
    const std::map<std::string, mode_t> expected{
        {"Shop.wvt", 0600}, {"Shop_backup/Shop~given.wvt", 0600}, {dead, 0644}, {live, 0644},
        {otherFile, 0644},  {"Shop.wvt.weavo-x-1", 0644},
    };
    std::map<std::string, mode_t> found = ModesBelow(program.folder.Path());
    std::erase_if(
        found, [](const auto& entry)
        { return entry.first.rfind("profile", 0) == 0 || entry.first.rfind("data", 0) == 0; });
    EXPECT_EQ(found, expected);
    EXPECT_EQ(program.Frame().GetStatusBar()->GetPaneText(0), "");

    // A project that everyone may read is backed up so.
    ASSERT_EQ(::chmod(program.PathOf("Shop.wvt").c_str(), 0644), 0);
    program.Doc().SaveBackupCopy("~open");
    EXPECT_EQ(ModesBelow(program.folder.Path() / "Shop_backup")["Shop~open.wvt"], 0644u);

    // What a killed save left, a project file's start, is named when the project is opened and
    // stays where the project is only read; the next save keeps it among the backups and says
    // where.
    fs::copy_file(program.PathOf("Shop.wvt"), program.PathOf(dead.c_str()),
                  fs::copy_options::overwrite_existing);
    const std::string left = ReadHostFile(program.PathOf(dead.c_str()));
    const timespec old[2] = {{std::time(nullptr) - 3600, 0}, {std::time(nullptr) - 3600, 0}};
    ASSERT_EQ(::utimensat(AT_FDCWD, program.PathOf(dead.c_str()).c_str(), old, 0), 0);
    const std::size_t before = program.boxes.Shown().size();
    ASSERT_TRUE(program.Doc().OpenProjectFile(program.PathOf("Shop.wvt").c_str()));
    ASSERT_EQ(program.boxes.Shown().size(), before + 1);
    EXPECT_NE(program.boxes.Shown().back().text.find(program.PathOf(dead.c_str())),
              std::string::npos);
    program.files.Answer(program.PathOf("Shop.wvt").c_str());
    program.Command(ID_IMPORT_TABLES);
    EXPECT_TRUE(fs::exists(program.PathOf(dead.c_str())));
    ASSERT_TRUE(program.Doc().Save());
    EXPECT_FALSE(fs::exists(program.PathOf(dead.c_str())));
    const std::string kept =
        program.PathOf(("Shop_backup/Shop~unfinished-" + dead.substr(15) + ".wvt").c_str());
    EXPECT_EQ(ReadHostFile(kept), left);
    EXPECT_NE(program.boxes.Shown().back().text.find("kept as " + kept), std::string::npos)
        << program.boxes.Shown().back().text;
    EXPECT_TRUE(fs::exists(program.PathOf(live.c_str())));
}

// What a killed save left, where the backup folder cannot be made, is kept beside the project
// under a kept name, with the reason; no later Save or Open names it again. A project file of
// more than one name is named at Open.
TEST(ProjectFileSavingTest, ALeftFileTheBackupFolderCannotTakeIsKeptBesideTheProject)
{
    RunningProgram program;
    const std::string path = program.PathOf("Shop.wvt");
    program.files.Answer(path.c_str());
    ASSERT_TRUE(program.Doc().Save());
    const std::string dead = "Shop.wvt.weavo-" + std::to_string(EndedProcess()) + "-7";
    fs::copy_file(path, program.PathOf(dead.c_str()));
    const timespec old[2] = {{std::time(nullptr) - 3600, 0}, {std::time(nullptr) - 3600, 0}};
    ASSERT_EQ(::utimensat(AT_FDCWD, program.PathOf(dead.c_str()).c_str(), old, 0), 0);
    // A file stands where the backup folder would be made.
    std::ofstream(program.PathOf("Shop_backup")) << "not a folder";

    const std::size_t before = program.boxes.Shown().size();
    ASSERT_TRUE(program.Doc().Save());
    ASSERT_EQ(program.boxes.Shown().size(), before + 1);
    const std::string kept =
        program.PathOf(("Shop~unfinished-" + dead.substr(15) + ".wvt").c_str());
    EXPECT_EQ(program.boxes.Shown().back().text,
              "Saves of " + path +
                  " and its backup copies that did not finish had left these "
                  "files:\n" +
                  program.PathOf(dead.c_str()) + "\n    kept as " + kept +
                  "\nEach may hold work that the project lacks: open it to see.");
    EXPECT_FALSE(fs::exists(program.PathOf(dead.c_str())));
    EXPECT_TRUE(fs::exists(kept));
    ASSERT_TRUE(program.Doc().Save());
    ASSERT_TRUE(program.Doc().OpenProjectFile(path.c_str()));
    EXPECT_EQ(program.boxes.Shown().size(), before + 1);

    // Opened under one of two names.
    fs::create_hard_link(path, program.PathOf("Shared.wvt"));
    ASSERT_TRUE(program.Doc().OpenProjectFile(path.c_str()));
    ASSERT_EQ(program.boxes.Shown().size(), before + 2);
    EXPECT_EQ(program.boxes.Shown().back().text,
              path + "\nhas 1 more name(s) (hard links). A save replaces the file under this "
                     "name only: the other names keep the file as it was, and instances of the "
                     "program that opened it under another name do not wait for one another's "
                     "saves, so that each saves a project of its own.\nOpen a shared project "
                     "under one name, or reach it through a symbolic link.");
    EXPECT_EQ(program.boxes.Shown().back().type, MB_OK | MB_ICONWARNING);
}

// A file the user named in the form of a save's temporaries is the user's: Save As there asks
// nothing, and no later save of the name it seems to be a temporary of, nor an Open of that,
// takes it for what a killed save left. The document's own file is never taken for one, also
// where no save finished at its name (a copy, or a file system that keeps no mark of it).
TEST(ProjectFileSavingTest, AFileTheUserNamedAsATemporaryIsTheUsers)
{
    RunningProgram program;
    const std::string named = program.PathOf("Shop.wvt.weavo-1-0");
    program.files.Answer(named.c_str());
    ASSERT_TRUE(program.Doc().SaveAs(program.Doc().GetProject(), false));
    EXPECT_EQ(program.boxes.ShownTexts(), std::vector<std::string>());
    EXPECT_EQ(program.Doc().GetPath(), named.c_str());

    const std::string copy = program.PathOf("copies/New.wvt.weavo-2-0");
    fs::create_directory(program.PathOf("copies"));
    fs::copy_file(named, copy);
    ASSERT_TRUE(program.Doc().OpenProjectFile(copy.c_str()));
    EXPECT_EQ(program.boxes.ShownTexts(), std::vector<std::string>());

    if (::setxattr(named.c_str(), "user.probe", "1", 1, 0) != 0 && errno == ENOTSUP)
        GTEST_SKIP() << "the file system keeps no extended attributes";
    ::removexattr(named.c_str(), "user.probe");
    program.files.Answer(program.PathOf("Shop.wvt").c_str());
    ASSERT_TRUE(program.Doc().SaveAs(program.Doc().GetProject(), false));
    ASSERT_TRUE(program.Doc().Save());
    ASSERT_TRUE(program.Doc().OpenProjectFile(program.PathOf("Shop.wvt").c_str()));
    EXPECT_EQ(program.boxes.ShownTexts(), std::vector<std::string>());
    EXPECT_TRUE(fs::is_regular_file(named));
    EXPECT_FALSE(fs::exists(program.PathOf("Shop_backup")));
}

// A link or another user's folder at the backup folder's name takes no copy: the timed backup
// says why none was made, and what a killed save left is kept beside the project, saying why it
// is not among the backups. The folder of the project file's owner serves as the user's own.
TEST(ProjectFileSavingTest, TheBackupFolderIsUsedOnlyWhenItIsTheUsersOwn)
{
    RunningProgram program;
    const std::string path = program.PathOf("Shop.wvt");
    program.files.Answer(path.c_str());
    ASSERT_TRUE(program.Doc().Save());
    const fs::path backups = program.PathOf("Shop_backup");
    const fs::path elsewhere = program.PathOf("elsewhere");
    fs::create_directory(elsewhere);
    const auto ownedBy = [&](uid_t user, gid_t group)
    {
        fs::create_directory(backups);
        ASSERT_EQ(::chown(backups.c_str(), user, group), 0);
        ASSERT_EQ(::chown(path.c_str(), user == kStranger ? 0 : user, group), 0);
    };
    const struct
    {
        const char* name;
        bool asRoot;
        std::function<void()> plant;
        // Why the folder is refused; empty where it is used.
        std::string refusal;
    } cases[] = {
        {"link", false, [&] { fs::create_directory_symlink(elsewhere, backups); },
         backups.string() + " is a link (it led to " + elsewhere.string() +
             "), not a folder of the user's own"},
        {"another user's folder", true, [&] { ownedBy(kStranger, kStrangerGroup); },
         backups.string() + " belongs to another user, " + UserName(kStranger)},
        {"the project file owner's folder", true, [&] { ownedBy(kFirstUser, kSharedGroup); }, ""},
    };
    for (const auto& each : cases)
    {
        SCOPED_TRACE(each.name);
        if (each.asRoot && !CanActAsOtherUsers())
            continue;
        each.plant();
        program.Doc().SaveBackupCopy("~given");
        const std::string copy = (backups / "Shop~given.wvt").string();
        const std::string status(program.Frame().GetStatusBar()->GetPaneText(0).GetString());
        EXPECT_EQ(status,
                  each.refusal.empty()
                      ? std::string()
                      : std::string(BackupFailureText(
                            copy.c_str(), ("no copy is made there: " + each.refusal).c_str())));
        EXPECT_EQ(fs::exists(copy), each.refusal.empty());
        EXPECT_TRUE(fs::is_empty(elsewhere));

        const std::string dead = "Shop.wvt.weavo-" + std::to_string(EndedProcess()) + "-7";
        fs::copy_file(path, program.PathOf(dead.c_str()));
        const timespec old[2] = {{std::time(nullptr) - 3600, 0}, {std::time(nullptr) - 3600, 0}};
        ASSERT_EQ(::utimensat(AT_FDCWD, program.PathOf(dead.c_str()).c_str(), old, 0), 0);
        const std::string kept = (each.refusal.empty() ? backups / "Shop~unfinished-"
                                                       : program.folder.Path() / "Shop~unfinished-")
                                     .string() +
                                 dead.substr(15) + ".wvt";
        ASSERT_TRUE(program.Doc().Save());
        EXPECT_EQ(program.boxes.Shown().back().text,
                  "Saves of " + path +
                      " and its backup copies that did not finish had left these files:\n" +
                      program.PathOf(dead.c_str()) + "\n    kept as " + kept +
                      (each.refusal.empty()
                           ? std::string()
                           : "\nNone was kept in the backup folder: " + each.refusal + ".") +
                      "\nEach may hold work that the project lacks: open it to see.");
        EXPECT_TRUE(fs::exists(kept));
        EXPECT_TRUE(fs::is_empty(elsewhere));
        fs::remove_all(backups);
        fs::remove(kept);
    }
}
} // namespace

namespace
{
// Another instance of the program: it opens the file, adds a module and saves.
void SaveFromAnotherInstance(const std::string& path)
{
    ProjectStore other;
    ASSERT_TRUE(other.ArchiveProject(nullptr, path.c_str(), TRUE));
    other.GetProject()->AddNewModule();
    ASSERT_TRUE(other.ArchiveProject(other.GetProject(), path.c_str(), FALSE));
}

TEST(ProjectFileSavingTest, SavingOverAFileAnotherInstanceSavedAsksBeforeReplacingIt)
{
    RunningProgram program;
    const std::string path = program.PathOf("Shop.wvt");
    program.files.Answer(path.c_str());
    ASSERT_TRUE(program.Doc().Save());
    ASSERT_TRUE(program.Doc().Save()) << "the file saved last is replaced without a question";
    EXPECT_TRUE(program.boxes.Shown().empty());

    SaveFromAnotherInstance(path);
    const std::string theirs = ReadHostFile(path);
    const std::string question =
        path + "\nwas changed by another program after this project was opened or last saved.\n"
               "Replace it with this project? Its changes will be lost.\n"
               "Choose No to keep the file; Save As saves this project under another name.";
    program.boxes.Answer(IDNO);
    EXPECT_FALSE(program.Doc().Save());
    ASSERT_EQ(program.boxes.Shown().size(), 1u);
    EXPECT_EQ(program.boxes.Shown()[0].text, question);
    EXPECT_EQ(program.boxes.Shown()[0].type, MB_YESNO | MB_ICONWARNING | MB_DEFBUTTON2);
    EXPECT_EQ(ReadHostFile(path), theirs);

    program.boxes.Answer(IDYES);
    EXPECT_TRUE(program.Doc().Save());
    EXPECT_EQ(program.boxes.Shown().size(), 2u) << "asked again while the file is theirs";
    EXPECT_NE(ReadHostFile(path), theirs);
    EXPECT_TRUE(program.Doc().Save());
    EXPECT_EQ(program.boxes.Shown().size(), 2u);

    // Opened here, the file is the one the next save may replace.
    SaveFromAnotherInstance(path);
    ASSERT_TRUE(program.Doc().OpenProjectFile(path.c_str()));
    EXPECT_TRUE(program.Doc().Save());
    EXPECT_EQ(program.boxes.Shown().size(), 2u);
}
} // namespace

namespace
{
// Where a file system keeps whole seconds, another program's rewrite within the second, of the
// same size, leaves the file's size and time as they were: its bytes tell it.
TEST(ProjectFileSavingTest, ARewriteThatKeepsTheSizeAndTheTimeIsNoticed)
{
    RunningProgram program;
    const std::string path = program.PathOf("Shop.wvt");
    program.files.Answer(path.c_str());
    ASSERT_TRUE(program.Doc().Save());
    struct stat saved;
    ASSERT_EQ(::stat(path.c_str(), &saved), 0);
    std::string theirs = ReadHostFile(path);
    ASSERT_FALSE(theirs.empty());
    theirs.back() = static_cast<char>(theirs.back() ^ 1);
    std::ofstream(path, std::ios::binary | std::ios::trunc) << theirs;
    const timespec times[2] = {saved.st_atim, saved.st_mtim};
    ASSERT_EQ(::utimensat(AT_FDCWD, path.c_str(), times, 0), 0);
    struct stat rewritten;
    ASSERT_EQ(::stat(path.c_str(), &rewritten), 0);
    ASSERT_EQ(rewritten.st_ino, saved.st_ino);
    ASSERT_EQ(rewritten.st_size, saved.st_size);

    program.boxes.Answer(IDNO);
    EXPECT_FALSE(program.Doc().Save());
    ASSERT_EQ(program.boxes.Shown().size(), 1u);
    EXPECT_EQ(program.boxes.Shown()[0].type, MB_YESNO | MB_ICONWARNING | MB_DEFBUTTON2);
    EXPECT_EQ(ReadHostFile(path), theirs);
}
// A project file of a long name, up to the longest a folder takes, has its timed backups: the
// backup folder's name and the copy's are cut as its temporaries' are, and Open finds the copies'
// leftovers there.
TEST(ProjectFileSavingTest, AProjectFileOfALongNameIsBackedUp)
{
    RunningProgram program;
    for (const std::size_t length : {245u, 250u, 255u})
    {
        SCOPED_TRACE(length);
        const std::string name = std::string(length - 4, 'S') + ".wvt";
        program.files.Answer(program.PathOf(name.c_str()).c_str());
        ASSERT_TRUE(program.Doc().SaveAs(program.Doc().GetProject(), false));
        program.Doc().SaveBackupCopy("~31Dec2026(23-59)");
        EXPECT_EQ(program.Frame().GetStatusBar()->GetPaneText(0), "");
        const BackupPlace place(program.Doc().GetPath());
        const fs::path copy = ToHostPath(place.CopyPath("~31Dec2026(23-59)"));
        EXPECT_TRUE(fs::is_regular_file(copy)) << copy;
        EXPECT_EQ(copy.parent_path(), ToHostPath(place.BackupFolder()));
        EXPECT_EQ(copy.parent_path().parent_path(), program.folder.Path());
        EXPECT_LE(copy.parent_path().filename().string().size(), 255u);
        EXPECT_LE(copy.filename().string().size(), 255u);
    }
}
} // namespace

TEST(ProjectFileSavingTest, TheSaveMessageGoesOnceTheProjectDiffersFromWhatWasSaved)
{
    RunningProgram program;
    program.files.Answer(program.PathOf("Shop.wvt").c_str());
    ASSERT_TRUE(program.Doc().Save());
    const CString saved = program.Frame().GetStatusBar()->GetPaneText(0);
    EXPECT_EQ(saved.Find("The project was saved to "), 0) << saved;
    // Unchanged, it stays true and stays; a change takes it back at the next switch of editor.
    program.Frame().ShowStartPage();
    EXPECT_EQ(program.Frame().GetStatusBar()->GetPaneText(0), saved);
    program.Project().GetBaseModule()->Append(NewMenu("Later"));
    program.Frame().ShowStartPage();
    EXPECT_EQ(program.Frame().GetStatusBar()->GetPaneText(0), "");
    // A menu command after a change takes it back as well.
    ASSERT_TRUE(program.Doc().Save());
    program.Project().GetBaseModule()->Append(NewMenu("Later still"));
    program.Frame().GetTreeView()->GetTreeCtrl().SelectItem(
        program.Frame().GetTreeView()->GetTreeCtrl().GetRootItem());
    program.boxes.Answer(IDOK);
    program.Command(ID_MODULE_DELETE);
    EXPECT_EQ(program.Frame().GetStatusBar()->GetPaneText(0), "");
    // Another text is never taken back as a save's.
    program.Frame().SetStatusText("Module BaseModule was written");
    program.Frame().ShowStartPage();
    EXPECT_EQ(program.Frame().GetStatusBar()->GetPaneText(0), "Module BaseModule was written");
}
