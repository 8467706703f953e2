#include "model/FileUtilities.h"

#include "platform/core/Descriptor.h"
#include "platform/core/FileReplacement.h"
#include "platform/core/HostPath.h"

#include <cstring>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>

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
    return EnsureHostFolder(ToHostPath(path)) ? TRUE : FALSE;
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
