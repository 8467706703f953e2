#pragma once

#include "platform/core/Types.h"

#include <string>
#include <vector>

// Copies a file between model paths. With failIfExists an existing target is kept and the
// copy fails; otherwise it is replaced, unless the user protected it (FileReplacement). The copy
// is written beside the target and renamed into place when complete, so that a failed copy
// leaves the old target, or none, and never a part of the file; a power loss after it returns
// leaves the copy. A new target takes the source's permission bits, a replaced one keeps its own.
// TRUE when copied; FALSE with errno set otherwise.
BOOL CopyFile(const char* existingPath, const char* newPath, BOOL failIfExists);

// CopyFile into the open folder under the name, through the folder's descriptor only
// (FileReplacementAt): a copy that replaces something is made there under a temporary name and
// renamed over the name, so a symbolic link at the name is replaced, never followed, and a file
// with other names keeps its other names unchanged; a new one is made under a temporary name
// too and given the source's mode before its rename, so that a kill part way leaves no cut or
// owner-only copy at the name, only a temporary that the next run sweeps away. Like the generated
// files written beside it, a new copy is not synced: a power loss may lose it, and leaves a file it
// replaced as it was or the whole copy. lost, when given, gets what of a file replaced the copy
// could not take (FileReplacementAt::GetLost).
BOOL CopyFileAt(const char* existingPath, int folder, const std::string& name, BOOL failIfExists,
                std::vector<std::string>* lost = nullptr);
