#pragma once

#include "database/PgSqlScriptWriter.h"
#include "model/GenerationReport.h"

#include <cstdio>
#include <filesystem>

// The main of a program that writes the PostgreSQL script of a fixture project into the project
// folder given as the argument (a host path) and prints the script's path. The fixture is made
// from the folder's path and gives its project through Project().
template <class Fixture> int WritePgScriptOfFixture(int argc, char** argv)
{
    if (argc != 2)
    {
        std::fprintf(stderr, "usage: %s <project folder>\n", argv[0]);
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    std::filesystem::create_directories(folder / "_system" / "scripts");
    Fixture fixture(folder.string().c_str());
    GenerationReport report;
    PgSqlScriptWriter(fixture.Project(), report).Write();
    if (!report.IsEmpty())
    {
        std::fprintf(stderr, "%s\n", report.GetText().GetString());
        return 1;
    }
    std::printf("%s\n",
                (folder / "_system" / "scripts" / "KestraneWeavo_PGSQL_CreateTables.sql").c_str());
    return 0;
}
