#pragma once

#include <sys/types.h>

#include <ctime>
#include <optional>

// What tells one writing of a file from another: the file itself, its size and the time it was
// last modified.
struct FileStamp
{
    dev_t device = 0;
    ino_t inode = 0;
    off_t size = 0;
    timespec modified{};

    // The stamp of the file at the model path, its links followed; nothing when there is none.
    static std::optional<FileStamp> Of(const char* modelPath);

    bool operator==(const FileStamp& other) const;
};
