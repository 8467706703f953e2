#pragma once

#include "platform/core/CString.h"
#include "platform/core/Descriptor.h"
#include "platform/core/StringFormat.h"

#include <array>
#include <cstdio>
#include <span>
#include <string>
#include <string_view>

// The writer of all text output: lines of leading tabs and a printf-style format, written to a
// file when one is open and otherwise collected in a buffer that page writers take out later.
//
// Format rules of Write: only the one character after "%" is the conversion; there are no
// flags, width or precision. e E f g G take a double; c C d i o u x X a 32-bit integer; n P a
// pointer (n writes nothing, P the address in upper-case hex); s S a string, written unchanged
// (a null string writes nothing). Any other character takes no argument and is written without
// the percent sign, so "%%" writes "%" and "<%=" writes "<=". Arguments the format does not use
// are ignored. A conversion without its argument and an argument of the wrong kind throw
// FormatError; nothing is written.
class TextFile
{
public:
    // Opens the path at once unless disabled (Open); when the open fails, text collects in the
    // buffer and IsOpen()/GetOpenError() tell why.
    TextFile(const char* path, bool flush, char separatorChar, int separatorLength, bool disabled,
             bool append);
    // No file: text collects in the buffer until Open.
    TextFile(bool disabled, bool flush, char separatorChar, int separatorLength);
    ~TextFile();
    TextFile(const TextFile&) = delete;
    // Takes the source's buffer, path and settings; the file open here, if any, stays open
    // here, and the source's file is not shared.
    TextFile& operator=(const TextFile& source);

    // Opens the path ("a" or "w" by the append flag) unless disabled, closing a file already
    // open; returns the file, null when disabled or when the open failed. A symbolic link or a
    // file with other names at the path is replaced by a file of its own. The trace folder is
    // the user's own folder in the shared temp folder, where only folders and a file of the
    // user's own are taken (CreateUserTempFile). The stored path stays.
    FILE* Open(const char* path);
    // Open with a file already open for writing, which this writer takes over: it is emptied
    // first unless appending. An invalid descriptor fails the open with errno's reason.
    FILE* Open(Descriptor descriptor);
    // Opens no file: the file's bytes, line ends translated, collect whole until Close, for the
    // caller to write out (GetCollected). Unless disabled.
    void Collect();
    // Closes the file; further writes go to the buffer again.
    void Close();
    // Empties the collected text.
    void ClearBuffer() { m_buffer.Empty(); }

    // A line of indent tabs and separator-length separator characters.
    void WriteSeparator(int indent);

    // Indent tabs, then the format with its arguments; no line end is added.
    template <typename... Args> void Write(int indent, const char* format, const Args&... args)
    {
        const std::array<FormatArg, sizeof...(Args)> list{FormatArg(args)...};
        WriteFormatted(indent, format, list);
    }

    bool IsOpen() const { return m_file != nullptr || m_collecting; }
    // The host's reason why the last open failed; empty after a successful open.
    const CString& GetOpenError() const { return m_openError; }
    // The host's reason why the file opened last did not open, or why a write or close of it
    // failed; empty while all went well. Text not flushed at each write reaches the file at
    // Close at the latest, so its failure may show only then.
    CString GetFailure() const { return m_openError.IsEmpty() ? m_writeError : m_openError; }
    // What Open(path) took away from the path's name to make a file of its own there ("it led to
    // ...", "it was a hard link"); empty when nothing.
    const std::string& GetReplacedLink() const { return m_replacedLink; }
    // The path given to the constructor; empty for a writer constructed without one.
    const CString& GetPath() const { return m_path; }
    // The text written while no file was open, as written.
    const CString& GetBuffer() const { return m_buffer; }
    // The bytes collected since Collect, also after Close.
    std::string_view GetCollected() const { return m_pending; }

private:
    // Writes to the descriptor, which it takes over, from now on; -1 records errno as the
    // open's failure.
    FILE* Attach(int descriptor);
    void WriteFormatted(int indent, const char* format, std::span<const FormatArg> args);
    // Text for the file collects in m_pending and is written on Close, when it reaches
    // pendingLimit, or at once when each write is to be flushed; while collecting, it stays.
    void Emit(std::string_view text);
    void WritePending();
    // Keeps the first failure's reason.
    void RecordWriteError();

    CString m_buffer;
    CString m_path;
    char m_separatorChar;
    FILE* m_file = nullptr;
    int m_separatorLength;
    bool m_flush;
    bool m_disabled;
    bool m_append;
    bool m_collecting = false;
    CString m_openError;
    std::string m_replacedLink;
    CString m_writeError;
    static constexpr std::size_t pendingLimit = std::size_t{1} << 20;
    // The file's bytes not yet written, line ends translated.
    std::string m_pending;
    // The text of the write under way; kept to reuse its storage.
    std::string m_text;
    // The last byte that reached the file was "\r", so a leading "\n" completes its line end.
    bool m_fileEndsWithCarriageReturn = false;
};
