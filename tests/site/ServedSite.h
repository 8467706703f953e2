#pragma once

#include <csignal>
#include <filesystem>
#include <string>
#include <vector>

// A free TCP port on 127.0.0.1 at the time of the call.
int FreeLoopbackPort();

// A server started in a process group of its own, its output going to a log file; stopped with
// the whole group (SIGTERM, then SIGKILL after two seconds) when the object goes, also when a
// test fails on the way. A SIGTERM, SIGINT or SIGHUP that ends the tests stops every server
// running first (SIGKILL to its group).
class ServerProcess
{
public:
    ServerProcess(const std::vector<std::string>& command,
                  const std::vector<std::string>& environment, const std::filesystem::path& log);
    ~ServerProcess();
    ServerProcess(const ServerProcess&) = delete;
    ServerProcess& operator=(const ServerProcess&) = delete;

    // True once the port accepts connections, false when the process ended or the time passed.
    bool WaitForPort(int port, int seconds) const;

private:
    pid_t m_pid = -1;
};
