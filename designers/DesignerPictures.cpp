#include "designers/DesignerPictures.h"

#include "designers/logic/DashBoardDesigner.h"
#include "designers/logic/DashBoardPageDesigner.h"
#include "designers/logic/StartPage.h"
#include "platform/ui/GdiObjects.h"

#include <QColor>
#include <QImage>
#include <QPainter>

namespace
{
const QColor kLine(64, 64, 64);

// A table of rows x columns cells in the rectangle, its header row in the colour.
void DrawTable(QPainter& painter, const QRect& box, int rows, int columns, const QColor& header)
{
    painter.fillRect(box.x(), box.y(), box.width(), box.height() / (rows + 1), header);
    painter.setPen(kLine);
    painter.drawRect(box.adjusted(0, 0, -1, -1));
    for (int row = 1; row <= rows; ++row)
    {
        const int y = box.y() + row * box.height() / (rows + 1);
        painter.drawLine(box.x(), y, box.right(), y);
    }
    for (int column = 1; column < columns; ++column)
    {
        const int x = box.x() + column * box.width() / columns;
        painter.drawLine(x, box.y() + box.height() / (rows + 1), x, box.bottom());
    }
}

// The tree strip: a stack of tables, and one table.
QImage TreeStrip()
{
    QImage strip(32, 16, QImage::Format_RGB32);
    strip.fill(Qt::white);
    QPainter painter(&strip);
    DrawTable(painter, QRect(4, 1, 11, 9), 2, 2, QColor(112, 72, 32));
    DrawTable(painter, QRect(1, 5, 11, 10), 2, 2, QColor(32, 72, 112));
    DrawTable(painter, QRect(17, 2, 14, 12), 2, 2, QColor(32, 112, 72));
    return strip;
}

// A dashboard: a grid of panels, one of them a small bar chart.
QImage DashBoardPicture(const QColor& header)
{
    QImage picture(48, 40, QImage::Format_RGB32);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    DrawTable(painter, QRect(4, 4, 40, 32), 2, 2, header);
    painter.fillRect(28, 24, 3, 9, QColor(200, 96, 32));
    painter.fillRect(33, 19, 3, 14, QColor(200, 96, 32));
    painter.fillRect(38, 27, 3, 6, QColor(200, 96, 32));
    return picture;
}

// A start page button: a rounded tile in the colour with the letters on it.
QImage ButtonPicture(const QColor& tile, const char* letters)
{
    QImage picture(64, 48, QImage::Format_RGB32);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(kLine);
    painter.setBrush(tile);
    painter.drawRoundedRect(QRectF(4.5, 4.5, 55, 39), 6, 6);
    painter.setPen(Qt::white);
    QFont font = painter.font();
    font.setBold(true);
    font.setPixelSize(16);
    painter.setFont(font);
    painter.drawText(QRect(4, 4, 56, 40), Qt::AlignCenter, letters);
    return picture;
}

// The start page's own picture: a window with a tree on the left and a form on the right.
QImage StartPicture()
{
    QImage picture(160, 96, QImage::Format_RGB32);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    painter.setPen(kLine);
    painter.fillRect(8, 8, 144, 12, QColor(32, 72, 112));
    painter.drawRect(8, 8, 143, 79);
    painter.drawLine(56, 20, 56, 87);
    for (int y = 28; y < 84; y += 10)
        painter.drawLine(16, y, 48, y);
    DrawTable(painter, QRect(66, 28, 76, 50), 3, 2, QColor(32, 112, 72));
    return picture;
}
} // namespace

void RegisterDesignerPictures()
{
    static const bool registered = []
    {
        RegisterBitmapResource(dashBoardTreeBitmap, TreeStrip());
        RegisterBitmapResource(DashBoardDesigner::IDB_PICTURE,
                               DashBoardPicture(QColor(32, 72, 112)));
        RegisterBitmapResource(DashBoardPageDesigner::IDB_PICTURE,
                               DashBoardPicture(QColor(32, 112, 72)));
        RegisterBitmapResource(StartPage::IDB_PICTURE, StartPicture());
        const char* letters[] = {"MT", "MF", "TT", "TF", "R", "RD", "D", "DP", "M", "F"};
        int index = 0;
        for (const StartButton& button : StartPage::Buttons())
        {
            const QColor tile = QColor::fromHsv((index * 36) % 360, 160, 150);
            RegisterBitmapResource(button.normalBitmap, ButtonPicture(tile, letters[index]));
            RegisterBitmapResource(button.secondBitmap,
                                   ButtonPicture(tile.lighter(130), letters[index]));
            ++index;
        }
        return true;
    }();
    (void)registered;
}
