#include "platform/core/FileReplacementAt.h"

#include "platform/core/ExtendedAttributes.h"
#include "platform/core/FileReplacement.h"
#include "platform/core/SaveLock.h"
#include "platform/core/TemporaryName.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <string>
#include <string_view>
#include <unistd.h>
#include <utility>
#include <vector>

namespace
{
constexpr int temporaryNameTries = 100;

ReserveCall& InstalledReserveCall()
{
    static ReserveCall call = &::fallocate;
    return call;
}

WriteAtCall& InstalledWriteAtCall()
{
    static WriteAtCall call = &::pwrite;
    return call;
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

// Writes all the bytes at the offset; false with errno set.
bool WriteBytesAt(int file, std::string_view bytes, off_t offset)
{
    while (!bytes.empty())
    {
        const ssize_t written = InstalledWriteAtCall()(file, bytes.data(), bytes.size(), offset);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        bytes.remove_prefix(static_cast<std::size_t>(written));
        offset += written;
    }
    return true;
}

// The open file holds exactly the bytes.
bool HoldsBytes(int file, std::string_view bytes)
{
    std::vector<char> buffer(std::min<std::size_t>(bytes.size(), std::size_t{1} << 16));
    off_t offset = 0;
    while (!bytes.empty())
    {
        const ssize_t read =
            ::pread(file, buffer.data(), std::min(buffer.size(), bytes.size()), offset);
        if (read < 0 && errno == EINTR)
            continue;
        if (read <= 0 || std::memcmp(buffer.data(), bytes.data(), static_cast<std::size_t>(read)))
            return false;
        bytes.remove_prefix(static_cast<std::size_t>(read));
        offset += read;
    }
    char past = 0;
    return ::pread(file, &past, 1, offset) == 0;
}

bool IsRefusal(int error)
{
    return error == EACCES || error == EPERM;
}

// Reads the whole open file of that size; false with errno set.
bool ReadWhole(int file, off_t size, std::string& bytes)
{
    bytes.resize(static_cast<std::size_t>(size));
    std::size_t done = 0;
    while (done < bytes.size())
    {
        const ssize_t read =
            ::pread(file, bytes.data() + done, bytes.size() - done, static_cast<off_t>(done));
        if (read < 0 && errno == EINTR)
            continue;
        if (read < 0)
            return false;
        if (read == 0)
            break;
        done += static_cast<std::size_t>(read);
    }
    bytes.resize(done);
    return true;
}

// Takes the blocks the file needs to hold size bytes, its size kept, so that writing them finds
// no full disk nor quota. True when taken or when the file system cannot reserve (the caller
// keeps the old bytes to put back); false with errno set when the room is not there.
bool Reserve(int file, off_t size)
{
    if (InstalledReserveCall()(file, FALLOC_FL_KEEP_SIZE, 0, size) == 0)
        return true;
    return errno == EOPNOTSUPP || errno == ENOSYS || errno == EINVAL;
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
    m_nameTaken = other.m_nameTaken;
    m_name = std::move(other.m_name);
    m_temporary = std::exchange(other.m_temporary, {});
    m_file = std::move(other.m_file);
    m_replaced = other.m_replaced;
    m_replacesFile = other.m_replacesFile;
    m_replacedLink = std::move(other.m_replacedLink);
    m_newFileMode = other.m_newFileMode;
    m_begun = std::exchange(other.m_begun, false);
    m_unchanged = other.m_unchanged;
    m_folderRefusal = other.m_folderRefusal;
    m_leftCut = other.m_leftCut;
    m_lost = std::move(other.m_lost);
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
                              FolderHold hold, NameExpected expected, Bytes bytes)
{
    Abandon();
    m_name = name;
    m_replacesFile = false;
    m_replacedLink.clear();
    m_newFileMode = newFileMode;
    m_nameTaken = false;
    m_unchanged = false;
    m_folderRefusal = false;
    m_leftCut = false;
    m_lost.clear();
    constexpr int flags = O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC;
    struct stat info;
    bool exists = false;
    if (expected == NameExpected::taken || bytes == Bytes::streamed)
    {
        exists = ::fstatat(folder, name.c_str(), &info, AT_SYMLINK_NOFOLLOW) == 0;
        if (!exists && errno != ENOENT)
            return false;
    }
    // Streamed bytes, which a kill may cut, go beside the name even where nothing stands there.
    if (!exists && bytes == Bytes::streamed)
    {
        m_madeAtName = false;
        if (!HoldFolder(folder, hold))
            return false;
        m_begun = true;
        if (MakeTemporary(newFileMode))
            return true;
        Abandon();
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
            m_begun = true;
            if (HoldFolder(folder, hold))
                return true;
            const int error = errno;
            m_file.Close();
            ::unlinkat(folder, name.c_str(), 0);
            m_temporary.clear();
            m_begun = false;
            errno = error;
            return false;
        }
        if (errno != EEXIST || ::fstatat(folder, name.c_str(), &info, AT_SYMLINK_NOFOLLOW) != 0)
            return false;
    }
    m_madeAtName = false;
    m_nameTaken = true;
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
    const bool ownerWrites = info.st_uid == ::geteuid() && (info.st_mode & S_IWUSR) != 0;
    if (S_ISREG(info.st_mode) &&
        ((info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0 ||
         (!ownerWrites && ::faccessat(folder, name.c_str(), W_OK, AT_SYMLINK_NOFOLLOW) != 0)))
    {
        errno = EACCES;
        return false;
    }
    if (!HoldFolder(folder, hold))
        return false;
    m_replacesFile = S_ISREG(info.st_mode) && info.st_nlink == 1;
    m_replaced = info;
    m_begun = true;
    if (bytes == Bytes::whole)
        return true;
    if (!MakeTemporary(newFileMode))
    {
        Abandon();
        return false;
    }
    // A copy streamed over a file keeps what it can of it.
    if (m_replacesFile)
        TakeWhatItHad(OpenReplaced().Get());
    return true;
}

bool FileReplacementAt::MakeTemporary(mode_t mode)
{
    constexpr int flags = O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC;
    static std::atomic<unsigned> counter{0};
    for (int attempt = 0; attempt < temporaryNameTries && !m_file.IsOpen(); ++attempt)
    {
        m_temporary = TemporaryNameFor(m_name, counter.fetch_add(1));
        m_file = Descriptor(::openat(m_folder, m_temporary.c_str(), flags, mode));
        if (!m_file.IsOpen() && errno != EEXIST)
            break;
    }
    // Held until the rename, taken before anything is written: a sweep of what killed writes
    // left leaves it alone (LeftTemporaryAt). File systems without locks leave that to its age.
    if (m_file.IsOpen())
        LockWholeFile(m_file.Get());
    if (!m_file.IsOpen())
        m_temporary.clear();
    return m_file.IsOpen();
}

Descriptor FileReplacementAt::OpenReplaced() const
{
    Descriptor file(::openat(m_folder, m_name.c_str(),
                             O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    struct stat info;
    if (file.IsOpen() && (::fstat(file.Get(), &info) != 0 || info.st_dev != m_replaced.st_dev ||
                          info.st_ino != m_replaced.st_ino))
        file.Close();
    return file;
}

bool FileReplacementAt::TakeWhatItHad(int replaced)
{
    m_lost = GiveOwnerOf(m_replaced, m_file.Get());
    // After the mode, which an access control list refines.
    if (::fchmod(m_file.Get(), m_replaced.st_mode & 07777) != 0)
        m_lost.push_back(std::string("mode (") + std::strerror(errno) + ")");
    if (replaced < 0)
        m_lost.emplace_back("extended attributes (the file replaced could not be read)");
    else
        for (std::string& lost : CopyExtendedAttributes(replaced, m_file.Get()))
            m_lost.push_back(std::move(lost));
    return m_lost.empty();
}

bool FileReplacementAt::WriteInPlace(std::string_view bytes)
{
    const Descriptor file(::openat(m_folder, m_name.c_str(),
                                   O_RDWR | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    struct stat info;
    if (!file.IsOpen() || ::fstat(file.Get(), &info) != 0)
        return false;
    // Only the file found at the start, and never through another name.
    if (!S_ISREG(info.st_mode) || info.st_nlink != 1 || info.st_dev != m_replaced.st_dev ||
        info.st_ino != m_replaced.st_ino)
    {
        errno = EBUSY;
        return false;
    }
    // The old bytes are put back where a write fails part way (a file system that cannot
    // reserve, or one that needs room to overwrite).
    std::string old;
    const off_t size = static_cast<off_t>(bytes.size());
    if (!ReadWhole(file.Get(), info.st_size, old) ||
        (size > static_cast<off_t>(old.size()) && !Reserve(file.Get(), size)))
        return false;
    // A shorter text is cut to its size first, so that no kill leaves it followed by old bytes.
    if ((size >= static_cast<off_t>(old.size()) || ::ftruncate(file.Get(), size) == 0) &&
        WriteBytesAt(file.Get(), bytes, 0))
        return true;
    const int error = errno;
    m_leftCut = ::ftruncate(file.Get(), static_cast<off_t>(old.size())) != 0 ||
                !WriteBytesAt(file.Get(), old, 0);
    errno = error;
    return false;
}

bool FileReplacementAt::CommitWhole(std::string_view bytes)
{
    if (!m_begun)
    {
        errno = EBADF;
        return false;
    }
    m_folderRefusal = false;
    if (m_madeAtName)
    {
        if (WriteBytesAt(m_file.Get(), bytes, 0))
            return Commit();
        Abandon();
        return false;
    }
    const Descriptor replaced = S_ISREG(m_replaced.st_mode) ? OpenReplaced() : Descriptor();
    if (replaced.IsOpen() && m_replaced.st_size == static_cast<off_t>(bytes.size()) &&
        HoldsBytes(replaced.Get(), bytes))
    {
        m_unchanged = true;
        Finish();
        return true;
    }
    bool inPlace = false;
    if (!MakeTemporary(m_replacesFile ? S_IRUSR | S_IWUSR : m_newFileMode))
    {
        m_folderRefusal = IsRefusal(errno);
        inPlace = m_folderRefusal && m_replacesFile;
    }
    else if (m_replacesFile && !TakeWhatItHad(replaced.Get()))
    {
        // Written in place, the file keeps its owner and attributes.
        ::unlinkat(m_folder, m_temporary.c_str(), 0);
        m_temporary.clear();
        m_file.Close();
        inPlace = true;
    }
    if (inPlace)
    {
        m_folderRefusal = false;
        const bool done = WriteInPlace(bytes);
        Abandon();
        return done;
    }
    if (!m_file.IsOpen())
    {
        Abandon();
        return false;
    }
    if (WriteBytesAt(m_file.Get(), bytes, 0))
        return Commit();
    Abandon();
    return false;
}

bool FileReplacementAt::Commit(bool keepExisting)
{
    if (m_temporary.empty())
    {
        Abandon();
        errno = EBADF;
        return false;
    }
    // The temporary's lock, which its open file holds, stays until it is renamed, so that no
    // sweep takes it between; the close tells of a write that failed late.
    const Descriptor locked =
        m_madeAtName || !m_file.IsOpen() ? Descriptor() : Duplicate(m_file.Get());
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
    Finish();
    return true;
}

void FileReplacementAt::Finish()
{
    m_begun = false;
    m_ownFolder.Close();
    m_folder = -1;
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
    Finish();
}

ReserveCall SetReserveCall(ReserveCall call)
{
    return std::exchange(InstalledReserveCall(), call);
}

WriteAtCall SetWriteAtCall(WriteAtCall call)
{
    return std::exchange(InstalledWriteAtCall(), call);
}
