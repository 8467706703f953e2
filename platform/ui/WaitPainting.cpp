#include "platform/ui/WaitPainting.h"

#include <QCoreApplication>
#include <QEvent>
#include <QEventLoop>
#include <QObject>

namespace
{
class DroppingCloses : public QObject
{
protected:
    bool eventFilter(QObject*, QEvent* event) override { return event->type() == QEvent::Close; }
};
} // namespace

void PaintWhileWaiting()
{
    QCoreApplication* app = QCoreApplication::instance();
    if (app == nullptr)
        return;
    DroppingCloses dropping;
    app->installEventFilter(&dropping);
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    app->removeEventFilter(&dropping);
}
