#pragma once

#include <atomic>
#include <chrono>
#include <fcntl.h>
#include <filesystem>
#include <thread>
#include <unistd.h>
#include <utility>

// Opens the named pipe for writing and closes it again when a reader still waits on it after
// a few seconds, so that a reader that blocks on the pipe comes back (late) instead of hanging.
class PipeRelease
{
public:
    explicit PipeRelease(std::filesystem::path pipe)
        : m_thread(
              [this, pipe = std::move(pipe)]
              {
                  for (int i = 0; i < 100 && !m_done; ++i)
                      std::this_thread::sleep_for(std::chrono::milliseconds(50));
                  const int writer = ::open(pipe.c_str(), O_WRONLY | O_NONBLOCK);
                  if (writer >= 0)
                      ::close(writer);
              })
    {
    }
    ~PipeRelease()
    {
        m_done = true;
        m_thread.join();
    }
    PipeRelease(const PipeRelease&) = delete;
    PipeRelease& operator=(const PipeRelease&) = delete;

private:
    std::atomic<bool> m_done{false};
    std::thread m_thread;
};
