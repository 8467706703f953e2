#include "editors/ProgramFiles.h"
#include "entities/Designation.h"
#include "model/Field.h"
#include "model/ProjectSettings.h"
#include "model/Table.h"
#include "platform/core/HostPath.h"
#include "platform/ui/QtMessageBox.h"
#include "platform/ui/RecentFileList.h"
#include "shell/BrowseFilePathDlg.h"
#include "shell/ForgeonView.h"
#include "shell/logic/ProjectTree.h"
#include "tests/model/ModelBuilders.h"
#include "tests/shell/ShellTestSupport.h"

#include <QMessageBox>
#include <QWidget>

#include <fstream>

namespace
{
constexpr const char* kSaveQuestion = "Do you want to save changes in current project?";

class DocumentCommandsTest : public ::testing::Test
{
protected:
    std::vector<CString> RequestTitles() const
    {
        std::vector<CString> titles;
        for (const FileChoice& choice : program.files.Requests())
            titles.push_back(choice.title);
        return titles;
    }

    RunningProgram program;
};

TEST_F(DocumentCommandsTest, SaveAsksOnceForAFileAndThenWritesToIt)
{
    const std::string path = program.PathOf("Shop.wvt");
    program.files.Answer(path.c_str());
    program.Command(ID_FILE_SAVE);
    EXPECT_EQ(program.Doc().GetPath(), path.c_str());
    EXPECT_EQ(program.Caption(), CString(path.c_str()) + " - KestraneWeavo");
    ASSERT_TRUE(std::filesystem::exists(path));
    const FileChoice& choice = program.files.Requests().at(0);
    EXPECT_EQ(choice.kind, FileChoice::Kind::SaveFile);
    EXPECT_EQ(choice.title, "KestraneWeavo File Save");
    EXPECT_EQ(choice.fileName, "*.wvt");
    EXPECT_EQ(choice.filter, "wvt File (*.wvt)");

    std::filesystem::remove(path);
    EXPECT_TRUE(program.Doc().Save());
    EXPECT_TRUE(std::filesystem::exists(path));
    EXPECT_EQ(program.files.Requests().size(), 1u) << "a project with a file is not asked again";
    EXPECT_EQ(program.boxes.Shown().size(), 0u);
}

TEST_F(DocumentCommandsTest, ASaveCancelledOrFailedReportsFalseAndKeepsNoPath)
{
    program.files.Cancel();
    EXPECT_FALSE(program.Doc().Save());
    EXPECT_EQ(program.boxes.Shown().size(), 0u);

    // A file stands where the folder should be.
    std::ofstream(program.folder.Path() / "blocked") << "a file";
    const std::string path = program.PathOf("blocked/Shop.wvt");
    program.files.Answer(path.c_str());
    EXPECT_FALSE(program.Doc().Save());
    ASSERT_EQ(program.boxes.Shown().size(), 1u);
    EXPECT_EQ(program.boxes.Shown()[0].text.rfind("Error in archiving", 0), 0u);
    EXPECT_EQ(program.Doc().GetPath(), "");
    EXPECT_EQ(program.Caption(), "Untitled - KestraneWeavo");
}

TEST_F(DocumentCommandsTest, SaveAsMovesTheProjectToTheNewFileOnlyWhenItWasWritten)
{
    const std::string first = program.PathOf("First.wvt");
    const std::string second = program.PathOf("Second.wvt");
    program.files.Answer(first.c_str());
    program.Command(ID_FILE_SAVE_AS);
    EXPECT_EQ(program.Doc().GetPath(), first.c_str());
    EXPECT_EQ(program.files.Requests().at(0).title, "KestraneWeavo File Save As");

    program.files.Cancel();
    EXPECT_FALSE(program.Doc().SaveAs(&program.Project(), false));
    std::ofstream(program.folder.Path() / "blocked") << "a file";
    program.files.Answer(program.PathOf("blocked/Third.wvt").c_str());
    EXPECT_FALSE(program.Doc().SaveAs(&program.Project(), false));
    EXPECT_EQ(program.Doc().GetPath(), first.c_str());

    // A merged project is written elsewhere and leaves the path alone.
    program.files.Answer(second.c_str());
    EXPECT_TRUE(program.Doc().SaveAs(&program.Project(), true));
    EXPECT_EQ(program.files.Requests().back().title, "Save merged file As");
    EXPECT_TRUE(std::filesystem::exists(second));
    EXPECT_EQ(program.Doc().GetPath(), first.c_str());
    EXPECT_EQ(program.Doc().GetTitle(), first.c_str());
}

TEST_F(DocumentCommandsTest, SaveAsRefusesANameWithABackslashAndWritesNoOtherFile)
{
    std::filesystem::create_directory(program.folder.Path() / "we");
    std::ofstream(program.folder.Path() / "we" / "ird.wvt") << "another project";
    const std::string odd = program.PathOf("we\\ird.wvt");
    program.files.Answer(odd.c_str());
    program.files.Cancel();
    EXPECT_FALSE(program.Doc().SaveAs(&program.Project(), false));
    EXPECT_EQ(ReadHostFile(program.folder.Path() / "we" / "ird.wvt"), "another project");
    EXPECT_FALSE(std::filesystem::exists(odd));
    ASSERT_EQ(program.boxes.Shown().size(), 1u);
    EXPECT_EQ(program.boxes.Shown()[0].text,
              odd + "\nFile and folder names with a \"\\\" cannot be used here. Please choose "
                    "another name.");
    ASSERT_EQ(program.files.Requests().size(), 2u) << "the dialog comes again";
    EXPECT_EQ(program.files.Requests()[1].initialFolder, program.folder.Path().c_str());
    EXPECT_EQ(program.files.Requests()[1].fileName, "we\\ird.wvt");
    EXPECT_EQ(program.Doc().GetPath(), "");
}

TEST_F(DocumentCommandsTest, NewOnANeverSavedProjectOffersSaveAsAndStaysWhenItIsCancelled)
{
    ForgeonProject* before = &program.Project();
    before->AddNewModule();
    program.boxes.Answer(IDYES);
    program.files.Cancel();
    program.Command(ID_FILE_NEW);
    ASSERT_EQ(program.boxes.Shown().size(), 1u);
    EXPECT_EQ(program.boxes.Shown()[0].text, kSaveQuestion);
    EXPECT_EQ(program.boxes.Shown()[0].type, MB_YESNOCANCEL | MB_ICONINFORMATION);
    EXPECT_EQ(RequestTitles().at(0), "KestraneWeavo File Save As");
    EXPECT_EQ(&program.Project(), before);
    EXPECT_EQ(program.Project().GetModuleCount(), 2);

    program.boxes.Answer(IDCANCEL);
    program.Command(ID_FILE_NEW);
    EXPECT_EQ(program.Project().GetModuleCount(), 2);

    // A save that fails keeps the project as well.
    std::ofstream(program.folder.Path() / "blocked") << "a file";
    program.boxes.Answer(IDYES);
    program.boxes.Answer(IDOK);
    program.files.Answer(program.PathOf("blocked/Shop.wvt").c_str());
    program.Command(ID_FILE_NEW);
    EXPECT_EQ(&program.Project(), before);
    EXPECT_EQ(program.Project().GetModuleCount(), 2);
    EXPECT_EQ(program.boxes.Shown().back().text.rfind("Error in archiving", 0), 0u);

    program.boxes.Answer(IDNO);
    program.Command(ID_FILE_NEW);
    EXPECT_EQ(program.Project().GetModuleNames(), std::vector<CString>{"BaseModule"});
    EXPECT_EQ(program.Frame().GetCurrentRightPane(), RightPane::StartPage);
    EXPECT_EQ(program.boxes.UnscriptedCount(), 0u);
}

TEST_F(DocumentCommandsTest, NewOnASavedProjectSavesItFirstOnYes)
{
    const std::string path = program.PathOf("Shop.wvt");
    program.files.Answer(path.c_str());
    ASSERT_TRUE(program.Doc().Save());
    program.Project().AddNewModule();
    program.boxes.Answer(IDYES);
    program.Command(ID_FILE_NEW);
    EXPECT_EQ(program.files.Requests().size(), 1u) << "Save, not Save As";
    EXPECT_EQ(program.Project().GetModuleCount(), 1);
    EXPECT_EQ(program.Doc().GetPath(), "");
    EXPECT_EQ(program.Caption(), "Untitled - KestraneWeavo");

    ProjectStore store;
    ASSERT_TRUE(store.ArchiveProject(nullptr, path.c_str(), TRUE));
    EXPECT_EQ(store.GetProject()->GetModuleCount(), 2) << "the project was saved before New";
}

TEST_F(DocumentCommandsTest, OpenReadsTheFileAndListsItAsRecent)
{
    const std::string path = program.PathOf("Shop.wvt");
    WriteTwoModuleProject(path);
    program.files.Answer(path.c_str());
    program.Command(ID_FILE_OPEN);
    const FileChoice& choice = program.files.Requests().at(0);
    EXPECT_EQ(choice.kind, FileChoice::Kind::OpenFile);
    EXPECT_EQ(choice.title, "KestraneWeavo File Open");
    EXPECT_EQ(choice.filter, "wvt File (*.wvt);;WVP File (*.wvp)");
    EXPECT_EQ(program.Project().GetModuleCount(), 2);
    EXPECT_EQ(program.Doc().GetPath(), path.c_str());
    EXPECT_EQ(program.Doc().GetTitle(), path.c_str());
    EXPECT_EQ((*program.app.GetRecentFileList())[0], path.c_str());

    // The recent-file command opens it again after New.
    program.boxes.Answer(IDNO);
    program.Command(ID_FILE_NEW);
    EXPECT_EQ(program.Project().GetModuleCount(), 1);
    program.app.OnCmdMsg(ID_FILE_MRU_FILE1, 0);
    EXPECT_EQ(program.Project().GetModuleCount(), 2);
    EXPECT_EQ(program.Doc().GetPath(), path.c_str());
}

TEST_F(DocumentCommandsTest, AFileThatDoesNotLoadKeepsTheOpenProjectItsPathAndTitle)
{
    const std::string good = program.PathOf("Good.wvt");
    const std::string bad = program.PathOf("Bad.wvt");
    WriteTwoModuleProject(good);
    std::ofstream(bad) << "not a project";
    ASSERT_TRUE(program.Doc().OpenProjectFile(good.c_str()));
    ForgeonProject* open = &program.Project();
    // Project Properties shows the project folder in the title.
    const std::string folder = program.folder.Path().string() + "/";
    program.dialogs.Answer(
        [&](CDialog&, DialogDriver& user)
        {
            user.SetText(BrowseFilePathDlg::IDC_DATABASE_NAME, "ShopData");
            user.SetText(BrowseFilePathDlg::IDC_PROJECT_NAME, "Shop");
            user.SetText(BrowseFilePathDlg::IDC_PROJECT_PATH, folder.c_str());
            user.PressOk();
        });
    program.Command(ID_PROJECT_PROPERTIES);
    EXPECT_EQ(program.Doc().GetTitle(), folder.c_str());

    // The changed project is given up, then the file does not load.
    program.boxes.Answer(IDNO);
    program.files.Answer(bad.c_str());
    program.Command(ID_FILE_OPEN);
    ASSERT_EQ(program.boxes.Shown().size(), 2u);
    EXPECT_EQ(program.boxes.Shown()[0].text, kSaveQuestion);
    EXPECT_EQ(program.boxes.Shown()[1].text.rfind("Error in archiving", 0), 0u);
    EXPECT_EQ(&program.Project(), open);
    EXPECT_EQ(program.Doc().GetPath(), good.c_str());
    EXPECT_EQ(program.Doc().GetTitle(), good.c_str());
    EXPECT_EQ(program.app.GetRecentFileList()->GetCount(), 1);
    EXPECT_NE(program.Frame().GetTreeView()->GetProjectTree().GetModuleItem(1), nullptr);
    EXPECT_EQ(program.Frame().GetTreeView()->GetProjectTree().GetModuleItem(2), nullptr);

    // Saving now writes the open project to its own file; the bad file is left as it was.
    EXPECT_TRUE(program.Doc().Save());
    EXPECT_EQ(ReadHostFile(bad), "not a project");
}

TEST_F(DocumentCommandsTest, ClosingAsksAndCancelOrAFailedSaveKeepsTheWindow)
{
    HWND window = program.Frame().GetSafeHwnd();
    program.Project().AddNewModule();
    program.boxes.Answer(IDCANCEL);
    program.Frame().SendMessage(WM_CLOSE);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(program.boxes.Shown().at(0).text, kSaveQuestion);

    program.boxes.Answer(IDYES);
    program.files.Cancel();
    program.Frame().SendMessage(WM_CLOSE);
    EXPECT_TRUE(window->isVisible()) << "the save did not happen";

    std::ofstream(program.folder.Path() / "blocked") << "a file";
    program.boxes.Answer(IDYES);
    program.files.Answer(program.PathOf("blocked/Shop.wvt").c_str());
    program.Frame().SendMessage(WM_CLOSE);
    EXPECT_TRUE(window->isVisible()) << "the save failed";

    program.boxes.Answer(IDNO);
    program.Frame().SendMessage(WM_CLOSE);
    EXPECT_FALSE(window->isVisible());
}

TEST_F(DocumentCommandsTest, SwitchingTheDatabaseKindAsksFirst)
{
    ASSERT_EQ(program.Project().IsSqlServerDatabase(), 1);
    program.boxes.Answer(IDNO);
    program.Command(ID_SWITCH_DATABASE);
    EXPECT_EQ(program.Project().IsSqlServerDatabase(), 1);
    program.boxes.Answer(IDYES);
    program.Command(ID_SWITCH_DATABASE);
    EXPECT_EQ(program.Project().IsSqlServerDatabase(), 0);
    program.boxes.Answer(IDYES);
    program.Command(ID_SWITCH_DATABASE);
    EXPECT_EQ(program.Project().IsSqlServerDatabase(), 1);
    ASSERT_EQ(program.boxes.Shown().size(), 3u);
    EXPECT_EQ(program.boxes.Shown()[0].text,
              "Do you want to change the database from SQL to PGSQL?");
    EXPECT_EQ(program.boxes.Shown()[2].text,
              "Do you want to change the database from PGSQL to SQL?");
}

TEST_F(DocumentCommandsTest, ExportedTablesImportOnceWithTheirPagesAndGiveNoRoleIdAway)
{
    Module* base = program.Project().GetBaseModule();
    auto* table = new Table;
    table->SetTableName("Customer");
    ASSERT_TRUE(base->AddTable(table));
    const std::string path = program.PathOf("Customer.wvp");
    program.files.Answer(path.c_str());
    ASSERT_TRUE(program.Doc().ExportTable(table));
    EXPECT_EQ(program.files.Requests().at(0).title, "KestraneWeavo File Export");

    program.boxes.Answer(IDNO);
    program.Command(ID_FILE_NEW);
    const int roleCounter = Designation::GetIdCounter();
    program.files.Answer(path.c_str());
    program.Command(ID_IMPORT_TABLES);
    EXPECT_EQ(program.files.Requests().at(1).title, "KestraneWeavo File Import");
    Module* into = program.Project().GetCurrentModule();
    CString name = "Customer";
    Table* imported = into->FindTableByName(name);
    ASSERT_NE(imported, nullptr);
    EXPECT_NE(into->FindMasterFormForTable(imported), nullptr);
    EXPECT_EQ(Designation::GetIdCounter(), roleCounter);
    EXPECT_EQ(program.boxes.Shown().size(), 1u) << "only the New question";

    program.files.Answer(path.c_str());
    program.Command(ID_IMPORT_TABLES);
    ASSERT_EQ(program.boxes.Shown().size(), 2u);
    EXPECT_EQ(program.boxes.Shown()[1].text,
              "Following tables are already present in wvp\nCustomer\n");
    EXPECT_EQ(Designation::GetIdCounter(), roleCounter);

    // Into another module: table names are kept apart in the whole project.
    program.Project().SetCurrentModule(program.Project().AddNewModule());
    program.files.Answer(path.c_str());
    program.Command(ID_IMPORT_TABLES);
    ASSERT_EQ(program.boxes.Shown().size(), 3u);
    EXPECT_EQ(program.boxes.Shown()[2].text, program.boxes.Shown()[1].text);
}

TEST_F(DocumentCommandsTest, TheDefaultThemeIsTheFirstSchemeAndMasterPageOfTheLibrary)
{
    // A theme library beside the program whose names sort before any other.
    const std::filesystem::path themes =
        std::filesystem::path(GetProgramFolder().GetString()) / "themes";
    const std::filesystem::path theme = themes / "0000TestTheme";
    std::filesystem::create_directories(theme / "0Blue" / "UI");
    std::filesystem::create_directories(theme / "1Green");
    std::ofstream(theme / "0Blue" / "preview.jpeg") << "picture";
    std::ofstream(theme / "1Green" / "preview.jpg") << "picture";
    std::ofstream(theme / "0Blue" / "UI" / "Main.master") << "master";
    program.Doc().ApplyDefaultTheme();
    std::filesystem::remove_all(theme);
    const ProjectSettings& settings = *program.Project().GetProjectSettings();
    EXPECT_EQ(settings.GetThemeName(), "0000TestTheme");
    EXPECT_EQ(settings.GetColorSchemeName(), "0Blue");
    EXPECT_EQ(settings.GetMasterPageFile(), "Main.master");
}

TEST_F(DocumentCommandsTest, ImportedForeignKeysPointAtTheOpenProjectsTablesOfTheSameName)
{
    Module* base = program.Project().GetBaseModule();
    Table* country = NewTable("Country", Table::masterKind, {"Name"});
    Table* city = NewTable("City", Table::masterKind, {});
    AddVarcharField(city, "Country_id", country->GetFields().front());
    base->AppendMasterTable(country);
    base->AppendMasterTable(city);
    const std::string path = program.PathOf("City.wvp");
    program.files.Answer(path.c_str());
    ASSERT_TRUE(program.Doc().ExportTable(city));

    program.boxes.Answer(IDNO);
    program.Command(ID_FILE_NEW);
    Table* newCountry = NewTable("Country", Table::masterKind, {"Name"});
    program.Project().GetBaseModule()->AppendMasterTable(newCountry);
    program.files.Answer(path.c_str());
    program.Command(ID_IMPORT_TABLES);
    CString name = "City";
    Table* imported = program.Project().GetBaseModule()->FindTableByName(name);
    ASSERT_NE(imported, nullptr);
    const Field* key = imported->FindFieldByName("Country_id");
    ASSERT_NE(key, nullptr);
    EXPECT_EQ(key->GetForeignField(), newCountry->GetFields().front());
}

TEST_F(DocumentCommandsTest, SqlQueryMakesTheScriptsFolderAndWritesTheDatabaseScript)
{
    enum class Folder
    {
        missing,
        present,
        blockedByAFile
    };
    struct Case
    {
        const char* what;
        bool path;
        Folder folder;
        std::string box;
    };
    program.Project().SetProjectName("Shop");
    const std::filesystem::path script =
        program.folder.Path() / "Shop" / "scripts" / "KestraneWeavo_Shop_Script.sql";
    const std::string written = "The database script was written to " + script.string();
    // A new project has no path until one is set; a written script is named.
    const Case cases[] = {
        {"no project path", false, Folder::present,
         "Project Path not set for this project.\nPlease fill project properties before writing "
         "SQL."},
        {"no scripts folder", true, Folder::missing, written},
        {"scripts folder", true, Folder::present, written},
        {"a file where the folder goes", true, Folder::blockedByAFile,
         "Could not write script at " + (program.folder.Path() / "Shop/scripts/").string() +
             "\nNot a directory"},
    };
    for (const Case& test : cases)
    {
        SCOPED_TRACE(test.what);
        if (test.path)
            program.Project().SetProjectPath(program.folder.ModelPath());
        std::filesystem::remove_all(script.parent_path().parent_path());
        if (test.folder == Folder::present)
            std::filesystem::create_directories(script.parent_path());
        if (test.folder == Folder::blockedByAFile)
            std::ofstream(script.parent_path().parent_path()) << "a file";
        const std::size_t shown = program.boxes.Shown().size();
        program.Command(ID_SQL_QUERY);
        const std::vector<std::string> texts = program.boxes.ShownTexts();
        EXPECT_EQ(std::vector(texts.begin() + static_cast<std::ptrdiff_t>(shown), texts.end()),
                  std::vector{test.box});
        EXPECT_EQ(std::filesystem::exists(script), test.box == written);
    }
}
// The hidden command 32786 writes every script of the project: the database script, the
// procedure file of each table with procedures and the designation rows of every module's roles.
// It needs the project path first, names the files it wrote, and names a file it cannot write.
TEST_F(DocumentCommandsTest, ProjectSqlScriptsWriteEveryScriptOfTheProject)
{
    const std::filesystem::path script =
        program.folder.Path() / "_system" / "scripts" / "desigInsert.sql";
    program.Command(ID_PROJECT_SQL_SCRIPTS);
    EXPECT_EQ(program.boxes.ShownTexts(),
              std::vector<std::string>{"Project Path not set for this project.\nPlease fill "
                                       "project properties before writing SQL."});
    EXPECT_FALSE(std::filesystem::exists(script));

    program.Project().SetProjectPath(program.folder.ModelPath());
    // A database named, the project not: the scripts lie under the project path itself.
    program.Project().SetDatabaseName("Shop_db");
    Module& base = *program.Project().GetBaseModule();
    auto* clerk = new Designation;
    clerk->SetName("O'Brien Clerk");
    base.Append(clerk);
    Table* table = base.GetMasterTables().at(0);
    base.Append(NewProcedure("Insert_Clerks", table));
    program.Command(ID_PROJECT_SQL_SCRIPTS);
    const std::filesystem::path database = ToHostPath(program.Project().GetScriptFilePath());
    const std::filesystem::path procedures =
        program.folder.Path() / "Scripts" / (table->GetTableName().str() + "_procedureCreate.sql");
    ASSERT_EQ(program.boxes.Shown().size(), 2u);
    const std::string written = program.boxes.ShownTexts()[1];
    EXPECT_EQ(written.rfind(
                  "The SQL scripts of the project were written:\n" + database.string() + "\n", 0),
              0u)
        << written;
    for (const std::filesystem::path& path : {database, procedures, script})
    {
        EXPECT_NE(written.find(path.string()), std::string::npos) << path;
        EXPECT_TRUE(std::filesystem::is_regular_file(path)) << path;
    }
    EXPECT_NE(ReadHostFile(database).find("CREATE TABLE"), std::string::npos);
    EXPECT_NE(ReadHostFile(procedures).find("Insert_Clerks"), std::string::npos);
    std::string expected = "DELETE FROM Designations\r\n";
    int position = 0;
    for (const Designation* role : base.GetDesignations())
    {
        CString name = role->GetName();
        name.Replace("'", "''");
        expected += "INSERT INTO Designations(Designations_Id, Designation_Name,Reports_To) "
                    "VALUES(" +
                    std::to_string(++position) + ",'" + name.str() + "', 0)\r\n";
    }
    EXPECT_EQ(ReadHostFile(script), expected + "\r\n");

    // A named project's database script lies in the project's folder, the others under its
    // path: each is written where it lies.
    std::filesystem::remove(script);
    program.Project().SetProjectName("Shop");
    program.Command(ID_PROJECT_SQL_SCRIPTS);
    const std::filesystem::path named = ToHostPath(program.Project().GetScriptFilePath());
    ASSERT_EQ(program.boxes.Shown().size(), 3u);
    EXPECT_EQ(program.boxes.ShownTexts()[2], "The SQL scripts of the project were written:\n" +
                                                 named.string() + "\n" + procedures.string() +
                                                 "\n" + script.string());
    EXPECT_NE(ReadHostFile(named).find("CREATE TABLE"), std::string::npos);
    EXPECT_EQ(ReadHostFile(script), expected + "\r\n");

    // A script that has another name, and another text, is replaced by a file of its own, and
    // the box says so, as Write All's does.
    std::ofstream(script, std::ios::app) << "changed";
    const std::filesystem::path other = program.folder.Path() / "desigInsert.sql.other";
    std::filesystem::create_hard_link(script, other);
    program.Command(ID_PROJECT_SQL_SCRIPTS);
    ASSERT_EQ(program.boxes.Shown().size(), 4u);
    EXPECT_EQ(program.boxes.ShownTexts()[3], program.boxes.ShownTexts()[2] +
                                                 "\n\nThese links were replaced by the files "
                                                 "written:\n" +
                                                 script.string() + " (it was a hard link)");
    EXPECT_EQ(ReadHostFile(other), expected + "\r\nchanged");

    std::filesystem::remove(script);
    std::filesystem::create_directory(script);
    program.Command(ID_PROJECT_SQL_SCRIPTS);
    ASSERT_EQ(program.boxes.Shown().size(), 5u);
    EXPECT_NE(program.boxes.ShownTexts()[4].find("desigInsert.sql"), std::string::npos)
        << program.boxes.ShownTexts()[4];
}

TEST_F(DocumentCommandsTest, AProjectNobodyChangedGivesWayWithoutAQuestion)
{
    program.Command(ID_FILE_NEW);
    EXPECT_EQ(program.boxes.ShownTexts(), std::vector<std::string>{});

    program.Project().AddNewModule();
    program.boxes.Answer(IDNO);
    program.Command(ID_FILE_NEW);
    EXPECT_EQ(program.boxes.ShownTexts(), std::vector<std::string>{kSaveQuestion});
    EXPECT_EQ(program.Project().GetModuleCount(), 1);

    HWND window = program.Frame().GetSafeHwnd();
    program.Frame().SendMessage(WM_CLOSE);
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(program.boxes.ShownTexts().size(), 1u) << "Exit asks nothing either";
}

TEST_F(DocumentCommandsTest, OpeningAnotherProjectAsksFirstAndCancelKeepsTheChanges)
{
    const std::string other = program.PathOf("Other.wvt");
    WriteTwoModuleProject(other);
    program.files.Answer(program.PathOf("Shop.wvt").c_str());
    ASSERT_TRUE(program.Doc().Save());
    program.Doc().OpenProjectFile(program.PathOf("Shop.wvt").c_str());
    program.app.AddToRecentFileList(other.c_str());
    program.Project().GetBaseModule()->SetName("Changed");
    for (const UINT command : {UINT(ID_FILE_OPEN), UINT(ID_FILE_MRU_FILE1)})
    {
        program.boxes.Answer(IDCANCEL);
        program.Command(command);
        EXPECT_EQ(program.Project().GetBaseModule()->GetName(), "Changed") << command;
        EXPECT_EQ(program.Doc().GetPath(), program.PathOf("Shop.wvt").c_str()) << command;
    }
    EXPECT_EQ(program.boxes.ShownTexts(), (std::vector<std::string>{kSaveQuestion, kSaveQuestion}));
    EXPECT_EQ(program.files.Requests().size(), 1u) << "no file is asked for after Cancel";

    // No loses the changes; what the status bar said of the merge is not said of the other.
    MainFrameAccess::SetStatusText("Merging completed.");
    program.boxes.Answer(IDNO);
    program.files.Answer(other.c_str());
    program.Command(ID_FILE_OPEN);
    EXPECT_EQ(program.Doc().GetPath(), other.c_str());
    EXPECT_EQ(program.Project().GetModuleCount(), 2);
    EXPECT_EQ(program.Frame().GetStatusBar()->GetPaneText(0), "");
    EXPECT_EQ(program.boxes.UnscriptedCount(), 0u);
}

TEST_F(DocumentCommandsTest, AProjectAsItWasSavedOrOpenedGivesWayWithoutAQuestion)
{
    const std::string path = program.PathOf("Shop.wvt");
    program.Project().AddNewModule();
    program.files.Answer(path.c_str());
    program.Command(ID_FILE_SAVE);
    program.Command(ID_FILE_NEW);
    EXPECT_EQ(program.boxes.ShownTexts(), std::vector<std::string>{}) << "saved, then New";

    program.files.Answer(path.c_str());
    program.Command(ID_FILE_OPEN);
    ASSERT_EQ(program.Project().GetModuleCount(), 2);
    program.app.OnCmdMsg(ID_FILE_MRU_FILE1, 0);
    EXPECT_EQ(program.boxes.ShownTexts(), std::vector<std::string>{}) << "opened, then reopened";

    program.Project().AddNewModule();
    program.Command(ID_FILE_SAVE);
    HWND window = program.Frame().GetSafeHwnd();
    program.Frame().SendMessage(WM_CLOSE);
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(program.boxes.ShownTexts(), std::vector<std::string>{}) << "saved again, then Exit";
}

TEST_F(DocumentCommandsTest, TheFirstSaveOfAProjectWithAPathStartsInItsFolderUnderItsName)
{
    // Named after the path was set, the project has no folder yet: the dialog starts in the path.
    program.Project().SetProjectPath(program.folder.Path().c_str());
    program.Project().SetProjectName("Till");
    program.files.Cancel();
    program.Command(ID_FILE_SAVE);
    std::filesystem::create_directory(program.folder.Path() / "Till");
    program.files.Cancel();
    program.Command(ID_FILE_SAVE_AS);
    ASSERT_EQ(program.files.Requests().size(), 2u);
    EXPECT_EQ(program.files.Requests()[0].initialFolder, program.PathOf("").c_str());
    EXPECT_EQ(program.files.Requests()[1].initialFolder, program.PathOf("Till/").c_str());
    for (const FileChoice& choice : program.files.Requests())
        EXPECT_EQ(choice.fileName, "Till.wvt");
}

TEST_F(DocumentCommandsTest, FileDialogsStartInTheProjectsFolderAndTheFirstSaveIsRecent)
{
    const std::filesystem::path folder = program.folder.Path() / "shop";
    std::filesystem::create_directory(folder);
    const std::string path = (folder / "Shop.wvt").string();
    program.files.Answer(path.c_str());
    program.Command(ID_FILE_SAVE);
    ASSERT_EQ(program.Doc().GetPath(), path.c_str());
    EXPECT_EQ((*program.app.GetRecentFileList())[0], path.c_str());

    program.files.Cancel();
    program.Command(ID_FILE_SAVE_AS);
    program.files.Cancel();
    program.Command(ID_FILE_OPEN);
    // A new project has no folder of its own: the dialog starts in the folder chosen last.
    program.Command(ID_FILE_NEW);
    program.files.Cancel();
    program.Command(ID_FILE_OPEN);
    std::vector<std::string> folders;
    for (const FileChoice& choice : program.files.Requests())
        folders.emplace_back(choice.initialFolder.GetString());
    const std::string shown = folder.string() + "/";
    EXPECT_EQ(std::vector(folders.begin() + 1, folders.end()),
              (std::vector<std::string>{shown, shown, shown}));
}

TEST_F(DocumentCommandsTest, MessageBoxesAreTitledWithTheNameTheWindowShows)
{
    const std::unique_ptr<QMessageBox> box = CreateMessageBox("Saved.", MB_OK);
    EXPECT_EQ(box->windowTitle().toStdString(), "KestraneWeavo");
    EXPECT_EQ(program.Caption(), "Untitled - KestraneWeavo");
}
} // namespace
