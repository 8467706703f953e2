#pragma once

#include "platform/core/Descriptor.h"

#include <ctime>
#include <string>
#include <sys/types.h>

// What stands at a temporary's name (TemporaryNameFor) inside an open folder, as a sweep of what
// killed writes left judges it. A writer holds the lock of its temporary (LockWholeFile) from its
// making to its rename, so a live run holds it whatever process number its name gives and
// whatever program the run is; where the file system has no locks, a file changed in the last
// minimumAge seconds counts as held.
struct LeftTemporaryAt
{
    enum class State
    {
        // Nothing, or no regular file: no write made it.
        none,
        // A live writer holds it.
        held,
        // No live writer holds it, and it is this user's: file is open and locked.
        own,
        // No live writer holds it, and it is another user's.
        others,
    };

    State state = State::none;
    uid_t owner = 0;
    // Open, and locked while it lives, for the user's own.
    Descriptor file;
};

LeftTemporaryAt FindLeftTemporaryAt(int folder, const std::string& entry, std::time_t minimumAge);

// The host knows a lock held on the file of that device and inode (/proc/locks): the locks of
// this machine, also of files the user cannot open.
bool IsLockedOnHost(dev_t device, ino_t inode);
