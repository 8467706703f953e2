#include "ControlHost.h"
#include "TestColors.h"

#include "platform/ui/DC.h"
#include "platform/ui/Edit.h"
#include "platform/ui/SystemSettings.h"

#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTest>

#include <gtest/gtest.h>

#include <cctype>
#include <string>
#include <vector>

namespace
{
constexpr int IDC_HANDLER_LABEL = 3601;
constexpr int IDC_HANDLER_FIELD = 3602;
constexpr COLORREF kYellow = RGB(255, 255, 0);

// Lets digits only be typed; hears every character.
class DigitsEdit : public CEdit
{
public:
    std::string m_typed;

protected:
    void OnChar(UINT character, UINT, UINT) override
    {
        m_typed += static_cast<char>(character);
        if (std::isdigit(static_cast<int>(character)) != 0)
            Default();
    }
};

// Paints its background red in OnEraseBkgnd and a blue square in OnPaint; counts both.
class ErasingWnd : public CWnd
{
public:
    int m_erases = 0;
    int m_paints = 0;

protected:
    BOOL OnEraseBkgnd(CDC* dc) override
    {
        ++m_erases;
        CRect client;
        GetClientRect(&client);
        dc->FillSolidRect(&client, kRed);
        return TRUE;
    }
    void OnPaint() override
    {
        ++m_paints;
        CPaintDC dc(this);
        dc.FillSolidRect(10, 10, 5, 5, kBlue);
    }
};

// Colours its label red on yellow and records what asked.
class ColouringHost : public ControlHost
{
public:
    using ControlHost::ControlHost;
    std::vector<std::pair<int, UINT>> m_asked;

protected:
    HBRUSH OnCtlColor(CDC* dc, CWnd* control, UINT kind) override
    {
        m_asked.emplace_back(control->GetDlgCtrlID(), kind);
        if (kind != CTLCOLOR_STATIC)
            return CWnd::OnCtlColor(dc, control, kind);
        dc->SetTextColor(kRed);
        return &m_yellow;
    }

private:
    CBrush m_yellow{kYellow};
};

// A window that takes the focus and answers WM_GETDLGCODE as told.
class KeyedWnd : public CWnd
{
public:
    UINT m_code = 0;
    std::vector<UINT> m_keys;
    std::vector<CPoint> m_presses;

protected:
    UINT OnGetDlgCode() override { return m_code; }
    void OnKeyDown(UINT key, UINT, UINT) override { m_keys.push_back(key); }
    void OnLButtonDown(UINT, CPoint point) override { m_presses.push_back(point); }
};

const DialogTemplate controlsTemplate{9341,
                                      "Controls",
                                      {{IDC_HANDLER_LABEL, ControlKind::Static, "Coloured"},
                                       {IDC_HANDLER_FIELD, ControlKind::Edit, ""}}};

void Press(QWidget* widget, QPoint at)
{
    QMouseEvent press(QEvent::MouseButtonPress, at, widget->mapToGlobal(at), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &press);
}
} // namespace

TEST(SmallHandlersTest, OnCharHearsEveryTypedCharacterAndTypesWhatItPasses)
{
    ControlHost host(controlsTemplate);
    DigitsEdit edit;
    ASSERT_TRUE(edit.SubclassDlgItem(IDC_HANDLER_FIELD, &host));

    QTest::keyClicks(edit.GetSafeHwnd(), "a1b2");

    EXPECT_EQ(edit.m_typed, "a1b2");
    EXPECT_EQ(static_cast<QLineEdit*>(edit.GetSafeHwnd())->text(), "12");
}

TEST(SmallHandlersTest, OnEraseBkgndDrawsTheBackgroundOfEveryPaint)
{
    ErasingWnd window;
    ASSERT_TRUE(window.Create(nullptr, "", WS_POPUP, CRect(0, 0, 30, 30), nullptr, 0));

    const QImage shot = window.GetSafeHwnd()->grab().toImage();

    EXPECT_EQ(FromQColor(shot.pixelColor(2, 2)), kRed);
    EXPECT_EQ(FromQColor(shot.pixelColor(12, 12)), kBlue);
    EXPECT_EQ(window.m_erases, 1);
    EXPECT_EQ(window.m_paints, 1);
}

TEST(SmallHandlersTest, OnCtlColorGivesAControlItsTextAndBackground)
{
    ColouringHost host(controlsTemplate);
    QWidget* label = host.GetDlgItem(IDC_HANDLER_LABEL)->GetSafeHwnd();
    host.GetSafeHwnd()->resize(200, 80);

    host.GetSafeHwnd()->grab();
    const QImage shot = label->grab().toImage();

    EXPECT_EQ(FromQColor(shot.pixelColor(shot.width() - 2, 1)), kYellow);
    EXPECT_EQ(FromQColor(label->palette().color(QPalette::WindowText)), kRed);
    const std::vector<std::pair<int, UINT>> expected{{IDC_HANDLER_LABEL, CTLCOLOR_STATIC},
                                                     {IDC_HANDLER_FIELD, CTLCOLOR_EDIT}};
    for (const auto& ask : expected)
        EXPECT_NE(std::find(host.m_asked.begin(), host.m_asked.end(), ask), host.m_asked.end())
            << ask.first;
    const QWidget* field = host.GetDlgItem(IDC_HANDLER_FIELD)->GetSafeHwnd();
    EXPECT_NE(FromQColor(field->palette().color(QPalette::Base)), kYellow);
}

TEST(SmallHandlersTest, AWindowGetsTabOnlyWhenItsDialogCodeWantsIt)
{
    ControlHost host(controlsTemplate);
    KeyedWnd keyed;
    ASSERT_TRUE(keyed.Create(nullptr, "", WS_CHILD | WS_VISIBLE, CRect(0, 0, 40, 20), &host, 9));
    QWidget* widget = keyed.GetSafeHwnd();
    widget->setFocusPolicy(Qt::StrongFocus);
    QWidget::setTabOrder(widget, host.GetDlgItem(IDC_HANDLER_FIELD)->GetSafeHwnd());
    host.GetSafeHwnd()->show();
    QApplication::setActiveWindow(host.GetSafeHwnd());
    widget->setFocus();
    ASSERT_EQ(QApplication::focusWidget(), widget);

    keyed.m_code = DLGC_WANTTAB;
    QTest::keyClick(widget, Qt::Key_Tab);
    EXPECT_EQ(keyed.m_keys, std::vector<UINT>{VK_TAB});
    EXPECT_EQ(QApplication::focusWidget(), widget);

    keyed.m_code = DLGC_WANTARROWS;
    QTest::keyClick(widget, Qt::Key_Tab);
    EXPECT_EQ(keyed.m_keys, std::vector<UINT>{VK_TAB});
    EXPECT_EQ(QApplication::focusWidget(), host.GetDlgItem(IDC_HANDLER_FIELD)->GetSafeHwnd());
}

TEST(SmallHandlersTest, SetRedrawHoldsThePaintsUntilItIsOnAgain)
{
    ErasingWnd window;
    ASSERT_TRUE(window.Create(nullptr, "", WS_POPUP | WS_VISIBLE, CRect(0, 0, 30, 30), nullptr, 0));
    QApplication::processEvents();
    const int before = window.m_paints;

    window.SetRedraw(FALSE);
    window.UpdateWindow();
    EXPECT_EQ(window.m_paints, before);
    window.SetRedraw(TRUE);
    window.UpdateWindow();
    EXPECT_EQ(window.m_paints, before + 1);
}

TEST(SmallHandlersTest, TheWindowWithTheCaptureGetsTheMouseOfEveryOtherWidget)
{
    ControlHost host(controlsTemplate);
    host.GetSafeHwnd()->resize(300, 200);
    KeyedWnd dropDown;
    KeyedWnd other;
    ASSERT_TRUE(
        dropDown.Create(nullptr, "", WS_CHILD | WS_VISIBLE, CRect(100, 100, 140, 120), &host, 8));
    ASSERT_TRUE(other.Create(nullptr, "", WS_CHILD | WS_VISIBLE, CRect(0, 150, 40, 170), &host, 9));
    host.GetSafeHwnd()->show();

    dropDown.SetCapture();
    EXPECT_EQ(CWnd::GetCapture(), &dropDown);
    Press(other.GetSafeHwnd(), QPoint(5, 6));
    Press(host.GetDlgItem(IDC_HANDLER_LABEL)->GetSafeHwnd(), QPoint(1, 1));
    Press(dropDown.GetSafeHwnd(), QPoint(3, 3));

    EXPECT_TRUE(other.m_presses.empty());
    const QPoint label =
        host.GetDlgItem(IDC_HANDLER_LABEL)->GetSafeHwnd()->mapTo(host.GetSafeHwnd(), QPoint(1, 1));
    const std::vector<CPoint> expected{CPoint(-95, 56), CPoint(label.x() - 100, label.y() - 100),
                                       CPoint(3, 3)};
    EXPECT_EQ(dropDown.m_presses, expected);

    ReleaseCapture();
    Press(other.GetSafeHwnd(), QPoint(5, 6));
    EXPECT_EQ(other.m_presses, std::vector<CPoint>{CPoint(5, 6)});
    EXPECT_EQ(dropDown.m_presses.size(), 3u);
}
