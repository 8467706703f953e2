// Times the main window with a large project open: switching the right pane between two editor
// views, and rebuilding the project tree; or, with menus, refilling the three pages of the menu
// editor beside the tree's rebuild. Not a test: run scripts/bench-shell.sh. Wall-clock times on
// the offscreen platform, the median of the runs.
//
//   bench_shell [tables] [tables per module]     5,000 tables, 50 to a module by default
//   bench_shell menus [menus] [modules]           5,000 menus over 50 modules by default

#include "editors/MenuDlg.h"
#include "entities/Menu.h"
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

// The menus spread evenly over the modules: top-level menus of ten sub-menus each.
void FillMenus(ForgeonProject& project, int menus, int modules)
{
    const int perModule = menus / modules;
    for (int module = 0; module < modules; ++module)
    {
        if (module > 0)
            project.SetCurrentModule(project.AddNewModule());
        Menu* top = nullptr;
        for (int number = 0; number < perModule; ++number)
        {
            auto* menu = new Menu;
            menu->SetName(CString("menu_") + std::to_string(number).c_str());
            if (number % 10 == 0)
                project.GetCurrentModule()->Append(top = menu);
            else
                top->AddSubMenu(menu);
        }
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
    const bool menus = argc > 1 && std::string(argv[1]) == "menus";
    const int first = menus ? 2 : 1;
    const int count = argc > first ? std::atoi(argv[first]) : 5000;
    const int spread = argc > first + 1 ? std::atoi(argv[first + 1]) : 50;
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
    if (menus)
        FillMenus(project, count, spread);
    else
        FillProject(project, count, spread);
    frame.RefreshTree();
    QApplication::processEvents();
    if (menus)
    {
        frame.EditMenu(nullptr);
        auto& editor = dynamic_cast<MenuDlg&>(*frame.GetRightPaneView(RightPane::MenuView));
        const double pages = MedianMilliseconds([&editor](int) { editor.ReloadPage(); });
        // A renamed menu makes every page show its tree again.
        Menu& renamed = *project.GetModuleAt(0)->GetMenuAt(0);
        const double changed = MedianMilliseconds(
            [&editor, &renamed](int run)
            {
                renamed.SetName(CString("menu_") + std::to_string(run).c_str());
                editor.ReloadPage();
            });
        const double tree = MedianMilliseconds([&frame](int) { frame.RefreshTree(); });
        std::printf("%d menus in %d modules, %u tree items\n", count, project.GetModuleCount(),
                    frame.GetTreeView()->GetTreeCtrl().GetCount());
        std::printf("menu pages refill: %.2f ms (goal within 2x the tree rebuild)\n", pages);
        std::printf("menu pages refill after a rename: %.2f ms\n", changed);
        std::printf("tree rebuild: %.2f ms\n", tree);
        std::filesystem::remove_all(folder);
        return 0;
    }

    const double switching = MedianMilliseconds(
        [&frame](int run)
        { frame.ShowRightPane(run % 2 == 0 ? RightPane::TableView : RightPane::FormEditor); });
    const double tree = MedianMilliseconds([&frame](int) { frame.RefreshTree(); });
    std::printf("%d tables in %d modules, %u tree items\n", count, project.GetModuleCount(),
                frame.GetTreeView()->GetTreeCtrl().GetCount());
    std::printf("pane switch: %.2f ms (goal under 50 ms)\n", switching);
    std::printf("tree rebuild: %.2f ms (goal under 100 ms)\n", tree);
    std::filesystem::remove_all(folder);
    return 0;
}
