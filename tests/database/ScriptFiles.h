#pragma once

#include "tests/support/HostFiles.h"

#include <filesystem>
#include <string>

// An expected file of tests/data/database.
inline std::string Expected(const char* name)
{
    return ReadHostFile(std::filesystem::path(WEAVO_DATABASE_TEST_DATA) / name);
}
