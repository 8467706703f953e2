#include "platform/ui/DesktopServices.h"

#include "platform/ui/QtText.h"

#include <QApplication>
#include <QDateTime>
#include <QDesktopServices>
#include <QFileInfo>
#include <QUrl>

#include <utility>

namespace
{
HelpHandler& InstalledHelp()
{
    static HelpHandler handler;
    return handler;
}

ShellOpenHandler& InstalledShellOpen()
{
    static ShellOpenHandler handler;
    return handler;
}

SoundHandler& InstalledSound()
{
    static SoundHandler handler;
    return handler;
}

ClockHandler& InstalledClock()
{
    static ClockHandler handler;
    return handler;
}

bool OpenWithDesktop(const CString& target)
{
    const QString text = ToQString(target);
    const QUrl url =
        QFileInfo::exists(text) ? QUrl::fromLocalFile(text) : QUrl::fromUserInput(text);
    return url.isValid() && QDesktopServices::openUrl(url);
}

std::int64_t Now()
{
    const ClockHandler& clock = InstalledClock();
    return clock ? clock() : QDateTime::currentMSecsSinceEpoch();
}
} // namespace

HelpHandler SetHelpHandler(HelpHandler handler)
{
    return std::exchange(InstalledHelp(), std::move(handler));
}

HWND HtmlHelp(HWND caller, LPCTSTR file, UINT command, DWORD_PTR data)
{
    const CString path = file != nullptr ? file : "";
    const HelpHandler& handler = InstalledHelp();
    const bool opened = handler ? handler(path, command, data) : OpenWithDesktop(path);
    return opened ? caller : nullptr;
}

ShellOpenHandler SetShellOpenHandler(ShellOpenHandler handler)
{
    return std::exchange(InstalledShellOpen(), std::move(handler));
}

INT_PTR ShellExecute(HWND, LPCTSTR operation, LPCTSTR file, LPCTSTR, LPCTSTR, int)
{
    const CString target = file != nullptr ? file : "";
    const ShellOpenHandler& handler = InstalledShellOpen();
    const bool opened = handler ? handler(operation != nullptr ? operation : "open", target)
                                : OpenWithDesktop(target);
    return opened ? 33 : SE_ERR_NOASSOC;
}

SoundHandler SetSoundHandler(SoundHandler handler)
{
    return std::exchange(InstalledSound(), std::move(handler));
}

BOOL PlaySound(LPCTSTR sound, void*, DWORD flags)
{
    const SoundHandler& handler = InstalledSound();
    if (handler)
        return handler(sound != nullptr ? sound : "", flags) ? TRUE : FALSE;
    if (sound != nullptr && QApplication::instance() != nullptr)
        QApplication::beep();
    return TRUE;
}

ClockHandler SetClockHandler(ClockHandler handler)
{
    return std::exchange(InstalledClock(), std::move(handler));
}

DWORD GetTickCount()
{
    return static_cast<DWORD>(Now());
}

void GetLocalTime(SYSTEMTIME* time)
{
    const QDateTime local = QDateTime::fromMSecsSinceEpoch(Now()).toLocalTime();
    const QDate date = local.date();
    const QTime clock = local.time();
    *time = SYSTEMTIME{static_cast<WORD>(date.year()),          static_cast<WORD>(date.month()),
                       static_cast<WORD>(date.dayOfWeek() % 7), static_cast<WORD>(date.day()),
                       static_cast<WORD>(clock.hour()),         static_cast<WORD>(clock.minute()),
                       static_cast<WORD>(clock.second()),       static_cast<WORD>(clock.msec())};
}
