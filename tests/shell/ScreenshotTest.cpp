#include "shell/SplitterWnd.h"
#include "tests/shell/ShellTestSupport.h"

#include <QImage>
#include <QPixmap>
#include <QWidget>

TEST(ScreenshotTest, TheWindowWithANewProjectIsWrittenIntoTheBuildFolder)
{
    RunningProgram program;
    HWND window = program.Frame().GetSafeHwnd();
    const QPixmap shot = window->grab();
    ASSERT_FALSE(shot.isNull());
    const std::filesystem::path path = std::filesystem::current_path() / "main-window.png";
    std::filesystem::remove(path);
    ASSERT_TRUE(shot.save(QString::fromStdString(path.string()), "PNG"));

    const QImage read(QString::fromStdString(path.string()));
    ASSERT_FALSE(read.isNull());
    EXPECT_EQ(read.size(), window->size() * window->devicePixelRatio());

    // The tree's white field and the start page's plain background show side by side.
    SplitterWnd& splitter = *program.Frame().GetSplitter();
    const auto centre = [window](CWnd* pane)
    {
        HWND widget = pane->GetSafeHwnd();
        return widget->mapTo(window, widget->rect().center()) * window->devicePixelRatio();
    };
    const QPoint treeCentre = centre(splitter.GetPane(0, 0));
    const QPoint pageCentre = centre(splitter.GetPane(0, 1));
    EXPECT_LT(treeCentre.x(), pageCentre.x());
    EXPECT_NE(read.pixel(treeCentre), read.pixel(pageCentre));
}
