#include "platform/core/CArchive.h"
#include "platform/core/CFile.h"
#include "platform/core/HostPath.h"
#include "tests/support/HostFiles.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <unistd.h>

namespace
{
namespace fs = std::filesystem;

class FileTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_folder = fs::temp_directory_path() /
                   ("weavo-file-test-" + std::to_string(::getpid()) + "-" +
                    ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(m_folder);
    }
    void TearDown() override { fs::remove_all(m_folder); }

    std::string PathOf(const char* name) const { return (m_folder / name).string(); }

    void WriteHostFile(const char* name, const std::string& content) const
    {
        std::ofstream(PathOf(name), std::ios::binary) << content;
    }

    fs::path m_folder;
};

// The cause of the file exception that call raises, or none.
template <typename Call> int FileFailure(Call call)
{
    try
    {
        call();
    }
    catch (const CFileException& error)
    {
        return error.m_cause;
    }
    return CFileException::none;
}

TEST_F(FileTest, OpenFailureCarriesTheHostReasonAndTheName)
{
    const std::string path = PathOf("missing.wvt");
    CFile file;
    CFileException error;
    EXPECT_FALSE(file.Open(path.c_str(), CFile::modeRead | CFile::shareDenyWrite, &error));
    EXPECT_EQ(CFileException::fileNotFound, error.m_cause);
    EXPECT_EQ(ENOENT, error.m_lOsError);
    EXPECT_EQ(path, error.m_strFileName.str());
    EXPECT_EQ(path + ": " + std::strerror(ENOENT), error.what());

    try
    {
        CFile thrown(path.c_str(), CFile::modeRead);
        FAIL() << "no exception";
    }
    catch (const CFileException& thrown)
    {
        EXPECT_EQ(CFileException::fileNotFound, thrown.m_cause);
        EXPECT_STREQ(error.what(), thrown.what());
    }
}

TEST_F(FileTest, OpenFailureCausesFollowErrno)
{
    WriteHostFile("plain", "x");
    CFile file;
    CFileException error;
    EXPECT_FALSE(file.Open(m_folder.c_str(), CFile::modeRead, &error));
    EXPECT_EQ(CFileException::accessDenied, error.m_cause);
    EXPECT_EQ(EISDIR, error.m_lOsError);

    EXPECT_FALSE(
        file.Open(PathOf("plain/inner").c_str(), CFile::modeCreate | CFile::modeWrite, &error));
    EXPECT_EQ(CFileException::badPath, error.m_cause);
    EXPECT_EQ(ENOTDIR, error.m_lOsError);
}

TEST_F(FileTest, AFileOnADescriptorLeavesItOpenForItsOwner)
{
    const std::string path = PathOf("held.bin");
    const int descriptor = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    ASSERT_GE(descriptor, 0);
    {
        CFile file(descriptor, "C:\\Work\\held.bin");
        file.Write("abc", 3);
        file.Close();
    }
    {
        CFile file(descriptor, "C:\\Work\\held.bin");
        file.Write("de", 2);
    }
    EXPECT_EQ(::write(descriptor, "f", 1), 1) << "the descriptor is still open";
    EXPECT_EQ(::close(descriptor), 0);
    EXPECT_EQ(ReadHostFile(path), "abcdef");
}

TEST_F(FileTest, WriteSeekAndReadBack)
{
    const std::string path = PathOf("data.bin");
    CFile file(path.c_str(), CFile::modeCreate | CFile::modeReadWrite | CFile::shareExclusive);
    file.Write("hello world", 11);
    EXPECT_EQ(11u, file.GetLength());
    EXPECT_EQ(11u, file.GetPosition());
    EXPECT_EQ(6u, file.Seek(6, CFile::begin));
    char buffer[16] = {};
    EXPECT_EQ(5u, file.Read(buffer, sizeof buffer));
    EXPECT_STREQ("world", buffer);
    EXPECT_EQ(0u, file.Read(buffer, sizeof buffer));
    EXPECT_EQ(2u, file.Seek(-9, CFile::end));
    EXPECT_EQ(4u, file.Seek(2, CFile::current));
    file.SeekToBegin();
    EXPECT_EQ(0u, file.GetPosition());
    EXPECT_EQ(11u, file.SeekToEnd());
    file.Flush();
    file.Close();
    EXPECT_EQ("hello world", ReadHostFile(path));
}

TEST_F(FileTest, CreateTruncatesUnlessNoTruncate)
{
    WriteHostFile("kept", "abcdef");
    WriteHostFile("emptied", "abcdef");
    CFile kept(PathOf("kept").c_str(),
               CFile::modeCreate | CFile::modeNoTruncate | CFile::modeWrite);
    kept.Write("XY", 2);
    kept.Close();
    CFile emptied(PathOf("emptied").c_str(), CFile::modeCreate | CFile::modeWrite);
    emptied.Close();
    EXPECT_EQ("XYcdef", ReadHostFile(PathOf("kept")));
    EXPECT_EQ("", ReadHostFile(PathOf("emptied")));
}

TEST_F(FileTest, ModelPathIsMappedToTheHost)
{
    const std::string name = "weavo-file-test-" + std::to_string(::getpid()) + ".bin";
    const std::string modelPath = "C:\\temp\\" + name;
    ASSERT_TRUE(EnsureFolderChain("C:\\temp"));
    CFile file(modelPath.c_str(), CFile::modeCreate | CFile::modeWrite);
    file.Write("z", 1);
    file.Close();
    EXPECT_EQ(modelPath, file.GetFilePath().str());
    const std::string hostPath = UserTempFolder() + "/" + name;
    EXPECT_EQ("z", ReadHostFile(hostPath));
    fs::remove(hostPath);
}

TEST_F(FileTest, ClosedFileRaisesAndClosesOnlyOnce)
{
    CFile file(PathOf("closed").c_str(), CFile::modeCreate | CFile::modeReadWrite);
    file.Close();
    file.Close();
    file.Abort();
    char byte = 0;
    EXPECT_EQ(CFileException::invalidFile, FileFailure([&] { file.Read(&byte, 1); }));
    EXPECT_EQ(CFileException::invalidFile, FileFailure([&] { file.Write(&byte, 1); }));
    EXPECT_EQ(CFileException::invalidFile, FileFailure([&] { file.Seek(0, CFile::begin); }));
}

TEST_F(FileTest, SeekBeforeTheStartIsBadSeek)
{
    CFile file(PathOf("seek").c_str(), CFile::modeCreate | CFile::modeReadWrite);
    EXPECT_EQ(CFileException::badSeek, FileFailure([&] { file.Seek(-1, CFile::begin); }));
    CMemFile memory;
    EXPECT_EQ(CFileException::badSeek, FileFailure([&] { memory.Seek(-1, CFile::end); }));
}

TEST(MemFileTest, WritePastTheEndFillsTheGapWithZeros)
{
    CMemFile file(std::vector<BYTE>{1, 2});
    EXPECT_EQ(4u, file.Seek(2, CFile::end));
    file.Write("\x09", 1);
    EXPECT_EQ((std::vector<BYTE>{1, 2, 0, 0, 9}), file.GetBytes());
    file.Seek(1, CFile::begin);
    file.Write("\x07", 1);
    BYTE bytes[8] = {};
    EXPECT_EQ(3u, file.Read(bytes, sizeof bytes));
    EXPECT_EQ(0, bytes[0]);
    EXPECT_EQ(9, bytes[2]);
    EXPECT_EQ(0u, file.Read(bytes, sizeof bytes));
    EXPECT_EQ((std::vector<BYTE>{1, 7, 0, 0, 9}), file.GetBytes());
}

TEST_F(FileTest, ReadStringStripsLineEndsAndKeepsThePosition)
{
    const std::string longLine(300, 'x');
    WriteHostFile("lines.txt", "first\r\nsecond\n\r\n" + longLine + "\r\nmid\rdle\nend");
    CStdioFile file(PathOf("lines.txt").c_str(), CFile::modeRead | CFile::typeText);
    CString line;
    ASSERT_TRUE(file.ReadString(line));
    EXPECT_EQ("first", line);
    char start[3];
    ASSERT_EQ(3u, file.Read(start, 3));
    EXPECT_EQ("sec", std::string(start, 3));
    ASSERT_TRUE(file.ReadString(line));
    EXPECT_EQ("ond", line);
    ASSERT_TRUE(file.ReadString(line));
    EXPECT_EQ("", line);
    ASSERT_TRUE(file.ReadString(line));
    EXPECT_EQ(longLine, line.str());
    ASSERT_TRUE(file.ReadString(line));
    EXPECT_EQ("mid\rdle", line);
    ASSERT_TRUE(file.ReadString(line));
    EXPECT_EQ("end", line);
    EXPECT_FALSE(file.ReadString(line));
    EXPECT_EQ("", line);
}

TEST_F(FileTest, WriteStringWritesTheBytesAsGiven)
{
    CStdioFile file(PathOf("out.txt").c_str(), CFile::modeCreate | CFile::modeWrite);
    file.WriteString("a\nb\r\n");
    file.WriteString("");
    file.Close();
    EXPECT_EQ("a\nb\r\n", ReadHostFile(PathOf("out.txt")));
}

TEST_F(FileTest, ArchiveFailureNamesTheFile)
{
    WriteHostFile("cut.wvt", std::string("\xFF\xFF\x00", 3));
    const std::string path = PathOf("cut.wvt");
    CFile file(path.c_str(), CFile::modeRead | CFile::shareDenyWrite);
    CArchive ar(&file, CArchive::load | CArchive::bNoFlushOnDelete);
    try
    {
        ar.ReadObject(nullptr);
        FAIL() << "no exception";
    }
    catch (const CArchiveException& error)
    {
        EXPECT_EQ(CArchiveException::endOfFile, error.m_cause);
        EXPECT_EQ(path, error.m_strFileName.str());
        EXPECT_EQ(path + ": unexpected end of file at byte 3", error.what());
    }
}
} // namespace
