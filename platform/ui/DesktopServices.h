#pragma once

#include "platform/core/CString.h"
#include "platform/ui/Messages.h"

#include <cstdint>
#include <functional>

// The desktop's services, each behind a replaceable handler as the message box is: the help
// viewer, opening a document or address, sounds and the clock. Tests install ScriptedDesktop.

// Help: the help file opened at a context id (HH_HELP_CONTEXT) or at its start.
constexpr UINT HH_DISPLAY_TOPIC = 0x0000;
constexpr UINT HH_HELP_CONTEXT = 0x000F;
using HelpHandler = std::function<bool(const CString& file, UINT command, DWORD_PTR data)>;
// Installs a handler and returns the previous one; an empty one restores the default, which
// opens the help file with the desktop.
HelpHandler SetHelpHandler(HelpHandler handler);
// The caller when the help opened, null when it did not.
HWND HtmlHelp(HWND caller, LPCTSTR file, UINT command, DWORD_PTR data);

// Opening a document, folder or web address with the application the desktop has for it.
using ShellOpenHandler = std::function<bool(const CString& operation, const CString& target)>;
ShellOpenHandler SetShellOpenHandler(ShellOpenHandler handler);
// Above 32 when it opened; SE_ERR_NOASSOC when nothing could open it.
constexpr INT_PTR SE_ERR_NOASSOC = 31;
INT_PTR ShellExecute(HWND owner, LPCTSTR operation, LPCTSTR file, LPCTSTR parameters,
                     LPCTSTR directory, int showCommand);

// Sounds: a sound file, or a named system sound. The default handler rings the bell.
constexpr DWORD SND_ASYNC = 0x0001;
constexpr DWORD SND_NODEFAULT = 0x0002;
constexpr DWORD SND_ALIAS = 0x00010000;
constexpr DWORD SND_FILENAME = 0x00020000;
using SoundHandler = std::function<bool(const CString& sound, DWORD flags)>;
SoundHandler SetSoundHandler(SoundHandler handler);
BOOL PlaySound(LPCTSTR sound, void* module, DWORD flags);

// The clock: milliseconds since 1970-01-01 UTC. The default reads the system clock.
using ClockHandler = std::function<std::int64_t()>;
ClockHandler SetClockHandler(ClockHandler handler);

struct SYSTEMTIME
{
    WORD wYear;
    WORD wMonth;
    WORD wDayOfWeek;
    WORD wDay;
    WORD wHour;
    WORD wMinute;
    WORD wSecond;
    WORD wMilliseconds;
};

// Milliseconds of the clock (wrapping as a 32-bit count does).
DWORD GetTickCount();
// The clock's time in the local time zone.
void GetLocalTime(SYSTEMTIME* time);
