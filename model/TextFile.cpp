#include "model/TextFile.h"

#include "platform/core/Descriptor.h"
#include "platform/core/FileWriters.h"
#include "platform/core/HostPath.h"

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>
#include <sys/stat.h>
#include <unistd.h>

namespace
{
// The kind of file written here and the rules its writer keeps.
const FileWriterRegistration textFileWriter("a text file written at its path", replacesLinks);

bool IsKind(const FormatArg& arg, FormatArg::Kind kind)
{
    return arg.kind() == kind;
}

bool IsInteger(const FormatArg& arg)
{
    return IsKind(arg, FormatArg::Kind::SignedInteger) ||
           IsKind(arg, FormatArg::Kind::UnsignedInteger);
}

void Require(bool matches, char conversion, const char* expected)
{
    if (!matches)
        throw FormatError(std::string("argument of %") + conversion + " is not " + expected);
}

// The low 32 bits, as the value would travel through a variable argument list as an int.
std::uint32_t Low32Bits(const FormatArg& arg)
{
    return IsKind(arg, FormatArg::Kind::SignedInteger)
               ? static_cast<std::uint32_t>(arg.signedValue())
               : static_cast<std::uint32_t>(arg.unsignedValue());
}

bool TakesArgument(char conversion)
{
    return conversion != '\0' && std::strchr("eEfgGcCdiouxXnPsS", conversion) != nullptr;
}

// Appends the text of one conversion that takes an argument.
void AppendConverted(std::string& text, char conversion, const FormatArg& arg)
{
    const char format[] = {'%', conversion == 'C' ? 'c' : conversion, '\0'};
    switch (conversion)
    {
    case 'e':
    case 'E':
    case 'f':
    case 'g':
    case 'G':
        Require(IsKind(arg, FormatArg::Kind::Floating), conversion, "a double");
        text += FormatString(format, arg.floatingValue());
        return;
    case 'c':
    case 'C':
    case 'd':
    case 'i':
        Require(IsInteger(arg), conversion, "an integer");
        text += FormatString(format, static_cast<std::int32_t>(Low32Bits(arg)));
        return;
    case 'o':
    case 'u':
    case 'x':
    case 'X':
        Require(IsInteger(arg), conversion, "an integer");
        text += FormatString(format, Low32Bits(arg));
        return;
    case 'n':
    case 'P':
        Require(IsKind(arg, FormatArg::Kind::Pointer), conversion, "a pointer");
        if (conversion != 'n')
            text += FormatString("%0*llX", static_cast<int>(2 * sizeof(void*)),
                                 static_cast<unsigned long long>(
                                     reinterpret_cast<std::uintptr_t>(arg.pointerValue())));
        return;
    default:
        Require(IsKind(arg, FormatArg::Kind::String), conversion, "a string");
        text += arg.stringValue();
    }
}

// The format with its conversions applied, appended to text; arguments the format does not use
// are ignored.
void AppendExpanded(std::string& text, const char* format, std::span<const FormatArg> args)
{
    std::size_t next = 0;
    for (const char* p = format; p != nullptr && *p != '\0';)
    {
        const char* percent = std::strchr(p, '%');
        if (percent == nullptr)
        {
            text.append(p);
            break;
        }
        text.append(p, percent);
        const char conversion = percent[1];
        if (TakesArgument(conversion))
        {
            if (next == args.size())
                throw FormatError(std::string("no argument for %") + conversion);
            AppendConverted(text, conversion, args[next++]);
        }
        else if (conversion != '\0')
        {
            text += conversion;
        }
        p = conversion != '\0' ? percent + 2 : percent + 1;
    }
}

// Appends the text as a Windows text-mode stream wrote it: every "\n" reaches the disk as
// "\r\n", and a "\n" that follows "\r" (also the last byte of the previous text) stays alone,
// so an "\r\n" in the text is written once.
void AppendFileBytes(std::string& bytes, std::string_view text, bool& endsWithCarriageReturn)
{
    std::size_t start = 0;
    for (std::size_t lineFeed = text.find('\n'); lineFeed != std::string_view::npos;
         lineFeed = text.find('\n', start))
    {
        bytes.append(text.substr(start, lineFeed - start));
        const bool afterCarriageReturn =
            lineFeed > 0 ? text[lineFeed - 1] == '\r' : endsWithCarriageReturn;
        bytes += afterCarriageReturn ? "\n" : "\r\n";
        start = lineFeed + 1;
    }
    bytes.append(text.substr(start));
    if (!text.empty())
        endsWithCarriageReturn = text.back() == '\r';
}

// Empties the open file. One already empty is left alone: a truncation, even to the size the
// file has, makes the file system write the file out when it is closed. A device cannot be
// emptied, and needs not be. False with errno set.
bool Empty(int descriptor)
{
    struct stat info;
    if (::fstat(descriptor, &info) != 0)
        return false;
    return info.st_size == 0 || ::ftruncate(descriptor, 0) == 0 || errno == EINVAL;
}
} // namespace

TextFile::TextFile(const char* path, bool flush, char separatorChar, int separatorLength,
                   bool disabled, bool append)
    : m_path(path), m_separatorChar(separatorChar), m_separatorLength(separatorLength),
      m_flush(flush), m_disabled(disabled), m_append(append)
{
    Open(path);
}

TextFile::TextFile(bool disabled, bool flush, char separatorChar, int separatorLength)
    : m_separatorChar(separatorChar), m_separatorLength(separatorLength), m_flush(flush),
      m_disabled(disabled), m_append(false)
{
}

TextFile::~TextFile()
{
    Close();
}

FILE* TextFile::Open(const char* path)
{
    if (m_disabled)
        return nullptr;
    // A symbolic link or a file with other names at the path is replaced, never written through.
    std::string removed;
    const std::optional<std::string> traced = TraceFolderRelativePath(path);
    if (!traced)
    {
        FILE* opened = Open(CreateOwnFile(ToHostPath(path), removed));
        m_replacedLink = removed;
        return opened;
    }
    // The trace folder lies in the shared temp folder: only the user's own is written.
    std::string refusal;
    FILE* opened = Open(CreateUserTempFile(*traced, refusal, removed));
    if (!refusal.empty())
        m_openError = refusal.c_str();
    m_replacedLink = removed;
    return opened;
}

FILE* TextFile::Open(Descriptor descriptor)
{
    if (m_disabled)
        return nullptr;
    Close();
    m_replacedLink.clear();
    if (descriptor.IsOpen() && !m_append && !Empty(descriptor.Get()))
        descriptor.Close();
    if (descriptor.IsOpen() && m_append && ::lseek(descriptor.Get(), 0, SEEK_END) < 0)
        descriptor.Close();
    return Attach(descriptor.IsOpen() ? descriptor.Release() : -1);
}

FILE* TextFile::Attach(int descriptor)
{
    m_file = descriptor >= 0 ? ::fdopen(descriptor, m_append ? "a" : "w") : nullptr;
    if (descriptor >= 0 && m_file == nullptr)
    {
        const int error = errno;
        ::close(descriptor);
        errno = error;
    }
    // Whole texts are written at once, so the stream needs no buffer of its own.
    if (m_file != nullptr)
        std::setvbuf(m_file, nullptr, _IONBF, 0);
    m_openError = m_file == nullptr ? CString(std::strerror(errno)) : CString();
    m_writeError.Empty();
    m_fileEndsWithCarriageReturn = false;
    m_pending.clear();
    return m_file;
}

void TextFile::Collect()
{
    if (m_disabled)
        return;
    Close();
    m_collecting = true;
    m_openError.Empty();
    m_writeError.Empty();
    m_fileEndsWithCarriageReturn = false;
    m_pending.clear();
}

void TextFile::Close()
{
    m_collecting = false;
    if (m_file == nullptr)
        return;
    WritePending();
    if (std::fclose(m_file) != 0)
        RecordWriteError();
    m_file = nullptr;
}

void TextFile::WriteSeparator(int indent)
{
    if (m_disabled)
        return;
    m_text.assign(indent > 0 ? indent : 0, '\t');
    m_text.append(m_separatorLength > 0 ? m_separatorLength : 0, m_separatorChar);
    m_text += '\n';
    Emit(m_text);
}

void TextFile::WriteFormatted(int indent, const char* format, std::span<const FormatArg> args)
{
    if (m_disabled)
        return;
    m_text.assign(indent > 0 ? indent : 0, '\t');
    AppendExpanded(m_text, format, args);
    Emit(m_text);
}

void TextFile::Emit(std::string_view text)
{
    if (!IsOpen())
    {
        // Appended in place: a CString of the text first would copy it twice.
        const int length = m_buffer.GetLength();
        const int total = length + static_cast<int>(text.size());
        text.copy(m_buffer.GetBuffer(total) + length, text.size());
        m_buffer.ReleaseBuffer(total);
        return;
    }
    AppendFileBytes(m_pending, text, m_fileEndsWithCarriageReturn);
    if (!m_collecting && (m_flush || m_pending.size() >= pendingLimit))
        WritePending();
}

void TextFile::WritePending()
{
    if (m_pending.empty())
        return;
    if (std::fwrite(m_pending.data(), 1, m_pending.size(), m_file) != m_pending.size())
        RecordWriteError();
    m_pending.clear();
}

void TextFile::RecordWriteError()
{
    if (m_writeError.IsEmpty())
        m_writeError = std::strerror(errno);
}

TextFile& TextFile::operator=(const TextFile& source)
{
    if (this == &source)
        return *this;
    m_buffer = source.m_buffer;
    m_path = source.m_path;
    m_separatorChar = source.m_separatorChar;
    m_separatorLength = source.m_separatorLength;
    m_flush = source.m_flush;
    m_disabled = source.m_disabled;
    m_append = source.m_append;
    return *this;
}
