#pragma once

#include "tests/entities/PageTestSupport.h"
#include "tests/support/ArchiveBytes.h"

#include <string>

// Pieces of hand-spelled project-file records shared by the report record tests.

// A report record of the version. A filled report has one group (class 3, object 4, owned by
// object 2) and every field its gates allow set to a value other than the default (the kind
// word is the grid flag given before version 28); a plain one has the defaults and creates no
// object of its own.
inline ArchiveBytes& AppendReportRecord(ArchiveBytes& bytes, int version, const std::string& name,
                                        bool filled, int gridFlag = 5)
{
    AppendPageRecord(bytes, version, name, false);
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
