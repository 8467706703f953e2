#include "shell/ForgeonView.h"
#include "tests/shell/ShellTestSupport.h"

#include <QFontMetrics>
#include <QLineEdit>
#include <QTest>

#include <functional>
#include <string>
#include <vector>

namespace
{
// The boxes of the editors too narrow for the name after put puts it in them, as
// "<pane>:<control id>"; count takes the number of boxes tried, those put refuses are not.
std::vector<std::string>
CutNames(const char* name, const std::function<bool(CWnd& box, QLineEdit& edit)>& put, int& count)
{
    RunningProgram program;
    EXPECT_TRUE(program.started);
    std::vector<std::string> cut;
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
            if (box == nullptr || !edit->isVisibleTo(view.GetSafeHwnd()) || !put(*box, *edit))
                continue;
            QApplication::processEvents();
            ++count;
            if (edit->width() < edit->fontMetrics().horizontalAdvance(name))
                cut.push_back(std::to_string(index) + ":" + std::to_string(box->GetDlgCtrlID()));
        }
    }
    return cut;
}
} // namespace

// A name put into any one-line box of an editor, or typed into one, shows whole: a mixed name
// and one of 40 wide lower-case letters, the most a box widens for.
TEST(WholeNamesTest, EveryBoxOfEveryEditorShowsTheWholeNameItIsGivenOrTyped)
{
    for (const std::string& each : {std::string("GetMembersOfBranchByRole"), std::string(40, 'm')})
    {
        const char* name = each.c_str();
        int given = 0;
        EXPECT_EQ(CutNames(
                      name,
                      [name](CWnd& box, QLineEdit& edit)
                      {
                          box.SetWindowText(name);
                          EXPECT_EQ(edit.cursorPosition(), 0) << box.GetDlgCtrlID();
                          return true;
                      },
                      given),
                  std::vector<std::string>{})
            << name;
        EXPECT_GT(given, 20);
        int typed = 0;
        EXPECT_EQ(CutNames(
                      name,
                      [name](CWnd&, QLineEdit& edit)
                      {
                          if (!edit.isEnabled() || edit.isReadOnly())
                              return false;
                          edit.clear();
                          QTest::keyClicks(&edit, name);
                          return edit.text() == name;
                      },
                      typed),
                  std::vector<std::string>{})
            << name;
        EXPECT_GT(typed, 15);
    }
}
