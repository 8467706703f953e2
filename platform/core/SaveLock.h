#pragma once

#include "platform/core/Descriptor.h"

#include <chrono>
#include <functional>
#include <string>

// Takes an exclusive lock of the whole open file without waiting: an open-file-description
// record lock (fcntl F_OFD_SETLK), which network file systems pass on to their server as they
// do no other lock, and which belongs to the open file, not to the process, so that closing
// another descriptor of the file keeps it. forReading takes a shared lock instead, for a file
// open for reading only, which no exclusive lock of another open file lets it have. 0 when
// taken; otherwise the errno: EAGAIN or EACCES when another open file holds it, ENOLCK,
// EOPNOTSUPP or EINVAL where the file system has no locks.
int LockWholeFile(int fd, bool forReading = false);
// The errno of LockWholeFile says another open file holds the lock.
bool IsHeldElsewhere(int lockError);

// The lock of the saves of one file, so that instances replacing it do so one after another
// and saves of other files never wait for it. It is held on "<file>.weavo-lock" beside the file (a
// long name cut as a temporary's is), made when missing and removed again when the lock is let go.
// Only those who may write the file can open it: it is readable and writable by each class of users
// that has the file's write bit, in the file's group, as any lock on it, a read lock too, stops a
// save. A lock file left by an instance that was killed is taken over, as the lock went with the
// instance; one left with other names is made anew when no instance holds it, and one that others
// could open is made anew whoever holds it. One whose owner may not write the file (a stranger's,
// in a folder that all may write, whatever group the folder gave it) was made by no save: it is
// removed where the folder lets this user, and otherwise no lock can be had, its name and owner
// given as the reason.
class SaveLock
{
public:
    enum class State
    {
        Held,
        // Another instance held it for the whole wait.
        Busy,
        // No lock can be had here: the lock file cannot be made or opened, a symbolic link stands
        // at its name (it is neither followed nor changed) or the file system cannot lock.
        Unavailable,
    };

    // Takes the lock of the saves of the host file (its links resolved by the caller), waiting
    // at most wait for the instance that holds it; whileWaiting, when given, runs between looks.
    static SaveLock Take(const std::string& hostTarget, std::chrono::milliseconds wait,
                         const std::function<void()>& whileWaiting = {});

    SaveLock(SaveLock&& other) noexcept = default;
    SaveLock& operator=(SaveLock&& other) noexcept;
    SaveLock(const SaveLock&) = delete;
    SaveLock& operator=(const SaveLock&) = delete;
    // Removes the lock file and lets the lock go.
    ~SaveLock();

    State GetState() const { return m_state; }
    bool IsHeld() const { return m_state == State::Held; }
    // Why the lock is unavailable, as the host says it.
    const std::string& GetReason() const { return m_reason; }
    const std::string& GetLockPath() const { return m_path; }

private:
    SaveLock(std::string path, State state) : m_path(std::move(path)), m_state(state) {}
    void Release();

    std::string m_path;
    Descriptor m_fd;
    State m_state;
    std::string m_reason;
};
