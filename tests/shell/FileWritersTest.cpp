#include "platform/core/FileWriters.h"
#include "editors/WarningDlg.h"
#include "editors/WriteSelectionDlg.h"
#include "entities/DashBoardPage.h"
#include "entities/Form.h"
#include "gen_classic/AspWriteAll.h"
#include "gen_reports/CSharpParser.h"
#include "gen_web/AspxWriteAll.h"
#include "merge/MergeReportFiles.h"
#include "merge/MergeRunMessage.h"
#include "model/GenerationReport.h"
#include "model/ProjectDiagnostics.h"
#include "model/ProjectStore.h"
#include "model/TextFile.h"
#include "platform/core/Descriptor.h"
#include "platform/core/HostPath.h"
#include "platform/core/SaveLock.h"
#include "shell/logic/TestHarness.h"
#include "tests/model/ModelBuilders.h"
#include "tests/model/TrailingSettings.h"
#include "tests/shell/ShellTestSupport.h"
#include "tests/support/EndedProcess.h"
#include "tests/support/FileSizeLimit.h"
#include "tests/support/OtherUser.h"

#include <chrono>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <functional>
#include <map>
#include <set>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace
{
namespace fs = std::filesystem;

// The bytes a writer's file holds at least where the tests fill the disk at half of them.
constexpr std::size_t kFullDiskBytes = 128;

// The names in the folder.
std::set<std::string> NamesIn(const fs::path& folder)
{
    std::set<std::string> names;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder))
        names.insert(entry.path().filename().string());
    return names;
}

// Runs the work in a child process whose files may not grow past half the bytes of a writer's
// file, where the write past that ends the process (SIGXFSZ, no core), as a kill in the middle
// of the write would; the signal that ended it, 0 when it ended by itself.
int KilledAsItWrites(const std::function<std::string()>& work)
{
    const pid_t child = ::fork();
    if (child == 0)
    {
        const rlimit noCore{0, 0};
        const rlimit small{kFullDiskBytes / 2, kFullDiskBytes / 2};
        ::setrlimit(RLIMIT_CORE, &noCore);
        ::signal(SIGXFSZ, SIG_DFL);
        ::setrlimit(RLIMIT_FSIZE, &small);
        // A child that hangs ends as well.
        ::alarm(60);
        work();
        ::_exit(0);
    }
    int status = 0;
    if (child < 0 || ::waitpid(child, &status, 0) != child)
        return -1;
    return WIFSIGNALED(status) ? WTERMSIG(status) : 0;
}

// What the run shown last said, every box of it.
std::string SaidSince(const RunningProgram& program, std::size_t shown)
{
    std::string said;
    for (std::size_t box = shown; box < program.boxes.Shown().size(); ++box)
        said += program.boxes.Shown()[box].text + "\n";
    return said;
}

// Every kind of file the program registers as written, each driven here, first killed as it
// writes and on a full disk where its rules say it keeps its file whole, at another user's file
// where they say it takes the user's own only, then with a link, a dangling link and a hard link
// planted at its name: the file a link led to keeps its bytes and no
// file is made where a dangling link points; a writer that replaces links writes a file of its own,
// one that leaves them leaves the name as planted or empty; a writer that tells the user of its
// files names what it replaced. The project file, whose name no longer holds the file opened, is
// asked about first, naming where the link leads.
TEST(FileWritersTest, EveryRegisteredWriterMeetsTheFaultsItsRulesName)
{
    RunningProgram program;
    // The trace folder in the test's own, so that "C:\temp\" no longer leads to the project.
    const TempFolderOverride trace(program.folder.Path());
    const std::string projectFile = program.PathOf("Shop.wvt");
    program.files.Answer(projectFile.c_str());
    ASSERT_TRUE(program.Doc().Save());
    ForgeonProject& project = program.Project();
    project.SetProjectName("Shop");
    project.SetProjectPath((ToModelPath(program.folder.Path().c_str()) + "\\").c_str());
    // The classic Write All refuses a dashboard page that shares its dashboard's name.
    for (DashBoardPage* page : project.GetBaseModule()->GetDashBoardPages())
        page->SetName(page->GetFormName() + "_Page");
    const auto host = [&](const char* name) { return ToHostPath(project.GetProjectPath() + name); };
    const auto traced = [&](const char* name) { return (trace.Own() / name).string(); };
    const CString outputRoot = project.GetProjectPath() + "Shop\\";
    // The harness's test file, whose result goes into "out".
    const fs::path tests = program.folder.Path() / "tg";
    fs::create_directories(tests);
    fs::create_directories(program.folder.Path() / "out");
    std::ofstream(tests / "a.tg") << "MasterTest\nOutDir "
                                  << (program.folder.Path() / "out").string()
                                  << "\nTest one MASTERADDASPX\n{\n}\n";
    const std::string dead = std::to_string(EndedProcess());
    const fs::path supportSource = program.folder.Path() / "calendar.source";
    std::ofstream(supportSource) << std::string(kFullDiskBytes, 'c');
    // A page of the output tree written; what the run's report said.
    const auto writePage = [&](const std::string& text)
    {
        GenerationReport report;
        report.SetOutputRoot(outputRoot);
        SaveTextFile(outputRoot + "Page.aspx", text.c_str(), report);
        return std::string(report.GetText());
    };
    const auto runHarness = [&]
    {
        std::ostringstream out;
        TestHarness("C:\\temp\\KestraneWeavo", out).RunRegressionTests(tests.c_str());
        return out.str();
    };

    // While set, another instance holds the save lock: the save asks, and the project is unsaved.
    bool anotherInstanceSaves = false;

    // A merge report, or the phase log written as the merge goes.
    const auto writeMergeFile = [](bool log, const char* path)
    {
        MergeReportFiles files;
        TextFile file(/*disabled=*/false, /*flush=*/log, '=', 60);
        // One refused is named in the message.
        if (log ? files.OpenLog(file, path) : files.Open(file, path))
            file.Write(0, "%s\n", std::string(kFullDiskBytes, 'm'));
        files.Close(file);
        return std::string(MergeRunMessage(files));
    };

    struct Writer
    {
        const char* name;
        std::string path;
        // Returns what the writer told the user.
        std::function<std::string()> write;
        // What it told names what it replaced.
        bool namesLinks;
    };
    const Writer writers[] = {
        {"project file", projectFile,
         [&]
         {
             if (!anotherInstanceSaves)
                 program.boxes.Answer(IDYES);
             const std::size_t shown = program.boxes.Shown().size();
             program.Doc().Save();
             const std::string said = SaidSince(program, shown);
             if (!anotherInstanceSaves)
             {
                 EXPECT_NE(said.find("was changed by another program"), std::string::npos);
             }
             return said;
         },
         false},
        {"backup copy", program.PathOf("Shop_backup/Shop~planted.wvt"),
         [&]
         {
             program.Doc().SaveBackupCopy("~planted");
             return std::string();
         },
         false},
        {"error log", host("errorLog.txt"),
         []
         {
             ProjectDiagnostics& diagnostics = TheProjectDiagnostics();
             diagnostics.AddError(CString(std::string(kFullDiskBytes, 'e').c_str()));
             diagnostics.ReportErrors(false);
             diagnostics.ClearErrorsAndWarnings();
             return std::string();
         },
         false},
        {"usage dump", host("ObjectRefDump.txt"),
         [&]
         {
             project.GetBaseModule()->ReportUsage("Orders",
                                                  std::string(kFullDiskBytes, 'u').c_str());
             return std::string();
         },
         false},
        {"merge report", traced("Report_ .txt"),
         [&] { return writeMergeFile(/*log=*/false, "C:\\temp\\Report_ .txt"); }, true},
        {"merge log", traced("KestraneWeavo/merging.txt"),
         [&] { return writeMergeFile(/*log=*/true, "C:\\temp\\KestraneWeavo\\merging.txt"); },
         true},
        {"debug report", traced("KestraneWeavoDebugReport.txt"),
         []
         {
             TextFile& report = DebugReport();
             report.Open(report.GetPath());
             report.Write(0, "traced\n");
             return std::string();
         },
         false},
        {"duplicate-name report", traced("KestraneWeavoReport.txt"),
         [&]
         {
             ForgeonProject duplicates;
             Module* module = NewModule("BaseModule", 1);
             duplicates.AddModule(module);
             const std::string name(kFullDiskBytes, 'n');
             module->AddTable(NewTable(name.c_str()));
             module->Append(NewForm(name.c_str(), nullptr));
             const std::size_t shown = program.boxes.Shown().size();
             EXPECT_TRUE(duplicates.HasDuplicateNames());
             return SaidSince(program, shown);
         },
         true},
        {"Write All log", ToHostPath(AspxWriteAll::ReportLogPath()),
         []
         {
             GenerationReport report;
             for (std::size_t n = 0; n <= GenerationReport::shownEntries; ++n)
                 report.AddUnwrittenFile(("C:\\site\\page" + std::to_string(n) + ".aspx").c_str(),
                                         "full");
             return std::string(report.ClosingText("", AspxWriteAll::ReportLogPath()));
         },
         true},
        {"classic write-errors log", ToHostPath(AspWriteAll::WriteErrorsLogPath()),
         [&]
         {
             program.dialogs.Answer([](CDialog&, DialogDriver& user) { user.PressCancel(); });
             program.dialogs.Answer([](CDialog&, DialogDriver& user) { user.PressOk(); });
             const std::size_t shown = program.boxes.Shown().size();
             program.Command(ID_CLASSIC_WRITE_ALL);
             EXPECT_EQ(program.dialogs.UnscriptedCount(), 0u);
             return SaidSince(program, shown);
         },
         true},
        {"harness set", traced("KestraneWeavo/tgSet.tgs"), runHarness, true},
        {"harness report", traced("KestraneWeavo/tgsreport.txt"), runHarness, true},
        {"harness failed-files list", traced("KestraneWeavo/FailedFiles.tgs"), runHarness, true},
        {"harness result", (program.folder.Path() / "out" / "a.tgo").string(), runHarness, true},
        {"a text file written at its path", host("Board_preview.html"),
         [&]
         {
             TextFile preview(project.GetProjectPath() + "Board_preview.html", false, '=', 60,
                              false, false);
             preview.Write(0, "<html/>\n");
             return std::string();
         },
         false},
        {"output tree", host("Shop\\Page.aspx"),
         [&] { return writePage(std::string(kFullDiskBytes, 'p')); }, true},
        {"sql script", ToHostPath(project.GetScriptFilePath()),
         [&]
         {
             const std::size_t shown = program.boxes.Shown().size();
             program.Command(ID_SQL_QUERY);
             return SaidSince(program, shown);
         },
         true},
        {"save lock", projectFile + ".weavo-lock",
         [&]
         {
             const std::size_t shown = program.boxes.Shown().size();
             EXPECT_EQ(program.Doc().Save(), !anotherInstanceSaves);
             return SaidSince(program, shown);
         },
         false},
        {"support-file copy", host("Shop\\includes\\calendar.css"),
         [&]
         {
             GenerationReport report;
             report.SetOutputRoot(outputRoot);
             EXPECT_TRUE(report.CopyFile(supportSource.c_str(),
                                         outputRoot + "includes\\calendar.css",
                                         /*overwrite=*/true));
             return std::string(report.GetText());
         },
         true},
        {"sweep", host(("Shop\\Page.aspx.weavo-" + dead + "-3").c_str()),
         [&] { return writePage("swept\n"); }, false},
        {"kept leftover",
         program.PathOf(("Shop_backup/Shop~unfinished-" + dead + "-7.wvt").c_str()),
         [&]
         {
             fs::copy_file(projectFile, projectFile + ".weavo-" + dead + "-7");
             EXPECT_TRUE(program.Doc().Save());
             EXPECT_FALSE(fs::exists(projectFile + ".weavo-" + dead + "-7"));
             return std::string();
         },
         false},
        {"unreadable save", program.PathOf("Spoilt.wvt.unreadable"),
         [&]
         {
             ForgeonProject spoilt;
             spoilt.InitNewProject();
             spoilt.SetProjectSettings(new TrailingSettings);
             ProjectStore store;
             EXPECT_FALSE(
                 store.ArchiveProject(&spoilt, program.PathOf("Spoilt.wvt").c_str(), FALSE));
             return std::string();
         },
         false},
        {"desktop entry",
         (program.folder.Path() / "data" / "applications" / "kestraneweavo.desktop").string(),
         [&]
         {
             program.app.RegisterFileAssociation();
             return std::string();
         },
         false},
        {"C# parser output", program.PathOf("parsed.txt"),
         [&]
         {
             std::ofstream(program.PathOf("parsed.cs")) << "class A { }\n";
             CSharpParser(false).Parse(program.PathOf("parsed.cs").c_str(),
                                       program.PathOf("parsed.txt").c_str());
             return std::string();
         },
         false},
        {"folder made at a path", program.PathOf("chain/made"),
         [&]
         {
             const bool made =
                 EnsureFolderChain(ToModelPath(program.PathOf("chain/made").c_str()).c_str());
             return made ? std::string() : std::string(std::strerror(errno));
         },
         false},
        {"output-tree folder", host("Shop\\made"),
         [&]
         {
             GenerationReport report;
             report.SetOutputRoot(outputRoot);
             SaveTextFile(outputRoot + "made\\Page.aspx", "made\n", report);
             return std::string(report.GetText());
         },
         false},
        // Last: opening the project again replaces the one the writers above use.
        {"first save kept", program.PathOf("New.wvt"),
         [&]
         {
             fs::copy_file(projectFile, program.PathOf(("New.wvt.weavo-" + dead + "-3").c_str()),
                           fs::copy_options::overwrite_existing);
             EXPECT_TRUE(program.Doc().OpenProjectFile(projectFile.c_str()));
             EXPECT_TRUE(fs::exists(program.PathOf(("New.wvt.weavo-" + dead + "-3").c_str())));
             return std::string();
         },
         false},
    };
    // The program's own list of what it writes, each kind driven above.
    std::map<std::string, unsigned> rules;
    for (const FileWriterKind& kind : RegisteredFileWriters())
        rules[kind.name] = kind.rules;
    std::set<std::string> driven;
    for (const Writer& writer : writers)
        driven.insert(writer.name);
    std::set<std::string> registered;
    for (const auto& [name, rule] : rules)
        registered.insert(name);
    EXPECT_EQ(registered, driven);

    // A kill in the middle (the write past a file size limit ends the process, as a kill would):
    // a writer that keeps its files whole after a kill leaves the file there as it was, and only
    // the temporary it was writing beside it, which proves the kill came as it wrote.
    for (const Writer& writer : writers)
    {
        if ((rules[writer.name] & wholeAfterKill) == 0)
            continue;
        SCOPED_TRACE(std::string(writer.name) + " killed as it writes");
        const fs::path path = writer.path;
        fs::create_directories(path.parent_path());
        std::ofstream(path) << "old text";
        const std::set<std::string> before = NamesIn(path.parent_path());
        EXPECT_EQ(KilledAsItWrites(writer.write), SIGXFSZ);
        EXPECT_EQ(ReadHostFile(path), "old text");
        // Besides the temporary, a killed save leaves its lock file, which the next one takes over.
        std::vector<std::string> temporaries;
        for (const std::string& name : NamesIn(path.parent_path()))
        {
            if (before.contains(name))
                continue;
            if (name != path.filename().string() + ".weavo-lock")
                temporaries.push_back(name);
            fs::remove(path.parent_path() / name);
        }
        ASSERT_EQ(temporaries.size(), 1u);
        EXPECT_EQ(temporaries.front().rfind(path.filename().string() + ".weavo-", 0), 0u)
            << temporaries.front();
    }

    // A full disk: a writer that writes its file whole leaves the file there as it was, and one
    // that tells the user of its files names it with the host's reason.
    for (const Writer& writer : writers)
    {
        if ((rules[writer.name] & wholeOnFullDisk) == 0)
            continue;
        SCOPED_TRACE(std::string(writer.name) + " on a full disk");
        fs::create_directories(fs::path(writer.path).parent_path());
        std::ofstream(writer.path) << "old text";
        std::string said;
        {
            const ScopedFileSizeLimit fullDisk(kFullDiskBytes / 2);
            said = writer.write();
        }
        EXPECT_EQ(ReadHostFile(writer.path), "old text");
        if (writer.namesLinks)
        {
            EXPECT_NE(said.find(writer.path), std::string::npos) << said;
            EXPECT_NE(said.find("File too large"), std::string::npos) << said;
        }
    }

    // The project file the full disk left is replaced as the document knows it.
    program.boxes.Answer(IDYES);
    ASSERT_TRUE(program.Doc().Save());

    // A second instance saving (another open lock file holds the lock, as that instance would):
    // a writer that writes one instance at a time asks, and Cancel leaves the file and its folder
    // as they were, the other instance's lock file in place.
    for (const Writer& writer : writers)
    {
        if ((rules[writer.name] & oneInstanceAtATime) == 0)
            continue;
        SCOPED_TRACE(std::string(writer.name) + " while a second instance saves");
        const SaveLock other = SaveLock::Take(projectFile, std::chrono::milliseconds(0));
        ASSERT_TRUE(other.IsHeld());
        const std::string before = ReadHostFile(projectFile);
        const std::set<std::string> names = NamesIn(program.folder.Path());
        ProjectStore::SetSaveLockWait(std::chrono::milliseconds(100));
        anotherInstanceSaves = true;
        program.boxes.Answer(IDCANCEL);
        const std::string said = writer.write();
        anotherInstanceSaves = false;
        ProjectStore::SetSaveLockWait(std::chrono::milliseconds(5000));
        EXPECT_NE(said.find(projectFile + "\nis being saved by another instance"),
                  std::string::npos)
            << said;
        EXPECT_EQ(ReadHostFile(projectFile), before);
        EXPECT_EQ(NamesIn(program.folder.Path()), names);
        EXPECT_EQ(program.boxes.PendingAnswers(), 0u);
    }

    // Another user's file at its name, where the tests may act as other users: a writer that
    // takes only the user's own never writes into it; the file keeps its bytes and its owner,
    // whether it stays at the name or a file of the user's replaced it there.
    for (const Writer& writer : writers)
    {
        if ((rules[writer.name] & usersOwnOnly) == 0 || !CanActAsOtherUsers())
            continue;
        SCOPED_TRACE(std::string(writer.name) + " at another user's file");
        const fs::path path = writer.path;
        fs::create_directories(path.parent_path());
        fs::remove(path);
        std::ofstream(path) << "theirs";
        ASSERT_EQ(::chown(path.c_str(), kStranger, kStrangerGroup), 0);
        const Descriptor theirs(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
        ASSERT_TRUE(theirs.IsOpen());
        writer.write();
        struct stat info;
        ASSERT_EQ(::fstat(theirs.Get(), &info), 0);
        EXPECT_EQ(info.st_uid, kStranger);
        char bytes[16] = {};
        EXPECT_EQ(::pread(theirs.Get(), bytes, sizeof bytes, 0), 6);
        EXPECT_EQ(std::string(bytes), "theirs");
        fs::remove(path);
    }

    // Another user's folder where the writer's folder goes (open to all, so that only the
    // writer's own check keeps it out): a writer that takes only the user's own folder puts
    // nothing in it, and it stays the other user's.
    for (const Writer& writer : writers)
    {
        const unsigned rule = rules[writer.name];
        if ((rule & usersOwnFolderOnly) == 0 || !CanActAsOtherUsers())
            continue;
        SCOPED_TRACE(std::string(writer.name) + " in another user's folder");
        const fs::path folder =
            rule & makesFolders ? fs::path(writer.path) : fs::path(writer.path).parent_path();
        const fs::path mine = folder.string() + ".mine";
        if (fs::exists(folder))
            fs::rename(folder, mine);
        fs::create_directories(folder);
        ASSERT_EQ(::chown(folder.c_str(), kStranger, kStrangerGroup), 0);
        fs::permissions(folder, fs::perms::all);
        writer.write();
        EXPECT_EQ(NamesIn(folder), std::set<std::string>());
        struct stat info;
        ASSERT_EQ(::lstat(folder.c_str(), &info), 0);
        EXPECT_EQ(info.st_uid, kStranger);
        fs::remove_all(folder);
        if (fs::exists(mine))
            fs::rename(mine, folder);
    }

    const fs::path outside = program.folder.Path() / "outside.txt";
    const fs::path absent = program.folder.Path() / "absent.txt";
    struct Plant
    {
        const char* name;
        std::function<void(const fs::path&)> plant;
        // How a message names it.
        std::string named;
    };
    const Plant plants[] = {
        {"link", [&](const fs::path& at) { fs::create_symlink(outside, at); },
         "(it led to " + outside.string() + ")"},
        {"dangling link", [&](const fs::path& at) { fs::create_symlink(absent, at); },
         "(it led to " + absent.string() + ")"},
        {"hard link", [&](const fs::path& at) { fs::create_hard_link(outside, at); },
         "(it was a hard link)"},
    };
    for (const Writer& writer : writers)
    {
        if (rules[writer.name] & makesFolders)
            continue;
        for (const Plant& plant : plants)
        {
            SCOPED_TRACE(std::string(writer.name) + " at a " + plant.name);
            std::ofstream(outside) << "outside";
            const fs::path at = writer.path;
            fs::create_directories(at.parent_path());
            fs::remove(at);
            plant.plant(at);
            const std::string said = writer.write();
            const unsigned rule = rules[writer.name];
            EXPECT_NE(rule & (replacesLinks | leavesLinks), 0u);
            if (rule & replacesLinks)
            {
                EXPECT_FALSE(fs::is_symlink(at));
                EXPECT_TRUE(fs::is_regular_file(at));
                EXPECT_EQ(fs::hard_link_count(at), 1u);
            }
            else
            {
                // As planted, or taken away.
                const fs::file_status status = fs::symlink_status(at);
                EXPECT_TRUE(!fs::exists(status) || fs::is_symlink(status) ||
                            fs::equivalent(at, outside));
            }
            EXPECT_EQ(ReadHostFile(outside), "outside");
            EXPECT_FALSE(fs::exists(absent));
            if (writer.namesLinks)
            {
                EXPECT_NE(said.find(at.string() + " " + plant.named), std::string::npos) << said;
            }
        }
    }
    // A folder maker at a link to a folder, a dangling link, a file, another user's folder: the
    // link stays, and is followed by a maker that follows links and refused by one that leaves
    // them, nothing made where a dangling one points; the file keeps its bytes; each refusal is
    // given; the other user's folder keeps its owner and mode.
    const fs::path outsideFolder = program.folder.Path() / "outside.d";
    for (const Writer& writer : writers)
    {
        const unsigned rule = rules[writer.name];
        if ((rule & makesFolders) == 0)
            continue;
        EXPECT_NE(rule & (followsLinks | leavesLinks), 0u) << writer.name;
        const fs::path at = writer.path;
        fs::create_directories(at.parent_path());
        fs::create_directories(outsideFolder);
        {
            SCOPED_TRACE(std::string(writer.name) + " at a link to a folder");
            fs::remove_all(at);
            fs::create_directory_symlink(outsideFolder, at);
            const std::string said = writer.write();
            EXPECT_TRUE(fs::is_symlink(at));
            if (rule & followsLinks)
            {
                EXPECT_EQ(said, "");
            }
            else
            {
                EXPECT_EQ(NamesIn(outsideFolder), std::set<std::string>());
                EXPECT_NE(said.find(at.string() + " is a symbolic link"), std::string::npos)
                    << said;
            }
        }
        {
            SCOPED_TRACE(std::string(writer.name) + " at a dangling link");
            fs::remove(at);
            fs::create_directory_symlink(absent, at);
            EXPECT_NE(writer.write(), "");
            EXPECT_TRUE(fs::is_symlink(at));
            EXPECT_FALSE(fs::exists(fs::symlink_status(absent)));
        }
        {
            SCOPED_TRACE(std::string(writer.name) + " at a file");
            fs::remove(at);
            std::ofstream(at) << "a file";
            EXPECT_NE(writer.write(), "");
            EXPECT_EQ(ReadHostFile(at), "a file");
        }
        fs::remove(at);
        if (CanActAsOtherUsers())
        {
            SCOPED_TRACE(std::string(writer.name) + " at another user's folder");
            fs::create_directory(at);
            ASSERT_EQ(::chown(at.c_str(), kStranger, kStrangerGroup), 0);
            fs::permissions(at, fs::perms::owner_all | fs::perms::group_read |
                                    fs::perms::group_exec | fs::perms::others_exec);
            const std::string said = writer.write();
            struct stat info;
            ASSERT_EQ(::lstat(at.c_str(), &info), 0);
            EXPECT_EQ(info.st_uid, kStranger);
            EXPECT_EQ(info.st_mode & 07777, 0751u);
            // One that takes the user's own only puts nothing in it; any other takes it as it is.
            if (rule & usersOwnFolderOnly)
            {
                EXPECT_EQ(NamesIn(at), std::set<std::string>());
            }
            else
            {
                EXPECT_EQ(said, "");
            }
        }
        fs::remove_all(at);
        fs::remove_all(outsideFolder);
    }

    // The question named where the link led.
    bool named = false;
    for (const ScriptedMessageBoxes::ShownBox& box : program.boxes.Shown())
        named =
            named || box.text.find("It is now a link to " + absent.string()) != std::string::npos;
    EXPECT_TRUE(named);
}

// A full disk while a report or log is written: one written whole keeps the text it held, one
// written as it goes is cut; either is named with the host's reason.
TEST(FileWritersTest, AFullDiskLeavesEveryWholeReportAsItWasAndEveryLogNamed)
{
    TempFolder folder;
    const TempFolderOverride trace(folder.Path());
    ScriptedMessageBoxes boxes;
    const std::string longName(80, 'n');
    const fs::path tests = folder.Path() / "tg";
    fs::create_directories(tests);
    std::ofstream(tests / "a.tg") << "MasterTest\nOutDir " << folder.Path().string()
                                  << "\nTest one MASTERADDASPX\n{\n}\n";
    const auto merged = [&](bool whole)
    {
        MergeReportFiles files;
        TextFile report(/*disabled=*/false, /*flush=*/!whole, '=', 60);
        const CString path =
            whole ? "C:\\temp\\Report_ .txt" : "C:\\temp\\KestraneWeavo\\merging.txt";
        EXPECT_TRUE(whole ? files.Open(report, path) : files.OpenLog(report, path));
        report.Write(0, "%s\n", longName);
        files.Close(report);
        return std::string(MergeRunMessage(files));
    };
    struct Writer
    {
        const char* name;
        std::string path;
        std::function<std::string()> write;
        bool whole;
    };
    const Writer writers[] = {
        {"merge report", (trace.Own() / "Report_ .txt").string(), [&] { return merged(true); },
         true},
        {"merge log", (trace.Own() / "KestraneWeavo" / "merging.txt").string(),
         [&] { return merged(false); }, false},
        {"duplicate-name report", (trace.Own() / "KestraneWeavoReport.txt").string(),
         [&]
         {
             ForgeonProject duplicates;
             Module* module = NewModule("BaseModule", 1);
             duplicates.AddModule(module);
             module->AddTable(NewTable(longName.c_str()));
             module->Append(NewForm(longName.c_str(), nullptr));
             EXPECT_TRUE(duplicates.HasDuplicateNames());
             return boxes.Shown().back().text;
         },
         true},
        {"Write All log", (trace.Own() / "KestraneWeavoWriteAll.txt").string(),
         []
         {
             GenerationReport report;
             for (std::size_t n = 0; n <= GenerationReport::shownEntries; ++n)
                 report.AddUnwrittenFile(("C:\\site\\page" + std::to_string(n) + ".aspx").c_str(),
                                         "full");
             return std::string(report.ClosingText("", AspxWriteAll::ReportLogPath()));
         },
         true},
        {"harness report", (trace.Own() / "KestraneWeavo" / "tgsreport.txt").string(),
         [&]
         {
             std::ostringstream out;
             TestHarness("C:\\temp\\KestraneWeavo", out).RunRegressionTests(tests.c_str());
             return out.str();
         },
         true},
    };
    for (const Writer& writer : writers)
    {
        SCOPED_TRACE(writer.name);
        fs::create_directories(fs::path(writer.path).parent_path());
        std::ofstream(writer.path) << "old text";
        std::string said;
        {
            const ScopedFileSizeLimit fullDisk(64);
            said = writer.write();
        }
        if (writer.whole)
        {
            EXPECT_EQ(ReadHostFile(writer.path), "old text");
        }
        EXPECT_NE(said.find(writer.path), std::string::npos) << said;
        EXPECT_NE(said.find("File too large"), std::string::npos) << said;
    }
}

} // namespace
