#include "platform/core/ScriptedMessageBoxes.h"
#include "platform/ui/ControlBars.h"
#include "platform/ui/DocTemplate.h"
#include "platform/ui/ImageList.h"
#include "platform/ui/View.h"
#include "tests/platform/ui/DocViewFixtures.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QColor>
#include <QGuiApplication>
#include <QIcon>
#include <QImage>
#include <QMainWindow>
#include <QScreen>
#include <QToolBar>

namespace
{
constexpr UINT IDR_TEST_FRAME = 128;
constexpr UINT ID_VIEW_COMMAND = 32780;
constexpr UINT ID_FRAME_COMMAND = 32781;

const bool toolBarRegistered = []
{
    RegisterToolBarResource(IDR_TEST_FRAME,
                            {{ID_FILE_NEW, "New"}, {ID_SEPARATOR, ""}, {ID_TEST_COMMAND, "Test"}});
    return true;
}();

const UINT indicators[] = {ID_SEPARATOR, ID_INDICATOR_CAPS, ID_INDICATOR_NUM, ID_INDICATOR_SCRL};

// A view that handles one command (and, like the frame, records the commands it handles).
class CommandView : public CView
{
    DECLARE_DYNCREATE(CommandView)

public:
    CommandView()
    {
        MapCommandRange(ID_VIEW_COMMAND, ID_VIEW_COMMAND,
                        [this](UINT id) { commands.push_back(id); });
    }

    std::vector<UINT> commands;
};
IMPLEMENT_DYNCREATE(CommandView, CView)

// A frame with a tool bar and a status bar of four panes.
class BarsFrame : public CFrameWnd
{
    DECLARE_DYNCREATE(BarsFrame)

public:
    BarsFrame()
    {
        MapCommandRange(ID_VIEW_COMMAND, ID_FRAME_COMMAND,
                        [this](UINT id) { commands.push_back(id); });
    }

    CToolBar m_toolBar;
    CStatusBar m_statusBar;
    std::vector<UINT> commands;

protected:
    int OnCreate(LPCREATESTRUCT createStruct) override
    {
        if (CFrameWnd::OnCreate(createStruct) == -1)
            return -1;
        if (!m_toolBar.CreateEx(this, TBSTYLE_FLAT,
                                WS_CHILD | WS_VISIBLE | CBRS_TOP | CBRS_GRIPPER | CBRS_TOOLTIPS) ||
            !m_toolBar.LoadToolBar(IDR_TEST_FRAME))
            return -1;
        if (!m_statusBar.Create(this) || !m_statusBar.SetIndicators(indicators, 4))
            return -1;
        m_toolBar.EnableDocking(CBRS_ALIGN_ANY);
        EnableDocking(CBRS_ALIGN_ANY);
        DockControlBar(&m_toolBar);
        return 0;
    }
};
IMPLEMENT_DYNCREATE(BarsFrame, CFrameWnd)

// A frame whose tool bar resource does not exist.
class BrokenFrame : public CFrameWnd
{
    DECLARE_DYNCREATE(BrokenFrame)

protected:
    int OnCreate(LPCREATESTRUCT) override
    {
        return m_toolBar.CreateEx(this) && m_toolBar.LoadToolBar(9999) ? 0 : -1;
    }

private:
    CToolBar m_toolBar;
};
IMPLEMENT_DYNCREATE(BrokenFrame, CFrameWnd)

void SendCommand(CWnd& window, UINT id)
{
    window.SendMessage(WM_COMMAND, MAKEWPARAM(static_cast<WORD>(id), 0));
}

// An application with a new document open in a BarsFrame.
class FrameWndTest : public ::testing::Test
{
protected:
    static BarsFrame& OpenBarsFrame(TestApp& app)
    {
        app.AddTemplate(RUNTIME_CLASS(BarsFrame), RUNTIME_CLASS(CommandView));
        app.OnFileNew();
        return dynamic_cast<BarsFrame&>(*AfxGetMainWnd());
    }

    TempFolder folder;
    TestApp app{folder};
    BarsFrame& frame = OpenBarsFrame(app);
};

TEST_F(FrameWndTest, ToolBarButtonsComeFromTheRegisteredResource)
{
    CToolBar& bar = frame.m_toolBar;
    ASSERT_EQ(bar.GetCount(), 3);
    EXPECT_EQ(bar.GetItemID(0), ID_FILE_NEW);
    EXPECT_EQ(bar.GetItemID(1), ID_SEPARATOR);
    EXPECT_EQ(bar.CommandToIndex(ID_TEST_COMMAND), 2);
    EXPECT_EQ(bar.CommandToIndex(ID_APP_COMMAND), -1);
    EXPECT_EQ(bar.GetDlgCtrlID(), static_cast<int>(AFX_IDW_TOOLBAR));
    auto* toolBar = qobject_cast<QToolBar*>(bar.GetSafeHwnd());
    ASSERT_NE(toolBar, nullptr);
    EXPECT_TRUE(toolBar->isMovable()) << "a gripper lets the user move the bar";
    EXPECT_EQ(qobject_cast<QMainWindow*>(frame.GetSafeHwnd())->toolBarArea(toolBar),
              Qt::TopToolBarArea);
}

TEST_F(FrameWndTest, ToolBarButtonSendsItsCommandThroughTheFrame)
{
    auto* doc = dynamic_cast<TextDocument*>(frame.GetActiveDocument());
    ASSERT_NE(doc, nullptr);
    const QList<QAction*> actions = frame.m_toolBar.GetSafeHwnd()->actions();
    ASSERT_EQ(actions.size(), 3);
    EXPECT_EQ(actions[2]->text(), "Test");
    actions[2]->trigger();
    EXPECT_EQ(doc->m_commands, std::vector<UINT>{ID_TEST_COMMAND});
    EXPECT_TRUE(app.m_commands.empty()) << "the document handled it first";
}

TEST_F(FrameWndTest, ButtonsShowTheListImagesInOrderAndTheHotOnesUnderTheMouse)
{
    CImageList normal;
    normal.Create(16, 16, ILC_COLOR32, 2, 0);
    normal.AddColor(0xFF0000);
    normal.AddColor(0x0000FF);
    CImageList hot;
    hot.Create(16, 16, ILC_COLOR32, 2, 0);
    hot.AddColor(0x00FF00);
    hot.AddColor(0x00FF00);
    frame.m_toolBar.SetImageList(&normal);
    frame.m_toolBar.SetHotImageList(&hot);
    frame.m_toolBar.LoadToolBar(IDR_TEST_FRAME);

    const auto colour = [](QAction* action, QIcon::Mode mode)
    { return action->icon().pixmap(QSize(16, 16), mode).toImage().pixelColor(8, 8); };
    const QList<QAction*> actions = frame.m_toolBar.GetSafeHwnd()->actions();
    ASSERT_EQ(actions.size(), 3);
    EXPECT_EQ(colour(actions[0], QIcon::Normal), QColor(255, 0, 0));
    EXPECT_TRUE(actions[1]->icon().isNull());
    EXPECT_EQ(colour(actions[2], QIcon::Normal), QColor(0, 0, 255));
    EXPECT_EQ(colour(actions[2], QIcon::Active), QColor(0, 255, 0));
}

TEST_F(FrameWndTest, CommandsGoToViewDocumentFrameAndApplicationInTurn)
{
    auto* view = dynamic_cast<CommandView*>(frame.GetActiveView());
    ASSERT_NE(view, nullptr);
    auto* doc = dynamic_cast<TextDocument*>(frame.GetActiveDocument());

    SendCommand(frame, ID_VIEW_COMMAND);
    SendCommand(frame, ID_FRAME_COMMAND);
    SendCommand(frame, ID_APP_COMMAND);
    EXPECT_EQ(view->commands, std::vector<UINT>{ID_VIEW_COMMAND});
    EXPECT_EQ(frame.commands, std::vector<UINT>{ID_FRAME_COMMAND});
    EXPECT_TRUE(doc->m_commands.empty());
    EXPECT_EQ(app.m_commands, std::vector<UINT>{ID_APP_COMMAND});
    EXPECT_FALSE(frame.OnCmdMsg(32799, 0));
}

TEST_F(FrameWndTest, StatusBarShowsTheMessageAndTheIndicators)
{
    CStatusBar& bar = frame.m_statusBar;
    ASSERT_EQ(bar.GetCount(), 4);
    EXPECT_EQ(frame.GetStatusBar(), &bar);
    EXPECT_EQ(bar.GetPaneText(1), "CAP");
    EXPECT_EQ(bar.GetPaneText(2), "NUM");
    EXPECT_EQ(bar.GetPaneText(3), "SCRL");
    EXPECT_EQ(bar.CommandToIndex(ID_INDICATOR_NUM), 2);

    frame.SetMessageText("Back up file /p/x.wvt is getting generated. Please wait");
    EXPECT_EQ(bar.GetPaneText(0), "Back up file /p/x.wvt is getting generated. Please wait");
    frame.SetMessageText("");
    EXPECT_EQ(bar.GetPaneText(0), "");
    EXPECT_FALSE(bar.SetPaneText(4, "none"));
}

TEST_F(FrameWndTest, CaptionJoinsTheDocumentTitleAndTheFrameTitle)
{
    CString caption;
    frame.GetWindowText(caption);
    EXPECT_EQ(caption, "Untitled - KestraneWeavo");

    frame.GetActiveDocument()->SetTitle("C:\\Projects\\");
    frame.GetWindowText(caption);
    EXPECT_EQ(caption, "C:\\Projects\\ - KestraneWeavo");
    frame.SetTitle("Weavo");
    frame.GetWindowText(caption);
    EXPECT_EQ(caption, "C:\\Projects\\ - Weavo");
}

TEST_F(FrameWndTest, ClosingAsksAboutAModifiedDocumentAndCancelKeepsTheFrame)
{
    frame.GetActiveDocument()->SetModifiedFlag();
    {
        ScriptedMessageBoxes boxes{IDCANCEL};
        frame.GetSafeHwnd()->close();
        EXPECT_EQ(boxes.Shown().size(), 1u);
        EXPECT_TRUE(frame.IsWindowVisible());
    }
    {
        ScriptedMessageBoxes boxes{IDNO};
        frame.SendMessage(WM_CLOSE);
        EXPECT_EQ(boxes.Shown().size(), 1u);
        EXPECT_FALSE(frame.IsWindowVisible());
    }
}

TEST_F(FrameWndTest, BarDocksOnlyWhereBothItAndTheFrameAllow)
{
    auto* window = qobject_cast<QMainWindow*>(frame.GetSafeHwnd());
    auto* toolBar = qobject_cast<QToolBar*>(frame.m_toolBar.GetSafeHwnd());

    frame.m_toolBar.EnableDocking(CBRS_ALIGN_BOTTOM | CBRS_ALIGN_RIGHT);
    frame.DockControlBar(&frame.m_toolBar);
    EXPECT_EQ(window->toolBarArea(toolBar), Qt::BottomToolBarArea);
    EXPECT_FALSE(toolBar->isAreaAllowed(Qt::TopToolBarArea));

    frame.EnableDocking(CBRS_ALIGN_RIGHT);
    frame.DockControlBar(&frame.m_toolBar);
    EXPECT_EQ(window->toolBarArea(toolBar), Qt::RightToolBarArea);

    frame.EnableDocking(CBRS_ALIGN_TOP);
    EXPECT_FALSE(frame.m_toolBar.DockInFrame(CBRS_ALIGN_TOP));
    EXPECT_EQ(window->toolBarArea(toolBar), Qt::RightToolBarArea);
}

TEST(FrameCreationTest, FrameThatFailsToCreateLeavesNoWindowAndNoDocument)
{
    TempFolder folder;
    TestApp app(folder);
    app.AddTemplate(RUNTIME_CLASS(BrokenFrame), RUNTIME_CLASS(CView));
    auto* docTemplate = dynamic_cast<CSingleDocTemplate*>(app.GetFirstDocTemplate());
    EXPECT_EQ(docTemplate->OpenDocumentFile(nullptr), nullptr);
    EXPECT_EQ(docTemplate->GetDocument(), nullptr);
    EXPECT_EQ(docTemplate->GetFrame(), nullptr);
    EXPECT_EQ(AfxGetMainWnd(), nullptr);
}

TEST_F(FrameWndTest, ActivatingMaximisedMaximisesTheWindow)
{
    frame.ActivateFrame(SW_SHOWMAXIMIZED);
    EXPECT_TRUE(frame.GetSafeHwnd()->windowState().testFlag(Qt::WindowMaximized));
}

TEST_F(FrameWndTest, AMainWindowOpensOverThreeQuartersOfTheScreenEachWay)
{
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    frame.ActivateFrame();
    QApplication::processEvents();
    EXPECT_EQ(frame.GetSafeHwnd()->normalGeometry(),
              QRect(area.left() + area.width() / 8, area.top() + area.height() / 8,
                    area.width() * 3 / 4, area.height() * 3 / 4));
}
} // namespace
