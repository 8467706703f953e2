#include "editors/ProgramFiles.h"

#include "model/FileUtilities.h"
#include "platform/core/HostPath.h"

#include <cctype>
#include <cstdlib>
#include <string>

namespace
{
// The locale the user's messages are shown in, as the C library reads it.
const char* UserLocale()
{
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"})
    {
        const char* value = std::getenv(name);
        if (value != nullptr && *value != '\0')
            return value;
    }
    return "C";
}
} // namespace

CString GetProgramFolder()
{
    return ProgramFolder();
}

CString AbbreviatedLanguageName(const char* locale)
{
    const std::string name = locale != nullptr ? locale : "";
    const std::size_t underscore = name.find('_');
    if (underscore != 2 || name.size() < 4 || !std::isalpha(static_cast<unsigned char>(name[0])) ||
        !std::isalpha(static_cast<unsigned char>(name[1])) ||
        !std::isalpha(static_cast<unsigned char>(name[3])))
        return "ENU";
    std::string abbreviation{name[0], name[1], name[3]};
    for (char& letter : abbreviation)
        letter = static_cast<char>(std::toupper(static_cast<unsigned char>(letter)));
    return abbreviation;
}

CString GetHelpFilePath()
{
    const CString folder = GetProgramFolder() + "\\Help\\";
    const CString candidate =
        folder + "KestraneWeavo" + AbbreviatedLanguageName(UserLocale()) + ".chm";
    return FileExists(candidate) ? candidate : folder + "KestraneWeavo" + ".chm";
}
