#include "platform/core/HostPath.h"

#include "platform/core/Descriptor.h"
#include "platform/core/FileWriters.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>
#include <unordered_set>
#include <utility>

namespace
{
// The kind of folder made here and the rules its maker keeps.
const FileWriterRegistration folderChainWriter("folder made at a path",
                                               makesFolders | followsLinks);

bool IsSeparator(char c)
{
    return c == '\\' || c == '/';
}

bool HasDrive(const std::string& path)
{
    return path.size() >= 2 && std::isalpha(static_cast<unsigned char>(path[0])) && path[1] == ':';
}

bool EqualsIgnoringCase(const std::string& text, std::size_t at, const char* word)
{
    for (std::size_t i = 0; word[i] != '\0'; ++i)
    {
        if (at + i >= text.size() ||
            std::tolower(static_cast<unsigned char>(text[at + i])) != word[i])
            return false;
    }
    return true;
}

// Length of a leading "C:\temp" when the path lies in the fixed trace folder, else 0.
std::size_t TraceFolderPrefixLength(const std::string& path)
{
    const std::size_t length = 7;
    if (!HasDrive(path) || std::tolower(static_cast<unsigned char>(path[0])) != 'c' ||
        path.size() < length || !IsSeparator(path[2]) || !EqualsIgnoringCase(path, 3, "temp"))
        return 0;
    return path.size() == length || IsSeparator(path[length]) ? length : 0;
}

std::string WithForwardSlashes(std::string path)
{
    for (char& c : path)
    {
        if (c == '\\')
            c = '/';
    }
    return path;
}

std::function<void(const std::string&)>& FolderProbeObserver()
{
    static std::function<void(const std::string&)> observer;
    return observer;
}

// The path without its trailing "/"s; "/" stays.
std::string WithoutTrailingSlashes(std::string path)
{
    while (path.size() > 1 && path.back() == '/')
        path.pop_back();
    return path;
}

// Makes every missing folder of the host path; folders in known, when given, are taken as
// there, and the folders found or made are added to it.
bool EnsureHostFolderChain(const std::string& path, std::unordered_set<std::string>* known)
{
    if (path.empty())
    {
        errno = ENOENT;
        return false;
    }
    for (std::size_t end = 1; end <= path.size(); ++end)
    {
        const bool componentEnds =
            end == path.size() ? path[end - 1] != '/' : path[end] == '/' && path[end - 1] != '/';
        if (!componentEnds)
            continue;
        std::string folder = path.substr(0, end);
        if (known != nullptr && known->contains(folder))
            continue;
        if (!EnsureHostFolder(folder))
            return false;
        if (known != nullptr)
            known->insert(std::move(folder));
    }
    return true;
}

// Makes or checks the user's own temp folder when the model path lies in the trace folder;
// known as in EnsureHostFolderChain.
bool EnsureUserTempFolderFor(const char* modelPath, std::unordered_set<std::string>* known)
{
    if (!TraceFolderRelativePath(modelPath))
        return true;
    const std::string folder = UserTempFolder();
    if (known != nullptr && known->contains(folder))
        return true;
    std::string refusal;
    if (!OpenUserTempFolder(refusal).IsOpen())
        return false;
    if (known != nullptr)
        known->insert(folder);
    return true;
}
} // namespace

std::string HostTempFolder()
{
    const char* tmpdir = std::getenv("TMPDIR");
    return WithoutTrailingSlashes(tmpdir != nullptr && *tmpdir != '\0' ? tmpdir : "/tmp");
}

std::string UserTempFolder()
{
    const std::string folder = HostTempFolder();
    return (folder == "/" ? "" : folder) + "/KestraneWeavo-" + std::to_string(::geteuid());
}

std::optional<std::string> TraceFolderRelativePath(const char* modelPath)
{
    const std::string path = modelPath != nullptr ? modelPath : "";
    const std::size_t prefix = TraceFolderPrefixLength(path);
    if (prefix == 0)
        return std::nullopt;
    std::string rest = WithForwardSlashes(path.substr(prefix));
    while (rest.starts_with('/'))
        rest.erase(0, 1);
    return rest;
}

std::string ToHostPath(const char* modelPath)
{
    if (modelPath == nullptr)
        return "";
    const std::string path(modelPath);
    if (const std::size_t prefix = TraceFolderPrefixLength(path))
    {
        return UserTempFolder() + WithForwardSlashes(path.substr(prefix));
    }
    return WithForwardSlashes(HasDrive(path) ? path.substr(2) : path);
}

std::string ToModelPath(const char* hostPath)
{
    std::string path = hostPath != nullptr ? hostPath : "";
    if (path.empty() || path.front() != '/')
        return path;
    std::replace(path.begin(), path.end(), '/', '\\');
    // Drive "C:" would put a folder under "/temp" into the trace folder; any other drive maps
    // back to the same host path.
    const std::string onDriveC = "C:" + path;
    return TraceFolderPrefixLength(onDriveC) != 0 ? "D:" + path : onDriveC;
}

bool HostNamesHoldBackslash(const char* path)
{
    const std::string_view text = path != nullptr ? path : "";
    return text.starts_with('/') && text.find('\\') != std::string_view::npos;
}

std::string BackslashNameRefusal(const char* path)
{
    return std::string(path != nullptr ? path : "") +
           "\nFile and folder names with a \"\\\" cannot be used here.";
}

std::string AbsolutePath(const char* path)
{
    std::string given = path != nullptr ? path : "";
    if (given.empty() || IsSeparator(given.front()) || HasDrive(given))
        return given;
    while (given.starts_with("./"))
        given.erase(0, 2);
    std::error_code error;
    const std::filesystem::path current = std::filesystem::current_path(error);
    return error ? given : WithoutTrailingSlashes(current.string()) + "/" + given;
}

bool EnsureHostFolder(const std::string& folder)
{
    NoteFolderProbe(folder);
    struct stat info;
    if (::stat(folder.c_str(), &info) != 0)
    {
        if (errno != ENOENT)
            return false;
        if (::mkdir(folder.c_str(), 0777) == 0)
            return true;
        if (errno != EEXIST || ::stat(folder.c_str(), &info) != 0)
            return false;
    }
    if (S_ISDIR(info.st_mode))
        return true;
    errno = ENOTDIR;
    return false;
}

bool EnsureFolderChain(const char* modelPath)
{
    return EnsureUserTempFolderFor(modelPath, nullptr) &&
           EnsureHostFolderChain(ToHostPath(modelPath), nullptr);
}

bool FolderChainCache::Ensure(const char* modelPath)
{
    const std::string path = WithoutTrailingSlashes(ToHostPath(modelPath));
    return m_folders.contains(path) || (EnsureUserTempFolderFor(modelPath, &m_folders) &&
                                        EnsureHostFolderChain(path, &m_folders));
}

void SetFolderProbeObserver(std::function<void(const std::string& hostFolder)> observer)
{
    FolderProbeObserver() = std::move(observer);
}

void NoteFolderProbe(const std::string& hostFolder)
{
    if (FolderProbeObserver())
        FolderProbeObserver()(hostFolder);
}

std::string ProgramFolder()
{
    std::error_code error;
    const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::string() : program.parent_path().string();
}
