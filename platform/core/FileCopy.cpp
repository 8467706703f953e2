#include "platform/core/FileCopy.h"

#include "platform/core/CException.h"
#include "platform/core/CFile.h"
#include "platform/core/Descriptor.h"
#include "platform/core/FileReplacement.h"
#include "platform/core/HostPath.h"

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace
{
constexpr std::size_t copyBlockSize = 1 << 16;

// Copies every byte of the source into the target; false with errno set.
bool CopyBytes(int source, int target, const char* path)
{
    try
    {
        CFile from(source, path);
        CFile to(target, path);
        char buffer[copyBlockSize];
        while (const UINT count = from.Read(buffer, sizeof buffer))
            to.Write(buffer, count);
        return true;
    }
    catch (const CFileException& error)
    {
        errno = static_cast<int>(error.m_lOsError);
        return false;
    }
}

// The file to copy, open for reading, with its status; a folder fails with EISDIR, anything
// else that is no regular file, such as a named pipe, at once with EINVAL. Invalid with errno
// set.
Descriptor OpenSource(const char* path, struct stat& info)
{
    Descriptor source(::open(ToHostPath(path).c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (!source.IsOpen() || ::fstat(source.Get(), &info) != 0)
        return {};
    if (S_ISREG(info.st_mode))
        return source;
    errno = S_ISDIR(info.st_mode) ? EISDIR : EINVAL;
    return {};
}

constexpr int copyTemporaryNameTries = 100;

// A new file of its own beside the name inside the folder, mode 0600, open for reading and
// writing; its name goes to temporary. Invalid with errno set.
Descriptor CreateTemporaryAt(int folder, const std::string& name, std::string& temporary)
{
    static std::atomic<unsigned> counter{0};
    for (int attempt = 0; attempt < copyTemporaryNameTries; ++attempt)
    {
        temporary = name + ".weavo-" + std::to_string(::getpid()) + "-" +
                    std::to_string(counter.fetch_add(1));
        Descriptor fd(::openat(folder, temporary.c_str(),
                               O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC,
                               S_IRUSR | S_IWUSR));
        if (fd.IsOpen() || errno != EEXIST)
            return fd;
    }
    return {};
}

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

// The regular file's owner and mode go to the copy that replaces it; a new file takes the
// source's mode. The data of a copy that replaces a file reaches the disk first, where the file
// system can sync it, so that a power loss leaves the old file or the whole copy.
bool FinishCopy(int copy, const struct stat* replaced, mode_t sourceMode)
{
    // The owner first: a change of owner clears bits that the mode then sets again. Only the
    // superuser may give a file away, so a refusal leaves it the user's.
    if (replaced != nullptr && ::fchown(copy, replaced->st_uid, replaced->st_gid) != 0 &&
        ::fchown(copy, static_cast<uid_t>(-1), replaced->st_gid) != 0)
        errno = 0;
    const mode_t mode = replaced != nullptr ? replaced->st_mode : sourceMode;
    if (::fchmod(copy, mode & 07777) != 0)
        return false;
    return replaced == nullptr || ::fsync(copy) == 0 || errno == EINVAL || errno == ENOTSUP;
}
} // namespace

BOOL CopyFile(const char* existingPath, const char* newPath, BOOL failIfExists)
{
    struct stat sourceInfo;
    const Descriptor source = OpenSource(existingPath, sourceInfo);
    if (!source.IsOpen())
        return FALSE;
    FileReplacement replacement(ToHostPath(newPath));
    struct stat targetInfo;
    const bool exists = ::stat(replacement.GetTarget().c_str(), &targetInfo) == 0;
    if (exists && (failIfExists || replacement.IsTargetProtected()))
    {
        errno = failIfExists ? EEXIST : EACCES;
        return FALSE;
    }
    if (exists && targetInfo.st_dev == sourceInfo.st_dev && targetInfo.st_ino == sourceInfo.st_ino)
        return TRUE;
    if (!replacement.CreateTemporary() ||
        !CopyBytes(source.Get(), replacement.GetDescriptor(), newPath))
        return FALSE;
    return replacement.Commit(failIfExists != FALSE, sourceInfo.st_mode) ? TRUE : FALSE;
}

BOOL CopyFileAt(const char* existingPath, int folder, const std::string& name, BOOL failIfExists)
{
    struct stat sourceInfo;
    const Descriptor source = OpenSource(existingPath, sourceInfo);
    if (!source.IsOpen())
        return FALSE;
    struct stat targetInfo;
    const bool exists = ::fstatat(folder, name.c_str(), &targetInfo, AT_SYMLINK_NOFOLLOW) == 0;
    const bool replacesFile = exists && S_ISREG(targetInfo.st_mode);
    if (exists && failIfExists)
    {
        errno = EEXIST;
        return FALSE;
    }
    if (replacesFile && ((targetInfo.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0 ||
                         ::faccessat(folder, name.c_str(), W_OK, AT_SYMLINK_NOFOLLOW) != 0))
    {
        errno = EACCES;
        return FALSE;
    }
    if (replacesFile && targetInfo.st_dev == sourceInfo.st_dev &&
        targetInfo.st_ino == sourceInfo.st_ino)
        return TRUE;
    std::string temporary;
    Descriptor copy = CreateTemporaryAt(folder, name, temporary);
    if (!copy.IsOpen())
        return FALSE;
    bool done = CopyBytes(source.Get(), copy.Get(), existingPath) &&
                FinishCopy(copy.Get(), replacesFile ? &targetInfo : nullptr, sourceInfo.st_mode);
    if (done)
        done = ::close(copy.Release()) == 0;
    if (done)
        done = (failIfExists ? RenameKeepingExistingAt(folder, temporary, name)
                             : ::renameat(folder, temporary.c_str(), folder, name.c_str())) == 0;
    if (!done)
    {
        const int error = errno;
        ::unlinkat(folder, temporary.c_str(), 0);
        errno = error;
        return FALSE;
    }
    return TRUE;
}
