#include "app/StarterApp.h"
#include "platform/ui/TreeView.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QPixmap>
#include <QWidget>

#include <filesystem>
#include <vector>

namespace
{
// The application started as the program starts it, its profile in folder.
void Start(StarterApp& app, const TempFolder& folder, std::vector<const char*> args)
{
    app.SetProfileFolder(folder.Path().c_str());
    app.SetCommandLine(static_cast<int>(args.size()), args.data());
    ASSERT_TRUE(app.InitInstance());
    QApplication::processEvents();
}
} // namespace

TEST(MainWindowTest, OpensMaximisedWithTheTreeLeftAndAnEmptyViewRight)
{
    TempFolder folder;
    StarterApp app;
    Start(app, folder, {"kestrane-weavo"});
    auto* frame = dynamic_cast<StarterFrame*>(AfxGetMainWnd());
    ASSERT_NE(frame, nullptr);
    EXPECT_TRUE(frame->GetSafeHwnd()->windowState().testFlag(Qt::WindowMaximized));
    CSplitterWnd& splitter = frame->GetSplitter();
    ASSERT_EQ(splitter.GetColumnCount(), 2);
    auto* tree = dynamic_cast<CTreeView*>(splitter.GetPane(0, 0));
    ASSERT_NE(tree, nullptr);
    EXPECT_EQ(tree->GetTreeCtrl().GetCount(), 0u);
    CWnd* right = splitter.GetPane(0, 1);
    ASSERT_NE(right, nullptr);
    EXPECT_EQ(right->GetRuntimeClass(), RUNTIME_CLASS(CView));
    EXPECT_TRUE(right->IsWindowVisible());
    CString caption;
    frame->GetWindowText(caption);
    EXPECT_EQ(caption, "Untitled - KestraneWeavo");
}

TEST(MainWindowTest, ScreenshotIsWrittenIntoTheBuildFolder)
{
    TempFolder folder;
    StarterApp app;
    Start(app, folder, {"kestrane-weavo"});
    HWND window = AfxGetMainWnd()->GetSafeHwnd();
    const QPixmap shot = window->grab();
    ASSERT_FALSE(shot.isNull());
    const std::filesystem::path path = std::filesystem::current_path() / "main-window.png";
    std::filesystem::remove(path);
    ASSERT_TRUE(shot.save(QString::fromStdString(path.string()), "PNG"));

    const QImage read(QString::fromStdString(path.string()));
    ASSERT_FALSE(read.isNull());
    EXPECT_EQ(read.size(), window->size() * window->devicePixelRatio());

    // The tree's white field and the empty view's plain background both show, side by side.
    CSplitterWnd& splitter = dynamic_cast<StarterFrame*>(AfxGetMainWnd())->GetSplitter();
    const auto centre = [window](CWnd* pane)
    {
        HWND widget = pane->GetSafeHwnd();
        return widget->mapTo(window, widget->rect().center()) * window->devicePixelRatio();
    };
    const QPoint treeCentre = centre(splitter.GetPane(0, 0));
    const QPoint viewCentre = centre(splitter.GetPane(0, 1));
    EXPECT_LT(treeCentre.x(), viewCentre.x());
    EXPECT_NE(read.pixel(treeCentre), read.pixel(viewCentre));
}
