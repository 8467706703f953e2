#include "controls/RichToolTipCtrl.h"
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
#include "tests/editors/logic/DesignedProject.h"
#include "tests/shell/ShellTestSupport.h"

#include <QAbstractScrollArea>
#include <QMouseEvent>

#include <functional>
#include <string>

namespace
{
// The mouse resting on the point of the widget, as Qt delivers it (to a list's viewport).
void RestMouseAt(QWidget* widget, QPoint local)
{
    if (auto* area = qobject_cast<QAbstractScrollArea*>(widget))
    {
        local = area->viewport()->mapFrom(widget, local);
        widget = area->viewport();
    }
    QMouseEvent move(QEvent::MouseMove, QPointF(local), QPointF(widget->mapToGlobal(local)),
                     Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &move);
}

// Rests the mouse on every shown tool of every tip control the window made; each arms its tip
// with its text. The texts of the tools that did not are returned.
std::vector<std::string> ToolsThatArmNoTip(CWnd& window, int& checked)
{
    std::vector<std::string> silent;
    for (QWidget* child : window.GetSafeHwnd()->findChildren<QWidget*>())
    {
        auto* tips = dynamic_cast<CRichToolTipCtrl*>(CWnd::FromHandle(child));
        if (tips == nullptr)
            continue;
        for (int index = 0; index < tips->GetToolCount(); ++index)
        {
            const CRichToolTipInfo& tool = *tips->GetTool(index);
            QWidget* widget = tool.m_window->GetSafeHwnd();
            if (!widget->isVisibleTo(window.GetSafeHwnd()) || widget->width() < 2)
                continue;
            // A rectangle's tool is in the tip's parent's client coordinates.
            const QPoint centre(tool.m_rect.CenterPoint().x, tool.m_rect.CenterPoint().y);
            RestMouseAt(widget,
                        tool.m_wholeWindow
                            ? widget->rect().center()
                            : widget->mapFromGlobal(window.GetSafeHwnd()->mapToGlobal(centre)));
            ++checked;
            const CRichToolTipInfo* armed = tips->GetCurrentTool();
            if (armed == nullptr || armed->m_text != tool.m_text)
                silent.emplace_back(tool.m_text.GetString());
        }
    }
    return silent;
}

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
