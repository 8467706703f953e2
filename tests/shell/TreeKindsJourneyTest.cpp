#include "designers/MultiPageReportDlg.h"
#include "designers/ReportCollectorDlg.h"
#include "editors/LoginPageDlg.h"
#include "editors/MapFormDlg.h"
#include "editors/ProcedureDlg.h"
#include "editors/TableDialog.h"
#include "editors/WriteSelectionDlg.h"
#include "editors/logic/FormProceduresAssigner.h"
#include "editors/logic/ProcedureAssigner.h"
#include "entities/LoginPage.h"
#include "entities/MapForm.h"
#include "entities/Procedure.h"
#include "model/Field.h"
#include "model/Table.h"
#include "platform/ui/ScriptedPopupMenus.h"
#include "shell/ForgeonView.h"
#include "shell/logic/ProjectTreeLayout.h"
#include "tests/editors/consumers/WrittenApplication.h"
#include "tests/gen_classic/PageCheck.h"
#include "tests/gen_web/PreparedProjectFolder.h"
#include "tests/shell/ShellTestSupport.h"

#include <QPixmap>

namespace
{
namespace fs = std::filesystem;

// A new user at the program, reaching every editor through the project tree.
class TreeUser
{
public:
    MainFrame& Frame() { return program.Frame(); }
    Module& Base() { return *program.Project().GetBaseModule(); }
    CTreeCtrl& Tree() { return Frame().GetTreeView()->GetTreeCtrl(); }
    HTREEITEM Node(int slot) { return static_cast<HTREEITEM>(CategoryNode(Base(), slot)); }
    HTREEITEM Item(int slot, const CString& text)
    {
        return FindTreeItem(Tree(), Tree().GetChildItem(Node(slot)), text);
    }
    CWnd& View() { return *Frame().GetRightPaneView(Frame().GetCurrentRightPane()); }
    // The texts of the message boxes shown after the first count ones.
    std::vector<std::string> BoxesSince(std::size_t count) const
    {
        const std::vector<std::string> texts = program.boxes.ShownTexts();
        return {texts.begin() + static_cast<std::ptrdiff_t>(count), texts.end()};
    }

    // The command of the item's context menu that reads the text.
    void Choose(HTREEITEM item, const char* text)
    {
        ScriptedPopupMenus menus;
        Frame().GetTreeView()->ShowContextMenu(item, CPoint(0, 0));
        ASSERT_FALSE(menus.Shown().empty()) << text;
        for (const ScriptedPopupMenus::Entry& entry : menus.Shown().back().entries)
        {
            if (entry.text == text && !entry.grayed)
                menus.Answer(entry.id);
        }
        ASSERT_EQ(1u, menus.PendingAnswers()) << text;
        Frame().GetTreeView()->ShowContextMenu(item, CPoint(0, 0));
    }
    // A double click on the item; the pane it shows.
    RightPane Open(HTREEITEM item)
    {
        EXPECT_NE(nullptr, item);
        Tree().SelectItem(item);
        Frame().GetTreeView()->OpenItem(item);
        return Frame().GetCurrentRightPane();
    }
    // A new table of the node's kind in the table designer, its fields typed or referring to
    // other tables.
    void MakeTable(int slot, const char* name, std::initializer_list<const char*> fields,
                   std::initializer_list<const char*> referred = {})
    {
        Choose(Node(slot), "Create Table");
        ASSERT_EQ(RightPane::TableView, Frame().GetCurrentRightPane());
        DialogDriver user(View());
        ASSERT_TRUE(user.SetText(TableDesigner::IDC_TABLE_NAME, name));
        for (const char* field : fields)
        {
            ASSERT_TRUE(user.SetText(TableDesigner::IDC_FIELD_NAME, field));
            ASSERT_TRUE(user.Select(TableDesigner::IDC_TYPE, 4));
            ASSERT_TRUE(user.Click(TableDesigner::IDC_ADD));
        }
        for (const char* table : referred)
        {
            ASSERT_TRUE(user.SetCheck(TableDesigner::IDC_FOREIGN_KEY, true));
            ASSERT_TRUE(user.Select(TableDesigner::IDC_FOREIGN_TABLE,
                                    ComboIndexOf(View(), TableDesigner::IDC_FOREIGN_TABLE, table)));
            ASSERT_TRUE(user.Click(TableDesigner::IDC_ADD));
        }
        ASSERT_TRUE(user.Click(TableDesigner::IDC_OK));
    }
    void Shoot(const char* name)
    {
        HWND window = Frame().GetSafeHwnd();
        window->resize(1200, 900);
        QApplication::processEvents();
        const QPixmap shot = window->grab();
        ASSERT_FALSE(shot.isNull());
        ASSERT_TRUE(shot.save(QString::fromStdString((fs::current_path() / name).string()), "PNG"));
    }

    RunningProgram program;
};
} // namespace

// A new project: a map table and its map form, a procedure, the login page's call, a page of
// reports and a report collector, each made and opened again through the tree; the site and the
// classic pages are written and checked.
TEST(TreeKindsJourneyTest, ANewUserMakesEveryKindThroughTheTreeAndWritesBothApplications)
{
    TreeUser user;
    ASSERT_TRUE(user.program.started);
    user.program.boxes.Answer(IDNO);
    user.program.Command(ID_FILE_NEW);
    ForgeonProject& project = user.program.Project();
    project.SetProjectName("Press");
    project.SetProjectPath(user.program.folder.Path().c_str());

    // A map table made on Map Tables gets its map form; "Create Form" on it opens the map form
    // editor, whose form procedures are answered in their dialog.
    user.MakeTable(TreeSlot::MasterTables, "Publisher", {"name"});
    user.MakeTable(TreeSlot::MasterTables, "Author", {"name"});
    user.MakeTable(TreeSlot::MapTables, "Publication", {}, {"publisher", "author"});
    EXPECT_EQ("Map Tables(1)", user.Tree().GetItemText(user.Node(TreeSlot::MapTables)));
    EXPECT_EQ("Map Forms(1)", user.Tree().GetItemText(user.Node(TreeSlot::MapForms)));
    const HTREEITEM mapTable = user.Item(TreeSlot::MapTables, "publication");
    ASSERT_NE(nullptr, mapTable);
    user.Choose(mapTable, "Create Form");
    ASSERT_EQ(RightPane::MapFormView, user.Frame().GetCurrentRightPane());
    {
        DialogDriver mapUser(user.View());
        EXPECT_EQ("publication", mapUser.GetText(MapFormEditor::IDC_TABLE_NAME));
        ASSERT_TRUE(mapUser.SetText(MapFormEditor::IDC_HEADER, "Publications"));
        user.program.dialogs.Answer(
            [](CDialog& dialog, DialogDriver& procedures)
            {
                EXPECT_EQ(FormProceduresAssigner::IDD, dialog.GetTemplateId());
                EXPECT_TRUE(procedures.PressOk());
            });
        ASSERT_TRUE(mapUser.Click(MapFormEditor::IDC_FORM_PROCEDURES));
        ASSERT_TRUE(mapUser.Click(MapFormEditor::IDC_ADD_MAP_FORM));
    }
    ASSERT_EQ(1u, user.Base().GetMapForms().size());
    MapForm* mapForm = user.Base().GetMapForms().front();
    EXPECT_EQ("Publications", mapForm->GetHeader());
    EXPECT_EQ(RightPane::MapFormView, user.Open(user.Item(TreeSlot::MapForms, "publication_form")));
    EXPECT_EQ("Publications", DialogDriver(user.View()).GetText(MapFormEditor::IDC_HEADER));
    EXPECT_EQ(RightPane::TableView, user.Open(mapTable));
    EXPECT_EQ("publication", DialogDriver(user.View()).GetText(TableDesigner::IDC_TABLE_NAME));

    // The login procedure, made in the procedure editor from Procedures.
    user.Choose(user.Node(TreeSlot::UserProcedures), "Create Procedure");
    ASSERT_EQ(RightPane::ProcedureView, user.Frame().GetCurrentRightPane());
    {
        CWnd& view = user.View();
        DialogDriver procedure(view);
        ASSERT_TRUE(
            procedure.Select(ProcedureEditor::IDC_MAIN_TABLE,
                             ComboIndexOf(view, ProcedureEditor::IDC_MAIN_TABLE, "useraccount")));
        ASSERT_TRUE(procedure.Click(ProcedureEditor::IDC_ADD_MAIN_TABLE));
        for (const char* field : {"username", "password"})
        {
            ASSERT_TRUE(procedure.Select(ProcedureEditor::IDC_PARAMETER_TABLE, 0));
            ASSERT_TRUE(
                procedure.Select(ProcedureEditor::IDC_PARAMETER_FIELD,
                                 ComboIndexOf(view, ProcedureEditor::IDC_PARAMETER_FIELD, field)));
            ASSERT_TRUE(procedure.SetText(ProcedureEditor::IDC_PARAMETER_NAME, field));
            ASSERT_TRUE(procedure.Click(ProcedureEditor::IDC_ADD_PARAMETER));
        }
        ASSERT_TRUE(procedure.SetText(ProcedureEditor::IDC_NAME, "PRC_Login"));
        ASSERT_TRUE(procedure.Click(ProcedureEditor::IDC_ADD_PROCEDURE));
    }
    Procedure* login = user.Base().FindProcedureByName("PRC_Login");
    ASSERT_NE(nullptr, login);
    EXPECT_EQ("Procedures(1)", user.Tree().GetItemText(user.Node(TreeSlot::UserProcedures)));
    EXPECT_EQ(RightPane::ProcedureView,
              user.Open(user.Item(TreeSlot::UserProcedures, "PRC_Login")));
    EXPECT_EQ("PRC_Login", DialogDriver(user.View()).GetText(ProcedureEditor::IDC_NAME));

    // The login page's call, set in the login page editor opened from its item.
    ASSERT_EQ(RightPane::LoginPageView, user.Open(user.Item(TreeSlot::LoginPage, "Login Page")));
    {
        DialogDriver page(user.View());
        user.program.dialogs.Answer(
            [](CDialog& dialog, DialogDriver& assign)
            {
                ASSERT_EQ(ProcedureAssigner::IDD, dialog.GetTemplateId());
                ASSERT_TRUE(assign.Select(
                    ProcedureAssigner::IDC_PROCEDURE,
                    ComboIndexOf(dialog, ProcedureAssigner::IDC_PROCEDURE, "PRC_Login")));
                // User name and password, parameter by parameter.
                for (const int row : {0, 1})
                {
                    ASSERT_TRUE(assign.ClickListRow(ProcedureAssigner::IDC_MAPPINGS, row));
                    ASSERT_TRUE(assign.ClickListRow(ProcedureAssigner::IDC_VARIABLES, row, 1));
                    ASSERT_TRUE(assign.Click(ProcedureAssigner::IDC_ASSIGN));
                }
                ASSERT_TRUE(assign.PressOk());
            });
        ASSERT_TRUE(page.Click(LoginPageEditor::IDC_ASSIGN_PROCEDURE));
        EXPECT_EQ("Assigned Procedure :PRC_Login",
                  page.GetText(LoginPageEditor::IDC_PROCEDURE_LABEL));
    }
    EXPECT_EQ(login, user.Base().GetLoginPage()->GetLoginProcedure());

    // A page of reports and a report collector, made from their nodes and opened from their
    // items.
    using MP = MultiPageReportDesigner;
    user.Choose(user.Node(TreeSlot::MultiPageReports), "Create MultiPageReport");
    ASSERT_EQ(RightPane::MultiPageReportView, user.Frame().GetCurrentRightPane());
    {
        DialogDriver pages(user.View());
        ASSERT_TRUE(pages.SetText(MP::IDC_NAME, "Overview"));
        ASSERT_TRUE(pages.Select(MP::IDC_REPORT,
                                 ComboIndexOf(user.View(), MP::IDC_REPORT, "publisher Report")));
        ASSERT_TRUE(pages.Click(MP::IDC_ADD_REPORT));
        ASSERT_TRUE(pages.Click(MP::IDC_ADD_MULTI_PAGE));
    }
    EXPECT_EQ(RightPane::MultiPageReportView,
              user.Open(user.Item(TreeSlot::MultiPageReports, "Overview")));
    EXPECT_EQ("Overview", DialogDriver(user.View()).GetText(MP::IDC_NAME));
    using RC = ReportCollectorDesigner;
    user.Choose(user.Node(TreeSlot::ReportCollectors), "Create ReportCollector");
    ASSERT_EQ(RightPane::ReportCollectorView, user.Frame().GetCurrentRightPane());
    {
        DialogDriver collector(user.View());
        ASSERT_TRUE(collector.SetText(RC::IDC_NAME, "Desk"));
        ASSERT_TRUE(collector.Select(RC::IDC_REPORT,
                                     ComboIndexOf(user.View(), RC::IDC_REPORT, "author Report")));
        ASSERT_TRUE(collector.Click(RC::IDC_ADD_REPORT));
        ASSERT_TRUE(collector.Click(RC::IDC_ADD_COLLECTOR));
    }
    EXPECT_EQ("ReportCollectors(1)",
              user.Tree().GetItemText(user.Node(TreeSlot::ReportCollectors)));
    EXPECT_EQ(RightPane::ReportCollectorView,
              user.Open(user.Item(TreeSlot::ReportCollectors, "Desk")));
    EXPECT_EQ("Desk", DialogDriver(user.View()).GetText(RC::IDC_NAME));
    user.Tree().Expand(user.Node(TreeSlot::UserProcedures), TVE_EXPAND);
    user.Tree().Expand(user.Node(TreeSlot::MapTables), TVE_EXPAND);
    user.Tree().Expand(user.Node(TreeSlot::MapForms), TVE_EXPAND);
    user.Tree().Expand(user.Node(TreeSlot::LoginPage), TVE_EXPAND);
    user.Shoot("tree-kinds.png");
    EXPECT_EQ((std::vector<std::string>{
                  "Do you want to save changes in current project?",
                  "There are no common fields in above reports. Filters can not be assigned."}),
              user.program.boxes.ShownTexts());

    // Saved, then Write All of the site, with nothing left unwritten, and the C# compiles.
    const std::string file = user.program.PathOf("Press.wvt");
    user.program.files.Answer(file.c_str());
    user.program.Command(ID_FILE_SAVE);
    ASSERT_TRUE(fs::exists(file));
    PrepareProjectFolder(project);
    std::size_t boxes = user.program.boxes.Shown().size();
    user.program.dialogs.Answer([](CDialog&, DialogDriver& ok) { EXPECT_TRUE(ok.PressOk()); });
    user.program.Command(ID_WRITE_ALL);
    // Map forms and pages of reports get no ASP.NET pages; the report names them.
    const CString ui =
        CString(user.program.folder.Path().c_str()) + "\\Press\\Press\\BaseModule\\UI\\";
    std::string unwritten = "These files could not be written:";
    for (const char* page :
         {"publication_form_addReport.aspx", "Overview.aspx", "publication_form_addReport.aspx.cs",
          "publication_form_addReport.aspx.designer.cs", "Overview.aspx.cs",
          "Overview.aspx.designer.cs"})
        unwritten += "\n" + std::string((ui + page).GetString()) +
                     " (listed in the project file but not written)";
    EXPECT_EQ(std::vector<std::string>{unwritten}, user.BoxesSince(boxes));
    const fs::path site = user.program.folder.Path() / "Press" / "Press";
    EXPECT_TRUE(fs::exists(site / "BaseModule" / "UI" / "publisherAdd.aspx"));
    const ToolResult compiled =
        CompileWrittenApplication(site, user.program.folder.Path() / "Press.dll");
    EXPECT_EQ(0, compiled.exitCode) << compiled.output;

    // The classic pages: the login action calls the procedure, the map form has its pages, and
    // every page passes the page check.
    boxes = user.program.boxes.Shown().size();
    user.program.dialogs.Answer([](CDialog&, DialogDriver& no) { EXPECT_TRUE(no.PressCancel()); });
    user.program.dialogs.Answer(
        [](CDialog& dialog, DialogDriver& ok)
        {
            EXPECT_EQ(WriteSelectionDlg::IDD, dialog.GetTemplateId());
            EXPECT_TRUE(ok.PressOk());
        });
    user.program.Command(ID_CLASSIC_WRITE_ALL);
    EXPECT_EQ(std::vector<std::string>{}, user.BoxesSince(boxes));
    const fs::path root = user.program.folder.Path();
    fs::copy(fs::path(WEAVO_TEST_DATA) / "gen_classic" / "_system", root / "_system",
             fs::copy_options::recursive | fs::copy_options::skip_existing);
    int pages = 0;
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(root))
    {
        if (entry.path().extension() != ".asp" ||
            *entry.path().lexically_relative(root).begin() == "_system")
            continue;
        ++pages;
        std::string problems;
        for (const std::string& problem : CheckPageFile(entry.path()))
            problems += problem + "\n";
        EXPECT_EQ("", problems) << entry.path();
    }
    EXPECT_EQ(13, pages);
    for (const char* page :
         {"publication_form_addReport.asp", "publication_form_addReport_action.asp"})
        EXPECT_TRUE(fs::exists(root / "BaseModule" / page)) << page;
    EXPECT_NE(std::string::npos, ReadFile(root / "Login" / "Login_action.asp").find("PRC_Login"));
    EXPECT_EQ(0u, user.program.dialogs.UnscriptedCount());
}
