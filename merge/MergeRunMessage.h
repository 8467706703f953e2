#pragma once

#include "platform/core/CString.h"

class MergeReportFiles;

// The message that ends a merge run: the host folder that holds its report and logs, and each
// file that could not be written with the host's reason.
CString MergeRunMessage(const MergeReportFiles& files);
