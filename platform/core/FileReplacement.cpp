#include "platform/core/FileReplacement.h"

#include "platform/core/Descriptor.h"
#include "platform/core/ExtendedAttributes.h"
#include "platform/core/FileSync.h"
#include "platform/core/LeftTemporaryAt.h"
#include "platform/core/SaveLock.h"
#include "platform/core/TemporaryName.h"
#include "platform/core/UserNames.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <functional>
#include <optional>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>
#include <utility>
#include <vector>

namespace
{
// As many links as the kernel follows in one path.
constexpr int maxLinkHops = 40;
constexpr int maxTemporaryNameTries = 100;

std::string FolderPart(const std::string& path)
{
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos)
        return "";
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string NamePart(const std::string& path)
{
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// The extended attribute that marks a file which a save finished at a name of the temporaries'
// form: the user named it so, and no save left it.
constexpr const char* finishedSaveMark = "user.weavo.finished-save";

// A file at a name of the temporaries' form is marked as a finished save. A file system that
// keeps no such attributes leaves it unmarked.
void MarkFinishedSaveAtName(int fd, const std::string& name)
{
    if (ReadTemporaryName(name))
        ::fsetxattr(fd, finishedSaveMark, "1", 1, 0);
}

bool IsFinishedSave(int fd)
{
    return ::fgetxattr(fd, finishedSaveMark, nullptr, 0) >= 0;
}

// The text of the symbolic link whose status info is; nothing when it is none or cannot be read.
std::optional<std::string> LinkTextOf(const std::string& hostPath, const struct stat& info)
{
    if (!S_ISLNK(info.st_mode))
        return std::nullopt;
    std::vector<char> buffer(static_cast<std::size_t>(info.st_size > 0 ? info.st_size : 255) + 1);
    const ssize_t length = ::readlink(hostPath.c_str(), buffer.data(), buffer.size());
    if (length < 0 || static_cast<std::size_t>(length) >= buffer.size())
        return std::nullopt;
    return std::string(buffer.data(), static_cast<std::size_t>(length));
}

// A rename reaches the disk with its folder. A folder that cannot be synced leaves the file in
// place all the same.
void SyncFolder(const std::string& folder)
{
    const int fd =
        ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    SyncToDisk(fd);
    ::close(fd);
}

// The entry of the folder, open and locked, when it is what a save of this program left: a
// regular file of this user that begins with the header, that no save finished at its name, and
// whose lock no live writer holds, as a save holds its temporary file's from before it writes the
// header to the rename (LeftTemporaryAt). Invalid otherwise.
Descriptor OpenLeftBehind(int folder, const char* entry, std::string_view header,
                          std::time_t minimumAge, struct stat& info)
{
    LeftTemporaryAt left = FindLeftTemporaryAt(folder, entry, minimumAge);
    std::string start(header.size(), '\0');
    const bool ours = left.state == LeftTemporaryAt::State::own &&
                      !IsFinishedSave(left.file.Get()) && ::fstat(left.file.Get(), &info) == 0 &&
                      ::pread(left.file.Get(), start.data(), start.size(), 0) ==
                          static_cast<ssize_t>(start.size()) &&
                      start == header;
    struct stat named;
    // Still the file checked, under the lock.
    if (ours && ::fstatat(folder, entry, &named, AT_SYMLINK_NOFOLLOW) == 0 &&
        named.st_dev == info.st_dev && named.st_ino == info.st_ino)
        return std::move(left.file);
    errno = EBUSY;
    return {};
}
} // namespace

int RenameKeepingExisting(const char* from, const char* to)
{
#ifdef RENAME_NOREPLACE
    if (::renameat2(AT_FDCWD, from, AT_FDCWD, to, RENAME_NOREPLACE) == 0)
        return 0;
    if (errno != EINVAL && errno != ENOSYS)
        return -1;
#endif
    // File systems without that rename: a hard link fails on an existing name as well.
    if (::link(from, to) == 0)
        return ::unlink(from);
    if (errno == EEXIST)
        return -1;
    struct stat info;
    if (::lstat(to, &info) == 0)
    {
        errno = EEXIST;
        return -1;
    }
    return ::rename(from, to);
}

std::optional<std::string> KeepUnderFreeName(const std::function<std::string(int)>& nameFor,
                                             const std::function<bool(const std::string&)>& keep,
                                             int tries)
{
    for (int n = 1; n <= tries; ++n)
    {
        std::string name = nameFor(n);
        if (keep(name))
            return name;
        if (errno != EEXIST)
            return std::nullopt;
    }
    return std::nullopt;
}

std::vector<std::string> GiveOwnerOf(const struct stat& replaced, int to)
{
    if ((replaced.st_uid == ::geteuid() && replaced.st_gid == ::getegid()) ||
        ::fchown(to, replaced.st_uid, replaced.st_gid) == 0)
        return {};
    const std::string reason = std::strerror(errno);
    ::fchown(to, static_cast<uid_t>(-1), replaced.st_gid);
    struct stat given;
    if (::fstat(to, &given) != 0)
        return {"owner " + UserName(replaced.st_uid) + " (" + std::strerror(errno) + ")"};
    std::vector<std::string> lost;
    if (given.st_uid != replaced.st_uid)
        lost.push_back("owner " + UserName(replaced.st_uid) + " (" + reason + "; the new file is " +
                       UserName(given.st_uid) + "'s)");
    if (given.st_gid != replaced.st_gid)
        lost.push_back("group " + GroupName(replaced.st_gid) + " (" + reason +
                       "; the new file's is " + GroupName(given.st_gid) + ")");
    return lost;
}

std::optional<std::string> LinkText(const std::string& hostPath)
{
    struct stat info;
    if (::lstat(hostPath.c_str(), &info) != 0)
        return std::nullopt;
    return LinkTextOf(hostPath, info);
}

bool MayTakeAwayFromFolder(const std::string& hostPath)
{
    struct stat folder;
    struct stat entry;
    const uid_t user = ::geteuid();
    const std::string folderPath = FolderPart(hostPath);
    if (::stat(folderPath.empty() ? "." : folderPath.c_str(), &folder) != 0 ||
        ::lstat(hostPath.c_str(), &entry) != 0)
        return true;
    return (folder.st_mode & S_ISVTX) == 0 || user == 0 || entry.st_uid == user ||
           folder.st_uid == user;
}

FileReplacement::FileReplacement(const std::string& hostPath, bool followLinks)
    : m_target(hostPath), m_followLinks(followLinks)
{
    for (int hop = 0; followLinks; ++hop)
    {
        struct stat info;
        if (::lstat(m_target.c_str(), &info) != 0)
            return;
        const std::optional<std::string> link = LinkTextOf(m_target, info);
        if (!link)
            return;
        if (!m_othersLink && info.st_uid != ::geteuid())
            m_othersLink = OthersLink{m_target, info.st_uid, *link};
        if (hop == maxLinkHops)
        {
            m_followError = ELOOP;
            return;
        }
        const std::string folder = FolderPart(m_target);
        m_target = link->front() == '/' || folder.empty() ? *link : folder + "/" + *link;
    }
}

FileReplacement::~FileReplacement()
{
    RemoveTemporary();
}

std::vector<FileReplacement::LeftTemporary>
FileReplacement::FindLeftTemporaries(std::string_view header, std::time_t minimumAge) const
{
    const std::string name = NamePart(m_target);
    std::vector<LeftTemporary> found = FindLeftIn(
        FolderPart(m_target), [&name](const TemporaryName& entry) { return entry.Replaces(name); },
        header, minimumAge);
    // A name cut short names its target in part only.
    for (LeftTemporary& left : found)
        left.target = m_target;
    return found;
}

std::vector<FileReplacement::LeftTemporary> FileReplacement::FindLeftTemporariesIn(
    const std::string& folder, const std::function<bool(const std::string& target)>& ofTarget,
    std::string_view header, std::time_t minimumAge)
{
    return FindLeftIn(
        folder, [&ofTarget](const TemporaryName& entry) { return ofTarget(entry.stem); }, header,
        minimumAge);
}

std::vector<FileReplacement::LeftTemporary>
FileReplacement::FindLeftIn(const std::string& folder,
                            const std::function<bool(const TemporaryName& entry)>& taken,
                            std::string_view header, std::time_t minimumAge)
{
    std::vector<LeftTemporary> found;
    const int error = errno;
    DIR* entries = ::opendir(folder.empty() ? "." : folder.c_str());
    if (entries == nullptr)
        return found;
    const std::string prefix = folder.empty() ? "" : folder + "/";
    while (const dirent* entry = ::readdir(entries))
    {
        const std::optional<TemporaryName> name = ReadTemporaryName(entry->d_name);
        struct stat info;
        if (name && taken(*name) &&
            OpenLeftBehind(::dirfd(entries), entry->d_name, header, minimumAge, info).IsOpen())
            found.push_back(
                {prefix + entry->d_name, info.st_mtime, name->tag, prefix + name->stem});
    }
    ::closedir(entries);
    errno = error;
    std::ranges::sort(found, {}, &LeftTemporary::modified);
    return found;
}

bool FileReplacement::KeepLeftTemporary(const std::string& temporary, const std::string& keptPath,
                                        std::string_view header, std::time_t minimumAge)
{
    const std::string folder = FolderPart(temporary);
    const Descriptor opened(
        ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    struct stat info;
    const Descriptor held =
        opened.IsOpen()
            ? OpenLeftBehind(opened.Get(), NamePart(temporary).c_str(), header, minimumAge, info)
            : Descriptor();
    return held.IsOpen() && RenameKeepingExisting(temporary.c_str(), keptPath.c_str()) == 0;
}

bool FileReplacement::IsTargetProtected() const
{
    struct stat info;
    if (::lstat(m_target.c_str(), &info) != 0 || !S_ISREG(info.st_mode))
        return false;
    return (info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0 ||
           ::access(m_target.c_str(), W_OK) != 0;
}

bool FileReplacement::CreateTemporary()
{
    if (m_followError != 0)
    {
        errno = m_followError;
        return false;
    }
    RemoveTemporary();
    static std::atomic<unsigned> counter{0};
    for (int attempt = 0; attempt < maxTemporaryNameTries; ++attempt)
    {
        const std::string target = NamePart(m_target);
        const std::string name = m_target.substr(0, m_target.size() - target.size()) +
                                 TemporaryNameFor(target, counter.fetch_add(1));
        const int fd = ::open(name.c_str(), O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC,
                              S_IRUSR | S_IWUSR);
        if (fd >= 0)
        {
            // Held until the descriptor closes, taken before anything is written: a search for
            // files that saves left leaves it alone. File systems without locks leave that to
            // the age of the file.
            LockWholeFile(fd);
            m_descriptor = fd;
            m_temporary = name;
            return true;
        }
        if (errno != EEXIST)
            return false;
    }
    return false;
}

bool FileReplacement::Commit(bool keepExisting, std::optional<mode_t> newFileMode)
{
    // A link, or a file with other names, at a name whose links are not followed is no file of
    // the user's: the new file takes nothing of it.
    struct stat old;
    const bool replacing = ::lstat(m_target.c_str(), &old) == 0 && S_ISREG(old.st_mode) &&
                           (m_followLinks || old.st_nlink == 1);
    m_lostAttributes.clear();
    if (replacing)
        m_lostAttributes = GiveOwnerOf(old, m_descriptor);
    const mode_t mode = m_mode        ? *m_mode
                        : replacing   ? old.st_mode
                        : newFileMode ? *newFileMode
                                      : 0666 & ~CurrentUmask();
    bool done = ::fchmod(m_descriptor, mode & 07777) == 0;
    // After the mode, which an access control list refines.
    if (replacing)
        for (std::string& lost : CopyExtendedAttributes(m_target, m_descriptor))
            m_lostAttributes.push_back(std::move(lost));
    done = done && SyncToDisk(m_descriptor);
    // Renamed while still open and locked, so that a search for files that saves left never
    // takes it between its close and its rename.
    if (done)
        done = (keepExisting ? RenameKeepingExisting(m_temporary.c_str(), m_target.c_str())
                             : ::rename(m_temporary.c_str(), m_target.c_str())) == 0;
    if (!done)
    {
        const int error = errno;
        RemoveTemporary();
        errno = error;
        return false;
    }
    // Once at its name, so that a kill before leaves no temporary marked.
    MarkFinishedSaveAtName(m_descriptor, NamePart(m_target));
    CloseDescriptor();
    m_temporary.clear();
    SyncFolder(FolderPart(m_target));
    return true;
}

void FileReplacement::Release()
{
    CloseDescriptor();
    m_temporary.clear();
}

void FileReplacement::CloseDescriptor()
{
    if (m_descriptor >= 0)
        ::close(std::exchange(m_descriptor, -1));
}

void FileReplacement::RemoveTemporary()
{
    const int error = errno;
    CloseDescriptor();
    if (m_temporary.empty())
    {
        errno = error;
        return;
    }
    std::remove(m_temporary.c_str());
    errno = error;
    m_temporary.clear();
}
