#include "controls/RichToolTipCtrl.h"

#include "platform/ui/DialogTemplate.h"

#include <QImage>
#include <QPixmap>
#include <QWidget>

#include <gtest/gtest.h>

#include <filesystem>

namespace
{
constexpr int IDC_NAME = 4501;
constexpr int IDC_FOLDER = 4502;

// A dialog with two fields whose tips it registers; the folder's text is asked for.
class TippedDialog : public CWnd
{
public:
    TippedDialog()
    {
        static const DialogTemplate layout{
            9431, "Tips", {{IDC_NAME, ControlKind::Edit, ""}, {IDC_FOLDER, ControlKind::Edit, ""}}};
        SetOwnedWidget(new QWidget);
        CreateControls(layout);
        GetSafeHwnd()->setGeometry(100, 100, 300, 120);
        GetSafeHwnd()->show();
        m_tip.SetCursorSource([this] { return m_cursor; });
        m_tip.SetScreenSource([] { return CRect(0, 0, 800, 600); });
        m_tip.Create(this);
        m_tip.AddTool(GetDlgItem(IDC_NAME), "Name\rThe name of the module's folder");
        m_tip.AddTool(GetDlgItem(IDC_FOLDER), LPSTR_TEXTCALLBACK, nullptr, IDC_FOLDER);
    }

    // The mouse moving to the centre of the control (or near its left end), as the dialog
    // relays it.
    void MoveOver(int id, bool nearLeft = false)
    {
        CWnd* control = GetDlgItem(id);
        CRect rect;
        control->GetWindowRect(&rect);
        m_cursor = rect.CenterPoint();
        if (nearLeft)
            m_cursor.x = rect.left + 3;
        MSG msg{control->GetSafeHwnd(), WM_MOUSEMOVE, 0, 0, 0, m_cursor};
        m_tip.RelayEvent(&msg);
    }

    CRichToolTipCtrl m_tip;
    CPoint m_cursor;
    int m_asked = 0;

protected:
    BOOL OnNotify(WPARAM, LPARAM lParam, LRESULT*) override
    {
        auto* info = reinterpret_cast<NMTTDISPINFO*>(lParam);
        if (info->hdr.code != TTN_NEEDTEXT || info->hdr.idFrom != IDC_FOLDER)
            return FALSE;
        ++m_asked;
        strcpy(info->szText, "Where the pages go");
        return TRUE;
    }
};
} // namespace

TEST(RichToolTipTest, TheTipShowsBelowTheCursorAndClickingItTogglesTheParts)
{
    TippedDialog dialog;
    CRichToolTipCtrl& tip = dialog.m_tip;
    ASSERT_EQ(tip.GetToolCount(), 2);

    dialog.MoveOver(IDC_NAME);
    EXPECT_FALSE(tip.IsShown());
    tip.SendMessage(WM_TIMER, 1);
    ASSERT_TRUE(tip.IsShown());
    EXPECT_EQ(tip.GetShownText(), CString("Name"));
    CRect shown;
    tip.GetWindowRect(&shown);
    EXPECT_EQ(shown.TopLeft(), dialog.m_cursor + CSize(0, 20));
    EXPECT_EQ(tip.SendMessage(WM_MOUSEACTIVATE), MA_NOACTIVATE);

    tip.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
    EXPECT_EQ(tip.GetShownText(), CString("The name of the module's folder"));
    CRect toggled;
    tip.GetWindowRect(&toggled);
    EXPECT_EQ(toggled.TopLeft(), shown.TopLeft());
    EXPECT_GT(toggled.Width(), shown.Width());

    const std::filesystem::path path =
        std::filesystem::path(CONTROLS_GRAB_DIR) / "controls-tooltip.png";
    ASSERT_TRUE(tip.GetSafeHwnd()->grab().save(QString::fromStdString(path.string()), "PNG"));

    tip.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
    EXPECT_EQ(tip.GetShownText(), CString("Name"));

    // A key hides it.
    MSG key{dialog.GetSafeHwnd(), WM_KEYDOWN, 'A', 0, 0, dialog.m_cursor};
    tip.RelayEvent(&key);
    EXPECT_FALSE(tip.IsShown());
}

TEST(RichToolTipTest, ACallbackToolAsksItsParentAndAnotherToolReArms)
{
    TippedDialog dialog;
    CRichToolTipCtrl& tip = dialog.m_tip;
    dialog.MoveOver(IDC_NAME);
    tip.SendMessage(WM_TIMER, 1);
    ASSERT_TRUE(tip.IsShown());

    // Clear of the tip, which hangs below the name over the folder's middle.
    dialog.MoveOver(IDC_FOLDER, /*nearLeft=*/true);
    EXPECT_FALSE(tip.IsShown());
    EXPECT_EQ(tip.GetCurrentTool()->m_id, UINT(IDC_FOLDER));
    tip.SendMessage(WM_TIMER, 1);
    ASSERT_TRUE(tip.IsShown());
    EXPECT_EQ(tip.GetShownText(), CString("Where the pages go"));
    EXPECT_EQ(dialog.m_asked, 1);

    // The checks keep it for the display time, then it goes.
    for (int check = 1; check < 10; ++check)
    {
        tip.SendMessage(WM_TIMER, 2);
        EXPECT_TRUE(tip.IsShown()) << check;
    }
    tip.SendMessage(WM_TIMER, 2);
    EXPECT_FALSE(tip.IsShown());
}

TEST(RichToolTipTest, ATipNearTheBottomGoesAboveTheTool)
{
    TippedDialog dialog;
    dialog.GetSafeHwnd()->move(600, 570);
    CRichToolTipCtrl& tip = dialog.m_tip;
    dialog.MoveOver(IDC_FOLDER);
    tip.SendMessage(WM_TIMER, 1);
    ASSERT_TRUE(tip.IsShown());
    CRect shown, folder;
    tip.GetWindowRect(&shown);
    dialog.GetDlgItem(IDC_FOLDER)->GetWindowRect(&folder);
    EXPECT_EQ(shown.bottom, folder.top);
    EXPECT_LE(shown.right, 800);
}

TEST(RichToolTipTest, TheTipTakesAFontAndFallsBackToTheSystemOne)
{
    TippedDialog dialog;
    CRichToolTipCtrl& tip = dialog.m_tip;
    EXPECT_TRUE(tip.UsesSystemFont());

    LOGFONT bold{-20, 0, 0, 0, FW_BOLD, 0, 0, 0, 0, 0, 0, 0, 0, "Serif"};
    CFont font;
    font.CreateFontIndirect(&bold);
    tip.SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(&font));
    EXPECT_FALSE(tip.UsesSystemFont());
    auto* shown = reinterpret_cast<CFont*>(tip.SendMessage(WM_GETFONT));
    LOGFONT read{};
    ASSERT_NE(shown->GetLogFont(&read), 0);
    EXPECT_EQ(read.lfWeight, FW_BOLD);
    EXPECT_EQ(read.lfHeight, -20);

    // A font that cannot be read gives the system font back.
    CFont none;
    tip.SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(&none));
    EXPECT_TRUE(tip.UsesSystemFont());
}

TEST(RichToolTipTest, AToolWithARectangleArmsOnlyOverThatPartOfItsWindow)
{
    TippedDialog dialog;
    CWnd* name = dialog.GetDlgItem(IDC_NAME);
    CRect client;
    name->GetClientRect(&client);
    const CRect leftHalf(0, 0, client.Width() / 2, client.Height());
    CPoint cursor;
    CRichToolTipCtrl tip;
    tip.SetCursorSource([&cursor] { return cursor; });
    tip.Create(&dialog);
    ASSERT_TRUE(tip.AddTool(name, "Left half", &leftHalf, 7));

    CRect onScreen;
    name->GetWindowRect(&onScreen);
    CRect expected(onScreen.left, onScreen.top, onScreen.left + leftHalf.Width(),
                   onScreen.top + leftHalf.Height());
    dialog.ScreenToClient(&expected);
    EXPECT_EQ(tip.GetTool(0)->m_rect, expected);
    EXPECT_FALSE(tip.GetTool(0)->m_wholeWindow);

    const auto moveTo = [&](int x)
    {
        cursor = CPoint(x, onScreen.CenterPoint().y);
        MSG msg{name->GetSafeHwnd(), WM_MOUSEMOVE, 0, 0, 0, cursor};
        tip.RelayEvent(&msg);
    };
    moveTo(onScreen.right - 3);
    EXPECT_EQ(tip.GetCurrentTool(), nullptr);
    moveTo(onScreen.left + 3);
    ASSERT_NE(tip.GetCurrentTool(), nullptr);
    EXPECT_EQ(tip.GetCurrentTool()->m_id, 7u);
}
