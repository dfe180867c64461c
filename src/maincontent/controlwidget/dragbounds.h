#ifndef DRAGBOUNDS_H
#define DRAGBOUNDS_H

#include <QPoint>
#include <QSize>

// Top-left for a dragged button of `size` at `pos`, pulled back so that the
// whole button stays inside a parent of `parent` size. A position of 0 counts
// as inside; a button wider than its parent ends flush with the right edge.
inline QPoint keptInsideParent(QPoint pos, QSize size, QSize parent)
{
    if (pos.x() < 1)
        pos.setX(0);
    if (pos.x() + size.width() > parent.width())
        pos.setX(parent.width() - size.width());
    if (pos.y() < 1)
        pos.setY(0);
    if (pos.y() + size.height() > parent.height())
        pos.setY(parent.height() - size.height());
    return pos;
}

#endif
