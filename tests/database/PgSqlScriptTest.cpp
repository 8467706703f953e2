#include "database/PgSqlScriptWriter.h"
#include "model/GenerationReport.h"
#include "tests/database/SampleProject.h"
#include "tests/database/ScriptFiles.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

namespace
{
// The text of the script that pg_script_test runs on a PostgreSQL server.
TEST(PgSqlScriptTest, ScriptOfTheSampleProject)
{
    TempFolder folder;
    std::filesystem::create_directories(folder.Path() / "_system" / "scripts");
    SampleProject sample(folder.ModelPath());

    GenerationReport report;
    PgSqlScriptWriter(sample.Project(), report).Write();

    EXPECT_TRUE(report.IsEmpty());
    EXPECT_EQ(
        ReadBytes(folder.Path() / "_system" / "scripts" / "KestraneWeavo_PGSQL_CreateTables.sql"),
        Expected("KestraneWeavo_PGSQL_CreateTables.sql"));
}
} // namespace
