// Times the schema load (tables, columns and triggers into DbSchema) of the database that
// scripts/bench-schema-load.sh made; the best of the given number of runs.
// Usage: bench_schema_load <connection string> [runs]
#include "database/DbSchema.h"
#include "database/SQLTable.h"
#include "database/SchemaLoader.h"
#include "platform/odbc/CDatabase.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv)
{
    if (argc < 2)
    {
        std::fprintf(stderr, "usage: %s <connection string> [runs]\n", argv[0]);
        return 2;
    }
    const int runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : 3;
    double best = 0;
    std::size_t tables = 0;
    std::size_t columns = 0;
    std::size_t triggers = 0;
    for (int run = 0; run < runs; ++run)
    {
        CDatabase database;
        database.OpenEx(argv[1]);
        SQLTable recordset(&database);
        DbSchema schema;
        const auto start = std::chrono::steady_clock::now();
        const DatabaseLoad load = LoadDatabase(recordset, schema, false);
        const double took =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        if (!load.loaded)
            return 1;
        best = run == 0 ? took : std::min(best, took);
        tables = schema.GetTables().size();
        columns = 0;
        triggers = 0;
        for (const auto& table : schema.GetTables())
        {
            columns += table->GetColumns().size();
            triggers += table->GetTriggers().size();
        }
    }
    std::printf("schema load: %.3f s (best of %d), %zu tables, %zu columns, %zu triggers\n", best,
                runs, tables, columns, triggers);
    return 0;
}
