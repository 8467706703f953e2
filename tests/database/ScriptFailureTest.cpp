#include "database/DesignationScriptWriter.h"
#include "database/PgSqlScriptWriter.h"
#include "database/SqlProcedureWriter.h"
#include "database/SqlScriptWriter.h"
#include "tests/database/SampleProject.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <optional>

namespace
{
using Failure = std::optional<ScriptFileFailure>;

struct FailureCase
{
    // The test name's suffix.
    const char* writer;
    // A plain file stands where the script's folder should be.
    const char* blocker;
    std::function<Failure(SampleProject&)> write;
    const char* pathEnd;
};

const FailureCase failureCases[] = {
    {"DatabaseScript", "Sample/scripts",
     [](SampleProject& sample)
     {
         SqlScriptWriter writer(sample.Project(), nullptr);
         writer.WriteDatabaseScript();
         return writer.GetFailure();
     },
     "Sample\\scripts\\KestraneWeavo_Sample_Script.sql"},
    {"ProcedureFile", "Scripts",
     [](SampleProject& sample)
     {
         SqlProcedureWriter writer(sample.Project());
         writer.WriteTableProcedureFile(sample.Base(), sample.Customer());
         return writer.GetFailure();
     },
     "\\Scripts\\customer_procedureCreate.sql"},
    {"DesignationScript", "_system",
     [](SampleProject& sample)
     {
         DesignationScriptWriter writer(sample.Project());
         writer.Write();
         return writer.GetFailure();
     },
     "\\_system/scripts/desigInsert.sql"},
    {"PostgreSqlScript", "_system",
     [](SampleProject& sample)
     {
         PgSqlScriptWriter writer(sample.Project());
         writer.Write();
         return writer.GetFailure();
     },
     "\\_system/scripts/KestraneWeavo_PGSQL_CreateTables.sql"},
};

class ScriptFailureTest : public ::testing::TestWithParam<FailureCase>
{
};

TEST_P(ScriptFailureTest, FileThatCannotBeOpenedIsReportedWithItsPathAndReason)
{
    const FailureCase& test = GetParam();
    TempFolder folder;
    SampleProject sample(folder.ModelPath());
    std::ofstream(folder.Path() / test.blocker) << "not a folder";

    const Failure failure = test.write(sample);

    ASSERT_TRUE(failure);
    EXPECT_TRUE(std::string(failure->path).ends_with(test.pathEnd)) << failure->path.GetString();
    EXPECT_FALSE(failure->reason.IsEmpty());
}

INSTANTIATE_TEST_SUITE_P(EveryScript, ScriptFailureTest, ::testing::ValuesIn(failureCases),
                         [](const ::testing::TestParamInfo<FailureCase>& info)
                         { return std::string(info.param.writer); });
} // namespace
