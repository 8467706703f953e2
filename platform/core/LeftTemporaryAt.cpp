#include "platform/core/LeftTemporaryAt.h"

#include "platform/core/SaveLock.h"

#include <cerrno>
#include <cstdio>
#include <ctime>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

namespace
{
// Changed too lately to be judged left where no lock tells.
bool IsRecent(const struct stat& info, std::time_t minimumAge)
{
    return info.st_mtime > std::time(nullptr) - minimumAge;
}

// Another user's file, open for reading: a lock another open file holds on it shows; without a
// way to look, IsLockedOnHost and the age tell.
bool IsHeldByAnyone(int file, const struct stat& info, std::time_t minimumAge)
{
    if (file >= 0)
    {
        struct flock probe
        {
        };
        probe.l_type = F_WRLCK;
        probe.l_whence = SEEK_SET;
        if (::fcntl(file, F_OFD_GETLK, &probe) == 0)
            return probe.l_type != F_UNLCK;
    }
    return IsLockedOnHost(info.st_dev, info.st_ino) || IsRecent(info, minimumAge);
}
} // namespace

LeftTemporaryAt FindLeftTemporaryAt(int folder, const std::string& entry, std::time_t minimumAge)
{
    LeftTemporaryAt left;
    struct stat info;
    if (::fstatat(folder, entry.c_str(), &info, AT_SYMLINK_NOFOLLOW) != 0 || !S_ISREG(info.st_mode))
        return left;
    left.owner = info.st_uid;
    constexpr int flags = O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC;
    const bool own = info.st_uid == ::geteuid();
    Descriptor file(::openat(folder, entry.c_str(), (own ? O_RDWR : O_RDONLY) | flags));
    // A file the user may only read (on a file system mounted read-only, or without a write
    // bit) is locked for reading, which a live writer's lock stops as well.
    const bool readOnly = own && !file.IsOpen() && (errno == EROFS || errno == EACCES);
    if (readOnly)
        file = Descriptor(::openat(folder, entry.c_str(), O_RDONLY | flags));
    struct stat opened;
    if (file.IsOpen() && (::fstat(file.Get(), &opened) != 0 || opened.st_dev != info.st_dev ||
                          opened.st_ino != info.st_ino))
        return left;
    if (!own)
    {
        left.state = IsHeldByAnyone(file.Get(), info, minimumAge) ? LeftTemporaryAt::State::held
                                                                  : LeftTemporaryAt::State::others;
        return left;
    }
    if (!file.IsOpen())
        return left;
    const int lock = LockWholeFile(file.Get(), /*forReading=*/readOnly);
    if (lock != 0 && (IsHeldElsewhere(lock) || IsRecent(info, minimumAge)))
    {
        left.state = LeftTemporaryAt::State::held;
        return left;
    }
    left.state = LeftTemporaryAt::State::own;
    left.file = std::move(file);
    return left;
}

bool IsLockedOnHost(dev_t device, ino_t inode)
{
    std::FILE* locks = std::fopen("/proc/locks", "re");
    if (locks == nullptr)
        return false;
    // "1: OFDLCK ADVISORY WRITE -1 08:01:1311234 0 EOF"; a waiter's line has "->" after the
    // number.
    char line[256];
    bool found = false;
    while (!found && std::fgets(line, sizeof line, locks) != nullptr)
    {
        unsigned int major = 0;
        unsigned int minor = 0;
        unsigned long number = 0;
        char kind[16];
        char mode[16];
        char access[16];
        long pid = 0;
        found = std::sscanf(line, "%*d: %15s %15s %15s %ld %x:%x:%lu", kind, mode, access, &pid,
                            &major, &minor, &number) == 7 &&
                major == ::major(device) && minor == ::minor(device) && number == inode;
    }
    std::fclose(locks);
    return found;
}
