#include "tests/gen_web/ControlRuns.h"
#include "tests/gen_web/GuardProject.h"
#include "tests/site/GeneratedSite.h"
#include "tests/site/SiteDatabase.h"

#ifndef WEAVO_TEST_DATA
#error "WEAVO_TEST_DATA names the folder of the test data"
#endif

namespace
{

// The site served on a database built by the project's PostgreSQL script, its account table with
// an uploaded avatar: as the default account, the administrator, an editor and a clerk, the
// browser and a plain HTTP client use the pages and replay each attack; every attack must change
// nothing and run no statement.
TEST(GuardedSite, AttacksChangeNothingAndReachablePagesWork)
{
    GuardProject fixture;
    fixture.AddShips();
    fixture.AddAccountAvatars();
    served_site::GeneratedSite site(fixture.Project(), fixture.Root());
    served_site::WriteForPostgres(site);
    ASSERT_FALSE(testing::Test::HasFatalFailure());

    std::filesystem::path log;
    served_site::CreateSiteDatabase(fixture.Project(), fixture.Root(), log);
    ASSERT_FALSE(testing::Test::HasFatalFailure());
    const ToolResult served =
        site.Serve("guarded-site.mjs",
                   {log.string(), (std::filesystem::path(ProgramFolder()) / "Guarded").string(),
                    // The program's own runs of control characters, which no upload name may hold.
                    ControlRunsText(",")});
    EXPECT_EQ(0, served.exitCode) << served.output;
}
} // namespace
