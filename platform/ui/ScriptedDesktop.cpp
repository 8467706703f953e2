#include "platform/ui/ScriptedDesktop.h"

#include <utility>

ScriptedDesktop::ScriptedDesktop(std::int64_t startMs)
    : m_now(startMs), m_previousHelp(SetHelpHandler(
                          [this](const CString& file, UINT command, DWORD_PTR data)
                          {
                              m_help.push_back({file, command, data});
                              return m_opensSucceed;
                          })),
      m_previousOpen(SetShellOpenHandler(
          [this](const CString&, const CString& target)
          {
              m_opened.push_back(target);
              return m_opensSucceed;
          })),
      m_previousSound(SetSoundHandler(
          [this](const CString& sound, DWORD)
          {
              m_sounds.push_back(sound);
              return true;
          })),
      m_previousClock(SetClockHandler([this] { return m_now; }))
{
}

ScriptedDesktop::~ScriptedDesktop()
{
    SetHelpHandler(std::move(m_previousHelp));
    SetShellOpenHandler(std::move(m_previousOpen));
    SetSoundHandler(std::move(m_previousSound));
    SetClockHandler(std::move(m_previousClock));
}
