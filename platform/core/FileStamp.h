#pragma once

#include <sys/types.h>

#include <cstdint>
#include <ctime>
#include <optional>

// What tells one writing of a file from another: the file itself, its size, the time it was
// last modified and a checksum of its bytes, which tells two writings apart where the times of a
// file system are too coarse to.
struct FileStamp
{
    dev_t device = 0;
    ino_t inode = 0;
    off_t size = 0;
    timespec modified{};
    std::uint64_t checksum = 0;

    // The stamp of the file at the model path, its links followed; nothing when there is none or
    // it cannot be read.
    static std::optional<FileStamp> Of(const char* modelPath);

    bool operator==(const FileStamp& other) const;
};
