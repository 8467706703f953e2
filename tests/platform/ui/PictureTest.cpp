#include "ControlHost.h"

#include "platform/ui/DC.h"
#include "platform/ui/GdiObjects.h"
#include "platform/ui/Static.h"

#include <QImage>
#include <QLabel>

#include <gtest/gtest.h>

namespace
{
constexpr int IDC_PICTURE_FRAME = 3501;
constexpr int IDC_EMPTY = 3502;
constexpr int IDC_MISSING = 3503;
constexpr UINT IDB_RED = 9901;
constexpr UINT IDB_BLUE = 9902;
constexpr UINT IDB_NONE = 9903;

QImage Filled(int width, int height, Qt::GlobalColor colour)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

// How many pixels of the picture's window show the colour.
int PixelsOf(const CWnd& picture, Qt::GlobalColor colour)
{
    const QImage shot = picture.GetSafeHwnd()->grab().toImage();
    int count = 0;
    for (int y = 0; y < shot.height(); ++y)
        for (int x = 0; x < shot.width(); ++x)
            count += shot.pixelColor(x, y) == QColor(colour) ? 1 : 0;
    return count;
}
} // namespace

TEST(PictureTest, APictureShowsTheBitmapOfItsTemplateAndTheOneSetLater)
{
    RegisterBitmapResource(IDB_RED, Filled(16, 12, Qt::red));
    RegisterBitmapResource(IDB_BLUE, Filled(20, 10, Qt::blue));
    DialogControl red{IDC_PICTURE_FRAME, ControlKind::Picture, ""};
    red.bitmap = IDB_RED;
    DialogControl missing{IDC_MISSING, ControlKind::Picture, ""};
    missing.bitmap = IDB_NONE;
    ControlHost host(
        DialogTemplate{9331, "Pictures", {red, {IDC_EMPTY, ControlKind::Picture, ""}, missing}});
    auto& picture = *static_cast<CStatic*>(host.GetDlgItem(IDC_PICTURE_FRAME));

    EXPECT_TRUE(picture.HasPicture());
    EXPECT_EQ(static_cast<QLabel*>(picture.GetSafeHwnd())->pixmap().size(), QSize(16, 12));
    EXPECT_EQ(PixelsOf(picture, Qt::red), 16 * 12);
    EXPECT_FALSE(static_cast<CStatic*>(host.GetDlgItem(IDC_EMPTY))->HasPicture());
    EXPECT_FALSE(static_cast<CStatic*>(host.GetDlgItem(IDC_MISSING))->HasPicture());

    CBitmap blue;
    ASSERT_TRUE(blue.LoadBitmap(IDB_BLUE));
    EXPECT_EQ(picture.SetBitmap(&blue), nullptr);
    EXPECT_EQ(picture.GetBitmap(), &blue);
    EXPECT_EQ(static_cast<QLabel*>(picture.GetSafeHwnd())->pixmap().size(), QSize(20, 10));
    EXPECT_EQ(PixelsOf(picture, Qt::blue), 20 * 10);
    EXPECT_EQ(PixelsOf(picture, Qt::red), 0);

    CBitmap* loaded = LoadImage(IDB_RED, IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION);
    ASSERT_NE(loaded, nullptr);
    EXPECT_EQ(picture.SetBitmap(loaded), &blue);
    EXPECT_EQ(PixelsOf(picture, Qt::red), 16 * 12);
    EXPECT_EQ(picture.SetBitmap(nullptr), loaded);
    EXPECT_FALSE(picture.HasPicture());
    delete loaded;
}
