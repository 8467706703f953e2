#pragma once

#include "entities/FormInterface.h"
#include "entities/LinkControl.h"
#include "entities/Variable.h"
#include "model/Field.h"
#include "model/Table.h"
#include "tests/support/ArchiveBytes.h"
#include "tests/support/RecordBytes.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

// A new field of the name; a field of the table, owned by it, when a table is given.
inline Field* NewField(const char* name, Table* table = nullptr, bool key = false)
{
    auto* field = new Field;
    field->SetFieldName(name);
    field->SetKey(key);
    field->SetTable(table);
    if (table != nullptr)
        table->AddField(field);
    return field;
}

inline Variable* NewVariable(const char* name, int kind = Variable::pageKind)
{
    auto* variable = new Variable;
    variable->SetName(name);
    variable->SetKind(kind);
    return variable;
}

// The runs of the page part of a record: the page name, no page files, controls or maps, the two
// legacy pairs as nulls, link column counts 3 and 4, one null entry in each of the uniqueness,
// reference-field, derived-field and record-procedure lists (dropped on reading), one
// table-flags record (null table,
// false, true), no procedure call, the copy flag set and column count 1; a save after reading a
// file without a run writes the creation values.
inline std::vector<RecordPart> PageParts(const char* name)
{
    using B = ArchiveBytes;
    return {Always(B().Str(name).Int(0).Int(0).Int(0)),
            Between(18, 73, B().Null().Null().Null().Null()),
            After(25, B().Int(0).Int(0).Int(3).Int(4), B().Int(0).Int(0).Int(2).Int(2)),
            After(27, B().Int(1).Null(), B().Int(0), B().Int(0)),
            After(37, B().Int(1).Null().Int(1).Null(), B().Int(0).Int(0), B().Int(0).Int(0)),
            After(44, B().Int(1).Null(), B().Int(0), B().Int(0)),
            After(51, B().Int(1).Null().Int(0).Int(1), B().Int(0)),
            After(61, B().Null(), B().Null()),
            After(70, B().Int(1), B().Int(0)),
            After(82, B().Int(1), B().Int(2))};
}
