#pragma once

#include "platform/core/HostPath.h"

#include <filesystem>
#include <stdexcept>
#include <stdlib.h>
#include <string>

// A fresh folder under the host temp folder, removed with everything in it at the end.
class TempFolder
{
public:
    explicit TempFolder(const std::string& prefix = "Weavo")
    {
        std::string pattern = HostTempFolder() + "/" + prefix + "XXXXXX";
        if (::mkdtemp(pattern.data()) == nullptr)
            throw std::runtime_error("cannot make a temp folder");
        m_path = pattern;
    }
    ~TempFolder()
    {
        std::error_code ignored;
        std::filesystem::permissions(m_path, std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, ignored);
        std::filesystem::remove_all(m_path, ignored);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    // The host path, without a trailing separator.
    const std::string& Path() const { return m_path; }

private:
    std::string m_path;
};
