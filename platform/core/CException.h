#pragma once

#include "platform/core/CString.h"
#include "platform/core/Types.h"

#include <exception>
#include <string>

// Base of the platform's exceptions.
class CException : public std::exception
{
public:
    CException() : m_message("unknown error") {}
    const char* what() const noexcept override { return m_message.c_str(); }

protected:
    // The message is "fileName: reason", or the reason alone when there is no file name.
    CException(const std::string& reason, const CString& fileName);

private:
    std::string m_message;
};

// A failure of a host file operation. The message is built when the exception is made.
class CFileException : public CException
{
public:
    enum Cause
    {
        none,
        generic,
        fileNotFound,
        badPath,
        tooManyOpenFiles,
        accessDenied,
        invalidFile,
        removeCurrentDir,
        directoryFull,
        badSeek,
        hardIO,
        sharingViolation,
        lockViolation,
        diskFull,
        endOfFile
    };

    // osError is the host errno (0 when the failure has none).
    explicit CFileException(int cause = none, LONG osError = 0,
                            const CString& fileName = CString());
    // A refusal that has no host errno: the message is "fileName: reason".
    CFileException(int cause, const CString& fileName, const std::string& reason);

    // The cause that a host errno stands for.
    static int CauseFromErrno(int error);

    int m_cause;
    LONG m_lOsError;
    CString m_strFileName;
};

// A stream that cannot be written or read as an archive.
class CArchiveException : public CException
{
public:
    enum Cause
    {
        none,
        generic,
        readOnly,
        endOfFile,
        writeOnly,
        badIndex,
        badClass,
        badSchema,
        tooDeep,
        badName
    };

    explicit CArchiveException(int cause = none, const CString& fileName = CString());
    // The message is "fileName: reason: detail, location", the detail saying what was found
    // and the location where ("at byte 80, in the record of a Menu"); either may be empty.
    CArchiveException(int cause, const CString& fileName, const std::string& detail,
                      const std::string& location = std::string());

    int m_cause;
    CString m_strFileName;
};
