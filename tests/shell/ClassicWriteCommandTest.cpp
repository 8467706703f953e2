#include "editors/WarningDlg.h"
#include "editors/WriteSelectionDlg.h"
#include "entities/DashBoardPage.h"
#include "entities/Procedure.h"
#include "gen_classic/AspWriteAll.h"
#include "platform/core/HostPath.h"
#include "tests/shell/ShellTestSupport.h"

namespace
{
// A new project "Shop" saved as Shop.wvt, writing into the temp folder.
class ClassicWriteCommandTest : public ::testing::Test
{
protected:
    ClassicWriteCommandTest()
    {
        program.Project().SetProjectName("Shop");
        program.Project().SetProjectPath(program.folder.Path().c_str());
        program.files.Answer(program.PathOf("Shop.wvt").c_str());
        program.Command(ID_FILE_SAVE);
        // A new project's dashboard and dashboard page share their name, which the classic
        // Write All refuses as a duplicate.
        for (int i = 0; i < program.Project().GetModuleCount(); ++i)
            for (DashBoardPage* page : program.Project().GetModuleAt(i)->GetDashBoardPages())
                page->SetName(page->GetFormName() + "_Page");
    }

    std::filesystem::path Path(const char* relative) const
    {
        return program.folder.Path() / relative;
    }

    RunningProgram program;
};

TEST_F(ClassicWriteCommandTest, WriteAllAsksItsQuestionsAndWritesTheLoginPagesMenusAndLogs)
{
    program.dialogs.Answer(
        [](CDialog& dialog, DialogDriver& user)
        {
            EXPECT_EQ(dialog.GetTemplateId(), WarningDlg::IDD);
            EXPECT_EQ(user.GetText(WarningDlg::IDC_MESSAGE),
                      "Do you want to alter existing DataBase ?");
            user.PressCancel();
        });
    program.dialogs.Answer(
        [](CDialog& dialog, DialogDriver& user)
        {
            EXPECT_EQ(dialog.GetTemplateId(), WriteSelectionDlg::IDD);
            EXPECT_EQ(user.GetText(WriteSelectionDlg::IDC_MESSAGE),
                      "There are no Errors or Warnings");
            user.SetCheck(WriteSelectionDlg::IDC_MENUS, true);
            user.PressOk();
        });
    program.Command(ID_CLASSIC_WRITE_ALL);
    EXPECT_EQ(program.dialogs.UnscriptedCount(), 0u);
    for (const char* written :
         {"Login/Login.asp", "Login/Login_action.asp", "Login/Logout.asp", "BaseModule",
          "_system/js/TopMenus.js", "_system/js/LeftMenusOnClick.js", "Shop/scripts"})
        EXPECT_TRUE(std::filesystem::exists(Path(written))) << written;
    EXPECT_FALSE(std::filesystem::is_empty(Path("Shop/scripts"))) << "the SQL Server script";
    EXPECT_TRUE(std::filesystem::exists(Path("Shop_backup")));
    // The pages this program has no classic writer for are named in one message and the log.
    const std::string status = program.Frame().GetStatusBar()->GetPaneText(0).str();
    const std::string log = ReadHostFile(ToHostPath(AspWriteAll::WriteErrorsLogPath()));
    if (program.boxes.Shown().empty())
    {
        EXPECT_EQ(status, "Writing completed");
        EXPECT_EQ(log, "");
    }
    else
    {
        ASSERT_EQ(program.boxes.Shown().size(), 1u) << program.boxes.Shown()[0].text;
        EXPECT_EQ(status.rfind("Writing completed with ", 0), 0u) << status;
        EXPECT_NE(log.find("These pages were skipped:"), std::string::npos) << log;
    }
}

TEST_F(ClassicWriteCommandTest, AlteringTheDatabaseShowsTheDatabasePaneAndTheReviewReportIsWritten)
{
    program.dialogs.Answer([](CDialog&, DialogDriver& user) { user.PressOk(); });
    program.Command(ID_CLASSIC_WRITE_ALL);
    EXPECT_EQ(program.dialogs.Shown(), std::vector<UINT>{WarningDlg::IDD});
    EXPECT_FALSE(std::filesystem::exists(Path("Login")));
    EXPECT_EQ(program.Frame().GetCurrentRightPane(), RightPane::SQLView);

    program.Command(ID_REVIEW_REPORT);
    const std::string report = ReadHostFile(Path("_system/scripts/ReviewReport.txt"));
    EXPECT_EQ(report.rfind("*************Procedures to be Reviewed*************\r\n", 0), 0u);
    EXPECT_NE(report.find("*************Menus to be Reviewed*************"), std::string::npos);
    EXPECT_TRUE(program.boxes.Shown().empty());
}

TEST_F(ClassicWriteCommandTest, AnErrorOfTheProjectGoesToItsLogAndNothingIsWritten)
{
    auto* procedure = new Procedure;
    procedure->SetName("PRC_orphan");
    program.Project().GetBaseModule()->Append(procedure);
    program.dialogs.Answer([](CDialog&, DialogDriver& user) { user.PressCancel(); });
    program.dialogs.Answer(
        [](CDialog&, DialogDriver& user)
        {
            EXPECT_EQ(user.GetText(WriteSelectionDlg::IDC_MESSAGE).Find("Error has occured! "), 0);
            user.PressOk();
        });
    program.Command(ID_CLASSIC_WRITE_ALL);
    EXPECT_EQ(ReadHostFile(Path("ErrorLog.txt")),
              "Error : \r\nMain Tables is not present for procedure\r\n\tPRC_orphan\r\n");
    EXPECT_FALSE(std::filesystem::exists(Path("Login")));
}
} // namespace
