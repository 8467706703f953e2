// Builds the project of the ASP.NET Write All benchmark as a classic project (500 master tables
// with 10 fields each and their default forms over 10 modules), runs the classic Write All into
// the folder given and prints the time it took (elapsed and processor) and the files it wrote.
#include "gen_classic/AspWriteAll.h"
#include "model/ForgeonProject.h"
#include "model/MainFrameAccess.h"
#include "platform/core/MessageBox.h"
#include "tests/gen_web/bench/WriteAllBenchProject.h"

#include <cstdio>

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
    AddBenchModules(project, argv[1]);

    Answers answers;
    AspWriteAll writeAll(&project, nullptr, answers);
    const bool written =
        TimeWriteAll(project, "Classic Write All", [&writeAll] { return writeAll.Run(nullptr); });
    if (!written)
        std::fprintf(stderr, "%s\n", writeAll.GetReport().GetText().GetString());
    MainFrameAccess::SetProjectSource({});
    return written ? 0 : 1;
}
