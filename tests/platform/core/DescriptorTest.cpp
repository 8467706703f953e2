#include "platform/core/Descriptor.h"
#include "platform/core/FileCopy.h"

#include "tests/support/HostFiles.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sys/stat.h>

namespace
{
namespace fs = std::filesystem;

// Whatever stands at a name inside an open folder, a file made or copied there through the
// folder's descriptor never writes through it: the make fails with the reason, the copy takes
// the name over, and the file a link led to keeps its bytes.
TEST(FilesAtAFolderDescriptor, NeverWriteThroughWhatStandsAtTheName)
{
    TempFolder temp;
    const fs::path outside = temp.Path() / "outside.txt";
    const fs::path source = temp.Path() / "source.txt";
    const fs::path out = temp.Path() / "out";
    std::ofstream(outside) << "outside";
    std::ofstream(source) << "copied";
    fs::create_directories(out);
    const Descriptor folder(::open(out.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    ASSERT_TRUE(folder.IsOpen());
    struct Case
    {
        const char* name;
        std::function<void(const fs::path&)> plant;
        int createError;
        bool copied;
    };
    const Case cases[] = {
        {"nothing", [](const fs::path&) {}, 0, true},
        {"symbolic link", [&](const fs::path& at) { fs::create_symlink(outside, at); }, ELOOP,
         true},
        {"dangling link", [&](const fs::path& at) { fs::create_symlink(temp.Path() / "no", at); },
         ELOOP, true},
        {"hard link", [&](const fs::path& at) { fs::create_hard_link(outside, at); }, EMLINK, true},
        {"folder", [](const fs::path& at) { fs::create_directory(at); }, EISDIR, false},
    };
    for (const Case& each : cases)
    {
        SCOPED_TRACE(each.name);
        const std::string name = each.name;
        each.plant(out / name);
        errno = 0;
        const Descriptor made = CreateFileAt(folder.Get(), name);
        EXPECT_EQ(each.createError, made.IsOpen() ? 0 : errno);
        EXPECT_EQ(each.copied, CopyFileAt(source.c_str(), folder.Get(), name, FALSE) == TRUE);
        if (each.copied)
        {
            EXPECT_FALSE(fs::is_symlink(out / name));
            EXPECT_EQ("copied", ReadHostFile(out / name));
        }
        EXPECT_EQ("outside", ReadHostFile(outside));
        EXPECT_FALSE(fs::exists(temp.Path() / "no"));
    }
}
} // namespace
