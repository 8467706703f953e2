#pragma once

#include "platform/core/CString.h"
#include "platform/core/Types.h"

struct SYSTEMTIME;

// "~<day><month>(<hour>-<minute>)" as in "~3Mar2008(9-5)": the three-letter English month name,
// no leading zeros.
CString BackupStamp(const SYSTEMTIME& time);
// The stamp of the clock's local time now.
CString BackupStampNow();

// Where the backup copies of a project file go: its folder, then "<name>_backup", name being the
// file name without its four-character extension. Where a name with its suffix would pass the
// longest name a folder takes, the name is cut as a temporary's is (NameWithSuffix).
struct BackupPlace
{
    CString folder;
    CString name;

    explicit BackupPlace(const CString& projectFilePath);
    CString BackupFolder() const;
    // The copy of that stamp inside the backup folder: "<name><stamp>.wvt".
    CString CopyPath(const CString& stamp) const;
};

// The status text of a backup copy that could not be written: the copy's path and the reason,
// on one line.
CString BackupFailureText(const CString& target, const CString& reason);

// The time a user spends switching the panes: each switch adds the time since the previous one;
// once the total passes five minutes a backup is due and the count starts again.
class BackupStopwatch
{
public:
    // A lap at the tick (milliseconds); true when a backup is due.
    bool Lap(DWORD now);

    double GetAccumulatedSeconds() const { return m_accumulatedMs * 0.001; }

private:
    DWORD m_start = 0;
    double m_accumulatedMs = 0;
    bool m_running = false;
};
