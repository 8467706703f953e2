#pragma once

#include "platform/core/CString.h"

#include <memory>
#include <string>

// The application profile: sections of named values kept in one INI file. Every write reaches
// the file at once, so a second profile on the same file reads it back.
class Profile
{
public:
    explicit Profile(std::string filePath);
    ~Profile();
    Profile(const Profile&) = delete;
    Profile& operator=(const Profile&) = delete;

    const std::string& FilePath() const { return m_filePath; }

    // The stored text, or defaultValue (null gives "") when the entry is missing.
    CString GetString(const char* section, const char* entry, const char* defaultValue) const;
    // A null value removes the entry; a null entry removes the whole section. False when the
    // file cannot be written.
    bool WriteString(const char* section, const char* entry, const char* value);
    // The stored number, or defaultValue when the entry is missing or not a whole number.
    int GetInt(const char* section, const char* entry, int defaultValue) const;
    bool WriteInt(const char* section, const char* entry, int value);

private:
    struct Settings;

    std::string m_filePath;
    std::unique_ptr<Settings> m_settings;
};

// The profile file of an application: folder/registryKey/profileName.ini, or
// folder/profileName.ini when there is no registry key.
std::string ProfileFilePath(const std::string& folder, const char* registryKey,
                            const char* profileName);

// The user's configuration folder (XDG_CONFIG_HOME or ~/.config).
std::string UserConfigFolder();
