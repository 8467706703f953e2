#include "platform/core/FileStamp.h"

#include "platform/core/HostPath.h"

#include <sys/stat.h>

std::optional<FileStamp> FileStamp::Of(const char* modelPath)
{
    struct stat info;
    if (::stat(ToHostPath(modelPath).c_str(), &info) != 0)
        return std::nullopt;
    return FileStamp{info.st_dev, info.st_ino, info.st_size, info.st_mtim};
}

bool FileStamp::operator==(const FileStamp& other) const
{
    return device == other.device && inode == other.inode && size == other.size &&
           modified.tv_sec == other.modified.tv_sec && modified.tv_nsec == other.modified.tv_nsec;
}
