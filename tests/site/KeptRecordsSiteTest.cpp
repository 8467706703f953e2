#include "tests/gen_web/GuardProject.h"
#include "tests/site/GeneratedSite.h"
#include "tests/site/SiteDatabase.h"

#ifndef WEAVO_TEST_DATA
#error "WEAVO_TEST_DATA names the folder of the test data"
#endif

namespace
{

// The site served on a database built by the project's PostgreSQL script: every page kind that
// stores a record, in Chromium and from a plain HTTP client, refuses what it cannot read as
// typed, what the post left out, a blank required field and rows numbered with a gap or twice,
// with the page's message, and keeps the record and what was typed, the master-detail pages
// their rows too; sound values are stored as typed, and a field the page has no input for is
// neither asked for nor lost.
TEST(KeptRecordsSite, RecordsAreStoredAsTypedOrRefused)
{
    GuardProject fixture;
    fixture.AddTypedRecords();
    fixture.AddShips(/*laden=*/true);
    served_site::GeneratedSite site(fixture.Project(), fixture.Root());
    served_site::WriteForPostgres(site);
    ASSERT_FALSE(testing::Test::HasFatalFailure());
    // The columns in PostgreSQL's types: dates as "date".
    fixture.Project().SetSqlServerDatabase(0);
    std::filesystem::path log;
    served_site::CreateSiteDatabase(fixture.Project(), fixture.Root(), log);
    ASSERT_FALSE(testing::Test::HasFatalFailure());
    const ToolResult served = site.Serve(
        "kept-records-site.mjs",
        {log.string(), (std::filesystem::path(ProgramFolder()) / "KeptRecords").string()});
    EXPECT_EQ(0, served.exitCode) << served.output;
}
} // namespace
