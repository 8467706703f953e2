#include "editors/EditorPictures.h"

#include "editors/logic/FormEditor.h"
#include "editors/logic/TableDesigner.h"
#include "editors/logic/TransactionEditor.h"
#include "platform/ui/GdiObjects.h"

#include <QColor>
#include <QImage>
#include <QPainter>

namespace
{
// A table drawn as a grid: a header row in the colour given, three rows of two cells.
QImage TablePicture(const QColor& header)
{
    QImage picture(48, 40, QImage::Format_RGB32);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    painter.fillRect(4, 4, 40, 8, header);
    painter.setPen(QColor(64, 64, 64));
    painter.drawRect(4, 4, 39, 31);
    for (int y : {12, 20, 28})
        painter.drawLine(4, y, 43, y);
    painter.drawLine(20, 12, 20, 35);
    painter.end();
    return picture;
}
// A menu drawn as a bar with a drop-down of three items, the bar in the colour given.
QImage MenuPicture(const QColor& bar)
{
    QImage picture(48, 40, QImage::Format_RGB32);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    painter.fillRect(4, 4, 40, 8, bar);
    painter.setPen(QColor(64, 64, 64));
    painter.drawRect(12, 12, 24, 24);
    for (int y : {20, 28})
        painter.drawLine(12, y, 36, y);
    painter.end();
    return picture;
}

// A database drawn as a cylinder.
QImage DatabasePicture()
{
    QImage picture(40, 40, QImage::Format_RGB32);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    painter.setPen(QColor(64, 64, 64));
    painter.setBrush(QColor(32, 112, 72));
    painter.drawRect(6, 9, 27, 22);
    painter.drawEllipse(6, 26, 27, 9);
    painter.setPen(Qt::NoPen);
    painter.drawRect(7, 10, 26, 21);
    painter.setPen(QColor(64, 64, 64));
    painter.setBrush(QColor(96, 176, 128));
    painter.drawEllipse(6, 4, 27, 10);
    painter.end();
    return picture;
}
// A page drawn as a window with a title bar and labelled boxes; with a detail, a grid below.
QImage PagePicture(bool withDetail)
{
    QImage picture(48, 40, QImage::Format_RGB32);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    painter.fillRect(4, 4, 40, 6, QColor(32, 72, 112));
    painter.setPen(QColor(64, 64, 64));
    painter.drawRect(4, 4, 39, 31);
    const int rows = withDetail ? 2 : 3;
    for (int row = 0; row < rows; ++row)
    {
        painter.drawLine(8, 14 + row * 6, 18, 14 + row * 6);
        painter.drawRect(22, 12 + row * 6, 17, 4);
    }
    if (withDetail)
    {
        painter.drawRect(8, 25, 31, 8);
        painter.drawLine(8, 29, 39, 29);
        painter.drawLine(20, 25, 20, 33);
    }
    painter.end();
    return picture;
}
} // namespace

void RegisterEditorPictures()
{
    static const bool registered = []
    {
        RegisterBitmapResource(TableDesigner::masterBitmap, TablePicture(QColor(32, 72, 112)));
        RegisterBitmapResource(TableDesigner::otherBitmap, TablePicture(QColor(112, 72, 32)));
        RegisterBitmapResource(menuTreeBitmap, MenuPicture(QColor(32, 72, 112)));
        RegisterBitmapResource(menuRolesBitmap, MenuPicture(QColor(32, 112, 72)));
        RegisterBitmapResource(menuFilesBitmap, MenuPicture(QColor(112, 72, 32)));
        RegisterBitmapResource(databaseBitmap, DatabasePicture());
        RegisterBitmapResource(TransactionEditor::transactionBitmap, PagePicture(true));
        RegisterBitmapResource(FormEditor::formBitmap, PagePicture(false));
        return true;
    }();
    (void)registered;
}
