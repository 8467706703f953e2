#pragma once

#include "platform/core/CString.h"
#include "platform/core/Types.h"

// Paths are model paths ("\" separators, drive letters); each is mapped to the host's form.

// True when the path names a file that can be opened for reading; false for a folder.
bool FileExists(CString path);

// Creates the folder when it is missing, one level only: a missing parent is not made. TRUE
// when the folder exists afterwards, FALSE otherwise (errno tells why).
BOOL CreateFolderIfMissing(CString path);

// Creates and deletes a test file in the folder, under a new name that nothing stood at, so that
// no file of the user and no link is opened. The test file's path is the folder followed directly
// by its name, so the folder must end with a separator. False with errno telling why when the
// file cannot be made.
bool IsFolderWritable(CString folder);

// The refusal of a folder that takes no output: the text, the folder as the host writes it and,
// for a folder named, the host's reason for the error on a line of its own.
CString UnwritableFolderMessage(const char* text, const CString& folder, int error);
