#include "database/PgSqlScriptWriter.h"
#include "tests/database/SampleProject.h"
#include "tests/database/ScriptFiles.h"

#include <gtest/gtest.h>

namespace
{
// The text of the script that pg_script_test runs on a PostgreSQL server.
TEST(PgSqlScriptTest, ScriptOfTheSampleProject)
{
    SampleProjectFolder project;
    const std::filesystem::path scripts = project.folder.Path() / "_system" / "scripts";
    std::filesystem::create_directories(scripts);

    PgSqlScriptWriter(project.sample.Project(), project.report).Write();

    EXPECT_TRUE(project.report.IsEmpty());
    EXPECT_EQ(ReadHostFile(scripts / "KestraneWeavo_PGSQL_CreateTables.sql"),
              Expected("KestraneWeavo_PGSQL_CreateTables.sql"));
}
} // namespace
