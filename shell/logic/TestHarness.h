#pragma once

#include "model/GenerationReport.h"
#include "platform/core/CString.h"

#include <iostream>
#include <string>

class TextFile;

// One test file's run.
struct TestFileRun
{
    // The reference result file named by the test file's header.
    CString referencePath;
    CString testFilePath;
    TextFile* failedFiles = nullptr;
    TextFile* report = nullptr;
    bool countOnly = false;
    int testCases = 0;
    bool success = false;
    // The result file as written, and the reference file.
    CString generated;
    CString reference;
};

// The totals of a set run.
struct TestSetTotals
{
    int filesRun = 0;
    int successfulFiles = 0;
    int failedFiles = 0;
    int testCases = 0;
};

// The regression harness: runs test files (".tg"), writes each one's result file (its name with
// "o" appended, in its output folder), compares it with the reference result file and reports
// per file and in total. Its own files, the set file "tgSet.tgs", the failed-files list
// "FailedFiles.tgs" and the report "tgsreport.txt", are written in the work folder. Paths may
// be in Windows form; they are mapped to the host's when a file is opened. Every file is
// written whole once complete, beside the one it replaces (GenerationReport::OpenFile), so that
// one that cannot be written keeps what it held; a command's run ends by printing what the
// writes met (GenerationReport::ClosingText).
class TestHarness
{
public:
    explicit TestHarness(std::string workFolder, std::ostream& out = std::cout);

    // The developer's command: the fixed test path, the harness's own files in the folder
    // "KestraneWeavo" of the trace folder (C:\temp), taken only when the user's own.
    static void RunFixedPath();

    // A path ending in ".tg" runs as one test file, one ending in ".tgs" as a set, any other
    // path is a folder whose test files are listed into a set and run.
    void RunRegressionTests(const CString& path);
    // Every ".tg" file of the folder tree, one full path a line, into the set file; its path,
    // empty when the set file could not be written.
    std::string ListTestFiles(const CString& folder);
    TestSetTotals RunTestSet(const std::string& setPath, bool countOnly);
    void RunTestFile(TestFileRun& run);

    // The line with the keyword taken out, leading blanks and tabs skipped.
    static CString TakeLine(const CString& line, const char* keyword);
    // The whole file as it is; false when it does not open.
    static bool ReadWholeFile(const CString& path, CString& text);

    std::string WorkPath(const char* name) const;

private:
    // Writes the result file of the test file; false when nothing could be written.
    bool GenerateResults(TestFileRun& run);
    void CompareResults(TestFileRun& run);
    // The file's FAILED line in the report, its path in the failed-files list.
    static void ListFailure(TestFileRun& run);

    std::string m_workFolder;
    std::ostream& m_out;
    // The files the run wrote, each whole; what they met is said at the run's end.
    GenerationReport m_written;
};
