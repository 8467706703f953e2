#include "model/OutputRoot.h"

#include "platform/core/HostPath.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>

namespace
{
namespace fs = std::filesystem;

bool StartsWith(const std::vector<std::string>& components, const std::vector<std::string>& prefix)
{
    return prefix.size() <= components.size() &&
           std::equal(prefix.begin(), prefix.end(), components.begin());
}

// The folder of the host path opened, following links, and made first when missing.
OutputRoot::Folder OpenHostFolder(const std::string& hostPath)
{
    const std::string folder = hostPath.empty() ? "." : hostPath;
    Descriptor opened(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!opened.IsOpen() && errno == ENOENT && EnsureFolderChain(folder.c_str()))
        opened = Descriptor(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!opened.IsOpen())
        return {{}, std::strerror(errno)};
    return {std::move(opened), {}};
}
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
    m_anchors.clear();
    if (IsSet())
        m_anchors.emplace_back();
}

void OutputRoot::FollowLinkAt(const CString& modelFolder)
{
    if (!IsSet())
        return;
    const fs::path relative = fs::path(NormalHostPath(modelFolder)).lexically_relative(m_hostRoot);
    if (relative.empty() || relative == "." || *relative.begin() == "..")
        return;
    Anchor& anchor = m_anchors.emplace_back();
    for (const fs::path& component : relative)
        anchor.components.push_back(component.string());
}

OutputRoot::Folder OutputRoot::OpenFolder(const CString& modelPath)
{
    std::string name;
    return Open(modelPath, /*isFile=*/false, name);
}

OutputRoot::Folder OutputRoot::OpenFolderOfFile(const CString& modelPath, std::string& name)
{
    return Open(modelPath, /*isFile=*/true, name);
}

OutputRoot::Folder OutputRoot::Open(const CString& modelPath, bool isFile, std::string& name)
{
    const fs::path path(NormalHostPath(modelPath));
    if (!IsSet())
    {
        name = isFile ? path.filename().string() : std::string();
        return OpenHostFolder(isFile ? path.parent_path().string() : path.string());
    }
    const fs::path relative = path.lexically_relative(m_hostRoot);
    const bool isRoot = relative == ".";
    if (relative.empty() || *relative.begin() == ".." || (isFile && isRoot))
        return {{}, CString("outside the output folder ") + m_hostRoot.c_str()};
    std::vector<std::string> components;
    if (!isRoot)
    {
        for (const fs::path& component : relative)
            components.push_back(component.string());
    }
    if (isFile)
    {
        name = components.back();
        components.pop_back();
    }
    Anchor* nearest = &m_anchors.front();
    for (Anchor& anchor : m_anchors)
    {
        if (anchor.components.size() > nearest->components.size() &&
            StartsWith(components, anchor.components))
            nearest = &anchor;
    }
    const Anchor& anchor = OpenAnchor(*nearest);
    if (!anchor.refusal.IsEmpty())
        return {{}, anchor.refusal};
    return OpenBelow(anchor, components, anchor.components.size());
}

const OutputRoot::Anchor& OutputRoot::OpenAnchor(Anchor& anchor)
{
    if (anchor.opened)
        return anchor;
    anchor.opened = true;
    if (anchor.components.empty())
    {
        Folder root = OpenHostFolder(m_hostRoot);
        anchor.descriptor = std::move(root.descriptor);
        anchor.refusal = root.refusal;
        return anchor;
    }
    const Anchor& root = OpenAnchor(m_anchors.front());
    std::vector<std::string> parent = anchor.components;
    const std::string last = parent.back();
    parent.pop_back();
    Folder folder = root.refusal.IsEmpty() ? OpenBelow(root, parent, 0) : Folder{{}, root.refusal};
    if (!folder.refusal.IsEmpty())
    {
        anchor.refusal = folder.refusal;
        return anchor;
    }
    anchor.descriptor = OpenFolderAt(folder.descriptor.Get(), last, /*make=*/true, /*follow=*/true);
    if (!anchor.descriptor.IsOpen())
        anchor.refusal = std::strerror(errno);
    return anchor;
}

OutputRoot::Folder OutputRoot::OpenBelow(const Anchor& anchor,
                                         const std::vector<std::string>& components,
                                         std::size_t first)
{
    Descriptor opened;
    int folder = anchor.descriptor.Get();
    std::string hostPath = m_hostRoot;
    for (std::size_t index = 0; index < components.size(); ++index)
    {
        hostPath += "/" + components[index];
        if (index < first)
            continue;
        Descriptor next = OpenFolderAt(folder, components[index], /*make=*/false, /*follow=*/false);
        if (!next.IsOpen() && errno == ENOENT)
        {
            NoteFolderProbe(hostPath);
            next = OpenFolderAt(folder, components[index], /*make=*/true, /*follow=*/false);
        }
        if (!next.IsOpen())
        {
            const int error = errno;
            struct stat info;
            if (error == ELOOP ||
                (::fstatat(folder, components[index].c_str(), &info, AT_SYMLINK_NOFOLLOW) == 0 &&
                 S_ISLNK(info.st_mode)))
                return {{}, CString("the folder ") + hostPath.c_str() + " is a symbolic link"};
            return {{}, std::strerror(error)};
        }
        opened = std::move(next);
        folder = opened.Get();
    }
    if (!opened.IsOpen())
        opened = Duplicate(folder);
    if (!opened.IsOpen())
        return {{}, std::strerror(errno)};
    return {std::move(opened), {}};
}
