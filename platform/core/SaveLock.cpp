#include "platform/core/SaveLock.h"

#include "platform/core/Descriptor.h"
#include "platform/core/FileWriters.h"
#include "platform/core/TemporaryName.h"
#include "platform/core/UserNames.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <grp.h>
#include <optional>
#include <pwd.h>
#include <string>
#include <sys/stat.h>
#include <sys/types.h>
#include <thread>
#include <unistd.h>
#include <utility>
#include <vector>

namespace
{
// The kind of file written here and the rules its writer keeps.
const FileWriterRegistration saveLockWriter("save lock",
                                            leavesLinks | usersOwnOnly | oneInstanceAtATime);

constexpr const char* lockSuffix = ".weavo-lock";
// How often a waiting save looks at the lock again.
constexpr std::chrono::milliseconds lockPoll{20};

// The file is the one at the path, not one removed from it.
bool IsAtName(const std::string& path, const struct stat& file)
{
    struct stat named;
    return ::lstat(path.c_str(), &named) == 0 && named.st_dev == file.st_dev &&
           named.st_ino == file.st_ino;
}

// Who may open a lock file: read and write for each class of users that may write the file it
// locks, as a read lock stops a save as a write lock does, in the group of that file.
struct LockFileAccess
{
    mode_t mode;
    std::optional<gid_t> group;
    // The file locked, when it exists.
    std::optional<struct stat> target;
};

LockFileAccess LockFileAccessOf(const std::string& target)
{
    struct stat info;
    const bool exists = ::stat(target.c_str(), &info) == 0;
    // A new file gets the mode of files made there, and the group they get.
    const mode_t mode = exists ? info.st_mode : 0666 & ~CurrentUmask();
    const mode_t writers = mode & (S_IWUSR | S_IWGRP | S_IWOTH);
    return {static_cast<mode_t>(S_IRUSR | S_IWUSR | writers | (writers << 1)),
            exists ? std::optional<gid_t>(info.st_gid) : std::nullopt,
            exists ? std::optional<struct stat>(info) : std::nullopt};
}

// The user is a member of the group, as the user database says.
bool IsInGroup(uid_t user, gid_t group)
{
    std::vector<char> buffer(1 << 14);
    passwd entry{};
    passwd* found = nullptr;
    if (::getpwuid_r(user, &entry, buffer.data(), buffer.size(), &found) != 0 || found == nullptr)
        return false;
    if (entry.pw_gid == group)
        return true;
    int count = 64;
    std::vector<gid_t> groups(static_cast<std::size_t>(count));
    if (::getgrouplist(entry.pw_name, entry.pw_gid, groups.data(), &count) < 0)
    {
        groups.resize(static_cast<std::size_t>(count));
        if (::getgrouplist(entry.pw_name, entry.pw_gid, groups.data(), &count) < 0)
            return false;
    }
    groups.resize(static_cast<std::size_t>(count));
    return std::find(groups.begin(), groups.end(), group) != groups.end();
}

// The maker of the lock file, its owner, may write the file it locks, as a save of it must: the
// file's owner with the write bit, a member of its group with the group's, anyone with the
// others' bit, and the superuser. The lock file's own group tells nothing of its maker: a folder
// that gives its files its group gives it to a stranger's as well.
bool MayMakeLock(const struct stat& lockFile, const LockFileAccess& access)
{
    if (!access.target)
        return true;
    const struct stat& target = *access.target;
    const uid_t maker = lockFile.st_uid;
    if (maker == 0 || maker == ::geteuid() || (target.st_mode & S_IWOTH) != 0)
        return true;
    if (maker == target.st_uid)
        return (target.st_mode & S_IWUSR) != 0;
    return (target.st_mode & S_IWGRP) != 0 && IsInGroup(maker, target.st_gid);
}

// Gives a lock file just made its mode and group; without that group it opens to no group.
void GiveAccess(int fd, const LockFileAccess& access)
{
    struct stat made;
    const bool grouped = !access.group ||
                         (::fstat(fd, &made) == 0 && made.st_gid == *access.group) ||
                         ::fchown(fd, static_cast<uid_t>(-1), *access.group) == 0;
    ::fchmod(fd, grouped ? access.mode : access.mode & ~S_IRWXG);
}

// The lock file lets in users that access does not: others, or a group, that may not write.
bool GrantsStrangers(const struct stat& lockFile, const LockFileAccess& access)
{
    const mode_t outsiders = S_IRWXG | S_IRWXO;
    if ((lockFile.st_mode & outsiders & ~access.mode) != 0)
        return true;
    return (lockFile.st_mode & S_IRWXG) != 0 && access.group && lockFile.st_gid != *access.group;
}
} // namespace

int LockWholeFile(int fd, bool forReading)
{
    struct flock whole
    {
    };
    whole.l_type = forReading ? F_RDLCK : F_WRLCK;
    whole.l_whence = SEEK_SET;
    for (;;)
    {
        if (::fcntl(fd, F_OFD_SETLK, &whole) == 0)
            return 0;
        if (errno != EINTR)
            return errno;
    }
}

bool IsHeldElsewhere(int lockError)
{
    return lockError == EAGAIN || lockError == EACCES;
}

SaveLock SaveLock::Take(const std::string& hostTarget, std::chrono::milliseconds wait,
                        const std::function<void()>& whileWaiting)
{
    const std::size_t slash = hostTarget.rfind('/');
    const std::size_t nameStart = slash == std::string::npos ? 0 : slash + 1;
    SaveLock lock(hostTarget.substr(0, nameStart) +
                      NameWithSuffix(hostTarget.substr(nameStart), lockSuffix),
                  State::Unavailable);
    const LockFileAccess access = LockFileAccessOf(hostTarget);
    const auto deadline = std::chrono::steady_clock::now() + wait;
    for (;;)
    {
        constexpr int flags = O_RDWR | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC;
        // A file made here that cannot be locked goes again; one found stays its maker's.
        bool made = true;
        Descriptor fd(::open(lock.m_path.c_str(), flags | O_CREAT | O_EXCL, access.mode));
        if (fd.IsOpen())
            GiveAccess(fd.Get(), access);
        else if (errno == EEXIST)
        {
            made = false;
            fd = Descriptor(::open(lock.m_path.c_str(), flags));
            // Removed by the instance that held it meanwhile.
            if (!fd.IsOpen() && errno == ENOENT)
                continue;
        }
        if (!fd.IsOpen() && errno == ELOOP)
        {
            lock.m_reason = lock.m_path + " is a symbolic link";
            return lock;
        }
        struct stat opened;
        if (!fd.IsOpen() || ::fstat(fd.Get(), &opened) != 0)
        {
            lock.m_reason = std::strerror(errno);
            return lock;
        }
        if (!S_ISREG(opened.st_mode))
        {
            lock.m_reason = lock.m_path + " is not a regular file";
            return lock;
        }
        // One made by a user who may not write the file is no save's: it goes where the folder
        // lets it, and otherwise no lock can be had while it stands.
        if (!made && !MayMakeLock(opened, access))
        {
            if (IsAtName(lock.m_path, opened) && ::unlink(lock.m_path.c_str()) == 0)
                continue;
            lock.m_reason = lock.m_path + " belongs to " + UserName(opened.st_uid) +
                            ", who may not write the file it locks";
            return lock;
        }
        int error = LockWholeFile(fd.Get());
        // A lock file found with other names, or one that those who may not write the file could
        // open, goes when no instance holds it (one held may be another instance's save), and a
        // new one is made in its place.
        const bool strange = !made && GrantsStrangers(opened, access);
        const bool linked = !made && opened.st_nlink > 1;
        if ((linked || strange) && error == 0 && IsAtName(lock.m_path, opened) &&
            ::unlink(lock.m_path.c_str()) == 0)
            continue;
        // One of this user's that lets in fewer than may write the file now lets them in.
        if (!made && !strange && !linked && opened.st_uid == ::geteuid())
            GiveAccess(fd.Get(), access);
        while (IsHeldElsewhere(error) && std::chrono::steady_clock::now() < deadline)
        {
            if (whileWaiting)
                whileWaiting();
            std::this_thread::sleep_for(lockPoll);
            error = LockWholeFile(fd.Get());
        }
        if (IsHeldElsewhere(error))
        {
            lock.m_state = State::Busy;
            return lock;
        }
        if (error != 0)
        {
            lock.m_reason = std::strerror(error);
            if (made && IsAtName(lock.m_path, opened))
                ::unlink(lock.m_path.c_str());
            return lock;
        }
        // The holder before removed the file it locked: the lock is the one at the name now.
        if (IsAtName(lock.m_path, opened))
        {
            lock.m_fd = std::move(fd);
            lock.m_state = State::Held;
            return lock;
        }
    }
}

SaveLock& SaveLock::operator=(SaveLock&& other) noexcept
{
    if (this != &other)
    {
        Release();
        m_path = std::move(other.m_path);
        m_fd = std::move(other.m_fd);
        m_state = std::exchange(other.m_state, State::Unavailable);
        m_reason = std::move(other.m_reason);
    }
    return *this;
}

SaveLock::~SaveLock()
{
    Release();
}

void SaveLock::Release()
{
    if (!m_fd.IsOpen())
        return;
    // Removed while still held, so that whoever takes the lock next takes it at a new file; a
    // file that took its place after a takeover stays.
    const int error = errno;
    struct stat held;
    if (::fstat(m_fd.Get(), &held) == 0 && IsAtName(m_path, held))
        ::unlink(m_path.c_str());
    m_fd.Close();
    errno = error;
}
