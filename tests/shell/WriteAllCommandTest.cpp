#include "editors/WriteAllDlg.h"
#include "entities/AspFile.h"
#include "entities/Class.h"
#include "entities/ClassInvokation.h"
#include "entities/Form.h"
#include "entities/Function.h"
#include "entities/Parameter.h"
#include "entities/RDLCInfo.h"
#include "entities/RDLCReport.h"
#include "entities/TableAdapter.h"
#include "entities/XSDInfo.h"
#include "model/FieldRep.h"
#include "model/FieldRepData.h"
#include "model/ProjectSettings.h"
#include "model/RDLCCreator.h"
#include "model/TableFormCreator.h"
#include "tests/gen_web/PreparedProjectFolder.h"
#include "tests/model/ModelBuilders.h"
#include "tests/shell/ShellTestSupport.h"

#include <fstream>
#include <vector>

namespace
{
// A new project "Shop" saved as Shop.wvt, writing into the temp folder prepared with the support
// files and the theme, with a file of the user's in its _modifiedCode folder.
class WriteAllCommandTest : public ::testing::Test
{
protected:
    WriteAllCommandTest()
    {
        program.Project().SetProjectName("Shop");
        program.Project().SetProjectPath(program.folder.Path().c_str());
        PrepareProjectFolder(program.Project());
        std::filesystem::create_directories(modified);
        std::ofstream(modified / "Web.config") << "mine";
    }

    // The save that Write All starts asks for Shop.wvt.
    void AnswerSave() { program.files.Answer(program.PathOf("Shop.wvt").c_str()); }

    // Write All runs without taking the files of _modifiedCode, then saves as Shop.wvt.
    void AnswerWithoutModifiedFiles()
    {
        program.dialogs.Answer(
            [](CDialog&, DialogDriver& user)
            {
                user.SetCheck(WriteAllDlg::IDC_MODIFIED_FILES, false);
                user.PressOk();
            });
        AnswerSave();
    }

    std::vector<std::string> Texts() const
    {
        std::vector<std::string> texts;
        for (const ScriptedMessageBoxes::ShownBox& box : program.boxes.Shown())
            texts.push_back(box.text);
        return texts;
    }

    RunningProgram program;
    const std::filesystem::path projectFolder = program.folder.Path() / "Shop";
    const std::filesystem::path output = projectFolder / "Shop";
    const std::filesystem::path modified = projectFolder / "_modifiedCode";
    const std::string success =
        "Your Code has been generated successfully. \nYou may load " +
        program.folder.Path().string() +
        "/Shop/Shop.sln in your Microsoft Visual Studio. \nPlease ensure that you have SP1 "
        "installed if you are using Visual Studio 2005";
};

TEST_F(WriteAllCommandTest, ACompleteRunSavesWritesTheTreeCopiesTheUsersFilesAndSaysSo)
{
    program.dialogs.Answer(
        [this](CDialog& dialog, DialogDriver& user)
        {
            EXPECT_EQ(dialog.GetTemplateId(), WriteAllDlg::IDD);
            EXPECT_EQ(user.GetText(WriteAllDlg::IDC_DESTINATION),
                      (program.folder.Path() / "Shop").string().c_str());
            user.PressOk();
        });
    AnswerSave();
    program.Command(ID_WRITE_ALL);
    EXPECT_TRUE(std::filesystem::exists(program.PathOf("Shop.wvt")));
    EXPECT_EQ(Texts(), std::vector<std::string>{success});
    for (const std::filesystem::path& written :
         {projectFolder / "Shop.sln", output / "Shop.csproj",
          output / "BaseModule" / "UI" / "Login.aspx", output / "Util" / "DBHandler.cs"})
        EXPECT_TRUE(std::filesystem::exists(written)) << written;
    EXPECT_EQ(ReadHostFile(output / "Web.config"), "mine");
    EXPECT_EQ(program.dialogs.UnscriptedCount(), 0u);
}

TEST_F(WriteAllCommandTest, AfterTheSiteFolderIsDeletedWriteAllWritesTheWholeSiteAgain)
{
    AnswerWithoutModifiedFiles();
    program.Command(ID_WRITE_ALL);
    std::filesystem::remove_all(output);
    program.dialogs.Answer([](CDialog&, DialogDriver& user) { user.PressOk(); });
    program.Command(ID_WRITE_ALL);
    // Each run found every file its project file lists written or in place.
    EXPECT_EQ(Texts(), (std::vector<std::string>{success, success}));
    const std::string projectFile = ReadHostFile(output / "Shop.csproj");
    for (const char* item :
         {"\"Themes\\UI\\Main.Master\"", "\"Themes\\UI\\Main.Master.cs\"",
          "\"Themes\\UI\\Main.Master.designer.cs\"", "\"includes\\CSS\\calendar.css\""})
        EXPECT_NE(projectFile.find(std::string(" Include=") + item), std::string::npos) << item;
    // The pages name the master page; the uploads stay behind the login.
    for (const std::filesystem::path& file :
         {output / "Themes" / "UI" / "Main.Master", output / "Themes" / "UI" / "Main.Master.cs",
          output / "Themes" / "UI" / "Main.Master.designer.cs"})
        EXPECT_TRUE(std::filesystem::is_regular_file(file)) << file;
    EXPECT_NE(
        ReadHostFile(output / "uploadedData" / "web.config").find("type=\"UploadedFileHandler\""),
        std::string::npos);
}

TEST_F(WriteAllCommandTest, WithoutTheOptionTheGeneratedFilesStay)
{
    AnswerWithoutModifiedFiles();
    program.Command(ID_WRITE_ALL);
    EXPECT_EQ(Texts(), std::vector<std::string>{success});
    EXPECT_NE(ReadHostFile(output / "Web.config"), "mine");
    EXPECT_NE(ReadHostFile(output / "Web.config").find("<configuration"), std::string::npos);
}

TEST_F(WriteAllCommandTest, ALinkInTheOutputIsReplacedAndTheSuccessMessageSaysSo)
{
    const std::filesystem::path elsewhere = program.folder.Path() / "elsewhere.config";
    std::ofstream(elsewhere) << "not the project's";
    std::filesystem::create_directories(output);
    std::filesystem::create_symlink(elsewhere, output / "Web.config");
    AnswerWithoutModifiedFiles();
    program.Command(ID_WRITE_ALL);
    EXPECT_EQ(Texts(), std::vector<std::string>{success +
                                                "\n\nThese links were replaced by the files "
                                                "written:\n" +
                                                (output / "Web.config").string() + " (it led to " +
                                                elsewhere.string() + ")"});
    EXPECT_EQ(ReadHostFile(elsewhere), "not the project's");
    EXPECT_FALSE(std::filesystem::is_symlink(output / "Web.config"));
    EXPECT_NE(ReadHostFile(output / "Web.config").find("<configuration"), std::string::npos);
}

TEST_F(WriteAllCommandTest, AnIncompleteRunNamesWhatWasNotWrittenAndNeitherCopiesNorSucceeds)
{
    std::filesystem::create_directories(projectFolder / "Shop.sln");
    program.dialogs.Answer([](CDialog&, DialogDriver& user) { user.PressOk(); });
    AnswerSave();
    program.Command(ID_WRITE_ALL);
    ASSERT_EQ(program.boxes.Shown().size(), 1u);
    EXPECT_NE(Texts()[0].find("Shop.sln"), std::string::npos);
    EXPECT_EQ(Texts()[0].find("successfully"), std::string::npos);
    EXPECT_NE(Texts()[0].find("\nYour modified files were not copied:\n" + modified.string() +
                              " (not every file was written)"),
              std::string::npos)
        << Texts()[0];
    EXPECT_NE(ReadHostFile(output / "Web.config"), "mine");
}

TEST_F(WriteAllCommandTest, AModifiedFileThatCannotBeCopiedIsNamedAndTheRunDoesNotSucceed)
{
    // The generated project file stands where the folder of this one goes.
    std::filesystem::create_directories(modified / "Shop.csproj");
    std::ofstream(modified / "Shop.csproj" / "Note.txt") << "mine";
    program.dialogs.Answer([](CDialog&, DialogDriver& user) { user.PressOk(); });
    AnswerSave();
    program.Command(ID_WRITE_ALL);
    const std::string expected = "These files could not be written:\n" +
                                 (output / "Shop.csproj" / "Note.txt").string() +
                                 " (Not a directory)";
    EXPECT_EQ(Texts(), std::vector<std::string>{expected});
    EXPECT_EQ(ReadHostFile(output / "Web.config"), "mine") << "the other files are copied";
}

TEST_F(WriteAllCommandTest, StopsBeforeAnythingWhenTheSaveIsCancelledOrTheProjectHasNoName)
{
    program.files.Cancel();
    program.Command(ID_WRITE_ALL);
    EXPECT_TRUE(program.dialogs.Shown().empty()) << "the cancelled save ends Write All";
    EXPECT_TRUE(program.boxes.Shown().empty());

    std::ofstream(program.folder.Path() / "blocked") << "a file";
    program.files.Answer(program.PathOf("blocked/Shop.wvt").c_str());
    program.Command(ID_WRITE_ALL);
    EXPECT_TRUE(program.dialogs.Shown().empty()) << "the failed save ends Write All";
    ASSERT_EQ(Texts().size(), 1u);
    EXPECT_EQ(Texts()[0].rfind("Error in archiving", 0), 0u);

    program.Project().SetProjectName("");
    AnswerSave();
    program.Command(ID_WRITE_ALL);
    EXPECT_TRUE(program.dialogs.Shown().empty());
    EXPECT_EQ(Texts().size(), 2u);
    EXPECT_EQ(Texts().back(), "Please set the project path and project name in Project Properties");

    program.Project().SetProjectName("Shop");
    program.Command(ID_WRITE_ALL);
    EXPECT_EQ(program.dialogs.Shown(), std::vector<UINT>{WriteAllDlg::IDD});
    EXPECT_EQ(program.dialogs.UnscriptedCount(), 1u) << "the unanswered dialog is cancelled";
    EXPECT_FALSE(std::filesystem::exists(output / "Util"));
}

// A Write All that ends before it writes leaves the project as it was: a cancelled save, a
// cancelled dialog and a project without a name store no database name, in the project or in
// its file.
TEST_F(WriteAllCommandTest, AWriteAllThatEndsBeforeWritingPreparesNothing)
{
    ForgeonProject& project = program.Project();
    project.SetDatabaseName("");
    program.files.Cancel();
    program.Command(ID_WRITE_ALL);
    EXPECT_EQ(project.GetDatabaseName(), "") << "the save was cancelled";

    AnswerSave();
    program.Command(ID_WRITE_ALL);
    EXPECT_EQ(program.dialogs.Shown(), std::vector<UINT>{WriteAllDlg::IDD});
    EXPECT_EQ(project.GetDatabaseName(), "") << "the dialog was cancelled";

    project.SetProjectName("");
    project.SetDatabaseName("");
    program.Command(ID_WRITE_ALL);
    EXPECT_EQ(Texts(), std::vector<std::string>{
                           "Please set the project path and project name in Project Properties"});
    EXPECT_EQ(project.GetDatabaseName(), "");
    ProjectStore store;
    ASSERT_TRUE(store.ArchiveProject(nullptr, program.PathOf("Shop.wvt").c_str(), TRUE));
    EXPECT_EQ(store.GetProject()->GetDatabaseName(), "");
    EXPECT_FALSE(std::filesystem::exists(output / "Util"));
}

TEST(WriteAllUnmappedTest, ListsTheUnmappedParametersAndCancelWritesNothing)
{
    Class dataClass;
    Function function;
    function.SetName("SelectByCity");
    function.AddParameter(new Parameter);
    RunningProgram program;
    program.Project().SetProjectName("Shop");
    program.Project().SetProjectPath(program.folder.Path().c_str());
    Module* base = program.Project().GetBaseModule();
    Table* customer = NewTable("Customer", Table::masterKind, {"City"});
    base->AppendMasterTable(customer);
    Form* form = NewForm("CustomerForm", customer);
    auto* data = new FieldRepData;
    auto* call = new ClassInvokation;
    call->SetFunction(&dataClass, &function);
    data->SetDataCall(call);
    auto* control = new FieldRep(customer->GetFields().back());
    control->SetFieldRepData(data);
    form->AddFieldRep(control);
    base->Append(form);

    program.files.Answer(program.PathOf("Shop.wvt").c_str());
    program.boxes.Answer(IDCANCEL);
    program.Command(ID_WRITE_ALL);
    ASSERT_EQ(program.boxes.Shown().size(), 1u);
    const ScriptedMessageBoxes::ShownBox& box = program.boxes.Shown()[0];
    EXPECT_EQ(box.type, MB_OKCANCEL);
    EXPECT_EQ(box.text, "Parameter mapping missing on following Master Form/s\n"
                        "1.CustomerForm for function SelectByCity on form control City\n"
                        "\nThe generated output will have compilation errors due to above "
                        "un-mapped parameters.\nTo stop writing click \"Cancel\"");
    EXPECT_TRUE(program.dialogs.Shown().empty());
    EXPECT_FALSE(std::filesystem::exists(program.folder.Path() / "Shop" / "Shop.sln"));

    program.files.Answer(program.PathOf("Shop.wvt").c_str());
    program.boxes.Answer(IDOK);
    program.Command(ID_WRITE_ALL);
    EXPECT_EQ(program.dialogs.Shown(), std::vector<UINT>{WriteAllDlg::IDD})
        << "OK goes on to the Write All dialog";
}

TEST_F(WriteAllCommandTest, AProjectFolderThatCannotBeWrittenGetsOneMessage)
{
    std::ofstream(program.folder.Path() / "blocked") << "a file";
    program.Project().SetProjectPath((program.folder.Path() / "blocked").c_str());
    program.dialogs.Answer([](CDialog&, DialogDriver& user) { user.PressOk(); });
    AnswerSave();
    program.Command(ID_WRITE_ALL);
    ASSERT_EQ(Texts().size(), 1u);
    EXPECT_EQ(Texts()[0],
              "Could not write output at " + program.PathOf("blocked/") + "\nNot a directory");
}

// Write All saves the project as it leaves it: a second module current while the first is
// written, a table's pages whose page titles are empty (as a merge brings them), an RDLC report
// whose files carry the names of an older file: after the run New asks nothing, the file holds
// the project as it stands, and the RDLC report names the file that was written.
TEST_F(WriteAllCommandTest, TheProjectIsSavedAsWriteAllLeavesIt)
{
    ForgeonProject& project = program.Project();
    Module* sales = project.AddNewModule();
    project.SetCurrentModule(sales);
    Table* member = NewTable("member", Table::masterKind, {"name"});
    sales->AddTable(member);
    TableFormCreator(member, &project).CreateAll();
    project.SetCurrentModule(project.GetBaseModule());
    for (const Form* form : sales->GetMasterForms())
        for (AspFile* file : form->GetAspFiles())
            file->SetTitle("");
    RDLCReport* report = sales->GetRDLCReports().at(0);
    report->GetRDLCInfo()->SetName("Module2\\RDLCs\\_member_SelectAllRecords.rdlc");
    report->GetXSDInfo()->SetFilePath("Module2\\DataSets\\_member_SelectAllRecords.xsd");

    AnswerWithoutModifiedFiles();
    program.Command(ID_WRITE_ALL);
    ASSERT_EQ(Texts(), std::vector<std::string>{success});
    EXPECT_EQ(report->GetRDLCInfo()->GetName(), "Module2\\RDLCs\\member_SelectAllRecords.rdlc");
    EXPECT_TRUE(
        std::filesystem::exists(output / "Module2" / "RDLCs" / "member_SelectAllRecords.rdlc"));
    program.Command(ID_FILE_NEW);
    EXPECT_EQ(Texts(), std::vector<std::string>{success}) << "New asks nothing";
}

// A table with a form but no data class (the form made without the table's defaults) gets its
// class, with the functions a load gives a class, before Write All saves, and its RDLC report's
// data set reads the class: after the run New asks nothing, and the file loads and saves to the
// same bytes.
TEST_F(WriteAllCommandTest, ATableWithAPageGetsItsDataClassBeforeTheSave)
{
    ForgeonProject& project = program.Project();
    Module* base = project.GetBaseModule();
    Table* guest = NewTable("guest", Table::masterKind, {"name"});
    base->AddTable(guest);
    AddFormWithoutDefaults(*base, guest, "guest_form");
    RDLCCreator(guest, &project).CreateReport();
    ASSERT_EQ(project.GetClassForTable(guest, false), nullptr);

    AnswerWithoutModifiedFiles();
    program.Command(ID_WRITE_ALL);
    ASSERT_EQ(Texts(), std::vector<std::string>{success});
    const Class* dataClass = project.GetClassForTable(guest, false);
    ASSERT_NE(dataClass, nullptr);
    EXPECT_NE(dataClass->FindFunctionByName("SelectAllRecords"), nullptr);
    const TableAdapter* adapter =
        base->GetRDLCReports().back()->GetXSDInfo()->GetTableAdapters().at(0);
    EXPECT_EQ(adapter->GetColumnNames(), (std::vector<CString>{"guest_id", "name"}));
    program.Command(ID_FILE_NEW);
    EXPECT_EQ(Texts(), std::vector<std::string>{success}) << "New asks nothing";

    ProjectStore store;
    const ScopedOpenProject open(store);
    ASSERT_TRUE(store.ArchiveProject(nullptr, program.PathOf("Shop.wvt").c_str(), TRUE));
    ASSERT_TRUE(
        store.ArchiveProject(store.GetProject(), program.PathOf("again.wvt").c_str(), FALSE));
    EXPECT_TRUE(ReadHostFile(program.PathOf("Shop.wvt")) ==
                ReadHostFile(program.PathOf("again.wvt")));
}
} // namespace
