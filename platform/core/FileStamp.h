#pragma once

#include <sys/types.h>

#include <array>
#include <cstddef>
#include <cstdint>
#include <ctime>
#include <limits>
#include <optional>
#include <string>

// What tells one writing of a file from another: the file itself, its size, the time it was
// last modified and a checksum of its bytes, which tells two writings apart where the times of a
// file system are too coarse to; and the symbolic link that stands at its name, if one does.
// The checksum may cover the first bytes only, those a reader took: a change past them shows in
// the size and the time alone.
struct FileStamp
{
    static constexpr std::uint64_t wholeFile = std::numeric_limits<std::uint64_t>::max();

    dev_t device = 0;
    ino_t inode = 0;
    off_t size = 0;
    timespec modified{};
    std::uint64_t checksum = 0;
    // The bytes from the start that the checksum covers.
    std::uint64_t checked = 0;
    // The text of the link at the name; nothing when the name is no symbolic link.
    std::optional<std::string> link;

    // The stamp of the file at the model path, its links followed, its checksum over the first
    // checkedBytes bytes; nothing when there is none or it cannot be read. A link whose file
    // cannot be read gives the link alone.
    static std::optional<FileStamp> Of(const char* modelPath,
                                       std::uint64_t checkedBytes = wholeFile);

    bool operator==(const FileStamp& other) const;
};

// A checksum of a file's bytes, fed in pieces of any size: four lanes of 64-bit words mixed by
// multiplication, which a reader's pass over a large file hardly notices.
class FileChecksum
{
public:
    void Add(const void* bytes, std::size_t count);
    std::uint64_t Value() const;

private:
    void AddBlock(const unsigned char* block);

    std::array<std::uint64_t, 4> m_lanes{1, 2, 3, 4};
    std::array<unsigned char, 32> m_block{};
    std::size_t m_pending = 0;
};

// The stamp of the file open on the descriptor, as it was when this was made, whatever is put at
// its name since, taken while a reader goes through the file: the checksum covers the bytes it
// reads from the start and, at Finish, those up to the end given. link is the text of the link
// that stood at the name when the file was opened.
class FileStampReading
{
public:
    FileStampReading(int fd, std::optional<std::string> link);
    // Bytes the reader read at the offset; those past a gap are read again by Finish.
    void Read(std::uint64_t offset, const void* bytes, std::size_t count);
    // Reads on to checkedBytes, or the end of the file when that comes first; nothing when the
    // file is no regular file or cannot be read.
    std::optional<FileStamp> Finish(std::uint64_t checkedBytes = FileStamp::wholeFile);

private:
    int m_fd;
    std::optional<FileStamp> m_stamp;
    FileChecksum m_checksum;
    // The bytes from the start that the checksum covers.
    std::uint64_t m_checked = 0;
};
