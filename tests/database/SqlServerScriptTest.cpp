#include "database/DesignationScriptWriter.h"
#include "database/SqlProcedureWriter.h"
#include "database/SqlScriptWriter.h"
#include "model/GenerationReport.h"
#include "tests/database/SampleProject.h"
#include "tests/database/ScriptFiles.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

namespace
{
class SqlServerScriptTest : public ::testing::Test
{
protected:
    std::filesystem::path ScriptPath() const
    {
        return m_folder.Path() / "Sample" / "scripts" / "KestraneWeavo_Sample_Script.sql";
    }

    TempFolder m_folder;
    SampleProject m_sample{m_folder.ModelPath()};
    GenerationReport m_report;
};

TEST_F(SqlServerScriptTest, DatabaseScriptOfTheSampleProject)
{
    SqlScriptWriter(m_sample.Project(), nullptr, m_report).WriteDatabaseScript();

    EXPECT_TRUE(m_report.IsEmpty());
    EXPECT_EQ(ReadBytes(ScriptPath()), Expected("KestraneWeavo_Sample_Script.sql"));
    EXPECT_EQ(m_sample.Project().GetDatabaseName(), "Sample_db");
}

// What Write All writes for one module.
TEST_F(SqlServerScriptTest, ModuleScriptHasItsTablesAndForeignKeysOnly)
{
    {
        SqlScriptWriter writer(m_sample.Project(), nullptr, m_report);
        writer.WriteModuleTables(m_sample.Stock());
        writer.WriteModuleForeignKeys(m_sample.Stock());
    }
    EXPECT_EQ(ReadBytes(ScriptPath()), Expected("Stock_Script.sql"));
}

TEST_F(SqlServerScriptTest, ProcedureTextOfEveryFamily)
{
    SqlProcedureWriter writer(m_sample.Project());
    for (const Module* module : m_sample.Project().GetModules())
        for (const Procedure* procedure : module->GetProcedures())
            writer.WriteProcedure(*procedure);

    EXPECT_EQ(std::string(writer.GetProcedureText()), Expected("procedures.txt"));
}

TEST_F(SqlServerScriptTest, TableProcedureFileHoldsTheWrittenProceduresOfTheTable)
{
    std::filesystem::create_directory(m_folder.Path() / "Scripts");
    SqlProcedureWriter(m_sample.Project())
        .WriteTableProcedureFile(m_sample.Base(), m_sample.Customer(), m_report);

    EXPECT_TRUE(m_report.IsEmpty());
    EXPECT_EQ(ReadBytes(m_folder.Path() / "Scripts" / "customer_procedureCreate.sql"),
              Expected("customer_procedureCreate.sql"));
}

TEST_F(SqlServerScriptTest, DesignationScriptLeavesTheDatabaseScriptAlone)
{
    std::filesystem::create_directories(m_folder.Path() / "_system" / "scripts");
    SqlScriptWriter(m_sample.Project(), nullptr, m_report).WriteDatabaseScript();
    const std::string databaseScript = ReadBytes(ScriptPath());

    DesignationScriptWriter(m_sample.Project(), m_report).Write();

    EXPECT_TRUE(m_report.IsEmpty());
    EXPECT_EQ(ReadBytes(m_folder.Path() / "_system" / "scripts" / "desigInsert.sql"),
              Expected("desigInsert.sql"));
    EXPECT_EQ(ReadBytes(ScriptPath()), databaseScript);
}
} // namespace
