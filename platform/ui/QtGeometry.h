#pragma once

#include "platform/ui/Geometry.h"

#include <QAbstractScrollArea>
#include <QFontMetrics>
#include <QPoint>
#include <QRect>
#include <QWidget>

// Rectangles cross into Qt with their exclusive right and bottom edges kept.
inline QRect ToQRect(const RECT& rect)
{
    return QRect(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top);
}
inline CRect FromQRect(const QRect& rect)
{
    return CRect(rect.x(), rect.y(), rect.x() + rect.width(), rect.y() + rect.height());
}
inline QPoint ToQPoint(POINT point)
{
    return QPoint(point.x, point.y);
}
inline CPoint FromQPoint(const QPoint& point)
{
    return CPoint(point.x(), point.y());
}

// Where the viewport of a scrolled widget stands inside the widget (below a header, for one).
inline QPoint ViewportOffset(const QAbstractScrollArea* area)
{
    return area->viewport()->mapTo(area, QPoint(0, 0));
}

// The width a window needs to show its whole title beside the title bar's icon and buttons.
inline int TitleBarWidth(const QWidget& window)
{
    QFont titleFont = window.font();
    titleFont.setBold(true);
    constexpr int kTitleBarFrame = 140;
    return QFontMetrics(titleFont).horizontalAdvance(window.windowTitle()) + kTitleBarFrame;
}
