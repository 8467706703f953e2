#include "platform/ui/Menu.h"
#include "platform/ui/FrameWnd.h"
#include "platform/ui/MenuResource.h"
#include "platform/ui/ScriptedPopupMenus.h"
#include "tests/platform/ui/DocViewFixtures.h"

#include <QAction>
#include <QCoreApplication>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QTest>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{
constexpr UINT IDR_MENU_FRAME = 9501;
constexpr UINT ID_TOOLS_MERGE = 32788;
constexpr UINT ID_VIEW_FIRST = 32790;
constexpr UINT ID_VIEW_SECOND = 32791;

const bool resourcesRegistered = []
{
    RegisterMenuResource(
        IDR_MENU_FRAME,
        {MenuPopup("&File", {MenuCommand("&New\tCtrl+N", ID_FILE_NEW), MenuSeparator(),
                             MenuCommand("Recent File", ID_FILE_MRU_FILE1),
                             MenuCommand("E&xit", ID_APP_EXIT)}),
         MenuPopup("&Tools", {MenuCommand("&Merge Project", ID_TOOLS_MERGE)})});
    RegisterAcceleratorResource(IDR_MENU_FRAME, {{FVIRTKEY | FCONTROL, 'N', ID_FILE_NEW},
                                                 {FVIRTKEY | FCONTROL, 'C', ID_EDIT_COPY},
                                                 {FVIRTKEY | FCONTROL, VK_INSERT, ID_EDIT_COPY},
                                                 {FVIRTKEY | FSHIFT, VK_INSERT, ID_EDIT_PASTE}});
    return true;
}();

// A frame that records the commands that reach it; Copy and Paste have empty handlers.
class MenuFrame : public CFrameWnd
{
public:
    MenuFrame()
    {
        MapCommandRange(ID_EDIT_COPY, ID_EDIT_PASTE, [this](UINT id) { m_commands.push_back(id); });
        MapCommand(ID_TOOLS_MERGE, &MenuFrame::OnMerge);
    }
    std::vector<UINT> m_commands;

private:
    void OnMerge() { m_commands.push_back(ID_TOOLS_MERGE); }
};

// A popup that measures and draws its owner-drawn items and records what it was asked.
class RecordingMenu : public CMenu
{
public:
    void MeasureItem(LPMEASUREITEMSTRUCT measureItem) override
    {
        m_measured.push_back(measureItem->itemID);
        measureItem->itemWidth = 120;
        measureItem->itemHeight = measureItem->itemID == 0 ? 4 : 21;
    }
    void DrawItem(LPDRAWITEMSTRUCT drawItem) override
    {
        m_drawn.push_back({drawItem->itemID, drawItem->itemState, drawItem->itemData,
                           CRect(drawItem->rcItem).Height(), drawItem->hDC != nullptr});
    }

    struct Drawn
    {
        UINT id;
        UINT state;
        DWORD_PTR data;
        int height;
        bool painter;
        bool operator==(const Drawn&) const = default;
    };
    std::vector<UINT> m_measured;
    std::vector<Drawn> m_drawn;
};

std::vector<std::string> Titles(const QList<QAction*>& actions)
{
    std::vector<std::string> titles;
    for (const QAction* action : actions)
        titles.push_back(action->isSeparator() ? "-" : action->text().toStdString());
    return titles;
}
} // namespace

TEST(MenuTest, ResourceLoadsIntoTheMenuModel)
{
    const std::vector<BYTE>& bytes = *FindMenuResource(IDR_MENU_FRAME);
    // Header, then "&File": MF_POPUP, "&" "F" ...; the first command follows with its id.
    EXPECT_EQ(std::vector<BYTE>(bytes.begin(), bytes.begin() + 8),
              (std::vector<BYTE>{0, 0, 0, 0, MF_POPUP, 0, '&', 0}));

    CMenu menu;
    ASSERT_TRUE(menu.LoadMenu(IDR_MENU_FRAME));
    ASSERT_EQ(menu.GetMenuItemCount(), 2);
    CMenu* file = menu.GetSubMenu(0);
    ASSERT_NE(file, nullptr);
    EXPECT_EQ(menu.GetMenuItemID(0), 0xFFFFFFFFu);
    EXPECT_EQ(menu.GetMenuState(0, MF_BYPOSITION) >> 8, 4u);
    EXPECT_EQ(file->GetMenuItemID(0), ID_FILE_NEW);
    EXPECT_EQ(file->GetMenuItemID(1), 0u);
    EXPECT_NE(file->GetMenuState(1, MF_BYPOSITION) & MF_SEPARATOR, 0u);
    CString text;
    menu.GetMenuString(ID_APP_EXIT, text, MF_BYCOMMAND);
    EXPECT_EQ(text, "E&xit");

    EXPECT_EQ(menu.EnableMenuItem(ID_TOOLS_MERGE, MF_BYCOMMAND | MF_GRAYED), MF_ENABLED);
    EXPECT_EQ(menu.EnableMenuItem(ID_TOOLS_MERGE, MF_BYCOMMAND | MF_ENABLED), MF_GRAYED);
    EXPECT_EQ(menu.EnableMenuItem(4711, MF_BYCOMMAND | MF_GRAYED), 0xFFFFFFFFu);
    EXPECT_TRUE(menu.CheckMenuRadioItem(ID_FILE_NEW, ID_APP_EXIT, ID_APP_EXIT, MF_BYCOMMAND));
    MENUITEMINFO info{sizeof(MENUITEMINFO), MIIM_FTYPE | MIIM_STATE, 0, 0, 0, nullptr, 0};
    menu.GetMenuItemInfo(ID_APP_EXIT, &info);
    EXPECT_EQ(info.fType, MFT_RADIOCHECK);
    EXPECT_EQ(info.fState, MF_CHECKED);

    EXPECT_TRUE(file->ModifyMenu(3, MF_BYPOSITION | MF_STRING, ID_APP_EXIT, "&Quit"));
    file->GetMenuString(3, text, MF_BYPOSITION);
    EXPECT_EQ(text, "&Quit");
    const HMENU tools = menu.GetSubMenu(1)->GetSafeHmenu();
    EXPECT_TRUE(menu.DeleteMenu(1, MF_BYPOSITION));
    EXPECT_FALSE(IsMenu(tools));
    EXPECT_EQ(menu.GetMenuItemCount(), 1);
}

TEST(MenuTest, PopupTrackerDoubleRecordsGrayedEntriesAndReturnsTheScriptedCommand)
{
    CMenu popup;
    popup.CreatePopupMenu();
    popup.AppendMenu(MF_STRING, ID_VIEW_FIRST, "First");
    popup.AppendMenu(MF_STRING | MF_GRAYED, ID_VIEW_SECOND, "Second");
    popup.AppendMenu(MF_SEPARATOR);
    popup.AppendMenu(MF_STRING | MF_CHECKED, ID_TOOLS_MERGE, "Merge");
    MenuFrame frame;
    ASSERT_TRUE(frame.LoadFrame(IDR_MENU_FRAME));
    ScriptedPopupMenus menus;
    menus.Answer(ID_VIEW_FIRST);
    menus.Answer(ID_TOOLS_MERGE);

    const BOOL chosen =
        popup.TrackPopupMenu(TPM_RETURNCMD | TPM_NONOTIFY | TPM_RIGHTBUTTON, 40, 50, &frame);
    EXPECT_TRUE(popup.TrackPopupMenu(TPM_RIGHTBUTTON, 41, 51, &frame));
    QCoreApplication::processEvents();

    EXPECT_EQ(static_cast<UINT>(chosen), ID_VIEW_FIRST);
    EXPECT_EQ(frame.m_commands, std::vector<UINT>{ID_TOOLS_MERGE});
    ASSERT_EQ(menus.Shown().size(), 2u);
    const ScriptedPopupMenus::Tracked& shown = menus.Shown()[0];
    EXPECT_EQ(shown.point, CPoint(40, 50));
    EXPECT_EQ(shown.owner, &frame);
    std::vector<std::string> entries;
    for (const auto& entry : shown.entries)
        entries.push_back(entry.separator
                              ? "-"
                              : std::string(entry.text) + (entry.grayed ? " grayed" : "") +
                                    (entry.checked ? " checked" : ""));
    EXPECT_EQ(entries, (std::vector<std::string>{"First", "Second grayed", "-", "Merge checked"}));
}

TEST(MenuTest, FrameShowsItsMenuWithAcceleratorsAndRecentFiles)
{
    TempFolder folder;
    TestApp app(folder);
    app.LoadStdProfileSettings(4);
    app.AddToRecentFileList("/work/projects/Shop.wvt");
    MenuFrame frame;
    ASSERT_TRUE(frame.LoadFrame(IDR_MENU_FRAME));
    frame.ShowWindow(SW_SHOW);
    auto* window = static_cast<QMainWindow*>(frame.GetSafeHwnd());

    const QList<QAction*> bar = window->menuBar()->actions();
    EXPECT_EQ(Titles(bar), (std::vector<std::string>{"&File", "&Tools"}));
    QMenu* file = bar[0]->menu();
    emit file->aboutToShow();
    EXPECT_EQ(
        Titles(file->actions()),
        (std::vector<std::string>{"&New\tCtrl+N", "-", "&1 /work/projects/Shop.wvt", "E&xit"}));
    bar[1]->menu()->actions()[0]->trigger();

    frame.GetMenu()->EnableMenuItem(ID_TOOLS_MERGE, MF_BYCOMMAND | MF_GRAYED);
    emit bar[1]->menu()->aboutToShow();
    EXPECT_FALSE(bar[1]->menu()->actions()[0]->isEnabled());

    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    QTest::keyClick(window, Qt::Key_C, Qt::ControlModifier);
    QTest::keyClick(window, Qt::Key_Insert, Qt::ShiftModifier);
    QTest::keyClick(window, Qt::Key_Insert, Qt::ControlModifier);
    EXPECT_EQ(frame.m_commands,
              (std::vector<UINT>{ID_TOOLS_MERGE, ID_EDIT_COPY, ID_EDIT_PASTE, ID_EDIT_COPY}));
}

TEST(MenuTest, OwnerDrawnItemsAreMeasuredAndDrawnByTheirMenu)
{
    static int firstData = 0;
    static int secondData = 0;
    RecordingMenu popup;
    popup.CreatePopupMenu();
    popup.AppendMenu(MF_OWNERDRAW, ID_VIEW_FIRST, reinterpret_cast<LPCTSTR>(&firstData));
    popup.AppendMenu(MF_OWNERDRAW | MF_SEPARATOR, 0, reinterpret_cast<LPCTSTR>(&secondData));
    popup.AppendMenu(MF_OWNERDRAW | MF_GRAYED, ID_VIEW_SECOND, nullptr);
    CMenu bar;
    bar.CreateMenu();
    bar.AppendMenu(MF_POPUP, reinterpret_cast<UINT_PTR>(popup.GetSafeHmenu()), "&View");
    MenuFrame frame;
    ASSERT_TRUE(frame.LoadFrame(IDR_MENU_FRAME));
    frame.SetMenu(&bar);

    auto* window = static_cast<QMainWindow*>(frame.GetSafeHwnd());
    QMenu* view = window->menuBar()->actions()[0]->menu();
    view->adjustSize();
    view->grab();

    ASSERT_GE(popup.m_measured.size(), 3u);
    EXPECT_EQ(std::vector<UINT>(popup.m_measured.begin(), popup.m_measured.begin() + 3),
              (std::vector<UINT>{ID_VIEW_FIRST, 0, ID_VIEW_SECOND}));
    const auto first = reinterpret_cast<DWORD_PTR>(&firstData);
    const auto second = reinterpret_cast<DWORD_PTR>(&secondData);
    EXPECT_EQ(popup.m_drawn, (std::vector<RecordingMenu::Drawn>{
                                 {ID_VIEW_FIRST, 0, first, 21, true},
                                 {0, 0, second, 4, true},
                                 {ID_VIEW_SECOND, ODS_GRAYED | ODS_DISABLED, 0, 21, true}}));
}
