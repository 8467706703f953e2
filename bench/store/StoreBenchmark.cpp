// Builds projects of growing size through the model and measures how the project store loads
// and saves them, beside cat and cp of the same file. Not a test: run scripts/bench-store.sh.
// Times are processor times (user and system), the best of three runs, so that other work on a
// shared machine counts as little as it can. "same" says whether the load and save wrote the
// bytes it read.
//
//   bench_store                       every scenario, one line each
//   bench_store build T M FILE        builds T tables, M to a module, saves FILE
//   bench_store load FILE [OUT]       loads FILE (and saves OUT)

#include "bench/store/BenchChild.h"
#include "bench/store/BenchTables.h"
#include "model/Field.h"
#include "model/ForgeonProject.h"
#include "model/MainFrameAccess.h"
#include "model/Module.h"
#include "model/ProjectStore.h"
#include "model/Table.h"

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace
{
constexpr int repeats = 3;

// The processor time of this process so far.
double CpuMilliseconds()
{
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return now.tv_sec * 1e3 + now.tv_nsec / 1e6;
}

// Builds the project and saves it; prints the build time per table of each quarter.
int Build(int tables, int perModule, const char* path)
{
    ForgeonProject project;
    MainFrameAccess::SetProjectSource([&project] { return &project; });
    project.InitNewProject();
    double quarters[4] = {};
    Table* previous = nullptr;
    for (int number = 0; number < tables; ++number)
    {
        const double start = CpuMilliseconds();
        if (number > 0 && number % perModule == 0)
        {
            project.SetCurrentModule(project.AddNewModule());
            previous = nullptr;
        }
        Table* table = NewBenchTable(CString("table_") + std::to_string(number).c_str(), previous);
        AddDesignedTable(project, table);
        previous = table;
        quarters[std::min(3, number * 4 / tables)] += CpuMilliseconds() - start;
    }
    ProjectStore store;
    if (!store.ArchiveProject(&project, path, FALSE))
        return 1;
    const double perQuarter = tables / 4.0;
    std::printf("%d %.1f %.1f %.1f %.1f\n", project.GetModuleCount(),
                quarters[0] * 1000 / perQuarter, quarters[1] * 1000 / perQuarter,
                quarters[2] * 1000 / perQuarter, quarters[3] * 1000 / perQuarter);
    MainFrameAccess::SetProjectSource({});
    return 0;
}

// Loads the file (and saves it again); prints the time taken, without start and end of the
// process.
int Load(const char* path, const char* out)
{
    ProjectStore store;
    MainFrameAccess::SetProjectSource([&store] { return store.GetProject(); });
    const double start = CpuMilliseconds();
    if (!store.ArchiveProject(nullptr, path, TRUE))
        return 1;
    if (out != nullptr && !store.ArchiveProject(store.GetProject(), out, FALSE))
        return 1;
    std::printf("%.2f\n", CpuMilliseconds() - start);
    MainFrameAccess::SetProjectSource({});
    return 0;
}

// The fastest of a few runs; with measured set, by the time the command prints.
Run Fastest(const std::vector<std::string>& arguments, bool measured = false)
{
    Run best;
    for (int i = 0; i < repeats; ++i)
    {
        Run run = Spawn(arguments, !measured);
        if (measured)
            run.milliseconds = std::atof(run.output.c_str());
        if (i == 0 || run.milliseconds < best.milliseconds)
            best = run;
    }
    return best;
}

// The two files hold the same bytes.
bool SameBytes(const std::string& first, const std::string& second)
{
    std::ifstream a(first, std::ios::binary);
    std::ifstream b(second, std::ios::binary);
    return std::equal(std::istreambuf_iterator<char>(a), {}, std::istreambuf_iterator<char>(b), {});
}

void Scenario(const std::string& self, const std::filesystem::path& folder, int tables,
              int perModule)
{
    const std::string file = (folder / "project.wvt").string();
    const std::string copy = (folder / "copy.wvt").string();
    const Run build =
        Spawn({self, "build", std::to_string(tables), std::to_string(perModule), file});
    int modules = 0;
    double quarters[4] = {};
    std::sscanf(build.output.c_str(), "%d %lf %lf %lf %lf", &modules, &quarters[0], &quarters[1],
                &quarters[2], &quarters[3]);
    const Run cat = Fastest({"cat", file});
    const Run load = Fastest({self, "load", file}, true);
    const Run cp = Fastest({"cp", file, copy});
    const Run loadSave = Fastest({self, "load", file, copy}, true);
    const double megabytes = std::filesystem::file_size(file) / 1e6;
    std::printf("%6d %4d %7.1f | %7.1f %6.1f %6.1fx | %7.1f %6.1f %6.1fx | %6.0f | %4s | %5.0f "
                "%5.0f %5.0f %5.0f\n",
                tables, modules, megabytes, load.milliseconds, cat.milliseconds,
                load.milliseconds / cat.milliseconds, loadSave.milliseconds, cp.milliseconds,
                loadSave.milliseconds / cp.milliseconds, loadSave.peakMegabytes,
                SameBytes(file, copy) ? "yes" : "NO", quarters[0], quarters[1], quarters[2],
                quarters[3]);
    std::fflush(stdout);
}

int RunAll(const std::string& self)
{
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / ("weavo-bench-" + std::to_string(getpid()));
    std::filesystem::create_directories(folder);
    std::printf("tables mods    MB   |  load ms  cat ms  ratio | l+s ms   cp ms  ratio | peak MB "
                "| same | build us/table by quarter\n");
    for (const int tables : {50, 500, 2000, 5000})
        Scenario(self, folder, tables, 50);
    for (const int tables : {100, 200, 400, 800, 1000})
        Scenario(self, folder, tables, tables);
    std::filesystem::remove_all(folder);
    return 0;
}
} // namespace

int main(int argc, char** argv)
{
    const std::string mode = argc > 1 ? argv[1] : "";
    if (mode == "build" && argc == 5)
        return Build(std::atoi(argv[2]), std::atoi(argv[3]), argv[4]);
    if (mode == "load" && (argc == 3 || argc == 4))
        return Load(argv[2], argc == 4 ? argv[3] : nullptr);
    if (argc == 1)
        return RunAll(std::filesystem::canonical("/proc/self/exe").string());
    std::fprintf(stderr, "usage: bench_store [build TABLES PER_MODULE FILE | load FILE [OUT]]\n");
    return 2;
}
