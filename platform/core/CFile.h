#pragma once

#include "platform/core/CException.h"
#include "platform/core/CString.h"
#include "platform/core/Types.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// A host file, opened on a model path (mapped with ToHostPath) and read and written unbuffered.
// Failures raise CFileException with the cause and the host errno.
class CFile
{
public:
    static constexpr UINT modeRead = 0x0000;
    static constexpr UINT modeWrite = 0x0001;
    static constexpr UINT modeReadWrite = 0x0002;
    // The share flags are accepted and advisory only: this host does not lock files on open.
    static constexpr UINT shareExclusive = 0x0010;
    static constexpr UINT shareDenyWrite = 0x0020;
    static constexpr UINT shareDenyRead = 0x0030;
    static constexpr UINT shareDenyNone = 0x0040;
    static constexpr UINT modeCreate = 0x1000;
    static constexpr UINT modeNoTruncate = 0x2000;
    static constexpr UINT typeText = 0x4000;
    static constexpr UINT typeBinary = 0x8000;
    // Reading: only a regular file opens; a named pipe, a device or a folder is refused at
    // once, without waiting for a writer.
    static constexpr UINT typeRegularOnly = 0x10000;

    static constexpr UINT begin = 0;
    static constexpr UINT current = 1;
    static constexpr UINT end = 2;

    CFile() = default;
    CFile(const char* path, UINT flags);
    // The file open on the descriptor, which stays the caller's: Close and the destructor let
    // go of it without closing it. The path names the file in errors.
    CFile(int descriptor, const char* path);
    CFile(const CFile&) = delete;
    CFile& operator=(const CFile&) = delete;
    virtual ~CFile();

    // A file already open is closed first. On failure, error (when given) receives the cause.
    BOOL Open(const char* path, UINT flags, CFileException* error = nullptr);

    // Returns the number of bytes read, fewer than count only at the end of the file.
    virtual UINT Read(void* buffer, UINT count);
    virtual void Write(const void* buffer, UINT count);
    // from is begin, current or end; returns the new position.
    virtual std::uint64_t Seek(std::int64_t offset, UINT from);
    void SeekToBegin() { Seek(0, begin); }
    std::uint64_t SeekToEnd() { return Seek(0, end); }
    virtual std::uint64_t GetLength() const;
    virtual std::uint64_t GetPosition() const;
    virtual void Flush();
    // Closing a file that is not open does nothing.
    void Close();
    // Closes without raising.
    void Abort();

    CString GetFilePath() const { return m_path; }

private:
    [[noreturn]] void ThrowError(int cause, int osError) const;

    int m_fd = -1;
    bool m_ownsDescriptor = true;
    CString m_path;
};

// A host file opened for reading by OpenRegularFile: the descriptor (-1 when it was not opened)
// and the file's size, or why it was not opened: the host errno, or a refusal.
struct RegularFileOpening
{
    int descriptor = -1;
    std::uint64_t size = 0;
    int osError = 0;
    std::string refusal;
};

// Opens a host path for reading when it names a regular file; "not a regular file" refuses
// anything else, without blocking on a named pipe that has no writer.
RegularFileOpening OpenRegularFile(const std::string& hostPath);

// The bytes of the regular file at the host path, opened by OpenRegularFile; nothing, with the
// refusal or the host's reason in reason, when it cannot be read.
std::optional<std::string> ReadRegularFile(const std::string& hostPath, std::string& reason);

// A growable file in memory, starting empty or with the given bytes.
class CMemFile : public CFile
{
public:
    CMemFile() = default;
    explicit CMemFile(std::vector<BYTE> bytes) : m_bytes(std::move(bytes)) {}

    UINT Read(void* buffer, UINT count) override;
    // Writing past the end fills the gap with zero bytes.
    void Write(const void* buffer, UINT count) override;
    std::uint64_t Seek(std::int64_t offset, UINT from) override;
    std::uint64_t GetLength() const override { return m_bytes.size(); }
    std::uint64_t GetPosition() const override { return m_position; }
    void Flush() override {}

    const std::vector<BYTE>& GetBytes() const { return m_bytes; }

private:
    std::vector<BYTE> m_bytes;
    std::uint64_t m_position = 0;
};

// A text file read and written line by line; the bytes are written as given.
class CStdioFile : public CFile
{
public:
    using CFile::CFile;

    // The next line without its "\n" and a "\r" before it; FALSE (and an empty line) at the end.
    BOOL ReadString(CString& line);
    void WriteString(const char* text);
};
