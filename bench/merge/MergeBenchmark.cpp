// Builds two projects of one module each through the model, half of the second's tables shared
// with the first, and times loading both merge inputs beside loading both and merging the
// module whole. Not a test: run scripts/bench-merge.sh. Times are processor times of this
// process, the best of three runs.
//
//   bench_merge                  250, 500 and 1,000 tables, one line each
//   bench_merge <tables>...      the given numbers of tables (for a profiler)

#include "bench/store/BenchTables.h"
#include "merge/MergeSelection.h"
#include "merge/ProjectMerger.h"
#include "model/ForgeonProject.h"
#include "model/MainFrameAccess.h"
#include "model/Module.h"
#include "model/ProjectStore.h"
#include "model/TableFormCreator.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <string>
#include <vector>

namespace
{
constexpr int repeats = 3;

double CpuMilliseconds()
{
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return now.tv_sec * 1e3 + now.tv_nsec / 1e6;
}

// The module "Sales" with the tables, each with its form (and its menu entry and data class)
// and its search report; the tables below sharedUpTo are the shared "table_<n>", the others are
// named after the prefix.
bool Build(int tables, int sharedUpTo, const char* prefix, const std::string& path)
{
    ForgeonProject project;
    MainFrameAccess::SetProjectSource([&project] { return &project; });
    project.InitNewProject();
    Module* sales = project.AddNewModule();
    sales->RenameDefaultObjects("Sales");
    sales->SetName("Sales");
    project.SetCurrentModule(sales);
    Table* previous = nullptr;
    for (int number = 0; number < tables; ++number)
    {
        const std::string name =
            (number < sharedUpTo ? std::string("table_") : std::string(prefix)) +
            std::to_string(number);
        Table* table = NewBenchTable(name.c_str(), previous);
        sales->AddTable(table);
        TableFormCreator creator(table, &project);
        creator.CreateForm();
        creator.CreateReport();
        previous = table;
    }
    ProjectStore store;
    const bool saved = store.ArchiveProject(&project, path.c_str(), FALSE);
    MainFrameAccess::SetProjectSource({});
    return saved;
}

// Loads both inputs and, with merge set, merges them; the best time of the runs.
double Time(const std::string& first, const std::string& second, bool merge)
{
    double best = 0;
    for (int run = 0; run < repeats; ++run)
    {
        ProjectStore store;
        ScriptedMergeSelection selection = ScriptedMergeSelection::FullModule("Sales", false);
        ProjectMergerRegistration registration(selection);
        const double start = CpuMilliseconds();
        if (!store.LoadFirstMergeProject(first.c_str()) ||
            !store.LoadSecondMergeProject(second.c_str()) || (merge && !store.MergeProjects()))
        {
            std::fprintf(stderr, "the run failed\n");
            std::exit(1);
        }
        const double taken = CpuMilliseconds() - start;
        store.DeleteMergeProjects();
        if (run == 0 || taken < best)
            best = taken;
    }
    return best;
}
} // namespace

int main(int argc, char** argv)
{
    std::vector<int> sizes = {250, 500, 1000};
    if (argc > 1)
    {
        sizes.clear();
        for (int index = 1; index < argc; ++index)
        {
            char* end = nullptr;
            const long tables = std::strtol(argv[index], &end, 10);
            if (end == argv[index] || *end != '\0' || tables < 2 || tables > 100000)
            {
                std::fprintf(stderr, "not a number of tables from 2 to 100000: %s\n", argv[index]);
                return 2;
            }
            sizes.push_back(static_cast<int>(tables));
        }
    }
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / ("weavo-bench-merge-" + std::to_string(getpid()));
    std::filesystem::create_directories(folder);
    // The merge's report files go to the benchmark's folder.
    ::setenv("TMPDIR", folder.c_str(), 1);
    const std::string first = (folder / "first.wvt").string();
    const std::string second = (folder / "second.wvt").string();
    std::printf("tables | load both ms | load+merge ms | merge ms | merge/load\n");
    for (const int tables : sizes)
    {
        if (!Build(tables, tables, "first_", first) ||
            !Build(tables, tables / 2, "second_", second))
        {
            std::fprintf(stderr, "the projects could not be saved\n");
            return 1;
        }
        const double load = Time(first, second, false);
        const double merged = Time(first, second, true);
        std::printf("%6d | %12.0f | %13.0f | %8.0f | %9.2fx\n", tables, load, merged, merged - load,
                    (merged - load) / load);
        std::fflush(stdout);
    }
    std::filesystem::remove_all(folder);
    return 0;
}
