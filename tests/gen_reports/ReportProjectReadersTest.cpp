#include "entities/RDLCInfo.h"
#include "entities/RDLCReport.h"
#include "entities/TableAdapter.h"
#include "entities/XSDInfo.h"
#include "gen_reports/CsprojReader.h"
#include "gen_web/AspxWriteAll.h"
#include "model/RDLCCreator.h"
#include "platform/core/LiteralEscaping.h"
#include "platform/core/MessageBox.h"

#include "tests/gen_web/DataClassProject.h"
#include "tests/gen_web/PreparedProjectFolder.h"
#include "tests/gen_web/ToolRun.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

namespace
{
namespace fs = std::filesystem;

const fs::path fixtureRoot = fs::path(WEAVO_TEST_DATA) / "gen_reports" / "readers";

// A project named "Shop" on the folder, as the RDLC designer dialogs find it.
struct ReadingProject
{
    explicit ReadingProject(const CString& path)
    {
        project.SetProjectSettings(new ProjectSettings);
        project.SetProjectName("Shop");
        project.SetProjectPath(path);
    }

    // Reads the web project file as the designer dialogs do; the files refused.
    std::vector<CString> Read()
    {
        const CString name = project.GetProjectName();
        CsprojReader reader(project.GetProjectPath() + name + "\\" + name + "\\" + name + ".csproj",
                            &project);
        reader.Read();
        return reader.GetRefusedFiles();
    }

    ForgeonProject project;
};

std::string Describe(const RDLCInfo& info)
{
    std::string text = "RDLCInfo " + info.GetName().str() + "\n";
    for (const RDLCDataSetEntry& entry : info.GetEntries())
        text += "  DataSet " + entry.m_dataSetName.str() + " | " + entry.m_tableAdapterName.str() +
                " | " + entry.m_tableName.str() + "\n";
    return text;
}

// The command text as the reader gives it back from the file the writer made of it.
using CommandTextOf = CString (*)(const CString&);

std::string Describe(const XSDInfo& dataSet, CommandTextOf commandText)
{
    std::string text = "XSDInfo " + dataSet.GetName().str() + "\n";
    for (const TableAdapter* adapter : dataSet.GetTableAdapters())
    {
        text += "  TableAdapter " + adapter->GetName().str() + "\n    CommandType " +
                adapter->GetCommandType().str() + "\n    CommandText " +
                commandText(adapter->GetCommandText()).str() + "\n";
        for (const CString& name : adapter->GetParameterNames())
            text += "    Parameter " + name.str() + "\n";
        for (const CString& name : adapter->GetColumnNames())
            text += "    Column " + name.str() + "\n";
    }
    return text;
}

CString AsRead(const CString& text)
{
    return text;
}

// What the reader registered in the project, each object with the number 1.
std::string DescribeRead(const ForgeonProject& project)
{
    std::string text;
    for (const RDLCInfo* info : project.GetRDLCInfos())
    {
        EXPECT_EQ(1, info->GetStatus()) << info->GetName();
        text += Describe(*info);
    }
    for (const XSDInfo* dataSet : project.GetXSDInfos())
    {
        EXPECT_EQ(1, dataSet->GetStatus()) << dataSet->GetName();
        for (const TableAdapter* adapter : dataSet->GetTableAdapters())
            EXPECT_EQ(1, adapter->GetStatus()) << adapter->GetName();
        text += Describe(*dataSet, AsRead);
    }
    return text;
}

const char* const handMadeReports =
    "RDLCInfo Sales\\RDLCs\\Orders.rdlc\n"
    "  DataSet Orders_SelectAllRecords | OrdersTableAdapter | Orders\n"
    "  DataSet Lines_Set |  | Lines &amp; Notes\n";
const char* const handMadeDataSets =
    "XSDInfo Sales\\DataSets\\Orders.xsd\n"
    "  TableAdapter OrdersTableAdapter\n"
    "    CommandType StoredProcedure\n"
    "    CommandText SELECT * FROM Orders WHERE total &gt; @min AND note &lt;&gt; "
    "&apos;it&apos;&apos;s&apos;\n"
    "    Parameter @min\n"
    "    Parameter @max\n"
    "    Column Orders_id\n"
    "    Column Total\n"
    "  TableAdapter BrokenTableAdapter\n"
    "    CommandType \n"
    "    CommandText \n"
    "  TableAdapter \n"
    "    CommandType \n"
    "    CommandText SELECT 1\n"
    "    Column \n";

// The hand-made project file lists a report definition with data sets that lack their adapter
// name or their description, a text file, a missing definition, items whose names differ in
// case, and data sets written in capitals or missing. Objects whose names the project has
// (in any case) are not registered again; a second read adds nothing. The text file and the
// missing files are named with their reasons, not registered as empty reports.
TEST(ReportProjectReaders, HandMadeProjectRegistersWhatItLists)
{
    const struct
    {
        const char* what;
        const char* presetReport;
        const char* presetDataSet;
        std::string expected;
    } cases[] = {
        {"an empty project", nullptr, nullptr, std::string(handMadeReports) + handMadeDataSets},
        {"a project with two of the names", "sales\\rdlcs\\r&d.RDLC",
         "SALES\\DATASETS\\MISSING.XSD",
         "RDLCInfo sales\\rdlcs\\r&d.RDLC\n" + std::string(handMadeReports) +
             "XSDInfo SALES\\DATASETS\\MISSING.XSD\n" + handMadeDataSets},
    };
    const CString folder = CString((fixtureRoot / "Shop" / "Shop").string()) + "/";
    const std::vector<CString> refused{folder + "Sales/Notes.txt: no XML element in it",
                                       folder + "Sales/RDLCs/R&D.rdlc: No such file or directory",
                                       folder +
                                           "Sales/DataSets/Missing.xsd: No such file or directory"};
    for (const auto& c : cases)
    {
        ReadingProject reading(fixtureRoot.string());
        if (c.presetReport != nullptr)
        {
            auto* info = new RDLCInfo;
            info->SetName(c.presetReport);
            info->SetStatus(1);
            reading.project.AddRDLCInfo(info);
            auto* dataSet = new XSDInfo;
            dataSet->SetFilePath(c.presetDataSet);
            dataSet->SetStatus(1);
            reading.project.AddXSDInfo(dataSet);
        }
        EXPECT_EQ(reading.Read(), refused) << c.what;
        EXPECT_EQ(c.expected, DescribeRead(reading.project)) << c.what;
        EXPECT_EQ(reading.Read(), refused) << c.what;
        EXPECT_EQ(c.expected, DescribeRead(reading.project)) << c.what;
    }
}

// The item lists of the hand-made project file, and which names count as data sets.
TEST(ReportProjectReaders, ItemsOfTheProjectFile)
{
    ReadingProject reading(fixtureRoot.string());
    CsprojReader reader(CString((fixtureRoot / "Shop" / "Shop" / "Shop.csproj").string()),
                        &reading.project);
    reader.Load();
    std::vector<CString> items{"stale"};
    reader.CollectEmbeddedResources(items);
    EXPECT_EQ((std::vector<CString>{"Sales\\RDLCs\\Orders.rdlc", "Sales\\Notes.txt",
                                    "Sales\\RDLCs\\R&D.rdlc"}),
              items);
    reader.CollectDataSetItems(items);
    EXPECT_EQ((std::vector<CString>{"Sales\\DataSets\\Orders.xsd", "Sales\\DataSets\\Missing.xsd"}),
              items);
    for (const char* name : {"a.xsd", "xsd", "Sales\\x.xsd"})
        EXPECT_TRUE(CsprojReader::IsDataSetItem(name)) << name;
    for (const char* name : {"a.XSD", "a.Xsd", "a.xsc", "a.xsd ", "xs", ""})
        EXPECT_FALSE(CsprojReader::IsDataSetItem(name)) << name;
}

// A missing project file reads as empty and registers nothing.
TEST(ReportProjectReaders, MissingProjectFileAddsNothing)
{
    TempFolder temp("WeavoReaders");
    ReadingProject reading(temp.Path().string());
    reading.Read();
    EXPECT_EQ("", DescribeRead(reading.project));
}

// Every fixture meant to be XML is well-formed; the text file is deliberately not XML.
TEST(ReportProjectReaders, HandMadeFixturesAreWellFormed)
{
    int checked = 0;
    for (const auto& entry : fs::recursive_directory_iterator(fixtureRoot))
    {
        if (!entry.is_regular_file() || entry.path().extension() == ".txt")
            continue;
        const ToolResult lint = RunTool("xmllint --noout " + ShellQuoted(entry.path()));
        EXPECT_EQ(0, lint.exitCode) << entry.path() << lint.output;
        ++checked;
    }
    EXPECT_EQ(4, checked);
}

// The project "Shop" with the RDLC reports of "customer" and "product", written by Write All.
// The tables have their data classes before the reports are made, as a user's tables do: the
// data sets, named after the classes when made, are written and listed under the tables' names.
class WrittenReportProject : public ::testing::Test
{
protected:
    void SetUp() override
    {
        Module& base = m_fixture.Base();
        Table* product = NewTable("product", Table::masterKind, {"title", "shelf"});
        base.AddTable(product);
        ASSERT_TRUE(Reports().empty());
        // Write All takes the reports' queries and columns from the tables' class functions.
        for (Table* table : {&m_fixture.Customer(), product})
            base.AddDefaultClassFunctions(base.GetClassForTable(table, true));
        RDLCCreator(&m_fixture.Customer(), &m_fixture.Project()).CreateReport();
        RDLCCreator(product, &m_fixture.Project()).CreateReport();
        ASSERT_EQ(2u, Reports().size());
        std::string messages;
        const MessageBoxHandler previous = SetMessageBoxHandler(
            [&messages](const std::string& text, UINT, UINT)
            {
                messages += text;
                return IDOK;
            });
        PrepareProjectFolder(m_fixture.Project());
        const bool written = AspxWriteAll(&m_fixture.Project()).Run(nullptr);
        SetMessageBoxHandler(previous);
        ASSERT_TRUE(written) << messages;
    }

    const std::vector<RDLCReport*>& Reports() { return m_fixture.Base().GetRDLCReports(); }
    fs::path Application() const { return m_fixture.Root() / "Shop" / "Shop"; }
    // The host path of a file the project names with a relative model path.
    fs::path Written(const CString& relativePath) const
    {
        std::string path = relativePath.str();
        std::replace(path.begin(), path.end(), '\\', '/');
        return Application() / path;
    }

    DataClassProject m_fixture;
    ScopedOpenProject m_open{&m_fixture.Project()};
};

// The readers register one RDLCInfo a written report definition and one XSDInfo a written
// data set, with the names, command and columns the writers wrote (command texts with their
// entities encoded); a second read adds nothing, and so does a read into the writing project,
// whose reports hold those names.
TEST_F(WrittenReportProject, ReadersRegisterWhatWriteAllWrote)
{
    std::string expectedReports;
    std::string expectedDataSets;
    for (const RDLCReport* report : Reports())
    {
        ASSERT_TRUE(fs::exists(Written(report->GetRDLCInfo()->GetName())));
        ASSERT_TRUE(fs::exists(Written(report->GetXSDInfo()->GetName())));
        expectedReports += Describe(*report->GetRDLCInfo());
        expectedDataSets +=
            Describe(*report->GetXSDInfo(), [](const CString& text) { return EscapeXml(text); });
    }
    EXPECT_NE(std::string::npos, expectedDataSets.find("Is_Deleted = &apos;N&apos;"));

    ReadingProject reading(m_fixture.Project().GetProjectPath());
    reading.Read();
    EXPECT_EQ(expectedReports + expectedDataSets, DescribeRead(reading.project));
    reading.Read();
    EXPECT_EQ(expectedReports + expectedDataSets, DescribeRead(reading.project));

    const size_t reports = m_fixture.Project().GetRDLCInfos().size();
    const size_t dataSets = m_fixture.Project().GetXSDInfos().size();
    const CString name = m_fixture.Project().GetProjectName();
    CsprojReader(m_fixture.Project().GetProjectPath() + name + "\\" + name + "\\" + name +
                     ".csproj",
                 &m_fixture.Project())
        .Read();
    EXPECT_EQ(reports, m_fixture.Project().GetRDLCInfos().size());
    EXPECT_EQ(dataSets, m_fixture.Project().GetXSDInfos().size());
}

// Every prefix of a written project file, report definition and data set loads without reading
// past its end (checked under AddressSanitizer: each prefix sits in a buffer of its own size);
// the load stops within the prefix, and the whole files load without an error.
TEST_F(WrittenReportProject, EveryPrefixOfTheWrittenFilesLoadsWithinItsText)
{
    const RDLCReport* product = Reports().back();
    const fs::path files[] = {Application() / "Shop.csproj",
                              Written(product->GetRDLCInfo()->GetName()),
                              Written(product->GetXSDInfo()->GetName())};
    for (const fs::path& file : files)
    {
        const std::string text = ReadHostFile(file);
        ASSERT_FALSE(text.empty()) << file;
        for (std::size_t length = 0; length <= text.size(); ++length)
        {
            const auto prefix = std::make_unique<char[]>(length + 1);
            std::memcpy(prefix.get(), text.data(), length);
            XmlParseOptions options = DefaultXmlParseOptions();
            XmlNode root;
            const char* stop = root.Load(prefix.get(), options);
            if (stop != nullptr && (stop < prefix.get() || stop > prefix.get() + length))
                ADD_FAILURE() << file << " stops outside a prefix of " << length;
            if (length == text.size())
            {
                EXPECT_NE(nullptr, stop) << file;
                EXPECT_FALSE(options.errorFlag) << file << options.errorMessage;
                EXPECT_GT(root.GetChildCount(), 0) << file;
            }
        }
    }
}

} // namespace
