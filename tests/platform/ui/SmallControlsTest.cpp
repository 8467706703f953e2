#include "platform/ui/Button.h"
#include "platform/ui/ControlBars.h"
#include "platform/ui/DialogTemplate.h"
#include "platform/ui/FrameWnd.h"
#include "platform/ui/ScrollBar.h"
#include "platform/ui/ToolTipCtrl.h"

#include <QMenu>
#include <QScrollBar>
#include <QToolBar>
#include <QToolButton>
#include <QWidget>

#include <gtest/gtest.h>

#include <vector>

namespace
{
constexpr UINT IDD_SMALL = 9801;
constexpr int IDC_COLOUR = 3401;
constexpr int IDC_PLAIN = 3402;
constexpr int IDC_BAR = 3403;

const DialogTemplateRegistration smallTemplate{
    {IDD_SMALL,
     "Small",
     {{IDC_COLOUR, ControlKind::OwnerDrawButton, "Colour"},
      {IDC_PLAIN, ControlKind::PushButton, "Plain"}}}};

// An owner-drawn button that records its draws.
class SwatchButton : public CButton
{
public:
    std::vector<UINT> m_types;
    void DrawItem(LPDRAWITEMSTRUCT drawItem) override { m_types.push_back(drawItem->CtlType); }
};

class SmallWnd : public CWnd
{
public:
    SmallWnd()
    {
        SetOwnedWidget(new QWidget);
        CreateControls(*FindDialogTemplate(IDD_SMALL));
        m_bar.Create(WS_CHILD | WS_VISIBLE | SBS_VERT, CRect(0, 0, 11, 100), this, IDC_BAR);
    }

    CScrollBar m_bar;
    std::vector<UINT> m_scrolls;

protected:
    void OnVScroll(UINT code, UINT, CScrollBar* bar) override
    {
        if (bar == &m_bar)
            m_scrolls.push_back(code);
    }
};
} // namespace

TEST(SmallControlsTest, OwnerDrawnButtonIsDrawnThroughItsParent)
{
    SmallWnd window;
    SwatchButton swatch;
    ASSERT_TRUE(swatch.SubclassDlgItem(IDC_COLOUR, &window));
    CButton* plain = static_cast<CButton*>(window.GetDlgItem(IDC_PLAIN));

    swatch.GetSafeHwnd()->grab();
    plain->GetSafeHwnd()->grab();

    EXPECT_EQ(swatch.GetButtonStyle(), BS_OWNERDRAW);
    EXPECT_EQ(plain->GetButtonStyle(), BS_PUSHBUTTON);
    ASSERT_FALSE(swatch.m_types.empty());
    EXPECT_EQ(swatch.m_types.front(), ODT_BUTTON);
}

TEST(SmallControlsTest, ScrollBarKeepsItsPageAndTellsTheParent)
{
    SmallWnd window;
    SCROLLINFO info{sizeof(SCROLLINFO), SIF_ALL, 0, 20, 10, 12, 0};
    window.m_bar.SetScrollInfo(&info);

    EXPECT_EQ(window.m_bar.SetScrollPos(15), 11);
    EXPECT_EQ(window.m_bar.GetScrollPos(), 11);
    SCROLLINFO read{sizeof(SCROLLINFO), SIF_ALL, 0, 0, 0, 0, 0};
    window.m_bar.GetScrollInfo(&read);
    EXPECT_EQ(read.nMax, 20);
    EXPECT_EQ(read.nPage, 10u);
    static_cast<QScrollBar*>(window.m_bar.GetSafeHwnd())
        ->triggerAction(QAbstractSlider::SliderSingleStepSub);
    EXPECT_EQ(window.m_scrolls, std::vector<UINT>{SB_LINEUP});
}

TEST(SmallControlsTest, ToolTipsFollowTheirToolsAndActivation)
{
    SmallWnd window;
    CToolTipCtrl tips;
    ASSERT_TRUE(tips.Create(&window));
    CWnd* plain = window.GetDlgItem(IDC_PLAIN);

    tips.AddTool(plain, "Applies the changes");
    EXPECT_EQ(plain->GetSafeHwnd()->toolTip(), "Applies the changes");
    tips.UpdateTipText("Applies", plain);
    EXPECT_EQ(tips.GetToolText(plain), "Applies");
    tips.Activate(FALSE);
    EXPECT_TRUE(plain->GetSafeHwnd()->toolTip().isEmpty());
    tips.Activate(TRUE);
    EXPECT_EQ(plain->GetSafeHwnd()->toolTip(), "Applies");
}

namespace
{
// A frame whose tool bar has a drop-down button; it records the drop-downs asked for.
class DropFrame : public CFrameWnd
{
public:
    DropFrame()
    {
        MapNotifyRange(TBN_DROPDOWN, AFX_IDW_TOOLBAR, AFX_IDW_TOOLBAR,
                       [this](NMHDR* header, LRESULT*)
                       { m_dropped.push_back(reinterpret_cast<NMTOOLBAR*>(header)->iItem); });
    }
    CToolBar m_bar;
    std::vector<int> m_dropped;

protected:
    int OnCreate(LPCREATESTRUCT createStruct) override
    {
        const UINT ids[] = {ID_FILE_NEW, ID_FILE_OPEN};
        if (CFrameWnd::OnCreate(createStruct) == -1 || !m_bar.CreateEx(this) ||
            !m_bar.SetButtons(ids, 2))
            return -1;
        return 0;
    }
};
} // namespace

TEST(SmallControlsTest, DropDownButtonAsksTheFrameForItsMenu)
{
    DropFrame frame;
    ASSERT_TRUE(frame.LoadFrame(9802));
    frame.m_bar.SetButtonStyle(1, TBSTYLE_DROPDOWN);
    auto* bar = static_cast<QToolBar*>(frame.m_bar.GetSafeHwnd());
    auto* button = qobject_cast<QToolButton*>(bar->widgetForAction(bar->actions()[1]));
    ASSERT_NE(button, nullptr);
    ASSERT_NE(button->menu(), nullptr);

    emit button->menu()->aboutToShow();

    EXPECT_EQ(frame.m_bar.GetButtonStyle(1), TBSTYLE_DROPDOWN);
    EXPECT_EQ(button->popupMode(), QToolButton::MenuButtonPopup);
    EXPECT_EQ(frame.m_dropped, std::vector<int>{static_cast<int>(ID_FILE_OPEN)});
    UINT id = 0;
    UINT style = 0;
    int image = -1;
    frame.m_bar.GetButtonInfo(1, id, style, image);
    EXPECT_EQ(id, ID_FILE_OPEN);
    EXPECT_EQ(image, 1);
}
