#include "platform/ui/Button.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/ControlWidgets.h"
#include "platform/ui/DialogDriver.h"
#include "platform/ui/DialogTemplate.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Static.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QWidget>

#include <gtest/gtest.h>

#include <QLineEdit>

#include <functional>
#include <memory>
#include <vector>

namespace
{
constexpr UINT IDD_PANEL = 9302;

enum : int
{
    IDC_CAPTION = 2001,
    IDC_VALUE,
    IDC_CHOICE,
    IDC_WND_APPLY,
    IDC_FIRST,
    IDC_SECOND,
};

const DialogTemplateRegistration panelTemplate{{
    IDD_PANEL,
    "Panel",
    {
        {IDC_CAPTION, ControlKind::Static, "Value:"},
        {IDC_VALUE, ControlKind::Edit, "initial"},
        {IDC_CHOICE, ControlKind::EditComboBox, ""},
        {IDC_WND_APPLY, ControlKind::PushButton, "Apply"},
        {IDC_FIRST, ControlKind::PushButton, "First"},
        {IDC_SECOND, ControlKind::PushButton, "Second"},
    },
}};

const UINT WM_PANEL_PING = RegisterWindowMessage("WeavoTestPanelPing");

// A window with the panel's controls that records what reaches it.
class PanelWnd : public CWnd
{
public:
    PanelWnd()
    {
        SetOwnedWidget(new QWidget);
        CreateControls(*FindDialogTemplate(IDD_PANEL));
        MapCommand(IDC_WND_APPLY, &PanelWnd::OnApply);
        MapControlRange(BN_CLICKED, IDC_FIRST, IDC_SECOND,
                        [this] { m_events.push_back("first or second"); });
        MapMessage(WM_PANEL_PING, &PanelWnd::OnPing);
    }

    std::vector<std::string> m_events;
    std::vector<UINT_PTR> m_timers;

protected:
    void OnTimer(UINT_PTR id) override { m_timers.push_back(id); }

private:
    void OnApply() { m_events.push_back("apply"); }
    LRESULT OnPing(WPARAM wParam, LPARAM lParam)
    {
        m_events.push_back("ping " + std::to_string(wParam) + " " + std::to_string(lParam));
        return static_cast<LRESULT>(wParam + 1);
    }
};

// Runs the event loop until done or the time (milliseconds) has passed.
bool ProcessEventsUntil(const std::function<bool()>& done, int time = 1000)
{
    QDeadlineTimer deadline(time);
    while (!done() && !deadline.hasExpired())
    {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    return done();
}

// A control that handles its own clicks before its owner hears of them.
class SelfHandlingButton : public CButton
{
public:
    int m_clicks = 0;

protected:
    BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM, LRESULT*) override
    {
        if (message == WM_COMMAND && HIWORD(wParam) == BN_CLICKED)
        {
            ++m_clicks;
            return TRUE;
        }
        return FALSE;
    }
};
} // namespace

TEST(WndTest, ControlsAreFoundByIdWithTheirClass)
{
    PanelWnd panel;

    ASSERT_NE(panel.GetDlgItem(IDC_VALUE), nullptr);
    EXPECT_TRUE(panel.GetDlgItem(IDC_VALUE)->IsKindOf(RUNTIME_CLASS(CEdit)));
    EXPECT_TRUE(panel.GetDlgItem(IDC_CHOICE)->IsKindOf(RUNTIME_CLASS(CComboBox)));
    EXPECT_TRUE(panel.GetDlgItem(IDC_CAPTION)->IsKindOf(RUNTIME_CLASS(CStatic)));
    EXPECT_TRUE(panel.GetDlgItem(IDC_WND_APPLY)->IsKindOf(RUNTIME_CLASS(CButton)));
    EXPECT_EQ(panel.GetDlgItem(IDC_WND_APPLY)->GetDlgCtrlID(), IDC_WND_APPLY);
    EXPECT_EQ(panel.GetDlgItem(IDC_WND_APPLY)->GetParent(), &panel);
    EXPECT_EQ(panel.GetDlgItem(9999), nullptr);
}

TEST(WndTest, WindowTextOfEveryKindOfControl)
{
    PanelWnd panel;
    CString text;

    EXPECT_EQ(panel.GetDlgItemText(IDC_VALUE, text), 7);
    EXPECT_EQ(text, "initial");
    panel.SetDlgItemText(IDC_VALUE, "Zoë");
    EXPECT_EQ(panel.GetDlgItemText(IDC_VALUE, text), 4);
    EXPECT_EQ(text, "Zoë");
    panel.SetDlgItemText(IDC_CAPTION, "Amount:");
    panel.SetDlgItemText(IDC_WND_APPLY, "Use");
    panel.SetDlgItemText(IDC_CHOICE, "typed");
    panel.SetWindowText("Settings");

    panel.GetDlgItemText(IDC_CAPTION, text);
    EXPECT_EQ(text, "Amount:");
    panel.GetDlgItemText(IDC_WND_APPLY, text);
    EXPECT_EQ(text, "Use");
    panel.GetDlgItemText(IDC_CHOICE, text);
    EXPECT_EQ(text, "typed");
    panel.GetWindowText(text);
    EXPECT_EQ(text, "Settings");
    EXPECT_EQ(panel.GetDlgItemText(9999, text), 0);
    EXPECT_TRUE(text.IsEmpty());
}

TEST(WndTest, AnEditShowsANewTextFromItsStartAndKeepsTheCaretForTheSameText)
{
    PanelWnd panel;
    auto* edit = qobject_cast<QLineEdit*>(panel.GetDlgItem(IDC_VALUE)->GetSafeHwnd());
    ASSERT_NE(edit, nullptr);
    const struct
    {
        const char* text;
        int caretBefore;
        int caretAfter;
    } cases[] = {
        {"BaseModule_Dashboard_with_a_long_name", 0, 0},
        {"BaseModule_Dashboard_with_a_long_name", 5, 5},
        {"Others", 5, 0},
    };
    for (const auto& each : cases)
    {
        edit->setCursorPosition(each.caretBefore);
        panel.SetDlgItemText(IDC_VALUE, each.text);
        EXPECT_EQ(edit->text().toStdString(), each.text);
        EXPECT_EQ(edit->cursorPosition(), each.caretAfter) << each.text;
    }
}

TEST(WndTest, ButtonClicksReachMappedCommandsAndRanges)
{
    PanelWnd panel;
    DialogDriver user(panel);

    user.Click(IDC_WND_APPLY);
    user.Click(IDC_SECOND);
    user.Click(IDC_FIRST);

    EXPECT_EQ(panel.m_events,
              (std::vector<std::string>{"apply", "first or second", "first or second"}));
    EXPECT_FALSE(panel.OnCmdMsg(IDC_VALUE, BN_CLICKED));
    EXPECT_FALSE(panel.OnCmdMsg(IDC_WND_APPLY, EN_CHANGE));
}

TEST(WndTest, ControlCanHandleItsOwnNotification)
{
    PanelWnd panel;
    SelfHandlingButton button;
    QWidget* widget = CreateControlWidget(ControlKind::PushButton, "Own", panel.GetSafeHwnd());
    button.Attach(widget);
    button.SetDlgCtrlID(IDC_WND_APPLY);

    static_cast<QPushButton*>(widget)->click();

    EXPECT_EQ(button.m_clicks, 1);
    EXPECT_TRUE(panel.m_events.empty());
}

TEST(WndTest, RegisteredMessagesAreUniquePerName)
{
    EXPECT_EQ(RegisterWindowMessage("WeavoTestPanelPing"), WM_PANEL_PING);
    EXPECT_GE(WM_PANEL_PING, 0xC000u);
    EXPECT_NE(RegisterWindowMessage("WeavoTestOther"), WM_PANEL_PING);
}

TEST(WndTest, SendMessageRunsTheHandlerAtOnceAndReturnsItsResult)
{
    PanelWnd panel;
    CWnd* value = panel.GetDlgItem(IDC_VALUE);

    EXPECT_EQ(value->GetParent()->SendMessage(WM_PANEL_PING, 4, -2), 5);
    EXPECT_EQ(panel.m_events, std::vector<std::string>{"ping 4 -2"});
    EXPECT_EQ(panel.SendMessage(WM_USER + 99), 0);
}

TEST(WndTest, PostedMessageArrivesFromTheEventLoop)
{
    PanelWnd panel;

    ASSERT_TRUE(panel.PostMessage(WM_PANEL_PING, 7, 8));
    EXPECT_TRUE(panel.m_events.empty());
    EXPECT_TRUE(ProcessEventsUntil([&panel] { return !panel.m_events.empty(); }));
    EXPECT_EQ(panel.m_events, std::vector<std::string>{"ping 7 8"});
}

TEST(WndTest, PostedMessageToADestroyedWindowIsDropped)
{
    auto panel = std::make_unique<PanelWnd>();
    ASSERT_TRUE(panel->PostMessage(WM_PANEL_PING, 1, 1));
    panel.reset();

    QCoreApplication::processEvents();

    CWnd unattached;
    EXPECT_FALSE(unattached.PostMessage(WM_PANEL_PING));
}

TEST(WndTest, CommandMessageIsRoutedLikeAClick)
{
    PanelWnd panel;

    panel.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_WND_APPLY, BN_CLICKED));

    EXPECT_EQ(panel.m_events, std::vector<std::string>{"apply"});
}

TEST(WndTest, TimerFiresUntilKilled)
{
    PanelWnd panel;

    EXPECT_EQ(panel.SetTimer(5, 1), 5u);
    EXPECT_TRUE(ProcessEventsUntil([&panel] { return panel.m_timers.size() >= 2; }));
    EXPECT_EQ(panel.m_timers[0], 5u);
    EXPECT_TRUE(panel.KillTimer(5));
    const std::size_t fired = panel.m_timers.size();
    ProcessEventsUntil([] { return false; }, 50);

    EXPECT_EQ(panel.m_timers.size(), fired);
    EXPECT_FALSE(panel.KillTimer(5));
    EXPECT_FALSE(panel.KillTimer(6));
}

TEST(WndTest, EnableAndShowReportThePreviousState)
{
    PanelWnd panel;
    CWnd* value = panel.GetDlgItem(IDC_VALUE);

    EXPECT_FALSE(value->EnableWindow(FALSE));
    EXPECT_FALSE(value->IsWindowEnabled());
    EXPECT_TRUE(value->EnableWindow(FALSE));
    EXPECT_TRUE(value->EnableWindow(TRUE));
    EXPECT_TRUE(value->IsWindowEnabled());

    panel.ShowWindow(SW_SHOW);
    EXPECT_TRUE(value->IsWindowVisible());
    EXPECT_TRUE(value->ShowWindow(SW_HIDE));
    EXPECT_FALSE(value->IsWindowVisible());
    EXPECT_FALSE(value->ShowWindow(SW_SHOW));
    panel.ShowWindow(SW_HIDE);
    EXPECT_FALSE(value->IsWindowVisible());

    EXPECT_FALSE(panel.ShowWindow(SW_MAXIMIZE));
    EXPECT_TRUE(panel.IsWindowVisible());
    EXPECT_TRUE(panel.GetSafeHwnd()->isMaximized());
}

TEST(WndTest, FocusMovesToTheControlAndIsReported)
{
    PanelWnd panel;
    panel.ShowWindow(SW_SHOW);
    panel.GetSafeHwnd()->activateWindow();
    CWnd* value = panel.GetDlgItem(IDC_VALUE);
    CWnd* apply = panel.GetDlgItem(IDC_WND_APPLY);
    ASSERT_TRUE(ProcessEventsUntil([&panel] { return panel.GetSafeHwnd()->isActiveWindow(); }));

    value->SetFocus();
    EXPECT_EQ(CWnd::GetFocus(), value);
    EXPECT_EQ(apply->SetFocus(), value);
    EXPECT_EQ(CWnd::GetFocus(), apply);
}

// A window that notes its destruction under its name.
template <class Window> class DestroyNoted : public Window
{
public:
    DestroyNoted(std::vector<std::string>& log, const char* name) : m_log(log), m_name(name) {}

protected:
    void OnDestroy() override
    {
        m_log.push_back(m_name);
        Window::OnDestroy();
    }

private:
    std::vector<std::string>& m_log;
    const char* m_name;
};

TEST(WndTest, DestroyingAWindowTellsItThenItsSubclassedControls)
{
    std::vector<std::string> log;
    DestroyNoted<CEdit> control(log, "control");
    {
        DestroyNoted<PanelWnd> panel(log, "panel");
        ASSERT_TRUE(control.SubclassDlgItem(IDC_VALUE, &panel));
        EXPECT_TRUE(panel.DestroyWindow());
    }
    EXPECT_EQ(log, (std::vector<std::string>{"panel", "control"}));
    EXPECT_EQ(control.GetSafeHwnd(), nullptr);
}

TEST(WndTest, HandleOutlivesItsWidgetSafely)
{
    CEdit edit;
    {
        PanelWnd panel;
        edit.Attach(panel.GetDlgItem(IDC_VALUE)->GetSafeHwnd());
        EXPECT_EQ(CWnd::FromHandle(edit.GetSafeHwnd()), panel.GetDlgItem(IDC_VALUE));
    }

    EXPECT_EQ(edit.GetSafeHwnd(), nullptr);
    edit.SetWindowText("ignored");
    CString text;
    EXPECT_EQ(edit.GetWindowText(text), 0);
    EXPECT_FALSE(edit.EnableWindow(TRUE));
    EXPECT_EQ(edit.SetTimer(1, 10), 0u);
}

TEST(WndTest, SecondHandleSharesTheWidgetButNotTheRouting)
{
    PanelWnd panel;
    QWidget* widget = panel.GetDlgItem(IDC_VALUE)->GetSafeHwnd();
    CEdit second;

    ASSERT_TRUE(second.Attach(widget));
    EXPECT_FALSE(second.Attach(widget));
    second.SetWindowText("shared");
    CString text;
    panel.GetDlgItemText(IDC_VALUE, text);
    EXPECT_EQ(text, "shared");
    EXPECT_EQ(CWnd::FromHandle(widget), panel.GetDlgItem(IDC_VALUE));
    EXPECT_EQ(second.Detach(), widget);
    EXPECT_EQ(CWnd::FromHandle(widget), panel.GetDlgItem(IDC_VALUE));
}

TEST(WndTest, DestroyWindowDeletesAnOwnedWidgetOnly)
{
    PanelWnd panel;
    QPointer<QWidget> owned = panel.GetSafeHwnd();
    QPointer<QWidget> child = panel.GetDlgItem(IDC_VALUE)->GetSafeHwnd();
    CEdit borrowed;
    borrowed.Attach(child);

    EXPECT_TRUE(borrowed.DestroyWindow());
    EXPECT_FALSE(child.isNull());
    EXPECT_TRUE(panel.DestroyWindow());
    EXPECT_TRUE(owned.isNull());
    EXPECT_TRUE(child.isNull());
    EXPECT_FALSE(panel.DestroyWindow());
}
