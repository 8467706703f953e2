#pragma once

#include "database/PgSqlScriptWriter.h"
#include "model/ForgeonProject.h"
#include "model/GenerationReport.h"
#include "tests/gen_web/GenWebProject.h"
#include "tests/gen_web/ToolRun.h"
#include "tests/site/GeneratedSite.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

namespace served_site
{
// A variable of the environment, "" when unset.
inline std::string EnvironmentValue(const char* name)
{
    const char* value = std::getenv(name);
    return value != nullptr ? value : "";
}

// The site written and compiled with tests/data/site/PostgresDBHandler.cs in place of the
// generated database class.
inline void WriteForPostgres(GeneratedSite& site)
{
    site.Write();
    ASSERT_FALSE(testing::Test::HasFatalFailure());
    site.CheckAndCompile({{"util/dbhandler.cs", std::filesystem::path(WEAVO_TEST_DATA) / "site" /
                                                    "PostgresDBHandler.cs"}});
}

// The project's tables, written by its PostgreSQL script into root, made on the throw-away
// cluster that with_pg_cluster.sh started; the site's stand-in database class then appends each
// statement to the empty log root/statements.log, whose path is given back.
inline void CreateSiteDatabase(ForgeonProject& project, const std::filesystem::path& root,
                               std::filesystem::path& log)
{
    ASSERT_FALSE(EnvironmentValue("WEAVO_PG_ODBC").empty()) << "runs beside with_pg_cluster.sh";
    std::filesystem::create_directories(root / "_system" / "scripts");
    GenerationReport report;
    PgSqlScriptWriter(project, report).Write();
    ASSERT_TRUE(report.IsEmpty()) << report.GetText().GetString();
    const ToolResult run =
        RunTool("psql -X -q -v ON_ERROR_STOP=1 -h 127.0.0.1 -U postgres -p " +
                EnvironmentValue("WEAVO_PG_PORT") + " -d " + EnvironmentValue("WEAVO_PG_DATABASE") +
                " -f " +
                ShellQuoted(root / "_system" / "scripts" / "KestraneWeavo_PGSQL_CreateTables.sql"));
    ASSERT_EQ(0, run.exitCode) << run.output;
    log = root / "statements.log";
    WriteHostFile(log, "");
    ::setenv("WEAVO_SQL_LOG", log.c_str(), 1);
}
} // namespace served_site
