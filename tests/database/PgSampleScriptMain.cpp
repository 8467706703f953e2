// Writes the PostgreSQL script of the sample project into the project folder given as the
// argument (a host path); prints the script's path.
#include "database/PgSqlScriptWriter.h"
#include "model/GenerationReport.h"
#include "tests/database/SampleProject.h"

#include <cstdio>
#include <filesystem>

int main(int argc, char** argv)
{
    if (argc != 2)
    {
        std::fprintf(stderr, "usage: pg_sample_script <project folder>\n");
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    std::filesystem::create_directories(folder / "_system" / "scripts");
    SampleProject sample(folder.string().c_str());
    GenerationReport report;
    PgSqlScriptWriter(sample.Project(), report).Write();
    if (!report.IsEmpty())
    {
        std::fprintf(stderr, "%s\n", report.GetText().GetString());
        return 1;
    }
    std::printf("%s\n",
                (folder / "_system" / "scripts" / "KestraneWeavo_PGSQL_CreateTables.sql").c_str());
    return 0;
}
