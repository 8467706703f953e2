#include "model/FileUtilities.h"

#include "platform/core/HostPath.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

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
    const std::string hostPath = ToHostPath(path);
    std::FILE* file = std::fopen(hostPath.c_str(), "r");
    if (file == nullptr)
        return false;
    struct stat info;
    const bool isFile = ::fstat(::fileno(file), &info) == 0 && !S_ISDIR(info.st_mode);
    std::fclose(file);
    return isFile;
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
    const std::string testPath = ToHostPath(folder + "KestraneWeavoTestFile.txt");
    std::FILE* file = std::fopen(testPath.c_str(), "w");
    if (file == nullptr)
        return false;
    std::fclose(file);
    ::unlink(testPath.c_str());
    return true;
}

CString UnwritableFolderMessage(const char* text, const CString& folder, int error)
{
    CString message = CString(text) + ToHostPath(folder).c_str();
    if (!folder.IsEmpty() && error != 0)
        message += CString("\n") + std::strerror(error);
    return message;
}
