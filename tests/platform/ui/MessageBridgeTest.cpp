#include "platform/ui/DataExchange.h"
#include "platform/ui/DialogTemplate.h"
#include "platform/ui/Edit.h"
#include "platform/ui/FrameWnd.h"
#include "platform/ui/GdiObjects.h"

#include <QContextMenuEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTest>
#include <QWheelEvent>
#include <QWidget>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{
// A window that paints itself and records the messages that reach it as text.
class CanvasWnd : public CWnd
{
public:
    std::vector<std::string> m_log;
    UINT m_swallowKey = 0;
    HCURSOR m_cursor = nullptr;

    BOOL PreTranslateMessage(MSG* msg) override
    {
        return msg->message == WM_KEYDOWN && msg->wParam == m_swallowKey;
    }

protected:
    int OnCreate(LPCREATESTRUCT createStruct) override
    {
        Log("create " + std::to_string(createStruct->cx) + "x" + std::to_string(createStruct->cy));
        return createStruct->cx == 0 ? -1 : 0;
    }
    void OnPaint() override { Log("paint"); }
    void OnLButtonDown(UINT flags, CPoint point) override { LogPoint("ldown", flags, point); }
    void OnLButtonUp(UINT flags, CPoint point) override { LogPoint("lup", flags, point); }
    void OnLButtonDblClk(UINT flags, CPoint point) override { LogPoint("ldbl", flags, point); }
    void OnRButtonDown(UINT flags, CPoint point) override { LogPoint("rdown", flags, point); }
    void OnMouseMove(UINT flags, CPoint point) override { LogPoint("move", flags, point); }
    void OnMouseLeave() override { Log("leave"); }
    BOOL OnMouseWheel(UINT, short delta, CPoint) override
    {
        Log("wheel " + std::to_string(delta));
        return TRUE;
    }
    void OnKeyDown(UINT key, UINT repeatCount, UINT) override
    {
        Log("key " + std::to_string(key) + " " + std::to_string(repeatCount));
    }
    BOOL OnSetCursor(CWnd* wnd, UINT hitTest, UINT message) override
    {
        if (m_cursor == nullptr)
            return CWnd::OnSetCursor(wnd, hitTest, message);
        SetCursor(m_cursor);
        return TRUE;
    }
    void OnContextMenu(CWnd* wnd, CPoint point) override
    {
        Log(std::string("menu ") + (wnd == this ? "self " : "other ") + std::to_string(point.x) +
            "," + std::to_string(point.y));
    }

private:
    void Log(const std::string& text) { m_log.push_back(text); }
    void LogPoint(const char* name, UINT flags, CPoint point)
    {
        Log(std::string(name) + " " + std::to_string(point.x) + "," + std::to_string(point.y) +
            " " + std::to_string(flags));
    }
};

// A top-level window with one canvas child at (10, 20), 100 x 50.
struct CanvasHost
{
    CanvasHost()
    {
        EXPECT_TRUE(host.CreateEx(0, nullptr, "Host", WS_POPUP | WS_CAPTION,
                                  CRect(100, 200, 400, 400), nullptr, 0));
        EXPECT_TRUE(
            canvas.Create(nullptr, "", WS_CHILD | WS_VISIBLE, CRect(10, 20, 110, 70), &host, 77));
        host.ShowWindow(SW_SHOW);
        widget = canvas.GetSafeHwnd();
        canvas.m_log.clear();
    }

    CanvasWnd host;
    CanvasWnd canvas;
    QWidget* widget = nullptr;
};

constexpr UINT IDD_EDITS = 9401;
constexpr int IDC_TYPED = 3001;
const DialogTemplateRegistration editsTemplate{
    {IDD_EDITS, "Edits", {{IDC_TYPED, ControlKind::Edit, ""}}}};

// An edit member that drops the letter X and counts the changes reflected to it.
class FilteringEdit : public CEdit
{
public:
    int m_changes = 0;
    int m_subclassed = 0;

protected:
    void PreSubclassWindow() override { ++m_subclassed; }
    void OnKeyDown(UINT key, UINT, UINT) override
    {
        if (key != 'X')
            Default();
    }
    BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM, LRESULT*) override
    {
        if (message == WM_COMMAND && HIWORD(wParam) == EN_CHANGE)
            ++m_changes;
        return FALSE;
    }
};

class EditsWnd : public CWnd
{
public:
    EditsWnd()
    {
        SetOwnedWidget(new QWidget);
        CreateControls(*FindDialogTemplate(IDD_EDITS));
    }
    void DoDataExchange(CDataExchange* pDX) override { DDX_Control(pDX, IDC_TYPED, m_edit); }

    FilteringEdit m_edit;
};
} // namespace

TEST(MessageBridgeTest, CustomWindowReceivesPaintMouseAndKeyMessages)
{
    CanvasHost host;

    host.widget->grab();
    QTest::mouseClick(host.widget, Qt::LeftButton, Qt::NoModifier, QPoint(5, 6));
    QTest::mouseClick(host.widget, Qt::RightButton, Qt::ShiftModifier, QPoint(9, 9));
    QMouseEvent move(QEvent::MouseMove, QPointF(30, 40), QPointF(140, 260), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(host.widget, &move);
    QTest::mouseDClick(host.widget, Qt::LeftButton, Qt::NoModifier, QPoint(7, 8));
    QTest::keyClick(host.widget, Qt::Key_F2);
    QWheelEvent wheel(QPointF(1, 1), QPointF(111, 221), QPoint(), QPoint(0, 120), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(host.widget, &wheel);
    QContextMenuEvent menu(QContextMenuEvent::Mouse, QPoint(3, 4), QPoint(113, 224));
    QApplication::sendEvent(host.widget, &menu);

    const std::vector<std::string> expected{"paint",       "ldown 5,6 1",  "lup 5,6 0",
                                            "rdown 9,9 6", "move 30,40 0", "ldbl 7,8 1",
                                            "key 113 1",   "wheel 120",    "menu self 113,224"};
    // Qt repaints and moves the mouse of its own accord in between.
    std::vector<std::string> seen;
    for (const std::string& entry : host.canvas.m_log)
    {
        if ((entry != "paint" || seen.empty()) &&
            (entry.rfind("move", 0) != 0 || entry == "move 30,40 0"))
            seen.push_back(entry);
    }
    EXPECT_EQ(seen, expected);
}

TEST(MessageBridgeTest, DefaultLetsQtHandleAndTheSubclassHearsReflectedNotifications)
{
    EditsWnd window;
    ASSERT_TRUE(window.UpdateData(FALSE));
    ASSERT_EQ(window.GetDlgItem(IDC_TYPED), &window.m_edit);
    auto* edit = qobject_cast<QLineEdit*>(window.m_edit.GetSafeHwnd());
    ASSERT_NE(edit, nullptr);

    QTest::keyClicks(edit, "aXb");

    EXPECT_EQ(edit->text(), "ab");
    EXPECT_EQ(window.m_edit.m_changes, 2);
    EXPECT_EQ(window.m_edit.m_subclassed, 1);
    window.UpdateData(FALSE);
    EXPECT_EQ(window.m_edit.m_subclassed, 1);
}

TEST(MessageBridgeTest, PreTranslateMessageOfAParentStopsTheKey)
{
    CanvasHost host;
    host.host.m_swallowKey = VK_ESCAPE;

    QTest::keyClick(host.widget, Qt::Key_Escape);
    QTest::keyClick(host.widget, Qt::Key_Home);

    EXPECT_EQ(host.canvas.m_log, std::vector<std::string>{"key 36 1"});
}

TEST(MessageBridgeTest, AParentsInputRelayHearsTheChildsInputUntilRemoved)
{
    CanvasHost host;
    host.host.m_swallowKey = VK_ESCAPE;
    std::vector<std::string> heard;
    const auto relayAs = [&heard](const std::string& name)
    {
        return [&heard, name](MSG* msg)
        {
            if (msg->message == WM_KEYDOWN)
                heard.push_back(name + " " + std::to_string(msg->wParam));
        };
    };
    const CWnd* relaying = &host.canvas;
    host.host.AddInputRelay(relaying, relayAs("first"));
    host.host.AddInputRelay(relaying, relayAs("second"));

    QTest::keyClick(host.widget, Qt::Key_Escape);
    host.host.RemoveInputRelay(relaying);
    QTest::keyClick(host.widget, Qt::Key_Home);

    EXPECT_EQ(heard, std::vector<std::string>{"second 27"});
    EXPECT_EQ(host.canvas.m_log, std::vector<std::string>{"key 36 1"});
}

TEST(MessageBridgeTest, RectanglesExcludeTheirRightAndBottomEdges)
{
    const CRect rect(10, 20, 30, 60);
    EXPECT_EQ(rect.Width(), 20);
    EXPECT_EQ(rect.Height(), 40);
    EXPECT_TRUE(rect.PtInRect(CPoint(10, 20)));
    EXPECT_TRUE(rect.PtInRect(CPoint(29, 59)));
    EXPECT_FALSE(rect.PtInRect(CPoint(30, 59)));
    EXPECT_FALSE(rect.PtInRect(CPoint(29, 60)));
    CRect overlap;
    EXPECT_FALSE(overlap.IntersectRect(rect, CRect(30, 20, 40, 60)));
    EXPECT_TRUE(overlap.IsRectNull());

    CanvasHost host;
    CRect client;
    host.canvas.GetClientRect(&client);
    EXPECT_EQ(client, CRect(0, 0, 100, 50));
    CRect window;
    host.canvas.GetWindowRect(&window);
    EXPECT_EQ(window.Size(), CSize(100, 50));
    CPoint point(0, 0);
    host.canvas.ClientToScreen(&point);
    EXPECT_EQ(point, window.TopLeft());
    host.host.ScreenToClient(&point);
    EXPECT_EQ(point, CPoint(10, 20));
    EXPECT_EQ(host.host.ChildWindowFromPoint(CPoint(10, 20)), &host.canvas);
    EXPECT_EQ(host.host.ChildWindowFromPoint(CPoint(110, 20)), &host.host);
    EXPECT_EQ(host.host.GetDlgItem(77), &host.canvas);
    EXPECT_EQ(CWnd::WindowFromPoint(window.TopLeft()), &host.canvas);
}

TEST(MessageBridgeTest, PopupIsTopmostWithoutActivationAndOwned)
{
    CanvasHost host;
    CanvasWnd popup;
    const CString cls =
        AfxRegisterWndClass(CS_SAVEBITS | CS_CLASSDC, LoadCursor(nullptr, IDC_ARROW));

    ASSERT_TRUE(popup.CreateEx(WS_EX_TOPMOST | WS_EX_NOACTIVATE, cls, "", WS_POPUP | WS_VISIBLE,
                               CRect(0, 0, 10, 10), &host.canvas, 0));

    QWidget* widget = popup.GetSafeHwnd();
    EXPECT_TRUE(widget->isWindow());
    EXPECT_TRUE(widget->isVisible());
    EXPECT_TRUE(widget->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_TRUE(widget->testAttribute(Qt::WA_ShowWithoutActivating));
    EXPECT_EQ(popup.GetOwner(), &host.canvas);
    EXPECT_EQ(popup.GetExStyle(), WS_EX_TOPMOST | WS_EX_NOACTIVATE);
    EXPECT_EQ(popup.m_log, std::vector<std::string>{"create 10x10"});

    CanvasWnd refused;
    EXPECT_FALSE(refused.Create(nullptr, "", WS_CHILD, CRect(), &host.host, 5));
    EXPECT_EQ(refused.GetSafeHwnd(), nullptr);
}

TEST(MessageBridgeTest, CaptureLeaveTrackingCursorAndFont)
{
    CanvasHost host;

    EXPECT_EQ(host.canvas.SetCapture(), nullptr);
    EXPECT_EQ(CWnd::GetCapture(), &host.canvas);
    ReleaseCapture();
    EXPECT_EQ(CWnd::GetCapture(), nullptr);

    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(host.widget, &leave);
    TRACKMOUSEEVENT track{sizeof(TRACKMOUSEEVENT), TME_LEAVE, host.widget, 0};
    TrackMouseEvent(&track);
    QApplication::sendEvent(host.widget, &leave);
    QApplication::sendEvent(host.widget, &leave);
    EXPECT_EQ(host.canvas.m_log, std::vector<std::string>{"leave"});

    host.canvas.m_cursor = LoadCursor(nullptr, IDC_HAND);
    QTest::mouseMove(host.widget, QPoint(3, 3));
    EXPECT_EQ(host.widget->cursor().shape(), Qt::PointingHandCursor);
    host.canvas.m_cursor = nullptr;
    QTest::mouseMove(host.widget, QPoint(4, 4));
    EXPECT_EQ(host.widget->cursor().shape(), Qt::ArrowCursor);

    LOGFONT logFont{};
    host.canvas.GetFont()->GetLogFont(&logFont);
    logFont.lfWeight = FW_BOLD;
    CFont bold;
    bold.CreateFontIndirect(&logFont);
    host.canvas.SetFont(&bold);
    LOGFONT shown{};
    host.canvas.GetFont()->GetLogFont(&shown);
    EXPECT_EQ(shown.lfWeight, FW_BOLD);
    EXPECT_EQ(shown.lfHeight, logFont.lfHeight);
}

namespace
{
class ClosingFrame : public CFrameWnd
{
public:
    ClosingFrame() { MapMessage(WM_CLOSE, &ClosingFrame::OnCloseMessage); }
    int m_closes = 0;

private:
    LRESULT OnCloseMessage(WPARAM, LPARAM)
    {
        ++m_closes;
        return 0;
    }
};
} // namespace

TEST(MessageBridgeTest, MappedCloseHandlerOfAFrameRunsAndKeepsItOpen)
{
    ClosingFrame frame;
    ASSERT_TRUE(frame.LoadFrame(128));
    frame.ShowWindow(SW_SHOW);

    frame.GetSafeHwnd()->close();

    EXPECT_EQ(frame.m_closes, 1);
    EXPECT_TRUE(frame.IsWindowVisible());
}
