#pragma once

#include "platform/core/CString.h"

class MergeReportFiles;

// The message that ends a merge run: the host folder that holds its report and logs, then what
// their writes met as every writer's closing message says it (GenerationReport::ClosingText):
// each file that could not be written with the host's reason, each link replaced.
CString MergeRunMessage(const MergeReportFiles& files);
