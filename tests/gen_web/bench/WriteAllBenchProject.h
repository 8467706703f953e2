#pragma once

// The project of the Write All benchmarks: 500 master tables with 10 fields each and their
// default forms over 10 modules; and the processor time of the process.
#include "model/Field.h"
#include "model/ForgeonProject.h"
#include "model/Module.h"
#include "model/Table.h"
#include "model/TableFormCreator.h"

#include <sys/resource.h>

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
} // namespace bench
