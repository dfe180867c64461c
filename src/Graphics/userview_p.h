// Helpers the userview*.cpp files share: layout names, canvas factors, link and edit states.
#ifndef USERVIEW_P_H
#define USERVIEW_P_H

#include "globals.h"
#include "resolutionratioscene.h"
#include "wallgeometry.h"

#include <QString>
#include <QStringList>

namespace UserViewPrivate {

// Splits a layout name such as "2x3" into its row and column counts.
inline void splitLayout(const QString &name, int &rows, int &columns)
{
    const QStringList parts = name.split(QLatin1Char('x'));
    rows = parts.value(0).toInt();
    columns = parts.value(1).toInt();
}

// Device pixels per canvas pixel of the scene, with the seams of its layout
// or only capped at the device space.
inline WallGeometry::Factors seamFactors(const ResolutionRatioScene *scene)
{
    int rows = 0, columns = 0;
    splitLayout(scene->layoutName(), rows, columns);
    const QRectF rect = scene->sceneRect();
    return WallGeometry::seamFactors(rect.width(), rect.height(), rows, columns);
}

inline WallGeometry::Factors cappedFactors(const ResolutionRatioScene *scene)
{
    const QRectF rect = scene->sceneRect();
    return WallGeometry::cappedFactors(rect.width(), rect.height());
}

inline bool linkUp() { return g_networkConnected || g_serialConnected || g_offlineMode; }

inline bool isDragMode(int mode) { return mode >= 1 && mode <= 6; }

} // namespace UserViewPrivate

#endif
