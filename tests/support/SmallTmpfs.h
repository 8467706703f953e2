#pragma once

#include "tests/support/MountNamespace.h"

#include <sys/mount.h>

#include <cstddef>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>

// Runs the work in a child process that sees, at the folder, a tmpfs of that many bytes of its
// own, and returns what the work wrote; no value where such a file system cannot be mounted
// (without the superuser, or without mount namespaces). A work that fails there gives a text
// saying so.
inline std::optional<std::string> OnSmallTmpfs(const std::filesystem::path& folder,
                                               std::size_t bytes,
                                               const std::function<std::string()>& work)
{
    const std::string options = "size=" + std::to_string(bytes) + ",mode=0755";
    return InMountNamespace(
        [&] { return ::mount("tmpfs", folder.c_str(), "tmpfs", 0, options.c_str()) == 0; }, work);
}
