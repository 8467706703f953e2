#pragma once

#include <cstdio>
#include <string>
#include <sys/wait.h>

// What a command line printed (standard output and error) and its exit code; -1 when it could
// not be started.
struct ToolResult
{
    int exitCode = -1;
    std::string output;
};

inline ToolResult RunTool(const std::string& command)
{
    ToolResult result;
    FILE* pipe = ::popen((command + " 2>&1").c_str(), "r");
    if (pipe == nullptr)
        return result;
    char buffer[4096];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;)
        result.output.append(buffer, n);
    const int status = ::pclose(pipe);
    result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return result;
}

// The path in single quotes for the shell.
inline std::string ShellQuoted(const std::string& path)
{
    std::string quoted = "'";
    for (const char c : path)
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}
