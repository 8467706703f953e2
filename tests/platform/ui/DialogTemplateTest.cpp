#include "platform/ui/DialogTemplate.h"
#include "platform/core/MessageBox.h"
#include "platform/ui/Wnd.h"

#include <QBoxLayout>
#include <QGridLayout>
#include <QLayout>
#include <QWidget>

#include <gtest/gtest.h>

#include <utility>

namespace
{
enum : int
{
    IDC_LABEL = 5001,
    IDC_FIELD,
    IDC_OPTION,
    IDC_LONE_LABEL,
    IDC_HELP_BUTTON,
};

const DialogTemplate layoutTemplate{9308,
                                    "Layout",
                                    {
                                        {IDC_LABEL, ControlKind::Static, "Name:"},
                                        {IDC_FIELD, ControlKind::Edit, ""},
                                        {IDOK, ControlKind::DefPushButton, "OK"},
                                        {IDC_OPTION, ControlKind::CheckBox, "Option"},
                                        {IDC_LONE_LABEL, ControlKind::Static, "Note"},
                                        {IDC_HELP_BUTTON, ControlKind::PushButton, "Help"},
                                        {IDCANCEL, ControlKind::PushButton, "Cancel"},
                                    }};

class LayoutWnd : public CWnd
{
public:
    LayoutWnd()
    {
        SetOwnedWidget(new QWidget);
        CreateControls(layoutTemplate);
    }
};

// Row and column of the control in the template's grid; -1 when it is not in the grid.
std::pair<int, int> GridCell(const CWnd& wnd, int id)
{
    const auto* grid = wnd.GetSafeHwnd()->findChild<QGridLayout*>();
    const int index = grid->indexOf(wnd.GetDlgItem(id)->GetSafeHwnd());
    if (index < 0)
    {
        return {-1, -1};
    }
    int row = 0;
    int column = 0;
    int rowSpan = 0;
    int columnSpan = 0;
    grid->getItemPosition(index, &row, &column, &rowSpan, &columnSpan);
    return {row, column};
}
} // namespace

TEST(DialogTemplateTest, LabelAndFieldShareARowAndOtherControlsSpanIt)
{
    LayoutWnd wnd;

    EXPECT_EQ(GridCell(wnd, IDC_LABEL), std::make_pair(0, 0));
    EXPECT_EQ(GridCell(wnd, IDC_FIELD), std::make_pair(0, 1));
    EXPECT_EQ(GridCell(wnd, IDC_OPTION), std::make_pair(1, 0));
    EXPECT_EQ(GridCell(wnd, IDC_LONE_LABEL), std::make_pair(2, 0));
}

TEST(DialogTemplateTest, OkAndCancelGoToTheButtonRowInTemplateOrderAndHelpAfterThem)
{
    LayoutWnd wnd;

    EXPECT_EQ(GridCell(wnd, IDOK), std::make_pair(-1, -1));
    EXPECT_EQ(GridCell(wnd, IDC_HELP_BUTTON), std::make_pair(-1, -1));
    QWidget* ok = wnd.GetDlgItem(IDOK)->GetSafeHwnd();
    QWidget* cancel = wnd.GetDlgItem(IDCANCEL)->GetSafeHwnd();
    QWidget* help = wnd.GetDlgItem(IDC_HELP_BUTTON)->GetSafeHwnd();
    QLayout* row = nullptr;
    for (QHBoxLayout* candidate : wnd.GetSafeHwnd()->findChildren<QHBoxLayout*>())
    {
        if (candidate->indexOf(ok) >= 0)
        {
            row = candidate;
        }
    }
    ASSERT_NE(row, nullptr);
    EXPECT_LT(row->indexOf(ok), row->indexOf(cancel));
    EXPECT_LT(row->indexOf(cancel), row->indexOf(help));
}

TEST(DialogTemplateTest, RegistryFindsTheLatestTemplateOfAnId)
{
    EXPECT_EQ(FindDialogTemplate(9398), nullptr);

    RegisterDialogTemplate({9398, "First", {}});
    RegisterDialogTemplate({9398, "Second", {{1, ControlKind::Edit, ""}}});

    const DialogTemplate* found = FindDialogTemplate(9398);
    ASSERT_NE(found, nullptr);
    EXPECT_EQ(found->caption, "Second");
    EXPECT_EQ(found->controls.size(), 1u);
}
