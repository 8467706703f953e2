#pragma once

// The benchmarks' child processes: each measured command runs as a process of its own.

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

inline double Milliseconds(const timeval& time)
{
    return time.tv_sec * 1e3 + time.tv_usec / 1e3;
}

struct Run
{
    double milliseconds = 0;
    double peakMegabytes = 0;
    std::string output;
};

// Runs the command as a child, its output captured; exits on failure.
inline Run Spawn(const std::vector<std::string>& arguments, bool quiet = false)
{
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0)
        std::exit(2);
    const pid_t child = fork();
    if (child == 0)
    {
        dup2(pipeEnds[1], STDOUT_FILENO);
        close(pipeEnds[0]);
        close(pipeEnds[1]);
        std::vector<char*> argv;
        for (const std::string& argument : arguments)
            argv.push_back(const_cast<char*>(argument.c_str()));
        argv.push_back(nullptr);
        execvp(argv[0], argv.data());
        _exit(127);
    }
    close(pipeEnds[1]);
    Run run;
    char buffer[4096];
    for (ssize_t count; (count = read(pipeEnds[0], buffer, sizeof buffer)) > 0;)
    {
        if (!quiet)
            run.output.append(buffer, static_cast<std::size_t>(count));
    }
    close(pipeEnds[0]);
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    run.milliseconds = Milliseconds(usage.ru_utime) + Milliseconds(usage.ru_stime);
    run.peakMegabytes = usage.ru_maxrss / 1024.0;
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
    {
        std::fprintf(stderr, "failed: %s\n", arguments.front().c_str());
        std::exit(1);
    }
    return run;
}
