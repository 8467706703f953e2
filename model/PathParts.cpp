#include "model/PathParts.h"

#include <string_view>

namespace
{
bool IsSeparator(char c)
{
    return c == '\\' || c == '/';
}

// Splits a path into drive ("X:" when the second character is ':' and the first is no
// separator), folder (up to and including
// the last separator), and the name part, whose extension runs from its last '.'.
PathParts SplitPlainPath(std::string_view path)
{
    PathParts parts;
    if (path.size() >= 2 && path[1] == ':' && !IsSeparator(path[0]))
    {
        parts.drive = CString(path.data(), 2);
        path.remove_prefix(2);
    }
    const std::size_t lastSeparator = path.find_last_of("\\/");
    const std::size_t nameStart = lastSeparator == std::string_view::npos ? 0 : lastSeparator + 1;
    parts.folder = CString(path.data(), static_cast<int>(nameStart));
    const std::string_view name = path.substr(nameStart);
    const std::size_t dot = name.rfind('.');
    const std::size_t extensionStart = dot == std::string_view::npos ? name.size() : dot;
    parts.fileName = CString(name.data(), static_cast<int>(extensionStart));
    parts.extension =
        CString(name.data() + extensionStart, static_cast<int>(name.size() - extensionStart));
    return parts;
}

// Position of the fourth separator, which ends the "\\server\share" drive; npos when there
// are fewer than four.
std::size_t UncDriveLength(std::string_view path)
{
    int separators = 0;
    for (std::size_t i = 0; i < path.size(); ++i)
    {
        if (IsSeparator(path[i]) && ++separators == 4)
            return i;
    }
    return std::string_view::npos;
}
} // namespace

PathParts::PathParts(const char* path, const char* fileName)
{
    Split(path);
    SetFileName(fileName);
}

void PathParts::Split(const char* path)
{
    const std::string_view text(path);
    if (!IsUncPath(path))
    {
        *this = SplitPlainPath(text);
        return;
    }
    const std::size_t driveLength = UncDriveLength(text);
    if (driveLength == std::string_view::npos)
    {
        *this = PathParts();
        drive = path;
        return;
    }
    *this = SplitPlainPath(text.substr(driveLength));
    drive = CString(path, static_cast<int>(driveLength));
}

void PathParts::SetFileName(const char* fileName)
{
    const PathParts parts = SplitPlainPath(fileName);
    this->fileName = parts.fileName;
    extension = parts.extension;
}

CString PathParts::GetFullPath() const
{
    return drive + folder + fileName + extension;
}

bool IsUncPath(const char* path)
{
    return path[0] == '\\' && path[1] == '\\';
}
