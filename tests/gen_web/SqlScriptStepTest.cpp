#include "gen_web/ProjectWriterSet.h"
#include "tests/database/SampleProject.h"
#include "tests/database/ScriptFiles.h"

#include <gtest/gtest.h>

#include <fstream>

namespace
{
class SqlScriptStepTest : public ::testing::Test, protected SampleProjectFolder
{
protected:
    ProjectWriterSet writers{sample.Project(), report};
};

TEST_F(SqlScriptStepTest, WholeProjectGetsTheDatabaseScriptAndOneModuleItsTablesAndKeys)
{
    writers.WriteSqlScripts(nullptr);
    EXPECT_EQ(ReadHostFile(ScriptPath()), Expected("KestraneWeavo_Sample_Script.sql"));

    writers.WriteSqlScripts(&sample.Stock());
    EXPECT_EQ(ReadHostFile(ScriptPath()), Expected("Stock_Script.sql"));
    EXPECT_TRUE(report.IsEmpty());
}

TEST_F(SqlScriptStepTest, ScriptThatCannotBeWrittenGoesToTheReport)
{
    std::ofstream(folder.Path() / "Sample" / "scripts") << "not a folder";

    writers.WriteSqlScripts(nullptr);

    ASSERT_EQ(report.GetUnwrittenFiles().size(), 1u);
    EXPECT_EQ(report.GetUnwrittenFiles().front().name, sample.Project().GetScriptFilePath());
}
} // namespace
