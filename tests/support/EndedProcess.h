#pragma once

#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

// The number of no process: that of a child that has ended.
inline pid_t EndedProcess()
{
    const pid_t child = ::fork();
    if (child == 0)
        ::_exit(0);
    ::waitpid(child, nullptr, 0);
    return child;
}
