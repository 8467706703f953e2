#pragma once

#include "tests/support/MountNamespace.h"

#include <sys/mount.h>

#include <filesystem>
#include <functional>
#include <optional>
#include <string>

// Runs the work in a child process that sees the folder on a read-only file system of its own
// (a read-only bind in a mount namespace) and returns what the work wrote; no value where such a
// namespace cannot be made. A work that fails there gives a text saying so.
inline std::optional<std::string> OnReadOnlyFolder(const std::filesystem::path& folder,
                                                   const std::function<std::string()>& work)
{
    const char* path = folder.c_str();
    return InMountNamespace(
        [path]
        {
            return ::mount(path, path, nullptr, MS_BIND, nullptr) == 0 &&
                   ::mount(nullptr, path, nullptr, MS_REMOUNT | MS_BIND | MS_RDONLY, nullptr) == 0;
        },
        work);
}
