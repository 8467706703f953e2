#include "platform/core/FileCopy.h"

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

bool WriteAll(int fd, const char* bytes, std::size_t count)
{
    while (count > 0)
    {
        const ssize_t written = ::write(fd, bytes, count);
        if (written < 0)
        {
            if (errno == EINTR)
                continue;
            return false;
        }
        bytes += written;
        count -= static_cast<std::size_t>(written);
    }
    return true;
}

// Copies every byte of the source into the target.
bool CopyBytes(int source, int target)
{
    char buffer[copyBlockSize];
    for (;;)
    {
        const ssize_t count = ::read(source, buffer, sizeof buffer);
        if (count < 0 && errno == EINTR)
            continue;
        if (count < 0)
            return false;
        if (count == 0)
            return true;
        if (!WriteAll(target, buffer, static_cast<std::size_t>(count)))
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
    if (!replacement.CreateTemporary() || !CopyBytes(source.Get(), replacement.GetDescriptor()))
        return FALSE;
    return replacement.Commit(failIfExists != FALSE, sourceInfo.st_mode) ? TRUE : FALSE;
}
