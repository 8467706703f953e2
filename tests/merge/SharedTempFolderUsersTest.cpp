// Users of one machine who share its temp folder each write their traces, reports and logs into
// a folder of their own there.
#include "entities/Form.h"
#include "merge/MergeReportFiles.h"
#include "merge/MergeRunMessage.h"
#include "model/ForgeonProject.h"
#include "model/GenerationReport.h"
#include "model/Module.h"
#include "model/TextFile.h"
#include "platform/core/HostPath.h"
#include "platform/core/ScriptedMessageBoxes.h"
#include "tests/model/ModelBuilders.h"
#include "tests/support/HostFiles.h"
#include "tests/support/OtherUser.h"
#include "tests/support/ScopedEnvironment.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <string>

namespace
{
namespace fs = std::filesystem;

// A temp folder that users share, in a folder that everyone may pass.
class SharedTemp
{
public:
    SharedTemp(mode_t mode, gid_t group)
    {
        fs::create_directory(Path());
        if (::chown(Path().c_str(), 0, group) != 0 || ::chmod(Path().c_str(), mode) != 0)
            throw std::runtime_error("cannot share the temp folder");
    }

    fs::path Path() const { return m_outer.Path() / "tmp"; }

private:
    PassableFolder m_outer;
};

// What one run of the user writes into the trace folder, as the user is told of it: the trace,
// the duplicate-name report, a Write All log of more lines than its box shows and a merge's
// reports.
std::string WriteTracesReportsAndLogs()
{
    std::string said;
    TextFile trace("C:\\temp\\KestraneWeavoDebugReport.txt", true, '=', 60, false, false);
    trace.Write(0, "%s\n", "traced");
    trace.Close();
    said += "trace: " + std::string(trace.GetFailure().IsEmpty() ? "written" : trace.GetFailure());

    ScriptedMessageBoxes boxes;
    ForgeonProject project;
    Module* module = NewModule("BaseModule", 1);
    project.AddModule(module);
    module->AddTable(NewTable("Customer"));
    module->Append(NewForm("Customer", nullptr));
    project.HasDuplicateNames();

    GenerationReport report;
    for (std::size_t n = 0; n <= GenerationReport::shownEntries; ++n)
        report.AddUnwrittenFile(("C:\\site\\page" + std::to_string(n) + ".aspx").c_str(), "full");
    const CString box = report.GetBoxText("C:\\temp\\KestraneWeavoWriteAll.txt");
    said += "\nWrite All:" + std::string(box.Mid(box.ReverseFind('\n')));

    MergeReportFiles files;
    for (const char* path : {"C:\\temp\\Report.txt", "C:\\temp\\KestraneWeavo\\merging.txt"})
    {
        TextFile log(false, true, '=', 60);
        files.Open(log, path);
        log.Write(0, "%s\n", "merged");
        files.Close(log);
    }
    said += "\nmerge: " + std::string(MergeRunMessage(files));
    return said;
}

// The owner and the permission bits of the file, as "<uid> <octal mode>".
std::string OwnerAndMode(const std::string& path)
{
    struct stat info;
    if (::lstat(path.c_str(), &info) != 0)
        return "missing";
    char mode[8];
    std::snprintf(mode, sizeof mode, "%o", static_cast<unsigned>(info.st_mode & 07777));
    return std::to_string(info.st_uid) + " " + mode;
}

TEST(SharedTempFolderUsersTest, EachUserWritesTracesReportsAndLogsIntoAFolderOfTheirOwn)
{
    if (!CanActAsOtherUsers())
        GTEST_SKIP() << "acting as other users of the machine needs root";
    struct Kind
    {
        const char* name;
        mode_t mode;
    };
    const Kind kinds[] = {{"shared by a group", 02770}, {"sticky for all", 01777}};
    for (const Kind& kind : kinds)
    {
        SCOPED_TRACE(kind.name);
        const SharedTemp shared(kind.mode, kSharedGroup);
        const ScopedEnvironment tmpdir("TMPDIR", shared.Path().c_str());
        for (const uid_t user : {kFirstUser, kSecondUser})
        {
            const std::string own =
                shared.Path().string() + "/KestraneWeavo-" + std::to_string(user);
            EXPECT_EQ(AsUser(user, kSharedGroup, WriteTracesReportsAndLogs),
                      "trace: written\nWrite All:\nEvery line is in " + own +
                          "/KestraneWeavoWriteAll.txt\nmerge: The merge report and logs are in " +
                          own + ".");
            EXPECT_EQ(ReadHostFile(own + "/KestraneWeavoReport.txt"), "Customer\r\n");
            EXPECT_EQ(ReadHostFile(own + "/KestraneWeavo/merging.txt"), "merged\r\n");
            // A folder of the user's own, which the other may not enter, with files only the
            // user may read.
            for (const char* name :
                 {"", "/KestraneWeavoDebugReport.txt", "/KestraneWeavoReport.txt",
                  "/KestraneWeavoWriteAll.txt", "/Report.txt"})
                EXPECT_EQ(OwnerAndMode(own + name),
                          std::to_string(user) + (*name == '\0' ? " 700" : " 600"))
                    << name;
        }
    }
}

// A name of the user's folder that another user took first: a link goes where the temp folder
// lets it and the folder is made; a folder, or a link the sticky folder keeps, is refused and
// named, and nothing is written through it.
TEST(SharedTempFolderUsersTest, AFolderOrLinkAnotherUserPutAtTheFoldersNameIsReplacedOrRefused)
{
    if (!CanActAsOtherUsers())
        GTEST_SKIP() << "acting as other users of the machine needs root";
    struct Case
    {
        const char* name;
        mode_t mode;
        bool plantFolder;
        bool refused;
    };
    const Case cases[] = {
        {"link in a group's folder", 02770, false, false},
        {"link in a sticky folder", 01777, false, true},
        {"folder in a group's folder", 02770, true, true},
        {"folder in a sticky folder", 01777, true, true},
    };
    for (const Case& each : cases)
    {
        SCOPED_TRACE(each.name);
        const SharedTemp shared(each.mode, kSharedGroup);
        const ScopedEnvironment tmpdir("TMPDIR", shared.Path().c_str());
        const std::string own =
            shared.Path().string() + "/KestraneWeavo-" + std::to_string(kFirstUser);
        const std::string theirs = shared.Path().string() + "/theirs";
        const bool planted = AsUser(kSecondUser, kSharedGroup,
                                    [&]
                                    {
                                        fs::create_directory(theirs);
                                        if (each.plantFolder)
                                            fs::create_directory(own);
                                        else
                                            fs::create_directory_symlink(theirs, own);
                                        return std::string("planted");
                                    }) == "planted";
        ASSERT_TRUE(planted);
        const std::string said =
            AsUser(kFirstUser, kSharedGroup,
                   []
                   {
                       TextFile trace("C:\\temp\\Trace.txt", true, '=', 60, false, false);
                       return std::string(trace.GetFailure());
                   });
        EXPECT_EQ(said, each.refused ? own + " belongs to another user" : "");
        EXPECT_TRUE(fs::is_empty(theirs));
        struct stat info;
        ASSERT_EQ(::lstat(own.c_str(), &info), 0);
        EXPECT_EQ(info.st_uid, each.refused ? kSecondUser : kFirstUser);
    }
}
} // namespace
