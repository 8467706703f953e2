#pragma once

#include "platform/core/HostPath.h"

#include <filesystem>
#include <functional>
#include <grp.h>
#include <optional>
#include <signal.h>
#include <stdexcept>
#include <stdlib.h>
#include <string>
#include <sys/stat.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <system_error>
#include <unistd.h>

// Users of the machine that the tests act as; no account needs to exist for them.
constexpr uid_t kFirstUser = 54321;
constexpr uid_t kSecondUser = 54322;
constexpr uid_t kStranger = 54323;
// The group the first two users share; the stranger has a group of its own.
constexpr gid_t kSharedGroup = 54300;
constexpr gid_t kStrangerGroup = 54301;

// Acting as other users needs the superuser; the tests run as root.
inline bool CanActAsOtherUsers()
{
    return ::geteuid() == 0;
}

// A child process that acts as the user (its real, effective and saved ids, the group as its
// only group), runs the work and ends; what the work returned comes back through a pipe.
class OtherUserProcess
{
public:
    // keepRunning keeps the child alive after the work wrote its text, until this object goes.
    OtherUserProcess(uid_t uid, gid_t gid, const std::function<std::string()>& work,
                     bool keepRunning = false)
    {
        int channel[2];
        if (::pipe(channel) != 0)
            return;
        m_child = ::fork();
        if (m_child == 0)
        {
            ::close(channel[0]);
            if (::setgroups(1, &gid) != 0 || ::setresgid(gid, gid, gid) != 0 ||
                ::setresuid(uid, uid, uid) != 0)
                ::_exit(kNoIds);
            const std::string text = work() + "\n";
            const bool written =
                ::write(channel[1], text.data(), text.size()) == static_cast<ssize_t>(text.size());
            ::close(channel[1]);
            while (keepRunning)
                ::pause();
            ::_exit(written ? 0 : 1);
        }
        ::close(channel[1]);
        m_channel = channel[0];
    }
    ~OtherUserProcess()
    {
        if (m_channel >= 0)
            ::close(m_channel);
        if (m_child <= 0)
            return;
        ::kill(m_child, SIGKILL);
        ::waitpid(m_child, nullptr, 0);
    }
    OtherUserProcess(const OtherUserProcess&) = delete;
    OtherUserProcess& operator=(const OtherUserProcess&) = delete;

    // The text the work returned, once it returned; a text saying so when it failed or the ids
    // could not be taken.
    std::string Text()
    {
        std::string text;
        char buffer[512];
        for (ssize_t got; m_channel >= 0 && (got = ::read(m_channel, buffer, sizeof buffer)) > 0;)
        {
            text.append(buffer, static_cast<std::size_t>(got));
            if (text.ends_with('\n'))
                break;
        }
        if (text.ends_with('\n'))
            return text.substr(0, text.size() - 1);
        int status = 0;
        if (m_child > 0 && ::waitpid(m_child, &status, 0) == m_child)
            m_child = 0;
        return "the work as another user failed (status " + std::to_string(status) + ")";
    }

private:
    static constexpr int kNoIds = 77;
    pid_t m_child = -1;
    int m_channel = -1;
};

// A folder of the test's own in the host temp folder, which every user may pass, removed with
// everything in it at the end.
class PassableFolder
{
public:
    PassableFolder()
    {
        std::string pattern = HostTempFolder() + "/WeavoUsersXXXXXX";
        if (::mkdtemp(pattern.data()) == nullptr || ::chmod(pattern.c_str(), 0755) != 0)
            throw std::runtime_error("cannot make a temp folder");
        m_path = pattern;
    }
    ~PassableFolder()
    {
        std::error_code ignored;
        std::filesystem::remove_all(m_path, ignored);
    }
    PassableFolder(const PassableFolder&) = delete;
    PassableFolder& operator=(const PassableFolder&) = delete;

    const std::filesystem::path& Path() const { return m_path; }

private:
    std::filesystem::path m_path;
};

// Runs the work as the user and gives its text.
inline std::string AsUser(uid_t uid, gid_t gid, const std::function<std::string()>& work)
{
    OtherUserProcess process(uid, gid, work);
    return process.Text();
}
