#pragma once

#include "platform/core/Types.h"

// Copies a file between model paths. With failIfExists an existing target is kept and the
// copy fails; otherwise it is replaced. TRUE when copied; FALSE with errno set otherwise.
BOOL CopyFile(const char* existingPath, const char* newPath, BOOL failIfExists);
