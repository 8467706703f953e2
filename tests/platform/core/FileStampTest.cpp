#include "platform/core/FileStamp.h"
#include "platform/core/Descriptor.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <fcntl.h>

#include <cstddef>
#include <cstdint>
#include <fstream>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace
{
std::string Bytes(std::size_t count)
{
    std::string bytes(count, '\0');
    for (std::size_t i = 0; i < count; ++i)
        bytes[i] = static_cast<char>(i * 7 + i / 251);
    return bytes;
}

// The checksum of a file is the same whatever pieces a reader reads it in, read again after a
// step back or left for Finish; it differs for one byte changed, wherever that byte is.
TEST(FileStampTest, TheChecksumTakenWhileReadingIsTheFilesWholeWhateverThePieces)
{
    const TempFolder folder;
    const std::string path = (folder.Path() / "Shop.wvt").string();
    const std::string bytes = Bytes(70001);
    std::ofstream(path, std::ios::binary) << bytes;
    const std::optional<FileStamp> whole = FileStamp::Of(path.c_str());
    ASSERT_TRUE(whole);

    struct Reading
    {
        const char* name;
        // Offsets and lengths the reader reads, in order.
        std::vector<std::pair<std::size_t, std::size_t>> reads;
    };
    const std::vector<Reading> readings{
        {"nothing read", {}},
        {"all at once", {{0, bytes.size()}}},
        {"odd pieces", {{0, 1}, {1, 31}, {32, 33}, {65, 65536}, {65601, 4400}}},
        {"a step back", {{0, 100}, {40, 200}, {240, 10}}},
        {"a gap", {{0, 64}, {1000, 64}}},
        {"a start past the beginning", {{5, 64}}},
    };
    for (const Reading& reading : readings)
    {
        SCOPED_TRACE(reading.name);
        const Descriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
        FileStampReading stamp(fd.Get(), std::nullopt);
        for (const auto& [offset, count] : reading.reads)
            stamp.Read(offset, bytes.data() + offset, count);
        EXPECT_EQ(stamp.Finish(), whole);
    }

    FileChecksum same;
    same.Add(bytes.data(), bytes.size());
    EXPECT_EQ(same.Value(), whole->checksum);
    for (const std::size_t changed : {std::size_t{0}, std::size_t{31}, bytes.size() - 1})
    {
        std::string other = bytes;
        other[changed] = static_cast<char>(other[changed] ^ 1);
        FileChecksum checksum;
        checksum.Add(other.data(), other.size());
        EXPECT_NE(checksum.Value(), whole->checksum) << "byte " << changed;
    }
}
} // namespace
