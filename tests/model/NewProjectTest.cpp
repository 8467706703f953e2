#include "entities/ApplicationReport.h"
#include "entities/AspFile.h"
#include "entities/DashBoard.h"
#include "entities/DashBoardCellInfo.h"
#include "entities/DashBoardPage.h"
#include "entities/Designation.h"
#include "entities/Form.h"
#include "entities/Grid.h"
#include "entities/GridCell.h"
#include "entities/LinkControl.h"
#include "entities/LoginPage.h"
#include "entities/Menu.h"
#include "model/Field.h"
#include "model/ForgeonProject.h"
#include "model/LoginPageCreator.h"
#include "model/MainFrameAccess.h"
#include "model/Module.h"
#include "model/ProjectStore.h"
#include "model/Table.h"
#include "platform/core/ScriptedMessageBoxes.h"
#include "tests/model/ModelBuilders.h"
#include "tests/model/ProjectRecordBytes.h"
#include "tests/support/ArchiveBytes.h"
#include "tests/support/RecordBytes.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{
using Lines = std::vector<std::string>;

std::string Text(const CString& text)
{
    return text.GetString();
}

// " > " and the default name of the page file, or nothing without one.
std::string FileSuffix(const AspFile* file)
{
    return file != nullptr ? " > " + Text(file->GetDefaultFileName()) : std::string();
}

std::string LinkText(const LinkControl* link)
{
    return "[" + Text(link->GetCaption()) + "->" +
           (link->GetTarget() != nullptr ? Text(link->GetTarget()->GetName()) : "") + "]";
}

std::string LinksText(const FormInterface& page)
{
    std::string text;
    for (const LinkControl* link : page.GetPreLinkList())
        text += " pre" + LinkText(link);
    for (const LinkControl* link : page.GetPostLinkList())
        text += " post" + LinkText(link);
    return text;
}

void DescribeMenu(const Menu& menu, const std::string& indent, Lines& out)
{
    out.push_back("menu " + indent + Text(menu.GetName()) + FileSuffix(menu.GetAspFile()));
    for (const Menu* child : menu.GetSubMenus())
        DescribeMenu(*child, indent + "  ", out);
}

void DescribeDashBoard(const DashBoard& dashBoard, Lines& out)
{
    const Grid* grid = dashBoard.GetGrid();
    out.push_back("dashboard " + Text(dashBoard.GetFormName()) + ": " +
                  Text(dashBoard.GetHeader()) + " " + std::to_string(grid->GetRowCount()) + "x" +
                  std::to_string(grid->GetColumnCount()));
    for (const Grid::Row& row : grid->GetRows())
    {
        for (const GridCell* cell : row)
        {
            const DashBoardCellInfo* panel = cell->GetDashBoardCellInfo();
            std::string line = "cell " + Text(panel->GetCaption());
            if (panel->GetMenu() != nullptr)
                line += " > " + Text(panel->GetMenu()->GetName());
            out.push_back(line + (panel->IsStaticText() ? " (static)" : ""));
        }
    }
}

// The module's default objects, one line each, in list order.
Lines Describe(const Module& module)
{
    Lines out{"module " + Text(module.GetName()) + " " + std::to_string(module.GetNumber())};
    for (const Table* table : module.GetMasterTables())
    {
        std::string line = "table " + Text(table->GetTableName()) + ":";
        for (const Field* field : table->GetFields())
            line += " " + Text(field->GetFieldName());
        out.push_back(line);
    }
    for (const Form* form : module.GetMasterForms())
        out.push_back("form " + Text(form->GetFormName()) + LinksText(*form));
    for (const ApplicationReport* report : module.GetReports())
        out.push_back("report " + Text(report->GetFormName()) + ": " + Text(report->GetTitle()) +
                      LinksText(*report));
    for (const Designation* role : module.GetDesignations())
    {
        std::string line =
            "role " + Text(role->GetName()) + " " + std::to_string(role->GetId()) + " " +
            (role->GetDashBoardPage() != nullptr ? Text(role->GetDashBoardPage()->GetFormName())
                                                 : "-") +
            ":";
        for (const Menu* menu : role->GetMenus())
            line += " " + Text(menu->GetName());
        out.push_back(line);
    }
    for (const Menu* menu : module.GetMenus())
        DescribeMenu(*menu, "", out);
    for (const DashBoardPage* page : module.GetDashBoardPages())
        out.push_back("page " + Text(page->GetFormName()) + ": " + Text(page->GetHeader()) +
                      FileSuffix(page->GetAspFileAt(0)) + " showing " +
                      Text(page->GetDashBoardAt(0)->GetFormName()));
    for (const DashBoard* dashBoard : module.GetDashBoards())
        DescribeDashBoard(*dashBoard, out);
    if (const LoginPage* login = module.GetLoginPage())
        out.push_back("login " + Text(login->GetFormName()) + FileSuffix(login->GetAspFileAt(0)));
    return out;
}

Lines Describe(const ForgeonProject& project)
{
    Lines out;
    for (const Module* module : project.GetModules())
    {
        const Lines lines = Describe(*module);
        out.insert(out.end(), lines.begin(), lines.end());
    }
    return out;
}

// The menu and its whole sub-tree.
void CollectTree(Menu* menu, std::vector<Menu*>& out)
{
    out.push_back(menu);
    for (Menu* child : menu->GetSubMenus())
        CollectTree(child, out);
}

const Lines baseModuleDefaults{
    "module BaseModule 1",
    "table personnel_role: personnel_role_id Is_Deleted role_name role_no",
    "table useraccount: useraccount_id Is_Deleted username password personnel_role_id",
    "form ChangePassword_form pre[FIND->] post[Back to Module Dashboard->Base Module Dashboard]",
    "form useraccount_form pre[FIND->] post[Back to Module Dashboard->Base Module Dashboard]",
    "report useraccount Report: Search useraccount post[Back to Module Dashboard->Base Module "
    "Dashboard]",
    "role admin 1 Project_Dashboard: BaseModuleMenu Masters Master Details Search Reports Reports "
    "Dashboards Base Module Dashboard Project Dashboard Logout Useraccount Search useraccount",
    "menu BaseModuleMenu",
    "menu   Masters",
    "menu     Useraccount > useraccountAdd.aspx",
    "menu   Master Details",
    "menu   Search Reports",
    "menu     Search useraccount > useraccount_Report_report.aspx",
    "menu   Reports",
    "menu   Dashboards",
    "menu     Base Module Dashboard > BaseModule_Dashboard.aspx",
    "menu     Project Dashboard > Project_Dashboard.aspx",
    "menu   Logout > Login.aspx",
    "page BaseModule_Dashboard: BASEMODULE DASHBOARD > BaseModule_Dashboard.aspx showing "
    "BaseModule_Dashboard",
    "page Project_Dashboard: PROJECT DASHBOARD > Project_Dashboard.aspx showing Project_Dashboard",
    "dashboard BaseModule_Dashboard: BASEMODULE DASHBOARD 5x1",
    "cell Masters > Useraccount",
    "cell Master-Details (static)",
    "cell Search Reports > Search useraccount",
    "cell Reports (static)",
    "cell Back to Project Dashboard > Project Dashboard",
    "dashboard Project_Dashboard: PROJECT DASHBOARD 1x1",
    "cell BaseModule > Base Module Dashboard",
    "login Login Page > Login.aspx",
};

// The store's project is the open project, as in the program.
class NewProjectTest : public ::testing::Test
{
protected:
    NewProjectTest()
    {
        m_previous = MainFrameAccess::SetProjectSource([this] { return m_store.GetProject(); });
    }
    ~NewProjectTest() override { MainFrameAccess::SetProjectSource(m_previous); }

    // The document's road to a new project.
    ForgeonProject& NewProject()
    {
        ForgeonProject* project = m_store.GetProject();
        project->InitNewProject();
        LoginPageCreator creator;
        creator.Create();
        return *project;
    }

    TempFolder m_folder;
    ScriptedMessageBoxes m_boxes;
    DiagnosticsSnapshot m_diagnostics;
    ScopedArchiveVersion m_version{CurrentVersion()};
    ProjectStore m_store;
    MainFrameAccess::ProjectSource m_previous;
};

TEST_F(NewProjectTest, NewProjectHoldsExactlyTheDefaultObjects)
{
    const ForgeonProject& project = NewProject();

    EXPECT_EQ(Describe(project), baseModuleDefaults);
    EXPECT_EQ(project.GetCurrentModule(), project.GetBaseModule());
    EXPECT_EQ(project.GetOutputKind(), ForgeonProject::aspNetOutput);
    EXPECT_NE(project.GetProjectSettings(), nullptr);
}

TEST_F(NewProjectTest, DefaultMenusAreTheRolesMenusAndTheTargetsOfLinksAndCells)
{
    ForgeonProject& project = NewProject();
    Module* base = project.GetBaseModule();
    Designation* admin = base->GetDesignations().front();

    std::vector<Menu*> tree;
    CollectTree(base->GetMenus().front(), tree);
    EXPECT_EQ(tree.size(), admin->GetMenus().size());
    for (const Menu* menu : tree)
    {
        EXPECT_TRUE(admin->HasMenu(menu)) << Text(menu->GetName());
        EXPECT_TRUE(menu->HasRole(admin)) << Text(menu->GetName());
    }
    const DashBoardPage* projectPage = base->FindDashBoardPageByName("Project_Dashboard");
    EXPECT_EQ(admin->GetDashBoardPage(), projectPage);
    EXPECT_EQ(base->FindMenuByName("Project Dashboard")->GetAspFile(),
              projectPage->GetAspFileAt(0));
    const DashBoard* dashBoard = base->FindDashBoardByName("BaseModule_Dashboard");
    EXPECT_EQ(dashBoard->GetGrid()->GetCellAt(4, 0)->GetDashBoardCellInfo()->GetMenu(),
              base->FindMenuByName("Project Dashboard"));
    const Form* form = base->FindMasterFormByName("useraccount_form");
    EXPECT_EQ(base->FindMenuByName("Useraccount")->GetAspFile(), form->GetAspFileAt(0));
    EXPECT_EQ(form->GetAspFileAt(0)->GetTopMenu(), base->FindMenuByName("BaseModuleMenu"));
    EXPECT_EQ(base->FindMenuByName("Logout")->GetAspFile(), base->GetLoginPage()->GetAspFileAt(0));
    EXPECT_EQ(projectPage->GetModule(), base);
    EXPECT_EQ(base->GetLoginPage()->GetModule(), base);

    base->AddLogoutMenuEntry();
    EXPECT_EQ(base->GetMenus().front()->GetSubMenus().size(), 6u);
}

TEST_F(NewProjectTest, SecondModuleHasItsOwnDefaults)
{
    ForgeonProject& project = NewProject();

    Module* second = project.AddNewModule();
    project.UpdateProjectDashboard();

    ASSERT_EQ(project.GetModuleCount(), 2);
    EXPECT_EQ(project.GetModuleAt(1), second);
    EXPECT_EQ(project.GetCurrentModule(), project.GetBaseModule());
    EXPECT_EQ(Describe(*second), (Lines{
                                     "module Module2 2",
                                     "menu Module2Menu",
                                     "menu   Masters",
                                     "menu   Master Details",
                                     "menu   Search Reports",
                                     "menu   Reports",
                                     "menu   Dashboards",
                                     "menu     Module2 Dashboard > Module2_Dashboard.aspx",
                                     "page Module2_Dashboard: MODULE2 DASHBOARD > "
                                     "Module2_Dashboard.aspx showing Module2_Dashboard",
                                     "dashboard Module2_Dashboard: MODULE2 DASHBOARD 5x1",
                                     "cell Masters (static)",
                                     "cell Master-Details (static)",
                                     "cell Search Reports (static)",
                                     "cell Reports (static)",
                                     "cell Back to Project Dashboard > Project Dashboard",
                                 }));
    const Module* base = project.GetBaseModule();
    EXPECT_EQ(second->FindDashBoardByName("Module2_Dashboard")
                  ->GetGrid()
                  ->GetCellAt(4, 0)
                  ->GetDashBoardCellInfo()
                  ->GetMenu(),
              base->FindMenuByName("Project Dashboard"));
    EXPECT_TRUE(
        base->GetDesignations().front()->HasMenu(second->FindMenuByName("Module2 Dashboard")));
}

TEST_F(NewProjectTest, SavedNewProjectLoadsBackToTheSameDefaults)
{
    ForgeonProject& project = NewProject();
    project.AddNewModule();
    project.UpdateProjectDashboard();
    const Lines before = Describe(project);

    ASSERT_TRUE(m_store.ArchiveProject(&project, m_folder.ModelPath("new.wvt"), FALSE));
    ASSERT_TRUE(m_store.ArchiveProject(nullptr, m_folder.ModelPath("new.wvt"), TRUE));

    const ForgeonProject* loaded = m_store.GetProject();
    EXPECT_EQ(Describe(*loaded), before);
    const Module* base = loaded->GetBaseModule();
    EXPECT_EQ(base->GetDesignations().front()->GetMenus().size(), 18u);
    EXPECT_EQ(loaded->GetModuleAt(1)
                  ->FindDashBoardByName("Module2_Dashboard")
                  ->GetGrid()
                  ->GetCellAt(4, 0)
                  ->GetDashBoardCellInfo()
                  ->GetMenu(),
              base->FindMenuByName("Project Dashboard"));
}

TEST_F(NewProjectTest, AddedModuleTakesAFreeNameAndANewNumber)
{
    ForgeonProject& project = NewProject();
    // A merge or an import may bring a module under the name the count gives.
    project.AddModule(NewModule("Module3", 9));

    const Module* added = project.AddNewModule();

    EXPECT_EQ(added->GetName(), "Module4");
    EXPECT_EQ(added->GetNumber(), 10);
    EXPECT_EQ(project.FindModuleById(10), added);
}

TEST_F(NewProjectTest, OnlyModuleOfAnEmptyProjectGetsTheLoginDefaultsAndANewProjectReplacesIt)
{
    ForgeonProject* project = m_store.GetProject();

    Module* module = project->AddNewModule();

    EXPECT_EQ(module->GetName(), "Module1");
    EXPECT_NE(module->GetLoginPage(), nullptr);
    CString userTable = "useraccount";
    EXPECT_NE(module->FindTableByName(userTable), nullptr);
    EXPECT_NE(module->FindMenuByName("Module1Menu"), nullptr);

    project->AddModule(NewModule("Old", 7));
    project->InitNewProject();
    ASSERT_EQ(project->GetModuleCount(), 1);
    EXPECT_EQ(project->GetBaseModule()->GetName(), "BaseModule");
    EXPECT_EQ(project->GetBaseModule()->GetNumber(), 1);
}

TEST_F(NewProjectTest, ProjectDashboardHasARowPerModuleLinkedToItsDashboardItem)
{
    ForgeonProject& project = NewProject();
    project.AddNewModule();
    Module* third = project.AddNewModule();
    third->FindMenuByName("Module3 Dashboard")->SetName("Overview");

    project.UpdateProjectDashboard();

    DashBoard* dashBoard = project.GetBaseModule()->FindDashBoardByName("Project_Dashboard");
    Lines cells;
    DescribeDashBoard(*dashBoard, cells);
    EXPECT_EQ(cells, (Lines{"dashboard Project_Dashboard: PROJECT DASHBOARD 3x1",
                            "cell BaseModule > Base Module Dashboard",
                            "cell Module2 > Module2 Dashboard", "cell Module3 (static)"}));

    // Under another name the dashboard is no longer the project's and is left alone.
    dashBoard->SetName("Start");
    project.AddNewModule();
    project.UpdateProjectDashboard();
    EXPECT_EQ(dashBoard->GetGrid()->GetRowCount(), 3);
}

} // namespace
