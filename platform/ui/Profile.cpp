#include "platform/ui/Profile.h"

#include "platform/ui/QtText.h"

#include <QSettings>
#include <QStandardPaths>
#include <QString>

#include <charconv>

struct Profile::Settings
{
    explicit Settings(const std::string& path)
        : settings(QString::fromStdString(path), QSettings::IniFormat)
    {
    }

    QSettings settings;
};

namespace
{
QString Key(const char* section, const char* entry)
{
    return ToQString(section) + '/' + ToQString(entry);
}
} // namespace

Profile::Profile(std::string filePath)
    : m_filePath(std::move(filePath)), m_settings(std::make_unique<Settings>(m_filePath))
{
}

Profile::~Profile() = default;

CString Profile::GetString(const char* section, const char* entry, const char* defaultValue) const
{
    m_settings->settings.sync();
    const QVariant value = m_settings->settings.value(Key(section, entry));
    if (!value.isValid())
        return CString(defaultValue != nullptr ? defaultValue : "");
    return FromQString(value.toString());
}

bool Profile::WriteString(const char* section, const char* entry, const char* value)
{
    QSettings& settings = m_settings->settings;
    if (entry == nullptr)
        settings.remove(ToQString(section));
    else if (value == nullptr)
        settings.remove(Key(section, entry));
    else
        settings.setValue(Key(section, entry), ToQString(value));
    settings.sync();
    return settings.status() == QSettings::NoError;
}

int Profile::GetInt(const char* section, const char* entry, int defaultValue) const
{
    const CString text = GetString(section, entry, nullptr);
    const char* first = text.GetString();
    const char* last = first + text.GetLength();
    int value = 0;
    const auto [end, error] = std::from_chars(first, last, value);
    if (text.IsEmpty() || error != std::errc() || end != last)
        return defaultValue;
    return value;
}

bool Profile::WriteInt(const char* section, const char* entry, int value)
{
    return WriteString(section, entry, std::to_string(value).c_str());
}

std::string ProfileFilePath(const std::string& folder, const char* registryKey,
                            const char* profileName)
{
    std::string path = folder + '/';
    if (registryKey != nullptr && *registryKey != '\0')
        path += std::string(registryKey) + '/';
    return path + profileName + ".ini";
}

std::string UserConfigFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation).toStdString();
}
