#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

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

// Every file and link below the folder, outside the skipped one, with its text or, for a link,
// "-> " and its target.
inline std::map<std::string, std::string>
FilesAndLinksBelow(const std::filesystem::path& folder, const std::filesystem::path& skipped = {})
{
    namespace fs = std::filesystem;
    std::map<std::string, std::string> files;
    for (auto it = fs::recursive_directory_iterator(folder); it != fs::end(it); ++it)
    {
        if (it->path() == skipped)
        {
            it.disable_recursion_pending();
            continue;
        }
        if (it->is_symlink())
            files[it->path().string()] = "-> " + fs::read_symlink(it->path()).string();
        else if (it->is_regular_file())
            files[it->path().string()] = ReadHostFile(it->path());
    }
    return files;
}

// The project files below the folder, sorted by path.
inline std::vector<std::filesystem::path> ProjectFilesBelow(const std::filesystem::path& folder)
{
    std::vector<std::filesystem::path> files;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder))
    {
        if (entry.path().extension() == ".wvt")
            files.push_back(entry.path());
    }
    std::sort(files.begin(), files.end());
    return files;
}
