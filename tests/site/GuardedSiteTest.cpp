#include "database/PgSqlScriptWriter.h"
#include "model/GenerationReport.h"

#include "tests/gen_web/ControlRuns.h"
#include "tests/gen_web/GuardProject.h"
#include "tests/site/GeneratedSite.h"

#include <cstdlib>

#ifndef WEAVO_TEST_DATA
#error "WEAVO_TEST_DATA names the folder of the test data"
#endif

namespace
{

std::string Environment(const char* name)
{
    const char* value = std::getenv(name);
    return value != nullptr ? value : "";
}

// The site served on a database built by the project's PostgreSQL script, its account table with
// an uploaded avatar: as the default account, the administrator, an editor and a clerk, the
// browser and a plain HTTP client use the pages and replay each attack; every attack must change
// nothing and run no statement.
TEST(GuardedSite, AttacksChangeNothingAndReachablePagesWork)
{
    ASSERT_FALSE(Environment("WEAVO_PG_ODBC").empty()) << "runs beside with_pg_cluster.sh";
    GuardProject fixture;
    fixture.AddShips();
    fixture.AddAccountAvatars();
    served_site::GeneratedSite site(fixture.Project(), fixture.Root());
    site.Write();
    ASSERT_FALSE(testing::Test::HasFatalFailure());
    site.CheckAndCompile({{"util/dbhandler.cs", std::filesystem::path(WEAVO_TEST_DATA) / "site" /
                                                    "PostgresDBHandler.cs"}});
    ASSERT_FALSE(testing::Test::HasFatalFailure());

    std::filesystem::create_directories(fixture.Root() / "_system" / "scripts");
    GenerationReport report;
    PgSqlScriptWriter(fixture.Project(), report).Write();
    ASSERT_TRUE(report.IsEmpty()) << report.GetText().GetString();
    const std::string psql = "psql -X -q -v ON_ERROR_STOP=1 -h 127.0.0.1 -U postgres -p " +
                             Environment("WEAVO_PG_PORT") + " -d " +
                             Environment("WEAVO_PG_DATABASE");
    const ToolResult run = RunTool(psql + " -f " +
                                   ShellQuoted(fixture.Root() / "_system" / "scripts" /
                                               "KestraneWeavo_PGSQL_CreateTables.sql"));
    ASSERT_EQ(0, run.exitCode) << run.output;

    const std::filesystem::path log = fixture.Root() / "statements.log";
    WriteHostFile(log, "");
    ::setenv("WEAVO_SQL_LOG", log.c_str(), 1);
    const ToolResult served =
        site.Serve("guarded-site.mjs",
                   {log.string(), (std::filesystem::path(ProgramFolder()) / "Guarded").string(),
                    // The program's own runs of control characters, which no upload name may hold.
                    ControlRunsText(",")});
    EXPECT_EQ(0, served.exitCode) << served.output;
}
} // namespace
