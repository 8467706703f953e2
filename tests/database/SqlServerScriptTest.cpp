#include "database/DesignationScriptWriter.h"
#include "database/SqlProcedureWriter.h"
#include "database/SqlScriptWriter.h"
#include "tests/database/SampleProject.h"
#include "tests/database/ScriptFiles.h"

#include <gtest/gtest.h>

namespace
{
class SqlServerScriptTest : public ::testing::Test, protected SampleProjectFolder
{
};

TEST_F(SqlServerScriptTest, DatabaseScriptOfTheSampleProject)
{
    SqlScriptWriter(sample.Project(), nullptr, report).WriteDatabaseScript();

    EXPECT_TRUE(report.IsEmpty());
    EXPECT_EQ(ReadBytes(ScriptPath()), Expected("KestraneWeavo_Sample_Script.sql"));
    EXPECT_EQ(sample.Project().GetDatabaseName(), "Sample_db");
}

// What Write All writes for one module.
TEST_F(SqlServerScriptTest, ModuleScriptHasItsTablesAndForeignKeysOnly)
{
    {
        SqlScriptWriter writer(sample.Project(), nullptr, report);
        writer.WriteModuleTables(sample.Stock());
        writer.WriteModuleForeignKeys(sample.Stock());
    }
    EXPECT_EQ(ReadBytes(ScriptPath()), Expected("Stock_Script.sql"));
}

TEST_F(SqlServerScriptTest, ProcedureTextOfEveryFamily)
{
    SqlProcedureWriter writer(sample.Project());
    for (const Module* module : sample.Project().GetModules())
        for (const Procedure* procedure : module->GetProcedures())
            writer.WriteProcedure(*procedure);

    EXPECT_EQ(std::string(writer.GetProcedureText()), Expected("procedures.txt"));
}

TEST_F(SqlServerScriptTest, TableProcedureFileHoldsTheWrittenProceduresOfTheTable)
{
    std::filesystem::create_directory(folder.Path() / "Scripts");
    SqlProcedureWriter(sample.Project())
        .WriteTableProcedureFile(sample.Base(), sample.Customer(), report);

    EXPECT_TRUE(report.IsEmpty());
    EXPECT_EQ(ReadBytes(folder.Path() / "Scripts" / "customer_procedureCreate.sql"),
              Expected("customer_procedureCreate.sql"));
}

TEST_F(SqlServerScriptTest, DesignationScriptLeavesTheDatabaseScriptAlone)
{
    std::filesystem::create_directories(folder.Path() / "_system" / "scripts");
    SqlScriptWriter(sample.Project(), nullptr, report).WriteDatabaseScript();
    const std::string databaseScript = ReadBytes(ScriptPath());

    DesignationScriptWriter(sample.Project(), report).Write();

    EXPECT_TRUE(report.IsEmpty());
    EXPECT_EQ(ReadBytes(folder.Path() / "_system" / "scripts" / "desigInsert.sql"),
              Expected("desigInsert.sql"));
    EXPECT_EQ(ReadBytes(ScriptPath()), databaseScript);
}
} // namespace
