#include "platform/ui/GdiObjects.h"
#include "shell/ShellResources.h"
#include "shell/logic/ProjectTreeLayout.h"

#include <QApplication>
#include <QIcon>
#include <QImage>
#include <QPainter>
#include <QStyle>

#include <gtest/gtest.h>

namespace
{
QImage Cell(const QImage& pictures, int index)
{
    return pictures.copy(index * kTreeImageSize, 0, kTreeImageSize, kTreeImageSize);
}

// The style's picture as the tree's list would hold it: on the black mask, a pixel in.
QImage StylePicture(QStyle::StandardPixmap which)
{
    QImage cell(kTreeImageSize, kTreeImageSize, QImage::Format_RGB32);
    cell.fill(Qt::black);
    QPainter painter(&cell);
    painter.drawPixmap(
        1, 1,
        QApplication::style()->standardIcon(which).pixmap(kTreeImageSize - 2, kTreeImageSize - 2));
    painter.end();
    return cell;
}

TEST(TreePicturesTest, AMenuItemShowsAMenuNotTheStylesMenuButton)
{
    RegisterShellResources();
    const QImage pictures = LoadBitmapResource(IDB_TREE_IMAGES);
    const TreeCategory* menus = FindCategory(TreeSlot::Menus);
    ASSERT_NE(menus, nullptr);
    const QImage menu = Cell(pictures, menus->itemImage);
    EXPECT_NE(menu, StylePicture(QStyle::SP_TitleBarMenuButton));
    int drawn = 0;
    for (int y = 0; y < menu.height(); ++y)
        for (int x = 0; x < menu.width(); ++x)
            drawn += (menu.pixel(x, y) & 0xFFFFFF) != 0 ? 1 : 0;
    EXPECT_GT(drawn, kTreeImageSize * kTreeImageSize / 3) << "the picture fills its cell";
}
} // namespace
