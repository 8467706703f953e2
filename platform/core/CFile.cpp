#include "platform/core/CFile.h"

#include "platform/core/FileSync.h"
#include "platform/core/HostPath.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace
{
int OpenFlagsFor(UINT flags)
{
    int openFlags = O_CLOEXEC;
    switch (flags & 0x3)
    {
    case CFile::modeWrite:
        openFlags |= O_WRONLY;
        break;
    case CFile::modeReadWrite:
        openFlags |= O_RDWR;
        break;
    default:
        openFlags |= O_RDONLY;
        break;
    }
    if ((flags & CFile::modeCreate) != 0)
        openFlags |= (flags & CFile::modeNoTruncate) != 0 ? O_CREAT : O_CREAT | O_TRUNC;
    return openFlags;
}

int WhenceFor(UINT from)
{
    return from == CFile::current ? SEEK_CUR : from == CFile::end ? SEEK_END : SEEK_SET;
}
} // namespace

CFile::CFile(const char* path, UINT flags)
{
    CFileException error;
    if (!Open(path, flags, &error))
        throw error;
}

CFile::CFile(int descriptor, const char* path)
    : m_fd(descriptor), m_ownsDescriptor(false), m_path(path)
{
}

CFile::~CFile()
{
    Abort();
}

RegularFileOpening OpenRegularFile(const std::string& hostPath)
{
    RegularFileOpening opening;
    opening.descriptor = ::open(hostPath.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (opening.descriptor == -1)
    {
        opening.osError = errno;
        return opening;
    }
    struct stat status;
    if (::fstat(opening.descriptor, &status) != 0)
        opening.osError = errno;
    else if (!S_ISREG(status.st_mode))
        opening.refusal = "not a regular file";
    else
        opening.size = static_cast<std::uint64_t>(status.st_size);
    if (opening.osError != 0 || !opening.refusal.empty())
    {
        ::close(opening.descriptor);
        opening.descriptor = -1;
    }
    return opening;
}

std::optional<std::string> ReadRegularFile(const std::string& hostPath, std::string& reason)
{
    RegularFileOpening opening = OpenRegularFile(hostPath);
    reason = opening.osError != 0 ? std::strerror(opening.osError) : opening.refusal;
    if (opening.descriptor == -1)
        return std::nullopt;
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(opening.size));
    char buffer[1 << 16];
    ssize_t count = 0;
    while ((count = ::read(opening.descriptor, buffer, sizeof buffer)) != 0)
    {
        if (count > 0)
            bytes.append(buffer, static_cast<std::size_t>(count));
        else if (errno != EINTR)
            break;
    }
    if (count < 0)
        reason = std::strerror(errno);
    ::close(opening.descriptor);
    return count < 0 ? std::nullopt : std::optional<std::string>(std::move(bytes));
}

BOOL CFile::Open(const char* path, UINT flags, CFileException* error)
{
    Abort();
    m_path = path;
    m_ownsDescriptor = true;
    const std::string hostPath = ToHostPath(path);
    if ((flags & typeRegularOnly) != 0 && (flags & (modeWrite | modeReadWrite)) == 0)
    {
        RegularFileOpening opening = OpenRegularFile(hostPath);
        if (opening.descriptor == -1 && error != nullptr)
            *error = opening.refusal.empty()
                         ? CFileException(CFileException::CauseFromErrno(opening.osError),
                                          opening.osError, m_path)
                         : CFileException(CFileException::invalidFile, m_path, opening.refusal);
        m_fd = opening.descriptor;
        return m_fd != -1 ? TRUE : FALSE;
    }
    int fd = ::open(hostPath.c_str(), OpenFlagsFor(flags), 0666);
    int osError = errno;
    struct stat status;
    if (fd != -1 && ::fstat(fd, &status) == 0 && S_ISDIR(status.st_mode))
    {
        ::close(fd);
        fd = -1;
        osError = EISDIR;
    }
    if (fd == -1)
    {
        if (error != nullptr)
            *error = CFileException(CFileException::CauseFromErrno(osError), osError, m_path);
        return FALSE;
    }
    m_fd = fd;
    return TRUE;
}

UINT CFile::Read(void* buffer, UINT count)
{
    auto* bytes = static_cast<char*>(buffer);
    UINT done = 0;
    while (done < count)
    {
        const ssize_t got = ::read(m_fd, bytes + done, count - done);
        if (got == 0)
            break;
        if (got < 0)
        {
            if (errno == EINTR)
                continue;
            ThrowError(CFileException::CauseFromErrno(errno), errno);
        }
        done += static_cast<UINT>(got);
    }
    return done;
}

void CFile::Write(const void* buffer, UINT count)
{
    const auto* bytes = static_cast<const char*>(buffer);
    UINT done = 0;
    while (done < count)
    {
        const ssize_t written = ::write(m_fd, bytes + done, count - done);
        if (written < 0)
        {
            if (errno == EINTR)
                continue;
            ThrowError(CFileException::CauseFromErrno(errno), errno);
        }
        done += static_cast<UINT>(written);
    }
}

std::uint64_t CFile::Seek(std::int64_t offset, UINT from)
{
    const off_t position = ::lseek(m_fd, offset, WhenceFor(from));
    if (position < 0)
        ThrowError(errno == EBADF ? CFileException::invalidFile : CFileException::badSeek, errno);
    return static_cast<std::uint64_t>(position);
}

std::uint64_t CFile::GetLength() const
{
    struct stat status;
    if (::fstat(m_fd, &status) != 0)
        ThrowError(CFileException::CauseFromErrno(errno), errno);
    return static_cast<std::uint64_t>(status.st_size);
}

std::uint64_t CFile::GetPosition() const
{
    const off_t position = ::lseek(m_fd, 0, SEEK_CUR);
    if (position < 0)
        ThrowError(CFileException::CauseFromErrno(errno), errno);
    return static_cast<std::uint64_t>(position);
}

void CFile::Flush()
{
    if (!SyncToDisk(m_fd))
        ThrowError(CFileException::CauseFromErrno(errno), errno);
}

void CFile::Close()
{
    if (m_fd == -1)
        return;
    const int result = m_ownsDescriptor ? ::close(m_fd) : 0;
    m_fd = -1;
    if (result != 0)
        ThrowError(CFileException::CauseFromErrno(errno), errno);
}

void CFile::Abort()
{
    if (m_fd != -1 && m_ownsDescriptor)
        ::close(m_fd);
    m_fd = -1;
}

void CFile::ThrowError(int cause, int osError) const
{
    throw CFileException(cause, osError, m_path);
}

UINT CMemFile::Read(void* buffer, UINT count)
{
    if (count == 0 || m_position >= m_bytes.size())
        return 0;
    const auto available =
        static_cast<UINT>(std::min<std::uint64_t>(count, m_bytes.size() - m_position));
    std::memcpy(buffer, m_bytes.data() + m_position, available);
    m_position += available;
    return available;
}

void CMemFile::Write(const void* buffer, UINT count)
{
    if (count == 0)
        return;
    if (m_position + count > m_bytes.size())
        m_bytes.resize(m_position + count);
    std::memcpy(m_bytes.data() + m_position, buffer, count);
    m_position += count;
}

std::uint64_t CMemFile::Seek(std::int64_t offset, UINT from)
{
    const std::int64_t origin = from == current ? static_cast<std::int64_t>(m_position)
                                : from == end   ? static_cast<std::int64_t>(m_bytes.size())
                                                : 0;
    if (origin + offset < 0)
        throw CFileException(CFileException::badSeek, EINVAL);
    m_position = static_cast<std::uint64_t>(origin + offset);
    return m_position;
}

BOOL CStdioFile::ReadString(CString& line)
{
    std::string text;
    char chunk[256];
    bool endOfLine = false;
    while (!endOfLine)
    {
        const UINT got = Read(chunk, sizeof chunk);
        if (got == 0)
            break;
        const auto* newline = static_cast<const char*>(std::memchr(chunk, '\n', got));
        const UINT used = newline != nullptr ? static_cast<UINT>(newline - chunk) : got;
        text.append(chunk, used);
        endOfLine = newline != nullptr;
        if (endOfLine && got - used > 1)
            Seek(-static_cast<std::int64_t>(got - used - 1), current);
    }
    if (endOfLine && !text.empty() && text.back() == '\r')
        text.pop_back();
    line = CString(text);
    return endOfLine || !text.empty() ? TRUE : FALSE;
}

void CStdioFile::WriteString(const char* text)
{
    Write(text, static_cast<UINT>(std::strlen(text)));
}
