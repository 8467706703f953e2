// Times the main window with a large project open: switching the right pane between two editor
// views, and rebuilding the project tree. Not a test: run scripts/bench-shell.sh. Wall-clock
// times on the offscreen platform, the median of the runs.
//
//   bench_shell [tables] [tables per module]     5,000 tables, 50 to a module by default

#include "model/ForgeonProject.h"
#include "model/Module.h"
#include "model/Table.h"
#include "model/TableFormCreator.h"
#include "shell/ForgeonApp.h"
#include "shell/ForgeonDoc.h"
#include "shell/ForgeonView.h"
#include "shell/MainFrame.h"

#include <QApplication>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

namespace
{
constexpr int runs = 101;

// The tables with their default fields and master form, spread over modules.
void FillProject(ForgeonProject& project, int tables, int perModule)
{
    for (int number = 0; number < tables; ++number)
    {
        if (number > 0 && number % perModule == 0)
            project.SetCurrentModule(project.AddNewModule());
        auto* table = new Table;
        table->SetTableName(CString("table_") + std::to_string(number).c_str());
        table->EnsureDefaultFields();
        project.GetCurrentModule()->AddTable(table);
        TableFormCreator(table, &project).CreateForm();
    }
}

template <class Work> double MedianMilliseconds(Work work)
{
    std::vector<double> times;
    for (int run = 0; run < runs; ++run)
    {
        const auto start = std::chrono::steady_clock::now();
        work(run);
        QApplication::processEvents();
        times.push_back(
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                .count());
    }
    std::nth_element(times.begin(), times.begin() + runs / 2, times.end());
    return times[runs / 2];
}
} // namespace

int main(int argc, char** argv)
{
    const int tables = argc > 1 ? std::atoi(argv[1]) : 5000;
    const int perModule = argc > 2 ? std::atoi(argv[2]) : 50;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const std::filesystem::path folder = std::filesystem::temp_directory_path() / "bench-shell";
    std::filesystem::create_directories(folder);
    ::setenv("XDG_DATA_HOME", (folder / "data").c_str(), 1);
    ForgeonApp::SetStartupPause(0);
    ForgeonApp app;
    app.SetProfileFolder((folder / "profile").c_str());
    const char* arguments[] = {"bench_shell"};
    app.SetCommandLine(1, arguments);
    if (!app.InitInstance())
        return 1;
    MainFrame& frame = *MainFrame::Get();
    ForgeonProject& project = *frame.GetProject();
    FillProject(project, tables, perModule);
    frame.RefreshTree();
    QApplication::processEvents();

    const double switching = MedianMilliseconds(
        [&frame](int run)
        { frame.ShowRightPane(run % 2 == 0 ? RightPane::TableView : RightPane::FormEditor); });
    const double tree = MedianMilliseconds([&frame](int) { frame.RefreshTree(); });
    std::printf("%d tables in %d modules, %u tree items\n", tables, project.GetModuleCount(),
                frame.GetTreeView()->GetTreeCtrl().GetCount());
    std::printf("pane switch: %.2f ms (goal under 50 ms)\n", switching);
    std::printf("tree rebuild: %.2f ms (goal under 100 ms)\n", tree);
    std::filesystem::remove_all(folder);
    return 0;
}
