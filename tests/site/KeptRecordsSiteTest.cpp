#include "platform/core/HostPath.h"
#include "tests/gen_web/GuardProject.h"
#include "tests/site/GeneratedSite.h"
#include "tests/site/SiteDatabase.h"

#include <filesystem>
#include <string>

#ifndef WEAVO_TEST_DATA
#error "WEAVO_TEST_DATA names the folder of the test data"
#endif

namespace
{
// The pages of the written site that store a record, as the program wrote them: those whose
// code-behind handles an Add or an Update; comma-separated.
std::string RecordPages(const served_site::GeneratedSite& site,
                        const std::filesystem::path& application)
{
    std::string pages;
    for (const std::string& page : site.Pages())
    {
        const std::string code = ReadHostFile(application / (page + ".cs"));
        if (code.find("void handleAdd()") != std::string::npos ||
            code.find("void handleUpdate()") != std::string::npos)
            pages += (pages.empty() ? "" : ",") + page;
    }
    return pages;
}

// The site served on a database built by the project's PostgreSQL script: every page kind that
// stores a record, in Chromium and from a plain HTTP client, refuses what it cannot read as
// typed, what the post left out, a blank required field, rows numbered with a gap or twice and a
// character no page can carry, with the page's message, and keeps the record and what was typed,
// the master-detail pages their rows too; sound values are stored as typed, a field the page has
// no input for is neither asked for nor lost, and what is stored a page shows again.
TEST(KeptRecordsSite, RecordsAreStoredAsTypedOrRefused)
{
    GuardProject fixture;
    fixture.AddTypedRecords();
    fixture.AddShips(/*laden=*/true);
    fixture.AddDeliveries();
    // Day first: a date shown on a page is not the form the database reads.
    fixture.Project().SetDateFormat("dd/mm/yyyy");
    served_site::GeneratedSite site(fixture.Project(), fixture.Root());
    served_site::WriteForPostgres(site);
    ASSERT_FALSE(testing::Test::HasFatalFailure());
    // The columns in PostgreSQL's types: dates as "date".
    fixture.Project().SetSqlServerDatabase(0);
    std::filesystem::path log;
    served_site::CreateSiteDatabase(fixture.Project(), fixture.Root(), log);
    ASSERT_FALSE(testing::Test::HasFatalFailure());
    const ToolResult served =
        site.Serve("kept-records-site.mjs",
                   {log.string(), (std::filesystem::path(ProgramFolder()) / "KeptRecords").string(),
                    RecordPages(site, fixture.Root() / "Guard" / "Guard")});
    EXPECT_EQ(0, served.exitCode) << served.output;
}
} // namespace
