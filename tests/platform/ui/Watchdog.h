#pragma once

#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <thread>

// Ends the test program with a failure when the scope is not left within the time: a test of
// something that used to hang fails instead of hanging.
class Watchdog
{
public:
    explicit Watchdog(std::chrono::seconds limit, const char* what)
        : m_thread(
              [this, limit, what]
              {
                  std::unique_lock lock(m_mutex);
                  if (!m_done.wait_for(lock, limit, [this] { return m_finished; }))
                  {
                      std::fprintf(stderr, "Did not end in time: %s\n", what);
                      std::_Exit(EXIT_FAILURE);
                  }
              })
    {
    }
    ~Watchdog()
    {
        {
            const std::lock_guard lock(m_mutex);
            m_finished = true;
        }
        m_done.notify_one();
        m_thread.join();
    }
    Watchdog(const Watchdog&) = delete;
    Watchdog& operator=(const Watchdog&) = delete;

private:
    std::mutex m_mutex;
    std::condition_variable m_done;
    bool m_finished = false;
    std::thread m_thread;
};
