#pragma once

#include "platform/core/CString.h"

// A path in four parts: drive with its colon ("C:"), folder with its leading and trailing
// separators, file name, and extension with its dot. A UNC path keeps "\\server\share" as its
// drive. Both "\" and "/" separate folders; a path that starts with "/" has no drive.
class PathParts
{
public:
    PathParts() = default;
    // Splits the path, then takes file name and extension from fileName.
    PathParts(const char* path, const char* fileName);

    void Split(const char* path);
    // File name and extension become those of fileName; drive and folder stay.
    void SetFileName(const char* fileName);
    CString GetFullPath() const;

    CString drive;
    CString folder;
    CString fileName;
    CString extension;
};

// True when the path begins with two backslashes.
bool IsUncPath(const char* path);
