#pragma once

#include "platform/core/CString.h"

class ForgeonProject;

// The generated web project file: the project path, the project name, "\", the project name,
// "\", the project name and ".csproj".
CString WebProjectFilePath(const ForgeonProject& project);
// Registers the report definitions and data sets the web project file lists. False, with the
// project's lists as they were, when the file is missing, empty or not well-formed.
bool ReadWebProjectReports(ForgeonProject& project);
