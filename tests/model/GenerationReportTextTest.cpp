#include "model/GenerationReport.h"
#include "model/OutputRoot.h"

#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>

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

TEST_F(OutputRootAdmission, AdmitsPathsBelowTheRootOnlyAndNoLinkedFolderOnTheWay)
{
    const std::string outside = "outside the output folder " + Host("Shop");
    const std::string linked = "the folder " + Host("Shop/Linked") + " is a symbolic link";
    struct Case
    {
        const char* path;
        bool isFile;
        std::string hostPath;
        std::string refusal;
    };
    const Case cases[] = {
        {"Shop\\Shop\\Web.config", true, Host("Shop/Shop/Web.config"), ""},
        {"Shop\\Real\\New\\Deeper\\a.cs", true, Host("Shop/Real/New/Deeper/a.cs"), ""},
        {"Shop\\UI\\..\\CS\\a.cs", true, Host("Shop/CS/a.cs"), ""},
        {"Shop\\", false, Host("Shop"), ""},
        {"Shop\\", true, "", outside},
        {"Shop\\UI\\..\\..\\escaped.cs", true, "", outside},
        {"Shop\\UI\\../../../escaped.cs", true, "", outside},
        {"Shop2\\a.cs", true, "", outside},
        {"Shop\\Linked\\a.cs", true, "", linked},
        {"Shop\\Linked\\New", false, "", linked},
        {"Shop\\Linked", false, "", linked},
        // A link at the file's own path is taken away when the file is written, not refused.
        {"Shop\\Linked", true, Host("Shop/Linked"), ""},
    };
    for (const Case& each : cases)
    {
        const CString path = m_temp.ModelPath(each.path);
        const OutputRoot::Admission admission =
            each.isFile ? m_root.AdmitFile(path) : m_root.AdmitFolder(path);
        EXPECT_EQ(each.hostPath, admission.hostPath) << each.path;
        EXPECT_EQ(each.refusal, admission.refusal.str()) << each.path;
    }
}

TEST_F(OutputRootAdmission, RemovingALinkLeavesItsTargetAndAPlainFileAlone)
{
    const std::filesystem::path shop = m_temp.Path() / "Shop";
    std::ofstream(shop / "plain.txt") << "plain";
    std::ofstream(m_temp.Path() / "Shop2" / "target.txt") << "target";
    std::filesystem::create_symlink(m_temp.Path() / "Shop2" / "target.txt", shop / "link.txt");
    std::filesystem::create_hard_link(m_temp.Path() / "Shop2" / "target.txt", shop / "hard.txt");

    CString removed;
    ASSERT_TRUE(RemoveLinkAt((shop / "plain.txt").string(), removed));
    EXPECT_EQ("", removed.str());
    EXPECT_TRUE(std::filesystem::exists(shop / "plain.txt"));
    ASSERT_TRUE(RemoveLinkAt((shop / "link.txt").string(), removed));
    EXPECT_EQ("it led to " + Host("Shop2/target.txt"), removed.str());
    ASSERT_TRUE(RemoveLinkAt((shop / "hard.txt").string(), removed));
    EXPECT_EQ("it was a hard link", removed.str());
    EXPECT_FALSE(std::filesystem::exists(std::filesystem::symlink_status(shop / "link.txt")));
    EXPECT_FALSE(std::filesystem::exists(shop / "hard.txt"));
    EXPECT_TRUE(std::filesystem::exists(m_temp.Path() / "Shop2" / "target.txt"));
    ASSERT_TRUE(RemoveLinkAt((shop / "missing.txt").string(), removed));
    EXPECT_EQ("", removed.str());
}
} // namespace
