#include "platform/core/FileSync.h"

#include <cerrno>
#include <unistd.h>
#include <utility>

namespace
{
SyncCall& InstalledSyncCall()
{
    static SyncCall call = &::fsync;
    return call;
}
} // namespace

bool SyncToDisk(int fd)
{
    if (InstalledSyncCall()(fd) == 0)
        return true;
    return errno == EINVAL || errno == ENOTSUP || errno == EOPNOTSUPP;
}

SyncCall SetSyncCall(SyncCall call)
{
    return std::exchange(InstalledSyncCall(), call);
}
