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
// Stop tells whether it found one waiting, which no load of the machine makes it do.
class PipeRelease
{
public:
    explicit PipeRelease(std::filesystem::path pipe)
        : m_thread(
              [this, pipe = std::move(pipe)]
              {
                  for (int i = 0; i < 100 && !m_done; ++i)
                      std::this_thread::sleep_for(std::chrono::milliseconds(50));
                  // Without a reader the open fails at once.
                  const int writer = ::open(pipe.c_str(), O_WRONLY | O_NONBLOCK);
                  if (writer >= 0)
                  {
                      m_freed = true;
                      ::close(writer);
                  }
              })
    {
    }
    ~PipeRelease() { Stop(); }
    PipeRelease(const PipeRelease&) = delete;
    PipeRelease& operator=(const PipeRelease&) = delete;

    // Ends the watch; true when a reader waited on the pipe and was let go.
    bool Stop()
    {
        m_done = true;
        if (m_thread.joinable())
            m_thread.join();
        return m_freed;
    }

private:
    std::atomic<bool> m_done{false};
    std::atomic<bool> m_freed{false};
    std::thread m_thread;
};
