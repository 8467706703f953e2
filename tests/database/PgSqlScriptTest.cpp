#include "database/PgSqlScriptWriter.h"
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

    PgSqlScriptWriter writer(sample.Project());
    writer.Write();

    EXPECT_FALSE(writer.GetFailure());
    EXPECT_EQ(
        ReadBytes(folder.Path() / "_system" / "scripts" / "KestraneWeavo_PGSQL_CreateTables.sql"),
        Expected("KestraneWeavo_PGSQL_CreateTables.sql"));
}
} // namespace
