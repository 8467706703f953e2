#include "platform/core/FileStamp.h"

#include "platform/core/Descriptor.h"
#include "platform/core/FileReplacement.h"
#include "platform/core/HostPath.h"

#include <array>
#include <cerrno>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace
{
// FNV-1a over the file's bytes, read without moving the descriptor; nothing when a read fails.
std::optional<std::uint64_t> ChecksumOf(int fd)
{
    std::uint64_t hash = 14695981039346656037ULL;
    std::array<unsigned char, 1 << 16> buffer;
    for (off_t offset = 0;;)
    {
        const ssize_t count = ::pread(fd, buffer.data(), buffer.size(), offset);
        if (count < 0 && errno == EINTR)
            continue;
        if (count < 0)
            return std::nullopt;
        if (count == 0)
            return hash;
        offset += count;
        for (ssize_t i = 0; i < count; ++i)
            hash = (hash ^ buffer[static_cast<std::size_t>(i)]) * 1099511628211ULL;
    }
}
} // namespace

std::optional<FileStamp> FileStamp::Of(const char* modelPath)
{
    const std::string hostPath = ToHostPath(modelPath);
    std::optional<std::string> link = LinkText(hostPath);
    const Descriptor fd(::open(hostPath.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    std::optional<FileStamp> stamp = fd.IsOpen() ? OfOpenFile(fd.Get(), link) : std::nullopt;
    if (!stamp && link)
        return FileStamp{.link = std::move(link)};
    return stamp;
}

std::optional<FileStamp> FileStamp::OfOpenFile(int fd, std::optional<std::string> link)
{
    struct stat info;
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode))
        return std::nullopt;
    const std::optional<std::uint64_t> checksum = ChecksumOf(fd);
    if (!checksum)
        return std::nullopt;
    return FileStamp{info.st_dev,  info.st_ino, info.st_size,
                     info.st_mtim, *checksum,   std::move(link)};
}

bool FileStamp::operator==(const FileStamp& other) const
{
    return device == other.device && inode == other.inode && size == other.size &&
           modified.tv_sec == other.modified.tv_sec && modified.tv_nsec == other.modified.tv_nsec &&
           checksum == other.checksum && link == other.link;
}
