#ifndef SCENECLAMP_H
#define SCENECLAMP_H

#include <QPointF>
#include <QRectF>
#include <algorithm>

// The position an item may take so that its rectangle (in item coordinates)
// stays inside the scene rectangle; each axis on its own, bounds truncated to
// whole units. Unlike qBound/std::clamp it is defined for an item larger than
// the scene: the lower bound wins.
inline QPointF clampToScene(const QRectF &sceneRect, const QRectF &itemRect, const QPointF &wanted)
{
    const double left = static_cast<int>(sceneRect.left() - itemRect.x());
    const double top = static_cast<int>(sceneRect.top() - itemRect.y());
    const double width = static_cast<int>(sceneRect.width() - itemRect.width());
    const double height = static_cast<int>(sceneRect.height() - itemRect.height());
    return QPointF(std::max(left, std::min(wanted.x(), left + width)),
                   std::max(top, std::min(wanted.y(), top + height)));
}

#endif
