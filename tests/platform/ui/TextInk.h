#pragma once

#include <QImage>
#include <QRect>

#include <cstdlib>

// The lowest pixel row of the area that holds text, relative to the area's top; -1 when none
// does. Text is any colour far from the area's background, which its top right pixel shows.
inline int LowestInkRow(const QImage& shot, const QRect& area)
{
    const QColor background = shot.pixelColor(area.right(), area.top());
    const auto isInk = [&background](const QColor& colour)
    {
        return std::abs(colour.red() - background.red()) +
                   std::abs(colour.green() - background.green()) +
                   std::abs(colour.blue() - background.blue()) >
               200;
    };
    for (int y = area.bottom(); y >= area.top(); --y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (isInk(shot.pixelColor(x, y)))
                return y - area.top();
    return -1;
}
