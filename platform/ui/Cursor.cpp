#include "platform/ui/Cursor.h"

#include "platform/ui/MessageBridge.h"

#include <QApplication>
#include <QCursor>
#include <QWidget>

#include <map>

namespace
{
HCURSOR& CurrentCursor()
{
    static HCURSOR current = nullptr;
    return current;
}

Qt::CursorShape ShapeOf(LPCTSTR name)
{
    switch (reinterpret_cast<std::uintptr_t>(name))
    {
    case 32512:
        return Qt::ArrowCursor;
    case 32513:
        return Qt::IBeamCursor;
    case 32514:
        return Qt::WaitCursor;
    case 32515:
        return Qt::CrossCursor;
    case 32644:
        return Qt::SizeHorCursor;
    case 32645:
        return Qt::SizeVerCursor;
    case 32646:
        return Qt::SizeAllCursor;
    case 32648:
        return Qt::ForbiddenCursor;
    case 32649:
        return Qt::PointingHandCursor;
    default:
        return Qt::BlankCursor;
    }
}
} // namespace

HCURSOR LoadCursor(void*, LPCTSTR name)
{
    static std::map<Qt::CursorShape, QCursor> cursors;
    const Qt::CursorShape shape = ShapeOf(name);
    if (shape == Qt::BlankCursor)
        return nullptr;
    return &cursors.try_emplace(shape, shape).first->second;
}

HCURSOR SetCursor(HCURSOR cursor)
{
    QWidget* widget = MessageBridge::CurrentWidget();
    if (widget == nullptr)
        widget = QApplication::activeWindow();
    if (widget != nullptr)
    {
        if (cursor != nullptr)
            widget->setCursor(*cursor);
        else
            widget->unsetCursor();
    }
    return std::exchange(CurrentCursor(), cursor);
}

HCURSOR GetCursor()
{
    return CurrentCursor();
}
