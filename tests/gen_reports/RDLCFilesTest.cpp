#include "entities/RDLCInfo.h"
#include "entities/RDLCReport.h"
#include "entities/TableAdapter.h"
#include "entities/XSDInfo.h"
#include "gen_reports/RDLCFilesWriter.h"
#include "gen_web/AspxObjectWriter.h"
#include "gen_web/ProjectWriterSet.h"
#include "model/RDLCCreator.h"

#include "tests/gen_web/DataClassProject.h"
#include "tests/gen_web/GoldenFiles.h"
#include "tests/gen_web/UtilLibrary.h"

#include <gtest/gtest.h>

#include <memory>
#include <sstream>
#include <string>
#include <vector>

namespace
{
namespace fs = std::filesystem;

// A report of mode 0 on "items" with its description and data set, which it does not own.
struct HandBuiltReport
{
    HandBuiltReport(std::vector<const char*> columns, const char* commandText,
                    const char* header = "Stock")
    {
        info->SetName("BaseModule\\RDLCs\\items_SelectAllRecords.rdlc");
        info->AddDataSet("items_SelectAllRecords", "itemsTableAdapter", "items");
        auto* adapter = new TableAdapter;
        adapter->SetName("itemsTableAdapter");
        adapter->SetCommandType("Text");
        adapter->SetCommandText(commandText);
        for (const char* column : columns)
            adapter->AddColumnName(column);
        dataSet->SetFilePath("BaseModule\\DataSets\\items_SelectAllRecords.xsd");
        dataSet->AddTableAdapter(adapter);
        report->SetName("items_rdlc");
        report->SetHeader(header);
        report->SetMode(0);
        report->SetRDLCInfo(info.get());
        report->SetXSDInfo(dataSet.get());
    }

    void WriteAll(ForgeonProject& project, GenerationReport& generation)
    {
        RDLCFilesWriter(&project, report.get(), generation).WriteDataSetFiles();
        RDLCFilesWriter(&project, report.get(), generation).WriteReportDefinition();
    }

    std::unique_ptr<RDLCInfo> info = std::make_unique<RDLCInfo>();
    std::unique_ptr<XSDInfo> dataSet = std::make_unique<XSDInfo>();
    std::unique_ptr<RDLCReport> report = std::make_unique<RDLCReport>();
};

fs::path ModuleFolder(const GenWebProject& fixture)
{
    return fixture.Root() / "Shop" / "Shop" / "BaseModule";
}

const char* const dataSetExtensions[] = {".xsd", ".Designer.cs", ".xsc", ".xss"};

// The written files of the data set and the definition named after the stem.
std::vector<fs::path> WrittenFiles(const GenWebProject& fixture, const std::string& stem)
{
    std::vector<fs::path> files;
    for (const char* extension : dataSetExtensions)
        files.push_back(ModuleFolder(fixture) / "DataSets" / (stem + extension));
    files.push_back(ModuleFolder(fixture) / "RDLCs" / (stem + ".rdlc"));
    return files;
}

// The XML files parse and the schema validates one row of the data set.
void ExpectXmlReadByXmllint(const std::vector<fs::path>& files, const std::string& row)
{
    for (const fs::path& file : files)
    {
        if (file.extension() == ".cs")
            continue;
        const ToolResult lint = RunTool("xmllint --noout " + ShellQuoted(file));
        EXPECT_EQ(0, lint.exitCode) << file << lint.output;
    }
    const fs::path schema = files.front();
    const std::string dataSet = schema.stem().string();
    const fs::path instance = schema.parent_path() / "instance.xml";
    WriteHostFile(instance, "<" + dataSet + " xmlns=\"http://tempuri.org/" + dataSet + ".xsd\">" +
                                row + "</" + dataSet + ">");
    const ToolResult valid =
        RunTool("xmllint --noout --schema " + ShellQuoted(schema) + " " + ShellQuoted(instance));
    EXPECT_EQ(0, valid.exitCode) << valid.output;
}

// The lines of the file that hold the text, without their tabs and line ends.
std::vector<std::string> LinesWith(const fs::path& file, const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream in(ReadHostFile(file));
    for (std::string line; std::getline(in, line);)
    {
        if (line.find(text) != std::string::npos)
            lines.push_back(line.substr(line.find_first_not_of('\t'),
                                        line.find('\r') - line.find_first_not_of('\t')));
    }
    return lines;
}
} // namespace

// The default RDLC report of "orders" (two foreign keys to customer and a date): Write All's
// step writes the five files as expected; the XML files pass xmllint, the schema validates a
// row, and the data set's code compiles with the Util classes without a warning.
TEST(RDLCFiles, DefaultReportOfATableIsWrittenAndReadByItsConsumers)
{
    DataClassProject fixture;
    ScopedOpenProject open(&fixture.Project());
    RDLCCreator(&fixture.Orders(), &fixture.Project()).CreateReport();
    RDLCReport* report = fixture.Base().FindRDLCReportByName("orders_rdlc");
    ASSERT_NE(nullptr, report);
    ProjectWriterSet writers(fixture.Project(), fixture.Report());
    AspxObjectWriter(&fixture.Project(), report, writers, fixture.Report()).WriteRDLCReport();
    ASSERT_TRUE(fixture.Report().IsEmpty()) << fixture.Report().GetText();

    const std::vector<fs::path> files = WrittenFiles(fixture, "orders_SelectAllRecords");
    for (const fs::path& file : files)
        EXPECT_EQ(GoldenBytes("../gen_reports/" + file.filename().string()), ReadHostFile(file))
            << file.filename();
    ExpectXmlReadByXmllint(files, "<orders><orders_id>1</orders_id><customer_id_>Ann</customer_id_>"
                                  "<odate>01/02/2003</odate><quantity>2</quantity>"
                                  "<ship_to_id_>Bob</ship_to_id_><notes>n</notes>"
                                  "<photo>p.png</photo></orders>");

    writers.WriteVSProject();
    for (const char* name : {"DBHandler.cs", "ControlFieldHandler.cs", "UtilHandler.cs",
                             "CSSHandler.cs", "ReportXMLWriter.cs"})
        writers.WriteUtilClass(name);
    writers.WriteMenus();
    HandBuiltReport odd({"items_id", "title"}, "SELECT items_id, title FROM items WHERE "
                                               "title <> 'a \"b\" & c\\d'");
    odd.WriteAll(fixture.Project(), fixture.Report());
    ASSERT_TRUE(fixture.Report().IsEmpty()) << fixture.Report().GetText();
    ExpectXmlReadByXmllint(WrittenFiles(fixture, "items_SelectAllRecords"),
                           "<items><items_id>7</items_id><title>x</title></items>");

    const fs::path application = fixture.Root() / "Shop" / "Shop";
    const ToolResult library = CompileUtilLibrary(application);
    ASSERT_EQ(0, library.exitCode) << library.output;
    const fs::path dataSets = ModuleFolder(fixture) / "DataSets";
    const ToolResult compile =
        RunTool("mcs -warnaserror -target:library -out:" + ShellQuoted(dataSets / "DataSets.dll") +
                references + " -r:" + ShellQuoted(application / "Util" / "Util.dll") + " " +
                ShellQuoted(dataSets / "orders_SelectAllRecords.Designer.cs") + " " +
                ShellQuoted(dataSets / "items_SelectAllRecords.Designer.cs"));
    EXPECT_EQ(0, compile.exitCode) << compile.output;
}

// Four adapter columns show three: header, footer and detail cells counted down from 3n-1,
// 2n-1 and n-1, and three columns of 7.25 / 3 inches; one column shows none.
TEST(RDLCFiles, DefinitionNumbersItsCellsAndSharesTheTableWidth)
{
    const struct
    {
        std::vector<const char*> columns;
        std::vector<std::string> zIndexAndWidths;
    } cases[] = {
        {{"items_id", "title", "price", "stock"},
         {"<ZIndex>1</ZIndex>", "<Width>7.25in</Width>", "<ZIndex>7</ZIndex>", "<ZIndex>6</ZIndex>",
          "<ZIndex>5</ZIndex>", "<ZIndex>3</ZIndex>", "<ZIndex>2</ZIndex>", "<ZIndex>1</ZIndex>",
          "<ZIndex>11</ZIndex>", "<ZIndex>10</ZIndex>", "<ZIndex>9</ZIndex>",
          "<Width>2.416667in</Width>", "<Width>2.416667in</Width>", "<Width>2.416667in</Width>",
          "<Width>7.25in</Width>", "<Width>8.5in</Width>"}},
        {{"items_id"},
         {"<ZIndex>1</ZIndex>", "<Width>7.25in</Width>", "<Width>7.25in</Width>",
          "<Width>8.5in</Width>"}},
    };
    for (const auto& c : cases)
    {
        GenWebProject fixture;
        HandBuiltReport hand(c.columns, "SELECT * FROM items", "stock_items");
        hand.WriteAll(fixture.Project(), fixture.Report());
        const fs::path definition = ModuleFolder(fixture) / "RDLCs" / "items_SelectAllRecords.rdlc";
        std::vector<std::string> both;
        for (const std::string& line : LinesWith(definition, "<"))
        {
            if (line.starts_with("<ZIndex>") || line.starts_with("<Width>"))
                both.push_back(line);
        }
        EXPECT_EQ(c.zIndexAndWidths, both) << c.columns.size();
        EXPECT_EQ(std::vector<std::string>{"<Value>STOCK_ITEMS</Value>"},
                  LinesWith(definition, "<Value>STOCK"));
    }
}

// A report whose description, record, adapter or columns are missing is listed with the reason
// and none of its files is written.
TEST(RDLCFiles, IncompleteReportsAreSkippedWithTheirReason)
{
    const struct
    {
        const char* what;
        void (*spoil)(HandBuiltReport&, ForgeonProject&);
        std::vector<std::string> reasons;
    } cases[] = {
        {"no description",
         [](HandBuiltReport& r, ForgeonProject&) { r.report->SetRDLCInfo(nullptr); },
         {"the report description has no data set",
          "the report has no report description or data set"}},
        {"no record",
         [](HandBuiltReport& r, ForgeonProject&)
         {
             r.info = std::make_unique<RDLCInfo>();
             r.report->SetRDLCInfo(r.info.get());
         },
         {"the report description has no data set", "the report description has no data set"}},
        {"no adapter",
         [](HandBuiltReport& r, ForgeonProject&)
         {
             r.dataSet = std::make_unique<XSDInfo>();
             r.report->SetXSDInfo(r.dataSet.get());
         },
         {"the data set has no table adapter",
          "the data set has no table adapter itemsTableAdapter"}},
        {"no settings",
         [](HandBuiltReport&, ForgeonProject& project) { project.SetProjectSettings(nullptr); },
         {"the project has no settings", "the project has no settings"}},
        {"no columns",
         [](HandBuiltReport& r, ForgeonProject&)
         { r.dataSet->GetTableAdapters().front()->ClearColumnNames(); },
         {"the table adapter itemsTableAdapter has no columns",
          "the table adapter itemsTableAdapter has no columns"}},
    };
    for (const auto& c : cases)
    {
        GenWebProject fixture;
        HandBuiltReport hand({"items_id", "title"}, "SELECT * FROM items");
        c.spoil(hand, fixture.Project());

        hand.WriteAll(fixture.Project(), fixture.Report());
        std::vector<std::string> reasons;
        for (const GenerationReport::Entry& entry : fixture.Report().GetSkippedPages())
        {
            EXPECT_EQ(CString("items_rdlc"), entry.name);
            reasons.push_back(entry.reason.str());
        }
        EXPECT_EQ(c.reasons, reasons) << c.what;
        EXPECT_FALSE(fs::exists(ModuleFolder(fixture))) << c.what;
    }
}
