#pragma once

#include <sched.h>
#include <sys/mount.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <functional>
#include <optional>
#include <string>

// Runs the work in a child process that sees the folder on a read-only file system of its own
// (a read-only bind in a mount namespace) and returns what the work wrote; no value where such a
// namespace cannot be made. A work that fails there gives a text saying so.
inline std::optional<std::string> OnReadOnlyFolder(const std::filesystem::path& folder,
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
        const char* path = folder.c_str();
        if (::unshare(CLONE_NEWNS) != 0 ||
            ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 ||
            ::mount(path, path, nullptr, MS_BIND, nullptr) != 0 ||
            ::mount(nullptr, path, nullptr, MS_REMOUNT | MS_BIND | MS_RDONLY, nullptr) != 0)
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
        return "the work on the read-only folder failed (status " + std::to_string(status) + ")";
    return text;
}
