// Counting of pixels near a colour, for tests that look at what was painted.
#ifndef IMAGECOUNT_H
#define IMAGECOUNT_H

#include <QColor>
#include <QImage>
#include <QRect>
#include <QtGlobal>

// Pixels of the image inside r whose colour is within a small distance of c.
inline int countNear(const QImage &img, const QRect &r, const QColor &c, int tolerance = 12)
{
    int n = 0;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x) {
            const QColor p = img.pixelColor(x, y);
            if (qAbs(p.red() - c.red()) <= tolerance && qAbs(p.green() - c.green()) <= tolerance
                    && qAbs(p.blue() - c.blue()) <= tolerance)
                ++n;
        }
    return n;
}

#endif
