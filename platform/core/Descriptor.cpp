#include "platform/core/Descriptor.h"

#include "platform/core/HostPath.h"
#include "platform/core/UserNames.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>
#include <vector>

namespace
{
// The text of the symbolic link of the name inside the folder; empty when it cannot be read.
std::string LinkTextAt(int folder, const std::string& name, const struct stat& info)
{
    std::vector<char> buffer(static_cast<std::size_t>(info.st_size > 0 ? info.st_size : 255) + 1);
    const ssize_t length = ::readlinkat(folder, name.c_str(), buffer.data(), buffer.size());
    if (length < 0 || static_cast<std::size_t>(length) >= buffer.size())
        return {};
    return std::string(buffer.data(), static_cast<std::size_t>(length));
}

// The folder a host path names its last part in ("." without a folder) and that part.
std::pair<std::string, std::string> FolderAndName(const std::string& hostPath)
{
    const std::size_t slash = hostPath.rfind('/');
    if (slash == std::string::npos)
        return {".", hostPath};
    return {slash == 0 ? "/" : hostPath.substr(0, slash), hostPath.substr(slash + 1)};
}
} // namespace

void Descriptor::Close()
{
    if (m_fd < 0)
        return;
    const int error = errno;
    ::close(std::exchange(m_fd, -1));
    errno = error;
}

mode_t CurrentUmask()
{
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return mask;
}

Descriptor Duplicate(int fd)
{
    return Descriptor(::fcntl(fd, F_DUPFD_CLOEXEC, 0));
}

Descriptor OpenFolderAt(int folder, const std::string& name, bool make, bool follow)
{
    const int flags = O_RDONLY | O_DIRECTORY | O_CLOEXEC | (follow ? 0 : O_NOFOLLOW);
    Descriptor opened(::openat(folder, name.c_str(), flags));
    if (opened.IsOpen() || errno != ENOENT || !make)
        return opened;
    if (::mkdirat(folder, name.c_str(), 0777) != 0 && errno != EEXIST)
        return opened;
    return Descriptor(::openat(folder, name.c_str(), flags));
}

std::string DescribeLinkAt(int folder, const std::string& name, const struct stat& info)
{
    if (S_ISLNK(info.st_mode))
        return "it led to " + LinkTextAt(folder, name, info);
    if (S_ISREG(info.st_mode) && info.st_nlink > 1)
        return "it was a hard link";
    return "";
}

bool RemoveLinkAt(int folder, const std::string& name, std::string& removed)
{
    removed.clear();
    struct stat info;
    if (::fstatat(folder, name.c_str(), &info, AT_SYMLINK_NOFOLLOW) != 0)
        return true;
    const std::string what = DescribeLinkAt(folder, name, info);
    if (what.empty())
        return true;
    if (::unlinkat(folder, name.c_str(), 0) != 0)
        return false;
    removed = what;
    return true;
}

Descriptor CreateFileAt(int folder, const std::string& name)
{
    // Without a reader a fifo fails at once instead of blocking.
    Descriptor file(::openat(folder, name.c_str(),
                             O_WRONLY | O_CREAT | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK, 0666));
    if (!file.IsOpen())
        return file;
    struct stat info;
    if (::fstat(file.Get(), &info) != 0)
        return {};
    if (!S_ISREG(info.st_mode) || info.st_nlink == 1)
        return file;
    file.Close();
    errno = EMLINK;
    return {};
}

Descriptor CreateOwnFileAt(int folder, const std::string& name, std::string& removed)
{
    removed.clear();
    Descriptor made = CreateFileAt(folder, name);
    if (made.IsOpen() || (errno != ELOOP && errno != EMLINK))
        return made;
    if (!RemoveLinkAt(folder, name, removed))
        return {};
    return CreateFileAt(folder, name);
}

Descriptor CreateOwnFile(const std::string& hostPath, std::string& removed)
{
    removed.clear();
    const auto [folder, name] = FolderAndName(hostPath);
    if (name.empty())
    {
        errno = EISDIR;
        return {};
    }
    const Descriptor opened(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!opened.IsOpen())
        return {};
    return CreateOwnFileAt(opened.Get(), name, removed);
}

namespace
{
// The open folder or file belongs to this user; otherwise refusal names it and errno is EACCES.
bool IsUsersOwn(int descriptor, const std::string& hostPath, std::string& refusal)
{
    struct stat info;
    if (::fstat(descriptor, &info) != 0)
        return false;
    if (info.st_uid == ::geteuid())
        return true;
    refusal = hostPath + " belongs to another user";
    errno = EACCES;
    return false;
}
} // namespace

Descriptor OpenUserTempFolder(std::string& refusal)
{
    refusal.clear();
    const std::string path = UserTempFolder();
    const std::size_t slash = path.rfind('/');
    const std::string name = path.substr(slash + 1);
    const Descriptor temp(::open(slash == 0 ? "/" : path.substr(0, slash).c_str(),
                                 O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    // The name is looked at again after each folder made or link taken away, a few times at most.
    for (int look = 0; temp.IsOpen() && look < 4; ++look)
    {
        struct stat info;
        if (::fstatat(temp.Get(), name.c_str(), &info, AT_SYMLINK_NOFOLLOW) != 0)
        {
            if (errno != ENOENT)
                return {};
            if (::mkdirat(temp.Get(), name.c_str(), S_IRWXU) != 0 && errno != EEXIST)
                return {};
            continue;
        }
        // A link or a file at the name is no folder: it goes where the temp folder lets it.
        const bool removed = !S_ISDIR(info.st_mode) &&
                             (::unlinkat(temp.Get(), name.c_str(), 0) == 0 || errno == ENOENT);
        if (removed)
            continue;
        if (info.st_uid != ::geteuid())
        {
            refusal = path + " belongs to another user";
            errno = EACCES;
            return {};
        }
        if (!S_ISDIR(info.st_mode))
            return {};
        Descriptor folder = OpenFolderAt(temp.Get(), name, /*make=*/false, /*follow=*/false);
        if (!folder.IsOpen() || !IsUsersOwn(folder.Get(), path, refusal))
            return {};
        if ((info.st_mode & 07777) != S_IRWXU && ::fchmod(folder.Get(), S_IRWXU) != 0)
            return {};
        return folder;
    }
    if (temp.IsOpen())
        errno = EAGAIN;
    return {};
}

Descriptor OpenUserTempSubfolder(const std::string& relative, bool make, std::string& refusal,
                                 std::string& hostPath)
{
    Descriptor folder = OpenUserTempFolder(refusal);
    hostPath = UserTempFolder();
    std::size_t start = 0;
    while (folder.IsOpen() && start < relative.size())
    {
        const std::size_t slash = std::min(relative.find('/', start), relative.size());
        const std::string name = relative.substr(start, slash - start);
        start = slash + 1;
        if (name.empty() || name == ".")
            continue;
        hostPath += "/" + name;
        folder = OpenFolderAt(folder.Get(), name, make, /*follow=*/false);
        if (folder.IsOpen() && !IsUsersOwn(folder.Get(), hostPath, refusal))
            return {};
    }
    return folder;
}

Descriptor CreateUserTempFile(const std::string& relative, std::string& refusal,
                              std::string& removed)
{
    removed.clear();
    const std::size_t slash = relative.rfind('/');
    std::string hostPath;
    const Descriptor folder = OpenUserTempSubfolder(
        slash == std::string::npos ? std::string() : relative.substr(0, slash),
        /*make=*/false, refusal, hostPath);
    if (!folder.IsOpen())
        return {};
    const std::string name = slash == std::string::npos ? relative : relative.substr(slash + 1);
    Descriptor file = CreateOwnFileAt(folder.Get(), name, removed);
    if (!file.IsOpen() || !IsUsersOwn(file.Get(), hostPath + "/" + name, refusal))
        return {};
    if (::fchmod(file.Get(), S_IRUSR | S_IWUSR) != 0)
        return {};
    return file;
}

Descriptor OpenOwnFolder(const std::string& hostPath, uid_t otherOwner, bool make,
                         std::string& refusal)
{
    refusal.clear();
    const auto [parent, name] = FolderAndName(hostPath);
    const Descriptor above(::open(parent.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!above.IsOpen())
        return {};
    Descriptor folder = OpenFolderAt(above.Get(), name, make, /*follow=*/false);
    struct stat info;
    if (!folder.IsOpen())
    {
        const int error = errno;
        if (::fstatat(above.Get(), name.c_str(), &info, AT_SYMLINK_NOFOLLOW) == 0 &&
            S_ISLNK(info.st_mode))
        {
            refusal = hostPath + " is a link (" + DescribeLinkAt(above.Get(), name, info) +
                      "), not a folder of the user's own";
            errno = EACCES;
        }
        else
            errno = error;
        return {};
    }
    if (::fstat(folder.Get(), &info) != 0)
        return {};
    if (info.st_uid == ::geteuid() || info.st_uid == otherOwner)
        return folder;
    refusal = hostPath + " belongs to another user, " + UserName(info.st_uid);
    errno = EACCES;
    return {};
}
