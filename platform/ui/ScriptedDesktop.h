#pragma once

#include "platform/ui/DesktopServices.h"

#include <cstdint>
#include <vector>

// Test double for the desktop's services: installed for its lifetime, it records the help
// calls, the documents and addresses opened and the sounds played, and gives a clock that moves
// only when told.
class ScriptedDesktop
{
public:
    struct HelpCall
    {
        CString file;
        UINT command;
        DWORD_PTR data;
    };

    // The clock starts at startMs (milliseconds since 1970-01-01 UTC).
    explicit ScriptedDesktop(std::int64_t startMs = 0);
    ~ScriptedDesktop();
    ScriptedDesktop(const ScriptedDesktop&) = delete;
    ScriptedDesktop& operator=(const ScriptedDesktop&) = delete;

    void Advance(std::int64_t milliseconds) { m_now += milliseconds; }
    // What opening answers from now on.
    void SetOpensSucceed(bool succeed) { m_opensSucceed = succeed; }

    const std::vector<HelpCall>& HelpCalls() const { return m_help; }
    const std::vector<CString>& Opened() const { return m_opened; }
    const std::vector<CString>& Sounds() const { return m_sounds; }

private:
    std::int64_t m_now;
    bool m_opensSucceed = true;
    std::vector<HelpCall> m_help;
    std::vector<CString> m_opened;
    std::vector<CString> m_sounds;
    HelpHandler m_previousHelp;
    ShellOpenHandler m_previousOpen;
    SoundHandler m_previousSound;
    ClockHandler m_previousClock;
};
