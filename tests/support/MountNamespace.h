#pragma once

#include <sched.h>
#include <sys/mount.h>
#include <sys/wait.h>
#include <unistd.h>

#include <functional>
#include <optional>
#include <string>

// Runs the work in a child process with a mount namespace of its own, once mount (run there)
// mounted what the work needs, and returns what the work wrote; no value where the namespace
// cannot be made or mount fails (without the superuser). A work that fails there gives a text
// saying so.
inline std::optional<std::string> InMountNamespace(const std::function<bool()>& mount,
                                                   const std::function<std::string()>& work)
{
    constexpr int kNoNamespace = 77;
    int channel[2];
    if (::pipe(channel) != 0)
        return std::nullopt;
    const pid_t child = ::fork();
    if (child == 0)
    {
        ::close(channel[0]);
        if (::unshare(CLONE_NEWNS) != 0 ||
            ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 || !mount())
            ::_exit(kNoNamespace);
        const std::string text = work();
        const bool written =
            ::write(channel[1], text.data(), text.size()) == static_cast<ssize_t>(text.size());
        ::_exit(written ? 0 : 1);
    }
    ::close(channel[1]);
    std::string text;
    char buffer[512];
    for (ssize_t got; (got = ::read(channel[0], buffer, sizeof buffer)) > 0;)
        text.append(buffer, static_cast<std::size_t>(got));
    ::close(channel[0]);
    int status = 0;
    if (child < 0 || ::waitpid(child, &status, 0) != child ||
        (WIFEXITED(status) && WEXITSTATUS(status) == kNoNamespace))
        return std::nullopt;
    // A work that failed or crashed is no missing namespace: its text tells the caller it failed.
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return "the work in a mount namespace failed (status " + std::to_string(status) + ")";
    return text;
}
