#include "gen_web/ProjectWriterSet.h"
#include "model/GenerationReport.h"
#include "tests/database/SampleProject.h"
#include "tests/database/ScriptFiles.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <fstream>

namespace
{
class SqlScriptStepTest : public ::testing::Test
{
protected:
    std::filesystem::path ScriptPath() const
    {
        return m_folder.Path() / "Sample" / "scripts" / "KestraneWeavo_Sample_Script.sql";
    }

    TempFolder m_folder;
    SampleProject m_sample{m_folder.ModelPath()};
    GenerationReport m_report;
    ProjectWriterSet m_writers{m_sample.Project(), m_report};
};

TEST_F(SqlScriptStepTest, WholeProjectGetsTheDatabaseScriptAndOneModuleItsTablesAndKeys)
{
    m_writers.WriteSqlScripts(nullptr);
    EXPECT_EQ(ReadBytes(ScriptPath()), Expected("KestraneWeavo_Sample_Script.sql"));

    m_writers.WriteSqlScripts(&m_sample.Stock());
    EXPECT_EQ(ReadBytes(ScriptPath()), Expected("Stock_Script.sql"));
    EXPECT_TRUE(m_report.IsEmpty());
}

TEST_F(SqlScriptStepTest, ScriptThatCannotBeWrittenGoesToTheReport)
{
    std::ofstream(m_folder.Path() / "Sample" / "scripts") << "not a folder";

    m_writers.WriteSqlScripts(nullptr);

    ASSERT_EQ(m_report.GetUnwrittenFiles().size(), 1u);
    EXPECT_EQ(m_report.GetUnwrittenFiles().front().name, m_sample.Project().GetScriptFilePath());
}
} // namespace
