#include "platform/core/CException.h"

#include <cerrno>
#include <cstring>
#include <iterator>

namespace
{
std::string FileErrorReason(LONG osError)
{
    return osError != 0 ? std::strerror(osError) : "file error";
}

const char* ArchiveErrorReason(int cause)
{
    // Indexed by CArchiveException::Cause.
    static constexpr const char* reasons[] = {
        "no error",
        "archive error",
        "writing to an archive that is loading",
        "unexpected end of file",
        "reading from an archive that is storing",
        "invalid object index in file",
        "unexpected class in file",
        "unsupported class schema in file",
        "objects nested too deep",
        "invalid name in file",
    };
    return cause >= 0 && cause < static_cast<int>(std::size(reasons)) ? reasons[cause]
                                                                      : "archive error";
}

std::string ArchiveErrorMessage(int cause, const std::string& detail, const std::string& location)
{
    std::string message = ArchiveErrorReason(cause);
    if (!detail.empty())
        message += ": " + detail + (location.empty() ? "" : ",");
    if (!location.empty())
        message += " " + location;
    return message;
}
} // namespace

CException::CException(const std::string& reason, const CString& fileName)
    : m_message(fileName.GetLength() > 0 ? fileName.str() + ": " + reason : reason)
{
}

CFileException::CFileException(int cause, LONG osError, const CString& fileName)
    : CException(FileErrorReason(osError), fileName), m_cause(cause), m_lOsError(osError),
      m_strFileName(fileName)
{
}

CFileException::CFileException(int cause, const CString& fileName, const std::string& reason)
    : CException(reason, fileName), m_cause(cause), m_lOsError(0), m_strFileName(fileName)
{
}

int CFileException::CauseFromErrno(int error)
{
    switch (error)
    {
    case 0:
        return none;
    case ENOENT:
        return fileNotFound;
    case ENOTDIR:
    case ENAMETOOLONG:
    case ELOOP:
        return badPath;
    case EMFILE:
    case ENFILE:
        return tooManyOpenFiles;
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR:
        return accessDenied;
    case EBADF:
        return invalidFile;
    case EBUSY:
    case ETXTBSY:
        return sharingViolation;
    case EDEADLK:
    case ENOLCK:
        return lockViolation;
    case ESPIPE:
        return badSeek;
    case EIO:
        return hardIO;
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
        return diskFull;
    default:
        return generic;
    }
}

CArchiveException::CArchiveException(int cause, const CString& fileName)
    : CException(ArchiveErrorReason(cause), fileName), m_cause(cause), m_strFileName(fileName)
{
}

CArchiveException::CArchiveException(int cause, const CString& fileName, const std::string& detail,
                                     const std::string& location)
    : CException(ArchiveErrorMessage(cause, detail, location), fileName), m_cause(cause),
      m_strFileName(fileName)
{
}
