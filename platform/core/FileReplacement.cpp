#include "platform/core/FileReplacement.h"

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
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

// The text of the link, or nothing when the path is not a link or cannot be read.
std::optional<std::string> LinkText(const std::string& path)
{
    struct stat info;
    if (::lstat(path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode))
        return std::nullopt;
    std::vector<char> buffer(static_cast<std::size_t>(info.st_size > 0 ? info.st_size : 255) + 1);
    const ssize_t length = ::readlink(path.c_str(), buffer.data(), buffer.size());
    if (length < 0 || static_cast<std::size_t>(length) >= buffer.size())
        return std::nullopt;
    return std::string(buffer.data(), static_cast<std::size_t>(length));
}

// Renames without replacing an existing target: EEXIST when there is one.
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
} // namespace

FileReplacement::FileReplacement(const std::string& hostPath) : m_target(hostPath)
{
    for (int hop = 0;; ++hop)
    {
        const std::optional<std::string> link = LinkText(m_target);
        if (!link)
            return;
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

bool FileReplacement::IsTargetProtected() const
{
    struct stat info;
    if (::stat(m_target.c_str(), &info) != 0 || !S_ISREG(info.st_mode))
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
        const std::string name = m_target + ".weavo-" + std::to_string(::getpid()) + "-" +
                                 std::to_string(counter.fetch_add(1));
        const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0)
        {
            ::close(fd);
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
    struct stat old;
    const bool replacing = ::stat(m_target.c_str(), &old) == 0;
    int result = 0;
    if (replacing)
    {
        // The owner first: a change of owner clears bits that the mode then sets again. Only
        // the superuser may give a file away, so a refusal leaves it the user's.
        if (::chown(m_temporary.c_str(), old.st_uid, old.st_gid) != 0 &&
            ::chown(m_temporary.c_str(), static_cast<uid_t>(-1), old.st_gid) != 0)
            errno = 0;
        result = ::chmod(m_temporary.c_str(), old.st_mode & 07777);
    }
    else if (newFileMode)
        result = ::chmod(m_temporary.c_str(), *newFileMode & 07777);
    if (result == 0)
        result = keepExisting ? RenameKeepingExisting(m_temporary.c_str(), m_target.c_str())
                              : ::rename(m_temporary.c_str(), m_target.c_str());
    if (result != 0)
    {
        const int error = errno;
        RemoveTemporary();
        errno = error;
        return false;
    }
    m_temporary.clear();
    return true;
}

void FileReplacement::RemoveTemporary()
{
    if (m_temporary.empty())
        return;
    const int error = errno;
    std::remove(m_temporary.c_str());
    errno = error;
    m_temporary.clear();
}
