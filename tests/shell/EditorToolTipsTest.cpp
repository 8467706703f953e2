#include "editors/AdjustFieldRepsDlg.h"
#include "editors/AssignFunctionDlg.h"
#include "editors/FieldRepDlg.h"
#include "editors/FieldVisibilityDlg.h"
#include "editors/LinkDialogs.h"
#include "editors/ProcedureFieldInfoDlg.h"
#include "editors/RefFieldDialog.h"
#include "entities/Form.h"
#include "entities/Function.h"
#include "entities/Transaction.h"
#include "model/Field.h"
#include "model/FieldRep.h"
#include "model/Table.h"
#include "shell/ForgeonView.h"
#include "tests/controls/ToolTipWalk.h"
#include "tests/editors/logic/DesignedProject.h"
#include "tests/shell/ShellTestSupport.h"

#include <string>

namespace
{
// A modal dialog checked while it shows, then cancelled.
void CheckModal(RunningProgram& program, CDialog& dialog, const char* name)
{
    int checked = 0;
    program.dialogs.Answer(
        [&checked, name](CDialog& shown, DialogDriver& user)
        {
            EXPECT_EQ(ToolsThatArmNoTip(shown, checked), std::vector<std::string>{}) << name;
            user.PressCancel();
        });
    dialog.DoModal();
    EXPECT_GT(checked, 0) << name;
}

void CheckPane(RunningProgram& program, RightPane pane, const char* name)
{
    SCOPED_TRACE(static_cast<int>(pane));
    int checked = 0;
    CWnd& view = *program.Frame().GetRightPaneView(pane);
    program.Frame().GetSafeHwnd()->resize(1100, 760);
    QApplication::processEvents();
    EXPECT_EQ(ToolsThatArmNoTip(view, checked), std::vector<std::string>{}) << name;
    EXPECT_GT(checked, 0) << name;
}
} // namespace

TEST(EditorToolTipsTest, RestingTheMouseOnAnyToolOfAnEditorOrItsDialogsArmsTheTip)
{
    RunningProgram program;
    ASSERT_TRUE(program.started);
    ForgeonProject& project = program.Project();
    RecordingHost host;
    DesignedProject::DesignTables(project, host);
    program.Frame().RefreshTree();
    Module& module = *project.GetCurrentModule();
    Table* author = module.FindMasterTableByNameExact("author");
    ASSERT_NE(author, nullptr);
    Form* form = module.FindMasterFormForTable(author);
    ASSERT_NE(form, nullptr);
    ASSERT_FALSE(form->GetFieldReps().empty());
    ASSERT_FALSE(module.GetTransactions().empty());

    program.Frame().EditTable(author, Table::masterKind);
    CheckPane(program, RightPane::TableView, "table designer");
    program.Frame().EditForm(form);
    CheckPane(program, RightPane::FormEditor, "form editor");
    program.Frame().EditTransaction(module.GetTransactions()[0]);
    CheckPane(program, RightPane::TransactionView, "master-detail designer");
    program.Frame().EditUserFunction(nullptr);
    CheckPane(program, RightPane::UserFunctionView, "user function editor");
    // The designers, each on a new page.
    for (const RightPane pane :
         {RightPane::ReportView, RightPane::DashBoardView, RightPane::DashBoardPageView,
          RightPane::MultiPageReportView, RightPane::ReportCollectorView})
    {
        program.Frame().GetTreeView()->EditEntity(pane, nullptr);
        ASSERT_EQ(program.Frame().GetCurrentRightPane(), pane);
        CheckPane(program, pane, "designer");
    }
    program.Frame().ShowStartPage();

    FieldRep& name = *form->GetFieldReps()[0];
    FieldRepDlg fieldRep(project, *form, name);
    CheckModal(program, fieldRep, "FieldRepDlg");
    Function function;
    ProcedureFieldInfoDlg outputs(project, function);
    CheckModal(program, outputs, "ProcedureFieldInfoDlg");
    FieldVisibilityDlg visibility(*form, form->GetAspFiles().front());
    CheckModal(program, visibility, "FieldVisibilityDlg");
    AssignFunctionDlg assign(project, *form, nullptr, true);
    CheckModal(program, assign, "AssignFunctionDlg");
    AdjustFieldRepsDlg adjust(project, {author->GetFields().begin(), author->GetFields().end()},
                              *form, &module);
    CheckModal(program, adjust, "AdjustFieldRepsDlg");
    LinkControlDlg links(project, *form);
    CheckModal(program, links, "LinkControlDlg");
    FieldLinkControlDlg fieldLinks(project, name, *form);
    CheckModal(program, fieldLinks, "FieldLinkControlDlg");
    SelectMenuForLinkDlg menus(project, nullptr);
    CheckModal(program, menus, "SelectMenuForLinkDlg");
    RefFieldDialog refFields(*form, author);
    CheckModal(program, refFields, "RefFieldDialog");
}
