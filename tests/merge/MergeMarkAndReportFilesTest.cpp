// The merge marks of report and dataset descriptions are never stored, and the run's report
// files are made under the host temp folder, their folders with them, or reported unwritten.
#include "merge/MergeReportFiles.h"
#include "model/TextFile.h"
#include "tests/merge/MergeInputs.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace
{
// A project whose RDLC report uses one description of each kind.
std::unique_ptr<ForgeonProject> BuildDescribed()
{
    Module* sales = nullptr;
    auto project = NewMergeProject("Marks", sales);
    Table* table = NewTable("stock");
    sales->AppendMasterTable(table);
    auto* info = new RDLCInfo;
    info->SetName("Reports\\stock.rdlc");
    info->AddDataSet("StockSet", "StockAdapter", "stock");
    project->AddRDLCInfo(info);
    auto* dataSet = new XSDInfo;
    dataSet->SetFilePath("DataSets\\StockSet.xsd");
    project->AddXSDInfo(dataSet);
    auto* report = NewPage<RDLCReport>("stock_rdlc");
    report->SetRDLCInfo(info);
    report->SetXSDInfo(dataSet);
    report->SetTable(table);
    sales->Append(report);
    return project;
}
} // namespace

class MergeMarkTest : public MergeInputs
{
protected:
    std::vector<BYTE> SavedBytes(ForgeonProject* project, const char* name)
    {
        EXPECT_TRUE(m_store.ArchiveProject(project, m_folder.ModelPath(name), FALSE)) << LastBox();
        const std::string text = ReadHostFile(m_folder.Path() / name);
        return std::vector<BYTE>(text.begin(), text.end());
    }
};

TEST_F(MergeMarkTest, MarkedDescriptionsSaveToTheBytesOfUnmarkedOnesAndLoadUnmarked)
{
    Load(BuildDescribed(), BuildDescribed());
    ForgeonProject* project = First();
    const std::vector<BYTE> clear = SavedBytes(project, "clear.wvt");
    RDLCInfo* info = project->GetRDLCInfos().front();
    XSDInfo* dataSet = project->GetXSDInfos().front();
    info->SetMergeMark(1);
    dataSet->SetMergeMark(1);
    FirstSales()->GetMasterTables().front()->SetMergeMark(1);
    FirstSales()->GetRDLCReports().front()->SetMergeMark(1);
    const RDLCInfo copy(*info);
    EXPECT_EQ(copy.GetMergeMark(), 0);
    EXPECT_EQ(copy.GetName(), info->GetName());
    EXPECT_EQ(copy.GetEntries().size(), 1u);

    const std::vector<BYTE> marked = SavedBytes(project, "marked.wvt");
    EXPECT_EQ(marked, clear) << FirstDifference(marked, clear);
    ASSERT_TRUE(m_store.LoadSecondMergeProject(m_folder.ModelPath("marked.wvt"))) << LastBox();
    EXPECT_EQ(Second()->GetRDLCInfos().front()->GetMergeMark(), 0);
    EXPECT_EQ(Second()->GetXSDInfos().front()->GetMergeMark(), 0);
}

// Files written whole when closed and logs written as they go alike.
TEST(MergeReportFilesTest, FilesAreMadeWithTheirFoldersOrRecordedAsUnwritten)
{
    struct Case
    {
        const char* relative;
        bool opened;
    };
    const Case cases[] = {
        {"KestraneWeavo\\merging.txt", true},
        {"Report_ .txt", true},
        {"blocked\\log.txt", false},
    };
    for (const auto open : {&MergeReportFiles::Open, &MergeReportFiles::OpenLog})
    {
        TempFolder temp;
        // A file where a folder of the path should be.
        std::ofstream(temp.Path() / "blocked").put('x');
        MergeReportFiles files;
        for (const Case& test : cases)
        {
            const CString path = temp.ModelPath(test.relative);
            TextFile writer(false, false, '=', 60);
            EXPECT_EQ((files.*open)(writer, path), test.opened) << test.relative;
            writer.Write(0, "%s\n", "line");
            files.Close(writer);
            const MergeReportFiles::File* file = files.FindFile(path);
            ASSERT_NE(file, nullptr) << test.relative;
            EXPECT_EQ(file->hostPath, ToHostPath(path)) << test.relative;
            EXPECT_EQ(file->opened, test.opened) << test.relative;
            EXPECT_EQ(file->written, test.opened) << test.relative;
            EXPECT_EQ(file->failure.IsEmpty(), test.opened) << test.relative;
            // An unopened file's text stays with its writer.
            EXPECT_EQ(std::filesystem::exists(file->hostPath), test.opened) << test.relative;
            EXPECT_EQ(ReadHostFileIfAny(file->hostPath), test.opened ? "line\r\n" : "")
                << test.relative;
            EXPECT_EQ(std::string(writer.GetBuffer().GetString()), test.opened ? "" : "line\n")
                << test.relative;
        }
        ASSERT_EQ(files.GetFailedFiles().size(), 1u);
        EXPECT_EQ(files.GetFailedFiles().front()->path, temp.ModelPath("blocked\\log.txt"));
        EXPECT_EQ(files.GetReport().GetUnwrittenFiles().size(), 1u);

        // Opened again for the next module pair, the file keeps its one record.
        TextFile writer(false, false, '=', 60);
        (files.*open)(writer, temp.ModelPath("KestraneWeavo\\merging.txt"));
        files.Close(writer);
        EXPECT_EQ(files.GetFiles().size(), 3u);
        EXPECT_EQ(ReadHostFile(temp.Path() / "KestraneWeavo" / "merging.txt"), "");
    }
}
