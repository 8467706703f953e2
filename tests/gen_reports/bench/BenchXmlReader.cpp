// Writes the report definition of a table with many columns (8,000 by default, about 20 MB)
// with the report definition writer into the file given, then loads it with XmlFile::Load and
// walks it with FindElements three times and prints the best time.
#include "gen_reports/ReportDefinitionWriter.h"
#include "gen_reports/XmlFile.h"
#include "model/TextFile.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <vector>

namespace
{
DataSetNames WideTable(int columns)
{
    DataSetNames names;
    names.projectName = "Bench";
    names.databaseName = "bench";
    names.viewerVersion = "8.0.0.0";
    names.dataSetName = "wide_SelectAllRecords";
    names.tableAdapterName = "wideTableAdapter";
    names.tableName = "wide";
    names.commandType = "Text";
    names.commandText = "SELECT * FROM wide WHERE wide.Is_Deleted = 'N'";
    names.columns.push_back("wide_id");
    for (int i = 1; i < columns; ++i)
    {
        CString column;
        column.Format("column_%d", i);
        names.columns.push_back(column);
    }
    return names;
}
} // namespace

int main(int argc, char** argv)
{
    if (argc < 2)
    {
        std::fprintf(stderr, "usage: %s <file.rdlc> [columns]\n", argv[0]);
        return 2;
    }
    const char* path = argv[1];
    const int columns = argc > 2 ? std::atoi(argv[2]) : 8000;
    {
        const DataSetNames names = WideTable(columns);
        TextFile file(path, /*flush=*/false, '=', 60, /*disabled=*/false, /*append=*/false);
        ReportDefinitionWriter(names, "WIDE LIST", file).Write();
        file.Close();
        if (!file.GetFailure().IsEmpty())
        {
            std::fprintf(stderr, "cannot write %s: %s\n", path, file.GetFailure().GetString());
            return 1;
        }
    }
    const double megabytes = std::filesystem::file_size(path) / 1e6;

    double best = 1e9;
    std::size_t textBoxes = 0;
    std::size_t fields = 0;
    for (int run = 0; run < 3; ++run)
    {
        const auto start = std::chrono::steady_clock::now();
        XmlFile xml(path);
        const char* stop = xml.Load();
        std::vector<XmlNode*> found;
        xml.FindElements("Textbox", found);
        textBoxes = found.size();
        xml.FindElements("Field", found);
        fields = found.size();
        const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
        best = std::min(best, took.count());
        if (stop == nullptr || xml.GetParseOptions().errorFlag)
        {
            std::fprintf(stderr, "the load stopped: %s\n",
                         xml.GetParseOptions().errorMessage.GetString());
            return 1;
        }
    }
    std::printf("report definition: %d columns, %.1f MB\n", columns, megabytes);
    std::printf("XmlFile::Load and FindElements: %.3f s (best of 3; %zu Textbox and %zu Field "
                "elements)\n",
                best, textBoxes, fields);
    return 0;
}
