#include "shell/logic/DependencyRows.h"

#include "model/DependenciesDlg.h"

#include <iterator>

CString DependencyKindName(int kind)
{
    static constexpr const char* kNames[] = {
        "Table",       "App Report",       "Form",
        "Transaction", "Dash Board",       "Menu",
        "Map Table",   "Dash Board Pages", "Multi Page Report",
        "Procedure",   "Designation",
    };
    return kind >= 0 && kind < static_cast<int>(std::size(kNames)) ? kNames[kind] : "--";
}

std::vector<DependencyRow> DependencyRowsOf(const std::vector<DependencyRecord*>& records)
{
    std::vector<DependencyRow> rows;
    for (const DependencyRecord* record : records)
        rows.push_back({true, record->name, DependencyKindName(record->kind), record->moduleName});
    return rows;
}
