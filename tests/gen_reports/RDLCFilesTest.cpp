#include "entities/RDLCInfo.h"
#include "entities/RDLCReport.h"
#include "entities/TableAdapter.h"
#include "entities/XSDInfo.h"
#include "gen_reports/RDLCFilesWriter.h"
#include "gen_web/AspxObjectWriter.h"
#include "gen_web/ProjectWriterSet.h"
#include "model/Identifiers.h"
#include "model/NameUtilities.h"
#include "model/RDLCCreator.h"

#include "tests/gen_web/DataClassProject.h"
#include "tests/gen_web/GoldenFiles.h"
#include "tests/gen_web/UtilLibrary.h"

#include <gtest/gtest.h>

#include <memory>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <string_view>
#include <utility>
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

// The data sets' code compiles without a warning beside the Util classes.
void ExpectDataSetsCompile(GenWebProject& fixture, const std::vector<std::string>& dataSets)
{
    ProjectWriterSet writers(fixture.Project(), fixture.Report());
    writers.WriteVSProject();
    for (const char* name : {"DBHandler.cs", "ControlFieldHandler.cs", "UtilHandler.cs",
                             "CSSHandler.cs", "ReportXMLWriter.cs"})
        writers.WriteUtilClass(name);
    writers.WriteMenus();
    const fs::path application = fixture.Root() / "Shop" / "Shop";
    const ToolResult library = CompileUtilLibrary(application);
    ASSERT_EQ(0, library.exitCode) << library.output;
    const fs::path folder = ModuleFolder(fixture) / "DataSets";
    std::string sources;
    for (const std::string& dataSet : dataSets)
        sources += " " + ShellQuoted(folder / (dataSet + ".Designer.cs"));
    const ToolResult compile =
        RunTool("mcs -warnaserror -target:library -out:" + ShellQuoted(folder / "DataSets.dll") +
                references + " -r:" + ShellQuoted(application / "Util" / "Util.dll") + sources);
    EXPECT_EQ(0, compile.exitCode) << compile.output;
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

    HandBuiltReport odd({"items_id", "title"}, "SELECT items_id, title FROM items WHERE "
                                               "title <> 'a \"b\" & c\\d'");
    odd.WriteAll(fixture.Project(), fixture.Report());
    ASSERT_TRUE(fixture.Report().IsEmpty()) << fixture.Report().GetText();
    ExpectXmlReadByXmllint(WrittenFiles(fixture, "items_SelectAllRecords"),
                           "<items><items_id>7</items_id><title>x</title></items>");

    ExpectDataSetsCompile(fixture, {"orders_SelectAllRecords", "items_SelectAllRecords"});
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

namespace
{
// The names the field door takes from the program's lists of C# keywords and SQL reserved words,
// and names no language takes as they stand; each once, compared ignoring case.
std::vector<std::string> FieldNamesTaken()
{
    std::vector<std::string> names;
    std::set<std::string> seen;
    const auto take = [&](const CString& name)
    {
        if (RefuseReadFieldName(name).IsEmpty() && seen.insert(FoldedName(name)).second)
            names.push_back(name.str());
    };
    for (const std::string_view keyword : cSharpKeywordTable)
        take(CString(std::string(keyword)));
    for (const char* word : SqlReservedWords())
        take(CString(word).MakeLower());
    for (const char* name : {"a-b", "a_b", "x--y", "MixedCase", "Ab:c", "x y", "2nd", "_x0041_",
                             "Été", "a&b", "<i>", "table1", "txtReportHeading", "head_a_b"})
        take(name);
    return names;
}

// The character's UTF-8 bytes.
std::string Utf8(unsigned long code)
{
    if (code < 0x80)
        return std::string(1, static_cast<char>(code));
    const int count = code < 0x800 ? 1 : code < 0x10000 ? 2 : 3;
    std::string bytes(1, static_cast<char>(((0xF0 << (3 - count)) & 0xFF) | (code >> (6 * count))));
    for (int shift = 6 * (count - 1); shift >= 0; shift -= 6)
        bytes += static_cast<char>(0x80 | ((code >> shift) & 0x3F));
    return bytes;
}

// The XML name with each "_xHHHH_" (or eight digits) read back as its character.
std::string DecodedXmlName(const std::string& name)
{
    static const std::regex escape("_x([0-9A-F]{4}|[0-9A-F]{8})_");
    std::string decoded;
    auto from = name.cbegin();
    for (auto it = std::sregex_iterator(name.begin(), name.end(), escape);
         it != std::sregex_iterator(); ++it)
    {
        decoded.append(from, (*it)[0].first);
        decoded += Utf8(std::stoul((*it)[1].str(), nullptr, 16));
        from = (*it)[0].second;
    }
    return decoded.append(from, name.cend());
}

// Every capture of the pattern's first group in the file, XML entities resolved.
std::vector<std::string> Captured(const fs::path& file, const std::string& pattern)
{
    const std::string text = ReadHostFile(file);
    const std::regex expression(pattern);
    const std::pair<const char*, const char*> entities[] = {
        {"&lt;", "<"}, {"&gt;", ">"}, {"&quot;", "\""}, {"&apos;", "'"}, {"&amp;", "&"}};
    std::vector<std::string> found;
    for (auto it = std::sregex_iterator(text.begin(), text.end(), expression);
         it != std::sregex_iterator(); ++it)
    {
        std::string capture = (*it)[1].str();
        for (const auto& [entity, character] : entities)
            capture = std::regex_replace(capture, std::regex(entity), character);
        found.push_back(capture);
    }
    return found;
}
} // namespace

// A data set whose columns are every name the field door takes: the schema's elements read back
// as the columns and validate a row, the definition's fields are report names, each its own,
// whose data fields are the columns and to which every text box refers; the code compiles.
TEST(RDLCFiles, EveryFieldNameReachesTheDefinitionAndTheSchemaAsItsConsumersReadNames)
{
    const std::vector<std::string> names = FieldNamesTaken();
    std::vector<const char*> columns = {"items_id"};
    for (const std::string& name : names)
        columns.push_back(name.c_str());
    GenWebProject fixture;
    HandBuiltReport hand(columns, "SELECT * FROM items");
    hand.WriteAll(fixture.Project(), fixture.Report());
    ASSERT_TRUE(fixture.Report().IsEmpty()) << fixture.Report().GetText();
    const std::vector<fs::path> files = WrittenFiles(fixture, "items_SelectAllRecords");

    std::vector<std::string> elements;
    for (const std::string& element : Captured(files.front(), "<xs:element name=\"([^\"]*)\""))
        elements.push_back(DecodedXmlName(element));
    std::vector<std::string> expected = {"items_SelectAllRecords", "items"};
    expected.insert(expected.end(), columns.begin(), columns.end());
    EXPECT_EQ(expected, elements);
    std::string row = "<items>";
    for (const char* column : columns)
        row += "<" + XmlName(column).str() + ">1</" + XmlName(column).str() + ">";
    ExpectXmlReadByXmllint(files, row + "</items>");

    const fs::path definition = files.back();
    const std::vector<std::string> fields = Captured(definition, "<Field Name=\"([^\"]*)\"");
    EXPECT_EQ(std::vector<std::string>(columns.begin() + 1, columns.end()),
              Captured(definition, "<DataField>([^<]*)</DataField>"));
    std::set<std::string> itemNames;
    for (const std::string& item : Captured(definition, "<(?:Textbox|Table) Name=\"([^\"]*)\""))
        EXPECT_TRUE(itemNames.insert(FoldedName(CString(item))).second) << item;
    std::set<std::string> fieldNames;
    for (const std::string& field : fields)
    {
        EXPECT_TRUE(std::regex_match(field, std::regex("[A-Za-z][A-Za-z0-9_]*"))) << field;
        EXPECT_TRUE(fieldNames.insert(field).second) << field;
    }
    std::set<std::string> referred;
    for (const std::string& field : Captured(definition, "=Fields!([^.]*)\\.Value"))
        referred.insert(field);
    EXPECT_EQ(fieldNames, referred);
    EXPECT_EQ(itemNames.size(), 3 * fields.size() + 2);

    ExpectDataSetsCompile(fixture, {"items_SelectAllRecords"});
}
