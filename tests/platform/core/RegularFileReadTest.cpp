#include "platform/core/CFile.h"
#include "platform/core/FileCopy.h"

#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace
{
namespace fs = std::filesystem;

// A reader takes a regular file only: a named pipe without a writer, a folder or a missing file
// is refused at once with the reason, and is no source of a copy.
TEST(RegularFileRead, OnlyARegularFileIsReadAndNothingWaitsForAWriter)
{
    TempFolder temp;
    std::ofstream(temp.Path() / "file.txt", std::ios::binary) << "bytes\r\n";
    ASSERT_EQ(::mkfifo((temp.Path() / "pipe").c_str(), 0600), 0);
    fs::create_directory(temp.Path() / "folder");
    struct Case
    {
        const char* name;
        std::optional<std::string> bytes;
        std::string reason;
        int copyError;
    };
    const Case cases[] = {
        {"file.txt", "bytes\r\n", "", 0},
        {"pipe", std::nullopt, "not a regular file", EINVAL},
        {"folder", std::nullopt, "not a regular file", EISDIR},
        {"missing", std::nullopt, std::strerror(ENOENT), ENOENT},
    };
    ::alarm(20);
    for (const Case& each : cases)
    {
        SCOPED_TRACE(each.name);
        const std::string path = (temp.Path() / each.name).string();
        std::string reason;
        EXPECT_EQ(ReadRegularFile(path, reason), each.bytes);
        EXPECT_EQ(reason, each.reason);
        const std::string copy = path + ".copy";
        errno = 0;
        EXPECT_EQ(CopyFile(path.c_str(), copy.c_str(), FALSE) == TRUE, each.copyError == 0);
        EXPECT_EQ(each.copyError == 0 ? 0 : errno, each.copyError);
        EXPECT_EQ(fs::exists(copy), each.copyError == 0);
    }
    ::alarm(0);
}
} // namespace
