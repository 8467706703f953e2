// Builds the project of the ASP.NET Write All benchmark as a classic project (500 master tables
// with 10 fields each and their default forms over 10 modules), runs the classic Write All into
// the folder given and prints the time it took (elapsed and processor) and the files it wrote.
#include "entities/DashBoardPage.h"
#include "gen_classic/AspWriteAll.h"
#include "model/Field.h"
#include "model/ForgeonProject.h"
#include "model/MainFrameAccess.h"
#include "model/Module.h"
#include "model/Table.h"
#include "model/TableFormCreator.h"
#include "platform/core/HostPath.h"
#include "platform/core/MessageBox.h"

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <sys/resource.h>

namespace
{
constexpr int moduleCount = 10;
constexpr int tablesPerModule = 50;
constexpr int fieldsPerTable = 10;

struct Cpu
{
    double user;
    double system;
};

Cpu ProcessorTimes()
{
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    const auto seconds = [](const timeval& time) { return time.tv_sec + time.tv_usec / 1e6; };
    return {seconds(usage.ru_utime), seconds(usage.ru_stime)};
}

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

void AddTables(ForgeonProject& project, Module& module)
{
    project.SetCurrentModule(&module);
    for (int t = 0; t < tablesPerModule; ++t)
    {
        CString name;
        name.Format("%s_t%d", module.GetName().GetString(), t);
        auto* table = new Table;
        table->SetTableName(name);
        table->EnsureDefaultFields();
        for (int f = 0; f < fieldsPerTable; ++f)
        {
            CString fieldName;
            fieldName.Format("f%d", f);
            auto* field = new Field;
            field->Set(fieldName, fieldName, f % 2 == 0 ? FieldTypeVarchar : FieldTypeInt, 50, 0,
                       nullptr, "", false, false, true, false, false);
            table->AddField(field);
        }
        table->EnsureDefaultFields();
        module.AddTable(table);
        TableFormCreator(table, &project).CreateForm();
    }
}
} // namespace

int main(int argc, char** argv)
{
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
