// Builds modules of 100, 300 and 1,000 tables the table designer's way ("Generate Forms and
// Reports": each table with its form, search report, RDLC report and their menus; the middle
// table also with a select-all procedure), and times
// deleting one table, field, procedure, form, search report, RDLC report and menu item of the
// middle table, and the "Masters" menu with the items of every form, as the project tree deletes
// them, each in a process of its own beside loading the same project; then the top menu of a
// chain of 100,000 nested menus. Not a test: run scripts/bench-delete.sh.
// Times are processor times; peaks are the process's, load included.
//
//   bench_delete                      every scenario, one line each
//   bench_delete <tables>...          the given numbers of tables
//   bench_delete build T FILE         builds T tables, saves FILE
//   bench_delete delete FILE KIND     loads FILE, deletes one entity of the kind
//   bench_delete chain D FILE         builds a chain of D menus, saves FILE
//   bench_delete every FILE           deletes each entity of FILE in a load of its own and prints
//                                     a checksum of what each deletion saves

#include "bench/store/BenchChild.h"
#include "bench/store/BenchTables.h"
#include "entities/ApplicationReport.h"
#include "entities/Class.h"
#include "entities/DashBoard.h"
#include "entities/DashBoardPage.h"
#include "entities/Designation.h"
#include "entities/Form.h"
#include "entities/Function.h"
#include "entities/LoginPage.h"
#include "entities/MapForm.h"
#include "entities/Menu.h"
#include "entities/Procedure.h"
#include "entities/RDLCReport.h"
#include "entities/Transaction.h"
#include "model/Field.h"
#include "model/ForgeonProject.h"
#include "model/MainFrameAccess.h"
#include "model/Module.h"
#include "model/ProjectStore.h"
#include "model/Table.h"
#include "platform/core/LargeStack.h"
#include "platform/core/MessageBox.h"

#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace
{
const std::vector<std::string> kinds = {"table",  "field", "procedure", "form",
                                        "report", "rdlc",  "menu",      "masters"};

double CpuMilliseconds()
{
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return now.tv_sec * 1e3 + now.tv_nsec / 1e6;
}

CString TableName(int number)
{
    return CString("table_") + std::to_string(number).c_str();
}

int Build(int tables, const char* path)
{
    ForgeonProject project;
    MainFrameAccess::SetProjectSource([&project] { return &project; });
    project.InitNewProject();
    AddGeneratedBenchTables(project, tables);
    // Master tables come without procedures: the middle one gets a select-all procedure.
    CString middle = TableName(tables / 2);
    Module* module = project.GetCurrentModule();
    module->AddProcedure(new Procedure(module->FindTableByName(middle), true));
    ProjectStore store;
    const bool saved = store.ArchiveProject(&project, path, FALSE);
    MainFrameAccess::SetProjectSource({});
    return saved ? 0 : 1;
}

// A chain of menus, each the only sub-menu of the one above, under the module's menus.
int BuildChain(int depth, const char* path)
{
    ForgeonProject project;
    MainFrameAccess::SetProjectSource([&project] { return &project; });
    project.InitNewProject();
    auto* top = new Menu;
    top->SetName("chain");
    for (int level = 0; level < depth; ++level)
    {
        auto* parent = new Menu;
        parent->SetName("chain");
        parent->AddSubMenu(top);
        top = parent;
    }
    project.GetCurrentModule()->Append(top);
    ProjectStore store;
    const bool saved = store.ArchiveProject(&project, path, FALSE);
    MainFrameAccess::SetProjectSource({});
    return saved ? 0 : 1;
}

// Deletes one entity of the kind from the middle table's module as the project tree does; false
// when the entity is missing or stays.
bool Delete(ForgeonProject& project, const std::string& kind)
{
    Module* module = project.GetCurrentModule();
    if (kind == "masters")
    {
        Menu* masters = module->FindMenuByName("Masters");
        return masters != nullptr && project.DeleteMenu(masters) &&
               module->FindMenuByName("Masters") == nullptr;
    }
    if (kind == "chain")
    {
        Menu* top = module->FindMenuByName("chain");
        return top != nullptr && project.DeleteMenu(top) &&
               module->FindMenuByName("chain") == nullptr;
    }
    CString name = TableName(static_cast<int>(module->GetMasterTables().size()) / 2);
    Table* table = module->FindTableByName(name);
    if (table == nullptr)
        return false;
    if (kind == "table")
        return project.DeleteTable(table) && module->FindTableByName(name) == nullptr;
    if (kind == "field")
    {
        Field* field = table->FindFieldByName("column_5");
        return field != nullptr && project.DeleteField(field) &&
               table->FindFieldByName("column_5") == nullptr;
    }
    if (kind == "procedure")
    {
        const auto found = std::ranges::find_if(module->GetProcedures(), [table](const Procedure* p)
                                                { return p->GetMainTable() == table; });
        return found != module->GetProcedures().end() && project.DeleteProcedure(*found);
    }
    auto* form = dynamic_cast<Form*>(module->FindFormOfTable(table));
    if (kind == "form")
        return form != nullptr && project.DeleteForm(form) &&
               module->FindFormOfTable(table) == nullptr;
    if (kind == "report")
    {
        ApplicationReport* report = module->FindReportByName(name + " Report");
        return report != nullptr && project.DeleteApplicationReport(report) &&
               module->FindReportByName(name + " Report") == nullptr;
    }
    if (kind == "rdlc")
    {
        RDLCReport* report = module->FindRDLCReportForTable(table);
        return report != nullptr && project.DeleteRDLCReport(report) &&
               module->FindRDLCReportForTable(table) == nullptr;
    }
    Menu* menu = form != nullptr ? MenuOpening(*module, form) : nullptr;
    return kind == "menu" && menu != nullptr && project.DeleteMenu(menu) &&
           MenuOpening(*module, form) == nullptr;
}

// Loads the file and, unless the kind is "load", deletes one entity; prints the load's and the
// deletion's times.
int LoadAndDelete(const char* path, const std::string& kind)
{
    ProjectStore store;
    MainFrameAccess::SetProjectSource([&store] { return store.GetProject(); });
    const double start = CpuMilliseconds();
    if (!store.ArchiveProject(nullptr, path, TRUE))
        return 1;
    const double loaded = CpuMilliseconds();
    if (kind != "load" && !Delete(*store.GetProject(), kind))
        return 1;
    std::printf("%.1f %.1f\n", loaded - start, CpuMilliseconds() - loaded);
    MainFrameAccess::SetProjectSource({});
    return 0;
}

// One deletion of each entity of the project, in the order of its modules and lists; each
// answers whether the entity went.
std::vector<std::pair<std::string, std::function<bool()>>> EveryDeletion(ForgeonProject& project)
{
    std::vector<std::pair<std::string, std::function<bool()>>> deletions;
    const auto add = [&deletions, &project](const char* kind, const auto& entities, auto remove)
    {
        for (auto* entity : entities)
            deletions.emplace_back(kind,
                                   [&project, entity, remove] { return remove(project, entity); });
    };
    for (Module* module : project.GetModules())
    {
        std::vector<Table*> tables;
        module->GetAllTables(tables);
        add("table", tables, [](ForgeonProject& p, Table* table) { return p.DeleteTable(table); });
        for (Table* table : tables)
            add("field", table->GetFields(),
                [](ForgeonProject& p, Field* field) { return p.DeleteField(field); });
        add("procedure", module->GetProcedures(),
            [](ForgeonProject& p, Procedure* procedure) { return p.DeleteProcedure(procedure); });
        for (Class* dataClass : module->GetClasses())
            add("function", dataClass->GetFunctions(),
                [](ForgeonProject& p, Function* function) { return p.DeleteFunction(function); });
        add("form", module->GetMasterForms(),
            [](ForgeonProject& p, Form* form) { return p.DeleteForm(form); });
        add("transaction", module->GetTransactions(),
            [](ForgeonProject& p, Transaction* page) { return p.DeleteTransaction(page); });
        add("map form", module->GetMapForms(),
            [](ForgeonProject& p, MapForm* page) { return p.DeleteMapForm(page); });
        add("report", module->GetReports(),
            [](ForgeonProject& p, ApplicationReport* report)
            { return p.DeleteApplicationReport(report); });
        add("rdlc", module->GetRDLCReports(),
            [](ForgeonProject& p, RDLCReport* report) { return p.DeleteRDLCReport(report); });
        add("dashboard", module->GetDashBoards(),
            [](ForgeonProject& p, DashBoard* page) { return p.DeleteDashBoard(page); });
        add("dashboard page", module->GetDashBoardPages(),
            [](ForgeonProject& p, DashBoardPage* page) { return p.DeleteDashBoardPage(page); });
        if (module->GetLoginPage() != nullptr)
            add("login page", std::vector{module->GetLoginPage()},
                [](ForgeonProject& p, LoginPage* page) { return p.DeleteLoginPage(page); });
        std::vector<Menu*> menus;
        module->CollectMenus(menus, nullptr);
        add("menu", menus, [](ForgeonProject& p, Menu* menu) { return p.DeleteMenu(menu); });
        add("role", module->GetDesignations(),
            [](ForgeonProject& p, Designation* role) { return p.DeleteDesignation(role); });
    }
    return deletions;
}

// 64-bit FNV-1a of the file's bytes.
std::uint64_t Checksum(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    std::uint64_t hash = 0xcbf29ce484222325ULL;
    for (char byte; file.get(byte);)
        hash = (hash ^ static_cast<unsigned char>(byte)) * 0x100000001b3ULL;
    return hash;
}

// Loads the file once per entity, deletes that entity and saves; prints one line per deletion:
// kind, number, whether it went, the saved file's size and checksum.
int DeleteEach(const char* path)
{
    SetMessageBoxHandler([](const std::string&, UINT type, UINT)
                         { return DefaultMessageBoxButton(type); });
    const std::filesystem::path saved = std::filesystem::temp_directory_path() /
                                        ("weavo-bench-every-" + std::to_string(getpid()) + ".wvt");
    for (std::size_t index = 0;; ++index)
    {
        ProjectStore store;
        MainFrameAccess::SetProjectSource([&store] { return store.GetProject(); });
        if (!store.ArchiveProject(nullptr, path, TRUE))
        {
            std::printf("not loaded\n");
            return 0;
        }
        auto deletions = EveryDeletion(*store.GetProject());
        if (index == deletions.size())
            break;
        const bool deleted = LargeStack::Run(deletions[index].second);
        const bool written = store.ArchiveProject(store.GetProject(), saved.c_str(), FALSE);
        std::printf("%s %zu %s %s %ju %016jx\n", deletions[index].first.c_str(), index,
                    deleted ? "deleted" : "kept", written ? "saved" : "unsaved",
                    written ? static_cast<std::uintmax_t>(std::filesystem::file_size(saved)) : 0,
                    written ? static_cast<std::uintmax_t>(Checksum(saved.string())) : 0);
        MainFrameAccess::SetProjectSource({});
    }
    MainFrameAccess::SetProjectSource({});
    std::filesystem::remove(saved);
    return 0;
}

struct Timed
{
    double load = 0;
    double deletion = 0;
    double peakMegabytes = 0;
};

// Runs the command as a child that prints its two times.
Timed SpawnTimed(const std::vector<std::string>& arguments)
{
    const Run run = Spawn(arguments);
    Timed timed;
    std::sscanf(run.output.c_str(), "%lf %lf", &timed.load, &timed.deletion);
    timed.peakMegabytes = run.peakMegabytes;
    return timed;
}

void Print(const std::string& scenario, const std::string& kind, const Timed& run, double loadPeak)
{
    std::printf("%-12s %-9s | %8.1f | %9.1f | %6.2fx | %7.0f | %7.0f\n", scenario.c_str(),
                kind.c_str(), run.load, run.deletion, run.deletion / run.load, loadPeak,
                run.peakMegabytes);
    std::fflush(stdout);
}

int RunAll(const std::string& self, const std::vector<int>& sizes)
{
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / ("weavo-bench-delete-" + std::to_string(getpid()));
    std::filesystem::create_directories(folder);
    const std::string file = (folder / "project.wvt").string();
    std::printf(
        "project      deletion  |  load ms | delete ms | delete/load | load MB | peak MB\n");
    for (const int tables : sizes)
    {
        Spawn({self, "build", std::to_string(tables), file});
        const Timed load = SpawnTimed({self, "delete", file, "load"});
        for (const std::string& kind : kinds)
            Print(std::to_string(tables) + " tables", kind,
                  SpawnTimed({self, "delete", file, kind}), load.peakMegabytes);
    }
    Spawn({self, "chain", "100000", file});
    const Timed load = SpawnTimed({self, "delete", file, "load"});
    Print("100000 menus", "top menu", SpawnTimed({self, "delete", file, "chain"}),
          load.peakMegabytes);
    std::filesystem::remove_all(folder);
    return 0;
}
} // namespace

int main(int argc, char** argv)
{
    const std::string mode = argc > 1 ? argv[1] : "";
    if (mode == "build" && argc == 4)
        return Build(std::atoi(argv[2]), argv[3]);
    if (mode == "chain" && argc == 4)
        return BuildChain(std::atoi(argv[2]), argv[3]);
    if (mode == "delete" && argc == 4)
        return LoadAndDelete(argv[2], argv[3]);
    if (mode == "every" && argc == 3)
        return DeleteEach(argv[2]);
    std::vector<int> sizes = {100, 300, 1000};
    if (argc > 1)
    {
        sizes.clear();
        for (int index = 1; index < argc; ++index)
        {
            const int tables = std::atoi(argv[index]);
            if (tables < 2)
            {
                std::fprintf(stderr, "usage: bench_delete [tables...]\n");
                return 2;
            }
            sizes.push_back(tables);
        }
    }
    return RunAll(std::filesystem::canonical("/proc/self/exe").string(), sizes);
}
