#include "platform/core/FileStamp.h"

#include "platform/core/Descriptor.h"
#include "platform/core/FileReplacement.h"
#include "platform/core/HostPath.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <fcntl.h>
#include <optional>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace
{
constexpr std::uint64_t multiplier = 0x9E3779B97F4A7C15ULL;
constexpr std::uint64_t finalMultiplier = 0xBF58476D1CE4E5B9ULL;

std::uint64_t Mixed(std::uint64_t lane, std::uint64_t word)
{
    lane ^= word * multiplier;
    return ((lane << 31) | (lane >> 33)) * finalMultiplier;
}
} // namespace

void FileChecksum::Add(const void* bytes, std::size_t count)
{
    const auto* next = static_cast<const unsigned char*>(bytes);
    if (m_pending > 0)
    {
        const std::size_t piece = std::min(count, m_block.size() - m_pending);
        std::memcpy(m_block.data() + m_pending, next, piece);
        m_pending += piece;
        next += piece;
        count -= piece;
        if (m_pending < m_block.size())
            return;
        AddBlock(m_block.data());
        m_pending = 0;
    }
    for (; count >= m_block.size(); count -= m_block.size(), next += m_block.size())
        AddBlock(next);
    std::memcpy(m_block.data(), next, count);
    m_pending = count;
}

std::uint64_t FileChecksum::Value() const
{
    std::uint64_t value = m_pending;
    for (const std::uint64_t lane : m_lanes)
        value = Mixed(value, lane);
    for (std::size_t i = 0; i < m_pending; ++i)
        value = Mixed(value, m_block[i]);
    return value;
}

void FileChecksum::AddBlock(const unsigned char* block)
{
    for (std::size_t lane = 0; lane < m_lanes.size(); ++lane)
    {
        std::uint64_t word;
        std::memcpy(&word, block + lane * sizeof word, sizeof word);
        m_lanes[lane] = Mixed(m_lanes[lane], word);
    }
}

std::optional<FileStamp> FileStamp::Of(const char* modelPath, std::uint64_t checkedBytes)
{
    const std::string hostPath = ToHostPath(modelPath);
    std::optional<std::string> link = LinkText(hostPath);
    const Descriptor fd(::open(hostPath.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    std::optional<FileStamp> stamp =
        fd.IsOpen() ? FileStampReading(fd.Get(), link).Finish(checkedBytes) : std::nullopt;
    if (!stamp && link)
        return FileStamp{.link = std::move(link)};
    return stamp;
}

FileStampReading::FileStampReading(int fd, std::optional<std::string> link) : m_fd(fd)
{
    struct stat info;
    if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode))
        m_stamp =
            FileStamp{info.st_dev, info.st_ino, info.st_size, info.st_mtim, 0, 0, std::move(link)};
}

void FileStampReading::Read(std::uint64_t offset, const void* bytes, std::size_t count)
{
    if (offset > m_checked || offset + count <= m_checked)
        return;
    const std::size_t skipped = static_cast<std::size_t>(m_checked - offset);
    m_checksum.Add(static_cast<const unsigned char*>(bytes) + skipped, count - skipped);
    m_checked = offset + count;
}

std::optional<FileStamp> FileStampReading::Finish(std::uint64_t checkedBytes)
{
    if (!m_stamp)
        return std::nullopt;
    std::array<unsigned char, 1 << 16> buffer;
    while (m_checked < checkedBytes)
    {
        const std::size_t wanted = static_cast<std::size_t>(
            std::min<std::uint64_t>(buffer.size(), checkedBytes - m_checked));
        const ssize_t count = ::pread(m_fd, buffer.data(), wanted, static_cast<off_t>(m_checked));
        if (count < 0 && errno == EINTR)
            continue;
        if (count < 0)
            return std::nullopt;
        if (count == 0)
            break;
        Read(m_checked, buffer.data(), static_cast<std::size_t>(count));
    }
    FileStamp stamp = std::move(*m_stamp);
    m_stamp.reset();
    stamp.checksum = m_checksum.Value();
    stamp.checked = m_checked;
    return stamp;
}

bool FileStamp::operator==(const FileStamp& other) const
{
    return device == other.device && inode == other.inode && size == other.size &&
           modified.tv_sec == other.modified.tv_sec && modified.tv_nsec == other.modified.tv_nsec &&
           checksum == other.checksum && checked == other.checked && link == other.link;
}
