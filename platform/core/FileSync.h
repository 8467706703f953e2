#pragma once

// Brings an open file's data to the disk. A file system that cannot sync a file (it answers
// EINVAL or ENOTSUP, as some shared-folder and FUSE file systems do) counts as done: the data is
// written all the same. False with errno set on any other failure, such as EIO.
bool SyncToDisk(int fd);

// The system call that syncs a descriptor; tests put another in its place. Returns the one
// replaced.
using SyncCall = int (*)(int fd);
SyncCall SetSyncCall(SyncCall call);
