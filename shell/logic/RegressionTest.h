#pragma once

#include "platform/core/CString.h"

#include <cstddef>
#include <memory>
#include <ostream>

class TextFile;

// Lines read from test and result files are cut at this length.
constexpr std::size_t kTestFileMaxLineLength = 2000;

// A test class of the regression harness: what a named command of a test case does. Progress
// goes to the output stream.
class Test
{
public:
    explicit Test(std::ostream& out) : m_out(out) {}
    virtual ~Test() = default;

    // Runs the case's command on its body (its lines, each with its line end), writing what it
    // checks to the result file.
    virtual void Run(TextFile& result, const CString& caseName, const CString& command,
                     const CString& body) = 0;

protected:
    // The two lines every run prints first.
    void PrintRunHeading();

    std::ostream& m_out;
    CString m_first;
    CString m_second;
};

// The master-page commands.
class MasterTest : public Test
{
public:
    using Test::Test;
    void Run(TextFile& result, const CString& caseName, const CString& command,
             const CString& body) override;
};

// The list-report commands.
class ReportTest : public Test
{
public:
    using Test::Test;
    void Run(TextFile& result, const CString& caseName, const CString& command,
             const CString& body) override;
};

// The test object of the class named on a test file's first line; null for any other name.
std::unique_ptr<Test> CreateTest(const CString& className, std::ostream& out);

// The text up to the first line end.
CString FirstLineOf(const CString& text);
