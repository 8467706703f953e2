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
// reference-field, derived-field and record-procedure lists, one table-flags record (null table,
// false, true), no procedure call, the copy flag set and column count 1; a save after reading a
// file without a run writes the creation values.
inline std::vector<RecordPart> PageParts(const char* name)
{
    using B = ArchiveBytes;
    return {Always(B().Str(name).Int(0).Int(0).Int(0)),
            Between(18, 73, B().Null().Null().Null().Null()),
            After(25, B().Int(0).Int(0).Int(3).Int(4), B().Int(0).Int(0).Int(2).Int(2)),
            After(27, B().Int(1).Null(), B().Int(0)),
            After(37, B().Int(1).Null().Int(1).Null(), B().Int(0).Int(0)),
            After(44, B().Int(1).Null(), B().Int(0)),
            After(51, B().Int(1).Null().Int(0).Int(1), B().Int(0)),
            After(61, B().Null(), B().Null()),
            After(70, B().Int(1), B().Int(0)),
            After(82, B().Int(1), B().Int(2))};
}

// The page record of the given file version. A filled one has recognisable values: the page
// name, no page files, controls or maps, the two legacy pairs as nulls, one pre-link captioned
// "pre" (the first LinkControl of the bytes), link columns 3 and 4, one null entry in each of the
// uniqueness, reference-field, derived-field and record-procedure lists, one table-flags record
// (null table, false, true), no procedure call, the copy flag set, column count 1. An empty one
// has the page name and creation values for the rest.
inline ArchiveBytes& AppendPageRecord(ArchiveBytes& bytes, int version, const std::string& name,
                                      bool filled = true)
{
    // A list of one null entry when filled, else an empty one.
    const auto list = [&bytes, filled]()
    {
        if (filled)
            bytes.Int(1).Null();
        else
            bytes.Int(0);
    };
    bytes.Str(name).Int(0).Int(0).Int(0); // page files, controls, field-variable maps
    if (version >= 19 && version <= 73)
        bytes.Null().Null().Null().Null(); // two legacy field/variable pairs
    if (version > 25 && filled)
    {
        bytes.Int(1).NewClass("LinkControl").Int(LinkControl::Left).Null().Str("pre");
        if (version > 49)
            bytes.Int(0);
        bytes.Int(0).Int(3).Int(4);
    }
    else if (version > 25)
        bytes.Int(0).Int(0).Int(2).Int(2); // link lists and their column counts
    if (version > 27)
        list(); // uniqueness procedure tables
    if (version > 37)
    {
        list(); // reference fields
        list(); // derived fields
    }
    if (version > 44)
        list(); // procedure tables
    if (version > 51 && filled)
        bytes.Int(1).Null().Int(0).Int(1); // one per-table flags record
    else if (version > 51)
        bytes.Int(0);
    if (version > 61)
        bytes.Null(); // procedure call
    if (version > 70)
        bytes.Int(filled ? 1 : 0); // copy mark
    if (version > 82)
        bytes.Int(filled ? 1 : 2); // column count
    return bytes;
}

// Checks that a page read from AppendPageRecord holds what the version allows, and creation
// values for the rest.
inline void ExpectPageRecordRead(const FormInterface& page, int version)
{
    SCOPED_TRACE(version);
    const bool links = version > 25;
    ASSERT_EQ(page.GetPreLinkList().size(), links ? 1u : 0u);
    if (links)
    {
        EXPECT_EQ(page.GetPreLinkList()[0]->GetCaption(), "pre");
    }
    EXPECT_TRUE(page.GetPostLinkList().empty());
    EXPECT_EQ(page.GetPreLinkColumnCount(), links ? 3 : 2);
    EXPECT_EQ(page.GetPostLinkColumnCount(), links ? 4 : 2);
    EXPECT_EQ(page.GetUniquenessProcedureTables().size(), version > 27 ? 1u : 0u);
    EXPECT_EQ(page.GetRefFields().size(), version > 37 ? 1u : 0u);
    EXPECT_EQ(page.GetDerivedFields().size(), version > 37 ? 1u : 0u);
    EXPECT_EQ(page.GetProcedureTables().size(), version > 44 ? 1u : 0u);
    ASSERT_EQ(page.GetTableFlagsList().size(), version > 51 ? 1u : 0u);
    if (version > 51)
    {
        EXPECT_FALSE(page.GetTableFlagsList()[0].firstFlag);
        EXPECT_TRUE(page.GetTableFlagsList()[0].secondFlag);
    }
    EXPECT_EQ(page.GetProcedureCall(), nullptr);
    EXPECT_EQ(page.IsCopy(), version > 70);
    EXPECT_EQ(page.GetColumnCount(), version > 82 ? 1 : 2);
}
