#pragma once

#include "platform/core/CString.h"

#include <vector>

struct DependencyRecord;

// One row of the "Dependencies..." list.
struct DependencyRow
{
    bool move = true;
    CString object;
    CString type;
    CString module;
    bool operator==(const DependencyRow&) const = default;
};

// The name of a dependent object's kind code; "--" for a code it does not know.
CString DependencyKindName(int kind);
// One row a record, its box ticked.
std::vector<DependencyRow> DependencyRowsOf(const std::vector<DependencyRecord*>& records);
