#include "model/OutputRoot.h"

#include "platform/core/FileReplacement.h"
#include "platform/core/HostPath.h"

#include <cerrno>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace
{
namespace fs = std::filesystem;
} // namespace

std::string NormalHostPath(const CString& modelPath)
{
    fs::path path = fs::path(ToHostPath(modelPath)).lexically_normal();
    if (!path.has_filename() && path.has_relative_path())
        path = path.parent_path();
    return path.string();
}

void OutputRoot::Set(const CString& modelRoot)
{
    m_hostRoot = modelRoot.IsEmpty() ? std::string() : NormalHostPath(modelRoot);
    m_checkedFolders.clear();
}

OutputRoot::Admission OutputRoot::AdmitFile(const CString& modelPath)
{
    return Admit(modelPath, /*isFile=*/true);
}

OutputRoot::Admission OutputRoot::AdmitFolder(const CString& modelPath)
{
    return Admit(modelPath, /*isFile=*/false);
}

OutputRoot::Admission OutputRoot::Admit(const CString& modelPath, bool isFile)
{
    if (!IsSet())
        return {ToHostPath(modelPath), {}};
    const fs::path path(NormalHostPath(modelPath));
    const fs::path relative = path.lexically_relative(m_hostRoot);
    const bool isRoot = relative == ".";
    if (relative.empty() || *relative.begin() == ".." || (isFile && isRoot))
        return {{}, CString("outside the output folder ") + m_hostRoot.c_str()};
    if (isRoot)
        return {path.string(), {}};
    const std::size_t components = std::distance(relative.begin(), relative.end());
    const std::string linked = FirstLinkedFolder(relative, isFile ? components - 1 : components);
    if (!linked.empty())
        return {{}, CString("the folder ") + linked.c_str() + " is a symbolic link"};
    return {path.string(), {}};
}

std::string OutputRoot::FirstLinkedFolder(const std::string& relative, std::size_t lastFolder)
{
    fs::path folder = m_hostRoot;
    std::size_t index = 0;
    for (const fs::path& component : fs::path(relative))
    {
        if (index++ == lastFolder)
            break;
        folder /= component;
        const std::string name = folder.string();
        if (m_checkedFolders.contains(name))
            continue;
        struct stat info;
        if (::lstat(name.c_str(), &info) != 0)
            return {};
        if (S_ISLNK(info.st_mode))
            return name;
        m_checkedFolders.insert(name);
    }
    return {};
}

bool RemoveLinkAt(const std::string& hostPath, CString& removed)
{
    removed.Empty();
    struct stat info;
    if (::lstat(hostPath.c_str(), &info) != 0)
        return true;
    CString what;
    if (S_ISLNK(info.st_mode))
        what = CString("it led to ") + LinkText(hostPath).value_or("").c_str();
    else if (S_ISREG(info.st_mode) && info.st_nlink > 1)
        what = "it was a hard link";
    else
        return true;
    if (::unlink(hostPath.c_str()) != 0)
        return false;
    removed = what;
    return true;
}
