#ifndef BANNACONSTANTS_H
#define BANNACONSTANTS_H

#include <QByteArray>
#include <QString>
#include <QStringList>

// The banner carousel's property, indicator style and slides, in slide order.
static const QByteArray kBannerAnimatedProperty = QByteArrayLiteral("geometry");
static const QString kBannerIndicatorStyle = QStringLiteral("border-image:url(%1)");
static const QStringList kBannerImages = {
    QStringLiteral(":/res/res/image/banna/1.jpg"),
    QStringLiteral(":/res/res/image/banna/2.jpg"),
    QStringLiteral(":/res/res/image/banna/3.jpg"),
    QStringLiteral(":/res/res/image/banna/4.jpg"),
    QStringLiteral(":/res/res/image/banna/5.jpg"),
};

#endif
