#pragma once

#include "tests/gen_web/ShopProject.h"

#include <filesystem>
#include <string>

#ifndef WEAVO_TEST_DATA
#error "WEAVO_TEST_DATA names the folder of the test data"
#endif

// An expected file under tests/data/gen_web, kept with "\n" line ends.
inline std::filesystem::path GoldenPath(const std::string& name)
{
    return std::filesystem::path(WEAVO_TEST_DATA) / "gen_web" / name;
}

// The expected text as it is written to a file: every line end "\r\n".
inline std::string GoldenBytes(const std::string& name)
{
    std::string bytes;
    for (const char c : ReadHostFile(GoldenPath(name)))
    {
        if (c == '\n')
            bytes += '\r';
        bytes += c;
    }
    return bytes;
}
