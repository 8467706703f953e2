// Builds two projects of one module each through the model, half of the second's tables shared
// with the first, and times loading both merge inputs beside loading both and merging the
// module whole, kept and overwriting. Not a test: run scripts/bench-merge.sh. Times are processor
// times of this process, the best of three runs.
//
//   bench_merge                  250, 500 and 1,000 tables, one line each
//   bench_merge <tables>...      the given numbers of tables
//   bench_merge --keep|--overwrite <tables>...
//                                one merge kind alone, run once (for a profiler)

#include "bench/store/BenchTables.h"
#include "merge/MergeSelection.h"
#include "merge/ProjectMerger.h"
#include "model/ForgeonProject.h"
#include "model/MainFrameAccess.h"
#include "model/ProjectStore.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <optional>
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
    AddSalesModule(project, tables, sharedUpTo, prefix, false);
    ProjectStore store;
    const bool saved = store.ArchiveProject(&project, path.c_str(), FALSE);
    MainFrameAccess::SetProjectSource({});
    return saved;
}

enum class Run
{
    load,
    keep,
    overwrite,
};

// Loads both inputs and, unless only loading, merges them so; the best time of the runs.
double Time(const std::string& first, const std::string& second, Run kind, int runs = repeats)
{
    double best = 0;
    for (int run = 0; run < runs; ++run)
    {
        ProjectStore store;
        ScriptedMergeSelection selection =
            ScriptedMergeSelection::FullModule("Sales", kind == Run::overwrite);
        ProjectMergerRegistration registration(selection);
        const double start = CpuMilliseconds();
        if (!store.LoadFirstMergeProject(first.c_str()) ||
            !store.LoadSecondMergeProject(second.c_str()) ||
            (kind != Run::load && !store.MergeProjects()))
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
    std::optional<Run> alone;
    int firstSize = 1;
    if (argc > 1 && std::string(argv[1]) == "--keep")
        alone = Run::keep;
    else if (argc > 1 && std::string(argv[1]) == "--overwrite")
        alone = Run::overwrite;
    if (alone)
        firstSize = 2;
    if (argc > firstSize)
    {
        sizes.clear();
        for (int index = firstSize; index < argc; ++index)
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
    if (!alone)
        std::printf("tables | load both ms | keep merge ms | keep/load | overwrite merge ms | "
                    "overwrite/load\n");
    for (const int tables : sizes)
    {
        if (!Build(tables, tables, "first_", first) ||
            !Build(tables, tables / 2, "second_", second))
        {
            std::fprintf(stderr, "the projects could not be saved\n");
            return 1;
        }
        if (alone)
        {
            Time(first, second, *alone, 1);
            continue;
        }
        const double load = Time(first, second, Run::load);
        const double keep = Time(first, second, Run::keep) - load;
        const double overwrite = Time(first, second, Run::overwrite) - load;
        std::printf("%6d | %12.0f | %13.0f | %8.2fx | %18.0f | %13.2fx\n", tables, load, keep,
                    keep / load, overwrite, overwrite / load);
        std::fflush(stdout);
    }
    std::filesystem::remove_all(folder);
    return 0;
}
