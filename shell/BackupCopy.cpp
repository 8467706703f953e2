#include "shell/BackupCopy.h"

#include "platform/core/TemporaryName.h"
#include "platform/ui/DesktopServices.h"

#include <algorithm>
#include <string>

namespace
{
constexpr double kBackupIntervalSeconds = 300.0;
constexpr const char* kMonths[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                   "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
} // namespace

CString BackupStamp(const SYSTEMTIME& time)
{
    const int month = std::clamp(static_cast<int>(time.wMonth), 1, 12);
    CString stamp;
    stamp.Format("~%d%s%d(%d-%d)", time.wDay, kMonths[month - 1], time.wYear, time.wHour,
                 time.wMinute);
    return stamp;
}

CString BackupStampNow()
{
    SYSTEMTIME now{};
    GetLocalTime(&now);
    return BackupStamp(now);
}

BackupPlace::BackupPlace(const CString& projectFilePath)
{
    const int separator =
        std::max(projectFilePath.ReverseFind('\\'), projectFilePath.ReverseFind('/'));
    folder = projectFilePath.Left(std::max(separator, 0));
    const CString fileName = projectFilePath.Mid(separator + 1);
    name = fileName.Left(std::max(fileName.GetLength() - 4, 0));
}

CString BackupPlace::BackupFolder() const
{
    return folder + "\\" + NameWithSuffix(name.str(), "_backup").c_str();
}

CString BackupPlace::CopyPath(const CString& stamp) const
{
    return BackupFolder() + "\\" + NameWithSuffix(name.str(), stamp.str() + ".wvt").c_str();
}

CString BackupFailureText(const CString& target, const CString& reason)
{
    CString oneLine = reason;
    oneLine.Replace("\n", " ");
    return "Back up file " + target + " could not be written: " + oneLine;
}

bool BackupStopwatch::Lap(DWORD now)
{
    if (m_running)
    {
        m_accumulatedMs += static_cast<double>(static_cast<DWORD>(now - m_start));
    }
    const bool due = m_accumulatedMs * 0.001 > kBackupIntervalSeconds;
    if (due)
        *this = BackupStopwatch();
    m_start = now;
    m_running = true;
    return due;
}
