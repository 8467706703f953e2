#include "platform/core/FileCopy.h"

#include "platform/core/HostPath.h"

#include <cerrno>
#include <filesystem>
#include <system_error>

BOOL CopyFile(const char* existingPath, const char* newPath, BOOL failIfExists)
{
    namespace fs = std::filesystem;
    std::error_code error;
    const bool copied = fs::copy_file(
        ToHostPath(existingPath), ToHostPath(newPath),
        failIfExists ? fs::copy_options::none : fs::copy_options::overwrite_existing, error);
    if (error)
        errno = error.value();
    return copied ? TRUE : FALSE;
}
