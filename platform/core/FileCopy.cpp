#include "platform/core/FileCopy.h"

#include "platform/core/CException.h"
#include "platform/core/CFile.h"
#include "platform/core/FileReplacement.h"
#include "platform/core/HostPath.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace
{
constexpr std::size_t copyBlockSize = 1 << 16;

// Closes the descriptor when it goes.
class Descriptor
{
public:
    explicit Descriptor(int fd) : m_fd(fd) {}
    ~Descriptor()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;

    int Get() const { return m_fd; }

private:
    int m_fd;
};

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
} // namespace

BOOL CopyFile(const char* existingPath, const char* newPath, BOOL failIfExists)
{
    Descriptor source(::open(ToHostPath(existingPath).c_str(), O_RDONLY | O_CLOEXEC));
    struct stat sourceInfo;
    if (source.Get() < 0 || ::fstat(source.Get(), &sourceInfo) != 0)
        return FALSE;
    if (S_ISDIR(sourceInfo.st_mode))
    {
        errno = EISDIR;
        return FALSE;
    }
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
