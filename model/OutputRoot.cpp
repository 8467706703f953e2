#include "model/OutputRoot.h"

#include "platform/core/FileWriters.h"
#include "platform/core/HostPath.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <sys/stat.h>

namespace
{
namespace fs = std::filesystem;

// The kind of folder made here and the rules its maker keeps.
const FileWriterRegistration outputFolderWriter("output-tree folder", makesFolders | leavesLinks);

// A host path with "." and ".." resolved: whether it begins at "/", and its names in order. A
// relative path keeps the ".." that climb above its start, and only those.
struct NormalPath
{
    bool absolute = false;
    std::vector<std::string> components;
};

NormalPath SplitNormal(std::string_view hostPath)
{
    NormalPath normal{hostPath.starts_with('/'), {}};
    std::vector<std::string>& components = normal.components;
    while (!hostPath.empty())
    {
        const std::size_t end = std::min(hostPath.find('/'), hostPath.size());
        const std::string_view name = hostPath.substr(0, end);
        hostPath.remove_prefix(std::min(end + 1, hostPath.size()));
        if (name == "..")
        {
            if (!components.empty() && components.back() != "..")
                components.pop_back();
            else if (!normal.absolute)
                components.emplace_back(name);
        }
        else if (!name.empty() && name != ".")
            components.emplace_back(name);
    }
    return normal;
}

// The folder of the host path opened, following links, and made first when missing; invalid
// with errno set.
Descriptor OpenHostFolder(const std::string& hostPath)
{
    const std::string folder = hostPath.empty() ? "." : hostPath;
    Descriptor opened(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!opened.IsOpen() && errno == ENOENT && EnsureFolderChain(folder.c_str()))
        opened = Descriptor(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    return opened;
}

bool StartsWith(const std::vector<std::string>& components, const std::vector<std::string>& prefix)
{
    return prefix.size() <= components.size() &&
           std::equal(prefix.begin(), prefix.end(), components.begin());
}
} // namespace

std::string NormalHostPath(const CString& modelPath)
{
    const std::string hostPath = ToHostPath(modelPath);
    const bool absolute = hostPath.starts_with('/');
    std::string path = absolute ? "/" : "";
    path.reserve(hostPath.size());
    // The names kept in path; the first `climbs` of them are "..".
    std::size_t names = 0;
    std::size_t climbs = 0;
    for (std::string_view rest = hostPath; !rest.empty();)
    {
        const std::size_t end = std::min(rest.find('/'), rest.size());
        const std::string_view name = rest.substr(0, end);
        rest.remove_prefix(std::min(end + 1, rest.size()));
        if (name.empty() || name == ".")
            continue;
        if (name == ".." && names > climbs)
        {
            const std::size_t slash = path.rfind('/');
            path.resize(slash == std::string::npos ? 0 : std::max<std::size_t>(slash, absolute));
            --names;
            continue;
        }
        if (name == ".." && absolute)
            continue;
        if (name == "..")
            ++climbs;
        if (names++ > 0)
            path += '/';
        path += name;
    }
    return path.empty() && !hostPath.empty() ? "." : path;
}

void OutputRoot::Set(const CString& modelRoot)
{
    m_hostRoot = modelRoot.IsEmpty() ? std::string() : NormalHostPath(modelRoot);
    const NormalPath root = SplitNormal(m_hostRoot);
    m_rootAbsolute = root.absolute;
    m_rootComponents = root.components;
    m_anchors.clear();
    if (IsSet())
        m_anchors.emplace_back();
}

bool OutputRoot::Below(const CString& modelPath, std::vector<std::string>& components) const
{
    NormalPath path = SplitNormal(ToHostPath(modelPath));
    if (path.absolute != m_rootAbsolute || !StartsWith(path.components, m_rootComponents))
        return false;
    components.assign(std::make_move_iterator(path.components.begin() + m_rootComponents.size()),
                      std::make_move_iterator(path.components.end()));
    return components.empty() || components.front() != "..";
}

void OutputRoot::FollowLinkAt(const CString& modelFolder)
{
    std::vector<std::string> components;
    if (IsSet() && Below(modelFolder, components) && !components.empty())
        m_anchors.emplace_back().components = std::move(components);
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
    if (!IsSet())
    {
        const fs::path path(NormalHostPath(modelPath));
        name = isFile ? path.filename().string() : std::string();
        std::string refusal;
        // The trace folder lies in the shared temp folder: only the user's own is taken.
        if (const std::optional<std::string> traced = TraceFolderRelativePath(modelPath))
        {
            const fs::path relative(*traced);
            std::string hostFolder;
            m_unrooted =
                OpenUserTempSubfolder(isFile ? relative.parent_path().string() : relative.string(),
                                      /*make=*/true, refusal, hostFolder);
        }
        else
            m_unrooted = OpenHostFolder(isFile ? path.parent_path().string() : path.string());
        if (!m_unrooted.IsOpen())
            return {-1, refusal.empty() ? std::strerror(errno) : refusal.c_str()};
        return {m_unrooted.Get(), {}};
    }
    std::vector<std::string> components;
    if (!Below(modelPath, components) || (isFile && components.empty()))
        return {-1, CString("outside the output folder ") + m_hostRoot.c_str()};
    if (isFile)
    {
        name = std::move(components.back());
        components.pop_back();
    }
    Anchor* nearest = &m_anchors.front();
    for (Anchor& anchor : m_anchors)
    {
        if (anchor.components.size() > nearest->components.size() &&
            StartsWith(components, anchor.components))
            nearest = &anchor;
    }
    Anchor& anchor = OpenAnchor(*nearest);
    if (!anchor.refusal.IsEmpty())
        return {-1, anchor.refusal};
    return OpenBelow(anchor, components, anchor.components.size());
}

OutputRoot::Anchor& OutputRoot::OpenAnchor(Anchor& anchor)
{
    if (anchor.opened)
        return anchor;
    anchor.opened = true;
    if (anchor.components.empty())
    {
        anchor.descriptor = OpenHostFolder(m_hostRoot);
        if (!anchor.descriptor.IsOpen())
            anchor.refusal = std::strerror(errno);
        return anchor;
    }
    Anchor& root = OpenAnchor(m_anchors.front());
    std::vector<std::string> parent = anchor.components;
    const std::string last = parent.back();
    parent.pop_back();
    const Folder folder =
        root.refusal.IsEmpty() ? OpenBelow(root, parent, 0) : Folder{-1, root.refusal};
    if (!folder.refusal.IsEmpty())
    {
        anchor.refusal = folder.refusal;
        return anchor;
    }
    anchor.descriptor = OpenFolderAt(folder.descriptor, last, /*make=*/true, /*follow=*/true);
    if (!anchor.descriptor.IsOpen())
        anchor.refusal = std::strerror(errno);
    return anchor;
}

bool OutputRoot::OpenedFolder::IsAt(int folder, const std::string& atName) const
{
    struct stat info;
    return name == atName && ::fstatat(folder, atName.c_str(), &info, AT_SYMLINK_NOFOLLOW) == 0 &&
           info.st_dev == device && info.st_ino == inode;
}

OutputRoot::Folder OutputRoot::OpenBelow(Anchor& anchor, const std::vector<std::string>& components,
                                         std::size_t first)
{
    int folder = anchor.descriptor.Get();
    for (std::size_t index = first; index < components.size(); ++index)
    {
        const std::size_t level = index - first;
        const std::string& name = components[index];
        if (level < anchor.below.size() && !anchor.below[level].IsAt(folder, name))
            anchor.below.resize(level);
        if (level == anchor.below.size())
        {
            OpenedFolder next{name, OpenFolderAt(folder, name, /*make=*/false, /*follow=*/false)};
            if (!next.descriptor.IsOpen() && errno == ENOENT)
            {
                NoteFolderProbe(HostPathOf(components, index));
                next.descriptor = OpenFolderAt(folder, name, /*make=*/true, /*follow=*/false);
            }
            struct stat info;
            if (!next.descriptor.IsOpen() || ::fstat(next.descriptor.Get(), &info) != 0)
                return Refusal(folder, components, index);
            next.device = info.st_dev;
            next.inode = info.st_ino;
            anchor.below.push_back(std::move(next));
        }
        folder = anchor.below[level].descriptor.Get();
    }
    return {folder, {}};
}

OutputRoot::Folder OutputRoot::Refusal(int folder, const std::vector<std::string>& components,
                                       std::size_t index) const
{
    const int error = errno;
    struct stat info;
    if (error == ELOOP ||
        (::fstatat(folder, components[index].c_str(), &info, AT_SYMLINK_NOFOLLOW) == 0 &&
         S_ISLNK(info.st_mode)))
        return {-1, CString("the folder ") + HostPathOf(components, index).c_str() +
                        " is a symbolic link"};
    return {-1, std::strerror(error)};
}

std::string OutputRoot::HostPathOf(const std::vector<std::string>& components,
                                   std::size_t index) const
{
    std::string hostPath = m_hostRoot;
    for (std::size_t at = 0; at <= index; ++at)
        hostPath += "/" + components[at];
    return hostPath;
}
