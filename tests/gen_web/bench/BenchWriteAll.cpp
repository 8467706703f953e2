// Builds a project of 500 master tables with 10 fields each and their default forms over 10
// modules, runs Write All into the folder given and prints the time it took (elapsed and
// processor) and the files it wrote.
#include "gen_web/AspxWriteAll.h"
#include "gen_web/ProjectFolder.h"
#include "model/ForgeonProject.h"
#include "model/MainFrameAccess.h"
#include "tests/gen_web/bench/WriteAllBenchProject.h"

#include <cstdio>

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
    AddBenchModules(project, argv[1]);
    // The folder as Project Properties sets it up: Write All checks that the project file's
    // support files are there.
    SetUpProjectFolder(project, ProgramFolder().c_str());
    CopyProjectTheme(project, ProgramFolder().c_str());

    const bool written = TimeWriteAll(project, "Write All",
                                      [&project] { return AspxWriteAll(&project).Run(nullptr); });
    MainFrameAccess::SetProjectSource({});
    return written ? 0 : 1;
}
