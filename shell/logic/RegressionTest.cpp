#include "shell/logic/RegressionTest.h"

#include "model/TextFile.h"
#include "platform/core/CFile.h"
#include "platform/core/HostPath.h"

#include <optional>
#include <sstream>
#include <string>

namespace
{
// The first line of the file, without its line end; false when the file does not open.
bool ReadFirstLine(const CString& path, std::string& line)
{
    std::string reason;
    const std::optional<std::string> bytes = ReadRegularFile(ToHostPath(path), reason);
    if (!bytes)
        return false;
    std::istringstream file(*bytes);
    std::getline(file, line);
    if (line.size() > kTestFileMaxLineLength)
        line.resize(kTestFileMaxLineLength);
    while (!line.empty() && (line.back() == '\r' || line.back() == '\n'))
        line.pop_back();
    return true;
}
} // namespace

void Test::PrintRunHeading()
{
    m_out << "========================================\n"
          << "ReportTest.tg\n\n";
}

void MasterTest::Run(TextFile& result, const CString&, const CString& command, const CString& body)
{
    PrintRunHeading();
    if (command == "MASTERADDASPX")
    {
        m_first = FirstLineOf(body);
        return;
    }
    if (command != "MASTERUPDATEASPX" && command != "MASTERADDASPXCS" &&
        command != "MASTERUPDATEASPXCS")
        return;
    std::string line;
    if (ReadFirstLine(FirstLineOf(body), line))
        result.Write(0, "%s\n", line);
}

void ReportTest::Run(TextFile& result, const CString& caseName, const CString& command,
                     const CString&)
{
    PrintRunHeading();
    if (command != "LISTREPORT")
        return;
    result.WriteSeparator(0);
    result.Write(0, "ADD Functionality verified Test %s \n", caseName);
    m_out << "Test " << caseName.GetString() << " completed---- \n";
}

std::unique_ptr<Test> CreateTest(const CString& className, std::ostream& out)
{
    if (className == "MasterTest")
        return std::make_unique<MasterTest>(out);
    if (className == "ReportTest")
        return std::make_unique<ReportTest>(out);
    return nullptr;
}

CString FirstLineOf(const CString& text)
{
    const int end = text.Find('\n');
    return end < 0 ? text : text.Left(end);
}
