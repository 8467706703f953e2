// The document's Merge Project command end to end: the open file refused, a second project file
// merged whole through the merge entity dialog, the result saved under a new name, the final
// message and the merge inputs freed.
#include "entities/ApplicationReport.h"
#include "entities/AspFile.h"
#include "entities/ReportCollector.h"
#include "model/Field.h"
#include "model/Table.h"
#include "model/TableFormCreator.h"
#include "tests/model/ModelBuilders.h"
#include "tests/shell/MergeAnswers.h"
#include "tests/shell/ShellTestSupport.h"

namespace
{
// A new project with the module "Stock": the master table stock with two fields.
void WriteStockProject(const std::string& path)
{
    ProjectStore store;
    ForgeonProject* project = store.GetProject();
    project->InitNewProject();
    Module* stock = NewModule("Stock", 7);
    Table* table = NewTable("stock", Table::masterKind, {"item", "quantity"});
    stock->AppendMasterTable(table);
    project->AddModule(stock);
    ASSERT_TRUE(store.ArchiveProject(project, path.c_str(), FALSE));
}

std::vector<std::string> MergedFieldNames(const Table& table)
{
    std::vector<std::string> names;
    for (const Field* field : table.GetFields())
        names.emplace_back(field->GetFieldName().GetString());
    return names;
}

class MergeProjectCommandTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        program.files.Answer(program.PathOf("Shop.wvt").c_str());
        program.Command(ID_FILE_SAVE);
        ASSERT_EQ(program.Doc().GetPath(), program.PathOf("Shop.wvt").c_str());
        WriteStockProject(program.PathOf("Stock.wvt"));
    }

    // The command answered through: Stock.wvt chosen, its module "Stock" merged whole as a new
    // module, saved as Merged.wvt, the last message confirmed.
    void MergeStockWhole()
    {
        program.boxes.Answer(IDOK);
        program.files.Answer(program.PathOf("Stock.wvt").c_str());
        AnswerMergeWholeModule(program, "Stock");
        program.boxes.Answer(IDYES);
        program.files.Answer(program.PathOf("Merged.wvt").c_str());
        program.boxes.Answer(IDOK);
        program.Command(ID_MERGE_PROJECT);
    }

    std::vector<CString> RequestTitles() const
    {
        std::vector<CString> titles;
        for (const FileChoice& request : program.files.Requests())
            titles.push_back(request.title);
        return titles;
    }

    RunningProgram program;
    TempFolderOverride temp{program.folder.Path()};
};

TEST_F(MergeProjectCommandTest, TheOpenFileIsRefusedAndCancelStopsBeforeTheFileChooser)
{
    program.boxes.Answer(IDCANCEL);
    program.Command(ID_MERGE_PROJECT);
    program.boxes.Answer(IDOK);
    program.files.Answer(program.PathOf("Shop.wvt").c_str());
    program.Command(ID_MERGE_PROJECT);
    EXPECT_EQ(
        program.boxes.ShownTexts(),
        (std::vector<std::string>{"Do you really want to merge?", "Do you really want to merge?",
                                  "This file is in use. Please select another file for merging"}));
    EXPECT_EQ(program.boxes.Shown().front().type & MB_TYPEMASK, MB_OKCANCEL);
    EXPECT_EQ(RequestTitles(),
              (std::vector<CString>{"KestraneWeavo File Save", "Select file for merging"}));
    EXPECT_TRUE(program.dialogs.Shown().empty());
    EXPECT_EQ(program.Doc().GetStore().GetFirstMergeProject(), nullptr);
}

TEST_F(MergeProjectCommandTest, AFileIsMergedWholeSavedAsANewFileAndTheInputsAreFreed)
{
    const std::string folder = program.folder.Path().string();
    EXPECT_EQ(program.Frame().GetStatusBar()->GetPaneText(0),
              ("The project was saved to " + folder + "/Shop.wvt").c_str());
    MergeStockWhole();
    // The merged file is proposed under the first project's name, and said where it went.
    EXPECT_EQ(program.files.Requests().back().fileName, "Shop_merged.wvt");
    EXPECT_EQ(program.Frame().GetStatusBar()->GetPaneText(0),
              ("The merged project was saved to " + folder + "/Merged.wvt").c_str());

    EXPECT_EQ(program.dialogs.Shown(), std::vector<UINT>{MergeEntitySelector::IDD});
    EXPECT_EQ(program.dialogs.UnscriptedCount(), 0u);
    EXPECT_EQ(RequestTitles(),
              (std::vector<CString>{"KestraneWeavo File Save", "Select file for merging",
                                    "Save merged file As"}));
    EXPECT_EQ(program.boxes.ShownTexts(),
              (std::vector<std::string>{
                  "Do you really want to merge?", "A new module will be created in the merged WVT.",
                  "The merge report and logs are in " + temp.Own().string() + "."}));
    EXPECT_EQ(program.boxes.PendingAnswers(), 0u);
    EXPECT_TRUE(std::filesystem::exists(temp.Own() / "Report_ .txt"));

    // Both inputs are freed; the open project and its path are as they were.
    EXPECT_EQ(program.Doc().GetStore().GetFirstMergeProject(), nullptr);
    EXPECT_EQ(program.Doc().GetStore().GetSecondMergeProject(), nullptr);
    EXPECT_EQ(program.Doc().GetPath(), program.PathOf("Shop.wvt").c_str());
    EXPECT_EQ(program.Project().FindModuleByName("Stock"), nullptr);

    ProjectStore merged;
    ASSERT_TRUE(merged.ArchiveProject(nullptr, program.PathOf("Merged.wvt").c_str(), TRUE));
    const Module* stock = merged.GetProject()->FindModuleByName("Stock");
    ASSERT_NE(stock, nullptr);
    ASSERT_EQ(stock->GetMasterTables().size(), 1u);
    const Table& table = *stock->GetMasterTables().front();
    EXPECT_EQ(table.GetTableName(), "stock");
    std::vector<std::string> fields = MergedFieldNames(table);
    EXPECT_NE(std::ranges::find(fields, "item"), fields.end());
    EXPECT_NE(std::ranges::find(fields, "quantity"), fields.end());
    EXPECT_NE(merged.GetProject()->FindModuleByName("BaseModule"), nullptr);
}

// The open project's collector shows the search report of its table: the merged file is written
// and loads with the collector's file of the report owned by that report.
TEST_F(MergeProjectCommandTest, AProjectWithACollectorIsMergedAndSaved)
{
    Module* base = program.Project().GetBaseModule();
    Table* customer = NewTable("customer", Table::masterKind, {"name"});
    base->AddTable(customer);
    TableFormCreator(customer, &program.Project()).CreateAll();
    auto* collector = NewPage<ReportCollector>("board");
    base->AddReportCollector(collector);
    collector->AddReport({base->FindReportByName("customer Report"), 250, 450});
    MergeStockWhole();
    EXPECT_EQ(program.Frame().GetStatusBar()->GetPaneText(0),
              ("The merged project was saved to " + program.PathOf("Merged.wvt")).c_str());
    ProjectStore merged;
    ASSERT_TRUE(merged.ArchiveProject(nullptr, program.PathOf("Merged.wvt").c_str(), TRUE));
    const Module* loaded = merged.GetProject()->GetBaseModule();
    const ReportCollector* board = loaded->FindReportCollectorByName("board");
    ASSERT_NE(board, nullptr);
    const ApplicationReport* report = loaded->FindReportByName("customer Report");
    ASSERT_NE(board->FindAspFileForReport(report), nullptr);
    EXPECT_EQ(board->GetAspFiles().size(), 2u);
}

TEST_F(MergeProjectCommandTest, TheLastMessageListsTheLogsThatCouldNotBeWritten)
{
    // A file where the folder of the phase log and the master-form log should be.
    std::ofstream(temp.Own() / "KestraneWeavo").put('x');
    MergeStockWhole();
    const std::string folder = temp.Own().string();
    EXPECT_EQ(program.boxes.ShownTexts().back(),
              "The merge report and logs are in " + folder +
                  ".\n\nThese files could not be written:\n" + folder +
                  "/KestraneWeavo/merging.txt (Not a directory)\n" + folder +
                  "/KestraneWeavo/merging1.txt (Not a directory)");
    EXPECT_EQ(program.boxes.Shown().back().type, MB_OK | MB_ICONINFORMATION);
    ProjectStore merged;
    ASSERT_TRUE(merged.ArchiveProject(nullptr, program.PathOf("Merged.wvt").c_str(), TRUE));
    EXPECT_NE(merged.GetProject()->FindModuleByName("Stock"), nullptr);
}

// A merge run again once each report and log of the first run has another name (a hard link):
// the last message names every one as replaced, and the other name keeps its text.
TEST_F(MergeProjectCommandTest, AMergeOverItsFilesWithOtherNamesNamesEachOne)
{
    namespace fs = std::filesystem;
    MergeStockWhole();
    const fs::path links = program.folder.Path() / "links";
    fs::create_directory(links);
    std::vector<std::string> written;
    for (const auto& entry : fs::recursive_directory_iterator(temp.Own()))
        if (entry.is_regular_file())
        {
            written.push_back(entry.path().string());
            fs::create_hard_link(entry.path(), links / std::to_string(written.size()));
            std::ofstream(entry.path(), std::ios::app) << "kept";
        }
    // The report, the empty report of the start, the phase and master-form logs, the
    // new-entities log and its nine kinds.
    EXPECT_EQ(written.size(), 14u);
    MergeStockWhole();
    // The box shows the first of them and counts the rest, as every writer's message does.
    const std::string said = program.boxes.ShownTexts().back();
    const std::string heading = "The merge report and logs are in " + temp.Own().string() +
                                ".\n\nThese links were replaced by the files written:\n";
    ASSERT_EQ(said.rfind(heading, 0), 0u) << said;
    std::istringstream lines(said.substr(heading.size()));
    std::size_t named = 0;
    for (std::string line; std::getline(lines, line);)
    {
        if (line.starts_with("and "))
            named += std::stoul(line.substr(4));
        else if (line.ends_with(" (it was a hard link)") &&
                 std::ranges::find(written, line.substr(0, line.size() - 21)) != written.end())
            ++named;
        else
            ADD_FAILURE() << line;
    }
    EXPECT_EQ(named, written.size()) << said;
    for (std::size_t link = 1; link <= written.size(); ++link)
    {
        EXPECT_TRUE(ReadHostFile(links / std::to_string(link)).ends_with("kept"));
        EXPECT_EQ(fs::hard_link_count(links / std::to_string(link)), 1u);
    }
}

TEST_F(MergeProjectCommandTest, CancelInTheMergeEntityDialogEndsWithoutSaveOrMessage)
{
    program.boxes.Answer(IDOK);
    program.files.Answer(program.PathOf("Stock.wvt").c_str());
    program.dialogs.Answer([](CDialog&, DialogDriver& user) { user.PressCancel(); });
    program.Command(ID_MERGE_PROJECT);
    EXPECT_EQ(program.dialogs.Shown(), std::vector<UINT>{MergeEntitySelector::IDD});
    EXPECT_EQ(program.boxes.ShownTexts(), std::vector<std::string>{"Do you really want to merge?"});
    EXPECT_EQ(RequestTitles(),
              (std::vector<CString>{"KestraneWeavo File Save", "Select file for merging"}));
    EXPECT_EQ(program.Doc().GetStore().GetFirstMergeProject(), nullptr);
    EXPECT_EQ(program.Doc().GetStore().GetSecondMergeProject(), nullptr);
}

TEST_F(MergeProjectCommandTest, AnOpenProjectThatCannotBeSavedIsNotMerged)
{
    // A folder with something in it where the project file is: the save cannot replace it.
    const std::filesystem::path shop = program.PathOf("Shop.wvt");
    std::filesystem::remove(shop);
    std::filesystem::create_directory(shop);
    std::ofstream(shop / "inside").put('x');
    program.boxes.Answer(IDOK);
    program.Command(ID_MERGE_PROJECT);
    ASSERT_EQ(program.boxes.ShownTexts().size(), 2u);
    EXPECT_EQ(program.boxes.ShownTexts().front(), "Do you really want to merge?");
    EXPECT_EQ(RequestTitles(), std::vector<CString>{"KestraneWeavo File Save"});
    EXPECT_TRUE(program.dialogs.Shown().empty());
}
} // namespace
