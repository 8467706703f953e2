#include "editors/AssignProcedureDlg.h"
#include "editors/LoginPageDlg.h"
#include "editors/ProcedureDlg.h"
#include "editors/RelationDlg.h"
#include "editors/ViewEditorHost.h"
#include "entities/LoginPage.h"
#include "entities/Procedure.h"
#include "entities/Variable.h"
#include "model/Relation.h"
#include "platform/ui/ComboBox.h"
#include "shell/ForgeonView.h"
#include "tests/editors/logic/DesignedProject.h"
#include "tests/shell/ShellTestSupport.h"

#include <QPixmap>
#include <QWidget>

namespace
{
// The designed tables in the running program's project.
void DesignProgramTables(RunningProgram& program)
{
    RecordingHost host;
    DesignedProject::DesignTables(program.Project(), host);
}

// The procedure view on a new procedure with "author" added as its main table.
ProcedureDlg& NewAuthorProcedure(RunningProgram& program)
{
    DesignProgramTables(program);
    program.Frame().ShowRightPane(RightPane::ProcedureView);
    auto& view =
        dynamic_cast<ProcedureDlg&>(*program.Frame().GetRightPaneView(RightPane::ProcedureView));
    view.LoadProcedure(nullptr);
    DialogDriver user(view);
    EXPECT_TRUE(user.Select(ProcedureEditor::IDC_MAIN_TABLE,
                            ComboIndexOf(view, ProcedureEditor::IDC_MAIN_TABLE, "author")));
    EXPECT_TRUE(user.Click(ProcedureEditor::IDC_ADD_MAIN_TABLE));
    return view;
}
} // namespace

TEST(ProcedureViewsTest, AProcedureIsBuiltInTheViewAndStoredWithItsTreeItem)
{
    RunningProgram program;
    ASSERT_TRUE(program.started);
    ProcedureDlg& view = NewAuthorProcedure(program);
    Module& module = *program.Project().GetCurrentModule();
    DialogDriver user(view);
    ASSERT_TRUE(user.Select(ProcedureEditor::IDC_DETAIL_TABLE,
                            ComboIndexOf(view, ProcedureEditor::IDC_DETAIL_TABLE, "publisher")));
    ASSERT_TRUE(user.Click(ProcedureEditor::IDC_ADD_DETAIL_TABLE));
    program.dialogs.Answer(
        [](CDialog& dialog, DialogDriver& relation)
        {
            ASSERT_EQ(RelationEditor::IDD, dialog.GetTemplateId());
            auto& relationView = dynamic_cast<RelationDlg&>(dialog);
            ASSERT_TRUE(relation.Select(RelationEditor::IDC_LEFT_TABLE, 0));
            ASSERT_TRUE(relation.Select(RelationEditor::IDC_RIGHT_TABLE, 1));
            ASSERT_TRUE(relation.SetTreeCheck(RelationEditor::IDC_LEFT_TREE,
                                              FindTreeItem(relationView.LeftTree(),
                                                           relationView.LeftTree().GetRootItem(),
                                                           "publisher_id"),
                                              true));
            ASSERT_TRUE(relation.SetTreeCheck(RelationEditor::IDC_RIGHT_TREE,
                                              FindTreeItem(relationView.RightTree(),
                                                           relationView.RightTree().GetRootItem(),
                                                           "publisher_id"),
                                              true));
            ASSERT_TRUE(relation.Click(RelationEditor::IDC_ADD));
            ASSERT_TRUE(relation.PressOk());
        });
    ASSERT_TRUE(user.Click(ProcedureEditor::IDC_RELATION));
    EXPECT_EQ(0u, program.dialogs.PendingScripts());

    for (const char* field : {"name", "born"})
    {
        ASSERT_TRUE(user.Select(ProcedureEditor::IDC_PARAMETER_TABLE, 0));
        ASSERT_TRUE(user.Select(ProcedureEditor::IDC_PARAMETER_FIELD,
                                ComboIndexOf(view, ProcedureEditor::IDC_PARAMETER_FIELD, field)));
        ASSERT_TRUE(user.SetText(ProcedureEditor::IDC_PARAMETER_NAME, field));
        ASSERT_TRUE(user.Click(ProcedureEditor::IDC_ADD_PARAMETER));
    }
    ASSERT_TRUE(user.SetText(ProcedureEditor::IDC_NAME, "PRC_AuthorSearch"));
    ASSERT_TRUE(user.SetCheck(ProcedureEditor::IDC_ALLOW_VARIATION, true));
    ASSERT_TRUE(user.Click(ProcedureEditor::IDC_CREATE_DERIVED));
    const CString text = user.GetText(ProcedureEditor::IDC_TEXT);
    Procedure* built = view.GetEditor()->GetProcedure();
    ASSERT_TRUE(user.Click(ProcedureEditor::IDC_ADD_PROCEDURE));
    EXPECT_EQ(0u, program.boxes.Shown().size());

    Procedure* stored = module.FindProcedureByName("PRC_AuthorSearch");
    ASSERT_EQ(built, stored);
    ASSERT_EQ(1u, stored->GetRelations().size());
    EXPECT_EQ(2u, stored->GetRelations()[0]->GetJoinFields().size());
    EXPECT_EQ(2u, stored->GetFieldParameters().size());
    EXPECT_EQ(4u, stored->GetDerivedProcedures().size());
    // The edit shows the text with CR LF line ends.
    CString shown = text;
    CString kept = stored->GetProcedureText();
    shown.Remove('\r');
    kept.Remove('\r');
    EXPECT_EQ(kept, shown);
    EXPECT_NE(-1, shown.Find("CREATE PROCEDURE [PRC_AuthorSearch]")) << shown.GetString();
    EXPECT_NE(-1, text.Find("@PRC_born_Var")) << text.GetString();
    EXPECT_EQ("", user.GetText(ProcedureEditor::IDC_NAME));

    // The editor with the procedure loaded, kept as a picture.
    view.LoadProcedure(stored);
    EXPECT_EQ("PRC_AuthorSearch", user.GetText(ProcedureEditor::IDC_NAME));
    HWND window = program.Frame().GetSafeHwnd();
    window->resize(1200, 900);
    QApplication::processEvents();
    const QPixmap shot = window->grab();
    ASSERT_FALSE(shot.isNull());
    const std::filesystem::path path = std::filesystem::current_path() / "procedure-editor.png";
    ASSERT_TRUE(shot.save(QString::fromStdString(path.string()), "PNG"));

    // A procedure opened after another scrolled down shows from its top.
    window->resize(900, 420);
    QApplication::processEvents();
    view.ScrollToPosition(CPoint(0, 150));
    ASSERT_GT(view.GetScrollPosition().y, 0) << "the body is taller than the pane";
    view.LoadProcedure(stored);
    EXPECT_EQ(view.GetScrollPosition(), CPoint(0, 0));
}

TEST(ProcedureViewsTest, TheLoginProcedureAndFieldsAreAssignedInTheView)
{
    RunningProgram program;
    ASSERT_TRUE(program.started);
    DesignProgramTables(program);
    Module& module = *program.Project().GetCurrentModule();
    CString authorName = "author";
    Table* author = module.FindTableByName(authorName);
    auto* login = new Procedure;
    login->SetName("PRC_Login");
    login->SetMainTable(author);
    for (Field* field : author->GetFields())
        login->AddOutputField(field);
    module.AddProcedure(login);
    if (module.GetLoginPage() == nullptr)
        module.SetLoginPage(new LoginPage);
    LoginPage& page = *module.GetLoginPage();

    program.Frame().ShowRightPane(RightPane::LoginPageView);
    auto& view =
        dynamic_cast<LoginPageDlg&>(*program.Frame().GetRightPaneView(RightPane::LoginPageView));
    view.Load();
    DialogDriver user(view);
    program.dialogs.Answer(
        [](CDialog& dialog, DialogDriver& assign)
        {
            ASSERT_EQ(ProcedureAssigner::IDD, dialog.GetTemplateId());
            ASSERT_TRUE(
                assign.Select(ProcedureAssigner::IDC_PROCEDURE,
                              ComboIndexOf(dialog, ProcedureAssigner::IDC_PROCEDURE, "PRC_Login")));
            ASSERT_TRUE(assign.PressOk());
        });
    ASSERT_TRUE(user.Click(LoginPageEditor::IDC_ASSIGN_PROCEDURE));
    EXPECT_EQ(login, page.GetLoginProcedure());
    EXPECT_EQ("Assigned Procedure :PRC_Login", user.GetText(LoginPageEditor::IDC_PROCEDURE_LABEL));

    const int name = ComboIndexOf(view, LoginPageEditor::IDC_OUTPUT_FIELDS, "name");
    ASSERT_TRUE(user.Select(LoginPageEditor::IDC_OUTPUT_FIELDS, name));
    ASSERT_TRUE(user.Click(LoginPageEditor::IDC_ASSIGN_EMPLOYEE));
    const int born = ComboIndexOf(view, LoginPageEditor::IDC_OUTPUT_FIELDS, "born");
    ASSERT_TRUE(user.Select(LoginPageEditor::IDC_OUTPUT_FIELDS, born));
    ASSERT_TRUE(user.Click(LoginPageEditor::IDC_ASSIGN_DESIGNATION));
    ASSERT_NE(nullptr, page.GetUserNameField());
    EXPECT_EQ("name", page.GetUserNameField()->GetFieldName());
    ASSERT_NE(nullptr, page.GetDesignationField());
    EXPECT_EQ("born", page.GetDesignationField()->GetFieldName());
    EXPECT_EQ("UserName Field :name", user.GetText(LoginPageEditor::IDC_EMPLOYEE_LABEL));
    EXPECT_EQ("DesignationField :born", user.GetText(LoginPageEditor::IDC_DESIGNATION_LABEL));
}

TEST(ProcedureViewsTest, EnterInTheParameterNameAddsTheParameter)
{
    RunningProgram program;
    ASSERT_TRUE(program.started);
    ProcedureDlg& view = NewAuthorProcedure(program);
    DialogDriver user(view);
    ASSERT_TRUE(user.TypeKeys(ProcedureEditor::IDC_PARAMETER_NAME, "who\n"));
    const Procedure* procedure = view.GetEditor()->GetProcedure();
    ASSERT_EQ(procedure->GetFieldParameters().size(), 1u);
    EXPECT_EQ(procedure->GetFieldParameters()[0].variable->GetFieldName(), "PRC_who_Var");
    EXPECT_EQ(user.GetText(ProcedureEditor::IDC_PARAMETER_NAME), "");
}
