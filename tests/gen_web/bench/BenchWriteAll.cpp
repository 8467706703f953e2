// Builds a project of 500 master tables with 10 fields each and their default forms over 10
// modules, runs Write All into the folder given and prints the time it took (elapsed and
// processor) and the files it wrote.
#include "gen_web/AspxWriteAll.h"
#include "gen_web/ProjectFolder.h"
#include "model/ForgeonProject.h"
#include "model/MainFrameAccess.h"
#include "model/Module.h"
#include "platform/core/HostPath.h"
#include "tests/gen_web/bench/WriteAllBenchProject.h"

#include <chrono>
#include <cstdio>
#include <filesystem>

int main(int argc, char** argv)
{
    using namespace bench;
    if (argc != 2)
    {
        std::fprintf(stderr, "usage: bench_write_all <output folder>\n");
        return 2;
    }
    ForgeonProject project;
    MainFrameAccess::SetProjectSource([&project] { return &project; });
    project.InitNewProject();
    project.SetProjectName("Bench");
    project.SetProjectPath(argv[1]);
    for (int m = 1; m < moduleCount; ++m)
        project.AddNewModule();
    for (Module* module : project.GetModules())
        AddTables(project, *module);
    // The folder as Project Properties sets it up: Write All checks that the project file's
    // support files are there.
    SetUpProjectFolder(project, ProgramFolder().c_str());
    CopyProjectTheme(project, ProgramFolder().c_str());

    const auto start = std::chrono::steady_clock::now();
    const Cpu cpuAtStart = ProcessorTimes();
    const bool written = AspxWriteAll(&project).Run(nullptr);
    const Cpu cpuAtEnd = ProcessorTimes();
    const std::chrono::duration<double> seconds = std::chrono::steady_clock::now() - start;

    std::size_t forms = 0;
    for (const Module* module : project.GetModules())
        forms += module->GetMasterForms().size();
    int files = 0;
    for (const auto& entry :
         std::filesystem::recursive_directory_iterator(ToHostPath(project.GetProjectPath())))
        files += entry.is_regular_file() ? 1 : 0;
    std::printf("Write All of %zu master forms: %.3f s (%.3f s user, %.3f s sys), %d files%s\n",
                forms, seconds.count(), cpuAtEnd.user - cpuAtStart.user,
                cpuAtEnd.system - cpuAtStart.system, files,
                written ? "" : " (not everything was written)");
    MainFrameAccess::SetProjectSource({});
    return written ? 0 : 1;
}
