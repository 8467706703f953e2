// Builds the project of the ASP.NET Write All benchmark as a classic project (500 master tables
// with 10 fields each and their default forms over 10 modules), runs the classic Write All into
// the folder given and prints the time it took (elapsed and processor) and the files it wrote.
#include "gen_classic/AspWriteAll.h"
#include "model/ForgeonProject.h"
#include "model/MainFrameAccess.h"
#include "model/Module.h"
#include "platform/core/HostPath.h"
#include "platform/core/MessageBox.h"
#include "tests/gen_web/bench/WriteAllBenchProject.h"

#include <chrono>
#include <cstdio>
#include <filesystem>

namespace
{
class Answers : public ClassicWriteServices
{
public:
    void SaveBackupCopy(const CString&) override {}
    bool SelectForWrite(const CString&, bool& writeMenus, bool&) override
    {
        writeMenus = true;
        return true;
    }
    void SetStatusText(const CString&) override {}
};

} // namespace

int main(int argc, char** argv)
{
    using namespace bench;
    if (argc != 2)
    {
        std::fprintf(stderr, "usage: bench_classic_write_all <output folder>\n");
        return 2;
    }
    SetMessageBoxHandler(
        [](const std::string& text, UINT, UINT)
        {
            std::fprintf(stderr, "%s\n", text.c_str());
            return IDOK;
        });
    ForgeonProject project;
    MainFrameAccess::SetProjectSource([&project] { return &project; });
    project.InitNewProject();
    project.SetOutputKind(0);
    project.SetProjectName("Bench");
    project.SetProjectPath(argv[1]);
    for (int m = 1; m < moduleCount; ++m)
        project.AddNewModule();
    for (Module* module : project.GetModules())
        AddTables(project, *module);

    Answers answers;
    AspWriteAll writeAll(&project, nullptr, answers);
    const auto start = std::chrono::steady_clock::now();
    const Cpu cpuAtStart = ProcessorTimes();
    const bool written = writeAll.Run(nullptr);
    const Cpu cpuAtEnd = ProcessorTimes();
    const std::chrono::duration<double> seconds = std::chrono::steady_clock::now() - start;

    std::size_t forms = 0;
    for (const Module* module : project.GetModules())
        forms += module->GetMasterForms().size();
    int files = 0;
    for (const auto& entry :
         std::filesystem::recursive_directory_iterator(ToHostPath(project.GetProjectPath())))
        files += entry.is_regular_file() ? 1 : 0;
    std::printf(
        "Classic Write All of %zu master forms: %.3f s (%.3f s user, %.3f s sys), %d files%s\n",
        forms, seconds.count(), cpuAtEnd.user - cpuAtStart.user,
        cpuAtEnd.system - cpuAtStart.system, files, written ? "" : " (not everything was written)");
    if (!written)
        std::fprintf(stderr, "%s\n", writeAll.GetReport().GetText().GetString());
    MainFrameAccess::SetProjectSource({});
    return written ? 0 : 1;
}
