#pragma once

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

// The whole file, or "" when it cannot be read.
inline std::string ReadHostFile(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}
