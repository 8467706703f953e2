#include "designers/logic/OutputColumns.h"

#include "entities/ApplicationReport.h"
#include "entities/ProcedureFieldInfo.h"
#include "entities/ReportGroup.h"

namespace OutputColumns
{
std::vector<ListColumn> ListColumns(const char* heading)
{
    return {{"", 0}, {heading, 70}};
}

std::vector<ProcedureFieldInfo*> Of(const ReportGroup& group)
{
    std::vector<ProcedureFieldInfo*> columns;
    const int count = group.GetFunctionColumnCount();
    for (int index = 0; index < count; ++index)
    {
        if (ProcedureFieldInfo* column = group.GetFunctionColumnAt(index))
            columns.push_back(column);
    }
    return columns;
}

CString DisplayName(const ProcedureFieldInfo* column)
{
    CString name;
    if (column != nullptr)
        column->GetDisplayName(name);
    return name;
}

std::vector<ListRow> Rows(const std::vector<ProcedureFieldInfo*>& columns)
{
    std::vector<ListRow> rows;
    for (const ProcedureFieldInfo* column : columns)
        rows.push_back({{"", DisplayName(column)}});
    return rows;
}

std::vector<CString> Names(const std::vector<ProcedureFieldInfo*>& columns)
{
    std::vector<CString> names;
    for (const ProcedureFieldInfo* column : columns)
        names.push_back(DisplayName(column));
    return names;
}

} // namespace OutputColumns

CString ReportNameOf(const ReportGroup& group)
{
    return group.GetReport() != nullptr ? group.GetReport()->GetFormName() : CString();
}
