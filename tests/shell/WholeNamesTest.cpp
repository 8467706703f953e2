#include "shell/ForgeonView.h"
#include "tests/shell/ShellTestSupport.h"

#include <QFontMetrics>
#include <QLineEdit>

#include <string>
#include <vector>

// A name put into any one-line box of an editor shows whole, from its first letter.
TEST(WholeNamesTest, EveryBoxOfEveryEditorShowsTheWholeNameItIsGiven)
{
    RunningProgram program;
    ASSERT_TRUE(program.started);
    const char* name = "GetMembersOfBranchByRole";
    std::vector<std::string> cut;
    int boxes = 0;
    for (int index = 0; index < kRightPaneCount; ++index)
    {
        const auto pane = static_cast<RightPane>(index);
        if (pane == RightPane::SQLView || pane == RightPane::StartPage)
            continue;
        program.Frame().GetTreeView()->EditEntity(pane, nullptr);
        program.Frame().GetSafeHwnd()->resize(1200, 900);
        CWnd& view = *program.Frame().GetRightPaneView(pane);
        const QList<QLineEdit*> edits = view.GetSafeHwnd()->findChildren<QLineEdit*>();
        for (QLineEdit* edit : edits)
        {
            CWnd* box = CWnd::FromHandle(edit);
            if (box == nullptr || !edit->isVisibleTo(view.GetSafeHwnd()))
                continue;
            box->SetWindowText(name);
            QApplication::processEvents();
            ++boxes;
            if (edit->width() < edit->fontMetrics().horizontalAdvance(name) ||
                edit->cursorPosition() != 0)
                cut.push_back(std::to_string(index) + ":" + std::to_string(box->GetDlgCtrlID()));
        }
    }
    EXPECT_GT(boxes, 20);
    EXPECT_EQ(cut, std::vector<std::string>{});
}
