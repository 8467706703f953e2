#include "platform/core/SaveLock.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>
#include <utility>

namespace
{
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
} // namespace

int LockWholeFile(int fd)
{
    struct flock whole
    {
    };
    whole.l_type = F_WRLCK;
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
    SaveLock lock(hostTarget + lockSuffix, State::Unavailable);
    const auto deadline = std::chrono::steady_clock::now() + wait;
    for (;;)
    {
        constexpr int flags = O_RDWR | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC;
        // A file made here that cannot be locked goes again; one found stays its maker's.
        bool made = true;
        Descriptor fd(::open(lock.m_path.c_str(), flags | O_CREAT | O_EXCL, 0666));
        if (!fd.IsOpen() && errno == EEXIST)
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
        // A file of other names is no lock file: its mode stays and it is not locked.
        if (opened.st_nlink > 1)
        {
            lock.m_reason = lock.m_path + " is a hard link";
            return lock;
        }
        // Every user who saves in the folder can lock it, also when a killed instance left it.
        if (opened.st_uid == ::geteuid() && (opened.st_mode & 0777) != 0666)
            ::fchmod(fd.Get(), 0666);
        int error = LockWholeFile(fd.Get());
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
    // Removed while still held, so that whoever takes the lock next takes it at a new file.
    const int error = errno;
    ::unlink(m_path.c_str());
    m_fd.Close();
    errno = error;
}
