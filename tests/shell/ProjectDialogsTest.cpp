#include "entities/Designation.h"
#include "model/DependenciesDlg.h"
#include "model/ProjectSettings.h"
#include "platform/core/HostPath.h"
#include "platform/ui/ListCtrl.h"
#include "shell/BrowseFilePathDlg.h"
#include "shell/DependenciesListDlg.h"
#include "shell/DesignationDlg.h"
#include "shell/ReNameModuleDlg.h"
#include "shell/SelectThemeDlg.h"
#include "tests/shell/ShellTestSupport.h"

#include <QApplication>
#include <QWidget>

namespace fs = std::filesystem;

namespace
{
class ProjectDialogsTest : public ::testing::Test
{
protected:
    // The temp folder in the model's form, with a trailing backslash.
    CString ModelFolder() const
    {
        return CString(ToModelPath(program.folder.Path().c_str()).c_str()) + "\\";
    }
    CString HostFolder() const { return (program.folder.Path().string() + "/").c_str(); }
    static bool Enabled(CDialog& dialog, int id)
    {
        return dialog.GetDlgItem(id)->IsWindowEnabled();
    }
    static CString Caption(CDialog& dialog, int id)
    {
        CString text;
        dialog.GetDlgItem(id)->GetWindowText(text);
        return text;
    }
    static CListCtrl& List(CDialog& dialog, int id)
    {
        return *dynamic_cast<CListCtrl*>(dialog.GetDlgItem(id));
    }
    std::vector<std::string> Messages() const { return program.boxes.ShownTexts(); }

    RunningProgram program;
};

TEST_F(ProjectDialogsTest, ProjectPropertiesBuildsTheConnectionAndSetsUpTheProjectOnOk)
{
    bool openAfterRefusal = true;
    program.dialogs.Answer(
        [&](CDialog& dialog, DialogDriver& user)
        {
            EXPECT_EQ(user.GetText(BrowseFilePathDlg::IDC_SERVER_NAME), "");
            EXPECT_EQ(user.GetText(BrowseFilePathDlg::IDC_DATE_FORMAT), "mm/dd/yyyy");
            EXPECT_FALSE(Enabled(dialog, BrowseFilePathDlg::IDC_USER_ID));
            EXPECT_FALSE(Enabled(dialog, BrowseFilePathDlg::IDC_MANUAL_STRING));
            user.SetText(BrowseFilePathDlg::IDC_SERVER_NAME, "HOST");
            user.SetText(BrowseFilePathDlg::IDC_DATABASE_NAME, "ShopData");
            EXPECT_EQ(user.GetText(BrowseFilePathDlg::IDC_AUTOMATIC_STRING),
                      "Data Source =HOST; Initial Catalog =ShopData; Integrated Security=True");
            user.Click(BrowseFilePathDlg::IDC_SQL_AUTHENTICATION);
            EXPECT_TRUE(Enabled(dialog, BrowseFilePathDlg::IDC_USER_ID));
            user.SetText(BrowseFilePathDlg::IDC_USER_ID, "sa");
            user.SetText(BrowseFilePathDlg::IDC_PASSWORD, "MiXeD");
            EXPECT_EQ(user.GetText(BrowseFilePathDlg::IDC_AUTOMATIC_STRING),
                      "Data Source =HOST; Initial Catalog =ShopData; User Id =sa; Password "
                      "=MiXeD; ");

            user.Click(BrowseFilePathDlg::IDC_MANUAL);
            EXPECT_EQ(user.GetText(BrowseFilePathDlg::IDC_MANUAL_STRING),
                      "Data Source =HOST; Initial Catalog =ShopData; User Id =sa; Password "
                      "=MiXeD; ");
            EXPECT_TRUE(Enabled(dialog, BrowseFilePathDlg::IDC_MANUAL_STRING));
            EXPECT_FALSE(Enabled(dialog, BrowseFilePathDlg::IDC_SERVER_NAME));
            user.SetText(BrowseFilePathDlg::IDC_MANUAL_STRING,
                         "data source=Other;initial catalog=Orders;user id=Clerk;password=PaSs");
            EXPECT_EQ(user.GetText(BrowseFilePathDlg::IDC_DATABASE_NAME), "Orders");
            user.Click(BrowseFilePathDlg::IDC_AUTO);
            EXPECT_EQ(user.GetText(BrowseFilePathDlg::IDC_USER_ID), "Clerk");
            EXPECT_EQ(user.GetText(BrowseFilePathDlg::IDC_AUTOMATIC_STRING),
                      "Data Source =Other; Initial Catalog =Orders; User Id =Clerk; Password "
                      "=PaSs; ");

            // Each refusal keeps the dialog open, in the order of the checks.
            struct Edit
            {
                int id;
                const char* text;
            };
            const std::vector<Edit> steps[] = {
                {{BrowseFilePathDlg::IDC_DATABASE_NAME, ""}},
                {{BrowseFilePathDlg::IDC_DATABASE_NAME, "Shop:Data"}},
                {{BrowseFilePathDlg::IDC_DATABASE_NAME, "Orders"},
                 {BrowseFilePathDlg::IDC_PROJECT_NAME, "My Shop"}},
                {{BrowseFilePathDlg::IDC_PROJECT_NAME, "Shop"},
                 {BrowseFilePathDlg::IDC_PROJECT_PATH, "Projects\\"}},
            };
            for (const std::vector<Edit>& step : steps)
            {
                for (const Edit& edit : step)
                    user.SetText(edit.id, edit.text);
                user.PressOk();
                openAfterRefusal = openAfterRefusal && !dialog.IsEnded();
            }
            // A location typed as the host writes it.
            user.SetText(BrowseFilePathDlg::IDC_PROJECT_PATH, HostFolder());
            user.Select(BrowseFilePathDlg::IDC_VISUAL_STUDIO, 1);
            user.SetCheck(BrowseFilePathDlg::IDC_CONFIRMATIONS, true);
            user.PressOk();
        });
    program.Command(ID_PROJECT_PROPERTIES);

    EXPECT_TRUE(openAfterRefusal);
    EXPECT_EQ(Messages(),
              (std::vector<std::string>{
                  "Please enter database name.",
                  "Database name cannot contain following characters\n *  |  /  \\  <  >  ?  "
                  ":  \n Please enter valid database name",
                  "Please enter Project Name without space/s in between",
                  "Directory names cannot contain following characters\n *  |  /  \\  <  >  ?  "
                  ":  \n Please enter valid location"}));
    const ProjectSettings& settings = *program.Project().GetProjectSettings();
    EXPECT_EQ(settings.GetProjectName(), "Shop");
    EXPECT_EQ(settings.GetProjectPath(), ModelFolder());
    EXPECT_EQ(settings.GetServerName(), "Other");
    EXPECT_EQ(settings.GetDatabaseName(), "Orders");
    EXPECT_EQ(settings.GetConnectionString(),
              "Data Source =Other; Initial Catalog =Orders; User Id =Clerk; Password =PaSs; ");
    EXPECT_EQ(settings.GetPassword(), "PaSs");
    EXPECT_EQ(settings.GetSqlServerAuthentication(), 1);
    EXPECT_EQ(settings.GetVisualStudioVersion(), 3);
    EXPECT_TRUE(settings.GetConfirmations());
    EXPECT_EQ(program.Doc().GetTitle(), HostFolder());
    // The support tree and the default theme are in the new project's folder.
    const fs::path output = program.folder.Path() / "Shop" / "Shop";
    EXPECT_TRUE(fs::exists(output / "Themes" / "UI" / "Main.Master"));
    EXPECT_TRUE(fs::exists(output / "includes" / "CSS" / "style.css"));
    EXPECT_TRUE(fs::is_directory(output / "uploadedData"));
    EXPECT_FALSE(fs::is_empty(output / "includes"));
}

TEST_F(ProjectDialogsTest, PathsShowAsTheHostWritesThemWholeAndACancelledLogoIsNone)
{
    program.Project().GetProjectSettings()->SetProjectPath(ModelFolder());
    program.files.Answer(program.folder.Path().c_str());
    program.files.Cancel();
    program.dialogs.Answer(
        [&](CDialog& dialog, DialogDriver& user)
        {
            // The stored path shows in the host's form, in a field wide enough for it.
            EXPECT_EQ(user.GetText(BrowseFilePathDlg::IDC_PROJECT_PATH), HostFolder());
            QWidget* field = dialog.GetDlgItem(BrowseFilePathDlg::IDC_PROJECT_PATH)->GetSafeHwnd();
            EXPECT_GE(field->width(),
                      field->fontMetrics().horizontalAdvance(QString(HostFolder().GetString())));
            user.Click(BrowseFilePathDlg::IDC_BROWSE_PATH);
            EXPECT_EQ(user.GetText(BrowseFilePathDlg::IDC_PROJECT_PATH), HostFolder());
            user.SetText(BrowseFilePathDlg::IDC_LOGO, "old.jpg");
            user.Click(BrowseFilePathDlg::IDC_BROWSE_LOGO);
            EXPECT_EQ(user.GetText(BrowseFilePathDlg::IDC_LOGO), "");
            user.PressCancel();
        });
    program.Command(ID_PROJECT_PROPERTIES);
    const std::vector<FileChoice>& asked = program.files.Requests();
    ASSERT_EQ(asked.size(), 2u);
    EXPECT_EQ(asked[0].kind, FileChoice::Kind::Folder);
    EXPECT_EQ(asked[0].title, "Select Project Location");
    EXPECT_EQ(asked[1].kind, FileChoice::Kind::OpenFile);
    EXPECT_EQ(asked[1].title, "Select image for Product Logo");
    EXPECT_EQ(asked[1].fileName, "*.jpg");
    EXPECT_EQ(program.Project().GetProjectName(), "") << "Cancel stores nothing";
}

TEST_F(ProjectDialogsTest, TheThemeButtonChoosesASchemeThatReplacesTheProjectsFiles)
{
    program.Project().SetProjectName("Shop");
    program.Project().SetProjectPath(ModelFolder());
    const fs::path master =
        program.folder.Path() / "Shop" / "Shop" / "Themes" / "UI" / "Main.Master";
    fs::create_directories(master.parent_path());
    std::ofstream(master) << "the project's own";
    program.dialogs.Answer([](CDialog&, DialogDriver& user)
                           { EXPECT_TRUE(user.Click(BrowseFilePathDlg::IDC_THEME)); });
    program.dialogs.Answer(
        [&](CDialog& dialog, DialogDriver& user)
        {
            EXPECT_EQ(List(dialog, SelectThemeDlg::IDC_THEMES).GetItemCount(), 1);
            EXPECT_EQ(List(dialog, SelectThemeDlg::IDC_THEMES).GetItemText(0, 0), "theme1");
            EXPECT_EQ(List(dialog, SelectThemeDlg::IDC_SELECTED).GetItemText(0, 0),
                      "theme1/scheme1");
            EXPECT_EQ(List(dialog, SelectThemeDlg::IDC_PREVIEW).GetItemCount(), 0);
            EXPECT_TRUE(user.ClickListRow(SelectThemeDlg::IDC_SCHEMES, 0));
            EXPECT_EQ(List(dialog, SelectThemeDlg::IDC_PREVIEW).GetItemText(0, 0),
                      "theme1/scheme1");
            program.boxes.Answer(IDOK);
            user.Click(SelectThemeDlg::IDC_SELECT);
            user.PressOk();
        });
    program.Command(ID_PROJECT_PROPERTIES);
    EXPECT_EQ(program.dialogs.Shown(),
              (std::vector<UINT>{BrowseFilePathDlg::IDD, SelectThemeDlg::IDD}));
    ASSERT_EQ(Messages().size(), 1u);
    EXPECT_EQ(program.boxes.Shown()[0].type, static_cast<UINT>(MB_OKCANCEL));
    EXPECT_NE(ReadHostFile(master), "the project's own");
}

TEST_F(ProjectDialogsTest, ManageRolesAddsRenamesAndDeactivatesRolesOfTheBaseModule)
{
    program.dialogs.Answer(
        [&](CDialog& dialog, DialogDriver& user)
        {
            // The dialog opens on the role's name.
            EXPECT_EQ(dialog.GetSafeHwnd()->focusWidget(),
                      dialog.GetDlgItem(DesignationDlg::IDC_NAME)->GetSafeHwnd());
            CListCtrl& roles = List(dialog, DesignationDlg::IDC_ROLES);
            ASSERT_EQ(roles.GetItemCount(), 1);
            EXPECT_EQ(roles.GetItemText(0, 0), "admin");
            EXPECT_EQ(roles.GetItemText(0, 1), "Yes");
            user.Click(DesignationDlg::IDC_ADD);
            user.SetText(DesignationDlg::IDC_NAME, "admin");
            user.Click(DesignationDlg::IDC_ADD);
            user.SetText(DesignationDlg::IDC_NAME, "clerk");
            user.Click(DesignationDlg::IDC_ADD);
            ASSERT_EQ(roles.GetItemCount(), 2);
            EXPECT_EQ(user.GetText(DesignationDlg::IDC_NAME), "");

            EXPECT_TRUE(user.ClickListRow(DesignationDlg::IDC_ROLES, 1));
            EXPECT_EQ(user.GetText(DesignationDlg::IDC_NAME), "clerk");
            EXPECT_EQ(Caption(dialog, DesignationDlg::IDC_ADD), "Update");
            EXPECT_TRUE(Enabled(dialog, DesignationDlg::IDC_ACTIVATE));
            user.Click(DesignationDlg::IDC_ACTIVATE);
            EXPECT_EQ(Caption(dialog, DesignationDlg::IDC_ACTIVATE), "Activate");
            EXPECT_EQ(roles.GetItemText(1, 1), "No");
            user.SetText(DesignationDlg::IDC_NAME, "cashier");
            user.Click(DesignationDlg::IDC_ADD);
            EXPECT_EQ(roles.GetItemText(1, 0), "cashier");
            EXPECT_EQ(Caption(dialog, DesignationDlg::IDC_ADD), "Add");

            // A page of the chosen module assigned to the role chosen.
            user.Select(DesignationDlg::IDC_MODULE, 0);
            EXPECT_TRUE(user.ClickListRow(DesignationDlg::IDC_ROLES, 1));
            user.Select(DesignationDlg::IDC_PAGE, 0);
            user.Click(DesignationDlg::IDC_ASSIGN);
            EXPECT_EQ(user.GetText(DesignationDlg::IDC_PAGE_TEXT), roles.GetItemText(1, 2));
            EXPECT_FALSE(roles.GetItemText(1, 2).IsEmpty());
            EXPECT_TRUE(Enabled(dialog, DesignationDlg::IDC_REMOVE));
            user.PressOk();
        });
    program.Command(ID_MANAGE_ROLES);
    EXPECT_EQ(Messages(), (std::vector<std::string>{"Please enter the role",
                                                    "This designation already exists."}));
    const std::vector<Designation*>& roles = program.Project().GetBaseModule()->GetDesignations();
    ASSERT_EQ(roles.size(), 2u);
    EXPECT_EQ(roles[1]->GetName(), "cashier");
    EXPECT_FALSE(roles[1]->IsActive());
    EXPECT_EQ(roles[1]->GetDashBoardPage(),
              program.Project().GetBaseModule()->GetDashBoardPages().at(0));
}

// Tab leaves the manual connection string as it leaves any box, Enter in the Role box adds the
// role, and OK asks about a role typed but not added.
TEST_F(ProjectDialogsTest, TabAndEnterInTheProjectDialogsDoWhatTheySay)
{
    program.dialogs.Answer(
        [&](CDialog& dialog, DialogDriver& user)
        {
            user.SetText(BrowseFilePathDlg::IDC_PROJECT_NAME, "Shop");
            user.SetText(BrowseFilePathDlg::IDC_PROJECT_PATH, HostFolder());
            user.Click(BrowseFilePathDlg::IDC_MANUAL);
            QWidget* manual =
                dialog.GetDlgItem(BrowseFilePathDlg::IDC_MANUAL_STRING)->GetSafeHwnd();
            // Focus moves, and is told, in the active window.
            QApplication::setActiveWindow(dialog.GetSafeHwnd());
            ASSERT_TRUE(user.TypeKeys(BrowseFilePathDlg::IDC_MANUAL_STRING, "DATABASE=ORDERS;"));
            ASSERT_TRUE(manual->hasFocus());
            ASSERT_TRUE(user.TypeKeys("\t"));
            EXPECT_FALSE(manual->hasFocus());
            EXPECT_EQ(user.GetText(BrowseFilePathDlg::IDC_MANUAL_STRING), "DATABASE=ORDERS;");
            EXPECT_EQ(user.GetText(BrowseFilePathDlg::IDC_DATABASE_NAME), "ORDERS");
            // A line break pasted at the end is not kept.
            user.SetText(BrowseFilePathDlg::IDC_MANUAL_STRING, "DATABASE=ORDERS;\r\n");
            user.PressOk();
        });
    program.Command(ID_PROJECT_PROPERTIES);
    EXPECT_EQ(program.Project().GetProjectSettings()->GetConnectionString(), "DATABASE=ORDERS;");

    bool openAfterCancel = false;
    program.boxes.Answer(IDCANCEL);
    program.boxes.Answer(IDYES);
    program.dialogs.Answer(
        [&](CDialog& dialog, DialogDriver& user)
        {
            CListCtrl& roles = List(dialog, DesignationDlg::IDC_ROLES);
            ASSERT_TRUE(user.TypeKeys(DesignationDlg::IDC_NAME, "clerk\n"));
            EXPECT_FALSE(dialog.IsEnded());
            ASSERT_EQ(roles.GetItemCount(), 2);
            EXPECT_EQ(roles.GetItemText(1, 0), "clerk");
            user.SetText(DesignationDlg::IDC_NAME, "cashier");
            user.PressOk();
            openAfterCancel = !dialog.IsEnded();
            user.PressOk();
        });
    program.Command(ID_MANAGE_ROLES);
    EXPECT_TRUE(openAfterCancel);
    const std::string question = "The role \"cashier\" has not been added. Add it?";
    EXPECT_EQ(Messages(), (std::vector<std::string>{question, question}));
    const std::vector<Designation*>& roles = program.Project().GetBaseModule()->GetDesignations();
    ASSERT_EQ(roles.size(), 3u);
    EXPECT_EQ(roles[2]->GetName(), "cashier");
}

TEST_F(ProjectDialogsTest, RenameModuleCopiesTheModulesOutputAndModifiedCode)
{
    program.Project().SetProjectName("Shop");
    program.Project().SetProjectPath(ModelFolder());
    program.Project().AddNewModule();
    const fs::path project = program.folder.Path() / "Shop";
    for (const char* file : {"Shop/Module2/UI/Page.aspx", "_modifiedCode/Module2/CS/Mine.cs"})
    {
        fs::create_directories((project / file).parent_path());
        std::ofstream(project / file) << file;
    }
    program.dialogs.Answer(
        [](CDialog& dialog, DialogDriver& user)
        {
            // Help stands beside OK and Cancel, a button of their size.
            const QRect ok = dialog.GetDlgItem(IDOK)->GetSafeHwnd()->geometry();
            const QRect help =
                dialog.GetDlgItem(ReNameModuleDlg::IDC_HELP_BUTTON)->GetSafeHwnd()->geometry();
            EXPECT_EQ(help.top(), ok.top());
            EXPECT_EQ(help.width(), ok.width());
            EXPECT_GT(help.left(), ok.right());
            user.Select(ReNameModuleDlg::IDC_MODULE, 1);
            EXPECT_EQ(user.GetText(ReNameModuleDlg::IDC_NAME), "Module2");
            user.SetText(ReNameModuleDlg::IDC_NAME, " basemodule ");
            user.PressOk();
            user.SetText(ReNameModuleDlg::IDC_NAME, " Sales ");
            user.PressOk();
        });
    program.Command(ID_MODULE_RENAME);
    EXPECT_EQ(Messages(), std::vector<std::string>{"A Module with this name already exists."});
    EXPECT_EQ(program.Project().GetModuleNames(), (std::vector<CString>{"BaseModule", "Sales"}));
    EXPECT_EQ(ReadHostFile(project / "Shop/Sales/UI/Page.aspx"), "Shop/Module2/UI/Page.aspx");
    EXPECT_EQ(ReadHostFile(project / "_modifiedCode/Sales/CS/Mine.cs"),
              "_modifiedCode/Module2/CS/Mine.cs");
    EXPECT_TRUE(fs::exists(project / "_modifiedCode/Module2/CS/Mine.cs"));
}

TEST_F(ProjectDialogsTest, DependenciesListEveryRecordTickedAndOkTakesTheBoxes)
{
    std::vector<DependencyRecord> records = {
        {"customer", "Base", 1, DependencyRecord::kTable, false},
        {"clerk", "Sales", 2, DependencyRecord::kRole, false},
        {"orders", "Base", 3, 7, false},
    };
    std::vector<DependencyRecord*> pointers;
    for (DependencyRecord& record : records)
        pointers.push_back(&record);
    for (const bool untick : {false, true})
    {
        program.dialogs.Answer(
            [&](CDialog& dialog, DialogDriver& user)
            {
                EXPECT_EQ(user.GetText(DependenciesListDlg::IDC_HEADING), "Moving Orders");
                CListCtrl& list = List(dialog, DependenciesListDlg::IDC_LIST);
                ASSERT_EQ(list.GetItemCount(), 3);
                EXPECT_EQ(list.GetItemText(1, 1), "clerk");
                EXPECT_EQ(list.GetItemText(1, 2), "Designation");
                EXPECT_EQ(list.GetItemText(1, 3), "Sales");
                EXPECT_EQ(list.GetItemText(2, 2), "Dash Board Pages");
                if (untick)
                {
                    EXPECT_TRUE(user.ClickListRow(DependenciesListDlg::IDC_LIST, 1, 0));
                }
                user.PressOk();
            });
        DependenciesDlg request(pointers);
        request.SetTitle("Moving Orders");
        EXPECT_EQ(request.DoModal(), IDOK);
        EXPECT_TRUE(records[0].selected && records[2].selected);
        EXPECT_EQ(records[1].selected, !untick);
    }
    program.dialogs.Answer([](CDialog&, DialogDriver& user) { user.PressCancel(); });
    records[1].selected = true;
    DependenciesDlg cancelled(pointers);
    EXPECT_EQ(cancelled.DoModal(), IDCANCEL);
    EXPECT_TRUE(records[1].selected);
}
} // namespace
