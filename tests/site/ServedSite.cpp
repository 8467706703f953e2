#include "tests/site/ServedSite.h"

#include <arpa/inet.h>
#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <netinet/in.h>
#include <stdexcept>
#include <sys/socket.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace
{
sockaddr_in LoopbackAddress(int port)
{
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(static_cast<uint16_t>(port));
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    return address;
}

// The process groups of the servers running, for a signal that ends the tests to stop them: each
// runs in a group of its own, which the signal to the tests' group does not reach.
constexpr std::size_t kMostServers = 16;
volatile std::sig_atomic_t runningGroups[kMostServers] = {};

void StopServersAndEnd(int signal)
{
    for (volatile std::sig_atomic_t& group : runningGroups)
        if (group > 0)
            ::kill(-static_cast<pid_t>(group), SIGKILL);
    constexpr char said[] = "\nThe tests were stopped by a signal; the servers they started were "
                            "stopped.\n";
    [[maybe_unused]] const ssize_t written = ::write(STDERR_FILENO, said, sizeof said - 1);
    ::signal(signal, SIG_DFL);
    ::raise(signal);
}

void RememberGroup(pid_t group)
{
    static const bool installed = []
    {
        for (const int signal : {SIGTERM, SIGINT, SIGHUP})
            ::signal(signal, StopServersAndEnd);
        return true;
    }();
    (void)installed;
    for (volatile std::sig_atomic_t& slot : runningGroups)
        if (slot == 0)
        {
            slot = group;
            return;
        }
}

void ForgetGroup(pid_t group)
{
    for (volatile std::sig_atomic_t& slot : runningGroups)
        if (slot == group)
            slot = 0;
}

std::vector<char*> Pointers(std::vector<std::string>& texts)
{
    std::vector<char*> pointers;
    for (std::string& text : texts)
        pointers.push_back(text.data());
    pointers.push_back(nullptr);
    return pointers;
}
} // namespace

int FreeLoopbackPort()
{
    const int socket = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address = LoopbackAddress(0);
    socklen_t length = sizeof address;
    if (socket < 0 || ::bind(socket, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
        ::getsockname(socket, reinterpret_cast<sockaddr*>(&address), &length) != 0)
        throw std::runtime_error("no free loopback port");
    ::close(socket);
    return ntohs(address.sin_port);
}

ServerProcess::ServerProcess(const std::vector<std::string>& command,
                             const std::vector<std::string>& environment,
                             const std::filesystem::path& log)
{
    std::vector<std::string> arguments = command;
    std::vector<std::string> variables = environment;
    for (char** variable = environ; *variable != nullptr; ++variable)
        variables.emplace_back(*variable);
    std::vector<char*> argv = Pointers(arguments);
    std::vector<char*> envp = Pointers(variables);
    m_pid = ::fork();
    if (m_pid < 0)
        throw std::runtime_error("cannot start " + command.front());
    if (m_pid == 0)
    {
        ::setpgid(0, 0);
        const int out = ::open(log.c_str(), O_WRONLY | O_CREAT | O_APPEND, 0644);
        if (out >= 0)
        {
            ::dup2(out, STDOUT_FILENO);
            ::dup2(out, STDERR_FILENO);
        }
        const int in = ::open("/dev/null", O_RDONLY);
        if (in >= 0)
            ::dup2(in, STDIN_FILENO);
        ::execvpe(argv[0], argv.data(), envp.data());
        ::_exit(127);
    }
    ::setpgid(m_pid, m_pid);
    RememberGroup(m_pid);
}

ServerProcess::~ServerProcess()
{
    if (m_pid <= 0)
        return;
    ::kill(-m_pid, SIGTERM);
    bool ended = false;
    for (int i = 0; i < 40 && !ended; ++i)
    {
        ended = ::waitpid(m_pid, nullptr, WNOHANG) == m_pid;
        if (!ended)
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    ::kill(-m_pid, SIGKILL);
    if (!ended)
        ::waitpid(m_pid, nullptr, 0);
    ForgetGroup(m_pid);
}

bool ServerProcess::WaitForPort(int port, int seconds) const
{
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
    while (std::chrono::steady_clock::now() < end)
    {
        if (::waitpid(m_pid, nullptr, WNOHANG) == m_pid)
            return false;
        const int socket = ::socket(AF_INET, SOCK_STREAM, 0);
        const sockaddr_in address = LoopbackAddress(port);
        const bool open =
            ::connect(socket, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
        ::close(socket);
        if (open)
            return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    return false;
}
