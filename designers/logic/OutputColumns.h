#pragma once

#include "editors/logic/ControlStates.h"

#include <vector>

class ProcedureFieldInfo;
class ReportGroup;

// The output columns of a group's function, in the report sub-dialogs' lists.
namespace OutputColumns
{
// An empty column of width 0 and the named one of width 70.
std::vector<ListColumn> ListColumns(const char* heading);
// The group function's output columns, in order.
std::vector<ProcedureFieldInfo*> Of(const ReportGroup& group);
CString DisplayName(const ProcedureFieldInfo* column);
// One row per output column: an empty cell and its display name.
std::vector<ListRow> Rows(const std::vector<ProcedureFieldInfo*>& columns);
// The display names, for a combo.
std::vector<CString> Names(const std::vector<ProcedureFieldInfo*>& columns);
} // namespace OutputColumns

// The name of the group's report; empty without one.
CString ReportNameOf(const ReportGroup& group);
