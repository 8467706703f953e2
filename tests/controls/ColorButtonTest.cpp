#include "controls/ColorButton.h"

#include "platform/ui/DC.h"
#include "platform/ui/DesktopServices.h"
#include "platform/ui/DialogDriver.h"
#include "platform/ui/DialogTemplate.h"
#include "platform/ui/Menu.h"
#include "platform/ui/MenuResource.h"

#include <QApplication>
#include <QImage>
#include <QPalette>
#include <QWidget>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{
constexpr int IDC_COLOR = 4401;
constexpr int IDB_ARROW = 4402;
constexpr int IDR_CHOICES = 4403;
constexpr UINT ID_FIRST = 4410;
constexpr UINT ID_SECOND = 4411;
constexpr COLORREF kKey = RGB(255, 0, 255);
constexpr UINT kMenuCallback = WM_USER + 40;

// A window with one colour button, which records the commands it receives.
class ButtonHost : public CWnd
{
public:
    ButtonHost()
    {
        static const DialogTemplate layout{
            9421,
            "Buttons",
            {{IDC_COLOR, ControlKind::PushButton, "Start", false, false, 120, 40}}};
        SetOwnedWidget(new QWidget);
        CreateControls(layout);
        m_button.SubclassDlgItem(IDC_COLOR, this);
        MapMessageHandler(kMenuCallback,
                          [this](WPARAM popup, LPARAM parameter)
                          {
                              m_callbacks.push_back({popup, parameter});
                              return LRESULT(0);
                          });
    }

    BOOL OnCmdMsg(UINT id, int code) override
    {
        m_commands.push_back({id, code});
        return TRUE;
    }

    ColorButton m_button;
    std::vector<std::pair<UINT, int>> m_commands;
    std::vector<std::pair<WPARAM, LPARAM>> m_callbacks;
};

// Records what the shell is asked to open.
struct ShellOpens
{
    ShellOpens()
    {
        previous = SetShellOpenHandler(
            [this](const CString& operation, const CString& target)
            {
                opened.push_back(std::string(operation.GetString()) + " " + target.GetString());
                return true;
            });
    }
    ~ShellOpens() { SetShellOpenHandler(previous); }
    ShellOpenHandler previous;
    std::vector<std::string> opened;
};

QColor PixelOf(CBitmap* bitmap, int x, int y)
{
    return bitmap->GetImage()->pixelColor(x, y);
}
} // namespace

TEST(ColorButtonTest, SetBitmapsMakesAGreyOrDarkerIdleImageAndReportsMissingOnes)
{
    QImage arrow(4, 2, QImage::Format_RGB32);
    arrow.fill(QColor(255, 0, 255));
    arrow.setPixelColor(1, 0, QColor(255, 0, 0));
    arrow.setPixelColor(2, 1, QColor(200, 100, 40));
    RegisterBitmapResource(IDB_ARROW, arrow);
    ButtonHost host;
    ColorButton& button = host.m_button;

    ASSERT_EQ(button.SetBitmaps(IDB_ARROW, kKey, ColorButton::BTNST_AUTO_GRAY, 0),
              ColorButton::BTNST_OK);
    EXPECT_EQ(PixelOf(button.GetBitmap(true), 1, 0), QColor(255, 0, 0));
    EXPECT_EQ(PixelOf(button.GetBitmap(false), 1, 0), QColor(76, 76, 76));
    // Transparent pixels are black in the images, where the mask lets the background through.
    EXPECT_EQ(PixelOf(button.GetBitmap(false), 0, 0), QColor(0, 0, 0));

    ASSERT_EQ(button.SetBitmaps(IDB_ARROW, kKey, ColorButton::BTNST_AUTO_DARKER, 0),
              ColorButton::BTNST_OK);
    EXPECT_EQ(PixelOf(button.GetBitmap(false), 2, 1), QColor(150, 75, 30));

    ASSERT_EQ(button.SetBitmaps(IDB_ARROW, kKey, 0, 0), ColorButton::BTNST_OK);
    EXPECT_EQ(button.GetBitmap(false), nullptr);
    EXPECT_EQ(button.SetBitmaps(4499, kKey, 0, 0), ColorButton::BTNST_INVALIDRESOURCE);
    EXPECT_EQ(button.GetBitmap(true), nullptr);
    EXPECT_EQ(button.SetPressedOffset(5), ColorButton::BTNST_INVALIDPRESSEDSTYLE);
    EXPECT_EQ(button.SetPressedOffset(1), ColorButton::BTNST_OK);
}

TEST(ColorButtonTest, TheIdleImageShowsUntilTheMouseIsOverTheButton)
{
    QImage arrow(8, 8, QImage::Format_RGB32);
    arrow.fill(QColor(255, 0, 0));
    RegisterBitmapResource(IDB_ARROW, arrow);
    ButtonHost host;
    ColorButton& button = host.m_button;
    button.SetWindowText("");
    ASSERT_EQ(button.SetBitmaps(IDB_ARROW, kKey, ColorButton::BTNST_AUTO_GRAY, 0),
              ColorButton::BTNST_OK);
    QWidget* widget = button.GetSafeHwnd();
    host.GetSafeHwnd()->show();

    const QPoint centre = widget->rect().center();
    EXPECT_EQ(widget->grab().toImage().pixelColor(centre), QColor(76, 76, 76));
    button.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(centre.x(), centre.y()));
    EXPECT_TRUE(button.IsHovering());
    EXPECT_EQ(widget->grab().toImage().pixelColor(centre), QColor(255, 0, 0));
    button.SendMessage(WM_MOUSELEAVE);
    EXPECT_FALSE(button.IsHovering());
    EXPECT_EQ(widget->grab().toImage().pixelColor(centre), QColor(76, 76, 76));
}

TEST(ColorButtonTest, CheckBoxModeTogglesOnEveryClickAndNeverOpensItsAddress)
{
    ShellOpens shell;
    ButtonHost host;
    ColorButton& button = host.m_button;
    button.SetURL("http://localhost/help");
    button.SendMessage(BM_SETSTYLE, BS_AUTOCHECKBOX, TRUE);
    ASSERT_TRUE(button.IsCheckBoxMode());
    EXPECT_EQ(button.GetButtonStyle() & BS_TYPEMASK, BS_OWNERDRAW);

    DialogDriver user(host);
    std::string checks;
    for (int click = 0; click < 3; ++click)
    {
        ASSERT_TRUE(user.Click(IDC_COLOR));
        checks += std::to_string(button.SendMessage(BM_GETCHECK));
    }
    EXPECT_EQ(checks, "101");
    EXPECT_TRUE(shell.opened.empty());
    button.SendMessage(BM_SETCHECK, BST_INDETERMINATE);
    EXPECT_EQ(button.GetCheck(), 1);
}

TEST(ColorButtonTest, AClickOpensTheAddressOrDropsTheMenuDown)
{
    ShellOpens shell;
    ButtonHost host;
    ColorButton& button = host.m_button;
    DialogDriver user(host);
    EXPECT_EQ(button.SendMessage(WM_GETDLGCODE) & DLGC_UNDEFPUSHBUTTON, DLGC_UNDEFPUSHBUTTON);

    std::string longAddress(300, 'a');
    button.SetURL(longAddress.c_str());
    EXPECT_EQ(button.GetURL().GetLength(), 260);
    button.SetURL("http://localhost/help");
    ASSERT_TRUE(user.Click(IDC_COLOR));
    EXPECT_EQ(shell.opened, std::vector<std::string>{"open http://localhost/help"});
    EXPECT_EQ(host.m_commands.back(), std::make_pair(UINT(IDC_COLOR), BN_CLICKED));

    // A menu takes precedence over the address; the chosen command goes to its window.
    RegisterMenuResource(IDR_CHOICES, {MenuPopup("Choices", {MenuCommand("First", ID_FIRST),
                                                             MenuCommand("Second", ID_SECOND)})});
    ASSERT_TRUE(button.SetMenu(IDR_CHOICES, &host));
    button.SetMenuCallback(&host, kMenuCallback, 77);
    std::vector<CString> shown;
    const PopupMenuTracker previous = SetPopupMenuTracker(
        [&shown](CMenu& menu, UINT, CPoint, CWnd*)
        {
            CString text;
            menu.GetMenuString(0, text, MF_BYPOSITION);
            shown.push_back(text);
            return ID_SECOND;
        });
    ASSERT_TRUE(user.Click(IDC_COLOR));
    SetPopupMenuTracker(previous);
    QApplication::processEvents();
    EXPECT_EQ(shown, std::vector<CString>{"First"});
    ASSERT_EQ(host.m_callbacks.size(), 1U);
    EXPECT_NE(host.m_callbacks[0].first, 0U);
    EXPECT_EQ(host.m_callbacks[0].second, 77);
    EXPECT_EQ(shell.opened.size(), 1U);
    EXPECT_EQ(host.m_commands.back(), std::make_pair(ID_SECOND, 0));
}

TEST(ColorButtonTest, TheToolTipComesWithTheFirstMessageAndFollowsTheText)
{
    ButtonHost host;
    ColorButton& button = host.m_button;
    button.SetTooltipText("Opens the start page");
    EXPECT_EQ(button.GetToolTip(), nullptr);

    MSG move{button.GetSafeHwnd(), WM_MOUSEMOVE, 0, 0, 0, {}};
    EXPECT_FALSE(button.PreTranslateMessage(&move));
    ASSERT_NE(button.GetToolTip(), nullptr);
    EXPECT_EQ(button.GetToolTip()->GetToolText(&button), CString("Opens the start page"));
    button.SetTooltipText("Opens the SQL view");
    EXPECT_EQ(button.GetToolTip()->GetToolText(&button), CString("Opens the SQL view"));
}

TEST(ColorButtonTest, IconsTakeThePlaceOfTheBitmapsAndTheCursorShowsOverTheButton)
{
    ButtonHost host;
    ColorButton& button = host.m_button;
    button.SetWindowText("");
    auto* hover = new QPixmap(8, 8);
    hover->fill(QColor(0, 160, 0));
    auto* idle = new QPixmap(8, 8);
    idle->fill(QColor(0, 0, 160));
    button.SetIcons(hover, idle);
    QWidget* widget = button.GetSafeHwnd();
    host.GetSafeHwnd()->show();
    const QPoint centre = widget->rect().center();
    EXPECT_EQ(widget->grab().toImage().pixelColor(centre), QColor(0, 0, 160));
    button.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(centre.x(), centre.y()));
    EXPECT_EQ(widget->grab().toImage().pixelColor(centre), QColor(0, 160, 0));

    const HCURSOR hand = LoadCursor(nullptr, IDC_HAND);
    button.SetBtnCursor(hand);
    EXPECT_TRUE(button.SendMessage(WM_SETCURSOR, 0, MAKELPARAM(HTCLIENT, WM_MOUSEMOVE)));
    EXPECT_EQ(GetCursor(), hand);
}

TEST(ColorButtonTest, ATransparentButtonShowsTheParentsBackground)
{
    ButtonHost host;
    QWidget* window = host.GetSafeHwnd();
    QPalette palette = window->palette();
    palette.setColor(QPalette::Window, QColor(30, 140, 90));
    window->setPalette(palette);
    window->setAutoFillBackground(true);
    ColorButton& button = host.m_button;
    button.SetWindowText("");
    button.SetColor(ColorButtonLook::Idle, RGB(250, 250, 250), RGB(0, 0, 0));
    window->show();
    QWidget* widget = button.GetSafeHwnd();
    const QPoint centre = widget->rect().center();
    EXPECT_EQ(widget->grab().toImage().pixelColor(centre), QColor(250, 250, 250));

    button.DrawTransparent();
    EXPECT_EQ(widget->grab().toImage().pixelColor(centre), QColor(30, 140, 90));
}
