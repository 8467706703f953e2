#pragma once

#include <sys/types.h>

#include <cstdint>
#include <ctime>
#include <optional>
#include <string>

// What tells one writing of a file from another: the file itself, its size, the time it was
// last modified and a checksum of its bytes, which tells two writings apart where the times of a
// file system are too coarse to; and the symbolic link that stands at its name, if one does.
struct FileStamp
{
    dev_t device = 0;
    ino_t inode = 0;
    off_t size = 0;
    timespec modified{};
    std::uint64_t checksum = 0;
    // The text of the link at the name; nothing when the name is no symbolic link.
    std::optional<std::string> link;

    // The stamp of the file at the model path, its links followed; nothing when there is none or
    // it cannot be read. A link whose file cannot be read gives the link alone.
    static std::optional<FileStamp> Of(const char* modelPath);
    // The stamp of the file open on the descriptor, as it was opened, whatever has since been
    // put at its name; link is the text of the link that stood at the name when it was opened.
    // Nothing when it is not a regular file or cannot be read.
    static std::optional<FileStamp> OfOpenFile(int fd, std::optional<std::string> link);

    bool operator==(const FileStamp& other) const;
};
