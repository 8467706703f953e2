#pragma once

#include "tests/entities/PageTestSupport.h"
#include "tests/support/ArchiveBytes.h"

// Runs of project-file records shared by the report record tests.

// The runs of a report record: the page part (PageParts), then every field set to a value other
// than the default, with one group owned by the report, which is the object of the given index.
// Files before 28 hold a grid flag instead of the report kind, which a load turns into
// gridKind.
inline std::vector<RecordPart> ReportParts(const char* name, WORD reportIndex = 2, int gridFlag = 5,
                                           int gridKind = 2)
{
    using B = ArchiveBytes;
    const B group = B().Int(1).NewClass("ReportGroup").Null().Int(0).Int(0).ObjectRef(reportIndex);
    return PartsOf(PageParts(name),
                   {Always(B().Int(1)), Until(27, B().Int(gridFlag), B().Int(gridKind)),
                    After(27, B().Int(3)), Always(B().Int(1).Null().Append(group)),
                    After(29, B().Null().Str("Totals"), B().Null().Str("")),
                    After(31, B().Null(), B().Null()), Always(B().Null()),
                    After(27, B().Int(0).Null().Int(1), B().Int(0).Null().Int(0)),
                    After(58, B().Str("Sub"), B().Str("")), After(62, B().Int(1), B().Int(0)),
                    After(68, B().Null(), B().Null()), After(74, B().Str("Head"), B().Str("")),
                    After(78, B().NewClass("ClassInvokation").Null().Null().Int(0), B().Null())});
}
