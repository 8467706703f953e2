#pragma once

#include "platform/core/CString.h"
#include "platform/core/Descriptor.h"
#include "platform/core/HostPath.h"
#include "tests/support/ScopedEnvironment.h"

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <stdexcept>
#include <stdlib.h>
#include <string>

// A fresh folder in the user's trace folder (UserTempFolder), removed with everything in it at
// the end (also where a test took away the write permission of a folder inside it).
class TempFolder
{
public:
    explicit TempFolder(const std::string& prefix = "Weavo")
    {
        std::string refusal;
        std::string pattern = UserTempFolder() + "/" + prefix + "XXXXXX";
        if (!OpenUserTempFolder(refusal).IsOpen() || ::mkdtemp(pattern.data()) == nullptr)
            throw std::runtime_error("cannot make a temp folder");
        m_path = pattern;
    }
    ~TempFolder()
    {
        namespace fs = std::filesystem;
        std::error_code ignored;
        for (auto it = fs::recursive_directory_iterator(m_path, ignored);
             it != fs::recursive_directory_iterator(); it.increment(ignored))
        {
            if (it->is_directory(ignored))
                fs::permissions(it->path(), fs::perms::owner_all, fs::perm_options::add, ignored);
        }
        fs::remove_all(m_path, ignored);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    // The host path, without a trailing separator.
    const std::filesystem::path& Path() const { return m_path; }

    // The folder as the model writes it, "C:\temp\<folder>", with "\" and the relative path
    // appended when one is given.
    CString ModelPath(const char* relative = nullptr) const
    {
        CString path = CString("C:\\temp\\") + m_path.filename().string().c_str();
        if (relative != nullptr)
            path += CString("\\") + relative;
        return path;
    }

private:
    std::filesystem::path m_path;
};

// Points TMPDIR at a folder of the test's own, in which the user's trace folder is made.
class TempFolderOverride : public ScopedEnvironment
{
public:
    explicit TempFolderOverride(const std::filesystem::path& folder)
        : ScopedEnvironment("TMPDIR", folder.c_str())
    {
        std::string refusal;
        if (!OpenUserTempFolder(refusal).IsOpen())
            throw std::runtime_error("cannot make the trace folder");
    }

    // The user's trace folder in it, where "C:\temp\" leads.
    std::filesystem::path Own() const { return UserTempFolder(); }
};
