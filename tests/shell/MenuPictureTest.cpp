#include "model/Module.h"
#include "platform/ui/RecentFileList.h"
#include "platform/ui/SystemSettings.h"
#include "shell/ForgeonView.h"
#include "shell/logic/ProjectTreeLayout.h"
#include "tests/shell/ShellTestSupport.h"

#include <QMenu>
#include <QMenuBar>
#include <QPixmap>
#include <QTimer>

#include <filesystem>

namespace
{
bool IsNear(const QColor& colour, COLORREF expected)
{
    const QColor wanted = ToQColor(expected);
    return std::abs(colour.red() - wanted.red()) + std::abs(colour.green() - wanted.green()) +
               std::abs(colour.blue() - wanted.blue()) <
           40;
}
} // namespace

// The File menu with a recent file: a frame, shortcuts clear of the right edge, and the recent
// file in the menu's text colour on the face colour of the other items.
TEST(MenuPictureTest, TheFileMenuHasAFrameRoomAfterItsShortcutsAndAReadableRecentFile)
{
    RunningProgram program;
    ASSERT_TRUE(program.started);
    program.app.AddToRecentFileList(program.PathOf("Shop.wvt").c_str());
    QMenuBar* bar = program.Frame().GetSafeHwnd()->findChild<QMenuBar*>();
    ASSERT_NE(bar, nullptr);
    QMenu* file = bar->actions().at(0)->menu();
    ASSERT_NE(file, nullptr);
    file->popup(QPoint(0, 0));
    QApplication::processEvents();
    const QImage shot = file->grab().toImage();
    file->hide();
    ASSERT_TRUE(shot.save(
        QString::fromStdString((std::filesystem::current_path() / "file-menu.png").string())));

    const COLORREF frame = GetSysColor(COLOR_3DSHADOW);
    EXPECT_TRUE(IsNear(shot.pixelColor(0, shot.height() / 2), frame));
    EXPECT_TRUE(IsNear(shot.pixelColor(shot.width() - 1, shot.height() / 2), frame));
    EXPECT_TRUE(IsNear(shot.pixelColor(shot.width() / 2, 0), frame));

    // The columns right of each shortcut hold no text.
    QAction* newAction = file->actions().at(0);
    const QRect newRow = file->actionGeometry(newAction);
    for (int x = shot.width() - 10; x < shot.width() - 1; ++x)
        for (int y = newRow.top(); y <= newRow.bottom(); ++y)
            EXPECT_FALSE(IsNear(shot.pixelColor(x, y), GetSysColor(COLOR_MENUTEXT)))
                << x << "," << y;

    // The recent file's row: the face colour behind text in the menu text colour.
    QAction* recent = nullptr;
    for (QAction* action : file->actions())
        if (action->text().contains("Shop.wvt"))
            recent = action;
    ASSERT_NE(recent, nullptr);
    const QRect row = file->actionGeometry(recent);
    EXPECT_TRUE(
        IsNear(shot.pixelColor(row.right() - 4, row.center().y()), GetSysColor(COLOR_3DFACE)));
    int text = 0;
    for (int x = row.left(); x < row.right(); ++x)
        for (int y = row.top(); y <= row.bottom(); ++y)
            text += IsNear(shot.pixelColor(x, y), GetSysColor(COLOR_MENUTEXT)) ? 1 : 0;
    EXPECT_GT(text, 20);
}

// The search reports' context menu with nothing to paste: "Paste Search Report" in the gray text
// colour, "Create Search Report" in the menu's text colour.
TEST(MenuPictureTest, AGrayedEntryOfTheTreesContextMenuIsDrawnGrayed)
{
    RunningProgram program;
    ASSERT_TRUE(program.started);
    QImage shot;
    QRect rows[2];
    QTimer::singleShot(0,
                       [&shot, &rows]
                       {
                           auto* popup = qobject_cast<QMenu*>(QApplication::activePopupWidget());
                           if (popup == nullptr)
                               return;
                           shot = popup->grab().toImage();
                           for (int index : {0, 1})
                               rows[index] = popup->actionGeometry(popup->actions().at(index));
                           popup->close();
                       });
    ForgeonView& view = *program.Frame().GetTreeView();
    Module& base = *program.Project().GetBaseModule();
    view.ShowContextMenu(static_cast<HTREEITEM>((*base.GetTreeItems())[TreeSlot::SearchReports]),
                         CPoint(10, 10));
    ASSERT_FALSE(shot.isNull());
    const auto count = [&shot](const QRect& row, COLORREF colour)
    {
        int pixels = 0;
        for (int x = row.left(); x < row.right(); ++x)
            for (int y = row.top(); y <= row.bottom(); ++y)
                pixels += IsNear(shot.pixelColor(x, y), colour) ? 1 : 0;
        return pixels;
    };
    EXPECT_GT(count(rows[0], GetSysColor(COLOR_MENUTEXT)), 20);
    EXPECT_EQ(count(rows[1], GetSysColor(COLOR_MENUTEXT)), 0);
    EXPECT_GT(count(rows[1], GetSysColor(COLOR_GRAYTEXT)), 20);
}
