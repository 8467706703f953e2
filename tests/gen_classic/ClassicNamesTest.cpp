// Module, transaction, report-collector, table and dashboard names that the doors take, written by
// the classic Write All: every address, script name and file path goes through its rule, and the
// pages pass the page check and node. A name no file of a Windows host can take leaves its pages
// unwritten and named.
#include "entities/ReportCollector.h"
#include "entities/Transaction.h"
#include "gen_classic/AspWriteAll.h"
#include "gen_classic/ClassicText.h"
#include "model/Module.h"
#include "model/ProjectDiagnostics.h"
#include "model/Table.h"
#include "tests/gen_classic/ClassicApplication.h"
#include "tests/gen_classic/PageCheck.h"
#include "tests/gen_classic/WrittenPages.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace
{
namespace fs = std::filesystem;

// The status the run ends with.
class StatusAnswers : public ClassicAnswers
{
public:
    void SetStatusText(const CString& text) override { status = text.str(); }
    std::string status;
};

struct ClassicRun
{
    bool succeeded = false;
    std::string status;
    std::string report;
};

ClassicRun WriteClassic(ClassicApplication& application)
{
    TheProjectDiagnostics().ClearErrorsAndWarnings();
    StatusAnswers answers;
    AspWriteAll writeAll(&application.m_project, nullptr, answers);
    writeAll.SetWriteErrorsLogPath(application.m_temp.ModelPath("ForgeonWriteErrors.txt"));
    const bool succeeded = writeAll.Run(nullptr);
    fs::copy(ClassicData("_system"), application.m_temp.Path() / "_system",
             fs::copy_options::recursive | fs::copy_options::skip_existing);
    return {succeeded, answers.status, writeAll.GetReport().GetFullText().str()};
}

// The page check and node pass every page and script written.
void ExpectPagesPass(const fs::path& root)
{
    for (const fs::path& page : FilesEndingIn(root, {".asp"}))
    {
        std::string problems;
        for (const std::string& problem : CheckPageFile(page))
            problems += problem + "\n";
        EXPECT_EQ("", problems) << page;
    }
    const ToolResult scripts = ParseScripts(WrittenScripts(root), root / "scripts");
    EXPECT_EQ(0, scripts.exitCode) << scripts.output;
}

// The path an address names, "%" escapes decoded as the server decodes them.
std::string Decoded(const std::string& address)
{
    std::string path;
    for (std::size_t i = 0; i < address.size(); ++i)
    {
        if (address[i] == '%' && i + 2 < address.size())
        {
            path += static_cast<char>(std::stoi(address.substr(i + 1, 2), nullptr, 16));
            i += 2;
        }
        else
            path += address[i];
    }
    return path;
}

// Each address of a page of the module in the written pages, as "module/file.asp".
std::vector<std::string> AddressesOfModule(const fs::path& root, const std::string& module)
{
    std::vector<std::string> found;
    const std::string encoded = AddressPath(module.c_str()).str() + "/";
    for (const fs::path& page : FilesEndingIn(root, {".asp", ".js"}))
    {
        const std::string text = ReadHostFile(page);
        for (std::size_t at = text.find(encoded); at != std::string::npos;
             at = text.find(encoded, at + 1))
        {
            const std::size_t end = text.find(".asp", at);
            if (end != std::string::npos)
                found.push_back(Decoded(text.substr(at, end + 4 - at)));
        }
    }
    return found;
}
} // namespace

TEST(ClassicNamesTest, NamesTheDoorsTakeReachEveryAddressScriptAndFileThroughTheirRules)
{
    ClassicApplication application;
    Module& base = *application.m_project.GetBaseModule();
    const std::string module = "Sales'n@{\xCE\xA9}";
    base.SetName(module.c_str());
    base.FindTransactionByName("order")->SetName("Order Plan-2\xE2\x82\xAC");
    base.GetReportCollectors().front()->SetName("Board-2 \xCE\xA9");
    CString payment = "order_payment";
    base.FindTableByName(payment)->SetTableName("order-payment");

    const ClassicRun run = WriteClassic(application);
    EXPECT_TRUE(run.succeeded) << run.report;
    EXPECT_EQ("Writing completed", run.status);
    const fs::path root = application.m_temp.Path();
    ExpectPagesPass(root);
    const fs::path folder = root / module;
    for (const char* file : {"Order_Plan-2\xE2\x82\xAC_add.asp", "Order_Plan-2\xE2\x82\xAC_upd.asp",
                             "Board-2_\xCE\xA9.asp", "order-payment_action.asp"})
        EXPECT_TRUE(fs::exists(folder / file)) << file;
    // Every address of the module's pages names a page written there, but those of RDLC
    // reports, of which the classic Write All writes no page.
    const std::vector<std::string> addresses = AddressesOfModule(root, module);
    EXPECT_GT(addresses.size(), 50u);
    for (const std::string& address : addresses)
        EXPECT_TRUE(fs::exists(root / address) || address.ends_with("_rdlc_report.asp")) << address;
    const std::string update = ReadHostFile(folder / "Order_Plan-2\xE2\x82\xAC_upd.asp");
    EXPECT_NE(std::string::npos, update.find("formName.action = \"../../Sales%27n%40%7B%CE%A9%7D/"
                                             "Order_Plan-2%E2%82%AC_upd_action.asp\";"))
        << update;
    EXPECT_NE(std::string::npos, update.find("Function ExtractData_order_payment()")) << update;
    EXPECT_NE(std::string::npos, ReadHostFile(folder / "Board-2_\xCE\xA9.asp")
                                     .find("function fn_validate_Board_2\xCE\xA9()"));
}

// Names a file of an earlier version may hold and no file of a Windows host can take: the pages
// written under them are named as not written, and the run does not say it completed.
TEST(ClassicNamesTest, APageWhoseFileNoWindowsFolderHoldsIsNamedAndNotWritten)
{
    const std::pair<const char*, const char*> cases[] = {
        {"a:b", "the file name \"a:b.asp\" cannot be a file: it holds one of * | / \\ < > ? :"},
        {"CON", "the file name \"CON.asp\" cannot be a file: Windows keeps it for a device"},
    };
    for (const auto& [name, reason] : cases)
    {
        ClassicApplication application;
        application.m_project.GetBaseModule()->GetReportCollectors().front()->SetName(name);
        const ClassicRun run = WriteClassic(application);
        EXPECT_FALSE(run.succeeded) << name;
        EXPECT_EQ("Writing completed with 1 errors", run.status) << run.report;
        const fs::path page =
            application.m_temp.Path() / "BaseModule" / (std::string(name) + ".asp");
        EXPECT_NE(std::string::npos, run.report.find(page.string() + " (" + reason + ")"))
            << run.report;
        EXPECT_FALSE(fs::exists(page));
        ExpectPagesPass(application.m_temp.Path());
    }
}
