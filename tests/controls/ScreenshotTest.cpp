#include "tests/controls/ControlsDialog.h"

#include <QImage>
#include <QPixmap>

#include <gtest/gtest.h>

#include <filesystem>

TEST(ControlsScreenshotTest, ADialogWithEachControlIsWrittenIntoTheBuildFolder)
{
    QImage scheme(120, 60, QImage::Format_RGB32);
    scheme.fill(QColor(40, 120, 200));
    const std::filesystem::path folder(CONTROLS_GRAB_DIR);
    const std::filesystem::path picturePath = folder / "controls-scheme.png";
    ASSERT_TRUE(scheme.save(QString::fromStdString(picturePath.string())));
    QImage grey(32, 32, QImage::Format_RGB32);
    grey.fill(QColor(192, 192, 192));
    for (int x = 8; x < 24; ++x)
        for (int y = 8; y < 24; ++y)
            grey.setPixelColor(x, y, QColor(200, 30, 30));
    RegisterBitmapResource(4301, grey);

    ControlsDialog dialog;
    for (int column = 0; column < 3; ++column)
        dialog.m_rows.InsertColumn(column, column == 0 ? "Field" : "Value", LVCFMT_LEFT, 100);
    dialog.m_rows.InsertRow(0, 3, "Id", "int", "Key");
    dialog.m_rows.InsertRow(1, 3, "Name", nullptr, "Label");
    dialog.m_thumbs.InitThumbnails();
    dialog.m_thumbs.AddThumbnail(picturePath.string().c_str(), "Blue", FALSE);
    dialog.m_thumbs.AddThumbnail(picturePath.string().c_str(), "Chosen", TRUE);
    HTREEITEM module = dialog.m_tree.InsertItem("Module");
    HTREEITEM forms = dialog.m_tree.InsertItem("Forms", module);
    dialog.m_tree.InsertItem("Orders", forms);
    dialog.m_tree.SetItemColor(forms, RGB(200, 0, 0));
    dialog.m_tree.PropagateCheck(FALSE, forms);
    dialog.m_tree.Expand(module, TVE_EXPAND);
    dialog.m_tabs.InitPages();
    dialog.m_tabs.LayoutPages();
    ASSERT_TRUE(dialog.m_picture.SetBitmap(4301));
    dialog.m_start.SetBitmaps(4301, RGB(192, 192, 192), ColorButton::BTNST_AUTO_GRAY, 0);
    dialog.m_start.SetColor(ColorButtonLook::Idle, RGB(255, 255, 224), RGB(0, 0, 128));

    QWidget* window = dialog.GetSafeHwnd();
    window->show();
    const QPixmap shot = window->grab();
    const std::filesystem::path path = folder / "controls-dialog.png";
    std::filesystem::remove(path);
    ASSERT_TRUE(shot.save(QString::fromStdString(path.string()), "PNG"));
    const QImage read(QString::fromStdString(path.string()));
    EXPECT_EQ(read.size(), window->size() * window->devicePixelRatio());
}
