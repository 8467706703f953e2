#include "gen_web/AspxWriteAll.h"
#include "gen_web/WriterSet.h"

#include "entities/ApplicationReport.h"
#include "entities/DashBoard.h"
#include "entities/DashBoardPage.h"
#include "entities/DashBoardPageData.h"
#include "entities/Grid.h"
#include "entities/LoginPage.h"
#include "entities/RDLCInfo.h"
#include "entities/RDLCReport.h"
#include "entities/Transaction.h"
#include "entities/XSDInfo.h"
#include "platform/core/HostPath.h"
#include "platform/core/ScriptedMessageBoxes.h"

#include "tests/gen_web/GenWebProject.h"
#include "tests/model/ModelBuilders.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

namespace
{
// Records each writer call with the current module and the object written.
class RecordingWriters : public WriterSet
{
public:
    explicit RecordingWriters(ForgeonProject& project) : m_project(project) {}

    std::vector<std::string> calls;
    // The markup writer of the page of this name records an unwritten file.
    std::string failingPage;
    GenerationReport* report = nullptr;

    void WriteVSProject() override { calls.push_back("VSProjectWriter"); }
    void WriteWebConfig() override { calls.push_back("web.config"); }
    void WriteUtilClass(const char* fileName) override { calls.push_back(fileName); }
    void WriteMenus() override { calls.push_back("Menus.cs"); }
    void WriteSqlScripts(Module* module) override
    {
        calls.push_back("SqlScriptWriter " + (module ? module->GetName().str() : "database"));
    }
    void WriteLoginPage(LoginPage& page) override { Page("LoginPageWriter", page); }
    void WriteFormMarkup(Form& form) override { Page("FormMarkupWriter", form); }
    void WriteFormCodeBehind(Form& form) override { Page("FormCodeBehindWriter", form); }
    void WriteDataClass(Table& table) override
    {
        calls.push_back(Current() + "DataClassWriter " + table.GetTableName().str());
    }
    void WriteTransactionMarkup(Transaction& t) override { Page("TransactionMarkupWriter", t); }
    void WriteTransactionCodeBehind(Transaction& t) override
    {
        Page("TransactionCodeBehindWriter", t);
    }
    void WriteTransactionDataClasses(Transaction& t) override
    {
        Page("TransactionDataClassWriter", t);
    }
    void WriteReportMarkup(ApplicationReport& r) override { Page("ReportMarkupWriter", r); }
    void WriteReportCodeBehind(ApplicationReport& r) override { Page("ReportCodeBehindWriter", r); }
    void WriteTypedDataSet(RDLCReport& r) override { Page("TypedDataSetWriter", r); }
    void WriteRDLCFile(RDLCReport& r) override { Page("RDLCFileWriter", r); }
    void WriteRDLCMarkup(RDLCReport& r) override { Page("RDLCMarkupWriter", r); }
    void WriteRDLCCodeBehind(RDLCReport& r) override { Page("RDLCCodeBehindWriter", r); }
    void WriteRDLCPrintPage(RDLCReport& r) override { Page("RDLCPrintPageWriter", r); }
    void WriteDashBoardPageMarkup(DashBoardPage& p) override
    {
        Page("DashBoardPageMarkupWriter", p);
    }
    void WriteDashBoardPageCodeBehind(DashBoardPage& p) override
    {
        Page("DashBoardPageCodeBehindWriter", p);
    }
    void WriteLoginDataClasses() override { calls.push_back(Current() + "LoginDataClassWriter"); }

private:
    std::string Current() const { return m_project.GetCurrentModule()->GetName().str() + ": "; }
    void Page(const char* writer, FormInterface& page)
    {
        calls.push_back(Current() + writer + " " + page.GetFormName().str());
        if (report != nullptr && page.GetFormName() == failingPage.c_str() &&
            std::string(writer) == "FormMarkupWriter")
            report->AddUnwrittenFile(page.GetFormName() + ".aspx", "disk full");
    }

    ForgeonProject& m_project;
};

class WriteAllOrderTest : public ::testing::Test
{
protected:
    WriteAllOrderTest()
    {
        Module& base = m_fixture.Base();
        base.AdoptLoginPage(new LoginPage);
        base.GetLoginPage()->SetName("Login");
        Table* customer = NewTable("customer");
        Table* account = NewTable("useraccount");
        base.AppendMasterTable(customer);
        base.AppendMasterTable(account);
        base.Append(NewForm("Customer", customer));
        base.Append(NewForm("UserAccount", account));
        auto* order = NewPage<Transaction>("Order");
        Table* orderBasic = NewTable("order_basic", Table::masterDetailKind);
        base.AppendTransactionTable(orderBasic);
        order->SetBasicTable(orderBasic);
        base.Append(order);
        auto* report = NewPage<ApplicationReport>("CustomerReport");
        report->SetTable(customer);
        base.Append(report);
        base.Append(NewRDLCReport("CustomerRDLC", customer, 0));
        base.Append(NewRDLCReport("FileRDLC", customer, 1));
        base.Append(NewDashBoardPage("Home", new Grid(1, 1)));

        m_second->SetNumber(2);
        m_fixture.Project().AddModule(m_second);
        Table* supplier = NewTable("supplier");
        m_second->AppendMasterTable(supplier);
        m_second->Append(NewForm("Supplier", supplier));
    }

    RDLCReport* NewRDLCReport(const char* name, Table* table, int mode)
    {
        auto* report = NewPage<RDLCReport>(name);
        report->SetTable(table);
        report->SetMode(mode);
        report->SetRDLCInfo(&m_rdlcInfo);
        report->SetXSDInfo(&m_xsdInfo);
        return report;
    }

    DashBoardPage* NewDashBoardPage(const char* name, Grid* grid, bool withPageFile = true)
    {
        auto* dashBoard = NewPage<DashBoard>(name);
        dashBoard->SetGrid(grid);
        m_fixture.Base().Append(dashBoard);
        auto* page = NewPage<DashBoardPage>(name);
        page->AddPlacement(new DashBoardPageData(dashBoard));
        if (withPageFile)
            page->CreateAspFile(1);
        return page;
    }

    RDLCInfo m_rdlcInfo;
    XSDInfo m_xsdInfo;
    GenWebProject m_fixture;
    Module* m_second = new Module("Second");
    RecordingWriters m_writers{m_fixture.Project()};
    ScriptedMessageBoxes m_boxes;
};

const std::vector<std::string> projectFiles = {
    "VSProjectWriter", "web.config",    "DBHandler.cs",       "ControlFieldHandler.cs",
    "UtilHandler.cs",  "CSSHandler.cs", "ReportXMLWriter.cs", "Menus.cs"};

const std::vector<std::string> basePages = {"BaseModule: LoginPageWriter Login",
                                            "BaseModule: FormMarkupWriter Customer",
                                            "BaseModule: FormCodeBehindWriter Customer",
                                            "BaseModule: DataClassWriter customer",
                                            "BaseModule: FormMarkupWriter UserAccount",
                                            "BaseModule: FormCodeBehindWriter UserAccount",
                                            "BaseModule: TransactionMarkupWriter Order",
                                            "BaseModule: TransactionCodeBehindWriter Order",
                                            "BaseModule: TransactionDataClassWriter Order",
                                            "BaseModule: ReportMarkupWriter CustomerReport",
                                            "BaseModule: ReportCodeBehindWriter CustomerReport",
                                            "BaseModule: TypedDataSetWriter CustomerRDLC",
                                            "BaseModule: RDLCFileWriter CustomerRDLC",
                                            "BaseModule: RDLCMarkupWriter CustomerRDLC",
                                            "BaseModule: RDLCCodeBehindWriter CustomerRDLC",
                                            "BaseModule: RDLCPrintPageWriter CustomerRDLC",
                                            "BaseModule: DashBoardPageMarkupWriter Home",
                                            "BaseModule: DashBoardPageCodeBehindWriter Home",
                                            "BaseModule: LoginDataClassWriter"};

const std::vector<std::string> secondPages = {
    "Second: FormMarkupWriter Supplier", "Second: FormCodeBehindWriter Supplier",
    "Second: DataClassWriter supplier", "Second: LoginDataClassWriter"};

std::vector<std::string> Joined(std::initializer_list<std::vector<std::string>> parts)
{
    std::vector<std::string> all;
    for (const auto& part : parts)
        all.insert(all.end(), part.begin(), part.end());
    return all;
}

TEST_F(WriteAllOrderTest, WholeProjectWritesProjectFilesOnceThenEachModuleInOrder)
{
    const Module* current = m_fixture.Project().GetCurrentModule();
    AspxWriteAll writeAll(&m_fixture.Project(), m_writers);
    EXPECT_TRUE(writeAll.Run(nullptr));
    EXPECT_EQ(Joined({projectFiles, {"SqlScriptWriter database"}, basePages, secondPages}),
              m_writers.calls);
    EXPECT_TRUE(m_boxes.Shown().empty());
    // The current module is saved with the project: the run leaves it as it was.
    EXPECT_EQ(current, m_fixture.Project().GetCurrentModule());
    EXPECT_EQ(CString("BaseModule\\DataSets\\customer_SelectAllRecords.xsd"), m_xsdInfo.GetName());
    EXPECT_EQ(CString("BaseModule\\RDLCs\\customer_SelectAllRecords.rdlc"), m_rdlcInfo.GetName());
}

TEST_F(WriteAllOrderTest, OneModuleWritesTheProjectFilesAndOnlyItsOwnPages)
{
    AspxWriteAll writeAll(&m_fixture.Project(), m_writers);
    EXPECT_TRUE(writeAll.Run(m_second));
    EXPECT_EQ(Joined({projectFiles, {"SqlScriptWriter Second"}, secondPages}), m_writers.calls);
}

TEST_F(WriteAllOrderTest, OddPagesAreSkippedAndListedWithTheUnwrittenFilesInOneMessage)
{
    Module& base = m_fixture.Base();
    base.Append(NewForm("NoTable", nullptr));
    auto* keyless = new Table;
    keyless->SetTableName("keyless");
    base.AppendMasterTable(keyless);
    base.Append(NewForm("NoKey", keyless));
    base.Append(NewPage<Transaction>("NoBasic"));
    base.Append(NewRDLCReport("NoTableRDLC", nullptr, 0));
    base.Append(NewDashBoardPage("NoFile", new Grid(1, 1), /*withPageFile=*/false));
    m_writers.failingPage = "Supplier";

    AspxWriteAll writeAll(&m_fixture.Project(), m_writers);
    m_writers.report = &writeAll.GetReport();
    EXPECT_FALSE(writeAll.Run(nullptr));

    EXPECT_EQ(Joined({projectFiles, {"SqlScriptWriter database"}, basePages, secondPages}),
              m_writers.calls);
    ASSERT_EQ(1u, m_boxes.Shown().size());
    EXPECT_EQ("These files could not be written:\n"
              "Supplier.aspx (disk full)\n"
              "These pages were skipped:\n"
              "NoTable (the page has no table)\n"
              "NoKey (the table keyless has no key field)\n"
              "NoBasic (the page has no table)\n"
              "NoTableRDLC (the report has no table)\n"
              "NoFile (the page has no page file)",
              m_boxes.Shown()[0].text);
}

TEST_F(WriteAllOrderTest, UnwritableOutputFolderGivesOneMessageAndWritesNothing)
{
    WriteHostFile(m_fixture.Root() / "plain", "a file");
    const CString path = m_fixture.Temp().ModelPath("plain\\out\\");
    m_fixture.Project().GetProjectSettings()->SetProjectPath(path);

    EXPECT_FALSE(AspxWriteAll(&m_fixture.Project(), m_writers).Run(nullptr));
    EXPECT_TRUE(m_writers.calls.empty());
    ASSERT_EQ(1u, m_boxes.Shown().size());
    EXPECT_EQ("Could not write output at " + ToHostPath(path) + "\nNot a directory",
              m_boxes.Shown()[0].text);
    std::vector<std::string> entries;
    for (const auto& entry : std::filesystem::directory_iterator(m_fixture.Root()))
        entries.push_back(entry.path().filename().string());
    std::sort(entries.begin(), entries.end());
    EXPECT_EQ((std::vector<std::string>{"Shop", "plain"}), entries);

    const CString missing = m_fixture.Temp().ModelPath("new\\path\\");
    m_fixture.Project().GetProjectSettings()->SetProjectPath(missing);
    std::filesystem::remove_all(m_fixture.Root() / "new");
    EXPECT_TRUE(AspxWriteAll(&m_fixture.Project(), m_writers).Run(nullptr));
    EXPECT_TRUE(std::filesystem::is_directory(m_fixture.Root() / "new/path"));

    ForgeonProject withoutSettings;
    EXPECT_FALSE(AspxWriteAll(&withoutSettings, m_writers).Run(nullptr));
    EXPECT_EQ("Could not write output at ", m_boxes.Shown().back().text);
}
} // namespace
