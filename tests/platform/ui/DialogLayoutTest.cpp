#include "ControlHost.h"
#include "LayoutCheck.h"

#include "platform/core/MessageBox.h"
#include "platform/ui/FormView.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLayout>
#include <QScrollArea>
#include <QScrollBar>

#include <gtest/gtest.h>

namespace
{
constexpr int kName = 101;
constexpr int kTitle = 102;
constexpr int kTable = 103;
constexpr int kStyle = 104;
constexpr int kTree = 105;
constexpr int kAdd = 106;
constexpr int kRemove = 107;
constexpr int kList = 108;
constexpr int kPreviewGroup = 109;
constexpr int kPreview = 110;
constexpr int kPicture = 111;
constexpr int kFirstTool = 120;
constexpr int kToolCount = 14;
constexpr int kHelp = 140;
constexpr int kApply = 141;

std::vector<int> ToolIds(int first, int count)
{
    std::vector<int> ids;
    for (int id = first; id < first + count; ++id)
        ids.push_back(id);
    return ids;
}

// Shaped like a designer page: four labelled fields, a tree, a ">"/"<" column, a list, a preview
// place and a picture in a group, and twenty buttons.
DialogTemplate DesignerTemplate()
{
    DialogTemplate page{9401, "Designer", {}};
    page.controls = {
        {0, ControlKind::Static, "Name"},        {kName, ControlKind::Edit, ""},
        {0, ControlKind::Static, "Title"},       {kTitle, ControlKind::Edit, ""},
        {0, ControlKind::Static, "Table"},       {kTable, ControlKind::ComboBox, ""},
        {0, ControlKind::Static, "Style"},       {kStyle, ControlKind::EditComboBox, ""},
        {kTree, ControlKind::TreeCtrl, ""},      {kAdd, ControlKind::PushButton, ">"},
        {kRemove, ControlKind::PushButton, "<"}, {kList, ControlKind::ListCtrl, ""},
    };
    for (const int id : ToolIds(kFirstTool, kToolCount))
        page.controls.push_back({id, ControlKind::PushButton, "Tool"});
    page.controls.insert(page.controls.end(),
                         {
                             {kPreviewGroup, ControlKind::GroupBox, "Preview"},
                             {kPreview, ControlKind::Custom, ""},
                             {kPicture, ControlKind::Picture, "", false, false, 64, 64},
                             {IDOK, ControlKind::DefPushButton, "OK"},
                             {IDCANCEL, ControlKind::PushButton, "Cancel"},
                             {kHelp, ControlKind::PushButton, "Help"},
                             {kApply, ControlKind::PushButton, "Apply"},
                         });
    page.layout = Lay::Column({
        Lay::Field(kName),
        Lay::Field(kTitle),
        Lay::Field(kTable),
        Lay::Field(kStyle),
        Lay::Row({Lay::Control(kTree), Lay::ButtonColumn({kAdd, kRemove}), Lay::Control(kList),
                  Lay::ButtonColumn(ToolIds(kFirstTool, kToolCount / 2)),
                  Lay::ButtonColumn(ToolIds(kFirstTool + kToolCount / 2, kToolCount / 2))}),
        Lay::Group(kPreviewGroup, {Lay::Row({Lay::Control(kPreview), Lay::Control(kPicture)})}),
        Lay::Buttons({IDOK, IDCANCEL, kHelp, kApply}),
    });
    return page;
}

QRect PlaceOf(const CWnd& host, int id)
{
    QWidget* widget = host.GetDlgItem(id)->GetSafeHwnd();
    return {widget->mapTo(host.GetSafeHwnd(), QPoint(0, 0)), widget->size()};
}

void ShowAt(QWidget* window, QSize size)
{
    window->resize(size);
    window->show();
    window->layout()->activate();
    QApplication::processEvents();
}
} // namespace

TEST(DialogLayoutTest, ADesignerPageFitsTheScreenInOrderWithNoControlOverAnother)
{
    ControlHost host(DesignerTemplate());
    QWidget* window = host.GetSafeHwnd();
    const QSize needed = window->sizeHint();
    EXPECT_LE(needed.height(), 768);
    EXPECT_LE(needed.width(), 1024);
    ShowAt(window, QSize(1024, 768));

    EXPECT_EQ(LayoutFaults(window, ControlsOf(window)), QStringList());
    const QRect name = PlaceOf(host, kName);
    const QRect style = PlaceOf(host, kStyle);
    const QRect tree = PlaceOf(host, kTree);
    const QRect add = PlaceOf(host, kAdd);
    const QRect list = PlaceOf(host, kList);
    const QRect ok = PlaceOf(host, IDOK);
    EXPECT_EQ(name.left(), style.left());
    EXPECT_LT(style.bottom(), tree.top());
    EXPECT_LT(tree.right(), add.left());
    EXPECT_LT(add.right(), list.left());
    EXPECT_LT(PlaceOf(host, kAdd).bottom(), PlaceOf(host, kRemove).top());
    EXPECT_LT(tree.bottom(), PlaceOf(host, kPreview).top());
    EXPECT_LT(PlaceOf(host, kPreview).right(), PlaceOf(host, kPicture).left());
    EXPECT_GT(ok.top(), PlaceOf(host, kPicture).bottom());
    EXPECT_LT(PlaceOf(host, IDOK).right(), PlaceOf(host, kApply).left());
    EXPECT_GT(ok.left(), 1024 / 2);
    EXPECT_TRUE(KeepGrab(window, LAYOUT_GRAB_DIR, "designer-page"));
}

TEST(DialogLayoutTest, ListsAndTreesTakeTheRoomAWindowGains)
{
    ControlHost host(DesignerTemplate());
    QWidget* window = host.GetSafeHwnd();
    ShowAt(window, QSize(800, 600));
    const QRect tree = PlaceOf(host, kTree);
    const QRect name = PlaceOf(host, kName);
    const QRect add = PlaceOf(host, kAdd);
    const QRect preview = PlaceOf(host, kPreview);

    ShowAt(window, QSize(1000, 760));

    // The tree's row and the preview share the height gained.
    EXPECT_GT(PlaceOf(host, kTree).height(), tree.height());
    EXPECT_EQ(PlaceOf(host, kTree).height() + PlaceOf(host, kPreview).height(),
              tree.height() + preview.height() + 160);
    EXPECT_GT(PlaceOf(host, kTree).width(), tree.width());
    EXPECT_EQ(PlaceOf(host, kName).height(), name.height());
    EXPECT_EQ(PlaceOf(host, kAdd).size(), add.size());
    EXPECT_GT(PlaceOf(host, IDOK).top(), 760 - 60);
    EXPECT_EQ(LayoutFaults(window, ControlsOf(window)), QStringList());
}

// A stretch in a row only widens it: the row of a word-wrapping note keeps its height and the
// list below takes the height gained.
TEST(DialogLayoutTest, ARowWithAStretchKeepsItsHeightAndTheListTakesTheRoom)
{
    constexpr int kNote = 150;
    DialogTemplate page{9402, "Rows", {}};
    page.controls = {
        {0, ControlKind::Static, "Name"},
        {kName, ControlKind::Edit, ""},
        {kAdd, ControlKind::PushButton, "Assign"},
        {kNote, ControlKind::Static, "A note that may break into two lines."},
        {kList, ControlKind::ListCtrl, ""},
        {IDOK, ControlKind::DefPushButton, "OK"},
    };
    page.layout = Lay::Column({
        Lay::Row({Lay::Field(kName), Lay::Control(kAdd), Lay::Control(kNote), Lay::Stretch()}),
        Lay::Control(kList),
        Lay::Buttons({IDOK}),
    });
    ControlHost host(page);
    QWidget* window = host.GetSafeHwnd();
    ShowAt(window, QSize(700, 400));
    const QRect note = PlaceOf(host, kNote);
    const QRect list = PlaceOf(host, kList);

    ShowAt(window, QSize(700, 700));

    EXPECT_EQ(PlaceOf(host, kNote).height(), note.height());
    EXPECT_EQ(PlaceOf(host, kList).top(), list.top());
    EXPECT_EQ(PlaceOf(host, kList).height(), list.height() + 300);
    EXPECT_LE(list.top() - note.bottom(), 30);
    EXPECT_EQ(LayoutFaults(window, ControlsOf(window)), QStringList());
}

TEST(DialogLayoutTest, AControlTheLayoutLeavesOutGoesAtTheBottomAndAnUnknownIdIsSkipped)
{
    DialogTemplate page{9402, "Partial", {}};
    page.controls = {
        {0, ControlKind::Static, "Name"},
        {1, ControlKind::Edit, ""},
        {2, ControlKind::CheckBox, "Forgotten"},
    };
    page.layout = Lay::Column({Lay::Field(1), Lay::Control(99)});
    ControlHost host(page);
    ShowAt(host.GetSafeHwnd(), QSize(300, 200));

    EXPECT_GT(PlaceOf(host, 2).top(), PlaceOf(host, 1).bottom());
    EXPECT_FALSE(PlaceOf(host, 2).isEmpty());
    EXPECT_EQ(LayoutFaults(host.GetSafeHwnd(), ControlsOf(host.GetSafeHwnd())), QStringList());
}

std::vector<std::string>& CapturedWarnings()
{
    static std::vector<std::string> warnings;
    return warnings;
}

void CaptureWarning(QtMsgType type, const QMessageLogContext&, const QString& text)
{
    if (type == QtWarningMsg)
        CapturedWarnings().push_back(text.toStdString());
}

TEST(DialogLayoutTest, OnlyAShownControlTheLayoutLeavesOutIsRemarkedUpon)
{
    DialogTemplate page{9403, "Hidden", {}};
    page.controls = {
        {1, ControlKind::Edit, ""},
        {2, ControlKind::PushButton, "Unused", /*hidden=*/true},
        {3, ControlKind::CheckBox, "Forgotten"},
    };
    page.layout = Lay::Column({Lay::Control(1)});
    CapturedWarnings().clear();
    const QtMessageHandler previous = qInstallMessageHandler(&CaptureWarning);
    ControlHost host(page);
    qInstallMessageHandler(previous);
    ShowAt(host.GetSafeHwnd(), QSize(300, 200));

    EXPECT_EQ(CapturedWarnings(),
              std::vector<std::string>{
                  "Dialog 9403: the layout leaves out control 3; it goes at the bottom"});
    EXPECT_FALSE(host.GetDlgItem(2)->IsWindowVisible());
    EXPECT_TRUE(host.GetDlgItem(3)->IsWindowVisible());
}

TEST(DialogLayoutTest, AFormViewScrollsWhileThePaneIsSmallerThanItsControls)
{
    DialogTemplate form = DesignerTemplate();
    form.resourceId = 9403;
    form.style = WS_CHILD;
    RegisterDialogTemplate(form);
    QWidget pane;
    CFormView view(9403);
    ASSERT_TRUE(view.Create(&pane, 1, nullptr));
    view.GetSafeHwnd()->resize(300, 200);
    pane.show();
    QApplication::processEvents();
    auto* scroller = view.GetSafeHwnd()->findChild<QScrollArea*>();
    ASSERT_NE(scroller, nullptr);
    EXPECT_GT(scroller->verticalScrollBar()->maximum(), 0);
    EXPECT_GT(scroller->horizontalScrollBar()->maximum(), 0);

    view.GetSafeHwnd()->resize(1024, 768);
    QApplication::processEvents();

    EXPECT_EQ(scroller->verticalScrollBar()->maximum(), 0);
    EXPECT_EQ(view.GetDlgItem(kTree)->GetParent(), &view);
}

// A group box frames its controls but does not own them: a button inside one tells the window
// of the template, as one beside it does.
TEST(DialogLayoutTest, AButtonInAGroupBoxTellsTheWindowOfTheTemplate)
{
    DialogTemplate page{9403, "Grouped", {}};
    page.controls = {
        {1, ControlKind::GroupBox, "Copy"},
        {2, ControlKind::PushButton, "Inside"},
        {3, ControlKind::PushButton, "Beside"},
    };
    page.layout = Lay::Column({Lay::Group(1, {Lay::Control(2)}), Lay::Control(3)});
    ControlHost host(page);
    ShowAt(host.GetSafeHwnd(), QSize(300, 200));

    for (int id : {2, 3})
        static_cast<QAbstractButton*>(host.GetDlgItem(id)->GetSafeHwnd())->click();

    EXPECT_EQ(host.m_commands,
              (std::vector<ControlHost::Command>{{2, BN_CLICKED}, {3, BN_CLICKED}}));
    EXPECT_EQ(host.GetDlgItem(2)->GetParent(), &host);
}
