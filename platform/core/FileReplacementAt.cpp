#include "platform/core/FileReplacementAt.h"

#include <atomic>
#include <cerrno>
#include <fcntl.h>
#include <string>
#include <unistd.h>
#include <utility>

namespace
{
constexpr int temporaryNameTries = 100;

// Renames inside the folder without replacing an existing target: EEXIST when there is one.
int RenameKeepingExistingAt(int folder, const std::string& from, const std::string& to)
{
#ifdef RENAME_NOREPLACE
    if (::renameat2(folder, from.c_str(), folder, to.c_str(), RENAME_NOREPLACE) == 0)
        return 0;
    if (errno != EINVAL && errno != ENOSYS)
        return -1;
#endif
    // File systems without that rename: a hard link fails on an existing name as well.
    if (::linkat(folder, from.c_str(), folder, to.c_str(), 0) != 0)
        return -1;
    return ::unlinkat(folder, from.c_str(), 0);
}

// The process's user and group, asked once: the program never changes them.
uid_t ProcessUser()
{
    static const uid_t user = ::geteuid();
    return user;
}

gid_t ProcessGroup()
{
    static const gid_t group = ::getegid();
    return group;
}

// The replaced file's owner and mode go to the new one. Only the superuser may give a file away,
// so a refusal of the owner leaves it the user's; the owner goes first, since a change of owner
// clears bits that the mode then sets again.
bool TakeOwnerAndMode(int file, const struct stat& replaced)
{
    const bool ownersDiffer = replaced.st_uid != ProcessUser() || replaced.st_gid != ProcessGroup();
    if (ownersDiffer && ::fchown(file, replaced.st_uid, replaced.st_gid) != 0 &&
        ::fchown(file, static_cast<uid_t>(-1), replaced.st_gid) != 0)
        errno = 0;
    return ::fchmod(file, replaced.st_mode & 07777) == 0;
}
} // namespace

FileReplacementAt::FileReplacementAt(FileReplacementAt&& other) noexcept
{
    *this = std::move(other);
}

FileReplacementAt& FileReplacementAt::operator=(FileReplacementAt&& other) noexcept
{
    if (this == &other)
        return *this;
    Abandon();
    m_ownFolder = std::move(other.m_ownFolder);
    m_folder = std::exchange(other.m_folder, -1);
    m_madeAtName = other.m_madeAtName;
    m_name = std::move(other.m_name);
    m_temporary = std::exchange(other.m_temporary, {});
    m_file = std::move(other.m_file);
    m_replaced = other.m_replaced;
    m_replacesFile = other.m_replacesFile;
    m_replacedLink = std::move(other.m_replacedLink);
    return *this;
}

bool FileReplacementAt::HoldFolder(int folder, FolderHold hold)
{
    if (hold == FolderHold::borrow)
    {
        m_folder = folder;
        return true;
    }
    m_ownFolder = Duplicate(folder);
    m_folder = m_ownFolder.Get();
    return m_ownFolder.IsOpen();
}

bool FileReplacementAt::Begin(int folder, const std::string& name, mode_t newFileMode,
                              FolderHold hold, NameExpected expected)
{
    Abandon();
    m_name = name;
    m_replacesFile = false;
    m_replacedLink.clear();
    constexpr int flags = O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC;
    struct stat info;
    bool exists = false;
    if (expected == NameExpected::taken)
    {
        exists = ::fstatat(folder, name.c_str(), &info, AT_SYMLINK_NOFOLLOW) == 0;
        if (!exists && errno != ENOENT)
            return false;
    }
    if (!exists)
    {
        // Where nothing stands the file is made at its name, so there is nothing to rename.
        m_file = Descriptor(::openat(folder, name.c_str(), flags, newFileMode));
        if (m_file.IsOpen())
        {
            m_madeAtName = true;
            m_temporary = name;
            if (HoldFolder(folder, hold))
                return true;
            const int error = errno;
            m_file.Close();
            ::unlinkat(folder, name.c_str(), 0);
            m_temporary.clear();
            errno = error;
            return false;
        }
        if (errno != EEXIST || ::fstatat(folder, name.c_str(), &info, AT_SYMLINK_NOFOLLOW) != 0)
            return false;
    }
    m_madeAtName = false;
    m_replacedLink = DescribeLinkAt(folder, name, info);
    if (S_ISDIR(info.st_mode))
    {
        errno = EISDIR;
        return false;
    }
    if (!S_ISREG(info.st_mode) && !S_ISLNK(info.st_mode))
    {
        errno = EINVAL;
        return false;
    }
    // The owner with the write bit may write; for anyone else the host is asked.
    const bool ownerWrites = info.st_uid == ProcessUser() && (info.st_mode & S_IWUSR) != 0;
    if (S_ISREG(info.st_mode) &&
        ((info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0 ||
         (!ownerWrites && ::faccessat(folder, name.c_str(), W_OK, AT_SYMLINK_NOFOLLOW) != 0)))
    {
        errno = EACCES;
        return false;
    }
    if (!HoldFolder(folder, hold))
        return false;
    static const std::string infix = ".weavo-" + std::to_string(::getpid()) + "-";
    static std::atomic<unsigned> counter{0};
    for (int attempt = 0; attempt < temporaryNameTries && !m_file.IsOpen(); ++attempt)
    {
        m_temporary = name + infix + std::to_string(counter.fetch_add(1));
        m_file = Descriptor(::openat(m_folder, m_temporary.c_str(), flags, newFileMode));
        if (!m_file.IsOpen() && errno != EEXIST)
            break;
    }
    if (!m_file.IsOpen())
    {
        m_temporary.clear();
        Abandon();
        return false;
    }
    m_replacesFile = S_ISREG(info.st_mode) && info.st_nlink == 1;
    m_replaced = info;
    if (m_replacesFile && !TakeOwnerAndMode(m_file.Get(), m_replaced))
    {
        Abandon();
        return false;
    }
    return true;
}

bool FileReplacementAt::Commit(bool keepExisting)
{
    if (m_temporary.empty())
    {
        errno = EBADF;
        return false;
    }
    bool done = !m_file.IsOpen() || ::close(m_file.Release()) == 0;
    if (done && !m_madeAtName)
        done = (keepExisting
                    ? RenameKeepingExistingAt(m_folder, m_temporary, m_name)
                    : ::renameat(m_folder, m_temporary.c_str(), m_folder, m_name.c_str())) == 0;
    if (!done)
    {
        Abandon();
        return false;
    }
    m_temporary.clear();
    m_ownFolder.Close();
    m_folder = -1;
    return true;
}

void FileReplacementAt::Abandon()
{
    m_file.Close();
    if (!m_temporary.empty() && m_folder >= 0)
    {
        const int error = errno;
        ::unlinkat(m_folder, m_temporary.c_str(), 0);
        errno = error;
    }
    m_temporary.clear();
    m_ownFolder.Close();
    m_folder = -1;
}
