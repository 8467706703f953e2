#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

// The whole file; a test failure, and "", when it cannot be read.
inline std::string ReadHostFile(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
    {
        ADD_FAILURE() << "cannot read " << path;
        return {};
    }
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// The whole file, or "" when there is none (a log that a failed start may not have written).
inline std::string ReadHostFileIfAny(const std::filesystem::path& path)
{
    std::error_code ignored;
    return std::filesystem::exists(path, ignored) ? ReadHostFile(path) : std::string();
}
