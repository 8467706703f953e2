#pragma once

#include "tests/support/ArchiveBytes.h"

#include <string>

// Pieces of hand-spelled project-file records shared by the report record tests.

// The record of a page base with a name and nothing else, in the layout of the version.
inline ArchiveBytes& AppendEmptyPageRecord(ArchiveBytes& bytes, int version,
                                           const std::string& name)
{
    bytes.Str(name).Int(0).Int(0).Int(0); // page files, controls, field-variable maps
    if (version >= 19 && version <= 73)
        bytes.Null().Null().Null().Null(); // two legacy field/variable pairs
    if (version > 25)
        bytes.Int(0).Int(0).Int(2).Int(2); // link lists and their column counts
    if (version > 27)
        bytes.Int(0); // uniqueness procedure tables
    if (version > 37)
        bytes.Int(0).Int(0); // reference and derived fields
    if (version > 44)
        bytes.Int(0); // procedure tables
    if (version > 51)
        bytes.Int(0); // per-table flags
    if (version > 61)
        bytes.Null(); // procedure call
    if (version > 70)
        bytes.Int(0); // copy mark
    if (version > 82)
        bytes.Int(2); // column count
    return bytes;
}

// A report record of the version. A filled report has one group (class 3, object 4, owned by
// object 2) and every field its gates allow set to a value other than the default (the kind
// word is the grid flag given before version 28); a plain one has the defaults and creates no
// object of its own.
inline ArchiveBytes& AppendReportRecord(ArchiveBytes& bytes, int version, const std::string& name,
                                        bool filled, int gridFlag = 5)
{
    AppendEmptyPageRecord(bytes, version, name);
    bytes.Int(filled ? 1 : 0);                            // flag
    bytes.Int(!filled ? 1 : version > 27 ? 3 : gridFlag); // report kind, or the grid flag
    bytes.Int(filled ? 1 : 4).Null();                     // column layout, procedure call
    if (filled)
    {
        bytes.Int(1).NewClass("ReportGroup");
        bytes.Null().Int(0).Int(0).ObjectRef(2); // call, filters, columns, owner
        if (version > 29)
            bytes.Null().Str("Totals");
        if (version > 31)
            bytes.Null();
        bytes.Null(); // the group's class call
    }
    else
        bytes.Int(0);
    if (version > 27)
        bytes.Int(0).Null().Int(filled ? 1 : 0); // chart type, chart data, paging
    if (version > 58)
        bytes.Str(filled ? "Sub" : "");
    if (version > 62)
        bytes.Int(filled ? 1 : 0);
    if (version > 68)
        bytes.Null();
    if (version > 74)
        bytes.Str(filled ? "Head" : "");
    if (version > 78 && filled)
        bytes.NewClass("ClassInvokation").Null().Null().Int(0);
    else if (version > 78)
        bytes.Null();
    return bytes;
}

// A ProcedureFieldInfo record: no field, an aggregate and a text.
inline ArchiveBytes& AppendFieldInfoRecord(ArchiveBytes& bytes, const std::string& text)
{
    return bytes.Null().Int(1).Str(text);
}

// A Variable record of the version: name, kind and, after version 9, value.
inline ArchiveBytes& AppendVariableRecord(ArchiveBytes& bytes, int version, const std::string& name)
{
    bytes.Str(name).Int(1);
    if (version > 9)
        bytes.Str("");
    return bytes;
}
