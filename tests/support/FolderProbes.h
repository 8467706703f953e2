#pragma once

#include "platform/core/HostPath.h"

#include <string>
#include <vector>

// Records the host folders EnsureFolderChain and FolderChainCache look at, and those a writer
// below an output root makes, while it lives.
class FolderProbes
{
public:
    FolderProbes()
    {
        SetFolderProbeObserver([this](const std::string& folder) { folders.push_back(folder); });
    }
    ~FolderProbes() { SetFolderProbeObserver({}); }
    FolderProbes(const FolderProbes&) = delete;
    FolderProbes& operator=(const FolderProbes&) = delete;

    std::vector<std::string> folders;
};
