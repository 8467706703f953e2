#pragma once

class ApplicationReport;

// The report's copy for the pages that must not link on: named after the source with
// "_WithoutLinks", with its flags, kind, chart type, column count, its variables (the shared ones
// left out) and a copy of every group with its procedure call, filters and columns. Chart data
// and links are not copied; the copy's calls and filters use the copy's own variables. The caller
// owns the copy; it belongs to no module yet.
ApplicationReport* CopyReportWithoutLinks(const ApplicationReport& source);
