#include "database/DesignationScriptWriter.h"
#include "database/PgSqlScriptWriter.h"
#include "database/SqlProcedureWriter.h"
#include "database/SqlScriptWriter.h"
#include "platform/core/HostPath.h"
#include "tests/database/SampleProject.h"
#include "tests/support/ReadOnlyFolder.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <fstream>
#include <functional>
#include <optional>

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
