#pragma once

// The project of the Write All benchmarks: 500 master tables with 10 fields each and their
// default forms over 10 modules; and the processor time of the process.
#include "model/Field.h"
#include "model/ForgeonProject.h"
#include "model/Module.h"
#include "model/Table.h"
#include "model/TableFormCreator.h"
#include "platform/core/HostPath.h"

#include <sys/resource.h>

#include <chrono>
#include <cstdio>
#include <filesystem>

namespace bench
{
constexpr int moduleCount = 10;
constexpr int tablesPerModule = 50;
constexpr int fieldsPerTable = 10;

struct Cpu
{
    double user;
    double system;
};

// The processor time of this process so far, in seconds.
inline Cpu ProcessorTimes()
{
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    const auto seconds = [](const timeval& time) { return time.tv_sec + time.tv_usec / 1e6; };
    return {seconds(usage.ru_utime), seconds(usage.ru_stime)};
}

inline void AddTables(ForgeonProject& project, Module& module)
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

// Names the project, points it at the output folder and fills its modules.
inline void AddBenchModules(ForgeonProject& project, const char* folder)
{
    project.SetProjectName("Bench");
    project.SetProjectPath(folder);
    for (int m = 1; m < moduleCount; ++m)
        project.AddNewModule();
    for (Module* module : project.GetModules())
        AddTables(project, *module);
}

// Runs a Write All and prints "<what> of N master forms: ..." with its elapsed and processor
// time and the files in the project folder; true when everything was written.
template <class Run> bool TimeWriteAll(const ForgeonProject& project, const char* what, Run run)
{
    const auto start = std::chrono::steady_clock::now();
    const Cpu cpuAtStart = ProcessorTimes();
    const bool written = run();
    const Cpu cpuAtEnd = ProcessorTimes();
    const std::chrono::duration<double> seconds = std::chrono::steady_clock::now() - start;

    std::size_t forms = 0;
    for (const Module* module : project.GetModules())
        forms += module->GetMasterForms().size();
    int files = 0;
    for (const auto& entry :
         std::filesystem::recursive_directory_iterator(ToHostPath(project.GetProjectPath())))
        files += entry.is_regular_file() ? 1 : 0;
    std::printf("%s of %zu master forms: %.3f s (%.3f s user, %.3f s sys), %d files%s\n", what,
                forms, seconds.count(), cpuAtEnd.user - cpuAtStart.user,
                cpuAtEnd.system - cpuAtStart.system, files,
                written ? "" : " (not everything was written)");
    return written;
}
} // namespace bench
