#include "shell/logic/TestHarness.h"
#include "tests/support/HostFiles.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

namespace
{
const std::string kLine(40, '=');

void WriteFile(const std::filesystem::path& path, const std::string& text)
{
    std::filesystem::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << text;
}

// Written files end their lines with CR LF.
std::string Crlf(const std::string& text)
{
    std::string result;
    for (const char ch : text)
        result += ch == '\n' ? std::string("\r\n") : std::string(1, ch);
    return result;
}

// A test folder: test files under tg/, their page files under pages/, results in out/, the
// references in ref/ and the harness's own files in work/.
class HarnessTest : public ::testing::Test
{
protected:
    HarnessTest()
    {
        std::filesystem::create_directories(Path("work"));
        std::filesystem::create_directories(Path("out"));
    }

    std::string Path(const std::string& name) const { return (folder.Path() / name).string(); }
    // A test file of the class with its header and cases; its reference is the expected text.
    void AddTestFile(const std::string& name, const char* testClass, const std::string& cases,
                     const std::string& expected)
    {
        WriteFile(Path("tg/" + name), std::string(testClass) + "\nOutDir  \t" + Path("out") +
                                          "\nREFTGOFILE " + Path("ref/" + name + "o") + "\n" +
                                          cases);
        WriteFile(Path("ref/" + name + "o"), Crlf(expected));
    }
    std::string Result(const std::string& name, const std::string& cases, int count) const
    {
        return cases + kLine + "\n" + Path("tg/" + name) +
               "\nNumber of Testcases = " + std::to_string(count) + "\n" + kLine + "\n";
    }
    static std::string Case(const std::string& heading, const std::string& output)
    {
        return kLine + "\n\n#TEST " + heading + " RESULTS\n" + output + "\n" + kLine + "\n";
    }
    // The master test file: a page read, a page taken without output, a body of comments.
    void AddMasterFile(const std::string& name, const std::string& pageLine)
    {
        WriteFile(Path("pages/" + name + ".aspx"), pageLine + "\r\nsecond line\n");
        const std::string cases = "Test one MASTERUPDATEASPX\n{\n  // the page\n" +
                                  Path("pages/" + name + ".aspx") +
                                  "\n}\nTest two\tMASTERADDASPX\n{\nanything\n}\n"
                                  "Test three MASTERUPDATEASPXCS\n{\n// none\n\t// none\n}\n";
        AddTestFile(name, "MasterTest", cases,
                    Result(name,
                           Case("one MASTERUPDATEASPX", "<%@ Page " + name + " %>\n") +
                               Case("two MASTERADDASPX", "") + Case("three MASTERUPDATEASPXCS", ""),
                           3));
        if (pageLine != "<%@ Page " + name + " %>")
            expectedFailures += Path("tg/" + name) + "\n";
    }
    std::string Report(const std::vector<std::string>& files, int successful, int failed,
                       int cases) const
    {
        std::string text;
        for (const std::string& file : files)
            text += std::string(73, '=') + "\n\n" + file + "\n";
        return Crlf(text + "\n==========================================\n" +
                    "Total Number Of Test Files = " + std::to_string(successful + failed) +
                    "\nTotal Number Of Successful Test Files = " + std::to_string(successful) +
                    "\nTotal Number Of Failed Test Files = " + std::to_string(failed) +
                    "\nTotal Number Of Test Cases Executed = " + std::to_string(cases) +
                    "\n==========================================\n");
    }

    TempFolder folder;
    std::ostringstream out;
    TestHarness harness{Path("work"), out};
    std::string expectedFailures;
};

TEST_F(HarnessTest, AFolderRunWritesResultsReportAndTheFailedFiles)
{
    AddMasterFile("a.tg", "<%@ Page a.tg %>");
    AddMasterFile("c.tg", "<%@ Page changed %>");
    AddTestFile("sub/b.tg", "ReportTest", "Test list LISTREPORT\n{\n}\n",
                Result("sub/b.tg",
                       Case("list LISTREPORT", kLine + "\nADD Functionality verified Test list \n"),
                       1));

    harness.RunRegressionTests(Path("tg").c_str());

    EXPECT_EQ(ReadHostFile(Path("work/tgSet.tgs")),
              Crlf(Path("tg/a.tg") + "\n" + Path("tg/c.tg") + "\n" + Path("tg/sub/b.tg") + "\n"));
    EXPECT_EQ(ReadHostFile(Path("out/a.tgo")), ReadHostFile(Path("ref/a.tgo")));
    EXPECT_EQ(ReadHostFile(Path("out/b.tgo")), ReadHostFile(Path("ref/sub/b.tgo")));
    // The changed page fails its first case only.
    EXPECT_EQ(ReadHostFile(Path("work/tgsreport.txt")),
              Report({Path("tg/a.tg") + ": Successful\n",
                      Path("tg/c.tg") + ": FAILED\n\nTest 0 Successful\nTest 1 Failed\n"
                                        "Test 2 Successful\nTest 3 Successful",
                      Path("tg/sub/b.tg") + ": Successful\n"},
                     2, 1, 7));
    EXPECT_EQ(ReadHostFile(Path("work/FailedFiles.tgs")), Crlf(expectedFailures));
    EXPECT_NE(out.str().find("Test list completed---- \n"), std::string::npos);

    // The failed files run again as a set: only they run.
    WriteFile(Path("pages/c.tg.aspx"), "<%@ Page c.tg %>\n");
    harness.RunRegressionTests(Path("work/FailedFiles.tgs").c_str());
    EXPECT_EQ(ReadHostFile(Path("work/tgsreport.txt")),
              Report({Path("tg/c.tg") + ": Successful\n"}, 1, 0, 3));
    EXPECT_EQ(ReadHostFile(Path("work/FailedFiles.tgs")), "");
}

TEST_F(HarnessTest, FilesThatCannotRunAreReportedAsFailures)
{
    struct Case
    {
        const char* name;
        std::string text;
        const char* printed;
    };
    const Case cases[] = {
        {"nooutdir.tg", "MasterTest\nREFTGOFILE x\nTest a MASTERADDASPX\n{\n}\n",
         "\nError: Output Directory is not valid or can not be accessed \n"},
        {"missingout.tg", "ReportTest\nOutDir " + Path("none/deeper") + "\n",
         "\nError: Output Directory is not valid or can not be accessed \n"},
        {"empty.tg", "", ""},
    };
    for (const Case& test : cases)
    {
        out.str("");
        WriteFile(Path("tg/" + std::string(test.name)), test.text);
        harness.RunRegressionTests(Path("tg/" + std::string(test.name)).c_str());
        EXPECT_EQ(out.str(), test.printed) << test.name;
        EXPECT_EQ(ReadHostFile(Path("work/tgsreport.txt")),
                  Crlf(std::string(73, '=') + "\n\n" + Path("tg/" + std::string(test.name)) +
                       ": FAILED\n\n"))
            << test.name;
    }
    // A file that does not exist, run in a set, counts as failed.
    WriteFile(Path("work/set.tgs"), Path("tg/absent.tg") + "\r\n");
    const TestSetTotals totals = harness.RunTestSet(Path("work/set.tgs"), /*countOnly=*/false);
    EXPECT_EQ(totals.failedFiles, 1);
    EXPECT_EQ(totals.successfulFiles, 0);
}

TEST_F(HarnessTest, AnEmptyFolderAndACountOnlyRun)
{
    std::filesystem::create_directories(Path("tg"));
    harness.RunRegressionTests(Path("tg").c_str());
    EXPECT_EQ(ReadHostFile(Path("work/tgsreport.txt")), Report({}, 0, 0, 0));

    AddMasterFile("a.tg", "<%@ Page a.tg %>");
    WriteFile(Path("work/set.tgs"), Path("tg/a.tg") + "\n");
    out.str("");
    const TestSetTotals totals = harness.RunTestSet(Path("work/set.tgs"), /*countOnly=*/true);
    EXPECT_EQ(totals.testCases, 3);
    EXPECT_EQ(out.str(), Path("tg/a.tg") + " : NumberOfTestCases : 3\n\nTotal Number Of Test "
                                           "Files = 1\nTotal Number Of Test Cases = 3\n\n");
}

TEST_F(HarnessTest, AFolderReachedAgainThroughALinkIsListedOnce)
{
    AddMasterFile("a.tg", "<%@ Page a.tg %>");
    AddMasterFile("sub/b.tg", "<%@ Page b.tg %>");
    std::filesystem::create_directory_symlink(".", Path("tg/self"));
    std::filesystem::create_directory_symlink(Path("tg/sub"), Path("tg/zzz"));
    std::filesystem::create_directories(Path("elsewhere"));
    AddMasterFile("../elsewhere/c.tg", "<%@ Page c.tg %>");
    std::filesystem::create_directory_symlink(Path("elsewhere"), Path("tg/sub/linked"));

    const std::string set = harness.ListTestFiles(Path("tg").c_str());

    EXPECT_EQ(ReadHostFile(set), Crlf(Path("tg/a.tg") + "\n" + Path("tg/sub/b.tg") + "\n" +
                                      Path("tg/sub/linked/c.tg") + "\n"));
}

TEST(TestHarnessLineTest, TakeLineDropsTheKeywordAndLeadingBlanks)
{
    EXPECT_EQ(TestHarness::TakeLine("OutDir \t C:\\out\\x\r", "OutDir"), "C:\\out\\x");
    EXPECT_EQ(TestHarness::TakeLine("  REFTGOFILE", "REFTGOFILE"), "");
    EXPECT_EQ(TestHarness::TakeLine("x REFTGOFILE y", "REFTGOFILE"), "x  y");
}
} // namespace
