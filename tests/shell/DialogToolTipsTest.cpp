#include "controls/ToolTipDialog.h"
#include "editors/WriteAllDlg.h"
#include "shell/BrowseFilePathDlg.h"
#include "shell/DesignationDlg.h"
#include "shell/ReNameModuleDlg.h"
#include "tests/shell/ShellTestSupport.h"

#include <QMouseEvent>

namespace
{
struct TippedControl
{
    UINT command;
    UINT dialog;
    int control;
    const char* tip;
};

// The mouse resting on the control, as Qt delivers it to the control's own widget.
void MoveMouseOver(CWnd& control)
{
    QWidget* widget = control.GetSafeHwnd();
    const QPointF local(widget->width() / 2.0, widget->height() / 2.0);
    QMouseEvent move(QEvent::MouseMove, local, widget->mapToGlobal(local), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &move);
}

class DialogToolTipsTest : public ::testing::TestWithParam<TippedControl>
{
protected:
    RunningProgram program;
};

TEST_P(DialogToolTipsTest, TheMouseOnAControlArmsTheDialogsOwnTip)
{
    const TippedControl& expected = GetParam();
    program.Project().SetProjectName("Shop");
    program.Project().SetProjectPath(program.folder.Path().c_str());
    // Write All saves the project first.
    program.files.Answer(program.PathOf("Shop.wvt").c_str());
    program.dialogs.Answer(
        [&expected](CDialog& dialog, DialogDriver& user)
        {
            ASSERT_EQ(dialog.GetTemplateId(), expected.dialog);
            auto* tipped = dynamic_cast<ToolTipDialog*>(&dialog);
            ASSERT_NE(tipped, nullptr);
            EXPECT_EQ(tipped->GetToolTips().GetCurrentTool(), nullptr);
            MoveMouseOver(*dialog.GetDlgItem(expected.control));
            const CRichToolTipInfo* tool = tipped->GetToolTips().GetCurrentTool();
            ASSERT_NE(tool, nullptr);
            EXPECT_EQ(tool->m_text, expected.tip);
            user.PressCancel();
        });
    program.Command(expected.command);
    EXPECT_EQ(program.dialogs.Shown(), std::vector<UINT>{expected.dialog});
}

INSTANTIATE_TEST_SUITE_P(
    ProjectDialogs, DialogToolTipsTest,
    ::testing::Values(TippedControl{ID_PROJECT_PROPERTIES, BrowseFilePathDlg::IDD,
                                    BrowseFilePathDlg::IDC_PROJECT_PATH, "Project Path"},
                      TippedControl{ID_MANAGE_ROLES, DesignationDlg::IDD, DesignationDlg::IDC_NAME,
                                    "Role"},
                      TippedControl{ID_MODULE_RENAME, ReNameModuleDlg::IDD,
                                    ReNameModuleDlg::IDC_NAME, "Module Name"},
                      TippedControl{ID_WRITE_ALL, WriteAllDlg::IDD, WriteAllDlg::IDC_MODIFIED_FILES,
                                    "Override Kestrane Weavo output with my files from "
                                    "\"_modifiedCode\" folder."}));
} // namespace
