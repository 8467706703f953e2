#pragma once

#include <QImage>
#include <QRect>

// The lowest pixel row of the area that holds dark ink (text), relative to the area's top; -1
// when none does.
inline int LowestInkRow(const QImage& shot, const QRect& area)
{
    for (int y = area.bottom(); y >= area.top(); --y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (shot.pixelColor(x, y).lightness() < 128)
                return y - area.top();
    return -1;
}
