#include "model/FileUtilities.h"

#include "platform/core/Descriptor.h"
#include "platform/core/FileReplacement.h"
#include "platform/core/HostPath.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>

namespace
{
bool IsFolder(const std::string& hostPath)
{
    struct stat info;
    return ::stat(hostPath.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}
} // namespace

bool FileExists(CString path)
{
    // Without blocking: a named pipe without a writer opens at once.
    const Descriptor file(
        ::open(ToHostPath(path).c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    struct stat info;
    return file.IsOpen() && ::fstat(file.Get(), &info) == 0 && !S_ISDIR(info.st_mode);
}

BOOL CreateFolderIfMissing(CString path)
{
    const std::string hostPath = ToHostPath(path);
    if (::mkdir(hostPath.c_str(), 0777) == 0)
        return TRUE;
    return errno == EEXIST && IsFolder(hostPath) ? TRUE : FALSE;
}

bool IsFolderWritable(CString folder)
{
    // A temporary file of its own beside the test file's name, removed when the probe ends.
    FileReplacement probe(ToHostPath(folder + "KestraneWeavoTestFile.txt"), /*followLinks=*/false);
    return probe.CreateTemporary();
}

CString UnwritableFolderMessage(const char* text, const CString& folder, int error)
{
    CString message = CString(text) + ToHostPath(folder).c_str();
    if (!folder.IsEmpty() && error != 0)
        message += CString("\n") + std::strerror(error);
    return message;
}
