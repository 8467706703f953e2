#pragma once

#include "platform/core/CString.h"
#include "platform/core/Types.h"

// The program's string resources, by id: tool-tip texts and the other texts that carry a
// resource id. The owners register their texts; a later text of the same id replaces the first.
void RegisterStringResource(UINT id, const CString& text);
// The text of the id; empty when none was registered.
CString LoadStringResource(UINT id);
