#include "database/DesignationScriptWriter.h"
#include "database/PgSqlScriptWriter.h"
#include "database/SqlProcedureWriter.h"
#include "database/SqlScriptWriter.h"
#include "platform/core/HostPath.h"
#include "tests/database/SampleProject.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <fstream>
#include <functional>
#include <optional>
#include <sched.h>
#include <sys/mount.h>
#include <sys/wait.h>
#include <unistd.h>

namespace
{
struct FailureCase
{
    // The test name's suffix.
    const char* writer;
    // A plain file stands where the script's folder should be.
    const char* blocker;
    std::function<void(SampleProject&, GenerationReport&)> write;
    const char* pathEnd;
};

const FailureCase failureCases[] = {
    {"DatabaseScript", "Sample/scripts",
     [](SampleProject& sample, GenerationReport& report)
     { SqlScriptWriter(sample.Project(), nullptr, report).WriteDatabaseScript(); },
     "Sample\\scripts\\KestraneWeavo_Sample_Script.sql"},
    {"ModuleScript", "Sample/scripts",
     [](SampleProject& sample, GenerationReport& report)
     {
         SqlScriptWriter writer(sample.Project(), nullptr, report);
         writer.WriteModuleTables(sample.Stock());
         writer.WriteModuleForeignKeys(sample.Stock());
     },
     "Sample\\scripts\\KestraneWeavo_Sample_Script.sql"},
    {"ProcedureFile", "Scripts",
     [](SampleProject& sample, GenerationReport& report)
     {
         SqlProcedureWriter(sample.Project())
             .WriteTableProcedureFile(sample.Base(), sample.Customer(), report);
     },
     "\\Scripts\\customer_procedureCreate.sql"},
    {"DesignationScript", "_system",
     [](SampleProject& sample, GenerationReport& report)
     { DesignationScriptWriter(sample.Project(), report).Write(); },
     "\\_system/scripts/desigInsert.sql"},
    {"PostgreSqlScript", "_system",
     [](SampleProject& sample, GenerationReport& report)
     { PgSqlScriptWriter(sample.Project(), report).Write(); },
     "\\_system/scripts/KestraneWeavo_PGSQL_CreateTables.sql"},
};

class ScriptFailureTest : public ::testing::TestWithParam<FailureCase>
{
};

TEST_P(ScriptFailureTest, FileThatCannotBeOpenedGoesToTheReportOnce)
{
    const FailureCase& test = GetParam();
    SampleProjectFolder project;
    std::ofstream(project.folder.Path() / test.blocker) << "not a folder";
    GenerationReport& report = project.report;

    test.write(project.sample, report);

    ASSERT_EQ(report.GetUnwrittenFiles().size(), 1u);
    const GenerationReport::Entry& entry = report.GetUnwrittenFiles().front();
    EXPECT_TRUE(std::string(entry.name).ends_with(test.pathEnd)) << entry.name.GetString();
    EXPECT_FALSE(entry.reason.IsEmpty());
}

// A fresh project folder holds none of the script folders: each writer makes its own.
TEST_P(ScriptFailureTest, FreshProjectFolderGetsTheScript)
{
    const FailureCase& test = GetParam();
    SampleProjectFolder project;
    GenerationReport& report = project.report;

    test.write(project.sample, report);

    EXPECT_TRUE(report.IsEmpty()) << report.GetText().GetString();
    CString relative = test.pathEnd;
    relative.TrimLeft('\\');
    const std::filesystem::path written =
        ToHostPath(project.sample.Project().GetProjectPath() + relative);
    EXPECT_TRUE(std::filesystem::is_regular_file(written)) << written;
}

// Runs the work in a child process that sees the folder on a read-only file system of its own
// (a read-only bind in a mount namespace) and returns what the work wrote; no value where such a
// namespace cannot be made.
std::optional<std::string> OnReadOnlyFolder(const std::filesystem::path& folder,
                                            const std::function<std::string()>& work)
{
    constexpr int kNoNamespace = 77;
    int channel[2];
    if (::pipe(channel) != 0)
        return std::nullopt;
    const pid_t child = ::fork();
    if (child == 0)
    {
        ::close(channel[0]);
        const char* path = folder.c_str();
        if (::unshare(CLONE_NEWNS) != 0 ||
            ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 ||
            ::mount(path, path, nullptr, MS_BIND, nullptr) != 0 ||
            ::mount(nullptr, path, nullptr, MS_REMOUNT | MS_BIND | MS_RDONLY, nullptr) != 0)
            ::_exit(kNoNamespace);
        const std::string text = work();
        const bool written =
            ::write(channel[1], text.data(), text.size()) == static_cast<ssize_t>(text.size());
        ::_exit(written ? 0 : 1);
    }
    ::close(channel[1]);
    std::string text;
    char buffer[512];
    for (ssize_t got; (got = ::read(channel[0], buffer, sizeof buffer)) > 0;)
        text.append(buffer, static_cast<std::size_t>(got));
    ::close(channel[0]);
    int status = 0;
    if (child < 0 || ::waitpid(child, &status, 0) != child || !WIFEXITED(status) ||
        WEXITSTATUS(status) != 0)
        return std::nullopt;
    return text;
}

// The folder cannot be made: the report names why, not the file's absence that follows.
TEST_P(ScriptFailureTest, AProjectFolderOnAReadOnlyFileSystemIsNamedAsTheReason)
{
    const FailureCase& test = GetParam();
    SampleProjectFolder project;
    const std::optional<std::string> reasons = OnReadOnlyFolder(
        project.folder.Path(),
        [&]
        {
            test.write(project.sample, project.report);
            std::string text;
            for (const GenerationReport::Entry& entry : project.report.GetUnwrittenFiles())
                text += std::string(entry.reason) + "\n";
            return text;
        });
    if (!reasons)
        GTEST_SKIP() << "no mount namespace for a read-only folder here";
    EXPECT_EQ(*reasons, std::string(std::strerror(EROFS)) + "\n");
}

INSTANTIATE_TEST_SUITE_P(EveryScript, ScriptFailureTest, ::testing::ValuesIn(failureCases),
                         [](const ::testing::TestParamInfo<FailureCase>& info)
                         { return std::string(info.param.writer); });
} // namespace
