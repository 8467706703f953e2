#pragma once

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

// The bytes of a file; empty when it cannot be read.
inline std::string ReadBytes(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// An expected file of tests/data/database.
inline std::string Expected(const char* name)
{
    return ReadBytes(std::filesystem::path(WEAVO_DATABASE_TEST_DATA) / name);
}
