#include "platform/ui/MenuData.h"
#include "shell/logic/TestHarness.h"
#include "tests/shell/ShellTestSupport.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>

#include <map>
#include <set>

namespace
{
QMainWindow* Window(const RunningProgram& program)
{
    return static_cast<QMainWindow*>(program.Frame().GetSafeHwnd());
}

// The Qt menu of the bar's popup at the position, filled.
QMenu* OpenedMenu(const RunningProgram& program, int position)
{
    QMenu* menu = Window(program)->menuBar()->actions()[position]->menu();
    emit menu->aboutToShow();
    return menu;
}
} // namespace

TEST(MainMenuTest, EveryDropDownItemIsOwnerDrawnWithTheButtonPictures)
{
    RunningProgram program;
    ASSERT_TRUE(program.started);
    CMenu* bar = program.Frame().GetMenu();
    ASSERT_NE(bar, nullptr);
    std::vector<std::string> titles;
    // Per command: the popup's title and whether the item shows a picture.
    std::map<UINT, std::pair<std::string, bool>> items;
    for (int position = 0; position < bar->GetMenuItemCount(); ++position)
    {
        const MenuItem& item = bar->GetSafeHmenu()->items[static_cast<std::size_t>(position)];
        titles.push_back(item.text.GetString());
        EXPECT_EQ(item.flags & MF_OWNERDRAW, 0u) << item.text.GetString();
        auto* popup = dynamic_cast<WeavoMenu*>(CMenu::FromHandlePermanent(item.popup));
        ASSERT_NE(popup, nullptr) << item.text.GetString();
        for (int index = 0; index < popup->GetMenuItemCount(); ++index)
        {
            const WeavoMenuData* record = popup->GetItemRecord(index);
            ASSERT_NE(record, nullptr);
            EXPECT_NE(record->flags & MF_OWNERDRAW, 0u);
            if ((record->flags & MF_SEPARATOR) == 0)
                items[static_cast<UINT>(record->commandId)] = {item.text.GetString(),
                                                               record->images != nullptr};
        }
    }
    EXPECT_EQ(titles, (std::vector<std::string>{"&File", "&Project", "&Modules", "&Output",
                                                "&Tools", "&Roles", "&Help"}));
    const std::map<UINT, std::pair<std::string, bool>> expected = {
        {ID_FILE_NEW, {"&File", true}},
        {ID_FILE_OPEN, {"&File", true}},
        {ID_FILE_SAVE, {"&File", true}},
        {ID_FILE_SAVE_AS, {"&File", true}},
        {ID_FILE_MRU_FILE1, {"&File", false}},
        {ID_APP_EXIT, {"&File", false}},
        {ID_PROJECT_PROPERTIES, {"&Project", true}},
        {ID_MODULE_ADD, {"&Modules", true}},
        {ID_MODULE_DELETE, {"&Modules", true}},
        {ID_MODULE_RENAME, {"&Modules", true}},
        {ID_WRITE_ALL, {"&Output", true}},
        {ID_SQL_QUERY, {"&Output", true}},
        {ID_MERGE_PROJECT, {"&Tools", true}},
        {ID_SYNC_DB, {"&Tools", true}},
        {ID_MANAGE_ROLES, {"&Roles", true}},
        {ID_HELP_FILE, {"&Help", false}},
        {ID_APP_ABOUT, {"&Help", true}},
    };
    EXPECT_EQ(items, expected);
}

TEST(MainMenuTest, AMenuItemReachesItsCommand)
{
    RunningProgram program;
    const std::size_t modules = program.Project().GetModules().size();
    QMenu* menu = OpenedMenu(program, 2);
    ASSERT_FALSE(menu->actions().isEmpty());
    QAction* add = menu->actions()[0];
    EXPECT_EQ(add->data().toUInt(), ID_MODULE_ADD);
    add->trigger();
    QApplication::processEvents();
    EXPECT_EQ(program.Project().GetModules().size(), modules + 1);
}

TEST(MainMenuTest, TheWindowWithItsFileMenuOpenIsWrittenIntoTheBuildFolder)
{
    RunningProgram program;
    QMainWindow* window = Window(program);
    window->resize(900, 600);
    QMenu* file = OpenedMenu(program, 0);
    const QPoint below = window->menuBar()->geometry().bottomLeft() + QPoint(4, 0);
    file->popup(window->mapToGlobal(below));
    QApplication::processEvents();
    ASSERT_TRUE(file->isVisible());

    QPixmap shot = window->grab();
    const QPixmap menu = file->grab();
    QPainter painter(&shot);
    painter.drawPixmap(below, menu);
    painter.end();
    file->hide();
    const std::filesystem::path path = std::filesystem::current_path() / "main-window-menu.png";
    std::filesystem::remove(path);
    ASSERT_TRUE(shot.save(QString::fromStdString(path.string()), "PNG"));

    // The first item shows the picture of the New button in its image column: more than one
    // colour there.
    const QImage items = menu.toImage();
    const QRect first = file->actionGeometry(file->actions()[0]);
    std::set<QRgb> colours;
    for (int y = first.top(); y < first.bottom(); ++y)
    {
        for (int x = first.left(); x < first.left() + 20; ++x)
            colours.insert(items.pixel(x * items.devicePixelRatio(), y * items.devicePixelRatio()));
    }
    EXPECT_GT(colours.size(), 2u);
}

TEST(MainMenuTest, TheHiddenRegressionCommandWritesItsReportInTheTempFolder)
{
    RunningProgram program;
    std::filesystem::path own;
    {
        const TempFolderOverride temp(program.folder.Path());
        own = temp.Own();
        program.Command(ID_REGRESSION_TESTS);
    }
    const std::string report = ReadHostFile(own / "KestraneWeavo" / "tgsreport.txt");
    EXPECT_NE(report.find("Total Number Of Test Files = 0\r\n"), std::string::npos) << report;
}
