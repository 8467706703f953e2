#include "model/GenerationReport.h"
#include "model/OutputRoot.h"
#include "platform/core/HostPath.h"

#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <sys/stat.h>
#include <utility>

namespace
{
// A report with the given numbers of unwritten files, skipped pages and notes of one heading.
GenerationReport ReportOf(int unwritten, int skipped, int notes)
{
    GenerationReport report;
    for (int index = 1; index <= unwritten; ++index)
        report.AddUnwrittenFile(CString("C:\\out\\Shop\\BaseModule\\UI\\Page") +
                                    std::to_string(index).c_str() + ".aspx",
                                "No such file or directory");
    for (int index = 1; index <= skipped; ++index)
        report.AddSkippedPage(CString("Page") + std::to_string(index).c_str(),
                              "the page has no table");
    for (int index = 1; index <= notes; ++index)
        report.AddNote("These pages are not generated for the ASP.NET application:",
                       CString("Map") + std::to_string(index).c_str(), "map form");
    return report;
}

std::size_t LineCount(const CString& text)
{
    return static_cast<std::size_t>(std::ranges::count(text.str(), '\n')) + 1;
}

struct TextCase
{
    friend void PrintTo(const TextCase& each, std::ostream* out)
    {
        *out << each.unwritten << " unwritten, " << each.skipped << " skipped, " << each.notes
             << " notes";
    }

    int unwritten;
    int skipped;
    int notes;
    // The lines of the message box, and of the full text.
    std::size_t shownLines;
    std::size_t fullLines;
    // The last line of the message box.
    const char* lastLine;
};

class GenerationReportText : public ::testing::TestWithParam<TextCase>
{
};

TEST_P(GenerationReportText, ShowsTheFirstLinesAndTheCountOfTheRest)
{
    const TextCase& textCase = GetParam();
    const GenerationReport report = ReportOf(textCase.unwritten, textCase.skipped, textCase.notes);
    const CString text = report.GetText();
    EXPECT_EQ(textCase.shownLines, LineCount(text)) << text;
    EXPECT_EQ(textCase.fullLines, LineCount(report.GetFullText()));
    EXPECT_EQ(textCase.lastLine, text.Mid(text.ReverseFind('\n') + 1));
    EXPECT_EQ(0, text.Find("These files could not be written:\n/out/Shop/BaseModule/UI/Page1.aspx "
                           "(No such file or directory)"));
}

INSTANTIATE_TEST_SUITE_P(
    Sizes, GenerationReportText,
    ::testing::Values(
        // A vanished output folder: 8,836 files, of which ten are shown.
        TextCase{8836, 0, 0, 12, 8837, "and 8826 more"},
        TextCase{10, 0, 0, 11, 11,
                 "/out/Shop/BaseModule/UI/Page10.aspx (No such file or directory)"},
        // The budget runs out in the second section; the third gives its first line and count.
        TextCase{7, 10, 2, 16, 22, "and 1 more"}, TextCase{1, 1, 2, 7, 7, "Map2 (map form)"}));

// A box that leaves lines out names the log that holds every line; one that shows them all
// writes none.
TEST(GenerationReportBoxText, ALongReportKeepsEveryLineInTheLogTheBoxNames)
{
    TempFolder temp;
    const TempFolderOverride tempFolder(temp.Path());
    const CString logPath = "C:\\temp\\WriteAll.txt";
    const std::filesystem::path log = std::filesystem::path(UserTempFolder()) / "WriteAll.txt";
    const GenerationReport whole = ReportOf(3, 1, 0);
    EXPECT_EQ(whole.GetBoxText(logPath), whole.GetText());
    EXPECT_FALSE(std::filesystem::exists(log));

    const GenerationReport cut = ReportOf(430, 2, 0);
    EXPECT_EQ(cut.GetBoxText(logPath), cut.GetText() + "\nEvery line is in " + log.c_str());
    std::ifstream in(log, std::ios::binary);
    const std::string written((std::istreambuf_iterator<char>(in)), {});
    CString expected = cut.GetFullText();
    expected.Replace("\n", "\r\n");
    EXPECT_EQ(written, expected.str());
}

// A link or a file with other names planted at the log is replaced by the log, never written
// through, and the box names it: the file it leads to keeps its text.
TEST(GenerationReportBoxText, ALinkAtTheLogIsReplacedNotWrittenThrough)
{
    for (const bool symbolic : {true, false})
    {
        TempFolder temp;
        const TempFolderOverride tempFolder(temp.Path());
        ASSERT_TRUE(EnsureFolderChain("C:\\temp"));
        const std::filesystem::path log = std::filesystem::path(UserTempFolder()) / "WriteAll.txt";
        const std::filesystem::path target = temp.Path() / "kept" / "notes.txt";
        std::filesystem::create_directory(target.parent_path());
        std::ofstream(target, std::ios::binary) << "the user's notes";
        if (symbolic)
            std::filesystem::create_symlink(target, log);
        else
            std::filesystem::create_hard_link(target, log);
        const GenerationReport cut = ReportOf(430, 2, 0);

        const std::string said = symbolic ? "it led to " + target.string() : "it was a hard link";
        EXPECT_EQ(cut.GetBoxText("C:\\temp\\WriteAll.txt"),
                  cut.GetText() + "\nEvery line is in " + log.c_str() +
                      "\nThese links were replaced by the files written:\n" + log.c_str() + " (" +
                      said.c_str() + ")");

        std::ifstream kept(target, std::ios::binary);
        EXPECT_EQ(std::string((std::istreambuf_iterator<char>(kept)), {}), "the user's notes");
        ASSERT_FALSE(std::filesystem::is_symlink(log));
        EXPECT_EQ(std::filesystem::hard_link_count(log), 1u);
        std::ifstream in(log, std::ios::binary);
        CString expected = cut.GetFullText();
        expected.Replace("\n", "\r\n");
        EXPECT_EQ(std::string((std::istreambuf_iterator<char>(in)), {}), expected.str());
    }
}

// The output root of a temp folder "Shop" beside "Shop2", with "Shop/Linked" a link to "Shop2".
class OutputRootAdmission : public ::testing::Test
{
protected:
    OutputRootAdmission()
    {
        std::filesystem::create_directories(m_temp.Path() / "Shop" / "Real");
        std::filesystem::create_directories(m_temp.Path() / "Shop2");
        std::filesystem::create_directory_symlink(m_temp.Path() / "Shop2",
                                                  m_temp.Path() / "Shop" / "Linked");
        m_root.Set(m_temp.ModelPath("Shop\\"));
    }

    std::string Host(const char* relative) const { return (m_temp.Path() / relative).string(); }

    TempFolder m_temp{"WeavoOutputRoot"};
    OutputRoot m_root;
};

// The descriptor is open on the host folder.
::testing::AssertionResult IsOpenOn(int descriptor, const std::string& folder)
{
    struct stat opened;
    struct stat expected;
    if (descriptor < 0 || ::fstat(descriptor, &opened) != 0)
        return ::testing::AssertionFailure() << "no folder open";
    if (::stat(folder.c_str(), &expected) != 0 || opened.st_ino != expected.st_ino ||
        opened.st_dev != expected.st_dev)
        return ::testing::AssertionFailure() << "another folder than " << folder << " is open";
    return ::testing::AssertionSuccess();
}

TEST_F(OutputRootAdmission, OpensFoldersBelowTheRootOnlyAndNoLinkedFolderOnTheWay)
{
    const std::string outside = "outside the output folder " + Host("Shop");
    const std::string linked = "the folder " + Host("Shop/Linked") + " is a symbolic link";
    struct Case
    {
        const char* path;
        bool isFile;
        std::string folder;
        const char* name;
        std::string refusal;
    };
    const Case cases[] = {
        {"Shop\\Shop\\Web.config", true, Host("Shop/Shop"), "Web.config", ""},
        {"Shop\\Real\\New\\Deeper\\a.cs", true, Host("Shop/Real/New/Deeper"), "a.cs", ""},
        {"Shop\\UI\\..\\CS\\a.cs", true, Host("Shop/CS"), "a.cs", ""},
        {"Shop\\", false, Host("Shop"), "", ""},
        {"Shop\\", true, "", "", outside},
        {"Shop\\UI\\..\\..\\escaped.cs", true, "", "", outside},
        {"Shop\\UI\\../../../escaped.cs", true, "", "", outside},
        {"Shop2\\a.cs", true, "", "", outside},
        {"Shop\\Linked\\a.cs", true, "", "", linked},
        {"Shop\\Linked\\New", false, "", "", linked},
        {"Shop\\Linked", false, "", "", linked},
        // A link at the file's own path is taken away when the file is written, not refused.
        {"Shop\\Linked", true, Host("Shop"), "Linked", ""},
        // The followed folder is opened through its link.
        {"Shop\\Served\\a.cs", true, Host("Shop2"), "a.cs", ""},
        {"Shop\\Served\\Linked\\a.cs", true, "", "",
         "the folder " + Host("Shop/Served/Linked") + " is a symbolic link"},
    };
    std::filesystem::create_directory_symlink(m_temp.Path() / "Shop2",
                                              m_temp.Path() / "Shop2" / "Linked");
    std::filesystem::create_directory_symlink(m_temp.Path() / "Shop2",
                                              m_temp.Path() / "Shop" / "Served");
    m_root.FollowLinkAt(m_temp.ModelPath("Shop\\Served\\"));
    for (const Case& each : cases)
    {
        const CString path = m_temp.ModelPath(each.path);
        std::string name;
        const OutputRoot::Folder folder =
            each.isFile ? m_root.OpenFolderOfFile(path, name) : m_root.OpenFolder(path);
        EXPECT_EQ(each.refusal, folder.refusal.str()) << each.path;
        if (each.refusal.empty())
        {
            EXPECT_TRUE(IsOpenOn(folder.descriptor, each.folder)) << each.path;
            EXPECT_EQ(each.name, name) << each.path;
        }
        else
        {
            EXPECT_EQ(-1, folder.descriptor) << each.path;
        }
    }
}

TEST_F(OutputRootAdmission, ARootThatIsALinkIsFollowedOnceAndAFolderSwappedForALinkIsRefused)
{
    const std::filesystem::path kept = m_temp.Path() / "kept";
    std::filesystem::create_directories(kept / "UI");
    std::filesystem::create_directory_symlink(kept, m_temp.Path() / "root");
    m_root.Set(m_temp.ModelPath("root\\"));
    std::string name;
    EXPECT_TRUE(IsOpenOn(m_root.OpenFolderOfFile(m_temp.ModelPath("root\\UI\\a"), name).descriptor,
                         (kept / "UI").string()));
    // The root stays where it was found; a folder below it is looked at on every open.
    std::filesystem::remove(m_temp.Path() / "root");
    std::filesystem::create_directory_symlink(m_temp.Path() / "Shop2", m_temp.Path() / "root");
    std::filesystem::rename(kept / "UI", kept / "UI.old");
    std::filesystem::create_directory_symlink(m_temp.Path() / "Shop2", kept / "UI");
    const OutputRoot::Folder swapped =
        m_root.OpenFolderOfFile(m_temp.ModelPath("root\\UI\\a"), name);
    EXPECT_EQ("the folder " + Host("root/UI") + " is a symbolic link", swapped.refusal.str());
    EXPECT_TRUE(IsOpenOn(m_root.OpenFolder(m_temp.ModelPath("root\\New")).descriptor,
                         (kept / "New").string()));
}

// Between two opens of the same file's folder, a folder on its way is changed: the second open
// refuses a link and opens what now stands at the path, never the folder the first open found.
TEST_F(OutputRootAdmission, AFolderChangedBetweenTwoOpensIsOpenedAnew)
{
    namespace fs = std::filesystem;
    const fs::path shop = m_temp.Path() / "Shop";
    struct Case
    {
        const char* name;
        std::function<void()> change;
        std::string refusal;
    };
    const auto swapForLink = [&](const fs::path& folder)
    {
        fs::rename(folder, folder.string() + ".old");
        fs::create_directory_symlink(m_temp.Path() / "Shop2", folder);
    };
    const Case cases[] = {
        {"unchanged", [] {}, ""},
        {"the folder of the file swapped for a link", [&] { swapForLink(shop / "A" / "B"); },
         "the folder " + Host("Shop/A/B") + " is a symbolic link"},
        {"a folder above it swapped for a link", [&] { swapForLink(shop / "A"); },
         "the folder " + Host("Shop/A") + " is a symbolic link"},
        {"a folder above it renamed and made anew",
         [&]
         {
             fs::rename(shop / "A", shop / "A.old");
             fs::create_directories(shop / "A" / "B");
         },
         ""},
        {"the folder of the file removed", [&] { fs::remove_all(shop / "A" / "B"); }, ""},
    };
    for (const Case& each : cases)
    {
        SCOPED_TRACE(each.name);
        fs::remove_all(shop / "A");
        fs::remove_all(shop / "A.old");
        fs::create_directories(shop / "A" / "B");
        m_root.Set(m_temp.ModelPath("Shop\\"));
        std::string name;
        const CString path = m_temp.ModelPath("Shop\\A\\B\\a.cs");
        ASSERT_TRUE(IsOpenOn(m_root.OpenFolderOfFile(path, name).descriptor, Host("Shop/A/B")));
        each.change();
        const OutputRoot::Folder again = m_root.OpenFolderOfFile(path, name);
        EXPECT_EQ(each.refusal, again.refusal.str());
        if (each.refusal.empty())
        {
            EXPECT_TRUE(IsOpenOn(again.descriptor, Host("Shop/A/B")));
        }
        EXPECT_FALSE(fs::exists(m_temp.Path() / "Shop2" / "B"));
    }
}

TEST(NormalHostPath, ResolvesDotsAndDropsTrailingSeparators)
{
    const std::pair<const char*, const char*> cases[] = {
        {"C:\\a\\b\\", "/a/b"},
        {"C:\\a\\.\\b\\..\\c", "/a/c"},
        {"C:\\..\\a", "/a"},
        {"C:\\a\\..", "/"},
        {"C:\\", "/"},
        {"C:\\a\\\\b", "/a/b"},
        {"a\\..\\..\\b", "../b"},
        {"a\\b\\..\\..\\..", ".."},
        {"..\\..\\a\\.\\b\\", "../../a/b"},
        {"..\\a\\..\\..", "../.."},
        {"C:\\a\\b\\..\\..\\..\\c", "/c"},
        {".\\a\\", "a"},
        {"a\\..", "."},
        {".", "."},
        {"", ""},
    };
    for (const auto& [modelPath, expected] : cases)
        EXPECT_EQ(expected, NormalHostPath(modelPath)) << modelPath;
}

TEST_F(OutputRootAdmission, RemovingALinkLeavesItsTargetAndAPlainFileAlone)
{
    const std::filesystem::path shop = m_temp.Path() / "Shop";
    std::ofstream(shop / "plain.txt") << "plain";
    std::ofstream(m_temp.Path() / "Shop2" / "target.txt") << "target";
    std::filesystem::create_symlink(m_temp.Path() / "Shop2" / "target.txt", shop / "link.txt");
    std::filesystem::create_hard_link(m_temp.Path() / "Shop2" / "target.txt", shop / "hard.txt");
    const OutputRoot::Folder folder = m_root.OpenFolder(m_temp.ModelPath("Shop\\"));
    const int fd = folder.descriptor;

    std::string removed;
    ASSERT_TRUE(RemoveLinkAt(fd, "plain.txt", removed));
    EXPECT_EQ("", removed);
    EXPECT_TRUE(std::filesystem::exists(shop / "plain.txt"));
    ASSERT_TRUE(RemoveLinkAt(fd, "link.txt", removed));
    EXPECT_EQ("it led to " + Host("Shop2/target.txt"), removed);
    ASSERT_TRUE(RemoveLinkAt(fd, "hard.txt", removed));
    EXPECT_EQ("it was a hard link", removed);
    EXPECT_FALSE(std::filesystem::exists(std::filesystem::symlink_status(shop / "link.txt")));
    EXPECT_FALSE(std::filesystem::exists(shop / "hard.txt"));
    EXPECT_TRUE(std::filesystem::exists(m_temp.Path() / "Shop2" / "target.txt"));
    ASSERT_TRUE(RemoveLinkAt(fd, "missing.txt", removed));
    EXPECT_EQ("", removed);
}
} // namespace
