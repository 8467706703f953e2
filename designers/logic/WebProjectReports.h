#pragma once

#include "platform/core/CString.h"

#include <optional>
#include <vector>

class ForgeonProject;

// The generated web project file: the project path, the project name, "\", the project name,
// "\", the project name and ".csproj".
CString WebProjectFilePath(const ForgeonProject& project);
// Registers the report definitions and data sets the web project file lists. False, with the
// project's lists as they were, when the file is missing, refused, empty or cut short before the
// end of its root element. The files refused (not regular, too large, not text, missing from
// the list's folder, not whole XML documents) are named in one message with their reasons.
bool ReadWebProjectReports(ForgeonProject& project);
// ReadWebProjectReports, then the project's report definitions as the host writes their paths,
// in the project's order; nothing when the file was not read.
std::optional<std::vector<CString>> ReadShownReportDefinitions(ForgeonProject& project);
