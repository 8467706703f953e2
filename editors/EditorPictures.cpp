#include "editors/EditorPictures.h"

#include "editors/logic/TableDesigner.h"
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
} // namespace

void RegisterEditorPictures()
{
    static const bool registered = []
    {
        RegisterBitmapResource(TableDesigner::masterBitmap, TablePicture(QColor(32, 72, 112)));
        RegisterBitmapResource(TableDesigner::otherBitmap, TablePicture(QColor(112, 72, 32)));
        return true;
    }();
    (void)registered;
}
