#include "platform/core/FileCopy.h"

#include "platform/core/CException.h"
#include "platform/core/CFile.h"
#include "platform/core/Descriptor.h"
#include "platform/core/FileReplacement.h"
#include "platform/core/FileReplacementAt.h"
#include "platform/core/HostPath.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

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

// A new copy takes the source's mode; one that replaces a file, which took that file's owner and
// mode, reaches the disk first, where the file system can sync it, so that a power loss leaves
// the old file or the whole copy.
bool FinishCopy(int copy, const struct stat* replaced, mode_t sourceMode)
{
    if (replaced == nullptr)
        return ::fchmod(copy, sourceMode & 07777) == 0;
    return ::fsync(copy) == 0 || errno == EINVAL || errno == ENOTSUP;
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

BOOL CopyFileAt(const char* existingPath, int folder, const std::string& name, BOOL failIfExists,
                std::vector<std::string>* lost)
{
    struct stat sourceInfo;
    const Descriptor source = OpenSource(existingPath, sourceInfo);
    if (!source.IsOpen())
        return FALSE;
    struct stat targetInfo;
    const bool exists = ::fstatat(folder, name.c_str(), &targetInfo, AT_SYMLINK_NOFOLLOW) == 0;
    if (exists && failIfExists)
    {
        errno = EEXIST;
        return FALSE;
    }
    FileReplacementAt copy;
    if (!copy.Begin(folder, name, S_IRUSR | S_IWUSR))
        return FALSE;
    if (exists && S_ISREG(targetInfo.st_mode) && targetInfo.st_dev == sourceInfo.st_dev &&
        targetInfo.st_ino == sourceInfo.st_ino)
        return TRUE;
    const bool done = CopyBytes(source.Get(), copy.GetDescriptor(), existingPath) &&
                      FinishCopy(copy.GetDescriptor(), copy.GetReplaced(), sourceInfo.st_mode) &&
                      copy.Commit(failIfExists != FALSE);
    if (done && lost != nullptr)
        *lost = copy.GetLost();
    return done ? TRUE : FALSE;
}
