#include "shell/logic/TestHarness.h"

#include "model/GenerationReport.h"
#include "model/TextFile.h"
#include "platform/core/CFile.h"
#include "platform/core/FileWriters.h"
#include "platform/core/HostPath.h"
#include "shell/logic/RegressionTest.h"

#include <algorithm>
#include <filesystem>
#include <memory>
#include <optional>
#include <set>
#include <sstream>
#include <string>
#include <sys/stat.h>
#include <system_error>
#include <utility>
#include <vector>

namespace
{
// The kinds of file written here and the rules their writers keep.
const FileWriterRegistration harnessSetWriter("harness set",
                                              replacesLinks | usersOwnOnly | usersOwnFolderOnly);
const FileWriterRegistration harnessReportWriter("harness report", replacesLinks | wholeOnFullDisk |
                                                                       usersOwnOnly |
                                                                       usersOwnFolderOnly);
const FileWriterRegistration harnessFailedWriter("harness failed-files list",
                                                 replacesLinks | usersOwnOnly | usersOwnFolderOnly);
const FileWriterRegistration harnessResultWriter("harness result", replacesLinks);

constexpr char kSeparatorChar = '=';
constexpr int kSeparatorLength = 40;
constexpr const char* kFileSeparator =
    "=========================================================================\n\n";

std::string WithoutLineEnd(std::string line)
{
    while (!line.empty() && (line.back() == '\r' || line.back() == '\n'))
        line.pop_back();
    return line;
}

// The file's lines, each cut at the line length and without its line end; false when the
// file does not open.
bool ReadLines(const CString& path, std::vector<std::string>& lines)
{
    std::string reason;
    const std::optional<std::string> bytes = ReadRegularFile(ToHostPath(path), reason);
    if (!bytes)
        return false;
    std::istringstream file(*bytes);
    for (std::string line; std::getline(file, line);)
    {
        line = WithoutLineEnd(std::move(line));
        if (line.size() > kTestFileMaxLineLength)
            line.resize(kTestFileMaxLineLength);
        lines.push_back(std::move(line));
    }
    return true;
}

bool StartsWith(const std::string& text, const char* prefix)
{
    return text.rfind(prefix, 0) == 0;
}

bool EndsWith(const CString& text, const char* suffix)
{
    const int length = static_cast<int>(std::char_traits<char>::length(suffix));
    return text.GetLength() >= length && text.Right(length) == suffix;
}

// A body line whose first non-blank characters are "//".
bool IsComment(const std::string& line)
{
    const std::size_t start = line.find_first_not_of(" \t");
    return start != std::string::npos && line.compare(start, 2, "//") == 0;
}

// The first two words after "Test": the case name and its command.
std::pair<CString, CString> CaseOf(const std::string& line)
{
    std::vector<std::string> words;
    std::size_t at = 4;
    while (words.size() < 2)
    {
        const std::size_t start = line.find_first_not_of(" \t", at);
        if (start == std::string::npos)
            break;
        at = std::min(line.find_first_of(" \t", start), line.size());
        words.push_back(line.substr(start, at - start));
    }
    words.resize(2);
    return {CString(words[0]), CString(words[1])};
}

// The part after the last "\", or else after the last "/".
CString FileNameOf(const CString& path)
{
    int slash = path.ReverseFind('\\');
    if (slash < 0)
        slash = path.ReverseFind('/');
    return path.Mid(slash + 1);
}

std::vector<std::string> SectionsOf(const CString& text)
{
    std::vector<std::string> sections(1);
    for (const char ch : std::string(text.GetString()))
    {
        if (ch == '#')
            sections.emplace_back();
        else
            sections.back() += ch;
    }
    return sections;
}

// A folder as the file system knows it, whatever the path or link that reached it.
using FolderIdentity = std::pair<dev_t, ino_t>;

// The ".tg" files of the folder, then those of its sub-folders, each in name order. Links to
// folders are followed, but a folder already walked (visited) is not walked again.
void CollectTestFiles(const std::filesystem::path& folder, std::vector<std::string>& files,
                      std::set<FolderIdentity>& visited)
{
    struct stat info;
    if (::stat(folder.c_str(), &info) != 0 || !visited.insert({info.st_dev, info.st_ino}).second)
        return;
    std::error_code error;
    std::vector<std::filesystem::path> entries;
    // Stepped with the error code: a range-for steps with the throwing increment.
    for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end;
         it.increment(error))
        entries.push_back(it->path());
    std::sort(entries.begin(), entries.end());
    for (const auto& entry : entries)
    {
        if (entry.extension() == ".tg" && std::filesystem::is_regular_file(entry, error))
            files.push_back(entry.string());
    }
    for (const auto& entry : entries)
    {
        if (std::filesystem::is_directory(entry, error))
            CollectTestFiles(entry, files, visited);
    }
}

// A file of the harness's, written whole when the run records it.
class HarnessFile
{
public:
    HarnessFile(GenerationReport& written, const std::string& path)
        : m_written(written), m_path(path.c_str()), m_open(written.OpenFile(m_text, m_path))
    {
    }
    // A file not recorded is not written, and the one there stays as it was.
    ~HarnessFile()
    {
        if (m_open)
            m_written.DropFile(m_text);
    }
    HarnessFile(const HarnessFile&) = delete;
    HarnessFile& operator=(const HarnessFile&) = delete;

    bool IsOpen() const { return m_open; }
    TextFile& Text() { return m_text; }
    // Puts the text at the file's name; true when it is there.
    bool Record()
    {
        const bool written = m_open && m_written.RecordFile(m_path, m_text);
        m_open = false;
        return written;
    }

private:
    GenerationReport& m_written;
    CString m_path;
    TextFile m_text{/*disabled=*/false, /*flush=*/false, kSeparatorChar, kSeparatorLength};
    bool m_open;
};
} // namespace

TestHarness::TestHarness(std::string workFolder, std::ostream& out)
    : m_workFolder(std::move(workFolder)), m_out(out)
{
}

void TestHarness::RunFixedPath()
{
    // In the user's own trace folder, where its files are taken only when the user's own; a
    // folder that cannot be made is said as the files it holds.
    TestHarness("C:\\temp\\KestraneWeavo").RunRegressionTests("F:\\temp_testing\\tg\\Master");
}

std::string TestHarness::WorkPath(const char* name) const
{
    return m_workFolder + "/" + name;
}

void TestHarness::RunRegressionTests(const CString& path)
{
    m_written = GenerationReport();
    if (EndsWith(path, ".tg"))
    {
        HarnessFile report(m_written, WorkPath("tgsreport.txt"));
        if (report.IsOpen())
        {
            HarnessFile failedFiles(m_written, WorkPath("FailedFiles.tgs"));
            TestFileRun run;
            run.testFilePath = path;
            run.failedFiles = &failedFiles.Text();
            run.report = &report.Text();
            RunTestFile(run);
            failedFiles.Record();
            report.Record();
        }
    }
    else if (EndsWith(path, ".tgs"))
        RunTestSet(path.GetString(), /*countOnly=*/false);
    else if (const std::string set = ListTestFiles(path); !set.empty())
        RunTestSet(set, /*countOnly=*/false);
    // What the harness's files met, as every writer says it.
    if (const CString said = m_written.ClosingText(""); !said.IsEmpty())
        m_out << said.GetString() << "\n";
}

std::string TestHarness::ListTestFiles(const CString& folder)
{
    std::vector<std::string> files;
    std::set<FolderIdentity> visited;
    CollectTestFiles(ToHostPath(folder), files, visited);
    const std::string setPath = WorkPath("tgSet.tgs");
    CString set;
    for (const std::string& file : files)
        set += CString(file) + "\n";
    return m_written.SaveText(setPath.c_str(), set) ? setPath : std::string();
}

TestSetTotals TestHarness::RunTestSet(const std::string& setPath, bool countOnly)
{
    TestSetTotals totals;
    // The set is read whole first: it may be the failed-files list that this run rewrites.
    std::vector<std::string> testFiles;
    if (!ReadLines(setPath.c_str(), testFiles))
        return totals;
    HarnessFile report(m_written, WorkPath("tgsreport.txt"));
    if (!report.IsOpen())
        return totals;
    HarnessFile failedFiles(m_written, WorkPath("FailedFiles.tgs"));
    for (const std::string& testFile : testFiles)
    {
        if (testFile.empty())
            continue;
        TestFileRun run;
        run.testFilePath = testFile;
        run.failedFiles = &failedFiles.Text();
        run.report = &report.Text();
        run.countOnly = countOnly;
        RunTestFile(run);
        totals.testCases += run.testCases;
        ++(run.success ? totals.successfulFiles : totals.failedFiles);
        ++totals.filesRun;
        if (countOnly)
            m_out << testFile << " : NumberOfTestCases : " << run.testCases << "\n";
    }
    if (countOnly)
    {
        m_out << "\nTotal Number Of Test Files = " << totals.filesRun << "\n"
              << "Total Number Of Test Cases = " << totals.testCases << "\n\n";
    }
    else
    {
        TextFile& text = report.Text();
        text.Write(0, "\n==========================================\n");
        text.Write(0, "Total Number Of Test Files = %d\n",
                   totals.successfulFiles + totals.failedFiles);
        text.Write(0, "Total Number Of Successful Test Files = %d\n", totals.successfulFiles);
        text.Write(0, "Total Number Of Failed Test Files = %d\n", totals.failedFiles);
        text.Write(0, "Total Number Of Test Cases Executed = %d\n", totals.testCases);
        text.Write(0, "==========================================\n");
    }
    failedFiles.Record();
    report.Record();
    return totals;
}

void TestHarness::RunTestFile(TestFileRun& run)
{
    run.success = false;
    if (GenerateResults(run))
    {
        CompareResults(run);
        return;
    }
    // Nothing written counts as a failure, never as a match of two missing texts.
    run.report->Write(0, kFileSeparator);
    ListFailure(run);
}

void TestHarness::ListFailure(TestFileRun& run)
{
    run.report->Write(0, "%s: FAILED\n\n", run.testFilePath);
    if (run.failedFiles != nullptr)
        run.failedFiles->Write(0, "%s\n", run.testFilePath);
}

bool TestHarness::GenerateResults(TestFileRun& run)
{
    std::vector<std::string> lines;
    if (!ReadLines(run.testFilePath, lines) || lines.empty())
        return false;
    const std::unique_ptr<Test> test =
        run.countOnly ? nullptr : CreateTest(lines.front().c_str(), m_out);
    bool hasOutDir = false;
    CString outDir;
    for (std::size_t index = 1; index < lines.size(); ++index)
    {
        const CString line = lines[index].c_str();
        const bool namesOutDir = line.Find("OutDir") >= 0;
        const bool namesReference = line.Find("REFTGOFILE") >= 0;
        if (!namesOutDir && !namesReference && line.Find("Test") >= 0)
            break;
        if (namesOutDir)
        {
            outDir = TakeLine(line, "OutDir");
            hasOutDir = true;
        }
        if (namesReference)
            run.referencePath = TakeLine(line, "REFTGOFILE");
    }
    constexpr const char* kNoOutput = "\nError: Output Directory is not valid or can not be "
                                      "accessed \n";
    if (!hasOutDir)
    {
        m_out << kNoOutput;
        return false;
    }
    CString resultPath = outDir;
    if (!EndsWith(resultPath, "\\") && !EndsWith(resultPath, "/"))
        resultPath += "\\";
    resultPath += FileNameOf(run.testFilePath) + "o";
    // The output folder is the test file's to give: it is not made.
    std::error_code error;
    if (!std::filesystem::is_directory(ToHostPath(outDir), error))
    {
        m_out << kNoOutput;
        return false;
    }
    HarnessFile resultFile(m_written, resultPath.GetString());
    if (!resultFile.IsOpen())
    {
        m_out << kNoOutput;
        return false;
    }
    TextFile& result = resultFile.Text();

    CString caseName;
    CString command;
    CString body;
    bool inBody = false;
    for (const std::string& line : lines)
    {
        if (inBody)
        {
            if (StartsWith(line, "}"))
            {
                inBody = false;
                if (!run.countOnly)
                {
                    result.WriteSeparator(0);
                    result.Write(0, "\n#TEST %s %s RESULTS\n", caseName, command);
                    if (test)
                        test->Run(result, caseName, command, body);
                }
                ++run.testCases;
                if (!run.countOnly)
                {
                    result.Write(0, "\n");
                    result.WriteSeparator(0);
                }
                body.Empty();
            }
            else if (!IsComment(line))
                body += CString(line) + "\n";
        }
        else if (StartsWith(line, "Test"))
            std::tie(caseName, command) = CaseOf(line);
        else if (StartsWith(line, "{"))
            inBody = true;
    }
    result.WriteSeparator(0);
    result.Write(0, "%s\n", run.testFilePath);
    result.Write(0, "Number of Testcases = %d\n", run.testCases);
    result.WriteSeparator(0);
    return resultFile.Record() && ReadWholeFile(resultPath, run.generated);
}

void TestHarness::CompareResults(TestFileRun& run)
{
    if (!ReadWholeFile(run.referencePath, run.reference))
        run.reference.Empty();
    TextFile& report = *run.report;
    report.Write(0, kFileSeparator);
    run.success = run.generated == run.reference;
    if (run.success)
    {
        report.Write(0, "%s: Successful\n\n", run.testFilePath);
        return;
    }
    ListFailure(run);
    const std::vector<std::string> generated = SectionsOf(run.generated);
    const std::vector<std::string> reference = SectionsOf(run.reference);
    for (std::size_t index = 0; index < std::max(generated.size(), reference.size()); ++index)
    {
        const bool same = index < generated.size() && index < reference.size() &&
                          generated[index] == reference[index];
        report.Write(0, same ? "Test %d Successful\n" : "Test %d Failed\n",
                     static_cast<int>(index));
    }
}

CString TestHarness::TakeLine(const CString& line, const char* keyword)
{
    std::string text = line.GetString();
    const std::size_t at = text.find(keyword);
    if (at != std::string::npos)
        text.erase(at, std::char_traits<char>::length(keyword));
    const std::size_t start = text.find_first_not_of(" \t\r\n");
    return start == std::string::npos ? CString() : CString(WithoutLineEnd(text.substr(start)));
}

bool TestHarness::ReadWholeFile(const CString& path, CString& text)
{
    std::string reason;
    const std::optional<std::string> bytes = ReadRegularFile(ToHostPath(path), reason);
    if (!bytes)
        return false;
    text = *bytes;
    return true;
}
