#include "model/TextFile.h"

#include "model/GenerationReport.h"
#include "platform/core/HostPath.h"

#include "tests/support/HostFiles.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace fs = std::filesystem;

namespace
{
// A writer without a path collects its text in the buffer.
TextFile BufferWriter()
{
    return TextFile(false, false, '=', 60);
}

class TextFileOnDiskTest : public ::testing::Test
{
protected:
    // The model path "C:\temp\<folder>\<name>".
    CString ModelPath(const char* name) const { return m_temp.ModelPath(name); }

    std::string Contents(const char* name) const { return ReadHostFile(m_temp.Path() / name); }

    TempFolder m_temp{"WeavoTextFile"};
};

TEST(TextFileTest, WritesIndentTabsBeforeTheConvertedFormatAndSeparatorLines)
{
    TextFile writer = BufferWriter();
    writer.Write(2, "a%db\n", 5);
    writer.Write(0, "c\n");
    writer.Write(-1, "d");
    const char* missing = nullptr;
    writer.Write(1, "[%s]\n", missing);
    writer.WriteSeparator(1);
    EXPECT_EQ(CString("\t\ta5b\nc\nd\t[]\n\t") + CString('=', 60) + "\n", writer.GetBuffer());

    TextFile dashes(false, false, '-', 3);
    dashes.WriteSeparator(0);
    EXPECT_EQ(CString("---\n"), dashes.GetBuffer());
}

TEST(TextFileTest, PercentBeforeAnUnlistedCharacterWritesThatCharacterAlone)
{
    TextFile writer = BufferWriter();
    writer.Write(0, "100%% <%= x %>|%5d|%-s|%_|%%%d%%|end%", 7);
    EXPECT_EQ(CString("100% <= x >|5d|-s|_|%7%|end"), writer.GetBuffer());
}

TEST(TextFileTest, ConvertsEachKindWithTheSingleCharacterAfterThePercent)
{
    TextFile writer = BufferWriter();
    writer.Write(0, "%s %S %c%C %i %x %X %o %u", "one", CString("two"), 'A', 66, -3, 255, 255, 8,
                 -1);
    writer.Write(0, "|%f %e %E %g %G", 1.5, 250.0, 0.5, 0.25, 1e20);
    int count = 0;
    writer.Write(0, "|%n%P", static_cast<const void*>(&count),
                 reinterpret_cast<const void*>(std::uintptr_t{0xAB12}));
    const std::string pointer = std::string(2 * sizeof(void*) - 4, '0') + "AB12";
    EXPECT_EQ(CString("one two AB -3 ff FF 10 4294967295|1.500000 2.500000e+02 5.000000E-01 0.25 "
                      "1E+20|" +
                      pointer),
              writer.GetBuffer());
    EXPECT_EQ(0, count);
}

TEST(TextFileTest, ArgumentsTheFormatDoesNotUseAreIgnored)
{
    TextFile writer = BufferWriter();
    writer.Write(0, "[%-5s]\n", "x");
    writer.Write(0, "a%%\n", 1);
    writer.Write(1, "%d\n", 1, 2);
    EXPECT_EQ(CString("[-5s]\na%\n\t1\n"), writer.GetBuffer());
}

TEST(TextFileTest, MissingOrMismatchedArgumentsThrowAndWriteNothing)
{
    TextFile writer = BufferWriter();
    EXPECT_THROW(writer.Write(1, "a%d\n"), FormatError);
    EXPECT_THROW(writer.Write(1, "%d %d\n", 1), FormatError);
    EXPECT_THROW(writer.Write(1, "a%d\n", "text"), FormatError);
    EXPECT_THROW(writer.Write(1, "a%d\n", 1.0), FormatError);
    EXPECT_THROW(writer.Write(1, "a%f\n", 1), FormatError);
    EXPECT_THROW(writer.Write(1, "a%s\n", 1), FormatError);
    EXPECT_THROW(writer.Write(1, "a%P\n", "text"), FormatError);
    EXPECT_TRUE(writer.GetBuffer().IsEmpty());
}

// A link or a file with other names at the path is replaced by a file of the writer's own; the
// file it leads to, or the file a dangling link names, stays as it was.
TEST_F(TextFileOnDiskTest, AnOpenReplacesALinkAtThePath)
{
    const std::filesystem::path outside = m_temp.Path() / "outside.txt";
    for (const bool append : {false, true})
    {
        for (const char* name : {"outside.txt", "linked.txt", "dangling.txt", "hard.txt"})
            std::filesystem::remove(m_temp.Path() / name);
        std::ofstream(outside) << "kept";
        std::filesystem::create_symlink(outside, m_temp.Path() / "linked.txt");
        std::filesystem::create_symlink(m_temp.Path() / "absent.txt",
                                        m_temp.Path() / "dangling.txt");
        std::filesystem::create_hard_link(outside, m_temp.Path() / "hard.txt");
        for (const char* name : {"linked.txt", "dangling.txt", "hard.txt"})
        {
            {
                TextFile writer(ModelPath(name), false, '=', 60, false, append);
                EXPECT_TRUE(writer.IsOpen()) << name;
                writer.Write(0, "own\n");
            }
            EXPECT_FALSE(std::filesystem::is_symlink(m_temp.Path() / name)) << name;
            EXPECT_EQ("own\r\n", Contents(name)) << name;
        }
        EXPECT_EQ("kept", Contents("outside.txt"));
        EXPECT_FALSE(std::filesystem::exists(m_temp.Path() / "absent.txt"));
    }
}

TEST_F(TextFileOnDiskTest,
       TextGoesToTheBufferUntilOpenAndAgainAfterCloseOrAFailedOpenWithTheHostReason)
{
    TextFile writer = BufferWriter();
    writer.Write(0, "before\n");
    ASSERT_NE(nullptr, writer.Open(ModelPath("out.txt")));
    EXPECT_TRUE(writer.IsOpen());
    writer.Write(1, "in %s\n", "file");
    writer.WriteSeparator(0);
    writer.Close();
    writer.Write(0, "after\n");

    EXPECT_EQ(CString("before\nafter\n"), writer.GetBuffer());
    EXPECT_EQ("\tin file\r\n" + std::string(60, '=') + "\r\n", Contents("out.txt"));
    EXPECT_TRUE(writer.GetPath().IsEmpty());

    TextFile failing(ModelPath("missing\\out.txt"), false, '=', 60, false, false);
    EXPECT_FALSE(failing.IsOpen());
    EXPECT_EQ(CString(std::strerror(ENOENT)), failing.GetOpenError());
    failing.Write(0, "kept\n");
    EXPECT_EQ(CString("kept\n"), failing.GetBuffer());
    ASSERT_NE(nullptr, failing.Open(ModelPath("other.txt")));
    EXPECT_TRUE(failing.GetOpenError().IsEmpty());
}

TEST_F(TextFileOnDiskTest, WriterWithPathTruncatesOrAppendsAndFlushesEachWriteWhenAsked)
{
    {
        TextFile writer(ModelPath("log.txt"), false, '=', 60, false, false);
        EXPECT_EQ(ModelPath("log.txt"), writer.GetPath());
        writer.Write(0, "first\n");
    }
    {
        TextFile writer(ModelPath("log.txt"), false, '=', 60, false, true);
        writer.Write(0, "second\n");
    }
    EXPECT_EQ("first\r\nsecond\r\n", Contents("log.txt"));
    {
        TextFile writer(ModelPath("log.txt"), false, '=', 60, false, false);
        writer.Write(0, "third\n");
        EXPECT_TRUE(writer.GetBuffer().IsEmpty());
    }
    EXPECT_EQ("third\r\n", Contents("log.txt"));

    TextFile flushed(ModelPath("flushed.txt"), true, '=', 60, false, false);
    flushed.Write(0, "line\n");
    EXPECT_EQ("line\r\n", Contents("flushed.txt"));
}

// A file the report opens, below a root or without one, holds the text written and nothing of
// what it held before.
TEST_F(TextFileOnDiskTest, AFileOpenedThroughTheReportHoldsOnlyTheNewText)
{
    for (const bool rooted : {false, true})
    {
        GenerationReport report;
        if (rooted)
            report.SetOutputRoot(m_temp.ModelPath());
        for (const char* before : {"", "a longer text than the new one\r\n", "new\r\n"})
        {
            std::ofstream(m_temp.Path() / "saved.txt", std::ios::binary) << before;
            EXPECT_TRUE(SaveTextFile(ModelPath("saved.txt"), "new\n", report)) << before;
            EXPECT_EQ("new\r\n", Contents("saved.txt")) << before;
        }
        EXPECT_TRUE(report.IsEmpty()) << report.GetFullText();
    }
}

TEST_F(TextFileOnDiskTest, LineEndsReachTheDiskAsCarriageReturnLineFeed)
{
    TextFile writer(ModelPath("crlf.txt"), false, '=', 60, false, false);
    writer.Write(0, "a\nb\r\nc\r");
    writer.Write(0, "\nd\n\n");
    writer.Write(0, "e\r");
    writer.Write(0, "f\n");
    writer.Close();
    EXPECT_EQ("a\r\nb\r\nc\r\nd\r\n\r\ne\rf\r\n", Contents("crlf.txt"));

    TextFile buffered = BufferWriter();
    buffered.Write(0, "a\nb\r\n");
    EXPECT_EQ(CString("a\nb\r\n"), buffered.GetBuffer());
}

TEST_F(TextFileOnDiskTest, DisabledWriterCreatesNoFileAndCollectsNothing)
{
    TextFile withPath(ModelPath("never.txt"), true, '=', 60, true, false);
    withPath.Write(0, "text %d\n", 1);
    withPath.WriteSeparator(1);
    EXPECT_FALSE(withPath.IsOpen());

    TextFile withoutPath(true, false, '=', 60);
    EXPECT_EQ(nullptr, withoutPath.Open(ModelPath("never2.txt")));
    withoutPath.Write(0, "text\n");
    withoutPath.WriteSeparator(0);

    EXPECT_TRUE(withPath.GetBuffer().IsEmpty());
    EXPECT_TRUE(withoutPath.GetBuffer().IsEmpty());
    EXPECT_TRUE(fs::is_empty(m_temp.Path()));
}

TEST_F(TextFileOnDiskTest, MixedTextReachesTheDiskAsTheSameBytesWhetherFlushedOrNot)
{
    const std::string expected = "\t<%@ Page Title=\"x\" %>\r\n"
                                 "a\r\n\r\nb\r\n"
                                 "c7\r\r\n"
                                 "\t\t\r\nd\r"
                                 "\t----\r\n"
                                 "\r\n"
                                 "end";
    for (const bool flush : {false, true})
    {
        SCOPED_TRACE(flush ? "flushed" : "not flushed");
        TextFile writer(ModelPath("mixed.txt"), flush, '-', 4, false, false);
        writer.Write(1, "<%%@ Page %s %%>\n", "Title=\"x\"");
        writer.Write(0, "a\r\n\nb\r");
        writer.Write(0, "\nc%d\r\r\n", 7);
        writer.Write(2, "\nd\r");
        writer.WriteSeparator(1);
        writer.Write(0, "");
        writer.Write(0, "\n");
        writer.Write(0, "end");
        writer.Close();
        EXPECT_EQ(expected, Contents("mixed.txt"));
        EXPECT_TRUE(writer.GetFailure().IsEmpty());
    }
}

TEST_F(TextFileOnDiskTest, TextOfSeveralMegabytesIsWrittenWhole)
{
    std::string line;
    std::string text;
    std::string expected;
    for (int i = 0; text.size() < 3u << 20; ++i)
    {
        line = "line " + std::to_string(i) + (i % 3 == 0 ? "\r" : "");
        text += line + "\n";
        expected += line + (i % 3 == 0 ? "\n" : "\r\n");
    }
    {
        TextFile whole(ModelPath("whole.txt"), false, '=', 60, false, false);
        whole.Write(0, "%s", text);
    }
    EXPECT_EQ(expected, Contents("whole.txt"));

    TextFile pieces(ModelPath("pieces.txt"), false, '=', 60, false, false);
    for (std::size_t at = 0; at < text.size(); at += 4093)
        pieces.Write(0, "%s", text.substr(at, 4093));
    pieces.Close();
    EXPECT_EQ(expected, Contents("pieces.txt"));
}

TEST(TextFileFailureTest, FailedWriteIsReportedAtTheWriteWhenFlushedAndAtCloseOtherwise)
{
    if (!fs::exists("/dev/full"))
        GTEST_SKIP() << "no /dev/full";
    const CString full(std::strerror(ENOSPC));

    TextFile flushed("/dev/full", true, '=', 60, false, false);
    ASSERT_TRUE(flushed.IsOpen());
    flushed.Write(0, "text\n");
    EXPECT_EQ(full, flushed.GetFailure());

    TextFile unflushed("/dev/full", false, '=', 60, false, false);
    ASSERT_TRUE(unflushed.IsOpen());
    unflushed.Write(0, "text\n");
    unflushed.Close();
    EXPECT_EQ(full, unflushed.GetFailure());
    EXPECT_TRUE(unflushed.GetOpenError().IsEmpty());

    GenerationReport report;
    EXPECT_FALSE(SaveTextFile("/dev/full", "text\n", report));
    ASSERT_EQ(1u, report.GetUnwrittenFiles().size());
    EXPECT_EQ(CString("/dev/full"), report.GetUnwrittenFiles()[0].name);
    EXPECT_EQ(full, report.GetUnwrittenFiles()[0].reason);
}

} // namespace
